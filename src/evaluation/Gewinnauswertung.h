// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Betrag.h"
#include "model/Records.h"
#include "model/Spiel.h"
#include "model/Textzellen.h"
#include "model/Zustand.h"

#include <QLocale>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// One tip row of a ticket as the evaluation sees it. A number outside 1..49 or a Zusatzzahl
// outside 1..10 is held as 0, "no number": it never hits and never matches.
struct Tippreihe
{
    std::array<std::uint8_t, 5> zahlen{};
    std::uint8_t zusatzzahl = 0;
};

// The rows 1..last of a tip-row grid, columns 1..5 the numbers and 6 the Zusatzzahl. A cell that
// is not a whole number in range counts as no number.
QVector<Tippreihe> TippreihenAusTabelle(const TextTabelle &tabelle);

// The rows and shares of a ticket file read straight from its records, as ScheinEinlesen and
// TippreihenAusTabelle give them together, without a grid of texts in between: a ticket of the
// largest size (1.6 million rows) costs a few tens of megabytes instead of hundreds.
struct Scheinreihen
{
    QVector<Tippreihe> reihen;
    int antGes = 1; // from the first record, 0 read as 1; both stay 1 for an empty file
    int antMeine = 1;
    QString fehler; // ScheinEinlesen's message when the file could not be read whole
};
Scheinreihen TippreihenLesen(const QString &pfad);

// The user's share of an amount, truncated to whole cents: floor(cents * meine / gesamt), returned
// again in ten-thousandths. Total shares below 1 count as 1 (a ticket played alone); own shares
// are held to 0..total, so a share never exceeds the amount. Negative amounts give 0.
Betrag MeinAnteil(int antGes, int antMeine, Betrag betrag);

enum class Auswertungsstatus {
    Ok,
    Zeitraum,    // range wanted and the end draw lies before the start draw
    KeinZeitraum // no draw to evaluate: empty history or an index outside it
};

inline const QString MeldungZeitraum =
    QStringLiteral("Bitte kontrollieren Sie die Angaben f\u00FCr den Zeitraum der Gewinnauswertung") + Absatz +
    QStringLiteral("Ich breche erst einmal ab.");
inline const QString MeldungKeineZiehungen =
    QStringLiteral("Es sind keine Ziehungen vorhanden, die ausgewertet werden k\u00F6nnten.") + Absatz +
    QStringLiteral("Ich breche erst einmal ab.");
inline const QString MeldungZiehungFehlt =
    QStringLiteral("Die gew\u00E4hlte Ziehung ist in der Liste der Ziehungen nicht vorhanden. "
                   "Bitte w\u00E4hlen Sie den Zeitraum neu aus.") +
    Absatz + QStringLiteral("Ich breche erst einmal ab.");

// One row of the result list, kept small: a 1,000-row ticket over ten years gives half a million.
struct Ergebniszeile
{
    std::int32_t ziehung = 0; // index into Auswertungsergebnis::ziehungen
    std::int32_t reihe = 0;   // 1-based position of the tip row; 0 in a draw's "---" row
    std::uint8_t klasse = 0;  // prize class 1..10; 0 for the "---" row of a draw without a win
    bool blockanfang = false; // first row of its draw's block: shows the date
};

// The five columns of the result list with their widths in pixels.
inline constexpr int ErgebnisSpalten = 5;
inline const std::array<QString, ErgebnisSpalten> ErgebnisKopf{QStringLiteral("Datum"), QStringLiteral("Richtige"),
                                                               QStringLiteral("in Reihe"), QStringLiteral("Gewinn"),
                                                               QStringLiteral("Anteil")};
inline constexpr std::array<int, ErgebnisSpalten> ErgebnisBreiten{63, 52, 52, 66, 66};

struct Auswertungsergebnis
{
    Auswertungsstatus status = Auswertungsstatus::Ok;
    QString meldung; // the information text when status is not Ok; nothing else is filled then

    // The evaluated draws, in evaluation order. The result keeps its own copy: AuswZiehungen is
    // replaced by the next evaluation of any tab, and this tab's list must keep its dates.
    QVector<TGewAusw> ziehungen;
    std::vector<Ergebniszeile> zeilen;

    std::array<std::int64_t, AnzahlGewinnklassen> klassenAnzahl{}; // index 0 is class 1
    std::int64_t paare = 0;
    Betrag gesamt = 0;
    Betrag gesamtAnteil = 0;
    Betrag ruecklauf = 0; // percent with four implied decimals; 0 when there was no pair
    // What the same rows would win on average over as many draws, by the odds of the classes:
    // the expected total in ten-thousandths and its return rate, like `ruecklauf`.
    double erwartet = 0.0;
    Betrag erwarteterRuecklauf = 0;
    Betrag hoechster = 0;
    QString hoechsterDatum;    // empty when nothing was won
    int hoechsterPosition = 0; // 1-based result row of the highest win, 0 when nothing was won
    int hoechsterZiehung = -1; // index into `ziehungen` of the highest win, -1 when nothing was won
    int hoechsterReihe = 0;    // 1-based tip row of the highest win, 0 when nothing was won

    int antGes = 1; // the shares as used for the share column
    int antMeine = 1;
    float reihenpreis = 0.0F; // euros per row and draw at the time of the evaluation
    // Amount and share texts per class, made once in the locale of the evaluation.
    std::array<QString, AnzahlGewinnklassen> gewinnTexte;
    std::array<QString, AnzahlGewinnklassen> anteilTexte;
};

// Evaluates the rows against Ziehungen[startIndex..endIndex] (only endIndex when `zeitraum` is
// clear) and replaces zustand.AuswZiehungen with the evaluated draws. Reads Ziehungen, Reihenpreis
// and Formateinstellungen. When the status is not Ok, nothing in `zustand` changes and the result
// carries only the status and its message, to be shown as an information box.
Auswertungsergebnis GewinnAuswertung(Zustand &zustand, const QVector<Tippreihe> &reihen, int antGes, int antMeine,
                                     int endIndex, int startIndex, bool zeitraum);

// Takes the result list of an evaluation draw by draw, so that a consumer may write it out as it
// comes instead of keeping it: a 1,000-row ticket over 100,000 draws gives 43 million result rows.
class Ergebnisempfaenger
{
public:
    virtual ~Ergebnisempfaenger() = default;
    // Before the first block: the result with its draws, shares, price and class texts (its totals
    // are not counted yet), and how many result rows the blocks will bring.
    virtual void anfang(const Auswertungsergebnis &ergebnis, std::size_t zeilen) = 0;
    // One draw's block of result rows as the result list has them: the winning rows in ticket
    // order, the first marked as the block's start, or the single "---" row of a draw without a
    // win. The rows are only valid during the call.
    virtual void block(const Auswertungsergebnis &ergebnis, std::span<const Ergebniszeile> zeilen) = 0;
};

// GewinnAuswertung that keeps no result list: each draw's block goes to `empfaenger` as soon as it
// is counted, and the result returned holds everything but `zeilen`. When the status is not Ok,
// `empfaenger` is never called.
Auswertungsergebnis GewinnAuswertungBlockweise(Zustand &zustand, const QVector<Tippreihe> &reihen, int antGes,
                                               int antMeine, int endIndex, int startIndex, bool zeitraum,
                                               Ergebnisempfaenger &empfaenger);

// Text of a cell of the result list (column 0..4: "Datum", "Richtige", "in Reihe", "Gewinn",
// "Anteil"); empty outside the list. Cheap enough for a table model's data().
QString Ergebnistext(const Auswertungsergebnis &ergebnis, int zeile, int spalte);

// "-" for no win in a class, else the count.
QString KlassenanzahlText(std::int64_t anzahl);
// "50,00 %": two decimals without thousands separators, rounded half away from zero.
QString RuecklaufText(Betrag ruecklauf, const QLocale &locale);

// Every label text of an evaluation in one go.
struct Kennzahltexte
{
    QString gesamt;         // currency, e.g. "6,00 €"
    QString gesamtAnteil;   // currency
    QString ruecklauf;      // "50,00 %"
    QString erwarteterRuecklauf;
    QString hoechster;      // currency
    QString hoechsterDatum; // the draw's date as listed
    std::array<QString, AnzahlGewinnklassen> klassenAnzahl;
};
Kennzahltexte KennzahlenTexte(const Auswertungsergebnis &ergebnis, const QLocale &locale);
