// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "syndicate/Kontoauszug.h"

#include "model/Datum.h"
#include "model/Spiel.h"

#include <QSharedPointer>

namespace {

// The member's part of an entry, signed as it moves the balance; 0 when it does not move it.
Cent auszugTeil(const Eintrag &e, const QString &mitglied)
{
    for (const Teil &t : e.teile)
        if (t.mitglied == mitglied)
            return ArtVorzeichen(e.zaehltAls()) * (e.art == Art::Storno ? -1 : 1) * t.betrag;
    return 0;
}

bool auszugBetrifft(const Eintrag &e, const QString &mitglied)
{
    for (const Teil &t : e.teile)
        if (t.mitglied == mitglied)
            return true;
    return false;
}

QString auszugGeld(Cent cent, const QLocale &locale)
{
    return CentText(cent, locale);
}

} // namespace

QString KontoauszugLesen(const Gemeinschaft &gemeinschaft, const QString &mitglied, const QDate &von, const QDate &bis,
                         Kontoauszug &auszug)
{
    auszug = Kontoauszug();
    QVector<Mitglied> mitglieder;
    if (QString f = gemeinschaft.mitgliederLesen(mitglieder); !f.isEmpty())
        return f;
    const Mitglied *m = nullptr;
    for (const Mitglied &x : std::as_const(mitglieder))
        if (x.name == mitglied.trimmed())
            m = &x;
    if (!m)
        return Gemeinschaft::unbekanntesMitglied(mitglied);
    QVector<Eintrag> kasse;
    Kassenfilter filter;
    filter.mitgliedId = m->id;
    if (QString f = gemeinschaft.kasseLesen(kasse, filter); !f.isEmpty())
        return f;
    auszug.gemeinschaft = gemeinschaft.name();
    auszug.mitglied = m->name;
    auszug.anteile = m->anteileAm(bis);
    auszug.von = von;
    auszug.bis = bis;
    // The ledger's order is the order of booking; a statement goes by date, then by number.
    std::stable_sort(kasse.begin(), kasse.end(), [](const Eintrag &a, const Eintrag &b) { return a.datum < b.datum; });
    Cent saldo = 0;
    for (const Eintrag &e : std::as_const(kasse)) {
        if (!auszugBetrifft(e, m->name))
            continue;
        const Cent teil = auszugTeil(e, m->name);
        if (e.datum < von) {
            saldo += teil;
            continue;
        }
        if (e.datum > bis)
            break;
        if (auszug.zeilen.isEmpty())
            auszug.anfang = saldo;
        saldo += teil;
        auszug.zeilen.append({e, teil, saldo});
        if (e.zaehltAls() == Art::Gewinn)
            auszug.gewinne.append({e, teil, saldo});
    }
    if (auszug.zeilen.isEmpty())
        auszug.anfang = saldo;
    auszug.ende = saldo;
    return QString();
}

Gewinnbericht KontoauszugBericht(const Kontoauszug &a, const QDate &heute, const QLocale &locale)
{
    Gewinnbericht b;
    b.titel = QStringLiteral("Kontoauszug %1 \u2013 Tippgemeinschaft %2").arg(a.mitglied, a.gemeinschaft);
    b.fusszeile = QStringLiteral("%1 %2, %3").arg(Programmname, Programmversion, Datum::kurz(heute, locale));

    Berichtsabschnitt kopf;
    kopf.ueberschrift = QStringLiteral("Mitglied");
    kopf.angaben = {{QStringLiteral("Name:"), a.mitglied},
                    {QStringLiteral("Anteile:"), QString::number(a.anteile)},
                    {QStringLiteral("Zeitraum:"),
                     QStringLiteral("%1 bis %2").arg(Datum::kurz(a.von, locale), Datum::kurz(a.bis, locale))},
                    {QStringLiteral("Saldo am Anfang:"), CentWaehrung(a.anfang, locale)},
                    {QStringLiteral("Saldo am Ende:"), CentWaehrung(a.ende, locale)}};
    b.abschnitte << kopf;

    // Widths for the amounts of a syndicate's everyday; a larger one widens its column on its own page.
    const QString muster = auszugGeld(Cent{-9'999'999}, locale);
    const QString textmuster = QStringLiteral("Ziehung vom 28.12.2000, 9 Reihen");
    auto zeilen = QSharedPointer<QVector<Auszugszeile>>::create(a.zeilen);
    Berichtsabschnitt buchungen;
    buchungen.ueberschrift = QStringLiteral("Buchungen");
    buchungen.tabelle.kopf = {QStringLiteral("Nr."), QStringLiteral("Datum"), QStringLiteral("Art"), QStringLiteral("Text"),
                              QStringLiteral("Betrag"), QStringLiteral("Saldo")};
    buchungen.tabelle.muster = {QStringLiteral("9999"), Datum::kurz(QDate(2000, 12, 28), locale),
                                QStringLiteral("Auszahlung"), textmuster, muster, muster};
    buchungen.tabelle.rechtsbuendig = {true, false, false, false, true, true};
    buchungen.tabelle.zeilen = static_cast<int>(zeilen->size());
    buchungen.tabelle.zelle = [zeilen, locale](int zeile, int spalte) {
        const Auszugszeile &z = zeilen->at(zeile);
        switch (spalte) {
        case 0: return QString::number(z.eintrag.nr);
        case 1: return Datum::kurz(z.eintrag.datum, locale);
        case 2: return ArtText(z.eintrag.art);
        case 3: return z.eintrag.text;
        case 4: return auszugGeld(z.teil, locale);
        default: return auszugGeld(z.saldo, locale);
        }
    };
    if (a.zeilen.isEmpty())
        buchungen.hinweis = QStringLiteral("Im Zeitraum gibt es keine Buchung f\u00FCr %1.").arg(a.mitglied);
    b.abschnitte << buchungen;

    auto gewinne = QSharedPointer<QVector<Auszugszeile>>::create(a.gewinne);
    Berichtsabschnitt anteile;
    anteile.ueberschrift = QStringLiteral("Ihre Anteile an den Gewinnen");
    anteile.tabelle.kopf = {QStringLiteral("Datum"), QStringLiteral("Gewinn"), QStringLiteral("Gewinn gesamt"),
                            QStringLiteral("Ihr Anteil")};
    anteile.tabelle.muster = {Datum::kurz(QDate(2000, 12, 28), locale), textmuster, muster, muster};
    anteile.tabelle.rechtsbuendig = {false, false, true, true};
    anteile.tabelle.zeilen = static_cast<int>(gewinne->size());
    anteile.tabelle.zelle = [gewinne, locale](int zeile, int spalte) {
        const Auszugszeile &z = gewinne->at(zeile);
        switch (spalte) {
        case 0: return Datum::kurz(z.eintrag.datum, locale);
        case 1: return z.eintrag.text;
        case 2: return auszugGeld((z.eintrag.art == Art::Storno ? -1 : 1) * z.eintrag.betrag, locale);
        default: return auszugGeld(z.teil, locale);
        }
    };
    Cent summe = 0;
    for (const Auszugszeile &z : a.gewinne)
        summe += z.teil;
    anteile.hinweis = a.gewinne.isEmpty()
                          ? QStringLiteral("Im Zeitraum hat die Tippgemeinschaft nichts gewonnen.")
                          : QStringLiteral("Ihre Anteile an den Gewinnen zusammen: %1").arg(CentWaehrung(summe, locale));
    b.abschnitte << anteile;
    return b;
}

Gewinnbericht UebersichtBericht(const QString &gemeinschaft, const Kontenstand &stand, const QDate &stichtag,
                                const QDate &heute, const QLocale &locale)
{
    Gewinnbericht b;
    b.titel = QStringLiteral("\u00DCbersicht der Tippgemeinschaft %1").arg(gemeinschaft);
    b.fusszeile = QStringLiteral("%1 %2, %3").arg(Programmname, Programmversion, Datum::kurz(heute, locale));
    Berichtsabschnitt kopf;
    kopf.ueberschrift = QStringLiteral("Stand");
    kopf.angaben = {{QStringLiteral("Stand am:"), Datum::kurz(stichtag, locale)},
                    {QStringLiteral("Abgerechnet bis:"), stand.abgerechnetBis.isValid()
                                                              ? Datum::kurz(stand.abgerechnetBis, locale)
                                                              : QStringLiteral("noch nichts abgerechnet")},
                    {QStringLiteral("Kasse:"), CentWaehrung(stand.kasse, locale)}};
    b.abschnitte << kopf;
    auto konten = QSharedPointer<QVector<Konto>>::create(stand.konten);
    Berichtsabschnitt tabelle;
    tabelle.ueberschrift = QStringLiteral("Konten der Mitglieder");
    const QString muster = CentText(Cent{-999'999}, locale);
    // Eight columns fit an A4 page only with short captions; the note below spells them out.
    tabelle.tabelle.kopf = {QStringLiteral("Mitglied"), QStringLiteral("Ant."),    QStringLiteral("Eingez."),
                            QStringLiteral("Einsatz"),  QStringLiteral("Ausgab."), QStringLiteral("Gewinn"),
                            QStringLiteral("Ausgez."),  QStringLiteral("Saldo")};
    tabelle.hinweis = QStringLiteral("Ant. = Anteile heute, Eingez. = eingezahlt, Ausgab. = Anteil an den Ausgaben, "
                                     "Ausgez. = ausgezahlt; Saldo = eingezahlt \u2212 Einsatz \u2212 Ausgaben + "
                                     "Gewinn \u2212 ausgezahlt.");
    tabelle.tabelle.muster = {QStringLiteral("Maximilian"), QStringLiteral("99"), muster, muster, muster,
                              muster, muster, muster};
    tabelle.tabelle.rechtsbuendig = {false, true, true, true, true, true, true, true};
    tabelle.tabelle.zeilen = static_cast<int>(konten->size());
    tabelle.tabelle.zelle = [konten, locale](int zeile, int spalte) {
        const Konto &k = konten->at(zeile);
        switch (spalte) {
        case 0: return k.name;
        case 1: return QString::number(k.anteile);
        case 2: return CentText(k.eingezahlt, locale);
        case 3: return CentText(k.einsatz, locale);
        case 4: return CentText(k.ausgaben, locale);
        case 5: return CentText(k.gewinn, locale);
        case 6: return CentText(k.ausgezahlt, locale);
        default: return CentText(k.saldo(), locale);
        }
    };
    b.abschnitte << tabelle;
    return b;
}
