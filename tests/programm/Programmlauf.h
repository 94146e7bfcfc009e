// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// One run of the built program, offscreen, with its data, cache and runtime folders under
// `ordner`: what it printed, its exit code and the report it wrote on the way out.
struct Programmlauf
{
    int code = -1;
    QString ausgabe;
    QString fehlerausgabe;
    QJsonObject bericht;

    QStringList liste(const char *schluessel) const
    {
        QStringList l;
        const QJsonArray werte = bericht.value(QLatin1String(schluessel)).toArray();
        for (const QJsonValue &w : werte)
            l << w.toString();
        return l;
    }

    // With `shellzeile`, the program starts through /bin/sh as `exec "$0" SHELLZEILE` with the
    // arguments as $1, $2 …, and $x holding the byte 0xFF: a QString argument could not hold it.
    static Programmlauf starte(const QString &programm, const QStringList &argumente, const QString &ordner,
                               const QString &shellzeile = {})
    {
        const QString laufzeit = ordner + QStringLiteral("/run");
        QDir().mkpath(laufzeit);
        QFile::setPermissions(laufzeit, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString berichtsdatei = ordner + QStringLiteral("/bericht.json");
        QFile::remove(berichtsdatei);

        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("XDG_DATA_HOME"), ordner + QStringLiteral("/data"));
        umgebung.insert(QStringLiteral("XDG_CACHE_HOME"), ordner + QStringLiteral("/cache"));
        umgebung.insert(QStringLiteral("XDG_RUNTIME_DIR"), laufzeit);
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        umgebung.insert(QStringLiteral("QUINTARO_STARTBERICHT"), berichtsdatei);
        QProcess prozess;
        prozess.setProcessEnvironment(umgebung);
        if (shellzeile.isEmpty())
            prozess.start(programm, argumente);
        else
            prozess.start(QStringLiteral("/bin/sh"),
                          QStringList{QStringLiteral("-c"),
                                      QStringLiteral("x=$(printf '\\377'); exec \"$0\" ") + shellzeile, programm} +
                              argumente);
        Programmlauf lauf;
        if (!prozess.waitForFinished(60000)) {
            prozess.kill();
            prozess.waitForFinished();
            return lauf;
        }
        lauf.code = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
        lauf.ausgabe = QString::fromUtf8(prozess.readAllStandardOutput());
        lauf.fehlerausgabe = QString::fromUtf8(prozess.readAllStandardError());
        QFile f(berichtsdatei);
        if (f.open(QIODevice::ReadOnly))
            lauf.bericht = QJsonDocument::fromJson(f.readAll()).object();
        return lauf;
    }
};
