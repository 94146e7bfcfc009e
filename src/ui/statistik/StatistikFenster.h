// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

class Befehle;
class TFfrStatistik;
struct Zustand;

// The statistics window `FStatistik`. It computes its lists from the history when it is
// built and is destroyed when it closes; each opening builds it anew.
class TFStatistik : public QMainWindow
{
    Q_OBJECT
public:
    TFStatistik(Zustand &zustand, Befehle &befehle, QWidget *eltern = nullptr);

    TFfrStatistik *frame() const { return m_frame; }

private:
    void baueWerkzeugleiste();
    void baueMenue();
    void oeffneDownloadbereich();

    Zustand &m_zustand;
    Befehle &m_befehle;
    TFfrStatistik *m_frame = nullptr;
};
