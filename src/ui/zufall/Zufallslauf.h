// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generator/Zufallsgenerator.h"

#include <QObject>

#include <atomic>
#include <functional>

class Arbeitsfaden;

// Runs one generation on a thread of its own, so the window keeps painting and answering;
// the rows accepted so far can be read at any time, and a run can be cancelled. Destroying
// the object cancels a run under way and waits for its end.
class Zufallslauf : public QObject
{
    Q_OBJECT
public:
    explicit Zufallslauf(QObject *eltern = nullptr);
    ~Zufallslauf() override;

    // Starts a run; ignored while one is under way.
    void starten(const Zufallsvorgaben &vorgaben, std::uint64_t startwert);
    bool laeuft() const;
    void abbrechen() { m_abbrechen = true; }
    // Cancels a run under way and waits for its thread, without reporting its end: for a
    // program that is about to quit.
    void anhalten();
    std::int32_t angenommen() const { return m_angenommen; }
    // For tests: called on the run's thread at every report of progress, before the cancel flag
    // is read, so a test can hold a run that would otherwise end before its progress shows.
    void setzeBeiZwischenstand(std::function<void()> halt) { m_beiZwischenstand = std::move(halt); }

    // The outcome of the finished run; valid in the slots of `beendet`.
    Zufallsergebnis uebernehmen() { return std::move(m_ergebnis); }

Q_SIGNALS:
    void beendet();

private:
    Arbeitsfaden *m_faden = nullptr;
    std::atomic<bool> m_abbrechen{false};
    std::atomic<std::int32_t> m_angenommen{0};
    Zufallsergebnis m_ergebnis;
    std::function<void()> m_beiZwischenstand;
};
