// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// quintaro-analyser-cli: the command line of Quintaro Analyser, on the program's own core.
#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "model/Eigendateien.h"
#include "model/Ordner.h"
#include "model/Spiel.h"
#include "model/Startoptionen.h"

#include <QCoreApplication>
#include <QSet>

namespace {

// The files and the folder the call names.
QStringList dateiangaben(const Aufruf &a)
{
    QStringList namen;
    if (a.befehl == QLatin1String("auswerten") || a.befehl == QLatin1String("gewinnreihen"))
        namen << a.argumente.constLast();
    if (a.befehl == QLatin1String("strategie"))
        for (const auto &[name, wert] : a.folge)
            if (name == QLatin1String("schein"))
                namen << wert;
    if (a.befehl == QLatin1String("gemeinschaft"))
        namen << a.argumente;
    if (a.hat(QStringLiteral("csv")))
        namen << a.wert(QStringLiteral("csv"));
    return namen;
}

} // namespace

int main(int argc, char **argv)
{
    const QSet<QString> unlesbar = NichtUtf8Argumente(argc, argv);
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
    const QStringList namen = dateiangaben(aufruf) << aufruf.datenordnerAngabe;
    for (const QString &name : namen)
        if (unlesbar.contains(name))
            return Ablehnen(UnlesbarerName(name) + Absatz + QStringLiteral("Ich breche ab."));
    // No file the command line writes may be one of the program's data files.
    Eigendateien::schuetzen(aufruf.datenordner);
    Eigendateien::schuetzen(StandardDatenordner());
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
    if (aufruf.befehl == QLatin1String("strategie"))
        return StrategieTesten(aufruf);
    if (aufruf.befehl == QLatin1String("gemeinschaft"))
        return GemeinschaftBefehl(aufruf);
    return Falschaufruf(QStringLiteral("Unbekannter Befehl \u201E%1\u201C.").arg(aufruf.befehl));
}
