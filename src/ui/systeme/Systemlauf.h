#pragma once

#include "systems/Systembau.h"

#include <QObject>

#include <atomic>

class QThread;

// Builds one system on a thread of its own, so the window keeps painting and answering. The
// rows of the best complete system so far can be read at any time, and a search can be
// cancelled: it then hands back that best system. Destroying the object cancels a run under
// way and waits for its end.
class Systemlauf : public QObject
{
    Q_OBJECT
public:
    explicit Systemlauf(QObject *eltern = nullptr);
    ~Systemlauf() override;

    // Starts a run; false (and nothing happens) while one is under way.
    bool starten(const Systemwunsch &wunsch);
    bool laeuft() const { return m_thread != nullptr; }
    void abbrechen() { m_abbrechen = true; }
    // Cancels a run under way and waits for its thread, without reporting its end.
    void anhalten();
    int besteReihen() const { return m_besteReihen; }

    // The outcome of the finished run; valid in the slots of `beendet`.
    Systemergebnis uebernehmen() { return std::move(m_ergebnis); }

Q_SIGNALS:
    void beendet();

private:
    void fertig();

    QThread *m_thread = nullptr;
    std::atomic<bool> m_abbrechen{false};
    std::atomic<int> m_besteReihen{0};
    Systemergebnis m_ergebnis;
};
