#include "model/Ziehungsdatei.h"

#include "model/Dateien.h"
#include "model/Spiel.h"

#include <QFile>
#include <QFileInfo>

Ladeergebnis GZEinlesen(const QString &datei)
{
    Ladeergebnis ergebnis;
    QFile f(datei);
    if (!f.exists())
        return ergebnis;
    if (!f.open(QIODevice::ReadOnly)) {
        ergebnis.status = Ladestatus::Fehler;
        ergebnis.fehler = f.errorString();
        return ergebnis;
    }
    const qint64 anzahl = f.size() / TGewZahlen::Groesse;
    ergebnis.ziehungen.reserve(anzahl);
    char puffer[TGewZahlen::Groesse];
    for (qint64 i = 0; i < anzahl; ++i) {
        // Only a completely read record is kept.
        if (f.read(puffer, TGewZahlen::Groesse) != TGewZahlen::Groesse) {
            ergebnis.status = Ladestatus::Fehler;
            ergebnis.fehler = f.errorString();
            return ergebnis;
        }
        ergebnis.ziehungen.append(TGewZahlen::ausBytes(puffer));
    }
    ergebnis.status = Ladestatus::Geladen;
    return ergebnis;
}

QString GZSpeichern(const QString &datei, const QVector<TGewZahlen> &ziehungen)
{
    QByteArray daten;
    daten.reserve(ziehungen.size() * TGewZahlen::Groesse);
    for (const TGewZahlen &z : ziehungen)
        daten += z.alsBytes();
    return DateiErsetzen(datei, daten);
}

QString GZSichern(const QString &datenordner)
{
    const QString historie = datenordner + Dateinamen::Gewinnreihen;
    const QString sicherung = datenordner + Dateinamen::Sicherung;
    if (!QFile::exists(historie) || QFileInfo::exists(sicherung))
        return QString();
    // QFile::copy writes beside the target and never replaces it, so no half backup remains.
    QFile quelle(historie);
    if (!quelle.copy(sicherung))
        return quelle.errorString();
    return QString();
}

void GZZurueckholen(const QString &datenordner)
{
    const QString sicherung = datenordner + Dateinamen::Sicherung;
    if (QFile::exists(sicherung))
        QFile::rename(sicherung, datenordner + Dateinamen::Gewinnreihen);
}
