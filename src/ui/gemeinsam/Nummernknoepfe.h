// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

// A button of the number panel; its tag is the number (1..49) or 100 + the Zusatzzahl.
class Nummernknopf : public QPushButton
{
    Q_OBJECT
public:
    Nummernknopf(int tag, QWidget *eltern);
    int tag() const { return m_tag; }
    bool gewaehlt() const { return m_gewaehlt; }
    void setzeGewaehlt(bool gewaehlt);

private:
    int m_tag;
    bool m_gewaehlt = false;
};

// A winning-number button, 1..49.
class TBZahl : public Nummernknopf
{
    Q_OBJECT
public:
    TBZahl(int zahl, QWidget *eltern);
};

// A Zusatzzahl button, 1..10; its selected look differs from the number buttons'.
class TBSuperZahl : public Nummernknopf
{
    Q_OBJECT
public:
    TBSuperZahl(int zahl, QWidget *eltern);
};
