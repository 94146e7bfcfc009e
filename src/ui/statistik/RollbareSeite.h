// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QVBoxLayout;
class QWidget;

// Makes `seite` a tab page whose content scrolls up and down (never sideways): the page holds
// only the scroll area; the content goes into the returned column, `rand` pixels from the edge.
QVBoxLayout *RollbareSeite(QWidget *seite, int rand, const QString &bereichsname = QString());
