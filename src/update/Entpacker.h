// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <functional>
#include <memory>

// Unpacks a body a server sent packed ("Content-Encoding: gzip" or "deflate") as it arrives, in
// small pieces, so a few packed bytes that unpack to gigabytes are stopped at the limit, and a
// damaged body is told apart from one that is too large.
class Entpacker
{
public:
    enum class Stand { Weiter, Beschaedigt, ZuGross };

    explicit Entpacker(qint64 maxGroesse);
    ~Entpacker();
    Entpacker(const Entpacker &) = delete;
    Entpacker &operator=(const Entpacker &) = delete;

    // Unpacks `gepackt` and hands each unpacked piece to `ausgabe` (false from it stops).
    Stand hinzu(const QByteArray &gepackt, const std::function<bool(const char *, qsizetype)> &ausgabe);
    // The packed data ended where it should: a body cut short is damaged as well.
    bool vollstaendig() const { return m_ende; }
    qint64 entpackt() const { return m_entpackt; }

private:
    struct Strom;
    std::unique_ptr<Strom> m_strom;
    qint64 m_max;
    qint64 m_entpackt = 0;
    bool m_ende = false;
};
