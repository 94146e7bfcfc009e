// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "strategy/Strategie.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QStackedWidget;

// The rows of a ticket tab open in the main window, offered as a "Fester Schein".
struct Tabreihen
{
    QString titel;
    QVector<Tippreihe> reihen;
    int antGes = 1;
    int antMeine = 1;
};

// Adds or changes one strategy: its name, its kind and what the kind needs (a ticket file,
// chosen numbers, the generator's settings, a statistics rule), the guarantee of a system and
// the Zusatzzahl. "OK" checks everything and stays open with a message when something is wrong.
class Strategiedialog : public QDialog
{
    Q_OBJECT
public:
    Strategiedialog(const QString &datenordner, QWidget *eltern, QList<Tabreihen> tabs = {});

    void setzeStrategie(const Strategie &strategie);
    // The strategy as the fields say; `fehler` holds the German message of a wrong field.
    Strategie strategie(QString &fehler) const;

    void accept() override;

private:
    QWidget *baueSchein();
    QWidget *baueSystem();
    QWidget *baueZufall();
    QWidget *baueRegel();
    void artGewechselt();
    void dateiWaehlen();

    QString m_datenordner;
    QLineEdit *m_name = nullptr;
    QComboBox *m_art = nullptr;
    QStackedWidget *m_seiten = nullptr;
    QLineEdit *m_datei = nullptr;
    QComboBox *m_tab = nullptr;
    QList<Tabreihen> m_tabs;
    QLineEdit *m_zahlen = nullptr;
    QSpinBox *m_reihen = nullptr;
    QLineEdit *m_bank = nullptr;
    QLineEdit *m_killer = nullptr;
    QLineEdit *m_favoriten = nullptr;
    std::array<QLineEdit *, 5> m_filter{};
    QComboBox *m_rang = nullptr;
    QSpinBox *m_anzahl = nullptr;
    QSpinBox *m_fenster = nullptr;
    QCheckBox *m_alle = nullptr;
    QComboBox *m_garantie = nullptr;
    QSpinBox *m_schritte = nullptr;
    QComboBox *m_zusatzzahl = nullptr;
};
