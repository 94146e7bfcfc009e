#include "entry/Mappenleser.h"

#include "entry/ZipArchiv.h"

#include <QXmlStreamReader>

#include <charconv>
#include <cstring>
#include <vector>

bool Zellensammler::nimm(qint64 zeile, qint64 spalte, const QString &text, qint64 zeilenWdh, qint64 spaltenWdh)
{
    if (text.isEmpty())
        return true;
    const qint64 letzteZeile = zeile + zeilenWdh - 1;
    const qint64 letzteSpalte = spalte + spaltenWdh - 1;
    if (letzteZeile > m_grenzen.zeilen) {
        m_inhalt.fehler =
            QStringLiteral("Die erste Tabelle reicht bis Zeile %1; ich lese h\u00F6chstens %2 Zeilen ein.")
                .arg(letzteZeile)
                .arg(m_grenzen.zeilen);
        return false;
    }
    if (letzteSpalte > m_grenzen.spalten) {
        m_inhalt.fehler =
            QStringLiteral("Die erste Tabelle reicht bis Spalte %1; ich lese h\u00F6chstens %2 Spalten ein.")
                .arg(letzteSpalte)
                .arg(m_grenzen.spalten);
        return false;
    }
    if (m_inhalt.zellen.size() + zeilenWdh * spaltenWdh > m_grenzen.zellen) {
        m_inhalt.fehler =
            QStringLiteral("Die erste Tabelle hat mehr als %1 gef\u00FCllte Zellen.").arg(m_grenzen.zellen);
        return false;
    }
    for (qint64 z = zeile; z <= letzteZeile; ++z)
        for (qint64 s = spalte; s <= letzteSpalte; ++s)
            m_inhalt.zellen.append({static_cast<int>(z), static_cast<int>(s), text});
    m_inhalt.zeilen = std::max(m_inhalt.zeilen, static_cast<int>(letzteZeile));
    m_inhalt.spalten = std::max(m_inhalt.spalten, static_cast<int>(letzteSpalte));
    return true;
}

void Zellensammler::leereEntfernen()
{
    const auto leer = [](const Mappenzelle &z) { return z.text.isEmpty(); };
    if (std::none_of(m_inhalt.zellen.cbegin(), m_inhalt.zellen.cend(), leer))
        return;
    m_inhalt.zellen.removeIf(leer);
    m_inhalt.zeilen = 0;
    m_inhalt.spalten = 0;
    for (const Mappenzelle &z : std::as_const(m_inhalt.zellen)) {
        m_inhalt.zeilen = std::max(m_inhalt.zeilen, z.zeile);
        m_inhalt.spalten = std::max(m_inhalt.spalten, z.spalte);
    }
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

// One XML part of a workbook, read token by token while it is unpacked: only a piece of the
// part is held at a time, and elements nested deeper than MaxXmlTiefe end the reading.
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
            if (m_art != QXmlStreamReader::Invalid)
                break;
            if (m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError || m_zip.fertig()) {
                m_fehler = !m_zip.fehler().isEmpty()
                               ? m_zip.fehler()
                               : QStringLiteral("Der Teil \u201E%1\u201C ist kein g\u00FCltiges XML (%2).")
                                     .arg(m_teil, m_xml.errorString());
                return false;
            }
            m_xml.addData(m_zip.weiter());
        }
        if (m_art == QXmlStreamReader::StartElement && ++m_tiefe > MaxXmlTiefe) {
            m_fehler = QStringLiteral("Im Teil \u201E%1\u201C sind die Elemente tiefer als %2 Ebenen verschachtelt; "
                                      "so schreibt kein Tabellenprogramm.")
                           .arg(m_teil)
                           .arg(MaxXmlTiefe);
            return false;
        }
        m_ende = m_art == QXmlStreamReader::EndElement;
        return m_art != QXmlStreamReader::EndDocument;
    }

    bool beginnt(const char *name) const { return m_art == QXmlStreamReader::StartElement && heisst(name); }
    bool endet(int tiefe) const { return m_art == QXmlStreamReader::EndElement && m_tiefe == tiefe; }
    bool istText() const { return m_art == QXmlStreamReader::Characters; }
    bool heisst(const char *name) const { return lokal(m_xml.qualifiedName()) == QLatin1String(name); }
    // Of the current element, the document's root being 1.
    int tiefe() const { return m_tiefe; }
    QStringView text() const { return m_xml.text(); }
    QString attribut(const char *name) const
    {
        const QXmlStreamAttributes attribute = m_xml.attributes();
        for (const QXmlStreamAttribute &a : attribute)
            if (lokal(a.qualifiedName()) == QLatin1String(name))
                return a.value().toString();
        return QString();
    }
    bool hatAttribut(const char *name) const
    {
        const QXmlStreamAttributes attribute = m_xml.attributes();
        return std::any_of(attribute.cbegin(), attribute.cend(),
                           [name](const QXmlStreamAttribute &a) { return lokal(a.qualifiedName()) == QLatin1String(name); });
    }
    const QString &fehler() const { return m_fehler; }

private:
    ZipTeil m_zip;
    QString m_teil;
    QXmlStreamReader m_xml;
    QXmlStreamReader::TokenType m_art = QXmlStreamReader::NoToken;
    int m_tiefe = 0;
    bool m_ende = false;
    QString m_fehler;
};

// A plain number as written in the file, or nullopt.
std::optional<double> zahlLesen(const QString &text)
{
    const QByteArray latin = text.toLatin1();
    const char *anfang = latin.constData();
    const char *ende = anfang + latin.size();
    double wert = 0.0;
    const auto [stelle, fehler] = std::from_chars(anfang, ende, wert);
    if (fehler != std::errc() || stelle != ende || stelle == anfang)
        return std::nullopt;
    return wert;
}

// Whole numbers of up to 15 digits read as they stand; everything else goes through the double.
QString zahlText(const QString &text, const QLocale &locale)
{
    const qsizetype vorzeichen = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype ziffern = text.size() - vorzeichen;
    bool nurZiffern = ziffern > 0 && ziffern <= 15;
    for (qsizetype i = vorzeichen; nurZiffern && i < text.size(); ++i)
        nurZiffern = text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
    if (nurZiffern && (text[vorzeichen] != QLatin1Char('0') || ziffern == 1) && text != QLatin1String("-0"))
        return text;
    const std::optional<double> wert = zahlLesen(text);
    return wert ? ZahlAlsText(*wert, locale) : text;
}

QString wahrheitswert(bool wert)
{
    return wert ? QStringLiteral("WAHR") : QStringLiteral("FALSCH");
}

QString gekuerzt(QString text)
{
    if (text.size() > MaxZellentext)
        text.truncate(MaxZellentext);
    return text;
}

// Text of a cell gathered piece by piece, never much beyond what a cell holds.
void anhaengen(QString &text, QStringView stueck)
{
    if (text.size() <= MaxZellentext)
        text.append(stueck.left(MaxZellentext + 1 - text.size()));
}

// ---- Office Open XML ----

// Control characters are written as _xHHHH_ in the XML of a workbook.
QString ooxmlText(const QString &text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('_') && i + 6 < text.size() && text[i + 1] == QLatin1Char('x') &&
            text[i + 6] == QLatin1Char('_')) {
            bool ok = false;
            const uint code = QStringView(text).mid(i + 2, 4).toUInt(&ok, 16);
            if (ok) {
                ergebnis.append(QChar(static_cast<char16_t>(code)));
                i += 6;
                continue;
            }
        }
        ergebnis.append(text[i]);
    }
    return ergebnis;
}

// "BC12" → column 55, row 12; false for anything else.
bool zellbezugLesen(const QString &bezug, qint64 &zeile, qint64 &spalte)
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

// The shared string or inline string being read: its own <t> and the <t> of its runs, without
// the phonetic hints. `tiefe` is that of the <si> or <is>.
class Zeichenkette
{
public:
    void beginne(int tiefe)
    {
        m_tiefe = tiefe;
        m_text.clear();
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
            m_teil.clear();
        } else if (xml.beginnt("r") && xml.tiefe() == m_tiefe + 1) {
            m_imLauf = true;
        } else if (xml.endet(m_tiefe + 1)) {
            m_imLauf = false;
        }
        if (m_tTiefe > 0 && xml.istText())
            anhaengen(m_teil, xml.text());
        if (m_tTiefe > 0 && xml.endet(m_tTiefe)) {
            m_tTiefe = 0;
            anhaengen(m_text, ooxmlText(m_teil));
        }
        return true;
    }
    QString text() const { return gekuerzt(m_text); }

private:
    int m_tiefe = 0;
    int m_tTiefe = 0;
    bool m_imLauf = false;
    QString m_teil;
    QString m_text;
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
                angaben.blattname = xml.attribut("name");
                rid = xml.attribut("id");
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
            eigene.insert(xml.attribut("numFmtId").toInt(), datumsformat(xml.attribut("formatCode")));
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

Mappeninhalt xlsxLesen(const ZipArchiv &archiv, const QLocale &locale, const Importgrenzen &grenzen)
{
    Mappeninhalt inhalt;
    Mappenangaben angaben;
    if (!mappenangabenLesen(archiv, grenzen, angaben, inhalt.fehler))
        return inhalt;
    inhalt.blatt = angaben.blattname;
    // A date is a number of days; in the 1904 system they count from another day. Such dates
    // are turned into the count from 30 December 1899, as every other workbook has them.
    std::vector<bool> datumsstile;
    if (angaben.datum1904 && !datumsstileLesen(archiv, grenzen, datumsstile, inhalt.fehler))
        return inhalt;

    // Shared strings are read after the sheet, and only those its cells use: the cell at
    // position `first` in the list holds string number `second`.
    std::vector<std::pair<qsizetype, qint64>> verweise;
    Zellensammler sammler(inhalt, grenzen);
    {
        const QByteArray blattpfad = angaben.blattpfad.toUtf8();
        Xmlstrom xml(archiv, blattpfad.constData(), grenzen);
        // Depths: worksheet 1, sheetData 2, row 3, c 4, v and is 5.
        bool imBlatt = false;
        bool inZeile = false;
        qint64 zeile = 0;
        qint64 spalte = 0;
        bool inZelle = false;
        qint64 z = 0;
        qint64 s = 0;
        QString typ;
        int stil = 0;
        bool inWert = false;
        QString wert;
        Zeichenkette inline_;
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
                    const QString r = xml.attribut("r");
                    zeile = r.isEmpty() ? zeile + 1 : r.toLongLong();
                    spalte = 0;
                }
                continue;
            }
            if (xml.endet(3)) {
                inZeile = false;
                continue;
            }
            if (!inZelle) {
                if (xml.tiefe() == 4 && xml.beginnt("c")) {
                    inZelle = true;
                    z = zeile;
                    s = spalte + 1;
                    const QString bezug = xml.attribut("r");
                    if (!bezug.isEmpty() && !zellbezugLesen(bezug, z, s)) {
                        z = zeile;
                        s = spalte + 1;
                    }
                    spalte = s;
                    typ = xml.attribut("t");
                    stil = angaben.datum1904 ? xml.attribut("s").toInt() : 0;
                    wert.clear();
                }
                continue;
            }
            if (inline_.offen()) {
                inline_.nimm(xml);
            } else if (xml.tiefe() == 5 && xml.beginnt("is")) {
                inline_.beginne(5);
            } else if (xml.tiefe() == 5 && xml.beginnt("v")) {
                inWert = true;
            } else if (inWert && xml.istText()) {
                anhaengen(wert, xml.text());
            } else if (xml.endet(5)) {
                inWert = false;
            }
            if (!xml.endet(4))
                continue;
            inZelle = false;
            QString text;
            if (typ == QLatin1String("s")) {
                const std::optional<double> i = zahlLesen(wert);
                if (i && *i >= 0 && *i < 1e15 && z >= 1 && s >= 1) {
                    // A mark, replaced by the string once it is read.
                    if (!sammler.nimm(z, s, QStringLiteral("\u0001")))
                        return inhalt;
                    verweise.emplace_back(inhalt.zellen.size() - 1, static_cast<qint64>(*i));
                }
                continue;
            }
            if (typ == QLatin1String("inlineStr")) {
                text = inline_.text();
            } else if (typ == QLatin1String("b")) {
                if (!wert.isEmpty())
                    text = wahrheitswert(wert != QLatin1String("0"));
            } else if (typ == QLatin1String("str") || typ == QLatin1String("e") || typ == QLatin1String("d")) {
                text = gekuerzt(ooxmlText(wert));
            } else if (!wert.isEmpty()) {
                const std::optional<double> tage = zahlLesen(wert);
                if (tage && stil >= 0 && std::size_t(stil) < datumsstile.size() && datumsstile[std::size_t(stil)])
                    text = zahlText(ZahlAlsText(*tage + Tage1904, QLocale::c()), locale);
                else
                    text = zahlText(wert, locale);
            }
            if (z < 1 || s < 1)
                continue;
            if (!sammler.nimm(z, s, text))
                return inhalt;
        }
        if (!xml.fehler().isEmpty()) {
            inhalt.fehler = xml.fehler();
            return inhalt;
        }
    }
    if (verweise.empty())
        return inhalt;

    std::vector<qint64> noetig;
    noetig.reserve(verweise.size());
    for (const auto &[zelle, nummer] : verweise)
        noetig.push_back(nummer);
    std::sort(noetig.begin(), noetig.end());
    noetig.erase(std::unique(noetig.begin(), noetig.end()), noetig.end());
    std::vector<QString> texte(noetig.size());
    if (archiv.hat("xl/sharedStrings.xml")) {
        Xmlstrom xml(archiv, "xl/sharedStrings.xml", grenzen);
        qint64 nummer = -1;
        std::size_t naechste = 0; // into `noetig`
        Zeichenkette zk;
        while (naechste < noetig.size() && xml.weiter()) {
            if (zk.offen()) {
                if (!zk.nimm(xml))
                    texte[naechste++] = zk.text();
            } else if (xml.tiefe() == 2 && xml.beginnt("si")) {
                if (++nummer == noetig[naechste])
                    zk.beginne(2);
            }
        }
        if (!xml.fehler().isEmpty()) {
            inhalt.fehler = xml.fehler();
            return inhalt;
        }
    }
    for (const auto &[zelle, nummer] : verweise) {
        const auto stelle = std::lower_bound(noetig.cbegin(), noetig.cend(), nummer);
        inhalt.zellen[zelle].text = texte[static_cast<std::size_t>(stelle - noetig.cbegin())];
    }
    sammler.leereEntfernen();
    return inhalt;
}

// ---- OpenDocument ----

// The cell being read: its attributes, then the text of its paragraphs.
struct Odszelle
{
    QString typ;
    QString wert;
    QString wahrheit;
    qint64 spaltenWdh = 1;
    QString text;
    int absaetze = 0;

    QString alsText(const QLocale &locale) const
    {
        if (typ == QLatin1String("float") || typ == QLatin1String("percentage") || typ == QLatin1String("currency")) {
            if (!wert.isEmpty())
                return zahlText(wert, locale);
        } else if (typ == QLatin1String("boolean")) {
            return wahrheitswert(wahrheit == QLatin1String("true"));
        }
        // Text, dates and times: what the cell shows, paragraph by paragraph.
        return gekuerzt(text);
    }
};

qint64 wiederholungen(const QString &text)
{
    bool ok = false;
    const qint64 wert = text.toLongLong(&ok);
    return ok ? std::clamp<qint64>(wert, 1, qint64(1) << 31) : 1;
}

Mappeninhalt odsLesen(const ZipArchiv &archiv, const QLocale &locale, const Importgrenzen &grenzen)
{
    Mappeninhalt inhalt;
    Zellensammler sammler(inhalt, grenzen);
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
    while (xml.weiter()) {
        if (tabelleTiefe == 0) {
            static const char *const weg[] = {"body", "spreadsheet", "table"};
            if (offen > 1 && xml.endet(offen)) {
                --offen;
            } else if (offen < 4 && xml.tiefe() == offen + 1 && xml.beginnt(weg[offen - 1])) {
                if (++offen == 4) {
                    tabelleTiefe = 4;
                    inhalt.blatt = xml.attribut("name");
                }
            }
            continue;
        }
        if (xml.endet(tabelleTiefe))
            return inhalt;
        if (zeileTiefe == 0) {
            if (xml.beginnt("table-row")) {
                zeileTiefe = xml.tiefe();
                zeilenWdh = wiederholungen(xml.attribut("number-rows-repeated"));
                spalte = 1;
            }
            continue;
        }
        if (xml.endet(zeileTiefe)) {
            zeileTiefe = 0;
            zeile += zeilenWdh;
            continue;
        }
        if (zelleTiefe == 0) {
            if (xml.tiefe() == zeileTiefe + 1 && (xml.beginnt("table-cell") || xml.beginnt("covered-table-cell"))) {
                zelleTiefe = xml.tiefe();
                zelle = Odszelle();
                zelle.typ = xml.attribut("value-type");
                zelle.wert = xml.attribut("value");
                zelle.wahrheit = xml.attribut("boolean-value");
                zelle.spaltenWdh = wiederholungen(xml.attribut("number-columns-repeated"));
            }
            continue;
        }
        if (xml.endet(zelleTiefe)) {
            zelleTiefe = 0;
            if (!sammler.nimm(zeile, spalte, zelle.alsText(locale), zeilenWdh, zelle.spaltenWdh))
                return inhalt;
            spalte += zelle.spaltenWdh;
            continue;
        }
        if (absatzTiefe == 0) {
            if (xml.tiefe() == zelleTiefe + 1 && xml.beginnt("p")) {
                absatzTiefe = xml.tiefe();
                if (zelle.absaetze++ > 0)
                    anhaengen(zelle.text, u"\n");
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
            anhaengen(zelle.text, xml.text());
        } else if (xml.beginnt("s")) {
            bool ok = false;
            const qint64 anzahl = std::clamp<qint64>(xml.attribut("c").toLongLong(&ok), 1, MaxZellentext);
            if (zelle.text.size() <= MaxZellentext)
                zelle.text += QString(static_cast<qsizetype>(ok ? anzahl : 1), QLatin1Char(' '));
            ueberspringen = xml.tiefe();
        } else if (xml.beginnt("tab")) {
            anhaengen(zelle.text, u"\t");
            ueberspringen = xml.tiefe();
        } else if (xml.beginnt("line-break")) {
            anhaengen(zelle.text, u"\n");
            ueberspringen = xml.tiefe();
        } else if (xml.beginnt("annotation")) {
            ueberspringen = xml.tiefe();
        }
    }
    if (!xml.fehler().isEmpty())
        inhalt.fehler = xml.fehler();
    else if (tabelleTiefe == 0)
        inhalt.fehler = QStringLiteral("Die Datei enth\u00E4lt keine Tabelle.");
    return inhalt;
}

} // namespace

Mappeninhalt ZipMappeLesen(const QByteArray &datei, const QLocale &locale, const Importgrenzen &grenzen)
{
    const ZipArchiv archiv(datei);
    if (!archiv.offen()) {
        Mappeninhalt inhalt;
        inhalt.fehler = QStringLiteral("Das Zip-Archiv der Arbeitsmappe ist besch\u00E4digt.");
        return inhalt;
    }
    if (archiv.hat("xl/workbook.xml"))
        return xlsxLesen(archiv, locale, grenzen);
    if (archiv.hat("content.xml"))
        return odsLesen(archiv, locale, grenzen);
    Mappeninhalt inhalt;
    inhalt.fehler = QStringLiteral("Das Zip-Archiv enth\u00E4lt keine Arbeitsmappe.");
    return inhalt;
}
