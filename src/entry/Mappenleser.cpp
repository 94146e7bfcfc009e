// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/Mappenleser.h"

#include "entry/ZipArchiv.h"

#include <QDate>
#include <QHash>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <optional>
#include <string>
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
    for (qint64 s = spalte; s < spalte + spaltenWdh; ++s) {
        // A cell given twice keeps the later text, as a spreadsheet program would.
        if (m_anzahl > 0 && m_zellen[m_anzahl - 1].spalte >= s) {
            const auto ende = m_zellen.begin() + m_anzahl;
            auto stelle = std::lower_bound(m_zellen.begin(), ende, s,
                                           [](const Mappenzelle &z, qint64 sp) { return z.spalte < sp; });
            if (stelle->spalte != s) {
                stelle = m_zellen.insert(stelle, Mappenzelle());
                ++m_anzahl;
            }
            stelle->spalte = static_cast<int>(s);
            stelle->text = text.toString();
            stelle->zuLang = zuLang;
            continue;
        }
        if (m_anzahl == m_zellen.size())
            m_zellen.append(Mappenzelle());
        Mappenzelle &z = m_zellen[m_anzahl++];
        z.spalte = static_cast<int>(s);
        // The room of the row before is used again: no allocation for a cell of a field's length.
        z.text.resize(text.size());
        std::copy(text.begin(), text.end(), z.text.begin());
        z.zuLang = zuLang;
    }
    return true;
}

void Zeilensammler::zeileBeenden()
{
    if (m_offen && m_anzahl > 0)
        m_ziel.zeile(static_cast<int>(m_zeile), static_cast<int>(m_wiederholungen),
                     std::span<const Mappenzelle>(m_zellen.constData(), std::size_t(m_anzahl)));
    m_anzahl = 0;
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

constexpr qint64 MaxXmlMarke = 8 * 1024 * 1024;

// Whether a run of bytes holds only what XML counts as white space.
bool nurLeerraum(QByteArrayView b)
{
    for (const char c : b)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            return false;
    return true;
}

// The character an entity reference stands for, from the text between "&" and ";"; -1 when it
// is none XML knows without a document type definition.
char32_t entitaet(QByteArrayView name)
{
    if (name == "lt")
        return u'<';
    if (name == "gt")
        return u'>';
    if (name == "amp")
        return u'&';
    if (name == "quot")
        return u'"';
    if (name == "apos")
        return u'\'';
    if (name.size() < 2 || name.size() > 8 || name[0] != '#')
        return char32_t(-1);
    const bool hex = name[1] == 'x';
    char32_t wert = 0;
    if (name.size() == (hex ? 2 : 1))
        return char32_t(-1);
    for (qsizetype i = hex ? 2 : 1; i < name.size(); ++i) {
        const char c = name[i];
        int ziffer = -1;
        if (c >= '0' && c <= '9')
            ziffer = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            ziffer = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            ziffer = c - 'A' + 10;
        if (ziffer < 0)
            return char32_t(-1);
        wert = wert * (hex ? 16 : 10) + char32_t(ziffer);
    }
    if (wert == 0 || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF))
        return char32_t(-1);
    return wert;
}

// Whether every "&" of the raw text starts a reference XML knows.
bool referenzenGueltig(QByteArrayView roh)
{
    for (qsizetype i = roh.indexOf('&'); i >= 0; i = roh.indexOf('&', i + 1)) {
        const qsizetype ende = roh.indexOf(';', i);
        if (ende < 0 || ende - i > 10 || entitaet(roh.sliced(i + 1, ende - i - 1)) == char32_t(-1))
            return false;
    }
    return true;
}

// Raw UTF-8 text of the file, its references resolved, appended to `ziel`.
void dekodieren(QByteArrayView roh, QString &ziel)
{
    qsizetype von = 0;
    for (qsizetype i = roh.indexOf('&'); i >= 0; i = roh.indexOf('&', von)) {
        ziel += QString::fromUtf8(roh.sliced(von, i - von));
        const qsizetype ende = roh.indexOf(';', i);
        const char32_t c = ende < 0 ? char32_t(-1) : entitaet(roh.sliced(i + 1, ende - i - 1));
        if (c == char32_t(-1)) { // only where a value was cut: the rest as it stands
            von = i;
            break;
        }
        ziel += QString::fromUcs4(&c, 1);
        von = ende + 1;
    }
    ziel += QString::fromUtf8(roh.sliced(von));
}

// The attributes of the element just begun: local names and raw values, valid until the next
// token.
class Attributliste
{
public:
    struct Eintrag
    {
        QByteArrayView name;
        QByteArrayView wert;
    };
    QVarLengthArray<Eintrag, 8> eintraege;

    // Names are mostly literals: their length is known without a search.
    template <std::size_t N> QString wert(const char (&name)[N]) const { return wert(QByteArrayView(name, N - 1)); }
    template <std::size_t N> bool hat(const char (&name)[N]) const { return hat(QByteArrayView(name, N - 1)); }
    template <std::size_t N> QByteArrayView roh(const char (&name)[N], QByteArray &platz) const
    {
        return roh(QByteArrayView(name, N - 1), platz);
    }

    QString wert(QByteArrayView name) const
    {
        QString text;
        for (const Eintrag &e : eintraege)
            if (e.name == name) {
                dekodieren(e.wert.first(std::min<qsizetype>(e.wert.size(), 64 * 1024)), text);
                break;
            }
        return text;
    }
    bool hat(QByteArrayView name) const
    {
        return std::any_of(eintraege.cbegin(), eintraege.cend(), [name](const Eintrag &e) { return e.name == name; });
    }
    // The value as written, for the short values of a cell; one with a reference is decoded.
    QByteArrayView roh(QByteArrayView name, QByteArray &platz) const
    {
        for (const Eintrag &e : eintraege)
            if (e.name == name) {
                if (!e.wert.contains('&'))
                    return e.wert;
                platz = wert(name).toUtf8();
                return platz;
            }
        return QByteArrayView();
    }
};

// The part of a name after its namespace prefix.
QByteArrayView lokalerName(QByteArrayView name)
{
    // Names are short: a plain loop beats the general search.
    for (qsizetype i = name.size() - 1; i >= 0; --i)
        if (name[i] == ':')
            return name.sliced(i + 1);
    return name;
}

// Whether a byte may be part of a name; asked for every byte of every tag, so by a table.
bool namenszeichen(char c)
{
    static constexpr auto Tabelle = [] {
        std::array<bool, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[std::size_t(i)] = true;
        for (const char k : {' ', '\t', '\n', '\r', '/', '>', '=', '<', '"', '\'', '&'})
            t[std::size_t(static_cast<unsigned char>(k))] = false;
        return t;
    }();
    return Tabelle[static_cast<unsigned char>(c)];
}

// One XML part of a workbook, read token by token while it is unpacked: only a piece of the
// part is held at a time, elements nested deeper than MaxXmlTiefe end the reading, and so does
// a document type definition, the only way to make entities expand. The bytes are read as
// UTF-8 by a small reader of its own: it knows elements, attributes, text, character data,
// comments and processing instructions, and no more is found in a workbook; a text is turned
// into a QString only when it is asked for.
class Xmlstrom
{
public:
    enum class Art { Nichts, Anfang, Ende, Text };

    Xmlstrom(const ZipArchiv &archiv, const char *teil, const Importgrenzen &grenzen)
        : m_zip(archiv, teil, grenzen.xmlGroesse), m_teil(QString::fromUtf8(teil))
    {
    }

    // The next token; false at the end of the part and on a failure, which sets `fehler`.
    bool weiter()
    {
        if (!m_fehler.isEmpty())
            return false;
        if (m_ende) {
            --m_tiefe;
            m_namen.pop_back();
        }
        m_ende = false;
        m_textGelesen = false;
        if (m_leerEnde) {
            m_leerEnde = false;
            m_art = Art::Ende;
            m_ende = true;
            return true;
        }
        while (true) {
            const Stand s = lesen();
            if (s == Stand::Token) {
                m_ohneMarke = 0;
                return true;
            }
            if (s == Stand::Fehler)
                return false;
            if (s == Stand::Uebersprungen) {
                m_ohneMarke = 0;
                continue;
            }
            if (s == Stand::Schluss) {
                if (!m_namen.empty() || !m_wurzel)
                    return kaputt(QStringLiteral("das Dokument endet vorzeitig"));
                m_art = Art::Nichts;
                return false;
            }
            // More bytes are needed for the token: what was read before goes first.
            if (m_pos > 0) {
                m_puffer.remove(0, m_pos);
                m_pos = 0;
            }
            const QByteArray stueck = m_zip.weiter();
            if (!m_zip.fehler().isEmpty()) {
                m_fehler = m_zip.fehler();
                return false;
            }
            if (stueck.isEmpty() && m_zip.fertig()) {
                m_zuEnde = true;
                continue;
            }
            // A text or tag of megabytes is none a spreadsheet program writes.
            m_ohneMarke += stueck.size();
            if (m_ohneMarke > MaxXmlMarke) {
                m_fehler = QStringLiteral("Im Teil \u201E%1\u201C steht ein Text oder Element von mehr als %2 MB; so "
                                          "schreibt kein Tabellenprogramm.")
                               .arg(m_teil)
                               .arg(MaxXmlMarke / (1024 * 1024));
                return false;
            }
            m_puffer += stueck;
        }
    }

    bool beginnt(QByteArrayView name) const { return m_art == Art::Anfang && m_name == name; }
    template <std::size_t N> bool beginnt(const char (&name)[N]) const { return beginnt(QByteArrayView(name, N - 1)); }
    bool beginnt() const { return m_art == Art::Anfang; }
    bool endet(int tiefe) const { return m_art == Art::Ende && m_tiefe == tiefe; }
    bool istText() const { return m_art == Art::Text; }
    // Of the current element, the document's root being 1.
    int tiefe() const { return m_tiefe; }
    // The text token, its references resolved.
    QStringView text() const
    {
        if (!m_textGelesen) {
            m_text.resize(0);
            if (m_cdata)
                m_text += QString::fromUtf8(m_roh);
            else
                dekodieren(m_roh, m_text);
            m_textGelesen = true;
        }
        return m_text;
    }
    // The attributes of the element just begun.
    const Attributliste &attribute() const { return m_attribute; }
    template <std::size_t N> QString attribut(const char (&name)[N]) const
    {
        return m_attribute.wert(QByteArrayView(name, N - 1));
    }
    const QString &fehler() const { return m_fehler; }

private:
    enum class Stand { Token, Uebersprungen, MehrDaten, Schluss, Fehler };

    bool kaputt(const QString &grund)
    {
        m_fehler = QStringLiteral("Der Teil \u201E%1\u201C ist kein g\u00FCltiges XML (%2).").arg(m_teil, grund);
        return false;
    }
    Stand fehlerhaft(const QString &grund)
    {
        kaputt(grund);
        return Stand::Fehler;
    }

    // The end of `muster` from `ab` on, or -1.
    qsizetype suche(const char *muster, qsizetype ab) const { return m_puffer.indexOf(muster, ab); }

    Stand lesen()
    {
        const qsizetype n = m_puffer.size();
        if (m_pos >= n)
            return m_zuEnde ? Stand::Schluss : Stand::MehrDaten;
        const char *d = m_puffer.constData();
        if (d[m_pos] != '<') {
            qsizetype lt = m_puffer.indexOf('<', m_pos);
            if (lt < 0) {
                if (!m_zuEnde)
                    return Stand::MehrDaten;
                lt = n;
            }
            const QByteArrayView roh(d + m_pos, lt - m_pos);
            if (m_namen.empty() && !nurLeerraum(roh))
                return fehlerhaft(QStringLiteral("Text au\u00DFerhalb der Elemente"));
            if (!referenzenGueltig(roh))
                return fehlerhaft(QStringLiteral("unbekannte Entit\u00E4t"));
            m_roh = roh;
            m_cdata = false;
            m_pos = lt;
            m_art = Art::Text;
            return Stand::Token;
        }
        if (n - m_pos < 2)
            return m_zuEnde ? fehlerhaft(QStringLiteral("das Dokument endet vorzeitig")) : Stand::MehrDaten;
        const char zweites = d[m_pos + 1];
        if (zweites == '!' || zweites == '?') {
            if (n - m_pos < 9 && !m_zuEnde)
                return Stand::MehrDaten;
            const QByteArrayView rest(d + m_pos, n - m_pos);
            if (rest.startsWith("<!--") || rest.startsWith("<?")) {
                const bool kommentar = rest.startsWith("<!--");
                const qsizetype ende = suche(kommentar ? "-->" : "?>", m_pos + 2);
                if (ende < 0)
                    return m_zuEnde ? fehlerhaft(QStringLiteral("das Dokument endet vorzeitig")) : Stand::MehrDaten;
                m_pos = ende + (kommentar ? 3 : 2);
                return Stand::Uebersprungen;
            }
            if (rest.startsWith("<![CDATA[")) {
                const qsizetype ende = suche("]]>", m_pos + 9);
                if (ende < 0)
                    return m_zuEnde ? fehlerhaft(QStringLiteral("das Dokument endet vorzeitig")) : Stand::MehrDaten;
                if (m_namen.empty())
                    return fehlerhaft(QStringLiteral("Text au\u00DFerhalb der Elemente"));
                m_roh = QByteArrayView(d + m_pos + 9, ende - m_pos - 9);
                m_cdata = true;
                m_pos = ende + 3;
                m_art = Art::Text;
                return Stand::Token;
            }
            if (rest.startsWith("<!")) {
                m_fehler =
                    QStringLiteral("Der Teil \u201E%1\u201C enth\u00E4lt eine Dokumenttypdefinition; so schreibt "
                                   "kein Tabellenprogramm.")
                        .arg(m_teil);
                return Stand::Fehler;
            }
        }
        if (zweites == '/') {
            const qsizetype ende = m_puffer.indexOf('>', m_pos);
            if (ende < 0)
                return m_zuEnde ? fehlerhaft(QStringLiteral("das Dokument endet vorzeitig")) : Stand::MehrDaten;
            const QByteArrayView name = QByteArrayView(d + m_pos + 2, ende - m_pos - 2).trimmed();
            if (m_namen.empty() || name != QByteArrayView(m_namen.back()))
                return fehlerhaft(QStringLiteral("ein Ende-Tag passt nicht zu seinem Element"));
            m_name = lokalerName(name);
            m_pos = ende + 1;
            m_art = Art::Ende;
            m_ende = true;
            return Stand::Token;
        }
        // A start tag: its name, then its attributes.
        qsizetype p = m_pos + 1;
        while (p < n && namenszeichen(d[p]))
            ++p;
        if (p == m_pos + 1)
            return p >= n && !m_zuEnde ? Stand::MehrDaten : fehlerhaft(QStringLiteral("ein Element ohne Namen"));
        const QByteArrayView name(d + m_pos + 1, p - m_pos - 1);
        m_attribute.eintraege.clear();
        while (true) {
            while (p < n && (d[p] == ' ' || d[p] == '\t' || d[p] == '\n' || d[p] == '\r'))
                ++p;
            if (p >= n)
                return m_zuEnde ? fehlerhaft(QStringLiteral("das Dokument endet vorzeitig")) : Stand::MehrDaten;
            if (d[p] == '>' || d[p] == '/') {
                if (d[p] == '/') {
                    if (p + 1 >= n)
                        return m_zuEnde ? fehlerhaft(QStringLiteral("das Dokument endet vorzeitig")) : Stand::MehrDaten;
                    if (d[p + 1] != '>')
                        return fehlerhaft(QStringLiteral("ein Element ist falsch geschlossen"));
                    m_leerEnde = true;
                    ++p;
                }
                break;
            }
            const qsizetype anfang = p;
            while (p < n && namenszeichen(d[p]))
                ++p;
            const qsizetype namensende = p;
            while (p < n && (d[p] == ' ' || d[p] == '\t' || d[p] == '\n' || d[p] == '\r'))
                ++p;
            if (p >= n)
                return m_zuEnde ? fehlerhaft(QStringLiteral("das Dokument endet vorzeitig")) : Stand::MehrDaten;
            if (namensende == anfang || d[p] != '=')
                return fehlerhaft(QStringLiteral("ein Attribut ohne Wert"));
            ++p;
            while (p < n && (d[p] == ' ' || d[p] == '\t' || d[p] == '\n' || d[p] == '\r'))
                ++p;
            if (p >= n)
                return m_zuEnde ? fehlerhaft(QStringLiteral("das Dokument endet vorzeitig")) : Stand::MehrDaten;
            if (d[p] != '"' && d[p] != '\'')
                return fehlerhaft(QStringLiteral("ein Attributwert ohne Anf\u00FChrungszeichen"));
            const qsizetype ende = m_puffer.indexOf(d[p], p + 1);
            if (ende < 0)
                return m_zuEnde ? fehlerhaft(QStringLiteral("das Dokument endet vorzeitig")) : Stand::MehrDaten;
            const QByteArrayView wert(d + p + 1, ende - p - 1);
            if (wert.contains('<') || !referenzenGueltig(wert))
                return fehlerhaft(QStringLiteral("ein ung\u00FCltiger Attributwert"));
            // A few attributes are all a spreadsheet program writes on an element.
            if (m_attribute.eintraege.size() >= 256)
                return fehlerhaft(QStringLiteral("zu viele Attribute"));
            m_attribute.eintraege.append({lokalerName(QByteArrayView(d + anfang, namensende - anfang)), wert});
            p = ende + 1;
        }
        if (m_namen.empty() && m_wurzel)
            return fehlerhaft(QStringLiteral("mehr als ein Wurzelelement"));
        if (m_tiefe >= MaxXmlTiefe) {
            m_fehler = QStringLiteral("Im Teil \u201E%1\u201C sind die Elemente tiefer als %2 Ebenen "
                                      "verschachtelt; so schreibt kein Tabellenprogramm.")
                           .arg(m_teil)
                           .arg(MaxXmlTiefe);
            return Stand::Fehler;
        }
        m_wurzel = true;
        m_namen.emplace_back(name.data(), name.size());
        m_name = lokalerName(name);
        ++m_tiefe;
        m_pos = p + 1;
        m_art = Art::Anfang;
        return Stand::Token;
    }

    ZipTeil m_zip;
    QString m_teil;
    QByteArray m_puffer;
    qsizetype m_pos = 0;
    bool m_zuEnde = false;
    Art m_art = Art::Nichts;
    QByteArrayView m_name;            // local name of the element begun or ended
    std::vector<std::string> m_namen; // the open elements, to match their ends
    Attributliste m_attribute;
    QByteArrayView m_roh; // of a text token
    bool m_cdata = false;
    mutable QString m_text;
    mutable bool m_textGelesen = false;
    qint64 m_ohneMarke = 0; // bytes added since the last token
    int m_tiefe = 0;
    bool m_ende = false;
    bool m_leerEnde = false; // an empty element was begun: its end comes next
    bool m_wurzel = false;
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
void zahlAnhaengen(QStringView text, const QLocale &locale, Feldtext &feld);

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

void zahlAnhaengen(QStringView text, const QLocale &locale, Feldtext &feld)
{
    bool ganz = !text.isEmpty() && text.size() <= 15 && (text[0] != QLatin1Char('0') || text.size() == 1);
    for (qsizetype i = 0; ganz && i < text.size(); ++i)
        ganz = text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
    if (ganz)
        feld.anhaengen(text);
    else
        feld.anhaengen(zahlText(text, locale));
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
bool zellbezugLesen(QByteArrayView bezug, qint64 &zeile, qint64 &spalte)
{
    qint64 s = 0;
    qsizetype p = 0;
    for (; p < bezug.size() && bezug[p] >= 'A' && bezug[p] <= 'Z' && s <= 100000; ++p)
        s = s * 26 + (bezug[p] - 'A' + 1);
    qint64 z = 0;
    const qsizetype ziffern = p;
    for (; p < bezug.size() && bezug[p] >= '0' && bezug[p] <= '9' && z <= 100000000; ++p)
        z = z * 10 + (bezug[p] - '0');
    if (s == 0 || p == ziffern || p != bezug.size() || z == 0)
        return false;
    zeile = z;
    spalte = s;
    return true;
}

// A row number written in the file; `sonst` when there is none or it is unreadable.
qint64 zeilennummer(QByteArrayView text, qint64 sonst)
{
    if (text.isEmpty())
        return sonst;
    bool ok = false;
    const qint64 wert = text.toByteArray().toLongLong(&ok);
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
                const Attributliste &a = xml.attribute();
                angaben.blattname = a.wert("name").left(1024);
                rid = a.wert("id").left(1024);
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

Mappenergebnis xlsxLesen(const ZipArchiv &archiv, const QLocale &locale, const Importgrenzen &grenzen, Zeilenziel &ziel)
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
    // The cell's type attribute: numbers (none, "n" and unknown ones), shared strings ("s"), inline
    // strings, truth values ("b"), a formula's text ("str"), errors and ISO dates ("e", "d").
    enum class Zelltyp { Zahl, Gemeinsam, Inline, Wahrheit, Formeltext, Text };
    Zelltyp typ = Zelltyp::Zahl;
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
                QByteArray platz;
                zeile = zeilennummer(xml.attribute().roh("r", platz), zeile + 1);
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
                const Attributliste &a = xml.attribute();
                qint64 z = zeile;
                qint64 s = spalte + 1;
                QByteArray platz;
                const QByteArrayView bezug = a.roh("r", platz);
                if (!bezug.isEmpty() && !zellbezugLesen(bezug, z, s))
                    s = spalte + 1;
                spalte = s;
                const QByteArrayView t = a.roh("t", platz);
                typ = t == "s"               ? Zelltyp::Gemeinsam
                      : t == "inlineStr"     ? Zelltyp::Inline
                      : t == "b"             ? Zelltyp::Wahrheit
                      : t == "str"           ? Zelltyp::Formeltext
                      : t == "e" || t == "d" ? Zelltyp::Text
                                             : Zelltyp::Zahl;
                stil = angaben.datum1904 ? a.wert("s").toInt() : 0;
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
        if (typ == Zelltyp::Gemeinsam) {
            const std::optional<double> i = zahlLesen(wert.text());
            if (i && *i >= 0 && *i < 1e15 && !gemeinsame.text(static_cast<qint64>(*i), feld, ergebnis.fehler))
                return ergebnis;
        } else if (typ == Zelltyp::Inline) {
            inline_.text().nach(feld);
        } else if (typ == Zelltyp::Wahrheit) {
            if (!wert.text().isEmpty())
                feld.anhaengen(wahrheitswert(wert.text() != QLatin1String("0")));
        } else if (typ == Zelltyp::Formeltext || typ == Zelltyp::Text) {
            wert.nach(feld);
        } else if (!wert.text().isEmpty()) {
            const std::optional<double> tage = zahlLesen(wert.text());
            if (tage && stil >= 0 && std::size_t(stil) < datumsstile.size() && datumsstile[std::size_t(stil)])
                feld.anhaengen(zahlText(ZahlAlsText(*tage + Tage1904, QLocale::c()), locale));
            else if (wert.text().size() > MaxFeldtext)
                wert.nach(feld);
            else
                zahlAnhaengen(wert.text(), locale, feld);
        }
        if (formel && wert.text().isEmpty() && typ != Zelltyp::Inline && typ != Zelltyp::Formeltext && zeile >= 1 &&
            spalte >= 1 && zeile <= grenzen.zeilen && spalte <= grenzen.spalten) {
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
    enum class Typ { Keiner, Zahl, Wahrheit, Datum, Anderer };

    Typ typ = Typ::Keiner;
    QString wert;      // of a number
    QString datum;     // of a date, "yyyy-MM-dd" when `tag` is valid
    bool wahr = false; // of a truth value
    QDate tag;         // of a date that makes one
    bool formel = false;
    bool hatWert = false;
    qint64 spaltenWdh = 1;
    Feldtext text;
    int absaetze = 0;

    void beginnen(const Attributliste &a)
    {
        QByteArray platz;
        QByteArrayView art = a.roh("value-type", platz);
        art = art.first(std::min<qsizetype>(art.size(), 16));
        typ = art.isEmpty()                                                ? Typ::Keiner
              : art == "float" || art == "percentage" || art == "currency" ? Typ::Zahl
              : art == "boolean"                                           ? Typ::Wahrheit
              : art == "date"                                              ? Typ::Datum
                                                                           : Typ::Anderer;
        wert.resize(0);
        datum.resize(0);
        tag = QDate();
        if (typ == Typ::Zahl)
            wert = a.wert("value").left(MaxFeldtext + 1);
        else if (typ == Typ::Wahrheit)
            wahr = a.wert("boolean-value").left(8) == QLatin1String("true");
        else if (typ == Typ::Datum)
            datumLesen(a.roh("date-value", platz));
        formel = a.hat("formula");
        // A spreadsheet program writes the type of every result; a formula without one was
        // never calculated.
        hatWert = a.hat("value-type");
        spaltenWdh = wiederholungen(a.roh("number-columns-repeated", platz));
        text.leeren();
        absaetze = 0;
    }

    // The date the cell stores, whatever it shows; of a date and time the date.
    void datumLesen(QByteArrayView roh)
    {
        // As written by every spreadsheet program: read at once.
        if (roh.size() == 10 || (roh.size() > 10 && roh[10] == 'T')) {
            tag = IsoDatum(roh.first(10));
            if (tag.isValid()) {
                datum = QString::fromLatin1(roh.first(10));
                return;
            }
        }
        datum = QString::fromUtf8(roh.first(std::min<qsizetype>(roh.size(), MaxFeldtext)));
        tag = QDate::fromString(datum.left(10), Qt::ISODate);
        if (tag.isValid() && (datum.size() == 10 || (datum.size() > 10 && datum[10] == QLatin1Char('T'))))
            datum = tag.toString(Qt::ISODate);
        else
            tag = QDate();
    }

    static qint64 wiederholungen(QByteArrayView roh)
    {
        if (roh.isEmpty())
            return 1;
        if (roh.size() <= 9 && std::all_of(roh.begin(), roh.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            qint64 wert = 0;
            for (const char c : roh)
                wert = wert * 10 + (c - '0');
            return std::max<qint64>(wert, 1);
        }
        return wiederholungen(QString::fromUtf8(roh));
    }
    static qint64 wiederholungen(QStringView text)
    {
        bool ok = false;
        const qint64 wert = text.toLongLong(&ok);
        return ok ? std::clamp<qint64>(wert, 1, qint64(1) << 31) : 1;
    }

    // Whether the stored value alone makes the field, so the shown text is not needed.
    bool wertGenuegt() const
    {
        return (typ == Typ::Zahl && !wert.isEmpty() && wert.size() <= MaxFeldtext) || typ == Typ::Wahrheit ||
               (typ == Typ::Datum && tag.isValid());
    }

    // The cell's value as the field of a table.
    void alsText(const QLocale &locale, Feldtext &feld) const
    {
        feld.leeren();
        if (wertGenuegt()) {
            if (typ == Typ::Zahl)
                feld.anhaengen(zahlText(wert, locale));
            else if (typ == Typ::Wahrheit)
                feld.anhaengen(wahrheitswert(wahr));
            else
                feld.anhaengen(datum);
            return;
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
                zeilenWdh = Odszelle::wiederholungen(xml.attribut("number-rows-repeated"));
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
        // A cell whose value makes the field needs no shown text; the paragraph ends by its depth.
        if (zelle.wertGenuegt())
            continue;
        if (xml.istText()) {
            zelle.text.anhaengen(xml.text());
        } else if (xml.beginnt("s")) {
            bool ok = false;
            const qint64 anzahl = xml.attribut("c").toLongLong(&ok);
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
