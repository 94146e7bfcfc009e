// Writes the table of system sizes for the help page and the README: for every guarantee and
// n = 8..20 the rows the search reaches in the given seconds (10 by default), beside the lower
// bound. Run it niced; it takes seconds × 65 of one core. With "N T M SEKUNDEN [STARTWERT]" it
// runs that one search and shows how it went.
#include "systems/System.h"
#include "systems/Systemsuche.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc >= 5) {
        const int n = std::atoi(argv[1]);
        const Garantie g{std::atoi(argv[2]), std::atoi(argv[3])};
        const auto start = std::chrono::steady_clock::now();
        int letzte = 1 << 30;
        const Systemsuchergebnis e = SystemSuchen(
            {n, g, argc > 5 ? std::strtoull(argv[5], nullptr, 10) : 1, 0, std::atol(argv[4]) * 1000}, nullptr,
            [&](int reihen, std::int64_t schritte) {
                if (reihen >= letzte)
                    return;
                letzte = reihen;
                const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                std::fprintf(stderr, "  %d Reihen nach %.2f s, %lld Schritten\n", reihen, s,
                             static_cast<long long>(schritte));
            });
        std::printf("%d Zahlen, %d bei %d: %zu Reihen (Untergrenze %lld), %s\n", n, g.richtige, g.wenn,
                    e.reihen.size(), static_cast<long long>(Untergrenze(n, g)),
                    GarantieHaelt(n, e.reihen, g) ? "geprüft" : "FEHLER");
        return 0;
    }
    const long sekunden = argc > 1 ? std::atol(argv[1]) : 10;
    const Garantie garantien[] = {{3, 3}, {2, 2}, {3, 4}, {3, 5}, {4, 5}};
    std::printf("n");
    for (const Garantie &g : garantien)
        std::printf("\t%d bei %d", g.richtige, g.wenn);
    std::printf("\n");
    for (int n = 8; n <= 20; ++n) {
        std::printf("%d", n);
        for (const Garantie &g : garantien) {
            const Systemsuchergebnis e = SystemSuchen({n, g, 1, 0, sekunden * 1000});
            const bool ok = GarantieHaelt(n, e.reihen, g);
            std::printf("\t%zu/%lld%s", e.reihen.size(), static_cast<long long>(Untergrenze(n, g)), ok ? "" : "!");
            std::fflush(stdout);
        }
        std::printf("\n");
    }
}
