// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Datensperre.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

class TestDatensperre : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Programs share the folder; the command line writes only when it holds it alone.
    void geteiltUndAllein()
    {
        QTemporaryDir ordner;
        using A = Datensperre::Art;
        Datensperre programm1, programm2, befehlszeile;
        QVERIFY(programm1.nehmen(ordner.path(), A::Geteilt));
        QVERIFY(programm2.nehmen(ordner.path(), A::Geteilt));
        QVERIFY(!befehlszeile.nehmen(ordner.path(), A::Allein));
        QVERIFY(befehlszeile.fehler().isEmpty());
        programm1.freigeben();
        QVERIFY(!befehlszeile.nehmen(ordner.path(), A::Allein, 120));
        programm2.freigeben();
        QVERIFY(befehlszeile.nehmen(ordner.path(), A::Allein));
        // While the command line writes, a starting program waits for it.
        QVERIFY(!programm1.nehmen(ordner.path(), A::Geteilt));
        befehlszeile.freigeben();
        QVERIFY(programm1.nehmen(ordner.path(), A::Geteilt, 1000));
    }

    // A refused lock tells who holds it, and asking leaves no lock behind.
    void halter()
    {
        QTemporaryDir ordner;
        using A = Datensperre::Art;
        using H = Datensperre::Halter;
        Datensperre programm, import, zweiter;
        QVERIFY(programm.nehmen(ordner.path(), A::Geteilt));
        QVERIFY(!zweiter.nehmen(ordner.path(), A::Allein));
        QCOMPARE(zweiter.halter(), H::Programm);
        programm.freigeben();
        QVERIFY(import.nehmen(ordner.path(), A::Allein));
        QCOMPARE(import.halter(), H::Keiner);
        QVERIFY(!zweiter.nehmen(ordner.path(), A::Allein));
        QCOMPARE(zweiter.halter(), H::Befehlszeile);
        QVERIFY(!programm.nehmen(ordner.path(), A::Geteilt));
        QCOMPARE(programm.halter(), H::Befehlszeile);
        import.freigeben();
        QVERIFY(zweiter.nehmen(ordner.path(), A::Allein));
    }

    // A lock file removed or replaced after it was taken keeps nobody out any more; the holder
    // sees it before it writes.
    void ersetzteSperrdatei_data()
    {
        QTest::addColumn<int>("art");
        QTest::newRow("unveraendert") << 0;
        QTest::newRow("entfernt") << 1;
        QTest::newRow("ersetzt") << 2;
        QTest::newRow("neu geschrieben") << 3;
    }
    void ersetzteSperrdatei()
    {
        QFETCH(int, art);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(Datensperre::dateiname());
        Datensperre befehlszeile;
        QVERIFY(befehlszeile.nehmen(ordner.path(), Datensperre::Art::Allein));
        QVERIFY(befehlszeile.nochGueltig());
        if (art == 1)
            QVERIFY(QFile::remove(pfad));
        if (art == 2) {
            QFile neu(pfad + QStringLiteral(".neu"));
            QVERIFY(neu.open(QIODevice::WriteOnly));
            neu.close();
            QVERIFY(::rename(QFile::encodeName(neu.fileName()).constData(), QFile::encodeName(pfad).constData()) == 0);
        }
        if (art == 3) {
            QVERIFY(QFile::remove(pfad));
            QFile neu(pfad);
            QVERIFY(neu.open(QIODevice::WriteOnly));
        }
        QCOMPARE(befehlszeile.nochGueltig(), art == 0);
        // Whoever comes next locks the file that is there now.
        if (art != 0) {
            Datensperre naechste;
            QVERIFY(naechste.nehmen(ordner.path(), Datensperre::Art::Allein));
            QVERIFY(naechste.nochGueltig());
        }
    }

    // The lock ends with its holder, whatever happens to it.
    void endetMitDemHalter()
    {
        QTemporaryDir ordner;
        {
            Datensperre programm;
            QVERIFY(programm.nehmen(ordner.path(), Datensperre::Art::Geteilt));
        }
        Datensperre befehlszeile;
        QVERIFY(befehlszeile.nehmen(ordner.path(), Datensperre::Art::Allein));
    }

    void ordnerFehlt()
    {
        QTemporaryDir ordner;
        Datensperre sperre;
        QVERIFY(!sperre.nehmen(ordner.filePath(QStringLiteral("gibt es nicht")), Datensperre::Art::Allein, 1000));
        QVERIFY(!sperre.fehler().isEmpty());
        QVERIFY(!sperre.gehalten());
    }
};

QTEST_GUILESS_MAIN(TestDatensperre)
#include "tst_datensperre.moc"
