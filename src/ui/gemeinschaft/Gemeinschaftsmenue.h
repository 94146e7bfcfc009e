// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class Befehle;
class Einstellungen;
class QMenu;

// The syndicate's settings, section [Tippgemeinschaft]: the recently used files (newest first)
// and how many coming draws the window checks the balances against.
namespace Gemeinschaftseinstellungen {
inline constexpr int ZuletztHoechstens = 8;
inline constexpr int ZiehungenVorgabe = 4;

QStringList zuletzt(const Einstellungen &einstellungen);
int ziehungen(const Einstellungen &einstellungen);
// One write of the whole section, so a failed one leaves the old section. False when it failed.
bool merken(Einstellungen &einstellungen, const QStringList &zuletzt, int ziehungen);
// `pfad` in front of the list, once.
QStringList vorne(const QStringList &liste, const QString &pfad);
} // namespace Gemeinschaftseinstellungen

// The main window's File menu entries of the syndicate: new, open, and the recently used files,
// each opening the window "Tippgemeinschaft" first.
namespace Gemeinschaftsmenue {
void einhaengen(QMenu *datei, Befehle &befehle);
} // namespace Gemeinschaftsmenue
