// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Textzellen.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

QString Zentrieren(const QString &text, int spaltenbreite, const Textmesser &textbreite)
{
    // std::nearbyint rounds halves to even in the default rounding mode.
    const double w = std::nearbyint(spaltenbreite * 0.8);
    const int t = textbreite(text);
    const int b = textbreite(QStringLiteral(" "));
    if (b <= 0)
        return text;
    const double blanks = std::nearbyint((w - t) / (2.0 * b));
    if (blanks <= 0)
        return text;
    return QString(static_cast<qsizetype>(blanks), QLatin1Char(' ')) + text;
}

namespace {

// A cell word: bit 63 clear, the length in bits 56..58 and up to seven Latin-1 characters in
// bytes 0..6; or bit 63 set and the offset of a pool entry in the rest. A pool entry is a 32-bit
// head, the length shifted left by one with bit 0 set for UTF-16, followed by the characters as
// Latin-1 bytes or as UTF-16 code units. Each text has exactly one form, so equal texts have
// equal words or equal pool entries.
constexpr std::uint64_t ImPool = std::uint64_t{1} << 63;
constexpr int KurzLaenge = 7;
constexpr qsizetype KopfGroesse = sizeof(std::uint32_t);

std::uint32_t eintragsKopf(const QByteArray &pool, qsizetype stelle)
{
    std::uint32_t kopf = 0;
    std::memcpy(&kopf, pool.constData() + stelle, sizeof kopf);
    return kopf;
}

// Bytes of the entry with head `kopf`, head included.
qsizetype eintragsGroesse(std::uint32_t kopf)
{
    const qsizetype laenge = kopf >> 1;
    return KopfGroesse + ((kopf & 1U) != 0 ? 2 * laenge : laenge);
}

qsizetype poolStelle(std::uint64_t wort) { return static_cast<qsizetype>(wort & ~ImPool); }

} // namespace

TextTabelle::TextTabelle(int spalten, int zeilen) { umbauen(spalten, zeilen); }

void TextTabelle::setzeSpalten(int spalten) { umbauen(spalten, m_zeilen); }

void TextTabelle::setzeZeilen(int zeilen) { umbauen(m_spalten, zeilen); }

void TextTabelle::umbauen(int spalten, int zeilen)
{
    spalten = std::max(spalten, 0);
    zeilen = std::max(zeilen, 0);
    const qsizetype anzahl = static_cast<qsizetype>(spalten) * zeilen;
    if (spalten == m_spalten) {
        for (qsizetype i = anzahl; i < m_zellen.size(); ++i)
            freigeben(m_zellen[i]);
        m_zellen.resize(anzahl);
    } else {
        QVector<std::uint64_t> neu(anzahl);
        for (int r = 0; r < m_zeilen; ++r)
            for (int c = 0; c < m_spalten; ++c) {
                const std::uint64_t wort = m_zellen[static_cast<qsizetype>(r) * m_spalten + c];
                if (r < zeilen && c < spalten)
                    neu[static_cast<qsizetype>(r) * spalten + c] = wort;
                else
                    freigeben(wort);
            }
        m_zellen = std::move(neu);
        m_breiten.resize(spalten, StandardBreite);
    }
    m_spalten = spalten;
    m_zeilen = zeilen;
    poolAufraeumen();
}

QString TextTabelle::zelle(int spalte, int zeile) const
{
    if (spalte < 0 || spalte >= m_spalten || zeile < 0 || zeile >= m_zeilen)
        return QString();
    return text(m_zellen[static_cast<qsizetype>(zeile) * m_spalten + spalte]);
}

void TextTabelle::setzeZelle(int spalte, int zeile, const QString &text)
{
    if (spalte < 0 || spalte >= m_spalten || zeile < 0 || zeile >= m_zeilen)
        return;
    std::uint64_t &zelle = m_zellen[static_cast<qsizetype>(zeile) * m_spalten + spalte];
    const std::uint64_t alt = zelle;
    zelle = ablegen(text);
    freigeben(alt);
    poolAufraeumen();
}

std::uint64_t TextTabelle::ablegen(const QString &text)
{
    const qsizetype laenge = text.size();
    const auto *zeichen = reinterpret_cast<const char16_t *>(text.constData());
    const bool latin1 = std::all_of(zeichen, zeichen + laenge, [](char16_t z) { return z < 0x100; });
    if (latin1 && laenge <= KurzLaenge) {
        std::uint64_t wort = static_cast<std::uint64_t>(laenge) << 56;
        for (qsizetype i = 0; i < laenge; ++i)
            wort |= static_cast<std::uint64_t>(zeichen[i]) << (8 * i);
        return wort;
    }
    // Longer texts than the head can count do not occur in a grid: a QString of a billion
    // characters is cut there rather than stored wrong.
    const qsizetype gekuerzt = std::min<qsizetype>(laenge, std::numeric_limits<std::uint32_t>::max() >> 1);
    const std::uint32_t kopf = (static_cast<std::uint32_t>(gekuerzt) << 1) | (latin1 ? 0U : 1U);
    const qsizetype stelle = m_pool.size();
    m_pool.resize(stelle + eintragsGroesse(kopf));
    char *ziel = m_pool.data() + stelle;
    std::memcpy(ziel, &kopf, sizeof kopf);
    ziel += KopfGroesse;
    if (latin1)
        std::transform(zeichen, zeichen + gekuerzt, ziel, [](char16_t z) { return static_cast<char>(z); });
    else
        std::memcpy(ziel, zeichen, static_cast<std::size_t>(gekuerzt) * sizeof(char16_t));
    return ImPool | static_cast<std::uint64_t>(stelle);
}

void TextTabelle::freigeben(std::uint64_t wort)
{
    if ((wort & ImPool) != 0)
        m_frei += eintragsGroesse(eintragsKopf(m_pool, poolStelle(wort)));
}

void TextTabelle::poolAufraeumen()
{
    if (m_frei == 0)
        return;
    if (m_frei == m_pool.size()) {
        m_pool.clear();
        m_frei = 0;
        return;
    }
    // Overwritten texts stay in the pool until they make up half of it and more than the cells
    // themselves take; then the live entries are moved together, at a cost the overwrites paid for.
    if (m_frei <= m_pool.size() / 2 || m_frei < 8 * m_zellen.size())
        return;
    QByteArray neu;
    neu.reserve(m_pool.size() - m_frei);
    for (std::uint64_t &wort : m_zellen) {
        if ((wort & ImPool) == 0)
            continue;
        const qsizetype stelle = poolStelle(wort);
        const qsizetype groesse = eintragsGroesse(eintragsKopf(m_pool, stelle));
        wort = ImPool | static_cast<std::uint64_t>(neu.size());
        neu.append(m_pool.constData() + stelle, groesse);
    }
    m_pool = std::move(neu);
    m_frei = 0;
}

QString TextTabelle::text(std::uint64_t wort) const
{
    if ((wort & ImPool) == 0) {
        const auto laenge = static_cast<qsizetype>(wort >> 56);
        char zeichen[KurzLaenge];
        for (qsizetype i = 0; i < laenge; ++i)
            zeichen[i] = static_cast<char>((wort >> (8 * i)) & 0xFF);
        return laenge == 0 ? QString() : QString::fromLatin1(zeichen, laenge);
    }
    const qsizetype stelle = poolStelle(wort);
    const std::uint32_t kopf = eintragsKopf(m_pool, stelle);
    const qsizetype laenge = kopf >> 1;
    const char *daten = m_pool.constData() + stelle + KopfGroesse;
    if ((kopf & 1U) == 0)
        return QString::fromLatin1(daten, laenge);
    QString s(laenge, Qt::Uninitialized);
    std::memcpy(s.data(), daten, static_cast<std::size_t>(laenge) * sizeof(char16_t));
    return s;
}

bool TextTabelle::gleich(std::uint64_t a, const TextTabelle &andere, std::uint64_t b) const
{
    if ((a & ImPool) == 0 || (b & ImPool) == 0)
        return a == b;
    const std::uint32_t kopf = eintragsKopf(m_pool, poolStelle(a));
    if (kopf != eintragsKopf(andere.m_pool, poolStelle(b)))
        return false;
    const qsizetype groesse = eintragsGroesse(kopf) - KopfGroesse;
    return std::memcmp(m_pool.constData() + poolStelle(a) + KopfGroesse,
                       andere.m_pool.constData() + poolStelle(b) + KopfGroesse, static_cast<std::size_t>(groesse)) == 0;
}

bool TextTabelle::operator==(const TextTabelle &andere) const
{
    if (m_spalten != andere.m_spalten || m_zeilen != andere.m_zeilen || m_breiten != andere.m_breiten)
        return false;
    for (qsizetype i = 0; i < m_zellen.size(); ++i)
        if (!gleich(m_zellen[i], andere, andere.m_zellen[i]))
            return false;
    return true;
}

int TextTabelle::spaltenbreite(int spalte) const
{
    return spalte >= 0 && spalte < m_spalten ? m_breiten[spalte] : 0;
}

void TextTabelle::setzeSpaltenbreite(int spalte, int breite)
{
    if (spalte >= 0 && spalte < m_spalten)
        m_breiten[spalte] = breite;
}

void KopfTippreihen(TextTabelle &tabelle, int ersteSpaltenbreite, const Textmesser &textbreite)
{
    if (tabelle.spalten() < TippreihenSpalten)
        tabelle.setzeSpalten(TippreihenSpalten);
    if (tabelle.zeilen() < 1)
        tabelle.setzeZeilen(1);
    tabelle.setzeSpaltenbreite(0, ersteSpaltenbreite);
    tabelle.setzeZelle(0, 0, Zentrieren(QStringLiteral("Reihe"), tabelle.spaltenbreite(0), textbreite));
    for (int c = 1; c <= 5; ++c)
        tabelle.setzeZelle(c, 0, Zentrieren(QStringLiteral("Z%1").arg(c), tabelle.spaltenbreite(c), textbreite));
    tabelle.setzeZelle(6, 0, Zentrieren(QStringLiteral("ZZ"), tabelle.spaltenbreite(6), textbreite));
}
