// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"

#include "update/Uebergabe.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The hand-over script runs for real, in a temporary folder, against a stand-in program file
// whose path holds every character a shell would otherwise act on.
class TestUebergabe : public QObject
{
    Q_OBJECT

    static QString boeserOrdner(const QTemporaryDir &basis)
    {
        return basis.path() + QStringLiteral("/Prog 'X' \"Y\" $HOME `touch gehackt` $(touch gehackt2); echo weg/");
    }

    static QStringList alles(const QString &ordner)
    {
        QStringList namen;
        QDirIterator it(ordner, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            namen << QDir(ordner).relativeFilePath(it.next());
        namen.sort();
        return namen;
    }

private Q_SLOTS:
    void shellWort_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("wort");
        QTest::newRow("plain") << "/opt/qa/prog" << QByteArray("'/opt/qa/prog'");
        QTest::newRow("blank and dollar") << "/a b/$HOME" << QByteArray("'/a b/$HOME'");
        QTest::newRow("single quotes") << "/it's/'x'" << QByteArray("'/it'\\''s/'\\''x'\\'''");
        QTest::newRow("umlaut") << "/Spiele/Größe"
                                << QByteArray("'/Spiele/Gr\xC3\xB6\xC3\x9F"
                                              "e'");
    }
    void shellWort()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, wort);
        QCOMPARE(ShellWort(text), wort);
        // What the shell makes of the word is the text itself.
        QProcess sh;
        sh.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromUtf8("printf %s " + wort)});
        QVERIFY(sh.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(sh.readAllStandardOutput()), text);
    }

    void skriptText()
    {
        const QString programm = QStringLiteral("/opt/Prog 'X' $HOME `id`/quintaro-analyser");
        const QByteArray s = UebergabeSkript(programm, QStringLiteral("/run/u/uisAB12.sh"), 180);
        QVERIFY(s.startsWith("#!/bin/sh\n"));
        QVERIFY(s.contains("\nprogramm='/opt/Prog '\\''X'\\'' $HOME `id`/quintaro-analyser'\n"));
        QVERIFY(s.contains("\n  rm -f -- \"$programm\" 2>/dev/null\n"));
        QVERIFY(s.contains("[ \"$versuch\" -ge 180 ] && break\n    sleep 1\n"));
        QVERIFY(s.contains("\nrmdir -- '/opt/Prog '\\''X'\\'' $HOME `id`/' 2>/dev/null\n"));
        QVERIFY(s.endsWith("\nrm -f -- '/run/u/uisAB12.sh'\n"));
    }

    void skriptLaeuft_data()
    {
        QTest::addColumn<bool>("entfernbar");
        QTest::newRow("file and empty folder removed") << true;
        // A program file that can't be removed (here a folder in its place) ends the tries.
        QTest::newRow("gives up on a file it can't remove") << false;
    }
    void skriptLaeuft()
    {
        QFETCH(bool, entfernbar);
        QTemporaryDir basis;
        const QString ordner = boeserOrdner(basis);
        const QString programm = ordner + QStringLiteral("quintaro-analyser");
        if (entfernbar)
            QVERIFY(QDir().mkpath(ordner) && schreibe(programm, "altes Programm"));
        else
            QVERIFY(QDir().mkpath(programm + QStringLiteral("/inhalt")));
        QVERIFY(schreibe(basis.filePath(QStringLiteral("nachbar.txt")), "bleibt"));
        const QString skript = basis.filePath(QStringLiteral("uis1.sh"));
        QVERIFY(schreibe(skript, UebergabeSkript(programm, skript, 2)));

        QProcess sh;
        sh.setWorkingDirectory(basis.path());
        sh.start(QStringLiteral("/bin/sh"), {skript});
        QVERIFY(sh.waitForFinished(20000));
        QCOMPARE(sh.exitCode(), 0);
        QStringList bleibt{QStringLiteral("nachbar.txt")};
        if (!entfernbar) {
            const QString rest = QDir(basis.path()).relativeFilePath(programm);
            bleibt << QFileInfo(rest).path() << rest << rest + QStringLiteral("/inhalt");
            bleibt.sort();
        }
        QCOMPARE(alles(basis.path()), bleibt);
    }

    void uebergabeStarten()
    {
        QTemporaryDir basis;
        const QString tempOrdner = basis.filePath(QStringLiteral("tmp/"));
        QVERIFY(QDir().mkpath(tempOrdner));
        const QString ordner = boeserOrdner(basis);
        QVERIFY(QDir().mkpath(ordner));
        Programmuebergabe u;
        u.programmdatei = ordner + QStringLiteral("quintaro-analyser");
        u.tempOrdner = tempOrdner;
        QVERIFY(schreibe(u.programmdatei, "altes Programm"));

        QCOMPARE(UebergabeStarten(u), QString());
        // The script runs on its own; it leaves nothing but the empty temporary folder.
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(ordner), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(alles(basis.path()), QStringList{QStringLiteral("tmp")}, 10000);
    }

    void uebergabeOhneOrdner()
    {
        QTemporaryDir basis;
        Programmuebergabe u;
        u.programmdatei = basis.filePath(QStringLiteral("prog"));
        u.tempOrdner = basis.filePath(QStringLiteral("fehlt/"));
        QVERIFY(!UebergabeStarten(u).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUebergabe)
#include "tst_uebergabe.moc"
