// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Startoptionen.h"

#include <QDir>
#include <QtTest>

class TestStartoptionen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lesen_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("beispiel");
        QTest::addColumn<QStringList>("dateien");
        QTest::addColumn<QString>("fehler");
        const QString hier = QDir::currentPath() + QLatin1Char('/');
        QTest::newRow("nothing") << QStringList() << false << QStringList() << QString();
        QTest::newRow("sample data") << QStringList{QStringLiteral("--beispiel")} << true << QStringList() << QString();
        QTest::newRow("files, relative made absolute")
            << QStringList{QStringLiteral("/a/x.qtt"), QStringLiteral("y.qtt")} << false
            << QStringList{QStringLiteral("/a/x.qtt"), hier + QStringLiteral("y.qtt")} << QString();
        QTest::newRow("option between files")
            << QStringList{QStringLiteral("/a/x.qtt"), QStringLiteral("--beispiel"), QStringLiteral("/b/z.qtt")} << true
            << QStringList{QStringLiteral("/a/x.qtt"), QStringLiteral("/b/z.qtt")} << QString();
        QTest::newRow("file beginning with a dash after --")
            << QStringList{QStringLiteral("--"), QStringLiteral("-x.qtt"), QStringLiteral("--beispiel")} << false
            << QStringList{hier + QStringLiteral("-x.qtt"), hier + QStringLiteral("--beispiel")} << QString();
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--beispeil"), QStringLiteral("/a/x.qtt")}
                                        << false << QStringList{QStringLiteral("/a/x.qtt")}
                                        << QStringLiteral("Unbekannte Option \u201E--beispeil\u201C.");
    }
    void lesen()
    {
        QFETCH(QStringList, argumente);
        QFETCH(bool, beispiel);
        QFETCH(QStringList, dateien);
        QFETCH(QString, fehler);
        const Startoptionen o = StartoptionenLesen(argumente);
        QCOMPARE(o.beispieldaten, beispiel);
        QCOMPARE(o.dateien, dateien);
        QCOMPARE(o.fehler, fehler);
    }
};

QTEST_GUILESS_MAIN(TestStartoptionen)
#include "tst_startoptionen.moc"
