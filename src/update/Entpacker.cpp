// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/Entpacker.h"

#include <zlib.h>

struct Entpacker::Strom
{
    z_stream z{};
    bool bereit = false;
};

Entpacker::Entpacker(qint64 maxGroesse) : m_strom(std::make_unique<Strom>()), m_max(maxGroesse)
{
    // 15 + 32: the window of any stream, and a gzip or a zlib header, whichever comes.
    m_strom->bereit = inflateInit2(&m_strom->z, 15 + 32) == Z_OK;
}

Entpacker::~Entpacker()
{
    if (m_strom->bereit)
        inflateEnd(&m_strom->z);
}

Entpacker::Stand Entpacker::hinzu(const QByteArray &gepackt,
                                  const std::function<bool(const char *, qsizetype)> &ausgabe)
{
    if (!m_strom->bereit)
        return Stand::Beschaedigt;
    z_stream &z = m_strom->z;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(gepackt.constData()));
    z.avail_in = static_cast<uInt>(gepackt.size());
    char puffer[64 * 1024];
    while (z.avail_in > 0) {
        if (m_ende) {
            // gzip allows several members one after the other; anything else after the end is damage.
            if (inflateReset(&z) != Z_OK)
                return Stand::Beschaedigt;
            m_ende = false;
        }
        z.next_out = reinterpret_cast<Bytef *>(puffer);
        z.avail_out = sizeof puffer;
        const int ergebnis = inflate(&z, Z_NO_FLUSH);
        if (ergebnis != Z_OK && ergebnis != Z_STREAM_END && ergebnis != Z_BUF_ERROR)
            return Stand::Beschaedigt;
        const qsizetype neu = static_cast<qsizetype>(sizeof puffer - z.avail_out);
        m_entpackt += neu;
        if (m_entpackt > m_max)
            return Stand::ZuGross;
        if (neu > 0 && !ausgabe(puffer, neu))
            return Stand::Weiter;
        if (ergebnis == Z_STREAM_END)
            m_ende = true;
        else if (ergebnis == Z_BUF_ERROR && neu == 0)
            break; // needs more input than this piece holds
    }
    return Stand::Weiter;
}
