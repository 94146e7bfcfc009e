// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/ZipArchiv.h"

#include <zip.h>

ZipArchiv::ZipArchiv(const QByteArray &daten) : m_daten(daten)
{
    zip_error_t fehler;
    zip_error_init(&fehler);
    zip_source_t *quelle =
        zip_source_buffer_create(m_daten.constData(), static_cast<zip_uint64_t>(m_daten.size()), 0, &fehler);
    if (quelle) {
        m_archiv = zip_open_from_source(quelle, ZIP_RDONLY, &fehler);
        if (!m_archiv)
            zip_source_free(quelle);
    }
    zip_error_fini(&fehler);
}

ZipArchiv::~ZipArchiv()
{
    if (m_archiv)
        zip_discard(m_archiv);
}

bool ZipArchiv::hat(const char *name) const
{
    return m_archiv && zip_name_locate(m_archiv, name, 0) >= 0;
}

std::optional<QByteArray> ZipArchiv::lies(const char *name, qint64 hoechstens, QString &fehler) const
{
    ZipTeil teil(*this, name, hoechstens);
    QByteArray inhalt;
    while (!teil.fertig())
        inhalt += teil.weiter();
    if (!teil.fehler().isEmpty()) {
        fehler = teil.fehler();
        return std::nullopt;
    }
    return inhalt;
}

ZipTeil::ZipTeil(const ZipArchiv &archiv, const char *name, qint64 hoechstens)
    : m_teil(QString::fromUtf8(name)), m_hoechstens(hoechstens)
{
    m_fertig = true;
    if (!archiv.m_archiv) {
        m_fehler = QStringLiteral("Die Datei ist kein lesbares Zip-Archiv.");
        return;
    }
    const zip_int64_t index = zip_name_locate(archiv.m_archiv, name, 0);
    if (index < 0) {
        m_fehler = QStringLiteral("Der Teil \u201E%1\u201C fehlt.").arg(m_teil);
        return;
    }
    zip_stat_t info;
    zip_stat_init(&info);
    if (zip_stat_index(archiv.m_archiv, static_cast<zip_uint64_t>(index), 0, &info) == 0 &&
        (info.valid & ZIP_STAT_SIZE) && info.size > static_cast<zip_uint64_t>(hoechstens)) {
        m_fehler = QStringLiteral("Der Teil \u201E%1\u201C ist ausgepackt gr\u00F6\u00DFer als %2 MB.")
                       .arg(m_teil)
                       .arg(m_hoechstens / (1024 * 1024));
        return;
    }
    m_datei = zip_fopen_index(archiv.m_archiv, static_cast<zip_uint64_t>(index), 0);
    if (!m_datei) {
        m_fehler = QStringLiteral("Der Teil \u201E%1\u201C kann nicht ausgepackt werden: %2")
                       .arg(m_teil, QString::fromUtf8(zip_strerror(archiv.m_archiv)));
        return;
    }
    m_fertig = false;
}

ZipTeil::~ZipTeil()
{
    if (m_datei)
        zip_fclose(m_datei);
}

QByteArray ZipTeil::weiter()
{
    if (m_fertig)
        return QByteArray();
    QByteArray stueck(64 * 1024, Qt::Uninitialized);
    const zip_int64_t gelesen = zip_fread(m_datei, stueck.data(), static_cast<zip_uint64_t>(stueck.size()));
    if (gelesen < 0) {
        m_fehler = QStringLiteral("Der Teil \u201E%1\u201C ist besch\u00E4digt: %2")
                       .arg(m_teil, QString::fromUtf8(zip_file_strerror(m_datei)));
        m_fertig = true;
        return QByteArray();
    }
    m_gelesen += gelesen;
    if (m_gelesen > m_hoechstens) {
        m_fehler = QStringLiteral("Der Teil \u201E%1\u201C ist ausgepackt gr\u00F6\u00DFer als %2 MB.")
                       .arg(m_teil)
                       .arg(m_hoechstens / (1024 * 1024));
        m_fertig = true;
        return QByteArray();
    }
    if (gelesen == 0)
        m_fertig = true;
    stueck.truncate(static_cast<qsizetype>(gelesen));
    return stueck;
}
