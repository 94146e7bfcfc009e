// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// quintaro-xls-leser FILE ROWS COLUMNS CELLS
//
// Reads the first worksheet of an .xls workbook with freexl and writes its cells to standard
// output (entry/XlsAntwort.h). The program starts it for every .xls file it imports: a damaged
// or hostile file that trips up the library then ends this process, never the program, and the
// limits set first end it when a file makes the library allocate or loop without end.

#include "entry/XlsAntwort.h"
#include "xlsleser/Formelsuche.h"

#include <freexl.h>

#include <sys/resource.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <unordered_map>

namespace {

// Never above a hard limit the process already has: raising one fails, and ours would not be set.
void grenzeSetzen(int art, rlim_t weich, rlim_t hart)
{
    rlimit grenze{};
    if (getrlimit(art, &grenze) == 0 && grenze.rlim_max != RLIM_INFINITY)
        hart = std::min(hart, grenze.rlim_max);
    grenze.rlim_cur = std::min(weich, hart);
    grenze.rlim_max = hart;
    setrlimit(art, &grenze);
}

// Ample for the largest worksheet freexl holds (65536 rows of 256 cells); a file that makes it
// ask for more ends here, as does one that keeps it busy. No core file of a crash is left behind.
void begrenzen()
{
    grenzeSetzen(RLIMIT_CORE, 0, 0);
    grenzeSetzen(RLIMIT_CPU, 30, 35);
#ifndef QUINTARO_ASAN // the sanitizer reserves terabytes of address space for itself
    grenzeSetzen(RLIMIT_AS, rlim_t(2) << 30, rlim_t(2) << 30);
#endif
}

bool zahlLesen(const char *text, unsigned long &wert)
{
    const char *ende = text + std::strlen(text);
    const auto [stelle, fehler] = std::from_chars(text, ende, wert);
    return fehler == std::errc() && stelle == ende && stelle != text;
}

class Ausgabe
{
public:
    void kennung() { std::fwrite(XlsAntwort::Kennung, 1, sizeof XlsAntwort::Kennung, stdout); }
    void satz(XlsAntwort::Satz art) { std::fputc(art, stdout); }
    void zahl32(std::uint32_t wert)
    {
        const unsigned char bytes[4] = {static_cast<unsigned char>(wert), static_cast<unsigned char>(wert >> 8),
                                        static_cast<unsigned char>(wert >> 16), static_cast<unsigned char>(wert >> 24)};
        std::fwrite(bytes, 1, 4, stdout);
    }
    void zahl64(std::uint64_t wert)
    {
        zahl32(static_cast<std::uint32_t>(wert));
        zahl32(static_cast<std::uint32_t>(wert >> 32));
    }
    void zelle(XlsAntwort::Satz art, unsigned zeile, unsigned spalte)
    {
        satz(art);
        zahl32(zeile);
        zahl32(spalte);
    }
    void fehler(XlsAntwort::Xlsfehler art, int code = 0)
    {
        satz(XlsAntwort::Fehler);
        zahl32(static_cast<std::uint32_t>(art));
        zahl32(static_cast<std::uint32_t>(code));
    }

    void formel(unsigned zeile, unsigned spalte)
    {
        satz(XlsAntwort::Formel);
        zahl32(zeile);
        zahl32(spalte);
    }

    void blatt(const char *name)
    {
        const std::size_t laenge = std::min<std::size_t>(std::strlen(name), 1024);
        satz(XlsAntwort::Blatt);
        zahl32(static_cast<std::uint32_t>(laenge));
        std::fwrite(name, 1, laenge, stdout);
    }

    // The number of the text, sent now unless it is a shared string sent before.
    std::uint32_t text(const char *text, bool gemeinsam)
    {
        if (gemeinsam) {
            const auto gesendet = m_gemeinsame.find(text);
            if (gesendet != m_gemeinsame.end())
                return gesendet->second;
        }
        std::size_t laenge = std::strlen(text);
        if (laenge > XlsAntwort::MaxXlsTextBytes) {
            laenge = XlsAntwort::MaxXlsTextBytes;
            while (laenge > 0 && (static_cast<unsigned char>(text[laenge]) & 0xC0) == 0x80)
                --laenge; // not within a character
        }
        satz(XlsAntwort::Text);
        zahl32(static_cast<std::uint32_t>(laenge));
        std::fwrite(text, 1, laenge, stdout);
        const std::uint32_t nummer = m_texte++;
        if (gemeinsam)
            m_gemeinsame.emplace(text, nummer);
        return nummer;
    }

private:
    // freexl keeps its shared strings until the file is closed: one pointer, one text.
    std::unordered_map<const char *, std::uint32_t> m_gemeinsame;
    std::uint32_t m_texte = 0;
};

// Closes the file on every way out.
struct Xlsdatei
{
    const void *handle = nullptr;
    ~Xlsdatei()
    {
        if (handle)
            freexl_close(handle);
    }
};

void lesen(const char *pfad, unsigned long maxZeilen, unsigned long maxSpalten, unsigned long maxZellen, Ausgabe &aus)
{
    Xlsdatei datei;
    const int rc = freexl_open(pfad, &datei.handle);
    if (rc != FREEXL_OK) {
        aus.fehler(XlsAntwort::Oeffnen, rc);
        return;
    }
    unsigned int wert = 0;
    if (freexl_get_info(datei.handle, FREEXL_BIFF_PASSWORD, &wert) == FREEXL_OK && wert != FREEXL_BIFF_PLAIN) {
        aus.fehler(XlsAntwort::Kennwort);
        return;
    }
    if (freexl_get_info(datei.handle, FREEXL_BIFF_SHEET_COUNT, &wert) != FREEXL_OK || wert == 0 ||
        freexl_select_active_worksheet(datei.handle, 0) != FREEXL_OK) {
        aus.fehler(XlsAntwort::KeineTabelle);
        return;
    }
    const char *blattname = nullptr;
    if (freexl_get_worksheet_name(datei.handle, 0, &blattname) == FREEXL_OK && blattname)
        aus.blatt(blattname);
    if (const auto formel = ErsteFormel(pfad)) {
        aus.formel(formel->first + 1, formel->second + 1);
        return;
    }
    unsigned int zeilen = 0;
    unsigned short spalten = 0;
    if (freexl_worksheet_dimensions(datei.handle, &zeilen, &spalten) != FREEXL_OK) {
        aus.fehler(XlsAntwort::Groesse);
        return;
    }
    unsigned long zellen = 0;
    for (unsigned int z = 0; z < zeilen; ++z) {
        for (unsigned int s = 0; s < spalten; ++s) {
            FreeXL_CellValue zelle;
            if (freexl_get_cell_value(datei.handle, z, static_cast<unsigned short>(s), &zelle) != FREEXL_OK)
                continue;
            switch (zelle.type) {
            case FREEXL_CELL_INT:
                aus.zelle(XlsAntwort::Ganzzahl, z + 1, s + 1);
                aus.zahl32(static_cast<std::uint32_t>(zelle.value.int_value));
                break;
            case FREEXL_CELL_DOUBLE: {
                std::uint64_t bits = 0;
                std::memcpy(&bits, &zelle.value.double_value, sizeof bits);
                aus.zelle(XlsAntwort::Zahl, z + 1, s + 1);
                aus.zahl64(bits);
                break;
            }
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME: {
                if (!zelle.value.text_value || !*zelle.value.text_value)
                    continue;
                const std::uint32_t nummer = aus.text(zelle.value.text_value, zelle.type == FREEXL_CELL_SST_TEXT);
                aus.zelle(XlsAntwort::Textzelle, z + 1, s + 1);
                aus.zahl32(nummer);
                break;
            }
            default:
                continue;
            }
            if (z + 1 > maxZeilen || s + 1 > maxSpalten || ++zellen > maxZellen)
                return;
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    begrenzen();
    unsigned long zeilen = 0;
    unsigned long spalten = 0;
    unsigned long zellen = 0;
    if (argc != 5 || !zahlLesen(argv[2], zeilen) || !zahlLesen(argv[3], spalten) || !zahlLesen(argv[4], zellen)) {
        std::fputs("Aufruf: quintaro-xls-leser DATEI ZEILEN SPALTEN ZELLEN\n", stderr);
        return 2;
    }
    static char puffer[1 << 16];
    std::setvbuf(stdout, puffer, _IOFBF, sizeof puffer);
    Ausgabe aus;
    aus.kennung();
    lesen(argv[1], zeilen, spalten, zellen, aus);
    aus.satz(XlsAntwort::Ende);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 3;
}
