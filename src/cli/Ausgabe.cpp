#include "cli/Ausgabe.h"

#include "model/Dateien.h"
#include "model/Datum.h"
#include "model/Einstellungen.h"
#include "model/Spiel.h"
#include "model/Ziehungsdatei.h"

#include <QJsonDocument>

#include <cstdio>

namespace {
void schreibe(std::FILE *ziel, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), ziel);
    std::fflush(ziel);
}
} // namespace

void Ausgeben(const QString &text)
{
    schreibe(stdout, text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n'));
}

void JsonAusgeben(const QJsonObject &objekt)
{
    schreibe(stdout, QString::fromUtf8(QJsonDocument(objekt).toJson(QJsonDocument::Indented)));
}

int Ablehnen(const QString &meldung)
{
    schreibe(stderr, QStringLiteral("quintaro-analyser-cli: ") + meldung + QLatin1Char('\n'));
    return 1;
}

int Falschaufruf(const QString &meldung)
{
    schreibe(stderr, QStringLiteral("quintaro-analyser-cli: ") + meldung + QLatin1Char('\n') +
                         QStringLiteral("Eine \u00DCbersicht gibt \u201Equintaro-analyser-cli --help\u201C.\n"));
    return 2;
}

QString Textspalten(const QStringList &kopf, const QVector<QStringList> &zeilen, const QVector<bool> &rechts)
{
    QVector<qsizetype> breiten(kopf.size());
    for (qsizetype c = 0; c < kopf.size(); ++c)
        breiten[c] = kopf[c].size();
    for (const QStringList &z : zeilen)
        for (qsizetype c = 0; c < z.size() && c < breiten.size(); ++c)
            breiten[c] = std::max(breiten[c], z[c].size());
    QString text;
    const auto zeile = [&](const QStringList &zellen) {
        QString z;
        for (qsizetype c = 0; c < breiten.size(); ++c) {
            const QString zelle = zellen.value(c);
            const bool r = c < rechts.size() && rechts[c];
            z += r ? zelle.rightJustified(breiten[c]) : zelle.leftJustified(breiten[c]);
            if (c + 1 < breiten.size())
                z += QStringLiteral("  ");
        }
        while (z.endsWith(QLatin1Char(' ')))
            z.chop(1);
        text += z + QLatin1Char('\n');
    };
    zeile(kopf);
    for (const QStringList &z : zeilen)
        zeile(z);
    return text;
}

QString IsoDatum(double tage)
{
    return Datum::zuDatum(tage).toString(Qt::ISODate);
}

Historie HistorieLesen(const QString &datenordner)
{
    const QString datei = datenordner + Dateinamen::Gewinnreihen;
    Ladeergebnis geladen = GZEinlesen(datei);
    Historie h;
    if (geladen.status == Ladestatus::Fehler)
        h.fehler = DateiFehlerText(datei, geladen.fehler, false);
    else
        h.ziehungen = std::move(geladen.ziehungen);
    return h;
}

Zeitraum ZeitraumWaehlen(const QVector<TGewZahlen> &ziehungen, const std::optional<QDate> &von,
                         const std::optional<QDate> &bis, bool bereich, const QLocale &locale)
{
    Zeitraum z;
    const int anzahl = static_cast<int>(ziehungen.size());
    if (anzahl == 0) {
        z.fehler = QStringLiteral("Es sind keine Gewinnreihen vorhanden.");
        return z;
    }
    z.bis = anzahl - 1;
    if (bis) {
        const double grenze = Datum::ausDatum(*bis);
        while (z.bis >= 0 && ziehungen[z.bis].datum > grenze)
            --z.bis;
    }
    z.von = (von || bereich) ? 0 : z.bis;
    if (von) {
        const double grenze = Datum::ausDatum(*von);
        while (z.von < anzahl && ziehungen[z.von].datum < grenze)
            ++z.von;
    }
    if (z.bis < 0 || z.von > z.bis) {
        QString beschreibung;
        if (von && bis)
            beschreibung =
                QStringLiteral("vom %1 bis zum %2").arg(Datum::kurz(*von, locale), Datum::kurz(*bis, locale));
        else if (von)
            beschreibung = QStringLiteral("ab dem %1").arg(Datum::kurz(*von, locale));
        else
            beschreibung = QStringLiteral("bis zum %1").arg(Datum::kurz(*bis, locale));
        z.fehler = QStringLiteral("Im Zeitraum %1 liegt keine Ziehung.").arg(beschreibung);
    }
    return z;
}

float ReihenpreisLesen(const QString &datenordner, const QLocale &locale)
{
    const Einstellungen einstellungen(datenordner + Dateinamen::Einstellungen);
    if (!einstellungen.EinstellungenDa())
        return 2.0F;
    bool ok = false;
    const double preis = locale.toDouble(
        einstellungen.LeseText(QStringLiteral("Abrechnung"), QStringLiteral("Preis"), QString()).trimmed(), &ok);
    // Old files held the price in cents; anything unusable keeps 2,00, as in the program.
    if (!ok || preis == 200.0 || !(preis > 0.0 && preis < 1.0e6))
        return 2.0F;
    return static_cast<float>(preis);
}
