// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "Tabellenzeilen.h"

#include "entry/Tabellenformate.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
// A tip-row table with the given rows ("a b c d e zz" each) and a header row.
TextTabelle tippreihen(const QStringList &reihen, int spalten = 7)
{
    TextTabelle t(spalten, int(reihen.size()) + 1);
    t.setzeZelle(0, 0, QStringLiteral("Reihe"));
    for (int z = 1; z <= reihen.size(); ++z) {
        t.setzeZelle(0, z, QString::number(z));
        const QStringList zellen = reihen[z - 1].split(QLatin1Char(' '));
        for (int s = 0; s < zellen.size(); ++s)
            t.setzeZelle(s + 1, z, zellen[s]);
    }
    return t;
}

} // namespace

class TestTabellenformate : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;
    QString datei(const QString &name) const { return ordner.filePath(name); }

private Q_SLOTS:
    void csvHinUndZurueck()
    {
        const TextTabelle t = tippreihen(
            {QStringLiteral("2 12 22 38 41 6"), QStringLiteral("1 5 9 33 47 10"), QStringLiteral("3 4 5 6 7 8")});
        QCOMPARE(CSVSpeichern(t, datei(QStringLiteral("drei.csv"))), QString());
        QCOMPARE(inhalt(datei(QStringLiteral("drei.csv"))),
                 QByteArray("2,12,22,38,41,6\r\n1,5,9,33,47,10\r\n3,4,5,6,7,8\r\n"));

        TextTabelle gelesen(7, 50);
        gelesen.setzeZelle(0, 0, QStringLiteral("Reihe"));
        gelesen.setzeZelle(3, 40, QStringLiteral("alt"));
        const CSVErgebnis e = CSVEinlesen(gelesen, datei(QStringLiteral("drei.csv")));
        QCOMPARE(e.fehler, QString());
        QCOMPARE(e.zeilen, 3);
        QCOMPARE(zeilen(gelesen), zeilen(t));
    }

    // Cells that need quotes, the columns a line carries, and a lone empty field.
    void csvSchreiben_data()
    {
        QTest::addColumn<QList<QStringList>>("reihen");
        QTest::addColumn<int>("spalten");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("quotes") << QList<QStringList>{{QStringLiteral("a\"b"), QStringLiteral("c,d"),
                                                       QStringLiteral("e f"), QStringLiteral("x\u00F6"),
                                                       QStringLiteral("1\t2")}}
                                << 7 << QByteArray("\"a\"\"b\",\"c,d\",\"e f\",x\xC3\xB6,\"1\t2\"\r\n");
        QTest::newRow("stops before the first empty column of row 1")
            << QList<QStringList>{{QStringLiteral("1"), QStringLiteral("2")},
                                  {QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")}}
            << 7 << QByteArray("1,2\r\n3,4\r\n");
        QTest::newRow("one column, empty cell")
            << QList<QStringList>{{QStringLiteral("7")}, {}} << 2 << QByteArray("7\r\n\"\"\r\n");
    }
    void csvSchreiben()
    {
        QFETCH(QList<QStringList>, reihen);
        QFETCH(int, spalten);
        QFETCH(QByteArray, text);
        TextTabelle t(spalten, int(reihen.size()) + 1);
        for (int z = 0; z < reihen.size(); ++z)
            for (int s = 0; s < reihen[z].size(); ++s)
                t.setzeZelle(s + 1, z + 1, reihen[z][s]);
        QCOMPARE(CSVText(t), text);
    }

    void csvLesen_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QStringList>("tabelle");
        const QString kopf = QStringLiteral("Reihe||||||");
        QTest::newRow("seven fields, one dropped")
            << QByteArray("1,2,3,4,5,6,7\n") << QStringList{kopf, QStringLiteral("1|1|2|3|4|5|6")};
        QTest::newRow("trailing comma, empty first field")
            << QByteArray("1,2,3,4,5,6,\r\n,1,2,3,4,5\r\n")
            << QStringList{kopf, QStringLiteral("1|1|2|3|4|5|6"), QStringLiteral("2||1|2|3|4|5")};
        QTest::newRow("quotes kept") << QByteArray("\"1\",\"2\",\"3\",\"4\",\"5\",\"6\"")
                                     << QStringList{kopf, QStringLiteral("1|\"1\"|\"2\"|\"3\"|\"4\"|\"5\"|\"6\"")};
        QTest::newRow("empty and quote-only lines skipped, blanks kept")
            << QByteArray("\r\n1,2\n\n\"\"\r\n   \n3,4\n")
            << QStringList{kopf, QStringLiteral("1|1|2||||"), QStringLiteral("2|   |||||"),
                           QStringLiteral("3|3|4||||")};
        QTest::newRow("no usable line") << QByteArray("\r\n\n") << QStringList{kopf, QStringLiteral("1||||||")};
        QTest::newRow("windows-1252") << QByteArray("Gl\xFC"
                                                    "ck,\x80\r\n")
                                      << QStringList{kopf, QStringLiteral("1|Gl\u00FCck|\u20AC||||")};
        QTest::newRow("utf-8 with byte-order mark") << QByteArray("\xEF\xBB\xBFGl\xC3\xBC"
                                                                  "ck\n")
                                                    << QStringList{kopf, QStringLiteral("1|Gl\u00FCck|||||")};
        QTest::newRow("a field cut at 64 characters")
            << QByteArray("1,") + QByteArray(65, 'x') + QByteArray(",3\n") + QByteArray(64, 'y') + ",5\n"
            << QStringList{kopf, QStringLiteral("1|1|") + QString(64, QLatin1Char('x')) + QStringLiteral("\u2026|3|||"),
                           QStringLiteral("2|") + QString(64, QLatin1Char('y')) + QStringLiteral("|5||||")};
        QTest::newRow("a million empty lines, then a row")
            << QByteArray(1'000'000, '\n') + "1,2\n" << QStringList{kopf, QStringLiteral("1|1|2||||")};
        QTest::newRow("thousands of fields") << QByteArray("1,2,3,4,5,6,") + QByteArray(60'000, ',') + "\n"
                                             << QStringList{kopf, QStringLiteral("1|1|2|3|4|5|6")};
    }
    void csvLesen()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QStringList, tabelle);
        QVERIFY(schreibe(this->datei(QStringLiteral("t.csv")), datei));
        TextTabelle t = tippreihen({QStringLiteral("9 9 9 9 9 9"), QStringLiteral("8 8 8 8 8 8")});
        QCOMPARE(CSVEinlesen(t, this->datei(QStringLiteral("t.csv"))).fehler, QString());
        QCOMPARE(zeilen(t), tabelle);
    }

    // Bad files end with a German message and leave the table as it was.
    void csvFehler_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("anfang");
        QTest::newRow("line of 1 MB")
            << QByteArray("1,2,3,4,5,6\n") + QByteArray(1024 * 1024, '7') + QByteArray("\n")
            << QStringLiteral("Die Zeile 2 der Datei \u201Et.csv\u201C ist l\u00E4nger als 65536 Zeichen");
        QTest::newRow("too many rows") << QByteArray("1\n").repeated(200'001)
                                       << QStringLiteral("Die Datei \u201Et.csv\u201C hat mehr als 200000 Zeilen");
        QTest::newRow("too large") << QByteArray(16 * 1024 * 1024 + 1, '\n')
                                   << QStringLiteral("Die Datei \u201Et.csv\u201C ist mit mehr als 16 MB zu gro\u00DF");
        QTest::newRow("vanished") << QByteArray()
                                  << QStringLiteral("Die Datei \u201Et.csv\u201C konnte nicht gelesen werden.\n\n");
    }
    void csvFehler()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, anfang);
        const QString pfad = this->datei(QStringLiteral("t.csv"));
        QFile::remove(pfad);
        if (!datei.isEmpty())
            QVERIFY(schreibe(pfad, datei));
        const TextTabelle vorher = tippreihen({QStringLiteral("9 9 9 9 9 9")});
        TextTabelle t = vorher;
        const CSVErgebnis e = CSVEinlesen(t, pfad);
        QVERIFY2(e.fehler.startsWith(anfang), qPrintable(e.fehler));
        QCOMPARE(t, vorher);
    }

    void csvSchreibfehlerLaesstAltesStehen()
    {
        QVERIFY(schreibe(datei(QStringLiteral("Ordner")), "eine Datei"));
        const QString fehler =
            CSVSpeichern(tippreihen({QStringLiteral("1 2 3 4 5 6")}), datei(QStringLiteral("Ordner/neu.csv")));
        QVERIFY2(fehler.startsWith(QStringLiteral("Die Datei \u201Eneu.csv\u201C konnte nicht geschrieben werden.")),
                 qPrintable(fehler));
        QCOMPARE(inhalt(datei(QStringLiteral("Ordner"))), QByteArray("eine Datei"));
    }

    void zerlegen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("stuecke");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("separator at the end")
            << QStringLiteral("a,b,") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("empty pieces") << QStringLiteral(",,a")
                                      << QStringList{QString(), QString(), QStringLiteral("a")};
        QTest::newRow("only a separator") << QStringLiteral(",") << QStringList{QString()};
    }
    void zerlegen()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, stuecke);
        QCOMPARE(TextZerlegen(text, QStringLiteral(",")), stuecke);
    }

    void leeren()
    {
        TextTabelle t = tippreihen({QStringLiteral("1 2 3 4 5 6"), QStringLiteral("7 8 9 10 11 1")});
        TabelleLeeren(t);
        QCOMPARE(zeilen(t),
                 (QStringList{QStringLiteral("Reihe||||||"), QStringLiteral("1||||||"), QStringLiteral("2||||||")}));
    }

    void zellbezug()
    {
        QCOMPARE(Zellbezug(1, 1), QStringLiteral("A1"));
        QCOMPARE(Zellbezug(5, 7), QStringLiteral("G5"));
        QCOMPARE(Zellbezug(7, 6), QStringLiteral("F7"));
        QCOMPARE(Zellbezug(1, 27), QStringLiteral("AA1"));
        QCOMPARE(Zellbezug(3, 52), QStringLiteral("AZ3"));
        QCOMPARE(Zellbezug(3, 53), QStringLiteral("BA3"));
        QCOMPARE(Zellbezug(10, 702), QStringLiteral("ZZ10"));
    }

    void zahlen_data()
    {
        QTest::addColumn<double>("zahl");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 1234.0 << QStringLiteral("1234");
        QTest::newRow("half") << 2.5 << QStringLiteral("2,5");
        QTest::newRow("negative") << -0.125 << QStringLiteral("-0,125");
        QTest::newRow("no exponent, small") << 1e-7 << QStringLiteral("0,0000001");
        QTest::newRow("no exponent, large") << 1e20 << QStringLiteral("100000000000000000000");
        QTest::newRow("15 significant digits") << 12345678901234567.0 << QStringLiteral("12345678901234600");
        QTest::newRow("binary noise rounded away") << 0.1 + 0.2 << QStringLiteral("0,3");
        QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    }
    void zahlen()
    {
        QFETCH(double, zahl);
        QFETCH(QString, text);
        QCOMPARE(ZahlAlsText(zahl, QLocale(QLocale::German, QLocale::Germany)), text);
    }
};

QTEST_GUILESS_MAIN(TestTabellenformate)
#include "tst_tabellenformate.moc"
