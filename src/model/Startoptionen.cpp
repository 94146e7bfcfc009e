// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Startoptionen.h"

#include <QFileInfo>
#include <QStringDecoder>

Startoptionen StartoptionenLesen(const QStringList &argumente, const QSet<QString> &unlesbar)
{
    Startoptionen optionen;
    bool nurDateien = false;
    for (const QString &argument : argumente) {
        if (!nurDateien && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            if (argument == QLatin1String("--"))
                nurDateien = true;
            else if (argument == QLatin1String("--beispiel"))
                optionen.beispieldaten = true;
            else if (argument == QLatin1String("--hilfe") || argument == QLatin1String("--help") ||
                     argument == QLatin1String("-h"))
                optionen.hilfe = true;
            else if (argument == QLatin1String("--version"))
                optionen.version = true;
            else if (optionen.fehler.isEmpty())
                optionen.fehler = QStringLiteral("Unbekannte Option \u201E%1\u201C.").arg(argument);
            continue;
        }
        if (argument.isEmpty())
            continue;
        optionen.dateien << QFileInfo(argument).absoluteFilePath();
        if (unlesbar.contains(argument))
            optionen.unlesbar.insert(optionen.dateien.constLast());
    }
    return optionen;
}

QSet<QString> NichtUtf8Argumente(int argc, char **argv)
{
    QSet<QString> unlesbar;
    for (int i = 1; i < argc; ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(QByteArrayView(argv[i]));
        if (utf8.hasError())
            unlesbar.insert(QString::fromLocal8Bit(argv[i]));
    }
    return unlesbar;
}

QString UnlesbarerName(const QString &name)
{
    return QStringLiteral("Der Name \u201E%1\u201C kann nicht gelesen werden: Er ist kein g\u00FCltiger UTF-8-Text. "
                          "Benennen Sie die Datei oder den Ordner bitte um.")
        .arg(name);
}

QString StartoptionenHilfe()
{
    return QStringLiteral("Aufruf: quintaro-analyser [--beispiel] [DATEI.qtt …]\n"
                          "\n"
                          "Öffnet die genannten Tippscheine in eigenen Tabs.\n"
                          "\n"
                          "  --beispiel  mit Beispieldaten starten; die eigenen Daten bleiben unberührt\n"
                          "  --hilfe     diese Übersicht zeigen\n"
                          "  --version   die Version zeigen\n");
}
