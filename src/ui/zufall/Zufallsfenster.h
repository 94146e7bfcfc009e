// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Einstellungen.h"
#include "model/Textzellen.h"

#include <QMainWindow>

class Befehle;
class Fortschrittsanzeige;
class Musterfilterfeld;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class Reihenspalte;
class Verteilung;
class Zahlenwahl;
class Zufallsreihen;
class Zufallslauf;
class Zufallszahlenfeld;
class ZufallsreihenModell;
struct Zufallsvorgaben;
struct Zustand;

// The generator window: bank numbers, quota killers and favourites on three panels, the number
// of rows and the Zusatzzahl, "Viel Glück!", the rows in a grid with the distribution of their
// numbers beside it, and the commands that save the rows.
class TFZufall : public QMainWindow
{
    Q_OBJECT
public:
    TFZufall(Zustand &zustand, Befehle &befehle, QWidget *eltern = nullptr);
    ~TFZufall() override;

    Zahlenwahl *zahlenwahl() const { return m_zahlenwahl; }
    Zufallslauf *lauf() const { return m_lauf; }
    ZufallsreihenModell *reihenModell() const;
    const Zufallsreihen &reihen() const;
    Verteilung *verteilung() const { return m_verteilung; }
    Musterfilterfeld *filterfeld() const { return m_filterfeld; }

    // "Viel Glück!": checks the fields and starts the generation.
    void SpeedButton1Click();
    void BSaveClick();
    void SpeedButton3Click();
    void SpeedButton4Click();

protected:
    void showEvent(QShowEvent *ereignis) override;
    void closeEvent(QCloseEvent *ereignis) override;

private:
    QWidget *baueAnzahlfeld(QWidget *eltern);
    QWidget *baueZusatzzahl(QWidget *eltern);
    QWidget *baueVerteilungsspalte(QWidget *eltern);
    void baueWerkzeugleiste();

    void EinstellungenLesen();
    void EinstellungenSchreiben();
    void laufStarten(const Zufallsvorgaben &vorgaben);
    void laufBeendet();
    void setzeLaufend(bool laufend);
    void zeigeVerteilung();
    // The count of rows that pass, once per turn of the event loop however many changes came.
    void zaehlenVormerken();
    void zaehleMoeglicheReihen();
    // The rows as the tip-row table the save commands take.
    TextTabelle speichertabelle() const;

    Zustand &m_zustand;
    Befehle &m_befehle;
    Einstellungen m_einstellungen;

    QWidget *m_eingaben = nullptr; // the two left columns, locked during a run
    QLineEdit *m_eAnz = nullptr;
    QPushButton *m_speedButton1 = nullptr;
    QRadioButton *m_cbZuf = nullptr;
    QRadioButton *m_cbfix = nullptr;
    QLineEdit *m_eZZ = nullptr;
    Zufallszahlenfeld *m_p1 = nullptr;
    Zufallszahlenfeld *m_p2 = nullptr;
    Zufallszahlenfeld *m_p3 = nullptr;
    Zahlenwahl *m_zahlenwahl = nullptr;
    Musterfilterfeld *m_filterfeld = nullptr;
    bool m_zaehlenVorgemerkt = false;

    Reihenspalte *m_reihenspalte = nullptr;
    Verteilung *m_verteilung = nullptr;
    QPushButton *m_bClose = nullptr;
    QToolButton *m_leisteClose = nullptr;

    Zufallslauf *m_lauf = nullptr;
    Fortschrittsanzeige *m_fortschritt = nullptr;
    bool m_eingelesen = false;
};
