// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Chi-square goodness-of-fit test of observed counts against the counts a fair draw expects.

// Consecutive values von..bis pooled into one class.
struct Testklasse
{
    int von = 0;
    int bis = 0;
    std::int64_t beobachtet = 0;
    double erwartet = 0.0;
};

struct Anpassungstest
{
    std::vector<Testklasse> klassen; // after pooling
    double chiQuadrat = 0.0;
    int freiheitsgrade = 0;
    std::optional<double> p; // none when fewer than two classes remain
};

// Every class must expect at least this many draws.
inline constexpr double MindestErwartung = 5.0;

// The test over the values ersterWert, ersterWert + 1, … with their observed and expected
// counts (same length). Classes are merged from both tails inward until each expects at least
// five draws; degrees of freedom are the classes less one.
Anpassungstest ChiQuadratTest(int ersterWert, const std::vector<std::int64_t> &beobachtet,
                              const std::vector<double> &erwartet);

// The regularized upper incomplete gamma function Q(a, x) = Γ(a, x) / Γ(a), a > 0, x ≥ 0.
double OberesGamma(double a, double x);

// The chance that a chi-square variable with `freiheitsgrade` degrees of freedom reaches `chi`.
double ChiQuadratP(double chi, int freiheitsgrade);

// The result in words: "Eine mindestens so große Abweichung kommt bei fairen Ziehungen in 37 %
// der Fälle vor." (whole percent, "weniger als 1 %" below), or that there are too few draws.
QString Testsatz(const Anpassungstest &test);
