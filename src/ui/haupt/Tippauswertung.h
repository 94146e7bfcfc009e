// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <utility>

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;
class QTabWidget;
class QToolButton;
class TextTabelle;
class DatumslistenModell;
class TFFrScheineN;
struct Datumsliste;
struct Zustand;

// The right column of the main window: opening ticket files into tabs, the tabs, and
// the commands that close them.
class Tippauswertung : public QWidget
{
    Q_OBJECT
public:
    Tippauswertung(Zustand &zustand, QWidget *eltern);

    QCheckBox *cbMerken() const { return m_cbMerken; }
    QTabWidget *PC1() const { return m_pc1; }
    QPushButton *BOpen() const { return m_bOpen; }

    // The main window's draw list, of which every tab takes a copy.
    void setzeZiehungsliste(const DatumslistenModell *liste) { m_ziehungsliste = liste; }

    void BOpenClick();
    // Opens one ticket file into a new tab and returns the tab page.
    QWidget *DateienEinlesen(const QString &pfad);
    // Opens rows that live in no file into a new tab named `name` and shows it.
    QWidget *ReihenOeffnen(const TextTabelle &reihen, const QString &antGes, const QString &antMeine,
                           const QString &name);
    // Gives every tab the current draw list, newest draw selected.
    void TabsAktualisieren();
    void BKr1Click();
    void BKr2Click();

    int Tabzaehler() const { return m_tabzaehler; }

private:
    Datumsliste ziehungsdaten() const;
    // A new tab page titled `titel` with an empty ticket frame in it.
    std::pair<QWidget *, TFFrScheineN *> neuerTab(const QString &titel);

    Zustand &m_zustand;
    QPushButton *m_bOpen = nullptr;
    QCheckBox *m_cbMerken = nullptr;
    QTabWidget *m_pc1 = nullptr;
    QToolButton *m_bKr1 = nullptr;
    QToolButton *m_bKr2 = nullptr;
    const DatumslistenModell *m_ziehungsliste = nullptr;
    int m_tabzaehler = 0;
};
