// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QProgressDialog;
class QTimer;
class QWidget;

// The progress dialog every long run of a window shows: modal to the window, with "Abbrechen",
// shown once the run has taken FortschrittNachMs, brought up to date every 100 ms by the window's
// own reading of the run, and kept open until the window closes it at the run's end.
class Fortschrittsanzeige : public QObject
{
    Q_OBJECT
public:
    // Brings the dialog up to date from the run; not called once "Abbrechen" was clicked.
    using Stand = std::function<void(QProgressDialog &)>;

    // How long a run goes before its progress shows.
    static constexpr int FortschrittNachMs = 500;

    // Dialogs over `fenster`; the object belongs to `eltern`, else to the window.
    explicit Fortschrittsanzeige(QWidget *fenster, QObject *eltern = nullptr);
    ~Fortschrittsanzeige() override;

    // A new dialog with `text` and the range 0..maximum (0: a busy bar), in place of one still
    // open.
    QProgressDialog *zeigen(const QString &text, int maximum, Stand stand = {});
    void schliessen();
    // The dialog shown, null when none is.
    QProgressDialog *dialog() const { return m_dialog; }

Q_SIGNALS:
    // "Abbrechen" was clicked.
    void abgebrochen();

private:
    QPointer<QWidget> m_fenster;
    QProgressDialog *m_dialog = nullptr;
    QTimer *m_uhr = nullptr;
};
