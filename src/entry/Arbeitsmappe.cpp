// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/Arbeitsmappe.h"

#include "entry/Mappenleser.h"
#include "model/Dateien.h"
#include "model/Eigendateien.h"
#include "model/Spiel.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <array>
#include <vector>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr QChar Geschuetzt = QChar(0x00A0);

QString abbruch(const QString &text)
{
    return text + Absatz + QStringLiteral("Ich breche ab.");
}

// Workbooks handed to the spreadsheet program are read by it a moment after it starts; those
// of earlier exports are cleared away once they are surely read.
void alteExporteLoeschen(const QString &ordner)
{
    const QDateTime grenze = QDateTime::currentDateTime().addSecs(-3600);
    const QFileInfoList alte = QDir(ordner).entryInfoList({QStringLiteral("Tippreihen-*.xlsx")}, QDir::Files);
    for (const QFileInfo &f : alte)
        if (f.lastModified() < grenze)
            QFile::remove(f.absoluteFilePath());
}

// libxlsxwriter reports its failures on the standard error channel as raw "[ERROR]" lines; the
// program says what went wrong in German instead, so the channel is muted around its calls.
class FehlerkanalStumm
{
public:
    FehlerkanalStumm()
    {
        std::fflush(stderr);
        m_alt = ::dup(STDERR_FILENO);
        const int nichts = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_alt >= 0 && nichts >= 0)
            ::dup2(nichts, STDERR_FILENO);
        if (nichts >= 0)
            ::close(nichts);
    }
    ~FehlerkanalStumm()
    {
        std::fflush(stderr);
        if (m_alt >= 0) {
            ::dup2(m_alt, STDERR_FILENO);
            ::close(m_alt);
        }
    }
    FehlerkanalStumm(const FehlerkanalStumm &) = delete;
    FehlerkanalStumm &operator=(const FehlerkanalStumm &) = delete;

private:
    int m_alt = -1;
};

// The library's failure in German, with the system's cause where it left one.
QString mappenfehlerText(lxw_error fehler, int systemfehler)
{
    QString text;
    switch (fehler) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return SystemfehlerText(ENOMEM);
    case LXW_ERROR_CREATING_XLSX_FILE:
        text = QStringLiteral("Die Datei ließ sich nicht anlegen.");
        break;
    case LXW_ERROR_CREATING_TMPFILE:
        text = QStringLiteral("Eine temporäre Datei für die Arbeitsmappe ließ sich nicht anlegen.");
        break;
    default:
        text = QStringLiteral("Die Datei ließ sich nicht vollständig schreiben.");
        break;
    }
    // Only causes that concern the file; errno may hold a stale value from a call that went well.
    for (const int ursache : {ENOSPC, EDQUOT, EFBIG, EROFS, EIO, EACCES, EPERM, ENOENT, ENOTDIR, EISDIR})
        if (systemfehler == ursache)
            text += QLatin1Char(' ') + SystemfehlerText(systemfehler);
    return text;
}

} // namespace

QString ExcelProgramm()
{
    for (const QString &name : {QStringLiteral("soffice"), QStringLiteral("libreoffice")}) {
        const QString pfad = QStandardPaths::findExecutable(name);
        if (!pfad.isEmpty())
            return pfad;
    }
    return QString();
}

bool ExcelVorhanden()
{
    return !ExcelProgramm().isEmpty();
}

QString ArbeitsmappeSchreiben(const TextTabelle &tabelle, const QString &blattname, int letzteSpalte,
                              const QString &datei, const QVector<Zellart> &arten)
{
    if (QString eigene = Eigendateien::pruefen(datei); !eigene.isEmpty())
        return eigene;
    const QString name = QFileInfo(datei).fileName();
    const QByteArray pfad = QFile::encodeName(datei);
    lxw_workbook *mappe = nullptr;
    {
        const FehlerkanalStumm stumm;
        mappe = workbook_new(pfad.constData());
    }
    if (!mappe)
        return QStringLiteral("Die Arbeitsmappe \u201E%1\u201C konnte nicht angelegt werden.").arg(name);
    const QByteArray blatt = blattname.toUtf8();
    lxw_worksheet *arbeitsblatt = workbook_add_worksheet(mappe, blatt.constData());
    if (!arbeitsblatt) {
        const FehlerkanalStumm stumm;
        workbook_close(mappe);
        QFile::remove(datei);
        return QStringLiteral("Das Tabellenblatt \u201E%1\u201C konnte nicht angelegt werden.").arg(blattname);
    }

    lxw_format *datumsformat = workbook_add_format(mappe);
    format_set_num_format(datumsformat, "yyyy-mm-dd");
    std::array<int, 26> breiten{};
    const int spalten = std::min(letzteSpalte, std::max(tabelle.spalten() - 1, 0));
    for (int z = 1; z < tabelle.zeilen(); ++z) {
        for (int s = 1; s <= spalten; ++s) {
            const auto zeile = static_cast<lxw_row_t>(z - 1);
            const auto spalte = static_cast<lxw_col_t>(s - 1);
            const Zellart art = s - 1 < arten.size() ? arten[s - 1] : Zellart::Text;
            QString text = tabelle.zelle(s, z);
            bool ok = false;
            const qlonglong zahl = art == Zellart::Zahl ? text.toLongLong(&ok) : 0;
            const QDate datum = art == Zellart::Datum ? QDate::fromString(text, Qt::ISODate) : QDate();
            if (ok) {
                worksheet_write_number(arbeitsblatt, zeile, spalte, static_cast<double>(zahl), nullptr);
            } else if (datum.isValid()) {
                lxw_datetime tag{datum.year(), datum.month(), datum.day(), 0, 0, 0.0};
                worksheet_write_datetime(arbeitsblatt, zeile, spalte, &tag, datumsformat);
            } else {
                if (art == Zellart::Text)
                    text.prepend(Geschuetzt);
                worksheet_write_string(arbeitsblatt, zeile, spalte, text.toUtf8().constData(), nullptr);
            }
            if (s <= 26)
                breiten[static_cast<std::size_t>(s - 1)] =
                    std::max(breiten[static_cast<std::size_t>(s - 1)], int(text.size()));
        }
    }
    // Fitted to the texts: one character unit per character and a little room.
    for (int s = 0; s < 26; ++s)
        if (breiten[static_cast<std::size_t>(s)] > 0)
            worksheet_set_column(arbeitsblatt, static_cast<lxw_col_t>(s), static_cast<lxw_col_t>(s),
                                 breiten[static_cast<std::size_t>(s)] + 1.0, nullptr);

    lxw_error fehler = LXW_NO_ERROR;
    int systemfehler = 0;
    {
        const FehlerkanalStumm stumm;
        errno = 0;
        fehler = workbook_close(mappe);
        systemfehler = errno;
    }
    if (fehler != LXW_NO_ERROR) {
        QFile::remove(datei);
        return QStringLiteral("Die Arbeitsmappe \u201E%1\u201C konnte nicht geschrieben werden.").arg(name) + Absatz +
               mappenfehlerText(fehler, systemfehler);
    }
    return QString();
}

Exportergebnis ExcelExport(const TextTabelle &tabelle, const QString &blattname, int letzteSpalte,
                           const QString &ordner)
{
    Exportergebnis ergebnis;
    const QString programm = ExcelProgramm();
    if (programm.isEmpty()) {
        ergebnis.art = Exportergebnis::Art::KeinProgramm;
        return ergebnis;
    }
    alteExporteLoeschen(ordner);
    // A new name of our own in the private folder, so no other user can plant or read it.
    QTemporaryFile platz(QDir(ordner).filePath(QStringLiteral("Tippreihen-XXXXXX.xlsx")));
    platz.setAutoRemove(false);
    if (!platz.open()) {
        ergebnis.fehler = abbruch(DateiFehlerText(platz.fileTemplate(), platz.errorString(), true));
        return ergebnis;
    }
    ergebnis.datei = platz.fileName();
    platz.close();

    const QString fehler = ArbeitsmappeSchreiben(tabelle, blattname, letzteSpalte, ergebnis.datei);
    if (!fehler.isEmpty()) {
        ergebnis.fehler = abbruch(fehler);
        return ergebnis;
    }
    // Opened as a template: the program shows a new, unsaved document with these contents.
    if (!QProcess::startDetached(programm, {QStringLiteral("--calc"), QStringLiteral("-n"), ergebnis.datei})) {
        QFile::remove(ergebnis.datei);
        ergebnis.fehler = abbruch(
            QStringLiteral("Die Tabellenkalkulation \u201E%1\u201C lie\u00DF sich nicht starten.").arg(programm));
        return ergebnis;
    }
    ergebnis.art = Exportergebnis::Art::Geoeffnet;
    return ergebnis;
}

namespace {

// The cells of a worksheet kept for a table, compactly until the table is made: their texts
// one after the other in one string, each cell a small record.
class Tabellenziel : public Zeilenziel
{
public:
    struct Zelle
    {
        int zeile;
        int wiederholungen;
        int spalte;
        quint32 anfang; // in texte()
        quint8 laenge;
        bool zuLang;
    };

    void zeile(int zeile, int wiederholungen, std::span<const Mappenzelle> zellen) override
    {
        for (const Mappenzelle &z : zellen) {
            m_zellen.push_back({zeile, wiederholungen, z.spalte, quint32(m_texte.size()), quint8(z.text.size()), z.zuLang});
            m_texte += z.text;
        }
        m_zeilen = std::max(m_zeilen, zeile + wiederholungen - 1);
        m_spalten = std::max(m_spalten, zellen.back().spalte);
    }

    const std::vector<Zelle> &zellen() const { return m_zellen; }
    QString text(const Zelle &z) const
    {
        // A cut text shows that it goes on; no number or date is that long.
        const QString text = m_texte.mid(z.anfang, z.laenge);
        return z.zuLang ? text + QChar(0x2026) : text;
    }
    int zeilen() const { return m_zeilen; }
    int spalten() const { return m_spalten; }

private:
    std::vector<Zelle> m_zellen;
    QString m_texte;
    int m_zeilen = 0;
    int m_spalten = 0;
};

} // namespace

QString MappeStreamen(const QString &datei, const QLocale &locale, const Importgrenzen &grenzen, Zeilenziel &ziel,
                      QString *blatt)
{
    const QString name = QFileInfo(datei).fileName();
    const auto nichtLesbar = [&name](const QString &grund) {
        return abbruch(QStringLiteral("Die Arbeitsmappe \u201E%1\u201C kann ich nicht einlesen.").arg(name) + Absatz +
                       grund);
    };

    // Only as many bytes as the file holds; a pipe in its place is refused instead of waited for.
    const Dateiinhalt gelesen = DateiLesen(datei, grenzen.dateigroesse);
    if (gelesen.zuGross)
        return nichtLesbar(
            QStringLiteral("Sie ist gr\u00F6\u00DFer als %1 MB.").arg(grenzen.dateigroesse / (1024 * 1024)));
    if (gelesen.status != Dateiinhalt::Status::Gelesen) {
        const bool fehlt = gelesen.status == Dateiinhalt::Status::Fehlt;
        return DateiFehlerText(datei, fehlt ? SystemfehlerText(ENOENT) : gelesen.fehler, false);
    }
    const QByteArray &bytes = gelesen.daten;

    Mappenergebnis ergebnis;
    switch (MappenartErkennen(bytes)) {
    case Mappenart::Zip:
        ergebnis = ZipMappeLesen(bytes, locale, grenzen, ziel);
        break;
    case Mappenart::Verbunddatei:
        ergebnis = XlsLesen(datei, locale, grenzen, ziel);
        break;
    case Mappenart::Unbekannt:
        return abbruch(QStringLiteral("Die Datei \u201E%1\u201C ist keine Excel- oder Calc-Arbeitsmappe.").arg(name));
    }
    if (!ergebnis.fehler.isEmpty())
        return nichtLesbar(ergebnis.fehler);
    if (blatt)
        *blatt = ergebnis.blatt;
    return QString();
}

QString ExcelEinlesen(TextTabelle &tabelle, const QString &datei, const QLocale &locale, const Importgrenzen &grenzen,
                      QString *blatt)
{
    Tabellenziel ziel;
    if (QString fehler = MappeStreamen(datei, locale, grenzen, ziel, blatt); !fehler.isEmpty())
        return fehler;

    // An empty worksheet still has its first cell, as in the spreadsheet program.
    const int r = std::max(ziel.zeilen(), 1);
    const int c = std::max(ziel.spalten(), 1);
    if (qint64(r) * c > grenzen.zellen)
        return abbruch(QStringLiteral("Die Arbeitsmappe \u201E%1\u201C kann ich nicht einlesen.")
                           .arg(QFileInfo(datei).fileName()) +
                       Absatz +
                       QStringLiteral("Die erste Tabelle reicht bis %1; das sind mehr als %2 Zellen.")
                           .arg(Zellbezug(r, c))
                           .arg(grenzen.zellen));

    // A new table of that size, with the old header row and column widths.
    TextTabelle neu(c + 1, r + 1);
    for (int j = 0; j <= c && j < tabelle.spalten(); ++j) {
        neu.setzeZelle(j, 0, tabelle.zelle(j, 0));
        neu.setzeSpaltenbreite(j, tabelle.spaltenbreite(j));
    }
    for (int i = 1; i <= r; ++i)
        neu.setzeZelle(0, i, QString::number(i));
    for (const Tabellenziel::Zelle &z : ziel.zellen()) {
        const QString text = ziel.text(z);
        for (int i = 0; i < z.wiederholungen; ++i)
            neu.setzeZelle(z.spalte, z.zeile + i, text);
    }
    tabelle = std::move(neu);
    return QString();
}
