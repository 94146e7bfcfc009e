// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generator/Musterfilter.h"

#include <QRegularExpression>

namespace {

// Visits the index of every row that passes; the loop the live count runs on every change.
template <class Besuch>
void durchlaufe(std::uint64_t bank, std::uint64_t kill, const Musterfilter &filter, Besuch &&besuch)
{
    const Reihentafel &tafel = Reihentafel::alle();
    const Filterpruefung passt(filter);
    const std::size_t n = tafel.reihen.size();
    const std::uint64_t *reihen = tafel.reihen.data();
    const std::uint32_t *muster = tafel.muster.data();
    for (std::size_t i = 0; i < n; ++i)
        if ((reihen[i] & bank) == bank && (reihen[i] & kill) == 0 && passt(muster[i]))
            besuch(i);
}

} // namespace

bool Musterfilter::aktiv() const
{
    for (const auto &b : m_bereiche)
        if (b)
            return true;
    return false;
}

bool Musterfilter::erfuellt(const Musterwerte &werte) const
{
    for (const Musterart art : AlleMusterarten) {
        const auto &b = bereich(art);
        const int w = werte.wert(art);
        if (b && (w < b->von || w > b->bis))
            return false;
    }
    return true;
}

std::optional<Musterbereich> Musterfilter::lesen(Musterart art, const QString &text, bool *ok)
{
    *ok = true;
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    static const QRegularExpression bereichsform(QStringLiteral("^(\\d{1,3})(?:\\s*-\\s*(\\d{1,3}))?$"));
    const QRegularExpressionMatch treffer = bereichsform.match(t);
    const Wertebereich moeglich = WerteVon(art);
    Musterbereich b;
    if (treffer.hasMatch() && nurHoechstwert(art) && !treffer.hasCaptured(2)) {
        b = {moeglich.von, treffer.captured(1).toInt()};
    } else if (treffer.hasMatch() && !nurHoechstwert(art)) {
        b.von = treffer.captured(1).toInt();
        b.bis = treffer.hasCaptured(2) ? treffer.captured(2).toInt() : b.von;
    } else {
        *ok = false;
        return std::nullopt;
    }
    if (b.von > b.bis || b.von < moeglich.von || b.bis > moeglich.bis) {
        *ok = false;
        return std::nullopt;
    }
    return b;
}

QString Musterfilter::text(Musterart art) const
{
    const auto &b = bereich(art);
    if (!b)
        return {};
    if (nurHoechstwert(art))
        return QString::number(b->bis);
    return QStringLiteral("%1-%2").arg(b->von).arg(b->bis);
}

Filterpruefung::Filterpruefung(const Musterfilter &filter)
{
    for (const Musterart art : AlleMusterarten) {
        const Wertebereich moeglich = WerteVon(art);
        const auto &b = filter.bereich(art);
        const int von = b ? b->von : moeglich.von;
        const int bis = b ? b->bis : moeglich.bis;
        for (int w = von; w <= bis; ++w) {
            if (art == Musterart::Summe)
                m_summe[static_cast<std::size_t>(w >> 6)] |= std::uint64_t{1} << (w & 63);
            else
                m_rest |= std::uint32_t{1} << (8 * (static_cast<int>(art) - 1) + w);
        }
    }
}

std::int64_t PassendeReihenZaehlen(std::uint64_t bank, std::uint64_t kill, const Musterfilter &filter)
{
    std::int64_t anzahl = 0;
    durchlaufe(bank, kill, filter, [&anzahl](std::size_t) { ++anzahl; });
    return anzahl;
}

std::vector<std::uint64_t> PassendeReihen(std::uint64_t bank, std::uint64_t kill, const Musterfilter &filter)
{
    std::vector<std::uint64_t> reihen;
    const Reihentafel &tafel = Reihentafel::alle();
    durchlaufe(bank, kill, filter, [&](std::size_t i) { reihen.push_back(tafel.reihen[i]); });
    return reihen;
}
