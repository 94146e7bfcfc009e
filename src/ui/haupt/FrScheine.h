// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TextTabelle;
class Datumsauswahl;
class ErgebnisModell;
struct Datumsliste;
class Gitter;
class TextTabellenModell;
struct Gewinnbericht;
struct Zustand;

// The frame on a ticket tab: the ticket's rows and shares, the choice of one draw or a
// run of draws, the evaluation and its results.
class TFFrScheineN : public QFrame
{
    Q_OBJECT
public:
    TFFrScheineN(Zustand &zustand, int nummer, QWidget *eltern);

    // Takes the draw list and reads the ticket; returns the reading error, empty on success.
    QString einlesen(const QString &pfad, const Datumsliste &ziehungsdaten);
    // Takes rows that live in no file yet (a system of the system window): `reihen` as the save
    // commands take them, columns 1..6; `name` stands where the file name would.
    void uebernehmen(const TextTabelle &reihen, const QString &antGes, const QString &antMeine, const QString &name,
                     const Datumsliste &ziehungsdaten);
    // Gives the end-draw list a fresh copy of the draw list with the newest draw selected.
    void datenAktualisieren(const Datumsliste &ziehungsdaten);

    void BStartClick();
    void BZeigClick();
    // The report of the last evaluation: printed, or written as a PDF file.
    void BDruckenClick();
    void BPdfClick();

    // The highest-win mark: the result row of the highest win, 0 for none.
    int hoechstgewinnMarke() const;

private:
    QWidget *baueLinks();
    QWidget *baueRechts();
    QWidget *baueZeitraum();
    QWidget *baueSummen();
    void KopfErgebnis();
    void KopfGewinnklassen();
    QColor tippreihenHintergrund(int spalte, const QString &text) const;
    void setzeMarke(int marke);
    Gewinnbericht bericht() const;

    Zustand &m_zustand;
    QString m_pfad;
    QLabel *m_lDatei = nullptr;
    QLabel *m_lReihen = nullptr;
    QLineEdit *m_eAntGes = nullptr;
    QLineEdit *m_eAntmeine = nullptr;
    Gitter *m_g3 = nullptr;
    TextTabellenModell *m_g3Modell = nullptr;
    Datumsauswahl *m_combo1 = nullptr;
    QCheckBox *m_cbBack = nullptr;
    Datumsauswahl *m_combo2 = nullptr;
    QPushButton *m_bStart = nullptr;
    QPushButton *m_bDrucken = nullptr;
    QPushButton *m_bPdf = nullptr;
    Gitter *m_g3a = nullptr;
    ErgebnisModell *m_g3aModell = nullptr;
    QLabel *m_lHGew = nullptr;
    QLabel *m_lHGewWann = nullptr;
    QToolButton *m_bZeig = nullptr;
    QLabel *m_lGesGewinn = nullptr;
    QLabel *m_lGesGewinnAnt = nullptr;
    QLabel *m_lrl = nullptr;
    QLabel *m_lrlErwartet = nullptr;
    Gitter *m_g5 = nullptr;
    TextTabellenModell *m_g5Modell = nullptr;
};
