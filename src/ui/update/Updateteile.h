// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QLabel;
class QWidget;

// Pieces both halves of the update window use.
namespace Updateteile {

inline const QString DownloadGescheitert =
    QStringLiteral("Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal.");

// A note that wraps within its half.
QLabel *text(const QString &name, const QString &inhalt, QWidget *eltern);
// A framed label for a value the window fills in, as wide as `muster`; a longer value is elided.
QLabel *anzeige(const QString &name, const QString &muster, QWidget *eltern);
// The caption of `feld`.
QLabel *beschriftung(const QString &name, const QString &inhalt, QWidget *feld, QWidget *eltern);

} // namespace Updateteile
