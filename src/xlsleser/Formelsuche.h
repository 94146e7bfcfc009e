// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Formulas in .xls files: the workbook stream of the compound file, followed through its
// allocation tables, then the records of the first worksheet in it. Every number in the file is
// checked before it is used: anything out of place ends the search without a result.

namespace formelsuche {

using Bytes = std::vector<unsigned char>;

constexpr std::uint32_t KeinSektor = 0xFFFFFFFE; // end of a chain; anything above is no sector

inline std::uint32_t u32(const Bytes &b, std::size_t pos)
{
    return pos + 4 <= b.size() ? std::uint32_t(b[pos]) | std::uint32_t(b[pos + 1]) << 8 |
                                     std::uint32_t(b[pos + 2]) << 16 | std::uint32_t(b[pos + 3]) << 24
                               : KeinSektor;
}

inline unsigned u16(const Bytes &b, std::size_t pos)
{
    return pos + 2 <= b.size() ? unsigned(b[pos]) | unsigned(b[pos + 1]) << 8 : 0;
}

class Verbunddatei
{
public:
    explicit Verbunddatei(Bytes daten) : m_d(std::move(daten)) {}

    bool oeffnen()
    {
        if (m_d.size() < 512 || std::memcmp(m_d.data(), "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) != 0)
            return false;
        const unsigned shift = u16(m_d, 0x1E);
        const unsigned miniShift = u16(m_d, 0x20);
        if ((shift != 9 && shift != 12) || miniShift != 6)
            return false;
        m_sektor = std::size_t(1) << shift;
        m_sektoren = (m_d.size() - 512) / m_sektor + 1;
        // The sectors of the allocation table: 109 in the header, the rest in a chain of its own.
        std::vector<std::uint32_t> fatSektoren;
        for (std::size_t i = 0; i < 109; ++i)
            fatSektoren.push_back(u32(m_d, 0x4C + 4 * i));
        std::uint32_t difat = u32(m_d, 0x44);
        for (std::size_t n = 0; difat < KeinSektor && n < m_sektoren; ++n) {
            const std::size_t anfang = position(difat);
            if (anfang == 0)
                return false;
            for (std::size_t i = 0; i + 1 < m_sektor / 4; ++i)
                fatSektoren.push_back(u32(m_d, anfang + 4 * i));
            difat = u32(m_d, anfang + m_sektor - 4);
        }
        for (const std::uint32_t s : fatSektoren) {
            if (s >= KeinSektor)
                continue;
            const std::size_t anfang = position(s);
            if (anfang == 0)
                return false;
            for (std::size_t i = 0; i < m_sektor / 4 && m_fat.size() < m_sektoren; ++i)
                m_fat.push_back(u32(m_d, anfang + 4 * i));
        }
        return true;
    }

    // The stream of that name (ASCII) in the root folder; empty when it is missing.
    Bytes strom(const char *gesucht)
    {
        const Bytes verzeichnis = kette(u32(m_d, 0x30), m_fat, false, std::size_t(-1));
        Bytes wurzel;
        for (std::size_t e = 0; e + 128 <= verzeichnis.size(); e += 128) {
            const unsigned laenge = u16(verzeichnis, e + 0x40);
            const unsigned art = verzeichnis[e + 0x42];
            std::string name;
            for (unsigned i = 0; i + 2 < laenge && i < 64; i += 2)
                name += char(verzeichnis[e + i]);
            const std::uint32_t anfang = u32(verzeichnis, e + 0x74);
            const std::size_t groesse = u32(verzeichnis, e + 0x78);
            if (art == 5 && e == 0)
                wurzel = kette(anfang, m_fat, false, groesse);
            if (art != 2 || name != gesucht)
                continue;
            if (groesse >= u32(m_d, 0x38))
                return kette(anfang, m_fat, false, groesse);
            // Small streams lie in the mini stream, in sectors of 64 bytes.
            const Bytes miniFatBytes = kette(u32(m_d, 0x3C), m_fat, false, std::size_t(-1));
            std::vector<std::uint32_t> miniFat;
            for (std::size_t i = 0; i + 4 <= miniFatBytes.size(); i += 4)
                miniFat.push_back(u32(miniFatBytes, i));
            m_mini = &wurzel;
            Bytes b = kette(anfang, miniFat, true, groesse);
            m_mini = nullptr;
            return b;
        }
        return {};
    }

private:
    // Offset of a sector in the file; 0 when it lies outside.
    std::size_t position(std::uint32_t s) const
    {
        if (s >= m_sektoren)
            return 0;
        const std::size_t anfang = (std::size_t(s) + 1) * m_sektor;
        return anfang + m_sektor <= m_d.size() ? anfang : 0;
    }

    // The bytes of a chain of sectors, at most `groesse`; a loop or a sector outside ends it.
    Bytes kette(std::uint32_t s, const std::vector<std::uint32_t> &tabelle, bool mini, std::size_t groesse) const
    {
        Bytes b;
        const std::size_t einheit = mini ? 64 : m_sektor;
        for (std::size_t n = 0; s < KeinSektor && n <= tabelle.size() && b.size() < groesse; ++n) {
            if (mini) {
                const std::size_t anfang = std::size_t(s) * 64;
                if (!m_mini || anfang + 64 > m_mini->size())
                    break;
                b.insert(b.end(), m_mini->begin() + long(anfang), m_mini->begin() + long(anfang + 64));
            } else {
                const std::size_t anfang = position(s);
                if (anfang == 0)
                    break;
                b.insert(b.end(), m_d.begin() + long(anfang), m_d.begin() + long(anfang + einheit));
            }
            s = s < tabelle.size() ? tabelle[s] : KeinSektor;
        }
        if (b.size() > groesse)
            b.resize(groesse);
        return b;
    }

    Bytes m_d;
    std::size_t m_sektor = 512;
    std::size_t m_sektoren = 0;
    std::vector<std::uint32_t> m_fat;
    const Bytes *m_mini = nullptr;
};

} // namespace formelsuche

// The first cell of the first worksheet of an .xls file that holds a formula, as (row, column)
// from 0; nullopt when there is none or the file can't be followed. freexl does not read the
// results of formulas, so such a cell would look empty.
inline std::optional<std::pair<unsigned, unsigned>> ErsteFormel(const char *pfad)
{
    using namespace formelsuche;
    std::FILE *f = std::fopen(pfad, "rb");
    if (!f)
        return std::nullopt;
    Bytes daten;
    unsigned char puffer[1 << 16];
    std::size_t n = 0;
    // The program reads no workbook above 16 MB.
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0 && daten.size() < (std::size_t(32) << 20))
        daten.insert(daten.end(), puffer, puffer + n);
    std::fclose(f);
    Verbunddatei datei(std::move(daten));
    if (!datei.oeffnen())
        return std::nullopt;
    Bytes buch = datei.strom("Workbook");
    if (buch.empty())
        buch = datei.strom("Book");
    // BIFF records: type and length, 16 bits each. The first sheet's entry in the workbook's
    // globals says where its records begin.
    std::size_t pos = 0;
    std::size_t blatt = 0;
    while (pos + 4 <= buch.size()) {
        const unsigned art = u16(buch, pos);
        const unsigned laenge = u16(buch, pos + 2);
        if (art == 0x0085) { // BOUNDSHEET
            blatt = u32(buch, pos + 4);
            break;
        }
        if (art == 0x000A) // EOF of the globals
            return std::nullopt;
        pos += 4 + laenge;
    }
    if (blatt == 0 || blatt >= buch.size())
        return std::nullopt;
    pos = blatt;
    for (bool erster = true; pos + 4 <= buch.size(); erster = false) {
        const unsigned art = u16(buch, pos);
        const unsigned laenge = u16(buch, pos + 2);
        if (erster && art != 0x0809) // the sheet's BOF
            return std::nullopt;
        if (art == 0x000A)
            return std::nullopt;
        if (art == 0x0006 && laenge >= 4) // FORMULA: row, column, …
            return std::pair(u16(buch, pos + 4), u16(buch, pos + 6));
        pos += 4 + laenge;
    }
    return std::nullopt;
}
