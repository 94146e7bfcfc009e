// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "syndicate/Abrechnung.h"
#include "syndicate/Gemeinschaft.h"

#include "model/Datum.h"

#include "Zufallsdaten.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

// A syndicate of 50 members playing 20 rows: settling ten years of weekly draws (opening the
// file, its integrity check, the backup and the booking, as the window and the command line do
// it), and its balances afterwards.
namespace {

constexpr Cent Preis = 200;
const QDate Bis(2025, 1, 1);

struct Vorrat
{
    QTemporaryDir ordner;
    QString leer;        // members and ticket, nothing settled
    QString abgerechnet; // the same, ten years settled
    QVector<TGewZahlen> ziehungen;
};

Vorrat &vorrat()
{
    // Destroyed at exit, and its folder with it.
    static const std::unique_ptr<Vorrat> v = [] {
        auto v = std::make_unique<Vorrat>();
        std::mt19937 zufall(2026);
        for (QDate tag(2015, 1, 3); tag < Bis; tag = tag.addDays(7)) {
            TGewZahlen z;
            z.datum = Datum::ausDatum(tag);
            z.GZ = fuenfAus49(zufall);
            z.bonus = static_cast<std::uint8_t>(1 + zufall() % 10);
            v->ziehungen.append(z);
        }
        const QString schein = v->ordner.filePath(QStringLiteral("Zwanzig.qtt"));
        QFile f(schein);
        if (!f.open(QIODevice::WriteOnly) || f.write(zufallsschein(zufall, 20)) < 0)
            qFatal("ticket");
        f.close();
        v->leer = v->ordner.filePath(QStringLiteral("Leer.qtgem"));
        Gemeinschaft g;
        if (!g.anlegen(v->leer, QStringLiteral("Verein")).isEmpty())
            qFatal("anlegen");
        for (int i = 0; i < 50; ++i)
            if (!g.mitgliedHinzufuegen(QStringLiteral("Mitglied %1").arg(i), 1 + i % 5, QDate(2014, 12, 1).addDays(i % 40))
                     .isEmpty())
                qFatal("mitglied");
        if (!g.scheinHinzufuegen(schein, QDate(2015, 1, 1)).isEmpty())
            qFatal("schein");
        g.schliessen();
        v->abgerechnet = v->ordner.filePath(QStringLiteral("Abgerechnet.qtgem"));
        QFile::copy(v->leer, v->abgerechnet);
        if (!g.oeffnen(v->abgerechnet).isEmpty() || !Abrechnen(g, v->ziehungen, Bis, Preis, false).fehler.isEmpty())
            qFatal("abrechnen");
        return v;
    }();
    return *v;
}

void BM_ZehnJahreAbrechnen(benchmark::State &state)
{
    Vorrat &v = vorrat();
    const QString datei = v.ordner.filePath(QStringLiteral("Lauf.qtgem"));
    qsizetype buchungen = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(datei);
        QFile::copy(v.leer, datei);
        state.ResumeTiming();
        Gemeinschaft g;
        if (!g.oeffnen(datei).isEmpty())
            state.SkipWithError("oeffnen");
        const Abrechnungsergebnis e = Abrechnen(g, v.ziehungen, Bis, Preis, false);
        if (!e.fehler.isEmpty() || e.ziehungen != v.ziehungen.size())
            state.SkipWithError("abrechnen");
        buchungen = e.eintraege.size();
    }
    state.counters["Ziehungen"] = static_cast<double>(v.ziehungen.size());
    state.counters["Buchungen"] = static_cast<double>(buchungen);
}
BENCHMARK(BM_ZehnJahreAbrechnen)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Konten(benchmark::State &state)
{
    Gemeinschaft g;
    if (!g.oeffnen(vorrat().abgerechnet).isEmpty())
        state.SkipWithError("oeffnen");
    for (auto _ : state) {
        Kontenstand stand;
        if (!g.kontenLesen(stand, Bis).isEmpty() || stand.konten.size() != 50)
            state.SkipWithError("konten");
        benchmark::DoNotOptimize(stand.kasse);
    }
}
BENCHMARK(BM_Konten)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the window reads after each change: the whole ledger with every part.
void BM_KasseLesen(benchmark::State &state)
{
    Gemeinschaft g;
    if (!g.oeffnen(vorrat().abgerechnet).isEmpty())
        state.SkipWithError("oeffnen");
    for (auto _ : state) {
        QVector<Eintrag> kasse;
        if (!g.kasseLesen(kasse).isEmpty())
            state.SkipWithError("kasse");
        benchmark::DoNotOptimize(kasse.size());
    }
}
BENCHMARK(BM_KasseLesen)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
