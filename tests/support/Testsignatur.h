// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dateien.h"

#include "update/Signatur.h"

#include <QProcess>
#include <QStringList>

#include <optional>

// A key pair made by the minisign tool for one test run, and signatures made with it: the
// program checks what a tool we did not write signs.
struct Testschluessel
{
    QString geheim; // the secret key file, without a password
    Minisignschluessel oeffentlich;

    // A new key pair in `ordner` under `name`; nothing when the tool failed.
    static std::optional<Testschluessel> machen(const QString &ordner, const QString &name)
    {
        const QString pub = ordner + QLatin1Char('/') + name + QStringLiteral(".pub");
        const QString key = ordner + QLatin1Char('/') + name + QStringLiteral(".key");
        QProcess p;
        p.start(QStringLiteral("minisign"), {QStringLiteral("-G"), QStringLiteral("-W"), QStringLiteral("-f"),
                                             QStringLiteral("-p"), pub, QStringLiteral("-s"), key});
        if (!p.waitForFinished(30000) || p.exitCode() != 0)
            return std::nullopt;
        const auto schluessel = MinisignSchluesselLesen(inhalt(pub));
        if (!schluessel)
            return std::nullopt;
        return Testschluessel{key, *schluessel};
    }

    // The text of a ".minisig" file for `daten`; `weitere` are further options of the tool
    // ("-l" for the legacy, not prehashed, kind). Empty when the tool failed.
    QByteArray signieren(const QByteArray &daten, const QStringList &weitere = {},
                         const QString &kommentar = QStringLiteral("timestamp:1796963820\tfile:verinfos.qta")) const
    {
        const QString datei = geheim + QStringLiteral(".daten");
        const QString signatur = datei + QStringLiteral(".minisig");
        QFile::remove(signatur);
        if (!schreibe(datei, daten))
            return {};
        QProcess p;
        p.start(QStringLiteral("minisign"), QStringList{QStringLiteral("-S"), QStringLiteral("-s"), geheim,
                                                        QStringLiteral("-m"), datei, QStringLiteral("-x"), signatur,
                                                        QStringLiteral("-t"), kommentar} +
                                                weitere);
        p.closeWriteChannel();
        if (!p.waitForFinished(30000) || p.exitCode() != 0)
            return {};
        return inhalt(signatur);
    }
};
