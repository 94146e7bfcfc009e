// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Gewinnreihenschutz.h"

#include "model/Dateien.h"
#include "model/Spiel.h"
#include "model/Ziehungsdatei.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <bit>
#include <cmath>

namespace {
// Dates are compared by their bytes, so that any value a damaged file holds (NaN included)
// compares equal to itself and to nothing else.
quint64 schluessel(double datum)
{
    return std::bit_cast<quint64>(datum);
}

QVector<TGewZahlen> ziehungenAus(const QByteArray &daten)
{
    QVector<TGewZahlen> ziehungen;
    const qsizetype anzahl = daten.size() / TGewZahlen::Groesse;
    ziehungen.reserve(anzahl);
    for (qsizetype i = 0; i < anzahl; ++i)
        ziehungen.append(TGewZahlen::ausBytes(daten.constData() + i * TGewZahlen::Groesse));
    return ziehungen;
}

// The same as HistorieVergleichen on the files' bytes: with no stored draw nothing can go missing,
// and the new history is not even read.
Historienvergleich dateienVergleichen(const QByteArray &bisher, const QByteArray &neu)
{
    return bisher.isEmpty() ? Historienvergleich() : HistorieVergleichen(ziehungenAus(bisher), ziehungenAus(neu));
}

QString ordner(const QString &datenordner)
{
    return datenordner + Sicherungen::Ordner + QLatin1Char('/');
}

// "GReihen 2026-12-10 21-15-03-123.qtgz": the names sort as the times they carry.
const QString Zeitformat = QStringLiteral("yyyy-MM-dd HH-mm-ss-zzz");
const QString Vorsilbe = QStringLiteral("GReihen ");
const QString Endung = QStringLiteral(".qtgz");

QString name(const QDateTime &zeit)
{
    return Vorsilbe + zeit.toString(Zeitformat) + Endung;
}

// A copy of the stored history, named after now, yet always after the newest copy there is (a
// clock set back must not make the new copy the first to go); the oldest beyond the limit go.
QString kopieAnlegen(const QString &datenordner, const QByteArray &bisher)
{
    const QString ziel = ordner(datenordner);
    if (!QDir().mkpath(ziel))
        return QStringLiteral("Der Ordner \u201E%1\u201C lässt sich nicht anlegen.")
            .arg(QDir::toNativeSeparators(ziel));
    const QStringList vorhanden = Sicherungen::Liste(datenordner);
    QDateTime zeit = QDateTime::currentDateTime();
    if (!vorhanden.isEmpty()) {
        const QString neueste = vorhanden.constLast();
        const Dateiinhalt letzte = DateiLesen(neueste);
        if (letzte.status == Dateiinhalt::Status::Gelesen && letzte.daten == bisher)
            return QString(); // the newest copy already holds it
        const QString letzterName = QFileInfo(neueste).fileName();
        if (name(zeit) <= letzterName) {
            const QDateTime letzteZeit = QDateTime::fromString(
                letzterName.mid(Vorsilbe.size(), letzterName.size() - Vorsilbe.size() - Endung.size()), Zeitformat);
            zeit = letzteZeit.isValid() ? letzteZeit.addMSecs(1) : zeit;
            while (name(zeit) <= letzterName)
                zeit = zeit.addSecs(1);
        }
    }
    // Room first, so that a copy never stands beside ten others, even when the program is
    // killed right after writing it.
    for (qsizetype i = 0; i + Sicherungen::Behalten - 1 < vorhanden.size(); ++i)
        QFile::remove(vorhanden[i]);
    return DateiErsetzen(ziel + name(zeit), bisher);
}

struct Gelesen
{
    QString fehler;
    QByteArray daten;
};

Gelesen bisherLesen(const QString &datenordner)
{
    const QString datei = datenordner + Dateinamen::Gewinnreihen;
    const Dateiinhalt gelesen = DateiLesen(datei);
    if (gelesen.status == Dateiinhalt::Status::Fehler)
        return {QStringLiteral("Die bisherigen Gewinnreihen lassen sich nicht vollständig lesen; damit aus ihnen "
                               "nichts verloren geht, werden sie nicht ersetzt.") +
                    Absatz + DateiFehlerText(datei, gelesen.fehler, false),
                {}};
    return {QString(), gelesen.daten};
}

QString verlustText(const Historienvergleich &v)
{
    return QStringLiteral("Die neue Liste enthält %1 der bisherigen Ziehungen nicht; ohne Ihre Zustimmung "
                          "bleiben die Gewinnreihen, wie sie sind.")
        .arg(v.fehlend);
}

bool erlaubt(const Historienvergleich &v, const QVector<double> &darfFehlen)
{
    QSet<quint64> zugestimmt;
    for (const double d : darfFehlen)
        zugestimmt.insert(schluessel(d));
    for (const double d : v.fehlendeDaten)
        if (!zugestimmt.contains(schluessel(d)))
            return false;
    return true;
}
} // namespace

namespace Sicherungen {
QStringList Liste(const QString &datenordner)
{
    static const QRegularExpression muster(
        QStringLiteral("^GReihen \\d{4}-\\d{2}-\\d{2} \\d{2}-\\d{2}-\\d{2}-\\d{3}\\.qtgz$"));
    QStringList liste;
    const QDir d(ordner(datenordner));
    for (const QString &n : d.entryList({QStringLiteral("GReihen *.qtgz")}, QDir::Files, QDir::Name))
        if (muster.match(n).hasMatch())
            liste << d.filePath(n);
    return liste;
}
} // namespace Sicherungen

Historienvergleich HistorieVergleichen(const QVector<TGewZahlen> &bisher, const QVector<TGewZahlen> &neu)
{
    Historienvergleich v;
    if (bisher.isEmpty())
        return v;
    // The stored dates, marked as they turn up in the new history: the stored one is the smaller
    // as a rule, and looking up is cheaper than inserting.
    QHash<quint64, bool> da;
    da.reserve(bisher.size());
    for (const TGewZahlen &z : bisher)
        da.insert(schluessel(z.datum), false);
    for (const TGewZahlen &z : neu)
        if (const auto stelle = da.find(schluessel(z.datum)); stelle != da.end())
            stelle.value() = true;
    QSet<quint64> gemeldet;
    bool neuestesGesetzt = false;
    for (const TGewZahlen &z : bisher) {
        const quint64 k = schluessel(z.datum);
        if (da.value(k))
            continue;
        ++v.fehlend;
        if (gemeldet.contains(k))
            continue;
        gemeldet.insert(k);
        v.fehlendeDaten.append(z.datum);
        if (std::isfinite(z.datum) && (!neuestesGesetzt || z.datum > v.neuestesFehlendes)) {
            v.neuestesFehlendes = z.datum;
            neuestesGesetzt = true;
        }
    }
    return v;
}

Historienvergleich HistorieVergleichen(const QString &datenordner, const QByteArray &neu)
{
    const Gelesen bisher = bisherLesen(datenordner);
    if (!bisher.fehler.isEmpty()) {
        Historienvergleich v;
        v.fehler = bisher.fehler;
        return v;
    }
    return dateienVergleichen(bisher.daten, neu);
}

QString GZUebernehmen(const QString &datenordner, const QByteArray &daten, const QVector<double> &darfFehlen)
{
    if (QString fehler = GZGrenzePruefen(daten.size()); !fehler.isEmpty())
        return fehler;
    const Gelesen bisher = bisherLesen(datenordner);
    if (!bisher.fehler.isEmpty())
        return bisher.fehler;
    if (bisher.daten == daten && QFileInfo::exists(datenordner + Dateinamen::Gewinnreihen))
        return QString(); // nothing changes, nothing to keep
    const Historienvergleich v = dateienVergleichen(bisher.daten, daten);
    if (!erlaubt(v, darfFehlen))
        return verlustText(v);
    QString fehler = GZSichern(datenordner);
    if (!fehler.isEmpty())
        return fehler;
    if (!bisher.daten.isEmpty()) {
        fehler = kopieAnlegen(datenordner, bisher.daten);
        if (!fehler.isEmpty())
            return QStringLiteral("Die bisherigen Gewinnreihen ließen sich nicht im Ordner \u201E%1\u201C sichern; "
                                  "sie bleiben, wie sie sind.")
                       .arg(Sicherungen::Ordner) +
                   Absatz + fehler;
    }
    return DateiErsetzen(datenordner + Dateinamen::Gewinnreihen, daten);
}

QString GZEintragSpeichern(const QString &datenordner, const QVector<TGewZahlen> &ziehungen)
{
    if (QString fehler = GZGrenzePruefen(qint64(ziehungen.size()) * TGewZahlen::Groesse); !fehler.isEmpty())
        return fehler;
    const Gelesen bisher = bisherLesen(datenordner);
    if (!bisher.fehler.isEmpty())
        return bisher.fehler;
    const Historienvergleich v = HistorieVergleichen(ziehungenAus(bisher.daten), ziehungen);
    if (v.fehlend > 0)
        return verlustText(v);
    return DateiErsetzen(datenordner + Dateinamen::Gewinnreihen, ZiehungenAlsBytes(ziehungen));
}
