// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Einstellungen.h"

#include "model/Dateien.h"
#include "model/Textdekodierung.h"

#include <QFile>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace {

// The whole file as text. Lines are never kept one by one: a file of millions of empty lines
// costs what its text costs, and every access walks it once.
struct Inhalt
{
    QString text;
    bool bom = false;
    QString fehler; // why the existing file could not be read; empty when it was or is missing
};

const QByteArray Bom("\xEF\xBB\xBF");

// A section listing returns at most this many keys; the program's own sections hold a few
// hundred at most.
constexpr qsizetype MaxAbschnittseintraege = 10000;

Inhalt lesen(const QString &datei)
{
    Inhalt inhalt;
    const Dateiinhalt gelesen = DateiLesen(datei);
    if (gelesen.status == Dateiinhalt::Status::Fehler) {
        inhalt.fehler = gelesen.fehler;
        return inhalt;
    }
    DekodierterText dekodiert = TextDekodieren(gelesen.daten);
    inhalt.bom = dekodiert.kodierung == Textkodierung::Utf8 && gelesen.daten.startsWith(Bom);
    inhalt.text = std::move(dekodiert.text);
    return inhalt;
}

// One line: its text is [anfang, ende), the next line begins at `weiter` (after "\n" or "\r\n").
struct Zeilenspanne
{
    qsizetype anfang = 0;
    qsizetype ende = 0;
    qsizetype weiter = 0;
};

// Walks the lines of a text from `ab` on, keeping nothing.
class Zeilenleser
{
public:
    Zeilenleser(QStringView text, qsizetype ab = 0) : m_text(text), m_pos(ab) {}
    bool naechste(Zeilenspanne &z)
    {
        if (m_pos >= m_text.size())
            return false;
        const qsizetype umbruch = m_text.indexOf(QLatin1Char('\n'), m_pos);
        z.anfang = m_pos;
        if (umbruch < 0) {
            z.ende = z.weiter = m_text.size();
        } else {
            const bool cr = umbruch > m_pos && m_text[umbruch - 1] == QLatin1Char('\r');
            z.ende = cr ? umbruch - 1 : umbruch;
            z.weiter = umbruch + 1;
        }
        m_pos = z.weiter;
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_pos;
};

QStringView zeilentext(QStringView text, const Zeilenspanne &z)
{
    return text.mid(z.anfang, z.ende - z.anfang);
}

std::optional<QStringView> abschnittsname(QStringView zeile)
{
    const QStringView t = zeile.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype ende = t.indexOf(QLatin1Char(']'));
    if (ende < 0)
        return std::nullopt;
    return t.mid(1, ende - 1).trimmed();
}

bool gleich(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Where a section lies: its header line and the start of the next header (or the end).
struct Abschnittslage
{
    Zeilenspanne kopf;
    qsizetype ende = 0;
};

// The first section of that name.
std::optional<Abschnittslage> findeAbschnitt(QStringView text, QStringView abschnitt)
{
    Zeilenleser leser(text);
    Zeilenspanne z;
    std::optional<Abschnittslage> lage;
    while (leser.naechste(z)) {
        const auto name = abschnittsname(zeilentext(text, z));
        if (!name)
            continue;
        if (lage) {
            lage->ende = z.anfang;
            return lage;
        }
        if (gleich(*name, abschnitt))
            lage = Abschnittslage{z, text.size()};
    }
    return lage;
}

std::optional<QStringView> schluesselDerZeile(QStringView zeile)
{
    if (zeile.trimmed().startsWith(QLatin1Char(';')))
        return std::nullopt;
    const qsizetype gleichheitszeichen = zeile.indexOf(QLatin1Char('='));
    if (gleichheitszeichen < 0)
        return std::nullopt;
    return zeile.left(gleichheitszeichen).trimmed();
}

QStringView wertDerZeile(QStringView zeile) { return zeile.mid(zeile.indexOf(QLatin1Char('=')) + 1).trimmed(); }

// Calls `tun` for every key line of the section until it returns false.
template <class Tun> void abschnittDurchgehen(QStringView text, const Abschnittslage &lage, Tun tun)
{
    Zeilenleser leser(text, lage.kopf.weiter);
    Zeilenspanne z;
    while (leser.naechste(z) && z.anfang < lage.ende)
        if (!tun(z))
            return;
}

std::optional<QString> wert(const QString &datei, const QString &abschnitt, const QString &schluessel)
{
    const Inhalt inhalt = lesen(datei);
    const QStringView text = inhalt.text;
    const auto lage = findeAbschnitt(text, abschnitt);
    if (!lage)
        return std::nullopt;
    std::optional<QString> gefunden;
    abschnittDurchgehen(text, *lage, [&](const Zeilenspanne &z) {
        const QStringView zeile = zeilentext(text, z);
        const auto s = schluesselDerZeile(zeile);
        if (s && gleich(*s, schluessel))
            gefunden = wertDerZeile(zeile).toString();
        return !gefunden;
    });
    return gefunden;
}

// New lines take the line break the file uses, "\n" for a new file.
QString zeilenende(QStringView text)
{
    const qsizetype umbruch = text.indexOf(QLatin1Char('\n'));
    if (umbruch > 0 && text[umbruch - 1] == QLatin1Char('\r'))
        return QStringLiteral("\r\n");
    return QStringLiteral("\n");
}

// Puts `zeilen` (each followed by the file's line break) at the start of a line, `stelle`.
void einfuegen(QString &text, qsizetype stelle, const QStringList &zeilen)
{
    if (zeilen.isEmpty())
        return;
    const QString ende = zeilenende(text);
    if (stelle == text.size() && !text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) {
        text += ende; // the old last line had no line break
        stelle = text.size();
    }
    QString neu;
    for (const QString &z : zeilen)
        neu += z + ende;
    text.insert(stelle, neu);
}

QByteArray alsBytes(const Inhalt &inhalt)
{
    return (inhalt.bom ? Bom : QByteArray()) + inhalt.text.toUtf8();
}

QString unlesbar(const QString &grund)
{
    return QStringLiteral("Die vorhandene Datei lässt sich nicht lesen: ") + grund
           + QStringLiteral(" Damit keine Einstellung verloren geht, bleibt sie unverändert.");
}

} // namespace

// Every write reads the file first and changes only its own lines; a file that cannot be read
// is never replaced, or every other setting in it would be lost.
class Einstellungen::Aenderung
{
public:
    explicit Aenderung(const QString &datei) : m_datei(datei), m_inhalt(lesen(datei)), m_vorher(m_inhalt.text) {}

    QString &text() { return m_inhalt.text; }

    bool schreiben(QString &fehler)
    {
        if (!m_inhalt.fehler.isEmpty()) {
            fehler = unlesbar(m_inhalt.fehler);
            return false;
        }
        // An unchanged file is not written again (nor an empty one created).
        if (m_inhalt.text == m_vorher)
            return true;
        fehler = DateiErsetzen(m_datei, alsBytes(m_inhalt));
        return fehler.isEmpty();
    }

private:
    QString m_datei;
    Inhalt m_inhalt;
    QString m_vorher;
};

Einstellungen::Einstellungen(QString datei) : m_datei(std::move(datei)) {}

bool Einstellungen::EinstellungenDa() const { return QFile::exists(m_datei); }

QString Einstellungen::LeseText(const QString &abschnitt, const QString &schluessel, const QString &vorgabe) const
{
    return wert(m_datei, abschnitt, schluessel).value_or(vorgabe);
}

int Einstellungen::LeseZahl(const QString &abschnitt, const QString &schluessel, int vorgabe) const
{
    const auto text = wert(m_datei, abschnitt, schluessel);
    if (!text)
        return vorgabe;
    bool ok = false;
    const int zahl = text->toInt(&ok);
    return ok ? zahl : vorgabe;
}

bool Einstellungen::LeseFlag(const QString &abschnitt, const QString &schluessel, bool vorgabe) const
{
    return LeseZahl(abschnitt, schluessel, vorgabe ? 1 : 0) != 0;
}

QList<std::pair<QString, QString>> Einstellungen::LeseAbschnitt(const QString &abschnitt) const
{
    QList<std::pair<QString, QString>> eintraege;
    const Inhalt inhalt = lesen(m_datei);
    const QStringView text = inhalt.text;
    const auto lage = findeAbschnitt(text, abschnitt);
    if (!lage)
        return eintraege;
    abschnittDurchgehen(text, *lage, [&](const Zeilenspanne &z) {
        const QStringView zeile = zeilentext(text, z);
        if (const auto s = schluesselDerZeile(zeile))
            eintraege.append({s->toString(), wertDerZeile(zeile).toString()});
        return eintraege.size() < MaxAbschnittseintraege;
    });
    return eintraege;
}

bool Einstellungen::SchreibeText(const QString &abschnitt, const QString &schluessel, const QString &neuerWert)
{
    Aenderung aenderung(m_datei);
    QString &text = aenderung.text();
    const QString neueZeile = schluessel + QLatin1Char('=') + neuerWert;
    const auto lage = findeAbschnitt(text, abschnitt);
    if (!lage) {
        einfuegen(text, text.size(), {QLatin1Char('[') + abschnitt + QLatin1Char(']'), neueZeile});
        return aenderung.schreiben(m_fehler);
    }
    std::optional<Zeilenspanne> treffer;
    Zeilenspanne letzteZeile = lage->kopf;
    abschnittDurchgehen(text, *lage, [&](const Zeilenspanne &z) {
        const QStringView zeile = zeilentext(text, z);
        const auto s = schluesselDerZeile(zeile);
        if (s && gleich(*s, schluessel)) {
            treffer = z;
            return false;
        }
        if (!zeile.trimmed().isEmpty())
            letzteZeile = z;
        return true;
    });
    if (treffer)
        text.replace(treffer->anfang, treffer->ende - treffer->anfang, neueZeile);
    else
        einfuegen(text, letzteZeile.weiter, {neueZeile});
    return aenderung.schreiben(m_fehler);
}

bool Einstellungen::SchreibeZahl(const QString &abschnitt, const QString &schluessel, int neuerWert)
{
    return SchreibeText(abschnitt, schluessel, QString::number(neuerWert));
}

bool Einstellungen::SchreibeFlag(const QString &abschnitt, const QString &schluessel, bool neuerWert)
{
    return SchreibeText(abschnitt, schluessel, neuerWert ? QStringLiteral("1") : QStringLiteral("0"));
}

bool Einstellungen::LoescheAbschnitt(const QString &abschnitt)
{
    Aenderung aenderung(m_datei);
    QString &text = aenderung.text();
    if (const auto lage = findeAbschnitt(text, abschnitt))
        text.remove(lage->kopf.anfang, lage->ende - lage->kopf.anfang);
    return aenderung.schreiben(m_fehler);
}

bool Einstellungen::ErsetzeAbschnitt(const QString &abschnitt, const QList<std::pair<QString, QString>> &eintraege)
{
    Aenderung aenderung(m_datei);
    QString &text = aenderung.text();
    QStringList zeilen;
    for (const auto &[schluessel, wert] : eintraege)
        zeilen << schluessel + QLatin1Char('=') + wert;
    if (const auto lage = findeAbschnitt(text, abschnitt)) {
        text.remove(lage->kopf.weiter, lage->ende - lage->kopf.weiter);
        einfuegen(text, lage->kopf.weiter, zeilen);
    } else {
        einfuegen(text, text.size(), QStringList{QLatin1Char('[') + abschnitt + QLatin1Char(']')} + zeilen);
    }
    return aenderung.schreiben(m_fehler);
}
