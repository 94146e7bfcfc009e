// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "model/Datum.h"
#include "model/Eigendateien.h"
#include "model/Spiel.h"
#include "syndicate/Abrechnung.h"
#include "syndicate/Gemeinschaft.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonValue>

#include <array>
#include <functional>
#include <optional>

// quintaro-analyser-cli gemeinschaft DATEI BEFEHL …: the syndicate ledger for scripts.
namespace {

const QLocale gemDeutsch(QLocale::German, QLocale::Germany);

struct Unterbefehl
{
    const char *name;   // "mitglied hinzufuegen": the words after DATEI
    int angaben;        // further arguments after the words
    std::array<const char *, 4> optionen;
    const char *aufruf; // how it is called, for the message of a wrong call
};

const std::array<Unterbefehl, 13> Unterbefehle{{
    {"anlegen", 0, {"name"}, "anlegen [--name NAME]"},
    {"mitglied hinzufuegen", 1, {"anteile", "ab", "email"}, "mitglied hinzufuegen NAME --anteile N [--ab DATUM] [--email ADRESSE]"},
    {"mitglied anteile", 2, {"ab"}, "mitglied anteile NAME N --ab DATUM"},
    {"mitglied austritt", 1, {"ab"}, "mitglied austritt NAME --ab DATUM"},
    {"schein hinzufuegen", 1, {"ab"}, "schein hinzufuegen TIPPSCHEIN.qtt [--ab DATUM]"},
    {"schein entfernen", 1, {"ab"}, "schein entfernen TIPPSCHEIN.qtt --ab DATUM"},
    {"einzahlung", 2, {"datum"}, "einzahlung NAME BETRAG [--datum DATUM]"},
    {"auszahlung", 2, {"datum"}, "auszahlung NAME BETRAG [--datum DATUM]"},
    {"ausgabe", 2, {"datum"}, "ausgabe BETRAG TEXT [--datum DATUM]"},
    {"storno", 1, {}, "storno NR"},
    {"abrechnen", 0, {"bis", "vorschau"}, "abrechnen [--bis DATUM] [--vorschau]"},
    {"konten", 0, {}, "konten [--json]"},
    {"kasse", 0, {"mitglied"}, "kasse [--json] [--mitglied NAME]"},
}};

QString gemTag(const QDate &tag)
{
    return Datum::kurz(tag, gemDeutsch);
}

QString anteileText(int anzahl)
{
    return anzahl == 1 ? QStringLiteral("1 Anteil") : QStringLiteral("%1 Anteile").arg(anzahl);
}

QString gemAnf(const QString &text)
{
    return QStringLiteral("\u201E%1\u201C").arg(text);
}

// The command's words and its further arguments, or the message of a wrong call.
struct Zerlegt
{
    const Unterbefehl *befehl = nullptr;
    QStringList angaben;
    QString fehler;
};

Zerlegt zerlegen(const Aufruf &a)
{
    Zerlegt z;
    if (a.argumente.size() < 2) {
        z.fehler = QStringLiteral("Dem Befehl \u201Egemeinschaft\u201C fehlt eine Angabe: DATEI und BEFEHL.");
        return z;
    }
    for (const Unterbefehl &u : Unterbefehle) {
        const QStringList worte = QString::fromLatin1(u.name).split(QLatin1Char(' '));
        if (a.argumente.mid(1, worte.size()) != worte)
            continue;
        z.befehl = &u;
        z.angaben = a.argumente.mid(1 + worte.size());
        break;
    }
    if (!z.befehl) {
        z.fehler = QStringLiteral("Unbekannter Befehl der Tippgemeinschaft: %1.")
                       .arg(gemAnf(a.argumente.mid(1).join(QLatin1Char(' '))));
        return z;
    }
    const QString aufruf = QStringLiteral("gemeinschaft DATEI ") + QString::fromLatin1(z.befehl->aufruf);
    for (auto it = a.optionen.cbegin(); it != a.optionen.cend(); ++it) {
        bool bekannt = false;
        for (const char *o : z.befehl->optionen)
            bekannt = bekannt || (o && it.key() == QLatin1String(o));
        if (!bekannt) {
            z.fehler = QStringLiteral("Die Option \u201E--%1\u201C geh\u00F6rt nicht zu %2.").arg(it.key(), gemAnf(aufruf));
            return z;
        }
    }
    if (z.angaben.size() != z.befehl->angaben)
        z.fehler = QStringLiteral("Falsche Angaben; der Aufruf ist: %1").arg(aufruf);
    return z;
}

// A date option, today when not given; nullopt and the message when it is no date.
std::optional<QDate> datumOption(const Aufruf &a, const QString &name, QString &fehler)
{
    if (!a.hat(name))
        return QDate::currentDate();
    const std::optional<QDate> d = DatumLesen(a.wert(name));
    if (!d)
        fehler = QStringLiteral("\u201E%1\u201C ist kein Datum (JJJJ-MM-TT oder TT.MM.JJJJ).").arg(a.wert(name));
    return d;
}

QString geldText(Cent cent)
{
    return CentText(cent, gemDeutsch);
}

void eintragJson(JsonStrom &json, const Eintrag &e)
{
    json.objektAnfangen();
    json.wert(QStringLiteral("nr"), e.nr > 0 ? QJsonValue(e.nr) : QJsonValue(QJsonValue::Null));
    json.wert(QStringLiteral("datum"), e.datum.toString(Qt::ISODate));
    json.wert(QStringLiteral("art"), ArtText(e.art));
    json.wert(QStringLiteral("mitglied"), e.geteilt() ? QJsonValue(QJsonValue::Null) : QJsonValue(e.mitglied));
    json.wert(QStringLiteral("betragCent"), e.betrag);
    json.wert(QStringLiteral("text"), e.text);
    json.wert(QStringLiteral("storniert"), e.storniert > 0 ? QJsonValue(e.storniert) : QJsonValue(QJsonValue::Null));
    json.listeAnfangen(QStringLiteral("teile"));
    if (e.geteilt())
        for (const Teil &t : e.teile) {
            json.objektAnfangen();
            json.wert(QStringLiteral("mitglied"), t.mitglied);
            json.wert(QStringLiteral("betragCent"), t.betrag);
            json.beenden();
        }
    json.beenden();
    json.beenden();
}

QString eintragZeile(const Eintrag &e)
{
    // Fixed columns for number, date, kind and amount; the member and the text follow.
    QString zeile = QStringLiteral("%1  %2  %3  %4  %5")
                        .arg((e.nr > 0 ? QStringLiteral("Nr. %1").arg(e.nr) : QStringLiteral("Vorschau")).leftJustified(10),
                             gemTag(e.datum), ArtText(e.art).leftJustified(10), geldText(e.betrag).rightJustified(14),
                             e.geteilt() ? QStringLiteral("alle Mitglieder") : e.mitglied);
    if (!e.text.isEmpty())
        zeile += QStringLiteral("  ") + e.text;
    return zeile + QLatin1Char('\n');
}

// Writes the entries as the command's result: JSON {"eintraege": […]} or one line each.
int eintraegeAusgeben(const Aufruf &a, const QVector<Eintrag> &eintraege, const QString &textVorher = {},
                      const std::function<void(JsonStrom &)> &mehr = {})
{
    Ausgabestrom aus;
    if (a.json) {
        JsonStrom json(aus);
        json.listeAnfangen(QStringLiteral("eintraege"));
        for (const Eintrag &e : eintraege)
            eintragJson(json, e);
        json.beenden();
        if (mehr)
            mehr(json);
        json.beenden();
    } else {
        aus.schreibe(textVorher);
        for (const Eintrag &e : eintraege)
            aus.schreibe(eintragZeile(e));
    }
    return aus.beenden() ? Erfolg : AusgabeFehlgeschlagen();
}

int kontenAusgeben(const Aufruf &a, const Kontenstand &stand)
{
    if (a.json) {
        Ausgabestrom aus;
        JsonStrom json(aus);
        json.listeAnfangen(QStringLiteral("mitglieder"));
        for (const Konto &k : stand.konten) {
            json.objektAnfangen();
            json.wert(QStringLiteral("name"), k.name);
            json.wert(QStringLiteral("anteile"), k.anteile);
            json.wert(QStringLiteral("eingezahltCent"), k.eingezahlt);
            json.wert(QStringLiteral("einsatzCent"), k.einsatz);
            json.wert(QStringLiteral("ausgabenCent"), k.ausgaben);
            json.wert(QStringLiteral("gewinnCent"), k.gewinn);
            json.wert(QStringLiteral("ausgezahltCent"), k.ausgezahlt);
            json.wert(QStringLiteral("saldoCent"), k.saldo());
            json.beenden();
        }
        json.beenden();
        json.wert(QStringLiteral("kasseCent"), stand.kasse);
        json.wert(QStringLiteral("abgerechnetBis"), stand.abgerechnetBis.isValid()
                                                         ? QJsonValue(stand.abgerechnetBis.toString(Qt::ISODate))
                                                         : QJsonValue(QJsonValue::Null));
        json.beenden();
        return aus.beenden() ? Erfolg : AusgabeFehlgeschlagen();
    }
    QVector<QStringList> zeilen;
    for (const Konto &k : stand.konten)
        zeilen.append({k.name, QString::number(k.anteile), geldText(k.eingezahlt), geldText(k.einsatz),
                       geldText(k.ausgaben), geldText(k.gewinn), geldText(k.ausgezahlt), geldText(k.saldo())});
    QString text = Textspalten({QStringLiteral("Mitglied"), QStringLiteral("Anteile"), QStringLiteral("Eingezahlt"),
                                QStringLiteral("Einsatz"), QStringLiteral("Ausgaben"), QStringLiteral("Gewinn"),
                                QStringLiteral("Ausgezahlt"), QStringLiteral("Saldo")},
                               zeilen, {false, true, true, true, true, true, true, true});
    text += QStringLiteral("\nKasse: %1\n").arg(CentWaehrung(stand.kasse, gemDeutsch));
    text += stand.abgerechnetBis.isValid()
                ? QStringLiteral("Abgerechnet bis: %1\n").arg(gemTag(stand.abgerechnetBis))
                : QStringLiteral("Noch nichts abgerechnet.\n");
    Ausgabestrom aus;
    aus.schreibe(text);
    return aus.beenden() ? Erfolg : AusgabeFehlgeschlagen();
}

} // namespace

int GemeinschaftBefehl(const Aufruf &a)
{
    const Zerlegt z = zerlegen(a);
    if (!z.fehler.isEmpty())
        return Falschaufruf(z.fehler);
    const QString datei = a.argumente.constFirst();
    const QString befehl = QString::fromLatin1(z.befehl->name);
    const QStringList &w = z.angaben;

    // What the call says is checked before the file is touched: a wrong call changes nothing.
    QString fehler;
    std::optional<Cent> betrag;
    if (befehl == QLatin1String("einzahlung") || befehl == QLatin1String("auszahlung") ||
        befehl == QLatin1String("ausgabe")) {
        const QString text = befehl == QLatin1String("ausgabe") ? w[0] : w[1];
        betrag = CentAusText(text);
        if (!betrag)
            return Falschaufruf(QStringLiteral("\u201E%1\u201C ist kein Betrag: Euro mit h\u00F6chstens zwei "
                                               "Nachkommastellen nach \u201E,\u201C oder \u201E.\u201C, ohne "
                                               "Tausenderpunkte, gr\u00F6\u00DFer als 0 (etwa 12,50).")
                                    .arg(text));
    }
    const QString datumName = befehl == QLatin1String("abrechnen") ? QStringLiteral("bis")
                              : a.hat(QStringLiteral("datum"))      ? QStringLiteral("datum")
                                                                    : QStringLiteral("ab");
    const std::optional<QDate> datum = datumOption(a, datumName, fehler);
    if (!datum)
        return Falschaufruf(fehler);
    if ((befehl == QLatin1String("mitglied anteile") || befehl == QLatin1String("mitglied austritt") ||
         befehl == QLatin1String("schein entfernen")) &&
        !a.hat(QStringLiteral("ab")))
        return Falschaufruf(QStringLiteral("Der Befehl %1 braucht \u201E--ab DATUM\u201C.").arg(gemAnf(befehl)));
    std::optional<int> anteile;
    if (befehl == QLatin1String("mitglied hinzufuegen") || befehl == QLatin1String("mitglied anteile")) {
        const QString text = befehl == QLatin1String("mitglied anteile") ? w[1] : a.wert(QStringLiteral("anteile"));
        if (befehl == QLatin1String("mitglied hinzufuegen") && !a.hat(QStringLiteral("anteile")))
            return Falschaufruf(QStringLiteral("Der Befehl \u201Emitglied hinzufuegen\u201C braucht \u201E--anteile N\u201C."));
        anteile = ZahlLesen(text, 1, 1'000'000);
        if (!anteile)
            return Falschaufruf(QStringLiteral("\u201E%1\u201C ist keine Zahl von Anteilen (1 bis 1000000).").arg(text));
    }
    std::optional<qint64> nr;
    if (befehl == QLatin1String("storno")) {
        nr = GanzzahlLesen(w[0]);
        if (!nr || *nr < 1)
            return Falschaufruf(QStringLiteral("\u201E%1\u201C ist keine Nummer einer Buchung.").arg(w[0]));
    }

    Gemeinschaft g;
    if (befehl == QLatin1String("anlegen")) {
        if (const QString eigen = Eigendateien::pruefen(datei, a.datenordner); !eigen.isEmpty())
            return Ablehnen(eigen);
        if (QString f = g.anlegen(datei, a.wert(QStringLiteral("name"))); !f.isEmpty())
            return Ablehnen(f);
        return eintraegeAusgeben(a, {}, QStringLiteral("Tippgemeinschaft %1 angelegt: %2\n").arg(gemAnf(g.name()), datei));
    }
    if (QString f = g.oeffnen(datei); !f.isEmpty())
        return Ablehnen(f);

    QVector<Eintrag> gebucht;
    QString meldung;
    if (befehl == QLatin1String("mitglied hinzufuegen")) {
        fehler = g.mitgliedHinzufuegen(w[0], *anteile, *datum, a.wert(QStringLiteral("email")));
        meldung = QStringLiteral("Mitglied %1 aufgenommen: %2 ab dem %3.\n")
                      .arg(gemAnf(w[0].trimmed()), anteileText(*anteile), gemTag(*datum));
    } else if (befehl == QLatin1String("mitglied anteile")) {
        fehler = g.anteileAendern(w[0], *anteile, *datum);
        meldung = QStringLiteral("%1 hat ab dem %2 %3.\n").arg(gemAnf(w[0].trimmed()), gemTag(*datum), anteileText(*anteile));
    } else if (befehl == QLatin1String("mitglied austritt")) {
        fehler = g.austritt(w[0], *datum);
        meldung = QStringLiteral("%1 tritt zum %2 aus.\n").arg(gemAnf(w[0].trimmed()), gemTag(*datum));
    } else if (befehl == QLatin1String("schein hinzufuegen")) {
        fehler = g.scheinHinzufuegen(w[0], *datum);
        meldung = QStringLiteral("Tippschein %1 wird ab dem %2 gespielt.\n").arg(gemAnf(QFileInfo(w[0]).fileName()), gemTag(*datum));
    } else if (befehl == QLatin1String("schein entfernen")) {
        fehler = g.scheinEntfernen(w[0], *datum);
        meldung = QStringLiteral("Tippschein %1 wird ab dem %2 nicht mehr gespielt.\n").arg(gemAnf(QFileInfo(w[0]).fileName()), gemTag(*datum));
    } else if (befehl == QLatin1String("einzahlung")) {
        fehler = g.einzahlung(w[0], *betrag, *datum, &gebucht);
    } else if (befehl == QLatin1String("auszahlung")) {
        fehler = g.auszahlung(w[0], *betrag, *datum, &gebucht);
    } else if (befehl == QLatin1String("ausgabe")) {
        fehler = g.ausgabe(*betrag, w[1], *datum, &gebucht);
    } else if (befehl == QLatin1String("storno")) {
        fehler = g.storno(*nr, QDate::currentDate(), &gebucht);
    } else if (befehl == QLatin1String("abrechnen")) {
        const Historie h = HistorieLesen(a.datenordner);
        if (!h.fehler.isEmpty())
            return Ablehnen(h.fehler);
        const Cent preis = ReihenpreisInCent(ReihenpreisLesen(a.datenordner, gemDeutsch));
        const bool vorschau = a.hat(QStringLiteral("vorschau"));
        const Abrechnungsergebnis e = Abrechnen(g, h.ziehungen, *datum, preis, vorschau);
        if (!e.fehler.isEmpty())
            return Ablehnen(e.fehler);
        QString text = vorschau ? QStringLiteral("Vorschau: %1 Ziehungen w\u00FCrden bis zum %2 abgerechnet.\n")
                                : QStringLiteral("%1 Ziehungen bis zum %2 abgerechnet.\n");
        text = text.arg(e.ziehungen).arg(gemTag(*datum));
        if (e.korrigiert > 0)
            text += QStringLiteral("Davon %1 nach einer Korrektur der Ziehung neu gebucht.\n").arg(e.korrigiert);
        for (const QDate &t : e.nichtGezogen)
            text += QStringLiteral("%1: noch nicht gezogen\n").arg(gemTag(t));
        QJsonArray offen;
        for (const QDate &t : e.nichtGezogen)
            offen.append(t.toString(Qt::ISODate));
        // A preview books nothing: its JSON "eintraege" stays empty, the plan stands beside it.
        const QVector<Eintrag> gezeigt = vorschau && a.json ? QVector<Eintrag>() : e.eintraege;
        return eintraegeAusgeben(a, gezeigt, text, [&](JsonStrom &json) {
            if (vorschau) {
                // The booking a settling would make, numbers null; "eintraege" stays empty.
                json.listeAnfangen(QStringLiteral("vorschau"));
                for (const Eintrag &x : e.eintraege)
                    eintragJson(json, x);
                json.beenden();
            }
            json.wert(QStringLiteral("nichtGezogen"), offen);
        });
    } else if (befehl == QLatin1String("konten")) {
        Kontenstand stand;
        if (QString f = g.kontenLesen(stand, QDate::currentDate()); !f.isEmpty())
            return Ablehnen(f);
        return kontenAusgeben(a, stand);
    } else if (befehl == QLatin1String("kasse")) {
        Kassenfilter filter;
        if (a.hat(QStringLiteral("mitglied"))) {
            QVector<Mitglied> mitglieder;
            if (QString f = g.mitgliederLesen(mitglieder); !f.isEmpty())
                return Ablehnen(f);
            const QString name = a.wert(QStringLiteral("mitglied")).trimmed();
            for (const Mitglied &m : mitglieder)
                if (m.name == name)
                    filter.mitgliedId = m.id;
            if (!filter.mitgliedId)
                return Ablehnen(Gemeinschaft::unbekanntesMitglied(name));
        }
        QVector<Eintrag> eintraege;
        if (QString f = g.kasseLesen(eintraege, filter); !f.isEmpty())
            return Ablehnen(f);
        return eintraegeAusgeben(a, eintraege);
    }
    if (!fehler.isEmpty())
        return Ablehnen(fehler);
    return eintraegeAusgeben(a, gebucht, meldung);
}
