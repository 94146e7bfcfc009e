// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>

class QThread;

// One piece of work of a window on a thread of its own, so the window keeps painting and
// answering. The window learns of the end by `fertig`, on its own thread, after the thread has
// ended. The work and the window share only what the work's owner makes safe to share (atomics,
// and a result read after the end). Destroying the object waits for a run under way: its owner
// sets its cancel flag first.
class Arbeitsfaden : public QObject
{
    Q_OBJECT
public:
    explicit Arbeitsfaden(QObject *eltern = nullptr);
    ~Arbeitsfaden() override;

    // Starts `arbeit`; false (and nothing happens) while a run is under way.
    bool starten(std::function<void()> arbeit);
    bool laeuft() const { return m_thread != nullptr; }
    // Waits for a run under way to end, without reporting its end.
    void warten();

Q_SIGNALS:
    void fertig();

private:
    void beendet();

    QThread *m_thread = nullptr;
};
