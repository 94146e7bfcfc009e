// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The entry window's heavy paths:
//  - 10,000 pasted lines (in the broker's "2; 12; 22; ..." style) put into the text field and
//    transferred: tidied, checked, and filled into the table G1 of the real window;
//  - a workbook of 100,000 rows read into a table.
//
//   bin/bench_eingabe --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "entry/Arbeitsmappe.h"
#include "model/Ordner.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/eingabe/Eingabefenster.h"
#include "ui/eingabe/Eingabeelemente.h"
#include "ui/eingabe/Textrahmen.h"

#include "Fensterbenchmark.h"
#include "Zufallsdaten.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

class KeineMeldungen : public Meldungen::Anzeige
{
public:
    Meldungen::Antwort zeige(QWidget *, Art art, const QString &text) override
    {
        if (art == Art::Fehler)
            qFatal("unexpected message: %s", qPrintable(text));
        return Meldungen::Antwort::Ja;
    }
};

void EinfuegenUndUebertragen(benchmark::State &state)
{
    const int anzahl = static_cast<int>(state.range(0));
    QTemporaryDir ordner;
    qputenv("XDG_DATA_HOME", ordner.path().toUtf8());
    KeineMeldungen keine;
    Meldungen::setzeAnzeige(&keine);
    Zustand zustand;
    OrdnerBestimmen(zustand, QCoreApplication::applicationDirPath());
    Befehle befehle(zustand);
    TFEingabe fenster(zustand, befehle);
    fenster.show();
    QApplication::processEvents();

    std::mt19937 zufall(549);
    QStringList zeilen;
    for (int i = 0; i < anzahl; ++i) {
        const auto z = fuenfAus49(zufall);
        zeilen << QStringLiteral("%1; %2; %3; %4; %5; %6").arg(z[3]).arg(z[0]).arg(z[4]).arg(z[1]).arg(z[2]).arg(1 + zufall() % 10);
    }
    const QString text = zeilen.join(QLatin1Char('\n'));
    Textrahmen *mitte = fenster.textrahmen();
    const QAbstractItemView *g1 = fenster.findChild<QAbstractItemView *>(QStringLiteral("G1"));

    for (auto _ : state) {
        mitte->textfeld()->setPlainText(text);
        mitte->ReihenUebertragen();
        if (g1->model()->rowCount() != anzahl)
            std::abort();
    }
    state.counters["Zeilen"] = anzahl;
    Meldungen::setzeAnzeige(nullptr);
}
BENCHMARK(EinfuegenUndUebertragen)->Arg(10'000)->Unit(benchmark::kMillisecond)->UseRealTime();

void ArbeitsmappeLesen(benchmark::State &state)
{
    const int anzahl = static_cast<int>(state.range(0));
    QTemporaryDir ordner;
    std::mt19937 zufall(549);
    TextTabelle reihen(7, anzahl + 1);
    for (int z = 1; z <= anzahl; ++z) {
        const auto zahlen = fuenfAus49(zufall);
        for (int s = 0; s < 5; ++s)
            reihen.setzeZelle(s + 1, z, QString::number(zahlen[static_cast<std::size_t>(s)]));
        reihen.setzeZelle(6, z, QString::number(1 + zufall() % 10));
    }
    // As the export writes it: every cell text.
    const QString datei = ordner.filePath(QStringLiteral("gross.xlsx"));
    if (!ArbeitsmappeSchreiben(reihen, QStringLiteral("Tippreihen"), 6, datei).isEmpty())
        std::abort();
    const QLocale deutsch(QLocale::German, QLocale::Germany);

    for (auto _ : state) {
        TextTabelle tabelle(7, 51);
        if (!ExcelEinlesen(tabelle, datei, deutsch).isEmpty() || tabelle.zeilen() != anzahl + 1)
            std::abort();
        benchmark::DoNotOptimize(tabelle);
    }
    state.counters["Zeilen"] = anzahl;
    state.counters["Bytes"] = static_cast<double>(QFileInfo(datei).size());
}
BENCHMARK(ArbeitsmappeLesen)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv) { return FensterbenchmarksAusfuehren(argc, argv); }
