// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "Groessengrenze.h"
#include "KleinerDatentraeger.h"

#include "model/Dateien.h"
#include "model/Einstellungen.h"
#include "model/Tippscheindatei.h"
#include "model/Ziehungsdatei.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

namespace {
const QString KeinPlatz = QStringLiteral("Auf dem Datenträger ist nicht genug Platz.");

QByteArray muster(qint64 groesse, char zeichen)
{
    QByteArray daten(groesse, zeichen);
    for (qint64 i = 0; i < groesse; i += 97)
        daten[i] = static_cast<char>(i % 251);
    return daten;
}

QStringList dateienIn(const QString &ordner)
{
    QStringList namen = QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::System);
    namen.sort();
    return namen;
}
} // namespace

class TestDateien : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;

private Q_SLOTS:
    void initTestCase()
    {
        // The program ignores the signal as well: a write beyond the limit fails instead of ending it.
        std::signal(SIGXFSZ, SIG_IGN);
    }

    // Every combination of free space and new size either writes the whole new file or fails with
    // the old file intact, no temporary file left, and a message that names the cause.
    void vollerDatentraeger_data()
    {
        QTest::addColumn<int>("freieSeiten");
        QTest::addColumn<int>("neueGroesse");
        for (const int frei : {0, 1, 3, 7})
            for (const int groesse : {0, 10, 3000, 9000, 20000, 50000})
                QTest::addRow("%d pages free, %d bytes", frei, groesse) << frei << groesse;
    }
    void vollerDatentraeger()
    {
        QFETCH(int, freieSeiten);
        QFETCH(int, neueGroesse);
        QTemporaryDir punkt;
        KleinerDatentraeger platte(punkt.path(), 16 * KleinerDatentraeger::Seite);
        if (!platte.bereit())
            QSKIP(qPrintable(platte.grund()));
        const QString ziel = punkt.filePath(QStringLiteral("Ziel"));
        const QByteArray alt = muster(2000, 'a');
        const QByteArray neu = muster(neueGroesse, 'n');
        QVERIFY(schreibe(ziel, alt));
        QVERIFY(platte.fuellen(freieSeiten * KleinerDatentraeger::Seite));

        const QString fehler = DateiErsetzen(ziel, neu);
        const bool passt = (neueGroesse + KleinerDatentraeger::Seite - 1) / KleinerDatentraeger::Seite <= freieSeiten;
        if (passt) {
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
            QCOMPARE(inhalt(ziel), neu);
        } else {
            QCOMPARE(fehler, KeinPlatz);
            QCOMPARE(inhalt(ziel), alt);
        }
        QCOMPARE(dateienIn(punkt.path()), (QStringList{QStringLiteral("Fuellung"), QStringLiteral("Ziel")}));
    }

    // Each kind of data file goes through the same writer.
    void jedeDateiartAufVollemDatentraeger_data()
    {
        QTest::addColumn<QString>("art");
        QTest::newRow("draw history") << QStringLiteral("GReihen.qtgz");
        QTest::newRow("ticket") << QStringLiteral("Schein.qtt");
        QTest::newRow("settings") << QStringLiteral("Einstellungen.ini");
    }
    void jedeDateiartAufVollemDatentraeger()
    {
        QFETCH(QString, art);
        QTemporaryDir punkt;
        KleinerDatentraeger platte(punkt.path(), 16 * KleinerDatentraeger::Seite);
        if (!platte.bereit())
            QSKIP(qPrintable(platte.grund()));
        const QString ziel = punkt.filePath(art);
        const QByteArray alt = art.endsWith(QLatin1String(".ini")) ? QByteArray("[Abrechnung]\nPreis=200,00\n[Spielscheine]\nMerken=1\n")
                                                                    : muster(160, 'a');
        QVERIFY(schreibe(ziel, alt));
        QVERIFY(platte.fuellen(0));

        QString fehler;
        if (art.endsWith(QLatin1String(".qtgz"))) {
            fehler = GZSpeichern(ziel, QVector<TGewZahlen>(11));
        } else if (art.endsWith(QLatin1String(".qtt"))) {
            TextTabelle t(TippreihenSpalten, 2);
            for (int c = 1; c <= 6; ++c)
                t.setzeZelle(c, 1, QString::number(c));
            fehler = ScheinDateiSchreiben(t, QStringLiteral("1"), QStringLiteral("1"), ziel);
        } else {
            Einstellungen e(ziel);
            QVERIFY(!e.SchreibeText(QStringLiteral("Abrechnung"), QStringLiteral("Preis"), QStringLiteral("2,00")));
            fehler = e.letzterFehler();
        }
        QVERIFY2(fehler.endsWith(KeinPlatz), qPrintable(fehler));
        QCOMPARE(inhalt(ziel), alt);
        QStringList erwartet{QStringLiteral("Fuellung"), art};
        erwartet.sort();
        QCOMPARE(dateienIn(punkt.path()), erwartet);
    }

    // Without root: a limit on the size of written files fails the write in the same way.
    void groessengrenze_data()
    {
        QTest::addColumn<int>("neueGroesse");
        QTest::addColumn<bool>("erlaubt");
        QTest::newRow("small") << 100 << true;
        QTest::newRow("exactly the limit") << 8192 << true;
        QTest::newRow("one byte more") << 8193 << false;
        QTest::newRow("far beyond") << 100000 << false;
    }
    void groessengrenze()
    {
        QFETCH(int, neueGroesse);
        QFETCH(bool, erlaubt);
        const QString ziel = ordner.filePath(QStringLiteral("Begrenzt"));
        const QByteArray alt = muster(3000, 'a');
        const QByteArray neu = muster(neueGroesse, 'n');
        QVERIFY(schreibe(ziel, alt));
        QString fehler;
        {
            Groessengrenze grenze(8192);
            fehler = DateiErsetzen(ziel, neu);
        }
        if (erlaubt) {
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
            QCOMPARE(inhalt(ziel), neu);
        } else {
            QCOMPARE(fehler, QStringLiteral("Die Datei wäre größer, als das System einer Datei erlaubt."));
            QCOMPARE(inhalt(ziel), alt);
        }
        QCOMPARE(dateienIn(ordner.path()), QStringList{QStringLiteral("Begrenzt")});
    }

    void rechteUndVerknuepfungBleiben()
    {
        const QString echt = ordner.filePath(QStringLiteral("echt.ini"));
        const QString link = ordner.filePath(QStringLiteral("link.ini"));
        QVERIFY(schreibe(echt, "alt"));
        QVERIFY(QFile::setPermissions(echt, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
        QVERIFY(QFile::link(echt, link));
        QCOMPARE(DateiErsetzen(link, "neu"), QString());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(inhalt(echt), QByteArray("neu"));
        QCOMPARE(QFileInfo(echt).permissions(),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser
                     | QFileDevice::ReadGroup);
        QFile::remove(link);
        QFile::remove(echt);
    }

    // Whatever stands in the file's place, reading ends at once with a clear answer.
    void lesen_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("fehler");
        using S = Dateiinhalt::Status;
        QTest::newRow("missing") << QStringLiteral("fehlt") << int(S::Fehlt) << QString();
        QTest::newRow("exactly the cap") << QStringLiteral("100") << int(S::Gelesen) << QString();
        QTest::newRow("one byte beyond the cap")
            << QStringLiteral("101") << int(S::Fehler)
            << QStringLiteral("Die Datei ist 101 Bytes groß; erlaubt sind höchstens 100 Bytes. Sie wird nicht gelesen und "
                              "bleibt, wie sie ist.");
        QTest::newRow("folder") << QStringLiteral("ordner") << int(S::Fehler)
                                << QStringLiteral("An der Stelle der Datei steht ein Ordner.");
        QTest::newRow("pipe") << QStringLiteral("fifo") << int(S::Fehler)
                              << QStringLiteral("An der Stelle der Datei steht keine gewöhnliche Datei.");
        QTest::newRow("path through a file") << QStringLiteral("datei/x") << int(S::Fehler)
                                             << QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
    }
    void lesen()
    {
        QFETCH(QString, art);
        QFETCH(int, status);
        QFETCH(QString, fehler);
        QTemporaryDir hier;
        const QString pfad = hier.filePath(art);
        if (art == QLatin1String("100") || art == QLatin1String("101"))
            QVERIFY(schreibe(pfad, muster(art.toInt(), 'x')));
        else if (art == QLatin1String("ordner"))
            QVERIFY(QDir().mkpath(pfad));
        else if (art == QLatin1String("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
        else if (art == QLatin1String("datei/x"))
            QVERIFY(schreibe(hier.filePath(QStringLiteral("datei")), "x"));
        const Dateiinhalt gelesen = DateiLesen(pfad, 100);
        QCOMPARE(int(gelesen.status), status);
        QCOMPARE(gelesen.fehler, fehler);
        if (gelesen.status == Dateiinhalt::Status::Gelesen)
            QCOMPARE(gelesen.daten, muster(100, 'x'));
        else
            QVERIFY(gelesen.daten.isEmpty());
    }

    void riesigeDateiWirdNichtGelesen()
    {
        // A sparse file of 40 GB: refused from its size alone, nothing is read or changed.
        const QString pfad = ordner.filePath(QStringLiteral("riesig"));
        {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(40LL * 1024 * 1024 * 1024));
        }
        const Dateiinhalt gelesen = DateiLesen(pfad);
        QCOMPARE(gelesen.status, Dateiinhalt::Status::Fehler);
        QCOMPARE(gelesen.fehler, QStringLiteral("Die Datei ist 40.960 MiB groß; erlaubt sind höchstens 16 MiB. Sie wird nicht "
                                                "gelesen und bleibt, wie sie ist."));
        QCOMPARE(QFileInfo(pfad).size(), 40LL * 1024 * 1024 * 1024);
        QFile::remove(pfad);
    }

    // Only the writer's own temporary names of the program's data files, and only old ones.
    void resteEntfernen()
    {
        QTemporaryDir hier;
        const auto anlegen = [&hier](const QString &name, int alterMinuten) {
            QFile f(hier.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Rest");
            f.flush();
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-60 * alterMinuten), QFileDevice::FileModificationTime));
        };
        const QStringList entfernen{QStringLiteral("Demo-Tippschein.qtt.aBcDeF"), QStringLiteral("Einstellungen.ini.qwertz"),
                                    QStringLiteral("GReihen.qtgz.AbCdEf"), QStringLiteral("Woche.qtt.ZZZZZZ")};
        const QStringList bleiben{QStringLiteral("Einstellungen.ini.Frisch"), QStringLiteral("GReihen.qtgz"),
                                  QStringLiteral("GReihen.qtgz.AbCdE1"),      QStringLiteral("GReihen.qtgz.AbCdEfg"),
                                  QStringLiteral("GZ.549.bak.abcdef"),        QStringLiteral("Notizen.txt.abcdef"),
                                  QStringLiteral("Woche.qtt")};
        // What a killed save of a dated copy left in "Sicherungen" goes the same way.
        QVERIFY(QDir().mkpath(hier.filePath(QStringLiteral("Sicherungen"))));
        const QString kopie = QStringLiteral("Sicherungen/GReihen 2026-12-10 21-15-03-123.qtgz");
        const QStringList entfernenKopien{kopie + QStringLiteral(".xYzAbC")};
        const QStringList bleibenKopien{kopie, kopie + QStringLiteral(".Frisch"),
                                        QStringLiteral("Sicherungen/Notizen.txt.abcdef"),
                                        QStringLiteral("Sicherungen/Einstellungen.ini.qwertz")};
        for (const QString &name : entfernen + entfernenKopien)
            anlegen(name, 11);
        for (const QString &name : bleibenKopien)
            anlegen(name, name.contains(QLatin1String("Frisch")) ? 1 : 11);
        for (const QString &name : bleiben)
            anlegen(name, name.contains(QLatin1String("Frisch")) ? 1 : 11);
        QVERIFY(QDir().mkpath(hier.filePath(QStringLiteral("GReihen.qtgz.Ordner"))));
        QVERIFY(QFile::link(hier.filePath(QStringLiteral("Woche.qtt")), hier.filePath(QStringLiteral("Woche.qtt.Verweis"))));

        QStringList entfernt = ResteEntfernen(hier.path());
        entfernt.sort();
        QStringList erwartet = entfernen + entfernenKopien;
        erwartet.sort();
        QCOMPARE(entfernt, erwartet);
        QStringList uebrigKopien;
        for (const QString &name : bleibenKopien)
            uebrigKopien << name.mid(12);
        uebrigKopien.sort();
        QCOMPARE(QDir(hier.filePath(QStringLiteral("Sicherungen"))).entryList(QDir::Files, QDir::Name), uebrigKopien);
        QStringList uebrig = bleiben;
        uebrig << QStringLiteral("GReihen.qtgz.Ordner") << QStringLiteral("Sicherungen") << QStringLiteral("Woche.qtt.Verweis");
        uebrig.sort();
        QCOMPARE(QDir(hier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name), uebrig);
    }
};

QTEST_GUILESS_MAIN(TestDateien)
#include "tst_dateien.moc"
