// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/Scheineingabe.h"

#include "entry/Tabellenformate.h"

#include <algorithm>

int BelegteZeilen(const TextTabelle &tabelle)
{
    int zeilen = 0;
    while (zeilen + 1 < tabelle.zeilen() && !tabelle.zelle(1, zeilen + 1).isEmpty())
        ++zeilen;
    return zeilen;
}

QString ZahlenknopfText(const QString &letzteZeile, int zahl)
{
    QString vorweg;
    QString zeile = letzteZeile;
    if (!zeile.isEmpty() && !zeile.endsWith(QLatin1Char(','))) {
        vorweg = FelderZerlegen(zeile).size() >= ZahlenProReihe ? QStringLiteral("\n") : QStringLiteral(",");
        zeile = vorweg == QStringLiteral("\n") ? QString() : zeile + vorweg;
    }
    const bool fuenfte = FelderZerlegen(zeile).size() == ZahlenProReihe;
    return vorweg + QString::number(zahl) + (fuenfte ? QStringLiteral("\n") : QStringLiteral(","));
}

void ReihenEintragen(TextTabelle &tabelle, const QVector<GepruefteReihe> &reihen, bool ueberschreiben)
{
    const int versatz = ueberschreiben ? 0 : BelegteZeilen(tabelle);
    const int zeilen = versatz + static_cast<int>(reihen.size()) + 1;
    if (tabelle.zeilen() < zeilen)
        tabelle.setzeZeilen(zeilen);
    for (int k = 0; k < reihen.size(); ++k) {
        const int zeile = versatz + k + 1;
        std::array<int, ZahlenProReihe> zahlen{};
        std::copy_n(reihen[k].begin(), ZahlenProReihe, zahlen.begin());
        std::sort(zahlen.begin(), zahlen.end());
        tabelle.setzeZelle(0, zeile, QString::number(zeile));
        for (int p = 0; p < ZahlenProReihe; ++p)
            tabelle.setzeZelle(p + 1, zeile, QString::number(zahlen[static_cast<std::size_t>(p)]));
        tabelle.setzeZelle(6, zeile, QString::number(reihen[k][5]));
    }
    tabelle.setzeZeilen(zeilen);
}

void ZusatzzahlenErgaenzen(QStringList &zeilen, const std::function<QString()> &zusatzzahl)
{
    for (QString &z : zeilen)
        if (ZeichenAnzahl(QLatin1Char(','), z) == 4)
            z += QLatin1Char(',') + zusatzzahl();
}

QString FixeZusatzzahlPruefen(const QString &text)
{
    if (text.isEmpty())
        return MeldungZusatzzahlFehlt;
    const std::optional<int> wert = GanzeZahlLesen(text);
    if (!wert || !istZusatzzahl(*wert))
        return MeldungZusatzzahlUngueltig;
    return QString();
}

QStringList TabelleAlsTextzeilen(const TextTabelle &tabelle)
{
    QStringList zeilen;
    zeilen.reserve(std::max(tabelle.zeilen() - 1, 0));
    for (int z = 1; z < tabelle.zeilen(); ++z) {
        QStringList zellen;
        for (int s = 1; s < tabelle.spalten(); ++s)
            zellen << CSVFeld(tabelle.zelle(s, z));
        zeilen << zellen.join(QLatin1Char(','));
    }
    return zeilen;
}
