// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Imports of draws set side by side with their floor, the least a program can do for the same
// result, measured in the same run:
//
//   bin/bench_importe --benchmark_filter='CSV' --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//   (likewise 'Mappe', 'ODS', 'Leer')
//
// - CSV: a file of 600,000 draws (16 MB, ";"-separated) into an empty data folder. Floor: read the bytes, parse
//   and check each line by hand, write the 16-byte records and put the file in place.
// - Mappe: a workbook of 200,000 draws (the row limit), as the program exports it. Floor: inflate
//   the worksheet piece by piece, scan its numbers row by row, write the records.
// - ODS: 150,000 draws as an OpenDocument spreadsheet (more would unpack to more than the 128 MB a
//   part may have), dates as date cells and numbers as float cells, as LibreOffice writes them. Floor: inflate
//   content.xml piece by piece, take each row's date value and numbers, write the records.
// - Leer: a 323 KB workbook whose worksheet and shared strings unpack to 132 MB of empty
//   elements each, refused. Floor: inflate until the 703rd cell of the first row.
//
// Each benchmark reports the peak resident memory of the process so far ("Spitze_MB"): run one
// per process (--benchmark_filter='^CSV/Boden$') for the peak of that one alone.

#include "entry/Gewinnreihendatei.h"
#include "model/Datum.h"
#include "model/Gewinnreihenschutz.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The folder of the files: a temporary one of the measuring process, handed to the child that
// makes them.
QString &ordner()
{
    static QString o;
    return o;
}

QString pfad(const char *name)
{
    return ordner() + QLatin1Char('/') + QString::fromLatin1(name);
}

void spitzeMelden(benchmark::State &state)
{
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    state.counters["Spitze_MB"] = double(nutzung.ru_maxrss) / 1024.0;
}

// Draws of a history: one a week, the numbers from a simple sequence.
QVector<TGewZahlen> ziehungen(int anzahl)
{
    QVector<TGewZahlen> z(anzahl);
    for (int i = 0; i < anzahl; ++i) {
        z[i].datum = Datum::ausDatum(QDate(1900, 3, 1)) + i;
        for (int k = 0; k < 5; ++k)
            z[i].GZ[std::size_t(k)] = std::uint8_t((i + 9 * k) % 45 + 1);
        z[i].bonus = std::uint8_t(i % 10 + 1);
    }
    return z;
}

// As many draws as an OpenDocument sheet holds within the 128 MB a part may unpack to, written as
// LibreOffice writes them (about 700 bytes a row).
constexpr int OdsZiehungen = 150000;

// ---- the floors ----

// Days from 30 December 1899 to a date of the proleptic Gregorian calendar.
long tageVon(int jahr, int monat, int tag)
{
    jahr -= monat <= 2;
    const long era = (jahr >= 0 ? jahr : jahr - 399) / 400;
    const long yoe = jahr - era * 400;
    const long doy = (153 * (monat + (monat > 2 ? -3 : 9)) + 2) / 5 + tag - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 25569;
}

// Whole numbers separated by one character, from `p` on; false when one is missing.
bool zahlen(const char *&p, const char *ende, int *werte, int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        if (i > 0) {
            if (p >= ende)
                return false;
            ++p;
        }
        int w = 0;
        const char *anfang = p;
        while (p < ende && *p >= '0' && *p <= '9')
            w = w * 10 + (*p++ - '0');
        if (p == anfang)
            return false;
        werte[i] = w;
    }
    return true;
}

// A draw from its day and six numbers, when they make one.
bool ziehung(double tag, const int *z, std::vector<char> &saetze)
{
    std::uint64_t gesehen = 0;
    for (int k = 0; k < 5; ++k) {
        if (z[k] < 1 || z[k] > 49 || (gesehen >> z[k] & 1))
            return false;
        gesehen |= std::uint64_t(1) << z[k];
    }
    if (z[5] < 1 || z[5] > 10)
        return false;
    char satz[16] = {};
    std::memcpy(satz, &tag, 8);
    for (int k = 0; k < 6; ++k)
        satz[8 + k] = char(z[k]);
    saetze.insert(saetze.end(), satz, satz + 16);
    return true;
}

// Writes the records beside the target, flushed to the disk, and puts them in its place.
void ablegen(const std::vector<char> &saetze, const std::string &ziel)
{
    const std::string platz = ziel + ".neu";
    FILE *f = std::fopen(platz.c_str(), "wb");
    std::fwrite(saetze.data(), 1, saetze.size(), f);
    std::fflush(f);
    fsync(fileno(f));
    std::fclose(f);
    std::rename(platz.c_str(), ziel.c_str());
}

std::size_t bodenCSV(const std::string &datei, const std::string &ziel)
{
    FILE *f = std::fopen(datei.c_str(), "rb");
    std::string text;
    char block[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(block, 1, sizeof block, f)) > 0)
        text.append(block, n);
    std::fclose(f);
    std::vector<char> saetze;
    const char *p = text.data();
    const char *ende = p + text.size();
    while (p < ende) {
        const char *zeilenende = static_cast<const char *>(std::memchr(p, '\n', std::size_t(ende - p)));
        if (!zeilenende)
            zeilenende = ende;
        int datum[3];
        int z[6];
        const char *q = p;
        if (zahlen(q, zeilenende, datum, 3) && q < zeilenende && zahlen(++q, zeilenende, z, 6))
            ziehung(double(tageVon(datum[0], datum[1], datum[2])), z, saetze);
        p = zeilenende + 1;
    }
    ablegen(saetze, ziel);
    return saetze.size() / 16;
}

// The part of a workbook that holds its first sheet, and how a row of it begins and ends.
struct Blattform
{
    const char *teil;
    std::string zeilenanfang;
    std::string zeilenende;
};
const Blattform XlsxBlatt{"xl/worksheets/sheet1.xml", "<row", "</row>"};
const Blattform OdsBlatt{"content.xml", "<table:table-row", "</table:table-row>"};

// Inflates the sheet piece by piece and hands each complete row to `zeile`; stops when it
// returns false.
template <typename F> void blattStreamen(const std::string &datei, F zeile, const Blattform &form = XlsxBlatt)
{
    int fehler = 0;
    zip_t *archiv = zip_open(datei.c_str(), ZIP_RDONLY, &fehler);
    zip_file_t *teil = zip_fopen(archiv, form.teil, 0);
    std::string puffer;
    char block[1 << 16];
    zip_int64_t n = 0;
    bool weiter = true;
    while (weiter && (n = zip_fread(teil, block, sizeof block)) > 0) {
        puffer.append(block, std::size_t(n));
        std::size_t anfang = 0;
        while (weiter) {
            const std::size_t a = puffer.find(form.zeilenanfang, anfang);
            const std::size_t e = a == std::string::npos ? a : puffer.find(form.zeilenende, a);
            if (e == std::string::npos) {
                // A row longer than what is here: what is here may already end it early.
                if (a != std::string::npos)
                    weiter = zeile(puffer.data() + a, puffer.data() + puffer.size(), false);
                break;
            }
            weiter = zeile(puffer.data() + a, puffer.data() + e, true);
            anfang = e + form.zeilenende.size();
        }
        const std::size_t rest = puffer.rfind(form.zeilenanfang);
        puffer.erase(0, rest == std::string::npos || rest < anfang ? anfang : rest);
    }
    zip_fclose(teil);
    zip_close(archiv);
}

std::size_t bodenMappe(const std::string &datei, const std::string &ziel)
{
    std::vector<char> saetze;
    blattStreamen(datei, [&saetze](const char *p, const char *ende, bool ganz) {
        if (!ganz)
            return true;
        int werte[7];
        int k = 0;
        for (; k < 7; ++k) {
            const char *v = std::search(p, ende, "<v>", "<v>" + 3);
            if (v == ende)
                break;
            p = v + 3;
            if (!zahlen(p, ende, werte + k, 1))
                break;
        }
        if (k == 7 && werte[0] >= 1) // the header's cells are strings: their numbers are no day
            ziehung(double(werte[0]), werte + 1, saetze);
        return true;
    });
    ablegen(saetze, ziel);
    return saetze.size() / 16;
}

std::size_t bodenOds(const std::string &datei, const std::string &ziel)
{
    static const std::string DatumWert = "office:date-value=\"";
    static const std::string ZahlWert = "office:value=\"";
    std::vector<char> saetze;
    blattStreamen(
        datei,
        [&saetze](const char *p, const char *ende, bool ganz) {
            if (!ganz)
                return true;
            const char *d = std::search(p, ende, DatumWert.begin(), DatumWert.end());
            if (d == ende) // the header holds texts only
                return true;
            p = d + DatumWert.size();
            int datum[3];
            if (!zahlen(p, ende, datum, 3))
                return true;
            int werte[6];
            int k = 0;
            for (; k < 6; ++k) {
                const char *v = std::search(p, ende, ZahlWert.begin(), ZahlWert.end());
                if (v == ende)
                    break;
                p = v + ZahlWert.size();
                if (!zahlen(p, ende, werte + k, 1))
                    break;
            }
            if (k == 6)
                ziehung(double(tageVon(datum[0], datum[1], datum[2])), werte, saetze);
            return true;
        },
        OdsBlatt);
    ablegen(saetze, ziel);
    return saetze.size() / 16;
}

bool bodenLeer(const std::string &datei)
{
    bool abgelehnt = false;
    blattStreamen(datei, [&abgelehnt](const char *p, const char *ende, bool) {
        int zellen = 0;
        for (const char *c = p; (c = std::search(c, ende, "<c", "<c" + 2)) != ende; c += 2)
            if (++zellen > 702) {
                abgelehnt = true;
                return false;
            }
        return true;
    });
    return abgelehnt;
}

// ---- the benchmarks ----

// The program's import of a file of draws into an empty data folder, as the command line does it.
void programm(benchmark::State &state, const char *datei, qsizetype ziehungen)
{
    for (auto _ : state) {
        QTemporaryDir daten;
        const Gewinnreihenimport import = GewinnreihenLesen(pfad(datei), {}, QLocale(QLocale::German));
        const QByteArray bytes = ZiehungenAlsBytes(GewinnreihenUebernehmen({}, import, false));
        if (import.neue.size() != ziehungen || !GZUebernehmen(daten.path() + QLatin1Char('/'), bytes).isEmpty())
            state.SkipWithError("not imported");
    }
    spitzeMelden(state);
}

// A floor's import of the same file into an empty data folder.
void boden(benchmark::State &state, std::size_t (*import)(const std::string &, const std::string &), const char *datei,
           std::size_t ziehungen)
{
    for (auto _ : state) {
        QTemporaryDir daten;
        if (import(pfad(datei).toStdString(), daten.filePath(QStringLiteral("GReihen.qtgz")).toStdString()) !=
            ziehungen)
            state.SkipWithError("not imported");
    }
    spitzeMelden(state);
}

void CSVProgramm(benchmark::State &state)
{
    programm(state, "ziehungen.csv", 600000);
}
void CSVBoden(benchmark::State &state)
{
    boden(state, bodenCSV, "ziehungen.csv", 600000);
}
void MappeProgramm(benchmark::State &state)
{
    programm(state, "ziehungen.xlsx", 199999);
}
void MappeBoden(benchmark::State &state)
{
    boden(state, bodenMappe, "ziehungen.xlsx", 199999);
}
void OdsProgramm(benchmark::State &state)
{
    programm(state, "ziehungen.ods", OdsZiehungen);
}
void OdsBoden(benchmark::State &state)
{
    boden(state, bodenOds, "ziehungen.ods", OdsZiehungen);
}

void LeerProgramm(benchmark::State &state)
{
    for (auto _ : state) {
        const Gewinnreihenimport import = GewinnreihenLesen(pfad("leere-zellen.xlsx"), {}, QLocale(QLocale::German));
        if (!import.meldung.contains(QStringLiteral("Spalte 703")))
            state.SkipWithError("not refused at the 703rd column");
    }
    spitzeMelden(state);
}

void LeerBoden(benchmark::State &state)
{
    for (auto _ : state)
        if (!bodenLeer(pfad("leere-zellen.xlsx").toStdString()))
            state.SkipWithError("not refused");
    spitzeMelden(state);
}

BENCHMARK(CSVProgramm)->Name("CSV/Programm")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CSVBoden)->Name("CSV/Boden")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(MappeProgramm)->Name("Mappe/Programm")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(MappeBoden)->Name("Mappe/Boden")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(OdsProgramm)->Name("ODS/Programm")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(OdsBoden)->Name("ODS/Boden")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(LeerProgramm)->Name("Leer/Programm")->Unit(benchmark::kMillisecond);
BENCHMARK(LeerBoden)->Name("Leer/Boden")->Unit(benchmark::kMillisecond);

// An OpenDocument spreadsheet of the draws as LibreOffice writes one: the media type stored
// first, a manifest, and the sheet in content.xml, a header row of texts, then per draw a date cell
// and six float cells, each with its shown text.
bool odsSchreiben(const QVector<TGewZahlen> &alle, const QString &ziel)
{
    QByteArray inhalt = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-content "
                        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.3\">"
                        "<office:body><office:spreadsheet><table:table table:name=\"Ziehungen\"><table:table-row>";
    for (const char *kopf : {"Datum", "Z1", "Z2", "Z3", "Z4", "Z5", "ZZ"})
        inhalt += QByteArray("<table:table-cell office:value-type=\"string\"><text:p>") + kopf +
                  "</text:p></table:table-cell>";
    inhalt += "</table:table-row>";
    const auto zahl = [&inhalt](int n) {
        const QByteArray t = QByteArray::number(n);
        inhalt += "<table:table-cell office:value-type=\"float\" office:value=\"" + t + "\"><text:p>" + t +
                  "</text:p></table:table-cell>";
    };
    for (const TGewZahlen &z : alle) {
        const QDate d = Datum::zuDatum(z.datum);
        inhalt += "<table:table-row><table:table-cell office:value-type=\"date\" office:date-value=\"" +
                  d.toString(Qt::ISODate).toLatin1() + "\"><text:p>" +
                  d.toString(QStringLiteral("dd.MM.yyyy")).toLatin1() + "</text:p></table:table-cell>";
        for (const std::uint8_t n : z.GZ)
            zahl(n);
        zahl(z.bonus);
        inhalt += "</table:table-row>";
    }
    inhalt += "</table:table></office:spreadsheet></office:body></office:document-content>";
    static const QByteArray art = "application/vnd.oasis.opendocument.spreadsheet";
    static const QByteArray manifest =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest "
        "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" manifest:version=\"1.3\">"
        "<manifest:file-entry manifest:full-path=\"/\" manifest:media-type=\"" +
        art +
        "\"/><manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
        "</manifest:manifest>";
    int fehler = 0;
    zip_t *archiv = zip_open(QFile::encodeName(ziel).constData(), ZIP_CREATE | ZIP_TRUNCATE, &fehler);
    if (!archiv)
        return false;
    const auto ablegen = [archiv](const char *name, const QByteArray &daten, bool packen) {
        zip_source_t *quelle = zip_source_buffer(archiv, daten.constData(), zip_uint64_t(daten.size()), 0);
        const zip_int64_t index = zip_file_add(archiv, name, quelle, ZIP_FL_ENC_UTF_8);
        return index >= 0 &&
               zip_set_file_compression(archiv, zip_uint64_t(index), packen ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) == 0;
    };
    const bool gut = ablegen("mimetype", art, false) && ablegen("META-INF/manifest.xml", manifest, true) &&
                     ablegen("content.xml", inhalt, true);
    // The buffers must live until the archive is written.
    return zip_close(archiv) == 0 && gut;
}

// The files: the CSV and the workbook as the program exports a history, the empty elements by
// tests/feindliche-mappen.py. Made by a child process, so that what making them cost does not
// count in the peaks of this one.
bool dateienAnlegen()
{
    const QVector<TGewZahlen> alle = ziehungen(600000);
    // As a spreadsheet program saves it with ";": the program's own export, with CR LF and
    // commas, would be a little larger than a file of draws may be.
    QByteArray csv = "Datum;Z1;Z2;Z3;Z4;Z5;ZZ\n";
    for (const TGewZahlen &z : alle) {
        csv += Datum::zuDatum(z.datum).toString(Qt::ISODate).toLatin1();
        for (const std::uint8_t n : z.GZ)
            csv += ';' + QByteArray::number(n);
        csv += ';' + QByteArray::number(z.bonus) + '\n';
    }
    QFile datei(pfad("ziehungen.csv"));
    if (!datei.open(QIODevice::WriteOnly) || datei.write(csv) != csv.size())
        return false;
    datei.close();
    if (!QFileInfo::exists(pfad("ziehungen.xlsx")) &&
        !GewinnreihenExportieren(alle.mid(0, 199999), pfad("ziehungen.xlsx")).isEmpty())
        return false;
    if (!odsSchreiben(alle.mid(0, OdsZiehungen), pfad("ziehungen.ods")))
        return false;
    QString skript =
        QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../tests/feindliche-mappen.py");
    if (!QFileInfo::exists(skript))
        skript = QCoreApplication::applicationDirPath() + QStringLiteral("/../../tests/feindliche-mappen.py");
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral("python3"),
            {skript, ordner(), QStringLiteral("--nur"), QStringLiteral("leere-zellen.xlsx")});
    return p.waitForFinished(600000) && p.exitCode() == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication anwendung(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--anlegen") == 0) {
        ordner() = QString::fromLocal8Bit(argv[2]);
        return dateienAnlegen() ? 0 : 1;
    }
    const QTemporaryDir dateien;
    ordner() = dateien.path();
    QProcess kind;
    kind.setProcessChannelMode(QProcess::ForwardedChannels);
    kind.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--anlegen"), ordner()});
    if (!kind.waitForFinished(900000) || kind.exitCode() != 0)
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
