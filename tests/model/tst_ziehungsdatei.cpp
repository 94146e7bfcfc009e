// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "model/Spiel.h"
#include "model/Ziehungsdatei.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const QByteArray ersteZiehung = QByteArray::fromHex("00000000801DE640030C19262F070000");

QByteArray ziehungen(int anzahl)
{
    QByteArray daten;
    for (int i = 0; i < anzahl; ++i) {
        QByteArray r = ersteZiehung;
        const double datum = 45292.0 + 7 * i;
        std::memcpy(r.data(), &datum, 8);
        r[8] = static_cast<char>(1 + i);
        daten += r;
    }
    return daten;
}


} // namespace

class TestZiehungsdatei : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;
    QString datenordner() const { return ordner.path() + QLatin1Char('/'); }
    QString historie() const { return datenordner() + Dateinamen::Gewinnreihen; }
    QString sicherung() const { return datenordner() + Dateinamen::Sicherung; }

private Q_SLOTS:
    void init()
    {
        QFile::remove(historie());
        QFile::remove(sicherung());
    }

    void ganzeRecords_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<int>("anzahl");
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("one record") << ziehungen(1) << 1;
        QTest::newRow("48 bytes") << ziehungen(3) << 3;
        QTest::newRow("50 bytes") << ziehungen(3) + QByteArray("\x01\x02", 2) << 3;
        QTest::newRow("15 bytes") << ziehungen(1).left(15) << 0;
    }
    void ganzeRecords()
    {
        QFETCH(QByteArray, daten);
        QFETCH(int, anzahl);
        schreibe(historie(), daten);
        const Ladeergebnis e = GZEinlesen(historie());
        QCOMPARE(e.status, Ladestatus::Geladen);
        QCOMPARE(e.ziehungen.size(), anzahl);
        if (anzahl > 0) {
            QCOMPARE(e.ziehungen.first().datum, 45292.0);
            QCOMPARE(int(e.ziehungen.last().GZ[0]), anzahl);
        }
    }

    void fehlendeDatei()
    {
        const Ladeergebnis e = GZEinlesen(historie());
        QCOMPARE(e.status, Ladestatus::Fehlt);
        QVERIFY(e.ziehungen.isEmpty());
    }

    void unlesbareDateiMeldetFehler()
    {
        QDir().mkpath(historie()); // a folder of that name cannot be read as a file
        const Ladeergebnis e = GZEinlesen(historie());
        QDir().rmdir(historie());
        QCOMPARE(e.status, Ladestatus::Fehler);
        QVERIFY(!e.fehler.isEmpty());
    }

    void speichernUndLadenIstByteGleich()
    {
        // Fill bytes and values outside the game's ranges survive unchanged.
        QByteArray daten = ziehungen(4);
        daten[14] = '\x55';
        daten[31] = '\xAA';
        daten[16 + 8] = '\x00';
        daten[32 + 12] = '\xFF';
        daten[48 + 13] = '\x0B';
        schreibe(historie(), daten);
        const Ladeergebnis e = GZEinlesen(historie());
        QCOMPARE(e.ziehungen.size(), 4);
        QVERIFY(!e.ziehungen[1].gueltig());
        QVERIFY(GZSpeichern(historie(), e.ziehungen).isEmpty());
        QCOMPARE(inhalt(historie()), daten);
    }

    void speichernErsetztDieDateiNurGanz()
    {
        schreibe(historie(), ziehungen(2));
        // The folder's place taken by a file: the save must fail and report it.
        const QString falsch = datenordner() + QStringLiteral("kein/") + Dateinamen::Gewinnreihen;
        schreibe(datenordner() + QStringLiteral("kein"), "x");
        const QString fehler = GZSpeichern(falsch, GZEinlesen(historie()).ziehungen);
        QVERIFY(!fehler.isEmpty());
        QCOMPARE(inhalt(historie()), ziehungen(2));
        QVERIFY(GZSpeichern(historie(), {}).isEmpty());
        QCOMPARE(inhalt(historie()), QByteArray());
    }

    void sichernUndZurueckholen()
    {
        schreibe(historie(), ziehungen(2));
        QVERIFY(GZSichern(datenordner()).isEmpty());
        QCOMPARE(inhalt(historie()), ziehungen(2)); // the history keeps its name
        QCOMPARE(inhalt(sicherung()), ziehungen(2));

        // An existing backup is never replaced.
        schreibe(historie(), ziehungen(3));
        QVERIFY(GZSichern(datenordner()).isEmpty());
        QCOMPARE(inhalt(historie()), ziehungen(3));
        QCOMPARE(inhalt(sicherung()), ziehungen(2));

        // Restoring does not replace an existing history either.
        GZZurueckholen(datenordner());
        QCOMPARE(inhalt(historie()), ziehungen(3));
        QFile::remove(historie());
        GZZurueckholen(datenordner());
        QCOMPARE(inhalt(historie()), ziehungen(2));
        QVERIFY(!QFile::exists(sicherung()));
    }
};

QTEST_GUILESS_MAIN(TestZiehungsdatei)
#include "tst_ziehungsdatei.moc"
