// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Texte.h"

#include "model/Records.h"
#include "model/Zahlenmenge.h"
#include "model/Zustand.h"
#include "statistics/Kombistatistik.h"
#include "statistics/Statistik.h"

#include <QtTest>

#include <random>

namespace {

Zahlenmenge menge(std::initializer_list<int> zahlen)
{
    Zahlenmenge m;
    for (int n : zahlen)
        m.hinzu(static_cast<std::uint8_t>(n));
    return m;
}

TGewZahlen ziehung(std::array<std::uint8_t, 5> zahlen, const QDate &datum)
{
    TGewZahlen z;
    z.GZ = zahlen;
    z.bonus = 7;
    z.datum = (datum.toJulianDay() - QDate(1899, 12, 30).toJulianDay()) * 1.0;
    return z;
}

// Three draws, oldest first: 1 in every draw, 2 in the first and the last.
Zustand beispiel()
{
    Zustand z;
    z.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
    z.Ziehungen = {ziehung({1, 2, 3, 4, 5}, QDate(2024, 1, 6)), ziehung({1, 6, 7, 8, 9}, QDate(2024, 1, 13)),
                   ziehung({1, 2, 10, 11, 12}, QDate(2024, 1, 20))};
    StatistikStart(z);
    return z;
}

QString zeile(const Rangliste &liste, std::size_t i)
{
    return QStringLiteral("%1:%2").arg(Kombitext(liste.at(i))).arg(liste.at(i).Anzahl);
}

Rangzeile zeileAus(const TKombiEintrag &e)
{
    Rangzeile z{{}, e.Anzahl};
    const QByteArray zahlen = MengeZuReihe(e.Kombi, e.Kombi.anzahl(), MaxZahl);
    std::copy(zahlen.begin(), zahlen.end(), z.zahlen.begin());
    return z;
}

// The ranked list as the definition builds it: one pass over the table per count, from the
// first count on, until a pass ends with more than 100 rows.
Rangliste rangliste(const Kombitabelle &t, bool haeufigste)
{
    std::uint32_t grenze = haeufigste ? 0 : 10000000;
    for (const TKombiEintrag &e : t.eintraege)
        grenze = haeufigste ? std::max(grenze, e.Anzahl) : std::min(grenze, e.Anzahl);
    Rangliste liste;
    for (std::int64_t c = grenze; liste.size() <= 100; c += haeufigste ? -1 : 1) {
        for (const TKombiEintrag &e : t.eintraege) {
            if (e.Anzahl == c)
                liste.push_back(zeileAus(e));
        }
    }
    return liste;
}

// A few hundred random draws; some sets lost members, as a damaged draw's set does.
QVector<Zahlenmenge> zufallsmengen(int anzahl)
{
    std::mt19937 zufall(20240106);
    std::uniform_int_distribution<int> zahl(1, MaxZahl);
    QVector<Zahlenmenge> mengen;
    for (int i = 0; i < anzahl; ++i) {
        Zahlenmenge m;
        const int glieder = i % 37 == 5 ? 3 : i % 53 == 7 ? 0 : i % 11 == 3 ? 4 : 5;
        while (m.anzahl() < glieder)
            m.hinzu(static_cast<std::uint8_t>(zahl(zufall)));
        mengen.append(m);
    }
    return mengen;
}

} // namespace

class TestKombistatistik : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tabellen_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("groesse");
        QTest::addColumn<QString>("erster");
        QTest::addColumn<QString>("neunundvierzigster");
        QTest::addColumn<QString>("letzter");
        QTest::newRow("pairs") << 2 << 1176 << QStringLiteral("1,2") << QStringLiteral("2,3")
                               << QStringLiteral("48,49");
        QTest::newRow("triples") << 3 << 18424 << QStringLiteral("1,2,3") << QStringLiteral("1,3,5")
                                 << QStringLiteral("47,48,49");
        QTest::newRow("quadruples") << 4 << 211876 << QStringLiteral("1,2,3,4") << QStringLiteral("1,2,4,7")
                                    << QStringLiteral("46,47,48,49");
    }
    // Every entry holds k numbers in strictly lexicographic order, and the direct index of its
    // numbers is its own position.
    void tabellen()
    {
        QFETCH(int, k);
        QFETCH(int, groesse);
        QFETCH(QString, erster);
        QFETCH(QString, neunundvierzigster);
        QFETCH(QString, letzter);
        const Kombitabelle t = KombisErzeugen(k);
        QCOMPARE(t.k, k);
        QCOMPARE(static_cast<int>(t.eintraege.size()), groesse);
        QCOMPARE(Kombitext(t.eintraege.front().Kombi), erster);
        QCOMPARE(Kombitext(t.eintraege.at(48).Kombi), neunundvierzigster);
        QCOMPARE(Kombitext(t.eintraege.back().Kombi), letzter);

        QByteArray vorher;
        for (int i = 0; i < groesse; ++i) {
            const Zahlenmenge &kombi = t.eintraege[static_cast<std::size_t>(i)].Kombi;
            const QByteArray zahlen = MengeZuReihe(kombi, k, MaxZahl);
            QCOMPARE(kombi.anzahl(), k);
            QVERIFY2(zahlen > vorher, qPrintable(Kombitext(kombi)));
            int z[4] = {};
            for (int j = 0; j < k; ++j)
                z[j] = static_cast<std::uint8_t>(zahlen[j]);
            QCOMPARE(KombiPosition(z, k), i);
            vorher = zahlen;
        }
    }

    void paareDesBeispiels()
    {
        Zustand z = beispiel();
        Kombitabelle zweier = KombisErzeugen(2);
        const Favoriten f = KombinationenFavoriten(zweier, z.Ziehungsmengen, 0, 2);

        // 1,2 twice; 28 pairs once, in table order; as 29 rows are not more than 100, the whole
        // class of 0 follows.
        QCOMPARE(f.haeufigste.size(), std::size_t{1176});
        QCOMPARE(zeile(f.haeufigste, 0), QStringLiteral("1,2:2"));
        QCOMPARE(zeile(f.haeufigste, 1), QStringLiteral("1,3:1"));
        QCOMPARE(zeile(f.haeufigste, 2), QStringLiteral("1,4:1"));
        QCOMPARE(zeile(f.haeufigste, 28), QStringLiteral("11,12:1"));
        QCOMPARE(zeile(f.haeufigste, 29), QStringLiteral("1,13:0"));
        QCOMPARE(zeile(f.haeufigste, 1175), QStringLiteral("48,49:0"));

        QCOMPARE(f.seltenste.size(), std::size_t{1147});
        QCOMPARE(zeile(f.seltenste, 0), QStringLiteral("1,13:0"));
        QCOMPARE(zeile(f.seltenste, 1146), QStringLiteral("48,49:0"));

        // A period of one draw: its 10 pairs, then every other pair.
        const Favoriten mitte = KombinationenFavoriten(zweier, z.Ziehungsmengen, 1, 1);
        QCOMPARE(zeile(mitte.haeufigste, 0), QStringLiteral("1,6:1"));
        QCOMPARE(zeile(mitte.haeufigste, 9), QStringLiteral("8,9:1"));
        QCOMPARE(zeile(mitte.haeufigste, 10), QStringLiteral("1,2:0"));
        QCOMPARE(mitte.seltenste.size(), std::size_t{1166});
    }

    // The counting by subsets gives the counts and lists of the definition.
    void wieDurchSchnitte_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis");
        // Quadruples over shorter periods: testing 211,876 of them against every draw is slow.
        for (int k : {2, 3, 4}) {
            const QByteArray name = QByteArray::number(k) + " numbers, ";
            if (k < 4) {
                QTest::newRow((name + "whole history").constData()) << k << 0 << 299;
                QTest::newRow((name + "beyond both ends").constData()) << k << -20 << 400;
            }
            QTest::newRow((name + "last 52").constData()) << k << 248 << 299;
            QTest::newRow((name + "one draw").constData()) << k << 17 << 17;
            QTest::newRow((name + "before the first").constData()) << k << -20 << 9;
            QTest::newRow((name + "past the last").constData()) << k << 290 << 400;
        }
        QTest::newRow("pairs, bis before von") << 2 << 120 << 40;
        QTest::newRow("pairs, after the history") << 2 << 300 << 310;
    }
    void wieDurchSchnitte()
    {
        QFETCH(int, k);
        QFETCH(int, von);
        QFETCH(int, bis);
        const QVector<Zahlenmenge> mengen = zufallsmengen(300);
        Kombitabelle schnell = KombisErzeugen(k);
        Kombitabelle langsam = KombisErzeugen(k);
        const Favoriten f = KombinationenFavoriten(schnell, mengen, von, bis);
        KombisZaehlenDurchSchnitte(langsam, mengen, von, bis);

        for (std::size_t i = 0; i < langsam.eintraege.size(); ++i) {
            if (schnell.eintraege[i].Anzahl != langsam.eintraege[i].Anzahl)
                QFAIL(qPrintable(QStringLiteral("%1 counted %2, should be %3")
                                     .arg(Kombitext(langsam.eintraege[i].Kombi))
                                     .arg(schnell.eintraege[i].Anzahl)
                                     .arg(langsam.eintraege[i].Anzahl)));
        }
        const Anzahlspanne spanne = AnzahlspanneVon(schnell);
        for (const auto &[liste, erwartet] :
             {std::pair{&f.haeufigste, rangliste(langsam, true)}, std::pair{&f.seltenste, rangliste(langsam, false)}}) {
            QCOMPARE(liste->size(), erwartet.size());
            QVERIFY(liste->size() > 100);
            for (std::size_t i = 0; i < erwartet.size(); ++i) {
                const Rangzeile &a = liste->at(i);
                if (a.zahlen != erwartet[i].zahlen || a.Anzahl != erwartet[i].Anzahl)
                    QCOMPARE(zeile(*liste, i), zeile(erwartet, i));
            }
        }
        QCOMPARE(f.haeufigste.front().Anzahl, spanne.groesste);
        QCOMPARE(f.seltenste.front().Anzahl, spanne.kleinste);
    }

    // A count is not limited to 16 bits.
    void langeHistorie()
    {
        const QVector<Zahlenmenge> mengen(70000, menge({1, 2, 3, 4, 5}));
        Kombitabelle zweier = KombisErzeugen(2);
        const Favoriten f = KombinationenFavoriten(zweier, mengen, 0, 69999);
        QCOMPARE(zeile(f.haeufigste, 0), QStringLiteral("1,2:70000"));
        QCOMPARE(zeile(f.haeufigste, 9), QStringLiteral("4,5:70000"));
    }

    void suchen_data()
    {
        QTest::addColumn<QList<int>>("zahlen");
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis");
        QTest::addColumn<int>("treffer");
        QTest::addColumn<QStringList>("zeilen"); // "Nr.|Datum|mit..." of every data row

        QTest::newRow("1 and 2") << QList<int>{1, 2} << 0 << 2 << 2
                                 << texte({"1|06.01.2024|3,4,5", "2|20.01.2024|10,11,12"});
        QTest::newRow("all five") << QList<int>{1, 2, 3, 4, 5} << 0 << 2 << 1 << texte({"1|06.01.2024|"});
        QTest::newRow("empty selection") << QList<int>{} << 0 << 2 << 3
                                         << texte({"1|06.01.2024|1,2,3,4,5", "2|13.01.2024|1,6,7,8,9",
                                                   "3|20.01.2024|1,2,10,11,12"});
        QTest::newRow("never together") << QList<int>{3, 6} << 0 << 2 << 0 << texte({"||"});
        QTest::newRow("within the period") << QList<int>{1, 2} << 1 << 2 << 1 << texte({"1|20.01.2024|10,11,12"});
        QTest::newRow("bis before von") << QList<int>{1, 2} << 2 << 0 << 0 << texte({"||"});
        QTest::newRow("clamped to the history")
            << QList<int>{1} << -1 << 7 << 3
            << texte({"1|06.01.2024|2,3,4,5", "2|13.01.2024|6,7,8,9", "3|20.01.2024|2,10,11,12"});
        QTest::newRow("no selection in the lists") << QList<int>{1, 2} << -1 << -1 << 0 << texte({"||"});
    }
    void suchen()
    {
        QFETCH(QList<int>, zahlen);
        QFETCH(int, von);
        QFETCH(int, bis);
        QFETCH(int, treffer);
        QFETCH(QStringList, zeilen);
        Zahlenmenge such;
        for (int n : zahlen)
            such.hinzu(static_cast<std::uint8_t>(n));
        const Suchergebnis e = KombisSuchen(beispiel(), such, von, bis);
        QCOMPARE(e.treffer, treffer);
        const TextTabelle &t = e.tabelle;
        QCOMPARE(t.spalten(), 3);
        QCOMPARE(QStringList({t.zelle(0, 0), t.zelle(1, 0), t.zelle(2, 0)}), texte({"Nr.", "Datum", "mit..."}));
        QStringList gelesen;
        for (int r = 1; r < t.zeilen(); ++r)
            gelesen << t.zelle(0, r) + QLatin1Char('|') + t.zelle(1, r) + QLatin1Char('|') + t.zelle(2, r);
        QCOMPARE(gelesen, zeilen);
    }

    // The sets may be fewer than the draws (not recomputed yet) or the history empty: the
    // search reads neither past its end.
    void suchenUeberKurzeMengen()
    {
        Zustand z = beispiel();
        z.Ziehungsmengen.removeLast();
        QCOMPARE(KombisSuchen(z, menge({1}), 0, 2).treffer, 2);
        z.Ziehungen.clear();
        QCOMPARE(KombisSuchen(z, menge({1}), 0, 2).treffer, 0);
        Zustand leer;
        QCOMPARE(KombisSuchen(leer, Zahlenmenge(), -1, -1).treffer, 0);
        Kombitabelle vierer = KombisErzeugen(4);
        const Favoriten f = KombinationenFavoriten(vierer, leer.Ziehungsmengen, -1, -1);
        QCOMPARE(f.haeufigste.size(), std::size_t{211876});
        QCOMPARE(zeile(f.seltenste, 211875), QStringLiteral("46,47,48,49:0"));
    }

    void suchauswahl()
    {
        using E = Suchauswahl::Ergebnis;
        Suchauswahl a;
        QVERIFY(!a.startbar());
        QCOMPARE(a.umschalten(7), E::Aufgenommen);
        QVERIFY(!a.startbar());
        QCOMPARE(a.umschalten(3), E::Aufgenommen);
        QVERIFY(a.startbar());
        QCOMPARE(a.umschalten(7), E::Entfernt);
        QVERIFY(!a.startbar());
        for (int n : {7, 49, 1, 20})
            QCOMPARE(a.umschalten(n), E::Aufgenommen);
        QCOMPARE(a.umschalten(30), E::Abgelehnt);
        QCOMPARE(a.SuchAnzahl(), 5);
        QCOMPARE(Kombitext(a.SuchMenge()), QStringLiteral("1,3,7,20,49"));
        QCOMPARE(a.umschalten(0), E::Abgelehnt);
        QCOMPARE(a.umschalten(50), E::Abgelehnt);
        // A chosen number still leaves when five are chosen.
        QCOMPARE(a.umschalten(49), E::Entfernt);
        QCOMPARE(a.umschalten(30), E::Aufgenommen);
        a.KombiAufNull();
        QCOMPARE(a.SuchAnzahl(), 0);
        QVERIFY(a.SuchMenge().leer());
    }
};

QTEST_GUILESS_MAIN(TestKombistatistik)
#include "tst_kombistatistik.moc"
