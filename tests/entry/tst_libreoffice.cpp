// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The spreadsheet program itself, both ways: LibreOffice Calc reads what the export writes, and
// what Calc writes is read by the import. Calc runs headless with a private profile folder.

#include "Dateien.h"

#include "entry/Arbeitsmappe.h"
#include "entry/Tippreihentext.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

namespace {
const QString Daten = QStringLiteral(QUINTARO_TESTDATA "/arbeitsmappen/");
const QLocale Deutsch(QLocale::German, QLocale::Germany);
constexpr int Wartezeit = 180'000; // a first start of Calc builds its profile

struct Umwandlung
{
    std::unique_ptr<QTemporaryDir> profil = std::make_unique<QTemporaryDir>();
    std::unique_ptr<QProcess> prozess = std::make_unique<QProcess>();
};
} // namespace

class TestLibreOffice : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;
    QString soffice;
    std::vector<Umwandlung> umwandlungen;
    TextTabelle exportiert;

    // Starts one Calc, headless with a profile of its own, that converts `dateien` to `ziel`.
    void umwandeln(const QString &ziel, const QStringList &dateien, const QStringList &weitere = {})
    {
        Umwandlung u;
        QStringList argumente{QStringLiteral("-env:UserInstallation=") +
                                  QUrl::fromLocalFile(u.profil->path()).toString(),
                              QStringLiteral("--headless"), QStringLiteral("--norestore")};
        argumente << weitere << QStringLiteral("--convert-to") << ziel << QStringLiteral("--outdir") << ordner.path()
                  << dateien;
        u.prozess->setProcessChannelMode(QProcess::MergedChannels);
        u.prozess->start(soffice, argumente);
        umwandlungen.push_back(std::move(u));
    }

private Q_SLOTS:
    void initTestCase()
    {
        soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QFAIL("LibreOffice Calc (soffice) is not installed; scripts/install-deps.sh installs it.");

        exportiert = TextTabelle(7, 4);
        const QStringList reihen{QStringLiteral("2 12 22 38 41 6"), QStringLiteral("07 5 9 33 47 10"),
                                 QStringLiteral("1 2 3 4 5 Gl\u00FCck")};
        for (int z = 1; z <= 3; ++z) {
            const QStringList zellen = reihen[z - 1].split(QLatin1Char(' '));
            for (int s = 1; s <= 6; ++s)
                exportiert.setzeZelle(s, z, zellen[s - 1]);
        }
        const QString mappe = ordner.filePath(QStringLiteral("Export.xlsx"));
        QCOMPARE(ArbeitsmappeSchreiben(exportiert, QStringLiteral("Tippreihen"), 6, mappe), QString());

        // The conversions at once, each Calc with its own profile: every sheet of the export
        // becomes "<name>-<sheet>.csv" in UTF-8; the CSV fixtures become workbooks as a user's
        // Calc saves them today (the fixtures beside them cover .ods as well).
        umwandeln(QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1"),
                  {mappe});
        QStringList csv;
        for (const QString &name : {QStringLiteral("reihen10.csv"), QStringLiteral("breit3.csv")})
            csv << Daten + name;
        umwandeln(QStringLiteral("xlsx"), csv, {QStringLiteral("--infilter=CSV:44,34,76,1,,1033")});
        umwandeln(QStringLiteral("xls"), {Daten + QStringLiteral("reihen10.csv")},
                  {QStringLiteral("--infilter=CSV:44,34,76,1,,1033")});
        for (Umwandlung &u : umwandlungen) {
            const bool fertig = u.prozess->waitForFinished(Wartezeit);
            if (!fertig)
                u.prozess->kill();
            QVERIFY2(fertig && u.prozess->exitCode() == 0,
                     qPrintable(QStringLiteral("soffice failed: ") + QString::fromUtf8(u.prozess->readAll())));
        }
    }

    // Every cell of the export is text: a non-breaking space and the table's cell, exactly.
    void calcLiestDenExport()
    {
        const QString csv = ordner.filePath(QStringLiteral("Export-Tippreihen.csv"));
        QVERIFY2(QFile::exists(csv), "Calc wrote no sheet named Tippreihen");
        const QStringList zeilen = QString::fromUtf8(inhalt(csv)).split(QStringLiteral("\n"), Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), 3);
        for (int z = 1; z <= 3; ++z) {
            QStringList erwartet;
            for (int s = 1; s <= 6; ++s)
                erwartet << QChar(0x00A0) + exportiert.zelle(s, z);
            QString zeile = zeilen[z - 1];
            if (zeile.endsWith(QLatin1Char('\r')))
                zeile.chop(1);
            QCOMPARE(FelderZerlegen(zeile), erwartet);
        }
    }

    // Workbooks Calc writes now read as those it wrote for the fixtures.
    void calcMappenWerdenGelesen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("A1:F10") << QStringLiteral("reihen10.xlsx");
        QTest::newRow("A1:H3") << QStringLiteral("breit3.xlsx");
        QTest::newRow("A1:F10 xls") << QStringLiteral("reihen10.xls");
    }
    void calcMappenWerdenGelesen()
    {
        QFETCH(QString, name);
        TextTabelle frisch(7, 51);
        TextTabelle fixiert(7, 51);
        QCOMPARE(ExcelEinlesen(frisch, ordner.filePath(name), Deutsch), QString());
        QCOMPARE(ExcelEinlesen(fixiert, Daten + name, Deutsch), QString());
        QVERIFY(frisch.zeilen() > 2);
        QCOMPARE(frisch, fixiert);
    }

    // An .xls from Calc, damaged: the reader's process may fail on it in any way, the import
    // only ever reads the workbook or says why not, and then leaves the table as it was.
    void beschaedigteXlsVonCalc_data()
    {
        QTest::addColumn<int>("ende");           // bytes kept; -1: all
        QTest::addColumn<int>("zufall");         // seed of the bytes overwritten; 0: none
        QTest::addColumn<bool>("mussScheitern"); // false: it may still be read
        QTest::newRow("signature only") << 8 << 0 << true;
        QTest::newRow("header only") << 512 << 0 << true;
        QTest::newRow("half") << 3072 << 0 << true;
        for (int i = 1; i <= 40; ++i)
            QTest::newRow(qPrintable(QStringLiteral("bytes overwritten %1").arg(i))) << -1 << i << false;
    }
    void beschaedigteXlsVonCalc()
    {
        QFETCH(int, ende);
        QFETCH(int, zufall);
        QFETCH(bool, mussScheitern);
        QByteArray mappe = inhalt(ordner.filePath(QStringLiteral("reihen10.xls")));
        QVERIFY(mappe.size() > 4096);
        if (ende >= 0)
            mappe.truncate(ende);
        QRandomGenerator zahlen(static_cast<quint32>(zufall));
        for (int i = 0; zufall != 0 && i < 24; ++i)
            mappe[zahlen.bounded(512, int(mappe.size()))] = char(zahlen.bounded(256));
        const QString pfad = ordner.filePath(QStringLiteral("kaputt.xls"));
        QVERIFY(schreibe(pfad, mappe));

        TextTabelle vorher(7, 51);
        vorher.setzeZelle(1, 1, QStringLiteral("7"));
        TextTabelle t = vorher;
        const QString fehler = ExcelEinlesen(t, pfad, Deutsch);
        if (!fehler.isEmpty() || mussScheitern) {
            QVERIFY2(fehler.startsWith(QStringLiteral("Die Arbeitsmappe \u201Ekaputt.xls\u201C kann ich nicht "
                                                      "einlesen.\n\n")),
                     qPrintable(fehler));
            QCOMPARE(t, vorher);
        }
    }
};

QTEST_GUILESS_MAIN(TestLibreOffice)
#include "tst_libreoffice.moc"
