#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "entry/Tabellenformate.h"
#include "generator/Zufallsgenerator.h"
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

QString reiheText(const Zufallsreihen &reihen, int r)
{
    QStringList zahlen;
    for (int s = 0; s < ZahlenProReihe; ++s)
        zahlen << QString::number(reihen.zahl(r, s)).rightJustified(2);
    return zahlen.join(QLatin1Char(' ')) + QStringLiteral(" | ") + reihen.zusatzzahl(r);
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
        const QString fehler = CSVSpeichern(reihen.alsTabelle([](const QString &) { return 0; }), datei);
        if (!fehler.isEmpty())
            return Ablehnen(fehler);
    }

    if (a.json) {
        QJsonArray zeilen;
        for (int r = 0; r < reihen.anzahl(); ++r) {
            QJsonArray zahlen;
            for (int s = 0; s < ZahlenProReihe; ++s)
                zahlen.append(reihen.zahl(r, s));
            zeilen.append(QJsonObject{{QStringLiteral("zahlen"), zahlen},
                                      {QStringLiteral("zusatzzahl"), reihen.zusatzzahl(r).toInt()}});
        }
        QJsonObject json{{QStringLiteral("startwert"), QString::number(startwert)},
                         {QStringLiteral("moeglicheReihen"), qint64{moeglich}},
                         {QStringLiteral("reihen"), zeilen}};
        if (!datei.isEmpty())
            json.insert(QStringLiteral("csv"), datei);
        JsonAusgeben(json);
        return Erfolg;
    }
    if (!datei.isEmpty()) {
        Ausgeben(QStringLiteral("%1 Tippreihen gespeichert in: %2").arg(reihen.anzahl()).arg(datei));
        return Erfolg;
    }
    QString text;
    for (int r = 0; r < reihen.anzahl(); ++r)
        text += reiheText(reihen, r) + QLatin1Char('\n');
    Ausgeben(text);
    return Erfolg;
}
