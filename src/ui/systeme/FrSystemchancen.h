// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

class Gitter;
class QLabel;
class QLocale;
class TextTabellenModell;
struct Systemergebnis;

// What a built system gives: its guarantee in words, the count of rows against the lower
// bound, the stake, and the chance table of the ten classes with the expected amount per draw.
class FrSystemchancen : public QGroupBox
{
    Q_OBJECT
public:
    explicit FrSystemchancen(QWidget *eltern = nullptr);

    void zeige(const Systemergebnis &system, float reihenpreis, const QLocale &locale);
    Gitter *gitter() const { return m_gitter; }

private:
    QLabel *wert(const QString &name, const QString &titel);

    Gitter *m_gitter = nullptr;
    TextTabellenModell *m_modell = nullptr;
    QLabel *m_lGarantie = nullptr;
    QLabel *m_lReihen = nullptr;
    QLabel *m_lUntergrenze = nullptr;
    QLabel *m_lEinsatz = nullptr;
    QLabel *m_lErwartung = nullptr;
    QLabel *m_lGewinn = nullptr;
    QLabel *m_lGreift = nullptr;
    class QFormLayout *m_werte = nullptr;
};
