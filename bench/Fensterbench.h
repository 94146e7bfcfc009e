#pragma once

// Pieces the benchmarks of windows share: no message box ever waits for a click, fixture files
// are written whole, and the windows run on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise.

#include "ui/Meldungen.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>

class KeineMeldungen : public Meldungen::Anzeige
{
public:
    KeineMeldungen() { Meldungen::setzeAnzeige(this); }
    ~KeineMeldungen() override { Meldungen::setzeAnzeige(nullptr); }
    Meldungen::Antwort zeige(QWidget *, Art, const QString &) override { return Meldungen::Antwort::Nein; }
};

inline void schreibe(const QString &datei, const QByteArray &daten)
{
    QFile f(datei);
    if (f.open(QIODevice::WriteOnly))
        f.write(daten);
}

inline int fensterBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
