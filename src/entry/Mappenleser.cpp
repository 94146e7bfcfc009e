#include "entry/Mappenleser.h"

#include "entry/ZipArchiv.h"

#include <pugixml.hpp>

#include <charconv>
#include <cstring>

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
const char *lokal(const char *name)
{
    const char *doppelpunkt = std::strrchr(name, ':');
    return doppelpunkt ? doppelpunkt + 1 : name;
}

bool heisst(const pugi::xml_node &knoten, const char *name)
{
    return std::strcmp(lokal(knoten.name()), name) == 0;
}

pugi::xml_attribute attribut(const pugi::xml_node &knoten, const char *name)
{
    for (pugi::xml_attribute a = knoten.first_attribute(); a; a = a.next_attribute())
        if (std::strcmp(lokal(a.name()), name) == 0)
            return a;
    return {};
}

pugi::xml_node kind(const pugi::xml_node &knoten, const char *name)
{
    for (pugi::xml_node k = knoten.first_child(); k; k = k.next_sibling())
        if (k.type() == pugi::node_element && heisst(k, name))
            return k;
    return {};
}

// `eingebettet`: text that is an element's only content becomes the element's value instead of a
// node of its own, which saves a third of the nodes of a worksheet; for parts read with
// child_value() only.
bool parsen(pugi::xml_document &dokument, QByteArray &xml, const char *teil, QString &fehler, bool eingebettet = false)
{
    // In place: the document points into `xml`, which the caller keeps alive.
    unsigned int optionen = pugi::parse_default | pugi::parse_ws_pcdata_single;
    if (eingebettet)
        optionen |= pugi::parse_embed_pcdata;
    const pugi::xml_parse_result r = dokument.load_buffer_inplace(xml.data(), static_cast<size_t>(xml.size()), optionen);
    if (!r) {
        fehler = QStringLiteral("Der Teil \u201E%1\u201C ist kein g\u00FCltiges XML (%2).")
                     .arg(QString::fromUtf8(teil), QString::fromUtf8(r.description()));
        return false;
    }
    return true;
}

// A plain number as written in the file, or nullopt.
std::optional<double> zahlLesen(const char *text)
{
    const char *ende = text + std::strlen(text);
    double wert = 0.0;
    const auto [stelle, fehler] = std::from_chars(text, ende, wert);
    if (fehler != std::errc() || stelle != ende || stelle == text)
        return std::nullopt;
    return wert;
}

// Whole numbers of up to 15 digits read as they stand; everything else goes through the double.
QString zahlText(const char *text, const QLocale &locale)
{
    const char *z = text;
    if (*z == '-')
        ++z;
    const size_t ziffern = std::strspn(z, "0123456789");
    if (ziffern > 0 && ziffern <= 15 && z[ziffern] == '\0' && (z[0] != '0' || ziffern == 1) &&
        std::strcmp(text, "-0") != 0)
        return QString::fromLatin1(text);
    const std::optional<double> wert = zahlLesen(text);
    return wert ? ZahlAlsText(*wert, locale) : QString::fromUtf8(text);
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

// ---- Office Open XML ----

// Control characters are written as _xHHHH_ in the XML of a workbook.
QString ooxmlText(const char *roh)
{
    QString text = QString::fromUtf8(roh);
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('_') && i + 6 < text.size() && text[i + 1] == QLatin1Char('x') &&
            text[i + 6] == QLatin1Char('_')) {
            bool ok = false;
            const uint code = text.mid(i + 2, 4).toUInt(&ok, 16);
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

// The text of a shared string or inline string: its own <t> and the <t> of its runs, without
// the phonetic hints.
QString ooxmlZeichenkette(const pugi::xml_node &si)
{
    QString text;
    for (pugi::xml_node k = si.first_child(); k; k = k.next_sibling()) {
        if (heisst(k, "t"))
            text += ooxmlText(k.child_value());
        else if (heisst(k, "r"))
            text += ooxmlText(kind(k, "t").child_value());
    }
    return gekuerzt(text);
}

// "BC12" → column 55, row 12; false for anything else.
bool zellbezugLesen(const char *bezug, qint64 &zeile, qint64 &spalte)
{
    qint64 s = 0;
    const char *p = bezug;
    for (; *p >= 'A' && *p <= 'Z' && s <= 100000; ++p)
        s = s * 26 + (*p - 'A' + 1);
    qint64 z = 0;
    const char *ziffern = p;
    for (; *p >= '0' && *p <= '9' && z <= 100000000; ++p)
        z = z * 10 + (*p - '0');
    if (s == 0 || p == ziffern || *p != '\0' || z == 0)
        return false;
    zeile = z;
    spalte = s;
    return true;
}

QString ersterBlattpfad(const ZipArchiv &archiv, const Importgrenzen &grenzen, QString &fehler)
{
    const QString rueckfall = QStringLiteral("xl/worksheets/sheet1.xml");
    std::optional<QByteArray> mappe = archiv.lies("xl/workbook.xml", grenzen.xmlGroesse, fehler);
    if (!mappe)
        return QString();
    pugi::xml_document dok;
    if (!parsen(dok, *mappe, "xl/workbook.xml", fehler))
        return QString();
    const pugi::xml_node blatt = kind(kind(dok.document_element(), "sheets"), "sheet");
    const QString rid = QString::fromUtf8(attribut(blatt, "id").value());
    if (!blatt || rid.isEmpty() || !archiv.hat("xl/_rels/workbook.xml.rels"))
        return rueckfall;
    std::optional<QByteArray> bezuege = archiv.lies("xl/_rels/workbook.xml.rels", grenzen.xmlGroesse, fehler);
    if (!bezuege)
        return QString();
    pugi::xml_document bdok;
    if (!parsen(bdok, *bezuege, "xl/_rels/workbook.xml.rels", fehler))
        return QString();
    for (pugi::xml_node b = bdok.document_element().first_child(); b; b = b.next_sibling()) {
        if (QString::fromUtf8(attribut(b, "Id").value()) != rid)
            continue;
        const QString ziel = QString::fromUtf8(attribut(b, "Target").value());
        return ziel.startsWith(QLatin1Char('/')) ? ziel.mid(1) : QStringLiteral("xl/") + ziel;
    }
    return rueckfall;
}

Mappeninhalt xlsxLesen(const ZipArchiv &archiv, const QLocale &locale, const Importgrenzen &grenzen)
{
    Mappeninhalt inhalt;
    const QString blattpfad = ersterBlattpfad(archiv, grenzen, inhalt.fehler);
    if (blattpfad.isEmpty())
        return inhalt;

    QVector<QString> gemeinsam;
    if (archiv.hat("xl/sharedStrings.xml")) {
        std::optional<QByteArray> xml = archiv.lies("xl/sharedStrings.xml", grenzen.xmlGroesse, inhalt.fehler);
        if (!xml)
            return inhalt;
        pugi::xml_document dok;
        if (!parsen(dok, *xml, "xl/sharedStrings.xml", inhalt.fehler, true))
            return inhalt;
        for (pugi::xml_node si = dok.document_element().first_child(); si; si = si.next_sibling())
            if (heisst(si, "si"))
                gemeinsam.append(ooxmlZeichenkette(si));
    }

    const QByteArray blattname = blattpfad.toUtf8();
    std::optional<QByteArray> xml = archiv.lies(blattname.constData(), grenzen.xmlGroesse, inhalt.fehler);
    if (!xml)
        return inhalt;
    pugi::xml_document dok;
    if (!parsen(dok, *xml, blattname.constData(), inhalt.fehler, true))
        return inhalt;

    Zellensammler sammler(inhalt, grenzen);
    sammler.erwarte(xml->size() / 32); // a cell takes some 30 bytes of XML
    qint64 zeile = 0;
    for (pugi::xml_node r = kind(dok.document_element(), "sheetData").first_child(); r; r = r.next_sibling()) {
        if (!heisst(r, "row"))
            continue;
        const pugi::xml_attribute rAttr = attribut(r, "r");
        zeile = rAttr ? rAttr.as_llong() : zeile + 1;
        qint64 spalte = 0;
        for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
            if (!heisst(c, "c"))
                continue;
            qint64 z = zeile;
            qint64 s = spalte + 1;
            const pugi::xml_attribute bezug = attribut(c, "r");
            if (bezug && !zellbezugLesen(bezug.value(), z, s)) {
                z = zeile;
                s = spalte + 1;
            }
            spalte = s;
            const char *typ = attribut(c, "t").value();
            const char *wert = kind(c, "v").child_value();
            QString text;
            if (std::strcmp(typ, "s") == 0) {
                const std::optional<double> i = zahlLesen(wert);
                if (i && *i >= 0 && *i < gemeinsam.size())
                    text = gemeinsam[static_cast<qsizetype>(*i)];
            } else if (std::strcmp(typ, "inlineStr") == 0) {
                text = ooxmlZeichenkette(kind(c, "is"));
            } else if (std::strcmp(typ, "b") == 0) {
                if (*wert)
                    text = wahrheitswert(std::strcmp(wert, "0") != 0);
            } else if (std::strcmp(typ, "str") == 0 || std::strcmp(typ, "e") == 0 || std::strcmp(typ, "d") == 0) {
                text = gekuerzt(ooxmlText(wert));
            } else if (*wert) {
                text = zahlText(wert, locale);
            }
            if (z < 1 || s < 1)
                continue;
            if (!sammler.nimm(z, s, text))
                return inhalt;
        }
    }
    return inhalt;
}

// ---- OpenDocument ----

void odsTextSammeln(const pugi::xml_node &knoten, QString &text)
{
    for (pugi::xml_node k = knoten.first_child(); k && text.size() <= MaxZellentext; k = k.next_sibling()) {
        if (k.type() == pugi::node_pcdata || k.type() == pugi::node_cdata) {
            text += QString::fromUtf8(k.value());
        } else if (k.type() == pugi::node_element) {
            if (heisst(k, "s")) {
                const long long anzahl = std::clamp<long long>(attribut(k, "c").as_llong(1), 1, MaxZellentext);
                text += QString(static_cast<qsizetype>(anzahl), QLatin1Char(' '));
            } else if (heisst(k, "tab")) {
                text += QLatin1Char('\t');
            } else if (heisst(k, "line-break")) {
                text += QLatin1Char('\n');
            } else if (!heisst(k, "annotation")) {
                odsTextSammeln(k, text);
            }
        }
    }
}

QString odsZellentext(const pugi::xml_node &zelle, const QLocale &locale)
{
    const char *typ = attribut(zelle, "value-type").value();
    if (std::strcmp(typ, "float") == 0 || std::strcmp(typ, "percentage") == 0 || std::strcmp(typ, "currency") == 0) {
        const char *wert = attribut(zelle, "value").value();
        if (*wert)
            return zahlText(wert, locale);
    } else if (std::strcmp(typ, "boolean") == 0) {
        return wahrheitswert(std::strcmp(attribut(zelle, "boolean-value").value(), "true") == 0);
    }
    // Text, dates and times: what the cell shows, paragraph by paragraph.
    QString text;
    bool erster = true;
    for (pugi::xml_node p = zelle.first_child(); p; p = p.next_sibling()) {
        if (!heisst(p, "p"))
            continue;
        if (!erster)
            text += QLatin1Char('\n');
        erster = false;
        odsTextSammeln(p, text);
    }
    return gekuerzt(text);
}

qint64 wiederholungen(const pugi::xml_node &knoten, const char *name)
{
    return std::clamp<long long>(attribut(knoten, name).as_llong(1), 1, 1LL << 31);
}

bool odsZeilenLesen(const pugi::xml_node &behaelter, qint64 &zeile, Zellensammler &sammler, const QLocale &locale)
{
    for (pugi::xml_node r = behaelter.first_child(); r; r = r.next_sibling()) {
        if (heisst(r, "table-row-group") || heisst(r, "table-header-rows") || heisst(r, "table-rows")) {
            if (!odsZeilenLesen(r, zeile, sammler, locale))
                return false;
            continue;
        }
        if (!heisst(r, "table-row"))
            continue;
        const qint64 zeilenWdh = wiederholungen(r, "number-rows-repeated");
        qint64 spalte = 1;
        for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
            if (!heisst(c, "table-cell") && !heisst(c, "covered-table-cell"))
                continue;
            const qint64 spaltenWdh = wiederholungen(c, "number-columns-repeated");
            if (c.first_child() || attribut(c, "value-type")) {
                if (!sammler.nimm(zeile, spalte, odsZellentext(c, locale), zeilenWdh, spaltenWdh))
                    return false;
            }
            spalte += spaltenWdh;
        }
        zeile += zeilenWdh;
    }
    return true;
}

Mappeninhalt odsLesen(const ZipArchiv &archiv, const QLocale &locale, const Importgrenzen &grenzen)
{
    Mappeninhalt inhalt;
    std::optional<QByteArray> xml = archiv.lies("content.xml", grenzen.xmlGroesse, inhalt.fehler);
    if (!xml)
        return inhalt;
    pugi::xml_document dok;
    if (!parsen(dok, *xml, "content.xml", inhalt.fehler))
        return inhalt;
    const pugi::xml_node tabelle = kind(kind(kind(dok.document_element(), "body"), "spreadsheet"), "table");
    if (!tabelle) {
        inhalt.fehler = QStringLiteral("Die Datei enth\u00E4lt keine Tabelle.");
        return inhalt;
    }
    Zellensammler sammler(inhalt, grenzen);
    qint64 zeile = 1;
    odsZeilenLesen(tabelle, zeile, sammler, locale);
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
