// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Einstellungen.h"
#include "syndicate/Gemeinschaft.h"

#include <QMainWindow>

class Befehle;
class QAction;
class KassenModell;
class KontenModell;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class ReihenModell;
class ScheinModell;
struct Zustand;

// The window "Tippgemeinschaft": the members with their shares and balances, the ledger with
// its filters, the played tickets, settling, payments and payouts, statements and exports of
// one syndicate file at a time.
class TFGemeinschaft : public QMainWindow
{
    Q_OBJECT
public:
    TFGemeinschaft(Zustand &zustand, Befehle &befehle, QWidget *eltern = nullptr);
    ~TFGemeinschaft() override;

    Gemeinschaft &gemeinschaft() { return m_gemeinschaft; }
    KontenModell *konten() const { return m_konten; }
    KassenModell *kasse() const { return m_kasse; }
    ScheinModell *scheine() const { return m_scheine; }
    QTabWidget *seiten() const { return m_seiten; }

    // File menu: a new syndicate file, an existing one, a named one.
    void neu();
    void oeffnen();
    bool dateiOeffnen(const QString &pfad);

    void abrechnen();
    void mitgliedAufnehmen();
    void anteileAendern();
    void austritt();
    void einzahlung();
    void auszahlung();
    void ausgabe();
    void stornieren();
    void scheinHinzufuegen();
    void scheinEntfernen();
    void kontoauszug();
    void uebersicht();
    void alsCSV();
    void alsArbeitsmappe();

protected:
    void closeEvent(QCloseEvent *ereignis) override;

private:
    QWidget *baueMitglieder();
    QWidget *baueKasse();
    QWidget *baueScheine();
    QWidget *baueAbrechnung();
    void baueMenue();
    QPushButton *knopf(const QString &text, const QString &name, void (TFGemeinschaft::*aktion)());
    void aktualisieren();
    void kasseZeigen();
    void offeneZeigen();
    void einstellungenSchreiben();
    QString gewaehltesMitglied() const;
    void buchungsdialog(Art art);
    // Shows a refusal, or refreshes after a change; true when done.
    bool ergebnis(const QString &fehler);

    Zustand &m_zustand;
    Befehle &m_befehle;
    Einstellungen m_einstellungen;
    Gemeinschaft m_gemeinschaft;
    QStringList m_zuletzt;

    QLabel *m_lName = nullptr;
    QLabel *m_lStand = nullptr;
    QTabWidget *m_seiten = nullptr;
    KontenModell *m_konten = nullptr;
    QTableView *m_gMitglieder = nullptr;
    QSpinBox *m_eNaechste = nullptr;
    QLabel *m_lOffen = nullptr;
    KassenModell *m_kasse = nullptr;
    QTableView *m_gKasse = nullptr;
    QComboBox *m_comboMitglied = nullptr;
    QComboBox *m_comboArt = nullptr;
    QCheckBox *m_cbVon = nullptr;
    QDateEdit *m_eVon = nullptr;
    QCheckBox *m_cbBis = nullptr;
    QDateEdit *m_eBis = nullptr;
    ScheinModell *m_scheine = nullptr;
    ReihenModell *m_reihen = nullptr;
    QTableView *m_gScheine = nullptr;
    QDateEdit *m_eAbrechnenBis = nullptr;
    QLabel *m_lAbrechnung = nullptr;
    QList<QWidget *> m_nurMitDatei;
    QList<QAction *> m_nurMitDateiAktionen;
};
