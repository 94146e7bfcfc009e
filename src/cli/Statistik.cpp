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
QJsonObject zeitraumJson(const Zustand &z, const Zeitraum &zeitraum)
{
    return QJsonObject{{QStringLiteral("von"), IsoDatum(z.Ziehungen[zeitraum.von].datum)},
                       {QStringLiteral("bis"), IsoDatum(z.Ziehungen[zeitraum.bis].datum)},
                       {QStringLiteral("ziehungen"), zeitraum.bis - zeitraum.von + 1}};
}

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

QJsonArray ranglisteJson(const Rangliste &liste, int k)
{
    QJsonArray feld;
    for (const Rangzeile &zeile : liste) {
        QJsonArray zahlen;
        for (int i = 0; i < k; ++i)
            zahlen.append(zeile.zahlen[static_cast<std::size_t>(i)]);
        feld.append(QJsonObject{{QStringLiteral("zahlen"), zahlen}, {QStringLiteral("anzahl"), qint64{zeile.Anzahl}}});
    }
    return feld;
}

QJsonArray zusatzzahlenJson(const Zusatzzahlauswertung &auswertung)
{
    QJsonArray feld;
    for (const Zusatzzahlzeile &z : auswertung.zeilen)
        feld.append(QJsonObject{{QStringLiteral("zahl"), z.zahl},
                                {QStringLiteral("anzahl"), z.anzahl},
                                {QStringLiteral("ausgeblieben"), z.ausgeblieben}});
    return feld;
}

QJsonObject musterJson(const Musterauswertung &auswertung)
{
    QJsonObject json;
    for (const Musterergebnis &m : auswertung.muster) {
        QJsonArray werte;
        for (const Musterzeile &z : m.werte)
            werte.append(QJsonObject{{QStringLiteral("wert"), z.wert},
                                     {QStringLiteral("anzahlAlle"), qint64{z.anzahlAlle}},
                                     {QStringLiteral("beobachtet"), qint64{z.beobachtet}},
                                     {QStringLiteral("erwartet"), z.erwartet}});
        QJsonArray klassen;
        for (const Testklasse &k : m.test.klassen)
            klassen.append(QJsonObject{{QStringLiteral("von"), k.von},
                                       {QStringLiteral("bis"), k.bis},
                                       {QStringLiteral("beobachtet"), qint64{k.beobachtet}},
                                       {QStringLiteral("erwartet"), k.erwartet}});
        json.insert(Musterschluessel(m.art),
                    QJsonObject{{QStringLiteral("werte"), werte},
                                {QStringLiteral("klassen"), klassen},
                                {QStringLiteral("chiQuadrat"), m.test.chiQuadrat},
                                {QStringLiteral("freiheitsgrade"), m.test.freiheitsgrade},
                                {QStringLiteral("p"), m.test.p ? QJsonValue(*m.test.p) : QJsonValue()}});
    }
    return json;
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

QString ranglisteText(const Rangliste &liste)
{
    QVector<QStringList> zeilen;
    zeilen.reserve(static_cast<qsizetype>(liste.size()));
    for (std::size_t i = 0; i < liste.size(); ++i)
        zeilen.append({QString::number(i + 1), Kombitext(liste[i]), QString::number(liste[i].Anzahl)});
    return Textspalten({QStringLiteral("Rang"), QStringLiteral("Kombination"), QStringLiteral("Anzahl")}, zeilen,
                       {true, false, true});
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
    zustand.Formateinstellungen = QLocale::system();
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

    if (a.json) {
        const auto liste = [](const QVector<std::pair<int, int>> &werte) {
            QJsonArray feld;
            for (const auto &[zahl, anzahl] : werte)
                feld.append(QJsonObject{{QStringLiteral("zahl"), zahl}, {QStringLiteral("anzahl"), anzahl}});
            return feld;
        };
        QJsonObject json{{QStringLiteral("zeitraum"), zeitraumJson(zustand, zeitraum)},
                         {QStringLiteral("haeufigkeiten"), liste(haeufigkeiten)},
                         {QStringLiteral("ausgeblieben"), liste(ausgeblieben)},
                         {QStringLiteral("zusatzzahlen"),
                          zusatzzahlenJson(Zusatzzahlen(zustand.Ziehungen, zeitraum.von, zeitraum.bis))}};
        if (mitMuster)
            json.insert(QStringLiteral("muster"), musterJson(muster));
        if (k > 0)
            json.insert(QStringLiteral("kombis"),
                        QJsonObject{{QStringLiteral("groesse"), k},
                                    {QStringLiteral("haeufigste"), ranglisteJson(kombis.haeufigste, k)},
                                    {QStringLiteral("seltenste"), ranglisteJson(kombis.seltenste, k)}});
        JsonAusgeben(json);
        return Erfolg;
    }
    const QLocale &locale = zustand.Formateinstellungen;
    QString text = QStringLiteral("Zeitraum: %1 bis %2 (%3 Ziehungen)\n\n")
                       .arg(Datum::kurz(zustand.Ziehungen[zeitraum.von].datum, locale),
                            Datum::kurz(zustand.Ziehungen[zeitraum.bis].datum, locale))
                       .arg(zeitraum.bis - zeitraum.von + 1);
    text += QStringLiteral("So oft gezogen (Zahl: Anzahl):\n") + paare(haeufigkeiten);
    text += QStringLiteral("\nSo viele Ziehungen ausgeblieben, am l\u00E4ngsten zuerst (Zahl: Ziehungen):\n") +
            paare(ausgeblieben);
    if (k > 0) {
        text += QStringLiteral("\nAm h\u00E4ufigsten gezogene %1er-Kombinationen:\n").arg(k) +
                ranglisteText(kombis.haeufigste);
        text +=
            QStringLiteral("\nAm seltensten gezogene %1er-Kombinationen:\n").arg(k) + ranglisteText(kombis.seltenste);
    }
    if (mitMuster)
        text += musterText(muster, locale);
    Ausgeben(text);
    return Erfolg;
}
