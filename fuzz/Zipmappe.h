// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Fuzzdatei.h"

#include <QList>
#include <QPair>

#include <zip.h>

// A workbook whose parts the fuzzer writes, stored uncompressed in a zip archive, so the
// mutations reach the XML readers instead of the archive's checksums. Built in memory, then
// written as one file.
inline QString zipMappe(const QList<QPair<const char *, QByteArray>> &teile, const QString &name)
{
    QByteArray bytes;
    zip_error_t fehler;
    zip_error_init(&fehler);
    zip_source_t *puffer = zip_source_buffer_create(nullptr, 0, 0, &fehler);
    zip_t *archiv = puffer ? zip_open_from_source(puffer, ZIP_TRUNCATE, &fehler) : nullptr;
    if (archiv) {
        zip_source_keep(puffer);
        for (const auto &[teil, inhalt] : teile) {
            zip_source_t *q =
                zip_source_buffer(archiv, inhalt.constData(), static_cast<zip_uint64_t>(inhalt.size()), 0);
            const zip_int64_t index = q ? zip_file_add(archiv, teil, q, ZIP_FL_OVERWRITE) : -1;
            if (index >= 0)
                zip_set_file_compression(archiv, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
            else if (q)
                zip_source_free(q);
        }
        if (zip_close(archiv) == 0 && zip_source_open(puffer) == 0) {
            char block[64 * 1024];
            zip_int64_t n = 0;
            while ((n = zip_source_read(puffer, block, sizeof block)) > 0)
                bytes.append(block, static_cast<qsizetype>(n));
            zip_source_close(puffer);
        }
    }
    if (puffer)
        zip_source_free(puffer);
    zip_error_fini(&fehler);
    return alsDatei(reinterpret_cast<const std::uint8_t *>(bytes.constData()), static_cast<std::size_t>(bytes.size()),
                    name);
}

// The fuzzer's bytes split at the first NUL into two parts.
inline QPair<QByteArray, QByteArray> zweiTeile(const std::uint8_t *daten, std::size_t groesse)
{
    const QByteArray alles(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    const qsizetype trenner = alles.indexOf('\0');
    if (trenner < 0)
        return {alles, QByteArray()};
    return {alles.left(trenner), alles.mid(trenner + 1)};
}
