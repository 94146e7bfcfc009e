// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/Mappenleser.h"
#include "entry/XlsAntwort.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QtEndian>

#include <cstring>

// freexl reads damaged files out of bounds, so it runs in a child process of its own
// (xlsleser/main.cpp); this side starts it, reads its answer and judges how it ended.

namespace {

QString &gesetztesProgramm()
{
    static QString programm;
    return programm;
}

int restzeit(const QDeadlineTimer &frist)
{
    return static_cast<int>(std::max<qint64>(frist.remainingTime(), 0));
}

QString sekunden(int millisekunden)
{
    const int s = std::max((millisekunden + 999) / 1000, 1);
    return s == 1 ? QStringLiteral("1 Sekunde") : QStringLiteral("%1 Sekunden").arg(s);
}

// The records of the helper's answer, taken as they arrive.
class Antwortleser
{
public:
    enum class Stand { Weiter, Ende, Abbruch };

    Antwortleser(Mappenergebnis &inhalt, const QLocale &locale, const Importgrenzen &grenzen, Zeilenziel &ziel,
                 const QString &helfer)
        : m_inhalt(inhalt), m_locale(locale), m_sammler(ziel, grenzen, m_fehler), m_helfer(helfer)
    {
    }

    Stand stand() const { return m_stand; }
    // Why the helper could not read the workbook, as it said; empty when it could.
    const QString &meldung() const { return m_meldung; }

    // Abbruch, with the message in the contents, when the bytes are no answer or a cell lies
    // beyond a limit.
    void nimm(const QByteArray &bytes)
    {
        m_puffer.append(bytes);
        qsizetype pos = 0;
        while (m_stand == Stand::Weiter) {
            const qsizetype laenge = satz(pos);
            if (laenge == 0)
                break;
            pos += laenge;
        }
        m_puffer.remove(0, pos);
        if (m_stand == Stand::Ende && !m_puffer.isEmpty())
            unverstaendlich();
        if (m_stand == Stand::Ende)
            m_sammler.zeileBeenden();
    }

    void unverstaendlich()
    {
        m_inhalt.fehler =
            QStringLiteral("Das Hilfsprogramm \u201E%1\u201C hat eine unverst\u00E4ndliche Antwort gegeben.")
                .arg(m_helfer);
        m_stand = Stand::Abbruch;
    }

private:
    quint32 zahl(qsizetype pos) const { return qFromLittleEndian<quint32>(m_puffer.constData() + pos); }

    // The length of the record at `pos`; 0 when it is incomplete or ends the reading.
    qsizetype satz(qsizetype pos)
    {
        const qsizetype da = m_puffer.size() - pos;
        if (!m_kennungGelesen) {
            if (da < qsizetype(sizeof XlsAntwort::Kennung))
                return 0;
            if (std::memcmp(m_puffer.constData() + pos, XlsAntwort::Kennung, sizeof XlsAntwort::Kennung) != 0) {
                unverstaendlich();
                return 0;
            }
            m_kennungGelesen = true;
            return sizeof XlsAntwort::Kennung;
        }
        if (da < 1)
            return 0;
        const char art = m_puffer[pos];
        // After the workbook's error only the end may follow.
        if (!m_meldung.isEmpty() && art != XlsAntwort::Ende) {
            unverstaendlich();
            return 0;
        }
        switch (art) {
        case XlsAntwort::Text: {
            if (da < 5)
                return 0;
            const quint32 laenge = zahl(pos + 1);
            // Each text comes just before its first cell.
            if (laenge > XlsAntwort::MaxXlsTextBytes || m_texte.size() > m_zellen) {
                unverstaendlich();
                return 0;
            }
            if (da < 5 + qsizetype(laenge))
                return 0;
            // A field is short: only its first characters are decoded.
            const qsizetype bytes = std::min<qsizetype>(laenge, 4 * (MaxFeldtext + 1));
            Feldtext feld;
            feld.anhaengen(QString::fromUtf8(m_puffer.constData() + pos + 5, bytes));
            if (bytes < qsizetype(laenge) && !feld.zuLang())
                feld.anhaengen(QChar(u' '), MaxFeldtext + 1);
            m_texte.append({0, feld.text(), feld.zuLang()});
            return 5 + laenge;
        }
        case XlsAntwort::Blatt: {
            if (da < 5)
                return 0;
            const quint32 laenge = zahl(pos + 1);
            if (laenge > 1024 || m_zellen > 0 || !m_inhalt.blatt.isEmpty()) {
                unverstaendlich();
                return 0;
            }
            if (da < 5 + qsizetype(laenge))
                return 0;
            m_inhalt.blatt = QString::fromUtf8(m_puffer.constData() + pos + 5, laenge);
            return 5 + laenge;
        }
        case XlsAntwort::Ganzzahl:
        case XlsAntwort::Zahl:
        case XlsAntwort::Textzelle: {
            const qsizetype laenge = art == XlsAntwort::Zahl ? 17 : 13;
            if (da < laenge)
                return 0;
            const quint32 zeile = zahl(pos + 1);
            const quint32 spalte = zahl(pos + 5);
            QString text;
            bool zuLang = false;
            if (art == XlsAntwort::Ganzzahl) {
                text = QString::number(static_cast<qint32>(zahl(pos + 9)));
            } else if (art == XlsAntwort::Zahl) {
                const quint64 bits = qFromLittleEndian<quint64>(m_puffer.constData() + pos + 9);
                double wert = 0;
                std::memcpy(&wert, &bits, sizeof wert);
                text = ZahlAlsText(wert, m_locale);
            } else if (zahl(pos + 9) < quint32(m_texte.size())) {
                text = m_texte[zahl(pos + 9)].text;
                zuLang = m_texte[zahl(pos + 9)].zuLang;
            }
            // Cells come row by row, each row's from left to right.
            if (zeile == 0 || spalte == 0 || text.isEmpty() || zeile < m_zeile ||
                (zeile == m_zeile && spalte <= m_spalte)) {
                unverstaendlich();
                return 0;
            }
            ++m_zellen;
            if ((zeile != m_zeile && !m_sammler.zeileBeginnen(zeile)) || !m_sammler.zelle(spalte, text, zuLang)) {
                m_inhalt.fehler = m_fehler;
                m_stand = Stand::Abbruch;
                return 0;
            }
            m_zeile = zeile;
            m_spalte = spalte;
            return laenge;
        }
        case XlsAntwort::Formel:
            if (da < 9)
                return 0;
            if (zahl(pos + 1) == 0 || zahl(pos + 5) == 0 || zahl(pos + 5) > 256 || zahl(pos + 1) > 65536) {
                unverstaendlich();
                return 0;
            }
            m_meldung = QStringLiteral("Die Zelle %1 der ersten Tabelle enth\u00E4lt eine Formel. Die Ergebnisse von "
                                       "Formeln kann ich in einer .xls-Datei nicht lesen; bitte speichern Sie die "
                                       "Arbeitsmappe im Tabellenprogramm als .xlsx-Datei und lesen Sie diese ein.")
                            .arg(Zellbezug(static_cast<int>(zahl(pos + 1)), static_cast<int>(zahl(pos + 5))));
            return 9;
        case XlsAntwort::Fehler:
            if (da < 9)
                return 0;
            m_meldung = fehlertext(static_cast<qint32>(zahl(pos + 1)), static_cast<qint32>(zahl(pos + 5)));
            if (m_meldung.isEmpty()) {
                unverstaendlich();
                return 0;
            }
            return 9;
        case XlsAntwort::Ende:
            m_stand = Stand::Ende;
            return 1;
        default:
            unverstaendlich();
            return 0;
        }
    }

    static QString fehlertext(qint32 art, qint32 code)
    {
        switch (art) {
        case XlsAntwort::Oeffnen:
            return QStringLiteral("Die Datei ist keine lesbare Excel-Arbeitsmappe (Fehler %1 beim \u00D6ffnen).")
                .arg(code);
        case XlsAntwort::Kennwort:
            return QStringLiteral("Die Arbeitsmappe ist mit einem Kennwort gesch\u00FCtzt.");
        case XlsAntwort::KeineTabelle:
            return QStringLiteral("Die Arbeitsmappe enth\u00E4lt keine Tabelle.");
        case XlsAntwort::Groesse:
            return QStringLiteral("Die Gr\u00F6\u00DFe der ersten Tabelle ist nicht lesbar.");
        default:
            return QString();
        }
    }

    Mappenergebnis &m_inhalt;
    const QLocale &m_locale;
    QString m_fehler;
    Zeilensammler m_sammler;
    const QString m_helfer;
    QByteArray m_puffer;
    QVector<Mappenzelle> m_texte;
    qsizetype m_zellen = 0;
    quint32 m_zeile = 0;
    quint32 m_spalte = 0;
    QString m_meldung;
    bool m_kennungGelesen = false;
    Stand m_stand = Stand::Weiter;
};

} // namespace

QString XlsLeserProgramm()
{
    if (!gesetztesProgramm().isEmpty())
        return gesetztesProgramm();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/quintaro-xls-leser");
}

void XlsLeserProgrammSetzen(const QString &programm)
{
    gesetztesProgramm() = programm;
}

Mappenergebnis XlsLesen(const QString &pfad, const QLocale &locale, const Importgrenzen &grenzen, Zeilenziel &ziel)
{
    Mappenergebnis inhalt;
    const QString programm = XlsLeserProgramm();
    const QString name = QFileInfo(programm).fileName();
    if (!QFileInfo(programm).isFile()) {
        inhalt.fehler = QStringLiteral("Das Hilfsprogramm \u201E%1\u201C, das .xls-Dateien liest, fehlt. Bitte "
                                       "installieren Sie Quintaro Analyser neu.")
                            .arg(QDir::toNativeSeparators(programm));
        return inhalt;
    }

    QProcess helfer;
    helfer.setStandardInputFile(QProcess::nullDevice());
    // What it may print is of no use to the user; how it ended tells what went wrong.
    helfer.setStandardErrorFile(QProcess::nullDevice());
    const QDeadlineTimer frist(grenzen.xlsFrist);
    helfer.start(
        programm,
        {pfad, QString::number(grenzen.zeilen), QString::number(grenzen.spalten), QString::number(grenzen.zellen)},
        QIODevice::ReadOnly);
    if (!helfer.waitForStarted(restzeit(frist))) {
        inhalt.fehler = QStringLiteral("Das Hilfsprogramm \u201E%1\u201C lie\u00DF sich nicht starten (%2).")
                            .arg(QDir::toNativeSeparators(programm), helfer.errorString());
        helfer.kill();
        helfer.waitForFinished();
        return inhalt;
    }

    Antwortleser leser(inhalt, locale, grenzen, ziel, name);
    qint64 gelesen = 0;
    while (leser.stand() == Antwortleser::Stand::Weiter) {
        if (helfer.bytesAvailable() == 0) {
            if (helfer.state() == QProcess::NotRunning || frist.hasExpired())
                break;
            // False when no more output comes: then only its end is left to wait for.
            if (!helfer.waitForReadyRead(restzeit(frist)))
                helfer.waitForFinished(restzeit(frist));
            continue;
        }
        const QByteArray stueck = helfer.readAll();
        gelesen += stueck.size();
        if (gelesen > grenzen.xmlGroesse) {
            inhalt.fehler =
                QStringLiteral("Die Antwort des Hilfsprogramms \u201E%1\u201C ist gr\u00F6\u00DFer als %2 MB.")
                    .arg(name)
                    .arg(grenzen.xmlGroesse / (1024 * 1024));
            break;
        }
        leser.nimm(stueck);
    }
    if (leser.stand() == Antwortleser::Stand::Ende)
        helfer.waitForFinished(restzeit(frist));
    if (helfer.state() != QProcess::NotRunning) {
        helfer.kill();
        helfer.waitForFinished();
        if (inhalt.fehler.isEmpty())
            inhalt.fehler = QStringLiteral("Das Lesen hat l\u00E4nger als %1 gedauert; ich habe es abgebrochen. Die "
                                           "Datei ist vermutlich besch\u00E4digt.")
                                .arg(sekunden(grenzen.xlsFrist));
        return inhalt;
    }
    if (!inhalt.fehler.isEmpty())
        return inhalt;
    if (helfer.exitStatus() == QProcess::CrashExit)
        inhalt.fehler = QStringLiteral("Das Hilfsprogramm \u201E%1\u201C ist beim Lesen abgest\u00FCrzt; die Datei ist "
                                       "vermutlich besch\u00E4digt.")
                            .arg(name);
    else if (helfer.exitCode() != 0)
        inhalt.fehler =
            QStringLiteral("Das Hilfsprogramm \u201E%1\u201C hat mit dem Fehlercode %2 aufgegeben; die Datei "
                           "ist vermutlich besch\u00E4digt.")
                .arg(name)
                .arg(helfer.exitCode());
    else if (leser.stand() != Antwortleser::Stand::Ende)
        leser.unverstaendlich();
    else
        inhalt.fehler = leser.meldung();
    return inhalt;
}
