#include "model/Dateifehler.h"

#include "model/Spiel.h"

#include <QFileInfo>

QString DateiFehlerText(const QString &datei, const QString &systemtext, bool schreiben)
{
    const QString name = QFileInfo(datei).fileName();
    return (schreiben ? QStringLiteral("Die Datei \u201E%1\u201C konnte nicht geschrieben werden.")
                      : QStringLiteral("Die Datei \u201E%1\u201C konnte nicht gelesen werden."))
               .arg(name)
           + Absatz + systemtext;
}
