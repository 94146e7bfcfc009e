// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "Testsignatur.h"

#include "update/Herstellerschluessel.h"
#include "update/Signatur.h"
#include "update/Updatepruefung.h"
#include "update/Updateserver.h"
#include "update/Versionsdatei.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {
QByteArray sha256(const QByteArray &daten)
{
    return QCryptographicHash::hash(daten, QCryptographicHash::Sha256);
}

Updateangaben angabenFuer(const QByteArray &installer, const QString &version = QStringLiteral("1.6.0.0"))
{
    return {version, installer.size(), sha256(installer)};
}

int modus(const QString &pfad)
{
    struct stat info
    {
    };
    return ::lstat(QFile::encodeName(pfad).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}
} // namespace

class TestSignatur : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ordner;
    std::optional<Testschluessel> m_schluessel;
    std::optional<Testschluessel> m_fremd;

private Q_SLOTS:
    void initTestCase()
    {
        m_schluessel = Testschluessel::machen(m_ordner.path(), QStringLiteral("hersteller"));
        m_fremd = Testschluessel::machen(m_ordner.path(), QStringLiteral("fremd"));
        QVERIFY2(m_schluessel && m_fremd, "the minisign tool could not make a key pair");
        setzeHerstellerschluesselFuerTests(m_schluessel->oeffentlich);
    }
    void cleanupTestCase() { setzeHerstellerschluesselFuerTests(std::nullopt); }

    // The built-in key is a well-formed minisign key, and only code can put another in its place.
    void eingebauterSchluessel()
    {
        setzeHerstellerschluesselFuerTests(std::nullopt);
        const Minisignschluessel eingebaut = Herstellerschluessel();
        QCOMPARE(eingebaut.nummer.size(), 8);
        QCOMPARE(eingebaut.oeffentlich.size(), 32);
        QVERIFY(eingebaut.oeffentlich != m_schluessel->oeffentlich.oeffentlich);
        const QByteArray datei = UpdateangabenSchreiben(angabenFuer("x"));
        QVERIFY(!MinisignPruefen(datei, m_schluessel->signieren(datei), eingebaut).gueltig);
        setzeHerstellerschluesselFuerTests(m_schluessel->oeffentlich);
        QVERIFY(MinisignPruefen(datei, m_schluessel->signieren(datei), Herstellerschluessel()).gueltig);
    }

    // Signatures the minisign tool made, and what an attacker can make of them.
    void signaturen_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("fehler"); // empty: the signature holds
        QTest::newRow("prehashed, the tool's default") << "gut"
                                                       << "";
        QTest::newRow("legacy, not prehashed") << "legacy"
                                               << "";
        QTest::newRow("CR LF line ends") << "crlf"
                                         << "";
        QTest::newRow("one byte of the file changed") << "byte"
                                                      << "passt nicht zur Datei";
        QTest::newRow("one byte appended") << "angehaengt"
                                           << "passt nicht zur Datei";
        QTest::newRow("a key of someone else") << "fremd"
                                               << "fremden Schlüssel";
        QTest::newRow("someone else's key, our key number") << "fremdeNummer"
                                                            << "passt nicht zur Datei";
        QTest::newRow("the signature of an older file") << "alt"
                                                        << "passt nicht zur Datei";
        QTest::newRow("trusted comment changed") << "kommentar"
                                                 << "Kommentar";
        QTest::newRow("no signature") << "leer"
                                      << "nicht lesbar";
        QTest::newRow("an HTML page") << "html"
                                      << "nicht lesbar";
        QTest::newRow("broken base64") << "base64"
                                       << "nicht lesbar";
        QTest::newRow("unknown kind") << "art"
                                      << "unbekannten Art";
        QTest::newRow("larger than a signature") << "gross"
                                                 << "nicht lesbar";
    }
    void signaturen()
    {
        QFETCH(QString, fall);
        QFETCH(QString, fehler);
        QByteArray datei = UpdateangabenSchreiben(angabenFuer("neues Update"));
        QByteArray sig = m_schluessel->signieren(
            datei, fall == QLatin1String("legacy") ? QStringList{QStringLiteral("-l")} : QStringList{});
        QVERIFY(!sig.isEmpty());
        QList<QByteArray> z = sig.split('\n');
        if (fall == QLatin1String("crlf"))
            sig.replace("\n", "\r\n");
        else if (fall == QLatin1String("byte"))
            datei[30] = char(datei[30] ^ 1);
        else if (fall == QLatin1String("angehaengt"))
            datei += '\0';
        else if (fall == QLatin1String("fremd"))
            sig = m_fremd->signieren(datei);
        else if (fall == QLatin1String("fremdeNummer")) {
            // The other key's signature under our key's number.
            QByteArray roh = QByteArray::fromBase64(m_fremd->signieren(datei).split('\n')[1]);
            roh.replace(2, 8, m_schluessel->oeffentlich.nummer);
            z[1] = roh.toBase64();
            sig = z.join('\n');
        } else if (fall == QLatin1String("alt"))
            sig =
                m_schluessel->signieren(UpdateangabenSchreiben(angabenFuer("altes Update", QStringLiteral("1.5.9.0"))));
        else if (fall == QLatin1String("kommentar")) {
            z[2] = "trusted comment: timestamp:1796963820\tfile:verinfos.qta\tversion:9.9.9.9";
            sig = z.join('\n');
        } else if (fall == QLatin1String("leer"))
            sig.clear();
        else if (fall == QLatin1String("html"))
            sig = "<html><body>404 Not Found</body></html>\n";
        else if (fall == QLatin1String("base64")) {
            z[1][10] = '*';
            sig = z.join('\n');
        } else if (fall == QLatin1String("art")) {
            QByteArray roh = QByteArray::fromBase64(z[1]);
            roh[1] = 'x';
            z[1] = roh.toBase64();
            sig = z.join('\n');
        } else if (fall == QLatin1String("gross"))
            sig += QByteArray(MaxSignaturGroesse, '\n');
        const Signaturergebnis e = MinisignPruefen(datei, sig, m_schluessel->oeffentlich);
        QCOMPARE(e.gueltig, fehler.isEmpty());
        QVERIFY2(e.fehler.contains(fehler), qPrintable(e.fehler));
        if (e.gueltig)
            QCOMPARE(e.vertrauterKommentar, QStringLiteral("timestamp:1796963820\tfile:verinfos.qta"));
    }

    void schluesselLesen_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("gut");
        QTest::newRow("the .pub file") << QByteArray("untrusted comment: minisign public key C6C2A9E5F9B2107\n"
                                                     "RWQHIZtfnipsDKT/dH2neKRnRIu9qlkpRG+/ZMPhmF9U2bdN9DIeEJ6Z\n")
                                       << true;
        QTest::newRow("its base64 line") << QByteArray("RWQHIZtfnipsDKT/dH2neKRnRIu9qlkpRG+/ZMPhmF9U2bdN9DIeEJ6Z")
                                         << true;
        QTest::newRow("one character short")
            << QByteArray("RWQHIZtfnipsDKT/dH2neKRnRIu9qlkpRG+/ZMPhmF9U2bdN9DIeEJ6") << false;
        QTest::newRow("not Ed") << QByteArray("AAAHIZtfnipsDKT/dH2neKRnRIu9qlkpRG+/ZMPhmF9U2bdN9DIeEJ6Z") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void schluesselLesen()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, gut);
        QCOMPARE(MinisignSchluesselLesen(text).has_value(), gut);
    }

    // The version file of the signed layout, as the release script writes it, read back, and
    // its last record read as an installed program of an earlier version reads it.
    void versionsdateiDesSkripts()
    {
        const QByteArray installer = QByteArray("#!/bin/sh\necho neu\n").repeated(300);
        const QString pfad = m_ordner.filePath(QStringLiteral("qtaupdate.exe"));
        QVERIFY(schreibe(pfad, installer));
        QProcess p;
        p.start(QStringLiteral("/bin/sh"),
                {QStringLiteral(QUINTARO_TESTDATA "/../../scripts/versionsdatei.sh"), QStringLiteral("1.6.0.0"), pfad});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QByteArray datei = p.readAllStandardOutput();
        QCOMPARE(datei, UpdateangabenSchreiben(angabenFuer(installer)));
        QCOMPARE(datei.size(), 96);
        const auto angaben = UpdateangabenLesen(datei);
        QVERIFY(angaben);
        QCOMPARE(angaben->version, QStringLiteral("1.6.0.0"));
        QCOMPARE(angaben->groesse, installer.size());
        QCOMPARE(angaben->sha256, sha256(installer));
        QCOMPARE(VersionLesen(datei).value_or(QString()), QStringLiteral("1.6.0.0"));

        for (const QString &falsch :
             {QStringLiteral("404"), QStringLiteral("1.6.0.0.0.0.0.10"), QStringLiteral("1.6 beta")}) {
            p.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral(QUINTARO_TESTDATA "/../../scripts/versionsdatei.sh"), falsch, pfad});
            QVERIFY(p.waitForFinished(30000));
            QCOMPARE(p.exitCode(), 1);
            QVERIFY(p.readAllStandardOutput().isEmpty());
        }
    }

    void updateangabenLesen_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<bool>("gut");
        const QByteArray gut = UpdateangabenSchreiben(angabenFuer("abc"));
        QTest::newRow("as written") << gut << true;
        QTest::newRow("an old version file of one record") << gut.right(24) << false;
        QTest::newRow("a record more in front") << gut.right(24) + gut << false;
        QByteArray kennung = gut;
        kennung[7] = '2';
        QTest::newRow("another layout's mark") << kennung << false;
        QByteArray null = gut;
        std::memset(null.data() + 8, 0, 8);
        QTest::newRow("size 0") << null << false;
        QByteArray negativ = gut;
        negativ[15] = char(0x80);
        QTest::newRow("size beyond 63 bits") << negativ << false;
        QByteArray fuell = gut;
        fuell[60] = 1;
        QTest::newRow("filling not zero") << fuell << false;
        QTest::newRow("version 404") << UpdateangabenSchreiben(angabenFuer("abc", QStringLiteral("404"))) << false;
    }
    void updateangabenLesen()
    {
        QFETCH(QByteArray, datei);
        QFETCH(bool, gut);
        QCOMPARE(UpdateangabenLesen(datei).has_value(), gut);
    }

    void versionVergleichen_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("older") << "1.4.9.0"
                               << "1.5.0.0" << -1;
        QTest::newRow("same") << "1.5.0.0"
                              << "1.5.0.0" << 0;
        QTest::newRow("newer") << "1.6.0.0"
                               << "1.5.0.0" << 1;
        QTest::newRow("10 after 9, not as text") << "1.10"
                                                 << "1.9" << 1;
        QTest::newRow("a missing part is 0") << "1.5"
                                             << "1.5.0.0" << 0;
        QTest::newRow("leading zeros") << "1.05"
                                       << "1.5" << 0;
        QTest::newRow("longer than any integer") << "99999999999999"
                                                 << "99999999999998.9" << 1;
    }
    void versionVergleichen()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, ergebnis);
        QCOMPARE(VersionVergleichen(a, b), ergebnis);
        QCOMPARE(VersionVergleichen(b, a), -ergebnis);
    }

    // Version file, signature and installer in the update folder, checked just before the start.
    void updatePruefen_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("fehler"); // empty: it may start
        QTest::newRow("as signed") << "gut"
                                   << "";
        QTest::newRow("one byte of the installer changed") << "byte"
                                                           << "Prüfsumme (SHA-256) weicht ab";
        QTest::newRow("installer longer") << "laenger"
                                          << "der Hersteller hat 3.000 Bytes signiert";
        QTest::newRow("installer missing") << "fehlt"
                                           << "fehlt oder ist keine gewöhnliche Datei";
        QTest::newRow("a link to a good copy") << "link"
                                               << "fehlt oder ist keine gewöhnliche Datei";
        QTest::newRow("no signature") << "ohneSignatur"
                                      << "nicht vom Hersteller signiert";
        QTest::newRow("signed by another key") << "fremd"
                                               << "nicht vom Hersteller signiert";
        QTest::newRow("version file changed after signing") << "versionsdatei"
                                                            << "nicht vom Hersteller signiert";
        QTest::newRow("an old signature on a new version file") << "alteSignatur"
                                                                << "nicht vom Hersteller signiert";
    }
    void updatePruefen()
    {
        QFETCH(QString, fall);
        QFETCH(QString, fehler);
        QTemporaryDir temp;
        const QString ordner = temp.filePath(QStringLiteral("Update")) + QLatin1Char('/');
        QVERIFY(Updatepruefung::PrivatenOrdnerAnlegen(ordner).isEmpty());
        const QByteArray installer = QByteArray("#!/bin/sh\n").leftJustified(3000, '#');
        QByteArray version = UpdateangabenSchreiben(angabenFuer(installer));
        QByteArray sig = m_schluessel->signieren(version);
        QByteArray datei = installer;
        if (fall == QLatin1String("byte"))
            datei[2000] = 'x';
        else if (fall == QLatin1String("laenger"))
            datei += '\n';
        else if (fall == QLatin1String("ohneSignatur"))
            sig.clear();
        else if (fall == QLatin1String("fremd"))
            sig = m_fremd->signieren(version);
        else if (fall == QLatin1String("versionsdatei"))
            version[80] = '2';
        else if (fall == QLatin1String("alteSignatur"))
            sig = m_schluessel->signieren(UpdateangabenSchreiben(angabenFuer("altes")));
        const QString ziel = ordner + Updateserver::InstallerLokal;
        if (fall == QLatin1String("link")) {
            QVERIFY(schreibe(temp.filePath(QStringLiteral("kopie")), datei));
            QVERIFY(QFile::link(temp.filePath(QStringLiteral("kopie")), ziel));
        } else if (fall != QLatin1String("fehlt")) {
            QVERIFY(schreibe(ziel, datei));
            QVERIFY(QFile::setPermissions(ziel, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        }
        QVERIFY(schreibe(ordner + Updateserver::Versionsdatei, version));
        if (!sig.isEmpty())
            QVERIFY(schreibe(ordner + Updatepruefung::Signaturdatei, sig));

        const QString text = Updatepruefung::UpdatePruefen(ordner);
        QVERIFY2(text.contains(fehler), qPrintable(text));
        if (fehler.isEmpty()) {
            QVERIFY(text.isEmpty());
            QCOMPARE(modus(ziel), 0700); // its owner may start it, nobody else may touch it
        } else {
            QVERIFY(text.endsWith(QStringLiteral("Sie wird nicht gestartet.")) ||
                    text.contains(QStringLiteral("Sie wird nicht gestartet.\n\n")));
            if (fall != QLatin1String("fehlt") && fall != QLatin1String("link"))
                QCOMPARE(modus(ziel), 0600); // never made executable
        }
    }

    // The update folder belongs to the user alone, and no link in its place is followed.
    void privaterOrdner_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<bool>("gut");
        QTest::newRow("new") << "neu" << true;
        QTest::newRow("there, open to everybody") << "offen" << true;
        QTest::newRow("a link to a folder") << "link" << false;
        QTest::newRow("a file") << "datei" << false;
    }
    void privaterOrdner()
    {
        QFETCH(QString, fall);
        QFETCH(bool, gut);
        QTemporaryDir temp;
        const QString ordner = temp.filePath(QStringLiteral("Update/"));
        const QString anderswo = temp.filePath(QStringLiteral("anderswo"));
        QVERIFY(QDir().mkpath(anderswo));
        QVERIFY(QFile::setPermissions(anderswo, QFileDevice::Permissions(0x7777)));
        if (fall == QLatin1String("offen")) {
            QVERIFY(QDir().mkpath(ordner));
            QVERIFY(::chmod(QFile::encodeName(ordner).constData(), 0777) == 0);
        } else if (fall == QLatin1String("link")) {
            QVERIFY(QFile::link(anderswo, temp.filePath(QStringLiteral("Update"))));
        } else if (fall == QLatin1String("datei")) {
            QVERIFY(schreibe(temp.filePath(QStringLiteral("Update")), "x"));
        }
        const QString text = Updatepruefung::PrivatenOrdnerAnlegen(ordner);
        QCOMPARE(text.isEmpty(), gut);
        if (gut)
            QCOMPARE(modus(temp.filePath(QStringLiteral("Update"))), 0700);
        else
            QVERIFY2(text.contains(QStringLiteral("kein Ordner, der Ihnen allein gehört")), qPrintable(text));
        QCOMPARE(modus(anderswo), 0777); // the link's target is left as it was
    }
};

QTEST_GUILESS_MAIN(TestSignatur)
#include "tst_signatur.moc"
