// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "syndicate/Aufteilung.h"

#include <algorithm>
#include <numeric>

namespace {
// 128 bits: amount × shares must not overflow whatever the amount.
__extension__ typedef __int128 AufteilungBreit;
} // namespace

bool VorInCodepunkten(const QString &a, const QString &b)
{
    const QList<uint> x = a.toUcs4();
    const QList<uint> y = b.toUcs4();
    return std::lexicographical_compare(x.cbegin(), x.cend(), y.cbegin(), y.cend());
}

std::vector<Cent> Aufteilen(Cent betrag, const std::vector<Teilhaber> &teilhaber)
{
    AufteilungBreit summe = 0;
    for (const Teilhaber &t : teilhaber)
        summe += std::max(t.anteile, 0);
    if (teilhaber.empty() || summe <= 0 || betrag < 0)
        return {};
    std::vector<Cent> teile(teilhaber.size());
    std::vector<AufteilungBreit> rest(teilhaber.size());
    Cent verteilt = 0;
    for (std::size_t i = 0; i < teilhaber.size(); ++i) {
        const AufteilungBreit produkt = static_cast<AufteilungBreit>(betrag) * std::max(teilhaber[i].anteile, 0);
        teile[i] = static_cast<Cent>(produkt / summe);
        rest[i] = produkt % summe;
        verteilt += teile[i];
    }
    std::vector<std::size_t> folge(teilhaber.size());
    std::iota(folge.begin(), folge.end(), std::size_t{0});
    std::sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
        if (rest[a] != rest[b])
            return rest[a] > rest[b];
        if (teilhaber[a].eintritt != teilhaber[b].eintritt)
            return teilhaber[a].eintritt < teilhaber[b].eintritt;
        return VorInCodepunkten(teilhaber[a].name, teilhaber[b].name);
    });
    // Fewer cents are left than there are members, each remainder being below the total.
    for (Cent i = 0; i < betrag - verteilt; ++i)
        ++teile[folge[static_cast<std::size_t>(i)]];
    return teile;
}
