#include "model/Datensperre.h"

#include <QTemporaryDir>
#include <QtTest>

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
