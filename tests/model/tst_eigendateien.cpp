// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Eigendateien.h"

#include "model/Dateien.h"
#include "model/Datensperre.h"
#include "model/Spiel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

// No file the user names may be one of the data files, however its path is spelt.
class TestEigendateien : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString daten() const { return m_tmp.filePath(QStringLiteral("Daten")); }
    QString anderswo() const { return m_tmp.filePath(QStringLiteral("anderswo")); }
    // Another way to the data folder and to an empty one that the links above do not show: bind
    // mounts where the test may make them (as root, in a mount namespace of its own, so they
    // end with the test), symbolic links otherwise.
    QString gebunden() const { return m_tmp.filePath(QStringLiteral("gebunden")); }
    QString gebundenLeer() const { return m_tmp.filePath(QStringLiteral("gebunden-leer")); }
    bool m_bindung = false;

    bool binden(const QString &ordner, const QString &ort)
    {
        if (m_bindung)
            return QDir().mkpath(ort) && ::mount(QFile::encodeName(ordner).constData(),
                                                 QFile::encodeName(ort).constData(), nullptr, MS_BIND, nullptr) == 0;
        return QFile::link(ordner, ort);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(daten() + QStringLiteral("/Sicherungen")));
        QVERIFY(QDir().mkpath(daten() + QStringLiteral("/unter")));
        QVERIFY(QDir().mkpath(anderswo()));
        for (const QString &name : {Dateinamen::Gewinnreihen, Dateinamen::Sicherung, Dateinamen::Einstellungen,
                                    Datensperre::dateiname(), QStringLiteral("Sicherungen/GReihen-2026-01-01.qtgz")})
            QCOMPARE(DateiErsetzen(daten() + QLatin1Char('/') + name, "x"), QString());
        const auto verbinden = [](const QString &ziel, const QString &name) {
            return ::symlink(QFile::encodeName(ziel).constData(), QFile::encodeName(name).constData()) == 0;
        };
        const auto hart = [](const QString &ziel, const QString &name) {
            return ::link(QFile::encodeName(ziel).constData(), QFile::encodeName(name).constData()) == 0;
        };
        // Another way to the data folder, links to its files, hard links of them and a link
        // whose history does not exist yet.
        QVERIFY(verbinden(daten(), m_tmp.filePath(QStringLiteral("Verknuepfung"))));
        QVERIFY(verbinden(daten() + QStringLiteral("/GReihen.qtgz"), anderswo() + QStringLiteral("/link.csv")));
        QVERIFY(verbinden(anderswo() + QStringLiteral("/link.csv"), anderswo() + QStringLiteral("/link2.csv")));
        QVERIFY(verbinden(QStringLiteral("../Daten/.sperre"), anderswo() + QStringLiteral("/relativ.pdf")));
        QVERIFY(hart(daten() + QStringLiteral("/Einstellungen.ini"), anderswo() + QStringLiteral("/hart.qtt")));
        QVERIFY(hart(daten() + QStringLiteral("/Sicherungen/GReihen-2026-01-01.qtgz"),
                     anderswo() + QStringLiteral("/kopie.csv")));
        QVERIFY(verbinden(m_tmp.filePath(QStringLiteral("leer/GReihen.qtgz")),
                          anderswo() + QStringLiteral("/vorlaeufig.csv")));
        QVERIFY(QDir().mkpath(m_tmp.filePath(QStringLiteral("leer"))));
        QVERIFY(QDir().mkpath(daten() + QStringLiteral("/Sicherungen/tiefer")));

        m_bindung = ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
                    ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        QVERIFY(binden(daten(), gebunden()));
        QVERIFY(binden(m_tmp.filePath(QStringLiteral("leer")), gebundenLeer()));
        qInfo("%s", m_bindung ? "bind mounts" : "symbolic links in place of bind mounts (not root)");
    }

    void schreibziele_data()
    {
        QTest::addColumn<QString>("ordner"); // the data folder
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QString>("eigene"); // the data file named in the refusal; empty: allowed
        const QString d = daten();
        const QString t = m_tmp.path();
        const QString a = anderswo();
        const QString leer = m_tmp.filePath(QStringLiteral("leer"));
        const auto fall = [](const char *name, const QString &ordner, const QString &ziel, const char *eigene) {
            QTest::newRow(name) << ordner << ziel << QString::fromUtf8(eigene);
        };
        const auto p = [](const QString &ordner, const char *rest) { return ordner + QString::fromUtf8(rest); };
        fall("Verlauf", d, p(d, "/GReihen.qtgz"), "GReihen.qtgz");
        fall("Sicherung", d, p(d, "/GZ.549.bak"), "GZ.549.bak");
        fall("Einstellungen", d, p(d, "/Einstellungen.ini"), "Einstellungen.ini");
        fall("Sperre", d, p(d, "/.sperre"), ".sperre");
        fall("Punkt", d, p(d, "/./GReihen.qtgz"), "GReihen.qtgz");
        fall("Doppelstrich", d, p(d, "//.sperre"), ".sperre");
        fall("zurueck", d, p(d, "/unter/../Einstellungen.ini"), "Einstellungen.ini");
        fall("Ordner mit Schraegstrich", p(d, "/"), p(d, "/GReihen.qtgz"), "GReihen.qtgz");
        fall("Ordnerlink", d, p(t, "/Verknuepfung/GZ.549.bak"), "GZ.549.bak");
        fall("Ordner ueber Link", p(t, "/Verknuepfung"), p(d, "/.sperre"), ".sperre");
        fall("Link", d, p(a, "/link.csv"), "GReihen.qtgz");
        fall("Linkkette", d, p(a, "/link2.csv"), "GReihen.qtgz");
        fall("relativer Link", d, p(a, "/relativ.pdf"), ".sperre");
        fall("harter Link", d, p(a, "/hart.qtt"), "Einstellungen.ini");
        fall("in Sicherungen", d, p(d, "/Sicherungen/neu.csv"), "Sicherungen");
        fall("Sicherungen selbst", d, p(d, "/Sicherungen"), "Sicherungen");
        fall("harte Kopie", d, p(a, "/kopie.csv"), "Sicherungen/GReihen-2026-01-01.qtgz");
        fall("noch keine Sperre", leer, p(leer, "/.sperre"), ".sperre");
        fall("Link auf kuenftigen Verlauf", leer, p(a, "/vorlaeufig.csv"), "GReihen.qtgz");
        const QString b = gebunden();
        const QString bl = gebundenLeer();
        fall("neue Datei in Sicherungen, anders erreicht", d, p(b, "/Sicherungen/neu.csv"), "Sicherungen");
        fall("neue Kopie in Sicherungen, anders erreicht", d, p(b, "/Sicherungen/GReihen 2099-01-01 00-00-00-000.qtgz"),
             "Sicherungen");
        fall("unter Sicherungen, anders erreicht", d, p(b, "/Sicherungen/tiefer/neu.pdf"), "Sicherungen");
        fall("Sicherungen anders erreicht", d, p(b, "/Sicherungen"), "Sicherungen");
        fall("Verlauf anders erreicht", d, p(b, "/GReihen.qtgz"), "GReihen.qtgz");
        fall("kuenftiger Verlauf anders erreicht", leer, p(bl, "/GReihen.qtgz"), "GReihen.qtgz");
        fall("kuenftige Sicherung anders erreicht", leer, p(bl, "/GZ.549.bak"), "GZ.549.bak");
        fall("kuenftige Einstellungen anders erreicht", leer, p(bl, "/Einstellungen.ini"), "Einstellungen.ini");
        fall("andere Datei im Datenordner, anders erreicht", d, p(b, "/neu.csv"), "");
        fall("Unterordner, anders erreicht", d, p(b, "/unter/GReihen.qtgz"), "");
        fall("Schein im Datenordner", d, p(d, "/Demo-Tippschein.qtt"), "");
        fall("aehnlicher Name", d, p(d, "/GReihen.qtgz.csv"), "");
        fall("anderer Ordner", d, p(a, "/GReihen.qtgz"), "");
        fall("Unterordner", d, p(d, "/unter/Einstellungen.ini"), "");
    }
    void schreibziele()
    {
        QFETCH(QString, ordner);
        QFETCH(QString, ziel);
        QFETCH(QString, eigene);
        const QString meldung = Eigendateien::pruefen(ziel, ordner);
        if (eigene.isEmpty()) {
            QCOMPARE(meldung, QString());
            return;
        }
        QVERIFY2(meldung.contains(QStringLiteral("\u201E%1\u201C").arg(eigene)), qPrintable(meldung));
        QVERIFY2(meldung.contains(QStringLiteral("geh\u00F6rt")), qPrintable(meldung));
        QVERIFY(meldung.endsWith(Absatz + QStringLiteral("Ich breche ab.")));
    }

    // The folders the run registered protect every writer that names none.
    void registrierteOrdner()
    {
        const QString ziel = anderswo() + QStringLiteral("/link.csv");
        QCOMPARE(Eigendateien::pruefen(ziel), QString());
        Eigendateien::schuetzen(daten());
        QVERIFY(!Eigendateien::pruefen(ziel).isEmpty());
        QVERIFY(!Eigendateien::pruefen(daten() + QStringLiteral("/GZ.549.bak")).isEmpty());
        QCOMPARE(Eigendateien::pruefen(anderswo() + QStringLiteral("/neu.csv")), QString());
    }
};

QTEST_GUILESS_MAIN(TestEigendateien)
#include "tst_eigendateien.moc"
