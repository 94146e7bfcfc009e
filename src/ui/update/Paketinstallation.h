// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Whether the program in `programmordner` was installed by the package manager: a build for the
// package says so itself, any other build when dpkg's list of the package's files names the
// program in that folder. Program updates then come from the package manager; the update window's hand-over to
// an installer would delete a file the package manager owns.
bool VonPaketverwaltungInstalliert(
    const QString &programmordner,
    const QString &paketdateiliste = QStringLiteral("/var/lib/dpkg/info/quintaro-analyser.list"));

// Why the program's download and installation stay disabled then.
inline const QString UpdatesUeberPaketverwaltung = QStringLiteral("Updates kommen über die Paketverwaltung.");
