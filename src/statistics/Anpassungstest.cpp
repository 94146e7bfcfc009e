// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics/Anpassungstest.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

void verschmelze(std::vector<Testklasse> &klassen, std::size_t links)
{
    Testklasse &a = klassen[links];
    const Testklasse &b = klassen[links + 1];
    a.bis = b.bis;
    a.beobachtet += b.beobachtet;
    a.erwartet += b.erwartet;
    klassen.erase(klassen.begin() + static_cast<std::ptrdiff_t>(links) + 1);
}

// P(a, x) by its power series; converges fast for x < a + 1.
double unteresGammaReihe(double a, double x)
{
    double summand = 1.0 / a;
    double summe = summand;
    for (int n = 1; n < 10000; ++n) {
        summand *= x / (a + n);
        summe += summand;
        if (std::fabs(summand) < std::fabs(summe) * 1e-16)
            break;
    }
    return summe * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// Q(a, x) by its continued fraction (modified Lentz); converges fast for x ≥ a + 1.
double oberesGammaBruch(double a, double x)
{
    constexpr double winzig = std::numeric_limits<double>::min() / std::numeric_limits<double>::epsilon();
    double b = x + 1.0 - a;
    double c = 1.0 / winzig;
    double d = 1.0 / b;
    double h = d;
    for (int i = 1; i < 10000; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < winzig)
            d = winzig;
        c = b + an / c;
        if (std::fabs(c) < winzig)
            c = winzig;
        d = 1.0 / d;
        const double schritt = d * c;
        h *= schritt;
        if (std::fabs(schritt - 1.0) < 1e-16)
            break;
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

} // namespace

Anpassungstest ChiQuadratTest(int ersterWert, const std::vector<std::int64_t> &beobachtet,
                              const std::vector<double> &erwartet)
{
    Anpassungstest test;
    for (std::size_t i = 0; i < beobachtet.size() && i < erwartet.size(); ++i) {
        const int wert = ersterWert + static_cast<int>(i);
        test.klassen.push_back({wert, wert, beobachtet[i], erwartet[i]});
    }
    auto &k = test.klassen;
    // From the tails inward: the outermost class takes in its neighbour while it expects too little.
    while (k.size() >= 2 && k.front().erwartet < MindestErwartung)
        verschmelze(k, 0);
    while (k.size() >= 2 && k.back().erwartet < MindestErwartung)
        verschmelze(k, k.size() - 2);
    // A distribution with a dip inside: such a class joins its smaller neighbour.
    for (std::size_t i = 1; k.size() >= 2 && i + 1 < k.size();) {
        if (k[i].erwartet >= MindestErwartung) {
            ++i;
            continue;
        }
        if (k[i - 1].erwartet <= k[i + 1].erwartet)
            verschmelze(k, --i);
        else
            verschmelze(k, i);
    }
    if (k.size() < 2)
        return test;
    for (const Testklasse &klasse : k) {
        const double abweichung = static_cast<double>(klasse.beobachtet) - klasse.erwartet;
        test.chiQuadrat += abweichung * abweichung / klasse.erwartet;
    }
    test.freiheitsgrade = static_cast<int>(k.size()) - 1;
    test.p = ChiQuadratP(test.chiQuadrat, test.freiheitsgrade);
    return test;
}

double OberesGamma(double a, double x)
{
    if (!(a > 0.0) || !(x > 0.0))
        return 1.0;
    if (x < a + 1.0)
        return std::clamp(1.0 - unteresGammaReihe(a, x), 0.0, 1.0);
    return std::clamp(oberesGammaBruch(a, x), 0.0, 1.0);
}

double ChiQuadratP(double chi, int freiheitsgrade)
{
    return OberesGamma(freiheitsgrade / 2.0, chi / 2.0);
}

QString Testsatz(const Anpassungstest &test)
{
    if (!test.p)
        return QStringLiteral("Zu wenige Ziehungen f\u00FCr einen Test.");
    const double prozent = *test.p * 100.0;
    const QString anteil =
        prozent < 1.0 ? QStringLiteral("weniger als 1 %") : QStringLiteral("%1 %").arg(std::lround(prozent));
    return QStringLiteral("Eine mindestens so gro\u00DFe Abweichung kommt bei fairen Ziehungen in %1 der F\u00E4lle vor.")
        .arg(anteil);
}
