// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation/Gewinnbericht.h"

#include <QtTest>

namespace {
const QLocale deutsch(QLocale::German, QLocale::Germany);

// Every line of a section as "caption value", and every table row as cells joined by '|'.
QStringList zeilen(const Berichtsabschnitt &a)
{
    QStringList z;
    for (const auto &[beschriftung, wert] : a.angaben)
        z << beschriftung + QLatin1Char(' ') + wert;
    for (int r = 0; r < a.tabelle.zeilen; ++r) {
        QStringList zellen;
        for (int c = 0; c < a.tabelle.kopf.size(); ++c)
            zellen << a.tabelle.zelle(r, c);
        z << zellen.join(QLatin1Char('|'));
    }
    return z;
}

const Berichtsabschnitt &abschnitt(const Gewinnbericht &b, const QString &ueberschrift)
{
    for (const Berichtsabschnitt &a : b.abschnitte)
        if (a.ueberschrift == ueberschrift)
            return a;
    static const Berichtsabschnitt keiner;
    return keiner;
}
} // namespace

class TestGewinnbericht : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aufteilung_data()
    {
        QTest::addColumn<qint64>("gesamt");
        QTest::addColumn<int>("anteile");
        QTest::addColumn<qint64>("jeAnteil");
        QTest::addColumn<int>("mitRestcent");
        // 10,00 € for 3 shares: 3,34 + 3,33 + 3,33.
        QTest::newRow("Rest") << qint64{100000} << 3 << qint64{33300} << 1;
        QTest::newRow("glatt") << qint64{120000} << 4 << qint64{30000} << 0;
        // 0,50 € for 7 shares: 0,08 for the first, 0,07 for the other six.
        QTest::newRow("wenig") << qint64{5000} << 7 << qint64{700} << 1;
        QTest::newRow("nichts") << qint64{0} << 5 << qint64{0} << 0;
        QTest::newRow("allein") << qint64{20000000000} << 1 << qint64{20000000000} << 0;
        QTest::newRow("ohne Anteile") << qint64{5000} << 0 << qint64{5000} << 0;
    }
    void aufteilung()
    {
        QFETCH(qint64, gesamt);
        QFETCH(int, anteile);
        QFETCH(qint64, jeAnteil);
        QFETCH(int, mitRestcent);
        const Anteilsaufteilung a = AnteileAufteilen(gesamt, anteile);
        QCOMPARE(a.jeAnteil, jeAnteil);
        QCOMPARE(a.mitRestcent, mitRestcent);
        // The parts always add up to the total.
        QCOMPARE(a.jeAnteil * std::max(anteile, 1) + a.mitRestcent * 100, gesamt);
    }

    // Two rows, three draws: row 2 wins class 8 (2 hits) in the first draw, row 1 class 3
    // (4 hits + ZZ) in the third; 3 shares, 1 of them mine.
    void inhalt()
    {
        Zustand zustand;
        zustand.Formateinstellungen = deutsch;
        const auto ziehung = [](int woche, std::array<std::uint8_t, 5> zahlen, std::uint8_t zz) {
            TGewZahlen z;
            z.datum = 45292.0 + 7 * woche;
            z.GZ = zahlen;
            z.bonus = zz;
            return z;
        };
        zustand.Ziehungen = {ziehung(0, {20, 21, 30, 31, 32}, 9), ziehung(1, {40, 41, 42, 43, 44}, 9),
                             ziehung(2, {1, 2, 3, 4, 45}, 7)};
        const QVector<Tippreihe> reihen{{{1, 2, 3, 4, 5}, 7}, {{20, 21, 22, 23, 24}, 1}};
        const Auswertungsergebnis e = GewinnAuswertung(zustand, reihen, 3, 1, 2, 0, true);
        QCOMPARE(e.status, Auswertungsstatus::Ok);

        const Gewinnbericht b = GewinnberichtErstellen(e, QStringLiteral("Runde.qtt"), QDate(2024, 2, 3), deutsch);
        QCOMPARE(b.titel, QStringLiteral("Gewinnbericht"));
        QVERIFY(b.fusszeile.contains(QStringLiteral("Quintaro Analyser")));
        QVERIFY(b.fusszeile.contains(QStringLiteral("03.02.2024")));
        const QStringList kopf = zeilen(b.abschnitte.constFirst());
        QVERIFY(kopf.contains(QStringLiteral("Tippschein: Runde.qtt")));
        QVERIFY(kopf.contains(QStringLiteral("Zeitraum: 01.01.2024 bis 15.01.2024")));
        QVERIFY(kopf.contains(QStringLiteral("Tippreihen: 2")));
        QVERIFY(kopf.contains(QStringLiteral("Einsatz: 12,00\u00A0\u20AC (6 \u00D7 2,00\u00A0\u20AC)")));
        QVERIFY(kopf.contains(QStringLiteral("Bericht erstellt am: 03.02.2024")));

        // Only the wins, each with its date; one share of a third: 6,00 → 2,00 and 2.000,00 → 666,66.
        QCOMPARE(zeilen(abschnitt(b, QStringLiteral("Gewinne"))),
                 QStringList({QStringLiteral("01.01.2024|8|2|2|6,00|2,00"),
                              QStringLiteral("15.01.2024|3|4 + ZZ|1|2.000,00|666,66")}));
        const QStringList klassen = zeilen(abschnitt(b, QStringLiteral("Gewinnklassen")));
        QCOMPARE(klassen.size(), 11);
        QCOMPARE(klassen[2], QStringLiteral("3|4 + ZZ|2.000,00|1|2.000,00"));
        QCOMPARE(klassen[7], QStringLiteral("8|2|6,00|1|6,00"));
        QCOMPARE(klassen[0], QStringLiteral("1|5 + ZZ|2.000.000,00|-|-"));
        QCOMPARE(klassen[10], QStringLiteral("Gesamt|||2|2.006,00"));

        const QStringList ergebnis = zeilen(abschnitt(b, QStringLiteral("Ergebnis")));
        QVERIFY(ergebnis.contains(QStringLiteral("Gesamtgewinn: 2.006,00\u00A0\u20AC")));
        QVERIFY(ergebnis.contains(QStringLiteral("Höchstgewinn: 2.000,00\u00A0\u20AC am 15.01.2024")));
        // 2.006,00 / 12,00 = 16716,67 %.
        QVERIFY(ergebnis.contains(QStringLiteral("Rücklaufquote: 16716,67 %")));
        QVERIFY(ergebnis.contains(QStringLiteral("erwartete Rücklaufquote: 52,10 %")));

        // 200.600 cents for 3 shares: 66.866 each and 2 left over, so 668,67 for the first two and
        // 668,66 for the third; mine is floor(200.600 / 3) cents.
        const Berichtsabschnitt &aufteilung = abschnitt(b, QStringLiteral("Aufteilung auf die Anteile"));
        QCOMPARE(zeilen(aufteilung), QStringList({QStringLiteral("Spielschein-Anteile: 3"),
                                                  QStringLiteral("Gewinn je Anteil: 668,66\u00A0\u20AC"),
                                                  QStringLiteral("Anteil 1 bis 2: je 668,67\u00A0\u20AC"),
                                                  QStringLiteral("Anteil 3: je 668,66\u00A0\u20AC"),
                                                  QStringLiteral("Ihr Anteil (1 von 3): 668,66\u00A0\u20AC")}));
        QVERIFY(
            aufteilung.hinweis.contains(QStringLiteral("die übrigen 2 Cent gehen je einer an die ersten 2 Anteile")));
    }

    void ohneGewinn()
    {
        Zustand zustand;
        zustand.Formateinstellungen = deutsch;
        TGewZahlen z;
        z.datum = 45292.0;
        z.GZ = {40, 41, 42, 43, 44};
        z.bonus = 1;
        zustand.Ziehungen = {z};
        const Auswertungsergebnis e = GewinnAuswertung(zustand, {{{1, 2, 3, 4, 5}, 7}}, 1, 1, 0, 0, false);
        const Gewinnbericht b = GewinnberichtErstellen(e, QStringLiteral("a.qtt"), QDate(2024, 2, 3), deutsch);
        const Berichtsabschnitt &gewinne = abschnitt(b, QStringLiteral("Gewinne"));
        QCOMPARE(gewinne.tabelle.zeilen, 0);
        QVERIFY(!gewinne.hinweis.isEmpty());
        QVERIFY(zeilen(b.abschnitte.constFirst()).contains(QStringLiteral("Zeitraum: 01.01.2024")));
        QVERIFY(zeilen(abschnitt(b, QStringLiteral("Ergebnis"))).contains(QStringLiteral("Höchstgewinn: -")));
    }
};

QTEST_GUILESS_MAIN(TestGewinnbericht)
#include "tst_gewinnbericht.moc"
