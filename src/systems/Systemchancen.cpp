#include "systems/Systemchancen.h"

#include "evaluation/Gewinnchancen.h"

#include <QStringList>

#include <bit>
#include <cmath>

Systemchancen SystemchancenBerechnen(int n, const std::vector<Reihenmaske> &reihen,
                                     const std::vector<std::uint8_t> &zusatzzahlen, int wenn)
{
    Systemchancen c;
    c.reihen = static_cast<int>(reihen.size());
    for (int j = wenn; j <= ZahlenProReihe; ++j)
        c.garantieGreift += Binomialkoeffizient(n, j) * Binomialkoeffizient(MaxZahl - n, ZahlenProReihe - j);

    // Rows by their hits and Zusatzzahl, for one subset of the chosen numbers at a time.
    std::array<std::array<std::int64_t, MaxZusatzzahl + 1>, ZahlenProReihe + 1> mitZZ{};
    std::array<std::int64_t, ZahlenProReihe + 1> jeTreffer{};
    const auto auswerten = [&](Reihenmaske teil) {
        const std::int64_t gewicht = Binomialkoeffizient(MaxZahl - n, ZahlenProReihe - std::popcount(teil));
        if (gewicht == 0)
            return;
        for (auto &z : mitZZ)
            z.fill(0);
        jeTreffer.fill(0);
        for (std::size_t r = 0; r < reihen.size(); ++r) {
            const auto h = static_cast<std::size_t>(std::popcount(reihen[r] & teil));
            ++jeTreffer[h];
            const std::uint8_t zz = r < zusatzzahlen.size() ? zusatzzahlen[r] : 0;
            if (istZusatzzahl(zz))
                ++mitZZ[h][zz];
        }
        for (int z = 1; z <= MaxZusatzzahl; ++z) {
            bool irgendeine = false;
            for (int h = 1; h <= ZahlenProReihe; ++h) {
                const auto hi = static_cast<std::size_t>(h);
                const std::int64_t passend = mitZZ[hi][static_cast<std::size_t>(z)];
                const std::int64_t sonst = jeTreffer[hi] - passend;
                for (const auto &[klasse, anzahl] :
                     {std::pair{KlasseFuer(h, true), passend}, std::pair{KlasseFuer(h, false), sonst}}) {
                    if (anzahl == 0)
                        continue;
                    const auto k = static_cast<std::size_t>(klasse - 1);
                    c.mindestensEine[k] += gewicht;
                    c.reihenSumme[k] += gewicht * anzahl;
                    c.erwartungSumme += gewicht * anzahl * Gewinnklassen[k].Gewinn;
                    irgendeine = true;
                }
            }
            if (irgendeine)
                c.gewinn += gewicht;
        }
    };
    // Every subset of at most five of the n chosen numbers.
    const auto rekursiv = [&](auto &&selbst, int ab, Reihenmaske teil, int groesse) -> void {
        auswerten(teil);
        if (groesse == ZahlenProReihe)
            return;
        for (int i = ab; i < n; ++i)
            selbst(selbst, i + 1, teil | (Reihenmaske{1} << i), groesse + 1);
    };
    rekursiv(rekursiv, 0, 0, 0);
    return c;
}

Betrag Systemeinsatz(std::int64_t reihen, float reihenpreis)
{
    return reihen * static_cast<Betrag>(std::llround(static_cast<double>(reihenpreis) * BetragProEuro));
}

TextTabelle SystemchancenTabelle(const Systemchancen &c, const QLocale &locale)
{
    TextTabelle t(5, AnzahlGewinnklassen + 2);
    const QStringList kopf{QStringLiteral("Kl."), QStringLiteral("Richtige"), QStringLiteral("Gewinn"),
                           QStringLiteral("Chance mind. eine Reihe"), QStringLiteral("Reihen im Mittel")};
    for (int s = 0; s < kopf.size(); ++s)
        t.setzeZelle(s, 0, kopf[s]);
    std::int64_t alleReihen = 0;
    for (int k = 0; k < AnzahlGewinnklassen; ++k) {
        const auto i = static_cast<std::size_t>(k);
        alleReihen += c.reihenSumme[i];
        t.setzeZelle(0, k + 1, QString::number(k + 1));
        t.setzeZelle(1, k + 1, Gewinnklassen[i].Bezeichnung);
        t.setzeZelle(2, k + 1, BetragZuWaehrung(Gewinnklassen[i].Gewinn, locale));
        t.setzeZelle(3, k + 1, ChanceText(c.mindestensEine[i], locale));
        t.setzeZelle(4, k + 1,
                     locale.toString(Wahrscheinlichkeit(c.reihenSumme[i], MoeglicheZiehungen), 'g', 4));
    }
    const int letzte = AnzahlGewinnklassen + 1;
    t.setzeZelle(0, letzte, QStringLiteral("alle"));
    t.setzeZelle(3, letzte, ChanceText(c.gewinn, locale));
    t.setzeZelle(4, letzte, locale.toString(Wahrscheinlichkeit(alleReihen, MoeglicheZiehungen), 'g', 4));
    return t;
}

Systemkennzahlen SystemkennzahlenTexte(const Systemchancen &c, float reihenpreis, const QLocale &locale)
{
    Systemkennzahlen k;
    k.erwartung = ErwartungText(static_cast<double>(c.erwartungSumme) / MoeglicheZiehungen, locale);
    k.einsatz = BetragZuWaehrung(Systemeinsatz(c.reihen, reihenpreis), locale);
    k.gewinnChance = ChanceText(c.gewinn, locale);
    // The guarantee counts sets of winning numbers; every Zusatzzahl goes with each.
    k.garantieGreift = ChanceText(c.garantieGreift * MaxZusatzzahl, locale);
    return k;
}
