// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/Herstellerschluessel.h"

#include <QMutex>

namespace {
// "minisign public key C6C2A9E5F9B2107"; the release steps in the README say how it was made.
constexpr char Freigabeschluessel[] = "RWQHIZtfnipsDKT/dH2neKRnRIu9qlkpRG+/ZMPhmF9U2bdN9DIeEJ6Z";

QMutex schluesselSperre;
std::optional<Minisignschluessel> testschluessel;
} // namespace

Minisignschluessel Herstellerschluessel()
{
    {
        const QMutexLocker halten(&schluesselSperre);
        if (testschluessel)
            return *testschluessel;
    }
    static const Minisignschluessel eingebaut = *MinisignSchluesselLesen(QByteArray(Freigabeschluessel));
    return eingebaut;
}

void setzeHerstellerschluesselFuerTests(std::optional<Minisignschluessel> schluessel)
{
    const QMutexLocker halten(&schluesselSperre);
    testschluessel = std::move(schluessel);
}
