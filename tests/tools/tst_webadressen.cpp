// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"

#include "tools/Webadressen.h"

#include <QTemporaryDir>
#include <QtTest>

class TestWebadressen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void vorgabenUnterBeispieldomaene()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("Einstellungen.ini"));
        const Webadressen w = WebadressenLesen(datei);
        for (const QString &seite : {w.Homepage, w.Ergebnisse, w.Produkt}) {
            const QUrl adresse(seite);
            QVERIFY2(IstWebseite(adresse), qPrintable(seite));
            QVERIFY2(adresse.host().endsWith(QLatin1String(".example")), qPrintable(seite));
        }
        QVERIFY(w.Mail.endsWith(QLatin1String(".example")));
        QCOMPARE(w.Anschrift[3], QStringLiteral("E-Mail: ") + w.Mail);
        for (const QString &zeile : w.Anschrift)
            QVERIFY(!zeile.isEmpty());
        QVERIFY(!QFile::exists(datei)); // read only: no settings file appears
    }

    void abschnittWebUeberschreibt()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("Einstellungen.ini"));
        const QByteArray inhaltVorher = "[Spielscheine]\nMerken=1\n[Web]\nHomepage=https://seite.example/start\n"
                                        "Mail=post@seite.example\nAnschrift1=Seite GmbH\nAnschrift6=\n";
        QVERIFY(schreibe(datei, inhaltVorher));
        const Webadressen w = WebadressenLesen(datei);
        QCOMPARE(w.Homepage, QStringLiteral("https://seite.example/start"));
        QCOMPARE(w.Anschrift[0], QStringLiteral("Seite GmbH"));
        // The e-mail line follows a configured address unless it is set itself.
        QCOMPARE(w.Anschrift[3], QStringLiteral("E-Mail: post@seite.example"));
        QVERIFY(w.Anschrift[5].startsWith(QLatin1String("Fax"))); // empty means the built-in line
        QVERIFY(w.Ergebnisse.contains(QLatin1String(".example/")));
        QCOMPARE(inhalt(datei), inhaltVorher);
    }

    void webseite_data()
    {
        QTest::addColumn<QString>("adresse");
        QTest::addColumn<bool>("erlaubt");
        QTest::newRow("https") << QStringLiteral("https://www.quintaro-analyser.example/a?b=c") << true;
        QTest::newRow("http") << QStringLiteral("http://seite.example/") << true;
        QTest::newRow("file") << QStringLiteral("file:///etc/passwd") << false;
        QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << false;
        QTest::newRow("no host") << QStringLiteral("https:///pfad") << false;
        QTest::newRow("words") << QStringLiteral("unsere Seite") << false;
    }
    void webseite()
    {
        QFETCH(QString, adresse);
        QFETCH(bool, erlaubt);
        QCOMPARE(IstWebseite(QUrl(adresse, QUrl::StrictMode)), erlaubt);
    }

    void mailverweis_data()
    {
        QTest::addColumn<QString>("adresse");
        QTest::addColumn<QString>("verweis");
        QTest::newRow("service address") << QStringLiteral("service@quintaro-analyser.example")
                                         << QStringLiteral(
                                                "mailto:service@quintaro-analyser.example?subject=Quintaro%20Analyser");
        QTest::newRow("dots and plus") << QStringLiteral("a.b+c@post.seite.example")
                                       << QStringLiteral("mailto:a.b+c@post.seite.example?subject=Quintaro%20Analyser");
        QTest::newRow("smuggled field") << QStringLiteral("a@b.example?bcc=c@d.example") << QString();
        QTest::newRow("blank") << QStringLiteral("a b@c.example") << QString();
        QTest::newRow("no domain") << QStringLiteral("service@") << QString();
        QTest::newRow("no at") << QStringLiteral("service.example") << QString();
    }
    void mailverweis()
    {
        QFETCH(QString, adresse);
        QFETCH(QString, verweis);
        const QUrl url = Mailverweis(adresse, QStringLiteral("Quintaro Analyser"));
        QCOMPARE(url.isValid(), !verweis.isEmpty());
        if (url.isValid())
            QCOMPARE(url.toString(QUrl::FullyEncoded), verweis);
    }
};

QTEST_GUILESS_MAIN(TestWebadressen)
#include "tst_webadressen.moc"
