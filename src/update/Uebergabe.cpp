// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/Uebergabe.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

#include <cstdlib>

Programmuebergabe StandardUebergabe(const QString &tempdatei)
{
    Programmuebergabe u;
    u.programmdatei = QCoreApplication::applicationFilePath();
    u.tempOrdner = QFileInfo(tempdatei).absolutePath() + QLatin1Char('/');
    u.beenden = [] { std::_Exit(0); };
    return u;
}

QByteArray ShellWort(const QString &text)
{
    QByteArray wort = QFile::encodeName(text);
    wort.replace('\'', QByteArrayLiteral("'\\''"));
    return '\'' + wort + '\'';
}

QByteArray UebergabeSkript(const QString &programmdatei, const QString &skriptdatei, int versuche)
{
    const QString ordner = QFileInfo(programmdatei).absolutePath() + QLatin1Char('/');
    QByteArray s;
    s += "#!/bin/sh\n";
    s += "# Removes the old program file once the program has ended, then its folder if empty, then itself.\n";
    s += "programm=" + ShellWort(programmdatei) + "\n";
    s += "versuch=0\n";
    s += "while [ -e \"$programm\" ] || [ -L \"$programm\" ]; do\n";
    s += "  rm -f -- \"$programm\" 2>/dev/null\n";
    s += "  if [ -e \"$programm\" ] || [ -L \"$programm\" ]; then\n";
    s += "    versuch=$((versuch + 1))\n";
    s += "    [ \"$versuch\" -ge " + QByteArray::number(versuche) + " ] && break\n";
    s += "    sleep 1\n";
    s += "  fi\n";
    s += "done\n";
    s += "rmdir -- " + ShellWort(ordner) + " 2>/dev/null\n";
    s += "rm -f -- " + ShellWort(skriptdatei) + "\n";
    return s;
}

QString UebergabeStarten(const Programmuebergabe &uebergabe)
{
    QTemporaryFile datei(uebergabe.tempOrdner + QStringLiteral("uisXXXXXX.sh"));
    datei.setAutoRemove(false);
    if (!datei.open())
        return datei.errorString();
    const QString skript = datei.fileName();
    const QByteArray text = UebergabeSkript(uebergabe.programmdatei, skript, uebergabe.versuche);
    if (datei.write(text) != text.size() || !datei.flush()) {
        const QString fehler = datei.errorString();
        datei.remove();
        return fehler;
    }
    datei.close();
    if (!QProcess::startDetached(QStringLiteral("/bin/sh"), {skript}, uebergabe.tempOrdner)) {
        QFile::remove(skript);
        return QStringLiteral("Die Shell \u201E/bin/sh\u201C ließ sich nicht starten.");
    }
    return QString();
}
