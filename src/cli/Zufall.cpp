// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "generator/Zufallsgenerator.h"
#include "model/Dateien.h"
#include "model/Eigendateien.h"
#include "statistics/Musterstatistik.h"

#include <QFileInfo>
#include <QJsonArray>


namespace {

struct Zahlenliste
{
    Zahlenmenge menge;
    QString fehler;
};

// "3,17,42": numbers of 1..49 separated by commas.
Zahlenliste zahlenLesen(const Aufruf &a, const QString &name)
{
    Zahlenliste z;
    if (!a.hat(name))
        return z;
    for (const QString &teil : a.wert(name).split(QLatin1Char(','))) {
        const std::optional<int> zahl = ZahlLesen(teil, 1, MaxZahl);
        if (!zahl) {
            z.fehler = QStringLiteral("\u201E%1\u201C bei \u201E--%2\u201C ist keine Zahl von 1 bis 49.")
                           .arg(teil.trimmed(), name);
            return z;
        }
        z.menge.hinzu(static_cast<std::uint8_t>(*zahl));
    }
    return z;
}

// --summe 100-150, --gerade 2-3, --klein 2-3, --folge 2, --zehnergruppe 2.
QString filterLesen(const Aufruf &a, Musterfilter &filter)
{
    for (const Musterart art : AlleMusterarten) {
        const QString name = Musterschluessel(art);
        if (!a.hat(name))
            continue;
        bool ok = false;
        filter.setze(art, Musterfilter::lesen(art, a.wert(name), &ok));
        if (!ok || !filter.bereich(art)) {
            const Wertebereich w = WerteVon(art);
            return Musterfilter::nurHoechstwert(art)
                       ? QStringLiteral("\u201E--%1\u201C nimmt eine Zahl von %2 bis %3, nicht \u201E%4\u201C.")
                             .arg(name)
                             .arg(w.von)
                             .arg(w.bis)
                             .arg(a.wert(name))
                       : QStringLiteral("\u201E--%1\u201C nimmt einen Bereich VON-BIS aus %2 bis %3, nicht \u201E%4\u201C.")
                             .arg(name)
                             .arg(w.von)
                             .arg(w.bis)
                             .arg(a.wert(name));
        }
    }
    return {};
}

// Writes the rows straight into the output's block, a line each: " 3 17 22 40 49 | 7".
void reihenText(Ausgabestrom &aus, const Zufallsreihen &reihen)
{
    const QByteArray fest = reihen.festeZusatzzahl().toUtf8();
    for (int r = 0; r < reihen.anzahl(); ++r) {
        char *z = aus.platz(3 * ZahlenProReihe + 5);
        for (int s = 0; s < ZahlenProReihe; ++s) {
            const int n = reihen.zahl(r, s);
            *z++ = n >= 10 ? static_cast<char>('0' + n / 10) : ' ';
            *z++ = static_cast<char>('0' + n % 10);
            *z++ = ' ';
        }
        *z++ = '|';
        *z++ = ' ';
        if (fest.isEmpty()) {
            const int zz = reihen.gezogeneZusatzzahl(r);
            if (zz >= 10)
                *z++ = static_cast<char>('0' + zz / 10);
            *z++ = static_cast<char>('0' + zz % 10);
            aus.weiter(z);
        } else {
            aus.weiter(z);
            aus.schreibe(fest);
        }
        aus.schreibe('\n');
    }
}

// The rows as elements of the open list, laid out as QJsonDocument::Indented lays them out, each
// written straight into the output's block from a few pieces made once.
void reihenJson(Ausgabestrom &aus, JsonStrom &json, const Zufallsreihen &reihen)
{
    const int t = json.tiefe();
    const auto einzug = [](int ebene) { return QByteArray(4 * ebene, ' '); };
    const QByteArray vorZahlen = "{\n" + einzug(t + 1) + "\"zahlen\": [\n" + einzug(t + 2);
    const QByteArray zwischen = ",\n" + einzug(t + 2);
    const QByteArray nachZahlen = "\n" + einzug(t + 1) + "],\n" + einzug(t + 1) + "\"zusatzzahl\": ";
    const QByteArray schluss = "\n" + einzug(t) + "}";
    const int fest = reihen.festeZusatzzahl().toInt();
    for (int r = 0; r < reihen.anzahl(); ++r) {
        json.elementAnfangen();
        aus.schreibe(vorZahlen);
        for (int s = 0; s < ZahlenProReihe; ++s) {
            if (s > 0)
                aus.schreibe(zwischen);
            aus.zahl(reihen.zahl(r, s));
        }
        aus.schreibe(nachZahlen);
        aus.zahl(reihen.festeZusatzzahl().isEmpty() ? reihen.gezogeneZusatzzahl(r) : fest);
        aus.schreibe(schluss);
    }
}

// The rows as the generator's CSV file holds them, "3,12,25,38,47,7" and CR LF a line, as
// CSVSpeichern writes their table; made straight from the rows, since a table of texts for every
// row would take hundreds of megabytes. Written as every data file is written, never onto one of
// the program's own files.
QString csvSpeichern(const Zufallsreihen &reihen, const QString &datei)
{
    if (QString eigene = Eigendateien::pruefen(datei); !eigene.isEmpty())
        return eigene;
    const QByteArray fest = reihen.festeZusatzzahl().toUtf8();
    QByteArray text;
    text.reserve(static_cast<qsizetype>(reihen.anzahl()) *
                 (3 * ZahlenProReihe + 2 + std::max<qsizetype>(fest.size(), 2)));
    const auto zahl = [&text](int n) {
        if (n >= 10)
            text.append(static_cast<char>('0' + n / 10));
        text.append(static_cast<char>('0' + n % 10));
    };
    for (int r = 0; r < reihen.anzahl(); ++r) {
        for (int s = 0; s < ZahlenProReihe; ++s) {
            zahl(reihen.zahl(r, s));
            text.append(',');
        }
        if (fest.isEmpty())
            zahl(reihen.gezogeneZusatzzahl(r));
        else
            text.append(fest);
        text.append("\r\n");
    }
    const QString fehler = DateiErsetzen(datei, text);
    return fehler.isEmpty() ? QString() : DateiFehlerText(datei, fehler, true);
}

// Decimal digits in groups of three, "1.000.000", of any length: a request may lie beyond 64 bits.
QString mitPunkten(const QString &ziffern)
{
    QString text = ziffern;
    while (text.size() > 1 && text.front() == QLatin1Char('0'))
        text.remove(0, 1);
    for (qsizetype stelle = text.size() - 3; stelle > 0; stelle -= 3)
        text.insert(stelle, QLatin1Char('.'));
    return text;
}

// The refusal of a request beyond the rows that pass bank numbers, killers and filters.
QString zuVieleReihen(const QString &gewuenscht, std::int64_t moeglich)
{
    return QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, %1 Tippreihen zu bilden. ")
               .arg(gewuenscht) +
           (moeglich == 0 ? QStringLiteral("Mit diesen Vorgaben gibt es keine Tippreihe.")
                          : QStringLiteral("Mit diesen Vorgaben gibt es nur %1 verschiedene Reihen.")
                                .arg(mitPunkten(QString::number(moeglich)))) +
           Absatz + QStringLiteral("Ich breche ab.");
}

} // namespace

int Zufall(const Aufruf &a)
{
    Zufallsvorgaben vorgaben;
    // Any count is read, so that one beyond the rows there are is told as such.
    const std::optional<qint64> anzahl = GanzzahlLesen(a.argumente.constFirst());
    if (!anzahl || *anzahl < 1)
        return Falschaufruf(MeldungAnzahlUngueltig.section(Absatz, 0, 0));

    Zahlenliste bank = zahlenLesen(a, QStringLiteral("bank"));
    Zahlenliste killer = zahlenLesen(a, QStringLiteral("killer"));
    Zahlenliste favoriten = zahlenLesen(a, QStringLiteral("favoriten"));
    for (const Zahlenliste *liste : {&bank, &killer, &favoriten})
        if (!liste->fehler.isEmpty())
            return Falschaufruf(liste->fehler);
    // A number stands in one panel of the generator only.
    for (const auto &[x, y, namen] : {std::tuple{&bank, &killer, QStringLiteral("--bank und --killer")},
                                      std::tuple{&bank, &favoriten, QStringLiteral("--bank und --favoriten")},
                                      std::tuple{&killer, &favoriten, QStringLiteral("--killer und --favoriten")}}) {
        const Zahlenmenge beide = x->menge.schnitt(y->menge);
        for (int n = 1; n <= MaxZahl; ++n)
            if (beide.enthaelt(static_cast<std::uint8_t>(n)))
                return Falschaufruf(QStringLiteral("Die Zahl %1 steht bei %2.").arg(n).arg(namen));
    }
    vorgaben.BZGewaehlt = bank.menge;
    vorgaben.KillGewaehlt = killer.menge;
    vorgaben.FavGewaehlt = favoriten.menge;
    if (a.hat(QStringLiteral("zz"))) {
        const std::optional<int> zz = ZahlLesen(a.wert(QStringLiteral("zz")), 1, MaxZusatzzahl);
        if (!zz)
            return Falschaufruf(
                QStringLiteral("\u201E--zz\u201C nimmt eine Zusatzzahl von 1 bis 10, nicht \u201E%1\u201C.")
                    .arg(a.wert(QStringLiteral("zz"))));
        vorgaben.festeZusatzzahl = QString::number(*zz);
    }
    if (const QString fehler = filterLesen(a, vorgaben.filter); !fehler.isEmpty())
        return Falschaufruf(fehler);
    std::uint64_t startwert = 0;
    if (a.hat(QStringLiteral("startwert"))) {
        bool ok = false;
        startwert = a.wert(QStringLiteral("startwert")).toULongLong(&ok, 10);
        if (!ok)
            return Falschaufruf(
                QStringLiteral("\u201E--startwert\u201C nimmt eine ganze Zahl ab 0, nicht \u201E%1\u201C.")
                    .arg(a.wert(QStringLiteral("startwert"))));
    } else {
        startwert = NeuerStartwert();
    }

    // Counted only once every option is read: the filters narrow the rows as much as the panels.
    const std::int64_t moeglich = MoeglicheReihen(vorgaben);
    if (*anzahl > moeglich)
        return Ablehnen(zuVieleReihen(mitPunkten(a.argumente.constFirst().trimmed()), moeglich));
    vorgaben.ZufReihenAnz = static_cast<std::int32_t>(*anzahl);

    const Zufallsergebnis ergebnis = ZufallszahlenErmitteln(vorgaben, startwert);
    if (ergebnis.ausgang != Zufallsergebnis::Ausgang::Fertig)
        return Ablehnen(ergebnis.meldung);
    const Zufallsreihen &reihen = ergebnis.reihen;

    QString datei;
    if (a.hat(QStringLiteral("csv"))) {
        datei = QFileInfo(a.wert(QStringLiteral("csv"))).absoluteFilePath();
        const QString fehler = csvSpeichern(reihen, datei);
        if (!fehler.isEmpty())
            return Ablehnen(fehler);
    }

    Ausgabestrom aus;
    if (a.json) {
        JsonStrom json(aus);
        json.wert(QStringLiteral("startwert"), QString::number(startwert));
        json.wert(QStringLiteral("moeglicheReihen"), qint64{moeglich});
        json.listeAnfangen(QStringLiteral("reihen"));
        reihenJson(aus, json, reihen);
        json.beenden();
        if (!datei.isEmpty())
            json.wert(QStringLiteral("csv"), datei);
        json.beenden();
    } else if (!datei.isEmpty()) {
        aus.schreibe(QStringLiteral("%1 Tippreihen gespeichert in: %2\n").arg(reihen.anzahl()).arg(datei));
    } else {
        reihenText(aus, reihen);
    }
    return aus.beenden() ? Erfolg : AusgabeFehlgeschlagen();
}
