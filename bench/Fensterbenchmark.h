#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

// The main() of a benchmark program that builds windows: they run on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise.
inline int FensterbenchmarksAusfuehren(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
