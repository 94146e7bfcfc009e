// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Textzellen.h"

#include <QWidget>

class Gitter;
class QLabel;
class QPushButton;
class TextTabellenModell;
struct Zustand;

// Tab "Manuelle Eingabe": the hints and the 49 number buttons.
class Zahlentastenseite : public QWidget
{
    Q_OBJECT
public:
    explicit Zahlentastenseite(QWidget *eltern);

Q_SIGNALS:
    void zahlGeklickt(int zahl);
};

// Tab "Datei einlesen": a ticket, CSV file or workbook read into the table G2, from where its
// rows go into the text field.
class Dateiseite : public QWidget
{
    Q_OBJECT
public:
    Dateiseite(Zustand &zustand, QWidget *eltern);

    const TextTabelle &tabelle() const;

    void TippscheinOeffnen();
    void CSVOeffnen();
    void ExcelImport();
    void InsTextfeld();

Q_SIGNALS:
    // A ticket file was read: its shares.
    void anteileGelesen(const QString &gesamt, const QString &meine);
    // The rows of G2 as lines for the text field.
    void zeilenFuerTextfeld(const QStringList &zeilen);

private:
    void zeige(TextTabelle tabelle, const QString &datei);
    int textbreite(const QString &text) const;

    Zustand &m_zustand;
    QLabel *m_lDatei1 = nullptr;
    Gitter *m_g2 = nullptr;
    TextTabellenModell *m_g2Modell = nullptr;
};
