// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "model/Datum.h"
#include "statistics/Musterstatistik.h"
#include "strategy/Strategietest.h"

#include <QFileInfo>
#include <QSet>

#include <optional>

namespace {

QString strategieOption(const QString &name)
{
    return QStringLiteral("\u201E--%1\u201C").arg(name);
}

// "3,17,42": numbers of 1..49 separated by commas.
std::optional<std::vector<int>> strategieZahlen(const QString &name, const QString &text, QString &fehler)
{
    std::vector<int> zahlen;
    for (const QString &teil : text.split(QLatin1Char(','))) {
        const std::optional<int> zahl = ZahlLesen(teil, 1, MaxZahl);
        if (!zahl) {
            fehler = QStringLiteral("\u201E%1\u201C bei %2 ist keine Zahl von 1 bis 49.")
                         .arg(teil.trimmed(), strategieOption(name));
            return std::nullopt;
        }
        zahlen.push_back(*zahl);
    }
    return zahlen;
}

// The strategies and the test's own options, read in the order given: --schein, --system,
// --zufall and --regel each start a strategy, the options after it belong to it.
struct Strategieaufruf
{
    std::vector<Strategie> strategien;
    std::vector<QString> dateiangaben; // the ticket files as given, for the messages
    std::optional<QDate> von;
    std::optional<QDate> bis;
    int verlaeufe = VorgabeVerlaeufe;
    std::optional<std::uint64_t> startwert;
    bool verlauf = false;
    QString fehler;
};

Strategieaufruf strategienLesen(const Aufruf &a)
{
    Strategieaufruf r;
    QSet<QString> global;
    QSet<QString> eigene; // options of the current strategy
    const auto falsch = [&r](const QString &text) {
        if (r.fehler.isEmpty())
            r.fehler = text;
    };
    const QSet<QString> anfaenge{QStringLiteral("schein"), QStringLiteral("system"), QStringLiteral("zufall"),
                                 QStringLiteral("regel")};
    for (const auto &[name, wert] : a.folge) {
        if (!r.fehler.isEmpty())
            break;
        if (name == QLatin1String("daten") || name == QLatin1String("von") || name == QLatin1String("bis") ||
            name == QLatin1String("verlaeufe") || name == QLatin1String("startwert") ||
            name == QLatin1String("verlauf")) {
            if (global.contains(name)) {
                falsch(QStringLiteral("Die Option %1 steht zweimal da.").arg(strategieOption(name)));
                continue;
            }
            global.insert(name);
            if (name == QLatin1String("von") || name == QLatin1String("bis")) {
                const std::optional<QDate> datum = DatumLesen(wert);
                if (!datum)
                    falsch(QStringLiteral("\u201E%1\u201C ist kein Datum (JJJJ-MM-TT oder TT.MM.JJJJ).").arg(wert));
                (name == QLatin1String("von") ? r.von : r.bis) = datum;
            } else if (name == QLatin1String("verlaeufe")) {
                const std::optional<int> s = ZahlLesen(wert, 0, MaxVerlaeufe);
                if (!s)
                    falsch(QStringLiteral("%1 nimmt eine Zahl von 0 bis 100000, nicht \u201E%2\u201C.")
                               .arg(strategieOption(name), wert));
                r.verlaeufe = s.value_or(0);
            } else if (name == QLatin1String("startwert")) {
                bool ok = false;
                r.startwert = wert.trimmed().toULongLong(&ok, 10);
                if (!ok)
                    falsch(QStringLiteral("%1 nimmt eine ganze Zahl ab 0, nicht \u201E%2\u201C.")
                               .arg(strategieOption(name), wert));
            } else if (name == QLatin1String("verlauf")) {
                r.verlauf = true;
            }
            continue;
        }
        if (anfaenge.contains(name)) {
            Strategie s;
            eigene = {name};
            if (name == QLatin1String("schein")) {
                s.art = Strategieart::Schein;
                s.datei = QFileInfo(wert).absoluteFilePath();
                r.dateiangaben.push_back(wert);
            } else if (name == QLatin1String("system")) {
                s.art = Strategieart::System;
                QString fehler;
                const auto zahlen = strategieZahlen(name, wert, fehler);
                if (!zahlen)
                    falsch(fehler);
                s.zahlen = zahlen.value_or(std::vector<int>());
            } else if (name == QLatin1String("zufall")) {
                s.art = Strategieart::Zufall;
                const std::optional<qint64> n = GanzzahlLesen(wert);
                if (!n || *n < 1 || *n > AlleReihen)
                    falsch(QStringLiteral("%1 nimmt die Zahl der Reihen je Ziehung, 1 bis 1906884, nicht \u201E%2\u201C.")
                               .arg(strategieOption(name), wert));
                s.vorgaben.ZufReihenAnz = static_cast<std::int32_t>(n.value_or(1));
            } else {
                s.art = Strategieart::Regel;
                s.anzahl = 0;
                s.fenster = -1;
                if (wert == QLatin1String("haeufigste"))
                    s.rangfolge = Rangfolge::Haeufigste;
                else if (wert == QLatin1String("seltenste"))
                    s.rangfolge = Rangfolge::Seltenste;
                else if (wert == QLatin1String("ausgeblieben"))
                    s.rangfolge = Rangfolge::Ausgeblieben;
                else
                    falsch(QStringLiteral("%1 nimmt haeufigste, seltenste oder ausgeblieben, nicht \u201E%2\u201C.")
                               .arg(strategieOption(name), wert));
            }
            r.strategien.push_back(s);
            continue;
        }
        // Everything else belongs to the strategy before it.
        if (r.strategien.empty()) {
            falsch(QStringLiteral("%1 geh\u00F6rt zu einer Strategie und steht vor der ersten "
                                  "(--schein, --system, --zufall oder --regel).")
                       .arg(strategieOption(name)));
            continue;
        }
        Strategie &s = r.strategien.back();
        const QString art = ArtText(s.art);
        if (eigene.contains(name)) {
            falsch(QStringLiteral("Die Option %1 steht bei einer Strategie zweimal da.").arg(strategieOption(name)));
            continue;
        }
        eigene.insert(name);
        const auto passtNicht = [&] {
            falsch(QStringLiteral("Die Option %1 passt nicht zur Strategie \u201E%2\u201C.").arg(strategieOption(name), art));
        };
        if (name == QLatin1String("name")) {
            s.name = wert.trimmed();
        } else if (name == QLatin1String("garantie") || name == QLatin1String("schritte")) {
            if (s.art != Strategieart::System && s.art != Strategieart::Regel) {
                passtNicht();
            } else if (name == QLatin1String("garantie")) {
                const QStringList tm = wert.split(QLatin1Char(':'));
                const std::optional<int> t = ZahlLesen(tm.value(0), 1, ZahlenProReihe);
                const std::optional<int> m = ZahlLesen(tm.value(1), 1, ZahlenProReihe);
                if (tm.size() != 2 || !t || !m)
                    falsch(QStringLiteral("%1 nimmt eine Garantie wie 3:4 (Richtige:Gewinnzahlen, je 1 bis 5), "
                                          "nicht \u201E%2\u201C.")
                               .arg(strategieOption(name), wert));
                else
                    s.garantie = Garantie{*t, *m};
            } else {
                const std::optional<qint64> n = GanzzahlLesen(wert);
                if (!n || *n < 1)
                    falsch(QStringLiteral("%1 nimmt eine ganze Zahl ab 1, nicht \u201E%2\u201C.").arg(strategieOption(name), wert));
                s.schritte = n.value_or(1);
            }
        } else if (name == QLatin1String("zz")) {
            const std::optional<int> zz = ZahlLesen(wert, 1, MaxZusatzzahl);
            if (s.art == Strategieart::Schein)
                passtNicht();
            else if (!zz)
                falsch(QStringLiteral("%1 nimmt eine Zusatzzahl von 1 bis 10, nicht \u201E%2\u201C.").arg(strategieOption(name), wert));
            s.festeZusatzzahl = static_cast<std::uint8_t>(zz.value_or(0));
        } else if (name == QLatin1String("anzahl") || name == QLatin1String("fenster")) {
            if (s.art != Strategieart::Regel) {
                passtNicht();
            } else if (name == QLatin1String("anzahl")) {
                const std::optional<int> k = ZahlLesen(wert, MinRegelzahlen, MaxRegelzahlen);
                if (!k)
                    falsch(QStringLiteral("%1 nimmt 6 bis 12 Zahlen, nicht \u201E%2\u201C.").arg(strategieOption(name), wert));
                s.anzahl = k.value_or(0);
            } else {
                const std::optional<qint64> w = GanzzahlLesen(wert);
                if (wert.trimmed() == QLatin1String("alle"))
                    s.fenster = 0;
                else if (!w || *w < MinFenster)
                    falsch(QStringLiteral("%1 nimmt eine Zahl von Ziehungen ab 10 oder \u201Ealle\u201C, nicht \u201E%2\u201C.")
                               .arg(strategieOption(name), wert));
                else
                    s.fenster = static_cast<int>(std::min<qint64>(*w, 1'000'000'000));
            }
        } else if (s.art != Strategieart::Zufall) {
            passtNicht();
        } else if (name == QLatin1String("bank") || name == QLatin1String("killer") ||
                   name == QLatin1String("favoriten")) {
            QString fehler;
            const auto zahlen = strategieZahlen(name, wert, fehler);
            if (!zahlen) {
                falsch(fehler);
                continue;
            }
            Zahlenmenge menge;
            for (int z : *zahlen)
                menge.hinzu(static_cast<std::uint8_t>(z));
            (name == QLatin1String("bank")     ? s.vorgaben.BZGewaehlt
             : name == QLatin1String("killer") ? s.vorgaben.KillGewaehlt
                                               : s.vorgaben.FavGewaehlt) = menge;
        } else {
            for (const Musterart m : AlleMusterarten) {
                if (name != Musterschluessel(m))
                    continue;
                bool ok = false;
                s.vorgaben.filter.setze(m, Musterfilter::lesen(m, wert, &ok));
                if (!ok || !s.vorgaben.filter.bereich(m)) {
                    const Wertebereich w = WerteVon(m);
                    falsch(Musterfilter::nurHoechstwert(m)
                               ? QStringLiteral("%1 nimmt eine Zahl von %2 bis %3, nicht \u201E%4\u201C.")
                                     .arg(strategieOption(name)).arg(w.von).arg(w.bis).arg(wert)
                               : QStringLiteral("%1 nimmt einen Bereich VON-BIS aus %2 bis %3, nicht \u201E%4\u201C.")
                                     .arg(strategieOption(name)).arg(w.von).arg(w.bis).arg(wert));
                }
            }
        }
    }
    if (r.fehler.isEmpty() && r.strategien.empty())
        falsch(QStringLiteral("Dem Befehl \u201Estrategie\u201C fehlt eine Strategie (--schein, --system, --zufall "
                              "oder --regel)."));
    for (const Strategie &s : r.strategien) {
        if (s.art == Strategieart::Regel && s.anzahl == 0)
            falsch(QStringLiteral("Der Regel fehlt %1 mit der Zahl ihrer Zahlen (6 bis 12).").arg(strategieOption(QStringLiteral("anzahl"))));
        if (s.art == Strategieart::Regel && s.fenster < 0)
            falsch(QStringLiteral("Der Regel fehlt %1 mit der Zahl der Ziehungen oder \u201Ealle\u201C.")
                       .arg(strategieOption(QStringLiteral("fenster"))));
    }
    return r;
}

// The text output: per strategy its figures, with --verlauf its draws, and the placements side
// by side at the end.
void textAusgeben(Ausgabestrom &aus, const Testergebnis &t, const QVector<TGewZahlen> &h, bool verlauf,
                  const QLocale &l)
{
    const auto datum = [&](int index) { return Datum::kurz(h[index].datum, l); };
    aus.schreibe(QStringLiteral("Zeitraum: %1 bis %2 (%3 Ziehungen)\n")
                     .arg(datum(t.von), datum(t.bis), l.toString(t.ziehungen())));
    aus.schreibe(QStringLiteral("Startwert: %1, Reihenpreis: %2, zuf\u00E4llige Verl\u00E4ufe: %3\n")
                     .arg(QString::number(t.startwert), CentText(t.preisCent, l), l.toString(t.verlaeufe)));
    for (const Strategieergebnis &s : t.strategien) {
        QString text = QStringLiteral("\n%1\n").arg(s.name);
        text += QStringLiteral("  Ziehungen: %1, Reihen: %2\n").arg(l.toString(s.ziehungen), l.toString(qint64{s.reihen}));
        text += QStringLiteral("  Einsatz: %1, Gewinn: %2").arg(CentText(s.einsatzCent, l), CentText(s.gewinnCent, l));
        if (s.anteilCent != s.gewinnCent)
            text += QStringLiteral(" (Anteil: %1)").arg(CentText(s.anteilCent, l));
        text += QStringLiteral(", Bilanz: %1\n").arg(CentText(s.bilanzCent, l));
        text += QStringLiteral("  R\u00FCcklaufquote: %1\n").arg(RuecklaufText(s.ruecklauf, l));
        QStringList klassen;
        for (std::size_t k = 0; k < Gewinnklassen.size(); ++k)
            klassen << Gewinnklassen[k].Kurz + QLatin1Char(' ') + KlassenanzahlText(s.klassen[k]);
        text += QStringLiteral("  Gewinnklassen: ") + klassen.join(QStringLiteral(", ")) + QLatin1Char('\n');
        text += QStringLiteral("  H\u00F6chstgewinn: %1").arg(CentText(s.hoechsterCent, l));
        if (s.hoechsterZiehung >= 0)
            text += QStringLiteral(" am ") + datum(s.hoechsterZiehung);
        text += QStringLiteral("\n  L\u00E4ngste Durststrecke: %1 Ziehungen\n").arg(l.toString(s.laengsteDurststrecke));
        text += QStringLiteral("  Erwartete Bilanz: %1\n").arg(CentText(s.erwartetCent, l));
        if (s.verlaeufe > 0) {
            text += QStringLiteral("  Zuf\u00E4llige Verl\u00E4ufe (5 %% bis 95 %%): %1 bis %2\n")
                        .arg(CentText(s.bandUnten.back(), l), CentText(s.bandOben.back(), l))
                        .replace(QStringLiteral("%%"), QStringLiteral("%"));
            text += QStringLiteral("  ") + PlatzierungText(s.mindestensSoGut, s.verlaeufe) + QLatin1Char('\n');
        }
        aus.schreibe(text);
        if (!verlauf)
            continue;
        Spaltensatz satz;
        satz.rechts = {false, true, true, true, true};
        const QString gross = CentText(-999'999'999'99, l);
        satz.breiten = {qsizetype(10), qsizetype(6), gross.size(), gross.size(), gross.size()};
        aus.schreibe(QStringLiteral("\n  ") + satz.zeile({QStringLiteral("Datum"), QStringLiteral("Reihen"),
                                                          QStringLiteral("Einsatz"), QStringLiteral("Gewinn"),
                                                          QStringLiteral("Bilanz")}));
        for (int j = 0; j < s.ziehungen; ++j) {
            const Ziehungsstand &z = s.verlauf[static_cast<std::size_t>(j)];
            aus.schreibe(QStringLiteral("  ") +
                         satz.zeile({datum(t.von + j), l.toString(z.reihen), CentText(z.reihen * t.preisCent, l),
                                     CentText(z.gewinnCent, l), CentText(z.bilanzCent, l)}));
        }
    }
    if (t.verlaeufe > 0) {
        QString text = QStringLiteral("\nEin mindestens so gutes Ergebnis hatten bei zuf\u00E4lligen Ziehungen:\n");
        for (const Strategieergebnis &s : t.strategien)
            text += QStringLiteral("  %1: %2\n").arg(s.name, PlatzierungAnteil(s.mindestensSoGut, s.verlaeufe));
        aus.schreibe(text);
    }
}

void jsonAusgeben(Ausgabestrom &aus, const Testergebnis &t, const QVector<TGewZahlen> &h, bool verlauf)
{
    JsonStrom json(aus);
    json.objektAnfangen(QStringLiteral("zeitraum"));
    json.wert(QStringLiteral("von"), IsoDatum(h[t.von].datum));
    json.wert(QStringLiteral("bis"), IsoDatum(h[t.bis].datum));
    json.wert(QStringLiteral("ziehungen"), t.ziehungen());
    json.beenden();
    json.wert(QStringLiteral("startwert"), QString::number(t.startwert));
    json.wert(QStringLiteral("verlaeufe"), t.verlaeufe);
    json.wert(QStringLiteral("reihenpreisCent"), qint64{t.preisCent});
    json.listeAnfangen(QStringLiteral("strategien"));
    for (const Strategieergebnis &s : t.strategien) {
        json.objektAnfangen();
        json.wert(QStringLiteral("name"), s.name);
        json.wert(QStringLiteral("ziehungen"), s.ziehungen);
        json.wert(QStringLiteral("reihen"), qint64{s.reihen});
        json.wert(QStringLiteral("einsatzCent"), qint64{s.einsatzCent});
        json.wert(QStringLiteral("gewinnCent"), qint64{s.gewinnCent});
        json.wert(QStringLiteral("anteilCent"), qint64{s.anteilCent});
        json.wert(QStringLiteral("bilanzCent"), qint64{s.bilanzCent});
        json.wert(QStringLiteral("ruecklaufquote"), static_cast<double>(s.ruecklauf) / double(BetragProEuro));
        json.listeAnfangen(QStringLiteral("klassen"));
        for (std::size_t k = 0; k < Gewinnklassen.size(); ++k) {
            json.objektAnfangen();
            json.wert(QStringLiteral("klasse"), static_cast<int>(k + 1));
            json.wert(QStringLiteral("richtige"), Gewinnklassen[k].Bezeichnung);
            json.wert(QStringLiteral("anzahl"), qint64{s.klassen[k]});
            json.beenden();
        }
        json.beenden();
        if (s.hoechsterZiehung < 0) {
            json.wert(QStringLiteral("hoechstgewinn"), QJsonValue::Null);
        } else {
            json.objektAnfangen(QStringLiteral("hoechstgewinn"));
            json.wert(QStringLiteral("betragCent"), qint64{s.hoechsterCent});
            json.wert(QStringLiteral("datum"), IsoDatum(h[s.hoechsterZiehung].datum));
            json.beenden();
        }
        json.wert(QStringLiteral("laengsteDurststrecke"), s.laengsteDurststrecke);
        json.wert(QStringLiteral("erwartetCent"), qint64{s.erwartetCent});
        if (s.verlaeufe > 0) {
            json.objektAnfangen(QStringLiteral("band"));
            json.wert(QStringLiteral("p05Cent"), qint64{s.bandUnten.back()});
            json.wert(QStringLiteral("p95Cent"), qint64{s.bandOben.back()});
            json.beenden();
            json.wert(QStringLiteral("anteilBesser"), s.anteilBesser());
        } else {
            json.wert(QStringLiteral("band"), QJsonValue::Null);
            json.wert(QStringLiteral("anteilBesser"), QJsonValue::Null);
        }
        if (verlauf) {
            // Draw by draw as it goes out, never as one list in memory.
            json.listeAnfangen(QStringLiteral("verlauf"));
            for (int j = 0; j < s.ziehungen; ++j) {
                const Ziehungsstand &z = s.verlauf[static_cast<std::size_t>(j)];
                json.objektAnfangen();
                json.wert(QStringLiteral("datum"), IsoDatum(h[t.von + j].datum));
                json.wert(QStringLiteral("reihen"), z.reihen);
                json.wert(QStringLiteral("einsatzCent"), qint64{z.reihen * t.preisCent});
                json.wert(QStringLiteral("gewinnCent"), qint64{z.gewinnCent});
                json.wert(QStringLiteral("bilanzCent"), qint64{z.bilanzCent});
                json.beenden();
            }
            json.beenden();
        }
        json.beenden();
    }
    json.beenden();
    json.beenden();
}

} // namespace

int StrategieTesten(const Aufruf &a)
{
    Strategieaufruf r = strategienLesen(a);
    if (!r.fehler.isEmpty())
        return Falschaufruf(r.fehler);
    // Wrong values are a wrong call; a ticket that is missing or unreadable is refused.
    std::size_t datei = 0;
    for (Strategie &s : r.strategien) {
        if (s.art == Strategieart::Schein) {
            const QString angabe = r.dateiangaben[datei++];
            if (!QFileInfo(s.datei).isFile())
                return Ablehnen(QStringLiteral("Der Tippschein \u201E%1\u201C wurde nicht gefunden.").arg(angabe));
            if (const QString fehler = ScheinLaden(s); !fehler.isEmpty())
                return Ablehnen(fehler);
            if (const QString fehler = StrategiePruefen(s); !fehler.isEmpty())
                return Ablehnen(fehler);
            continue;
        }
        if (const QString fehler = StrategiePruefen(s); !fehler.isEmpty())
            return Falschaufruf(QStringLiteral("Die Strategie \u201E%1\u201C l\u00E4sst sich nicht spielen:").arg(Anzeigename(s)) +
                                Absatz + fehler);
    }

    const QLocale locale = QLocale::system();
    Testauftrag auftrag;
    auftrag.reihenpreis = ReihenpreisLesen(a.datenordner, locale);
    Historie historie = HistorieLesen(a.datenordner);
    if (!historie.fehler.isEmpty())
        return Ablehnen(historie.fehler);
    const Zeitraum zeitraum = ZeitraumWaehlen(historie.ziehungen, r.von, r.bis, true, locale);
    if (!zeitraum.fehler.isEmpty())
        return Ablehnen(zeitraum.fehler);
    auftrag.ziehungen = std::move(historie.ziehungen);
    auftrag.von = zeitraum.von;
    auftrag.bis = zeitraum.bis;
    auftrag.strategien = std::move(r.strategien);
    auftrag.verlaeufe = r.verlaeufe;
    auftrag.startwert = r.startwert.value_or(NeuerStartwert());
    const Testergebnis t = StrategienTesten(auftrag);
    if (!t.fehler.isEmpty())
        return Ablehnen(t.fehler);

    Ausgabestrom aus;
    if (a.json)
        jsonAusgeben(aus, t, auftrag.ziehungen, r.verlauf);
    else
        textAusgeben(aus, t, auftrag.ziehungen, r.verlauf, locale);
    return aus.beenden() ? Erfolg : AusgabeFehlgeschlagen();
}
