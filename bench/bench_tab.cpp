// The whole way from "Start" to the shown result in a ticket tab: a 1,000-row ticket
// evaluated over a run of 520 draws, the grids and labels filled and the tab painted.
//
//   bin/bench_tab --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "model/Ordner.h"
#include "model/Records.h"
#include "model/Zustand.h"
#include "ui/Befehle.h"
#include "ui/FrScheine.h"
#include "ui/Hauptfenster.h"
#include "ui/Meldungen.h"
#include "ui/Tippauswertung.h"

#include "Fensterbenchmark.h"
#include "Zufallsdaten.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

class KeineMeldungen : public Meldungen::Anzeige
{
public:
    Meldungen::Antwort zeige(QWidget *, Art, const QString &) override { return Meldungen::Antwort::Nein; }
};

void schreibe(const QString &datei, const QByteArray &daten)
{
    QFile f(datei);
    if (f.open(QIODevice::WriteOnly))
        f.write(daten);
}

void StartBisAngezeigt(benchmark::State &state)
{
    const int ziehungen = static_cast<int>(state.range(0));
    QTemporaryDir ordner;
    qputenv("XDG_DATA_HOME", ordner.path().toUtf8());
    KeineMeldungen keine;
    Meldungen::setzeAnzeige(&keine);

    Zustand zustand;
    OrdnerBestimmen(zustand, QCoreApplication::applicationDirPath());
    zustand.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
    std::mt19937 zufall(549);
    QByteArray historie;
    for (int i = 0; i < ziehungen; ++i) {
        TGewZahlen z;
        z.datum = 40000.0 + 7.0 * i;
        z.GZ = fuenfAus49(zufall);
        z.bonus = static_cast<std::uint8_t>(1 + zufall() % 10);
        historie += z.alsBytes();
    }
    schreibe(zustand.gewinnreihendatei(), historie);
    QByteArray schein;
    for (int i = 0; i < 1000; ++i) {
        TNormalSchein s;
        const auto zahlen = fuenfAus49(zufall);
        std::copy(zahlen.begin(), zahlen.end(), s.WZ.begin());
        s.WZ[5] = static_cast<std::uint8_t>(1 + zufall() % 10);
        schein += s.alsBytes();
    }
    const QString scheindatei = ordner.filePath(QStringLiteral("gross.qtt"));
    schreibe(scheindatei, schein);

    Befehle befehle(zustand);
    TFAuswertung fenster(zustand, befehle);
    fenster.show();
    QWidget *tab = fenster.tippauswertung()->DateienEinlesen(scheindatei);
    auto *rahmen = tab->findChild<TFFrScheineN *>();
    rahmen->findChild<QCheckBox *>(QStringLiteral("cbBack"))->setChecked(true);
    rahmen->findChild<QComboBox *>(QStringLiteral("combo2"))->setCurrentIndex(0);
    QApplication::processEvents();

    for (auto _ : state) {
        rahmen->BStartClick();
        rahmen->repaint(); // paints the tab, its grids and labels now
    }
    state.counters["Ziehungen"] = static_cast<double>(zustand.Ziehungen.size());
    state.counters["Ergebniszeilen"] =
        static_cast<double>(rahmen->findChild<QAbstractItemView *>(QStringLiteral("G3a"))->model()->rowCount());
    Meldungen::setzeAnzeige(nullptr);
}
BENCHMARK(StartBisAngezeigt)->Arg(520)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return FensterbenchmarksAusfuehren(argc, argv);
}
