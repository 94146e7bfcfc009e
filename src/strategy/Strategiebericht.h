// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "evaluation/Gewinnbericht.h"
#include "model/Textzellen.h"
#include "strategy/Strategietest.h"

#include <QDate>
#include <QLocale>
#include <QVector>

// The results of a strategy test as tables of texts (row 0 the header, column 0 the running
// number) for the window's grids and exports, and as a printed report.

// One row per strategy: its figures, its placement among the fair histories and its wins per class.
TextTabelle UebersichtTabelle(const Testergebnis &ergebnis, const QVector<TGewZahlen> &ziehungen,
                              const QLocale &locale);

// One row per played draw of strategy `p`: date, rows, stake, won, balance so far.
TextTabelle ZiehungsTabelle(const Testergebnis &ergebnis, int p, const QVector<TGewZahlen> &ziehungen,
                            const QLocale &locale);

// The table for a file: its header row repeated as the first data row, as CSV files and workbooks
// write only the data rows.
TextTabelle MitKopfzeile(const TextTabelle &tabelle);

// The placements side by side, one line per strategy ("Name: 37 %"), and the reminder that among
// several strategies one below 5 % turns up by luck about once in twenty.
QString PlatzierungenText(const Testergebnis &ergebnis);

// The report: period, start value, summary, placements, the chart (painted by `diagramm`, may be
// empty) and every strategy's draws.
Gewinnbericht StrategieberichtErstellen(const Testergebnis &ergebnis, const QVector<TGewZahlen> &ziehungen,
                                        const QDate &heute, const QLocale &locale,
                                        std::function<void(QPainter &, const QRectF &)> diagramm);
