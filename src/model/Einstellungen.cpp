#include "model/Einstellungen.h"

#include "model/Dateien.h"

#include <QFile>
#include <QStringList>

#include <optional>

namespace {

struct Inhalt
{
    QStringList zeilen;
    QString zeilenende = QStringLiteral("\n");
};

Inhalt lesen(const QString &datei)
{
    Inhalt inhalt;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return inhalt;
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (text.contains(QLatin1String("\r\n")))
        inhalt.zeilenende = QStringLiteral("\r\n");
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    inhalt.zeilen = text.split(QLatin1Char('\n'));
    if (!inhalt.zeilen.isEmpty() && inhalt.zeilen.last().isEmpty())
        inhalt.zeilen.removeLast(); // the line break after the last line
    return inhalt;
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
qsizetype findeAbschnitt(const QStringList &zeilen, const QString &abschnitt)
{
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const auto name = abschnittsname(zeilen[i]);
        if (name && gleich(*name, abschnitt))
            return i;
    }
    return -1;
}

// One past the last line of the section that starts at `kopf`.
qsizetype abschnittsEnde(const QStringList &zeilen, qsizetype kopf)
{
    qsizetype i = kopf + 1;
    while (i < zeilen.size() && !abschnittsname(zeilen[i]))
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

std::optional<QString> wert(const QString &datei, const QString &abschnitt, const QString &schluessel)
{
    const QStringList zeilen = lesen(datei).zeilen;
    const qsizetype kopf = findeAbschnitt(zeilen, abschnitt);
    if (kopf < 0)
        return std::nullopt;
    const qsizetype ende = abschnittsEnde(zeilen, kopf);
    for (qsizetype i = kopf + 1; i < ende; ++i) {
        const auto s = schluesselDerZeile(zeilen[i]);
        if (s && gleich(*s, schluessel))
            return zeilen[i].mid(zeilen[i].indexOf(QLatin1Char('=')) + 1).trimmed();
    }
    return std::nullopt;
}

bool schreiben(const QString &datei, const Inhalt &inhalt, QString &fehler)
{
    QByteArray daten;
    for (const QString &zeile : inhalt.zeilen) {
        daten += zeile.toUtf8();
        daten += inhalt.zeilenende.toLatin1();
    }
    fehler = DateiErsetzen(datei, daten);
    return fehler.isEmpty();
}

} // namespace

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

bool Einstellungen::SchreibeText(const QString &abschnitt, const QString &schluessel, const QString &neuerWert)
{
    Inhalt inhalt = lesen(m_datei);
    QStringList &zeilen = inhalt.zeilen;
    const QString neueZeile = schluessel + QLatin1Char('=') + neuerWert;
    const qsizetype kopf = findeAbschnitt(zeilen, abschnitt);
    if (kopf < 0) {
        zeilen << QLatin1Char('[') + abschnitt + QLatin1Char(']') << neueZeile;
        return schreiben(m_datei, inhalt, m_fehler);
    }
    const qsizetype ende = abschnittsEnde(zeilen, kopf);
    qsizetype letzteZeile = kopf;
    for (qsizetype i = kopf + 1; i < ende; ++i) {
        const auto s = schluesselDerZeile(zeilen[i]);
        if (s && gleich(*s, schluessel)) {
            zeilen[i] = neueZeile;
            return schreiben(m_datei, inhalt, m_fehler);
        }
        if (!zeilen[i].trimmed().isEmpty())
            letzteZeile = i;
    }
    zeilen.insert(letzteZeile + 1, neueZeile);
    return schreiben(m_datei, inhalt, m_fehler);
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
    Inhalt inhalt = lesen(m_datei);
    const qsizetype kopf = findeAbschnitt(inhalt.zeilen, abschnitt);
    if (kopf < 0)
        return true;
    const qsizetype ende = abschnittsEnde(inhalt.zeilen, kopf);
    inhalt.zeilen.remove(kopf, ende - kopf);
    return schreiben(m_datei, inhalt, m_fehler);
}
