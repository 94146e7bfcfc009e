// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "Programmlauf.h"
#include "Testumgebung.h"

#include "model/DemoTippschein.h"
#include "model/Einstellungen.h"
#include "model/Spiel.h"
#include "model/Starteinstellungen.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

// The built program, started as the desktop starts it.
class TestProgrammstart : public QObject
{
    Q_OBJECT

    static QString programm() { return QStringLiteral(QUINTARO_PROGRAMM); }

private Q_SLOTS:
    void dateienAusDerBefehlszeile_data()
    {
        QTest::addColumn<bool>("gemerkt"); // the settings remember one file
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("two files after the sample ticket")
            << false << QStringList{QStringLiteral("a.qtt"), QStringLiteral("b.qtt")}
            << QStringList{QStringLiteral("Demo-Tippschein"), QStringLiteral("a"), QStringLiteral("b")}
            << QStringList();
        QTest::newRow("after the remembered file, a missing one said")
            << true << QStringList{QStringLiteral("a.qtt"), QStringLiteral("fehlt.qtt"), QStringLiteral("b.qtt")}
            << QStringList{QStringLiteral("gemerkt"), QStringLiteral("a"), QStringLiteral("b")}
            << QStringList{
                   QStringLiteral("Die mit dem Programmstart zu ladende Datei fehlt.qtt\n\n wurde nicht gefunden.")};
    }
    void dateienAusDerBefehlszeile()
    {
        QFETCH(bool, gemerkt);
        QFETCH(QStringList, argumente);
        QFETCH(QStringList, tabs);
        QFETCH(QStringList, meldungen);
        QTemporaryDir tmp;
        const QString daten = tmp.filePath(QStringLiteral("data/Quintaro Analyser/"));
        QVERIFY(QDir().mkpath(daten));
        QVERIFY(schreibe(daten + Dateinamen::Gewinnreihen, Testumgebung::ziehungen(3)));
        QVERIFY(schreibe(daten + Dateinamen::DemoTippschein, DemoTippschein()));
        const QString scheine = tmp.filePath(QStringLiteral("scheine/"));
        QVERIFY(QDir().mkpath(scheine));
        for (const char *name : {"a.qtt", "b.qtt", "gemerkt.qtt"})
            QVERIFY(schreibe(scheine + QLatin1String(name), DemoTippschein().left(20)));
        QByteArray einstellungen;
        if (gemerkt)
            einstellungen = "[Spielscheine]\nMerken=1\nDateienanzahl=1\nDatei1=" +
                            (scheine + QStringLiteral("gemerkt.qtt")).toUtf8() + "\n";
        QVERIFY(schreibe(daten + Dateinamen::Einstellungen, einstellungen));

        QStringList pfade;
        for (const QString &a : argumente)
            pfade << scheine + a;
        const Programmlauf lauf = Programmlauf::starte(programm(), pfade, tmp.path());
        QCOMPARE(lauf.code, 0);
        QCOMPARE(lauf.liste("tabs"), tabs);
        QCOMPARE(lauf.bericht.value(QLatin1String("aktuellerTab")).toInt(), tabs.size() - 1);
        QCOMPARE(lauf.liste("meldungen"), meldungen);
        QCOMPARE(lauf.bericht.value(QLatin1String("titel")).toString(), QStringLiteral("Quintaro Analyser 1.5.0.0"));

        // The remembered list is what it was; only Merken is written at the close.
        const Einstellungen danach(daten + Dateinamen::Einstellungen);
        const QString spielscheine = QStringLiteral("Spielscheine");
        QCOMPARE(danach.LeseZahl(spielscheine, QStringLiteral("Dateienanzahl"), 0), gemerkt ? 1 : 0);
        QCOMPARE(danach.LeseText(spielscheine, QStringLiteral("Datei1"), QString()),
                 gemerkt ? scheine + QStringLiteral("gemerkt.qtt") : QString());
        QCOMPARE(danach.LeseText(spielscheine, QStringLiteral("Datei2"), QString()), QString());
    }

    // Whatever the settings hold, the start comes up: the counts it reads are limited to what it
    // can show, and a settings file of millions of lines costs what its text costs.
    void einstellungenBeimStart_data()
    {
        QTest::addColumn<QByteArray>("einstellungen"); // "@" stands for the folder of the tickets
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<int>("ausgelassen"); // remembered files left out, said once
        QTest::newRow("the largest count, with its key")
            << QByteArray("[Spielscheine]\nDateienanzahl=2147483647\nDatei2147483647=@/s1.qtt\n")
            << QStringList{QStringLiteral("s1")} << 0;
        QTest::newRow("the largest count but one, with its key")
            << QByteArray("[Spielscheine]\nDateienanzahl=2147483646\nDatei2147483646=@/s2.qtt\n")
            << QStringList{QStringLiteral("s2")} << 0;
        QByteArray viele = "[Spielscheine]\nDateienanzahl=130\n";
        QStringList hundert;
        for (int i = 1; i <= 130; ++i) {
            viele += "Datei" + QByteArray::number(i) + "=@/s" + QByteArray::number(i) + ".qtt\n";
            if (i <= MaxGemerkteDateien)
                hundert << QStringLiteral("s%1").arg(i);
        }
        QTest::newRow("130 remembered, the first 100 open") << viele << hundert << 30;
        QTest::newRow("16 MB of empty lines")
            << QByteArray(16 * 1024 * 1024 - 4096, '\n') + "[Spielscheine]\nDateienanzahl=1\nDatei1=@/s3.qtt\n"
            << QStringList{QStringLiteral("s3")} << 0;
    }
    void einstellungenBeimStart()
    {
        QFETCH(QByteArray, einstellungen);
        QFETCH(QStringList, tabs);
        QFETCH(int, ausgelassen);
        QTemporaryDir tmp;
        const QString daten = tmp.filePath(QStringLiteral("data/Quintaro Analyser/"));
        QVERIFY(QDir().mkpath(daten));
        QVERIFY(schreibe(daten + Dateinamen::Gewinnreihen, Testumgebung::ziehungen(3)));
        const QString scheine = tmp.filePath(QStringLiteral("scheine"));
        QVERIFY(QDir().mkpath(scheine));
        for (int i = 1; i <= 130; ++i)
            QVERIFY(schreibe(scheine + QStringLiteral("/s%1.qtt").arg(i), DemoTippschein().left(20)));
        einstellungen.replace('@', QFile::encodeName(scheine));
        QVERIFY(schreibe(daten + Dateinamen::Einstellungen, einstellungen));

        const Programmlauf lauf = Programmlauf::starte(programm(), {}, tmp.path());
        QCOMPARE(lauf.code, 0);
        QCOMPARE(lauf.liste("tabs"), tabs);
        QStringList meldungen;
        if (ausgelassen > 0) {
            GemerkteScheine g;
            g.pfade = tabs;
            g.ausgelassen = ausgelassen;
            meldungen << AusgelasseneDateienText(g);
            QCOMPARE(meldungen[0], QStringLiteral("Zum Programmstart sind 130 Tippschein-Dateien gemerkt. Eingelesen "
                                                  "werden nur die ersten 100; die übrigen 30 bleiben unbeachtet."));
        }
        QCOMPARE(lauf.liste("meldungen"), meldungen);
    }

    // A name that is no UTF-8 text is told as such, not as a missing file.
    void unlesbarerName()
    {
        QTemporaryDir tmp;
        const QString daten = tmp.filePath(QStringLiteral("data/Quintaro Analyser/"));
        QVERIFY(QDir().mkpath(daten));
        QVERIFY(schreibe(daten + Dateinamen::Gewinnreihen, Testumgebung::ziehungen(3)));
        QVERIFY(schreibe(daten + Dateinamen::Einstellungen, QByteArray()));
        const QByteArray schein = QFile::encodeName(tmp.path()) + "/Schein\xFF.qtt";
        QFile datei;
        QVERIFY(datei.open(std::fopen(schein.constData(), "wb"), QIODevice::WriteOnly, QFile::AutoCloseHandle));
        datei.write(DemoTippschein().left(20));
        datei.close();
        const Programmlauf lauf =
            Programmlauf::starte(programm(), {tmp.path()}, tmp.path(), QStringLiteral("\"$1/Schein$x.qtt\""));
        QCOMPARE(lauf.code, 0);
        const QStringList meldungen = lauf.liste("meldungen");
        QCOMPARE(meldungen.size(), 1);
        QVERIFY2(meldungen[0].startsWith(QStringLiteral("Der Name \u201E") + tmp.path() + QStringLiteral("/Schein")) &&
                     meldungen[0].endsWith(QStringLiteral(".qtt\u201C kann nicht gelesen werden: Er ist kein "
                                                          "g\u00FCltiger UTF-8-Text. Benennen Sie die Datei oder den "
                                                          "Ordner bitte um.")),
                 qPrintable(meldungen[0]));
    }

    void beispieldaten()
    {
        QTemporaryDir tmp;
        const Programmlauf lauf = Programmlauf::starte(programm(), {QStringLiteral("--beispiel")}, tmp.path());
        QCOMPARE(lauf.code, 0);
        QCOMPARE(lauf.bericht.value(QLatin1String("titel")).toString(),
                 QStringLiteral("Quintaro Analyser 1.5.0.0 \u2013 Beispieldaten"));
        QCOMPARE(lauf.liste("tabs"), QStringList{QStringLiteral("Demo-Tippschein")});
        QCOMPARE(lauf.liste("meldungen"), QStringList()); // no download question: the history is there
        QVERIFY(lauf.bericht.value(QLatin1String("ziehungen")).toInt() > 500);
        QCOMPARE(lauf.bericht.value(QLatin1String("symbolgroessen")).toInt(), 8); // the program's own icon
        const QString ordner = lauf.bericht.value(QLatin1String("datenordner")).toString();
        QVERIFY2(ordner.startsWith(tmp.filePath(QStringLiteral("cache/"))), qPrintable(ordner));
        QVERIFY(QFileInfo::exists(ordner + Dateinamen::Gewinnreihen));
        // Nothing was written to the real data folder, not even the folder itself.
        QVERIFY(!QFileInfo::exists(tmp.filePath(QStringLiteral("data/Quintaro Analyser"))));
    }

    void befehlszeile_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("ausgabe");
        QTest::addColumn<QString>("fehlerausgabe");
        QTest::newRow("version") << QStringLiteral("--version") << 0 << QStringLiteral("Quintaro Analyser 1.5.0.0\n")
                                 << QString();
        QTest::newRow("usage") << QStringLiteral("--hilfe") << 0 << QStringLiteral("--beispiel") << QString();
        QTest::newRow("unknown option") << QStringLiteral("--beispeil") << 2 << QString()
                                        << QStringLiteral("Unbekannte Option \u201E--beispeil\u201C.");
    }
    void befehlszeile()
    {
        QFETCH(QString, option);
        QFETCH(int, code);
        QFETCH(QString, ausgabe);
        QFETCH(QString, fehlerausgabe);
        QTemporaryDir tmp;
        const Programmlauf lauf = Programmlauf::starte(programm(), {option}, tmp.path());
        QCOMPARE(lauf.code, code);
        QVERIFY2(lauf.ausgabe.contains(ausgabe), qPrintable(lauf.ausgabe));
        QVERIFY2(lauf.fehlerausgabe.contains(fehlerausgabe), qPrintable(lauf.fehlerausgabe));
        QVERIFY(lauf.bericht.isEmpty()); // ended before any window
        QVERIFY(!QFileInfo::exists(tmp.filePath(QStringLiteral("data/Quintaro Analyser"))));
    }
};

QTEST_GUILESS_MAIN(TestProgrammstart)
#include "tst_programmstart.moc"
