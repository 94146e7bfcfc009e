// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

class QLocale;

// What a proper row can win in one draw: a small framed table of the ten classes with their
// amount, odds ("1 : 19.068.840") and share of the expected amount, and the odds of any win
// and the whole expected amount of the row. The figures are fixed, so it is made once; the
// n-over-k window shows it beside its calculation.
class FrGewinnchancen : public QGroupBox
{
    Q_OBJECT
public:
    explicit FrGewinnchancen(const QLocale &locale, QWidget *eltern = nullptr);
};
