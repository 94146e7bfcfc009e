#include "Dateien.h"
#include "model/Einstellungen.h"

#include <QTemporaryDir>
#include <QtTest>

class TestEinstellungen : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;
    QString datei() const { return ordner.filePath(QStringLiteral("Einstellungen.ini")); }

private Q_SLOTS:
    void init() { QFile::remove(datei()); }

    void ohneDateiGeltenVorgaben()
    {
        Einstellungen e(datei());
        QVERIFY(!e.EinstellungenDa());
        QCOMPARE(e.LeseText(QStringLiteral("Zufall"), QStringLiteral("Anzahl"), QStringLiteral("12")), QStringLiteral("12"));
        QCOMPARE(e.LeseZahl(QStringLiteral("Eingabe"), QStringLiteral("Fontsize"), 10), 10);
        QVERIFY(e.LeseFlag(QStringLiteral("Eingabe"), QStringLiteral("overwrite2"), true));
        QVERIFY(!QFile::exists(datei())); // reading creates nothing
    }

    void lesenNachArt_data()
    {
        QTest::addColumn<QString>("gespeichert");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<int>("zahl");
        QTest::newRow("1") << QStringLiteral("1") << true << 1;
        QTest::newRow("5 is true") << QStringLiteral("5") << true << 5;
        QTest::newRow("0") << QStringLiteral("0") << false << 0;
        QTest::newRow("ja is the default") << QStringLiteral("ja") << false << 7;
        QTest::newRow("negative") << QStringLiteral("-3") << true << -3;
        QTest::newRow("empty is the default") << QString() << false << 7;
        QTest::newRow("digits then text") << QStringLiteral("12abc") << false << 7;
    }
    void lesenNachArt()
    {
        QFETCH(QString, gespeichert);
        QFETCH(bool, flag);
        QFETCH(int, zahl);
        schreibe(datei(), "[Spielscheine]\nMerken=" + gespeichert.toUtf8() + "\n");
        Einstellungen e(datei());
        QCOMPARE(e.LeseFlag(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), false), flag);
        QCOMPARE(e.LeseZahl(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), 7), zahl);
        QCOMPARE(e.LeseText(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), QStringLiteral("x")), gespeichert);
    }

    void beispielDateiWirdGeschrieben()
    {
        Einstellungen e(datei());
        QVERIFY(e.SchreibeText(QStringLiteral("Abrechnung"), QStringLiteral("Preis"), QStringLiteral("2,00")));
        QVERIFY(e.SchreibeFlag(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), true));
        QVERIFY(e.SchreibeZahl(QStringLiteral("Spielscheine"), QStringLiteral("Dateienanzahl"), 2));
        QVERIFY(e.SchreibeText(QStringLiteral("Spielscheine"), QStringLiteral("Datei1"), QStringLiteral("/home/jörg/Tipps/Woche.qtt")));
        QVERIFY(e.SchreibeText(QStringLiteral("Spielscheine"), QStringLiteral("Datei2"), QStringLiteral("/home/jörg/Größe, Maß.qtt")));
        QVERIFY(e.SchreibeFlag(QStringLiteral("Eingabe"), QStringLiteral("overwrite1"), false));
        QVERIFY(e.SchreibeText(QStringLiteral("Zufall"), QStringLiteral("Quotenkiller"), QString()));
        QVERIFY(e.SchreibeText(QStringLiteral("Zufall"), QStringLiteral("Favoriten"), QStringLiteral("3,33,45")));
        QCOMPARE(inhalt(datei()),
                 QStringLiteral("[Abrechnung]\nPreis=2,00\n[Spielscheine]\nMerken=1\nDateienanzahl=2\n"
                                "Datei1=/home/jörg/Tipps/Woche.qtt\nDatei2=/home/jörg/Größe, Maß.qtt\n"
                                "[Eingabe]\noverwrite1=0\n[Zufall]\nQuotenkiller=\nFavoriten=3,33,45\n")
                     .toUtf8());
        QCOMPARE(e.LeseText(QStringLiteral("Spielscheine"), QStringLiteral("Datei2"), QString()),
                 QStringLiteral("/home/jörg/Größe, Maß.qtt"));
        QCOMPARE(e.LeseText(QStringLiteral("Zufall"), QStringLiteral("Quotenkiller"), QStringLiteral("x")), QString());
    }

    void schluesselErsetztAndereZeilenBleiben()
    {
        schreibe(datei(), "; Kommentar\r\n[Abrechnung]\r\nPreis=200,00\r\n\r\n[spielscheine]\r\nmerken=0\r\nFremd = bleibt \r\n");
        Einstellungen e(datei());
        QVERIFY(e.SchreibeText(QStringLiteral("Abrechnung"), QStringLiteral("Preis"), QStringLiteral("2,00")));
        QVERIFY(e.SchreibeFlag(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), true));
        QVERIFY(e.SchreibeZahl(QStringLiteral("Abrechnung"), QStringLiteral("Neu"), 3));
        QCOMPARE(inhalt(datei()), QByteArray("; Kommentar\r\n[Abrechnung]\r\nPreis=2,00\r\nNeu=3\r\n\r\n[spielscheine]\r\n"
                                             "Merken=1\r\nFremd = bleibt \r\n"));
        QCOMPARE(e.LeseText(QStringLiteral("Spielscheine"), QStringLiteral("fremd"), QString()), QStringLiteral("bleibt"));
    }

    void abschnittLoeschen()
    {
        schreibe(datei(), "[Abrechnung]\nPreis=2,50\n[Spielscheine]\nMerken=1\nDateienanzahl=5\nDatei1=a\nDatei2=b\nDatei3=c\n"
                          "Datei4=d\nDatei5=e\n[Zufall]\nAnzahl=\n");
        Einstellungen e(datei());
        QVERIFY(e.LoescheAbschnitt(QStringLiteral("Spielscheine")));
        QVERIFY(e.SchreibeZahl(QStringLiteral("Spielscheine"), QStringLiteral("Dateienanzahl"), 2));
        QVERIFY(e.SchreibeText(QStringLiteral("Spielscheine"), QStringLiteral("Datei1"), QStringLiteral("x")));
        QVERIFY(e.SchreibeText(QStringLiteral("Spielscheine"), QStringLiteral("Datei2"), QStringLiteral("y")));
        QCOMPARE(inhalt(datei()), QByteArray("[Abrechnung]\nPreis=2,50\n[Zufall]\nAnzahl=\n[Spielscheine]\nDateienanzahl=2\n"
                                             "Datei1=x\nDatei2=y\n"));
        QVERIFY(e.LoescheAbschnitt(QStringLiteral("Fehlt"))); // nothing to remove
    }

    void fehlgeschlagenesSchreibenWirdGemeldet()
    {
        // A file where the folder should be: no write can succeed, not even as root.
        schreibe(ordner.filePath(QStringLiteral("keinOrdner")), "x");
        Einstellungen e(ordner.filePath(QStringLiteral("keinOrdner/Einstellungen.ini")));
        QVERIFY(!e.SchreibeFlag(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), false));
        QVERIFY(!e.letzterFehler().isEmpty());
        QVERIFY(!e.LeseFlag(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), false));
    }
};

QTEST_GUILESS_MAIN(TestEinstellungen)
#include "tst_einstellungen.moc"
