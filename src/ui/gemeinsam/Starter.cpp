// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Starter.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace Starter {
namespace {

class Desktop : public Anbieter
{
public:
    bool oeffneUrl(const QUrl &adresse) override { return QDesktopServices::openUrl(adresse); }
    bool starteProgramm(const QString &programm, const QStringList &argumente) override
    {
        return QProcess::startDetached(programm, argumente);
    }
};

Desktop desktop;
Anbieter *aktuell = &desktop;

} // namespace

bool oeffneUrl(const QUrl &adresse)
{
    return aktuell->oeffneUrl(adresse);
}

bool starteProgramm(const QString &programm, const QStringList &argumente)
{
    return aktuell->starteProgramm(programm, argumente);
}

void setzeAnbieter(Anbieter *anbieter)
{
    aktuell = anbieter ? anbieter : &desktop;
}

} // namespace Starter
