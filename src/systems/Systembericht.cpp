// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systems/Systembericht.h"

#include "model/Datum.h"
#include "model/Spiel.h"

#include <QStringList>

#include <memory>

Gewinnbericht SystemberichtErstellen(const Systemergebnis &s, float reihenpreis, const QDate &heute,
                                     const QLocale &locale)
{
    Gewinnbericht b;
    const int n = static_cast<int>(s.zahlen.size());
    b.titel = s.garantie ? QStringLiteral("Kurzsystem %1 mit %2 Zahlen").arg(GarantieKurz(*s.garantie)).arg(n)
                         : QStringLiteral("Vollsystem mit %1 Zahlen").arg(n);
    b.fusszeile = Programmname + QLatin1Char(' ') + Programmversion + QStringLiteral(" \u2013 Bericht vom ") +
                  Datum::kurz(heute, locale);

    QStringList zahlen;
    for (int z : s.zahlen)
        zahlen << QString::number(z);
    const Systemkennzahlen k = SystemkennzahlenTexte(s.chancen, reihenpreis, locale);
    Berichtsabschnitt system;
    system.ueberschrift = QStringLiteral("System");
    system.angaben = {{QStringLiteral("Zahlen"), zahlen.join(QStringLiteral(", "))},
                      {QStringLiteral("Reihen"), locale.toString(s.anzahl())},
                      {QStringLiteral("Untergrenze"), QStringLiteral("mindestens %1 Reihen n\u00F6tig")
                                                          .arg(locale.toString(static_cast<qint64>(s.untergrenze)))},
                      {QStringLiteral("Einsatz"), k.einsatz},
                      {QStringLiteral("Erwarteter Gewinn je Ziehung"), k.erwartung},
                      {QStringLiteral("Mindestens ein Gewinn"), k.gewinnChance},
                      {QStringLiteral("Die Garantie greift"), k.garantieGreift}};
    system.hinweis = GarantieText(n, s.garantie);
    b.abschnitte << system;

    Berichtsabschnitt chancen;
    chancen.ueberschrift = QStringLiteral("Gewinnchancen je Ziehung");
    const auto tabelle = std::make_shared<TextTabelle>(SystemchancenTabelle(s.chancen, locale));
    for (int sp = 0; sp < tabelle->spalten(); ++sp)
        chancen.tabelle.kopf << tabelle->zelle(sp, 0);
    chancen.tabelle.muster = {QStringLiteral("alle"), QStringLiteral("5 + ZZ"), QStringLiteral("2.000.000,00 \u20AC"),
                              QStringLiteral("1 : 19.068.840"), QStringLiteral("0,0000000524")};
    chancen.tabelle.rechtsbuendig = {true, false, true, true, true};
    chancen.tabelle.zeilen = tabelle->zeilen() - 1;
    chancen.tabelle.zelle = [tabelle](int zeile, int spalte) { return tabelle->zelle(spalte, zeile + 1); };
    chancen.hinweis = QStringLiteral("Chance: dass mindestens eine Reihe in der Klasse landet, einmal in so vielen "
                                     "Ziehungen. Reihen im Mittel: wie viele Reihen je Ziehung in der Klasse landen.");
    b.abschnitte << chancen;

    Berichtsabschnitt reihen;
    reihen.ueberschrift = QStringLiteral("Reihen");
    reihen.tabelle.kopf = {QStringLiteral("Reihe"), QStringLiteral("Z1"), QStringLiteral("Z2"), QStringLiteral("Z3"),
                           QStringLiteral("Z4"),    QStringLiteral("Z5"), QStringLiteral("ZZ")};
    reihen.tabelle.muster = {QStringLiteral("15.504"), QStringLiteral("49"), QStringLiteral("49"), QStringLiteral("49"),
                             QStringLiteral("49"),     QStringLiteral("49"), QStringLiteral("10")};
    reihen.tabelle.rechtsbuendig = QVector<bool>(7, true);
    reihen.tabelle.zeilen = s.anzahl();
    const auto kopie = std::make_shared<Systemergebnis>(s);
    reihen.tabelle.zelle = [kopie, locale](int zeile, int spalte) {
        if (spalte == 0)
            return locale.toString(zeile + 1);
        if (spalte == 6)
            return QString::number(kopie->zusatzzahlen[static_cast<std::size_t>(zeile)]);
        return QString::number(kopie->reihe(zeile)[static_cast<std::size_t>(spalte - 1)]);
    };
    b.abschnitte << reihen;
    return b;
}
