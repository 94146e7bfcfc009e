// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "Tabellenzeilen.h"

#include "entry/Arbeitsmappe.h"
#include "entry/Mappenleser.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <xlsxwriter.h>
#include <zip.h>

namespace {
const QString Daten = QStringLiteral(QUINTARO_TESTDATA "/arbeitsmappen/");
const QLocale Deutsch(QLocale::German, QLocale::Germany);
const QString nbsp = QStringLiteral("\u00A0");


// The table a window starts with: a header row and 50 empty rows.
TextTabelle startTabelle()
{
    TextTabelle t(7, 51);
    const QStringList kopf{QStringLiteral("Reihe"), QStringLiteral("Z1"), QStringLiteral("Z2"), QStringLiteral("Z3"),
                           QStringLiteral("Z4"),    QStringLiteral("Z5"), QStringLiteral("ZZ")};
    for (int s = 0; s < 7; ++s)
        t.setzeZelle(s, 0, kopf[s]);
    return t;
}

// A zip archive of the given parts, written with libzip.
bool zipSchreiben(const QString &pfad, const QList<QPair<const char *, QByteArray>> &teile)
{
    QFile::remove(pfad);
    int fehler = 0;
    zip_t *archiv = zip_open(QFile::encodeName(pfad).constData(), ZIP_CREATE | ZIP_TRUNCATE, &fehler);
    if (!archiv)
        return false;
    for (const auto &[name, inhalt] : teile) {
        zip_source_t *q = zip_source_buffer(archiv, inhalt.constData(), static_cast<zip_uint64_t>(inhalt.size()), 0);
        if (!q || zip_file_add(archiv, name, q, ZIP_FL_OVERWRITE) < 0)
            return false;
    }
    return zip_close(archiv) == 0;
}

// An xlsx of one sheet whose XML is given, with optional shared strings.
bool xlsxSchreiben(const QString &pfad, const QByteArray &blatt, const QByteArray &gemeinsam = {})
{
    QList<QPair<const char *, QByteArray>> teile{
        {"xl/workbook.xml", "<workbook xmlns:r=\"r\"><sheets><sheet name=\"Erste\" sheetId=\"1\" r:id=\"rId7\"/>"
                            "<sheet name=\"Zweite\" sheetId=\"2\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/>"
         "<Relationship Id=\"rId7\" Target=\"/xl/worksheets/erste.xml\"/></Relationships>"},
        {"xl/worksheets/sheet1.xml", "<worksheet><sheetData><row><c><v>99</v></c></row></sheetData></worksheet>"},
        {"xl/worksheets/erste.xml", blatt}};
    if (!gemeinsam.isEmpty())
        teile.append({"xl/sharedStrings.xml", gemeinsam});
    return zipSchreiben(pfad, teile);
}

QByteArray odsInhalt(const QByteArray &tabelle)
{
    return "<office:document-content xmlns:office=\"o\" xmlns:table=\"t\" "
           "xmlns:text=\"x\"><office:body><office:spreadsheet>"
           "<table:table table:name=\"Blatt1\">" +
           tabelle +
           "</table:table><table:table "
           "table:name=\"Blatt2\"/></office:spreadsheet></office:body></office:document-content>";
}
// The soft and hard value of one limit in a /proc/<pid>/limits file, as "soft hard".
QString grenze(const QString &limits, const char *name)
{
    for (const QByteArray &zeile : inhalt(limits).split('\n')) {
        if (!zeile.startsWith(name))
            continue;
        const QList<QByteArray> werte = zeile.mid(qsizetype(std::strlen(name))).simplified().split(' ');
        if (werte.size() >= 2)
            return QString::fromLatin1(werte[0] + ' ' + werte[1]);
    }
    return QString();
}

// The address space of this process now, in bytes.
rlim_t adressraum()
{
    for (const QByteArray &zeile : inhalt(QStringLiteral("/proc/self/status")).split('\n'))
        if (zeile.startsWith("VmSize:"))
            return rlim_t(zeile.mid(7).trimmed().split(' ').value(0).toULongLong()) * 1024;
    return 0;
}

// Reads the workbook in a child process that may take only `zusaetzlich` bytes of address space
// beyond what the test already has: the message of the reader, or how the child ended.
QString begrenztLesen(const QString &pfad, rlim_t zusaetzlich)
{
    QTemporaryFile antwort;
    if (!antwort.open())
        return QStringLiteral("keine Antwortdatei");
    const QByteArray antwortpfad = QFile::encodeName(antwort.fileName());
    const pid_t kind = fork();
    if (kind == 0) {
#ifndef QUINTARO_ASAN // the sanitizer reserves terabytes of address space for itself
        const rlimit grenze{adressraum() + zusaetzlich, adressraum() + zusaetzlich};
        setrlimit(RLIMIT_AS, &grenze);
#endif
        TextTabelle t = startTabelle();
        const QByteArray fehler = ExcelEinlesen(t, pfad, Deutsch).toUtf8();
        FILE *f = std::fopen(antwortpfad.constData(), "wb");
        const bool geschrieben = f && std::fwrite(fehler.constData(), 1, size_t(fehler.size()), f) == size_t(fehler.size());
        _exit(f && std::fclose(f) == 0 && geschrieben ? 0 : 1);
    }
    int status = 0;
    if (kind < 0 || waitpid(kind, &status, 0) != kind)
        return QStringLiteral("kein Kindprozess");
    if (WIFSIGNALED(status))
        return QStringLiteral("vom Signal %1 beendet").arg(WTERMSIG(status));
    if (WEXITSTATUS(status) != 0)
        return QStringLiteral("mit %1 beendet").arg(WEXITSTATUS(status));
    return QString::fromUtf8(inhalt(antwort.fileName()));
}
} // namespace

class TestArbeitsmappe : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;
    QString datei(const QString &name) const { return ordner.filePath(name); }

private Q_SLOTS:
    // Workbooks that LibreOffice Calc wrote from the CSV files beside them.
    void vonCalcGeschrieben_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QStringList>("tabelle");
        const QString kopf = QStringLiteral("Reihe|Z1|Z2|Z3|Z4|Z5|ZZ");
        const QStringList reihen10{kopf,
                                   QStringLiteral("1|41|2|38|12|22|6"),
                                   QStringLiteral("2|1|5|9|33|47|10"),
                                   QStringLiteral("3|3|12|25|38|47|7"),
                                   QStringLiteral("4|1|2|3|4|5|10"),
                                   QStringLiteral("5|7|14|21|28|35|1"),
                                   QStringLiteral("6|8|16|24|32|40|2"),
                                   QStringLiteral("7|9|18|27|36|45|3"),
                                   QStringLiteral("8|10|20|30|40|49|4"),
                                   QStringLiteral("9|11|22|33|44|46|5"),
                                   QStringLiteral("10|13|26|39|42|48|9")};
        // A1:H3 with empty cells, decimals, text and a number of 17 digits.
        const QStringList breit3{kopf + QStringLiteral("||"),
                                 QStringLiteral("1|1|2,5||Text mit Leerzeichen|-7|0,125||8"),
                                 QStringLiteral("2|12345678901234600||||ein \"zitiertes\" Wort|1234,5|3|"),
                                 QStringLiteral("3||||||||0,0000001")};
        for (const QString &endung : {QStringLiteral("xlsx"), QStringLiteral("xls"), QStringLiteral("ods")}) {
            QTest::addRow("A1:F10 %s", qPrintable(endung)) << QStringLiteral("reihen10.") + endung << reihen10;
            QTest::addRow("A1:H3 %s", qPrintable(endung)) << QStringLiteral("breit3.") + endung << breit3;
        }
    }
    void vonCalcGeschrieben()
    {
        QFETCH(QString, datei);
        QFETCH(QStringList, tabelle);
        TextTabelle t = startTabelle();
        QCOMPARE(ExcelEinlesen(t, Daten + datei, Deutsch), QString());
        QCOMPARE(zeilen(t), tabelle);
    }

    // What the export writes, read back by the import: text cells with the non-breaking space,
    // the rows 1.. and the columns up to the last one asked for, nothing else.
    void exportGelesen()
    {
        TextTabelle t = startTabelle();
        t.setzeZeilen(4);
        const QStringList reihen{QStringLiteral("2 12 22 38 41 6"), QStringLiteral("07 5 9 33 47 10"),
                                 QStringLiteral("1 2 3 4 5 x")};
        for (int z = 1; z <= 3; ++z) {
            t.setzeZelle(0, z, QString::number(z));
            const QStringList zellen = reihen[z - 1].split(QLatin1Char(' '));
            for (int s = 1; s <= 6; ++s)
                t.setzeZelle(s, z, zellen[s - 1]);
        }
        t.setzeSpalten(8);
        t.setzeZelle(7, 1, QStringLiteral("nicht exportiert"));
        QCOMPARE(ArbeitsmappeSchreiben(t, QStringLiteral("Tippreihen"), 6, datei(QStringLiteral("export.xlsx"))),
                 QString());

        TextTabelle gelesen = startTabelle();
        QCOMPARE(ExcelEinlesen(gelesen, datei(QStringLiteral("export.xlsx")), Deutsch), QString());
        QCOMPARE(zeilen(gelesen),
                 (QStringList{QStringLiteral("Reihe|Z1|Z2|Z3|Z4|Z5|ZZ"),
                              QStringLiteral("1|%1").arg(nbsp + QStringLiteral("2|") + nbsp + QStringLiteral("12|") +
                                                         nbsp + QStringLiteral("22|") + nbsp + QStringLiteral("38|") +
                                                         nbsp + QStringLiteral("41|") + nbsp + QStringLiteral("6")),
                              QStringLiteral("2|%1").arg(nbsp + QStringLiteral("07|") + nbsp + QStringLiteral("5|") +
                                                         nbsp + QStringLiteral("9|") + nbsp + QStringLiteral("33|") +
                                                         nbsp + QStringLiteral("47|") + nbsp + QStringLiteral("10")),
                              QStringLiteral("3|%1").arg(nbsp + QStringLiteral("1|") + nbsp + QStringLiteral("2|") +
                                                         nbsp + QStringLiteral("3|") + nbsp + QStringLiteral("4|") +
                                                         nbsp + QStringLiteral("5|") + nbsp + QStringLiteral("x"))}));
    }

    // What other programs write: cells without addresses, inline and rich strings, booleans,
    // errors, a formula with its value, escaped control characters, prefixed element names.
    void xlsxVonHand()
    {
        const QByteArray blatt =
            "<x:worksheet xmlns:x=\"s\"><x:sheetData>"
            "<x:row r=\"2\"><x:c t=\"s\"><x:v>1</x:v></x:c><x:c t=\"b\"><x:v>1</x:v></x:c><x:c "
            "t=\"b\"><x:v>0</x:v></x:c></x:row>"
            "<x:row><x:c r=\"B3\" t=\"inlineStr\"><x:is><x:t xml:space=\"preserve\"> a </x:t></x:is></x:c>"
            "<x:c t=\"e\"><x:v>#DIV/0!</x:v></x:c><x:c><x:f>A1</x:f><x:v>7</x:v></x:c><x:c "
            "t=\"str\"><x:v>x_x0009_y</x:v></x:c></x:row>"
            "<x:row r=\"4\"><x:c r=\"A4\" t=\"s\"><x:v>0</x:v></x:c><x:c r=\"C4\"><x:v>2.50</x:v></x:c></x:row>"
            "</x:sheetData></x:worksheet>";
        const QByteArray gemeinsam =
            "<sst><si><t>eins</t></si><si><r><t>zw</t></r><r><rPr/><t>ei</t></r><rPh><t>x</t></rPh></si></sst>";
        QVERIFY(xlsxSchreiben(datei(QStringLiteral("hand.xlsx")), blatt, gemeinsam));
        TextTabelle t = startTabelle();
        QCOMPARE(ExcelEinlesen(t, datei(QStringLiteral("hand.xlsx")), Deutsch), QString());
        QCOMPARE(zeilen(t), (QStringList{QStringLiteral("Reihe|Z1|Z2|Z3|Z4|Z5"), QStringLiteral("1|||||"),
                                         QStringLiteral("2|zwei|WAHR|FALSCH||"), QStringLiteral("3|| a |#DIV/0!|7|x\ty"),
                                         QStringLiteral("4|eins||2,5||")}));
    }

    void odsVonHand()
    {
        const QByteArray tabelle =
            "<table:table-column table:number-columns-repeated=\"1024\"/>"
            "<table:table-header-rows><table:table-row><table:table-cell office:value-type=\"float\" "
            "office:value=\"3\"/>"
            "<table:table-cell table:number-columns-repeated=\"2\" office:value-type=\"string\"><text:p>a<text:s "
            "text:c=\"2\"/>b"
            "</text:p><text:p>c</text:p></table:table-cell></table:table-row></table:table-header-rows>"
            "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell table:number-columns-repeated=\"3\"/>"
            "<table:table-cell office:value-type=\"boolean\" "
            "office:boolean-value=\"true\"><text:p>WAHR</text:p></table:table-cell>"
            "</table:table-row>"
            "<table:table-row table:number-rows-repeated=\"1048570\"><table:table-cell "
            "table:number-columns-repeated=\"1024\"/>"
            "</table:table-row>";
        QVERIFY(zipSchreiben(
            datei(QStringLiteral("hand.ods")),
            {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", odsInhalt(tabelle)}}));
        TextTabelle t = startTabelle();
        QCOMPARE(ExcelEinlesen(t, datei(QStringLiteral("hand.ods")), Deutsch), QString());
        QCOMPARE(zeilen(t), (QStringList{QStringLiteral("Reihe|Z1|Z2|Z3|Z4"), QStringLiteral("1|3|a  b\nc|a  b\nc|"),
                                         QStringLiteral("2||||WAHR"), QStringLiteral("3||||WAHR")}));
    }

    // Bad workbooks end with a German message; the table stays as it was and nothing hangs.
    void schlechteDateien_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("not a workbook")
            << QStringLiteral("text.xlsx")
            << QStringLiteral("Die Datei \u201Etext.xlsx\u201C ist keine Excel- oder Calc-Arbeitsmappe.");
        QTest::newRow("damaged zip") << QStringLiteral("kaputt.xlsx")
                                     << QStringLiteral("Das Zip-Archiv der Arbeitsmappe ist besch\u00E4digt.");
        QTest::newRow("zip without workbook")
            << QStringLiteral("fremd.xlsx") << QStringLiteral("Das Zip-Archiv enth\u00E4lt keine Arbeitsmappe.");
        QTest::newRow("1,000,000 rows xlsx")
            << QStringLiteral("lang.xlsx")
            << QStringLiteral("Die erste Tabelle reicht bis Zeile 1000000; ich lese h\u00F6chstens "
                              "200000 Zeilen ein.");
        QTest::newRow("1,000,000 rows ods")
            << QStringLiteral("lang.ods")
            << QStringLiteral("Die erste Tabelle reicht bis Zeile 1000001; ich lese h\u00F6chstens "
                              "200000 Zeilen ein.");
        QTest::newRow("too many columns")
            << QStringLiteral("breit.xlsx")
            << QStringLiteral("Die erste Tabelle reicht bis Spalte 703; ich lese h\u00F6chstens 702 Spalten ein.");
        QTest::newRow("too many cells")
            << QStringLiteral("weit.xlsx")
            << QStringLiteral("Die erste Tabelle reicht bis ZZ200000; das sind mehr als 2000000 Zellen.");
        QTest::newRow("broken xml") << QStringLiteral("xml.ods")
                                    << QStringLiteral("Der Teil \u201Econtent.xml\u201C ist kein g\u00FCltiges XML");
        QTest::newRow("damaged xls") << QStringLiteral("kaputt.xls")
                                     << QStringLiteral("Die Datei ist keine lesbare Excel-Arbeitsmappe");
        // These make the library read outside its buffers; its process ends, not ours.
        for (const char *name : {"kaputt-zeichensatz1.xls", "kaputt-zeichensatz2.xls"})
            QTest::newRow(name)
                << QString::fromLatin1(name)
                << QStringLiteral("Die Arbeitsmappe \u201E%1\u201C kann ich nicht einlesen.").arg(QLatin1String(name));
        QTest::newRow("vanished") << QStringLiteral("weg.xlsx")
                                  << QStringLiteral("Die Datei \u201Eweg.xlsx\u201C konnte nicht gelesen werden.");
        QTest::newRow("pipe") << QStringLiteral("rohr.xlsx")
                              << QStringLiteral("Die Datei \u201Erohr.xlsx\u201C konnte nicht gelesen werden.\n\n"
                                                "An der Stelle der Datei steht keine gew\u00F6hnliche Datei.");
    }
    void schlechteDateien()
    {
        QFETCH(QString, name);
        QFETCH(QString, meldung);
        const QString pfad = datei(name);
        const QByteArray leer = "<worksheet><sheetData>";
        if (name == QStringLiteral("text.xlsx"))
            QVERIFY(schreibe(pfad, "1,2,3,4,5,6\r\n"));
        if (name == QStringLiteral("kaputt.xlsx"))
            QVERIFY(schreibe(pfad, inhalt(Daten + QStringLiteral("reihen10.xlsx")).left(2000)));
        if (name == QStringLiteral("fremd.xlsx"))
            QVERIFY(zipSchreiben(pfad, {{"readme.txt", "hallo"}}));
        if (name == QStringLiteral("lang.xlsx"))
            QVERIFY(xlsxSchreiben(
                pfad, leer + "<row r=\"1000000\"><c r=\"A1000000\"><v>1</v></c></row></sheetData></worksheet>"));
        if (name == QStringLiteral("lang.ods"))
            QVERIFY(zipSchreiben(
                pfad, {{"content.xml", odsInhalt("<table:table-row table:number-rows-repeated=\"1000001\">"
                                                 "<table:table-cell office:value-type=\"float\" office:value=\"1\"/>"
                                                 "</table:table-row>")}}));
        if (name == QStringLiteral("breit.xlsx"))
            QVERIFY(
                xlsxSchreiben(pfad, leer + "<row r=\"1\"><c r=\"AAA1\"><v>1</v></c></row></sheetData></worksheet>"));
        if (name == QStringLiteral("weit.xlsx"))
            QVERIFY(xlsxSchreiben(
                pfad, leer + "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"200000\"><c r=\"ZZ200000\">"
                             "<v>1</v></c></row></sheetData></worksheet>"));
        if (name == QStringLiteral("xml.ods"))
            QVERIFY(zipSchreiben(pfad, {{"content.xml", "<office:document-content><office:body"}}));
        if (name == QStringLiteral("kaputt.xls"))
            QVERIFY(schreibe(pfad, inhalt(Daten + QStringLiteral("reihen10.xls")).left(1500)));
        if (name.startsWith(QStringLiteral("kaputt-")))
            QVERIFY(schreibe(pfad, inhalt(Daten + name)));
        if (name == QStringLiteral("rohr.xlsx"))
            QCOMPARE(mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);

        const TextTabelle vorher = startTabelle();
        TextTabelle t = vorher;
        const QString fehler = ExcelEinlesen(t, pfad, Deutsch);
        QVERIFY2(fehler.contains(meldung), qPrintable(fehler));
        QVERIFY2(fehler.endsWith(QStringLiteral("\n\nIch breche ab.")) || name == QStringLiteral("weg.xlsx") ||
                     name == QStringLiteral("rohr.xlsx"),
                 qPrintable(fehler));
        QCOMPARE(t, vorher);
    }

    // The .xls reader stops at the first cell beyond a limit, and that cell is refused.
    void xlsGrenzen_data()
    {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("zellen");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("rows") << 9 << 702 << 2000000 << 1000000
                              << QStringLiteral("Die erste Tabelle reicht bis Zeile 10; ich lese h\u00F6chstens 9 "
                                                "Zeilen ein.");
        QTest::newRow("columns") << 200000 << 5 << 2000000 << 1000000
                                 << QStringLiteral("Die erste Tabelle reicht bis Spalte 6; ich lese h\u00F6chstens 5 "
                                                   "Spalten ein.");
        QTest::newRow("cells") << 200000 << 702 << 59 << 1000000
                               << QStringLiteral("Die erste Tabelle hat mehr als 59 gef\u00FCllte Zellen.");
        QTest::newRow("answer") << 200000 << 702 << 2000000 << 512
                                << QStringLiteral("Die Antwort des Hilfsprogramms \u201Equintaro-xls-leser\u201C ist "
                                                  "gr\u00F6\u00DFer als");
    }
    void xlsGrenzen()
    {
        QFETCH(int, zeilen);
        QFETCH(int, spalten);
        QFETCH(int, zellen);
        QFETCH(int, antwort);
        QFETCH(QString, meldung);
        Importgrenzen grenzen;
        grenzen.zeilen = zeilen;
        grenzen.spalten = spalten;
        grenzen.zellen = zellen;
        grenzen.xmlGroesse = antwort;
        const TextTabelle vorher = startTabelle();
        TextTabelle t = vorher;
        const QString fehler = ExcelEinlesen(t, Daten + QStringLiteral("reihen10.xls"), Deutsch, grenzen);
        QVERIFY2(fehler.contains(meldung), qPrintable(fehler));
        QCOMPARE(t, vorher);
    }

    // Whatever becomes of the .xls reader's process ends in a message, and no process is left.
    void xlsLeserVersagt_data()
    {
        QTest::addColumn<QByteArray>("skript");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("missing") << QByteArray()
                                 << QStringLiteral("leser\u201C, das .xls-Dateien liest, fehlt. Bitte installieren Sie "
                                                   "Quintaro Analyser neu.");
        QTest::newRow("not executable") << QByteArray("nicht ausführbar")
                                        << QStringLiteral("leser\u201C lie\u00DF sich nicht starten");
        QTest::newRow("crash") << QByteArray("kill -SEGV $$")
                               << QStringLiteral("Das Hilfsprogramm \u201Eleser\u201C ist beim Lesen abgest\u00FCrzt; "
                                                 "die Datei ist vermutlich besch\u00E4digt.");
        QTest::newRow("exit code") << QByteArray("exit 3")
                                   << QStringLiteral("Das Hilfsprogramm \u201Eleser\u201C hat mit dem Fehlercode 3 "
                                                     "aufgegeben");
        QTest::newRow("hangs") << QByteArray("exec sleep 600")
                               << QStringLiteral("Das Lesen hat l\u00E4nger als 1 Sekunde gedauert; ich habe es "
                                                 "abgebrochen.");
        const QString unverstaendlich =
            QStringLiteral("Das Hilfsprogramm \u201Eleser\u201C hat eine unverst\u00E4ndliche Antwort gegeben.");
        QTest::newRow("babble") << QByteArray("printf 'Hallo'") << unverstaendlich;
        QTest::newRow("cut off") << QByteArray("printf 'QXL1S\\005\\000\\000\\000ab'") << unverstaendlich;
        QTest::newRow("no end") << QByteArray("printf 'QXL1'") << unverstaendlich;
        QTest::newRow("beyond the end") << QByteArray("printf 'QXL1EE'") << unverstaendlich;
        QTest::newRow("unknown text") << QByteArray("printf 'QXL1T\\001\\000\\000\\000\\001\\000\\000\\000"
                                                    "\\000\\000\\000\\000E'")
                                      << unverstaendlich;
    }
    void xlsLeserVersagt()
    {
        QFETCH(QByteArray, skript);
        QFETCH(QString, meldung);
        // A stand-in that notes its process number first.
        const QString leser = datei(QStringLiteral("leser"));
        const QString nummer = datei(QStringLiteral("leser.pid"));
        QFile::remove(leser);
        QFile::remove(nummer);
        if (!skript.isEmpty()) {
            QVERIFY(schreibe(leser, "#!/bin/sh\necho $$ > '" + QFile::encodeName(nummer) + "'\n" + skript + "\n"));
            if (!skript.startsWith("nicht"))
                QFile::setPermissions(leser, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        XlsLeserProgrammSetzen(leser);
        const auto zurueck = qScopeGuard([] { XlsLeserProgrammSetzen(QString()); });

        Importgrenzen grenzen;
        grenzen.xlsFrist = 500;
        const TextTabelle vorher = startTabelle();
        TextTabelle t = vorher;
        QElapsedTimer uhr;
        uhr.start();
        const QString fehler = ExcelEinlesen(t, Daten + QStringLiteral("reihen10.xls"), Deutsch, grenzen);
        QVERIFY2(uhr.elapsed() < 10000, "the reader was not stopped in time");
        QVERIFY2(fehler.contains(meldung), qPrintable(fehler));
        QVERIFY2(fehler.endsWith(QStringLiteral("\n\nIch breche ab.")), qPrintable(fehler));
        QCOMPARE(t, vorher);
        const pid_t pid = static_cast<pid_t>(inhalt(nummer).trimmed().toLongLong());
        if (pid > 0)
            QVERIFY2(::kill(pid, 0) == -1 && errno == ESRCH, "the reader's process is still there");
    }

    // The real reader limits itself before it opens the file, and is ended at the deadline: a
    // FIFO without a writer keeps it waiting in the library's open.
    void xlsLeserBegrenztSich()
    {
        const QString fifo = datei(QStringLiteral("wartet.xls"));
        QFile::remove(fifo);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

        QProcess leser;
        leser.start(XlsLeserProgramm(), {fifo, QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("9")});
        QVERIFY(leser.waitForStarted());
        const auto beenden = qScopeGuard([&leser] {
            leser.kill();
            leser.waitForFinished();
        });
        const QString limits = QStringLiteral("/proc/%1/limits").arg(leser.processId());
        // The reader sets one limit after the other as it starts; each is waited for.
        QTRY_COMPARE(grenze(limits, "Max cpu time"), QStringLiteral("30 35"));
        QTRY_COMPARE(grenze(limits, "Max core file size"), QStringLiteral("0 0"));
#ifndef QUINTARO_ASAN
        QTRY_COMPARE(grenze(limits, "Max address space"), QStringLiteral("2147483648 2147483648"));
#endif
        QCOMPARE(leser.state(), QProcess::Running);

        Importgrenzen grenzen;
        grenzen.xlsFrist = 500;
        QElapsedTimer uhr;
        uhr.start();
        struct : Zeilenziel
        {
            int zeilen = 0;
            void zeile(int, int, std::span<const Mappenzelle>) override { ++zeilen; }
        } ziel;
        const Mappenergebnis gelesen = XlsLesen(fifo, Deutsch, grenzen, ziel);
        QVERIFY2(uhr.elapsed() < 10000, "the reader was not stopped in time");
        QCOMPARE(gelesen.fehler, QStringLiteral("Das Lesen hat l\u00E4nger als 1 Sekunde gedauert; ich habe es "
                                                "abgebrochen. Die Datei ist vermutlich besch\u00E4digt."));
        QCOMPARE(ziel.zeilen, 0);
    }

    // Small files that unpack to gigabytes or nest a million levels deep are read or refused
    // within 400 MB beyond what the test holds, and without running out of stack.
    void feindlicheDateien_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("meldung"); // empty: read
        const QString tief = QStringLiteral("Im Teil \u201Econtent.xml\u201C sind die Elemente tiefer als 256 Ebenen "
                                            "verschachtelt; so schreibt kein Tabellenprogramm.");
        QTest::newRow("100,000 nested spans") << QStringLiteral("tief-span.ods") << tief;
        QTest::newRow("1,000,000 nested row groups") << QStringLiteral("tief-gruppen.ods") << tief;
        // Empty cells count toward the limits too: the first row ends at its 703rd cell.
        QTest::newRow("2 x 132 MB of empty cells and strings")
            << QStringLiteral("leere-zellen.xlsx")
            << QStringLiteral("Die erste Tabelle reicht bis Spalte 703; ich lese h\u00F6chstens 702 Spalten ein.");
        QTest::newRow("1,000,000 rows")
            << QStringLiteral("zeilen.xlsx")
            << QStringLiteral("Die erste Tabelle reicht bis Zeile 200001; ich lese h\u00F6chstens 200000 Zeilen ein.");
        QTest::newRow("unpacks to 1 GB")
            << QStringLiteral("bombe.xlsx")
            << QStringLiteral("Der Teil \u201Exl/worksheets/sheet1.xml\u201C ist ausgepackt gr\u00F6\u00DFer als 128 MB.");
        // A text is held whole until it ends: one of megabytes is refused.
        QTest::newRow("claims 60 bytes, unpacks to 200 MB of blanks")
            << QStringLiteral("luege-klein.xlsx")
            << QStringLiteral("Im Teil \u201Exl/worksheets/sheet1.xml\u201C steht ein Text oder Element von mehr als "
                              "8 MB; so schreibt kein Tabellenprogramm.");
        QTest::newRow("claims 60 bytes, unpacks to 200 MB of comments")
            << QStringLiteral("luege-kommentare.xlsx")
            << QStringLiteral("Der Teil \u201Exl/worksheets/sheet1.xml\u201C ist ausgepackt gr\u00F6\u00DFer als 128 MB.");
        QTest::newRow("claims 127 MB") << QStringLiteral("luege-gross.xlsx") << QString();
        // A cell is read as far as a field goes: blanks, long texts and their repetitions stop there.
        QTest::newRow("3.3 billion expanded blanks") << QStringLiteral("leerzeichen.ods") << QString();
        QTest::newRow("13 billion expanded blanks") << QStringLiteral("leerzeichen-gross.ods") << QString();
        QTest::newRow("a long text in 2,000,000 repeated cells") << QStringLiteral("langer-text.ods") << QString();
        QTest::newRow("a long shared string in 20,000 rows") << QStringLiteral("langer-text.xlsx") << QString();
        QTest::newRow("entities")
            << QStringLiteral("entitaeten.ods")
            << QStringLiteral("Der Teil \u201Econtent.xml\u201C enth\u00E4lt eine Dokumenttypdefinition; so schreibt "
                              "kein Tabellenprogramm.");
    }
    void feindlicheDateien()
    {
        QFETCH(QString, name);
        QFETCH(QString, meldung);
        static QTemporaryDir feindlich;
        if (!QFileInfo::exists(feindlich.filePath(name))) {
            QProcess skript;
            skript.setProcessChannelMode(QProcess::ForwardedChannels);
            skript.start(QStringLiteral("python3"),
                         {QStringLiteral(QUINTARO_TESTDATA "/../feindliche-mappen.py"), feindlich.path()});
            QVERIFY(skript.waitForFinished(300000));
            QCOMPARE(skript.exitCode(), 0);
        }
        const QString fehler = begrenztLesen(feindlich.filePath(name), rlim_t(400) << 20);
        if (meldung.isEmpty())
            QCOMPARE(fehler, QString());
        else
            QVERIFY2(fehler.contains(meldung), qPrintable(fehler));
    }

    // The .xls reader can't see what a formula gives: the cell is named instead of read as empty.
    void xlsMitFormel()
    {
        const TextTabelle vorher = startTabelle();
        TextTabelle t = vorher;
        QCOMPARE(ExcelEinlesen(t, Daten + QStringLiteral("formel.xls"), Deutsch),
                 QStringLiteral("Die Arbeitsmappe \u201Eformel.xls\u201C kann ich nicht einlesen.\n\nDie Zelle G3 der "
                                "ersten Tabelle enth\u00E4lt eine Formel. Die Ergebnisse von Formeln kann ich in einer "
                                ".xls-Datei nicht lesen; bitte speichern Sie die Arbeitsmappe im Tabellenprogramm als "
                                ".xlsx-Datei und lesen Sie diese ein.\n\nIch breche ab."));
        QCOMPARE(t, vorher);
    }

    // A part that unpacks to more than the limit is refused while unpacking.
    void grosserTeil()
    {
        QVERIFY(
            xlsxSchreiben(datei(QStringLiteral("gross.xlsx")),
                          "<worksheet><sheetData>" + QByteArray("<row/>").repeated(2000) + "</sheetData></worksheet>"));
        Importgrenzen grenzen;
        grenzen.xmlGroesse = 4096;
        TextTabelle t = startTabelle();
        const QString fehler = ExcelEinlesen(t, datei(QStringLiteral("gross.xlsx")), Deutsch, grenzen);
        QVERIFY2(fehler.contains(
                     QStringLiteral("Der Teil \u201Exl/worksheets/erste.xml\u201C ist ausgepackt gr\u00F6\u00DFer")),
                 qPrintable(fehler));
    }

    // Without a spreadsheet program there is no export; with one, it gets the written workbook.
    void exportStartetDasProgramm()
    {
        const QByteArray alterPfad = qgetenv("PATH");
        QTemporaryDir programme;
        qputenv("PATH", programme.path().toUtf8());
        TextTabelle t = startTabelle();
        t.setzeZeilen(2);
        t.setzeZelle(1, 1, QStringLiteral("7"));
        QVERIFY(!ExcelVorhanden());
        QCOMPARE(ExcelExport(t, QStringLiteral("Tippreihen"), 6, ordner.path()).art, Exportergebnis::Art::KeinProgramm);

        // A stand-in that notes its arguments; the real program is tried in tst_libreoffice.
        const QString protokoll = datei(QStringLiteral("aufruf.txt"));
        const QString soffice = programme.filePath(QStringLiteral("soffice"));
        QVERIFY(schreibe(soffice, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n").arg(protokoll).toUtf8()));
        QFile::setPermissions(soffice, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const Exportergebnis e = ExcelExport(t, QStringLiteral("Tippreihen"), 6, ordner.path());
        qputenv("PATH", alterPfad);
        QCOMPARE(e.art, Exportergebnis::Art::Geoeffnet);
        QVERIFY(QFileInfo(e.datei).fileName().startsWith(QStringLiteral("Tippreihen-")));
        QTRY_COMPARE(inhalt(protokoll), (QStringLiteral("--calc\n-n\n") + e.datei + QStringLiteral("\n")).toUtf8());
        TextTabelle gelesen = startTabelle();
        QCOMPARE(ExcelEinlesen(gelesen, e.datei, Deutsch), QString());
        QCOMPARE(gelesen.zelle(1, 1), nbsp + QStringLiteral("7"));
    }
};

QTEST_GUILESS_MAIN(TestArbeitsmappe)
#include "tst_arbeitsmappe.moc"
