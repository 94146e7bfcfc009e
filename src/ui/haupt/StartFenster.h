// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Ordner.h"

#include <QPointer>
#include <QWidget>

class QPushButton;
struct Zustand;

// The start window: greets the user while the program prepares itself, then cross-fades
// into the main window when the user clicks "Weiter".
class TFStart : public QWidget
{
    Q_OBJECT
public:
    // Computes the folders and the locale formats of the run into `zustand`, with
    // `datenordner` as the data folder.
    explicit TFStart(Zustand &zustand, const QString &datenordner = StandardDatenordner(), QWidget *eltern = nullptr);

    // Initialisation is over: "Weiter" may be clicked; the fade leads into `hauptfenster`.
    void initialisierungFertig(QWidget *hauptfenster);

    QPushButton *weiter() const { return m_weiter; }
    // Error text of the start, empty when the data folder could be prepared.
    const QString &startfehler() const { return m_startfehler; }

protected:
    void closeEvent(QCloseEvent *ereignis) override;
    void keyPressEvent(QKeyEvent *ereignis) override;

private:
    void weiterKlick();
    void ueberblenden();

    Zustand &m_zustand;
    QPushButton *m_weiter = nullptr;
    QPointer<QWidget> m_hauptfenster;
    QString m_startfehler;
    bool m_fertig = false;
    bool m_blendet = false;
};
