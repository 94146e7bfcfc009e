// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "entry/Tabellenformate.h"
#include "generator/Zufallsgenerator.h"
#include "systems/Systembau.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

#include <algorithm>
#include <cmath>

namespace {

QString option(const char *name)
{
    return QStringLiteral("\u201E--%1\u201C").arg(QLatin1String(name));
}

// "3,7,12,…": the chosen numbers, each once.
std::optional<std::vector<int>> zahlenLesen(const QString &text, QString &fehler)
{
    std::vector<int> zahlen;
    for (const QString &teil : text.split(QLatin1Char(','))) {
        const std::optional<int> zahl = ZahlLesen(teil, 1, MaxZahl);
        if (!zahl) {
            fehler = QStringLiteral("\u201E%1\u201C bei %2 ist keine Zahl von 1 bis 49.")
                         .arg(teil.trimmed(), option("zahlen"));
            return std::nullopt;
        }
        zahlen.push_back(*zahl);
    }
    return zahlen;
}

// "3:4": three right when four of the winning numbers are among the chosen ones.
std::optional<Garantie> garantieLesen(const QString &text)
{
    const QStringList teile = text.split(QLatin1Char(':'));
    if (teile.size() != 2)
        return std::nullopt;
    const std::optional<int> t = ZahlLesen(teile[0], 1, ZahlenProReihe);
    const std::optional<int> m = ZahlLesen(teile[1], 1, ZahlenProReihe);
    if (!t || !m)
        return std::nullopt;
    return Garantie{*t, *m};
}

// The program's own data files are never the target of an export.
QString eigeneDatei(const QString &ziel, const QString &datenordner)
{
    for (const QString &eigene : {Dateinamen::Gewinnreihen, Dateinamen::Sicherung, Dateinamen::Einstellungen}) {
        const QFileInfo datei(QDir(datenordner).filePath(eigene));
        if (ziel == datei.absoluteFilePath() ||
            (datei.exists() && QFileInfo(ziel).canonicalFilePath() == datei.canonicalFilePath()))
            return QStringLiteral("Die Datei \u201E%1\u201C geh\u00F6rt zu den Daten des Programms; "
                                  "ein Export darf sie nicht \u00FCberschreiben.")
                .arg(eigene);
    }
    return {};
}

QString reiheText(const Systemergebnis &s, int r)
{
    QStringList zahlen;
    for (std::uint8_t z : s.reihe(r))
        zahlen << QString::number(z).rightJustified(2);
    return zahlen.join(QLatin1Char(' ')) + QStringLiteral(" | ") +
           QString::number(s.zusatzzahlen[static_cast<std::size_t>(r)]);
}

QJsonObject alsJson(const Systemergebnis &s, const QString &datei, float reihenpreis)
{
    QJsonArray zahlen;
    for (int z : s.zahlen)
        zahlen.append(z);
    QJsonArray reihen;
    for (int r = 0; r < s.anzahl(); ++r) {
        QJsonArray reihe;
        for (std::uint8_t z : s.reihe(r))
            reihe.append(z);
        reihen.append(QJsonObject{{QStringLiteral("zahlen"), reihe},
                                  {QStringLiteral("zusatzzahl"), s.zusatzzahlen[static_cast<std::size_t>(r)]}});
    }
    QJsonArray klassen;
    for (int k = 0; k < AnzahlGewinnklassen; ++k) {
        const auto i = static_cast<std::size_t>(k);
        klassen.append(QJsonObject{
            {QStringLiteral("klasse"), k + 1},
            {QStringLiteral("mindestensEine"), Wahrscheinlichkeit(s.chancen.mindestensEine[i], MoeglicheZiehungen)},
            {QStringLiteral("erwarteteReihen"), Wahrscheinlichkeit(s.chancen.reihenSumme[i], MoeglicheZiehungen)}});
    }
    const QJsonObject chancen{
        {QStringLiteral("klassen"), klassen},
        {QStringLiteral("gewinn"), Wahrscheinlichkeit(s.chancen.gewinn, MoeglicheZiehungen)},
        {QStringLiteral("garantieGreift"), Wahrscheinlichkeit(s.chancen.garantieGreift, MoeglicheZahlenreihen)},
        {QStringLiteral("erwartungCent"), static_cast<qint64>(ErwartungCent(s.chancen))},
        {QStringLiteral("einsatzCent"), static_cast<qint64>(Systemeinsatz(s.anzahl(), reihenpreis) / (BetragProEuro / 100))}};
    QJsonObject json{{QStringLiteral("zahlen"), zahlen},
                     {QStringLiteral("garantie"),
                      s.garantie ? QJsonValue(QJsonObject{{QStringLiteral("richtige"), s.garantie->richtige},
                                                          {QStringLiteral("wenn"), s.garantie->wenn}})
                                 : QJsonValue(QJsonValue::Null)},
                     {QStringLiteral("untergrenze"), static_cast<qint64>(s.untergrenze)},
                     {QStringLiteral("tabelle"), s.ausTabelle > 0 ? QJsonValue(static_cast<qint64>(s.ausTabelle))
                                                                  : QJsonValue(QJsonValue::Null)},
                     {QStringLiteral("reihen"), reihen},
                     {QStringLiteral("chancen"), chancen},
                     {QStringLiteral("startwert"), QString::number(s.startwert)},
                     {QStringLiteral("schritte"), static_cast<qint64>(s.schritte)}};
    if (!datei.isEmpty())
        json.insert(QStringLiteral("csv"), datei);
    return json;
}

QString alsText(const Systemergebnis &s, float reihenpreis, const QLocale &locale)
{
    QString text;
    for (int r = 0; r < s.anzahl(); ++r)
        text += reiheText(s, r) + QLatin1Char('\n');
    const int n = static_cast<int>(s.zahlen.size());
    text += QLatin1Char('\n') + (s.garantie ? QStringLiteral("Kurzsystem %1").arg(GarantieKurz(*s.garantie))
                                            : QStringLiteral("Vollsystem")) +
            QStringLiteral(": %1 Reihen, mindestens %2 Reihen n\u00F6tig, Einsatz %3\n")
                .arg(locale.toString(s.anzahl()), locale.toString(static_cast<qint64>(s.untergrenze)),
                     BetragZuWaehrung(Systemeinsatz(s.anzahl(), reihenpreis), locale));
    if (s.ausTabelle > 0)
        text += QStringLiteral("Die Suche begann mit dem System der Systemtabelle aus %1 Reihen.\n")
                    .arg(locale.toString(static_cast<qint64>(s.ausTabelle)));
    text += GarantieText(n, s.garantie) + QLatin1Char('\n');
    const Systemkennzahlen k = SystemkennzahlenTexte(s.chancen, reihenpreis, locale);
    text += QStringLiteral("Die Garantie greift: %1\n").arg(k.garantieGreift);
    text += QStringLiteral("Mindestens ein Gewinn: %1\n").arg(k.gewinnChance);
    text += QStringLiteral("Erwarteter Gewinn je Ziehung: %1 bei %2 Einsatz\n\n").arg(k.erwartung, k.einsatz);
    const TextTabelle t = SystemchancenTabelle(s.chancen, locale);
    QStringList kopf;
    for (int sp = 0; sp < t.spalten(); ++sp)
        kopf << t.zelle(sp, 0);
    QVector<QStringList> zeilen;
    for (int z = 1; z < t.zeilen(); ++z) {
        QStringList zeile;
        for (int sp = 0; sp < t.spalten(); ++sp)
            zeile << t.zelle(sp, z);
        zeilen << zeile;
    }
    text += Textspalten(kopf, zeilen, {true, false, true, true, true});
    return text;
}

} // namespace

int System(const Aufruf &a)
{
    if (!a.hat(QStringLiteral("zahlen")))
        return Falschaufruf(QStringLiteral("Dem Befehl \u201Esystem\u201C fehlt die Option %1.").arg(option("zahlen")));
    Systemwunsch wunsch;
    QString fehler;
    const auto zahlen = zahlenLesen(a.wert(QStringLiteral("zahlen")), fehler);
    if (!zahlen)
        return Falschaufruf(fehler);
    wunsch.zahlen = *zahlen;
    if (a.hat(QStringLiteral("garantie"))) {
        wunsch.garantie = garantieLesen(a.wert(QStringLiteral("garantie")));
        if (!wunsch.garantie)
            return Falschaufruf(
                QStringLiteral("%1 nimmt eine Garantie wie 3:4 (Richtige:Gewinnzahlen, je 1 bis 5), nicht \u201E%2\u201C.")
                    .arg(option("garantie"), a.wert(QStringLiteral("garantie"))));
    }
    fehler = SystemPruefen(wunsch.zahlen, wunsch.garantie);
    if (!fehler.isEmpty())
        return Falschaufruf(fehler);

    if (a.hat(QStringLiteral("schritte"))) {
        bool ok = false;
        wunsch.schritte = a.wert(QStringLiteral("schritte")).toLongLong(&ok, 10);
        if (!ok || wunsch.schritte < 1)
            return Falschaufruf(QStringLiteral("%1 nimmt eine ganze Zahl ab 1, nicht \u201E%2\u201C.")
                                    .arg(option("schritte"), a.wert(QStringLiteral("schritte"))));
    }
    // Without a step budget the search runs 10 seconds; with one, the clock only stops it when asked.
    if (a.hat(QStringLiteral("zeit")) || !a.hat(QStringLiteral("schritte"))) {
        bool ok = true;
        const double sekunden =
            a.hat(QStringLiteral("zeit")) ? a.wert(QStringLiteral("zeit")).toDouble(&ok) : 10.0;
        if (!ok || !std::isfinite(sekunden) || sekunden <= 0 || sekunden > 86400)
            return Falschaufruf(QStringLiteral("%1 nimmt Sekunden von mehr als 0 bis 86400, nicht \u201E%2\u201C.")
                                    .arg(option("zeit"), a.wert(QStringLiteral("zeit"))));
        wunsch.millisekunden = std::max<std::int64_t>(1, std::llround(sekunden * 1000));
    }
    if (a.hat(QStringLiteral("zz"))) {
        const std::optional<int> zz = ZahlLesen(a.wert(QStringLiteral("zz")), 1, MaxZusatzzahl);
        if (!zz)
            return Falschaufruf(QStringLiteral("%1 nimmt eine Zusatzzahl von 1 bis 10, nicht \u201E%2\u201C.")
                                    .arg(option("zz"), a.wert(QStringLiteral("zz"))));
        wunsch.festeZusatzzahl = static_cast<std::uint8_t>(*zz);
    }
    if (a.hat(QStringLiteral("startwert"))) {
        bool ok = false;
        wunsch.startwert = a.wert(QStringLiteral("startwert")).toULongLong(&ok, 10);
        if (!ok)
            return Falschaufruf(QStringLiteral("%1 nimmt eine ganze Zahl ab 0, nicht \u201E%2\u201C.")
                                    .arg(option("startwert"), a.wert(QStringLiteral("startwert"))));
    } else {
        wunsch.startwert = NeuerStartwert();
    }
    QString datei;
    if (a.hat(QStringLiteral("csv"))) {
        datei = QFileInfo(a.wert(QStringLiteral("csv"))).absoluteFilePath();
        const QString eigene = eigeneDatei(datei, a.datenordner);
        if (!eigene.isEmpty())
            return Ablehnen(eigene);
    }

    const Systemergebnis s = SystemBauen(wunsch);
    if (!s.fehler.isEmpty())
        return Ablehnen(s.fehler);
    const QLocale locale(QLocale::German, QLocale::Germany);
    const float reihenpreis = ReihenpreisLesen(a.datenordner, locale);
    if (!datei.isEmpty()) {
        const QString fehlerCsv =
            CSVSpeichern(SystemAlsReihen(s).alsTabelle([](const QString &) { return 0; }), datei);
        if (!fehlerCsv.isEmpty())
            return Ablehnen(fehlerCsv);
    }
    // Output that cannot be written whole is a refusal, not a success.
    if (a.json)
        return JsonAusgeben(alsJson(s, datei, reihenpreis)) ? Erfolg : AusgabeFehlgeschlagen();
    if (!Ausgeben(alsText(s, reihenpreis, locale)) ||
        (!datei.isEmpty() && !Ausgeben(QStringLiteral("%1 Tippreihen gespeichert in: %2").arg(s.anzahl()).arg(datei))))
        return AusgabeFehlgeschlagen();
    return Erfolg;
}
