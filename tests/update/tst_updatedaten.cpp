// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"

#include "model/Datum.h"
#include "model/Einstellungen.h"
#include "model/Spiel.h"
#include "update/Gewinnreihendownload.h"
#include "update/Updateserver.h"
#include "update/Versionsdatei.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <limits>
#include <sys/resource.h>

namespace {
QByteArray datensatz(double datum, std::array<std::uint8_t, 5> zahlen, std::uint8_t zz,
                     std::array<std::uint8_t, 2> fill = {})
{
    TGewZahlen z;
    z.datum = datum;
    z.GZ = zahlen;
    z.bonus = zz;
    z.fill = fill;
    return z.alsBytes();
}

const double Neujahr2024 = 45292.0;
QByteArray gut(int anzahl)
{
    QByteArray d;
    for (int i = 0; i < anzahl; ++i)
        d += datensatz(Neujahr2024 + 7 * i, {3, 12, 25, 38, 47}, 7);
    return d;
}

QByteArray versionssatz(const QByteArray &text, int laenge = -1)
{
    QByteArray satz(VersionsdatensatzGroesse, '\0');
    satz[8] = static_cast<char>(laenge < 0 ? text.size() : laenge);
    std::memcpy(satz.data() + 9, text.constData(), static_cast<std::size_t>(std::min<qsizetype>(text.size(), 15)));
    return satz;
}
} // namespace

class TestUpdatedaten : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gewinnreihenPruefen_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<QString>("grund"); // empty: accepted
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double unendlich = std::numeric_limits<double>::infinity();
        QTest::newRow("three draws") << gut(3) << QString();
        QTest::newRow("odd but possible: numbers unordered, fill set")
            << gut(1) + datensatz(Neujahr2024 + 7, {47, 3, 38, 12, 25}, 10, {0xAB, 0xCD}) << QString();
        QTest::newRow("a number twice") << gut(1) + datensatz(Neujahr2024 + 7, {47, 3, 3, 12, 25}, 10)
                                        << "Eintrag 2 enthält die Zahl 3 zweimal";
        QTest::newRow("dates out of order") << gut(3) + datensatz(Neujahr2024 + 7, {3, 12, 25, 38, 47}, 7)
                                            << "Eintrag 4 ist nicht später datiert als Eintrag 3";
        QTest::newRow("one date twice") << gut(2) + datensatz(Neujahr2024 + 7, {3, 12, 25, 38, 47}, 7)
                                        << "Eintrag 3 ist nicht später datiert als Eintrag 2";
        QTest::newRow("empty") << QByteArray() << "keine Ziehung";
        QTest::newRow("3 bytes") << QByteArray("abc") << "keine Ziehung";
        QTest::newRow("not whole records") << gut(2) + "12345678"
                                           << "keine ganze Zahl";
        QTest::newRow("error page of 64 bytes")
            << QByteArray("<html><body>404 Not Found</body></html>").leftJustified(64, ' ') << "Eintrag 1";
        QTest::newRow("number 0") << gut(2) + datensatz(Neujahr2024, {0, 12, 25, 38, 47}, 7) << "Eintrag 3";
        QTest::newRow("number 50") << gut(1) + datensatz(Neujahr2024, {3, 12, 25, 38, 50}, 7) << "Eintrag 2";
        QTest::newRow("Zusatzzahl 0") << datensatz(Neujahr2024, {3, 12, 25, 38, 47}, 0) << "Eintrag 1";
        QTest::newRow("Zusatzzahl 11") << datensatz(Neujahr2024, {3, 12, 25, 38, 47}, 11) << "Eintrag 1";
        QTest::newRow("date not a number") << datensatz(nan, {3, 12, 25, 38, 47}, 7) << "Eintrag 1";
        QTest::newRow("date infinite") << datensatz(unendlich, {3, 12, 25, 38, 47}, 7) << "Eintrag 1";
        QTest::newRow("date with a time") << datensatz(Neujahr2024 + 0.5, {3, 12, 25, 38, 47}, 7) << "Eintrag 1";
        QTest::newRow("date before 1900") << datensatz(0.0, {3, 12, 25, 38, 47}, 7) << "Eintrag 1";
        QTest::newRow("date after 9999") << datensatz(2958466.0, {3, 12, 25, 38, 47}, 7) << "Eintrag 1";
    }
    void gewinnreihenPruefen()
    {
        QFETCH(QByteArray, daten);
        QFETCH(QString, grund);
        const QString ergebnis = GZPruefen(daten);
        if (grund.isEmpty())
            QCOMPARE(ergebnis, QString());
        else
            QVERIFY2(ergebnis.contains(grund), qPrintable(ergebnis));
    }

    void uebernehmen_data()
    {
        QTest::addColumn<QByteArray>("historie"); // null: none
        QTest::addColumn<QByteArray>("sicherung");
        QTest::addColumn<QByteArray>("sicherungDanach");
        QTest::newRow("first download keeps the old history") << gut(2) << QByteArray() << gut(2);
        QTest::newRow("an existing backup is left alone") << gut(2) << QByteArray("alt") << QByteArray("alt");
        QTest::newRow("no history yet") << QByteArray() << QByteArray() << QByteArray();
    }
    void uebernehmen()
    {
        QFETCH(QByteArray, historie);
        QFETCH(QByteArray, sicherung);
        QFETCH(QByteArray, sicherungDanach);
        QTemporaryDir ordner;
        const QString datenordner = ordner.path() + QLatin1Char('/');
        if (!historie.isNull())
            QVERIFY(schreibe(datenordner + Dateinamen::Gewinnreihen, historie));
        if (!sicherung.isNull())
            QVERIFY(schreibe(datenordner + Dateinamen::Sicherung, sicherung));

        QCOMPARE(GZUebernehmen(datenordner, gut(5)), QString());
        QCOMPARE(inhalt(datenordner + Dateinamen::Gewinnreihen), gut(5));
        QCOMPARE(QFile::exists(datenordner + Dateinamen::Sicherung), !sicherungDanach.isNull());
        QCOMPARE(inhalt(datenordner + Dateinamen::Sicherung), sicherungDanach);
        QCOMPARE(QDir(datenordner).entryList(QDir::Files | QDir::Hidden).size(), sicherungDanach.isNull() ? 1 : 2);
        // The replaced history is also kept as a dated copy.
        const QStringList kopien = Sicherungen::Liste(datenordner);
        QCOMPARE(kopien.size(), historie.isNull() ? 0 : 1);
        if (!historie.isNull())
            QCOMPARE(inhalt(kopien.constFirst()), historie);
    }

    void uebernehmenBeiVollerPlatte()
    {
        // A file size limit makes the write of the new history fail half-way, as a full disk would.
        QTemporaryDir ordner;
        const QString datenordner = ordner.path() + QLatin1Char('/');
        QVERIFY(schreibe(datenordner + Dateinamen::Gewinnreihen, gut(2)));
        rlimit alt{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &alt), 0);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit eng = alt;
        eng.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
        const QString fehler = GZUebernehmen(datenordner, gut(3000));
        setrlimit(RLIMIT_FSIZE, &alt);
        std::signal(SIGXFSZ, SIG_DFL);

        QVERIFY(!fehler.isEmpty());
        QCOMPARE(inhalt(datenordner + Dateinamen::Gewinnreihen), gut(2));
        QCOMPARE(QDir(datenordner).entryList(QDir::Files | QDir::Hidden).size(), 2); // history and backup only
    }

    void versionLesen_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("version"); // empty: no version
        QTest::newRow("1.5.0.0") << versionssatz("1.5.0.0") << "1.5.0.0";
        QTest::newRow("1.4.9.0") << versionssatz("1.4.9.0") << "1.4.9.0";
        QTest::newRow("two records, the last counts") << versionssatz("1.6.0.0") + versionssatz("1.5.0.0") << "1.5.0.0";
        QTest::newRow("a trailing piece is not read") << versionssatz("1.6.0.0") + QByteArray(23, '9') << "1.6.0.0";
        QTest::newRow("15 characters") << versionssatz("2026.12.70.1234") << "2026.12.70.1234";
        QTest::newRow("length byte 16") << versionssatz("2026.12.70.12345") << QString();
        QTest::newRow("length byte 200") << versionssatz("1.5.0.0", 200) << QString();
        QTest::newRow("an error page, length byte above 15")
            << QByteArray("<html><body>Login</body></html>\n").leftJustified(48, ' ') << QString();
        QTest::newRow("an error page, length byte 10")
            << QByteArray("<html>\r\n\n<body>Login</body></html>\n").leftJustified(24, ' ') << QString();
        QTest::newRow("text besides numbers") << versionssatz("2.0 f\xFCr alle") << QString();
        QTest::newRow("trailing dot") << versionssatz("1.5.") << QString();
        QTest::newRow("two dots") << versionssatz("1..5") << QString();
        QTest::newRow("shorter than one record") << QByteArray(23, '1') << QString();
        QTest::newRow("empty text") << versionssatz("") << QString();
        QTest::newRow("a single number: 404 of an error page") << versionssatz("404") << QString();
        QTest::newRow("a single number behind a good record") << versionssatz("1.6.0.0") + versionssatz("2") << QString();
        QTest::newRow("control characters") << versionssatz("1.5\n<html>") << QString();
    }
    void versionLesen()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, version);
        QCOMPARE(VersionLesen(datei).value_or(QString()), version);
    }

    void gesamtzeit_data()
    {
        QTest::addColumn<QByteArray>("einstellungen");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("ms");
        const QByteArray eigene = "[Update]\nZeitlimitGewinnreihen=45\nZeitlimitInstallation=600\n";
        QTest::newRow("history, built in") << QByteArray() << Updateserver::Gewinnreihen << 120000;
        QTest::newRow("installer, built in") << QByteArray() << Updateserver::Installer << 1800000;
        QTest::newRow("version file") << eigene << Updateserver::Versionsdatei << 30000;
        QTest::newRow("history, set") << eigene << Updateserver::Gewinnreihen << 45000;
        QTest::newRow("installer, set") << eigene << Updateserver::Installer << 600000;
        QTest::newRow("zero") << QByteArray("[Update]\nZeitlimitGewinnreihen=0\n") << Updateserver::Gewinnreihen
                              << 120000;
        QTest::newRow("beyond a day") << QByteArray("[Update]\nZeitlimitInstallation=999999999\n")
                                      << Updateserver::Installer << 1800000;
    }
    void gesamtzeit()
    {
        QFETCH(QByteArray, einstellungen);
        QFETCH(QString, datei);
        QFETCH(int, ms);
        QTemporaryDir ordner;
        const QString ini = ordner.filePath(Dateinamen::Einstellungen);
        if (!einstellungen.isNull())
            QVERIFY(schreibe(ini, einstellungen));
        QCOMPARE(Updateserver::Gesamtzeit(Einstellungen(ini), datei), ms);
    }

    void letzterZiehungstag_data()
    {
        QTest::addColumn<QDateTime>("jetzt");
        QTest::addColumn<int>("wochentag");
        QTest::addColumn<QString>("tag");
        const QDate montag(2024, 1, 8);
        QTest::newRow("Monday 20:30") << QDateTime(montag, QTime(20, 30)) << 2 << "01.01.2024";
        QTest::newRow("Monday 20:35") << QDateTime(montag, QTime(20, 35)) << 2 << "08.01.2024";
        QTest::newRow("just at 6/7 of the day") << QDateTime(montag, QTime(20, 34, 17, 142)) << 2 << "01.01.2024";
        QTest::newRow("just past 6/7 of the day") << QDateTime(montag, QTime(20, 34, 17, 143)) << 2 << "08.01.2024";
        QTest::newRow("Monday midnight") << QDateTime(montag, QTime(0, 0)) << 2 << "01.01.2024";
        QTest::newRow("Tuesday morning") << QDateTime(montag.addDays(1), QTime(8, 0)) << 2 << "08.01.2024";
        QTest::newRow("Sunday counts as 1") << QDateTime(montag.addDays(6), QTime(23, 0)) << 1 << "14.01.2024";
        QTest::newRow("Saturday counts as 7") << QDateTime(montag, QTime(12, 0)) << 7 << "06.01.2024";
    }
    void letzterZiehungstag()
    {
        QFETCH(QDateTime, jetzt);
        QFETCH(int, wochentag);
        QFETCH(QString, tag);
        QCOMPARE(LetzterZiehungstag(wochentag, jetzt, QLocale(QLocale::German, QLocale::Germany)), tag);
    }
};

QTEST_GUILESS_MAIN(TestUpdatedaten)
#include "tst_updatedaten.moc"
