// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Attrappen.h"
#include "Bildschirmfoto.h"
#include "Dateien.h"
#include "Eingabewege.h"
#include "Scheindaten.h"
#include "Testumgebung.h"

#include "entry/Arbeitsmappe.h"
#include "model/Einstellungen.h"
#include "model/Records.h"
#include "model/Spiel.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/eingabe/Eingabeelemente.h"
#include "ui/eingabe/Eingabefenster.h"
#include "ui/eingabe/Textrahmen.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {
const QString Daten = QStringLiteral(QUINTARO_TESTDATA "/arbeitsmappen/");
using A = Meldungen::Antwort;

// The entry window in a data folder of its own, with recorded messages and dialogs.
struct Eingabe
{
    Testumgebung u;
    MeldungsRecorder meldungen;
    DialogAttrappe dialoge;
    TFEingabe f{u.zustand, u.befehle()};

    Eingabe()
    {
        f.zeigen();
        if (!QTest::qWaitForWindowExposed(&f))
            qWarning("window not exposed");
    }
    template <class T = QWidget> T *kind(const QString &name) const { return f.findChild<T *>(name); }
    void klick(const QString &name) const
    {
        auto *k = kind<QAbstractButton>(name);
        QVERIFY2(k, qPrintable(name));
        QTest::mouseClick(k, Qt::LeftButton);
    }
    QPlainTextEdit *m1() const { return kind<QPlainTextEdit>(QStringLiteral("M1")); }
    QString text() const { return m1()->toPlainText(); }
    void setzeText(const QString &t) const { m1()->setPlainText(t); }
    QString zeilen() const { return kind<QLabel>(QStringLiteral("LZeilen"))->text(); }
    // The data rows of a grid as "n|a|b|c|d|e|zz".
    QStringList reihen(const QString &gitter) const
    {
        const QAbstractItemModel *m = kind<QTableView>(gitter)->model();
        QStringList r;
        for (int z = 0; z < m->rowCount(); ++z) {
            QStringList zellen;
            for (int s = 0; s < m->columnCount(); ++s)
                zellen << m->index(z, s).data().toString().trimmed();
            r << zellen.join(QLatin1Char('|'));
        }
        return r;
    }
    void uebertragen(const QString &t) const
    {
        setzeText(t);
        klick(QStringLiteral("BUebertragen"));
    }
    // Saves the screen of the window for a look by eye when QUINTARO_BILDER names a folder.
    void bild(const QString &name) { bildSichern(&f, name); }
};

} // namespace

class TestEingabefenster : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aufbau()
    {
        Eingabe e;
        QCOMPARE(e.f.objectName(), QStringLiteral("FEingabe"));
        QCOMPARE(e.f.windowTitle(), QStringLiteral("Quintaro Analyser 1.5.0.0"));
        QStringList leiste;
        for (QToolButton *k :
             e.kind<QToolBar>(QStringLiteral("ToolBar1"))->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
            if (!k->objectName().isEmpty() && k->isVisible())
                leiste << k->objectName();
        QCOMPARE(leiste, (QStringList{QStringLiteral("BClose"), QStringLiteral("BStatistik"), QStringLiteral("BUpdate"),
                                      QStringLiteral("BNoverK"), QStringLiteral("BKal"), QStringLiteral("BCalc"),
                                      QStringLiteral("BSysteme"), QStringLiteral("BStrategietest"),
                                      QStringLiteral("BGemeinschaft"), QStringLiteral("BHelp")}));
        // The shared command: the statistics window is part of the program, so it is enabled.
        QVERIFY(e.kind<QToolButton>(QStringLiteral("BStatistik"))->isEnabled());
        auto *pc1 = e.kind<QTabWidget>(QStringLiteral("PC1"));
        QCOMPARE(pc1->tabText(0), QStringLiteral("Manuelle Eingabe"));
        QCOMPARE(pc1->tabText(1), QStringLiteral("Datei einlesen"));
        QCOMPARE(e.f.findChildren<TBZahl2 *>().size(), 49);
        // 50 rows with the header: 49 empty rows under it, in both grids.
        QCOMPARE(e.reihen(QStringLiteral("G1")).size(), 49);
        QCOMPARE(e.reihen(QStringLiteral("G2")).size(), 49);
        QCOMPARE(e.kind<QTableView>(QStringLiteral("G1"))->model()->headerData(6, Qt::Horizontal).toString().trimmed(),
                 QStringLiteral("ZZ"));
        QVERIFY(e.kind<QRadioButton>(QStringLiteral("RG1a"))->isChecked());
        QCOMPARE(e.kind<QLineEdit>(QStringLiteral("EAntGes"))->text(), QStringLiteral("1"));
        QCOMPARE(e.zeilen(), QStringLiteral("0"));
        // Closing only hides: the text waits for the next showing.
        e.setzeText(QStringLiteral("1,2,3"));
        e.klick(QStringLiteral("BSchliessen"));
        QVERIFY(!e.f.isVisible());
        e.f.zeigen();
        QCOMPARE(e.text(), QStringLiteral("1,2,3"));
    }

    // Typed text, then number buttons → the text.
    void zahlentasten_data()
    {
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<QList<int>>("zahlen");
        QTest::addColumn<QString>("nachher");
        QTest::addColumn<QString>("zeilen");
        QTest::newRow("five numbers end the line")
            << QString() << QList<int>{2, 12, 22, 38, 41} << QStringLiteral("2,12,22,38,41\n") << QStringLiteral("1");
        QTest::newRow("the sixth starts a new line") << QString() << QList<int>{2, 12, 22, 38, 41, 7}
                                                     << QStringLiteral("2,12,22,38,41\n7,") << QStringLiteral("2");
        QTest::newRow("typed five numbers")
            << QStringLiteral("1,2,3,4,5") << QList<int>{7} << QStringLiteral("1,2,3,4,5\n7,") << QStringLiteral("2");
        QTest::newRow("typed three numbers")
            << QStringLiteral("1,2,3") << QList<int>{4, 5} << QStringLiteral("1,2,3,4,5\n") << QStringLiteral("1");
        QTest::newRow("typed six numbers") << QStringLiteral("1,2,3,4,5,6") << QList<int>{8}
                                           << QStringLiteral("1,2,3,4,5,6\n8,") << QStringLiteral("2");
        QTest::newRow("after a line break") << QStringLiteral("1,2,3,4,5,6\n") << QList<int>{49}
                                            << QStringLiteral("1,2,3,4,5,6\n49,") << QStringLiteral("2");
    }
    void zahlentasten()
    {
        QFETCH(QString, vorher);
        QFETCH(QList<int>, zahlen);
        QFETCH(QString, nachher);
        QFETCH(QString, zeilen);
        Eingabe e;
        e.setzeText(vorher);
        for (int z : zahlen)
            e.klick(QStringLiteral("Zahlentaste%1").arg(z));
        QCOMPARE(e.text(), nachher);
        QCOMPARE(e.zeilen(), zeilen);
        QCOMPARE(e.m1()->textCursor().position(), nachher.size());
    }

    void enterBrichtNicht()
    {
        Eingabe e;
        e.m1()->setFocus();
        QTest::keyClicks(e.m1(), QStringLiteral("1,2"));
        QTest::keyClick(e.m1(), Qt::Key_Return);
        QTest::keyClick(e.m1(), Qt::Key_Enter);
        QTest::keyClick(e.m1(), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(e.text(), QStringLiteral("1,2"));
        QTest::keyClick(e.m1(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(e.text(), QStringLiteral("1,2\n"));
        QCOMPARE(e.zeilen(), QStringLiteral("1"));
        e.klick(QStringLiteral("BTextfeldLoeschen"));
        QCOMPARE(e.text(), QString());
        QCOMPARE(e.zeilen(), QStringLiteral("0"));
    }

    // Pasted text keeps its non-breaking spaces for the text rules: a line that begins with one
    // loses them all, so no blank is left to ask about.
    void einfuegenMitGeschuetztemLeerzeichen_data()
    {
        QTest::addColumn<QString>("eingefuegt");
        QTest::addColumn<QStringList>("reihen");
        QTest::addColumn<QString>("text");
        QTest::newRow("inside a number") << QStringLiteral("\u00A02,12,22,3\u00A08,41,6")
                                         << QStringList{QStringLiteral("1|2|12|22|38|41|6")}
                                         << QStringLiteral("2,12,22,38,41,6");
        QTest::newRow("mail fields") << QStringLiteral("Feld 1:\t\u00A01\u00A0\t7\t13\t19\t25\t4\n"
                                                       "Feld 2:\t\u00A03\u00A0\t9\t27\t33\t49\t10\n")
                                     << QStringList{QStringLiteral("1|1|7|13|19|25|4"),
                                                    QStringLiteral("2|3|9|27|33|49|10")}
                                     << QStringLiteral("1,7,13,19,25,4\n3,9,27,33,49,10");
        QTest::newRow("kept where it stands") << QStringLiteral("1,2,3,4,5,6\u00A0")
                                              << QStringList()
                                              << QStringLiteral("1,2,3,4,5,6\u00A0");
    }
    void einfuegenMitGeschuetztemLeerzeichen()
    {
        QFETCH(QString, eingefuegt);
        QFETCH(QStringList, reihen);
        QFETCH(QString, text);
        Eingabe e;
        e.m1()->setFocus();
        QGuiApplication::clipboard()->setText(eingefuegt);
        QTest::keySequence(e.m1(), QKeySequence::Paste);
        QCOMPARE(e.m1()->document()->firstBlock().text(), eingefuegt.section(QLatin1Char('\n'), 0, 0));
        e.bild(QStringLiteral("eingefuegt-mit-nbsp-") +
               QString::fromUtf8(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')));
        const QStringList vorher = e.reihen(QStringLiteral("G1"));
        e.klick(QStringLiteral("BUebertragen"));
        // A trailing non-breaking space makes a field no number: the rows stay as they were.
        if (reihen.isEmpty()) {
            QCOMPARE(e.meldungen.texte(), QStringList(QStringLiteral("'6\u00A0' ist kein g\u00FCltiger Integerwert")));
            QCOMPARE(e.reihen(QStringLiteral("G1")), vorher);
        } else {
            QCOMPARE(e.meldungen.texte(), QStringList());
            QCOMPARE(e.reihen(QStringLiteral("G1")), reihen);
        }
        QCOMPARE(e.m1()->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')), text);
    }

    // Each digit field takes digits up to its length, typed, pasted or dropped; a paste or drop
    // that would overfill it or holds anything but digits is refused whole.
    void ziffernfelder_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<Eingabeweg>("weg");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("ergebnis");
        using W = Eingabeweg;
        const QString gesamt = QStringLiteral("EAntGes");
        QTest::newRow("typed: stops at four") << gesamt << W::Tippen << QStringLiteral("12345") << QStringLiteral("1234");
        QTest::newRow("typed: letters ignored") << gesamt << W::Tippen << QStringLiteral("1a 2") << QStringLiteral("12");
        QTest::newRow("pasted four") << gesamt << W::Einfuegen << QStringLiteral("4711") << QStringLiteral("4711");
        QTest::newRow("pasted five") << gesamt << W::Einfuegen << QStringLiteral("12345") << QString();
        QTest::newRow("pasted letter") << gesamt << W::Einfuegen << QStringLiteral("12a") << QString();
        QTest::newRow("pasted blank") << gesamt << W::Einfuegen << QStringLiteral(" 12") << QString();
        QTest::newRow("pasted sign") << gesamt << W::Einfuegen << QStringLiteral("-1") << QString();
        QTest::newRow("own: pasted five") << QStringLiteral("EAntmeine") << W::Einfuegen << QStringLiteral("10000")
                                         << QString();
        QTest::newRow("ZZ: typed three") << QStringLiteral("EZZ") << W::Tippen << QStringLiteral("123")
                                         << QStringLiteral("12");
        QTest::newRow("ZZ: pasted three") << QStringLiteral("EZZ") << W::Einfuegen << QStringLiteral("123") << QString();
        QTest::newRow("ZZ: pasted 07") << QStringLiteral("EZZ") << W::Einfuegen << QStringLiteral("07")
                                       << QStringLiteral("07");
    }
    void ziffernfelder()
    {
        QFETCH(QString, feld);
        QFETCH(Eingabeweg, weg);
        QFETCH(QString, eingabe);
        QFETCH(QString, ergebnis);
        Eingabe e;
        QCOMPARE(eingeben(e.kind<QLineEdit>(feld), weg, eingabe), ergebnis);
    }

    // Shares read from a ticket are shown whole, however long; the user can shorten them but
    // not paste onto them.
    void anteileAusDateiBleiben()
    {
        Eingabe e;
        e.u.schreibe(QStringLiteral("Gross.qtt"), schein({{3, 12, 25, 38, 47, 7}}, 65535, 65535));
        e.dialoge.oeffnenAntworten.enqueue({e.u.pfad(QStringLiteral("Gross.qtt"))});
        e.kind<QTabWidget>(QStringLiteral("PC1"))->setCurrentIndex(1);
        e.klick(QStringLiteral("BTippscheinOeffnen"));
        auto *gesamt = e.kind<QLineEdit>(QStringLiteral("EAntGes"));
        QCOMPARE(gesamt->text(), QStringLiteral("65535"));
        QCOMPARE(e.kind<QLineEdit>(QStringLiteral("EAntmeine"))->text(), QStringLiteral("65535"));
        gesamt->setFocus();
        gesamt->end(false);
        QGuiApplication::clipboard()->setText(QStringLiteral("1"));
        QTest::keySequence(gesamt, QKeySequence::Paste);
        QTest::keyClick(gesamt, Qt::Key_7);
        QCOMPARE(gesamt->text(), QStringLiteral("65535"));
        QTest::keyClick(gesamt, Qt::Key_Backspace);
        QCOMPARE(gesamt->text(), QStringLiteral("6553"));
        QTest::keyClick(gesamt, Qt::Key_8);
        QCOMPARE(gesamt->text(), QStringLiteral("6553"));
    }

    void uebertragen()
    {
        Eingabe e;
        QStringList zehn;
        for (int i = 1; i <= 10; ++i)
            zehn << QStringLiteral("%1,%2,%3,%4,%5,%6")
                        .arg(i)
                        .arg(i + 10)
                        .arg(i + 20)
                        .arg(i + 30)
                        .arg(i + 35)
                        .arg(1 + i % 10);
        e.uebertragen(zehn.join(QLatin1Char('\n')));
        QCOMPARE(e.reihen(QStringLiteral("G1")).size(), 10);

        // Overwrite: only the new rows, numbered from 1, the numbers ascending.
        e.uebertragen(QStringLiteral("41,2,38,12,22,6\n1,2,3,4,5,10\n7,8,9,10,11,1"));
        QCOMPARE(e.reihen(QStringLiteral("G1")),
                 (QStringList{QStringLiteral("1|2|12|22|38|41|6"), QStringLiteral("2|1|2|3|4|5|10"),
                              QStringLiteral("3|7|8|9|10|11|1")}));
        QCOMPARE(e.text(), QStringLiteral("41,2,38,12,22,6\n1,2,3,4,5,10\n7,8,9,10,11,1"));

        // Append: after the filled rows; the same text again adds the same rows again.
        e.kind<QRadioButton>(QStringLiteral("RG1b"))->click();
        e.uebertragen(QStringLiteral("1,2,3,4,5,6\n6,5,4,3,2,1"));
        e.uebertragen(QStringLiteral("1,2,3,4,5,6\n6,5,4,3,2,1"));
        const QStringList sieben = e.reihen(QStringLiteral("G1"));
        QCOMPARE(sieben.size(), 7);
        QCOMPARE(sieben[5], QStringLiteral("6|1|2|3|4|5|6"));
        QCOMPARE(sieben[6], QStringLiteral("7|2|3|4|5|6|1"));

        // After "Reihen löschen" the next transfer starts again at row 1.
        e.klick(QStringLiteral("BReihenLoeschen"));
        QCOMPARE(e.reihen(QStringLiteral("G1"))[0], QStringLiteral("1||||||"));
        e.uebertragen(QStringLiteral("9,8,7,6,5,4"));
        QCOMPARE(e.reihen(QStringLiteral("G1")), QStringList{QStringLiteral("1|5|6|7|8|9|4")});
        QVERIFY(e.meldungen.eintraege.isEmpty());

        // A fault leaves the table as it was and the rewritten text in the field.
        e.uebertragen(QStringLiteral("1; 2; 3; 4; 5; 6\n1,2,3,4,50,6"));
        QCOMPARE(e.meldungen.texte().size(), 1);
        QVERIFY(e.meldungen.texte()[0].startsWith(
            QStringLiteral("In Zeile 2 ist die 5. Zahl, die 50, keine gültige Tippzahl.")));
        QCOMPARE(e.text(), QStringLiteral("1,2,3,4,5,6\n1,2,3,4,50,6"));
        QCOMPARE(e.reihen(QStringLiteral("G1")), QStringList{QStringLiteral("1|5|6|7|8|9|4")});

        // An empty field is refused; blanks only clear the table when overwriting.
        e.uebertragen(QString());
        QCOMPARE(e.meldungen.texte().last(),
                 QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu übertragen.\n\nIch breche erst einmal ab."));
        e.kind<QRadioButton>(QStringLiteral("RG1a"))->click();
        e.uebertragen(QStringLiteral("   \n \n"));
        QCOMPARE(e.reihen(QStringLiteral("G1")), QStringList());
        QCOMPARE(e.text(), QString());
        QCOMPARE(e.meldungen.eintraege.size(), 2);
        e.bild(QStringLiteral("leer"));
    }

    void leerzeichenfrage_data()
    {
        QTest::addColumn<A>("antwort");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("reihen");
        QTest::newRow("Ja") << A::Ja << QStringLiteral("2,12,22,38,41,6") << 1;
        QTest::newRow("Nein") << A::Nein << QStringLiteral("2122238416") << 0;
        QTest::newRow("Abbrechen") << A::Abbrechen << QStringLiteral("2 12 22 38 41 6") << 0;
    }
    void leerzeichenfrage()
    {
        QFETCH(A, antwort);
        QFETCH(QString, text);
        QFETCH(int, reihen);
        Eingabe e;
        e.meldungen.antworten.enqueue(antwort);
        e.uebertragen(QStringLiteral("2  12 22 38 41 6"));
        QCOMPARE(e.meldungen.eintraege[0].art, Meldungen::Anzeige::Art::FrageJaNeinAbbrechen);
        QVERIFY(e.meldungen.eintraege[0].text.startsWith(
            QStringLiteral("Dienen die Leerzeichen der Trennung der Zahlen?")));
        QCOMPARE(e.text(), text);
        QCOMPARE(e.meldungen.eintraege.size(), reihen == 1 ? 1 : 2); // the refusal follows the question
        QCOMPARE(e.reihen(QStringLiteral("G1"))[0].section(QLatin1Char('|'), 1, 1).isEmpty(), reihen == 0);
    }

    void zusatzzahlen()
    {
        Eingabe e;
        e.setzeText(QStringLiteral("1,2,3,4,5\n1,2,3,4,5,6"));
        e.klick(QStringLiteral("BZufallsZZ"));
        const QStringList einmal = e.text().split(QLatin1Char('\n'));
        QCOMPARE(einmal.size(), 2);
        QVERIFY(einmal[0].startsWith(QStringLiteral("1,2,3,4,5,")));
        const int zz = einmal[0].section(QLatin1Char(','), 5).toInt();
        QVERIFY(zz >= 1 && zz <= 10);
        QCOMPARE(einmal[1], QStringLiteral("1,2,3,4,5,6"));
        e.klick(QStringLiteral("BZufallsZZ"));
        QCOMPARE(e.text().split(QLatin1Char('\n')), einmal);

        // The fixed Zusatzzahl as typed, only to lines of five numbers.
        auto *ezz = e.kind<QLineEdit>(QStringLiteral("EZZ"));
        e.setzeText(QStringLiteral("1,2,3,4,5\n1,2,3,4,5,6"));
        QTest::keyClicks(ezz, QStringLiteral("0a7"));
        QCOMPARE(ezz->text(), QStringLiteral("07"));
        e.klick(QStringLiteral("BFixeZZ"));
        QCOMPARE(e.text(), QStringLiteral("1,2,3,4,5,07\n1,2,3,4,5,6"));
        QVERIFY(e.meldungen.eintraege.isEmpty());

        ezz->setText(QStringLiteral("11"));
        e.klick(QStringLiteral("BFixeZZ"));
        ezz->clear();
        e.klick(QStringLiteral("BFixeZZ"));
        e.setzeText(QString());
        e.klick(QStringLiteral("BFixeZZ"));
        e.klick(QStringLiteral("BZufallsZZ"));
        const QString abbruch = QStringLiteral("\n\nIch breche erst einmal ab.");
        QCOMPARE(e.meldungen.texte(),
                 (QStringList{QStringLiteral("Bitte geben als Zusatzzahl eine Zahl aus dem Wertebereich 1 bis 10 an.") +
                                  abbruch,
                              QStringLiteral("Bitte geben Sie die Zusatzzahl an, die ergänzt werden soll.") + abbruch,
                              QStringLiteral("Das Textfeld ist leer. Es gibt somit nichts zu ergänzen.") + abbruch,
                              QStringLiteral("Das Textfeld ist leer. Es gibt somit nichts zu ergänzen.") + abbruch}));
    }

    void speichern_data()
    {
        QTest::addColumn<QString>("gesamt");
        QTest::addColumn<QString>("meine");
        QTest::addColumn<bool>("gespeichert");
        QTest::newRow("2 of 3 refused") << QStringLiteral("2") << QStringLiteral("3") << false;
        QTest::newRow("3 of 3") << QStringLiteral("3") << QStringLiteral("3") << true;
        QTest::newRow("empty fields count as 1") << QString() << QString() << true;
        QTest::newRow("no shares at all") << QStringLiteral("0") << QStringLiteral("0") << false;
    }
    void speichern()
    {
        QFETCH(QString, gesamt);
        QFETCH(QString, meine);
        QFETCH(bool, gespeichert);
        Eingabe e;
        e.uebertragen(QStringLiteral("41,2,38,12,22,6\n1,2,3,4,5,10"));
        e.kind<QLineEdit>(QStringLiteral("EAntGes"))->setText(gesamt);
        e.kind<QLineEdit>(QStringLiteral("EAntmeine"))->setText(meine);
        e.dialoge.speichernAntworten.enqueue(e.u.pfad(QStringLiteral("Neu")));
        e.klick(QStringLiteral("BSpeichern"));
        QCOMPARE(e.dialoge.gefragt.size(), 1);
        QCOMPARE(e.dialoge.gefragt[0].titel, QStringLiteral("Als Spielschein speichern..."));
        QCOMPARE(e.dialoge.gefragt[0].filtertext, QStringLiteral("Tippschein-Datei"));
        QCOMPARE(e.dialoge.gefragt[0].ordner, e.u.zustand.Datenordner);
        QCOMPARE(e.u.gibt(QStringLiteral("Neu.qtt")), gespeichert);
        QCOMPARE(e.meldungen.eintraege.size(), gespeichert ? 0 : 1);
        if (gespeichert) {
            const auto g = static_cast<std::uint16_t>(gesamt.isEmpty() ? 1 : gesamt.toInt());
            const auto m = static_cast<std::uint16_t>(meine.isEmpty() ? 1 : meine.toInt());
            QCOMPARE(e.u.lies(QStringLiteral("Neu.qtt")), schein({{2, 12, 22, 38, 41, 6}, {1, 2, 3, 4, 5, 10}}, g, m));
            QCOMPARE(e.kind<QLabel>(QStringLiteral("LDatei"))->text(), QStringLiteral("Gespeichert in: Neu.qtt"));
        }
    }

    void leereTabelleVerweigert()
    {
        Eingabe e;
        e.klick(QStringLiteral("BSpeichern"));
        e.klick(QStringLiteral("BCSVSpeichern"));
        e.klick(QStringLiteral("BExcelExport"));
        e.klick(QStringLiteral("BInsTextfeld"));
        const QString abbruch = QStringLiteral("\n\nIch breche erst einmal ab.");
        QCOMPARE(e.meldungen.texte(),
                 (QStringList{QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu speichern.") + abbruch,
                              QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu speichern.") + abbruch,
                              QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu exportieren.") + abbruch,
                              QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu übertragen.") + abbruch}));
        QVERIFY(e.dialoge.gefragt.isEmpty());
    }

    void csvSpeichern()
    {
        Eingabe e;
        e.uebertragen(QStringLiteral("41,2,38,12,22,6\n1,5,9,33,47,10"));
        e.dialoge.speichernAntworten.enqueue(e.u.pfad(QStringLiteral("Reihen")));
        e.klick(QStringLiteral("BCSVSpeichern"));
        QCOMPARE(e.u.lies(QStringLiteral("Reihen.csv")), QByteArray("2,12,22,38,41,6\r\n1,5,9,33,47,10\r\n"));
        QCOMPARE(e.kind<QLabel>(QStringLiteral("LDatei"))->text(), QStringLiteral("Gespeichert in: Reihen.csv"));
        QCOMPARE(e.dialoge.gefragt[0].ordner, e.u.zustand.Datenordner);
    }

    // The window hands its table to the spreadsheet program as a workbook; a stand-in program
    // notes what it was given (the real Calc reads such workbooks in tst_libreoffice).
    void excelExport()
    {
        Eingabe e;
        e.uebertragen(QStringLiteral("41,2,38,12,22,6\n1,5,9,33,47,10"));
        QTemporaryDir programme;
        const QString protokoll = programme.filePath(QStringLiteral("aufruf.txt"));
        const QString soffice = programme.filePath(QStringLiteral("soffice"));
        QVERIFY(schreibe(soffice, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n").arg(protokoll).toUtf8()));
        QFile::setPermissions(soffice, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QByteArray alterPfad = qgetenv("PATH");
        qputenv("PATH", programme.path().toUtf8());
        e.klick(QStringLiteral("BExcelExport"));
        qputenv("PATH", alterPfad);
        QVERIFY(e.meldungen.eintraege.isEmpty());
        QTRY_VERIFY(inhalt(protokoll).endsWith(".xlsx\n"));
        const QStringList argumente = QString::fromUtf8(inhalt(protokoll)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(argumente.mid(0, 2), (QStringList{QStringLiteral("--calc"), QStringLiteral("-n")}));
        QCOMPARE(QFileInfo(argumente[2]).absolutePath(), QFileInfo(e.u.zustand.Tempdatei).absolutePath());
        TextTabelle mappe(7, 1);
        QCOMPARE(ExcelEinlesen(mappe, argumente[2], e.u.zustand.Formateinstellungen), QString());
        QCOMPARE(mappe.zeilen(), 3);
        QCOMPARE(mappe.zelle(1, 1), QStringLiteral("\u00A02"));
        QCOMPARE(mappe.zelle(6, 2), QStringLiteral("\u00A010"));
    }

    void dateienEinlesen()
    {
        Eingabe e;
        e.kind<QTabWidget>(QStringLiteral("PC1"))->setCurrentIndex(1);
        e.u.schreibe(QStringLiteral("Alt.qtt"),
                     schein({{3, 12, 25, 38, 47, 7}, {1, 2, 3, 4, 5, 10}}, 12000, 1)); // four digits limit typing only
        e.dialoge.oeffnenAntworten.enqueue(
            {e.u.pfad(QStringLiteral("Alt.qtt")), e.u.pfad(QStringLiteral("Zweite.qtt"))});
        e.klick(QStringLiteral("BTippscheinOeffnen"));
        QCOMPARE(e.dialoge.gefragt[0].titel, QStringLiteral("Tippschein-Datei einlesen"));
        QVERIFY(e.dialoge.gefragt[0].mehrere);
        QCOMPARE(e.reihen(QStringLiteral("G2")),
                 (QStringList{QStringLiteral("1|3|12|25|38|47|7"), QStringLiteral("2|1|2|3|4|5|10")}));
        QCOMPARE(e.kind<QLabel>(QStringLiteral("LDatei1"))->text(), QStringLiteral("Alt.qtt"));
        QCOMPARE(e.kind<QLineEdit>(QStringLiteral("EAntGes"))->text(), QStringLiteral("12000"));
        QCOMPARE(e.kind<QLineEdit>(QStringLiteral("EAntmeine"))->text(), QStringLiteral("1"));
        auto *meine = e.kind<QLineEdit>(QStringLiteral("EAntmeine"));
        meine->clear();
        QTest::keyClicks(meine, QStringLiteral("9x87654"));
        QCOMPARE(meine->text(), QStringLiteral("9876"));

        e.setzeText(QStringLiteral("1,2,3"));
        e.klick(QStringLiteral("BInsTextfeld"));
        QCOMPARE(e.text(), QStringLiteral("1,2,3\n3,12,25,38,47,7\n1,2,3,4,5,10\n"));
        QCOMPARE(e.zeilen(), QStringLiteral("3"));

        // CSV: quotes stay in the cells and come back doubled in the text field.
        e.u.schreibe(QStringLiteral("r.csv"), "\"7\",8,9,10,11,1\n");
        e.dialoge.oeffnenAntworten.enqueue({e.u.pfad(QStringLiteral("r.csv"))});
        e.klick(QStringLiteral("BCSVOeffnen"));
        QCOMPARE(e.dialoge.gefragt[1].titel, QStringLiteral("CSV-Datei einlesen"));
        QVERIFY(e.dialoge.gefragt[1].ordner.isEmpty());
        QCOMPARE(e.reihen(QStringLiteral("G2")), QStringList{QStringLiteral("1|\"7\"|8|9|10|11|1")});
        e.setzeText(QString());
        e.klick(QStringLiteral("BInsTextfeld"));
        QCOMPARE(e.text(), QStringLiteral("\"\"\"7\"\"\",8,9,10,11,1\n"));

        // A workbook: A1:H3 widens the table to nine columns.
        e.dialoge.oeffnenAntworten.enqueue({Daten + QStringLiteral("breit3.ods")});
        e.klick(QStringLiteral("BExcelImport"));
        QCOMPARE(e.dialoge.gefragt[2].titel, QStringLiteral("Excel-Tabelle einlesen"));
        QCOMPARE(e.dialoge.gefragt[2].endung, QStringLiteral("xl*"));
        QCOMPARE(e.dialoge.gefragt[2].weitere, QStringList{QStringLiteral("*.ods")});
        QCOMPARE(e.reihen(QStringLiteral("G2")).size(), 3);
        QCOMPARE(e.reihen(QStringLiteral("G2"))[0], QStringLiteral("1|1|2,5||Text mit Leerzeichen|-7|0,125||8"));
        QCOMPARE(e.kind<QLabel>(QStringLiteral("LDatei1"))->text(), QStringLiteral("breit3.ods"));
        e.dialoge.oeffnenAntworten.enqueue({Daten + QStringLiteral("reihen10.xlsx")});
        e.klick(QStringLiteral("BExcelImport"));
        QCOMPARE(e.reihen(QStringLiteral("G2")).size(), 10);
        QCOMPARE(e.kind<QTableView>(QStringLiteral("G2"))->model()->headerData(6, Qt::Horizontal).toString().trimmed(),
                 QStringLiteral("ZZ"));
        // The same rows from an .xls, read by the helper process.
        const QStringList xlsx = e.reihen(QStringLiteral("G2"));
        e.dialoge.oeffnenAntworten.enqueue({Daten + QStringLiteral("reihen10.xls")});
        e.klick(QStringLiteral("BExcelImport"));
        QCOMPARE(e.reihen(QStringLiteral("G2")), xlsx);
        QCOMPARE(e.kind<QLabel>(QStringLiteral("LDatei1"))->text(), QStringLiteral("reihen10.xls"));
        QVERIFY(e.meldungen.eintraege.isEmpty());
        e.bild(QStringLiteral("datei-einlesen"));
    }

    // Bad files end with a message; the table, the shares and the text field keep what they had.
    void schlechteDateien_data()
    {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("not a workbook") << QStringLiteral("BExcelImport") << QStringLiteral("x.xlsx")
                                        << QByteArray("kein Zip")
                                        << QStringLiteral("ist keine Excel- oder Calc-Arbeitsmappe");
        QTest::newRow("damaged xls") << QStringLiteral("BExcelImport") << QStringLiteral("k.xls")
                                     << inhalt(Daten + QStringLiteral("kaputt-zeichensatz1.xls"))
                                     << QStringLiteral("Die Arbeitsmappe \u201Ek.xls\u201C kann ich nicht einlesen.");
        QTest::newRow("vanished workbook") << QStringLiteral("BExcelImport") << QStringLiteral("weg.xls")
                                           << QByteArray() << QStringLiteral("konnte nicht gelesen werden");
        QTest::newRow("CSV line of 1 MB")
            << QStringLiteral("BCSVOeffnen") << QStringLiteral("lang.csv") << QByteArray(1024 * 1024, '1')
            << QStringLiteral("ist länger als 65536 Zeichen");
        QTest::newRow("vanished ticket") << QStringLiteral("BTippscheinOeffnen") << QStringLiteral("weg.qtt")
                                         << QByteArray() << QStringLiteral("konnte nicht gelesen werden");
    }
    void schlechteDateien()
    {
        QFETCH(QString, knopf);
        QFETCH(QString, name);
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        Eingabe e;
        e.u.schreibe(QStringLiteral("Alt.qtt"), schein({{3, 12, 25, 38, 47, 7}}, 4, 1));
        e.dialoge.oeffnenAntworten.enqueue({e.u.pfad(QStringLiteral("Alt.qtt"))});
        e.klick(QStringLiteral("BTippscheinOeffnen"));
        e.setzeText(QStringLiteral("1,2,3"));
        const QStringList g2 = e.reihen(QStringLiteral("G2"));

        if (!inhalt.isEmpty())
            e.u.schreibe(name, inhalt);
        e.dialoge.oeffnenAntworten.enqueue({e.u.pfad(name)});
        e.klick(knopf);
        QCOMPARE(e.meldungen.eintraege.size(), 1);
        QVERIFY2(e.meldungen.texte()[0].contains(meldung), qPrintable(e.meldungen.texte()[0]));
        QCOMPARE(e.reihen(QStringLiteral("G2")), g2);
        QCOMPARE(e.text(), QStringLiteral("1,2,3"));
        QCOMPARE(e.kind<QLabel>(QStringLiteral("LDatei1"))->text(), QStringLiteral("Alt.qtt"));
        QCOMPARE(e.kind<QLineEdit>(QStringLiteral("EAntGes"))->text(), QStringLiteral("4"));
    }

    void einstellungen()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        {
            // No settings file: the window keeps its designed state and writes its keys on closing.
            TFEingabe f(u.zustand, u.befehle());
            f.zeigen();
            QVERIFY(f.findChild<QRadioButton *>(QStringLiteral("RG1a"))->isChecked());
            f.findChild<Pfeilregler *>(QStringLiteral("up1"))->rechts()->click();
            QCOMPARE(f.findChild<QPlainTextEdit *>(QStringLiteral("M1"))->font().pointSize(), 11);
            f.close();
            QCOMPARE(u.lies(Dateinamen::Einstellungen),
                     QByteArray("[Eingabe]\noverwrite1=1\noverwrite2=0\nFontsize=11\n"));
        }
        {
            // A file without the section: append is chosen; a font size out of range is ignored.
            u.schreibe(Dateinamen::Einstellungen, "[Eingabe]\nFontsize=20\n");
            TFEingabe f(u.zustand, u.befehle());
            f.zeigen();
            QVERIFY(f.findChild<QRadioButton *>(QStringLiteral("RG1b"))->isChecked());
            QCOMPARE(f.findChild<Textrahmen *>()->schriftgroesse(), 10);
            // Read again at every showing.
            f.close();
            u.schreibe(Dateinamen::Einstellungen, "[Eingabe]\noverwrite1=1\noverwrite2=0\nFontsize=6\n");
            f.zeigen();
            QVERIFY(f.findChild<QRadioButton *>(QStringLiteral("RG1a"))->isChecked());
            QCOMPARE(f.findChild<QPlainTextEdit *>(QStringLiteral("M1"))->font().pointSize(), 6);
        }
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    void zeigenUndBild()
    {
        Eingabe e;
        // The designed 980 × 473, widened only as far as the texts of this desktop's font need.
        QCOMPARE(e.f.height(), 473);
        QVERIFY2(e.f.width() >= 980 && e.f.width() <= 1100, qPrintable(QString::number(e.f.width())));
        e.uebertragen(QStringLiteral("41,2,38,12,22,6\n1,5,9,33,47,10\n3,12,25,38,47,7\n7,14,21,28,35,1"));
        e.klick(QStringLiteral("Zahlentaste3"));
        e.bild(QStringLiteral("manuelle-eingabe"));
        // Nothing of the window is cut off: every button shows its whole caption.
        for (QAbstractButton *k : e.f.findChildren<QAbstractButton *>())
            if (k->isVisible() && !k->text().isEmpty())
                QVERIFY2(k->width() >= k->sizeHint().width() - 2,
                         qPrintable(k->objectName() + QLatin1Char(' ') + k->text()));
    }
};

QTEST_MAIN(TestEingabefenster)
#include "tst_eingabefenster.moc"
