// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/Binomialkoeffizient.h"

#include <QtTest>

#include <limits>

namespace {
Ganzzahl128 aus(const char *ziffern)
{
    Ganzzahl128 wert = 0;
    for (const char *p = ziffern; *p; ++p)
        wert = wert * 10 + static_cast<Ganzzahl128>(*p - '0');
    return wert;
}
} // namespace

class TestBinomialkoeffizient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void werte_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("erwartet"); // exact decimal value
        QTest::newRow("49 over 5") << 49 << 5 << QStringLiteral("1906884");
        QTest::newRow("49 over 6") << 49 << 6 << QStringLiteral("13983816");
        QTest::newRow("10 over 10") << 10 << 10 << QStringLiteral("1");
        QTest::newRow("1 over 1") << 1 << 1 << QStringLiteral("1");
        QTest::newRow("44 over 0") << 44 << 0 << QStringLiteral("1");
        QTest::newRow("4 over 5") << 4 << 5 << QStringLiteral("0");
        QTest::newRow("0 over 0") << 0 << 0 << QStringLiteral("1");
        QTest::newRow("negative k") << 5 << -1 << QStringLiteral("0");
        QTest::newRow("negative n") << -3 << 2 << QStringLiteral("0");
        QTest::newRow("60 over 30") << 60 << 30 << QStringLiteral("118264581564861424");
        QTest::newRow("66 over 33, largest below 67") << 66 << 33 << QStringLiteral("7219428434016265740");
        QTest::newRow("67 over 33, beyond 64 bits") << 67 << 33 << QStringLiteral("14226520737620288370");
        QTest::newRow("99 over 49") << 99 << 49 << QStringLiteral("50445672272782096667406248628");
        QTest::newRow("huge n, small k") << 2000000000 << 2 << QStringLiteral("1999999999000000000");
    }
    void werte()
    {
        QFETCH(int, n);
        QFETCH(int, k);
        QFETCH(QString, erwartet);
        const Ganzzahl128 exakt = aus(erwartet.toLatin1().constData());
        const std::optional<Ganzzahl128> wert = BinomialkoeffizientExakt(n, k);
        QVERIFY(wert.has_value());
        QVERIFY(*wert == exakt);
        constexpr auto groesste = std::numeric_limits<std::int64_t>::max();
        const std::int64_t erwartet64 =
            exakt > static_cast<Ganzzahl128>(groesste) ? groesste : static_cast<std::int64_t>(exakt);
        QCOMPARE(Binomialkoeffizient(n, k), erwartet64);
    }

    // Every value the calculator can be asked for, against Pascal's rule.
    void exaktBisNeunundneunzig()
    {
        for (int n = 1; n <= 99; ++n) {
            for (int k = 1; k <= n; ++k) {
                const auto oben = BinomialkoeffizientExakt(n, k);
                const auto links = BinomialkoeffizientExakt(n - 1, k - 1);
                const auto rechts = BinomialkoeffizientExakt(n - 1, k);
                QVERIFY(oben && links && rechts);
                QVERIFY2(*oben == *links + *rechts, qPrintable(QStringLiteral("%1 over %2").arg(n).arg(k)));
                if (*oben <= static_cast<Ganzzahl128>(std::numeric_limits<std::int64_t>::max()))
                    QVERIFY(static_cast<Ganzzahl128>(Binomialkoeffizient(n, k)) == *oben);
            }
        }
    }

    void zuGrossFuer128Bit()
    {
        QVERIFY(!BinomialkoeffizientExakt(1000, 500).has_value());
        QCOMPARE(Binomialkoeffizient(1000, 500), std::numeric_limits<std::int64_t>::max());
    }

    void tausendertrenner_data()
    {
        QTest::addColumn<QString>("zahl");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        const QLocale de(QLocale::German, QLocale::Germany);
        QLocale ohne = de;
        ohne.setNumberOptions(QLocale::OmitGroupSeparator);
        QTest::newRow("0") << QStringLiteral("0") << de << QStringLiteral("0");
        QTest::newRow("999") << QStringLiteral("999") << de << QStringLiteral("999");
        QTest::newRow("1000") << QStringLiteral("1000") << de << QStringLiteral("1.000");
        QTest::newRow("49 over 5") << QStringLiteral("1906884") << de << QStringLiteral("1.906.884");
        QTest::newRow("english") << QStringLiteral("1906884") << QLocale(QLocale::English, QLocale::UnitedStates)
                                 << QStringLiteral("1,906,884");
        QTest::newRow("swiss") << QStringLiteral("1906884") << QLocale(QLocale::German, QLocale::Switzerland)
                               << QStringLiteral("1\u2019906\u2019884");
        QTest::newRow("no separator wanted") << QStringLiteral("1906884") << ohne << QStringLiteral("1906884");
        QTest::newRow("99 over 49") << QStringLiteral("50445672272782096667406248628") << de
                                    << QStringLiteral("50.445.672.272.782.096.667.406.248.628");
    }
    void tausendertrenner()
    {
        QFETCH(QString, zahl);
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QCOMPARE(MitTausendern(aus(zahl.toLatin1().constData()), locale), text);
    }
};

QTEST_GUILESS_MAIN(TestBinomialkoeffizient)
#include "tst_binomialkoeffizient.moc"
