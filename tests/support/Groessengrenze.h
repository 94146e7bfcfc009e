// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/resource.h>

// Lowers the largest file size this process may write while the object lives: a write beyond it
// fails (EFBIG) once SIGXFSZ is ignored, as a full disk would, without root.
class Groessengrenze
{
public:
    explicit Groessengrenze(rlim_t grenze)
    {
        getrlimit(RLIMIT_FSIZE, &m_alt);
        rlimit neu = m_alt;
        neu.rlim_cur = grenze;
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~Groessengrenze() { setrlimit(RLIMIT_FSIZE, &m_alt); }
    Groessengrenze(const Groessengrenze &) = delete;
    Groessengrenze &operator=(const Groessengrenze &) = delete;

private:
    rlimit m_alt{};
};
