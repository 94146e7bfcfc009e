// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "model/Dateien.h"
#include "model/Einstellungen.h"
#include "model/Textdekodierung.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {
QByteArray abfall()
{
    QByteArray bytes;
    for (int runde = 0; runde < 16; ++runde)
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
    return bytes;
}
} // namespace

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

    // A section replaced in one write stays where it stands, with its header's spelling and the
    // file's line breaks; a missing one is appended.
    void abschnittErsetzen()
    {
        schreibe(datei(), "[Abrechnung]\r\nPreis=2,50\r\n[spielscheine]\r\nMerken=1\r\nDatei1=a\r\n\r\n[Zufall]\r\nAnzahl=");
        Einstellungen e(datei());
        const QList<std::pair<QString, QString>> neu{{QStringLiteral("Dateienanzahl"), QStringLiteral("1")},
                                                     {QStringLiteral("Datei1"), QStringLiteral("x")}};
        QVERIFY(e.ErsetzeAbschnitt(QStringLiteral("Spielscheine"), neu));
        QCOMPARE(inhalt(datei()), QByteArray("[Abrechnung]\r\nPreis=2,50\r\n[spielscheine]\r\nDateienanzahl=1\r\nDatei1=x\r\n"
                                             "[Zufall]\r\nAnzahl="));
        QVERIFY(e.ErsetzeAbschnitt(QStringLiteral("Neu"), neu));
        QVERIFY(inhalt(datei()).endsWith("[Zufall]\r\nAnzahl=\r\n[Neu]\r\nDateienanzahl=1\r\nDatei1=x\r\n"));
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

    // A write changes its own line and nothing else: not the encoding of a UTF-8 file, its
    // byte-order mark, its line breaks or a last line without one. A Windows-1252 file is
    // read as such and written back as UTF-8.
    void andereZeilenBleibenUnveraendert_data()
    {
        QTest::addColumn<QByteArray>("vorher");
        QTest::addColumn<QString>("datei1");
        QTest::addColumn<QByteArray>("nachher");
        QTest::newRow("Windows-1252 path")
            << QByteArray("[Spielscheine]\r\nDatei1=C:\\Tipps\\Sch\xF6n.qtt\r\n") << QStringLiteral("C:\\Tipps\\Schön.qtt")
            << QStringLiteral("[Spielscheine]\r\nDatei1=C:\\Tipps\\Schön.qtt\r\nMerken=1\r\n").toUtf8();
        QTest::newRow("byte-order mark, mixed breaks, no last break")
            << QByteArray("\xEF\xBB\xBF[A]\r\nx=1\n[Spielscheine]\nMerken=0\r\nDatei1=/tmp/\xC3\xA4") << QStringLiteral("/tmp/ä")
            << QByteArray("\xEF\xBB\xBF[A]\r\nx=1\n[Spielscheine]\nMerken=1\r\nDatei1=/tmp/\xC3\xA4");
        QTest::newRow("line added after a last line without break")
            << QByteArray("[Spielscheine]\nDatei1=a") << QStringLiteral("a")
            << QByteArray("[Spielscheine]\nDatei1=a\nMerken=1\n");
        QTest::newRow("binary garbage") << abfall() << QString()
                                        << AusWindows1252(abfall()).toUtf8() + "\n[Spielscheine]\nMerken=1\n";
    }
    void andereZeilenBleibenUnveraendert()
    {
        QFETCH(QByteArray, vorher);
        QFETCH(QString, datei1);
        QFETCH(QByteArray, nachher);
        schreibe(datei(), vorher);
        Einstellungen e(datei());
        QCOMPARE(e.LeseText(QStringLiteral("Spielscheine"), QStringLiteral("Datei1"), QString()), datei1);
        QVERIFY(e.SchreibeFlag(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), true));
        QCOMPARE(inhalt(datei()), nachher);
        QCOMPARE(e.LeseText(QStringLiteral("Spielscheine"), QStringLiteral("Datei1"), QString()), datei1);
        // Writing what the file holds already leaves it alone.
        QVERIFY(e.SchreibeFlag(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), true));
        QCOMPARE(inhalt(datei()), nachher);
    }

    // When the existing file can't be read, no write may replace it as if it were empty.
    void unlesbareDateiWirdNichtErsetzt_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("grund");
        QTest::newRow("folder") << QStringLiteral("ordner") << QStringLiteral("An der Stelle der Datei steht ein Ordner.");
        QTest::newRow("pipe") << QStringLiteral("fifo")
                              << QStringLiteral("An der Stelle der Datei steht keine gewöhnliche Datei.");
        QTest::newRow("beyond the size cap")
            << QStringLiteral("gross")
            << QStringLiteral("Die Datei ist 17 MiB groß; erlaubt sind höchstens 16 MiB. Sie wird nicht gelesen und bleibt, wie "
                              "sie ist.");
    }
    void unlesbareDateiWirdNichtErsetzt()
    {
        QFETCH(QString, art);
        QFETCH(QString, grund);
        QTemporaryDir hier;
        const QString pfad = hier.filePath(QStringLiteral("Einstellungen.ini"));
        if (art == QLatin1String("ordner")) {
            QVERIFY(QDir().mkpath(pfad));
        } else if (art == QLatin1String("fifo")) {
            QCOMPARE(mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
        } else {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Spielscheine]\nMerken=1\n");
            QVERIFY(f.resize(17 * 1024 * 1024));
        }
        const QFileInfo vorher(pfad);
        Einstellungen e(pfad);
        QVERIFY(e.LeseFlag(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), true)); // the default
        QVERIFY(!e.SchreibeFlag(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), false));
        QCOMPARE(e.letzterFehler(), QStringLiteral("Die vorhandene Datei lässt sich nicht lesen: ") + grund
                                        + QStringLiteral(" Damit keine Einstellung verloren geht, bleibt sie unverändert."));
        QVERIFY(!e.LoescheAbschnitt(QStringLiteral("Spielscheine")));
        const QFileInfo nachher(pfad);
        QCOMPARE(nachher.isDir(), vorher.isDir());
        QCOMPARE(nachher.isFile(), vorher.isFile());
        QCOMPARE(nachher.size(), vorher.size());
        QCOMPARE(nachher.lastModified(), vorher.lastModified());
        QCOMPARE(QDir(hier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 QStringList{QStringLiteral("Einstellungen.ini")});
    }
};

QTEST_GUILESS_MAIN(TestEinstellungen)
#include "tst_einstellungen.moc"
