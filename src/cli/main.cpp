// quintaro-analyser-cli: the command line of Quintaro Analyser, on the program's own core.
#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "model/Spiel.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication anwendung(argc, argv);
    QCoreApplication::setApplicationName(Programmname);
    QCoreApplication::setApplicationVersion(Programmversion);
    const Aufruf aufruf = AufrufLesen(QCoreApplication::arguments().mid(1));
    if (aufruf.hilfe) {
        Ausgeben(Hilfetext());
        return Erfolg;
    }
    if (aufruf.version) {
        Ausgeben(QStringLiteral("quintaro-analyser-cli ") + Programmversion);
        return Erfolg;
    }
    if (!aufruf.fehler.isEmpty())
        return Falschaufruf(aufruf.fehler);
    if (aufruf.befehl == QLatin1String("auswerten"))
        return Auswerten(aufruf);
    if (aufruf.befehl == QLatin1String("statistik"))
        return Statistik(aufruf);
    if (aufruf.befehl == QLatin1String("zufall"))
        return Zufall(aufruf);
    if (aufruf.befehl == QLatin1String("system"))
        return System(aufruf);
    if (aufruf.befehl == QLatin1String("gewinnreihen"))
        return Gewinnreihen(aufruf);
    return Falschaufruf(QStringLiteral("Unbekannter Befehl \u201E%1\u201C.").arg(aufruf.befehl));
}
