// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "entry/Gewinnreihendatei.h"
#include "model/Dateien.h"
#include "model/Datensperre.h"
#include "model/Datum.h"
#include "model/Gewinnreihenschutz.h"
#include "model/Spiel.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace {

// A part of a date with leading zeros, `anzahl` digits at least.
void stellen(Ausgabestrom &aus, int wert, int anzahl)
{
    char ziffern[12];
    int n = 0;
    do {
        ziffern[n++] = static_cast<char>('0' + wert % 10);
        wert /= 10;
    } while (wert > 0 && n < 11);
    while (n < anzahl)
        ziffern[n++] = '0';
    while (n > 0)
        aus.schreibe(ziffern[--n]);
}

// "2024-01-06" or "06.01.2024".
void datum(Ausgabestrom &aus, double tage, bool iso)
{
    const QDate tag = Datum::zuDatum(tage);
    if (iso) {
        stellen(aus, tag.year(), 4);
        aus.schreibe('-');
        stellen(aus, tag.month(), 2);
        aus.schreibe('-');
        stellen(aus, tag.day(), 2);
    } else {
        stellen(aus, tag.day(), 2);
        aus.schreibe('.');
        stellen(aus, tag.month(), 2);
        aus.schreibe('.');
        stellen(aus, tag.year(), 4);
    }
}

// A draw as the compact JSON of the preview, written straight as bytes:
// {"datum":"2024-01-06","zahlen":[3,12,25,38,47],"zusatzzahl":7}
void ziehungJson(Ausgabestrom &aus, const TGewZahlen &z)
{
    aus.schreibe(QByteArrayLiteral("{\"datum\":\""));
    datum(aus, z.datum, true);
    aus.schreibe(QByteArrayLiteral("\",\"zahlen\":["));
    for (std::size_t i = 0; i < z.GZ.size(); ++i) {
        if (i > 0)
            aus.schreibe(',');
        aus.zahl(z.GZ[i]);
    }
    aus.schreibe(QByteArrayLiteral("],\"zusatzzahl\":"));
    aus.zahl(z.bonus);
    aus.schreibe('}');
}

QByteArray kompakt(const QJsonObject &objekt)
{
    return QJsonDocument(objekt).toJson(QJsonDocument::Compact);
}

// The preview as JSON, element by element; `uebernommen` the value of that key. False when the
// output could not be written whole.
bool vorschauJsonAusgeben(const Gewinnreihenimport &i, const QString &datei, const QJsonValue &uebernommen)
{
    Ausgabestrom aus;
    const auto liste = [&aus](const char *name, qsizetype anzahl, const auto &element) {
        aus.schreibe(QByteArrayLiteral("    \"") + name + QByteArrayLiteral("\": ["));
        for (qsizetype k = 0; k < anzahl; ++k) {
            aus.schreibe(k == 0 ? QByteArrayLiteral("\n        ") : QByteArrayLiteral(",\n        "));
            element(k);
        }
        aus.schreibe(anzahl == 0 ? QByteArrayLiteral("],\n") : QByteArrayLiteral("\n    ],\n"));
    };
    aus.schreibe(QByteArrayLiteral("{\n"));
    liste("abweichend", i.abweichende.size(), [&](qsizetype k) {
        const Abweichung &a = i.abweichende[k];
        aus.schreibe(QByteArrayLiteral("{\"datei\":"));
        ziehungJson(aus, a.neu);
        aus.schreibe(QByteArrayLiteral(",\"gespeichert\":"));
        ziehungJson(aus, a.gespeichert);
        aus.schreibe(QByteArrayLiteral(",\"zeile\":"));
        aus.zahl(a.zeile);
        aus.schreibe('}');
    });
    aus.schreibe(QByteArrayLiteral("    \"datei\": ") +
                 QJsonDocument(QJsonArray{datei}).toJson(QJsonDocument::Compact).mid(1).chopped(1) +
                 QByteArrayLiteral(",\n    \"gleich\": "));
    aus.zahl(i.gleiche);
    aus.schreibe(QByteArrayLiteral(",\n"));
    liste("neu", i.neue.size(), [&](qsizetype k) { ziehungJson(aus, i.neue[k]); });
    liste("nichtLesbar", i.fehler.size(), [&](qsizetype k) {
        aus.schreibe(kompakt(
            QJsonObject{{QStringLiteral("zeile"), i.fehler[k].zeile}, {QStringLiteral("grund"), i.fehler[k].grund}}));
    });
    aus.schreibe(QByteArrayLiteral("    \"nichtLesbarAnzahl\": "));
    aus.zahl(i.fehlerAnzahl);
    aus.schreibe(QByteArrayLiteral(",\n    \"uebernommen\": ") +
                 (uebernommen.isObject() ? kompakt(uebernommen.toObject()) : QByteArrayLiteral("null")) +
                 QByteArrayLiteral("\n}\n"));
    return aus.beenden();
}

// The preview as text, line by line, and `schluss` after it. False when the output could not
// be written whole.
bool vorschauTextAusgeben(const Gewinnreihenimport &i, const QString &schluss)
{
    Ausgabestrom aus;
    aus.schreibe(QStringLiteral("%1 neue Ziehungen, %2 abweichende, %3 schon vorhanden, %4 Zeilen nicht lesbar.\n")
                     .arg(i.neue.size())
                     .arg(i.abweichende.size())
                     .arg(i.gleiche)
                     .arg(i.fehlerAnzahl));
    // "06.01.2024: 3 12 25 38 47 | 7", written straight as bytes.
    const auto ziehung = [&aus](const TGewZahlen &z, bool mitDatum) {
        if (mitDatum) {
            datum(aus, z.datum, false);
            aus.schreibe(':');
        }
        for (const std::uint8_t n : z.GZ) {
            aus.schreibe(' ');
            aus.zahl(n);
        }
        aus.schreibe(QByteArrayLiteral(" | "));
        aus.zahl(z.bonus);
    };
    if (!i.neue.isEmpty()) {
        aus.schreibe(QByteArrayLiteral("\nNeue Ziehungen:\n"));
        for (const TGewZahlen &z : i.neue) {
            aus.schreibe(QByteArrayLiteral("  "));
            ziehung(z, true);
            aus.schreibe('\n');
        }
    }
    if (!i.abweichende.isEmpty()) {
        aus.schreibe(QByteArrayLiteral("\nAbweichende Ziehungen (gespeichert / in der Datei):\n"));
        for (const Abweichung &a : i.abweichende) {
            aus.schreibe(QByteArrayLiteral("  Zeile "));
            aus.zahl(a.zeile);
            aus.schreibe(QByteArrayLiteral(": "));
            ziehung(a.gespeichert, true);
            aus.schreibe(QByteArrayLiteral(" /"));
            ziehung(a.neu, false);
            aus.schreibe('\n');
        }
    }
    if (!i.fehler.isEmpty()) {
        aus.schreibe(QByteArrayLiteral("\nNicht lesbare Zeilen:\n"));
        for (const Lesefehler &f : i.fehler)
            aus.schreibe(QStringLiteral("  Zeile %1: %2\n").arg(f.zeile).arg(f.grund));
        const qint64 weitere = i.fehlerAnzahl - i.fehler.size();
        if (weitere == 1)
            aus.schreibe(QByteArrayLiteral("  \u2026 und eine weitere Zeile\n"));
        else if (weitere > 1)
            aus.schreibe(QStringLiteral("  \u2026 und %1 weitere Zeilen\n").arg(weitere));
    }
    aus.schreibe(schluss + QLatin1Char('\n'));
    return aus.beenden();
}

int exportieren(const Aufruf &a, const QString &datei)
{
    if (a.hat(QStringLiteral("ersetzen")) || a.hat(QStringLiteral("vorschau")))
        return Falschaufruf(QStringLiteral(
            "Die Optionen \u201E--ersetzen\u201C und \u201E--vorschau\u201C gelten nur f\u00FCr den Import."));
    const Historie historie = HistorieLesen(a.datenordner);
    if (!historie.fehler.isEmpty())
        return Ablehnen(historie.fehler);
    if (historie.ziehungen.isEmpty())
        return Ablehnen(QStringLiteral("Es sind keine Gewinnreihen vorhanden. Es gibt nichts zu exportieren."));
    const QString fehler = GewinnreihenExportieren(historie.ziehungen, datei, a.datenordner);
    if (!fehler.isEmpty())
        return Ablehnen(fehler);
    if (a.json)
        JsonAusgeben(
            QJsonObject{{QStringLiteral("datei"), datei}, {QStringLiteral("ziehungen"), historie.ziehungen.size()}});
    else
        Ausgeben(QStringLiteral("%1 Ziehungen gespeichert in: %2").arg(historie.ziehungen.size()).arg(datei));
    return Erfolg;
}

int importieren(const Aufruf &a, const QString &datei)
{
    const QLocale locale = QLocale::system();
    const Historie historie = HistorieLesen(a.datenordner);
    // A history that could not be read whole is never written over.
    if (!historie.fehler.isEmpty())
        return Ablehnen(historie.fehler);
    // The preview shows the file as read last: before the lock, or under it when it is written.
    Gewinnreihenimport import = GewinnreihenLesen(datei, historie.ziehungen, locale);
    if (!import.meldung.isEmpty())
        return Ablehnen(import.meldung);
    const bool ersetzen = a.hat(QStringLiteral("ersetzen"));

    int neu = 0, ersetzt = 0;
    if (!a.hat(QStringLiteral("vorschau")) && (!import.neue.isEmpty() || (ersetzen && !import.abweichende.isEmpty()))) {
        if (!QDir().mkpath(a.datenordner))
            return Ablehnen(
                QStringLiteral("Der Datenordner \u201E%1\u201C konnte nicht angelegt werden.").arg(a.datenordner));
        Datensperre sperre;
        if (!sperre.nehmen(a.datenordner, Datensperre::Art::Allein)) {
            if (!sperre.fehler().isEmpty())
                return Ablehnen(
                    QStringLiteral("Der Datenordner \u201E%1\u201C l\u00E4sst sich nicht sperren.").arg(a.datenordner) +
                    Absatz + sperre.fehler());
            if (sperre.halter() == Datensperre::Halter::Befehlszeile)
                return Ablehnen(QStringLiteral("Gerade l\u00E4uft ein anderer Import in diesen Datenordner. "
                                               "Versuchen Sie es bitte, wenn er fertig ist, noch einmal.") +
                                Absatz + QStringLiteral("Ich breche ab."));
            return Ablehnen(
                QStringLiteral("Quintaro Analyser l\u00E4uft gerade mit diesem Datenordner. Solange schreibe "
                               "ich nichts hinein; beenden Sie bitte zuerst das Programm.") +
                Absatz + QStringLiteral("Ich breche ab."));
        }
        // Read again under the lock: the program may have saved a draw since.
        const Historie jetzt = HistorieLesen(a.datenordner);
        if (!jetzt.fehler.isEmpty())
            return Ablehnen(jetzt.fehler);
        const Gewinnreihenimport frisch = GewinnreihenLesen(datei, jetzt.ziehungen, locale);
        if (!frisch.meldung.isEmpty())
            return Ablehnen(frisch.meldung);
        const QByteArray daten = ZiehungenAlsBytes(GewinnreihenUebernehmen(jetzt.ziehungen, frisch, ersetzen));
        // Someone removed or replaced the lock file meanwhile: then it keeps nobody out any more.
        if (!sperre.nochGueltig())
            return Ablehnen(QStringLiteral("Die Sperrdatei \u201E%1\u201C des Datenordners wurde entfernt oder "
                                           "ersetzt, w\u00E4hrend ich ihn gesperrt hielt. So schreibe ich nichts "
                                           "hinein.")
                                .arg(Datensperre::dateiname()) +
                            Absatz + QStringLiteral("Ich breche ab."));
        const QString fehler = GZUebernehmen(a.datenordner, daten);
        if (!fehler.isEmpty())
            return Ablehnen(DateiFehlerText(a.datenordner + Dateinamen::Gewinnreihen, fehler, true));
        neu = static_cast<int>(frisch.neue.size());
        ersetzt = ersetzen ? static_cast<int>(frisch.abweichende.size()) : 0;
        import = frisch;
    }
    const bool vorschau = a.hat(QStringLiteral("vorschau"));
    const bool geschrieben =
        a.json
            ? vorschauJsonAusgeben(
                  import, datei,
                  vorschau ? QJsonValue()
                           : QJsonObject{{QStringLiteral("neu"), neu}, {QStringLiteral("ersetzt"), ersetzt}})
            : vorschauTextAusgeben(
                  import,
                  vorschau ? QStringLiteral("\nNur Vorschau: nichts ge\u00E4ndert.")
                           : QStringLiteral("\n%1 neue Ziehungen \u00FCbernommen, %2 ersetzt.").arg(neu).arg(ersetzt));
    return geschrieben ? Erfolg : AusgabeFehlgeschlagen();
}

} // namespace

int Gewinnreihen(const Aufruf &a)
{
    const QString art = a.argumente.constFirst();
    const QString datei = QFileInfo(a.argumente.constLast()).absoluteFilePath();
    if (art == QLatin1String("export"))
        return exportieren(a, datei);
    if (art == QLatin1String("import"))
        return importieren(a, datei);
    return Falschaufruf(
        QStringLiteral(
            "Nach \u201Egewinnreihen\u201C steht \u201Eexport\u201C oder \u201Eimport\u201C, nicht \u201E%1\u201C.")
            .arg(art));
}
