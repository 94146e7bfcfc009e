// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systems/Systemtabelle.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <bit>
#include <map>
#include <mutex>

namespace {

const QString Zahlbuchstaben = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCD");

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
    std::vector<int> zahlen;
    for (int i = 0; i < e.n; ++i)
        zahlen.push_back(i + 1);
    if (!SystemPruefen(zahlen, e.garantie).isEmpty())
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

std::optional<Tabelleneintrag> BekanntesSystem(int n, Garantie garantie)
{
    // Each entry is checked the first time it is asked for; the window asks at every click.
    static std::mutex schutz;
    static std::map<std::pair<int, int>, std::optional<std::size_t>> geprueft;
    const std::lock_guard<std::mutex> sperre(schutz);
    const std::pair<int, int> schluessel{n, garantie.richtige * 10 + garantie.wenn};
    auto stelle = geprueft.find(schluessel);
    if (stelle == geprueft.end()) {
        std::optional<std::size_t> bestes;
        const auto &tabelle = Systemtabelle();
        for (std::size_t i = 0; i < tabelle.size(); ++i) {
            const Tabelleneintrag &e = tabelle[i];
            if (e.n == n && e.garantie == garantie && (!bestes || e.reihen.size() < tabelle[*bestes].reihen.size()) &&
                GarantieHaelt(n, e.reihen, garantie))
                bestes = i;
        }
        stelle = geprueft.emplace(schluessel, bestes).first;
    }
    if (!stelle->second)
        return std::nullopt;
    return Systemtabelle()[*stelle->second];
}
