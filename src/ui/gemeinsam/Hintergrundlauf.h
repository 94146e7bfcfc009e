// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

class Arbeitsfaden;
class Fortschrittsanzeige;
class QProgressDialog;
class QWidget;

// Long work of a window on a thread of its own, so the window keeps painting and answering:
// a progress dialog with "Abbrechen" shows once the work has taken half a second, a second
// start is refused while one runs, and the window learns of the end by `beendet`. The work
// shares only the two atomics of `Steuerung` with the window and hands its result over in
// storage the window owns, read after the end. Destroying the object cancels a run under way
// and waits for its end.
class Hintergrundlauf : public QObject
{
    Q_OBJECT
public:
    struct Steuerung
    {
        std::atomic<bool> abbrechen{false}; // set by "Abbrechen"; the work ends soon after
        std::atomic<int> promille{0};       // progress 0..1000 for the dialog; stays 0 for a busy bar
    };
    using Arbeit = std::function<void(Steuerung &)>;

    // Shows progress over `fenster`.
    explicit Hintergrundlauf(QWidget *fenster);
    ~Hintergrundlauf() override;

    // Starts `arbeit` with `text` in the progress dialog; false (and nothing happens) while a
    // run is under way.
    bool starten(const QString &text, Arbeit arbeit);
    bool laeuft() const;
    void abbrechen() { m_steuerung.abbrechen = true; }
    // Cancels a run under way and waits for its thread, without reporting its end: for a
    // program that is about to quit.
    void anhalten();
    // The progress dialog of the run under way, null otherwise.
    QProgressDialog *fortschritt() const;

Q_SIGNALS:
    // The run ended; `abgebrochen` when "Abbrechen" (or abbrechen()) ended it.
    void beendet(bool abgebrochen);

private:
    void fertig();

    Arbeitsfaden *m_faden = nullptr;
    Fortschrittsanzeige *m_anzeige = nullptr;
    Steuerung m_steuerung;
};
