// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/Gewinnreihendatei.h"

#include "entry/Arbeitsmappe.h"
#include "entry/Mappenleser.h"
#include "entry/Tabellenformate.h"
#include "model/Dateien.h"
#include "model/Datum.h"
#include "model/Eigendateien.h"
#include "model/Spiel.h"
#include "model/Textdekodierung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <QStringDecoder>
#include <QVarLengthArray>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <numeric>

namespace {

constexpr int Felder = 7; // date, five numbers, Zusatzzahl
// Lines of a CSV file that hold something: the most draws a history may have, a title and a
// header.
constexpr qint64 MaxCSVZeilen = 16 * 1024 * 1024 / 16 + 2;
// 31 December 9999, the last day a date can show.
constexpr double LetzterTag = 2958465.0;

QString abbruch(const QString &text)
{
    return text + Absatz + QStringLiteral("Ich breche ab.");
}

QString name(const QString &datei)
{
    return QFileInfo(datei).fileName();
}

// Bytes a text file does not hold: a zero byte, or control characters beyond the odd one.
bool binaer(const QByteArray &bytes)
{
    qsizetype steuer = 0;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0)
            return true;
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f')
            ++steuer;
    }
    return steuer > bytes.size() / 100;
}

// The next line of the text from `anfang` on, without its line break; `anfang` moves past it.
QStringView naechsteZeile(QStringView text, qsizetype &anfang)
{
    qsizetype ende = text.indexOf(QLatin1Char('\n'), anfang);
    if (ende < 0)
        ende = text.size();
    QStringView zeile = text.mid(anfang, ende - anfang);
    anfang = ende + 1;
    if (zeile.endsWith(QLatin1Char('\r')))
        zeile.chop(1);
    return zeile;
}

// The separator the first lines use: of ";", "," and the tab the one that splits most of them
// into the seven fields of a draw, else the most frequent; "," when none occurs.
QChar csvTrenner(QStringView text)
{
    constexpr int Probezeilen = 20;
    const QChar kandidaten[] = {QLatin1Char(';'), QLatin1Char(','), QLatin1Char('\t')};
    int passend[3] = {};
    qsizetype vorkommen[3] = {};
    qsizetype anfang = 0;
    for (int n = 0; n < Probezeilen && anfang <= text.size();) {
        const QStringView zeile = naechsteZeile(text, anfang);
        if (zeile.trimmed().isEmpty())
            continue;
        ++n;
        for (int k = 0; k < 3; ++k) {
            const qsizetype anzahl = zeile.count(kandidaten[k]);
            vorkommen[k] += anzahl;
            if (anzahl >= Felder - 1)
                ++passend[k];
        }
    }
    int beste = 1;
    for (int k = 0; k < 3; ++k)
        if (std::pair(passend[k], vorkommen[k]) > std::pair(passend[beste], vorkommen[beste]))
            beste = k;
    return kandidaten[beste];
}

// The text of a CSV file: UTF-16 with its byte-order mark (what spreadsheet programs save as
// "Unicode text"), else UTF-8 or Windows-1252.
std::optional<QString> csvText(const QByteArray &bytes)
{
    const bool le = bytes.startsWith("\xFF\xFE");
    if (le || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder dekodierer(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                                  QStringConverter::Flag::Stateless);
        QString text = dekodierer.decode(QByteArrayView(bytes).sliced(2));
        if (dekodierer.hasError())
            return std::nullopt;
        return text;
    }
    if (binaer(bytes))
        return std::nullopt;
    return TextDekodieren(bytes).text;
}

// A field of a line or row: without blanks around it and without the quotes of a quoted field;
// one longer than a field of a draw can be is cut and marked.
struct Feld
{
    QStringView text;
    bool zuLang = false;
};

// The fields of one line or row. Only the first few are kept: a header line is told by them,
// and a draw has seven; of the rest only how far the last one that is not empty lies.
struct Zeilenfelder
{
    static constexpr int Behalten = 16;
    QVarLengthArray<Feld, Behalten> felder;
    qsizetype anzahl = 0;                    // fields, without the empty ones after the seventh and the last value
    qsizetype gefuellt = 0;                  // fields that are not empty
    std::array<QString, Behalten> entquotet; // fields whose doubled quotes were undone

    void leeren()
    {
        felder.clear();
        anzahl = 0;
        gefuellt = 0;
    }
    // Adds the next field, counted as field number `nummer` (from 1).
    void nimm(QStringView roh, qsizetype nummer)
    {
        QStringView feld = roh.trimmed();
        if (feld.size() >= 2 && feld.startsWith(QLatin1Char('"')) && feld.endsWith(QLatin1Char('"'))) {
            feld = feld.mid(1, feld.size() - 2);
            if (feld.contains(QLatin1String("\"\"")) && felder.size() < Behalten) {
                QString &platz = entquotet[std::size_t(felder.size())];
                platz = feld.left(4 * MaxFeldtext).toString().replace(QStringLiteral("\"\""), QStringLiteral("\""));
                feld = platz;
            }
            feld = feld.trimmed();
        }
        if (felder.size() < Behalten)
            felder.append({feld.left(MaxFeldtext), feld.size() > MaxFeldtext});
        if (nummer <= Felder || !feld.isEmpty())
            anzahl = nummer;
        if (!feld.isEmpty())
            ++gefuellt;
    }
    Feld feld(qsizetype i) const { return i < felder.size() ? felder[i] : Feld(); }
};

// Splits a CSV line at the separator into `z`.
void csvFelder(QStringView zeile, QChar trenner, Zeilenfelder &z)
{
    z.leeren();
    // Fields are short: one pass over the line beats a search for each separator.
    const QChar *anfang = zeile.begin();
    qsizetype nummer = 1;
    for (const QChar *c = zeile.begin(); c != zeile.end(); ++c)
        if (*c == trenner) {
            z.nimm(QStringView(anfang, c), nummer++);
            anfang = c + 1;
        }
    z.nimm(QStringView(anfang, zeile.end()), nummer);
}

// A whole number as a field holds it.
std::optional<int> ganzeZahl(QStringView text)
{
    if (!text.isEmpty() && text.size() <= 9) {
        int wert = 0;
        bool ziffern = true;
        for (const QChar c : text) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                ziffern = false;
                break;
            }
            wert = wert * 10 + (c.unicode() - u'0');
        }
        if (ziffern)
            return wert;
    }
    bool ok = false;
    const int wert = text.toInt(&ok, 10);
    return ok ? std::optional<int>(wert) : std::nullopt;
}

// A first line with neither a date nor a number in it is the header; a damaged first draw
// still holds one of them and is reported.
bool kopfzeile(const Zeilenfelder &z, const QLocale &locale)
{
    for (const Feld &feld : z.felder)
        if (!feld.zuLang && (ganzeZahl(feld.text) || ZiehungsdatumLesen(feld.text, locale)))
            return false;
    return true;
}

// The draw of one line, or why it is none.
struct Zeilenergebnis
{
    std::optional<TGewZahlen> ziehung;
    QString grund;
};

Zeilenergebnis ziehungAusFeldern(const Zeilenfelder &z, const QLocale &locale)
{
    Zeilenergebnis e;
    if (z.anzahl < Felder) {
        e.grund = QStringLiteral("Die Zeile enth\u00E4lt nur %1 der 7 Werte.").arg(z.anzahl);
        return e;
    }
    if (z.anzahl > Felder) {
        e.grund = QStringLiteral("Es stehen %1 Werte darin; eine Ziehung hat 7 (Datum, f\u00FCnf Gewinnzahlen, "
                                 "Zusatzzahl).")
                      .arg(z.anzahl);
        return e;
    }
    for (int i = 0; i < Felder; ++i) {
        if (z.feld(i).zuLang) {
            e.grund = QStringLiteral("Der %1. Wert ist l\u00E4nger als %2 Zeichen; so lang ist kein Wert einer "
                                     "Ziehung.")
                          .arg(i + 1)
                          .arg(MaxFeldtext);
            return e;
        }
    }
    const QStringView datumstext = z.feld(0).text;
    const std::optional<QDate> datum = ZiehungsdatumLesen(datumstext, locale);
    if (!datum) {
        e.grund = QStringLiteral("\u201E%1\u201C ist kein Datum.").arg(datumstext);
        return e;
    }
    TGewZahlen ziehung;
    ziehung.datum = Datum::ausDatum(*datum);
    Zahlenmenge gesehen;
    for (int i = 0; i < ZahlenProReihe; ++i) {
        const QStringView feld = z.feld(i + 1).text;
        const std::optional<int> zahl = ganzeZahl(feld);
        if (!zahl || !istZahl(*zahl)) {
            e.grund =
                QStringLiteral("Die %1. Gewinnzahl \u201E%2\u201C ist keine Zahl von 1 bis 49.").arg(i + 1).arg(feld);
            return e;
        }
        const auto n = static_cast<std::uint8_t>(*zahl);
        if (gesehen.enthaelt(n)) {
            e.grund = QStringLiteral("Die Gewinnzahl %1 steht zweimal darin.").arg(*zahl);
            return e;
        }
        gesehen.hinzu(n);
        ziehung.GZ[static_cast<std::size_t>(i)] = n;
    }
    const QStringView zzText = z.feld(6).text;
    const std::optional<int> zz = ganzeZahl(zzText);
    if (!zz || !istZusatzzahl(*zz)) {
        e.grund = QStringLiteral("Die Zusatzzahl \u201E%1\u201C ist keine Zahl von 1 bis 10.").arg(zzText);
        return e;
    }
    ziehung.bonus = static_cast<std::uint8_t>(*zz);
    e.ziehung = ziehung;
    return e;
}

// Same draw: the date and the six numbers in their order; the fill carries no meaning.
bool gleich(const TGewZahlen &a, const TGewZahlen &b)
{
    return a.datum == b.datum && a.GZ == b.GZ && a.bonus == b.bonus;
}

} // namespace

Gewinnreihenformat GewinnreihenformatFuer(const QString &datei)
{
    return QFileInfo(datei).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0
               ? Gewinnreihenformat::Arbeitsmappe
               : Gewinnreihenformat::CSV;
}

TextTabelle GewinnreihenTabelle(const QVector<TGewZahlen> &ziehungen)
{
    TextTabelle t(Felder + 1, static_cast<int>(ziehungen.size()) + 2);
    t.setzeZelle(1, 1, QStringLiteral("Datum"));
    for (int i = 1; i <= ZahlenProReihe; ++i)
        t.setzeZelle(i + 1, 1, QStringLiteral("Z%1").arg(i));
    t.setzeZelle(Felder, 1, QStringLiteral("ZZ"));
    for (int k = 0; k < ziehungen.size(); ++k) {
        const TGewZahlen &z = ziehungen[k];
        const int zeile = k + 2;
        t.setzeZelle(0, zeile, QString::number(k + 1));
        t.setzeZelle(1, zeile, Datum::zuDatum(z.datum).toString(Qt::ISODate));
        for (int i = 0; i < ZahlenProReihe; ++i)
            t.setzeZelle(i + 2, zeile, QString::number(z.GZ[static_cast<std::size_t>(i)]));
        t.setzeZelle(Felder, zeile, QString::number(z.bonus));
    }
    return t;
}

QString GewinnreihenExportieren(const QVector<TGewZahlen> &ziehungen, const QString &datei, const QString &datenordner)
{
    if (QString eigene = Eigendateien::pruefen(datei, datenordner); !eigene.isEmpty())
        return eigene;
    const TextTabelle tabelle = GewinnreihenTabelle(ziehungen);
    if (GewinnreihenformatFuer(datei) == Gewinnreihenformat::CSV)
        return CSVSpeichern(tabelle, datei);

    // The workbook is made beside the target and then put in its place whole, so a failed
    // export never leaves a damaged or half file where the user's file was.
    QTemporaryFile platz(datei + QStringLiteral(".XXXXXX"));
    if (!platz.open())
        return DateiFehlerText(datei, platz.errorString(), true);
    platz.close();
    QVector<Zellart> arten(Felder, Zellart::Zahl);
    arten[0] = Zellart::Datum;
    const QString fehler =
        ArbeitsmappeSchreiben(tabelle, QStringLiteral("Gewinnreihen"), Felder, platz.fileName(), arten);
    if (!fehler.isEmpty())
        return fehler;
    QFile fertig(platz.fileName());
    if (!fertig.open(QIODevice::ReadOnly))
        return DateiFehlerText(datei, fertig.errorString(), true);
    const QString ersetzt = DateiErsetzen(datei, fertig.readAll());
    return ersetzt.isEmpty() ? QString() : DateiFehlerText(datei, ersetzt, true);
}

namespace {

// A date read by a format of the letters d, dd, M, MM, yy and yyyy and characters that stand
// for themselves, as QLocale::toDate reads it: "d" and "M" one or two digits, "dd", "MM" and
// "yy" two, "yyyy" four, a two-digit year in the 1900s. Unbekannt for a format of other letters.
enum class Formatprobe { Passt, PasstNicht, Unbekannt };

Formatprobe nachFormat(QStringView text, QStringView format, QDate &datum)
{
    int tag = 0, monat = 0, jahr = 0;
    qsizetype t = 0;
    bool zahlDavor = false;
    for (qsizetype f = 0; f < format.size();) {
        const QChar c = format[f];
        qsizetype lauf = 1;
        while (f + lauf < format.size() && format[f + lauf] == c)
            ++lauf;
        if (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y')) {
            int mindestens = 0, hoechstens = 0;
            if ((c == QLatin1Char('d') || c == QLatin1Char('M')) && lauf <= 2) {
                mindestens = int(lauf);
                hoechstens = 2;
            } else if (c == QLatin1Char('y') && (lauf == 2 || lauf == 4)) {
                mindestens = hoechstens = int(lauf);
            } else {
                return Formatprobe::Unbekannt;
            }
            // Two numbers without a separator would need the general parser's lookahead.
            if (zahlDavor)
                return Formatprobe::Unbekannt;
            int wert = 0, ziffern = 0;
            while (ziffern < hoechstens && t < text.size() && text[t] >= QLatin1Char('0') &&
                   text[t] <= QLatin1Char('9')) {
                wert = wert * 10 + (text[t].unicode() - u'0');
                ++ziffern;
                ++t;
            }
            if (ziffern < mindestens)
                return Formatprobe::PasstNicht;
            if (c == QLatin1Char('d'))
                tag = wert;
            else if (c == QLatin1Char('M'))
                monat = wert;
            else
                jahr = lauf == 2 ? 1900 + wert : wert;
            zahlDavor = true;
        } else if (c.isLetter() || c == QLatin1Char('\'')) {
            return Formatprobe::Unbekannt;
        } else {
            for (qsizetype k = 0; k < lauf; ++k, ++t)
                if (t >= text.size() || text[t] != c)
                    return Formatprobe::PasstNicht;
            zahlDavor = false;
        }
        f += lauf;
    }
    if (t != text.size() || tag == 0 || monat == 0 || jahr == 0)
        return Formatprobe::PasstNicht;
    datum = QDate(jahr, monat, tag);
    return datum.isValid() ? Formatprobe::Passt : Formatprobe::PasstNicht;
}

// A two-digit year in the century that does not lie ahead.
QDate jahrhundertRichten(QDate datum)
{
    if (datum.year() < 2000) {
        datum = datum.addYears(100);
        if (datum.year() > QDate::currentDate().year())
            datum = datum.addYears(-100);
    }
    return datum;
}

// A spreadsheet's day number as a date. Spreadsheets count from 1 = 1 January 1900 and take
// 1900 for a leap year: their day 60 is a 29 February that never was, and from day 61 on the
// count is that of 30 December 1899.
std::optional<QDate> tagesnummer(double tag)
{
    if (!std::isfinite(tag) || tag < 1.0 || tag > LetzterTag)
        return std::nullopt;
    const double ganz = std::floor(tag);
    if (ganz == 60.0)
        return std::nullopt;
    return Datum::zuDatum(ganz < 60.0 ? ganz + 1.0 : ganz);
}

// The date of the first format that reads the text whole, tried in the order of
// ZiehungsdatumLesen; nullopt when a format needs the general parser or none fits.
std::optional<QDate> datumSchnell(QStringView t, const QLocale &locale, const QString &kurz4, const QString &kurz)
{
    // The ISO form, the first format and the commonest, read directly.
    if (const QDate iso = IsoDatum(t); iso.isValid())
        return iso;
    QDate datum;
    for (const QStringView format :
         {QStringView(u"yyyy-MM-dd"), QStringView(u"dd.MM.yyyy"), QStringView(u"d.M.yyyy"), QStringView(kurz4)}) {
        const Formatprobe p = nachFormat(t, format, datum);
        if (p == Formatprobe::Passt)
            return datum;
        if (p == Formatprobe::Unbekannt)
            return std::nullopt;
    }
    const Formatprobe p = nachFormat(t, kurz, datum);
    if (p == Formatprobe::Passt)
        return kurz.contains(QLatin1String("yyyy")) ? datum : jahrhundertRichten(datum);
    if (p == Formatprobe::Unbekannt)
        return std::nullopt;
    // Digits, and at most one decimal point of the locale's.
    const QChar komma = locale.decimalPoint().size() == 1 ? locale.decimalPoint().front() : QChar();
    qsizetype punkt = -1;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9'))
            continue;
        if (t[i] == komma && punkt < 0 && i > 0 && i + 1 < t.size() &&
            (komma == QLatin1Char('.') || komma == QLatin1Char(',')))
            punkt = i;
        else
            return std::nullopt;
    }
    // Only the whole day counts; a fraction short enough not to round up to the next one.
    const qsizetype ganzeStellen = punkt < 0 ? t.size() : punkt;
    if (t.isEmpty() || ganzeStellen > 7 || (punkt >= 0 && t.size() - punkt - 1 > 6))
        return std::nullopt;
    double tag = 0;
    for (qsizetype i = 0; i < ganzeStellen; ++i)
        tag = tag * 10 + (t[i].unicode() - u'0');
    const std::optional<QDate> d = tagesnummer(tag);
    return d ? d : std::optional<QDate>(QDate());
}

// The locale's short formats, made once for the many lines of a file.
struct Kurzformate
{
    QLocale locale;
    QString kurz4; // with a four-digit year
    QString kurz;
};

const Kurzformate &kurzformate(const QLocale &locale)
{
    thread_local std::optional<Kurzformate> formate;
    if (!formate || !(formate->locale == locale))
        formate = Kurzformate{locale, Datum::kurzesFormat(locale), locale.dateFormat(QLocale::ShortFormat)};
    return *formate;
}

} // namespace

std::optional<QDate> ZiehungsdatumLesen(QStringView text, const QLocale &locale)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    const Kurzformate &formate = kurzformate(locale);
    const QString &kurz4 = formate.kurz4;
    const QString &kurz = formate.kurz;
    // The formats the program itself writes, read exactly and quickly; the general parser only
    // for what they don't cover.
    if (const std::optional<QDate> schnell = datumSchnell(t, locale, kurz4, kurz))
        return schnell->isValid() ? schnell : std::nullopt;
    const QString allgemein = t.toString();
    for (const QString &format :
         {QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd.MM.yyyy"), QStringLiteral("d.M.yyyy"), kurz4}) {
        const QDate datum = locale.toDate(allgemein, format);
        if (datum.isValid())
            return datum;
    }
    // The locale's own short format may write the year with two digits.
    if (QDate datum = locale.toDate(allgemein, kurz); datum.isValid())
        return kurz.contains(QLatin1String("yyyy")) ? datum : jahrhundertRichten(datum);
    // A spreadsheet's day number, written with the locale's or a plain decimal point.
    bool ok = false;
    double tag = locale.toDouble(t, &ok);
    if (!ok)
        tag = t.toDouble(&ok);
    return ok ? tagesnummer(tag) : std::nullopt;
}

namespace {

// Sets the lines or rows of a file against the history, one at a time, keeping only the draws
// and the first of the reasons why a line is none.
class Ziehungssammler
{
public:
    Ziehungssammler(const QVector<TGewZahlen> &historie, const QLocale &locale) : m_historie(historie), m_locale(locale)
    {
    }

    void zeile(int nummer, const Zeilenfelder &felder)
    {
        Zeilenergebnis e = ziehungAusFeldern(felder, m_locale);
        if (!e.ziehung) {
            // Lines before the first draw that hold neither a date nor a number: a title and the
            // header. A title is a single value (empty fields after it, as a spreadsheet program
            // writes them, count for nothing); the header, or the first line, may be any.
            if (m_amAnfang && m_vorspann < 2 && (m_vorspann == 0 || felder.gefuellt > 1) &&
                kopfzeile(felder, m_locale)) {
                ++m_vorspann;
                if (felder.gefuellt > 1)
                    m_amAnfang = false;
                return;
            }
            m_amAnfang = false;
            fehler(m_fehler, nummer, e.grund);
            return;
        }
        m_amAnfang = false;
        m_gelesen.push_back({*e.ziehung, nummer});
    }

    Gewinnreihenimport ergebnis()
    {
        Gewinnreihenimport import;
        // A date the file gives twice: the later lines are reported.
        std::vector<int> reihenfolge(m_gelesen.size());
        std::iota(reihenfolge.begin(), reihenfolge.end(), 0);
        std::stable_sort(reihenfolge.begin(), reihenfolge.end(),
                         [this](int a, int b) { return m_gelesen[a].ziehung.datum < m_gelesen[b].ziehung.datum; });
        std::vector<bool> doppelt(m_gelesen.size());
        Fehlerliste doppelte;
        struct Zweite
        {
            int zeile;
            int erste; // line of the first
            std::size_t index;
        };
        std::vector<Zweite> zweite;
        for (std::size_t k = 1; k < reihenfolge.size(); ++k) {
            const Gelesen &vorher = m_gelesen[std::size_t(reihenfolge[k - 1])];
            const Gelesen &jetzt = m_gelesen[std::size_t(reihenfolge[k])];
            if (jetzt.ziehung.datum != vorher.ziehung.datum)
                continue;
            doppelt[std::size_t(reihenfolge[k])] = true;
            // The first of the group lies where the group starts.
            std::size_t erste = k - 1;
            while (erste > 0 && doppelt[std::size_t(reihenfolge[erste])])
                --erste;
            zweite.push_back(
                {jetzt.zeile, m_gelesen[std::size_t(reihenfolge[erste])].zeile, std::size_t(reihenfolge[k])});
        }
        std::sort(zweite.begin(), zweite.end(), [](const Zweite &a, const Zweite &b) { return a.index < b.index; });
        for (const Zweite &z : zweite) {
            if (doppelte.liste.size() < MaxLesefehler)
                doppelte.liste << Lesefehler{z.zeile, QStringLiteral("Die Ziehung vom %1 steht schon in Zeile %2.")
                                                          .arg(Datum::kurz(m_gelesen[z.index].ziehung.datum, m_locale))
                                                          .arg(z.erste)};
            ++doppelte.anzahl;
        }

        // The first stored draw of each date.
        std::vector<std::pair<double, int>> gespeichert;
        gespeichert.reserve(std::size_t(m_historie.size()));
        for (int i = 0; i < m_historie.size(); ++i)
            gespeichert.emplace_back(m_historie[i].datum, i);
        std::stable_sort(gespeichert.begin(), gespeichert.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (std::size_t k = 0; k < m_gelesen.size(); ++k) {
            if (doppelt[k])
                continue;
            const TGewZahlen &z = m_gelesen[k].ziehung;
            const auto alt = std::lower_bound(gespeichert.cbegin(), gespeichert.cend(), z.datum,
                                              [](const auto &a, double d) { return a.first < d; });
            if (alt == gespeichert.cend() || alt->first != z.datum)
                import.neue << z;
            else if (gleich(m_historie[alt->second], z))
                ++import.gleiche;
            else
                import.abweichende << Abweichung{alt->second, m_historie[alt->second], z, m_gelesen[k].zeile};
        }
        std::stable_sort(import.neue.begin(), import.neue.end(),
                         [](const TGewZahlen &a, const TGewZahlen &b) { return a.datum < b.datum; });

        // Both lists are in line order: the first of both together.
        std::merge(m_fehler.liste.cbegin(), m_fehler.liste.cend(), doppelte.liste.cbegin(), doppelte.liste.cend(),
                   std::back_inserter(import.fehler),
                   [](const Lesefehler &a, const Lesefehler &b) { return a.zeile < b.zeile; });
        if (import.fehler.size() > MaxLesefehler)
            import.fehler.resize(MaxLesefehler);
        import.fehlerAnzahl = m_fehler.anzahl + doppelte.anzahl;
        return import;
    }

private:
    struct Gelesen
    {
        TGewZahlen ziehung;
        int zeile;
    };
    struct Fehlerliste
    {
        QVector<Lesefehler> liste;
        qint64 anzahl = 0;
    };
    static void fehler(Fehlerliste &f, int zeile, const QString &grund)
    {
        if (f.liste.size() < MaxLesefehler)
            f.liste << Lesefehler{zeile, grund};
        ++f.anzahl;
    }

    const QVector<TGewZahlen> &m_historie;
    const QLocale &m_locale;
    bool m_amAnfang = true;
    int m_vorspann = 0;
    std::vector<Gelesen> m_gelesen;
    Fehlerliste m_fehler;
};

// The rows of a worksheet, each as the fields of a line, straight into the draws.
class Ziehungsziel : public Zeilenziel
{
public:
    explicit Ziehungsziel(Ziehungssammler &sammler) : m_sammler(sammler) {}

    void zeile(int zeile, int wiederholungen, std::span<const Mappenzelle> zellen) override
    {
        // A row is as wide as the worksheet read so far: an empty last cell is a field too.
        m_breite = std::max(m_breite, zellen.back().spalte);
        m_felder.leeren();
        std::size_t k = 0;
        for (int s = 1; s <= m_breite; ++s) {
            const bool da = k < zellen.size() && zellen[k].spalte == s;
            const QStringView text = da ? QStringView(zellen[k].text).trimmed() : QStringView();
            m_felder.nimm(text, s);
            if (da && zellen[k].zuLang && m_felder.felder.size() >= s)
                m_felder.felder[s - 1].zuLang = true;
            if (da)
                ++k;
            // Beyond the kept fields only the last value counts.
            if (s >= Zeilenfelder::Behalten && k < zellen.size()) {
                m_felder.anzahl = zellen.back().spalte;
                m_felder.gefuellt += qsizetype(zellen.size() - k);
                break;
            }
        }
        m_felder.anzahl = std::max<qsizetype>(m_felder.anzahl, std::min(m_breite, Felder));
        for (int i = 0; i < wiederholungen; ++i)
            m_sammler.zeile(zeile + i, m_felder);
    }

private:
    Ziehungssammler &m_sammler;
    Zeilenfelder m_felder;
    int m_breite = 0;
};

} // namespace

Gewinnreihenimport GewinnreihenLesen(const QString &datei, const QVector<TGewZahlen> &historie, const QLocale &locale)
{
    Gewinnreihenimport import;
    Dateiinhalt inhalt = DateiLesen(datei, MaxDatendateiGroesse);
    if (!inhalt.zuGross && inhalt.status != Dateiinhalt::Status::Gelesen) {
        const bool fehlt = inhalt.status == Dateiinhalt::Status::Fehlt;
        import.meldung = DateiFehlerText(datei, fehlt ? SystemfehlerText(ENOENT) : inhalt.fehler, false);
        return import;
    }
    if (inhalt.zuGross) {
        import.meldung = abbruch(QStringLiteral("Die Datei \u201E%1\u201C ist gr\u00F6\u00DFer als %2 MB; so gro\u00DF "
                                                "ist keine Datei mit Gewinnreihen.")
                                     .arg(name(datei))
                                     .arg(MaxDatendateiGroesse / (1024 * 1024)));
        return import;
    }
    if (inhalt.daten.trimmed().isEmpty()) {
        import.meldung = abbruch(QStringLiteral("Die Datei \u201E%1\u201C ist leer.").arg(name(datei)));
        return import;
    }

    Ziehungssammler sammler(historie, locale);
    QString ersteTabelle;
    const bool mappe = MappenartErkennen(inhalt.daten) != Mappenart::Unbekannt;
    if (mappe) {
        inhalt.daten = QByteArray(); // read again by the workbook's reader
        Ziehungsziel ziel(sammler);
        const QString fehler = MappeStreamen(datei, locale, Importgrenzen(), ziel, &ersteTabelle);
        if (!fehler.isEmpty()) {
            import.meldung = fehler;
            return import;
        }
    } else {
        const std::optional<QString> text = csvText(inhalt.daten);
        if (!text) {
            import.meldung =
                abbruch(QStringLiteral("Die Datei \u201E%1\u201C ist weder eine CSV-Datei noch eine Arbeitsmappe.")
                            .arg(name(datei)));
            return import;
        }
        inhalt.daten = QByteArray();
        const QChar trenner = csvTrenner(*text);
        Zeilenfelder felder;
        qsizetype anfang = 0;
        qint64 zeilen = 0;
        for (int nummer = 1; anfang <= text->size(); ++nummer) {
            const QStringView z = naechsteZeile(*text, anfang);
            if (z.trimmed().isEmpty())
                continue;
            if (++zeilen > MaxCSVZeilen) {
                import.meldung = abbruch(QStringLiteral("Die Datei \u201E%1\u201C hat mehr als %2 Zeilen; so viele "
                                                        "Ziehungen kann ich nicht einlesen.")
                                             .arg(name(datei), locale.toString(MaxCSVZeilen)));
                return import;
            }
            csvFelder(z, trenner, felder);
            sammler.zeile(nummer, felder);
        }
    }
    import = sammler.ergebnis();

    if (import.neue.isEmpty() && import.abweichende.isEmpty() && import.gleiche == 0) {
        QString text =
            QStringLiteral("In der Datei \u201E%1\u201C steht keine Ziehung, die ich lesen kann.").arg(name(datei));
        if (!import.fehler.isEmpty())
            text += Absatz + QStringLiteral("Zeile %1: %2")
                                 .arg(import.fehler.constFirst().zeile)
                                 .arg(import.fehler.constFirst().grund);
        if (mappe && !ersteTabelle.isEmpty())
            text += Absatz + QStringLiteral("Ich lese nur das erste Tabellenblatt der Arbeitsmappe, \u201E%1\u201C.")
                                 .arg(ersteTabelle);
        import = Gewinnreihenimport();
        import.meldung = abbruch(text);
    }
    return import;
}

QVector<TGewZahlen> GewinnreihenUebernehmen(const QVector<TGewZahlen> &historie, const Gewinnreihenimport &import,
                                            bool abweichendeErsetzen)
{
    QVector<TGewZahlen> alt = historie;
    if (abweichendeErsetzen) {
        for (const Abweichung &a : import.abweichende) {
            TGewZahlen &z = alt[a.index];
            z.GZ = a.neu.GZ;
            z.bonus = a.neu.bonus;
        }
    }
    // The new draws are in date order, so the place of each lies at or after that of the one
    // before: one pass over the stored draws puts them all.
    QVector<TGewZahlen> neu;
    neu.reserve(alt.size() + import.neue.size());
    qsizetype i = 0;
    for (const TGewZahlen &z : import.neue) {
        while (i < alt.size() && alt[i].datum <= z.datum)
            neu << alt[i++];
        neu << z;
    }
    while (i < alt.size())
        neu << alt[i++];
    return neu;
}

QString ZiehungAlsText(const TGewZahlen &z, const QLocale &locale)
{
    QStringList zahlen;
    for (const std::uint8_t n : z.GZ)
        zahlen << QString::number(n);
    return Datum::kurz(z.datum, locale) + QStringLiteral(": ") + zahlen.join(QLatin1Char(' ')) + QStringLiteral(" | ") +
           QString::number(z.bonus);
}
