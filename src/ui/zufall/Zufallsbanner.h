// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Befehle;
class QToolButton;
class QWidget;

// The banner under the distribution area. A click runs the command that opens the page about
// the maker's other programs; while that command is disabled, so is the banner.
QToolButton *Zufallsbanner(const Befehle &befehle, int breite, QWidget *eltern);
