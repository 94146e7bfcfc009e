#include "model/Einstellungen.h"

#include "model/Dateien.h"
#include "model/Textdekodierung.h"

#include <QFile>

#include <optional>

namespace {

// One line of the file with the line break that followed it ("\n", "\r\n", or none at the
// end of the file). Lines the program does not change are written back exactly as read.
struct Zeile
{
    QString text;
    QString ende;
};

struct Inhalt
{
    QList<Zeile> zeilen;
    bool bom = false;
    QString fehler; // why the existing file could not be read; empty when it was or is missing
};

const QByteArray Bom("\xEF\xBB\xBF");

Inhalt lesen(const QString &datei)
{
    Inhalt inhalt;
    const Dateiinhalt gelesen = DateiLesen(datei);
    if (gelesen.status == Dateiinhalt::Status::Fehler) {
        inhalt.fehler = gelesen.fehler;
        return inhalt;
    }
    const DekodierterText dekodiert = TextDekodieren(gelesen.daten);
    inhalt.bom = dekodiert.kodierung == Textkodierung::Utf8 && gelesen.daten.startsWith(Bom);
    const QString &text = dekodiert.text;
    qsizetype anfang = 0;
    while (anfang < text.size()) {
        const qsizetype umbruch = text.indexOf(QLatin1Char('\n'), anfang);
        if (umbruch < 0) {
            inhalt.zeilen.append({text.mid(anfang), QString()});
            break;
        }
        const bool cr = umbruch > anfang && text[umbruch - 1] == QLatin1Char('\r');
        const qsizetype ende = cr ? umbruch - 1 : umbruch;
        inhalt.zeilen.append({text.mid(anfang, ende - anfang), cr ? QStringLiteral("\r\n") : QStringLiteral("\n")});
        anfang = umbruch + 1;
    }
    return inhalt;
}

// New lines take the line break the file uses, "\n" for a new file.
QString zeilenende(const Inhalt &inhalt)
{
    for (const Zeile &z : inhalt.zeilen)
        if (!z.ende.isEmpty())
            return z.ende;
    return QStringLiteral("\n");
}

void einfuegen(Inhalt &inhalt, qsizetype stelle, const QString &text)
{
    const QString ende = zeilenende(inhalt);
    if (stelle > 0 && inhalt.zeilen[stelle - 1].ende.isEmpty())
        inhalt.zeilen[stelle - 1].ende = ende; // the old last line had no line break
    inhalt.zeilen.insert(stelle, {text, ende});
}

std::optional<QString> abschnittsname(const QString &zeile)
{
    const QString t = zeile.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype ende = t.indexOf(QLatin1Char(']'));
    if (ende < 0)
        return std::nullopt;
    return t.mid(1, ende - 1).trimmed();
}

bool gleich(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Index of the section's header line, or -1.
qsizetype findeAbschnitt(const QList<Zeile> &zeilen, const QString &abschnitt)
{
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const auto name = abschnittsname(zeilen[i].text);
        if (name && gleich(*name, abschnitt))
            return i;
    }
    return -1;
}

// One past the last line of the section that starts at `kopf`.
qsizetype abschnittsEnde(const QList<Zeile> &zeilen, qsizetype kopf)
{
    qsizetype i = kopf + 1;
    while (i < zeilen.size() && !abschnittsname(zeilen[i].text))
        ++i;
    return i;
}

std::optional<QString> schluesselDerZeile(const QString &zeile)
{
    const QString t = zeile.trimmed();
    if (t.startsWith(QLatin1Char(';')))
        return std::nullopt;
    const qsizetype gleichheitszeichen = zeile.indexOf(QLatin1Char('='));
    if (gleichheitszeichen < 0)
        return std::nullopt;
    return zeile.left(gleichheitszeichen).trimmed();
}

QString wertDerZeile(const QString &zeile) { return zeile.mid(zeile.indexOf(QLatin1Char('=')) + 1).trimmed(); }

std::optional<QString> wert(const QString &datei, const QString &abschnitt, const QString &schluessel)
{
    const QList<Zeile> zeilen = lesen(datei).zeilen;
    const qsizetype kopf = findeAbschnitt(zeilen, abschnitt);
    if (kopf < 0)
        return std::nullopt;
    const qsizetype ende = abschnittsEnde(zeilen, kopf);
    for (qsizetype i = kopf + 1; i < ende; ++i) {
        const auto s = schluesselDerZeile(zeilen[i].text);
        if (s && gleich(*s, schluessel))
            return wertDerZeile(zeilen[i].text);
    }
    return std::nullopt;
}

QByteArray alsBytes(const Inhalt &inhalt)
{
    QByteArray daten = inhalt.bom ? Bom : QByteArray();
    for (const Zeile &zeile : inhalt.zeilen) {
        daten += zeile.text.toUtf8();
        daten += zeile.ende.toLatin1();
    }
    return daten;
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
    explicit Aenderung(const QString &datei) : m_datei(datei), m_inhalt(lesen(datei)), m_vorher(alsBytes(m_inhalt)) {}

    Inhalt &inhalt() { return m_inhalt; }

    bool schreiben(QString &fehler)
    {
        if (!m_inhalt.fehler.isEmpty()) {
            fehler = unlesbar(m_inhalt.fehler);
            return false;
        }
        const QByteArray nachher = alsBytes(m_inhalt);
        // An unchanged file is not written again (nor an empty one created).
        if (nachher == m_vorher)
            return true;
        fehler = DateiErsetzen(m_datei, nachher);
        return fehler.isEmpty();
    }

private:
    QString m_datei;
    Inhalt m_inhalt;
    QByteArray m_vorher;
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
    const QList<Zeile> zeilen = lesen(m_datei).zeilen;
    const qsizetype kopf = findeAbschnitt(zeilen, abschnitt);
    if (kopf < 0)
        return eintraege;
    const qsizetype ende = abschnittsEnde(zeilen, kopf);
    for (qsizetype i = kopf + 1; i < ende; ++i)
        if (const auto s = schluesselDerZeile(zeilen[i].text))
            eintraege.append({*s, wertDerZeile(zeilen[i].text)});
    return eintraege;
}

bool Einstellungen::SchreibeText(const QString &abschnitt, const QString &schluessel, const QString &neuerWert)
{
    Aenderung aenderung(m_datei);
    Inhalt &inhalt = aenderung.inhalt();
    QList<Zeile> &zeilen = inhalt.zeilen;
    const QString neueZeile = schluessel + QLatin1Char('=') + neuerWert;
    const qsizetype kopf = findeAbschnitt(zeilen, abschnitt);
    if (kopf < 0) {
        einfuegen(inhalt, zeilen.size(), QLatin1Char('[') + abschnitt + QLatin1Char(']'));
        einfuegen(inhalt, zeilen.size(), neueZeile);
        return aenderung.schreiben(m_fehler);
    }
    const qsizetype ende = abschnittsEnde(zeilen, kopf);
    qsizetype letzteZeile = kopf;
    for (qsizetype i = kopf + 1; i < ende; ++i) {
        const auto s = schluesselDerZeile(zeilen[i].text);
        if (s && gleich(*s, schluessel)) {
            zeilen[i].text = neueZeile;
            return aenderung.schreiben(m_fehler);
        }
        if (!zeilen[i].text.trimmed().isEmpty())
            letzteZeile = i;
    }
    einfuegen(inhalt, letzteZeile + 1, neueZeile);
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
    QList<Zeile> &zeilen = aenderung.inhalt().zeilen;
    const qsizetype kopf = findeAbschnitt(zeilen, abschnitt);
    if (kopf >= 0)
        zeilen.remove(kopf, abschnittsEnde(zeilen, kopf) - kopf);
    return aenderung.schreiben(m_fehler);
}

bool Einstellungen::ErsetzeAbschnitt(const QString &abschnitt, const QList<std::pair<QString, QString>> &eintraege)
{
    Aenderung aenderung(m_datei);
    Inhalt &inhalt = aenderung.inhalt();
    QList<Zeile> &zeilen = inhalt.zeilen;
    qsizetype kopf = findeAbschnitt(zeilen, abschnitt);
    if (kopf < 0) {
        einfuegen(inhalt, zeilen.size(), QLatin1Char('[') + abschnitt + QLatin1Char(']'));
        kopf = zeilen.size() - 1;
    } else {
        zeilen.remove(kopf + 1, abschnittsEnde(zeilen, kopf) - kopf - 1);
    }
    for (qsizetype i = 0; i < eintraege.size(); ++i)
        einfuegen(inhalt, kopf + 1 + i, eintraege[i].first + QLatin1Char('=') + eintraege[i].second);
    return aenderung.schreiben(m_fehler);
}
