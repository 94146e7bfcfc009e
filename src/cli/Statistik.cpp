// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "model/Datum.h"
#include "statistics/Kombistatistik.h"
#include "statistics/Musterstatistik.h"
#include "statistics/Statistik.h"
#include "statistics/Zusatzzahlstatistik.h"

#include <QRegularExpression>

#include <QJsonArray>

namespace {
// "zahl: anzahl" pairs, seven to a line, as the numbers stand on the ticket.
QString paare(const QVector<std::pair<int, int>> &liste)
{
    QString text;
    for (qsizetype i = 0; i < liste.size(); ++i) {
        text += QStringLiteral("%1: %2").arg(liste[i].first, 2).arg(liste[i].second, -6);
        text += (i % 7 == 6 || i + 1 == liste.size()) ? QStringLiteral("\n") : QStringLiteral("  ");
    }
    return text.replace(QRegularExpression(QStringLiteral(" +\\n")), QStringLiteral("\n"));
}

void ranglisteJson(JsonStrom &json, const QString &name, const Rangliste &liste, int k)
{
    json.listeAnfangen(name);
    for (const Rangzeile &zeile : liste) {
        QJsonArray zahlen;
        for (int i = 0; i < k; ++i)
            zahlen.append(zeile.zahlen[static_cast<std::size_t>(i)]);
        json.objektAnfangen();
        json.wert(QStringLiteral("zahlen"), zahlen);
        json.wert(QStringLiteral("anzahl"), qint64{zeile.Anzahl});
        json.beenden();
    }
    json.beenden();
}

void zusatzzahlenJson(JsonStrom &json, const Zusatzzahlauswertung &auswertung)
{
    json.listeAnfangen(QStringLiteral("zusatzzahlen"));
    for (const Zusatzzahlzeile &z : auswertung.zeilen) {
        json.objektAnfangen();
        json.wert(QStringLiteral("zahl"), z.zahl);
        json.wert(QStringLiteral("anzahl"), z.anzahl);
        json.wert(QStringLiteral("ausgeblieben"), z.ausgeblieben);
        json.beenden();
    }
    json.beenden();
}

// Written member by member: a QJsonObject would sort the keys, and the README promises its order.
void musterJson(JsonStrom &json, const Musterauswertung &auswertung)
{
    json.objektAnfangen(QStringLiteral("muster"));
    for (const Musterergebnis &m : auswertung.muster) {
        json.objektAnfangen(Musterschluessel(m.art));
        json.listeAnfangen(QStringLiteral("werte"));
        for (const Musterzeile &z : m.werte) {
            json.objektAnfangen();
            json.wert(QStringLiteral("wert"), z.wert);
            json.wert(QStringLiteral("anzahlAlle"), qint64{z.anzahlAlle});
            json.wert(QStringLiteral("beobachtet"), qint64{z.beobachtet});
            json.wert(QStringLiteral("erwartet"), z.erwartet);
            json.beenden();
        }
        json.beenden();
        json.listeAnfangen(QStringLiteral("klassen"));
        for (const Testklasse &k : m.test.klassen) {
            json.objektAnfangen();
            json.wert(QStringLiteral("von"), k.von);
            json.wert(QStringLiteral("bis"), k.bis);
            json.wert(QStringLiteral("beobachtet"), qint64{k.beobachtet});
            json.wert(QStringLiteral("erwartet"), k.erwartet);
            json.beenden();
        }
        json.beenden();
        json.wert(QStringLiteral("chiQuadrat"), m.test.chiQuadrat);
        json.wert(QStringLiteral("freiheitsgrade"), m.test.freiheitsgrade);
        json.wert(QStringLiteral("p"), m.test.p ? QJsonValue(*m.test.p) : QJsonValue());
        json.beenden();
    }
    json.beenden();
}

// Each pattern as a table of its values, observed beside expected, and the test in words.
QString musterText(const Musterauswertung &auswertung, const QLocale &locale)
{
    QString text;
    for (const Musterergebnis &m : auswertung.muster) {
        QVector<QStringList> zeilen;
        for (const Musterzeile &z : m.werte)
            zeilen.append({QString::number(z.wert), locale.toString(z.anzahlAlle), QString::number(z.beobachtet),
                           locale.toString(z.erwartet, 'f', 2)});
        text += QStringLiteral("\n%1:\n").arg(Musterbezeichnung(m.art)) +
                Textspalten({QStringLiteral("Wert"), QStringLiteral("unter allen Reihen"), QStringLiteral("beobachtet"),
                             QStringLiteral("erwartet")},
                            zeilen, {true, true, true, true});
        if (m.test.p)
            text += QStringLiteral("Chi-Quadrat %1 bei %2 Freiheitsgraden. ")
                        .arg(locale.toString(m.test.chiQuadrat, 'f', 2))
                        .arg(m.test.freiheitsgrade);
        text += Testsatz(m.test) + QLatin1Char('\n');
    }
    return text;
}

// A list may hold every quadruple: its columns are measured on the ranks and counts, and its
// lines written one by one.
void ranglisteText(Ausgabestrom &aus, const Rangliste &liste)
{
    const QStringList kopf{QStringLiteral("Rang"), QStringLiteral("Kombination"), QStringLiteral("Anzahl")};
    Spaltensatz satz{{kopf[0].size(), kopf[1].size(), kopf[2].size()}, {true, false, true}};
    satz.breiten[0] = std::max(satz.breiten[0], QString::number(liste.size()).size());
    for (const Rangzeile &zeile : liste) {
        satz.breiten[1] = std::max(satz.breiten[1], Kombitext(zeile).size());
        satz.breiten[2] = std::max(satz.breiten[2], QString::number(zeile.Anzahl).size());
    }
    aus.schreibe(satz.zeile(kopf));
    for (std::size_t i = 0; i < liste.size(); ++i)
        aus.schreibe(satz.zeile({QString::number(i + 1), Kombitext(liste[i]), QString::number(liste[i].Anzahl)}));
}
} // namespace

int Statistik(const Aufruf &a)
{
    const Datumsgrenzen grenzen = DatumsgrenzenLesen(a);
    if (!grenzen.fehler.isEmpty())
        return Falschaufruf(grenzen.fehler);
    const std::optional<QDate> &von = grenzen.von;
    const std::optional<QDate> &bis = grenzen.bis;

    int k = 0;
    if (a.hat(QStringLiteral("kombis"))) {
        const std::optional<int> groesse = ZahlLesen(a.wert(QStringLiteral("kombis")), 2, 4);
        if (!groesse)
            return Falschaufruf(QStringLiteral("\u201E--kombis\u201C nimmt 2, 3 oder 4, nicht \u201E%1\u201C.")
                                    .arg(a.wert(QStringLiteral("kombis"))));
        k = *groesse;
    }

    Zustand zustand;
    zustand.Formateinstellungen = Textformat();
    Historie historie = HistorieLesen(a.datenordner);
    if (!historie.fehler.isEmpty())
        return Ablehnen(historie.fehler);
    zustand.Ziehungen = std::move(historie.ziehungen);
    const Zeitraum zeitraum = ZeitraumWaehlen(zustand.Ziehungen, von, bis, true, zustand.Formateinstellungen);
    if (!zeitraum.fehler.isEmpty())
        return Ablehnen(zeitraum.fehler);

    StatistikStart(zustand);
    TeilStatistik(zustand, zeitraum.von, zeitraum.bis);
    QVector<std::pair<int, int>> haeufigkeiten;
    for (int n = 1; n <= MaxZahl; ++n)
        haeufigkeiten.append({n, zustand.Haeufigkeiten[static_cast<std::size_t>(n)]});
    QVector<std::pair<int, int>> ausgeblieben;
    for (const Ausgebliebene &aus : Ausgeblieben(zustand, zeitraum.von, zeitraum.bis))
        ausgeblieben.append({aus.zahl, aus.anzahl});
    const bool mitMuster = a.hat(QStringLiteral("muster"));
    Musterauswertung muster;
    if (mitMuster)
        muster = MusterAuswerten(zustand.Ziehungen, zeitraum.von, zeitraum.bis);
    Favoriten kombis;
    if (k > 0) {
        Kombitabelle tabelle = KombisErzeugen(k);
        kombis = KombinationenFavoriten(tabelle, zustand.Ziehungsmengen, zeitraum.von, zeitraum.bis);
    }

    Ausgabestrom aus;
    if (a.json) {
        const auto liste = [](JsonStrom &json, const QString &name, const QVector<std::pair<int, int>> &werte) {
            json.listeAnfangen(name);
            for (const auto &[zahl, anzahl] : werte) {
                json.objektAnfangen();
                json.wert(QStringLiteral("zahl"), zahl);
                json.wert(QStringLiteral("anzahl"), anzahl);
                json.beenden();
            }
            json.beenden();
        };
        JsonStrom json(aus);
        json.objektAnfangen(QStringLiteral("zeitraum"));
        json.wert(QStringLiteral("von"), IsoDatum(zustand.Ziehungen[zeitraum.von].datum));
        json.wert(QStringLiteral("bis"), IsoDatum(zustand.Ziehungen[zeitraum.bis].datum));
        json.wert(QStringLiteral("ziehungen"), zeitraum.bis - zeitraum.von + 1);
        json.beenden();
        liste(json, QStringLiteral("haeufigkeiten"), haeufigkeiten);
        liste(json, QStringLiteral("ausgeblieben"), ausgeblieben);
        if (k > 0) {
            json.objektAnfangen(QStringLiteral("kombis"));
            json.wert(QStringLiteral("groesse"), k);
            ranglisteJson(json, QStringLiteral("haeufigste"), kombis.haeufigste, k);
            ranglisteJson(json, QStringLiteral("seltenste"), kombis.seltenste, k);
            json.beenden();
        }
        zusatzzahlenJson(json, Zusatzzahlen(zustand.Ziehungen, zeitraum.von, zeitraum.bis));
        if (mitMuster)
            musterJson(json, muster);
        json.beenden();
        return aus.beenden() ? Erfolg : AusgabeFehlgeschlagen();
    }
    const QLocale &locale = zustand.Formateinstellungen;
    QString text = QStringLiteral("Zeitraum: %1 bis %2 (%3 Ziehungen)\n\n")
                       .arg(Datum::kurz(zustand.Ziehungen[zeitraum.von].datum, locale),
                            Datum::kurz(zustand.Ziehungen[zeitraum.bis].datum, locale))
                       .arg(zeitraum.bis - zeitraum.von + 1);
    text += QStringLiteral("So oft gezogen (Zahl: Anzahl):\n") + paare(haeufigkeiten);
    text += QStringLiteral("\nSo viele Ziehungen ausgeblieben, am l\u00E4ngsten zuerst (Zahl: Ziehungen):\n") +
            paare(ausgeblieben);
    aus.schreibe(text);
    if (k > 0) {
        aus.schreibe(QStringLiteral("\nAm h\u00E4ufigsten gezogene %1er-Kombinationen:\n").arg(k));
        ranglisteText(aus, kombis.haeufigste);
        aus.schreibe(QStringLiteral("\nAm seltensten gezogene %1er-Kombinationen:\n").arg(k));
        ranglisteText(aus, kombis.seltenste);
    }
    if (mitMuster)
        aus.schreibe(musterText(muster, locale));
    return aus.beenden() ? Erfolg : AusgabeFehlgeschlagen();
}
