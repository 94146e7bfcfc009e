// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/zufall/ZufallsreihenModell.h"

#include <QWidget>

class Gitter;
class QLabel;
class QLineEdit;
class QPushButton;

// The column of the generated rows: the ticket save button with the label that names the
// written file, the shares, the row count over the grid GZuf, and the CSV and workbook buttons.
class Reihenspalte : public QWidget
{
    Q_OBJECT
public:
    Reihenspalte(ZufallsreihenModell::Auswahl auswahl, QWidget *eltern);

    QPushButton *BSave() const { return m_bSave; }
    QLabel *LDatei() const { return m_lDatei; }
    QLineEdit *EAntGes() const { return m_eAntGes; }
    QLineEdit *EAntmeine() const { return m_eAntmeine; }
    QLabel *LReihen() const { return m_lReihen; }
    Gitter *GZuf() const { return m_gZuf; }
    ZufallsreihenModell *modell() const { return m_modell; }
    QPushButton *SpeedButton3() const { return m_speedButton3; }
    QPushButton *SpeedButton4() const { return m_speedButton4; }

    // Shows the rows of a finished run and their count.
    void zeigeReihen(Zufallsreihen reihen);

private:
    QWidget *baueAnteile();
    void baueGitter(ZufallsreihenModell::Auswahl auswahl);

    QPushButton *m_bSave = nullptr;
    QLabel *m_lDatei = nullptr;
    QLineEdit *m_eAntGes = nullptr;
    QLineEdit *m_eAntmeine = nullptr;
    QLabel *m_lReihen = nullptr;
    Gitter *m_gZuf = nullptr;
    ZufallsreihenModell *m_modell = nullptr;
    QPushButton *m_speedButton3 = nullptr;
    QPushButton *m_speedButton4 = nullptr;
};
