// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Bildschirmfoto.h"
#include "Dateien.h"
#include "Eingabewege.h"
#include "Testumgebung.h"

#include "generator/Zufallsgenerator.h"
#include "model/Tippscheindatei.h"
#include "support/Attrappen.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/hilfe/Hilfe.h"
#include "ui/hilfe/HilfeFenster.h"
#include "ui/zufall/Musterfilterfeld.h"
#include "ui/zufall/Verteilung.h"
#include "ui/zufall/Zahlenfelder.h"
#include "ui/zufall/Zufallsfenster.h"
#include "ui/zufall/Zufallslauf.h"
#include "ui/zufall/ZufallsreihenModell.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

#include <atomic>

namespace {
const QString Einstellungsdatei = QStringLiteral("Einstellungen.ini");
const QString MeldungLeer =
    QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu speichern.\n\nIch breche erst einmal ab.");

// The generator window opened through its command, as the main window opens it.
struct Generator
{
    Testumgebung u;
    QPointer<TFZufall> f;

    explicit Generator(const QByteArray &einstellungen = {})
    {
        if (!einstellungen.isEmpty())
            u.schreibe(Einstellungsdatei, einstellungen);
        oeffnen();
    }
    ~Generator()
    {
        if (f) {
            f->lauf()->abbrechen();
            QTRY_VERIFY(!f->lauf()->laeuft());
            f->close();
        }
        QTRY_VERIFY(f.isNull());
    }
    void oeffnen()
    {
        u.befehle().aktion(Befehle::Art::Zufall)->trigger();
        f = static_cast<TFZufall *>(findeFenster(QStringLiteral("FZufall")));
        QVERIFY(f);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCoreApplication::processEvents(); // the settings are read right after the first showing
    }
    template <class T = QWidget> T *kind(const QString &name) const
    {
        T *w = f->findChild<T *>(name);
        if (!w)
            qWarning("no child %s", qPrintable(name));
        return w;
    }
    TBZufall *knopf(int tag) const { return kind<TBZufall>(QStringLiteral("BZuf%1").arg(tag)); }
    void klick(int tag) const { QTest::mouseClick(knopf(tag), Qt::LeftButton); }
    void klick(const QString &name) const { QTest::mouseClick(kind(name), Qt::LeftButton); }
    QLineEdit *feld(const QString &name) const { return kind<QLineEdit>(name); }
    void tippe(const QString &name, const QString &text) const
    {
        feld(name)->clear();
        QTest::keyClicks(feld(name), text);
    }
    void vielGlueck(const QString &anzahl) const
    {
        tippe(QStringLiteral("EAnz"), anzahl);
        klick(QStringLiteral("SpeedButton1"));
        QTRY_VERIFY_WITH_TIMEOUT(!f->lauf()->laeuft(), 30000);
    }
    const Zufallsreihen &reihen() const { return f->reihenModell()->reihen(); }
    QString zaehler(int n) const { return f->verteilung()->BStatW(n)->text(); }
    QColor zaehlerfarbe(int n) const { return f->verteilung()->BStatW(n)->palette().color(QPalette::Window); }
    QModelIndex zelle(int zeile, int spalte) const { return f->reihenModell()->index(zeile, spalte); }
};

QByteArray reihenAlsSchein(const Zufallsreihen &r, std::uint16_t ges, std::uint16_t meine)
{
    QByteArray bytes;
    for (int z = 0; z < r.anzahl(); ++z) {
        TNormalSchein s;
        for (int i = 0; i < 5; ++i)
            s.WZ[static_cast<std::size_t>(i)] = r.zahl(z, i);
        s.WZ[5] = static_cast<std::uint8_t>(r.zusatzzahl(z).toInt());
        s.AntGes = ges;
        s.Antmeine = meine;
        bytes += s.alsBytes();
    }
    return bytes;
}
} // namespace

class TestZufall : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The generator's digit fields take digits up to their length, typed or pasted; a paste
    // that would overfill a field or holds anything but digits is refused whole.
    void ziffernfelder_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<Eingabeweg>("weg");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("ergebnis");
        using W = Eingabeweg;
        QTest::newRow("total: pasted five") << QStringLiteral("EAntGes") << W::Einfuegen << QStringLiteral("12345")
                                            << QString();
        QTest::newRow("own: pasted four") << QStringLiteral("EAntmeine") << W::Einfuegen << QStringLiteral("9999")
                                          << QStringLiteral("9999");
        QTest::newRow("ZZ: typed three") << QStringLiteral("eZZ") << W::Tippen << QStringLiteral("123")
                                         << QStringLiteral("12");
        QTest::newRow("ZZ: pasted three") << QStringLiteral("eZZ") << W::Einfuegen << QStringLiteral("123") << QString();
        QTest::newRow("count: pasted ten") << QStringLiteral("EAnz") << W::Einfuegen << QStringLiteral("1234567890")
                                           << QStringLiteral("1234567890");
        QTest::newRow("count: pasted eleven") << QStringLiteral("EAnz") << W::Einfuegen
                                              << QStringLiteral("12345678901") << QString();
        QTest::newRow("count: pasted letter") << QStringLiteral("EAnz") << W::Einfuegen << QStringLiteral("1e3")
                                              << QString();
    }
    void ziffernfelder()
    {
        QFETCH(QString, feld);
        QFETCH(Eingabeweg, weg);
        QFETCH(QString, eingabe);
        QFETCH(QString, ergebnis);
        Generator g;
        g.klick(QStringLiteral("cbfix"));
        QCOMPARE(eingeben(g.feld(feld), weg, eingabe), ergebnis);
    }

    void aufbau()
    {
        Generator g;
        QCOMPARE(g.f->windowTitle(), QStringLiteral("Quintaro Analyser 1.5.0.0"));
        QCOMPARE(g.kind<QPushButton>(QStringLiteral("SpeedButton1"))->text(), QStringLiteral("Viel Glück!"));
        QCOMPARE(g.kind<QLabel>(QStringLiteral("Label8"))->text(), QStringLiteral("Tippreihenanzahl"));
        QCOMPARE(g.kind<QLabel>(QStringLiteral("LReihen"))->text(), QStringLiteral("Zufallsreihen"));
        QCOMPARE(g.kind<QPushButton>(QStringLiteral("BAuf"))->text(), QStringLiteral("Aufsteigend sortieren"));
        QCOMPARE(g.feld(QStringLiteral("EAntGes"))->text(), QStringLiteral("1"));
        QVERIFY(g.kind<QRadioButton>(QStringLiteral("cbZuf"))->isChecked());
        QVERIFY(!g.feld(QStringLiteral("eZZ"))->isEnabled());
        g.klick(QStringLiteral("cbfix"));
        QVERIFY(g.feld(QStringLiteral("eZZ"))->isEnabled());
        g.klick(QStringLiteral("cbZuf"));
        QVERIFY(!g.feld(QStringLiteral("eZZ"))->isEnabled());
        // An empty grid of 20 rows with its header, and the tool bar from the shared commands.
        QCOMPARE(g.f->reihenModell()->rowCount(), 19);
        QCOMPARE(g.f->reihenModell()->headerData(6, Qt::Horizontal, Qt::DisplayRole).toString().trimmed(),
                 QStringLiteral("ZZ"));
        for (const char *name :
             {"BCloseLeiste", "BEingabeN", "BStatistik", "BUpdate", "BNoverK", "BKal", "BCalc", "BErgebnisse", "BHelp"})
            QVERIFY2(g.kind<QToolButton>(QLatin1String(name)), name);
        QTest::mouseClick(g.kind<QToolButton>(QStringLiteral("BNoverK")), Qt::LeftButton);
        QPointer<QWidget> nk = findeFenster(QStringLiteral("FNueberK"));
        QVERIFY(nk);
        nk->close();
        QTRY_VERIFY(nk.isNull());
    }

    void einePanelWahlVerstecktDieZahlAnderswo_data()
    {
        QTest::addColumn<int>("feld");
        QTest::newRow("bank") << 1;
        QTest::newRow("quota killer") << 2;
        QTest::newRow("favourite") << 3;
    }
    void einePanelWahlVerstecktDieZahlAnderswo()
    {
        QFETCH(int, feld);
        Generator g;
        g.klick(100 * feld + 7);
        QVERIFY(g.knopf(100 * feld + 7)->gewaehlt());
        for (int anderes = 1; anderes <= 3; ++anderes)
            QCOMPARE(g.knopf(100 * anderes + 7)->isHidden(), anderes != feld);
        QVERIFY(!g.knopf(100 * feld + 8)->gewaehlt());
        g.klick(100 * feld + 7);
        for (int anderes = 1; anderes <= 3; ++anderes)
            QVERIFY(!g.knopf(100 * anderes + 7)->isHidden() && !g.knopf(100 * anderes + 7)->gewaehlt());
    }

    void grenzen()
    {
        MeldungsRecorder meldungen;
        Generator g;
        for (int n : {1, 2, 3, 4, 5})
            g.klick(100 + n);
        g.klick(106);
        QCOMPARE(meldungen.texte(),
                 QStringList{QStringLiteral("Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum.")});
        QCOMPARE(meldungen.eintraege[0].art, Meldungen::Anzeige::Art::Fehler);
        QCOMPARE(g.f->zahlenwahl()->auswahl().anzahl(Zufallsfeld::Bankzahlen), 5);
        QVERIFY(!g.knopf(106)->gewaehlt());

        // Clearing a panel takes all its numbers off and shows them elsewhere again.
        g.klick(QStringLiteral("SpeedButton5"));
        QCOMPARE(g.f->zahlenwahl()->auswahl().anzahl(Zufallsfeld::Bankzahlen), 0);
        QVERIFY(!g.knopf(203)->isHidden());

        meldungen.eintraege.clear();
        for (int n : {1, 2, 3})
            g.klick(100 + n);
        for (int n = 4; n <= 48; ++n)
            g.klick(200 + n);
        QVERIFY(meldungen.eintraege.isEmpty());
        g.klick(249);
        QCOMPARE(meldungen.texte(), QStringList{QStringLiteral("Noch einen Quotenkiller mehr und der Zufall hat gar "
                                                               "keine Chance mehr.\n\nIch breche ab.")});
        QCOMPARE(g.f->zahlenwahl()->auswahl().anzahl(Zufallsfeld::Quotenkiller), 45);
        g.klick(QStringLiteral("SpeedButton7"));
        QCOMPARE(g.f->zahlenwahl()->auswahl().anzahl(Zufallsfeld::Quotenkiller), 0);
    }

    void einstellungen()
    {
        MeldungsRecorder meldungen;
        {
            Generator g("[Zufall]\nAnzahl=\nBankzahlen=3,17,42\nQuotenkiller=5,3\nFavoriten=8,9\n");
            const Zufallsauswahl &a = g.f->zahlenwahl()->auswahl();
            QCOMPARE(g.feld(QStringLiteral("EAnz"))->text(), QStringLiteral("12"));
            QCOMPARE(MengeZuText(a.BZGewaehlt(), 49, QStringLiteral(",")), QStringLiteral("3,17,42"));
            QVERIFY(g.knopf(117)->gewaehlt() && g.knopf(217)->isHidden() && g.knopf(317)->isHidden());
            // 3 is a bank number already: the stored killer list cannot put it on a second panel.
            QCOMPARE(MengeZuText(a.KillGewaehlt(), 49, QStringLiteral(",")), QStringLiteral("5"));
            QCOMPARE(MengeZuText(a.FavGewaehlt(), 49, QStringLiteral(",")), QStringLiteral("8,9"));

            // Restoring the minimised window reads nothing again.
            g.f->showMinimized();
            g.oeffnen();
            QVERIFY(!g.f->isMinimized());
            QCOMPARE(MengeZuText(a.BZGewaehlt(), 49, QStringLiteral(",")), QStringLiteral("3,17,42"));
        }
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    // Stored lists beyond a panel's limit: the first numbers count, and each limit is said once.
    void einstellungenUeberDerGrenze_data()
    {
        QTest::addColumn<QByteArray>("abschnitt");
        QTest::addColumn<QString>("bank");
        QTest::addColumn<QStringList>("meldungen");
        const QString bank = QStringLiteral("Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum.");
        const QString kill = QStringLiteral("Noch einen Quotenkiller mehr und der Zufall hat gar keine Chance mehr.\n\n"
                                            "Ich breche ab.");
        QByteArray killer = "Quotenkiller=";
        for (int n = 6; n <= 49; ++n) // 44 numbers, where 43 leave the last two to chance
            killer += QByteArray::number(n) + ',';
        QTest::newRow("ten bank numbers") << QByteArray("Bankzahlen=1,2,3,4,5,6,7,8,9,10\n") << "1,2,3,4,5"
                                          << QStringList{bank};
        QTest::newRow("nine bank numbers and 44 quota killers")
            << QByteArray("Bankzahlen=1,2,3,4,5,6,7,8,9\n" + killer + "\n") << "1,2,3,4,5" << QStringList{bank, kill};
        QTest::newRow("five bank numbers") << QByteArray("Bankzahlen=1,2,3,4,5\n") << "1,2,3,4,5" << QStringList();
    }
    void einstellungenUeberDerGrenze()
    {
        QFETCH(QByteArray, abschnitt);
        QFETCH(QString, bank);
        QFETCH(QStringList, meldungen);
        MeldungsRecorder recorder;
        Generator g("[Zufall]\nAnzahl=7\n" + abschnitt);
        QCOMPARE(MengeZuText(g.f->zahlenwahl()->auswahl().BZGewaehlt(), 49, QStringLiteral(",")), bank);
        QCOMPARE(recorder.texte(), meldungen);
        for (const auto &e : std::as_const(recorder.eintraege))
            QCOMPARE(e.art, Meldungen::Anzeige::Art::Fehler);
    }

    void einstellungenSchreibenUndWiederLesen()
    {
        MeldungsRecorder meldungen;
        Generator g("[Zufall]\nAnzahl=7\nBankzahlen=3,17,42\nQuotenkiller=\nFavoriten=\n");
        g.klick(142);
        g.klick(122);
        g.klick(249);
        g.tippe(QStringLiteral("EAnz"), QStringLiteral("30"));
        g.f->close();
        QTRY_VERIFY(g.f.isNull());
        const QString text = QString::fromUtf8(g.u.lies(Einstellungsdatei));
        QVERIFY2(text.contains(QStringLiteral("Anzahl=30\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Bankzahlen=3,17,22\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Quotenkiller=49\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Favoriten=\n")) || text.endsWith(QStringLiteral("Favoriten=")),
                 qPrintable(text));

        // Reopened in the same run, the window shows what it had.
        g.oeffnen();
        QCOMPARE(g.feld(QStringLiteral("EAnz"))->text(), QStringLiteral("30"));
        QVERIFY(g.knopf(122)->gewaehlt() && g.knopf(249)->gewaehlt() && !g.knopf(142)->gewaehlt());
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    void ohneEinstellungsdatei()
    {
        Generator g;
        QVERIFY(!g.u.gibt(Einstellungsdatei));
        QVERIFY(g.feld(QStringLiteral("EAnz"))->text().isEmpty());
        g.f->close();
        QTRY_VERIFY(g.f.isNull());
        QVERIFY(QString::fromUtf8(g.u.lies(Einstellungsdatei)).contains(QStringLiteral("[Zufall]")));
    }

    void vielGlueck()
    {
        MeldungsRecorder meldungen;
        Generator g;
        g.klick(107);
        g.klick(303);
        g.klick(QStringLiteral("cbfix"));
        g.tippe(QStringLiteral("eZZ"), QStringLiteral("07"));
        g.vielGlueck(QStringLiteral("12"));
        QVERIFY(meldungen.eintraege.isEmpty());
        QCOMPARE(g.kind<QLabel>(QStringLiteral("LReihen"))->text(), QStringLiteral("12 Zufallsreihen"));
        QCOMPARE(g.f->reihenModell()->rowCount(), 12);
        for (int z = 0; z < 12; ++z) {
            QCOMPARE(g.zelle(z, 0).data().toString(), QString::number(z + 1));
            QStringList zahlen;
            for (int s = 1; s <= 5; ++s) {
                const QModelIndex i = g.zelle(z, s);
                zahlen << i.data().toString();
                const QColor farbe = i.data(Qt::BackgroundRole).value<QBrush>().color();
                if (zahlen.last() == QStringLiteral("7"))
                    QCOMPARE(farbe, QColor(179, 255, 179));
                if (zahlen.last() == QStringLiteral("3"))
                    QCOMPARE(farbe, QColor(40, 184, 255));
                if (zahlen.last() == QStringLiteral("8"))
                    QVERIFY(!i.data(Qt::BackgroundRole).isValid()); // white
            }
            QVERIFY(zahlen.contains(QStringLiteral("7")));
            // The fixed Zusatzzahl keeps its leading zero and, equal to a bank number, its colour.
            QCOMPARE(g.zelle(z, 6).data().toString(), QStringLiteral("07"));
            QCOMPARE(g.zelle(z, 6).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(179, 255, 179));
        }
        int summe = 0;
        for (int n = 1; n <= 49; ++n)
            summe += g.zaehler(n).toInt();
        QCOMPARE(summe, 60);
        QCOMPARE(g.zaehler(7), QStringLiteral("12"));
        QCOMPARE(g.zaehlerfarbe(7), QColor(147, 253, 114));
        QCOMPARE(g.zaehlerfarbe(3), QColor(40, 184, 255));
        QCOMPARE(g.zaehlerfarbe(4), g.f->palette().color(QPalette::Button));
    }

    void ablehnungen_data()
    {
        QTest::addColumn<QString>("anzahl");
        QTest::addColumn<QString>("zusatzzahl"); // empty: "per Zufall"; "-": "festlegen" with an empty field
        QTest::addColumn<int>("bankzahlen");
        QTest::addColumn<QString>("meldung");
        const QString abbruch = QStringLiteral("\n\nIch breche erst einmal ab.");
        QTest::newRow("no row count") << QString() << QString() << 0
                                      << QStringLiteral("Bitte geben Sie die Anzahl der gewünschten Tippreihen an.") +
                                             abbruch;
        QTest::newRow("no fixed Zusatzzahl")
            << QStringLiteral("5") << QStringLiteral("-") << 0
            << QStringLiteral("Bitte geben Sie die Zusatzzahl an, die Sie - nach Ihrer "
                              "Auswahl -bestimmen wollen.") +
                   abbruch;
        QTest::newRow("Zusatzzahl 11") << QStringLiteral("5") << QStringLiteral("11") << 0
                                       << QStringLiteral("Bitte geben Sie für die Zusatzzahl eine Zahl aus dem "
                                                         "Wertebereich 1 bis 10 an.") +
                                              abbruch;
        QTest::newRow("Zusatzzahl 0") << QStringLiteral("5") << QStringLiteral("0") << 0
                                      << QStringLiteral("Bitte geben Sie für die Zusatzzahl eine Zahl aus dem "
                                                        "Wertebereich 1 bis 10 an.") +
                                             abbruch;
        QTest::newRow("zero rows") << QStringLiteral("0") << QString() << 0 << MeldungAnzahlUngueltig;
        QTest::newRow("beyond 32 bits") << QStringLiteral("99999999999") << QString() << 0 << MeldungAnzahlUngueltig;
        QTest::newRow("too many for five bank numbers")
            << QStringLiteral("2") << QString() << 5
            << QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, 2 Tippreihen zu bilden.\n\n"
                              "ich muss abbrechen.");
        QTest::newRow("one more than all rows")
            << QStringLiteral("1906885") << QString() << 0
            << QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, 1906885 Tippreihen zu "
                              "bilden.\n\nich muss abbrechen.");
    }
    // A refused request leaves the rows and counts of the previous run.
    void ablehnungen()
    {
        QFETCH(QString, anzahl);
        QFETCH(QString, zusatzzahl);
        QFETCH(int, bankzahlen);
        QFETCH(QString, meldung);
        MeldungsRecorder meldungen;
        Generator g;
        g.vielGlueck(QStringLiteral("3"));
        const QString ersteZeile = g.zelle(0, 1).data().toString() + g.zelle(0, 2).data().toString();
        const QString zaehler = g.zaehler(g.reihen().zahl(0, 0));
        for (int n = 1; n <= bankzahlen; ++n)
            g.klick(100 + 10 * n - 1);
        if (!zusatzzahl.isEmpty()) {
            g.klick(QStringLiteral("cbfix"));
            g.tippe(QStringLiteral("eZZ"), zusatzzahl == QStringLiteral("-") ? QString() : zusatzzahl);
        }
        g.vielGlueck(anzahl);
        QCOMPARE(meldungen.texte(), QStringList{meldung});
        QCOMPARE(meldungen.eintraege[0].art, Meldungen::Anzeige::Art::Fehler);
        QCOMPARE(g.reihen().anzahl(), 3);
        QCOMPARE(g.zelle(0, 1).data().toString() + g.zelle(0, 2).data().toString(), ersteZeile);
        QCOMPARE(g.kind<QLabel>(QStringLiteral("LReihen"))->text(), QStringLiteral("3 Zufallsreihen"));
        QCOMPARE(g.zaehler(g.reihen().zahl(0, 0)), zaehler);
    }

    // The count of rows that pass follows every change of bank numbers, killers and filters.
    void moeglicheReihen()
    {
        MeldungsRecorder meldungen;
        Generator g;
        auto *moeglich = g.kind<QLabel>(QStringLiteral("LMoeglich"));
        QCOMPARE(moeglich->text(), QStringLiteral("Mögliche Reihen: 1.906.884"));
        // Off at first, each filter with its fields named for a screen reader.
        Musterfilterfeld *feld = g.f->filterfeld();
        for (const Musterart art : AlleMusterarten) {
            QVERIFY(!feld->schalter(art)->isChecked());
            QVERIFY(!feld->bis(art)->isEnabled());
            QVERIFY(!feld->bis(art)->accessibleName().isEmpty());
        }
        QCOMPARE(feld->von(Musterart::Summe)->accessibleName(), QStringLiteral("Summe von"));
        QCOMPARE(feld->bis(Musterart::Summe)->accessibleName(), QStringLiteral("Summe bis"));

        const auto erwartet = [&g] {
            Zufallsvorgaben v;
            v.BZGewaehlt = g.f->zahlenwahl()->auswahl().BZGewaehlt();
            v.KillGewaehlt = g.f->zahlenwahl()->auswahl().KillGewaehlt();
            v.filter = g.f->filterfeld()->filter();
            return QStringLiteral("Mögliche Reihen: ") + QLocale(QLocale::German).toString(MoeglicheReihen(v));
        };
        QTest::mouseClick(feld->schalter(Musterart::Summe), Qt::LeftButton, {}, QPoint(6, 6));
        QVERIFY(feld->von(Musterart::Summe)->isEnabled());
        QCOMPARE(feld->filter().text(Musterart::Summe), QStringLiteral("100-150"));
        QTRY_COMPARE(moeglich->text(), erwartet());
        QVERIFY(moeglich->text() != QStringLiteral("Mögliche Reihen: 1.906.884"));
        feld->bis(Musterart::Summe)->setValue(120);
        QTRY_COMPARE(moeglich->text(), erwartet());
        // The lower end pushed past the upper one takes it along.
        feld->von(Musterart::Summe)->setValue(130);
        QCOMPARE(feld->filter().text(Musterart::Summe), QStringLiteral("130-130"));
        feld->schalter(Musterart::Folge)->setChecked(true);
        g.klick(107);
        g.klick(201);
        QTRY_COMPARE(moeglich->text(), erwartet());
        const QString mitAllem = moeglich->text();
        bildSichern(g.f, QStringLiteral("zufall-filter"));
        // Filters off again: the plain count of rows with 7 and without 1, 47 over 4.
        feld->schalter(Musterart::Summe)->setChecked(false);
        feld->schalter(Musterart::Folge)->setChecked(false);
        QTRY_COMPARE(moeglich->text(), QStringLiteral("Mögliche Reihen: 178.365"));
        QVERIFY(mitAllem != moeglich->text());
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    // Filters that leave four rows: a run of four gives exactly those, a fifth is refused.
    void engerFilter()
    {
        MeldungsRecorder meldungen;
        Generator g("[Zufall]\nSumme=15-17\nFolge=\nZehnergruppe=9\n");
        Musterfilterfeld *feld = g.f->filterfeld();
        QVERIFY(feld->schalter(Musterart::Summe)->isChecked());
        QCOMPARE(feld->filter().text(Musterart::Summe), QStringLiteral("15-17"));
        // An impossible stored value leaves its filter off.
        QVERIFY(!feld->schalter(Musterart::Zehnergruppe)->isChecked());
        QTRY_COMPARE(g.kind<QLabel>(QStringLiteral("LMoeglich"))->text(), QStringLiteral("Mögliche Reihen: 4"));
        g.vielGlueck(QStringLiteral("4"));
        QCOMPARE(g.reihen().anzahl(), 4);
        bildSichern(g.f, QStringLiteral("zufall-enger-filter"));
        for (int r = 0; r < 4; ++r) {
            int summe = 0;
            for (int s = 0; s < 5; ++s)
                summe += g.reihen().zahl(r, s);
            QVERIFY(summe <= 17);
        }
        g.vielGlueck(QStringLiteral("5"));
        QCOMPARE(meldungen.texte(),
                 QStringList{QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, 5 Tippreihen zu "
                                            "bilden.\n\nich muss abbrechen.")});
        QCOMPARE(g.reihen().anzahl(), 4);

        feld->schalter(Musterart::Folge)->setChecked(true);
        feld->bis(Musterart::Folge)->setValue(3);
        g.f->close();
        QTRY_VERIFY(g.f.isNull());
        const QString text = QString::fromUtf8(g.u.lies(Einstellungsdatei));
        for (const char *zeile : {"Summe=15-17\n", "Folge=3\n", "Gerade=\n"})
            QVERIFY2(text.contains(QLatin1String(zeile)), qPrintable(text));
    }

    void speichernBeiLeeremGitter()
    {
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        Generator g;
        g.klick(QStringLiteral("BSave"));
        g.klick(QStringLiteral("SpeedButton3"));
        g.klick(QStringLiteral("SpeedButton4"));
        QCOMPARE(meldungen.texte(),
                 (QStringList{MeldungLeer, MeldungLeer,
                              QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu exportieren.\n\nIch breche erst "
                                             "einmal ab.")}));
        QVERIFY(dialoge.gefragt.isEmpty());
    }

    void alsTippscheinSpeichern()
    {
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        Generator g;
        g.vielGlueck(QStringLiteral("25"));
        const QString ziel = g.u.pfad(QStringLiteral("Zufall.qtt"));

        // Shares 2 of 3 are refused after the dialog, and nothing is written.
        g.tippe(QStringLiteral("EAntGes"), QStringLiteral("2"));
        g.tippe(QStringLiteral("EAntmeine"), QStringLiteral("3"));
        dialoge.speichernAntworten.enqueue(ziel);
        g.klick(QStringLiteral("BSave"));
        QCOMPARE(meldungen.texte(), QStringList{QStringLiteral("Die Anzahl der gesamten Anteile darf nicht niedriger "
                                                               "als die Ihrigen sein.\n\nDer Speichervorgang wird "
                                                               "abgebrochen.")});
        QCOMPARE(dialoge.gefragt.size(), 1);
        QCOMPARE(dialoge.gefragt[0].titel, QStringLiteral("Als Tippschein speichern..."));
        QCOMPARE(dialoge.gefragt[0].filtertext, QStringLiteral("Tippschein-Datei"));
        QCOMPARE(dialoge.gefragt[0].endung, QStringLiteral("qtt"));
        QCOMPARE(dialoge.gefragt[0].ordner, g.u.zustand.Datenordner);
        QVERIFY(!QFile::exists(ziel));

        // Empty share fields count as 1 and 1.
        meldungen.eintraege.clear();
        g.feld(QStringLiteral("EAntGes"))->clear();
        g.feld(QStringLiteral("EAntmeine"))->clear();
        dialoge.speichernAntworten.enqueue(ziel);
        g.klick(QStringLiteral("BSave"));
        QVERIFY(meldungen.eintraege.isEmpty());
        QCOMPARE(inhalt(ziel), reihenAlsSchein(g.reihen(), 1, 1));
        QCOMPARE(g.kind<QLabel>(QStringLiteral("LDatei"))->text(), QStringLiteral("Gespeichert in: Zufall.qtt"));
    }

    // CSV and workbook take the rows as the entry window's tables do: six fields, the fixed
    // Zusatzzahl as typed, the sheet "Tippreihen".
    void csvUndArbeitsmappe()
    {
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        Generator g;
        g.klick(QStringLiteral("cbfix"));
        g.tippe(QStringLiteral("eZZ"), QStringLiteral("07"));
        g.vielGlueck(QStringLiteral("30"));
        QStringList zeilen;
        for (int z = 0; z < 30; ++z) {
            QStringList felder;
            for (int s = 0; s < 5; ++s)
                felder << QString::number(g.reihen().zahl(z, s));
            zeilen << felder.join(QLatin1Char(',')) + QStringLiteral(",07");
        }

        dialoge.speichernAntworten.enqueue(g.u.pfad(QStringLiteral("Zufall")));
        g.klick(QStringLiteral("SpeedButton3"));
        QVERIFY2(meldungen.eintraege.isEmpty(), qPrintable(meldungen.texte().join(QLatin1Char('|'))));
        QCOMPARE(dialoge.gefragt.size(), 1);
        QCOMPARE(dialoge.gefragt[0].titel, QStringLiteral("Als CSV-Datei speichern..."));
        QCOMPARE(dialoge.gefragt[0].ordner, g.u.zustand.Datenordner);
        QCOMPARE(inhalt(g.u.pfad(QStringLiteral("Zufall.csv"))),
                 (zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
        QCOMPARE(g.kind<QLabel>(QStringLiteral("LDatei"))->text(), QStringLiteral("Gespeichert in: Zufall.csv"));

        // A stand-in launcher first on the PATH takes the place of Calc's window and keeps the
        // workbook; the real Calc, headless with a profile of its own, then reads it.
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QFAIL("LibreOffice Calc (soffice) is not installed; scripts/install-deps.sh installs it.");
        QTemporaryDir ordner;
        const QString mappe = ordner.filePath(QStringLiteral("Export.xlsx"));
        const QString starter = ordner.filePath(QStringLiteral("soffice"));
        QVERIFY(schreibe(
            starter,
            QStringLiteral("#!/bin/sh\nfor a; do letztes=$a; done\ncp \"$letztes\" \"%1\"\n").arg(mappe).toUtf8()));
        QFile::setPermissions(starter, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray alterPfad = qgetenv("PATH");
        qputenv("PATH", ordner.path().toUtf8() + ':' + alterPfad);
        g.klick(QStringLiteral("SpeedButton4"));
        qputenv("PATH", alterPfad);
        QVERIFY2(meldungen.eintraege.isEmpty(), qPrintable(meldungen.texte().join(QLatin1Char('|'))));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(mappe).size() > 0, 10000);

        QTemporaryDir profil;
        QProcess calc;
        calc.setProcessChannelMode(QProcess::MergedChannels);
        calc.start(soffice,
                   {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profil.path()).toString(),
                    QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                    QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1"),
                    QStringLiteral("--outdir"), ordner.path(), mappe});
        QVERIFY2(calc.waitForFinished(180000) && calc.exitCode() == 0, calc.readAll().constData());
        const QString blatt = ordner.filePath(QStringLiteral("Export-Tippreihen.csv"));
        QVERIFY2(QFile::exists(blatt), "Calc found no sheet named Tippreihen");
        QString gelesen = QString::fromUtf8(inhalt(blatt));
        gelesen.remove(QChar(0x00A0)).remove(QLatin1Char('\r'));
        QCOMPARE(gelesen.split(QLatin1Char('\n'), Qt::SkipEmptyParts), zeilen);
    }

    // More rows than a worksheet holds are refused before anything is written or started.
    void arbeitsmappeZuKlein()
    {
        MeldungsRecorder meldungen;
        Generator g;
        g.vielGlueck(QStringLiteral("1048577"));
        QVERIFY(meldungen.eintraege.isEmpty());
        const QByteArray alterPfad = qgetenv("PATH");
        QTemporaryDir keineProgramme;
        qputenv("PATH", keineProgramme.path().toUtf8());
        g.klick(QStringLiteral("SpeedButton4"));
        qputenv("PATH", alterPfad);
        QCOMPARE(meldungen.texte(), QStringList{QStringLiteral("Ein Tabellenblatt fasst höchstens 1.048.576 Zeilen, "
                                                               "1.048.577 Zufallsreihen lassen sich daher nicht "
                                                               "exportieren.\n\nIch breche erst einmal ab.")});
    }

    void sortieren()
    {
        Generator g;
        g.klick(107);
        g.vielGlueck(QStringLiteral("40"));
        Verteilung *v = g.f->verteilung();
        const QPoint letzte = v->BStatW(49)->pos();
        const QPoint siebte = v->BStatW(7)->pos();
        QTest::mouseClick(v->BAuf(), Qt::LeftButton);
        QVERIFY(v->NachHaeufigkeit());
        QCOMPARE(v->BAuf()->text(), QStringLiteral("Von 1 - 49 sortieren"));
        // The bank number is in every row: the highest count, the last place.
        QCOMPARE(v->BStatNr(49)->text(), QStringLiteral("7"));
        QCOMPARE(v->BStatW(7)->pos(), letzte);
        int vorher = -1;
        for (int p = 1; p <= 49; ++p) {
            const int n = v->BStatNr(p)->text().toInt();
            const int zaehler = g.zaehler(n).toInt();
            QVERIFY(zaehler >= vorher);
            vorher = zaehler;
        }
        // A new run keeps the order and shows the new counts in place.
        g.vielGlueck(QStringLiteral("41"));
        QCOMPARE(v->BStatW(7)->pos(), letzte);
        QCOMPARE(g.zaehler(7), QStringLiteral("41"));
        QTest::mouseClick(v->BAuf(), Qt::LeftButton);
        QCOMPARE(v->BAuf()->text(), QStringLiteral("Aufsteigend sortieren"));
        QCOMPARE(v->BStatNr(49)->text(), QStringLiteral("49"));
        QCOMPARE(v->BStatW(7)->pos(), siebte);
    }

    // A long run blocks what would interfere, shows its progress, and "Abbrechen" leaves the
    // previous rows.
    void langerLaufUndAbbrechen()
    {
        MeldungsRecorder meldungen;
        Generator g;
        g.vielGlueck(QStringLiteral("3"));
        const Zufallsreihen vorher = g.reihen();
        g.tippe(QStringLiteral("EAnz"), QString::number(AlleReihen));
        // Every row takes a fraction of a second now: the run is held at its first report of
        // progress until "Abbrechen" was clicked, so the test does not race the clock.
        std::atomic<bool> halten{true};
        g.f->lauf()->setzeBeiZwischenstand([&halten] {
            while (halten)
                QThread::msleep(2);
        });
        g.klick(QStringLiteral("SpeedButton1"));
        QVERIFY(g.f->lauf()->laeuft());
        for (const char *name : {"SpeedButton1", "BSave", "SpeedButton3", "SpeedButton4", "BClose", "BCloseLeiste"})
            QVERIFY2(!g.kind(QLatin1String(name))->isEnabled(), name);
        QVERIFY(!g.f->close());
        QVERIFY(g.f->isVisible());
        QProgressDialog *fortschritt = g.kind<QProgressDialog>(QStringLiteral("Fortschritt"));
        QVERIFY(fortschritt);
        QTRY_VERIFY_WITH_TIMEOUT(fortschritt->isVisible(), 5000);
        QPushButton *abbrechen = nullptr;
        for (QPushButton *k : fortschritt->findChildren<QPushButton *>())
            if (k->text() == QStringLiteral("Abbrechen"))
                abbrechen = k;
        QVERIFY(abbrechen);
        QTest::mouseClick(abbrechen, Qt::LeftButton);
        halten = false;
        QTRY_VERIFY_WITH_TIMEOUT(!g.f->lauf()->laeuft(), 10000);
        QVERIFY(meldungen.eintraege.isEmpty());
        QCOMPARE(g.reihen().anzahl(), 3);
        for (int s = 0; s < 5; ++s)
            QCOMPARE(g.reihen().zahl(2, s), vorher.zahl(2, s));
        QCOMPARE(g.kind<QLabel>(QStringLiteral("LReihen"))->text(), QStringLiteral("3 Zufallsreihen"));
        QVERIFY(g.kind(QStringLiteral("SpeedButton1"))->isEnabled() && g.kind(QStringLiteral("BClose"))->isEnabled());
        QVERIFY(!g.kind<QProgressDialog>(QStringLiteral("Fortschritt")));
    }

    void einzigesFensterUndHilfe()
    {
        Generator g;
        QPointer<TFZufall> erstes = g.f;
        g.oeffnen();
        QCOMPARE(g.f.data(), erstes.data());
        QVERIFY(QTest::qWaitForWindowActive(g.f));
        QTest::keyClick(g.f, Qt::Key_F1);
        QVERIFY(Hilfe::fenster());
        QCOMPARE(Hilfe::fenster()->aktuellesThema(), 1050);
        Hilfe::fenster()->close();
        QTest::mouseClick(g.kind(QStringLiteral("BClose")), Qt::LeftButton);
        QTRY_VERIFY(erstes.isNull());
    }
};

QTEST_MAIN(TestZufall)
#include "tst_zufall.moc"
