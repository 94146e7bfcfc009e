// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"

#include "tools/Taschenrechner.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// The calculator is looked up on a PATH made by the test.
class TestTaschenrechner : public QObject
{
    Q_OBJECT

    static void programm(const QString &ordner, const QString &name, bool ausfuehrbar)
    {
        const QString datei = QDir(ordner).filePath(name);
        QVERIFY(schreibe(datei, "#!/bin/sh\n"));
        QFile::Permissions rechte = QFile::ReadOwner | QFile::WriteOwner;
        if (ausfuehrbar)
            rechte |= QFile::ExeOwner;
        QVERIFY(QFile::setPermissions(datei, rechte));
    }

private Q_SLOTS:
    void ersterDerListe_data()
    {
        QTest::addColumn<QStringList>("vorne");    // programs in the first PATH folder
        QTest::addColumn<QStringList>("hinten");   // programs in the second
        QTest::addColumn<QStringList>("gesperrt"); // present but not executable
        QTest::addColumn<QString>("gefunden");
        QTest::newRow("none") << QStringList() << QStringList() << QStringList() << QString();
        QTest::newRow("one") << QStringList() << QStringList{QStringLiteral("xcalc")} << QStringList()
                             << QStringLiteral("xcalc");
        QTest::newRow("order of the list, not of PATH")
            << QStringList{QStringLiteral("xcalc")} << QStringList{QStringLiteral("kcalc")} << QStringList()
            << QStringLiteral("kcalc");
        QTest::newRow("not executable is skipped")
            << QStringList{QStringLiteral("mate-calc")} << QStringList()
            << QStringList{QStringLiteral("gnome-calculator")} << QStringLiteral("mate-calc");
        QTest::newRow("unknown names are no calculator")
            << QStringList{QStringLiteral("calc"), QStringLiteral("bc")} << QStringList() << QStringList() << QString();
    }
    void ersterDerListe()
    {
        QFETCH(QStringList, vorne);
        QFETCH(QStringList, hinten);
        QFETCH(QStringList, gesperrt);
        QFETCH(QString, gefunden);
        QTemporaryDir a, b;
        for (const QString &name : vorne)
            programm(a.path(), name, true);
        for (const QString &name : hinten)
            programm(b.path(), name, true);
        for (const QString &name : gesperrt)
            programm(a.path(), name, false);
        const QByteArray alterPfad = qgetenv("PATH");
        qputenv("PATH", (a.path() + QLatin1Char(':') + b.path()).toUtf8());
        const QString pfad = TaschenrechnerFinden();
        qputenv("PATH", alterPfad);
        QCOMPARE(QFileInfo(pfad).fileName(), gefunden);
        if (!gefunden.isEmpty())
            QVERIFY(QFileInfo(pfad).isAbsolute());
    }
};

QTEST_GUILESS_MAIN(TestTaschenrechner)
#include "tst_taschenrechner.moc"
