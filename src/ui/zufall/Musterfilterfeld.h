// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generator/Musterfilter.h"

#include <QGroupBox>

#include <array>

class QCheckBox;
class QLabel;
class QSpinBox;

// The generator's filters on the patterns of a row, each switched on by its check box (all off
// at first), and the label that shows how many rows pass the player's choices.
class Musterfilterfeld : public QGroupBox
{
    Q_OBJECT
public:
    explicit Musterfilterfeld(QWidget *eltern);

    Musterfilter filter() const;
    void setzeFilter(const Musterfilter &filter);

    QCheckBox *schalter(Musterart art) const { return m_zeilen[index(art)].schalter; }
    QSpinBox *von(Musterart art) const { return m_zeilen[index(art)].von; }
    QSpinBox *bis(Musterart art) const { return m_zeilen[index(art)].bis; }
    QLabel *LMoeglich() const { return m_moeglich; }

    // "Mögliche Reihen: 412.337".
    void zeigeMoeglicheReihen(const QString &anzahl);

Q_SIGNALS:
    void geaendert();

private:
    struct Zeile
    {
        QCheckBox *schalter = nullptr;
        QSpinBox *von = nullptr; // none for run and group, which take only an upper limit
        QSpinBox *bis = nullptr;
    };
    static std::size_t index(Musterart art) { return static_cast<std::size_t>(art); }
    void schalten(Musterart art);

    std::array<Zeile, Musterarten> m_zeilen;
    QLabel *m_moeglich = nullptr;
};
