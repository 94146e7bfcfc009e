// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "Tabellenzeilen.h"

#include "entry/Arbeitsmappe.h"
#include "entry/Gewinnreihendatei.h"
#include "entry/Mappenleser.h"
#include "model/Datum.h"

#include <QDir>
#include <QtTest>

// Every workbook and CSV file of the test data read as the ticket entry and the draw import read
// them, compared with what they gave when they were committed (erwartet/<file>.txt). A reader
// that is changed for speed must give the same tables and draws; where a change is meant, the
// expectation is rewritten with QUINTARO_ERWARTUNG_SCHREIBEN=1 and the difference shows in the
// commit.

namespace {
const QString Daten = QStringLiteral(QUINTARO_TESTDATA "/arbeitsmappen/");

QString ziehungText(const TGewZahlen &z)
{
    QStringList zahlen;
    for (const std::uint8_t n : z.GZ)
        zahlen << QString::number(n);
    return Datum::zuDatum(z.datum).toString(Qt::ISODate) + QLatin1Char(' ') + zahlen.join(QLatin1Char(',')) +
           QLatin1Char('|') + QString::number(z.bonus);
}

QString bericht(const QString &datei, const QLocale &locale)
{
    QStringList zeilen;
    if (datei.endsWith(QLatin1String(".csv"))) {
        TextTabelle tabelle(7, 51);
        const CSVErgebnis e = CSVEinlesen(tabelle, datei);
        zeilen << QStringLiteral("== Tabelle");
        if (e.fehler.isEmpty())
            zeilen << ::zeilen(tabelle);
        else
            zeilen << QStringLiteral("Fehler: ") + e.fehler;
    } else {
        TextTabelle tabelle(7, 51);
        const QString fehler = ExcelEinlesen(tabelle, datei, locale);
        zeilen << QStringLiteral("== Tabelle");
        if (fehler.isEmpty())
            zeilen << ::zeilen(tabelle);
        else
            zeilen << QStringLiteral("Fehler: ") + fehler;
    }
    const Gewinnreihenimport import = GewinnreihenLesen(datei, {}, locale);
    zeilen << QStringLiteral("== Ziehungen");
    if (!import.meldung.isEmpty())
        zeilen << QStringLiteral("Meldung: ") + import.meldung;
    for (const TGewZahlen &z : import.neue)
        zeilen << ziehungText(z);
    for (const Lesefehler &f : import.fehler)
        zeilen << QStringLiteral("Zeile %1: %2").arg(f.zeile).arg(f.grund);
    return zeilen.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
} // namespace

class TestImportfixturen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wieFestgehalten_data()
    {
        QTest::addColumn<QString>("datei");
        const QStringList dateien = QDir(Daten).entryList(QDir::Files, QDir::Name);
        QVERIFY(dateien.size() > 10);
        for (const QString &name : dateien)
            // These make the .xls library read outside its buffers: what its process then says
            // depends on the build (a sanitizer ends it), so their test lies elsewhere.
            if (!name.startsWith(QLatin1String("kaputt-")))
                QTest::newRow(qPrintable(name)) << name;
    }
    void wieFestgehalten()
    {
        QFETCH(QString, datei);
        const QString ist = bericht(Daten + datei, QLocale(QLocale::German, QLocale::Germany));
        const QString erwartet = Daten + QStringLiteral("erwartet/") + datei + QStringLiteral(".txt");
        if (qEnvironmentVariableIsSet("QUINTARO_ERWARTUNG_SCHREIBEN")) {
            QDir().mkpath(Daten + QStringLiteral("erwartet"));
            QVERIFY(schreibe(erwartet, ist.toUtf8()));
        }
        QCOMPARE(ist, QString::fromUtf8(inhalt(erwartet)));
    }
};

QTEST_GUILESS_MAIN(TestImportfixturen)
#include "tst_importfixturen.moc"
