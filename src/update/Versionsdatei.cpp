// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/Versionsdatei.h"

#include <QList>
#include <QRegularExpression>
#include <QStringView>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>

std::optional<QString> VersionLesen(const QByteArray &daten)
{
    const qsizetype anzahl = daten.size() / VersionsdatensatzGroesse;
    if (anzahl == 0)
        return std::nullopt;
    const QByteArray satz = daten.mid((anzahl - 1) * VersionsdatensatzGroesse, VersionsdatensatzGroesse);
    const int laenge = static_cast<unsigned char>(satz[8]);
    if (laenge > MaxVersionslaenge)
        return std::nullopt;
    // Digits and dots only, so the text is the same in any code page. A single number is no
    // version of this program ("404" from a server's error page).
    const QString text = QString::fromLatin1(satz.mid(9, laenge));
    static const QRegularExpression muster(QStringLiteral("^[0-9]+(\\.[0-9]+)+$"));
    if (!muster.match(text).hasMatch())
        return std::nullopt;
    return text;
}

namespace {
// A part without its leading zeros, so that numbers of any length compare as text.
QStringView ohneNullen(QStringView teil)
{
    while (teil.size() > 1 && teil.front() == QLatin1Char('0'))
        teil = teil.mid(1);
    return teil;
}
} // namespace

int VersionVergleichen(const QString &a, const QString &b)
{
    const QList<QStringView> ta = QStringView(a).split(QLatin1Char('.'));
    const QList<QStringView> tb = QStringView(b).split(QLatin1Char('.'));
    const QStringView null(u"0");
    for (qsizetype i = 0; i < std::max(ta.size(), tb.size()); ++i) {
        const QStringView x = ohneNullen(i < ta.size() ? ta[i] : null);
        const QStringView y = ohneNullen(i < tb.size() ? tb[i] : null);
        if (x.size() != y.size())
            return x.size() < y.size() ? -1 : 1;
        if (const int v = x.compare(y); v != 0)
            return v < 0 ? -1 : 1;
    }
    return 0;
}

std::optional<Updateangaben> UpdateangabenLesen(const QByteArray &daten)
{
    if (daten.size() != UpdateangabenGroesse || !daten.startsWith(UpdateangabenKennung))
        return std::nullopt;
    const auto *p = reinterpret_cast<const uchar *>(daten.constData());
    const quint64 groesse = qFromLittleEndian<quint64>(p + 8);
    if (groesse == 0 || groesse > quint64(std::numeric_limits<qint64>::max()))
        return std::nullopt;
    const QByteArray null16(16, '\0');
    if (daten.mid(16, 8) != null16.left(8) || daten.mid(56, 16) != null16)
        return std::nullopt;
    const std::optional<QString> version = VersionLesen(daten);
    if (!version)
        return std::nullopt;
    return Updateangaben{*version, static_cast<qint64>(groesse), daten.mid(24, 32)};
}

QByteArray UpdateangabenSchreiben(const Updateangaben &angaben)
{
    QByteArray daten(UpdateangabenGroesse, '\0');
    std::memcpy(daten.data(), UpdateangabenKennung, 8);
    qToLittleEndian<quint64>(static_cast<quint64>(angaben.groesse), daten.data() + 8);
    std::memcpy(daten.data() + 24, angaben.sha256.constData(), std::min<qsizetype>(32, angaben.sha256.size()));
    const QByteArray text = angaben.version.toLatin1().left(MaxVersionslaenge);
    daten[72 + 8] = static_cast<char>(text.size());
    std::memcpy(daten.data() + 72 + 9, text.constData(), static_cast<size_t>(text.size()));
    return daten;
}
