#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "entry/Gewinnreihendatei.h"
#include "model/Dateien.h"
#include "model/Datensperre.h"
#include "model/Spiel.h"
#include "update/Gewinnreihendownload.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

namespace {

QJsonObject ziehungJson(const TGewZahlen &z)
{
    QJsonArray zahlen;
    for (const std::uint8_t n : z.GZ)
        zahlen.append(n);
    return QJsonObject{{QStringLiteral("datum"), IsoDatum(z.datum)},
                       {QStringLiteral("zahlen"), zahlen},
                       {QStringLiteral("zusatzzahl"), z.bonus}};
}

QJsonObject vorschauJson(const Gewinnreihenimport &i, const QString &datei)
{
    QJsonArray neue, abweichende, fehler;
    for (const TGewZahlen &z : i.neue)
        neue.append(ziehungJson(z));
    for (const Abweichung &a : i.abweichende)
        abweichende.append(QJsonObject{{QStringLiteral("zeile"), a.zeile},
                                       {QStringLiteral("gespeichert"), ziehungJson(a.gespeichert)},
                                       {QStringLiteral("datei"), ziehungJson(a.neu)}});
    for (const Lesefehler &f : i.fehler)
        fehler.append(QJsonObject{{QStringLiteral("zeile"), f.zeile}, {QStringLiteral("grund"), f.grund}});
    return QJsonObject{{QStringLiteral("datei"), datei},
                       {QStringLiteral("neu"), neue},
                       {QStringLiteral("abweichend"), abweichende},
                       {QStringLiteral("gleich"), i.gleiche},
                       {QStringLiteral("nichtLesbar"), fehler}};
}

QString vorschauText(const Gewinnreihenimport &i, const QLocale &locale)
{
    QString text = QStringLiteral("%1 neue Ziehungen, %2 abweichende, %3 schon vorhanden, %4 Zeilen nicht lesbar.\n")
                       .arg(i.neue.size())
                       .arg(i.abweichende.size())
                       .arg(i.gleiche)
                       .arg(i.fehler.size());
    if (!i.neue.isEmpty()) {
        text += QStringLiteral("\nNeue Ziehungen:\n");
        for (const TGewZahlen &z : i.neue)
            text += QStringLiteral("  ") + ZiehungAlsText(z, locale) + QLatin1Char('\n');
    }
    if (!i.abweichende.isEmpty()) {
        text += QStringLiteral("\nAbweichende Ziehungen (gespeichert / in der Datei):\n");
        for (const Abweichung &a : i.abweichende)
            text += QStringLiteral("  Zeile %1: %2 / %3\n")
                        .arg(a.zeile)
                        .arg(ZiehungAlsText(a.gespeichert, locale),
                             ZiehungAlsText(a.neu, locale).section(QLatin1Char(' '), 1));
    }
    if (!i.fehler.isEmpty()) {
        text += QStringLiteral("\nNicht lesbare Zeilen:\n");
        for (const Lesefehler &f : i.fehler)
            text += QStringLiteral("  Zeile %1: %2\n").arg(f.zeile).arg(f.grund);
    }
    return text;
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
    const Gewinnreihenimport import = GewinnreihenLesen(datei, historie.ziehungen, locale);
    if (!import.meldung.isEmpty())
        return Ablehnen(import.meldung);
    const bool ersetzen = a.hat(QStringLiteral("ersetzen"));
    QJsonObject json = vorschauJson(import, datei);
    QString text = vorschauText(import, locale);

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
        QByteArray daten;
        for (const TGewZahlen &z : GewinnreihenUebernehmen(jetzt.ziehungen, frisch, ersetzen))
            daten += z.alsBytes();
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
        json = vorschauJson(frisch, datei);
        text = vorschauText(frisch, locale);
    }
    if (a.hat(QStringLiteral("vorschau"))) {
        json.insert(QStringLiteral("uebernommen"), QJsonValue::Null);
        text += QStringLiteral("\nNur Vorschau: nichts ge\u00E4ndert.");
    } else {
        json.insert(QStringLiteral("uebernommen"),
                    QJsonObject{{QStringLiteral("neu"), neu}, {QStringLiteral("ersetzt"), ersetzt}});
        text += QStringLiteral("\n%1 neue Ziehungen \u00FCbernommen, %2 ersetzt.").arg(neu).arg(ersetzt);
    }
    if (a.json)
        JsonAusgeben(json);
    else
        Ausgeben(text);
    return Erfolg;
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
