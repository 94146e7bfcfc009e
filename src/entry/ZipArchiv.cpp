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
    const QString teil = QString::fromUtf8(name);
    if (!m_archiv) {
        fehler = QStringLiteral("Die Datei ist kein lesbares Zip-Archiv.");
        return std::nullopt;
    }
    const zip_int64_t index = zip_name_locate(m_archiv, name, 0);
    if (index < 0) {
        fehler = QStringLiteral("Der Teil \u201E%1\u201C fehlt.").arg(teil);
        return std::nullopt;
    }
    const QString zuGross = QStringLiteral("Der Teil \u201E%1\u201C ist ausgepackt gr\u00F6\u00DFer als %2 MB.")
                                .arg(teil)
                                .arg(hoechstens / (1024 * 1024));
    zip_stat_t info;
    zip_stat_init(&info);
    if (zip_stat_index(m_archiv, static_cast<zip_uint64_t>(index), 0, &info) == 0 && (info.valid & ZIP_STAT_SIZE) &&
        info.size > static_cast<zip_uint64_t>(hoechstens)) {
        fehler = zuGross;
        return std::nullopt;
    }
    zip_file_t *datei = zip_fopen_index(m_archiv, static_cast<zip_uint64_t>(index), 0);
    if (!datei) {
        fehler = QStringLiteral("Der Teil \u201E%1\u201C kann nicht ausgepackt werden: %2")
                     .arg(teil, QString::fromUtf8(zip_strerror(m_archiv)));
        return std::nullopt;
    }
    QByteArray inhalt;
    char puffer[64 * 1024];
    while (true) {
        const zip_int64_t gelesen = zip_fread(datei, puffer, sizeof puffer);
        if (gelesen < 0) {
            fehler = QStringLiteral("Der Teil \u201E%1\u201C ist besch\u00E4digt: %2")
                         .arg(teil, QString::fromUtf8(zip_file_strerror(datei)));
            zip_fclose(datei);
            return std::nullopt;
        }
        if (gelesen == 0)
            break;
        if (inhalt.size() + gelesen > hoechstens) {
            fehler = zuGross;
            zip_fclose(datei);
            return std::nullopt;
        }
        if (inhalt.isEmpty() && (info.valid & ZIP_STAT_SIZE))
            inhalt.reserve(static_cast<qsizetype>(info.size));
        inhalt.append(puffer, static_cast<qsizetype>(gelesen));
    }
    zip_fclose(datei);
    return inhalt;
}
