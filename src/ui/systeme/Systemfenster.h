// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Einstellungen.h"
#include "systems/Systembau.h"

#include <QMainWindow>

class Befehle;
class Fortschrittsanzeige;
class FrSystemchancen;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;
class Reihenspalte;
class Systemlauf;
class Systemzahlen;
struct Zustand;

// The system window: the chosen numbers on 49 buttons, full or abbreviated system with its
// guarantee and search time, the Zusatzzahl, the rows in a grid with the share fields and the
// save commands, and what the system gives. A search runs on a thread of its own.
class TFSysteme : public QMainWindow
{
    Q_OBJECT
public:
    TFSysteme(Zustand &zustand, Befehle &befehle, QWidget *eltern = nullptr);
    ~TFSysteme() override;

    Systemzahlen *zahlenfeld() const { return m_zahlen; }
    Systemlauf *lauf() const { return m_lauf; }
    Reihenspalte *reihenspalte() const { return m_reihenspalte; }
    FrSystemchancen *chancen() const { return m_chancen; }
    const Systemergebnis &system() const { return m_system; }

    // A step budget for the search, as "--schritte" gives the command line: with it the same
    // start value gives the same system on any machine, and the search time only ends a search
    // early. The window has no field for it; tests set it here. 0: none.
    void setzeSuchschritte(std::int64_t schritte) { m_suchschritte = schritte; }
    // The start value of the next run instead of a fresh one; 0: a fresh one.
    void setzeStartwert(std::uint64_t startwert) { m_startwert = startwert; }

    // "System bilden": checks the choice, asks before a large system, starts the run.
    void BBildenClick();
    void BSaveClick();
    void BCsvClick();
    void BExcelClick();
    void BDruckenClick();
    void BPdfClick();
    void BAuswertenClick();

protected:
    void showEvent(QShowEvent *ereignis) override;
    void closeEvent(QCloseEvent *ereignis) override;

private:
    QWidget *baueWahl(QWidget *eltern);
    QWidget *baueZusatzzahl(QWidget *eltern);
    void EinstellungenLesen();
    void EinstellungenSchreiben();
    void vorschau();
    bool grossesSystemBilden(std::int64_t reihen, bool voll, bool mindestens);
    void laufGesucht();
    void laufBeendet();
    void setzeLaufend(bool laufend);
    bool systemDa();
    TextTabelle speichertabelle() const;

    Zustand &m_zustand;
    Befehle &m_befehle;
    Einstellungen m_einstellungen;

    QWidget *m_eingaben = nullptr;
    Systemzahlen *m_zahlen = nullptr;
    QRadioButton *m_rbVoll = nullptr;
    QRadioButton *m_rbKurz = nullptr;
    QComboBox *m_cbGarantie = nullptr;
    QSpinBox *m_eSuchzeit = nullptr;
    QRadioButton *m_cbZuf = nullptr;
    QRadioButton *m_cbfix = nullptr;
    QLineEdit *m_eZZ = nullptr;
    QPushButton *m_bBilden = nullptr;
    QLabel *m_lVorschau = nullptr;
    Reihenspalte *m_reihenspalte = nullptr;
    FrSystemchancen *m_chancen = nullptr;
    QPushButton *m_bDrucken = nullptr;
    QPushButton *m_bPdf = nullptr;
    QPushButton *m_bAuswerten = nullptr;
    QPushButton *m_bClose = nullptr;
    QToolButton *m_leisteClose = nullptr;

    Systemlauf *m_lauf = nullptr;
    Fortschrittsanzeige *m_fortschritt = nullptr;
    Systemergebnis m_system;
    std::int64_t m_suchschritte = 0;
    std::uint64_t m_startwert = 0;
    bool m_gefragt = false;
    bool m_eingelesen = false;
};
