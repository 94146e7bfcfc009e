// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/Tippreihentext.h"

#include <QtTest>

Q_DECLARE_METATYPE(Leerzeichenantwort)

namespace {
const QString Abbruch = QStringLiteral("\n\nIch breche erst einmal ab.");

QString r1(int zeile)
{
    return QStringLiteral(
               "In Zeile %1 kann ich keine sechs Zahlen ausmachen.\n\nBitte geben Sie Ihre fünf Tippzahlen aus "
               "dem Wertebereich 1 bis 49 jeweils mit Zusatzzahl zeilenweise, jeweils durch Kommata getrennt ein.")
               .arg(zeile) +
           Abbruch;
}
QString r3(int zeile, int position, int wert)
{
    return QStringLiteral(
               "In Zeile %1 ist die %2. Zahl, die %3, keine gültige Tippzahl.\n\nDie fünf Tippzahlen sind aus der "
               "Zahlenreihe 1 bis 49 zu wählen.")
               .arg(zeile)
               .arg(position)
               .arg(wert) +
           Abbruch;
}
QString r4(int zeile)
{
    return QStringLiteral(
               "In Zeile %1 ist die letzte Zahl keine gültige \n\nZusatzzahl aus dem Wertebereich von 1 bis 10.")
               .arg(zeile) +
           Abbruch;
}
QString r5(int zeile, int a, int b)
{
    return QStringLiteral(
               "In Zeile %1 ist die %2. und die %3. Zahl gleich.\n\nBitte wählen Sie fünf verschiedene Tippzahlen aus "
               "der Zahlenreihe 1 bis 49.")
               .arg(zeile)
               .arg(a)
               .arg(b) +
           Abbruch;
}

// Rows written as "n n n n n zz" lines, for readable tables.
QVector<GepruefteReihe> reihen(const QStringList &texte)
{
    QVector<GepruefteReihe> r;
    for (const QString &t : texte) {
        const QStringList z = t.split(QLatin1Char(' '));
        GepruefteReihe reihe{};
        for (int i = 0; i < 6; ++i)
            reihe[static_cast<std::size_t>(i)] = z[i].toInt();
        r.append(reihe);
    }
    return r;
}

const QString nbsp = QStringLiteral("\u00A0");
} // namespace

class TestTippreihentext : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Input lines → rewritten lines → rows or message, with the answer to the blanks question.
    void vomTextZurReihe_data()
    {
        QTest::addColumn<QStringList>("eingabe");
        QTest::addColumn<Leerzeichenantwort>("antwort");
        QTest::addColumn<bool>("gefragt");
        QTest::addColumn<QStringList>("aufbereitet");
        QTest::addColumn<QVector<GepruefteReihe>>("erwarteteReihen");
        QTest::addColumn<QString>("meldung");
        const auto J = Leerzeichenantwort::Ja;
        const auto N = Leerzeichenantwort::Nein;
        const auto A = Leerzeichenantwort::Abbrechen;
        const QVector<GepruefteReihe> keine;
        const QStringList eineReihe{QStringLiteral("2,12,22,38,41,6")};

        QTest::newRow("plain line") << eineReihe << J << false << eineReihe
                                    << reihen({QStringLiteral("2 12 22 38 41 6")}) << QString();
        QTest::newRow("semicolons and blanks") << QStringList{QStringLiteral("2; 12; 22; 38; 41; 6")} << J << false
                                               << eineReihe << reihen({QStringLiteral("2 12 22 38 41 6")}) << QString();
        QTest::newRow("blanks, Ja") << QStringList{QStringLiteral("2 12 22 38 41 6")} << J << true << eineReihe
                                    << reihen({QStringLiteral("2 12 22 38 41 6")}) << QString();
        QTest::newRow("blanks, Nein") << QStringList{QStringLiteral("2 12 22 38 41 6")} << N << true
                                      << QStringList{QStringLiteral("2122238416")} << keine << r1(1);
        QTest::newRow("blanks, Abbrechen") << QStringList{QStringLiteral("2  12 22 38 41 6,")} << A << true
                                           << QStringList{QStringLiteral("2 12 22 38 41 6,")} << keine << r1(1);
        QTest::newRow("trim, empty lines, trailing comma")
            << QStringList{QString(), QStringLiteral("  \t1,2,3,4,5,6, \r"), QStringLiteral("   "), QString()} << J
            << false << QStringList{QStringLiteral("1,2,3,4,5,6")} << reihen({QStringLiteral("1 2 3 4 5 6")})
            << QString();
        QTest::newRow("one pass of double commas")
            << QStringList{QStringLiteral("1,,,2,3,4,5")} << J << false << QStringList{QStringLiteral("1,,2,3,4,5")}
            << keine << QStringLiteral("'' ist kein gültiger Integerwert");
        QTest::newRow("e-mail fields with tabs")
            << QStringList{QStringLiteral("Feld 1:\t3\t17\t22\t31\t40\t7"),
                           QStringLiteral("Feld 2:\t5\t9\t13\t28\t44\t2")}
            << J << false << QStringList{QStringLiteral("3,17,22,31,40,7"), QStringLiteral("5,9,13,28,44,2")}
            << reihen({QStringLiteral("3 17 22 31 40 7"), QStringLiteral("5 9 13 28 44 2")}) << QString();
        // The counter counts lines that name a field, not the numbers the e-mail gave them.
        QTest::newRow("e-mail fields counted by the program")
            << QStringList{QStringLiteral("Feld 1: 1 2 3 4 5 6"), QStringLiteral("Gewinnchance"),
                           QStringLiteral("Feld 3: 7 8 9 10 11 1")}
            << J << true
            << QStringList{QStringLiteral("1,2,3,4,5,6"), QStringLiteral("Gewinnchance"),
                           QStringLiteral("Feld,3:,7,8,9,10,11,1")}
            << keine << r1(2);
        QTest::newRow("heading without Feld keeps the labels")
            << QStringList{QStringLiteral("Ihre Tipps"), QStringLiteral("Feld 1: 1,2,3,4,5,6")} << N << true
            << QStringList{QStringLiteral("IhreTipps"), QStringLiteral("Feld1:1,2,3,4,5,6")} << keine << r1(1);
        QTest::newRow("tab without Feld stays") << QStringList{QStringLiteral("1\t2,3,4,5,6,7")} << J << false
                                                << QStringList{QStringLiteral("1\t2,3,4,5,6,7")} << keine
                                                << QStringLiteral("'1\t2' ist kein gültiger Integerwert");
        QTest::newRow("spreadsheet cells with non-breaking spaces")
            << QStringList{nbsp + QStringLiteral("7,") + nbsp + QStringLiteral("3,") + nbsp + QStringLiteral("9,") +
                           nbsp + QStringLiteral("12,") + nbsp + QStringLiteral("33,") + nbsp + QStringLiteral("4")}
            << J << false << QStringList{QStringLiteral("7,3,9,12,33,4")} << reihen({QStringLiteral("7 3 9 12 33 4")})
            << QString();
        QTest::newRow("tip number out of range")
            << QStringList{QStringLiteral("1,2,3,4,50,6")} << J << false << QStringList{QStringLiteral("1,2,3,4,50,6")}
            << keine << r3(1, 5, 50);
        QTest::newRow("leading zero reported as number")
            << QStringList{QStringLiteral("1,2,3,4,5,6"), QStringLiteral("00,2,3,4,5,6")} << J << false
            << QStringList{QStringLiteral("1,2,3,4,5,6"), QStringLiteral("00,2,3,4,5,6")} << keine << r3(2, 1, 0);
        QTest::newRow("Zusatzzahl 11") << QStringList{QStringLiteral("1,2,3,4,5,11")} << J << false
                                       << QStringList{QStringLiteral("1,2,3,4,5,11")} << keine << r4(1);
        QTest::newRow("Zusatzzahl 0") << QStringList{QStringLiteral("1,2,3,4,5,0")} << J << false
                                      << QStringList{QStringLiteral("1,2,3,4,5,0")} << keine << r4(1);
        QTest::newRow("equal numbers") << QStringList{QStringLiteral("7,3,7,9,12,4")} << J << false
                                       << QStringList{QStringLiteral("7,3,7,9,12,4")} << keine << r5(1, 1, 3);
        QTest::newRow("letter") << QStringList{QStringLiteral("1,2,a,4,5,6")} << J << false
                                << QStringList{QStringLiteral("1,2,a,4,5,6")} << keine
                                << QStringLiteral("'a' ist kein gültiger Integerwert");
        QTest::newRow("digits then letter")
            << QStringList{QStringLiteral("1,2,3,4,5,6a")} << J << false << QStringList{QStringLiteral("1,2,3,4,5,6a")}
            << keine << QStringLiteral("'6a' ist kein gültiger Integerwert");
        // Each pass runs over all lines before the next one starts.
        QTest::newRow("comma count before duplicates")
            << QStringList{QStringLiteral("1,1,3,4,5,6"), QStringLiteral("1,2,3,4,5,6"), QStringLiteral("1,2,3,4,5")}
            << J << false
            << QStringList{QStringLiteral("1,1,3,4,5,6"), QStringLiteral("1,2,3,4,5,6"), QStringLiteral("1,2,3,4,5")}
            << keine << r1(3);
        QTest::newRow("Zusatzzahl equal to a number")
            << QStringList{QStringLiteral("1,2,3,4,5,5")} << J << false << QStringList{QStringLiteral("1,2,3,4,5,5")}
            << reihen({QStringLiteral("1 2 3 4 5 5")}) << QString();
        QTest::newRow("quoted first field")
            << QStringList{QStringLiteral("\"5\",2,3,4,1,6")} << J << false
            << QStringList{QStringLiteral("\"5\",2,3,4,1,6")} << reihen({QStringLiteral("5 2 3 4 1 6")}) << QString();
        // A quoted field holding a comma does not convert: the message names that field.
        QTest::newRow("quoted comma") << QStringList{QStringLiteral("\"1,2\",3,4,5,6")} << J << false
                                      << QStringList{QStringLiteral("\"1,2\",3,4,5,6")} << keine
                                      << QStringLiteral("'1,2' ist kein gültiger Integerwert");
        QTest::newRow("text after a closing quote is a seventh field")
            << QStringList{QStringLiteral("\"1\"9,2,3,4,5,6")} << J << false
            << QStringList{QStringLiteral("\"1\"9,2,3,4,5,6")} << keine << r1(1);
        QTest::newRow("hexadecimal and signs")
            << QStringList{QStringLiteral("$A,0x0B,x0c,+13,14,-1")} << J << false
            << QStringList{QStringLiteral("$A,0x0B,x0c,+13,14,-1")} << keine << r4(1);
        QTest::newRow("beyond 32 bits") << QStringList{QStringLiteral("1,2,3,4,5,2147483648")} << J << false
                                        << QStringList{QStringLiteral("1,2,3,4,5,2147483648")} << keine
                                        << QStringLiteral("'2147483648' ist kein gültiger Integerwert");
        QTest::newRow("blanks and line breaks only")
            << QStringList{QStringLiteral("   "), QString(), QStringLiteral(" \t ")} << J << false << QStringList()
            << keine << QString();
    }
    void vomTextZurReihe()
    {
        QFETCH(QStringList, eingabe);
        QFETCH(Leerzeichenantwort, antwort);
        QFETCH(bool, gefragt);
        QFETCH(QStringList, aufbereitet);
        QFETCH(QVector<GepruefteReihe>, erwarteteReihen);
        QFETCH(QString, meldung);

        int fragen = 0;
        const QStringList zeilen = TextAufbereiten(eingabe, [&] {
            ++fragen;
            return antwort;
        });
        QCOMPARE(zeilen, aufbereitet);
        QCOMPARE(fragen, gefragt ? 1 : 0);
        const Reihenpruefung p = ReihenPruefen(zeilen);
        QCOMPARE(p.fehler, meldung);
        QCOMPARE(p.reihen, erwarteteReihen);
    }

    void felder_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QStringList>("felder");
        QTest::newRow("empty line") << QString() << QStringList();
        QTest::newRow("trailing comma") << QStringLiteral("1,2,")
                                        << QStringList{QStringLiteral("1"), QStringLiteral("2"), QString()};
        QTest::newRow("doubled quote") << QStringLiteral("\"a\"\"b\",c")
                                       << QStringList{QStringLiteral("a\"b"), QStringLiteral("c")};
        QTest::newRow("unclosed quote") << QStringLiteral("\"a,b") << QStringList{QStringLiteral("a,b")};
    }
    void felder()
    {
        QFETCH(QString, zeile);
        QFETCH(QStringList, felder);
        QCOMPARE(FelderZerlegen(zeile), felder);
    }

    void leerzeichenfrage()
    {
        QCOMPARE(Leerzeichenfrage,
                 QStringLiteral("Dienen die Leerzeichen der Trennung der Zahlen?\n\nWenn Sie mit \"Nein\" antworten, "
                                "sind sie überflüssig und werden gelöscht.\n\nWenn Sie mit \"Ja\" antworten, werden "
                                "die Leerzeichen in Kommata umgewandelt."));
        QCOMPARE(ZeichenAnzahl(QLatin1Char(','), QStringLiteral("1,2,,3")), 3);
        QCOMPARE(ZeichenAnzahl(QLatin1Char(','), QString()), 0);
    }
};

QTEST_GUILESS_MAIN(TestTippreihentext)
#include "tst_tippreihentext.moc"
