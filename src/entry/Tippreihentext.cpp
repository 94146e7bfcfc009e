// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/Tippreihentext.h"

#include "model/Spiel.h"

#include <limits>

namespace {

constexpr QChar Blank = QLatin1Char(' ');
constexpr QChar Komma = QLatin1Char(',');
constexpr QChar Tab = QLatin1Char('\t');
constexpr QChar Geschuetzt = QChar(0x00A0); // non-breaking space, as spreadsheets put before numbers

// White space is every code up to the blank; the non-breaking space is not white space here,
// it has its own rules below.
bool istWeiss(QChar c)
{
    return c.unicode() <= 32;
}

QString weissGestutzt(const QString &zeile)
{
    qsizetype anfang = 0;
    qsizetype ende = zeile.size();
    while (anfang < ende && istWeiss(zeile[anfang]))
        ++anfang;
    while (ende > anfang && istWeiss(zeile[ende - 1]))
        --ende;
    return zeile.mid(anfang, ende - anfang);
}

QStringList gestutztOhneLeere(const QStringList &zeilen)
{
    QStringList ergebnis;
    ergebnis.reserve(zeilen.size());
    for (const QString &z : zeilen) {
        QString t = weissGestutzt(z);
        if (!t.isEmpty())
            ergebnis.append(std::move(t));
    }
    return ergebnis;
}

void feldbezeichnungenEntfernen(QStringList &zeilen)
{
    const QString &erste = zeilen.constFirst();
    QString endung;
    if (erste.contains(QStringLiteral("Feld 1:\t")))
        endung = QStringLiteral(":\t");
    else if (erste.contains(QStringLiteral("Feld 1:")))
        endung = QStringLiteral(":");
    else if (erste.contains(QStringLiteral("Feld 1\t")))
        endung = QStringLiteral("\t");

    // The counter counts only lines that name a field, whatever number the e-mail gave them.
    int zaehler = 0;
    for (QString &z : zeilen) {
        if (!z.contains(QStringLiteral("Feld")))
            continue;
        ++zaehler;
        z.remove(QStringLiteral("Feld ") + QString::number(zaehler) + endung);
    }
    zeilen = gestutztOhneLeere(zeilen);
    for (QString &z : zeilen)
        z.replace(Tab, Komma);
}

void blankfolgenZusammenfassen(QString &zeile)
{
    QString ergebnis;
    ergebnis.reserve(zeile.size());
    for (const QChar c : zeile) {
        if (c == Blank && !ergebnis.isEmpty() && ergebnis.back() == Blank)
            continue;
        ergebnis.append(c);
    }
    zeile = std::move(ergebnis);
}

QString bereichsmeldungSchluss()
{
    return Absatz + QStringLiteral("Ich breche erst einmal ab.");
}

QString meldungKommata(int zeile)
{
    return QStringLiteral("In Zeile %1 kann ich keine sechs Zahlen ausmachen.").arg(zeile) + Absatz +
           QStringLiteral("Bitte geben Sie Ihre f\u00FCnf Tippzahlen aus dem Wertebereich 1 bis 49 jeweils mit "
                          "Zusatzzahl zeilenweise, jeweils durch Kommata getrennt ein.") +
           bereichsmeldungSchluss();
}

QString meldungKeineZahl(const QString &feld)
{
    return QStringLiteral("'%1' ist kein g\u00FCltiger Integerwert").arg(feld);
}

QString meldungTippzahl(int zeile, int position, int wert)
{
    return QStringLiteral("In Zeile %1 ist die %2. Zahl, die %3, keine g\u00FCltige Tippzahl.")
               .arg(zeile)
               .arg(position)
               .arg(wert) +
           Absatz + QStringLiteral("Die f\u00FCnf Tippzahlen sind aus der Zahlenreihe 1 bis 49 zu w\u00E4hlen.") +
           bereichsmeldungSchluss();
}

QString meldungZusatzzahl(int zeile)
{
    return QStringLiteral("In Zeile %1 ist die letzte Zahl keine g\u00FCltige ").arg(zeile) + Absatz +
           QStringLiteral("Zusatzzahl aus dem Wertebereich von 1 bis 10.") + bereichsmeldungSchluss();
}

QString meldungGleich(int zeile, int erste, int zweite)
{
    return QStringLiteral("In Zeile %1 ist die %2. und die %3. Zahl gleich.").arg(zeile).arg(erste).arg(zweite) +
           Absatz +
           QStringLiteral("Bitte w\u00E4hlen Sie f\u00FCnf verschiedene Tippzahlen aus der Zahlenreihe 1 bis 49.") +
           bereichsmeldungSchluss();
}

int ziffernwert(QChar c, int basis)
{
    const char16_t u = c.unicode();
    int wert = -1;
    if (u >= u'0' && u <= u'9')
        wert = u - u'0';
    else if (u >= u'a' && u <= u'f')
        wert = 10 + (u - u'a');
    else if (u >= u'A' && u <= u'F')
        wert = 10 + (u - u'A');
    return wert < basis ? wert : -1;
}

} // namespace

const QString Leerzeichenfrage =
    QStringLiteral("Dienen die Leerzeichen der Trennung der Zahlen?") + Absatz +
    QStringLiteral("Wenn Sie mit \"Nein\" antworten, sind sie \u00FCberfl\u00FCssig und werden gel\u00F6scht.") +
    Absatz + QStringLiteral("Wenn Sie mit \"Ja\" antworten, werden die Leerzeichen in Kommata umgewandelt.");

int ZeichenAnzahl(QChar zeichen, const QString &text)
{
    return static_cast<int>(text.count(zeichen));
}

QStringList TextAufbereiten(QStringList zeilen, const std::function<Leerzeichenantwort()> &frage)
{
    zeilen = gestutztOhneLeere(zeilen);
    if (!zeilen.isEmpty() && zeilen.constFirst().contains(QStringLiteral("Feld")))
        feldbezeichnungenEntfernen(zeilen);

    bool blankUebrig = false;
    for (QString &z : zeilen) {
        blankfolgenZusammenfassen(z);
        // Each replacement runs once from left to right over what the previous one left.
        z.replace(QLatin1Char(';'), Komma);
        z.replace(QStringLiteral(" ,"), QStringLiteral(","));
        z.replace(QStringLiteral(", "), QStringLiteral(","));
        z.replace(QString(Geschuetzt) + Komma, QStringLiteral(","));
        z.replace(QString(Komma) + Geschuetzt, QStringLiteral(","));
        z.replace(QStringLiteral(",,"), QStringLiteral(","));
        blankUebrig = blankUebrig || z.contains(Blank);
    }

    if (blankUebrig) {
        switch (frage()) {
        case Leerzeichenantwort::Ja:
            for (QString &z : zeilen)
                z.replace(Blank, Komma);
            break;
        case Leerzeichenantwort::Nein:
            for (QString &z : zeilen)
                z.remove(Blank);
            break;
        case Leerzeichenantwort::Abbrechen:
            return zeilen;
        }
    }

    for (QString &z : zeilen) {
        if (z.startsWith(Geschuetzt))
            z.remove(Geschuetzt);
        if (z.endsWith(Komma))
            z.chop(1);
    }
    return zeilen;
}

QStringList FelderZerlegen(const QString &zeile)
{
    QStringList felder;
    const qsizetype n = zeile.size();
    if (n == 0)
        return felder;
    qsizetype i = 0;
    while (true) {
        if (i < n && zeile[i] == QLatin1Char('"')) {
            QString feld;
            ++i;
            while (i < n) {
                if (zeile[i] == QLatin1Char('"')) {
                    if (i + 1 < n && zeile[i + 1] == QLatin1Char('"')) {
                        feld.append(QLatin1Char('"'));
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                feld.append(zeile[i++]);
            }
            felder.append(feld);
            // Text after the closing quote, before the next comma, is a field of its own.
            if (i < n && zeile[i] == Komma)
                ++i;
            else if (i >= n)
                break;
            continue;
        }
        const qsizetype komma = zeile.indexOf(Komma, i);
        if (komma < 0) {
            felder.append(zeile.mid(i));
            break;
        }
        felder.append(zeile.mid(i, komma - i));
        i = komma + 1;
    }
    return felder;
}

std::optional<int> GanzeZahlLesen(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == Blank)
        ++i;
    bool negativ = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negativ = text[i] == QLatin1Char('-');
        ++i;
    }
    int basis = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        basis = 16;
        ++i;
    } else if (i < n && (text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'))) {
        basis = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        basis = 16;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;
    // The magnitude may reach 2^31 only for a negative number.
    const qint64 grenze = negativ ? qint64(std::numeric_limits<int>::max()) + 1 : std::numeric_limits<int>::max();
    qint64 wert = 0;
    for (; i < n; ++i) {
        const int ziffer = ziffernwert(text[i], basis);
        if (ziffer < 0)
            return std::nullopt;
        wert = wert * basis + ziffer;
        if (wert > grenze)
            return std::nullopt;
    }
    return static_cast<int>(negativ ? -wert : wert);
}

Reihenpruefung ReihenPruefen(const QStringList &zeilen)
{
    Reihenpruefung ergebnis;
    const auto fehler = [&ergebnis](QString text) {
        ergebnis.fehler = std::move(text);
        return ergebnis;
    };

    for (int z = 0; z < zeilen.size(); ++z) {
        if (ZeichenAnzahl(Komma, zeilen[z]) != 5)
            return fehler(meldungKommata(z + 1));
    }

    QVector<GepruefteReihe> reihen;
    reihen.reserve(zeilen.size());
    for (int z = 0; z < zeilen.size(); ++z) {
        const QStringList felder = FelderZerlegen(zeilen[z]);
        GepruefteReihe reihe{};
        for (int f = 0; f < felder.size(); ++f) {
            const std::optional<int> wert = GanzeZahlLesen(felder[f]);
            if (!wert)
                return fehler(meldungKeineZahl(felder[f]));
            if (f < 6)
                reihe[static_cast<std::size_t>(f)] = *wert;
        }
        // A row holds six numbers: quotes that split a line into more fields leave it unclear
        // which six were meant.
        if (felder.size() > 6)
            return fehler(meldungKommata(z + 1));
        reihen.append(reihe);
    }

    for (int z = 0; z < reihen.size(); ++z) {
        const GepruefteReihe &r = reihen[z];
        for (int p = 0; p < ZahlenProReihe; ++p) {
            if (!istZahl(r[static_cast<std::size_t>(p)]))
                return fehler(meldungTippzahl(z + 1, p + 1, r[static_cast<std::size_t>(p)]));
        }
        if (!istZusatzzahl(r[5]))
            return fehler(meldungZusatzzahl(z + 1));
    }

    for (int z = 0; z < reihen.size(); ++z) {
        const GepruefteReihe &r = reihen[z];
        for (int a = 0; a < ZahlenProReihe; ++a)
            for (int b = a + 1; b < ZahlenProReihe; ++b)
                if (r[static_cast<std::size_t>(a)] == r[static_cast<std::size_t>(b)])
                    return fehler(meldungGleich(z + 1, a + 1, b + 1));
    }

    ergebnis.reihen = std::move(reihen);
    return ergebnis;
}
