// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QUrl;

// Hands web pages and mail links to the desktop and starts other programs, without waiting for
// them. Everything goes through here, so tests can see what would be opened without opening it.
namespace Starter {

// Returns false when the desktop has nothing that opens the address.
bool oeffneUrl(const QUrl &adresse);
// Returns false when the program could not be started.
bool starteProgramm(const QString &programm, const QStringList &argumente = {});

// What the two calls do; a test installs its own.
class Anbieter
{
public:
    virtual ~Anbieter() = default;
    virtual bool oeffneUrl(const QUrl &adresse) = 0;
    virtual bool starteProgramm(const QString &programm, const QStringList &argumente) = 0;
};

// Installs `anbieter` (nullptr: the desktop's services); the caller keeps ownership.
void setzeAnbieter(Anbieter *anbieter);

} // namespace Starter
