// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Starteinstellungen.h"

#include "model/Einstellungen.h"

#include <QHash>
#include <QList>

#include <algorithm>

Preiswahl PreisAuswerten(const QString &text, const QLocale &locale)
{
    Preiswahl wahl;
    bool ok = false;
    const double preis = locale.toDouble(text.trimmed(), &ok);
    if (ok && preis == 200.0)
        wahl.neuerText = locale.toString(2.0, 'f', 2);
    else if (ok && preis > 0.0 && preis < 1.0e6)
        wahl.reihenpreis = static_cast<float>(preis);
    return wahl;
}

GemerkteScheine GemerkteDateien(const Einstellungen &einstellungen)
{
    // One read of the section; as for single reads, the first of two equal keys counts.
    QHash<int, QString> dateien;
    bool anzahlGelesen = false;
    GemerkteScheine gemerkt;
    const QLatin1String datei("Datei");
    for (const auto &[schluessel, wert] : einstellungen.LeseAbschnitt(QStringLiteral("Spielscheine"))) {
        if (schluessel.compare(QLatin1String("Dateienanzahl"), Qt::CaseInsensitive) == 0) {
            if (!anzahlGelesen)
                gemerkt.anzahl = wert.toInt();
            anzahlGelesen = true;
            continue;
        }
        if (!schluessel.startsWith(datei, Qt::CaseInsensitive))
            continue;
        // Only the key a single read of "Datei<n>" would find: no sign, no leading zero.
        const QString ziffern = schluessel.mid(datei.size());
        bool ok = false;
        const int nummer = ziffern.toInt(&ok);
        if (ok && nummer > 0 && QString::number(nummer) == ziffern && !dateien.contains(nummer))
            dateien.insert(nummer, wert);
    }
    // By the numbers there are, not by counting up to Dateienanzahl, which may be any int.
    QList<int> nummern;
    for (auto it = dateien.cbegin(); it != dateien.cend(); ++it)
        if (it.key() <= gemerkt.anzahl && !it.value().isEmpty())
            nummern << it.key();
    std::sort(nummern.begin(), nummern.end());
    for (const int nummer : std::as_const(nummern)) {
        if (gemerkt.pfade.size() < MaxGemerkteDateien)
            gemerkt.pfade << dateien.value(nummer);
        else
            ++gemerkt.ausgelassen;
    }
    return gemerkt;
}

QString AusgelasseneDateienText(const GemerkteScheine &gemerkt)
{
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    return QStringLiteral("Zum Programmstart sind %1 Tippschein-Dateien gemerkt. Eingelesen werden nur die ersten "
                          "%2; die übrigen %3 bleiben unbeachtet.")
        .arg(deutsch.toString(gemerkt.pfade.size() + gemerkt.ausgelassen), deutsch.toString(MaxGemerkteDateien),
             deutsch.toString(gemerkt.ausgelassen));
}

bool DateienMerken(Einstellungen &einstellungen, const QStringList &dateien)
{
    const qsizetype anzahl = std::min<qsizetype>(dateien.size(), MaxGemerkteDateien);
    QList<std::pair<QString, QString>> eintraege{{QStringLiteral("Dateienanzahl"), QString::number(anzahl)}};
    for (qsizetype i = 0; i < anzahl; ++i)
        eintraege.append({QStringLiteral("Datei%1").arg(i + 1), dateien[i]});
    return einstellungen.ErsetzeAbschnitt(QStringLiteral("Spielscheine"), eintraege);
}
