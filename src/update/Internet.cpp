// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/Internet.h"

#include <QNetworkInformation>
#include <QNetworkInterface>

namespace {
std::optional<bool> testantwort;

bool aktiveSchnittstelle()
{
    const auto schnittstellen = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &s : schnittstellen) {
        const auto flags = s.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning) &&
            !flags.testFlag(QNetworkInterface::IsLoopBack) && !s.addressEntries().isEmpty())
            return true;
    }
    return false;
}
} // namespace

bool InternetVerbunden()
{
    if (testantwort)
        return *testantwort;
    if (QNetworkInformation::instance() || QNetworkInformation::loadDefaultBackend()) {
        using R = QNetworkInformation::Reachability;
        switch (QNetworkInformation::instance()->reachability()) {
        case R::Disconnected:
        case R::Local:
            return false;
        case R::Site:
        case R::Online:
            return true;
        case R::Unknown:
            break;
        }
    }
    return aktiveSchnittstelle();
}

void setzeInternetVerbundenFuerTests(std::optional<bool> antwort)
{
    testantwort = antwort;
}
