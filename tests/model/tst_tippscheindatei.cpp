// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "model/Tippscheindatei.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
// Rows 3 12 25 38 47 / 7 and 1 2 3 4 5 / 10, four shares of which one is the user's.
const QByteArray zweiReihen = QByteArray::fromHex("030C19262F070400010001020304050A04000100");

const Textmesser sechsProZeichen = [](const QString &t) { return int(t.size()) * 6; };



// A tip-row grid as a tab prepares it, with a few stale rows that reading must drop.
TextTabelle vorbereiteteTabelle(int alteZeilen = 4)
{
    TextTabelle t(TippreihenSpalten, 1 + alteZeilen);
    KopfTippreihen(t, 45, sechsProZeichen);
    for (int z = 1; z <= alteZeilen; ++z)
        for (int c = 0; c < TippreihenSpalten; ++c)
            t.setzeZelle(c, z, QStringLiteral("alt"));
    return t;
}

// Rows of the grid as "n n n n n zz", row numbers left out.
QStringList reihentexte(const TextTabelle &t)
{
    QStringList zeilen;
    for (int z = 1; z < t.zeilen(); ++z) {
        QStringList zellen;
        for (int c = 1; c <= 6; ++c)
            zellen << t.zelle(c, z);
        zeilen << zellen.join(QLatin1Char(' '));
    }
    return zeilen;
}

TextTabelle tabelleMit(const QStringList &reihen)
{
    TextTabelle t(TippreihenSpalten, 1 + int(reihen.size()));
    KopfTippreihen(t, 45, sechsProZeichen);
    for (int z = 1; z <= reihen.size(); ++z) {
        t.setzeZelle(0, z, QString::number(z));
        const QStringList zellen = reihen[z - 1].split(QLatin1Char(' '));
        for (int c = 1; c <= 6 && c <= zellen.size(); ++c)
            t.setzeZelle(c, z, zellen[c - 1] == QLatin1String("_") ? QString() : zellen[c - 1]);
    }
    return t;
}
} // namespace

class TestTippscheindatei : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;
    QString datei(const QString &name = QStringLiteral("Schein.qtt")) const { return ordner.filePath(name); }

private Q_SLOTS:
    void einlesen_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<QStringList>("reihen");
        QTest::addColumn<QString>("antGes");
        QTest::addColumn<QString>("antMeine");
        const QStringList beide{QStringLiteral("3 12 25 38 47 7"), QStringLiteral("1 2 3 4 5 10")};
        QTest::newRow("20 bytes") << zweiReihen << beide << QStringLiteral("4") << QStringLiteral("1");
        QTest::newRow("25 bytes") << zweiReihen + QByteArray("\x09\x09\x09\x09\x09", 5) << beide << QStringLiteral("4")
                                  << QStringLiteral("1");
        // The share fields keep what they showed before.
        QTest::newRow("empty file") << QByteArray() << QStringList() << QStringLiteral("vorher ges")
                                    << QStringLiteral("vorher meine");
        QTest::newRow("9 bytes") << zweiReihen.left(9) << QStringList() << QStringLiteral("vorher ges")
                                 << QStringLiteral("vorher meine");
        QByteArray verschieden = zweiReihen;
        verschieden[16] = '\x09';
        verschieden[18] = '\x05';
        QTest::newRow("shares of the first record")
            << verschieden << beide << QStringLiteral("4") << QStringLiteral("1");
        QTest::newRow("total shares 0 are shown as 1")
            << QByteArray::fromHex("010203040506000000000102030405060000FFFF")
            << QStringList{QStringLiteral("1 2 3 4 5 6"), QStringLiteral("1 2 3 4 5 6")} << QStringLiteral("1")
            << QStringLiteral("0");
        QTest::newRow("values out of range shown as they are")
            << QByteArray::fromHex("00323031FF0BFFFF0201") << QStringList{QStringLiteral("0 50 48 49 255 11")}
            << QStringLiteral("65535") << QStringLiteral("258");
    }
    void einlesen()
    {
        QFETCH(QByteArray, daten);
        QFETCH(QStringList, reihen);
        QFETCH(QString, antGes);
        QFETCH(QString, antMeine);
        schreibe(datei(), daten);
        TextTabelle tabelle = vorbereiteteTabelle();
        const TextTabelle leer = vorbereiteteTabelle(0);
        QString ges = QStringLiteral("vorher ges");
        QString meine = QStringLiteral("vorher meine");
        QCOMPARE(ScheinEinlesen(tabelle, ges, meine, datei(), sechsProZeichen), QString());
        QCOMPARE(tabelle.zeilen(), reihen.size() + 1);
        QCOMPARE(reihentexte(tabelle), reihen);
        QCOMPARE(ges, antGes);
        QCOMPARE(meine, antMeine);
        for (int c = 0; c < TippreihenSpalten; ++c)
            QCOMPARE(tabelle.zelle(c, 0), leer.zelle(c, 0));
        // Row numbers centred for column 0 (45 px: w = 36, one digit of 6 px: 30 / 12 = 2.5 -> 2 blanks).
        for (int z = 1; z < tabelle.zeilen(); ++z)
            QCOMPARE(tabelle.zelle(0, z), Zentrieren(QString::number(z), 45, sechsProZeichen));
        if (tabelle.zeilen() > 1)
            QCOMPARE(tabelle.zelle(0, 1), QStringLiteral("  1"));
    }

    // A file that cannot be read leaves grid and shares as they were; the message names the file
    // and the cause.
    void unlesbareDatei_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("grund");
        QTest::newRow("folder") << QStringLiteral("Ordner.qtt") << QStringLiteral("An der Stelle der Datei steht ein Ordner.");
        QTest::newRow("missing") << QStringLiteral("fehlt.qtt") << QStringLiteral("Die Datei oder ihr Ordner existiert nicht.");
        QTest::newRow("beyond the size cap")
            << QStringLiteral("Riesig.qtt")
            << QStringLiteral("Die Datei ist 20 MiB groß; erlaubt sind höchstens 16 MiB. Sie wird nicht gelesen und bleibt, wie "
                              "sie ist.");
    }
    void unlesbareDatei()
    {
        QFETCH(QString, name);
        QFETCH(QString, grund);
        const QString pfad = datei(name);
        if (name == QLatin1String("Ordner.qtt")) {
            QDir().mkpath(pfad);
        } else if (name == QLatin1String("Riesig.qtt")) {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(zweiReihen);
            QVERIFY(f.resize(20 * 1024 * 1024));
        }
        TextTabelle tabelle = vorbereiteteTabelle(2);
        const TextTabelle vorher = tabelle;
        QString ges = QStringLiteral("7"), meine = QStringLiteral("3");
        const QString fehler = ScheinEinlesen(tabelle, ges, meine, pfad, sechsProZeichen);
        QCOMPARE(fehler, QStringLiteral("Die Datei \u201E%1\u201C konnte nicht gelesen werden.\n\n").arg(name) + grund);
        QCOMPARE(tabelle, vorher);
        QCOMPARE(ges, QStringLiteral("7"));
        QCOMPARE(meine, QStringLiteral("3"));
    }

    void speichernSchreibtDieRecords_data()
    {
        QTest::addColumn<QString>("antGes");
        QTest::addColumn<QString>("antMeine");
        QTest::addColumn<QByteArray>("erwartet");
        QTest::newRow("four shares, one mine") << QStringLiteral("4") << QStringLiteral("1") << zweiReihen;
        QByteArray einzeln = zweiReihen;
        einzeln[6] = '\x01';
        einzeln[16] = '\x01';
        QTest::newRow("empty fields count as 1") << QString() << QString() << einzeln;
        QTest::newRow("empty total, own 1") << QStringLiteral(" ") << QStringLiteral("1") << einzeln;
        QByteArray gross = zweiReihen;
        gross[6] = gross[16] = '\xFF';
        gross[7] = gross[17] = '\xFF';
        gross[8] = gross[18] = '\x00';
        gross[9] = gross[19] = '\x00';
        QTest::newRow("largest total, none mine") << QStringLiteral("65535") << QStringLiteral("0") << gross;
    }
    void speichernSchreibtDieRecords()
    {
        QFETCH(QString, antGes);
        QFETCH(QString, antMeine);
        QFETCH(QByteArray, erwartet);
        const TextTabelle t = tabelleMit({QStringLiteral("3 12 25 38 47 7"), QStringLiteral("01 2 3 4 5 10")});
        QCOMPARE(ScheinDateiSchreiben(t, antGes, antMeine, datei()), QString());
        QCOMPARE(inhalt(datei()), erwartet);
    }

    void lesenUndSpeichernIstByteGleich()
    {
        // Odd but storable values survive the round trip, shares included.
        const QByteArray daten = zweiReihen + QByteArray::fromHex("00323031FF0B04000100");
        schreibe(datei(), daten);
        TextTabelle t = vorbereiteteTabelle();
        QString ges, meine;
        QCOMPARE(ScheinEinlesen(t, ges, meine, datei(), sechsProZeichen), QString());
        const QString kopie = datei(QStringLiteral("Kopie.qtt"));
        QCOMPARE(ScheinDateiSchreiben(t, ges, meine, kopie), QString());
        QCOMPARE(inhalt(kopie), daten);
    }

    void abgelehnteSpeicherungLaesstDateiStehen_data()
    {
        QTest::addColumn<QStringList>("reihen"); // "_" is an empty cell
        QTest::addColumn<QString>("antGes");
        QTest::addColumn<QString>("antMeine");
        QTest::addColumn<QString>("meldung");
        const QStringList gut{QStringLiteral("1 2 3 4 5 6"), QStringLiteral("7 8 9 10 11 2")};
        const QString abbruch = QStringLiteral("\n\nDer Speichervorgang wird abgebrochen.");
        QTest::newRow("empty table")
            << QStringList{QStringLiteral("_ 2 3 4 5 6")} << QStringLiteral("1") << QStringLiteral("1")
            << QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu speichern.\n\nIch breche erst einmal ab.");
        QTest::newRow("table without rows")
            << QStringList() << QStringLiteral("1") << QStringLiteral("1") << MeldungTabelleLeer;
        QTest::newRow("total below own")
            << gut << QStringLiteral("2") << QStringLiteral("3")
            << QStringLiteral("Die Anzahl der gesamten Anteile darf nicht niedriger als die Ihrigen sein.\n\n"
                              "Der Speichervorgang wird abgebrochen.");
        QTest::newRow("empty total below own") << gut << QString() << QStringLiteral("2") << MeldungAnteileZuNiedrig;
        QTest::newRow("not a number in the last row")
            << QStringList{QStringLiteral("1 2 3 4 5 6"), QStringLiteral("7 8 abc 10 11 2")} << QStringLiteral("1")
            << QStringLiteral("1")
            << QStringLiteral("Der Eintrag \u201Eabc\u201C in Reihe 2, Spalte Z3 ist keine ganze Zahl.") + abbruch;
        QTest::newRow("empty cell") << QStringList{QStringLiteral("1 2 3 4 5 6"), QStringLiteral("7 8 9 10 11 _")}
                                    << QStringLiteral("1") << QStringLiteral("1")
                                    << QStringLiteral(
                                           "Der Eintrag \u201E\u201C in Reihe 2, Spalte ZZ ist keine ganze Zahl.") +
                                           abbruch;
        QTest::newRow("too large for a byte")
            << QStringList{QStringLiteral("256 2 3 4 5 6")} << QStringLiteral("1") << QStringLiteral("1")
            << QStringLiteral("Der Eintrag \u201E256\u201C in Reihe 1, Spalte Z1 liegt au\u00DFerhalb des Bereichs "
                              "von 0 bis 255.") +
                   abbruch;
        QTest::newRow("negative")
            << QStringList{QStringLiteral("1 2 3 4 -5 6")} << QStringLiteral("1") << QStringLiteral("1")
            << QStringLiteral("Der Eintrag \u201E-5\u201C in Reihe 1, Spalte Z5 liegt au\u00DFerhalb des Bereichs "
                              "von 0 bis 255.") +
                   abbruch;
        QTest::newRow("total too large for 16 bits")
            << gut << QStringLiteral("65536") << QStringLiteral("1")
            << QStringLiteral("Die Anzahl der gesamten Anteile \u201E65536\u201C ist keine ganze Zahl von 0 bis "
                              "65535.") +
                   abbruch;
        // A share text that is no whole number is named as the field holds it.
        QTest::newRow("own not a number")
            << gut << QStringLiteral("4") << QStringLiteral("1,5") << QStringLiteral("'1,5' ist kein g\u00FCltiger Integerwert");
        QTest::newRow("total not a number")
            << gut << QStringLiteral("12a") << QStringLiteral("1") << QStringLiteral("'12a' ist kein g\u00FCltiger Integerwert");
        QTest::newRow("total negative")
            << gut << QStringLiteral("-3") << QStringLiteral("1")
            << QStringLiteral("Die Anzahl der gesamten Anteile \u201E-3\u201C ist keine ganze Zahl von 0 bis 65535.") +
                   abbruch;
    }
    void abgelehnteSpeicherungLaesstDateiStehen()
    {
        QFETCH(QStringList, reihen);
        QFETCH(QString, antGes);
        QFETCH(QString, antMeine);
        QFETCH(QString, meldung);
        schreibe(datei(), zweiReihen);
        QCOMPARE(ScheinDateiSchreiben(tabelleMit(reihen), antGes, antMeine, datei()), meldung);
        QCOMPARE(inhalt(datei()), zweiReihen);
    }

    void fehlgeschlagenesSchreibenLaesstDateiStehen()
    {
        QTemporaryDir leer;
        const QString alt = leer.filePath(QStringLiteral("Schein.qtt"));
        schreibe(alt, zweiReihen);
        const TextTabelle t = tabelleMit({QStringLiteral("1 2 3 4 5 6")});
        // A regular file where the folder should be: the write must fail and say so.
        schreibe(leer.filePath(QStringLiteral("kein")), "x");
        const QString fehler =
            ScheinDateiSchreiben(t, QString(), QString(), leer.filePath(QStringLiteral("kein/Schein.qtt")));
        QVERIFY2(
            fehler.startsWith(QStringLiteral("Die Datei \u201ESchein.qtt\u201C konnte nicht geschrieben werden.\n\n")),
            qPrintable(fehler));
        QCOMPARE(inhalt(alt), zweiReihen);
        // A folder in the target's place is not replaced either.
        const QString ordnerZiel = leer.filePath(QStringLiteral("Ziel.qtt"));
        QDir().mkpath(ordnerZiel);
        QVERIFY(!ScheinDateiSchreiben(t, QString(), QString(), ordnerZiel).isEmpty());
        QVERIFY(QFileInfo(ordnerZiel).isDir());
        // No temporary file is left behind.
        QStringList dateien = QDir(leer.path()).entryList(QDir::Files);
        dateien.sort();
        QCOMPARE(dateien, (QStringList{QStringLiteral("Schein.qtt"), QStringLiteral("kein")}));
    }
};

QTEST_GUILESS_MAIN(TestTippscheindatei)
#include "tst_tippscheindatei.moc"
