// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QDialog>

#include <functional>

class QCalendarWidget;
struct Zustand;

// The calendar: a month calendar at today's date with today marked, weeks from Sunday. It
// stays above the other windows; closing only hides it, so the next opening shows it again.
class TFKal : public QDialog
{
    Q_OBJECT
public:
    TFKal(Zustand &zustand, QWidget *eltern);

    QCalendarWidget *kalender() const { return m_kalender; }

    // The day shown as today; tests set their own.
    std::function<QDate()> heute = [] { return QDate::currentDate(); };

protected:
    void showEvent(QShowEvent *ereignis) override;

private:
    void heuteMarkieren();

    QCalendarWidget *m_kalender = nullptr;
    QDate m_markiert;
};
