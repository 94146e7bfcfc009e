// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Einstellungen.h"
#include "strategy/Strategietest.h"
#include "ui/strategie/Strategiedialog.h"

#include <QMainWindow>

#include <memory>

class Befehle;
class Datumsauswahl;
class Gitter;
class Hintergrundlauf;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class Strategiediagramm;
class TextTabellenModell;
struct Zustand;

// The strategy test window: the list of strategies (add, change, remove), the period, the fair
// histories and their start value, "Testen" on a thread of its own, and the results in tabs:
// the summary with the placements, the chart, the draws of one strategy. Exports the shown
// table as CSV or workbook and prints or saves the report with the chart.
class TFStrategietest : public QMainWindow
{
    Q_OBJECT
public:
    TFStrategietest(Zustand &zustand, Befehle &befehle, QWidget *eltern = nullptr);
    ~TFStrategietest() override;

    const std::vector<Strategie> &strategien() const { return m_strategien; }
    // Adds a strategy as "Hinzufügen..." would after its dialog.
    void strategieHinzufuegen(const Strategie &strategie);
    const Testergebnis &ergebnis() const { return m_ergebnis; }
    Hintergrundlauf *lauf() const { return m_lauf; }
    Strategiediagramm *diagramm() const { return m_diagramm; }
    TextTabellenModell *uebersicht() const { return m_uebersichtModell; }
    TextTabellenModell *ziehungsliste() const { return m_ziehungenModell; }

    void BHinzuClick();
    void BAendernClick();
    void BEntfernenClick();
    void BTestenClick();
    void BCsvClick();
    void BExcelClick();
    void BDruckenClick();
    void BPdfClick();

protected:
    void showEvent(QShowEvent *ereignis) override;
    void closeEvent(QCloseEvent *ereignis) override;

private:
    QWidget *baueStrategien(QWidget *eltern);
    QWidget *baueZeitraum(QWidget *eltern);
    QWidget *baueErgebnisse(QWidget *eltern);
    void EinstellungenLesen();
    void EinstellungenSchreiben();
    void listeZeigen();
    void ziehungenNeu();
    void laufBeendet(bool abgebrochen);
    void ergebnisZeigen();
    void ziehungenZeigen();
    void setzeLaufend(bool laufend);
    bool ergebnisDa();
    TextTabelle exporttabelle(QString &blatt) const;
    // The rows of every ticket tab open in the main window.
    QList<Tabreihen> offeneTabs() const;

    Zustand &m_zustand;
    Befehle &m_befehle;
    Einstellungen m_einstellungen;
    std::vector<Strategie> m_strategien;

    QWidget *m_eingaben = nullptr;
    QListWidget *m_liste = nullptr;
    Datumsauswahl *m_von = nullptr;
    Datumsauswahl *m_bis = nullptr;
    QSpinBox *m_verlaeufe = nullptr;
    QLineEdit *m_startwert = nullptr;
    QPushButton *m_bTesten = nullptr;
    QTabWidget *m_tabs = nullptr;
    Gitter *m_uebersichtGitter = nullptr;
    TextTabellenModell *m_uebersichtModell = nullptr;
    QLabel *m_platzierungen = nullptr;
    Strategiediagramm *m_diagramm = nullptr;
    QComboBox *m_strategieWahl = nullptr;
    Gitter *m_ziehungenGitter = nullptr;
    TextTabellenModell *m_ziehungenModell = nullptr;
    QLabel *m_lDatei = nullptr;
    QWidget *m_ausgaben = nullptr;
    QPushButton *m_bClose = nullptr;
    QToolButton *m_leisteClose = nullptr;

    Hintergrundlauf *m_lauf = nullptr;
    // Written by the run's thread, read after its end.
    std::shared_ptr<Testergebnis> m_laufergebnis;
    Testergebnis m_ergebnis;
    QVector<TGewZahlen> m_ergebnisZiehungen; // the history the shown result was tested on
    bool m_eingelesen = false;
};
