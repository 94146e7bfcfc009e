// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"

#include "model/Beispieldaten.h"
#include "model/Datum.h"
#include "model/DemoTippschein.h"
#include "model/Spiel.h"
#include "model/Ziehungsdatei.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestBeispieldaten : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zehnJahreWoechentlich_data()
    {
        QTest::addColumn<QDate>("letzter");
        QTest::newRow("a Monday") << QDate(2025, 3, 3);
        QTest::newRow("leap day, ten years back to 28 February") << QDate(2024, 2, 29);
    }
    void zehnJahreWoechentlich()
    {
        QFETCH(QDate, letzter);
        const QVector<TGewZahlen> h = Beispielhistorie(letzter);
        QVERIFY(h.size() >= 521 && h.size() <= 522);
        QCOMPARE(Datum::zuDatum(h.constLast().datum), letzter);
        QVERIFY(Datum::zuDatum(h.constFirst().datum) > letzter.addYears(-10));
        QVERIFY(Datum::zuDatum(h.constFirst().datum).addDays(-7) <= letzter.addYears(-10));
        std::array<int, MaxZahl + 1> haeufigkeit{};
        for (int i = 0; i < h.size(); ++i) {
            QVERIFY2(h[i].gueltig(), qPrintable(QString::number(i)));
            QVERIFY(std::is_sorted(h[i].GZ.begin(), h[i].GZ.end()));
            if (i > 0)
                QCOMPARE(h[i].datum - h[i - 1].datum, 7.0);
            for (std::uint8_t n : h[i].GZ)
                ++haeufigkeit[n];
        }
        // Spread over all numbers, as real draws are: every number drawn, none far too often.
        const auto [wenigste, meiste] = std::minmax_element(haeufigkeit.begin() + 1, haeufigkeit.end());
        QVERIFY(*wenigste > 20 && *meiste < 90);
        // A fixed seed: the same history every time.
        QCOMPARE(Beispielhistorie(letzter), h);
    }

    void anlegenSchreibtHistorieUndSchein()
    {
        QTemporaryDir tmp;
        const QString ordner = tmp.filePath(QStringLiteral("Beispiel/Daten"));
        // 12 March 2025 is a Wednesday: the latest draw day is Monday the 10th.
        QCOMPARE(BeispieldatenAnlegen(ordner, QDate(2025, 3, 12)), QString());
        const Ladeergebnis e = GZEinlesen(QDir(ordner).filePath(Dateinamen::Gewinnreihen));
        QCOMPARE(e.status, Ladestatus::Geladen);
        QCOMPARE(Datum::zuDatum(e.ziehungen.constLast().datum), QDate(2025, 3, 10));
        QCOMPARE(inhalt(QDir(ordner).filePath(Dateinamen::DemoTippschein)), DemoTippschein());

        // A later start brings the history up to its own latest draw day.
        QCOMPARE(BeispieldatenAnlegen(ordner, QDate(2025, 3, 18)), QString());
        const Ladeergebnis spaeter = GZEinlesen(QDir(ordner).filePath(Dateinamen::Gewinnreihen));
        QCOMPARE(Datum::zuDatum(spaeter.ziehungen.constLast().datum), QDate(2025, 3, 17));
    }

    void ordnerNichtAnlegbar()
    {
        QTemporaryDir tmp;
        // A file stands where the folder should be.
        QVERIFY(schreibe(tmp.filePath(QStringLiteral("Beispiel")), "x"));
        const QString fehler = BeispieldatenAnlegen(tmp.filePath(QStringLiteral("Beispiel/Daten")), QDate(2025, 3, 12));
        QVERIFY(fehler.startsWith(QStringLiteral("Der Ordner der Beispieldaten")));
    }
};

QTEST_GUILESS_MAIN(TestBeispieldaten)
#include "tst_beispieldaten.moc"
