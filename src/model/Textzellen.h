// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <cstdint>
#include <functional>

// Measures the width of a text in pixels in the font of the grid it is meant for.
using Textmesser = std::function<int(const QString &)>;

// Centres a header caption in a column by leading blanks, measured with `textbreite`.
QString Zentrieren(const QString &text, int spaltenbreite, const Textmesser &textbreite);

// A grid of text cells addressed as (column, row); row 0 is the header, column 0 the row numbers.
//
// A ticket of 1.6 million rows has eleven million cells, nearly all of one to three digits: one
// QString each would cost some 70 bytes a cell. A cell is one 64-bit word instead: a Latin-1 text
// of up to seven characters lies in the word itself, a longer or wider one in a byte pool the
// word points to. An empty cell reads as a null QString.
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

    // Bytes held for the cells and their texts, for measuring.
    qsizetype gespeicherteBytes() const
    {
        return m_zellen.size() * static_cast<qsizetype>(sizeof(std::uint64_t)) + m_pool.size();
    }

    // Equal sizes, column widths and texts; how a text is stored does not matter.
    bool operator==(const TextTabelle &andere) const;

    static constexpr int StandardBreite = 64;

private:
    void umbauen(int spalten, int zeilen);
    std::uint64_t ablegen(const QString &text);
    void freigeben(std::uint64_t wort);
    void poolAufraeumen();
    QString text(std::uint64_t wort) const;
    bool gleich(std::uint64_t a, const TextTabelle &andere, std::uint64_t b) const;

    int m_spalten = 0;
    int m_zeilen = 0;
    QVector<std::uint64_t> m_zellen; // row by row
    QByteArray m_pool;               // the texts that do not fit their word
    qsizetype m_frei = 0;            // bytes of the pool no cell points to any more
    QVector<int> m_breiten;
};

// Header of a grid of tip rows: "Reihe", "Z1".."Z5", "ZZ", each centred in its column.
void KopfTippreihen(TextTabelle &tabelle, int ersteSpaltenbreite, const Textmesser &textbreite);

// Seven columns for the row number, five numbers and the Zusatzzahl.
inline constexpr int TippreihenSpalten = 7;
