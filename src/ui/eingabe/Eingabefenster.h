// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Einstellungen.h"

#include <QWidget>

class Befehle;
class Dateiseite;
class QTabWidget;
class Textrahmen;
class Tippscheinrahmen;
class Zahlentastenseite;
struct Zustand;

// The window in which the user builds a new ticket: tip rows typed, clicked, pasted or read from
// a file into the text field, checked into the table, and saved. Made once at program start and
// only hidden on closing, so its text, tables and shares wait for the next showing.
class TFEingabe : public QWidget
{
    Q_OBJECT
public:
    TFEingabe(Zustand &zustand, Befehle &befehle, QWidget *eltern = nullptr);

    // Shows the window (centred over the main window the first time) and brings it to the front.
    void zeigen();

    Textrahmen *textrahmen() const { return m_mitte; }
    Tippscheinrahmen *tippscheinrahmen() const { return m_rechts; }
    Dateiseite *dateiseite() const { return m_dateiseite; }

protected:
    void showEvent(QShowEvent *ereignis) override;
    void closeEvent(QCloseEvent *ereignis) override;

private:
    QWidget *baueWerkzeugleiste(Befehle &befehle);
    QWidget *baueLinks();
    QWidget *baueFussleiste();
    void EinstellungenLesen();
    void EinstellungenSchreiben();

    Zustand &m_zustand;
    Einstellungen m_einstellungen;
    QTabWidget *m_pc1 = nullptr;
    Zahlentastenseite *m_zahlentasten = nullptr;
    Dateiseite *m_dateiseite = nullptr;
    Textrahmen *m_mitte = nullptr;
    Tippscheinrahmen *m_rechts = nullptr;
    bool m_schonGezeigt = false;
};
