// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/gemeinsam/Meldungen.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>

// No message box waits for a click while a benchmark runs.
class KeineMeldungen : public Meldungen::Anzeige
{
public:
    KeineMeldungen() { Meldungen::setzeAnzeige(this); }
    ~KeineMeldungen() override { Meldungen::setzeAnzeige(nullptr); }
    Meldungen::Antwort zeige(QWidget *, Art, const QString &) override { return Meldungen::Antwort::Nein; }
};

// A fixture file written whole.
inline void schreibe(const QString &datei, const QByteArray &daten)
{
    QFile f(datei);
    if (f.open(QIODevice::WriteOnly))
        f.write(daten);
}

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
