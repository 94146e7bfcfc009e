// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/Tabellenformate.h"

#include "model/Dateien.h"
#include "model/Eigendateien.h"
#include "model/Spiel.h"
#include "model/Textdekodierung.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cmath>

void TabelleLeeren(TextTabelle &tabelle)
{
    for (int z = 1; z < tabelle.zeilen(); ++z)
        for (int s = 1; s < tabelle.spalten(); ++s)
            tabelle.setzeZelle(s, z, QString());
}

QStringList TextZerlegen(const QString &text, const QString &trenner)
{
    QStringList stuecke;
    if (text.isEmpty())
        return stuecke;
    if (trenner.isEmpty())
        return {text};
    qsizetype anfang = 0;
    while (anfang < text.size()) {
        const qsizetype stelle = text.indexOf(trenner, anfang);
        if (stelle < 0) {
            stuecke.append(text.mid(anfang));
            break;
        }
        stuecke.append(text.mid(anfang, stelle - anfang));
        anfang = stelle + trenner.size();
    }
    return stuecke;
}

QString CSVFeld(const QString &zelle)
{
    bool quoten = false;
    for (const QChar c : zelle) {
        if (c.unicode() <= 32 || c == QLatin1Char(',') || c == QLatin1Char('"')) {
            quoten = true;
            break;
        }
    }
    if (!quoten)
        return zelle;
    QString feld = zelle;
    feld.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + feld + QLatin1Char('"');
}

int CSVSpaltenanzahl(const TextTabelle &tabelle)
{
    int spalten = 0;
    while (spalten + 1 < tabelle.spalten() && !tabelle.zelle(spalten + 1, 1).isEmpty())
        ++spalten;
    return spalten;
}

QByteArray CSVText(const TextTabelle &tabelle)
{
    const int spalten = CSVSpaltenanzahl(tabelle);
    QString text;
    for (int z = 1; z < tabelle.zeilen(); ++z) {
        for (int s = 1; s <= spalten; ++s) {
            if (s > 1)
                text.append(QLatin1Char(','));
            const QString zelle = tabelle.zelle(s, z);
            // A lone empty field would make an empty line, which a reader skips.
            text.append(spalten == 1 && zelle.isEmpty() ? QStringLiteral("\"\"") : CSVFeld(zelle));
        }
        text.append(QStringLiteral("\r\n"));
    }
    return text.toUtf8();
}

QString CSVSpeichern(const TextTabelle &tabelle, const QString &datei)
{
    if (QString eigene = Eigendateien::pruefen(datei); !eigene.isEmpty())
        return eigene;
    const QString fehler = DateiErsetzen(datei, CSVText(tabelle));
    return fehler.isEmpty() ? QString() : DateiFehlerText(datei, fehler, true);
}

CSVErgebnis CSVEinlesen(TextTabelle &tabelle, const QString &datei, const Importgrenzen &grenzen)
{
    CSVErgebnis ergebnis;
    const QString name = QFileInfo(datei).fileName();
    const Dateiinhalt gelesen = DateiLesen(datei, grenzen.dateigroesse);
    if (gelesen.status != Dateiinhalt::Status::Gelesen && !gelesen.zuGross) {
        const bool fehlt = gelesen.status == Dateiinhalt::Status::Fehlt;
        ergebnis.fehler = DateiFehlerText(datei, fehlt ? SystemfehlerText(ENOENT) : gelesen.fehler, false);
        return ergebnis;
    }
    const QByteArray &bytes = gelesen.daten;
    if (gelesen.zuGross) {
        ergebnis.fehler =
            QStringLiteral(
                "Die Datei \u201E%1\u201C ist mit mehr als %2 MB zu gro\u00DF f\u00FCr eine CSV-Datei mit Tippreihen.")
                .arg(name)
                .arg(grenzen.dateigroesse / (1024 * 1024)) +
            Absatz + QStringLiteral("Ich breche ab.");
        return ergebnis;
    }
    const QString text = TextDekodieren(bytes).text;

    TextTabelle neu = tabelle;
    TabelleLeeren(neu);
    neu.setzeZeilen(2);
    // Line by line through the text: empty lines cost nothing kept, and of a line only the fields
    // the table has columns for are taken, each as far as a field can be long.
    const QStringView rest(text);
    int n = 0;
    qsizetype anfang = 0;
    for (int i = 0; anfang <= rest.size(); ++i) {
        qsizetype ende = rest.indexOf(QLatin1Char('\n'), anfang);
        if (ende < 0)
            ende = rest.size();
        QStringView zeile = rest.mid(anfang, ende - anfang);
        anfang = ende + 1;
        if (zeile.endsWith(QLatin1Char('\r')))
            zeile.chop(1);
        if (zeile.isEmpty() || zeile == QLatin1String("\"\""))
            continue;
        if (zeile.size() > grenzen.zeilenlaenge) {
            ergebnis.fehler =
                QStringLiteral("Die Zeile %1 der Datei \u201E%2\u201C ist l\u00E4nger als %3 Zeichen; so lange "
                               "Zeilen hat keine CSV-Datei mit Tippreihen.")
                    .arg(i + 1)
                    .arg(name)
                    .arg(grenzen.zeilenlaenge) +
                Absatz + QStringLiteral("Ich breche ab.");
            return ergebnis;
        }
        if (n >= grenzen.zeilen) {
            ergebnis.fehler =
                QStringLiteral("Die Datei \u201E%1\u201C hat mehr als %2 Zeilen; so viele Tippreihen kann ich "
                               "nicht einlesen.")
                    .arg(name)
                    .arg(grenzen.zeilen) +
                Absatz + QStringLiteral("Ich breche ab.");
            return ergebnis;
        }
        ++n;
        neu.setzeZeilen(n + 1);
        neu.setzeZelle(0, n, QString::number(n));
        qsizetype von = 0;
        for (int s = 1; s < neu.spalten() && von <= zeile.size(); ++s) {
            qsizetype bis = zeile.indexOf(QLatin1Char(','), von);
            if (bis < 0)
                bis = zeile.size();
            const QStringView stueck = zeile.mid(von, bis - von);
            // No number is longer than a field; a cut text shows that it goes on.
            neu.setzeZelle(s, n, stueck.size() > MaxFeldtext ? stueck.left(MaxFeldtext).toString() + QChar(0x2026)
                                                             : stueck.toString());
            von = bis + 1;
        }
    }
    tabelle = std::move(neu);
    ergebnis.zeilen = n;
    return ergebnis;
}

QString Zellbezug(int zeile, int spalte)
{
    QString buchstaben;
    for (int s = spalte; s > 0; s = (s - 1) / 26)
        buchstaben.prepend(QChar(u'A' + (s - 1) % 26));
    return buchstaben + QString::number(zeile);
}

QString ZahlAlsText(double zahl, const QLocale &locale)
{
    if (!std::isfinite(zahl))
        return QString::number(zahl);
    if (zahl == 0.0)
        return QStringLiteral("0");
    // Rounded to 15 significant digits first, then written out without an exponent.
    const QString e = QString::number(std::fabs(zahl), 'e', 14); // d.dddddddddddddde±XX
    const qsizetype ePos = e.indexOf(QLatin1Char('e'));
    const QString ziffern = e.left(1) + e.mid(2, ePos - 2);
    const int exponent = e.mid(ePos + 1).toInt();
    QString ganz;
    QString bruch;
    if (exponent >= 14) {
        ganz = ziffern + QString(exponent - 14, QLatin1Char('0'));
    } else if (exponent >= 0) {
        ganz = ziffern.left(exponent + 1);
        bruch = ziffern.mid(exponent + 1);
    } else {
        ganz = QStringLiteral("0");
        bruch = QString(-exponent - 1, QLatin1Char('0')) + ziffern;
    }
    while (bruch.endsWith(QLatin1Char('0')))
        bruch.chop(1);
    QString text = zahl < 0 ? QStringLiteral("-") + ganz : ganz;
    if (!bruch.isEmpty())
        text += locale.decimalPoint() + bruch;
    return text;
}
