// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <initializer_list>

// A list of texts written as plain (UTF-8) literals, for comparing rows and captions.
inline QStringList texte(std::initializer_list<const char *> literale)
{
    QStringList liste;
    for (const char *t : literale)
        liste << QString::fromUtf8(t);
    return liste;
}
