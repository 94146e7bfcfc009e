// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "evaluation/Gewinnauswertung.h"

#include <QDate>
#include <QLocale>
#include <QPair>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QPainter;

// The report of an evaluation that the leader of a syndicate hands to its members: the ticket,
// the period, every win, the class counts, the totals and how they divide among the shares.
// Only texts and their arrangement; a window lays them out on paper.

// A table of the report. Its cells are made when a page is laid out, so the report of a long
// period costs no more memory than its result.
struct Berichtstabelle
{
    QStringList kopf;
    QStringList muster;          // per column the widest text it can hold, to size it
    QVector<bool> rechtsbuendig; // per column: figures stand right-aligned
    int zeilen = 0;
    std::function<QString(int zeile, int spalte)> zelle;
};

struct Berichtsabschnitt
{
    QString ueberschrift;
    QVector<QPair<QString, QString>> angaben; // a caption and its value per line
    Berichtstabelle tabelle;                  // none when it has no columns
    QString hinweis;                          // a paragraph after the table
    // A picture after the values (a chart): painted into a rectangle of the page's width and
    // `bildHoeheMm` millimetres; none when empty.
    std::function<void(QPainter &, const QRectF &)> bild;
    double bildHoeheMm = 0.0;
};

struct Gewinnbericht
{
    QString titel;
    QVector<Berichtsabschnitt> abschnitte;
    QString fusszeile; // the program and the date of the report; the pages add their numbers
};

// How the total divides among the shares so that the parts add up to it exactly: each share
// gets the total divided by the shares, truncated to cents, and the cents left over go one each
// to the first shares.
struct Anteilsaufteilung
{
    Betrag jeAnteil = 0; // the truncated amount every share gets at least
    int mitRestcent = 0; // shares 1..mitRestcent get one cent more
};
Anteilsaufteilung AnteileAufteilen(Betrag gesamt, int antGes);

// The report of `ergebnis` (an evaluation that ran) for the ticket `schein`, made on `heute`.
Gewinnbericht GewinnberichtErstellen(const Auswertungsergebnis &ergebnis, const QString &schein, const QDate &heute,
                                     const QLocale &locale);
