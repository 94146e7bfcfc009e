// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "model/Einstellungen.h"
#include "model/Starteinstellungen.h"

#include <QTemporaryDir>
#include <QtTest>

class TestStarteinstellungen : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;

private Q_SLOTS:
    void gemerkteDateien_data()
    {
        QTest::addColumn<QByteArray>("abschnitt");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QStringList>("pfade");
        QTest::addColumn<int>("ausgelassen");
        QTest::newRow("all there") << QByteArray("Dateienanzahl=2\nDatei1=a\nDatei2=b\n") << 2
                                   << QStringList{QStringLiteral("a"), QStringLiteral("b")} << 0;
        QTest::newRow("huge count, no keys") << QByteArray("Dateienanzahl=2147483647\n") << 2147483647 << QStringList() << 0;
        QTest::newRow("huge count, one key") << QByteArray("Dateienanzahl=2147483647\nDatei1=a\n") << 2147483647
                                             << QStringList{QStringLiteral("a")} << 0;
        QTest::newRow("gap and empty key") << QByteArray("Dateienanzahl=4\nDatei1=a\nDatei3=\nDatei4=d\n") << 4
                                           << QStringList{QStringLiteral("a"), QStringLiteral("d")} << 0;
        QTest::newRow("keys beyond the count") << QByteArray("Dateienanzahl=1\nDatei1=a\nDatei2=b\n") << 1
                                               << QStringList{QStringLiteral("a")} << 0;
        QTest::newRow("negative count") << QByteArray("Dateienanzahl=-1\nDatei1=a\n") << -1 << QStringList() << 0;
        QTest::newRow("count not a number") << QByteArray("Dateienanzahl=zwei\nDatei1=a\n") << 0 << QStringList() << 0;
        QTest::newRow("keys as a single read finds them")
            << QByteArray("dateienanzahl=3\nDatei01=x\nDatei+2=y\n DATEI2 = b \nDatei2=nicht\nDatei3=c\n") << 3
            << QStringList{QStringLiteral("b"), QStringLiteral("c")} << 0;
        QTest::newRow("the largest count with its key: no counting up to it")
            << QByteArray("Dateienanzahl=2147483647\nDatei2147483647=z\n") << 2147483647
            << QStringList{QStringLiteral("z")} << 0;
        QByteArray viele = "Dateienanzahl=3000\n";
        QStringList hundert;
        for (int i = 3000; i >= 1; --i) // in any order, the numbers decide
            viele += "Datei" + QByteArray::number(i) + "=p" + QByteArray::number(i) + "\n";
        for (int i = 1; i <= 100; ++i)
            hundert << QStringLiteral("p%1").arg(i);
        QTest::newRow("3000 remembered: the first 100") << viele << 3000 << hundert << 2900;
    }
    void gemerkteDateien()
    {
        QFETCH(int, ausgelassen);
        QFETCH(QByteArray, abschnitt);
        QFETCH(int, anzahl);
        QFETCH(QStringList, pfade);
        const QString datei = ordner.filePath(QStringLiteral("Einstellungen.ini"));
        QVERIFY(schreibe(datei, "[Abrechnung]\nDatei1=fremd\n[Spielscheine]\nMerken=1\n" + abschnitt + "[Zufall]\nDatei9=z\n"));
        const GemerkteScheine gemerkt = GemerkteDateien(Einstellungen(datei));
        QCOMPARE(gemerkt.anzahl, anzahl);
        QCOMPARE(gemerkt.pfade, pfade);
        QCOMPARE(gemerkt.ausgelassen, ausgelassen);
    }

    // No more files are remembered than the start opens.
    void hoechstensHundert()
    {
        const QString datei = ordner.filePath(QStringLiteral("Merken.ini"));
        QVERIFY(schreibe(datei, "[Spielscheine]\nMerken=1\n[Zufall]\nAnzahl=3\n"));
        QStringList dateien;
        for (int i = 1; i <= 150; ++i)
            dateien << QStringLiteral("/scheine/s%1.qtt").arg(i);
        Einstellungen e(datei);
        QVERIFY(DateienMerken(e, dateien));
        QCOMPARE(e.LeseZahl(QStringLiteral("Spielscheine"), QStringLiteral("Dateienanzahl"), 0), MaxGemerkteDateien);
        const GemerkteScheine gemerkt = GemerkteDateien(e);
        QCOMPARE(gemerkt.pfade, dateien.mid(0, MaxGemerkteDateien));
        QCOMPARE(gemerkt.ausgelassen, 0);
        QCOMPARE(e.LeseText(QStringLiteral("Spielscheine"), QStringLiteral("Datei101"), QStringLiteral("keine")),
                 QStringLiteral("keine"));
        QCOMPARE(e.LeseZahl(QStringLiteral("Zufall"), QStringLiteral("Anzahl"), 0), 3);
    }
};

QTEST_GUILESS_MAIN(TestStarteinstellungen)
#include "tst_starteinstellungen.moc"
