#include "model/Dateien.h"

#include "model/Spiel.h"

#include <QFileInfo>
#include <QSaveFile>

QString DateiFehlerText(const QString &datei, const QString &systemtext, bool schreiben)
{
    const QString name = QFileInfo(datei).fileName();
    return (schreiben ? QStringLiteral("Die Datei \u201E%1\u201C konnte nicht geschrieben werden.")
                      : QStringLiteral("Die Datei \u201E%1\u201C konnte nicht gelesen werden."))
               .arg(name)
           + Absatz + systemtext;
}

QString DateiErsetzen(const QString &pfad, const QByteArray &daten)
{
    QSaveFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return f.errorString();
    if (f.write(daten) != daten.size()) {
        const QString fehler = f.errorString();
        f.cancelWriting();
        return fehler;
    }
    if (!f.commit())
        return f.errorString();
    return QString();
}
