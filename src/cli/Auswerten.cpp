// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "evaluation/Gewinnauswertung.h"

#include <QFileInfo>
#include <QJsonArray>

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <span>

namespace {
qint64 cent(Betrag betrag)
{
    return betrag / (BetragProEuro / 100);
}
double prozent(Betrag ruecklauf)
{
    return static_cast<double>(ruecklauf) / static_cast<double>(BetragProEuro);
}

// Writes the result list as it comes, in columns of fixed widths: each wide enough for the
// widest text it can hold, so no row has to be seen before the first is written.
class Textausgabe : public Ergebnisempfaenger
{
public:
    Textausgabe(Ausgabestrom &aus, const QString &schein, int reihen) : m_aus(aus), m_schein(schein), m_reihen(reihen)
    {
    }

    void anfang(const Auswertungsergebnis &e, std::size_t) override
    {
        QString text = QStringLiteral("Tippschein: %1 (%2 Reihen, Anteile: %3 von %4)\n")
                           .arg(QFileInfo(m_schein).fileName())
                           .arg(m_reihen)
                           .arg(e.antMeine)
                           .arg(e.antGes);
        text += QStringLiteral("Zeitraum: %1").arg(e.ziehungen.constFirst().SDatum);
        if (e.ziehungen.size() > 1)
            text +=
                QStringLiteral(" bis %1 (%2 Ziehungen)").arg(e.ziehungen.constLast().SDatum).arg(e.ziehungen.size());
        text += QStringLiteral("\n\n");

        m_satz.rechts = {false, false, true, true, true};
        m_satz.breiten.resize(ErgebnisSpalten);
        for (int s = 0; s < ErgebnisSpalten; ++s)
            m_satz.breiten[s] = std::max(ErgebnisKopf[static_cast<std::size_t>(s)].size(), qsizetype{3}); // "---"
        for (const TGewAusw &z : e.ziehungen)
            m_satz.breiten[0] = std::max(m_satz.breiten[0], z.SDatum.size());
        m_satz.breiten[2] = std::max(m_satz.breiten[2], QString::number(m_reihen).size());
        for (std::size_t k = 0; k < Gewinnklassen.size(); ++k) {
            m_satz.breiten[1] = std::max(m_satz.breiten[1], Gewinnklassen[k].Bezeichnung.size());
            m_satz.breiten[3] = std::max(m_satz.breiten[3], e.gewinnTexte[k].size());
            m_satz.breiten[4] = std::max(m_satz.breiten[4], e.anteilTexte[k].size());
        }
        QStringList kopf;
        for (const QString &k : ErgebnisKopf)
            kopf << k;
        text += m_satz.zeile(kopf);
        m_aus.schreibe(text);

        // A winning row is its date column, then what its class gives before and after the row
        // number.
        m_leerDatum = QByteArray(m_satz.breiten[0], ' ');
        for (std::size_t k = 0; k < Gewinnklassen.size(); ++k) {
            m_vorReihe[k] = (QStringLiteral("  ") + Gewinnklassen[k].Bezeichnung.leftJustified(m_satz.breiten[1]) +
                             QStringLiteral("  "))
                                .toUtf8();
            m_nachReihe[k] =
                (QStringLiteral("  ") + e.gewinnTexte[k].rightJustified(m_satz.breiten[3]) + QStringLiteral("  ") +
                 e.anteilTexte[k].rightJustified(m_satz.breiten[4]) + QLatin1Char('\n'))
                    .toUtf8();
        }
    }

    void block(const Auswertungsergebnis &e, std::span<const Ergebniszeile> zeilen) override
    {
        const QString &datum = e.ziehungen[zeilen.front().ziehung].SDatum;
        if (zeilen.front().klasse == 0) {
            m_aus.schreibe(m_satz.zeile({datum, QStringLiteral("---"), QStringLiteral("---"), QStringLiteral("---")}));
            return;
        }
        const QByteArray datumsspalte = datum.leftJustified(m_satz.breiten[0]).toUtf8();
        const auto breite = static_cast<std::size_t>(m_satz.breiten[2]);
        // Each line is put together in the output's block: its pieces copied, the row number
        // right-aligned by hand.
        for (const Ergebniszeile &z : zeilen) {
            const std::size_t k = z.klasse - 1u;
            const QByteArray &vorn = z.blockanfang ? datumsspalte : m_leerDatum;
            char *p = m_aus.platz(static_cast<std::size_t>(vorn.size() + m_vorReihe[k].size() + m_nachReihe[k].size()) +
                                  std::max<std::size_t>(breite, 11));
            p = std::copy(vorn.cbegin(), vorn.cend(), p);
            p = std::copy(m_vorReihe[k].cbegin(), m_vorReihe[k].cend(), p);
            char ziffern[11];
            char *anfang = std::end(ziffern);
            for (auto rest = static_cast<std::uint32_t>(z.reihe); anfang == std::end(ziffern) || rest != 0; rest /= 10)
                *--anfang = static_cast<char>('0' + rest % 10);
            const auto stellen = static_cast<std::size_t>(std::end(ziffern) - anfang);
            if (stellen < breite)
                p = std::fill_n(p, breite - stellen, ' ');
            p = std::copy(anfang, std::end(ziffern), p);
            p = std::copy(m_nachReihe[k].cbegin(), m_nachReihe[k].cend(), p);
            m_aus.weiter(p);
        }
    }

    void schluss(const Auswertungsergebnis &e, const QLocale &locale)
    {
        const Kennzahltexte t = KennzahlenTexte(e, locale);
        QStringList klassen;
        for (std::size_t k = 0; k < Gewinnklassen.size(); ++k)
            klassen << Gewinnklassen[k].Kurz + QLatin1Char(' ') + t.klassenAnzahl[k];
        QString text = QStringLiteral("\nGewinnklassen: ") + klassen.join(QStringLiteral(", ")) + QLatin1Char('\n');
        text += QStringLiteral("Gesamtgewinn: %1 (Anteil: %2)\n").arg(t.gesamt, t.gesamtAnteil);
        text += QStringLiteral("H\u00F6chstgewinn: %1").arg(t.hoechster);
        if (!t.hoechsterDatum.isEmpty())
            text += QStringLiteral(" am ") + t.hoechsterDatum;
        text += QStringLiteral("\nR\u00FCcklaufquote: %1 (erwartet: %2)\n").arg(t.ruecklauf, t.erwarteterRuecklauf);
        m_aus.schreibe(text);
    }

private:
    Ausgabestrom &m_aus;
    QString m_schein;
    int m_reihen;
    Spaltensatz m_satz;
    QByteArray m_leerDatum;
    std::array<QByteArray, AnzahlGewinnklassen> m_vorReihe;
    std::array<QByteArray, AnzahlGewinnklassen> m_nachReihe;
};

// Writes the JSON of the evaluation as it comes: what is known before the first draw, the wins
// draw by draw, the totals at the end.
class Jsonausgabe : public Ergebnisempfaenger
{
public:
    Jsonausgabe(Ausgabestrom &aus, const QString &schein, int reihen) : m_aus(aus), m_schein(schein), m_reihen(reihen)
    {
    }

    void anfang(const Auswertungsergebnis &e, std::size_t) override
    {
        m_strom.emplace(m_aus);
        JsonStrom &json = *m_strom;
        json.wert(QStringLiteral("schein"), m_schein);
        json.wert(QStringLiteral("reihen"), m_reihen);
        json.objektAnfangen(QStringLiteral("anteile"));
        json.wert(QStringLiteral("gesamt"), e.antGes);
        json.wert(QStringLiteral("meine"), e.antMeine);
        json.beenden();
        json.objektAnfangen(QStringLiteral("zeitraum"));
        json.wert(QStringLiteral("von"), IsoDatum(e.ziehungen.constFirst().dat));
        json.wert(QStringLiteral("bis"), IsoDatum(e.ziehungen.constLast().dat));
        json.wert(QStringLiteral("ziehungen"), e.ziehungen.size());
        json.beenden();
        json.wert(QStringLiteral("paare"), qint64{e.ziehungen.size()} * m_reihen);
        json.listeAnfangen(QStringLiteral("gewinne"));

        // A win is an object in the list: its date and row, then what its class gives.
        const int tiefe = json.tiefe() + 1;
        const QByteArray einzug(4 * tiefe, ' ');
        const auto mitglied = [&](const char *name, const QJsonValue &wert) {
            return einzug + JsonText(QString::fromLatin1(name), tiefe) + ": " + JsonText(wert, tiefe);
        };
        m_vorDatum = "{\n" + einzug + "\"datum\": ";
        m_vorReihe = ",\n" + einzug + "\"reihe\": ";
        for (std::size_t k = 0; k < Gewinnklassen.size(); ++k) {
            const Betrag betrag = Gewinnklassen[k].Gewinn;
            m_nachReihe[k] = ",\n" + mitglied("klasse", static_cast<int>(k + 1)) + ",\n" +
                             mitglied("richtige", Gewinnklassen[k].Bezeichnung) + ",\n" +
                             mitglied("betragCent", cent(betrag)) + ",\n" +
                             mitglied("anteilCent", cent(MeinAnteil(e.antGes, e.antMeine, betrag))) + "\n" +
                             QByteArray(4 * (tiefe - 1), ' ') + "}";
        }
    }

    void block(const Auswertungsergebnis &e, std::span<const Ergebniszeile> zeilen) override
    {
        if (zeilen.front().klasse == 0)
            return;
        JsonStrom &json = *m_strom;
        const QByteArray datum = JsonText(IsoDatum(e.ziehungen[zeilen.front().ziehung].dat), 1);
        for (const Ergebniszeile &z : zeilen) {
            json.elementAnfangen();
            m_aus.schreibe(m_vorDatum);
            m_aus.schreibe(datum);
            m_aus.schreibe(m_vorReihe);
            m_aus.zahl(z.reihe);
            m_aus.schreibe(m_nachReihe[z.klasse - 1u]);
        }
    }

    void schluss(const Auswertungsergebnis &e)
    {
        JsonStrom &json = *m_strom;
        json.beenden(); // gewinne
        json.listeAnfangen(QStringLiteral("klassen"));
        for (std::size_t k = 0; k < Gewinnklassen.size(); ++k) {
            json.objektAnfangen();
            json.wert(QStringLiteral("klasse"), static_cast<int>(k + 1));
            json.wert(QStringLiteral("richtige"), Gewinnklassen[k].Bezeichnung);
            json.wert(QStringLiteral("anzahl"), qint64{e.klassenAnzahl[k]});
            json.beenden();
        }
        json.beenden();
        json.wert(QStringLiteral("gesamtCent"), cent(e.gesamt));
        json.wert(QStringLiteral("anteilCent"), cent(e.gesamtAnteil));
        json.wert(QStringLiteral("ruecklaufquote"), prozent(e.ruecklauf));
        json.wert(QStringLiteral("erwarteteRuecklaufquote"), prozent(e.erwarteterRuecklauf));
        if (e.hoechsterZiehung < 0) {
            json.wert(QStringLiteral("hoechstgewinn"), QJsonValue::Null);
        } else {
            json.objektAnfangen(QStringLiteral("hoechstgewinn"));
            json.wert(QStringLiteral("betragCent"), cent(e.hoechster));
            json.wert(QStringLiteral("datum"), IsoDatum(e.ziehungen[e.hoechsterZiehung].dat));
            json.wert(QStringLiteral("reihe"), e.hoechsterReihe);
            json.beenden();
        }
        json.beenden();
    }

private:
    Ausgabestrom &m_aus;
    std::optional<JsonStrom> m_strom; // opened with the first output, so a refusal writes nothing
    QString m_schein;
    int m_reihen;
    QByteArray m_vorDatum;
    QByteArray m_vorReihe;
    std::array<QByteArray, AnzahlGewinnklassen> m_nachReihe;
};
} // namespace

int Auswerten(const Aufruf &a)
{
    const Datumsgrenzen grenzen = DatumsgrenzenLesen(a);
    if (!grenzen.fehler.isEmpty())
        return Falschaufruf(grenzen.fehler);
    const std::optional<QDate> &von = grenzen.von;
    const std::optional<QDate> &bis = grenzen.bis;

    const QString schein = QFileInfo(a.argumente.constFirst()).absoluteFilePath();
    if (!QFileInfo(schein).isFile())
        return Ablehnen(
            QStringLiteral("Der Tippschein \u201E%1\u201C wurde nicht gefunden.").arg(a.argumente.constFirst()));
    // Read straight into rows: a grid of texts would cost hundreds of megabytes for a large ticket.
    Scheinreihen gelesen = TippreihenLesen(schein);
    if (!gelesen.fehler.isEmpty())
        return Ablehnen(gelesen.fehler);

    Zustand zustand;
    zustand.Formateinstellungen = Textformat();
    zustand.Reihenpreis = ReihenpreisLesen(a.datenordner, QLocale::system());
    Historie historie = HistorieLesen(a.datenordner);
    if (!historie.fehler.isEmpty())
        return Ablehnen(historie.fehler);
    zustand.Ziehungen = std::move(historie.ziehungen);
    const Zeitraum zeitraum = ZeitraumWaehlen(zustand.Ziehungen, von, bis, false, zustand.Formateinstellungen);
    if (!zeitraum.fehler.isEmpty())
        return Ablehnen(zeitraum.fehler);

    const QVector<Tippreihe> reihen = std::move(gelesen.reihen);
    const int ges = gelesen.antGes;
    const int meine = gelesen.antMeine;
    const int anzahl = static_cast<int>(reihen.size());
    // The result list goes out draw by draw as the evaluation counts it; a refusal comes before
    // the first draw, so it still leaves standard output empty.
    Ausgabestrom aus;
    if (a.json) {
        Jsonausgabe json(aus, schein, anzahl);
        const Auswertungsergebnis e =
            GewinnAuswertungBlockweise(zustand, reihen, ges, meine, zeitraum.bis, zeitraum.von, true, json);
        if (e.status != Auswertungsstatus::Ok)
            return Ablehnen(e.meldung);
        json.schluss(e);
    } else {
        Textausgabe text(aus, schein, anzahl);
        const Auswertungsergebnis e =
            GewinnAuswertungBlockweise(zustand, reihen, ges, meine, zeitraum.bis, zeitraum.von, true, text);
        if (e.status != Auswertungsstatus::Ok)
            return Ablehnen(e.meldung);
        text.schluss(e, zustand.Formateinstellungen);
    }
    return aus.beenden() ? Erfolg : AusgabeFehlgeschlagen();
}
