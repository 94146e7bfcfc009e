// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Ziehungsdatei.h"

#include "model/Dateien.h"
#include "model/Spiel.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

Ladeergebnis GZEinlesen(const QString &datei)
{
    Ladeergebnis ergebnis;
    const Dateiinhalt gelesen = DateiLesen(datei, MaxGewinnreihenGroesse);
    if (gelesen.status == Dateiinhalt::Status::Fehlt)
        return ergebnis;
    // Only whole records are kept, also of a file whose reading broke off; a trailing piece
    // shorter than a record is never read.
    const qsizetype anzahl = gelesen.daten.size() / TGewZahlen::Groesse;
    ergebnis.ziehungen.reserve(anzahl);
    for (qsizetype i = 0; i < anzahl; ++i)
        ergebnis.ziehungen.append(TGewZahlen::ausBytes(gelesen.daten.constData() + i * TGewZahlen::Groesse));
    ergebnis.status = gelesen.status == Dateiinhalt::Status::Gelesen ? Ladestatus::Geladen : Ladestatus::Fehler;
    ergebnis.fehler = gelesen.fehler;
    return ergebnis;
}

QString GZGrenzePruefen(qint64 bytes)
{
    if (bytes <= MaxGewinnreihenGroesse)
        return QString();
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    const qint64 anzahl = (bytes + TGewZahlen::Groesse - 1) / TGewZahlen::Groesse;
    return QStringLiteral("Die Gewinnreihen hätten danach %1 Ziehungen, mehr als die %2 (16 MiB), die das Programm "
                          "lesen kann. Damit sie lesbar bleiben, wird nichts geschrieben; sie bleiben, wie sie sind.")
        .arg(deutsch.toString(anzahl), deutsch.toString(MaxZiehungen));
}

QString GZSpeichern(const QString &datei, const QVector<TGewZahlen> &ziehungen)
{
    if (QString fehler = GZGrenzePruefen(qint64(ziehungen.size()) * TGewZahlen::Groesse); !fehler.isEmpty())
        return fehler;
    return DateiErsetzen(datei, ZiehungenAlsBytes(ziehungen));
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
