// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;
struct Zustand;

// The small calculator for n over k. Exact for every n and k of up to two digits; the result
// is grouped in threes by the user's thousands separator.
class TFNueberK : public QWidget
{
    Q_OBJECT
public:
    explicit TFNueberK(Zustand &zustand, QWidget *eltern = nullptr);

    // Computes n over k from the two fields, or says why it can't.
    void BCalcClick();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    QWidget *baueEingabe();

    Zustand &m_zustand;
    QLineEdit *m_e1 = nullptr;
    QLineEdit *m_e2 = nullptr;
    QToolButton *m_bCalc = nullptr;
    QLabel *m_p1 = nullptr;
};
