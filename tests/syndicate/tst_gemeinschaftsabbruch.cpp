// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Gemeinschaftsdaten.h"

#include "syndicate/Gemeinschaft.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <random>

using namespace Gemeinschaftsdaten;

namespace {
#ifdef QUINTARO_ASAN
constexpr int Laeufe = 100;
#else
constexpr int Laeufe = 120;
#endif
} // namespace

// The command line killed in the middle of a settling, and two of them settling at once: the
// file is always the one before or the one after, whole, and every draw is booked once.
class TestGemeinschaftsabbruch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ordner;
    QString m_daten;
    QString m_datei;
    QByteArray m_vorher;
    int m_ziehungen = 0;
    qsizetype m_eintraegeNachher = 0;
    Cent m_kasseNachher = 0;
    qint64 m_dauer = 0; // milliseconds of a whole settling

    QProcess *starten()
    {
        auto *p = new QProcess(this);
        p->start(QStringLiteral(QUINTARO_CLI), {QStringLiteral("gemeinschaft"), m_datei, QStringLiteral("abrechnen"),
                                                QStringLiteral("--bis"), QStringLiteral("2026-01-01"),
                                                QStringLiteral("--daten"), m_daten});
        return p;
    }

    void zuruecksetzen()
    {
        QFile::remove(m_datei + QStringLiteral("-journal"));
        QVERIFY(schreibeDatei(m_datei, m_vorher));
    }

    struct Befund
    {
        QString fehler;
        qsizetype eintraege = 0;
        Cent kasse = 0;
        int doppelt = 0; // draws with more than one stake
    };
    Befund pruefen()
    {
        Befund b;
        Gemeinschaft g;
        // Opening runs SQLite's recovery of a hot journal and the integrity check.
        b.fehler = g.oeffnen(m_datei);
        if (!b.fehler.isEmpty())
            return b;
        QVector<Eintrag> kasse;
        b.fehler = g.kasseLesen(kasse);
        b.eintraege = kasse.size();
        QHash<QDate, int> einsaetze;
        for (const Eintrag &e : kasse)
            if (e.art == Art::Einsatz && ++einsaetze[e.ziehung] == 2)
                ++b.doppelt;
        Kontenstand stand;
        if (b.fehler.isEmpty())
            b.fehler = g.kontenLesen(stand, QDate(2026, 1, 1));
        b.kasse = stand.kasse;
        return b;
    }

private Q_SLOTS:
    // Fifty members, a ticket of ten rows, ten years of weekly draws, nothing settled yet.
    void initTestCase()
    {
        QVERIFY(m_ordner.isValid());
        m_daten = m_ordner.filePath(QStringLiteral("daten"));
        QDir().mkpath(m_daten);
        std::mt19937 zufall(4711);
        QVector<TGewZahlen> h;
        // Under the sanitizers a settling is some thirty times slower: one year there, ten here.
#ifdef QUINTARO_ASAN
        const QDate erster(2024, 1, 6);
#else
        const QDate erster(2015, 1, 3);
#endif
        for (QDate tag = erster; tag < QDate(2025, 1, 1); tag = tag.addDays(7)) {
            std::array<std::uint8_t, 5> zahlen{};
            for (std::size_t i = 0; i < 5;) {
                const auto n = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, 18)(zufall));
                if (std::find(zahlen.begin(), zahlen.begin() + static_cast<long>(i), n) == zahlen.begin() + static_cast<long>(i))
                    zahlen[i++] = n;
            }
            h.append(ziehung(tag, zahlen, static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, 10)(zufall))));
        }
        m_ziehungen = static_cast<int>(h.size());
        QVERIFY(schreibeDatei(m_daten + QStringLiteral("/GReihen.qtgz"), historienBytes(h)));
        QByteArray schein;
        for (std::uint8_t r = 0; r < 10; ++r)
            schein += scheinBytes({Reihe{static_cast<std::uint8_t>(1 + r), static_cast<std::uint8_t>(3 + r),
                                         static_cast<std::uint8_t>(5 + r), static_cast<std::uint8_t>(7 + r),
                                         static_cast<std::uint8_t>(9 + r), static_cast<std::uint8_t>(1 + r % 10)}});
        QVERIFY(schreibeDatei(m_ordner.filePath(QStringLiteral("Zehn.qtt")), schein));

        m_datei = m_ordner.filePath(QStringLiteral("Abbruch.qtgem"));
        {
            Gemeinschaft g;
            QCOMPARE(g.anlegen(m_datei, QString()), QString());
            for (int i = 0; i < 50; ++i)
                QCOMPARE(g.mitgliedHinzufuegen(QStringLiteral("Mitglied %1").arg(i, 2, 10, QLatin1Char('0')), 1 + i % 4,
                                               QDate(2014, 12, 1).addDays(i)),
                         QString());
            QCOMPARE(g.scheinHinzufuegen(m_ordner.filePath(QStringLiteral("Zehn.qtt")), QDate(2015, 1, 1)), QString());
        }
        m_vorher = leseDatei(m_datei);

        // One whole settling: what "after" looks like and how long it takes.
        QElapsedTimer uhr;
        uhr.start();
        QProcess *p = starten();
        QVERIFY(p->waitForFinished(120000));
        m_dauer = uhr.elapsed();
        QCOMPARE(p->exitCode(), 0);
        const Befund b = pruefen();
        QCOMPARE(b.fehler, QString());
        QVERIFY(b.eintraege >= m_ziehungen);
        m_eintraegeNachher = b.eintraege;
        m_kasseNachher = b.kasse;
        qInfo("Eine Abrechnung von %d Ziehungen: %lld ms, %lld Buchungen", m_ziehungen, m_dauer,
              static_cast<long long>(m_eintraegeNachher));
    }

    void killWaehrendAbrechnung()
    {
        std::mt19937 zufall(20261211);
        int vorher = 0, nachher = 0;
        for (int lauf = 0; lauf < Laeufe; ++lauf) {
            zuruecksetzen();
            QProcess *p = starten();
            QVERIFY(p->waitForStarted());
            const int warten = std::uniform_int_distribution<int>(0, static_cast<int>(m_dauer * 2))(zufall);
            QThread::msleep(static_cast<unsigned long>(warten));
            p->kill(); // SIGKILL
            p->waitForFinished(30000);
            delete p;
            const Befund b = pruefen();
            QVERIFY2(b.fehler.isEmpty(), qPrintable(QStringLiteral("Lauf %1: %2").arg(lauf).arg(b.fehler)));
            QVERIFY2(b.eintraege == 0 || b.eintraege == m_eintraegeNachher,
                     qPrintable(QStringLiteral("Lauf %1: %2 Buchungen").arg(lauf).arg(b.eintraege)));
            if (b.eintraege == 0) {
                ++vorher;
            } else {
                ++nachher;
                QCOMPARE(b.kasse, m_kasseNachher);
            }
        }
        qInfo("Nach dem Abbruch: %d-mal vorher, %d-mal nachher", vorher, nachher);
        // The kills fell on both sides of the commit.
        QVERIFY(vorher > 0);
        QVERIFY(nachher > 0);
    }

    void zweiGleichzeitig()
    {
        for (int runde = 0; runde < 4; ++runde) {
            zuruecksetzen();
            QProcess *a = starten();
            QProcess *b = starten();
            QVERIFY(a->waitForFinished(120000));
            QVERIFY(b->waitForFinished(120000));
            // One books everything; the other finds nothing left, or, when the first held the
            // file longer than the wait allows, says so and books nothing.
            int erfolgreich = 0;
            for (QProcess *p : {a, b}) {
                if (p->exitCode() == 0)
                    ++erfolgreich;
                else {
                    const QString meldung = QString::fromUtf8(p->readAllStandardError());
                    QVERIFY2(meldung.contains(QStringLiteral("anderswo")), qPrintable(meldung));
                }
            }
            QVERIFY(erfolgreich >= 1);
            delete a;
            delete b;
            const Befund befund = pruefen();
            QCOMPARE(befund.fehler, QString());
            QCOMPARE(befund.doppelt, 0);
            QCOMPARE(befund.eintraege, m_eintraegeNachher);
            QCOMPARE(befund.kasse, m_kasseNachher);
        }
    }
};

QTEST_GUILESS_MAIN(TestGemeinschaftsabbruch)
#include "tst_gemeinschaftsabbruch.moc"
