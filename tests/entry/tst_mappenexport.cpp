// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "KleinerDatentraeger.h"

#include "entry/Arbeitsmappe.h"
#include "model/Spiel.h"
#include "model/Textzellen.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

namespace {
// A table of tip rows large enough that its workbook does not fit a few pages.
TextTabelle grosseTabelle()
{
    TextTabelle t(TippreihenSpalten, 20001);
    for (int z = 1; z < t.zeilen(); ++z) {
        t.setzeZelle(0, z, QString::number(z));
        for (int s = 1; s < TippreihenSpalten; ++s)
            t.setzeZelle(s, z, QString::number((z * 7 + s * 13) % 49 + 1));
    }
    return t;
}

// What the code under test writes to the standard error channel while `tun` runs.
template <class Tun> QByteArray fehlerausgabe(Tun tun)
{
    QTemporaryFile mitschrift;
    if (!mitschrift.open())
        return "no file to catch the channel";
    std::fflush(stderr);
    const int alt = ::dup(STDERR_FILENO);
    ::dup2(mitschrift.handle(), STDERR_FILENO);
    tun();
    std::fflush(stderr);
    ::dup2(alt, STDERR_FILENO);
    ::close(alt);
    mitschrift.seek(0);
    return mitschrift.readAll();
}
} // namespace

// The workbook export where the disk refuses it: a German message, no half file, and nothing
// of the library's own on the error channel.
class TestMappenexport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scheitert_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("grund");
        QTest::newRow("full disk") << "voll"
                                   << "Die Datei ließ sich nicht vollständig schreiben. Auf dem Datenträger ist nicht "
                                      "genug Platz.";
        QTest::newRow("missing folder")
            << "fehlt"
            << "Die Datei ließ sich nicht anlegen. Die Datei oder ihr Ordner existiert nicht.";
    }
    void scheitert()
    {
        QFETCH(QString, fall);
        QFETCH(QString, grund);
        QTemporaryDir punkt;
        std::optional<KleinerDatentraeger> platte;
        QString datei = punkt.filePath(QStringLiteral("Tippreihen.xlsx"));
        if (fall == QLatin1String("voll")) {
            platte.emplace(punkt.path(), 16 * KleinerDatentraeger::Seite);
            if (!platte->bereit())
                QSKIP(qPrintable(platte->grund()));
            QVERIFY(platte->fuellen(2 * KleinerDatentraeger::Seite));
        } else {
            datei = punkt.filePath(QStringLiteral("gibt es nicht/Tippreihen.xlsx"));
        }
        const TextTabelle tabelle = grosseTabelle();
        QString fehler;
        const QByteArray kanal =
            fehlerausgabe([&] { fehler = ArbeitsmappeSchreiben(tabelle, QStringLiteral("Tippreihen"), 6, datei); });
        QCOMPARE(fehler,
                 QStringLiteral("Die Arbeitsmappe \u201ETippreihen.xlsx\u201C konnte nicht geschrieben werden.") +
                     Absatz + grund);
        QCOMPARE(kanal, QByteArray());
        QVERIFY(!QFileInfo::exists(datei));

        // The same through the export that hands the workbook to the spreadsheet program.
        if (fall == QLatin1String("voll") && ExcelVorhanden()) {
            Exportergebnis e;
            const QByteArray kanal2 =
                fehlerausgabe([&] { e = ExcelExport(tabelle, QStringLiteral("Tippreihen"), 6, punkt.path()); });
            QCOMPARE(e.art, Exportergebnis::Art::Fehler);
            QVERIFY2(e.fehler.contains(QStringLiteral("Auf dem Datenträger ist nicht genug Platz.")) &&
                         e.fehler.endsWith(Absatz + QStringLiteral("Ich breche ab.")),
                     qPrintable(e.fehler));
            QCOMPARE(kanal2, QByteArray());
            QVERIFY(!QFileInfo::exists(e.datei));
        }
    }

    // Where it fits, the export still writes a whole workbook.
    void gelingt()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("Tippreihen.xlsx"));
        QCOMPARE(ArbeitsmappeSchreiben(grosseTabelle(), QStringLiteral("Tippreihen"), 6, datei), QString());
        QVERIFY(inhalt(datei).startsWith("PK"));
    }
};

QTEST_GUILESS_MAIN(TestMappenexport)
#include "tst_mappenexport.moc"
