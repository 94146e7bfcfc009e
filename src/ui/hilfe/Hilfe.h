// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class HilfeFenster;
class QWidget;

// The program's one help window. Every call opens it, or brings the open one back to the front,
// and never fails: a missing or damaged help file or an unknown topic is explained in the page.
namespace Hilfe {
// Shows topic `thema` of the help file (1010 start page, 1030 main window, ...).
void zeigeThema(const QString &hilfedatei, int thema);
// Shows the search page with an empty search text.
void zeigeSuche(const QString &hilfedatei);
// F1 anywhere in `fenster` shows topic `thema`.
void taste(QWidget *fenster, const QString &hilfedatei, int thema);
// The help window, or nullptr while none has been opened.
HilfeFenster *fenster();
} // namespace Hilfe
