// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Attrappen.h"
#include "Testumgebung.h"

#include "entry/Gewinnreihendatei.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>

class TFAuswertung;
class TFEingabe;

// Every window of the program, opened once as the program opens it: the start window, the main
// window with a history of `ziehungen` draws, and from there the ticket entry, generator,
// statistics, update, n-over-k, calendar, about, help and import preview windows. Messages,
// dialogs and the desktop are recorded; the network counts as absent.
class AlleFenster
{
public:
    explicit AlleFenster(int ziehungen = 30);
    ~AlleFenster();

    // The open windows, each shown and exposed.
    QList<QWidget *> fenster() const;

    Testumgebung u;
    MeldungsRecorder meldungen;
    DialogAttrappe dialoge;
    StarterAttrappe starter;
    Verbindung netz{false};

private:
    Gewinnreihenimport m_import;
    std::unique_ptr<TFAuswertung> m_haupt;
    std::unique_ptr<TFEingabe> m_eingabe;
    QList<QPointer<QWidget>> m_fenster;
};
