// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The table of system sizes for the help page and the README, and the searches that make the
// program's own table of systems (src/systems/tabelle/, written by scripts/systemtabelle.sh).
//
//   systemtabelle [n=VON-BIS] [SEKUNDEN...]
//                                      for n = 6..20 and the six guarantees of the table: the
//                                      size of the table's system, the rows the program reaches
//                                      in each number of seconds (10 and 60 by default; the table
//                                      and the search after it), the best known size and the
//                                      bound, tab-separated. Run it niced, on one core; it takes
//                                      up to the sum of the seconds × 90.
//   systemtabelle eintrag N T:M ZYKLEN STARTWERT SCHRITTE NACHSCHRITTE
//                                      one search for the table: over orbits under the cyclic
//                                      group of ZYKLEN ("-": none, the plain search; "T19": the
//                                      tabu search over the orbits of a cycle of 19), then the
//                                      plain search from its system; prints the table line.
#include "systems/Bahnsuche.h"
#include "systems/Systembau.h"
#include "systems/System.h"
#include "systems/Systemsuche.h"
#include "systems/Systemtabelle.h"

#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int eintrag(int argc, char **argv)
{
    if (argc != 8) {
        std::fprintf(stderr, "systemtabelle eintrag N T:M ZYKLEN STARTWERT SCHRITTE NACHSCHRITTE\n");
        return 2;
    }
    const int n = std::atoi(argv[2]);
    Garantie g;
    if (std::sscanf(argv[3], "%d:%d", &g.richtige, &g.wenn) != 2)
        return 2;
    const QString zyklentext = QString::fromLatin1(argv[4]);
    const std::uint64_t startwert = std::strtoull(argv[5], nullptr, 10);
    const std::int64_t schritte = std::atoll(argv[6]);
    const std::int64_t nach = std::atoll(argv[7]);
    std::vector<Reihenmaske> reihen;
    if (zyklentext != QLatin1String("-")) {
        // "T19": the tabu search over the orbits of a cycle of 19.
        const bool tabu = zyklentext.startsWith(QLatin1Char('T'));
        const std::optional<Zyklen> z = Zyklen::lesen(tabu ? zyklentext.mid(1) : zyklentext);
        if (!z)
            return 2;
        reihen = BahnenSuchen({n, g, *z, startwert, schritte, tabu});
    }
    Systemsuchvorgaben v{n, g, startwert, zyklentext == QLatin1String("-") ? schritte : nach, 0};
    v.startreihen = reihen;
    if (v.schritte > 0 || reihen.empty()) {
        v.schritte = std::max<std::int64_t>(v.schritte, 1); // 0 would be a search without end
        reihen = SystemSuchen(v).reihen;
    }
    if (!GarantieHaelt(n, reihen, g)) {
        std::fprintf(stderr, "%d %d:%d: Garantie nicht gehalten\n", n, g.richtige, g.wenn);
        return 1;
    }
    std::printf("%s\n", qPrintable(Tabellenzeile({n, g, zyklentext, startwert, schritte, nach, reihen})));
    return 0;
}

// The six guarantees of the table, in its order.
constexpr Garantie Garantien[] = {{2, 2}, {3, 3}, {4, 4}, {3, 4}, {3, 5}, {4, 5}};

// Best known sizes for n = 6..20 from the published tables (0: none given), for comparison
// only: nothing here is built from them. For n <= 12 the search met them before the table.
constexpr int Bekannt[15][6] = {
    {3, 4, 5, 1, 1, 1},            // 6
    {3, 5, 9, 0, 1, 0},            // 7
    {4, 8, 20, 3, 2, 5},           // 8
    {5, 12, 30, 5, 2, 9},          // 9
    {6, 17, 51, 7, 2, 14},         // 10
    {7, 20, 66, 9, 5, 22},         // 11
    {9, 29, 113, 12, 6, 35},       // 12
    {10, 34, 157, 16, 8, 48},      // 13
    {12, 43, 229, 19, 10, 69},     // 14
    {13, 55, 294, 24, 13, 95},     // 15
    {15, 65, 404, 31, 14, 132},    // 16
    {16, 68, 491, 37, 18, 175},    // 17
    {18, 94, 664, 43, 22, 214},    // 18
    {19, 108, 839, 52, 26, 284},   // 19
    {21, 133, 1063, 61, 32, 350},  // 20
};

// What a player gets in so many seconds: the table's system and the search after it, as the
// window and the command line build it (start value 1).
int erreicht(int n, Garantie g, int sekunden)
{
    Systemwunsch w;
    for (int i = 1; i <= n; ++i)
        w.zahlen.push_back(i);
    w.garantie = g;
    w.startwert = 1;
    w.millisekunden = std::int64_t{sekunden} * 1000;
    return SystemOhneChancen(w).anzahl();
}

int tabelle(int argc, char **argv)
{
    std::vector<int> sekunden;
    int von = 6;
    int bis = 20;
    for (int i = 1; i < argc; ++i)
        if (std::sscanf(argv[i], "n=%d-%d", &von, &bis) != 2)
            sekunden.push_back(std::atoi(argv[i]));
    von = std::max(von, 6);
    bis = std::min(bis, 20);
    if (sekunden.empty())
        sekunden = {10, 60};
    std::printf("n\tGarantie\tTabelle");
    for (int s : sekunden)
        std::printf("\t%d s", s);
    std::printf("\tbekannt\tUntergrenze\n");
    for (int n = von; n <= bis; ++n)
        for (std::size_t i = 0; i < std::size(Garantien); ++i) {
            const Garantie g = Garantien[i];
            const std::optional<Tabelleneintrag> e = BekanntesSystem(n, g);
            std::printf("%d\t%d:%d\t%d", n, g.richtige, g.wenn, e ? static_cast<int>(e->reihen.size()) : 0);
            for (int s : sekunden)
                std::printf("\t%d", erreicht(n, g, s));
            std::printf("\t%d\t%lld\n", Bekannt[n - 6][i], static_cast<long long>(Untergrenze(n, g)));
            std::fflush(stdout);
        }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "eintrag") == 0)
        return eintrag(argc, argv);
    return tabelle(argc, argv);
}
