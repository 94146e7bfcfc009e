// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Tippscheindatei.h"

#include "model/Dateien.h"
#include "model/Eigendateien.h"
#include "model/Records.h"

#include <QVector>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>

namespace {

// A whole decimal number in 0..hoechstens; nullopt for anything else.
std::optional<qint64> ganzeZahl(const QString &text, qint64 hoechstens)
{
    bool ok = false;
    const qint64 wert = text.trimmed().toLongLong(&ok, 10);
    if (!ok || wert < 0 || wert > hoechstens)
        return std::nullopt;
    return wert;
}

QString spaltenname(int spalte)
{
    return spalte == 6 ? QStringLiteral("ZZ") : QStringLiteral("Z%1").arg(spalte);
}

QString abbruch(const QString &text)
{
    return text + Absatz + QStringLiteral("Der Speichervorgang wird abgebrochen.");
}

QString zellenfehler(const QString &text, int zeile, int spalte)
{
    bool istZahl = false;
    text.trimmed().toLongLong(&istZahl, 10);
    const QString wo = QStringLiteral("Der Eintrag \u201E%1\u201C in Reihe %2, Spalte %3")
                           .arg(text.trimmed())
                           .arg(zeile)
                           .arg(spaltenname(spalte));
    if (!istZahl)
        return abbruch(wo + QStringLiteral(" ist keine ganze Zahl."));
    return abbruch(wo + QStringLiteral(" liegt au\u00DFerhalb des Bereichs von 0 bis 255."));
}

QString anteilsfehler(const QString &welche, const QString &text)
{
    // Text that is no whole number at all is named as the field holds it.
    bool istZahl = false;
    text.trimmed().toLongLong(&istZahl, 10);
    if (!istZahl)
        return QStringLiteral("'%1' ist kein g\u00FCltiger Integerwert").arg(text);
    return abbruch(QStringLiteral("Die Anzahl der %1 Anteile \u201E%2\u201C ist keine ganze Zahl von 0 bis 65535.")
                       .arg(welche, text.trimmed()));
}

} // namespace

QString ScheinEinlesen(TextTabelle &tabelle, QString &antGes, QString &antMeine, const QString &pfad,
                       const Textmesser &textbreite)
{
    const Dateiinhalt gelesen = DateiLesen(pfad);
    if (gelesen.status == Dateiinhalt::Status::Fehlt)
        return DateiFehlerText(pfad, SystemfehlerText(ENOENT), false);
    // Nothing was read: grid and share texts stay as they were.
    if (gelesen.status == Dateiinhalt::Status::Fehler && gelesen.daten.isEmpty())
        return DateiFehlerText(pfad, gelesen.fehler, false);

    // A trailing piece shorter than a record is never read; after an error the whole rows
    // read until then are shown. Rows go from the bytes straight into the grid: a ticket of the
    // largest size has 1.6 million of them.
    const qsizetype anzahl = gelesen.daten.size() / TNormalSchein::Groesse;
    const auto datensatz = [&gelesen](qsizetype k) {
        return TNormalSchein::ausBytes(gelesen.daten.constData() + k * TNormalSchein::Groesse);
    };
    const QString fehler = gelesen.fehler.isEmpty() ? QString() : DateiFehlerText(pfad, gelesen.fehler, false);

    if (anzahl > 0) {
        const TNormalSchein erste = datensatz(0);
        // Zero total shares would make every share a division by zero: the ticket counts as unshared.
        antGes = QString::number(erste.AntGes == 0 ? 1 : erste.AntGes);
        antMeine = QString::number(erste.Antmeine);
    }

    if (tabelle.spalten() < TippreihenSpalten)
        tabelle.setzeSpalten(TippreihenSpalten);
    tabelle.setzeZeilen(static_cast<int>(anzahl) + 1);
    const int breite = tabelle.spaltenbreite(0);
    // Centring measures the blank once per row number; it is measured once for all of them.
    const int leerbreite = textbreite(QStringLiteral(" "));
    const Textmesser messer = [&textbreite, leerbreite](const QString &t) {
        return t == QLatin1String(" ") ? leerbreite : textbreite(t);
    };
    for (int k = 1; k <= anzahl; ++k) {
        const TNormalSchein r = datensatz(k - 1);
        tabelle.setzeZelle(0, k, Zentrieren(QString::number(k), breite, messer));
        for (int c = 1; c <= 6; ++c)
            tabelle.setzeZelle(c, k, QString::number(r.WZ[static_cast<std::size_t>(c - 1)]));
    }
    return fehler;
}

std::optional<int> AnteilAusText(const QString &text)
{
    if (text.trimmed().isEmpty())
        return 1;
    const std::optional<qint64> wert = ganzeZahl(text, std::numeric_limits<std::uint16_t>::max());
    if (!wert)
        return std::nullopt;
    return static_cast<int>(*wert);
}

bool ScheinLeer(const TextTabelle &tabelle)
{
    return tabelle.zelle(1, 1).trimmed().isEmpty();
}

Scheindaten ScheinZuBytes(const TextTabelle &tabelle, const QString &antGes, const QString &antMeine)
{
    Scheindaten ergebnis;
    if (ScheinLeer(tabelle)) {
        ergebnis.fehler = MeldungTabelleLeer;
        return ergebnis;
    }
    const std::optional<int> gesamt = AnteilAusText(antGes);
    if (!gesamt) {
        ergebnis.fehler = anteilsfehler(QStringLiteral("gesamten"), antGes);
        return ergebnis;
    }
    const std::optional<int> meine = AnteilAusText(antMeine);
    if (!meine) {
        ergebnis.fehler = anteilsfehler(QStringLiteral("eigenen"), antMeine);
        return ergebnis;
    }
    if (*gesamt < *meine) {
        ergebnis.fehler = MeldungAnteileZuNiedrig;
        return ergebnis;
    }

    // Every cell is checked before anything is written: a bad cell in the last row must not
    // leave half a ticket behind.
    TNormalSchein schein;
    schein.AntGes = static_cast<std::uint16_t>(*gesamt);
    schein.Antmeine = static_cast<std::uint16_t>(*meine);
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(std::max(tabelle.zeilen() - 1, 0)) * TNormalSchein::Groesse);
    for (int zeile = 1; zeile < tabelle.zeilen(); ++zeile) {
        for (int spalte = 1; spalte <= 6; ++spalte) {
            const QString text = tabelle.zelle(spalte, zeile);
            const std::optional<qint64> wert = ganzeZahl(text, std::numeric_limits<std::uint8_t>::max());
            if (!wert) {
                ergebnis.fehler = zellenfehler(text, zeile, spalte);
                return ergebnis;
            }
            schein.WZ[static_cast<std::size_t>(spalte - 1)] = static_cast<std::uint8_t>(*wert);
        }
        bytes += schein.alsBytes();
    }
    ergebnis.bytes = bytes;
    return ergebnis;
}

QString ScheinDateiSchreiben(const TextTabelle &tabelle, const QString &antGes, const QString &antMeine,
                             const QString &pfad)
{
    if (QString eigene = Eigendateien::pruefen(pfad); !eigene.isEmpty())
        return eigene;
    const Scheindaten daten = ScheinZuBytes(tabelle, antGes, antMeine);
    if (!daten.fehler.isEmpty())
        return daten.fehler;
    const QString fehler = DateiErsetzen(pfad, daten.bytes);
    return fehler.isEmpty() ? QString() : DateiFehlerText(pfad, fehler, true);
}
