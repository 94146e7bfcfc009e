// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Aufruf.h"

#include "model/Ordner.h"


#include <array>
#include <limits>

namespace {

struct Regel
{
    const char *befehl;
    int argumente;
    std::array<const char *, 24> mitWert; // options that take a value
    std::array<const char *, 2> schalter; // options without one
    bool wiederholbar = false;            // options may stand more than once (strategie: one set per strategy)
};

const std::array<Regel, 7> Regeln{{
    {"auswerten", 1, {"von", "bis"}, {}},
    {"statistik", 0, {"von", "bis", "kombis"}, {"muster"}},
    {"zufall",
     1,
     {"bank", "killer", "favoriten", "zz", "csv", "startwert", "summe", "gerade", "klein", "folge", "zehnergruppe"},
     {}},
    {"gewinnreihen", 2, {}, {"ersetzen", "vorschau"}},
    {"system", 0, {"zahlen", "garantie", "zeit", "schritte", "startwert", "zz", "csv"}, {}},
    {"strategie",
     0,
     {"schein", "system", "zufall", "regel", "name", "garantie", "schritte", "zz", "bank", "killer", "favoriten",
      "summe", "gerade", "klein", "folge", "zehnergruppe", "anzahl", "fenster", "von", "bis", "verlaeufe",
      "startwert"},
     {"verlauf"},
     true},
    // The syndicate's own commands check their arguments and options themselves (-1).
    {"gemeinschaft", -1, {"name", "anteile", "ab", "email", "datum", "bis", "mitglied"}, {"vorschau"}},
}};

bool enthalten(const auto &namen, const QString &name)
{
    for (const char *n : namen)
        if (n && name == QLatin1String(n))
            return true;
    return false;
}

const Regel *regelFuer(const QString &befehl)
{
    for (const Regel &r : Regeln)
        if (befehl == QLatin1String(r.befehl))
            return &r;
    return nullptr;
}

bool nimmtWert(const QString &name)
{
    if (name == QLatin1String("daten"))
        return true;
    for (const Regel &r : Regeln)
        if (enthalten(r.mitWert, name))
            return true;
    return false;
}

QString option(const QString &name)
{
    return QStringLiteral("\u201E--%1\u201C").arg(name);
}

} // namespace

Aufruf AufrufLesen(const QStringList &argumente)
{
    Aufruf a;
    QStringList frei;
    const auto fehler = [&a](const QString &text) {
        if (a.fehler.isEmpty())
            a.fehler = text;
    };
    bool nurArgumente = false;
    QString doppelt; // the first option given twice, refused unless the command allows it
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString &arg = argumente[i];
        if (nurArgumente || !arg.startsWith(QLatin1Char('-')) || arg.size() == 1) {
            frei << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            nurArgumente = true;
            continue;
        }
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help") || arg == QLatin1String("--hilfe")) {
            a.hilfe = true;
            continue;
        }
        if (!arg.startsWith(QLatin1String("--"))) {
            fehler(QStringLiteral("Unbekannte Option \u201E%1\u201C.").arg(arg));
            continue;
        }
        QString name = arg.mid(2);
        std::optional<QString> wert;
        if (const qsizetype gleich = name.indexOf(QLatin1Char('=')); gleich >= 0) {
            wert = name.mid(gleich + 1);
            name.truncate(gleich);
        }
        if (name == QLatin1String("version") || name == QLatin1String("json")) {
            if (wert)
                fehler(QStringLiteral("Die Option %1 nimmt keinen Wert.").arg(option(name)));
            (name == QLatin1String("json") ? a.json : a.version) = true;
            continue;
        }
        if (nimmtWert(name) && !wert) {
            if (i + 1 >= argumente.size()) {
                fehler(QStringLiteral("Die Option %1 braucht einen Wert.").arg(option(name)));
                continue;
            }
            wert = argumente[++i];
        }
        if (a.optionen.contains(name) && doppelt.isEmpty())
            doppelt = name;
        a.optionen.insert(name, wert.value_or(QString()));
        a.folge.append({name, wert.value_or(QString())});
    }

    a.datenordner = a.optionen.take(QStringLiteral("daten"));
    a.datenordnerAngabe = a.datenordner;
    if (a.datenordner.isEmpty())
        a.datenordner = StandardDatenordner();
    else if (!a.datenordner.endsWith(QLatin1Char('/')))
        a.datenordner += QLatin1Char('/');
    if (a.hilfe || a.version)
        return a;

    if (frei.isEmpty()) {
        fehler(QStringLiteral("Es fehlt der Befehl."));
        return a;
    }
    a.befehl = frei.takeFirst();
    a.argumente = frei;
    const Regel *regel = regelFuer(a.befehl);
    if (!regel) {
        fehler(QStringLiteral("Unbekannter Befehl \u201E%1\u201C.").arg(a.befehl));
        return a;
    }
    if (!doppelt.isEmpty() && !regel->wiederholbar)
        fehler(QStringLiteral("Die Option %1 steht zweimal da.").arg(option(doppelt)));
    for (auto it = a.optionen.cbegin(); it != a.optionen.cend(); ++it) {
        const bool mitWert = enthalten(regel->mitWert, it.key());
        if (!mitWert && !enthalten(regel->schalter, it.key()))
            fehler(
                QStringLiteral("Der Befehl \u201E%1\u201C kennt die Option %2 nicht.").arg(a.befehl, option(it.key())));
        else if (!mitWert && !it.value().isEmpty())
            fehler(QStringLiteral("Die Option %1 nimmt keinen Wert.").arg(option(it.key())));
    }
    if (regel->argumente < 0)
        return a;
    if (a.argumente.size() < regel->argumente)
        fehler(QStringLiteral("Dem Befehl \u201E%1\u201C fehlt eine Angabe.").arg(a.befehl));
    else if (a.argumente.size() > regel->argumente)
        fehler(QStringLiteral("Zu viele Angaben f\u00FCr den Befehl \u201E%1\u201C: \u201E%2\u201C.")
                   .arg(a.befehl, a.argumente.last()));
    return a;
}

std::optional<QDate> DatumLesen(const QString &text)
{
    for (const QString &format : {QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd.MM.yyyy")}) {
        const QDate datum = QDate::fromString(text.trimmed(), format);
        if (datum.isValid())
            return datum;
    }
    return std::nullopt;
}

Datumsgrenzen DatumsgrenzenLesen(const Aufruf &aufruf)
{
    Datumsgrenzen g;
    for (const auto &[name, ziel] :
         {std::pair{QStringLiteral("von"), &g.von}, std::pair{QStringLiteral("bis"), &g.bis}}) {
        if (!aufruf.hat(name))
            continue;
        *ziel = DatumLesen(aufruf.wert(name));
        if (!*ziel && g.fehler.isEmpty())
            g.fehler =
                QStringLiteral("\u201E%1\u201C ist kein Datum (JJJJ-MM-TT oder TT.MM.JJJJ).").arg(aufruf.wert(name));
    }
    return g;
}

std::optional<qint64> GanzzahlLesen(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    qint64 zahl = 0;
    for (const QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        const int ziffer = c.unicode() - u'0';
        zahl = zahl > (std::numeric_limits<qint64>::max() - ziffer) / 10 ? std::numeric_limits<qint64>::max()
                                                                         : zahl * 10 + ziffer;
    }
    return zahl;
}

std::optional<int> ZahlLesen(const QString &text, int von, int bis)
{
    const std::optional<qint64> zahl = GanzzahlLesen(text);
    if (!zahl || *zahl < von || *zahl > bis)
        return std::nullopt;
    return static_cast<int>(*zahl);
}

QString Hilfetext()
{
    return QStringLiteral(
        "Aufruf: quintaro-analyser-cli [--daten ORDNER] BEFEHL [ANGABEN] [OPTIONEN]\n"
        "\n"
        "Die Befehlszeile von Quintaro Analyser: dieselben Gewinnreihen, Tippscheine und\n"
        "Auswertungen wie im Programm, f\u00FCr Skripte.\n"
        "\n"
        "Befehle:\n"
        "  auswerten TIPPSCHEIN.qtt [--von DATUM] [--bis DATUM]\n"
        "      wertet den Tippschein aus: ohne --von die Ziehung am --bis-Datum (oder die\n"
        "      letzte davor), ohne beides die neueste Ziehung; mit --von alle Ziehungen von\n"
        "      --von bis --bis (ohne --bis bis zur neuesten).\n"
        "  statistik [--von DATUM] [--bis DATUM] [--kombis 2|3|4] [--muster]\n"
        "      H\u00E4ufigkeit und Ausbleiben der Zahlen im Zeitraum (ohne Angabe: alle\n"
        "      Ziehungen); mit --kombis die h\u00E4ufigsten und seltensten 2er-, 3er- oder\n"
        "      4er-Kombinationen; mit --muster Summe, gerade und kleine Zahlen, l\u00E4ngste\n"
        "      Folge und Zehnergruppen gegen die Erwartung bei fairen Ziehungen (Chi-Quadrat-\n"
        "      Test). Das JSON nennt auch die Zusatzzahlen.\n"
        "  zufall ANZAHL [--bank ZAHLEN] [--killer ZAHLEN] [--favoriten ZAHLEN] [--zz N]\n"
        "         [--startwert S] [--csv DATEI] [--summe 100-150] [--gerade 2-3]\n"
        "         [--klein 2-3] [--folge 2] [--zehnergruppe 2]\n"
        "      erzeugt ANZAHL verschiedene zuf\u00E4llige Tippreihen wie der Zufallsgenerator:\n"
        "      --bank Zahlen in jeder Reihe, --killer Zahlen in keiner, --favoriten Zahlen\n"
        "      mit doppeltem Gewicht, --zz feste Zusatzzahl; ZAHLEN durch Kommas getrennt\n"
        "      (3,17,42). --startwert wiederholt einen Lauf, --csv schreibt die Reihen als\n"
        "      CSV-Datei. Die Filter lassen nur Reihen mit dieser Summe, so vielen geraden\n"
        "      und kleinen Zahlen (1-24), h\u00F6chstens so langer Folge und h\u00F6chstens so\n"
        "      vielen Zahlen je Zehnergruppe zu; das JSON nennt die m\u00F6glichen Reihen.\n"
        "  system --zahlen ZAHLEN [--garantie T:M] [--zeit SEKUNDEN] [--schritte N]\n"
        "         [--startwert S] [--zz N] [--csv DATEI]\n"
        "      macht aus 6 bis 30 Zahlen ein System: ohne --garantie das Vollsystem (6 bis\n"
        "      20 Zahlen, alle Reihen), mit --garantie T:M ein Kurzsystem, bei dem eine Reihe\n"
        "      T Richtige hat, sobald M Gewinnzahlen unter den Zahlen sind. Die Suche l\u00E4uft\n"
        "      --zeit Sekunden (10) oder --schritte Schritte; --startwert wiederholt sie.\n"
        "      Zeigt die Reihen, die Untergrenze und die Gewinnchancen.\n"
        "  strategie STRATEGIE... [--von DATUM] [--bis DATUM] [--verlaeufe S]\n"
        "            [--startwert S] [--verlauf]\n"
        "      spielt jede Strategie Ziehung f\u00FCr Ziehung nach, nur mit den Ziehungen davor,\n"
        "      und stellt ihr Ergebnis neben die Erwartung und S faire Verl\u00E4ufe (1000).\n"
        "      Jede dieser Optionen beginnt eine Strategie, die Optionen danach geh\u00F6ren zu ihr:\n"
        "        --schein DATEI             ein Tippschein, jede Ziehung gleich gespielt\n"
        "        --system ZAHLEN [--garantie T:M] [--schritte N]\n"
        "                                   ein Voll- oder Kurzsystem dieser Zahlen\n"
        "        --zufall N [--bank ...] [--killer ...] [--favoriten ...] [--summe ...] ...\n"
        "                                   jede Ziehung N neue Zufallsreihen\n"
        "        --regel haeufigste|seltenste|ausgeblieben --anzahl K --fenster W|alle\n"
        "                [--garantie T:M]   die K Zahlen, die die Statistik der letzten W\n"
        "                                   Ziehungen vorne sieht, als System\n"
        "      --zz N legt die Zusatzzahl fest, --name TEXT benennt die Strategie. Ohne\n"
        "      --von und --bis alle Ziehungen; --verlauf zeigt jede Ziehung.\n"
        "  gewinnreihen export DATEI\n"
        "      schreibt alle Gewinnreihen als CSV-Datei oder Arbeitsmappe (.csv, .xlsx).\n"
        "  gewinnreihen import DATEI [--ersetzen] [--vorschau]\n"
        "      liest Gewinnreihen aus CSV (Trenner \u201E,\u201C oder \u201E;\u201C), .xlsx, .xls oder .ods\n"
        "      und \u00FCbernimmt neue Ziehungen; --ersetzen ersetzt auch abweichende,\n"
        "      --vorschau zeigt nur, was sich \u00E4ndern w\u00FCrde.\n"
        "  gemeinschaft DATEI.qtgem BEFEHL \u2026\n"
        "      f\u00FChrt die Kasse einer Tippgemeinschaft; BEFEHL ist einer von:\n"
        "        anlegen [--name NAME]\n"
        "        mitglied hinzufuegen NAME --anteile N [--ab DATUM] [--email ADRESSE]\n"
        "        mitglied anteile NAME N --ab DATUM\n"
        "        mitglied austritt NAME --ab DATUM\n"
        "        schein hinzufuegen TIPPSCHEIN.qtt [--ab DATUM]\n"
        "        schein entfernen TIPPSCHEIN.qtt --ab DATUM\n"
        "        einzahlung NAME BETRAG [--datum DATUM]\n"
        "        auszahlung NAME BETRAG [--datum DATUM]\n"
        "        ausgabe BETRAG TEXT [--datum DATUM]\n"
        "        storno NR\n"
        "        abrechnen [--bis DATUM] [--vorschau]\n"
        "        konten\n"
        "        kasse [--mitglied NAME]\n"
        "      BETRAG in Euro wie 12,50 oder 12.50; --ab, --datum und --bis sind ohne\n"
        "      Angabe heute. Die Gewinne berechnet das Programm aus den Gewinnreihen.\n"
        "\n"
        "Optionen:\n"
        "  --daten ORDNER  dieser Datenordner statt des eigenen\n"
        "  --json          Ergebnis als JSON statt als Text\n"
        "  --help, --hilfe diese \u00DCbersicht\n"
        "  --version       die Version\n"
        "\n"
        "Datumsangaben als JJJJ-MM-TT oder TT.MM.JJJJ.\n"
        "R\u00FCckgabe: 0 erledigt, 1 abgelehnt (Meldung auf der Fehlerausgabe), 2 falscher Aufruf.\n"
        "Solange das Programm mit demselben Datenordner l\u00E4uft, schreibt die Befehlszeile\n"
        "nichts in diesen Ordner.\n");
}
