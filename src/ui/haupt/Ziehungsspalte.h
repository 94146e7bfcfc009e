// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Ziehungseingabe.h"
#include "ui/gemeinsam/Datumsauswahl.h"

#include <QDate>
#include <QWidget>

#include <array>
#include <functional>

class Befehle;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;
class Gitter;
class TBSuperZahl;
class TBZahl;
class ZiehungsTabellenModell;
struct Zustand;

// The left column of the main window: one draw at a time on the number buttons, the draw
// list, the commands that add, correct and save draws, and the table of all draws.
class Ziehungsspalte : public QWidget
{
    Q_OBJECT
public:
    Ziehungsspalte(Zustand &zustand, QWidget *eltern);

    // Loads the draw history file into Ziehungen and the draw list, newest selected.
    void GZEinlesen();
    // Refills the table of draws and its count line from Ziehungen.
    void GZinG1Einlesen();

    QComboBox *ziehungsliste() const { return m_combo1; }
    // The dates of the draw list, of which the ticket tabs take their copies.
    const DatumslistenModell *datumsliste() const { return m_combo1->datumsliste(); }
    // The results page opens from SpeedButton4 and its picture Image1.
    void verbindeErgebnisseite(const Befehle &befehle);
    const Zahlenauswahl &auswahl() const { return m_auswahl; }
    bool NeueZiehung() const { return m_neueZiehung; }

    // The day the proposed date of a new draw counts back from; tests set their own.
    std::function<QDate()> heute = [] { return QDate::currentDate(); };

    void BLotAuswerten(int tag);
    void BDelClick();
    void Combo1Change(int index);
    void BHinzuClick();
    void SpeedButton2Click();
    void BCopyClick();
    // Ends the entry of a new draw as "Abbrechen" would: its proposed date leaves the draw list.
    void eingabeBeenden();

Q_SIGNALS:
    // A draw was saved: the ticket tabs take the new date list.
    void ziehungGespeichert();
    // The user agreed to download the missing draw history.
    void downloadGewuenscht();

private:
    void zeigeAuswahl();
    void setzeHinzuModus(bool neueZiehung);
    bool zielBestimmen(int &ziel);
    void NummernfelderBauen(QWidget *p1, QWidget *psz);
    QWidget *baueTitel();
    QWidget *baueZiehungsblock();

    Zustand &m_zustand;
    QLabel *m_label5 = nullptr;
    QToolButton *m_bCopy = nullptr;
    Datumsauswahl *m_combo1 = nullptr;
    QToolButton *m_speedButton4 = nullptr;
    QToolButton *m_image1 = nullptr;
    QPushButton *m_bHinzu = nullptr;
    QPushButton *m_speedButton2 = nullptr;
    QToolButton *m_bDel = nullptr;
    std::array<TBZahl *, 50> m_zahlen{};      // index 1..49
    std::array<TBSuperZahl *, 11> m_superzahlen{}; // index 1..10
    QLabel *m_lzt = nullptr;
    Gitter *m_g1 = nullptr;
    ZiehungsTabellenModell *m_g1Modell = nullptr;
    Zahlenauswahl m_auswahl;
    bool m_neueZiehung = false;
    bool m_historieUnvollstaendig = false; // the last load failed: the file holds more than Ziehungen
};
