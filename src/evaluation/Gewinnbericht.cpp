// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation/Gewinnbericht.h"

#include "model/Dateien.h"
#include "model/Datum.h"
#include "model/Spiel.h"

#include <QSharedPointer>

#include <cmath>

namespace {
constexpr Betrag Cent = BetragProEuro / 100;

QString anteilsbereich(int von, int bis)
{
    return von == bis ? QStringLiteral("Anteil %1:").arg(von) : QStringLiteral("Anteil %1 bis %2:").arg(von).arg(bis);
}

Berichtstabelle gewinntabelle(const QSharedPointer<const Auswertungsergebnis> &e, const QLocale &locale)
{
    // Only the winning rows, each with its date: a page may begin in the middle of a draw.
    auto gewinnzeilen = QSharedPointer<std::vector<std::int32_t>>::create();
    for (std::size_t i = 0; i < e->zeilen.size(); ++i)
        if (e->zeilen[i].klasse != 0)
            gewinnzeilen->push_back(static_cast<std::int32_t>(i));

    Berichtstabelle t;
    t.kopf = {QStringLiteral("Datum"),    QStringLiteral("Klasse"), QStringLiteral("Richtige"),
              QStringLiteral("in Reihe"), QStringLiteral("Gewinn"), QStringLiteral("je Anteil")};
    const QString betrag = BetragZuText(Gewinnklassen[0].Gewinn, locale);
    t.muster = {Datum::kurz(QDate(2000, 12, 28), locale),
                QStringLiteral("10"),
                QStringLiteral("5 + ZZ"),
                QString::number(MaxDatendateiGroesse / TNormalSchein::Groesse),
                betrag,
                betrag};
    t.rechtsbuendig = {false, true, false, true, true, true};
    t.zeilen = static_cast<int>(gewinnzeilen->size());
    // What one share of the ticket gets of a win, per class.
    auto jeAnteil = QSharedPointer<QStringList>::create();
    for (const Gewinnklasse &k : Gewinnklassen)
        *jeAnteil << BetragZuText(MeinAnteil(e->antGes, 1, k.Gewinn), locale);
    t.zelle = [e, gewinnzeilen, jeAnteil](int zeile, int spalte) {
        const int index = (*gewinnzeilen)[static_cast<std::size_t>(zeile)];
        const Ergebniszeile &z = e->zeilen[static_cast<std::size_t>(index)];
        switch (spalte) {
        case 0:
            return e->ziehungen[z.ziehung].SDatum;
        case 1:
            return QString::number(z.klasse);
        case 5:
            return jeAnteil->at(z.klasse - 1);
        default:
            // "Richtige", "in Reihe" and "Gewinn" as the result list has them.
            return Ergebnistext(*e, index, spalte - 1);
        }
    };
    return t;
}

Berichtstabelle klassentabelle(const Auswertungsergebnis &e, const QLocale &locale)
{
    auto zellen = QSharedPointer<QVector<QStringList>>::create();
    std::int64_t anzahl = 0;
    for (std::size_t k = 0; k < Gewinnklassen.size(); ++k) {
        const std::int64_t n = e.klassenAnzahl[k];
        anzahl += n;
        *zellen << QStringList{QString::number(k + 1), Gewinnklassen[k].Bezeichnung,
                               BetragZuText(Gewinnklassen[k].Gewinn, locale), KlassenanzahlText(n),
                               n == 0 ? QStringLiteral("-") : BetragZuText(n * Gewinnklassen[k].Gewinn, locale)};
    }
    *zellen << QStringList{QStringLiteral("Gesamt"), QString(), QString(), QString::number(anzahl),
                           BetragZuText(e.gesamt, locale)};
    Berichtstabelle t;
    t.kopf = {QStringLiteral("Klasse"), QStringLiteral("Richtige"), QStringLiteral("Betrag"), QStringLiteral("Anzahl"),
              QStringLiteral("Summe")};
    t.muster = {QStringLiteral("Gesamt"), QStringLiteral("5 + ZZ"), BetragZuText(Gewinnklassen[0].Gewinn, locale),
                QStringLiteral("9999999"), BetragZuText(e.gesamt + Gewinnklassen[0].Gewinn, locale)};
    t.rechtsbuendig = {true, false, true, true, true};
    t.zeilen = static_cast<int>(zellen->size());
    t.zelle = [zellen](int zeile, int spalte) { return zellen->at(zeile).at(spalte); };
    return t;
}
} // namespace

Anteilsaufteilung AnteileAufteilen(Betrag gesamt, int antGes)
{
    const std::int64_t anteile = std::max(antGes, 1);
    const std::int64_t cent = std::max<Betrag>(gesamt, 0) / Cent;
    return {cent / anteile * Cent, static_cast<int>(cent % anteile)};
}

Gewinnbericht GewinnberichtErstellen(const Auswertungsergebnis &ergebnis, const QString &schein, const QDate &heute,
                                     const QLocale &locale)
{
    const auto e = QSharedPointer<const Auswertungsergebnis>::create(ergebnis);
    const auto geld = [&](Betrag b) { return BetragZuWaehrung(b, locale); };
    const QString heuteText = Datum::kurz(heute, locale);

    Gewinnbericht b;
    b.titel = QStringLiteral("Gewinnbericht");
    b.fusszeile =
        Programmname + QLatin1Char(' ') + Programmversion + QStringLiteral(" \u2013 Bericht vom ") + heuteText;

    const qsizetype ziehungen = e->ziehungen.size();
    const std::int64_t reihen = ziehungen > 0 ? e->paare / ziehungen : 0;
    QString zeitraum;
    if (ziehungen > 0) {
        zeitraum = e->ziehungen.constFirst().SDatum;
        if (ziehungen > 1)
            zeitraum += QStringLiteral(" bis ") + e->ziehungen.constLast().SDatum;
    }
    const Betrag reihenpreis = std::llround(static_cast<double>(e->reihenpreis) * BetragProEuro);

    Berichtsabschnitt kopf;
    kopf.angaben = {
        {QStringLiteral("Tippschein:"), schein},
        {QStringLiteral("Zeitraum:"), zeitraum},
        {QStringLiteral("Ziehungen:"), locale.toString(static_cast<qlonglong>(ziehungen))},
        {QStringLiteral("Tippreihen:"), locale.toString(static_cast<qlonglong>(reihen))},
        {QStringLiteral("Einsatz:"),
         geld(e->paare * reihenpreis) + QStringLiteral(" (%1 \u00D7 %2)")
                                            .arg(locale.toString(static_cast<qlonglong>(e->paare)), geld(reihenpreis))},
        {QStringLiteral("Bericht erstellt am:"), heuteText}};
    b.abschnitte << kopf;

    Berichtsabschnitt gewinne;
    gewinne.ueberschrift = QStringLiteral("Gewinne");
    gewinne.tabelle = gewinntabelle(e, locale);
    if (gewinne.tabelle.zeilen == 0)
        gewinne.hinweis = QStringLiteral("Im Zeitraum hat keine Tippreihe gewonnen.");
    b.abschnitte << gewinne;

    Berichtsabschnitt klassen;
    klassen.ueberschrift = QStringLiteral("Gewinnklassen");
    klassen.tabelle = klassentabelle(*e, locale);
    b.abschnitte << klassen;

    Berichtsabschnitt summen;
    summen.ueberschrift = QStringLiteral("Ergebnis");
    const Kennzahltexte texte = KennzahlenTexte(*e, locale);
    summen.angaben = {
        {QStringLiteral("Gesamtgewinn:"), texte.gesamt},
        {QStringLiteral("Höchstgewinn:"),
         e->hoechster > 0 ? texte.hoechster + QStringLiteral(" am ") + texte.hoechsterDatum : QStringLiteral("-")},
        {QStringLiteral("Rücklaufquote:"), texte.ruecklauf},
        {QStringLiteral("erwartete Rücklaufquote:"), texte.erwarteterRuecklauf}};
    b.abschnitte << summen;

    Berichtsabschnitt aufteilung;
    aufteilung.ueberschrift = QStringLiteral("Aufteilung auf die Anteile");
    const Anteilsaufteilung teile = AnteileAufteilen(e->gesamt, e->antGes);
    aufteilung.angaben << qMakePair(QStringLiteral("Spielschein-Anteile:"), locale.toString(e->antGes))
                       << qMakePair(QStringLiteral("Gewinn je Anteil:"), geld(teile.jeAnteil));
    if (teile.mitRestcent > 0)
        aufteilung.angaben << qMakePair(anteilsbereich(1, teile.mitRestcent),
                                        QStringLiteral("je ") + geld(teile.jeAnteil + Cent));
    if (teile.mitRestcent < e->antGes)
        aufteilung.angaben << qMakePair(anteilsbereich(teile.mitRestcent + 1, e->antGes),
                                        QStringLiteral("je ") + geld(teile.jeAnteil));
    aufteilung.angaben << qMakePair(QStringLiteral("Ihr Anteil (%1 von %2):").arg(e->antMeine).arg(e->antGes),
                                    texte.gesamtAnteil);
    const QString rest =
        teile.mitRestcent == 1
            ? QStringLiteral("der übrige Cent geht an den ersten Anteil")
            : QStringLiteral("die übrigen %1 Cent gehen je einer an die ersten %1 Anteile").arg(teile.mitRestcent);
    if (teile.mitRestcent > 0)
        aufteilung.hinweis = QStringLiteral("Der Gesamtgewinn lässt sich nicht in gleiche Cent-Beträge teilen: ") +
                             rest + QStringLiteral(". So ergeben alle Anteile zusammen genau den Gesamtgewinn.");
    b.abschnitte << aufteilung;
    return b;
}
