// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Attrappen.h"
#include "Dateien.h"
#include "Testserver.h"
#include "Testumgebung.h"

#include "model/Datum.h"
#include "model/Gewinnreihenschutz.h"
#include "model/Spiel.h"
#include "model/Ziehungsdatei.h"
#include "model/Ziehungseingabe.h"
#include "ui/update/Downloadlauf.h"
#include "ui/update/Gewinnzahlenaktualisierung.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <bit>
#include <random>

namespace {
using Zufall = std::mt19937;

int zahl(Zufall &z, int von, int bis)
{
    return std::uniform_int_distribution<int>(von, bis)(z);
}

TGewZahlen ziehung(Zufall &z, double datum)
{
    std::array<int, 49> alle{};
    std::iota(alle.begin(), alle.end(), 1);
    std::shuffle(alle.begin(), alle.end(), z);
    TGewZahlen g;
    g.datum = datum;
    for (std::size_t i = 0; i < 5; ++i)
        g.GZ[i] = static_cast<std::uint8_t>(alle[i]);
    std::sort(g.GZ.begin(), g.GZ.end());
    g.bonus = static_cast<std::uint8_t>(zahl(z, 1, 10));
    return g;
}

QVector<TGewZahlen> lies(const QByteArray &daten)
{
    QVector<TGewZahlen> z;
    for (qsizetype i = 0; i + TGewZahlen::Groesse <= daten.size(); i += TGewZahlen::Groesse)
        z.append(TGewZahlen::ausBytes(daten.constData() + i));
    return z;
}

QByteArray bytes(const QVector<TGewZahlen> &ziehungen)
{
    QByteArray d;
    for (const TGewZahlen &z : ziehungen)
        d += z.alsBytes();
    return d;
}

QSet<quint64> daten(const QByteArray &historie)
{
    QSet<quint64> s;
    for (const TGewZahlen &z : lies(historie))
        s.insert(std::bit_cast<quint64>(z.datum));
    return s;
}

// Draws after the newest one, a week apart.
QVector<TGewZahlen> spaeter(Zufall &z, const QVector<TGewZahlen> &bisher, int anzahl)
{
    QVector<TGewZahlen> neu;
    double tag = bisher.isEmpty() ? Datum::ausDatum(QDate(2020, 1, 6)) : bisher.constLast().datum;
    for (int i = 0; i < anzahl; ++i)
        neu.append(ziehung(z, tag += 7));
    return neu;
}

int umgebungszahl(const char *name, int vorgabe)
{
    bool ok = false;
    const int wert = qEnvironmentVariableIntValue(name, &ok);
    return ok ? wert : vorgabe;
}
} // namespace

// Random sequences of everything that writes the draw history: downloads (good, shorter with
// "Ja" or "Nein", damaged), the draw entry, command-line imports and other command-line writes,
// and command-line imports killed with SIGKILL at a random moment. After every step no stored
// date is gone unless "Ja" let it go, and a replaced history lies in `Sicherungen`.
class TestHistorienschutz : public QObject
{
    Q_OBJECT

    Testumgebung m_u;
    Testserver m_server;
    MeldungsRecorder m_meldungen;
    QTemporaryDir m_tmp;
    QWidget m_fenster;
    Downloadlauf *m_lauf = nullptr;
    Gewinnzahlenaktualisierung *m_gz = nullptr;

    QString ordner() const { return m_u.zustand.Datenordner; }
    QByteArray historie() const { return inhalt(m_u.pfad(Dateinamen::Gewinnreihen)); }

    QProcess *cli(const QStringList &argumente)
    {
        auto *p = new QProcess(this);
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        umgebung.remove(QStringLiteral("LC_ALL"));
        p->setProcessEnvironment(umgebung);
        p->start(QStringLiteral(QUINTARO_CLI), QStringList{QStringLiteral("--daten"), ordner()} + argumente);
        return p;
    }

    // A download through the update window's own path; `antwort` answers a question.
    void laden(const QByteArray &koerper, Meldungen::Antwort antwort)
    {
        m_server.setze(QStringLiteral("/downloads/GReihen.qtgz"), koerper.isNull()
                                                                     ? Testserver::status(404, "Not Found", "weg")
                                                                     : Testserver::ok(koerper));
        m_meldungen.antworten.clear();
        m_meldungen.antworten.enqueue(antwort);
        bool fertig = false;
        m_gz->GZDownload([&](Gewinnzahlenaktualisierung::Ausgang) { fertig = true; });
        QTRY_VERIFY_WITH_TIMEOUT(fertig, 30000);
    }

    // An import file: a few new draws, a few stored dates with other numbers, in random order.
    QString importdatei(Zufall &z, const QVector<TGewZahlen> &bisher, int neue)
    {
        QVector<TGewZahlen> zeilen = spaeter(z, bisher, neue);
        for (int i = 0; i < 2 && !bisher.isEmpty(); ++i)
            zeilen.append(ziehung(z, bisher[zahl(z, 0, static_cast<int>(bisher.size()) - 1)].datum));
        std::shuffle(zeilen.begin(), zeilen.end(), z);
        QByteArray csv = "Datum;Z1;Z2;Z3;Z4;Z5;ZZ\n";
        for (const TGewZahlen &g : zeilen) {
            csv += Datum::zuDatum(g.datum).toString(QStringLiteral("dd.MM.yyyy")).toUtf8();
            for (const std::uint8_t n : g.GZ)
                csv += ';' + QByteArray::number(n);
            csv += ';' + QByteArray::number(g.bonus) + '\n';
        }
        const QString datei = m_tmp.filePath(QStringLiteral("import.csv"));
        schreibe(datei, csv);
        return datei;
    }

private Q_SLOTS:
    void initTestCase()
    {
        setzeInternetVerbundenFuerTests(true);
        QVERIFY(m_server.starten());
        m_u.zustand.Tempdatei = m_tmp.filePath(QStringLiteral("tmp.tmp"));
        m_u.schreibe(Dateinamen::Einstellungen, "[Update]\nServer=" + m_server.basis().toUtf8() + "/\n");
        m_lauf = new Downloadlauf(m_u.zustand, &m_fenster);
        m_gz = new Gewinnzahlenaktualisierung(m_u.zustand, *m_lauf, &m_fenster);
    }
    void cleanupTestCase() { setzeInternetVerbundenFuerTests(std::nullopt); }

    void zufaelligeFolgen()
    {
        const int schritte = umgebungszahl("QUINTARO_SCHRITTE", 500);
        const int saat = umgebungszahl("QUINTARO_SAAT", 19);
        Zufall z(static_cast<Zufall::result_type>(saat));
        {
            Zufall start(1);
            m_u.schreibe(Dateinamen::Gewinnreihen, bytes(spaeter(start, {}, 50)));
        }
        QMap<QString, int> arten;
        int zugestimmt = 0, verloren = 0, getoetet = 0;
        QElapsedTimer uhr;
        uhr.start();
        for (int schritt = 0; schritt < schritte; ++schritt) {
            const QByteArray vorher = historie();
            const QVector<TGewZahlen> bisher = lies(vorher);
            QSet<quint64> darfFehlen;
            bool ersetzt = true; // a step that replaces the whole history, which must be kept
            QString art;
            const int wurf = zahl(z, 0, 99);
            if (wurf < 18) {
                art = QStringLiteral("Download, mehr Ziehungen");
                QVector<TGewZahlen> neu = bisher + spaeter(z, bisher, zahl(z, 0, 3));
                // Now and then a stored draw corrected.
                if (!neu.isEmpty() && zahl(z, 0, 1)) {
                    TGewZahlen &g = neu[zahl(z, 0, static_cast<int>(neu.size()) - 1)];
                    g = ziehung(z, g.datum);
                }
                laden(bytes(neu), Meldungen::Antwort::Nein);
            } else if (wurf < 32) {
                const bool ja = zahl(z, 0, 1);
                art = ja ? QStringLiteral("Download, kürzer, Ja") : QStringLiteral("Download, kürzer, Nein");
                QVector<TGewZahlen> neu;
                for (const TGewZahlen &g : bisher)
                    if (zahl(z, 0, 9) > 0)
                        neu.append(g);
                if (neu.size() == bisher.size() && neu.size() > 1)
                    neu.removeAt(zahl(z, 0, static_cast<int>(neu.size()) - 1));
                if (neu.isEmpty())
                    neu = spaeter(z, bisher, 1);
                if (ja) {
                    const QSet<quint64> bleibt = daten(bytes(neu));
                    for (const quint64 d : daten(vorher))
                        if (!bleibt.contains(d))
                            darfFehlen.insert(d);
                    ++zugestimmt;
                }
                laden(bytes(neu), ja ? Meldungen::Antwort::Ja : Meldungen::Antwort::Nein);
            } else if (wurf < 42) {
                art = QStringLiteral("Download, beschädigt");
                QVector<TGewZahlen> neu = bisher + spaeter(z, bisher, 2);
                QByteArray koerper;
                switch (zahl(z, 0, 3)) {
                case 0:
                    std::swap(neu[0], neu[neu.size() - 1]);
                    koerper = bytes(neu);
                    break;
                case 1:
                    neu[neu.size() - 1].GZ[1] = neu[neu.size() - 1].GZ[0];
                    koerper = bytes(neu);
                    break;
                case 2:
                    koerper = QByteArray("<html><body>Wartung</body></html>").leftJustified(64, ' ');
                    break;
                default:
                    break; // 404
                }
                laden(koerper, Meldungen::Antwort::Ja);
            } else if (wurf < 67) {
                art = QStringLiteral("Ziehungseingabe");
                ersetzt = false;
                const int ziel = zahl(z, 0, static_cast<int>(bisher.size()));
                const TGewZahlen g = ziehung(z, 0);
                Zahlenauswahl auswahl;
                for (const std::uint8_t n : g.GZ)
                    auswahl.BLotAuswerten(n);
                auswahl.BLotAuswerten(100 + g.bonus);
                const QDate datum = ziel < bisher.size() ? Datum::zuDatum(bisher[ziel].datum)
                                                         : VorgeschlagenesDatum(bisher, QDate(2030, 1, 1));
                const Eintragsergebnis e = ZiehungEintragen(ordner(), bisher, ziel, datum, auswahl);
                QVERIFY2(e.fehler.isEmpty(), qPrintable(e.fehler));
            } else if (wurf < 80 || wurf >= 90) {
                const bool toeten = wurf >= 90;
                art = toeten ? QStringLiteral("Import, abgeschossen") : QStringLiteral("Import");
                QStringList argumente{QStringLiteral("gewinnreihen"), QStringLiteral("import"),
                                      importdatei(z, bisher, zahl(z, 0, 3))};
                if (zahl(z, 0, 1))
                    argumente << QStringLiteral("--ersetzen");
                QProcess *p = cli(argumente);
                if (toeten) {
                    QVERIFY(p->waitForStarted(30000));
                    QThread::usleep(static_cast<unsigned long>(zahl(z, 0, 40000)));
                    p->kill();
                    ++getoetet;
                }
                QVERIFY(p->waitForFinished(60000));
                if (!toeten)
                    QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
                delete p;
            } else {
                art = QStringLiteral("andere Schreibvorgänge");
                ersetzt = false;
                QProcess *p = zahl(z, 0, 1) ? cli({QStringLiteral("zufall"), QStringLiteral("2"), QStringLiteral("--csv"),
                                                   ordner() + QStringLiteral("zufall.csv")})
                                            : cli({QStringLiteral("gewinnreihen"), QStringLiteral("export"),
                                                   ordner() + QStringLiteral("export.csv")});
                QVERIFY(p->waitForFinished(60000));
                delete p;
            }
            ++arten[art];

            const QByteArray nachher = historie();
            const QSet<quint64> jetzt = daten(nachher);
            for (const quint64 d : daten(vorher)) {
                if (jetzt.contains(d))
                    continue;
                QVERIFY2(darfFehlen.contains(d), qPrintable(QStringLiteral("Schritt %1 (%2): das Datum %3 fehlt")
                                                                .arg(schritt)
                                                                .arg(art, Datum::kurz(std::bit_cast<double>(d),
                                                                                       m_u.zustand.Formateinstellungen))));
                ++verloren;
            }
            const QStringList kopien = Sicherungen::Liste(ordner());
            QVERIFY(kopien.size() <= Sicherungen::Behalten);
            if (ersetzt && nachher != vorher && !vorher.isEmpty()) {
                bool gesichert = false;
                for (const QString &kopie : kopien)
                    gesichert = gesichert || inhalt(kopie) == vorher;
                QVERIFY2(gesichert, qPrintable(QStringLiteral("Schritt %1 (%2): die ersetzten Gewinnreihen "
                                                              "fehlen in \u201ESicherungen\u201C")
                                                   .arg(schritt)
                                                   .arg(art)));
            }
        }
        qInfo("%d Schritte in %lld ms (Saat %d): %d Zustimmungen, %d Daten mit Zustimmung entfernt, %d Prozesse "
              "abgeschossen, %lld Ziehungen am Ende",
              schritte, uhr.elapsed(), saat, zugestimmt, verloren, getoetet,
              static_cast<long long>(historie().size() / TGewZahlen::Groesse));
        for (auto it = arten.cbegin(); it != arten.cend(); ++it)
            qInfo("  %s: %d", qPrintable(it.key()), it.value());
        QCOMPARE(Sicherungen::Liste(ordner()).size(), Sicherungen::Behalten);
    }

    // A history at the limit the reader reads: a command-line import and a download that would
    // pass it are refused before anything is written, with a message that says why.
    void grenze()
    {
        QVector<TGewZahlen> voll;
        voll.reserve(MaxZiehungen);
        for (qsizetype i = 0; i < MaxZiehungen - 2; ++i) {
            TGewZahlen g;
            g.datum = double(i + 2); // a draw a day from 1900 on
            g.GZ = {1, 2, 3, 4, 5};
            g.bonus = 1;
            voll.append(g);
        }
        const QByteArray vorher = bytes(voll);
        m_u.schreibe(Dateinamen::Gewinnreihen, vorher);
        const QStringList kopien = Sicherungen::Liste(ordner());

        Zufall z(5);
        QProcess *p = cli({QStringLiteral("gewinnreihen"), QStringLiteral("import"), importdatei(z, voll, 5)});
        QVERIFY(p->waitForFinished(120000));
        const QString ausgabe = QString::fromUtf8(p->readAllStandardError() + p->readAllStandardOutput());
        QCOMPARE(p->exitCode(), 1);
        QVERIFY2(ausgabe.contains(QStringLiteral("Die Gewinnreihen hätten danach 1.048.579 Ziehungen, mehr als die "
                                                 "1.048.576 (16 MiB), die das Programm lesen kann.")),
                 qPrintable(ausgabe));
        QVERIFY(historie() == vorher);
        QCOMPARE(Sicherungen::Liste(ordner()), kopien);

        // The whole history offered for download, one draw beyond the limit.
        QVector<TGewZahlen> mehr = voll + spaeter(z, voll, 3);
        m_meldungen.eintraege.clear();
        laden(bytes(mehr), Meldungen::Antwort::Ja);
        QCOMPARE(m_meldungen.eintraege.size(), 1);
        QVERIFY2(m_meldungen.eintraege[0].text.contains(QStringLiteral("größer als die erlaubten 16 MB")),
                 qPrintable(m_meldungen.eintraege[0].text));
        QVERIFY(historie() == vorher);
        QCOMPARE(Sicherungen::Liste(ordner()), kopien);
    }
};

QTEST_MAIN(TestHistorienschutz)
#include "tst_historienschutz.moc"
