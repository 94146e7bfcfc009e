// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Einstellungen.h"

#include <QList>
#include <QMainWindow>
#include <QSet>

#include <functional>

class Befehle;
class QAction;
class QToolButton;
class Tippauswertung;
class Ziehungsspalte;
struct Zustand;

// The main window: the draw history on the left, the ticket tabs on the right, the menu and
// tool bar that open every other window. Closing it ends the program.
class TFAuswertung : public QMainWindow
{
    Q_OBJECT
public:
    TFAuswertung(Zustand &zustand, Befehle &befehle, QWidget *eltern = nullptr);

    Ziehungsspalte *ziehungsspalte() const { return m_ziehungsspalte; }
    Tippauswertung *tippauswertung() const { return m_tippauswertung; }

    // The steps of the first showing; run once, right after the window first appears.
    void ersteAnzeige();
    // Runs `danach` once the steps of the first showing are done, at once when they are: opening
    // the remembered files may let events run, and what follows must not come in between.
    void nachErsterAnzeige(std::function<void()> danach);
    // The history file was replaced (a download): a draw entry in progress ends first, so no
    // save can read a proposed date that no longer follows the history; then the history is
    // reloaded and every ticket tab takes the new date list.
    void GewinnreihenNeuEinlesen();
    // "Gewinnreihen importieren...": draws from a file, after a preview, then the reload above.
    void GewinnreihenImportieren();
    // Opens ticket files named on the command line (a double-click in the file manager) into
    // tabs, each missing one with a message, as is each whose name is no UTF-8 text; the
    // remembered list of files stays as it is.
    void startdateienOeffnen(const QStringList &dateien, const QSet<QString> &unlesbar = {});

Q_SIGNALS:
    void geschlossen();

protected:
    void showEvent(QShowEvent *ereignis) override;
    void closeEvent(QCloseEvent *ereignis) override;

private:
    void ReihenpreisLesen();
    void baueMenue();
    void baueWerkzeugleiste();
    QWidget *baueFussleiste();
    QWidget *startdateiOeffnen(const QString &pfad, bool unlesbar = false);
    void frageNachDownload();
    void oeffneUpdatefenster();
    void zeigeHilfe(int thema);
    void zeigeHilfesuche();

    Zustand &m_zustand;
    Einstellungen m_einstellungen;
    Ziehungsspalte *m_ziehungsspalte = nullptr;
    Tippauswertung *m_tippauswertung = nullptr;
    Befehle &m_befehle;
    QAction *m_aOeffnen = nullptr;
    bool m_ersteAnzeigeGeplant = false;
    bool m_ersteAnzeigeFertig = false;
    QList<std::function<void()>> m_nachErsterAnzeige;
};
