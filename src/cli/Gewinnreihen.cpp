#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "entry/Gewinnreihendatei.h"
#include "model/Dateien.h"
#include "model/Datensperre.h"
#include "model/Spiel.h"
#include "model/Gewinnreihenschutz.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

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

// Standard output in pieces of some 64 KB: a preview of hundreds of thousands of draws is
// written as it is made instead of being held whole.
class Ausgabestrom
{
public:
    ~Ausgabestrom()
    {
        leeren();
        std::fflush(stdout);
    }
    Ausgabestrom &operator<<(const QString &text)
    {
        m_puffer += text.toUtf8();
        if (m_puffer.size() >= 64 * 1024)
            leeren();
        return *this;
    }

private:
    void leeren()
    {
        std::fwrite(m_puffer.constData(), 1, static_cast<std::size_t>(m_puffer.size()), stdout);
        m_puffer.clear();
    }
    QByteArray m_puffer;
};

QString kompakt(const QJsonObject &objekt)
{
    return QString::fromUtf8(QJsonDocument(objekt).toJson(QJsonDocument::Compact));
}

// The preview as JSON, element by element; `uebernommen` the value of that key.
void vorschauJsonAusgeben(const Gewinnreihenimport &i, const QString &datei, const QJsonValue &uebernommen)
{
    Ausgabestrom aus;
    const auto liste = [&aus](const QString &name, qsizetype anzahl, const auto &element) {
        aus << QStringLiteral("    \"%1\": [").arg(name);
        for (qsizetype k = 0; k < anzahl; ++k)
            aus << (k == 0 ? QStringLiteral("\n        ") : QStringLiteral(",\n        ")) + kompakt(element(k));
        aus << (anzahl == 0 ? QStringLiteral("],\n") : QStringLiteral("\n    ],\n"));
    };
    aus << QStringLiteral("{\n");
    liste(QStringLiteral("abweichend"), i.abweichende.size(), [&i](qsizetype k) {
        const Abweichung &a = i.abweichende[k];
        return QJsonObject{{QStringLiteral("zeile"), a.zeile},
                           {QStringLiteral("gespeichert"), ziehungJson(a.gespeichert)},
                           {QStringLiteral("datei"), ziehungJson(a.neu)}};
    });
    aus << QStringLiteral("    \"datei\": %1,\n    \"gleich\": %2,\n")
               .arg(QString::fromUtf8(QJsonDocument(QJsonArray{datei}).toJson(QJsonDocument::Compact)).mid(1).chopped(1))
               .arg(i.gleiche);
    liste(QStringLiteral("neu"), i.neue.size(), [&i](qsizetype k) { return ziehungJson(i.neue[k]); });
    liste(QStringLiteral("nichtLesbar"), i.fehler.size(), [&i](qsizetype k) {
        return QJsonObject{{QStringLiteral("zeile"), i.fehler[k].zeile}, {QStringLiteral("grund"), i.fehler[k].grund}};
    });
    aus << QStringLiteral("    \"uebernommen\": ") +
               (uebernommen.isObject() ? kompakt(uebernommen.toObject()) : QStringLiteral("null")) +
               QStringLiteral("\n}\n");
}

// The preview as text, line by line, and `schluss` after it.
void vorschauTextAusgeben(const Gewinnreihenimport &i, const QLocale &locale, const QString &schluss)
{
    Ausgabestrom aus;
    aus << QStringLiteral("%1 neue Ziehungen, %2 abweichende, %3 schon vorhanden, %4 Zeilen nicht lesbar.\n")
               .arg(i.neue.size())
               .arg(i.abweichende.size())
               .arg(i.gleiche)
               .arg(i.fehler.size());
    if (!i.neue.isEmpty()) {
        aus << QStringLiteral("\nNeue Ziehungen:\n");
        for (const TGewZahlen &z : i.neue)
            aus << QStringLiteral("  ") + ZiehungAlsText(z, locale) + QLatin1Char('\n');
    }
    if (!i.abweichende.isEmpty()) {
        aus << QStringLiteral("\nAbweichende Ziehungen (gespeichert / in der Datei):\n");
        for (const Abweichung &a : i.abweichende)
            aus << QStringLiteral("  Zeile %1: %2 / %3\n")
                       .arg(a.zeile)
                       .arg(ZiehungAlsText(a.gespeichert, locale),
                            ZiehungAlsText(a.neu, locale).section(QLatin1Char(' '), 1));
    }
    if (!i.fehler.isEmpty()) {
        aus << QStringLiteral("\nNicht lesbare Zeilen:\n");
        for (const Lesefehler &f : i.fehler)
            aus << QStringLiteral("  Zeile %1: %2\n").arg(f.zeile).arg(f.grund);
    }
    aus << schluss + QLatin1Char('\n');
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
        import = frisch;
    }
    const bool vorschau = a.hat(QStringLiteral("vorschau"));
    if (a.json)
        vorschauJsonAusgeben(import, datei,
                             vorschau ? QJsonValue()
                                      : QJsonObject{{QStringLiteral("neu"), neu}, {QStringLiteral("ersetzt"), ersetzt}});
    else
        vorschauTextAusgeben(import, locale,
                             vorschau ? QStringLiteral("\nNur Vorschau: nichts ge\u00E4ndert.")
                                      : QStringLiteral("\n%1 neue Ziehungen \u00FCbernommen, %2 ersetzt.")
                                            .arg(neu)
                                            .arg(ersetzt));
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
