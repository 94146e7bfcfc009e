// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systems/Systemzerlegung.h"

#include <QStringList>

#include <algorithm>

bool ZerlegungGibt(int n, Garantie garantie, const std::vector<Zerlegungsteil> &teile)
{
    int zahlen = 0;
    int hoechstensOhne = 0; // winning numbers the parts can hold without any part's guarantee applying
    for (const Zerlegungsteil &teil : teile) {
        if (teil.wenn < garantie.richtige || teil.wenn > std::min(teil.zahlen, ZahlenProReihe) ||
            teil.zahlen < MinSystemzahlen)
            return false;
        zahlen += teil.zahlen;
        hoechstensOhne += teil.wenn - 1;
    }
    return !teile.empty() && zahlen == n && hoechstensOhne < garantie.wenn;
}

QString Zerlegungstext(const std::vector<Zerlegungsteil> &teile)
{
    QStringList text;
    for (const Zerlegungsteil &teil : teile)
        text << QStringLiteral("%1:%2").arg(teil.zahlen).arg(teil.wenn);
    return text.join(QLatin1Char('+'));
}

std::vector<Reihenmaske> ZerlegungZusammensetzen(const std::vector<Zerlegungsteil> &teile,
                                                 const std::vector<std::vector<Reihenmaske>> &systeme)
{
    std::vector<Reihenmaske> reihen;
    int verschiebung = 0;
    for (std::size_t i = 0; i < teile.size() && i < systeme.size(); ++i) {
        for (Reihenmaske r : systeme[i])
            reihen.push_back(r << verschiebung);
        verschiebung += teile[i].zahlen;
    }
    std::sort(reihen.begin(), reihen.end());
    return reihen;
}

namespace {

// Every split of `rest` numbers into parts no larger than `groesste` (by numbers, then by m), in
// that order, with at most `spielraum` winning numbers held below the parts' m.
template <class F>
void zerlegungenDurchgehen(int rest, int spielraum, Zerlegungsteil groesste, int richtige,
                           std::vector<Zerlegungsteil> &teile, F &&f)
{
    if (rest == 0) {
        f(teile);
        return;
    }
    for (int zahlen = std::min(rest, groesste.zahlen); zahlen >= MinSystemzahlen; --zahlen) {
        if (rest != zahlen && rest - zahlen < MinSystemzahlen)
            continue;
        for (int wenn = richtige; wenn <= std::min(zahlen, ZahlenProReihe) && wenn - 1 <= spielraum; ++wenn) {
            if (zahlen == groesste.zahlen && wenn > groesste.wenn)
                break;
            teile.push_back({zahlen, wenn});
            zerlegungenDurchgehen(rest - zahlen, spielraum - (wenn - 1), teile.back(), richtige, teile, f);
            teile.pop_back();
        }
    }
}

} // namespace

std::optional<std::vector<Zerlegungsteil>> BesteZerlegung(int n, Garantie garantie, const Systemgroesse &groesse)
{
    std::optional<std::vector<Zerlegungsteil>> beste;
    int wenigste = 0;
    std::vector<Zerlegungsteil> teile;
    // The first part is the largest; it leaves at least one more part.
    const Zerlegungsteil groesste{n - MinSystemzahlen, ZahlenProReihe};
    zerlegungenDurchgehen(n, garantie.wenn - 1, groesste, garantie.richtige, teile,
                          [&](const std::vector<Zerlegungsteil> &zerlegung) {
                              if (!ZerlegungGibt(n, garantie, zerlegung))
                                  return;
                              int summe = 0;
                              for (const Zerlegungsteil &teil : zerlegung) {
                                  const std::optional<int> g = groesse(teil.zahlen, {garantie.richtige, teil.wenn});
                                  if (!g)
                                      return;
                                  summe += *g;
                              }
                              if (!beste || summe < wenigste) {
                                  beste = zerlegung;
                                  wenigste = summe;
                              }
                          });
    return beste;
}
