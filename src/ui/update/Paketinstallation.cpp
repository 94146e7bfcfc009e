// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/update/Paketinstallation.h"

#include <QDir>
#include <QFile>

bool VonPaketverwaltungInstalliert(const QString &programmordner, const QString &paketdateiliste)
{
#ifdef QUINTARO_PAKET
    // Built for the package: wherever it lies, the package manager put it there.
    return true;
#endif
    // The list holds one absolute path a line. The program file decides, not the folder: a
    // folder such as /usr/libexec is listed by every package that puts something there.
    constexpr qint64 MaxListe = 1 << 20;
    QFile liste(paketdateiliste);
    if (programmordner.isEmpty() || !liste.open(QIODevice::ReadOnly))
        return false;
    const QByteArray programm = QDir::cleanPath(programmordner + QStringLiteral("/quintaro-analyser")).toUtf8();
    return liste.read(MaxListe).split('\n').contains(programm);
}
