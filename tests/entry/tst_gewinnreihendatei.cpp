// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "Testumgebung.h"

#include "entry/Gewinnreihendatei.h"
#include "model/Datum.h"
#include "model/Ziehungsdatei.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <cmath>

namespace {
const QLocale deutsch(QLocale::German, QLocale::Germany);

QVector<TGewZahlen> ausBytes(const QByteArray &daten)
{
    QVector<TGewZahlen> z;
    for (qsizetype i = 0; i + TGewZahlen::Groesse <= daten.size(); i += TGewZahlen::Groesse)
        z << TGewZahlen::ausBytes(daten.constData() + i);
    return z;
}

QByteArray alsBytes(const QVector<TGewZahlen> &ziehungen)
{
    QByteArray d;
    for (const TGewZahlen &z : ziehungen)
        d += z.alsBytes();
    return d;
}

TGewZahlen ziehung(int jahr, int monat, int tag, std::array<std::uint8_t, 5> zahlen, std::uint8_t zz)
{
    return Testumgebung::ziehung(QDate(jahr, monat, tag), zahlen, zz);
}
} // namespace

class TestGewinnreihendatei : public QObject
{
    Q_OBJECT
    QTemporaryDir m_ordner;
    QString pfad(const QString &name) const { return m_ordner.filePath(name); }

private Q_SLOTS:
    // A history written by the program goes out and comes back into an empty data folder byte
    // for byte, through CSV and through a workbook; into the same history it changes nothing.
    void rundreise_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::newRow("CSV") << QStringLiteral("gewinnreihen.csv");
        QTest::newRow("xlsx") << QStringLiteral("Gewinnreihen.XLSX");
    }
    void rundreise()
    {
        QFETCH(QString, datei);
        const QByteArray original = Testumgebung::ziehungen(2000);
        const QVector<TGewZahlen> historie = ausBytes(original);
        QCOMPARE(GewinnreihenExportieren(historie, pfad(datei)), QString());

        const Gewinnreihenimport leer = GewinnreihenLesen(pfad(datei), {}, deutsch);
        QVERIFY2(leer.meldung.isEmpty(), qPrintable(leer.meldung));
        QVERIFY(leer.fehler.isEmpty());
        QCOMPARE(leer.neue.size(), 2000);
        const QString gespeichert = pfad(QStringLiteral("GReihen.qtgz"));
        QCOMPARE(GZSpeichern(gespeichert, GewinnreihenUebernehmen({}, leer, false)), QString());
        QCOMPARE(inhalt(gespeichert), original);

        const Gewinnreihenimport gleich = GewinnreihenLesen(pfad(datei), historie, deutsch);
        QCOMPARE(gleich.gleiche, 2000);
        QVERIFY(!gleich.aendertEtwas());
    }

    void csvText()
    {
        QCOMPARE(GewinnreihenExportieren({ziehung(2024, 1, 1, {38, 3, 12, 25, 47}, 7)}, pfad(QStringLiteral("a.csv"))),
                 QString());
        // The numbers as stored, not sorted.
        QCOMPARE(inhalt(pfad(QStringLiteral("a.csv"))),
                 QByteArray("Datum,Z1,Z2,Z3,Z4,Z5,ZZ\r\n2024-01-01,38,3,12,25,47,7\r\n"));
    }

    // A file of new, changed, known and broken lines: the preview says what each is, and only
    // what was chosen reaches the history.
    void vorschauUndUebernahme()
    {
        const QVector<TGewZahlen> historie{ziehung(2024, 1, 8, {1, 2, 3, 4, 5}, 1),
                                           ziehung(2024, 1, 15, {6, 7, 8, 9, 10}, 2),
                                           ziehung(2024, 1, 29, {11, 12, 13, 14, 15}, 3)};
        QVERIFY(schreibe(pfad(QStringLiteral("v.csv")),
                         "Datum;Zahl 1;Zahl 2;Zahl 3;Zahl 4;Zahl 5;Zusatzzahl\r\n" // 1 header
                         "2024-01-08;1;2;3;4;5;1\r\n"                              // 2 known
                         "\"15.01.2024\";6;7;8;9;44;2\r\n"                         // 3 changed
                         "22.01.2024;20;21;22;23;24;4;;\r\n"                       // 4 new, between
                         "\r\n"                                                    // 5 empty
                         "2024-02-30;1;2;3;4;5;6\r\n"                              // 6 no date
                         "2024-02-05;1;2;3;4;50;6\r\n"                             // 7 number too big
                         "2024-02-12;1;2;3;3;5;6\r\n"                              // 8 number twice
                         "2024-02-19;1;2;3;4;5;11\r\n"                             // 9 Zusatzzahl
                         "2024-02-26;1;2;3;4;5\r\n"                                // 10 too few
                         "45285;31;32;33;34;35;5\r\n"                              // 11 new, first: 25.12.2023
                         "2024-01-22;1;2;3;4;5;6\r\n"));                           // 12 date twice
        const Gewinnreihenimport i = GewinnreihenLesen(pfad(QStringLiteral("v.csv")), historie, deutsch);
        QVERIFY2(i.meldung.isEmpty(), qPrintable(i.meldung));
        QCOMPARE(i.gleiche, 1);
        QCOMPARE(i.neue.size(), 2);
        QCOMPARE(ZiehungAlsText(i.neue[0], deutsch), QStringLiteral("25.12.2023: 31 32 33 34 35 | 5"));
        QCOMPARE(ZiehungAlsText(i.neue[1], deutsch), QStringLiteral("22.01.2024: 20 21 22 23 24 | 4"));
        QCOMPARE(i.abweichende.size(), 1);
        QCOMPARE(i.abweichende[0].index, 1);
        QCOMPARE(i.abweichende[0].zeile, 3);
        QCOMPARE(ZiehungAlsText(i.abweichende[0].gespeichert, deutsch), QStringLiteral("15.01.2024: 6 7 8 9 10 | 2"));
        QCOMPARE(ZiehungAlsText(i.abweichende[0].neu, deutsch), QStringLiteral("15.01.2024: 6 7 8 9 44 | 2"));
        QStringList fehler;
        for (const Lesefehler &f : i.fehler)
            fehler << QStringLiteral("%1: %2").arg(f.zeile).arg(f.grund);
        QCOMPARE(
            fehler,
            QStringList({
                QStringLiteral("6: \u201E2024-02-30\u201C ist kein Datum."),
                QStringLiteral("7: Die 5. Gewinnzahl \u201E50\u201C ist keine Zahl von 1 bis 49."),
                QStringLiteral("8: Die Gewinnzahl 3 steht zweimal darin."),
                QStringLiteral("9: Die Zusatzzahl \u201E11\u201C ist keine Zahl von 1 bis 10."),
                QStringLiteral("10: Die Zeile enth\u00E4lt nur 6 der 7 Werte."),
                QStringLiteral("12: Die Ziehung vom 22.01.2024 steht schon in Zeile 4."),
            }));

        // New draws only: each in its place by date, the changed draw stays.
        QVector<TGewZahlen> nurNeue = GewinnreihenUebernehmen(historie, i, false);
        QStringList texte;
        for (const TGewZahlen &z : nurNeue)
            texte << ZiehungAlsText(z, deutsch);
        QCOMPARE(
            texte,
            QStringList({QStringLiteral("25.12.2023: 31 32 33 34 35 | 5"), QStringLiteral("08.01.2024: 1 2 3 4 5 | 1"),
                         QStringLiteral("15.01.2024: 6 7 8 9 10 | 2"), QStringLiteral("22.01.2024: 20 21 22 23 24 | 4"),
                         QStringLiteral("29.01.2024: 11 12 13 14 15 | 3")}));
        // Also the changed one, which keeps its place and its fill bytes.
        QVector<TGewZahlen> mitHistorie = historie;
        mitHistorie[1].fill = {0xAB, 0xCD};
        const QVector<TGewZahlen> auchAbweichende = GewinnreihenUebernehmen(mitHistorie, i, true);
        QCOMPARE(ZiehungAlsText(auchAbweichende[2], deutsch), QStringLiteral("15.01.2024: 6 7 8 9 44 | 2"));
        QCOMPARE(auchAbweichende[2].fill, (std::array<std::uint8_t, 2>{0xAB, 0xCD}));
        QCOMPARE(auchAbweichende.size(), 5);
    }

    // A first line is the header only when it holds neither a date nor a number.
    void ersteZeile_data()
    {
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<QString>("fehler"); // empty: taken as the header
        QTest::newRow("Kopf") << QByteArray("Datum;Zahl 1;Zahl 2;Zahl 3;Zahl 4;Zahl 5;ZZ") << QString();
        QTest::newRow("Kopf ohne Werte") << QByteArray("Ziehungen;;;") << QString();
        QTest::newRow("falsches Datum") << QByteArray("2024-13-01;1;2;3;4;5;6")
                                        << QStringLiteral("1: \u201E2024-13-01\u201C ist kein Datum.");
        QTest::newRow("ohne Datum") << QByteArray(";1;2;3;4;5;6") << QStringLiteral("1: \u201E\u201C ist kein Datum.");
    }
    void ersteZeile()
    {
        QFETCH(QByteArray, zeile);
        QFETCH(QString, fehler);
        const QString datei = pfad(QStringLiteral("erste.csv"));
        QVERIFY(schreibe(datei, zeile + "\n2024-01-08;1;2;3;4;5;1\n"));
        const Gewinnreihenimport i = GewinnreihenLesen(datei, {}, deutsch);
        QCOMPARE(i.neue.size(), 1);
        QStringList gefunden;
        for (const Lesefehler &f : i.fehler)
            gefunden << QStringLiteral("%1: %2").arg(f.zeile).arg(f.grund);
        QCOMPARE(gefunden, fehler.isEmpty() ? QStringList() : QStringList{fehler});
    }

    // A title above the header, the separator told by the lines below it.
    void vorspann_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("ziehungen");
        QTest::addColumn<QString>("fehler");
        const QByteArray kopf = "Datum;Z1;Z2;Z3;Z4;Z5;ZZ\n";
        const QByteArray zwei = "2024-01-08;1;2;3;4;5;1\n15.01.2024;6;7;8;9;10;2\n";
        QTest::newRow("Titel und Kopf") << "Quintaro-Ziehungen\n" + kopf + zwei << 2 << QString();
        QTest::newRow("Titel mit Komma") << "Ziehungen, Stand Januar 2024\n\n" + kopf + zwei << 2 << QString();
        QTest::newRow("Titel ohne Kopf") << "Meine Ziehungen\n" + zwei << 2 << QString();
        QTest::newRow("nur ein Wert") << kopf + zwei + "22.01.2024\n" << 2
                                      << QStringLiteral("4: Die Zeile enth\u00E4lt nur 1 der 7 Werte.");
        QTest::newRow("zweiter Titel") << "Titel\nNoch ein Titel\n" + zwei << 2
                                       << QStringLiteral("2: Die Zeile enth\u00E4lt nur 1 der 7 Werte.");
    }
    void vorspann()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, ziehungen);
        QFETCH(QString, fehler);
        const QString datei = pfad(QStringLiteral("titel.csv"));
        QVERIFY(schreibe(datei, text));
        const Gewinnreihenimport i = GewinnreihenLesen(datei, {}, deutsch);
        QVERIFY2(i.meldung.isEmpty(), qPrintable(i.meldung));
        QCOMPARE(i.neue.size(), ziehungen);
        QStringList gefunden;
        for (const Lesefehler &f : i.fehler)
            gefunden << QStringLiteral("%1: %2").arg(f.zeile).arg(f.grund);
        QCOMPARE(gefunden, fehler.isEmpty() ? QStringList() : QStringList{fehler});
    }

    // Workbooks that count their dates from 1904, written by openpyxl, xlsxwriter and, as .xls,
    // by LibreOffice Calc, give the dates they show.
    void datum1904_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::newRow("openpyxl") << QStringLiteral("datum1904-openpyxl.xlsx");
        QTest::newRow("xlsxwriter") << QStringLiteral("datum1904-xlsxwriter.xlsx");
        QTest::newRow("xls") << QStringLiteral("datum1904.xls");
    }
    void datum1904()
    {
        QFETCH(QString, datei);
        const Gewinnreihenimport i =
            GewinnreihenLesen(QStringLiteral(QUINTARO_TESTDATA "/arbeitsmappen/") + datei, {}, deutsch);
        QVERIFY2(i.meldung.isEmpty(), qPrintable(i.meldung));
        QVERIFY(i.fehler.isEmpty());
        QStringList texte;
        for (const TGewZahlen &z : i.neue)
            texte << ZiehungAlsText(z, deutsch);
        QCOMPARE(texte, QStringList({QStringLiteral("02.01.1904: 41 2 38 12 22 | 6"),
                                     QStringLiteral("06.01.2024: 3 12 25 38 47 | 7"),
                                     QStringLiteral("13.01.2024: 1 5 9 33 47 | 10")}));
    }

    // A date cell gives the date it stores, whatever text it shows and whatever the locale:
    // OpenDocument files by odfpy and by Gnumeric whose texts show day and month the other way
    // round, a date and time, a weekday; and workbooks dated before 1 March 1900 as spreadsheets
    // count those days.
    void datumswerte_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("daten");
        const QStringList odfpy{QStringLiteral("2024-03-04"), QStringLiteral("2024-03-09"),
                                QStringLiteral("2024-03-16"), QStringLiteral("2024-03-23"),
                                QStringLiteral("2024-03-30")};
        QStringList gnumeric;
        for (int i = 0; i < 16; ++i)
            gnumeric << QDate(2024, 1, 6).addDays(7 * i).toString(Qt::ISODate);
        const QStringList frueh{QStringLiteral("1900-01-01"), QStringLiteral("1900-01-02"),
                                QStringLiteral("1900-02-28"), QStringLiteral("1900-03-01"),
                                QStringLiteral("2024-01-06")};
        const std::pair<const char *, QLocale> orte[] = {{"de_DE", QLocale(QLocale::German, QLocale::Germany)},
                                                         {"en_US", QLocale(QLocale::English, QLocale::UnitedStates)},
                                                         {"en_GB", QLocale(QLocale::English, QLocale::UnitedKingdom)}};
        for (const auto &[name, locale] : orte) {
            QTest::addRow("odfpy %s", name) << QStringLiteral("datumswerte-odfpy.ods") << locale << odfpy;
            QTest::addRow("Gnumeric %s", name) << QStringLiteral("datumswerte-gnumeric.ods") << locale << gnumeric;
            QTest::addRow("openpyxl %s", name) << QStringLiteral("vor-maerz-1900-openpyxl.xlsx") << locale << frueh;
            QTest::addRow("xlsxwriter %s", name) << QStringLiteral("vor-maerz-1900-xlsxwriter.xlsx") << locale << frueh;
        }
    }
    void datumswerte()
    {
        QFETCH(QString, datei);
        QFETCH(QLocale, locale);
        QFETCH(QStringList, daten);
        const Gewinnreihenimport i =
            GewinnreihenLesen(QStringLiteral(QUINTARO_TESTDATA "/arbeitsmappen/") + datei, {}, locale);
        QVERIFY2(i.meldung.isEmpty(), qPrintable(i.meldung));
        QCOMPARE(i.fehlerAnzahl, 0);
        QStringList gelesen;
        for (const TGewZahlen &z : i.neue)
            gelesen << Datum::zuDatum(z.datum).toString(Qt::ISODate);
        QCOMPARE(gelesen, daten);
    }

    // Workbooks whose formulas were saved without their results (openpyxl, odfpy): one message
    // that says so and how to mend it, nothing read.
    void formelnOhneWerte_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::newRow("openpyxl") << QStringLiteral("formeln-ohne-werte-openpyxl.xlsx");
        QTest::newRow("odfpy") << QStringLiteral("formeln-ohne-werte-odfpy.ods");
    }
    void formelnOhneWerte()
    {
        QFETCH(QString, datei);
        const Gewinnreihenimport i =
            GewinnreihenLesen(QStringLiteral(QUINTARO_TESTDATA "/arbeitsmappen/") + datei, {}, deutsch);
        QCOMPARE(i.meldung,
                 QStringLiteral("Die Arbeitsmappe \u201E%1\u201C kann ich nicht einlesen.\n\nDie Zelle A2 der ersten "
                                "Tabelle enth\u00E4lt eine Formel, deren Ergebnis nicht in der Datei steht: Das "
                                "Programm, das die Arbeitsmappe geschrieben hat, hat die Formeln ohne ihre Werte "
                                "gespeichert. \u00D6ffnen Sie die Arbeitsmappe bitte in einem Tabellenprogramm (etwa "
                                "LibreOffice Calc oder Excel) und speichern Sie sie dort noch einmal; dann stehen die "
                                "Ergebnisse darin und ich kann sie einlesen.\n\nIch breche ab.")
                     .arg(datei));
        QVERIFY(!i.aendertEtwas());
        QVERIFY(i.fehler.isEmpty());
    }

    // "Unicode text" as Calc saves it (UTF-16 with its byte-order mark, tab-separated) gives the
    // draws of the same table saved as CSV; so does the same text written big-endian.
    void unicodeText()
    {
        const QString daten = QStringLiteral(QUINTARO_TESTDATA "/arbeitsmappen/");
        const Gewinnreihenimport csv = GewinnreihenLesen(daten + QStringLiteral("ziehungen.csv"), {}, deutsch);
        const Gewinnreihenimport le = GewinnreihenLesen(daten + QStringLiteral("ziehungen-utf16.csv"), {}, deutsch);
        QVERIFY2(le.meldung.isEmpty(), qPrintable(le.meldung));
        QCOMPARE(le.neue.size(), 8);
        QCOMPARE(le.neue, csv.neue);
        QCOMPARE(le.fehlerAnzahl, csv.fehlerAnzahl);

        const QByteArray klein = inhalt(daten + QStringLiteral("ziehungen-utf16.csv"));
        QByteArray gross = klein;
        for (qsizetype k = 0; k + 1 < gross.size(); k += 2)
            std::swap(gross[k], gross[k + 1]);
        QVERIFY(gross.startsWith("\xFE\xFF"));
        QVERIFY(schreibe(pfad(QStringLiteral("gross.txt")), gross));
        QCOMPARE(GewinnreihenLesen(pfad(QStringLiteral("gross.txt")), {}, deutsch).neue, csv.neue);
    }

    // Of the lines that are no draw the first 100 are kept, in line order whatever their reason,
    // and all are counted; a field longer than any value of a draw is named as such.
    void fehlerlisteBegrenzt()
    {
        QByteArray csv = "Datum;Z1;Z2;Z3;Z4;Z5;ZZ\n";
        for (int i = 0; i < 300; ++i) {
            const QDate tag = QDate(2024, 1, 6).addDays(7 * (i / 3));
            if (i % 3 == 1)
                csv += "kaputt;1;2;3;4;5;6\n";
            else
                csv += tag.toString(Qt::ISODate).toLatin1() + ";1;2;3;4;5;" + QByteArray::number(i % 3 + 1) + "\n";
        }
        QVERIFY(schreibe(pfad(QStringLiteral("fehler.csv")), csv));
        const Gewinnreihenimport i = GewinnreihenLesen(pfad(QStringLiteral("fehler.csv")), {}, deutsch);
        QCOMPARE(i.neue.size(), 100);
        QCOMPARE(i.fehlerAnzahl, 200);
        QCOMPARE(i.fehler.size(), MaxLesefehler);
        QCOMPARE(i.fehler[0].zeile, 3);
        QCOMPARE(i.fehler[0].grund, QStringLiteral("\u201Ekaputt\u201C ist kein Datum."));
        QCOMPARE(i.fehler[1].zeile, 4);
        QCOMPARE(i.fehler[1].grund, QStringLiteral("Die Ziehung vom 06.01.2024 steht schon in Zeile 2."));
        QCOMPARE(i.fehler[99].zeile, 151);

        QVERIFY(schreibe(pfad(QStringLiteral("lang.csv")),
                         "2030-01-05;" + QByteArray(65, '7') + ";2;3;4;5;6\n2030-01-12;1;2;3;4;5;6\n"));
        const Gewinnreihenimport lang = GewinnreihenLesen(pfad(QStringLiteral("lang.csv")), {}, deutsch);
        QCOMPARE(lang.neue.size(), 1);
        QCOMPARE(lang.fehler.size(), 1);
        QCOMPARE(lang.fehler.constFirst().grund,
                 QStringLiteral("Der 2. Wert ist l\u00E4nger als 64 Zeichen; so lang ist kein Wert einer Ziehung."));
    }

    // Hostile CSV files cost what they keep: millions of empty lines, a line of millions of fields.
    void grosseCSV()
    {
        QVERIFY(schreibe(pfad(QStringLiteral("leer.csv")), QByteArray(8'000'000, '\n') + "2024-01-06;3;12;25;38;47;7\n"));
        const Gewinnreihenimport leer = GewinnreihenLesen(pfad(QStringLiteral("leer.csv")), {}, deutsch);
        QCOMPARE(leer.neue.size(), 1);
        QCOMPARE(leer.fehlerAnzahl, 0);
        QVERIFY(schreibe(pfad(QStringLiteral("felder.csv")), "2024-01-06;3;12;25;38;47;7" + QByteArray(8'000'000, ';') + "1\n"));
        const Gewinnreihenimport felder = GewinnreihenLesen(pfad(QStringLiteral("felder.csv")), {}, deutsch);
        QVERIFY2(felder.meldung.contains(QStringLiteral("Es stehen 8000007 Werte darin")), qPrintable(felder.meldung));
    }

    // Draws on the second worksheet only: the refusal names the first one, the one read.
    void zweitesBlatt_data()
    {
        QTest::addColumn<QString>("endung");
        for (const char *endung : {"xlsx", "xls", "ods"})
            QTest::newRow(endung) << QString::fromLatin1(endung);
    }
    void zweitesBlatt()
    {
        QFETCH(QString, endung);
        const Gewinnreihenimport i = GewinnreihenLesen(
            QStringLiteral(QUINTARO_TESTDATA "/arbeitsmappen/zweites-blatt.") + endung, {}, deutsch);
        QCOMPARE(i.meldung,
                 QStringLiteral("In der Datei \u201Ezweites-blatt.%1\u201C steht keine Ziehung, die ich lesen kann.\n\n"
                                "Ich lese nur das erste Tabellenblatt der Arbeitsmappe, \u201EHinweise\u201C.\n\n"
                                "Ich breche ab.")
                     .arg(endung));
    }

    void datumsformen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("datum");
        QTest::newRow("ISO") << QStringLiteral("2024-01-08") << QDate(2024, 1, 8);
        QTest::newRow("deutsch") << QStringLiteral("08.01.2024") << QDate(2024, 1, 8);
        QTest::newRow("kurz") << QStringLiteral("8.1.2024") << QDate(2024, 1, 8);
        QTest::newRow("zweistellig") << QStringLiteral("08.01.24") << QDate(2024, 1, 8);
        QTest::newRow("letztes Jahrhundert") << QStringLiteral("08.01.99") << QDate(1999, 1, 8);
        QTest::newRow("Tageszahl") << QStringLiteral("45299") << QDate(2024, 1, 8);
        QTest::newRow("mit Uhrzeit") << QStringLiteral("45299,83") << QDate(2024, 1, 8);
        QTest::newRow("kein Tag") << QStringLiteral("31.02.2024") << QDate();
        QTest::newRow("Text") << QStringLiteral("Datum") << QDate();
        QTest::newRow("negativ") << QStringLiteral("-5") << QDate();
        // Spreadsheets count 1900 as a leap year: day 60 is their 29 February 1900.
        QTest::newRow("Tag 1") << QStringLiteral("1") << QDate(1900, 1, 1);
        QTest::newRow("Tag 59") << QStringLiteral("59") << QDate(1900, 2, 28);
        QTest::newRow("Tag 59 mit Uhrzeit") << QStringLiteral("59,99") << QDate(1900, 2, 28);
        QTest::newRow("Tag 60") << QStringLiteral("60") << QDate();
        QTest::newRow("Tag 60 mit Uhrzeit") << QStringLiteral("60,5") << QDate();
        QTest::newRow("Tag 61") << QStringLiteral("61") << QDate(1900, 3, 1);
        QTest::newRow("Tag 0") << QStringLiteral("0") << QDate();
        QTest::newRow("Tausenderpunkt") << QStringLiteral("45.299") << QDate(2024, 1, 8);
    }

    // The quick reader of dates agrees with the general one of the locale on every text either
    // may meet: each form of the program, cut, padded, with other separators and impossible days,
    // under German, American and British formats.
    void datumWieAllgemein_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom);
    }
    void datumWieAllgemein()
    {
        QFETCH(QLocale, locale);
        // What the program did before it read the usual forms itself.
        const auto allgemein = [&locale](const QString &text) -> QDate {
            const QString t = text.trimmed();
            if (t.isEmpty())
                return QDate();
            for (const QString &f : {QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd.MM.yyyy"),
                                     QStringLiteral("d.M.yyyy"), Datum::kurzesFormat(locale)})
                if (const QDate d = locale.toDate(t, f); d.isValid())
                    return d;
            const QString kurz = locale.dateFormat(QLocale::ShortFormat);
            if (QDate d = locale.toDate(t, kurz); d.isValid()) {
                if (!kurz.contains(QLatin1String("yyyy")) && d.year() < 2000) {
                    d = d.addYears(100);
                    if (d.year() > QDate::currentDate().year())
                        d = d.addYears(-100);
                }
                return d;
            }
            bool ok = false;
            double tag = locale.toDouble(t, &ok);
            if (!ok)
                tag = t.toDouble(&ok);
            if (!ok || !std::isfinite(tag) || tag < 1.0 || tag > 2958465.0 || std::floor(tag) == 60.0)
                return QDate();
            return Datum::zuDatum(std::floor(tag) + (tag < 60.0 ? 1.0 : 0.0));
        };
        QStringList texte;
        const QStringList tage{QStringLiteral("1"), QStringLiteral("01"), QStringLiteral("9"), QStringLiteral("12"),
                               QStringLiteral("13"), QStringLiteral("29"), QStringLiteral("31"), QStringLiteral("32"),
                               QStringLiteral("00"), QStringLiteral("001")};
        const QStringList jahre{QStringLiteral("2024"), QStringLiteral("24"), QStringLiteral("99"),
                                QStringLiteral("0024"), QStringLiteral("202"), QStringLiteral("20240")};
        for (const QString &sep : {QStringLiteral("."), QStringLiteral("/"), QStringLiteral("-"), QStringLiteral(". ")})
            for (const QString &a : tage)
                for (const QString &b : tage)
                    for (const QString &j : jahre) {
                        texte << a + sep + b + sep + j << j + sep + a + sep + b;
                    }
        for (const char *t : {"45299", "45299,5", "45299.5", "45.299", "45,299", "59", "60", "61", "1", "0", "0,5",
                              "59,9999999", "2958465", "2958466", "1e4", "+45299", " 45299 ", "45299,", ",5",
                              "08.01.2024 ", " 08.01.2024", "+8.1.2024", "8.1.2024x", "2024-01-08T10:00"})
            texte << QString::fromLatin1(t);
        for (const QString &t : std::as_const(texte))
            QVERIFY2(ZiehungsdatumLesen(t, locale).value_or(QDate()) == allgemein(t), qPrintable(t));
    }
    void datumsformen()
    {
        QFETCH(QString, text);
        QFETCH(QDate, datum);
        QCOMPARE(ZiehungsdatumLesen(text, deutsch).value_or(QDate()), datum);
    }

    // Files that are no file of draws: a German message and nothing to take.
    void schlechteDateien_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<QString>("meldung");
        QByteArray binaer(4096, '\0');
        for (int i = 0; i < binaer.size(); ++i)
            binaer[i] = static_cast<char>((i * 7919) % 256);
        QTest::newRow("binaer") << binaer << QStringLiteral("ist weder eine CSV-Datei noch eine Arbeitsmappe.");
        QTest::newRow("leer") << QByteArray() << QStringLiteral("ist leer.");
        QTest::newRow("Leerzeilen") << QByteArray("\r\n \r\n") << QStringLiteral("ist leer.");
        QTest::newRow("Text") << QByteArray("Liebe Tippgemeinschaft,\nbis Montag!\n")
                              << QStringLiteral("steht keine Ziehung, die ich lesen kann.\n\nZeile 2: ");
        QTest::newRow("kaputte Mappe") << QByteArray("PK\x03\x04 nicht mehr")
                                       << QStringLiteral("kann ich nicht einlesen.");
    }
    void schlechteDateien()
    {
        QFETCH(QByteArray, daten);
        QFETCH(QString, meldung);
        const QString datei = pfad(QStringLiteral("schlecht.csv"));
        QVERIFY(schreibe(datei, daten));
        const Gewinnreihenimport i = GewinnreihenLesen(datei, {ziehung(2024, 1, 8, {1, 2, 3, 4, 5}, 1)}, deutsch);
        QVERIFY2(i.meldung.contains(meldung), qPrintable(i.meldung));
        QVERIFY(!i.aendertEtwas());
        QVERIFY(i.fehler.isEmpty());
    }

    void zuGrosseUndFehlendeDatei()
    {
        const QString gross = pfad(QStringLiteral("gross.csv"));
        {
            QFile f(gross);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(50 * 1024 * 1024));
        }
        QVERIFY(
            GewinnreihenLesen(gross, {}, deutsch).meldung.contains(QStringLiteral("ist gr\u00F6\u00DFer als 16 MB")));
        QVERIFY(
            GewinnreihenLesen(pfad(QStringLiteral("fehlt.csv")), {}, deutsch)
                .meldung.startsWith(QStringLiteral("Die Datei \u201Efehlt.csv\u201C konnte nicht gelesen werden.")));
    }

    // A failed workbook export leaves the file that stood there as it was.
    void exportOhneOrdner()
    {
        QVERIFY(schreibe(pfad(QStringLiteral("datei")), "x"));
        for (const QString &name : {QStringLiteral("datei/g.xlsx"), QStringLiteral("datei/g.csv")})
            QVERIFY(GewinnreihenExportieren({ziehung(2024, 1, 1, {1, 2, 3, 4, 5}, 6)}, pfad(name))
                        .contains(QStringLiteral("konnte nicht geschrieben werden")));
        QCOMPARE(inhalt(pfad(QStringLiteral("datei"))), QByteArray("x"));
    }

    // What LibreOffice Calc writes from a CSV of draws (its dates become date cells) imports
    // as the same draws, from .xlsx, .ods and .xls.
    void vonLibreOffice()
    {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QFAIL("LibreOffice Calc (soffice) is not installed; scripts/install-deps.sh installs it.");
        const QVector<TGewZahlen> historie = ausBytes(Testumgebung::ziehungen(60));
        const QString csv = pfad(QStringLiteral("calc.csv"));
        QCOMPARE(GewinnreihenExportieren(historie, csv), QString());
        QTemporaryDir ziel;
        std::vector<std::pair<std::unique_ptr<QTemporaryDir>, std::unique_ptr<QProcess>>> laeufe;
        for (const QString &format : {QStringLiteral("xlsx"), QStringLiteral("ods"), QStringLiteral("xls")}) {
            auto profil = std::make_unique<QTemporaryDir>();
            auto p = std::make_unique<QProcess>();
            p->setProcessChannelMode(QProcess::MergedChannels);
            p->start(soffice,
                     {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profil->path()).toString(),
                      QStringLiteral("--headless"), QStringLiteral("--norestore"),
                      QStringLiteral("--infilter=CSV:44,34,76,1,,1033"), QStringLiteral("--convert-to"), format,
                      QStringLiteral("--outdir"), ziel.path(), csv});
            laeufe.emplace_back(std::move(profil), std::move(p));
        }
        for (auto &[profil, p] : laeufe) {
            QVERIFY(p->waitForFinished(180000));
            QVERIFY2(p->exitCode() == 0, p->readAll().constData());
        }
        for (const QString &format : {QStringLiteral("xlsx"), QStringLiteral("ods"), QStringLiteral("xls")}) {
            const Gewinnreihenimport i =
                GewinnreihenLesen(ziel.filePath(QStringLiteral("calc.") + format), {}, deutsch);
            QVERIFY2(i.meldung.isEmpty(), qPrintable(format + i.meldung));
            QVERIFY2(i.fehler.isEmpty(),
                     qPrintable(format + QLatin1Char(' ') + (i.fehler.isEmpty() ? QString() : i.fehler[0].grund)));
            QCOMPARE(alsBytes(GewinnreihenUebernehmen({}, i, false)), alsBytes(historie));
        }
    }
};

QTEST_GUILESS_MAIN(TestGewinnreihendatei)
#include "tst_gewinnreihendatei.moc"
