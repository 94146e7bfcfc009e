// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Textdekodierung.h"

#include <QtTest>

class TestTextdekodierung : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ganzeDateiEntscheidet_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("ascii") << QByteArray("1,2,3\n") << QStringLiteral("1,2,3\n") << true;
        QTest::newRow("empty") << QByteArray() << QString() << true;
        QTest::newRow("utf-8") << QByteArray("Sch\xC3\xB6n") << QStringLiteral("Sch\u00F6n") << true;
        QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBFSch\xC3\xB6n") << QStringLiteral("Sch\u00F6n") << true;
        QTest::newRow("windows-1252") << QByteArray("Sch\xF6n \x80 \x84x\x93") << QStringLiteral("Sch\u00F6n \u20AC \u201Ex\u201C")
                                      << false;
        // One bad byte late in the file decides for the whole file, the valid UTF-8 before it included.
        QTest::newRow("mixed") << QByteArray("\xC3\xB6 \xF6") << QStringLiteral("\u00C3\u00B6 \u00F6") << false;
        QTest::newRow("unused 1252 bytes survive") << QByteArray("\x81\x8D\x8F\x90\x9D") << QStringLiteral("\u0081\u008D\u008F\u0090\u009D")
                                                   << false;
        QTest::newRow("cut-off sequence") << QByteArray("ab\xC3") << QStringLiteral("ab\u00C3") << false;
    }
    void ganzeDateiEntscheidet()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, utf8);
        const DekodierterText d = TextDekodieren(bytes);
        QCOMPARE(d.text, text);
        QCOMPARE(d.kodierung == Textkodierung::Utf8, utf8);
    }

    void windows1252IstUmkehrbar()
    {
        // Every byte maps to its own character, so a file read as Windows-1252 loses nothing.
        QByteArray alle;
        for (int b = 0; b < 256; ++b)
            alle.append(static_cast<char>(b));
        const QString text = AusWindows1252(alle);
        QCOMPARE(text.size(), 256);
        QSet<QChar> verschieden(text.cbegin(), text.cend());
        QCOMPARE(verschieden.size(), 256);
    }
};

QTEST_GUILESS_MAIN(TestTextdekodierung)
#include "tst_textdekodierung.moc"
