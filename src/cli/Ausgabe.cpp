// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Ausgabe.h"

#include "model/Dateien.h"
#include "model/Datum.h"
#include "model/Einstellungen.h"
#include "model/Spiel.h"
#include "model/Ziehungsdatei.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cstdio>

namespace {
bool ausgabeSchreiben(std::FILE *ziel, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    const auto laenge = static_cast<std::size_t>(bytes.size());
    const bool ganz = std::fwrite(bytes.constData(), 1, laenge, ziel) == laenge;
    return std::fflush(ziel) == 0 && ganz && std::ferror(ziel) == 0;
}
} // namespace

bool Ausgeben(const QString &text)
{
    return ausgabeSchreiben(stdout, text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n'));
}

bool JsonAusgeben(const QJsonObject &objekt)
{
    return ausgabeSchreiben(stdout, QString::fromUtf8(QJsonDocument(objekt).toJson(QJsonDocument::Indented)));
}

int Ablehnen(const QString &meldung)
{
    ausgabeSchreiben(stderr, QStringLiteral("quintaro-analyser-cli: ") + meldung + QLatin1Char('\n'));
    return 1;
}

int Falschaufruf(const QString &meldung)
{
    ausgabeSchreiben(stderr,
                     QStringLiteral("quintaro-analyser-cli: ") + meldung + QLatin1Char('\n') +
                         QStringLiteral("Eine \u00DCbersicht gibt \u201Equintaro-analyser-cli --help\u201C.\n"));
    return 2;
}

Ausgabestrom::Ausgabestrom(std::FILE *ziel)
    : m_ziel(ziel), m_puffer(new char[Blockgroesse]), m_frei(m_puffer.get()), m_ende(m_puffer.get() + Blockgroesse)
{
}

Ausgabestrom::~Ausgabestrom()
{
    leeren();
}

void Ausgabestrom::leeren()
{
    const auto laenge = static_cast<std::size_t>(m_frei - m_puffer.get());
    // After the first failure nothing more is tried: the command ends with a message anyway.
    if (laenge > 0 && !m_fehler && std::fwrite(m_puffer.get(), 1, laenge, m_ziel) != laenge)
        m_fehler = true;
    m_frei = m_puffer.get();
}

void Ausgabestrom::schreibeLang(const char *daten, std::size_t laenge)
{
    while (laenge > 0) {
        if (m_frei == m_ende)
            leeren();
        const std::size_t stueck = std::min(laenge, static_cast<std::size_t>(m_ende - m_frei));
        std::memcpy(m_frei, daten, stueck);
        m_frei += stueck;
        daten += stueck;
        laenge -= stueck;
    }
}

void Ausgabestrom::leerzeichen(std::size_t anzahl)
{
    while (anzahl > 0) {
        if (m_frei == m_ende)
            leeren();
        const std::size_t stueck = std::min(anzahl, static_cast<std::size_t>(m_ende - m_frei));
        std::memset(m_frei, ' ', stueck);
        m_frei += stueck;
        anzahl -= stueck;
    }
}

void Ausgabestrom::zahl(qint64 wert, int breite)
{
    char ziffern[24];
    int n = 0;
    const bool negativ = wert < 0;
    quint64 rest = negativ ? 0 - static_cast<quint64>(wert) : static_cast<quint64>(wert);
    do {
        ziffern[n++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (negativ)
        ziffern[n++] = '-';
    if (breite > n)
        leerzeichen(static_cast<std::size_t>(breite - n));
    char *ziel = platz(static_cast<std::size_t>(n));
    while (n > 0)
        *ziel++ = ziffern[--n];
    weiter(ziel);
}

bool Ausgabestrom::beenden()
{
    leeren();
    if (std::fflush(m_ziel) != 0 || std::ferror(m_ziel) != 0)
        m_fehler = true;
    return !m_fehler;
}

int AusgabeFehlgeschlagen()
{
    return Ablehnen(QStringLiteral("Die Ausgabe konnte nicht vollst\u00E4ndig geschrieben werden."));
}

QString Spaltensatz::zeile(const QStringList &zellen) const
{
    QString z;
    for (qsizetype c = 0; c < breiten.size(); ++c) {
        const QString zelle = zellen.value(c);
        const bool r = c < rechts.size() && rechts[c];
        z += r ? zelle.rightJustified(breiten[c]) : zelle.leftJustified(breiten[c]);
        if (c + 1 < breiten.size())
            z += QStringLiteral("  ");
    }
    while (z.endsWith(QLatin1Char(' ')))
        z.chop(1);
    return z + QLatin1Char('\n');
}

QString Textspalten(const QStringList &kopf, const QVector<QStringList> &zeilen, const QVector<bool> &rechts)
{
    Spaltensatz satz{QVector<qsizetype>(kopf.size()), rechts};
    for (qsizetype c = 0; c < kopf.size(); ++c)
        satz.breiten[c] = kopf[c].size();
    for (const QStringList &z : zeilen)
        for (qsizetype c = 0; c < z.size() && c < satz.breiten.size(); ++c)
            satz.breiten[c] = std::max(satz.breiten[c], z[c].size());
    QString text = satz.zeile(kopf);
    for (const QStringList &z : zeilen)
        text += satz.zeile(z);
    return text;
}

QByteArray JsonText(const QJsonValue &wert, int ebene)
{
    // Qt writes a value only inside a document: as the one element of a list it stands at depth 1,
    // between "[\n    " and "\n]\n".
    const QByteArray liste = QJsonDocument(QJsonArray{wert}).toJson(QJsonDocument::Indented);
    QByteArray text = liste.mid(6, liste.size() - 6 - 3);
    if (ebene > 1)
        text.replace('\n', QByteArray("\n") + QByteArray(4 * (ebene - 1), ' '));
    return text;
}

JsonStrom::JsonStrom(Ausgabestrom &aus) : m_aus(aus)
{
    m_aus.schreibe('{');
    m_offen.push_back({'}', true});
}

void JsonStrom::elementAnfangen()
{
    Ebene &ebene = m_offen.back();
    if (!ebene.leer)
        m_aus.schreibe(',');
    ebene.leer = false;
    m_aus.schreibe('\n');
    m_aus.leerzeichen(static_cast<std::size_t>(4 * tiefe()));
}

void JsonStrom::oeffnen(const QString &schluessel, char klammer)
{
    elementAnfangen();
    if (m_offen.back().schluss == '}')
        m_aus.schreibe(JsonText(schluessel, 1) + QByteArrayLiteral(": "));
    m_aus.schreibe(klammer);
    m_offen.push_back({klammer == '{' ? '}' : ']', true});
}

void JsonStrom::wert(const QString &schluessel, const QJsonValue &wert)
{
    elementAnfangen();
    if (m_offen.back().schluss == '}')
        m_aus.schreibe(JsonText(schluessel, 1) + QByteArrayLiteral(": "));
    m_aus.schreibe(JsonText(wert, tiefe()));
}

void JsonStrom::objektAnfangen(const QString &schluessel)
{
    oeffnen(schluessel, '{');
}

void JsonStrom::listeAnfangen(const QString &schluessel)
{
    oeffnen(schluessel, '[');
}

void JsonStrom::beenden()
{
    if (m_offen.empty())
        return;
    const char schluss = m_offen.back().schluss;
    m_offen.pop_back();
    // Qt breaks the line after the opening bracket even of an empty object or list.
    m_aus.schreibe('\n');
    m_aus.leerzeichen(static_cast<std::size_t>(4 * tiefe()));
    m_aus.schreibe(schluss);
    if (m_offen.empty())
        m_aus.schreibe('\n');
}

const QLocale &Textformat()
{
    static const QLocale deutsch(QLocale::German, QLocale::Germany);
    return deutsch;
}

QString IsoDatum(double tage)
{
    return Datum::zuDatum(tage).toString(Qt::ISODate);
}

Historie HistorieLesen(const QString &datenordner)
{
    const QString datei = datenordner + Dateinamen::Gewinnreihen;
    Ladeergebnis geladen = GZEinlesen(datei);
    Historie h;
    if (geladen.status == Ladestatus::Fehler)
        h.fehler = DateiFehlerText(datei, geladen.fehler, false);
    else
        h.ziehungen = std::move(geladen.ziehungen);
    return h;
}

Zeitraum ZeitraumWaehlen(const QVector<TGewZahlen> &ziehungen, const std::optional<QDate> &von,
                         const std::optional<QDate> &bis, bool bereich, const QLocale &locale)
{
    Zeitraum z;
    const int anzahl = static_cast<int>(ziehungen.size());
    if (anzahl == 0) {
        z.fehler = QStringLiteral("Es sind keine Gewinnreihen vorhanden.");
        return z;
    }
    z.bis = anzahl - 1;
    if (bis) {
        const double grenze = Datum::ausDatum(*bis);
        while (z.bis >= 0 && ziehungen[z.bis].datum > grenze)
            --z.bis;
    }
    z.von = (von || bereich) ? 0 : z.bis;
    if (von) {
        const double grenze = Datum::ausDatum(*von);
        while (z.von < anzahl && ziehungen[z.von].datum < grenze)
            ++z.von;
    }
    if (z.bis < 0 || z.von > z.bis) {
        QString beschreibung;
        if (von && bis)
            beschreibung =
                QStringLiteral("vom %1 bis zum %2").arg(Datum::kurz(*von, locale), Datum::kurz(*bis, locale));
        else if (von)
            beschreibung = QStringLiteral("ab dem %1").arg(Datum::kurz(*von, locale));
        else
            beschreibung = QStringLiteral("bis zum %1").arg(Datum::kurz(*bis, locale));
        z.fehler = QStringLiteral("Im Zeitraum %1 liegt keine Ziehung.").arg(beschreibung);
    }
    return z;
}

float ReihenpreisLesen(const QString &datenordner, const QLocale &locale)
{
    const Einstellungen einstellungen(datenordner + Dateinamen::Einstellungen);
    if (!einstellungen.EinstellungenDa())
        return 2.0F;
    bool ok = false;
    const double preis = locale.toDouble(
        einstellungen.LeseText(QStringLiteral("Abrechnung"), QStringLiteral("Preis"), QString()).trimmed(), &ok);
    // Old files held the price in cents; anything unusable keeps 2,00, as in the program.
    if (!ok || preis == 200.0 || !(preis > 0.0 && preis < 1.0e6))
        return 2.0F;
    return static_cast<float>(preis);
}
