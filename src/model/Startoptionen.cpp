#include "model/Startoptionen.h"

#include <QFileInfo>

Startoptionen StartoptionenLesen(const QStringList &argumente)
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
        if (!argument.isEmpty())
            optionen.dateien << QFileInfo(argument).absoluteFilePath();
    }
    return optionen;
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
