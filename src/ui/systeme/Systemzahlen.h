// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

#include <array>
#include <vector>

class QLabel;
class TBZahl;

// The 49 number buttons of the system window: a click chooses a number or takes it back; the
// label below counts the chosen ones.
class Systemzahlen : public QGroupBox
{
    Q_OBJECT
public:
    explicit Systemzahlen(QWidget *eltern = nullptr);

    std::vector<int> zahlen() const; // ascending
    void setzeZahlen(const std::vector<int> &zahlen);
    TBZahl *knopf(int zahl) const { return m_knoepfe[static_cast<std::size_t>(zahl - 1)]; }

Q_SIGNALS:
    void geaendert();

private:
    void zaehlen();

    std::array<TBZahl *, 49> m_knoepfe{};
    QLabel *m_lAnzahl = nullptr;
};
