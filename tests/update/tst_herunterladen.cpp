// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "Testserver.h"

#include "update/Herunterladen.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Testserver::Antwort)

// Every download runs against a real server on 127.0.0.1 and a real target file.
class TestHerunterladen : public QObject
{
    Q_OBJECT

    enum class Tls { Ohne, Vertraut, Fremd };

    QTemporaryDir m_ordner;
    std::optional<Testzertifikat> m_zertifikat;

    QString ziel() const { return m_ordner.filePath(QStringLiteral("ziel.bin")); }

    static QByteArray entpackterInhalt()
    {
        QByteArray d;
        for (int i = 0; i < 20000; ++i)
            d += QByteArray::number(i * 7919 % 10007) + ';';
        return d;
    }

    // Runs one download to the end and returns its result.
    static Downloadergebnis laden(Herunterladen &h, const Downloadauftrag &auftrag)
    {
        std::optional<Downloadergebnis> ergebnis;
        QObject::connect(&h, &Herunterladen::fertig, &h, [&](const Downloadergebnis &e) { ergebnis = e; });
        h.starten(auftrag);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(ergebnis.has_value(), 20000); }();
        return ergebnis.value_or(Downloadergebnis{});
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_ordner.isValid());
        m_zertifikat = TestzertifikatMachen(m_ordner.path());
        QVERIFY2(m_zertifikat.has_value(), "the openssl tool could not make a test certificate");
    }

    void init() { QVERIFY(schreibe(ziel(), "alter Inhalt")); }

    void gelingt_data()
    {
        QTest::addColumn<bool>("tls");
        QTest::addColumn<bool>("weiterleiten");
        QTest::newRow("plain HTTP on the loopback address") << false << false;
        QTest::newRow("HTTPS with a trusted certificate") << true << false;
        QTest::newRow("after a redirect") << true << true;
    }
    void gelingt()
    {
        QFETCH(bool, tls);
        QFETCH(bool, weiterleiten);
        Testserver server;
        QVERIFY(server.starten(tls ? m_zertifikat : std::nullopt));
        const QByteArray koerper(5000, 'x');
        server.setze(QStringLiteral("/datei"), Testserver::ok(koerper));
        server.setze(QStringLiteral("/alt"), Testserver::weiterleitung("/datei"));

        Herunterladen h(Downloadoptionen{30000, {m_zertifikat->zertifikat}});
        qint64 zuletzt = 0;
        connect(&h, &Herunterladen::fortschritt, this, [&](qint64 empfangen, qint64) { zuletzt = empfangen; });
        const QUrl url(server.basis() + (weiterleiten ? QStringLiteral("/alt") : QStringLiteral("/datei")));
        const Downloadergebnis e = laden(h, {url, ziel(), 10000, true});
        QCOMPARE(e.fehler, QString());
        QCOMPARE(e.status, Downloadstatus::Erfolg);
        QCOMPARE(inhalt(ziel()), koerper);
        QCOMPARE(zuletzt, koerper.size());

        const QByteArray kopf = server.anfragen.constLast();
        QVERIFY(kopf.contains("\r\nUser-Agent: Quintaro Analyser\r\n"));
        QVERIFY(kopf.contains("\r\nCache-Control: no-cache\r\n"));
    }

    // A body the server packed is unpacked here, piece by piece: what it holds arrives, and a
    // damaged or cut one is called damaged, not too large.
    void gepackt_data()
    {
        QTest::addColumn<QByteArray>("art");     // Content-Encoding
        QTest::addColumn<QByteArray>("koerper"); // as sent
        QTest::addColumn<QString>("grund");      // empty: the unpacked file arrives
        const QByteArray inhalt = entpackterInhalt();
        const QByteArray gz = Testserver::gzip(inhalt);
        QTest::newRow("gzip") << QByteArray("gzip") << gz << "";
        QTest::newRow("deflate, as zlib writes it") << QByteArray("deflate") << qCompress(inhalt).mid(4) << "";
        QTest::newRow("two gzip members")
            << QByteArray("gzip") << Testserver::gzip(inhalt.left(5000)) + Testserver::gzip(inhalt.mid(5000)) << "";
        QByteArray kaputt = gz;
        for (int i = 0; i < 40; ++i)
            kaputt[gz.size() / 2 + i] = char(0xA5 ^ i);
        QTest::newRow("damaged") << QByteArray("gzip") << kaputt << "gepackten Daten sind beschädigt";
        QTest::newRow("cut short") << QByteArray("gzip") << gz.left(gz.size() / 2) << "gepackten Daten sind beschädigt";
        QTest::newRow("not packed at all") << QByteArray("gzip") << inhalt.left(3000) << "gepackten Daten sind beschädigt";
        QTest::newRow("an unknown kind") << QByteArray("br") << gz << "unbekannten Packart \u201Ebr\u201C";
        QTest::newRow("unpacks beyond the cap") << QByteArray("gzip") << Testserver::gzip(QByteArray(300000, 'x'))
                                                << "entpackt größer als die erlaubten 200.000 Bytes";
    }
    void gepackt()
    {
        QFETCH(QByteArray, art);
        QFETCH(QByteArray, koerper);
        QFETCH(QString, grund);
        Testserver server;
        QVERIFY(server.starten());
        server.setze(QStringLiteral("/datei"),
                     {"HTTP/1.1 200 OK\r\nContent-Encoding: " + art + "\r\nContent-Length: " +
                      QByteArray::number(koerper.size()) + "\r\n\r\n" + koerper});
        Herunterladen h;
        const Downloadergebnis e = laden(h, {QUrl(server.basis() + QStringLiteral("/datei")), ziel(), 200000, false});
        QVERIFY(server.anfragen.constLast().contains("\r\nAccept-Encoding: gzip, deflate\r\n"));
        if (grund.isEmpty()) {
            QCOMPARE(e.fehler, QString());
            QVERIFY(inhalt(ziel()) == entpackterInhalt());
            return;
        }
        QCOMPARE(e.status, Downloadstatus::Fehler);
        QVERIFY2(e.fehler.contains(grund), qPrintable(e.fehler));
        QCOMPARE(inhalt(ziel()), QByteArray("alter Inhalt"));
    }

    void scheitert_data()
    {
        QTest::addColumn<Testserver::Antwort>("antwort");
        QTest::addColumn<int>("tls");
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<QString>("grund");
        const QByteArray seite = "<html><body>Nicht da</body></html>";
        QTest::newRow("404 with an error page")
            << Testserver::status(404, "Not Found", seite) << int(Tls::Ohne) << "/datei"
            << "\u201E404 Not Found\u201C";
        QTest::newRow("500") << Testserver::status(500, "Internal Server Error", seite) << int(Tls::Ohne) << "/datei"
                             << "\u201E500 Internal Server Error\u201C";
        Testserver::Antwort abgeschnitten = Testserver::ok(QByteArray(400, 'x'));
        abgeschnitten.abbrechenNach = abgeschnitten.roh.size() - 100;
        QTest::newRow("connection closed early") << abgeschnitten << int(Tls::Ohne) << "/datei"
                                                 << "vorzeitig beendet";
        QTest::newRow("no answer") << Testserver::stumm() << int(Tls::Ohne) << "/datei"
                                   << "nicht geantwortet";
        QTest::newRow("untrusted certificate") << Testserver::ok("gut") << int(Tls::Fremd) << "/datei"
                                               << "Identität des Servers";
        QTest::newRow("redirect loop") << Testserver::weiterleitung("/datei") << int(Tls::Ohne) << "/datei"
                                       << "zu oft weiter";
        QTest::newRow("redirect to plain HTTP elsewhere")
            << Testserver::weiterleitung("http://example.org/datei") << int(Tls::Ohne) << "/datei"
            << "unsichere Adresse \u201Ehttp://example.org/datei\u201C";
        QTest::newRow("longer than the cap, said in advance")
            << Testserver::ok(QByteArray(2000, 'x')) << int(Tls::Ohne) << "/datei"
            << "größer";
        QTest::newRow("longer than the cap, found while reading")
            << Testserver::ohneLaenge(QByteArray(2000, 'x')) << int(Tls::Ohne) << "/datei"
            << "größer";
    }
    void scheitert()
    {
        QFETCH(Testserver::Antwort, antwort);
        QFETCH(int, tls);
        QFETCH(QString, pfad);
        QFETCH(QString, grund);
        Testserver server;
        QVERIFY(server.starten(Tls(tls) == Tls::Ohne ? std::nullopt : m_zertifikat));
        server.setze(QStringLiteral("/datei"), antwort);

        Herunterladen h(Downloadoptionen{300, {}});
        const Downloadergebnis e = laden(h, {QUrl(server.basis() + pfad), ziel(), 1000, false});
        QCOMPARE(e.status, Downloadstatus::Fehler);
        QVERIFY2(e.fehler.contains(grund), qPrintable(e.fehler));
        QCOMPARE(inhalt(ziel()), QByteArray("alter Inhalt"));
        QCOMPARE(QDir(m_ordner.path()).entryList(QDir::Files).filter(QStringLiteral("ziel")),
                 QStringList{QStringLiteral("ziel.bin")});
    }

    // Limits of the whole transfer: a server that trickles, one that sends steadily but too long,
    // and a small packed body that unpacks to far more than may be kept.
    void grenzen_data()
    {
        QTest::addColumn<Testserver::Antwort>("antwort");
        QTest::addColumn<int>("gesamtzeitMs");
        QTest::addColumn<int>("rateFensterMs");
        QTest::addColumn<QString>("grund");
        QTest::newRow("16 bytes now and then") << Testserver::langsam(QByteArray(100000, 'x'), 16, 20) << 0 << 200
                                               << "Der Server sendet zu langsam: weniger als 1 KiB in 0,2 Sekunden.";
        QTest::newRow("longer than the whole transfer may take")
            << Testserver::langsam(QByteArray(1000000, 'x'), 4000, 20) << 300 << 30000
            << "Der Download dauerte länger als die erlaubten 0,3 Sekunden und wurde beendet.";
        QTest::newRow("gzip bomb") << Testserver::gepackt(QByteArray(64 * 1024 * 1024, '\0')) << 0 << 30000
                                   << "entpackt größer als die erlaubten 16 MB";
    }
    void grenzen()
    {
        QFETCH(Testserver::Antwort, antwort);
        QFETCH(int, gesamtzeitMs);
        QFETCH(int, rateFensterMs);
        QFETCH(QString, grund);
        Testserver server;
        QVERIFY(server.starten());
        server.setze(QStringLiteral("/datei"), antwort);
        Downloadoptionen optionen;
        optionen.rateFensterMs = rateFensterMs;
        Herunterladen h(optionen);
        Downloadauftrag auftrag{QUrl(server.basis() + QStringLiteral("/datei")), ziel(), 16 * 1024 * 1024, false};
        auftrag.gesamtzeitMs = gesamtzeitMs;
        const Downloadergebnis e = laden(h, auftrag);
        QCOMPARE(e.status, Downloadstatus::Fehler);
        QVERIFY2(e.fehler.contains(grund), qPrintable(e.fehler));
        QCOMPARE(inhalt(ziel()), QByteArray("alter Inhalt"));
    }

    void ohneVerbindung_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("grund");
        QTest::newRow("plain HTTP to another host") << "http://example.org/datei"
                                                    << "keine sichere HTTPS-Adresse";
        QTest::newRow("another scheme") << "ftp://127.0.0.1/datei"
                                        << "keine sichere HTTPS-Adresse";
        QTest::newRow("nobody listens") << "http://127.0.0.1:1/datei"
                                        << "abgelehnt";
    }
    void ohneVerbindung()
    {
        QFETCH(QString, url);
        QFETCH(QString, grund);
        Herunterladen h;
        const Downloadergebnis e = laden(h, {QUrl(url), ziel(), 1000, false});
        QCOMPARE(e.status, Downloadstatus::Fehler);
        QVERIFY2(e.fehler.contains(grund), qPrintable(e.fehler));
        QCOMPARE(inhalt(ziel()), QByteArray("alter Inhalt"));
    }

    void abbrechenLaesstZielStehen()
    {
        Testserver server;
        QVERIFY(server.starten());
        server.setze(QStringLiteral("/datei"), Testserver::langsam(QByteArray(4000, 'x'), 100, 20));
        Herunterladen h;
        connect(&h, &Herunterladen::fortschritt, &h, [&](qint64 empfangen, qint64 gesamt) {
            if (empfangen > 0 && empfangen < gesamt)
                h.abbrechen();
        });
        const Downloadergebnis e = laden(h, {QUrl(server.basis() + QStringLiteral("/datei")), ziel(), 10000, false});
        QCOMPARE(e.status, Downloadstatus::Abgebrochen);
        QCOMPARE(inhalt(ziel()), QByteArray("alter Inhalt"));
    }
};

QTEST_GUILESS_MAIN(TestHerunterladen)
#include "tst_herunterladen.moc"
