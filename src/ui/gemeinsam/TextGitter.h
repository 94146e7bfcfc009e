// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Textzellen.h"

#include <QSize>

class Gitter;
class QString;
class QWidget;

// A grid showing a table of texts that does not change: row 0 as its header, column 0 as its
// fixed column, each column as wide as its header and widest cell need.
Gitter *TextGitter(const QString &name, TextTabelle tabelle, QWidget *eltern);

// The width and height at which the grid shows every column and row without scrolling.
QSize GanzeGroesse(const Gitter *gitter);
