// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "update/Versionsdatei.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What decides whether a program update may be fetched and started: the version file signed by
// the maker, and the installer matching the size and SHA-256 it names.
namespace Updatepruefung {

// The names of the signature and of the folder the installer is kept in.
inline const QString Signaturdatei = QStringLiteral("verinfos.qta.minisig");
inline const QString Ordner = QStringLiteral("Update");

struct Auskunft
{
    std::optional<Updateangaben> angaben; // set when the version file is the maker's
    QString fehler;                       // German, when it is not
};

// The version file and its signature as the server sent them, checked against the maker's key.
Auskunft VersionsdateiPruefen(const QByteArray &versionsdatei, const QByteArray &signatur);

// Empty when the regular file `pfad` (not a link) has exactly the size and SHA-256 of `angaben`;
// otherwise the German refusal, which ends "Sie wird nicht gestartet.". With `freigeben` a
// matching file becomes executable by its owner alone, through the same open file.
QString InstallerPruefen(const QString &pfad, const Updateangaben &angaben, bool freigeben);

// All three files in the update folder `ordner` once more, just before the start: the stored
// version file and its signature, then the installer "Update.exe" against them.
QString UpdatePruefen(const QString &ordner);

// Makes `ordner` (the update folder in the data folder) a folder of this user alone: created
// with the mode 0700, or, when it exists, a real folder (no link) owned by this user whose mode
// is set to 0700. Empty on success, otherwise the German reason.
QString PrivatenOrdnerAnlegen(const QString &ordner);

} // namespace Updatepruefung
