// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "strategy/Strategiebericht.h"

#include "evaluation/Gewinnauswertung.h"
#include "model/Datum.h"

#include <algorithm>

namespace {

QString euro(std::int64_t cent, const QLocale &locale)
{
    return BetragZuText(cent * (BetragProEuro / 100), locale);
}

QStringList uebersichtKopf()
{
    QStringList kopf{QStringLiteral("Nr."),
                     QStringLiteral("Strategie"),
                     QStringLiteral("Ziehungen"),
                     QStringLiteral("Reihen"),
                     QStringLiteral("Einsatz \u20AC"),
                     QStringLiteral("Gewinn \u20AC"),
                     QStringLiteral("Anteil \u20AC"),
                     QStringLiteral("Bilanz \u20AC"),
                     QStringLiteral("R\u00FCcklauf"),
                     QStringLiteral("H\u00F6chstgewinn \u20AC"),
                     QStringLiteral("H\u00F6chstgewinn am"),
                     QStringLiteral("Durststrecke"),
                     QStringLiteral("Bilanz erwartet \u20AC"),
                     QStringLiteral("5 % fair \u20AC"),
                     QStringLiteral("95 % fair \u20AC"),
                     QStringLiteral("mindestens so gut")};
    for (const Gewinnklasse &k : Gewinnklassen)
        kopf << k.Kurz;
    return kopf;
}

} // namespace

TextTabelle UebersichtTabelle(const Testergebnis &e, const QVector<TGewZahlen> &ziehungen, const QLocale &l)
{
    const QStringList kopf = uebersichtKopf();
    TextTabelle t(static_cast<int>(kopf.size()), static_cast<int>(e.strategien.size()) + 1);
    for (int s = 0; s < kopf.size(); ++s)
        t.setzeZelle(s, 0, kopf[s]);
    for (std::size_t p = 0; p < e.strategien.size(); ++p) {
        const Strategieergebnis &r = e.strategien[p];
        const int z = static_cast<int>(p) + 1;
        const bool band = r.verlaeufe > 0 && !r.bandUnten.empty();
        const QStringList zellen{
            QString::number(z),
            r.name,
            l.toString(r.ziehungen),
            l.toString(qint64{r.reihen}),
            euro(r.einsatzCent, l),
            euro(r.gewinnCent, l),
            euro(r.anteilCent, l),
            euro(r.bilanzCent, l),
            RuecklaufText(r.ruecklauf, l),
            euro(r.hoechsterCent, l),
            r.hoechsterZiehung >= 0 && r.hoechsterZiehung < ziehungen.size()
                ? Datum::kurz(ziehungen[r.hoechsterZiehung].datum, l)
                : QStringLiteral("-"),
            l.toString(r.laengsteDurststrecke),
            euro(r.erwartetCent, l),
            band ? euro(r.bandUnten.back(), l) : QStringLiteral("-"),
            band ? euro(r.bandOben.back(), l) : QStringLiteral("-"),
            band ? PlatzierungAnteil(r.mindestensSoGut, r.verlaeufe) : QStringLiteral("-")};
        for (int s = 0; s < zellen.size(); ++s)
            t.setzeZelle(s, z, zellen[s]);
        for (std::size_t k = 0; k < r.klassen.size(); ++k)
            t.setzeZelle(static_cast<int>(zellen.size() + static_cast<qsizetype>(k)), z, KlassenanzahlText(r.klassen[k]));
    }
    return t;
}

TextTabelle ZiehungsTabelle(const Testergebnis &e, int p, const QVector<TGewZahlen> &ziehungen, const QLocale &l)
{
    const QStringList kopf{QStringLiteral("Nr."), QStringLiteral("Datum"), QStringLiteral("Reihen"),
                           QStringLiteral("Einsatz \u20AC"), QStringLiteral("Gewinn \u20AC"),
                           QStringLiteral("Bilanz \u20AC")};
    if (p < 0 || p >= static_cast<int>(e.strategien.size()))
        return TextTabelle(static_cast<int>(kopf.size()), 1);
    const Strategieergebnis &r = e.strategien[static_cast<std::size_t>(p)];
    TextTabelle t(static_cast<int>(kopf.size()), r.ziehungen + 1);
    for (int s = 0; s < kopf.size(); ++s)
        t.setzeZelle(s, 0, kopf[s]);
    for (int j = 0; j < r.ziehungen; ++j) {
        const Ziehungsstand &z = r.verlauf[static_cast<std::size_t>(j)];
        const int zeile = j + 1;
        const int index = e.von + j;
        t.setzeZelle(0, zeile, QString::number(zeile));
        t.setzeZelle(1, zeile, index < ziehungen.size() ? Datum::kurz(ziehungen[index].datum, l) : QString());
        t.setzeZelle(2, zeile, l.toString(z.reihen));
        t.setzeZelle(3, zeile, euro(z.reihen * e.preisCent, l));
        t.setzeZelle(4, zeile, euro(z.gewinnCent, l));
        t.setzeZelle(5, zeile, euro(z.bilanzCent, l));
    }
    return t;
}

TextTabelle MitKopfzeile(const TextTabelle &tabelle)
{
    TextTabelle t(tabelle.spalten(), tabelle.zeilen() + 1);
    for (int s = 0; s < tabelle.spalten(); ++s) {
        t.setzeZelle(s, 0, tabelle.zelle(s, 0));
        t.setzeZelle(s, 1, tabelle.zelle(s, 0));
        for (int z = 1; z < tabelle.zeilen(); ++z)
            t.setzeZelle(s, z + 1, tabelle.zelle(s, z));
    }
    return t;
}

QString PlatzierungenText(const Testergebnis &e)
{
    if (e.verlaeufe <= 0)
        return QStringLiteral("Ohne zuf\u00E4llige Verl\u00E4ufe gibt es keinen Vergleich mit dem Zufall.");
    QStringList zeilen{
        QStringLiteral("Ein mindestens so gutes Ergebnis hatten von %1 zuf\u00E4lligen Verl\u00E4ufen derselben Reihen:")
            .arg(QLocale(QLocale::German, QLocale::Germany).toString(e.verlaeufe))};
    for (const Strategieergebnis &r : e.strategien)
        zeilen << QStringLiteral("%1: %2").arg(r.name, PlatzierungAnteil(r.mindestensSoGut, r.verlaeufe));
    if (e.strategien.size() > 1)
        zeilen << QStringLiteral("Unter mehreren Strategien liegt schon durch Zufall etwa jedes zwanzigste "
                                 "Ergebnis unter 5 %.");
    return zeilen.join(QLatin1Char('\n'));
}

Gewinnbericht StrategieberichtErstellen(const Testergebnis &e, const QVector<TGewZahlen> &ziehungen,
                                        const QDate &heute, const QLocale &l,
                                        std::function<void(QPainter &, const QRectF &)> diagramm)
{
    Gewinnbericht b;
    b.titel = QStringLiteral("Strategietest");
    b.fusszeile = Fenstertitel() + QStringLiteral(" \u2013 ") + Datum::kurz(heute, l);

    Berichtsabschnitt kopf;
    kopf.ueberschrift = QStringLiteral("Zeitraum");
    if (e.von >= 0 && e.bis < ziehungen.size() && e.von <= e.bis)
        kopf.angaben << qMakePair(QStringLiteral("Ziehungen:"),
                                  QStringLiteral("%1 bis %2 (%3)")
                                      .arg(Datum::kurz(ziehungen[e.von].datum, l), Datum::kurz(ziehungen[e.bis].datum, l),
                                           l.toString(e.ziehungen())));
    kopf.angaben << qMakePair(QStringLiteral("Reihenpreis:"), CentText(e.preisCent, l));
    kopf.angaben << qMakePair(QStringLiteral("Zuf\u00E4llige Verl\u00E4ufe:"), l.toString(e.verlaeufe));
    kopf.angaben << qMakePair(QStringLiteral("Startwert:"), QString::number(e.startwert));
    b.abschnitte << kopf;

    // The summary turned on its side, a column per strategy and four strategies to a table, so
    // that every figure fits the width of a page.
    const TextTabelle u = UebersichtTabelle(e, ziehungen, l);
    constexpr int JeTabelle = 4;
    for (int erste = 1; erste < u.zeilen(); erste += JeTabelle) {
        const int letzte = std::min(u.zeilen() - 1, erste + JeTabelle - 1);
        Berichtsabschnitt a;
        a.ueberschrift = erste == 1 ? QStringLiteral("Ergebnis") : QString();
        a.tabelle.kopf << QString();
        a.tabelle.muster << QStringLiteral("mindestens so gut ");
        a.tabelle.rechtsbuendig << false;
        for (int z = erste; z <= letzte; ++z) {
            // A long name would widen its column beyond the page; the names stand whole below.
            const QString name = u.zelle(1, z);
            a.tabelle.kopf << QStringLiteral("%1. %2").arg(z).arg(name.size() > 18 ? name.left(17) + QChar(0x2026) : name);
            QString muster = QStringLiteral("-000.000,00");
            for (int sp = 2; sp < u.spalten(); ++sp)
                if (u.zelle(sp, z).size() > muster.size())
                    muster = u.zelle(sp, z);
            a.tabelle.muster << muster;
            a.tabelle.rechtsbuendig << true;
        }
        a.tabelle.zeilen = u.spalten() - 2;
        a.tabelle.zelle = [u, erste](int zeile, int spalte) {
            return spalte == 0 ? u.zelle(zeile + 2, 0) : u.zelle(zeile + 2, erste + spalte - 1);
        };
        b.abschnitte << a;
    }
    Berichtsabschnitt zufall;
    zufall.ueberschrift = QStringLiteral("Gegen den Zufall");
    zufall.hinweis = PlatzierungenText(e);
    b.abschnitte << zufall;
    if (diagramm) {
        Berichtsabschnitt bild;
        bild.ueberschrift = QStringLiteral("Verlauf der Bilanz");
        bild.bild = std::move(diagramm);
        bild.bildHoeheMm = 120.0;
        b.abschnitte << bild;
    }
    for (std::size_t p = 0; p < e.strategien.size(); ++p) {
        const TextTabelle t = ZiehungsTabelle(e, static_cast<int>(p), ziehungen, l);
        Berichtsabschnitt a;
        a.ueberschrift = QStringLiteral("Ziehungen: %1").arg(e.strategien[p].name);
        for (int s = 1; s < t.spalten(); ++s) {
            a.tabelle.kopf << t.zelle(s, 0);
            a.tabelle.muster << (s == 1 ? QStringLiteral("00.00.0000") : QStringLiteral("-000.000,00"));
            a.tabelle.rechtsbuendig << (s > 1);
        }
        a.tabelle.zeilen = t.zeilen() - 1;
        a.tabelle.zelle = [t](int zeile, int spalte) { return t.zelle(spalte + 1, zeile + 1); };
        b.abschnitte << a;
    }
    return b;
}
