// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systems/Systembau.h"

#include "systems/Systemtabelle.h"

#include <algorithm>
#include <random>

Systemergebnis SystemBauen(const Systemwunsch &wunsch, const std::atomic<bool> *abbruch,
                           const Systemsuchfortschritt &fortschritt)
{
    // The flag ends the search; the chances of what it found are always counted.
    Systemergebnis e = SystemOhneChancen(wunsch, abbruch, fortschritt);
    if (e.fehler.isEmpty())
        SystemchancenErgaenzen(e);
    return e;
}

Systemergebnis SystemOhneChancen(const Systemwunsch &wunsch, const std::atomic<bool> *abbruch,
                                 const Systemsuchfortschritt &fortschritt)
{
    Systemergebnis e;
    e.fehler = SystemPruefen(wunsch.zahlen, wunsch.garantie);
    if (!e.fehler.isEmpty())
        return e;
    e.zahlen = wunsch.zahlen;
    std::sort(e.zahlen.begin(), e.zahlen.end());
    e.garantie = wunsch.garantie;
    e.startwert = wunsch.startwert;
    const int n = static_cast<int>(e.zahlen.size());
    if (wunsch.garantie) {
        Systemsuchvorgaben v{n, *wunsch.garantie, wunsch.startwert, wunsch.schritte, wunsch.millisekunden};
        // The table's system is where the search begins: the chosen numbers take the places of
        // 1..n in order, which is what the rows' bits stand for anyway. The search may still
        // find a smaller one in the time it has.
        if (const std::optional<Tabelleneintrag> bekannt = BekanntesSystem(n, *wunsch.garantie)) {
            v.startreihen = bekannt->reihen;
            e.ausTabelle = static_cast<std::int64_t>(bekannt->reihen.size());
        }
        const Systemsuchergebnis s = SystemSuchen(v, abbruch, fortschritt);
        e.reihen = s.reihen;
        e.schritte = s.schritte;
        e.abgebrochen = s.abgebrochen;
        e.untergrenze = Untergrenze(n, *wunsch.garantie);
    } else {
        e.reihen = Vollsystem(n);
        e.untergrenze = static_cast<std::int64_t>(e.reihen.size());
    }
    // Nothing leaves here unchecked.
    const Garantie pruefung = wunsch.garantie.value_or(Garantie{ZahlenProReihe, ZahlenProReihe});
    if (e.reihen.empty() || !GarantieHaelt(n, e.reihen, pruefung)) {
        e.reihen.clear();
        e.fehler = QStringLiteral("Das System h\u00E4lt seine Garantie nicht ein und wird nicht gezeigt.");
        return e;
    }
    // The Zusatzzahlen come from an engine of their own, so the rows of a start value stay the
    // same whichever way the Zusatzzahl is chosen.
    std::mt19937_64 motor(wunsch.startwert ^ 0x5A5A'1234'9876'ABCDULL);
    e.festeZusatzzahl = istZusatzzahl(wunsch.festeZusatzzahl) ? wunsch.festeZusatzzahl : 0;
    e.zusatzzahlen.resize(e.reihen.size());
    for (auto &zz : e.zusatzzahlen)
        zz = istZusatzzahl(wunsch.festeZusatzzahl) ? wunsch.festeZusatzzahl
                                                   : static_cast<std::uint8_t>(motor() % MaxZusatzzahl + 1);
    return e;
}

bool SystemchancenErgaenzen(Systemergebnis &e, const std::atomic<bool> *abbruch,
                            const Systemchancenfortschritt &fortschritt)
{
    const int wenn = e.garantie ? e.garantie->wenn : ZahlenProReihe;
    std::optional<Systemchancen> c = SystemchancenZaehlen(static_cast<int>(e.zahlen.size()), e.reihen,
                                                          e.zusatzzahlen, wenn, abbruch, fortschritt);
    if (!c)
        return false;
    e.chancen = *c;
    return true;
}

Zufallsreihen SystemAlsReihen(const Systemergebnis &system)
{
    Zufallsreihen reihen(system.anzahl(),
                         system.festeZusatzzahl ? QString::number(system.festeZusatzzahl) : QString());
    for (int r = 0; r < system.anzahl(); ++r)
        reihen.anhaengen(system.reihe(r), system.zusatzzahlen[static_cast<std::size_t>(r)]);
    return reihen;
}
