// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "syndicate/Aufteilung.h"
#include "syndicate/Cent.h"

#include <QtTest>

#include <random>

namespace {
const QLocale deutsch(QLocale::German, QLocale::Germany);

std::vector<Teilhaber> tabelle(std::initializer_list<std::tuple<int, const char *, const char *>> zeilen)
{
    std::vector<Teilhaber> t;
    for (const auto &[anteile, eintritt, name] : zeilen)
        t.push_back({anteile, QDate::fromString(QString::fromUtf8(eintritt), Qt::ISODate), QString::fromUtf8(name)});
    return t;
}
} // namespace

class TestAufteilung : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // 10,000 random amounts over random share tables: the parts add up exactly, none lies a cent
    // or more away from its exact fraction, and the extra cents went to the largest remainders.
    void eigenschaften()
    {
        std::mt19937_64 zufall(20261211);
        for (int lauf = 0; lauf < 10000; ++lauf) {
            const int mitglieder = std::uniform_int_distribution<int>(1, 60)(zufall);
            std::vector<Teilhaber> t;
            qint64 summe = 0;
            for (int i = 0; i < mitglieder; ++i) {
                const int anteile = std::uniform_int_distribution<int>(1, lauf % 3 == 0 ? 3 : 1000)(zufall);
                summe += anteile;
                t.push_back({anteile, QDate(2020, 1, 1).addDays(std::uniform_int_distribution<int>(0, 5)(zufall)),
                             QStringLiteral("M%1").arg(i)});
            }
            // Small amounts (fewer cents than members) as often as large ones, up to a jackpot.
            const Cent betrag = lauf % 2 ? std::uniform_int_distribution<Cent>(0, 200)(zufall)
                                         : std::uniform_int_distribution<Cent>(0, Cent{400'000'000'000})(zufall);
            const std::vector<Cent> teile = Aufteilen(betrag, t);
            QCOMPARE(teile.size(), t.size());
            Cent gesamt = 0;
            for (std::size_t i = 0; i < t.size(); ++i) {
                gesamt += teile[i];
                // |part × total − amount × shares| < total, in exact integers.
                const long double exakt = static_cast<long double>(betrag) * t[i].anteile / summe;
                QVERIFY2(std::fabs(static_cast<long double>(teile[i]) - exakt) < 1.0L,
                         qPrintable(QStringLiteral("Lauf %1, Teil %2").arg(lauf).arg(i)));
            }
            QCOMPARE(gesamt, betrag);
            // Whoever got the extra cent had a remainder at least as large as anyone without one.
            __extension__ typedef __int128 Breit;
            Breit kleinsterMit = -1, groessterOhne = -1;
            for (std::size_t i = 0; i < t.size(); ++i) {
                const Breit produkt = static_cast<Breit>(betrag) * t[i].anteile;
                const Breit rest = produkt % summe;
                const bool extra = static_cast<Breit>(teile[i]) * summe > produkt;
                if (extra)
                    kleinsterMit = kleinsterMit < 0 ? rest : std::min(kleinsterMit, rest);
                else
                    groessterOhne = std::max(groessterOhne, rest);
            }
            if (kleinsterMit >= 0)
                QVERIFY(kleinsterMit >= groessterOhne);
        }
    }

    void regeln_data()
    {
        QTest::addColumn<qint64>("betrag");
        QTest::addColumn<int>("fall");
        QTest::addColumn<QList<qint64>>("erwartet");
        // Equal remainders: the one who joined first gets the cent, then by name.
        QTest::newRow("1 cent, earliest joining wins") << qint64(1) << 0 << QList<qint64>{0, 1, 0};
        QTest::newRow("2 cents, then by name") << qint64(2) << 0 << QList<qint64>{1, 1, 0};
        QTest::newRow("100 cents over 3 equal") << qint64(100) << 0 << QList<qint64>{33, 34, 33};
        QTest::newRow("largest remainder first") << qint64(10) << 1 << QList<qint64>{1, 3, 6};
        QTest::newRow("names by code points") << qint64(1) << 2 << QList<qint64>{0, 1};
        QTest::newRow("nothing to split") << qint64(0) << 0 << QList<qint64>{0, 0, 0};
    }
    void regeln()
    {
        QFETCH(qint64, betrag);
        QFETCH(int, fall);
        QFETCH(QList<qint64>, erwartet);
        const std::vector<Teilhaber> t =
            fall == 0 ? tabelle({{1, "2024-02-01", "Anna"}, {1, "2024-01-01", "Zoe"}, {1, "2024-02-01", "Bert"}})
            : fall == 1
                ? tabelle({{1, "2024-01-01", "A"}, {3, "2024-01-01", "B"}, {5, "2024-01-01", "C"}}) // 10/9: 1.1, 3.3, 5.5
                // U+FF21 sorts before U+1F600 in code points, after it in UTF-16 units.
                : tabelle({{1, "2024-01-01", "\xF0\x9F\x98\x80"}, {1, "2024-01-01", "\xEF\xBC\xA1"}});
        const std::vector<Cent> teile = Aufteilen(betrag, t);
        QCOMPARE(QList<qint64>(teile.begin(), teile.end()), erwartet);
    }

    void niemand()
    {
        QVERIFY(Aufteilen(100, {}).empty());
    }

    void betragLesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("cent"); // -1: refused
        QTest::newRow("comma") << QStringLiteral("12,50") << qint64(1250);
        QTest::newRow("point") << QStringLiteral("12.50") << qint64(1250);
        QTest::newRow("whole") << QStringLiteral("12") << qint64(1200);
        QTest::newRow("one decimal") << QStringLiteral("0,5") << qint64(50);
        QTest::newRow("blanks around") << QStringLiteral(" 3,07 ") << qint64(307);
        QTest::newRow("zero") << QStringLiteral("0") << qint64(-1);
        QTest::newRow("zero cents") << QStringLiteral("0,00") << qint64(-1);
        QTest::newRow("negative") << QStringLiteral("-5") << qint64(-1);
        QTest::newRow("three decimals") << QStringLiteral("1,005") << qint64(-1);
        QTest::newRow("thousands separator") << QStringLiteral("1.234,50") << qint64(-1);
        QTest::newRow("separator alone at end") << QStringLiteral("12,") << qint64(-1);
        QTest::newRow("no euros") << QStringLiteral(",50") << qint64(-1);
        QTest::newRow("letters") << QStringLiteral("12 €") << qint64(-1);
        QTest::newRow("exponent") << QStringLiteral("1e3") << qint64(-1);
        QTest::newRow("empty") << QString() << qint64(-1);
        QTest::newRow("beyond a billion") << QStringLiteral("1000000000,01") << qint64(-1);
        QTest::newRow("a billion") << QStringLiteral("1000000000") << qint64(100000000000);
    }
    void betragLesen()
    {
        QFETCH(QString, text);
        QFETCH(qint64, cent);
        const std::optional<Cent> gelesen = CentAusText(text);
        QCOMPARE(gelesen.value_or(-1), cent);
    }

    void reihenpreis_data()
    {
        QTest::addColumn<float>("preis");
        QTest::addColumn<qint64>("cent");
        QTest::newRow("2,00") << 2.0F << qint64(200);
        QTest::newRow("1,15 (float below)") << 1.15F << qint64(115);
        QTest::newRow("1,005 half up") << 1.005F << qint64(101);
        QTest::newRow("1,004") << 1.004F << qint64(100);
        QTest::newRow("0,125 half up") << 0.125F << qint64(13);
        QTest::newRow("zero") << 0.0F << qint64(0);
    }
    void reihenpreis()
    {
        QFETCH(float, preis);
        QFETCH(qint64, cent);
        QCOMPARE(ReihenpreisInCent(preis), cent);
    }

    void text()
    {
        QCOMPARE(CentText(123456, deutsch), QStringLiteral("1.234,56"));
        QCOMPARE(CentText(-5, deutsch), QStringLiteral("-0,05"));
        QCOMPARE(CentWaehrung(200, deutsch), QStringLiteral("2,00\u00A0\u20AC"));
    }
};

QTEST_GUILESS_MAIN(TestAufteilung)
#include "tst_aufteilung.moc"
