// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "update/Herunterladen.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

class QProgressDialog;
class QWidget;
struct Zustand;

// Runs the update window's downloads, one at a time: a progress dialog with the bytes received
// and "Abbrechen" blocks the other windows while the program keeps painting, and the mouse
// pointer shows that it is busy.
class Downloadlauf : public QObject
{
    Q_OBJECT
public:
    Downloadlauf(Zustand &zustand, QWidget *fenster);
    ~Downloadlauf() override;

    using Ende = std::function<void(const Downloadergebnis &)>;
    // Fetches `auftrag`; `was` heads the progress dialog. `ende` follows once, when the
    // download has ended in any way.
    void starten(const Downloadauftrag &auftrag, const QString &was, Ende ende);
    bool laeuft() const { return m_laden != nullptr; }

    // What fetches `datei` from the download server named in the settings into `ziel`: its
    // address and the time the whole transfer may take.
    Downloadauftrag auftrag(const QString &datei, const QString &ziel, qint64 maxGroesse, bool ohneCache) const;

    // How downloads talk to the server; tests shorten the time limit and add their authority.
    Downloadoptionen optionen;

private:
    void zeigeFortschritt(qint64 empfangen, qint64 gesamt);

    Zustand &m_zustand;
    QWidget *m_fenster;
    QPointer<Herunterladen> m_laden;
    QPointer<QProgressDialog> m_dialog;
    QString m_was;
};
