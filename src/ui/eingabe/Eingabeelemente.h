// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/gemeinsam/Nummernknoepfe.h"
#include "ui/gemeinsam/Steuerelemente.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QWidget>

class QToolButton;

// A number button of the entry window: 40 × 28 pixels, the number in bold 8 point.
class TBZahl2 : public Nummernknopf
{
    Q_OBJECT
public:
    TBZahl2(int zahl, QWidget *eltern);
};

// The text field of the tip rows: Enter does not break the line here (Ctrl+Enter does), so a
// stray Enter cannot split a row; the number buttons and pasting bring the line breaks.
class Textfeld : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit Textfeld(QWidget *eltern);

    // Lines of the text, a last empty line after a final line break not counted.
    int zeilenzahl() const;
    // The lines as they stand, non-breaking spaces kept (the plain text turns them into blanks).
    QStringList zeilen() const;
    // Appends at the end, with the caret there and the end in view.
    void anhaengen(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *ereignis) override;
};

// A value from `min` to `max` changed by two arrow buttons side by side.
class Pfeilregler : public QWidget
{
    Q_OBJECT
public:
    Pfeilregler(int min, int max, int wert, QWidget *eltern);

    int wert() const { return m_wert; }
    void setzeWert(int wert);
    QToolButton *links() const { return m_links; }
    QToolButton *rechts() const { return m_rechts; }

Q_SIGNALS:
    void wertGeaendert(int wert);

private:
    int m_min;
    int m_max;
    int m_wert;
    QToolButton *m_links;
    QToolButton *m_rechts;
};
