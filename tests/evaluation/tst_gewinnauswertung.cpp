// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation/Gewinnauswertung.h"
#include "model/Datum.h"
#include "model/Tippscheindatei.h"

#include <QTemporaryDir>
#include <QtTest>

#include <random>
#include <set>

namespace {
const QLocale deutsch(QLocale::German, QLocale::Germany);

TGewZahlen ziehung(int woche, std::array<std::uint8_t, 5> zahlen, std::uint8_t bonus)
{
    TGewZahlen z;
    z.datum = 45292.0 + 7 * woche; // Mondays from 1 January 2024
    z.GZ = zahlen;
    z.bonus = bonus;
    return z;
}

Tippreihe reihe(std::array<std::uint8_t, 5> zahlen, std::uint8_t zz)
{
    return Tippreihe{zahlen, zz};
}

// The texts of every result row, cells joined by '|'.
QStringList zeilentexte(const Auswertungsergebnis &e)
{
    QStringList zeilen;
    for (int z = 0; z < int(e.zeilen.size()); ++z) {
        QStringList zellen;
        for (int s = 0; s < ErgebnisSpalten; ++s)
            zellen << Ergebnistext(e, z, s);
        zeilen << zellen.join(QLatin1Char('|'));
    }
    return zeilen;
}

// Records what the evaluation hands on, block by block.
struct Mitschrift : Ergebnisempfaenger
{
    int anfaenge = 0;
    std::size_t angekuendigt = 0;
    bool kopfVorBloecken = true; // draws and class texts were there at the start
    std::vector<std::vector<Ergebniszeile>> bloecke;

    void anfang(const Auswertungsergebnis &e, std::size_t zeilen) override
    {
        ++anfaenge;
        angekuendigt = zeilen;
        kopfVorBloecken = bloecke.empty() && !e.ziehungen.isEmpty() && !e.gewinnTexte[9].isEmpty();
    }
    void block(const Auswertungsergebnis &, std::span<const Ergebniszeile> zeilen) override
    {
        bloecke.emplace_back(zeilen.begin(), zeilen.end());
    }
};

bool gleich(const Ergebniszeile &a, const Ergebniszeile &b)
{
    return a.ziehung == b.ziehung && a.reihe == b.reihe && a.klasse == b.klasse && a.blockanfang == b.blockanfang;
}

QStringList klassentexte(const Auswertungsergebnis &e)
{
    const Kennzahltexte t = KennzahlenTexte(e, deutsch);
    return QStringList(t.klassenAnzahl.begin(), t.klassenAnzahl.end());
}
} // namespace

class TestGewinnauswertung : public QObject
{
    Q_OBJECT
    Zustand zustand;

    // Three weekly draws whose numbers do not overlap.
    void dreiZiehungen()
    {
        zustand.Ziehungen = {ziehung(0, {1, 2, 3, 4, 5}, 1), ziehung(1, {6, 7, 8, 9, 10}, 2),
                             ziehung(2, {11, 12, 13, 14, 15}, 3)};
    }

private Q_SLOTS:
    void init()
    {
        zustand = Zustand();
        zustand.Formateinstellungen = deutsch;
        zustand.Reihenpreis = 2.0F;
        dreiZiehungen();
    }

    void dreiReihenZweiZiehungen()
    {
        // Row 2 has two hits in the first draw; row 3 has no hit but the first draw's Zusatzzahl.
        const QVector<Tippreihe> reihen{reihe({40, 41, 42, 43, 44}, 3), reihe({1, 2, 30, 31, 32}, 5),
                                        reihe({45, 46, 47, 48, 49}, 1)};
        const Auswertungsergebnis e = GewinnAuswertung(zustand, reihen, 1, 1, 1, 0, true);
        QCOMPARE(e.status, Auswertungsstatus::Ok);
        QCOMPARE(e.paare, 6);
        QCOMPARE(zeilentexte(e),
                 (QStringList{QStringLiteral("01.01.2024|2|2|6,00|6,00"), QStringLiteral("08.01.2024|---|---|---|")}));
        QStringList klassen(10, QStringLiteral("-"));
        klassen[7] = QStringLiteral("1");
        QCOMPARE(klassentexte(e), klassen);

        const Kennzahltexte t = KennzahlenTexte(e, deutsch);
        QCOMPARE(t.gesamt, QStringLiteral("6,00\u00A0€"));
        QCOMPARE(t.gesamtAnteil, QStringLiteral("6,00\u00A0€"));
        QCOMPARE(t.ruecklauf, QStringLiteral("50,00 %"));
        QCOMPARE(t.hoechster, QStringLiteral("6,00\u00A0€"));
        QCOMPARE(t.hoechsterDatum, QStringLiteral("01.01.2024"));
        QCOMPARE(e.hoechsterPosition, 1);
        QCOMPARE(e.ruecklauf, Betrag{500000});

        QCOMPARE(zustand.AuswZiehungen.size(), 2);
        QCOMPARE(zustand.AuswZiehungen[0].SDatum, QStringLiteral("01.01.2024"));
        QCOMPARE(zustand.AuswZiehungen[1].dat, 45299.0);
        QCOMPARE(zustand.AuswZiehungen[1].bonus, std::uint8_t{2});
        QVERIFY(zustand.AuswZiehungen[1].GZA.enthaelt(10));
    }

    void anteileWerdenJeZelleAbgeschnitten()
    {
        // Three class-10 wins of 0,50 €: one third of each is 0,1666… and shows as 0,16, while the
        // total share is taken once on 1,50 €.
        const QVector<Tippreihe> reihen{reihe({1, 20, 21, 22, 23}, 9), reihe({2, 24, 25, 26, 27}, 9),
                                        reihe({3, 28, 29, 30, 31}, 9)};
        const Auswertungsergebnis e = GewinnAuswertung(zustand, reihen, 3, 1, 0, 0, false);
        QCOMPARE(zeilentexte(e), (QStringList{QStringLiteral("01.01.2024|1|1|0,50|0,16"),
                                              QStringLiteral("|1|2|0,50|0,16"), QStringLiteral("|1|3|0,50|0,16")}));
        const Kennzahltexte t = KennzahlenTexte(e, deutsch);
        QCOMPARE(t.gesamt, QStringLiteral("1,50\u00A0€"));
        QCOMPARE(t.gesamtAnteil, QStringLiteral("0,50\u00A0€"));
        QCOMPARE(t.klassenAnzahl[9], QStringLiteral("3"));
        // The earliest of equal wins is the highest.
        QCOMPARE(e.hoechsterPosition, 1);
        QCOMPARE(t.ruecklauf, QStringLiteral("25,00 %"));
    }

    void hoechstgewinn_data()
    {
        QTest::addColumn<QVector<Tippreihe>>("reihen");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QString>("betrag");
        // Draw 1 = 1..5 ZZ 1, draw 2 = 6..10 ZZ 2, draw 3 = 11..15 ZZ 3.
        // Result rows: draw 1 gives rows 1-2, draw 2 rows 3-4, draw 3 rows 5-6.
        QTest::newRow("equal wins: the earlier draw keeps the place")
            << QVector<Tippreihe>{reihe({1, 6, 11, 40, 41}, 9), reihe({1, 2, 6, 7, 11}, 9)} << 2
            << QStringLiteral("01.01.2024") << QStringLiteral("6,00\u00A0€");
        QTest::newRow("a strictly higher later win takes the place")
            << QVector<Tippreihe>{reihe({1, 6, 11, 12, 13}, 9), reihe({1, 2, 6, 7, 11}, 9)} << 5
            << QStringLiteral("15.01.2024") << QStringLiteral("20,00\u00A0€");
        QTest::newRow("within a draw the earlier row keeps the place")
            << QVector<Tippreihe>{reihe({40, 41, 42, 43, 44}, 9), reihe({6, 7, 40, 41, 42}, 2),
                                  reihe({8, 9, 40, 41, 42}, 2)}
            << 2 << QStringLiteral("08.01.2024") << QStringLiteral("12,00\u00A0€");
    }
    void hoechstgewinn()
    {
        QFETCH(QVector<Tippreihe>, reihen);
        QFETCH(int, position);
        QFETCH(QString, datum);
        QFETCH(QString, betrag);
        const Auswertungsergebnis e = GewinnAuswertung(zustand, reihen, 1, 1, 2, 0, true);
        QCOMPARE(e.hoechsterPosition, position);
        QCOMPARE(e.hoechsterDatum, datum);
        QCOMPARE(KennzahlenTexte(e, deutsch).hoechster, betrag);
        // The marked row really holds that amount.
        QCOMPARE(Ergebnistext(e, position - 1, 3) + QStringLiteral("\u00A0€"), betrag);
    }

    void keinGewinn()
    {
        const Auswertungsergebnis e = GewinnAuswertung(
            zustand, {reihe({40, 41, 42, 43, 44}, 1), reihe({45, 46, 47, 48, 49}, 2)}, 4, 1, 2, 0, true);
        QCOMPARE(e.paare, 6);
        QCOMPARE(zeilentexte(e),
                 (QStringList{QStringLiteral("01.01.2024|---|---|---|"), QStringLiteral("08.01.2024|---|---|---|"),
                              QStringLiteral("15.01.2024|---|---|---|")}));
        QCOMPARE(klassentexte(e), QStringList(10, QStringLiteral("-")));
        const Kennzahltexte t = KennzahlenTexte(e, deutsch);
        QCOMPARE(t.gesamt, QStringLiteral("0,00\u00A0€"));
        QCOMPARE(t.gesamtAnteil, QStringLiteral("0,00\u00A0€"));
        QCOMPARE(t.hoechster, QStringLiteral("0,00\u00A0€"));
        QCOMPARE(t.hoechsterDatum, QString());
        QCOMPARE(e.hoechsterPosition, 0);
        QCOMPARE(t.ruecklauf, QStringLiteral("0,00 %"));
    }

    void scheinOhneReihen()
    {
        // No pair: the return rate is 0, not a division by zero; every draw still shows its "---" row.
        const Auswertungsergebnis e = GewinnAuswertung(zustand, {}, 1, 1, 1, 0, true);
        QCOMPARE(e.status, Auswertungsstatus::Ok);
        QCOMPARE(e.paare, 0);
        QCOMPARE(e.ruecklauf, Betrag{0});
        QCOMPARE(zeilentexte(e),
                 (QStringList{QStringLiteral("01.01.2024|---|---|---|"), QStringLiteral("08.01.2024|---|---|---|")}));
        QCOMPARE(zustand.AuswZiehungen.size(), 2);
    }

    void ohneReihenpreisKeineDivision()
    {
        zustand.Reihenpreis = 0.0F;
        const Auswertungsergebnis e = GewinnAuswertung(zustand, {reihe({1, 2, 3, 4, 5}, 1)}, 1, 1, 0, 0, false);
        QCOMPARE(e.gesamt, Gewinnklassen[0].Gewinn);
        QCOMPARE(e.ruecklauf, Betrag{0});
    }

    void zeitraum_data()
    {
        QTest::addColumn<int>("ende");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("bereich");
        QTest::addColumn<QStringList>("daten"); // the evaluated draws, empty when refused
        QTest::addColumn<QString>("meldung");
        const QString d1 = QStringLiteral("01.01.2024"), d2 = QStringLiteral("08.01.2024"),
                      d3 = QStringLiteral("15.01.2024");
        QTest::newRow("single draw ignores a later start") << 0 << 2 << false << QStringList{d1} << QString();
        QTest::newRow("single draw ignores an invalid start") << 1 << -1 << false << QStringList{d2} << QString();
        QTest::newRow("range with start = end") << 1 << 1 << true << QStringList{d2} << QString();
        QTest::newRow("whole range, oldest first") << 2 << 0 << true << QStringList{d1, d2, d3} << QString();
        QTest::newRow("end before start") << 0 << 1 << true << QStringList() << MeldungZeitraum;
        QTest::newRow("end past the history") << 3 << 0 << true << QStringList() << MeldungZiehungFehlt;
        QTest::newRow("no end selected") << -1 << -1 << false << QStringList() << MeldungZiehungFehlt;
        QTest::newRow("no start selected") << 0 << -1 << true << QStringList() << MeldungZiehungFehlt;
    }
    void zeitraum()
    {
        QFETCH(int, ende);
        QFETCH(int, start);
        QFETCH(bool, bereich);
        QFETCH(QStringList, daten);
        QFETCH(QString, meldung);
        TGewAusw alt;
        alt.SDatum = QStringLiteral("vorher");
        zustand.AuswZiehungen = {alt};

        const Auswertungsergebnis e =
            GewinnAuswertung(zustand, {reihe({1, 6, 11, 20, 21}, 1)}, 1, 1, ende, start, bereich);
        QCOMPARE(e.meldung, meldung);
        if (meldung.isEmpty()) {
            QCOMPARE(e.status, Auswertungsstatus::Ok);
            QStringList ausgewertet;
            for (const TGewAusw &a : std::as_const(zustand.AuswZiehungen))
                ausgewertet << a.SDatum;
            QCOMPARE(ausgewertet, daten);
            QCOMPARE(e.paare, daten.size());
            QCOMPARE(int(e.zeilen.size()), daten.size()); // one class-10 win per draw
        } else {
            QCOMPARE(e.status,
                     meldung == MeldungZeitraum ? Auswertungsstatus::Zeitraum : Auswertungsstatus::KeinZeitraum);
            QVERIFY(e.zeilen.empty());
            QCOMPARE(zustand.AuswZiehungen.size(), 1);
            QCOMPARE(zustand.AuswZiehungen[0].SDatum, QStringLiteral("vorher"));
        }
    }

    void leereHistorie()
    {
        zustand.Ziehungen.clear();
        const Auswertungsergebnis e = GewinnAuswertung(zustand, {reihe({1, 2, 3, 4, 5}, 1)}, 1, 1, 0, 0, false);
        QCOMPARE(e.status, Auswertungsstatus::KeinZeitraum);
        QCOMPARE(e.meldung, MeldungKeineZiehungen);
        QVERIFY(e.zeilen.empty());
    }

    void klassifikation_data()
    {
        QTest::addColumn<QStringList>("zellen"); // the six cells of the tip row as the grid holds them
        QTest::addColumn<QByteArray>("gz");      // the draw's numbers, then its Zusatzzahl
        QTest::addColumn<QString>("richtige");
        QTest::addColumn<QString>("gewinn");
        const QStringList eins{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                               QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("7")};
        QTest::newRow("5 + ZZ") << eins << QByteArray("\x01\x02\x03\x04\x05\x07", 6) << QStringLiteral("5 + ZZ")
                                << QStringLiteral("2.000.000,00");
        QTest::newRow("5") << eins << QByteArray("\x05\x04\x03\x02\x01\x08", 6) << QStringLiteral("5")
                           << QStringLiteral("200.000,00");
        QTest::newRow("4 + ZZ") << eins << QByteArray("\x01\x02\x03\x04\x31\x07", 6) << QStringLiteral("4 + ZZ")
                                << QStringLiteral("2.000,00");
        QTest::newRow("1 + ZZ") << eins << QByteArray("\x01\x20\x21\x22\x23\x07", 6) << QStringLiteral("1 + ZZ")
                                << QStringLiteral("2,00");
        QTest::newRow("1") << eins << QByteArray("\x01\x20\x21\x22\x23\x06", 6) << QStringLiteral("1")
                           << QStringLiteral("0,50");
        QTest::newRow("no hit, ZZ matches")
            << eins << QByteArray("\x20\x21\x22\x23\x24\x07", 6) << QStringLiteral("---") << QStringLiteral("---");
        // Damaged values: a draw number 255 or 0 never hits, a row cell outside 1..49 is no number,
        // and an invalid Zusatzzahl on either side never matches, not even another invalid one.
        QTest::newRow("damaged draw numbers")
            << eins << QByteArray("\xFF\x00\x03\x04\x05\x07", 6) << QStringLiteral("3 + ZZ") << QStringLiteral("40,00");
        QTest::newRow("row cells out of range")
            << QStringList{QStringLiteral("50"), QStringLiteral("0"), QStringLiteral("x"),
                           QStringLiteral(""),   QStringLiteral("5"), QStringLiteral("7")}
            << QByteArray("\x01\x02\x03\x04\x05\x07", 6) << QStringLiteral("1 + ZZ") << QStringLiteral("2,00");
        QTest::newRow("invalid ZZ 0 on both sides")
            << QStringList{QStringLiteral("1"),  QStringLiteral("2"),  QStringLiteral("3"),
                           QStringLiteral("40"), QStringLiteral("41"), QStringLiteral("0")}
            << QByteArray("\x01\x02\x03\x04\x05\x00", 6) << QStringLiteral("3") << QStringLiteral("20,00");
        QTest::newRow("invalid ZZ 11 on both sides")
            << QStringList{QStringLiteral("1"),  QStringLiteral("2"),  QStringLiteral("3"),
                           QStringLiteral("40"), QStringLiteral("41"), QStringLiteral("11")}
            << QByteArray("\x01\x02\x03\x04\x05\x0B", 6) << QStringLiteral("3") << QStringLiteral("20,00");
    }
    void klassifikation()
    {
        QFETCH(QStringList, zellen);
        QFETCH(QByteArray, gz);
        QFETCH(QString, richtige);
        QFETCH(QString, gewinn);
        TextTabelle tabelle(TippreihenSpalten, 2);
        for (int c = 1; c <= 6; ++c)
            tabelle.setzeZelle(c, 1, zellen[c - 1]);
        std::array<std::uint8_t, 5> zahlen{};
        for (std::size_t i = 0; i < 5; ++i)
            zahlen[i] = static_cast<std::uint8_t>(gz[qsizetype(i)]);
        zustand.Ziehungen = {ziehung(0, zahlen, static_cast<std::uint8_t>(gz[5]))};

        const Auswertungsergebnis e = GewinnAuswertung(zustand, TippreihenAusTabelle(tabelle), 1, 1, 0, 0, false);
        QCOMPARE(e.zeilen.size(), std::size_t{1});
        QCOMPARE(Ergebnistext(e, 0, 1), richtige);
        QCOMPARE(Ergebnistext(e, 0, 3), gewinn);
    }

    void ergebnisBehaeltSeineDaten()
    {
        // Another tab's evaluation replaces AuswZiehungen; an earlier result keeps showing its dates.
        const Auswertungsergebnis erstes = GewinnAuswertung(zustand, {reihe({1, 2, 3, 4, 5}, 1)}, 1, 1, 0, 0, false);
        GewinnAuswertung(zustand, {reihe({1, 2, 3, 4, 5}, 1)}, 1, 1, 2, 2, false);
        QCOMPARE(zustand.AuswZiehungen[0].SDatum, QStringLiteral("15.01.2024"));
        QCOMPARE(Ergebnistext(erstes, 0, 0), QStringLiteral("01.01.2024"));
        QCOMPARE(Ergebnistext(erstes, 1, 0), QString());
        QCOMPARE(Ergebnistext(erstes, 0, 5), QString());
        QCOMPARE(Ergebnistext(erstes, -1, 0), QString());
    }

    void stimmtMitSchlichterZaehlungUeberein()
    {
        // Random tickets against random draws, compared with a plain pair-by-pair evaluation.
        std::mt19937 zufall(4711U);
        const auto zahl = [&](int bis) {
            return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, bis)(zufall));
        };
        zustand.Ziehungen.clear();
        for (int w = 0; w < 40; ++w)
            zustand.Ziehungen.append(ziehung(w, {zahl(12), zahl(12), zahl(12), zahl(12), zahl(12)}, zahl(10)));
        QVector<Tippreihe> reihen;
        for (int r = 0; r < 70; ++r)
            reihen.append(reihe({zahl(12), zahl(12), zahl(12), zahl(12), zahl(12)}, zahl(10)));

        const Auswertungsergebnis e = GewinnAuswertung(zustand, reihen, 7, 2, 39, 0, true);
        QStringList erwartet;
        std::array<std::int64_t, 10> anzahl{};
        Betrag gesamt = 0, hoechster = 0;
        int position = 0;
        for (int d = 0; d < zustand.Ziehungen.size(); ++d) {
            const TGewZahlen &z = zustand.Ziehungen[d];
            const QString datum = Datum::kurz(z.datum, deutsch);
            bool erste = true;
            for (int r = 0; r < reihen.size(); ++r) {
                Zahlenmenge m;
                for (const std::uint8_t n : reihen[r].zahlen)
                    m.hinzu(n);
                const int k = KlasseFuer(m.gemeinsam(z.menge()), reihen[r].zusatzzahl == z.bonus);
                if (k == 0)
                    continue;
                const Gewinnklasse &g = Gewinnklassen[std::size_t(k - 1)];
                erwartet << QStringList{erste ? datum : QString(), g.Bezeichnung, QString::number(r + 1),
                                        BetragZuText(g.Gewinn, deutsch),
                                        BetragZuText(MeinAnteil(7, 2, g.Gewinn), deutsch)}
                                .join(QLatin1Char('|'));
                erste = false;
                ++anzahl[std::size_t(k - 1)];
                gesamt += g.Gewinn;
                if (g.Gewinn > hoechster) {
                    hoechster = g.Gewinn;
                    position = int(erwartet.size());
                }
            }
            if (erste)
                erwartet << datum + QStringLiteral("|---|---|---|");
        }
        QCOMPARE(zeilentexte(e), erwartet);
        QCOMPARE(e.klassenAnzahl, anzahl);
        QCOMPARE(e.gesamt, gesamt);
        QCOMPARE(e.hoechster, hoechster);
        QCOMPARE(e.hoechsterPosition, position);
        QCOMPARE(e.paare, 40 * 70);
    }

    void blockweiseWieDieListe_data()
    {
        QTest::addColumn<int>("reihen");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("ende");
        QTest::addColumn<bool>("bereich");
        QTest::newRow("many rows, some draws without a win") << 70 << 0 << 39 << true;
        QTest::newRow("two rows, mostly draws without a win") << 2 << 0 << 39 << true;
        QTest::newRow("one draw") << 70 << 30 << 12 << false;
        QTest::newRow("no rows") << 0 << 5 << 9 << true;
    }
    void blockweiseWieDieListe()
    {
        // The draws in blocks, one per draw in order, that make up the list GewinnAuswertung keeps;
        // the totals the same without the list.
        QFETCH(int, reihen);
        QFETCH(int, start);
        QFETCH(int, ende);
        QFETCH(bool, bereich);
        std::mt19937 zufall(815U);
        const auto zahl = [&](int von, int bis) {
            return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(von, bis)(zufall));
        };
        zustand.Ziehungen.clear();
        for (int w = 0; w < 40; ++w) {
            // Every fourth draw has numbers no row holds.
            const int von = w % 4 == 3 ? 40 : 1;
            const int bis = w % 4 == 3 ? 49 : 14;
            zustand.Ziehungen.append(ziehung(
                w, {zahl(von, bis), zahl(von, bis), zahl(von, bis), zahl(von, bis), zahl(von, bis)}, zahl(1, 10)));
        }
        QVector<Tippreihe> tipps;
        for (int r = 0; r < reihen; ++r)
            tipps.append(reihe({zahl(1, 14), zahl(1, 14), zahl(1, 14), zahl(1, 14), zahl(1, 14)}, zahl(1, 9)));

        const Auswertungsergebnis liste = GewinnAuswertung(zustand, tipps, 7, 2, ende, start, bereich);
        Mitschrift mitschrift;
        const Auswertungsergebnis e =
            GewinnAuswertungBlockweise(zustand, tipps, 7, 2, ende, start, bereich, mitschrift);
        QCOMPARE(e.status, Auswertungsstatus::Ok);
        QVERIFY(e.zeilen.empty());
        QCOMPARE(mitschrift.anfaenge, 1);
        QVERIFY(mitschrift.kopfVorBloecken);
        QCOMPARE(mitschrift.angekuendigt, liste.zeilen.size());
        QCOMPARE(qsizetype(mitschrift.bloecke.size()), liste.ziehungen.size());

        std::size_t i = 0;
        for (std::size_t d = 0; d < mitschrift.bloecke.size(); ++d) {
            const std::vector<Ergebniszeile> &block = mitschrift.bloecke[d];
            QVERIFY(!block.empty());
            QVERIFY(block.front().blockanfang);
            if (block.front().klasse == 0)
                QCOMPARE(block.size(), std::size_t{1});
            for (const Ergebniszeile &z : block) {
                QCOMPARE(z.ziehung, int(d));
                QVERIFY(i < liste.zeilen.size());
                QVERIFY2(gleich(z, liste.zeilen[i]), qPrintable(QStringLiteral("row %1").arg(i)));
                ++i;
            }
        }
        QCOMPARE(i, liste.zeilen.size());

        QCOMPARE(e.klassenAnzahl, liste.klassenAnzahl);
        QCOMPARE(e.paare, liste.paare);
        QCOMPARE(e.gesamt, liste.gesamt);
        QCOMPARE(e.gesamtAnteil, liste.gesamtAnteil);
        QCOMPARE(e.ruecklauf, liste.ruecklauf);
        QCOMPARE(e.erwarteterRuecklauf, liste.erwarteterRuecklauf);
        QCOMPARE(e.hoechster, liste.hoechster);
        QCOMPARE(e.hoechsterDatum, liste.hoechsterDatum);
        QCOMPARE(e.hoechsterPosition, liste.hoechsterPosition);
        // The highest win is found again without the list: its draw and its row.
        if (liste.hoechsterPosition == 0) {
            QCOMPARE(e.hoechsterZiehung, -1);
            QCOMPARE(e.hoechsterReihe, 0);
        } else {
            const Ergebniszeile &h = liste.zeilen[std::size_t(liste.hoechsterPosition - 1)];
            QCOMPARE(e.hoechsterZiehung, h.ziehung);
            QCOMPARE(e.hoechsterReihe, h.reihe);
        }
        QCOMPARE(e.gewinnTexte, liste.gewinnTexte);
        QCOMPARE(e.anteilTexte, liste.anteilTexte);
    }

    void blockweiseAbgelehnt()
    {
        // A refused period hands nothing on.
        Mitschrift mitschrift;
        const Auswertungsergebnis e =
            GewinnAuswertungBlockweise(zustand, {reihe({1, 2, 3, 4, 5}, 1)}, 1, 1, 0, 2, true, mitschrift);
        QCOMPARE(e.status, Auswertungsstatus::Zeitraum);
        QCOMPARE(mitschrift.anfaenge, 0);
        QVERIFY(mitschrift.bloecke.empty());
    }

    void meinAnteil_data()
    {
        QTest::addColumn<int>("gesamt");
        QTest::addColumn<int>("meine");
        QTest::addColumn<qint64>("betrag");
        QTest::addColumn<qint64>("anteil");
        QTest::newRow("one third of 0,50 is cut to 0,16") << 3 << 1 << qint64(5000) << qint64(1600);
        QTest::newRow("whole ticket") << 1 << 1 << qint64(20000000000) << qint64(20000000000);
        QTest::newRow("none of it") << 4 << 0 << qint64(60000) << qint64(0);
        QTest::newRow("total 0 counts as 1") << 0 << 1 << qint64(5000) << qint64(5000);
        QTest::newRow("own above total is held to the total") << 2 << 3 << qint64(5000) << qint64(5000);
        QTest::newRow("negative own shares") << 2 << -1 << qint64(5000) << qint64(0);
        QTest::newRow("fractions of a cent are dropped") << 1 << 1 << qint64(5099) << qint64(5000);
        // cents * own would overflow 64 bits: 92233720368547758 * 65534 / 65535, exactly.
        QTest::newRow("huge amount") << 65535 << 65534 << qint64(9223372036854775807) << qint64(9223231297218904000);
        QTest::newRow("negative amount") << 1 << 1 << qint64(-5000) << qint64(0);
    }
    void meinAnteil()
    {
        QFETCH(int, gesamt);
        QFETCH(int, meine);
        QFETCH(qint64, betrag);
        QFETCH(qint64, anteil);
        QCOMPARE(MeinAnteil(gesamt, meine, betrag), anteil);
    }

    void anteileImErgebnis()
    {
        // Total shares 0 and own shares above the total never give a share above the win.
        const Auswertungsergebnis e = GewinnAuswertung(zustand, {reihe({1, 2, 30, 31, 32}, 9)}, 0, 5, 0, 0, false);
        QCOMPARE(Ergebnistext(e, 0, 4), QStringLiteral("6,00"));
        QCOMPARE(e.gesamtAnteil, e.gesamt);
    }

    void ruecklauf_data()
    {
        QTest::addColumn<QVector<Tippreihe>>("reihen");
        QTest::addColumn<int>("ende");
        QTest::addColumn<float>("preis");
        QTest::addColumn<qint64>("wert");
        QTest::addColumn<QString>("text");
        const Tippreihe einTreffer = reihe({1, 20, 21, 22, 23}, 9); // 0,50 € in the first draw
        const Tippreihe nichts = reihe({30, 31, 32, 33, 34}, 9);
        QTest::newRow("a third") << QVector<Tippreihe>{einTreffer} << 2 << 2.0F << qint64(83333)
                                 << QStringLiteral("8,33 %");
        // 0,50 € on 32 pairs of 2,00 €: 0,78125 % is 7812.5 ten-thousandths, a half that goes to even.
        QVector<Tippreihe> zweiunddreissig(32, nichts);
        zweiunddreissig[0] = einTreffer;
        QTest::newRow("half to even") << zweiunddreissig << 0 << 2.0F << qint64(7812) << QStringLiteral("0,78 %");
        // 2.000,00 € on 2 pairs of 0,50 €: no thousands separator, as "%2.2f" prints it.
        QTest::newRow("large rate") << QVector<Tippreihe>{reihe({1, 2, 3, 4, 20}, 1), nichts} << 0 << 0.5F
                                    << qint64(2000000000) << QStringLiteral("200000,00 %");
    }
    void ruecklauf()
    {
        QFETCH(QVector<Tippreihe>, reihen);
        QFETCH(int, ende);
        QFETCH(float, preis);
        QFETCH(qint64, wert);
        QFETCH(QString, text);
        zustand.Reihenpreis = preis;
        const Auswertungsergebnis e = GewinnAuswertung(zustand, reihen, 1, 1, ende, 0, true);
        QCOMPARE(e.ruecklauf, wert);
        QCOMPARE(KennzahlenTexte(e, deutsch).ruecklauf, text);
    }

    void ruecklaufText_data()
    {
        QTest::addColumn<qint64>("wert");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << QStringLiteral("0,00 %");
        QTest::newRow("half") << qint64(500000) << QStringLiteral("50,00 %");
        QTest::newRow("down") << qint64(12345) << QStringLiteral("1,23 %");
        QTest::newRow("half away from zero") << qint64(12350) << QStringLiteral("1,24 %");
        QTest::newRow("no grouping") << qint64(12345678) << QStringLiteral("1234,57 %");
    }
    void ruecklaufText()
    {
        QFETCH(qint64, wert);
        QFETCH(QString, text);
        QCOMPARE(RuecklaufText(wert, deutsch), text);
    }
    // Tickets larger than the runs in which the evaluation counts the cases of its pairs, against
    // a plain count of every pair: each result row, the counts per class and the highest win.
    // "all rows the draw" puts every pair of a draw into one case, the most a counter can hold.
    void grosseScheineWieEinfacheZaehlung_data()
    {
        QTest::addColumn<int>("reihen");
        QTest::addColumn<bool>("gleicheReihen");
        for (const int n : {1022, 1023, 1024, 2047, 3001})
            QTest::newRow(qPrintable(QStringLiteral("%1 rows").arg(n))) << n << false;
        QTest::newRow("all rows the draw") << 2100 << true;
    }
    void grosseScheineWieEinfacheZaehlung()
    {
        QFETCH(int, reihen);
        QFETCH(bool, gleicheReihen);
        std::mt19937 zufall(static_cast<unsigned>(reihen));
        const auto zahl = [&](int von, int bis) {
            return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(von, bis)(zufall));
        };
        zustand.Ziehungen.clear();
        for (int w = 0; w < 6; ++w)
            zustand.Ziehungen.append(ziehung(w, {1, 2, 3, 4, 5}, 3));
        for (int w = 6; w < 12; ++w)
            zustand.Ziehungen.append(
                ziehung(w, {zahl(1, 12), zahl(1, 12), zahl(1, 12), zahl(1, 12), zahl(1, 12)}, zahl(1, 10)));
        QVector<Tippreihe> tipps;
        for (int r = 0; r < reihen; ++r)
            tipps.append(gleicheReihen ? reihe({1, 2, 3, 4, 5}, 3)
                                       : reihe({zahl(1, 12), zahl(1, 12), zahl(1, 12), zahl(1, 12), zahl(1, 12)},
                                               zahl(1, 10)));

        std::vector<Ergebniszeile> zeilen;
        std::array<std::int64_t, AnzahlGewinnklassen> klassen{};
        int hoechsteKlasse = AnzahlGewinnklassen + 1;
        int hoechstePosition = 0;
        for (int d = 0; d < zustand.Ziehungen.size(); ++d) {
            const TGewZahlen &z = zustand.Ziehungen[d];
            const std::size_t vorher = zeilen.size();
            for (int r = 0; r < reihen; ++r) {
                int treffer = 0;
                std::set<int> gezaehlt;
                for (const std::uint8_t n : tipps[r].zahlen)
                    if (gezaehlt.insert(n).second && std::find(z.GZ.begin(), z.GZ.end(), n) != z.GZ.end())
                        ++treffer;
                const int klasse = KlasseFuer(treffer, tipps[r].zusatzzahl == z.bonus);
                if (klasse == 0)
                    continue;
                zeilen.push_back({d, r + 1, std::uint8_t(klasse), zeilen.size() == vorher});
                ++klassen[std::size_t(klasse - 1)];
                if (klasse < hoechsteKlasse) {
                    hoechsteKlasse = klasse;
                    hoechstePosition = int(zeilen.size());
                }
            }
            if (zeilen.size() == vorher)
                zeilen.push_back({d, 0, 0, true});
        }

        const Auswertungsergebnis e =
            GewinnAuswertung(zustand, tipps, 1, 1, int(zustand.Ziehungen.size()) - 1, 0, true);
        QCOMPARE(e.zeilen.size(), zeilen.size());
        for (std::size_t i = 0; i < zeilen.size(); ++i)
            QVERIFY2(gleich(e.zeilen[i], zeilen[i]), qPrintable(QStringLiteral("row %1").arg(i)));
        QCOMPARE(e.klassenAnzahl, klassen);
        QCOMPARE(e.hoechsterPosition, hoechstePosition);
        if (gleicheReihen)
            QCOMPARE(e.klassenAnzahl[0], std::int64_t{6} * reihen);
    }
    // Rows read straight from a ticket file are the rows the grid gives: ScheinEinlesen, then
    // TippreihenAusTabelle and the share fields; the same message when the file can't be read.
    void tippreihenLesenWieUeberDasGitter_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        const auto satz = [](std::array<std::uint8_t, 6> wz, std::uint16_t ges, std::uint16_t meine) {
            TNormalSchein s;
            s.WZ = wz;
            s.AntGes = ges;
            s.Antmeine = meine;
            return s.alsBytes();
        };
        QTest::newRow("proper rows, shares 1 of 4")
            << satz({3, 12, 25, 38, 47, 7}, 4, 1) + satz({1, 2, 3, 4, 5, 10}, 4, 1);
        QTest::newRow("values outside the game")
            << satz({0, 50, 255, 49, 1, 0}, 2, 2) + satz({1, 1, 2, 3, 4, 11}, 9, 9);
        QTest::newRow("no total shares") << satz({3, 12, 25, 38, 47, 7}, 0, 0);
        QTest::newRow("more own shares than total") << satz({3, 12, 25, 38, 47, 7}, 3, 65535);
        QTest::newRow("a piece of a record at the end")
            << satz({3, 12, 25, 38, 47, 7}, 2, 1) + QByteArray("\x01\x02\x03", 3);
        QTest::newRow("empty file") << QByteArray();
    }
    void tippreihenLesenWieUeberDasGitter()
    {
        QFETCH(QByteArray, inhalt);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("schein.qtt"));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size());
        f.close();

        TextTabelle tabelle(TippreihenSpalten, 1);
        QString antGes = QStringLiteral("1"), antMeine = QStringLiteral("1");
        const QString fehler = ScheinEinlesen(tabelle, antGes, antMeine, datei, [](const QString &) { return 0; });
        const QVector<Tippreihe> erwartet = TippreihenAusTabelle(tabelle);
        const Scheinreihen gelesen = TippreihenLesen(datei);
        QCOMPARE(gelesen.fehler, fehler);
        QCOMPARE(gelesen.reihen.size(), erwartet.size());
        for (qsizetype r = 0; r < erwartet.size(); ++r) {
            QCOMPARE(gelesen.reihen[r].zahlen, erwartet[r].zahlen);
            QCOMPARE(gelesen.reihen[r].zusatzzahl, erwartet[r].zusatzzahl);
        }
        QCOMPARE(gelesen.antGes, AnteilAusText(antGes).value_or(1));
        QCOMPARE(gelesen.antMeine, AnteilAusText(antMeine).value_or(1));

        const Scheinreihen fehlt = TippreihenLesen(ordner.filePath(QStringLiteral("fehlt.qtt")));
        QCOMPARE(fehlt.fehler, ScheinEinlesen(tabelle, antGes, antMeine, ordner.filePath(QStringLiteral("fehlt.qtt")),
                                              [](const QString &) { return 0; }));
        QVERIFY(!fehlt.fehler.isEmpty() && fehlt.reihen.isEmpty());
        const Scheinreihen ordnerStattDatei = TippreihenLesen(ordner.path());
        QCOMPARE(ordnerStattDatei.fehler,
                 ScheinEinlesen(tabelle, antGes, antMeine, ordner.path(), [](const QString &) { return 0; }));
        QVERIFY(!ordnerStattDatei.fehler.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGewinnauswertung)
#include "tst_gewinnauswertung.moc"
