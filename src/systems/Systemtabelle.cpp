// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systems/Systemtabelle.h"

#include "systems/Systemzerlegung.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <bit>
#include <map>
#include <numeric>
#include <tuple>

namespace {

const QString Zahlbuchstaben = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCD");

// Whether n numbers and this guarantee make an abbreviated system, by the rules the window and
// the command line apply to the numbers 1..n.
bool moeglich(int n, Garantie g)
{
    if (n < 0 || n > MaxSystemzahlen)
        return false;
    std::vector<int> zahlen(static_cast<std::size_t>(n));
    std::iota(zahlen.begin(), zahlen.end(), 1);
    return SystemPruefen(zahlen, g).isEmpty();
}

std::vector<Tabelleneintrag> tabelleLesen()
{
    std::vector<Tabelleneintrag> eintraege;
    QFile datei(QStringLiteral(":/systeme/systemtabelle.txt"));
    if (!datei.open(QIODevice::ReadOnly))
        return eintraege;
    // The file is part of the program; still, a damaged line is skipped, never trusted.
    const QStringList zeilen = QString::fromUtf8(datei.readAll()).split(QLatin1Char('\n'));
    for (const QString &zeile : zeilen) {
        if (zeile.trimmed().isEmpty() || zeile.startsWith(QLatin1Char('#')))
            continue;
        if (std::optional<Tabelleneintrag> e = TabellenzeileLesen(zeile))
            eintraege.push_back(std::move(*e));
    }
    return eintraege;
}

} // namespace

QString Tabellenzeile(const Tabelleneintrag &e)
{
    QString zeile = QStringLiteral("%1 %2:%3 %4 %5 %6 %7 %8 |")
                        .arg(e.n)
                        .arg(e.garantie.richtige)
                        .arg(e.garantie.wenn)
                        .arg(e.zyklen)
                        .arg(e.startwert)
                        .arg(e.schritte)
                        .arg(e.nachschritte)
                        .arg(e.reihen.size());
    for (Reihenmaske r : e.reihen) {
        zeile += QLatin1Char(' ');
        for (; r; r &= r - 1)
            zeile += Zahlbuchstaben[std::countr_zero(r)];
    }
    return zeile;
}

std::optional<Tabelleneintrag> TabellenzeileLesen(const QString &zeile, QString *fehler)
{
    const auto falsch = [&](const QString &grund) -> std::optional<Tabelleneintrag> {
        if (fehler)
            *fehler = grund;
        return std::nullopt;
    };
    const qsizetype strich = zeile.indexOf(QLatin1Char('|'));
    if (strich < 0)
        return falsch(QStringLiteral("Der Zeile fehlt der Strich vor den Reihen."));
    const QStringList kopf = zeile.left(strich).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList reihen = zeile.mid(strich + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (kopf.size() != 7)
        return falsch(QStringLiteral("Vor dem Strich stehen %1 statt 7 Angaben.").arg(kopf.size()));
    Tabelleneintrag e;
    bool ok[6] = {};
    e.n = kopf[0].toInt(&ok[0]);
    const QStringList tm = kopf[1].split(QLatin1Char(':'));
    e.garantie = {tm.value(0).toInt(&ok[1]), tm.value(1).toInt(&ok[2])};
    e.zyklen = kopf[2];
    e.startwert = kopf[3].toULongLong(&ok[3]);
    e.schritte = kopf[4].toLongLong(&ok[4]);
    e.nachschritte = kopf[5].toLongLong(&ok[5]);
    const int anzahl = kopf[6].toInt();
    if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }) || tm.size() != 2)
        return falsch(QStringLiteral("Eine Angabe vor dem Strich ist keine Zahl."));
    if (!moeglich(e.n, e.garantie))
        return falsch(QStringLiteral("Zahl oder Garantie passen nicht zu einem Kurzsystem."));
    if (anzahl != reihen.size())
        return falsch(QStringLiteral("Die Zeile nennt %1 Reihen und hat %2.").arg(anzahl).arg(reihen.size()));
    for (const QString &text : reihen) {
        Reihenmaske r = 0;
        for (const QChar c : text) {
            const qsizetype i = Zahlbuchstaben.indexOf(c);
            if (i < 0 || i >= e.n)
                return falsch(QStringLiteral("\u201E%1\u201C ist keine Reihe aus %2 Zahlen.").arg(text).arg(e.n));
            r |= Reihenmaske{1} << i;
        }
        if (std::popcount(r) != ZahlenProReihe || text.size() != ZahlenProReihe)
            return falsch(QStringLiteral("\u201E%1\u201C ist keine Reihe aus %2 Zahlen.").arg(text).arg(e.n));
        e.reihen.push_back(r);
    }
    return e;
}

const std::vector<Tabelleneintrag> &Systemtabelle()
{
    static const std::vector<Tabelleneintrag> tabelle = tabelleLesen();
    return tabelle;
}

namespace {

using Bekannte = std::map<std::tuple<int, int, int>, Tabelleneintrag>;

std::tuple<int, int, int> schluessel(int n, Garantie g)
{
    return {n, g.richtige, g.wenn};
}

// Takes the system when it is smaller than the one known and passes the exact check.
bool nehmen(Bekannte &bekannte, Tabelleneintrag kandidat)
{
    const auto stelle = bekannte.find(schluessel(kandidat.n, kandidat.garantie));
    if ((stelle != bekannte.end() && stelle->second.reihen.size() <= kandidat.reihen.size()) ||
        !GarantieHaelt(kandidat.n, kandidat.reihen, kandidat.garantie))
        return false;
    bekannte[schluessel(kandidat.n, kandidat.garantie)] = std::move(kandidat);
    return true;
}

// A system for n + 1 numbers without its last number is one for n: every m-set of the n
// numbers was served by a row holding t of them, and still is when that row takes another
// number in place of the last.
std::vector<Reihenmaske> ohneLetzteZahl(const std::vector<Reihenmaske> &reihen, int n)
{
    const Reihenmaske letzte = Reihenmaske{1} << n;
    std::vector<Reihenmaske> gekuerzt;
    for (Reihenmaske r : reihen) {
        if (r & letzte) {
            r &= ~letzte;
            r |= ~r & (r + 1); // the smallest number not in the row
        }
        gekuerzt.push_back(r);
    }
    std::sort(gekuerzt.begin(), gekuerzt.end());
    gekuerzt.erase(std::unique(gekuerzt.begin(), gekuerzt.end()), gekuerzt.end());
    return gekuerzt;
}

// Every system the program knows: the table's, then, as long as that makes any smaller, those
// glued together from known systems over parts of the numbers and those of one number more
// without their last number.
Bekannte alleBekannten()
{
    std::vector<Garantie> garantien;
    for (int wenn = 1; wenn <= ZahlenProReihe; ++wenn)
        for (int richtige = 1; richtige <= wenn; ++richtige)
            if (moeglich(MinSystemzahlen, {richtige, wenn}))
                garantien.push_back({richtige, wenn});
    Bekannte bekannte;
    for (const Tabelleneintrag &e : Systemtabelle())
        nehmen(bekannte, e);
    const Systemgroesse groesse = [&](int zahlen, Garantie g) -> std::optional<int> {
        const auto stelle = bekannte.find(schluessel(zahlen, g));
        return stelle == bekannte.end() ? std::nullopt : std::optional<int>(static_cast<int>(stelle->second.reihen.size()));
    };
    for (bool kleiner = true; kleiner;) {
        kleiner = false;
        for (int n = MinSystemzahlen; n <= MaxSystemzahlen; ++n)
            for (const Garantie g : garantien) {
                const auto teile = BesteZerlegung(n, g, groesse);
                if (!teile)
                    continue;
                std::vector<std::vector<Reihenmaske>> systeme;
                for (const Zerlegungsteil &teil : *teile)
                    systeme.push_back(bekannte.at(schluessel(teil.zahlen, {g.richtige, teil.wenn})).reihen);
                kleiner |= nehmen(bekannte, {n, g, QLatin1Char('Z') + Zerlegungstext(*teile), 0, 0, 0,
                                             ZerlegungZusammensetzen(*teile, systeme)});
            }
        for (int n = MaxSystemzahlen - 1; n >= MinSystemzahlen; --n)
            for (const Garantie g : garantien)
                if (const auto stelle = bekannte.find(schluessel(n + 1, g)); stelle != bekannte.end())
                    kleiner |= nehmen(bekannte, {n, g, QStringLiteral("K%1").arg(n + 1), 0, 0, 0,
                                                 ohneLetzteZahl(stelle->second.reihen, n)});
    }
    return bekannte;
}

} // namespace

std::optional<Tabelleneintrag> BekanntesSystem(int n, Garantie garantie)
{
    // Made and checked once, the first time a system is asked for; the window asks at every click.
    static const Bekannte bekannte = alleBekannten();
    const auto stelle = bekannte.find(schluessel(n, garantie));
    if (stelle == bekannte.end())
        return std::nullopt;
    return stelle->second;
}
