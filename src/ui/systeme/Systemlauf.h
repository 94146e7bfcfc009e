// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "systems/Systembau.h"

#include <QObject>

#include <atomic>
#include <functional>

class Arbeitsfaden;

// Builds one system on a thread of its own, so the window keeps painting and answering, in two
// steps: the search with its check, then, when the window wants it, the count of the chances.
// The rows of the best complete system so far and the parts of the count done can be read at
// any time, and either step can be cancelled: a cancelled search hands back its best system, a
// cancelled count hands back nothing. Destroying the object cancels a run under way and waits
// for its end.
class Systemlauf : public QObject
{
    Q_OBJECT
public:
    explicit Systemlauf(QObject *eltern = nullptr);
    ~Systemlauf() override;

    // Starts the search; false (and nothing happens) while a step is under way. `gesucht` follows.
    bool starten(const Systemwunsch &wunsch);
    // Counts the chances of the system found; `beendet` follows. False while a step runs or
    // when there is no system to count.
    bool chancenZaehlen();
    bool laeuft() const;
    bool zaehlt() const { return laeuft() && m_zaehlt; }
    void abbrechen() { m_abbrechen = true; }
    // Cancels a run under way and waits for its thread, without reporting its end.
    void anhalten();
    int besteReihen() const { return m_besteReihen; }
    int chancenErledigt() const { return m_erledigt; }
    int chancenGesamt() const { return m_gesamt; }

    // The system of the last step: after `gesucht` without chances, after `beendet` with them.
    const Systemergebnis &ergebnis() const { return m_ergebnis; }
    // After `beendet`: false when the count was cancelled.
    bool gezaehlt() const { return m_gezaehlt; }
    Systemergebnis uebernehmen() { return std::move(m_ergebnis); }

Q_SIGNALS:
    void gesucht();
    void beendet();

private:
    void imFaden(std::function<void()> arbeit);
    void fertig();

    Arbeitsfaden *m_faden = nullptr;
    bool m_zaehlt = false;
    bool m_gezaehlt = false;
    std::atomic<bool> m_abbrechen{false};
    std::atomic<int> m_besteReihen{0};
    std::atomic<int> m_erledigt{0};
    std::atomic<int> m_gesamt{0};
    Systemergebnis m_ergebnis;
};
