// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "entry/Tippreihentext.h"
#include "model/Textzellen.h"

#include <QFrame>

class Gitter;
class QLabel;
class TextTabellenModell;
class Ziffernfeld;
struct Zustand;

// The right of the entry window: the table G1 of the rows that are saved, the ticket's shares
// and the commands that save the table as a ticket, as CSV or open it as a workbook.
class Tippscheinrahmen : public QFrame
{
    Q_OBJECT
public:
    Tippscheinrahmen(Zustand &zustand, QWidget *eltern);

    const TextTabelle &tabelle() const;
    void ReihenEintragen(const QVector<GepruefteReihe> &reihen, bool ueberschreiben);
    void setzeAnteile(const QString &gesamt, const QString &meine);

    void AlsTippscheinSpeichern();
    void ReihenLoeschen();
    void CSVSpeichern();
    void ExcelExport();

private:
    QWidget *baueAnteile();
    void zeige(TextTabelle tabelle);

    Zustand &m_zustand;
    QLabel *m_lDatei = nullptr;
    Ziffernfeld *m_eAntGes = nullptr;
    Ziffernfeld *m_eAntmeine = nullptr;
    Gitter *m_g1 = nullptr;
    TextTabellenModell *m_g1Modell = nullptr;
};
