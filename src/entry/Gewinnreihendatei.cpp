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
#include <QHash>
#include <QTemporaryFile>

#include <algorithm>
#include <functional>
#include <cerrno>
#include <cmath>

namespace {

constexpr int Felder = 7; // date, five numbers, Zusatzzahl
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

// A field as written: without blanks around it and without the quotes of a quoted field.
QString feldOhneHuelle(QString feld)
{
    feld = feld.trimmed();
    if (feld.size() >= 2 && feld.startsWith(QLatin1Char('"')) && feld.endsWith(QLatin1Char('"')))
        feld = feld.mid(1, feld.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\"")).trimmed();
    return feld;
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

// The fields of a CSV line split at the separator.
QStringList csvFelder(QStringView zeile, QChar trenner)
{
    QStringList felder;
    for (const QStringView feld : zeile.split(trenner))
        felder << feldOhneHuelle(feld.toString());
    return felder;
}

// The next line of the text from `anfang` on, without its line break; `anfang` moves past it.
QStringView naechsteZeile(const QString &text, qsizetype &anfang)
{
    qsizetype ende = text.indexOf(QLatin1Char('\n'), anfang);
    if (ende < 0)
        ende = text.size();
    QStringView zeile = QStringView(text).mid(anfang, ende - anfang);
    anfang = ende + 1;
    if (zeile.endsWith(QLatin1Char('\r')))
        zeile.chop(1);
    return zeile;
}

// The separator the first lines use: of ";", "," and the tab the one that splits most of them
// into the seven fields of a draw, else the most frequent; "," when none occurs.
QChar csvTrenner(const QString &text)
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

// Calls `zeile` for every line of a CSV file that is not empty, with its number and fields.
void csvZeilen(const QByteArray &bytes, const std::function<void(int, const QStringList &)> &zeile)
{
    const QString text = TextDekodieren(bytes).text;
    const QChar trenner = csvTrenner(text);
    qsizetype anfang = 0;
    for (int nummer = 1; anfang <= text.size(); ++nummer) {
        const QStringView z = naechsteZeile(text, anfang);
        if (!z.trimmed().isEmpty())
            zeile(nummer, csvFelder(z, trenner));
    }
}

void mappenZeilen(const TextTabelle &tabelle, const std::function<void(int, const QStringList &)> &zeile)
{
    for (int z = 1; z < tabelle.zeilen(); ++z) {
        QStringList felder;
        bool leer = true;
        for (int s = 1; s < tabelle.spalten(); ++s) {
            felder << feldOhneHuelle(tabelle.zelle(s, z));
            leer = leer && felder.constLast().isEmpty();
        }
        if (!leer)
            zeile(z, felder);
    }
}

std::optional<int> ganzeZahl(const QString &text)
{
    bool ok = false;
    const int wert = text.toInt(&ok, 10);
    return ok ? std::optional<int>(wert) : std::nullopt;
}

// A first line with neither a date nor a number in it is the header; a damaged first draw
// still holds one of them and is reported.
bool kopfzeile(const QStringList &felder, const QLocale &locale)
{
    for (const QString &feld : felder)
        if (ganzeZahl(feld) || ZiehungsdatumLesen(feld, locale))
            return false;
    return true;
}

// The draw of one line, or why it is none.
struct Zeilenergebnis
{
    std::optional<TGewZahlen> ziehung;
    QString grund;
};

Zeilenergebnis ziehungAusFeldern(QStringList felder, const QLocale &locale)
{
    // Empty fields after the last value come from trailing separators and empty columns.
    while (felder.size() > Felder && felder.constLast().isEmpty())
        felder.removeLast();
    Zeilenergebnis e;
    if (felder.size() < Felder) {
        e.grund = QStringLiteral("Die Zeile enth\u00E4lt nur %1 der 7 Werte.").arg(felder.size());
        return e;
    }
    if (felder.size() > Felder) {
        e.grund = QStringLiteral("Es stehen %1 Werte darin; eine Ziehung hat 7 (Datum, f\u00FCnf Gewinnzahlen, "
                                 "Zusatzzahl).")
                      .arg(felder.size());
        return e;
    }
    const std::optional<QDate> datum = ZiehungsdatumLesen(felder[0], locale);
    if (!datum) {
        e.grund = QStringLiteral("\u201E%1\u201C ist kein Datum.").arg(felder[0]);
        return e;
    }
    TGewZahlen z;
    z.datum = Datum::ausDatum(*datum);
    Zahlenmenge gesehen;
    for (int i = 0; i < ZahlenProReihe; ++i) {
        const QString &feld = felder[i + 1];
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
        z.GZ[static_cast<std::size_t>(i)] = n;
    }
    const std::optional<int> zz = ganzeZahl(felder[6]);
    if (!zz || !istZusatzzahl(*zz)) {
        e.grund = QStringLiteral("Die Zusatzzahl \u201E%1\u201C ist keine Zahl von 1 bis 10.").arg(felder[6]);
        return e;
    }
    z.bonus = static_cast<std::uint8_t>(*zz);
    e.ziehung = z;
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

std::optional<QDate> ZiehungsdatumLesen(const QString &text, const QLocale &locale)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (const QString &format : {QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd.MM.yyyy"),
                                  QStringLiteral("d.M.yyyy"), Datum::kurzesFormat(locale)}) {
        const QDate datum = locale.toDate(t, format);
        if (datum.isValid())
            return datum;
    }
    // The locale's own short format may write the year with two digits.
    const QString kurz = locale.dateFormat(QLocale::ShortFormat);
    if (QDate datum = locale.toDate(t, kurz); datum.isValid()) {
        if (!kurz.contains(QLatin1String("yyyy")) && datum.year() < 2000) {
            datum = datum.addYears(100);
            if (datum.year() > QDate::currentDate().year())
                datum = datum.addYears(-100);
        }
        return datum;
    }
    // A spreadsheet's day number, written with the locale's or a plain decimal point.
    bool ok = false;
    double tag = locale.toDouble(t, &ok);
    if (!ok)
        tag = t.toDouble(&ok);
    if (!ok || !std::isfinite(tag) || tag < 1.0 || tag > LetzterTag)
        return std::nullopt;
    return Datum::zuDatum(std::floor(tag));
}

Gewinnreihenimport GewinnreihenLesen(const QString &datei, const QVector<TGewZahlen> &historie, const QLocale &locale)
{
    Gewinnreihenimport import;
    const Dateiinhalt inhalt = DateiLesen(datei, MaxDatendateiGroesse);
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

    QHash<double, int> gespeichert; // date -> first stored draw of that date
    for (int i = static_cast<int>(historie.size()) - 1; i >= 0; --i)
        gespeichert.insert(historie[i].datum, i);
    QHash<double, int> inDerDatei; // date -> line that held it first
    // Lines before the first draw that hold neither a date nor a number: a title and the header.
    // A title is a single field; the header, or the first line, may be any.
    bool amAnfang = true;
    int vorspann = 0;
    const auto zeileNehmen = [&](int nummer, const QStringList &felder) {
        Zeilenergebnis e = ziehungAusFeldern(felder, locale);
        if (!e.ziehung) {
            if (amAnfang && kopfzeile(felder, locale) && (vorspann == 0 || felder.size() > 1) && vorspann < 2) {
                ++vorspann;
                if (felder.size() > 1)
                    amAnfang = false;
                return;
            }
            amAnfang = false;
            import.fehler << Lesefehler{nummer, e.grund};
            return;
        }
        amAnfang = false;
        const TGewZahlen &z = *e.ziehung;
        if (const auto frueher = inDerDatei.constFind(z.datum); frueher != inDerDatei.cend()) {
            import.fehler << Lesefehler{nummer, QStringLiteral("Die Ziehung vom %1 steht schon in Zeile %2.")
                                                    .arg(Datum::kurz(z.datum, locale))
                                                    .arg(*frueher)};
            return;
        }
        inDerDatei.insert(z.datum, nummer);
        const auto alt = gespeichert.constFind(z.datum);
        if (alt == gespeichert.cend())
            import.neue << z;
        else if (gleich(historie[*alt], z))
            ++import.gleiche;
        else
            import.abweichende << Abweichung{*alt, historie[*alt], z, nummer};
    };

    QString ersteTabelle;
    const bool mappe = MappenartErkennen(inhalt.daten) != Mappenart::Unbekannt;
    if (mappe) {
        TextTabelle tabelle;
        const QString fehler = ExcelEinlesen(tabelle, datei, locale, Importgrenzen(), &ersteTabelle);
        if (!fehler.isEmpty()) {
            import.meldung = fehler;
            return import;
        }
        mappenZeilen(tabelle, zeileNehmen);
    } else if (binaer(inhalt.daten)) {
        import.meldung = abbruch(QStringLiteral("Die Datei \u201E%1\u201C ist weder eine CSV-Datei noch eine "
                                                "Arbeitsmappe.")
                                     .arg(name(datei)));
        return import;
    } else {
        csvZeilen(inhalt.daten, zeileNehmen);
    }
    std::stable_sort(import.neue.begin(), import.neue.end(),
                     [](const TGewZahlen &a, const TGewZahlen &b) { return a.datum < b.datum; });

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
