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
        QTest::newRow("all there") << QByteArray("Dateienanzahl=2\nDatei1=a\nDatei2=b\n") << 2
                                   << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("huge count, no keys") << QByteArray("Dateienanzahl=2147483647\n") << 2147483647 << QStringList();
        QTest::newRow("huge count, one key") << QByteArray("Dateienanzahl=2147483647\nDatei1=a\n") << 2147483647
                                             << QStringList{QStringLiteral("a")};
        QTest::newRow("gap and empty key") << QByteArray("Dateienanzahl=4\nDatei1=a\nDatei3=\nDatei4=d\n") << 4
                                           << QStringList{QStringLiteral("a"), QStringLiteral("d")};
        QTest::newRow("keys beyond the count") << QByteArray("Dateienanzahl=1\nDatei1=a\nDatei2=b\n") << 1
                                               << QStringList{QStringLiteral("a")};
        QTest::newRow("negative count") << QByteArray("Dateienanzahl=-1\nDatei1=a\n") << -1 << QStringList();
        QTest::newRow("count not a number") << QByteArray("Dateienanzahl=zwei\nDatei1=a\n") << 0 << QStringList();
        QTest::newRow("keys as a single read finds them")
            << QByteArray("dateienanzahl=3\nDatei01=x\nDatei+2=y\n DATEI2 = b \nDatei2=nicht\nDatei3=c\n") << 3
            << QStringList{QStringLiteral("b"), QStringLiteral("c")};
    }
    void gemerkteDateien()
    {
        QFETCH(QByteArray, abschnitt);
        QFETCH(int, anzahl);
        QFETCH(QStringList, pfade);
        const QString datei = ordner.filePath(QStringLiteral("Einstellungen.ini"));
        QVERIFY(schreibe(datei, "[Abrechnung]\nDatei1=fremd\n[Spielscheine]\nMerken=1\n" + abschnitt + "[Zufall]\nDatei9=z\n"));
        const GemerkteScheine gemerkt = GemerkteDateien(Einstellungen(datei));
        QCOMPARE(gemerkt.anzahl, anzahl);
        QCOMPARE(gemerkt.pfade, pfade);
    }
};

QTEST_GUILESS_MAIN(TestStarteinstellungen)
#include "tst_starteinstellungen.moc"
