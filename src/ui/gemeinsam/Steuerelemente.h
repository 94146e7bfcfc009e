// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QLineEdit>
#include <QString>

class QLabel;
class QToolButton;
class QWidget;

// A button that shows only a picture; its hint is also its tooltip and accessible name.
QToolButton *Bildknopf(const QString &name, const QIcon &bild, const QString &hinweis, QWidget *eltern);

// A bold label for a value the window fills in.
QLabel *FettesLabel(const QString &name, Qt::Alignment ausrichtung, QWidget *eltern);

// A field for a count: it takes only the digits 0 to 9, at most `laenge` of them, however they
// come (typed, pasted, dropped); an edit that would leave anything else is refused whole. A
// value the program sets (a ticket's 65535 shares) is kept as it is and can be shortened, but
// nothing can be added to it.
class Ziffernfeld : public QLineEdit
{
    Q_OBJECT
public:
    Ziffernfeld(const QString &name, int laenge, QWidget *eltern);

private:
    void programmwertMerken(const QString &text);

    QString m_programmwert;
};

// The same field with bold digits, for the counts a window computes with.
Ziffernfeld *FettesZiffernfeld(const QString &name, int laenge, QWidget *eltern);

// The bar along the bottom of a tool window: the button "Sch&ließen", named `knopfname`, at its
// right end closes `fenster`.
QWidget *Schliessleiste(const QString &knopfname, QWidget *fenster);
