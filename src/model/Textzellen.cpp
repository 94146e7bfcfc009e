// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Textzellen.h"

#include <algorithm>
#include <cmath>

QString Zentrieren(const QString &text, int spaltenbreite, const Textmesser &textbreite)
{
    // std::nearbyint rounds halves to even in the default rounding mode.
    const double w = std::nearbyint(spaltenbreite * 0.8);
    const int t = textbreite(text);
    const int b = textbreite(QStringLiteral(" "));
    if (b <= 0)
        return text;
    const double blanks = std::nearbyint((w - t) / (2.0 * b));
    if (blanks <= 0)
        return text;
    return QString(static_cast<qsizetype>(blanks), QLatin1Char(' ')) + text;
}

TextTabelle::TextTabelle(int spalten, int zeilen) { umbauen(spalten, zeilen); }

void TextTabelle::setzeSpalten(int spalten) { umbauen(spalten, m_zeilen); }

void TextTabelle::setzeZeilen(int zeilen) { umbauen(m_spalten, zeilen); }

void TextTabelle::umbauen(int spalten, int zeilen)
{
    spalten = std::max(spalten, 0);
    zeilen = std::max(zeilen, 0);
    if (spalten == m_spalten) {
        m_zellen.resize(static_cast<qsizetype>(spalten) * zeilen);
    } else {
        QVector<QString> neu(static_cast<qsizetype>(spalten) * zeilen);
        for (int r = 0; r < std::min(zeilen, m_zeilen); ++r)
            for (int c = 0; c < std::min(spalten, m_spalten); ++c)
                neu[static_cast<qsizetype>(r) * spalten + c] = m_zellen[static_cast<qsizetype>(r) * m_spalten + c];
        m_zellen = std::move(neu);
        m_breiten.resize(spalten, StandardBreite);
    }
    m_spalten = spalten;
    m_zeilen = zeilen;
}

QString TextTabelle::zelle(int spalte, int zeile) const
{
    if (spalte < 0 || spalte >= m_spalten || zeile < 0 || zeile >= m_zeilen)
        return QString();
    return m_zellen[static_cast<qsizetype>(zeile) * m_spalten + spalte];
}

void TextTabelle::setzeZelle(int spalte, int zeile, const QString &text)
{
    if (spalte < 0 || spalte >= m_spalten || zeile < 0 || zeile >= m_zeilen)
        return;
    m_zellen[static_cast<qsizetype>(zeile) * m_spalten + spalte] = text;
}

int TextTabelle::spaltenbreite(int spalte) const
{
    return spalte >= 0 && spalte < m_spalten ? m_breiten[spalte] : 0;
}

void TextTabelle::setzeSpaltenbreite(int spalte, int breite)
{
    if (spalte >= 0 && spalte < m_spalten)
        m_breiten[spalte] = breite;
}

void KopfTippreihen(TextTabelle &tabelle, int ersteSpaltenbreite, const Textmesser &textbreite)
{
    if (tabelle.spalten() < TippreihenSpalten)
        tabelle.setzeSpalten(TippreihenSpalten);
    if (tabelle.zeilen() < 1)
        tabelle.setzeZeilen(1);
    tabelle.setzeSpaltenbreite(0, ersteSpaltenbreite);
    tabelle.setzeZelle(0, 0, Zentrieren(QStringLiteral("Reihe"), tabelle.spaltenbreite(0), textbreite));
    for (int c = 1; c <= 5; ++c)
        tabelle.setzeZelle(c, 0, Zentrieren(QStringLiteral("Z%1").arg(c), tabelle.spaltenbreite(c), textbreite));
    tabelle.setzeZelle(6, 0, Zentrieren(QStringLiteral("ZZ"), tabelle.spaltenbreite(6), textbreite));
}
