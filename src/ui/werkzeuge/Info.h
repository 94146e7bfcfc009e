// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
struct Zustand;

// The about window: the program's version and the maker's address; a click on the e-mail
// line starts a new message to the maker in the user's mail program.
class TFInfo : public QDialog
{
    Q_OBJECT
public:
    TFInfo(Zustand &zustand, QWidget *eltern);

    QLabel *mailzeile() const { return m_mailzeile; }

protected:
    void paintEvent(QPaintEvent *ereignis) override;

private:
    QLabel *m_mailzeile = nullptr;
};
