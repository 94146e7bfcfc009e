// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QUrl>

class Einstellungen;

// The download server: its base address, the files it offers and which addresses a download
// may go to.
namespace Updateserver {

// Used when the settings name no server of their own.
inline const QString Standardadresse = QStringLiteral("https://downloads.example.org");

// The files in the server's download folder and the names they are kept under.
inline const QString Gewinnreihen = QStringLiteral("GReihen.qtgz");
inline const QString Versionsdatei = QStringLiteral("verinfos.qta");
inline const QString Installer = QStringLiteral("qtaupdate.exe");
inline const QString InstallerLokal = QStringLiteral("Update.exe");

// The installer may be larger than a data file.
inline constexpr qint64 MaxInstallerGroesse = 200LL * 1024 * 1024;

// The base address from [Update] Server of the settings, or the built-in one.
QString Adresse(const Einstellungen &einstellungen);
// How long the whole download of `datei` may take, in milliseconds: [Update]
// ZeitlimitGewinnreihen (120 seconds) for the draw history, ZeitlimitInstallation (1800 seconds)
// for the installer, 30 seconds for the version file. A missing or unusable value counts as the
// built-in one.
int Gesamtzeit(const Einstellungen &einstellungen, const QString &datei);
// The address of `datei` in the download folder below `basis`.
QUrl Dateiadresse(const QString &basis, const QString &datei);

// An address literal of this machine (127.0.0.0/8, ::1). Host names do not count: what a name
// resolves to is not ours to trust.
bool IstLoopback(const QUrl &url);
// Downloads use HTTPS; plain HTTP only to a server on the loopback address.
bool AdresseErlaubt(const QUrl &url);
// A redirect may lead to HTTPS, or from the loopback address to the loopback address.
bool WeiterleitungErlaubt(const QUrl &von, const QUrl &nach);

} // namespace Updateserver
