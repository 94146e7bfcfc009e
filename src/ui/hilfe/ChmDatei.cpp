// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/hilfe/ChmDatei.h"

#include <QFile>
#include <QFileInfo>

#include <chm_lib.h>

namespace {
// No page of the help file comes near this; a larger length comes from a damaged directory.
constexpr LONGUINT64 GroessteDatei = 16 * 1024 * 1024;

quint64 zahl64(const QByteArray &daten, qsizetype stelle)
{
    quint64 wert = 0;
    for (int i = 7; i >= 0; --i)
        wert = (wert << 8) | static_cast<quint8>(daten.at(stelle + i));
    return wert;
}

// chmlib does not notice a file cut short: it hands out the missing parts from whatever its
// buffers hold. The header section 0 records the size the compiler wrote, so a shorter file
// is known to be damaged before chmlib reads it.
bool vollstaendig(const QString &pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    const QByteArray kopf = datei.read(0x60);
    if (kopf.size() < 0x60 || !kopf.startsWith("ITSF"))
        return false;
    const quint64 abschnitt = zahl64(kopf, 0x38);
    if (abschnitt > static_cast<quint64>(datei.size()) || !datei.seek(static_cast<qint64>(abschnitt)))
        return false;
    const QByteArray abschnitt0 = datei.read(16);
    if (abschnitt0.size() < 16 || !abschnitt0.startsWith(QByteArrayLiteral("\xFE\x01\x00\x00")))
        return false;
    return zahl64(abschnitt0, 8) <= static_cast<quint64>(datei.size());
}

int sammle(chmFile *, chmUnitInfo *info, void *kontext)
{
    const QString pfad = QString::fromUtf8(info->path);
    // Entries of the compiler start with "#" or "$" below the root, or with "::".
    if (pfad.startsWith(QLatin1Char('/')) && !pfad.endsWith(QLatin1Char('/')) &&
        !pfad.startsWith(QLatin1String("/#")) && !pfad.startsWith(QLatin1String("/$")))
        static_cast<QStringList *>(kontext)->append(pfad);
    return CHM_ENUMERATOR_CONTINUE;
}
} // namespace

void ChmDatei::Schliesser::operator()(chmFile *datei) const
{
    chm_close(datei);
}

bool ChmDatei::oeffnen(const QString &pfad)
{
    m_datei.reset();
    // chmlib would happily open a folder or a device; only a plain file can be a help file.
    if (!QFileInfo(pfad).isFile() || !vollstaendig(pfad))
        return false;
    m_datei.reset(chm_open(QFile::encodeName(pfad).constData()));
    return offen();
}

void ChmDatei::schliessen()
{
    m_datei.reset();
}

bool ChmDatei::enthaelt(const QString &pfad) const
{
    if (!offen())
        return false;
    chmUnitInfo info{};
    return chm_resolve_object(m_datei.get(), pfad.toUtf8().constData(), &info) == CHM_RESOLVE_SUCCESS;
}

std::optional<QByteArray> ChmDatei::lesen(const QString &pfad) const
{
    if (!offen())
        return std::nullopt;
    chmUnitInfo info{};
    if (chm_resolve_object(m_datei.get(), pfad.toUtf8().constData(), &info) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (info.length > GroessteDatei)
        return std::nullopt;
    // chmlib reports success for parts cut off a truncated file without filling them.
    QByteArray daten(static_cast<qsizetype>(info.length), '\0');
    if (info.length == 0)
        return daten;
    const LONGINT64 gelesen = chm_retrieve_object(m_datei.get(), &info, reinterpret_cast<unsigned char *>(daten.data()),
                                                  0, static_cast<LONGINT64>(info.length));
    if (gelesen != static_cast<LONGINT64>(info.length))
        return std::nullopt;
    return daten;
}

QStringList ChmDatei::dateien() const
{
    QStringList liste;
    if (offen())
        chm_enumerate(m_datei.get(), CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, sammle, &liste);
    return liste;
}
