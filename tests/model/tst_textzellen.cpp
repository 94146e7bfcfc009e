// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Textzellen.h"

#include <QTest>

#include <random>

// The grid keeps short Latin-1 texts in the cell and everything else in a shared pool; these
// tests hold it to what a grid of QStrings did.
class TstTextzellen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texteKommenUnveraendertZurueck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("one digit") << QStringLiteral("7");
        QTest::newRow("seven Latin-1") << QStringLiteral("abcdefg");
        QTest::newRow("eight Latin-1") << QStringLiteral("abcdefgh");
        QTest::newRow("umlauts inline") << QStringLiteral("Größe ÿ");
        QTest::newRow("umlauts in pool") << QStringLiteral("Größenverhältnis");
        QTest::newRow("euro sign alone") << QStringLiteral("€");
        QTest::newRow("wider than Latin-1") << QStringLiteral("Zürich € 3");
        QTest::newRow("surrogate pair") << QStringLiteral("Glück \U0001F340");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("x");
        QTest::newRow("NUL inside") << QString::fromLatin1("a\0b", 3);
        QTest::newRow("NUL at the end of seven") << QString::fromLatin1("abcdef\0", 7);
        QTest::newRow("blanks kept") << QStringLiteral("  12 ");
        QTest::newRow("64 characters") << QString(64, QLatin1Char('x'));
        QTest::newRow("100.000 wide characters") << QString(100'000, QChar(0x20AC));
    }
    void texteKommenUnveraendertZurueck()
    {
        QFETCH(QString, text);
        TextTabelle t(3, 3);
        t.setzeZelle(0, 0, QStringLiteral("davor"));
        t.setzeZelle(2, 2, QStringLiteral("ein längerer Text danach"));
        t.setzeZelle(1, 1, text);
        QCOMPARE(t.zelle(1, 1), text);
        QCOMPARE(t.zelle(1, 1).size(), text.size());
        QCOMPARE(t.zelle(0, 0), QStringLiteral("davor"));
        QCOMPARE(t.zelle(2, 2), QStringLiteral("ein längerer Text danach"));
        QVERIFY(t.zelle(1, 0).isEmpty());

        // A copy reads the same and stays so when the original changes.
        const TextTabelle kopie = t;
        t.setzeZelle(1, 1, QStringLiteral("neu"));
        QCOMPARE(kopie.zelle(1, 1), text);
        QCOMPARE(t.zelle(1, 1), QStringLiteral("neu"));
    }

    // Random writes, clears and resizes against a plain grid of QStrings: overwritten pool texts
    // are moved together now and then, and no cell may lose or swap its text on the way.
    void wieEinGitterAusQStrings()
    {
        std::mt19937 zufall(549);
        const QStringList texte{QString(),
                                QStringLiteral("1"),
                                QStringLiteral("49"),
                                QStringLiteral("  1234"),
                                QStringLiteral("Tippreihe 17"),
                                QStringLiteral("€"),
                                QString(64, QLatin1Char('z')),
                                QString(300, QChar(0x0416)),
                                QStringLiteral("Größe")};
        TextTabelle t(4, 5);
        QVector<QVector<QString>> soll(4, QVector<QString>(5));
        const auto pruefen = [&](int schritt) {
            QCOMPARE(qsizetype(t.spalten()), soll.size());
            for (int c = 0; c < t.spalten(); ++c) {
                QCOMPARE(qsizetype(t.zeilen()), soll[c].size());
                for (int r = 0; r < t.zeilen(); ++r)
                    if (t.zelle(c, r) != soll[c][r])
                        QFAIL(qPrintable(QStringLiteral("step %1, cell (%2, %3): \"%4\" instead of \"%5\"")
                                             .arg(schritt)
                                             .arg(c)
                                             .arg(r)
                                             .arg(t.zelle(c, r).left(20), soll[c][r].left(20))));
            }
        };
        for (int schritt = 0; schritt < 20'000; ++schritt) {
            const unsigned wahl = zufall() % 100;
            if (wahl < 2) {
                const int spalten = static_cast<int>(zufall() % 7);
                t.setzeSpalten(spalten);
                soll.resize(spalten, QVector<QString>(t.zeilen()));
            } else if (wahl < 4) {
                const int zeilen = static_cast<int>(zufall() % 9);
                t.setzeZeilen(zeilen);
                for (QVector<QString> &spalte : soll)
                    spalte.resize(zeilen);
            } else {
                // Some writes fall outside and must be dropped.
                const int c = static_cast<int>(zufall() % 8) - 1;
                const int r = static_cast<int>(zufall() % 10) - 1;
                const QString &text = texte[static_cast<qsizetype>(zufall() % texte.size())];
                t.setzeZelle(c, r, text);
                if (c >= 0 && c < soll.size() && r >= 0 && r < soll[c].size())
                    soll[c][r] = text;
            }
            pruefen(schritt);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void gleichheit_data()
    {
        QTest::addColumn<QString>("links");
        QTest::addColumn<QString>("rechts");
        QTest::addColumn<bool>("gleich");
        QTest::newRow("same short") << QStringLiteral("12") << QStringLiteral("12") << true;
        QTest::newRow("same long") << QString(64, QLatin1Char('a')) << QString(64, QLatin1Char('a')) << true;
        QTest::newRow("same wide") << QStringLiteral("€ 5") << QStringLiteral("€ 5") << true;
        QTest::newRow("short differs") << QStringLiteral("12") << QStringLiteral("13") << false;
        QTest::newRow("long differs in last character")
            << QString(63, QLatin1Char('a')) + QLatin1Char('b') << QString(64, QLatin1Char('a')) << false;
        QTest::newRow("wide differs") << QStringLiteral("€ 5") << QStringLiteral("€ 6") << false;
        QTest::newRow("prefix") << QStringLiteral("abcdefgh") << QStringLiteral("abcdefghi") << false;
        QTest::newRow("Latin-1 against wide") << QStringLiteral("Zähler") << QStringLiteral("Z\u0103hler") << false;
        QTest::newRow("empty against blank") << QString() << QStringLiteral(" ") << false;
        QTest::newRow("NUL against empty") << QString(QChar(0)) << QString() << false;
    }
    void gleichheit()
    {
        QFETCH(QString, links);
        QFETCH(QString, rechts);
        QFETCH(bool, gleich);
        // The left table got its text after others were overwritten, so its pool is laid out
        // differently from the right one's: equality must look at texts, not at storage.
        TextTabelle a(2, 2);
        for (int i = 0; i < 50; ++i)
            a.setzeZelle(0, 1, QStringLiteral("Füllung %1 mit etwas Länge").arg(i));
        a.setzeZelle(0, 1, QStringLiteral("Rest"));
        a.setzeZelle(1, 1, links);
        TextTabelle b(2, 2);
        b.setzeZelle(0, 1, QStringLiteral("Rest"));
        b.setzeZelle(1, 1, rechts);
        QCOMPARE(a == b, gleich);
        QCOMPARE(b == a, gleich);
    }

    void gleichheitDerForm()
    {
        TextTabelle a(2, 3);
        TextTabelle b(2, 3);
        QVERIFY(a == b);
        b.setzeSpaltenbreite(1, 40);
        QVERIFY(!(a == b));
        b.setzeSpaltenbreite(1, TextTabelle::StandardBreite);
        b.setzeZeilen(4);
        QVERIFY(!(a == b));
        // A cell written and cleared again is empty like one never written.
        b.setzeZeilen(3);
        b.setzeZelle(1, 2, QString(80, QLatin1Char('q')));
        b.setzeZelle(1, 2, QString());
        QVERIFY(a == b);
    }

    // The ticket entry keeps a workbook of up to two million cells of up to 64 characters; a
    // cell written again and again must not let the pool grow without end.
    void ueberschreibenWaechstNichtOhneEnde()
    {
        TextTabelle t(1, 1);
        for (int i = 0; i < 200'000; ++i)
            t.setzeZelle(0, 0, QString(64, QLatin1Char('a' + i % 26)));
        QCOMPARE(t.zelle(0, 0), QString(64, QLatin1Char('a' + (200'000 - 1) % 26)));
        // 200.000 texts of 68 bytes would be 13 MB; what is kept is one text and some garbage.
        QVERIFY2(t.gespeicherteBytes() < 4096, qPrintable(QString::number(t.gespeicherteBytes())));
    }
};

QTEST_GUILESS_MAIN(TstTextzellen)
#include "tst_textzellen.moc"
