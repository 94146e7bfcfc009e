#include "entry/Mappenleser.h"

#include "entry/ZipArchiv.h"

#include <QDate>
#include <QHash>
#include <QXmlStreamReader>

#include <charconv>
#include <optional>
#include <cstring>
#include <vector>

bool Zeilensammler::zeileBeginnen(qint64 zeile, qint64 wiederholungen)
{
    zeileBeenden();
    m_zeile = zeile;
    m_wiederholungen = std::max<qint64>(wiederholungen, 1);
    m_offen = true;
    return element();
}

bool Zeilensammler::element()
{
    if (++m_elemente <= m_grenzen.zellen + m_grenzen.zeilen)
        return true;
    m_fehler = QStringLiteral("Die erste Tabelle hat mehr als %1 Zellen.").arg(m_grenzen.zellen);
    return false;
}

bool Zeilensammler::zuViele(qint64 zellen)
{
    if (m_gefuellt + zellen <= m_grenzen.zellen)
        return false;
    m_fehler = QStringLiteral("Die erste Tabelle hat mehr als %1 gef\u00FCllte Zellen.").arg(m_grenzen.zellen);
    return true;
}

bool Zeilensammler::zelle(qint64 spalte, QStringView text, bool zuLang, qint64 spaltenWdh)
{
    if (!element())
        return false;
    // An empty cell counts where it starts; the used range ends with the last value.
    const qint64 letzteSpalte = text.isEmpty() ? spalte : spalte + spaltenWdh - 1;
    if (letzteSpalte > m_grenzen.spalten) {
        m_fehler = QStringLiteral("Die erste Tabelle reicht bis Spalte %1; ich lese h\u00F6chstens %2 Spalten ein.")
                       .arg(letzteSpalte)
                       .arg(m_grenzen.spalten);
        return false;
    }
    if (text.isEmpty() || !m_offen || spalte < 1)
        return true;
    const qint64 letzteZeile = m_zeile + m_wiederholungen - 1;
    if (m_zeile < 1 || letzteZeile > m_grenzen.zeilen) {
        m_fehler = QStringLiteral("Die erste Tabelle reicht bis Zeile %1; ich lese h\u00F6chstens %2 Zeilen ein.")
                       .arg(letzteZeile)
                       .arg(m_grenzen.zeilen);
        return false;
    }
    if (zuViele(m_wiederholungen * spaltenWdh))
        return false;
    m_gefuellt += m_wiederholungen * spaltenWdh;
    const QString kopie = text.toString();
    for (qint64 s = spalte; s < spalte + spaltenWdh; ++s) {
        // A cell given twice keeps the later text, as a spreadsheet program would.
        if (!m_zellen.isEmpty() && m_zellen.constLast().spalte >= s) {
            auto stelle = std::lower_bound(m_zellen.begin(), m_zellen.end(), s,
                                           [](const Mappenzelle &z, qint64 sp) { return z.spalte < sp; });
            if (stelle->spalte == s) {
                stelle->text = kopie;
                stelle->zuLang = zuLang;
            } else {
                m_zellen.insert(stelle, {static_cast<int>(s), kopie, zuLang});
            }
            continue;
        }
        m_zellen.append({static_cast<int>(s), kopie, zuLang});
    }
    return true;
}

void Zeilensammler::zeileBeenden()
{
    if (m_offen && !m_zellen.isEmpty())
        m_ziel.zeile(static_cast<int>(m_zeile), static_cast<int>(m_wiederholungen), m_zellen);
    m_zellen.clear();
    m_offen = false;
}

void Feldtext::anhaengen(QStringView stueck)
{
    const qsizetype platz = MaxFeldtext - m_text.size();
    if (stueck.size() > platz)
        m_zuLang = true;
    m_text.append(stueck.left(platz));
}

void Feldtext::anhaengen(QChar zeichen, qint64 anzahl)
{
    const qint64 platz = MaxFeldtext - m_text.size();
    if (anzahl > platz)
        m_zuLang = true;
    m_text.append(QString(static_cast<qsizetype>(std::min(anzahl, platz)), zeichen));
}

Mappenart MappenartErkennen(const QByteArray &anfang)
{
    if (anfang.startsWith(QByteArrayLiteral("PK\x03\x04")))
        return Mappenart::Zip;
    if (anfang.startsWith(QByteArrayLiteral("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")))
        return Mappenart::Verbunddatei;
    return Mappenart::Unbekannt;
}

namespace {

// Element and attribute names compared without their namespace prefix.
QStringView lokal(QStringView name)
{
    const qsizetype doppelpunkt = name.lastIndexOf(QLatin1Char(':'));
    return doppelpunkt < 0 ? name : name.mid(doppelpunkt + 1);
}

constexpr qint64 MaxXmlMarke = 8 * 1024 * 1024;

// One XML part of a workbook, read token by token while it is unpacked: only a piece of the
// part is held at a time, elements nested deeper than MaxXmlTiefe end the reading, and so does
// a document type definition, the only way to make entities expand.
class Xmlstrom
{
public:
    Xmlstrom(const ZipArchiv &archiv, const char *teil, const Importgrenzen &grenzen)
        : m_zip(archiv, teil, grenzen.xmlGroesse), m_teil(QString::fromUtf8(teil))
    {
        // Prefixes are compared by their local part, declared or not.
        m_xml.setNamespaceProcessing(false);
    }

    // The next token; false at the end of the part and on a failure, which sets `fehler`.
    bool weiter()
    {
        if (m_ende)
            --m_tiefe;
        m_ende = false;
        while (true) {
            m_art = m_xml.readNext();
            if (m_art != QXmlStreamReader::Invalid) {
                m_ohneMarke = 0;
                break;
            }
            if (m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError || m_zip.fertig()) {
                m_fehler = !m_zip.fehler().isEmpty()
                               ? m_zip.fehler()
                               : QStringLiteral("Der Teil \u201E%1\u201C ist kein g\u00FCltiges XML (%2).")
                                     .arg(m_teil, m_xml.errorString());
                return false;
            }
            // The reader holds a token whole until it ends: a text or tag of megabytes is none
            // a spreadsheet program writes, and would cost twice its size.
            const QByteArray stueck = m_zip.weiter();
            m_ohneMarke += stueck.size();
            if (m_ohneMarke > MaxXmlMarke) {
                m_fehler = QStringLiteral("Im Teil \u201E%1\u201C steht ein Text oder Element von mehr als %2 MB; so "
                                          "schreibt kein Tabellenprogramm.")
                               .arg(m_teil)
                               .arg(MaxXmlMarke / (1024 * 1024));
                return false;
            }
            m_xml.addData(stueck);
        }
        if (m_art == QXmlStreamReader::DTD || m_art == QXmlStreamReader::EntityReference) {
            m_fehler = QStringLiteral("Der Teil \u201E%1\u201C enth\u00E4lt eine Dokumenttypdefinition; so schreibt "
                                      "kein Tabellenprogramm.")
                           .arg(m_teil);
            return false;
        }
        if (m_art == QXmlStreamReader::StartElement) {
            if (++m_tiefe > MaxXmlTiefe) {
                m_fehler = QStringLiteral("Im Teil \u201E%1\u201C sind die Elemente tiefer als %2 Ebenen "
                                          "verschachtelt; so schreibt kein Tabellenprogramm.")
                               .arg(m_teil)
                               .arg(MaxXmlTiefe);
                return false;
            }
            m_name = lokal(m_xml.qualifiedName());
        }
        m_ende = m_art == QXmlStreamReader::EndElement;
        return m_art != QXmlStreamReader::EndDocument;
    }

    bool beginnt(const char *name) const { return m_art == QXmlStreamReader::StartElement && m_name == QLatin1String(name); }
    bool beginnt() const { return m_art == QXmlStreamReader::StartElement; }
    bool endet(int tiefe) const { return m_art == QXmlStreamReader::EndElement && m_tiefe == tiefe; }
    bool istText() const { return m_art == QXmlStreamReader::Characters; }
    // Of the current element, the document's root being 1.
    int tiefe() const { return m_tiefe; }
    QStringView text() const { return m_xml.text(); }
    // The attributes of the element just begun.
    QXmlStreamAttributes attribute() const { return m_xml.attributes(); }
    QString attribut(const char *name) const { return wert(m_xml.attributes(), name).toString(); }
    const QString &fehler() const { return m_fehler; }

    static QStringView wert(const QXmlStreamAttributes &attribute, const char *name)
    {
        for (const QXmlStreamAttribute &a : attribute)
            if (lokal(a.qualifiedName()) == QLatin1String(name))
                return a.value();
        return QStringView();
    }
    static bool hat(const QXmlStreamAttributes &attribute, const char *name)
    {
        return std::any_of(attribute.cbegin(), attribute.cend(), [name](const QXmlStreamAttribute &a) {
            return lokal(a.qualifiedName()) == QLatin1String(name);
        });
    }

private:
    ZipTeil m_zip;
    QString m_teil;
    QXmlStreamReader m_xml;
    QXmlStreamReader::TokenType m_art = QXmlStreamReader::NoToken;
    QStringView m_name;
    qint64 m_ohneMarke = 0; // bytes added since the last token
    int m_tiefe = 0;
    bool m_ende = false;
    QString m_fehler;
};

// A plain number as written in the file, or nullopt.
std::optional<double> zahlLesen(QStringView text)
{
    char puffer[MaxFeldtext + 1];
    if (text.isEmpty() || text.size() > MaxFeldtext)
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() > 127)
            return std::nullopt;
        puffer[i] = static_cast<char>(text[i].unicode());
    }
    double wert = 0.0;
    const char *ende = puffer + text.size();
    const auto [stelle, fehler] = std::from_chars(puffer, ende, wert);
    if (fehler != std::errc() || stelle != ende)
        return std::nullopt;
    return wert;
}

// Whole numbers of up to 15 digits read as they stand; everything else goes through the double.
QString zahlText(QStringView text, const QLocale &locale)
{
    const qsizetype vorzeichen = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype ziffern = text.size() - vorzeichen;
    bool nurZiffern = ziffern > 0 && ziffern <= 15;
    for (qsizetype i = vorzeichen; nurZiffern && i < text.size(); ++i)
        nurZiffern = text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
    if (nurZiffern && (text[vorzeichen] != QLatin1Char('0') || ziffern == 1) && text != QLatin1String("-0"))
        return text.toString();
    const std::optional<double> wert = zahlLesen(text);
    return wert ? ZahlAlsText(*wert, locale) : text.toString();
}

QString wahrheitswert(bool wert)
{
    return wert ? QStringLiteral("WAHR") : QStringLiteral("FALSCH");
}

QString formelOhneWert(int zeile, int spalte)
{
    return QStringLiteral("Die Zelle %1 der ersten Tabelle enth\u00E4lt eine Formel, deren Ergebnis nicht in der "
                          "Datei steht: Das Programm, das die Arbeitsmappe geschrieben hat, hat die Formeln ohne ihre "
                          "Werte gespeichert. \u00D6ffnen Sie die Arbeitsmappe bitte in einem Tabellenprogramm (etwa "
                          "LibreOffice Calc oder Excel) und speichern Sie sie dort noch einmal; dann stehen die "
                          "Ergebnisse darin und ich kann sie einlesen.")
        .arg(Zellbezug(zeile, spalte));
}

// ---- Office Open XML ----

// Control characters are written as _xHHHH_ in the XML of a workbook; a raw text of at most
// seven times a field's length is decoded into the field.
void ooxmlText(QStringView roh, Feldtext &feld)
{
    feld.leeren();
    for (qsizetype i = 0; i < roh.size() && !feld.voll(); ++i) {
        if (roh[i] == QLatin1Char('_') && i + 6 < roh.size() && roh[i + 1] == QLatin1Char('x') &&
            roh[i + 6] == QLatin1Char('_')) {
            bool ok = false;
            const uint code = roh.mid(i + 2, 4).toUInt(&ok, 16);
            if (ok) {
                feld.anhaengen(QChar(static_cast<char16_t>(code)));
                i += 6;
                continue;
            }
        }
        feld.anhaengen(roh[i]);
    }
}

// Raw text of a cell or string: enough for a field after decoding, and the mark beyond.
class Rohtext
{
public:
    static constexpr qsizetype Max = 7 * (MaxFeldtext + 1);
    void leeren()
    {
        m_text.resize(0);
        m_mehr = false;
    }
    void anhaengen(QStringView stueck)
    {
        const qsizetype platz = Max - m_text.size();
        if (stueck.size() > platz)
            m_mehr = true;
        m_text.append(stueck.left(platz));
    }
    // Decoded into `feld`, which is marked too long when the raw text was cut.
    void nach(Feldtext &feld) const
    {
        ooxmlText(m_text, feld);
        if (m_mehr && !feld.zuLang())
            feld.anhaengen(QChar(u' '), MaxFeldtext + 1);
    }
    const QString &text() const { return m_text; }

private:
    QString m_text;
    bool m_mehr = false;
};

// "BC12" → column 55, row 12; false for anything else.
bool zellbezugLesen(QStringView bezug, qint64 &zeile, qint64 &spalte)
{
    qint64 s = 0;
    qsizetype p = 0;
    for (; p < bezug.size() && bezug[p] >= QLatin1Char('A') && bezug[p] <= QLatin1Char('Z') && s <= 100000; ++p)
        s = s * 26 + (bezug[p].unicode() - u'A' + 1);
    qint64 z = 0;
    const qsizetype ziffern = p;
    for (; p < bezug.size() && bezug[p] >= QLatin1Char('0') && bezug[p] <= QLatin1Char('9') && z <= 100000000; ++p)
        z = z * 10 + (bezug[p].unicode() - u'0');
    if (s == 0 || p == ziffern || p != bezug.size() || z == 0)
        return false;
    zeile = z;
    spalte = s;
    return true;
}

// A row number written in the file; `sonst` when there is none or it is unreadable.
qint64 zeilennummer(QStringView text, qint64 sonst)
{
    if (text.isEmpty())
        return sonst;
    bool ok = false;
    const qint64 wert = text.toLongLong(&ok);
    return ok ? wert : sonst;
}

// The shared string or inline string being read: its own <t> and the <t> of its runs, without
// the phonetic hints. `tiefe` is that of the <si> or <is>.
class Zeichenkette
{
public:
    void beginne(int tiefe)
    {
        m_tiefe = tiefe;
        m_tTiefe = 0;
        m_imLauf = false;
        m_text.leeren();
    }
    bool offen() const { return m_tiefe > 0; }
    // False once the string has ended.
    bool nimm(const Xmlstrom &xml)
    {
        if (xml.endet(m_tiefe)) {
            m_tiefe = 0;
            return false;
        }
        if (xml.beginnt("t") && (xml.tiefe() == m_tiefe + 1 || (xml.tiefe() == m_tiefe + 2 && m_imLauf))) {
            m_tTiefe = xml.tiefe();
        } else if (xml.beginnt("r") && xml.tiefe() == m_tiefe + 1) {
            m_imLauf = true;
        } else if (xml.endet(m_tiefe + 1)) {
            m_imLauf = false;
        }
        if (m_tTiefe > 0 && xml.istText())
            m_text.anhaengen(xml.text());
        if (m_tTiefe > 0 && xml.endet(m_tTiefe))
            m_tTiefe = 0;
        return true;
    }
    const Rohtext &text() const { return m_text; }

private:
    int m_tiefe = 0;
    int m_tTiefe = 0;
    bool m_imLauf = false;
    Rohtext m_text;
};

// The shared strings, read only as far as the cells of the worksheet need them and kept as
// UTF-8, each cut to a field's length.
class Gemeinsame
{
public:
    Gemeinsame(const ZipArchiv &archiv, const Importgrenzen &grenzen) : m_archiv(archiv), m_grenzen(grenzen) {}

    // String number `nummer` into `feld` (empty when the workbook has no such string); false
    // when the part can't be read or holds more strings than the worksheet may have cells.
    bool text(qint64 nummer, Feldtext &feld, QString &fehler)
    {
        feld.leeren();
        if (!m_xml && !m_fertig) {
            if (!m_archiv.hat("xl/sharedStrings.xml"))
                m_fertig = true;
            else
                m_xml.emplace(m_archiv, "xl/sharedStrings.xml", m_grenzen);
        }
        while (!m_fertig && qint64(m_anfang.size()) <= nummer) {
            if (!m_xml->weiter()) {
                m_fertig = true;
                if (!m_xml->fehler().isEmpty()) {
                    fehler = m_xml->fehler();
                    return false;
                }
                break;
            }
            if (m_kette.offen()) {
                if (!m_kette.nimm(*m_xml))
                    behalten();
            } else if (m_xml->tiefe() == 2 && m_xml->beginnt("si")) {
                if (qint64(m_anfang.size()) >= m_grenzen.zellen) {
                    fehler = QStringLiteral("Die Arbeitsmappe hat mehr als %1 gemeinsame Texte.").arg(m_grenzen.zellen);
                    return false;
                }
                m_kette.beginne(2);
            }
        }
        if (nummer < 0 || nummer >= qint64(m_anfang.size()))
            return true;
        const auto i = static_cast<std::size_t>(nummer);
        const qsizetype von = m_anfang[i];
        const qsizetype bis = i + 1 < m_anfang.size() ? m_anfang[i + 1] : m_zeichen.size();
        feld.anhaengen(QString::fromUtf8(m_zeichen.constData() + von, bis - von));
        if (m_zuLang[i])
            feld.anhaengen(QChar(u' '), MaxFeldtext + 1);
        return true;
    }

private:
    void behalten()
    {
        Feldtext feld;
        m_kette.text().nach(feld);
        m_anfang.push_back(m_zeichen.size());
        m_zeichen += feld.text().toUtf8();
        m_zuLang.push_back(feld.zuLang());
    }

    const ZipArchiv &m_archiv;
    const Importgrenzen &m_grenzen;
    std::optional<Xmlstrom> m_xml;
    bool m_fertig = false;
    Zeichenkette m_kette;
    QByteArray m_zeichen;
    std::vector<qsizetype> m_anfang;
    std::vector<bool> m_zuLang;
};

// What the workbook part says of the first worksheet and the dates.
struct Mappenangaben
{
    QString blattpfad;
    QString blattname;
    bool datum1904 = false;
};

bool mappenangabenLesen(const ZipArchiv &archiv, const Importgrenzen &grenzen, Mappenangaben &angaben, QString &fehler)
{
    angaben.blattpfad = QStringLiteral("xl/worksheets/sheet1.xml");
    QString rid;
    {
        Xmlstrom xml(archiv, "xl/workbook.xml", grenzen);
        int blaetterTiefe = 0;
        bool blattGefunden = false;
        while (xml.weiter()) {
            if (xml.beginnt("workbookPr") && xml.tiefe() == 2) {
                const QString wert = xml.attribut("date1904");
                angaben.datum1904 = wert == QLatin1String("1") || wert == QLatin1String("true");
            } else if (xml.beginnt("sheets") && xml.tiefe() == 2) {
                blaetterTiefe = 2;
            } else if (blaetterTiefe > 0 && !blattGefunden && xml.beginnt("sheet") && xml.tiefe() == 3) {
                blattGefunden = true;
                const QXmlStreamAttributes a = xml.attribute();
                angaben.blattname = Xmlstrom::wert(a, "name").left(1024).toString();
                rid = Xmlstrom::wert(a, "id").left(1024).toString();
            } else if (xml.endet(blaetterTiefe)) {
                blaetterTiefe = 0;
            }
        }
        if (!xml.fehler().isEmpty()) {
            fehler = xml.fehler();
            return false;
        }
    }
    if (rid.isEmpty() || !archiv.hat("xl/_rels/workbook.xml.rels"))
        return true;
    Xmlstrom xml(archiv, "xl/_rels/workbook.xml.rels", grenzen);
    while (xml.weiter()) {
        if (xml.tiefe() == 2 && xml.beginnt("Relationship") && xml.attribut("Id") == rid) {
            const QString ziel = xml.attribut("Target");
            angaben.blattpfad = ziel.startsWith(QLatin1Char('/')) ? ziel.mid(1) : QStringLiteral("xl/") + ziel;
            return true;
        }
    }
    fehler = xml.fehler();
    return fehler.isEmpty();
}

// Whether a number format shows a date: a year or a day outside quotes, brackets and escapes.
bool datumsformat(const QString &format)
{
    bool inAnfuehrung = false;
    bool inKlammer = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i].toLower();
        if (c == QLatin1Char('"'))
            inAnfuehrung = !inAnfuehrung;
        else if (inAnfuehrung)
            continue;
        else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*'))
            ++i;
        else if (c == QLatin1Char('['))
            inKlammer = true;
        else if (c == QLatin1Char(']'))
            inKlammer = false;
        else if (!inKlammer && (c == QLatin1Char('y') || c == QLatin1Char('d') || c == QLatin1Char('e')))
            return true;
    }
    return false;
}

// The cell formats (the `s` of a cell) that show a date, from the styles part.
bool datumsstileLesen(const ZipArchiv &archiv, const Importgrenzen &grenzen, std::vector<bool> &datumsstile,
                      QString &fehler)
{
    if (!archiv.hat("xl/styles.xml"))
        return true;
    // The built-in formats that show a date.
    const auto eingebautesDatum = [](int id) {
        return (id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58);
    };
    QHash<int, bool> eigene;
    Xmlstrom xml(archiv, "xl/styles.xml", grenzen);
    int formateTiefe = 0;
    int stileTiefe = 0;
    while (xml.weiter()) {
        if (xml.tiefe() == 2 && xml.beginnt("numFmts")) {
            formateTiefe = 2;
        } else if (xml.tiefe() == 2 && xml.beginnt("cellXfs")) {
            stileTiefe = 2;
        } else if (formateTiefe > 0 && xml.tiefe() == 3 && xml.beginnt("numFmt")) {
            if (eigene.size() >= 65536)
                continue;
            eigene.insert(xml.attribut("numFmtId").toInt(), datumsformat(xml.attribut("formatCode").left(1024)));
        } else if (stileTiefe > 0 && xml.tiefe() == 3 && xml.beginnt("xf")) {
            // One per cell format; there are no more than cells.
            if (qint64(datumsstile.size()) >= grenzen.zellen)
                continue;
            const int id = xml.attribut("numFmtId").toInt();
            datumsstile.push_back(eigene.value(id, eingebautesDatum(id)));
        } else if (xml.endet(formateTiefe)) {
            formateTiefe = 0;
        } else if (xml.endet(stileTiefe)) {
            stileTiefe = 0;
        }
    }
    fehler = xml.fehler();
    return fehler.isEmpty();
}

// Days from 1 January 1904, the start of the other date system, to 30 December 1899.
constexpr double Tage1904 = 1462.0;

Mappenergebnis xlsxLesen(const ZipArchiv &archiv, const QLocale &locale, const Importgrenzen &grenzen,
                         Zeilenziel &ziel)
{
    Mappenergebnis ergebnis;
    Mappenangaben angaben;
    if (!mappenangabenLesen(archiv, grenzen, angaben, ergebnis.fehler))
        return ergebnis;
    ergebnis.blatt = angaben.blattname;
    // A date is a number of days; in the 1904 system they count from another day. Such dates
    // are turned into the count from 30 December 1899, as every other workbook has them.
    std::vector<bool> datumsstile;
    if (angaben.datum1904 && !datumsstileLesen(archiv, grenzen, datumsstile, ergebnis.fehler))
        return ergebnis;

    Gemeinsame gemeinsame(archiv, grenzen);
    Zeilensammler sammler(ziel, grenzen, ergebnis.fehler);
    const QByteArray blattpfad = angaben.blattpfad.toUtf8();
    Xmlstrom xml(archiv, blattpfad.constData(), grenzen);
    // Depths: worksheet 1, sheetData 2, row 3, c 4, v, f and is 5.
    bool imBlatt = false;
    bool inZeile = false;
    qint64 zeile = 0;
    qint64 spalte = 0;
    bool inZelle = false;
    QStringView typ;
    QString typText;
    int stil = 0;
    bool inWert = false;
    bool formel = false;
    Rohtext wert;
    Zeichenkette inline_;
    Feldtext feld;
    while (xml.weiter()) {
        if (!imBlatt) {
            imBlatt = xml.tiefe() == 2 && xml.beginnt("sheetData");
            continue;
        }
        if (xml.endet(2))
            break;
        if (!inZeile) {
            if (xml.tiefe() == 3 && xml.beginnt("row")) {
                inZeile = true;
                zeile = zeilennummer(Xmlstrom::wert(xml.attribute(), "r"), zeile + 1);
                spalte = 0;
                if (!sammler.zeileBeginnen(zeile))
                    return ergebnis;
            }
            continue;
        }
        if (xml.endet(3)) {
            inZeile = false;
            sammler.zeileBeenden();
            continue;
        }
        if (!inZelle) {
            if (xml.tiefe() == 4 && xml.beginnt("c")) {
                inZelle = true;
                const QXmlStreamAttributes a = xml.attribute();
                qint64 z = zeile;
                qint64 s = spalte + 1;
                const QStringView bezug = Xmlstrom::wert(a, "r");
                if (!bezug.isEmpty() && !zellbezugLesen(bezug, z, s))
                    s = spalte + 1;
                spalte = s;
                typText = Xmlstrom::wert(a, "t").left(16).toString();
                typ = typText;
                stil = angaben.datum1904 ? Xmlstrom::wert(a, "s").toInt() : 0;
                wert.leeren();
                formel = false;
                inWert = false;
            }
            continue;
        }
        if (inline_.offen()) {
            inline_.nimm(xml);
        } else if (xml.tiefe() == 5 && xml.beginnt("is")) {
            inline_.beginne(5);
        } else if (xml.tiefe() == 5 && xml.beginnt("v")) {
            inWert = true;
        } else if (xml.tiefe() == 5 && xml.beginnt("f")) {
            formel = true;
        } else if (inWert && xml.istText()) {
            wert.anhaengen(xml.text());
        } else if (xml.endet(5)) {
            inWert = false;
        }
        if (!xml.endet(4))
            continue;
        inZelle = false;
        feld.leeren();
        if (typ == QLatin1String("s")) {
            const std::optional<double> i = zahlLesen(wert.text());
            if (i && *i >= 0 && *i < 1e15 && !gemeinsame.text(static_cast<qint64>(*i), feld, ergebnis.fehler))
                return ergebnis;
        } else if (typ == QLatin1String("inlineStr")) {
            inline_.text().nach(feld);
        } else if (typ == QLatin1String("b")) {
            if (!wert.text().isEmpty())
                feld.anhaengen(wahrheitswert(wert.text() != QLatin1String("0")));
        } else if (typ == QLatin1String("str") || typ == QLatin1String("e") || typ == QLatin1String("d")) {
            wert.nach(feld);
        } else if (!wert.text().isEmpty()) {
            const std::optional<double> tage = zahlLesen(wert.text());
            if (tage && stil >= 0 && std::size_t(stil) < datumsstile.size() && datumsstile[std::size_t(stil)])
                feld.anhaengen(zahlText(ZahlAlsText(*tage + Tage1904, QLocale::c()), locale));
            else if (wert.text().size() > MaxFeldtext)
                wert.nach(feld);
            else
                feld.anhaengen(zahlText(wert.text(), locale));
        }
        if (formel && wert.text().isEmpty() && typ != QLatin1String("inlineStr") && typ != QLatin1String("str") && zeile >= 1 && spalte >= 1 &&
            zeile <= grenzen.zeilen && spalte <= grenzen.spalten) {
            ergebnis.fehler = formelOhneWert(static_cast<int>(zeile), static_cast<int>(spalte));
            return ergebnis;
        }
        if (!sammler.zelle(spalte, feld.text(), feld.zuLang()))
            return ergebnis;
    }
    if (!xml.fehler().isEmpty())
        ergebnis.fehler = xml.fehler();
    else
        sammler.zeileBeenden();
    return ergebnis;
}

// ---- OpenDocument ----

// The cell being read: its attributes, then the text of its paragraphs.
struct Odszelle
{
    QString typ;
    QString wert;
    QString datum;
    QString wahrheit;
    bool formel = false;
    bool hatWert = false;
    qint64 spaltenWdh = 1;
    Feldtext text;
    int absaetze = 0;

    void beginnen(const QXmlStreamAttributes &a)
    {
        typ = Xmlstrom::wert(a, "value-type").left(16).toString();
        wert = Xmlstrom::wert(a, "value").left(MaxFeldtext + 1).toString();
        datum = Xmlstrom::wert(a, "date-value").left(MaxFeldtext).toString();
        wahrheit = Xmlstrom::wert(a, "boolean-value").left(8).toString();
        formel = Xmlstrom::hat(a, "formula");
        // A spreadsheet program writes the type of every result; a formula without one was
        // never calculated.
        hatWert = Xmlstrom::hat(a, "value-type");
        spaltenWdh = wiederholungen(Xmlstrom::wert(a, "number-columns-repeated"));
        text.leeren();
        absaetze = 0;
    }

    static qint64 wiederholungen(QStringView text)
    {
        bool ok = false;
        const qint64 wert = text.toLongLong(&ok);
        return ok ? std::clamp<qint64>(wert, 1, qint64(1) << 31) : 1;
    }

    // The cell's value as the field of a table.
    void alsText(const QLocale &locale, Feldtext &feld) const
    {
        feld.leeren();
        if (typ == QLatin1String("float") || typ == QLatin1String("percentage") || typ == QLatin1String("currency")) {
            if (!wert.isEmpty() && wert.size() <= MaxFeldtext) {
                feld.anhaengen(zahlText(wert, locale));
                return;
            }
        } else if (typ == QLatin1String("boolean")) {
            feld.anhaengen(wahrheitswert(wahrheit == QLatin1String("true")));
            return;
        } else if (typ == QLatin1String("date")) {
            // The date the cell stores, whatever it shows; of a date and time the date.
            const QDate tag = QDate::fromString(datum.left(10), Qt::ISODate);
            if (tag.isValid() && (datum.size() == 10 || datum[10] == QLatin1Char('T'))) {
                feld.anhaengen(tag.toString(Qt::ISODate));
                return;
            }
        }
        // Text, times and what has no value: what the cell shows, paragraph by paragraph.
        feld.anhaengen(text.text());
        if (text.zuLang())
            feld.anhaengen(QChar(u' '), MaxFeldtext + 1);
    }
};

Mappenergebnis odsLesen(const ZipArchiv &archiv, const QLocale &locale, const Importgrenzen &grenzen, Zeilenziel &ziel)
{
    Mappenergebnis ergebnis;
    Zeilensammler sammler(ziel, grenzen, ergebnis.fehler);
    Xmlstrom xml(archiv, "content.xml", grenzen);
    // Depths: document-content 1, body 2, spreadsheet 3, table 4; rows below it, in groups
    // nested at will.
    int tabelleTiefe = 0;
    int zeileTiefe = 0;
    int zelleTiefe = 0;
    int absatzTiefe = 0;
    int ueberspringen = 0; // an element whose content is no text of the cell
    qint64 zeile = 1;
    qint64 zeilenWdh = 1;
    qint64 spalte = 1;
    int offen = 1; // of body, spreadsheet and table: the depth of the next one looked for
    Odszelle zelle;
    Feldtext feld;
    while (xml.weiter()) {
        if (tabelleTiefe == 0) {
            static const char *const weg[] = {"body", "spreadsheet", "table"};
            if (offen > 1 && xml.endet(offen)) {
                --offen;
            } else if (offen < 4 && xml.tiefe() == offen + 1 && xml.beginnt(weg[offen - 1])) {
                if (++offen == 4) {
                    tabelleTiefe = 4;
                    ergebnis.blatt = xml.attribut("name").left(1024);
                }
            }
            continue;
        }
        if (xml.endet(tabelleTiefe)) {
            sammler.zeileBeenden();
            return ergebnis;
        }
        if (zeileTiefe == 0) {
            if (xml.beginnt("table-row")) {
                zeileTiefe = xml.tiefe();
                zeilenWdh = Odszelle::wiederholungen(Xmlstrom::wert(xml.attribute(), "number-rows-repeated"));
                spalte = 1;
                if (!sammler.zeileBeginnen(zeile, zeilenWdh))
                    return ergebnis;
            }
            continue;
        }
        if (xml.endet(zeileTiefe)) {
            zeileTiefe = 0;
            sammler.zeileBeenden();
            zeile += zeilenWdh;
            continue;
        }
        if (zelleTiefe == 0) {
            if (xml.tiefe() == zeileTiefe + 1 && (xml.beginnt("table-cell") || xml.beginnt("covered-table-cell"))) {
                zelleTiefe = xml.tiefe();
                zelle.beginnen(xml.attribute());
            }
            continue;
        }
        if (xml.endet(zelleTiefe)) {
            zelleTiefe = 0;
            if (zelle.formel && !zelle.hatWert && zelle.text.text().isEmpty() && spalte <= grenzen.spalten &&
                zeile <= grenzen.zeilen) {
                ergebnis.fehler = formelOhneWert(static_cast<int>(zeile), static_cast<int>(spalte));
                return ergebnis;
            }
            zelle.alsText(locale, feld);
            if (!sammler.zelle(spalte, feld.text(), feld.zuLang(), zelle.spaltenWdh))
                return ergebnis;
            spalte += zelle.spaltenWdh;
            continue;
        }
        if (absatzTiefe == 0) {
            if (xml.tiefe() == zelleTiefe + 1 && xml.beginnt("p")) {
                absatzTiefe = xml.tiefe();
                if (zelle.absaetze++ > 0)
                    zelle.text.anhaengen(QChar(u'\n'));
            }
            continue;
        }
        if (xml.endet(absatzTiefe)) {
            absatzTiefe = 0;
            continue;
        }
        if (ueberspringen > 0) {
            if (xml.endet(ueberspringen))
                ueberspringen = 0;
            continue;
        }
        if (xml.istText()) {
            zelle.text.anhaengen(xml.text());
        } else if (xml.beginnt("s")) {
            bool ok = false;
            const qint64 anzahl = Xmlstrom::wert(xml.attribute(), "c").toLongLong(&ok);
            zelle.text.anhaengen(QChar(u' '), ok ? std::max<qint64>(anzahl, 1) : 1);
            ueberspringen = xml.tiefe();
        } else if (xml.beginnt("tab")) {
            zelle.text.anhaengen(QChar(u'\t'));
            ueberspringen = xml.tiefe();
        } else if (xml.beginnt("line-break")) {
            zelle.text.anhaengen(QChar(u'\n'));
            ueberspringen = xml.tiefe();
        } else if (xml.beginnt("annotation")) {
            ueberspringen = xml.tiefe();
        }
    }
    if (!xml.fehler().isEmpty())
        ergebnis.fehler = xml.fehler();
    else if (tabelleTiefe == 0)
        ergebnis.fehler = QStringLiteral("Die Datei enth\u00E4lt keine Tabelle.");
    return ergebnis;
}

} // namespace

Mappenergebnis ZipMappeLesen(const QByteArray &datei, const QLocale &locale, const Importgrenzen &grenzen,
                             Zeilenziel &ziel)
{
    const ZipArchiv archiv(datei);
    if (!archiv.offen()) {
        Mappenergebnis ergebnis;
        ergebnis.fehler = QStringLiteral("Das Zip-Archiv der Arbeitsmappe ist besch\u00E4digt.");
        return ergebnis;
    }
    if (archiv.hat("xl/workbook.xml"))
        return xlsxLesen(archiv, locale, grenzen, ziel);
    if (archiv.hat("content.xml"))
        return odsLesen(archiv, locale, grenzen, ziel);
    Mappenergebnis ergebnis;
    ergebnis.fehler = QStringLiteral("Das Zip-Archiv enth\u00E4lt keine Arbeitsmappe.");
    return ergebnis;
}
