// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QVector>

#include <functional>

// Measures the width of a text in pixels in the font of the grid it is meant for.
using Textmesser = std::function<int(const QString &)>;

// Centres a header caption in a column by leading blanks, measured with `textbreite`.
QString Zentrieren(const QString &text, int spaltenbreite, const Textmesser &textbreite);

// A grid of text cells addressed as (column, row); row 0 is the header, column 0 the row numbers.
class TextTabelle
{
public:
    TextTabelle() = default;
    TextTabelle(int spalten, int zeilen);

    int spalten() const { return m_spalten; }
    int zeilen() const { return m_zeilen; }
    void setzeSpalten(int spalten);
    void setzeZeilen(int zeilen);

    // Out-of-range reads give an empty text, out-of-range writes are dropped.
    QString zelle(int spalte, int zeile) const;
    void setzeZelle(int spalte, int zeile, const QString &text);

    int spaltenbreite(int spalte) const;
    void setzeSpaltenbreite(int spalte, int breite);

    bool operator==(const TextTabelle &) const = default;

    static constexpr int StandardBreite = 64;

private:
    void umbauen(int spalten, int zeilen);

    int m_spalten = 0;
    int m_zeilen = 0;
    QVector<QString> m_zellen;
    QVector<int> m_breiten;
};

// Header of a grid of tip rows: "Reihe", "Z1".."Z5", "ZZ", each centred in its column.
void KopfTippreihen(TextTabelle &tabelle, int ersteSpaltenbreite, const Textmesser &textbreite);

// Seven columns for the row number, five numbers and the Zusatzzahl.
inline constexpr int TippreihenSpalten = 7;
