#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "evaluation/Gewinnauswertung.h"
#include "model/Tippscheindatei.h"

#include <QFileInfo>
#include <QJsonArray>

namespace {
qint64 cent(Betrag betrag)
{
    return betrag / (BetragProEuro / 100);
}
double prozent(Betrag ruecklauf)
{
    return static_cast<double>(ruecklauf) / static_cast<double>(BetragProEuro);
}

QJsonObject alsJson(const Auswertungsergebnis &e, const QString &schein, int reihen)
{
    QJsonArray gewinne;
    for (const Ergebniszeile &z : e.zeilen) {
        if (z.klasse == 0)
            continue;
        const Betrag betrag = Gewinnklassen[z.klasse - 1].Gewinn;
        gewinne.append(QJsonObject{{QStringLiteral("datum"), IsoDatum(e.ziehungen[z.ziehung].dat)},
                                   {QStringLiteral("reihe"), z.reihe},
                                   {QStringLiteral("klasse"), z.klasse},
                                   {QStringLiteral("richtige"), Gewinnklassen[z.klasse - 1].Bezeichnung},
                                   {QStringLiteral("betragCent"), cent(betrag)},
                                   {QStringLiteral("anteilCent"), cent(MeinAnteil(e.antGes, e.antMeine, betrag))}});
    }
    QJsonArray klassen;
    for (int k = 0; k < AnzahlGewinnklassen; ++k)
        klassen.append(QJsonObject{{QStringLiteral("klasse"), k + 1},
                                   {QStringLiteral("richtige"), Gewinnklassen[static_cast<std::size_t>(k)].Bezeichnung},
                                   {QStringLiteral("anzahl"), qint64{e.klassenAnzahl[static_cast<std::size_t>(k)]}}});
    QJsonValue hoechster = QJsonValue::Null;
    if (e.hoechsterPosition > 0) {
        const Ergebniszeile &z = e.zeilen[static_cast<std::size_t>(e.hoechsterPosition - 1)];
        hoechster = QJsonObject{{QStringLiteral("betragCent"), cent(e.hoechster)},
                                {QStringLiteral("datum"), IsoDatum(e.ziehungen[z.ziehung].dat)},
                                {QStringLiteral("reihe"), z.reihe}};
    }
    return QJsonObject{
        {QStringLiteral("schein"), schein},
        {QStringLiteral("reihen"), reihen},
        {QStringLiteral("anteile"),
         QJsonObject{{QStringLiteral("gesamt"), e.antGes}, {QStringLiteral("meine"), e.antMeine}}},
        {QStringLiteral("zeitraum"), QJsonObject{{QStringLiteral("von"), IsoDatum(e.ziehungen.constFirst().dat)},
                                                 {QStringLiteral("bis"), IsoDatum(e.ziehungen.constLast().dat)},
                                                 {QStringLiteral("ziehungen"), e.ziehungen.size()}}},
        {QStringLiteral("paare"), qint64{e.paare}},
        {QStringLiteral("gewinne"), gewinne},
        {QStringLiteral("klassen"), klassen},
        {QStringLiteral("gesamtCent"), cent(e.gesamt)},
        {QStringLiteral("anteilCent"), cent(e.gesamtAnteil)},
        {QStringLiteral("ruecklaufquote"), prozent(e.ruecklauf)},
        {QStringLiteral("erwarteteRuecklaufquote"), prozent(e.erwarteterRuecklauf)},
        {QStringLiteral("hoechstgewinn"), hoechster},
    };
}

QString alsText(const Auswertungsergebnis &e, const QString &schein, int reihen, const QLocale &locale)
{
    const Kennzahltexte t = KennzahlenTexte(e, locale);
    QString text = QStringLiteral("Tippschein: %1 (%2 Reihen, Anteile: %3 von %4)\n")
                       .arg(QFileInfo(schein).fileName())
                       .arg(reihen)
                       .arg(e.antMeine)
                       .arg(e.antGes);
    text += QStringLiteral("Zeitraum: %1").arg(e.ziehungen.constFirst().SDatum);
    if (e.ziehungen.size() > 1)
        text += QStringLiteral(" bis %1 (%2 Ziehungen)").arg(e.ziehungen.constLast().SDatum).arg(e.ziehungen.size());
    text += QStringLiteral("\n\n");

    QStringList kopf;
    for (const QString &k : ErgebnisKopf)
        kopf << k;
    QVector<QStringList> zeilen;
    zeilen.reserve(static_cast<qsizetype>(e.zeilen.size()));
    for (int z = 0; z < static_cast<int>(e.zeilen.size()); ++z) {
        QStringList zellen;
        for (int s = 0; s < ErgebnisSpalten; ++s)
            zellen << Ergebnistext(e, z, s);
        zeilen << zellen;
    }
    text += Textspalten(kopf, zeilen, {false, false, true, true, true});

    QStringList klassen;
    for (std::size_t k = 0; k < Gewinnklassen.size(); ++k)
        klassen << Gewinnklassen[k].Kurz + QLatin1Char(' ') + t.klassenAnzahl[k];
    text += QStringLiteral("\nGewinnklassen: ") + klassen.join(QStringLiteral(", ")) + QLatin1Char('\n');
    text += QStringLiteral("Gesamtgewinn: %1 (Anteil: %2)\n").arg(t.gesamt, t.gesamtAnteil);
    text += QStringLiteral("H\u00F6chstgewinn: %1").arg(t.hoechster);
    if (!t.hoechsterDatum.isEmpty())
        text += QStringLiteral(" am ") + t.hoechsterDatum;
    text += QStringLiteral("\nR\u00FCcklaufquote: %1 (erwartet: %2)\n").arg(t.ruecklauf, t.erwarteterRuecklauf);
    return text;
}
} // namespace

int Auswerten(const Aufruf &a)
{
    const Datumsgrenzen grenzen = DatumsgrenzenLesen(a);
    if (!grenzen.fehler.isEmpty())
        return Falschaufruf(grenzen.fehler);
    const std::optional<QDate> &von = grenzen.von;
    const std::optional<QDate> &bis = grenzen.bis;

    const QString schein = QFileInfo(a.argumente.constFirst()).absoluteFilePath();
    TextTabelle tabelle(TippreihenSpalten, 1);
    QString antGes = QStringLiteral("1");
    QString antMeine = QStringLiteral("1");
    if (!QFileInfo(schein).isFile())
        return Ablehnen(
            QStringLiteral("Der Tippschein \u201E%1\u201C wurde nicht gefunden.").arg(a.argumente.constFirst()));
    const QString fehler = ScheinEinlesen(tabelle, antGes, antMeine, schein, [](const QString &) { return 0; });
    if (!fehler.isEmpty())
        return Ablehnen(fehler);

    Zustand zustand;
    zustand.Formateinstellungen = QLocale::system();
    zustand.Reihenpreis = ReihenpreisLesen(a.datenordner, zustand.Formateinstellungen);
    Historie historie = HistorieLesen(a.datenordner);
    if (!historie.fehler.isEmpty())
        return Ablehnen(historie.fehler);
    zustand.Ziehungen = std::move(historie.ziehungen);
    const Zeitraum zeitraum = ZeitraumWaehlen(zustand.Ziehungen, von, bis, false, zustand.Formateinstellungen);
    if (!zeitraum.fehler.isEmpty())
        return Ablehnen(zeitraum.fehler);

    const QVector<Tippreihe> reihen = TippreihenAusTabelle(tabelle);
    const Auswertungsergebnis e =
        GewinnAuswertung(zustand, reihen, AnteilAusText(antGes).value_or(1), AnteilAusText(antMeine).value_or(1),
                         zeitraum.bis, zeitraum.von, true);
    if (e.status != Auswertungsstatus::Ok)
        return Ablehnen(e.meldung);
    if (a.json)
        JsonAusgeben(alsJson(e, schein, static_cast<int>(reihen.size())));
    else
        Ausgeben(alsText(e, schein, static_cast<int>(reihen.size()), zustand.Formateinstellungen));
    return Erfolg;
}
