// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "syndicate/Abrechnung.h"

#include "evaluation/Gewinnauswertung.h"
#include "model/Datum.h"
#include "model/Zustand.h"
#include "syndicate/Buchungen.h"

#include <QHash>
#include <QMap>
#include <QSqlQuery>
#include <QVariant>

#include <array>
#include <map>

namespace {

struct Gebucht
{
    QString zahlen;
    qint64 einsatz = 0;
    qint64 gewinn = 0;
};

// The numbers of a draw as booked: "3,12,25,38,47+7".
QString abrZahlen(const TGewZahlen &z)
{
    QString text;
    for (std::size_t i = 0; i < z.GZ.size(); ++i)
        text += (i ? QStringLiteral(",") : QString()) + QString::number(z.GZ[i]);
    return text + QLatin1Char('+') + QString::number(z.bonus);
}

// The winnings of each draw by the evaluation of the program, keyed by the draw's day number.
class AbrGewinnsammler : public Ergebnisempfaenger
{
public:
    void anfang(const Auswertungsergebnis &, std::size_t) override {}
    void block(const Auswertungsergebnis &ergebnis, std::span<const Ergebniszeile> zeilen) override
    {
        for (const Ergebniszeile &z : zeilen) {
            if (z.klasse == 0)
                continue;
            const double tag = ergebnis.ziehungen[z.ziehung].dat;
            Tagesgewinn &g = gewinne[tag];
            g.cent += Gewinnklassen[z.klasse - 1].Gewinn / (BetragProEuro / 100);
            ++g.klassen[z.klasse - 1];
        }
    }
    struct Tagesgewinn
    {
        Cent cent = 0;
        std::array<int, AnzahlGewinnklassen> klassen{};
    };
    std::map<double, Tagesgewinn> gewinne;
};

QString abrGewinntext(const QDate &tag, const std::array<int, AnzahlGewinnklassen> &klassen)
{
    QStringList teile;
    for (std::size_t k = 0; k < klassen.size(); ++k)
        if (klassen[k] > 0)
            teile << QStringLiteral("%1 \u00D7 %2").arg(klassen[k]).arg(Gewinnklassen[k].Bezeichnung);
    return QStringLiteral("Ziehung vom %1: %2").arg(Buchungen::tagText(tag), teile.join(QStringLiteral(", ")));
}

// The played draws of the history up to `bis`, each day once (the last record of a day counts).
QMap<QDate, TGewZahlen> abrZiehungenBis(const QVector<TGewZahlen> &ziehungen, const QDate &bis)
{
    QMap<QDate, TGewZahlen> tage;
    for (const TGewZahlen &z : ziehungen) {
        const QDate tag = Datum::zuDatum(z.datum);
        if (tag.isValid() && tag <= bis)
            tage.insert(tag, z);
    }
    return tage;
}

int abrReihenAm(const QVector<Schein> &scheine, const QDate &tag)
{
    int reihen = 0;
    for (const Schein &s : scheine)
        if (s.gespieltAm(tag))
            reihen += static_cast<int>(s.reihen.size());
    return reihen;
}

QString abrGebuchtLesen(const Gemeinschaftsdatei &datei, QHash<QDate, Gebucht> &gebucht)
{
    QSqlQuery q(datei.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT ziehung, zahlen, einsatz, gewinn FROM abgerechnet")))
        return datei.fehlertext(q);
    while (q.next())
        gebucht.insert(Buchungen::ausIso(q.value(0).toString()),
                       {q.value(1).toString(), q.value(2).toLongLong(), q.value(3).isNull() ? 0 : q.value(3).toLongLong()});
    return QString();
}

enum class AbrModus {
    Pruefen, // only whether there is anything to book
    Vorschau,
    Buchen
};

// Everything a settling does, as one change (or, for a preview, only what it would do).
QString abrLauf(Gemeinschaft &g, const QVector<TGewZahlen> &ziehungen, const QDate &bis, Cent preis, AbrModus modus,
                Abrechnungsergebnis &ergebnis)
{
    const bool vorschau = modus != AbrModus::Buchen;
    Gemeinschaftsdatei &datei = g.datei();
    ergebnis.eintraege.clear();
    ergebnis.nichtGezogen.clear();
    ergebnis.ziehungen = ergebnis.korrigiert = 0;
    QVector<Mitglied> mitglieder;
    QVector<Schein> scheine;
    QHash<QDate, Gebucht> gebucht;
    QVector<Eintrag> alle;
    if (QString f = Buchungen::mitgliederLesen(datei, mitglieder); !f.isEmpty())
        return f;
    if (QString f = Buchungen::scheineLesen(datei, scheine); !f.isEmpty())
        return f;
    if (QString f = abrGebuchtLesen(datei, gebucht); !f.isEmpty())
        return f;

    const QMap<QDate, TGewZahlen> tage = abrZiehungenBis(ziehungen, bis);
    // The draws to book: played, and not booked or booked with other numbers.
    QVector<QDate> zuBuchen;
    for (auto it = tage.cbegin(); it != tage.cend(); ++it) {
        if (abrReihenAm(scheine, it.key()) == 0)
            continue;
        const auto alt = gebucht.constFind(it.key());
        if (alt == gebucht.cend() || alt->zahlen != abrZahlen(it.value()))
            zuBuchen.append(it.key());
    }
    // Played days after the newest draw the history holds.
    if (!ziehungen.isEmpty()) {
        QDate neueste;
        for (const TGewZahlen &z : ziehungen)
            neueste = std::max(neueste, Datum::zuDatum(z.datum));
        for (QDate tag = neueste.addDays(7); tag.isValid() && tag <= bis; tag = tag.addDays(7))
            if (abrReihenAm(scheine, tag) > 0)
                ergebnis.nichtGezogen.append(tag);
    }
    if (zuBuchen.isEmpty() || modus == AbrModus::Pruefen) {
        ergebnis.ziehungen = static_cast<int>(zuBuchen.size());
        return QString();
    }

    // The winnings by the program's own evaluation, ticket by ticket over the draws it played.
    AbrGewinnsammler sammler;
    for (const Schein &s : std::as_const(scheine)) {
        Zustand zustand;
        zustand.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
        for (const QDate &tag : std::as_const(zuBuchen))
            if (s.gespieltAm(tag))
                zustand.Ziehungen.append(tage.value(tag));
        if (zustand.Ziehungen.isEmpty() || s.reihen.isEmpty())
            continue;
        const int letzte = static_cast<int>(zustand.Ziehungen.size()) - 1;
        GewinnAuswertungBlockweise(zustand, s.reihen, 1, 1, letzte, 0, true, sammler);
    }

    if (!gebucht.isEmpty())
        if (QString f = Buchungen::eintraegeLesen(datei, alle); !f.isEmpty())
            return f;
    QHash<qint64, const Eintrag *> nachNr;
    for (const Eintrag &e : std::as_const(alle))
        nachNr.insert(e.nr, &e);

    QSqlQuery merken(datei.db());
    merken.prepare(QStringLiteral("INSERT OR REPLACE INTO abgerechnet (ziehung, zahlen, einsatz, gewinn) VALUES (?, ?, ?, ?)"));
    for (const QDate &tag : std::as_const(zuBuchen)) {
        const TGewZahlen &ziehung = tage[tag];
        const auto alt = gebucht.constFind(tag);
        const bool korrektur = alt != gebucht.cend();
        const QString zusatz = korrektur ? QStringLiteral(" (Ziehung korrigiert)") : QString();
        // A corrected draw: its stake and winnings as booked are cancelled first.
        if (korrektur) {
            ++ergebnis.korrigiert;
            for (const qint64 nr : {alt->einsatz, alt->gewinn}) {
                const Eintrag *e = nachNr.value(nr);
                if (!e || e->storniertDurch > 0)
                    continue;
                Eintrag s = Buchungen::gegenbuchung(
                    *e, tag,
                    QStringLiteral("Storno von Nr. %1: Ziehung vom %2 korrigiert").arg(nr).arg(Buchungen::tagText(tag)));
                if (!vorschau)
                    if (QString f = Buchungen::schreiben(datei, s); !f.isEmpty())
                        return f;
                ergebnis.eintraege.append(s);
            }
        }
        const int reihen = abrReihenAm(scheine, tag);
        Eintrag einsatz;
        einsatz.datum = tag;
        einsatz.art = Art::Einsatz;
        einsatz.betrag = preis * reihen;
        einsatz.ziehung = tag;
        einsatz.text = QStringLiteral("Ziehung vom %1, %2 Reihen").arg(Buchungen::tagText(tag)).arg(reihen) + zusatz;
        if (QString f = Buchungen::teilen(mitglieder, tag, einsatz.betrag, einsatz.teile); !f.isEmpty())
            return f;
        if (!vorschau)
            if (QString f = Buchungen::schreiben(datei, einsatz); !f.isEmpty())
                return f;
        ergebnis.eintraege.append(einsatz);

        Eintrag gewinn;
        const auto g = sammler.gewinne.find(Datum::ausDatum(tag));
        if (g != sammler.gewinne.end() && g->second.cent > 0) {
            gewinn.datum = tag;
            gewinn.art = Art::Gewinn;
            gewinn.betrag = g->second.cent;
            gewinn.ziehung = tag;
            gewinn.text = abrGewinntext(tag, g->second.klassen) + zusatz;
            if (QString f = Buchungen::teilen(mitglieder, tag, gewinn.betrag, gewinn.teile); !f.isEmpty())
                return f;
            if (!vorschau)
                if (QString f = Buchungen::schreiben(datei, gewinn); !f.isEmpty())
                    return f;
            ergebnis.eintraege.append(gewinn);
        }
        ++ergebnis.ziehungen;
        if (vorschau)
            continue;
        merken.bindValue(0, Buchungen::iso(tag));
        merken.bindValue(1, abrZahlen(ziehung));
        merken.bindValue(2, einsatz.nr);
        merken.bindValue(3, gewinn.nr > 0 ? QVariant(gewinn.nr) : QVariant(QMetaType(QMetaType::LongLong)));
        if (!merken.exec())
            return datei.fehlertext(merken);
    }
    return QString();
}

} // namespace

Abrechnungsergebnis Abrechnen(Gemeinschaft &gemeinschaft, const QVector<TGewZahlen> &ziehungen, const QDate &bis,
                              Cent reihenpreisCent, bool vorschau)
{
    Abrechnungsergebnis ergebnis;
    Gemeinschaftsdatei &datei = gemeinschaft.datei();
    // First a look without a lock: when nothing is to be booked the file is not written at all,
    // not even its backup.
    ergebnis.fehler = datei.lesen([&] {
        return abrLauf(gemeinschaft, ziehungen, bis, reihenpreisCent, vorschau ? AbrModus::Vorschau : AbrModus::Pruefen,
                       ergebnis);
    });
    if (!ergebnis.fehler.isEmpty() || vorschau || ergebnis.ziehungen == 0)
        return ergebnis;
    // Then again under the write lock: another program may have booked meanwhile.
    ergebnis.fehler =
        datei.aendern([&] { return abrLauf(gemeinschaft, ziehungen, bis, reihenpreisCent, AbrModus::Buchen, ergebnis); });
    if (!ergebnis.fehler.isEmpty()) {
        ergebnis.eintraege.clear();
        ergebnis.ziehungen = ergebnis.korrigiert = 0;
    }
    return ergebnis;
}

QString OffeneEinsaetze(Gemeinschaft &gemeinschaft, const QVector<TGewZahlen> &ziehungen, Cent reihenpreisCent,
                        int anzahl, QVector<OffenerEinsatz> &offen)
{
    offen.clear();
    Kontenstand stand;
    QVector<Mitglied> mitglieder;
    QVector<Schein> scheine;
    if (QString f = gemeinschaft.kontenLesen(stand, QDate::currentDate()); !f.isEmpty())
        return f;
    if (QString f = gemeinschaft.mitgliederLesen(mitglieder); !f.isEmpty())
        return f;
    if (QString f = gemeinschaft.scheineLesen(scheine); !f.isEmpty())
        return f;
    // The next played draw days after the newest booked one: those the history has, then weekly.
    QVector<QDate> tage;
    const QDate letzte = stand.abgerechnetBis;
    QDate neueste;
    for (const TGewZahlen &z : ziehungen) {
        const QDate tag = Datum::zuDatum(z.datum);
        neueste = std::max(neueste, tag);
        if (tag.isValid() && (!letzte.isValid() || tag > letzte) && abrReihenAm(scheine, tag) > 0 &&
            !tage.contains(tag))
            tage.append(tag);
    }
    std::sort(tage.begin(), tage.end());
    if (tage.size() > anzahl)
        tage.resize(anzahl);
    QDate tag = neueste.isValid() ? neueste : QDate::currentDate();
    // Ten years ahead at most: tickets that end are played on no later day.
    for (int woche = 0; tage.size() < anzahl && woche < 520; ++woche) {
        tag = tag.addDays(7);
        if ((!letzte.isValid() || tag > letzte) && abrReihenAm(scheine, tag) > 0)
            tage.append(tag);
    }
    QHash<qint64, Cent> benoetigt;
    for (const QDate &t : std::as_const(tage)) {
        QVector<Teil> teile;
        if (!Buchungen::teilen(mitglieder, t, reihenpreisCent * abrReihenAm(scheine, t), teile).isEmpty())
            continue;
        for (const Teil &teil : std::as_const(teile))
            benoetigt[teil.mitgliedId] += teil.betrag;
    }
    for (const Konto &k : std::as_const(stand.konten)) {
        const Cent noetig = benoetigt.value(k.mitgliedId);
        if (noetig > 0 && k.saldo() < noetig)
            offen.append({k.name, k.saldo(), noetig});
    }
    return QString();
}
