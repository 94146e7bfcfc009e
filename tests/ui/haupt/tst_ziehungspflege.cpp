// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Attrappen.h"
#include "Testumgebung.h"

#include "model/Datum.h"
#include "model/Spiel.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/gemeinsam/Nummernknoepfe.h"
#include "ui/haupt/Ziehungsspalte.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {
// The main window on a test data folder, with handles on the draw controls.
struct Fenster
{
    explicit Fenster(Testumgebung &u) : haupt(u.zustand, u.befehle()), spalte(haupt.ziehungsspalte())
    {
        combo1 = haupt.findChild<QComboBox *>(QStringLiteral("Combo1"));
        bHinzu = haupt.findChild<QPushButton *>(QStringLiteral("BHinzu"));
        speichern = haupt.findChild<QPushButton *>(QStringLiteral("SpeedButton2"));
        label5 = haupt.findChild<QLabel *>(QStringLiteral("Label5"));
        g1 = haupt.findChild<QTableView *>(QStringLiteral("G1"));
    }
    Nummernknopf *zahl(int n) { return haupt.findChild<Nummernknopf *>(QStringLiteral("PNummer%1").arg(n)); }
    Nummernknopf *zz(int n) { return haupt.findChild<Nummernknopf *>(QStringLiteral("PSZNummer%1").arg(n)); }
    void klicke(std::initializer_list<int> zahlen, int zusatzzahl = 0)
    {
        for (int n : zahlen)
            QTest::mouseClick(zahl(n), Qt::LeftButton);
        if (zusatzzahl)
            QTest::mouseClick(zz(zusatzzahl), Qt::LeftButton);
    }
    QList<int> gewaehlteZahlen()
    {
        QList<int> l;
        for (int n = 1; n <= 49; ++n)
            if (zahl(n)->gewaehlt())
                l << n;
        return l;
    }
    QList<int> gewaehlteZZ()
    {
        QList<int> l;
        for (int n = 1; n <= 10; ++n)
            if (zz(n)->gewaehlt())
                l << n;
        return l;
    }
    QString g1Zeile(int zeile)
    {
        QStringList t;
        for (int c = 0; c < 7; ++c)
            t << g1->model()->index(zeile, c).data().toString();
        return t.join(QLatin1Char(' '));
    }

    TFAuswertung haupt;
    Ziehungsspalte *spalte;
    QComboBox *combo1;
    QPushButton *bHinzu;
    QPushButton *speichern;
    QLabel *label5;
    QTableView *g1;
};
} // namespace

class TestZiehungspflege : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sechsteZahlUndZusatzzahl()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        Fenster f(u);
        f.klicke({1, 2, 3, 4, 5, 6});
        QCOMPARE(meldungen.texte(), QStringList{QStringLiteral("Sie haben bereits fünf Gewinnzahlen gewählt.")});
        QCOMPARE(f.gewaehlteZahlen(), (QList<int>{1, 2, 3, 4, 5}));
        f.klicke({3, 6});
        QCOMPARE(f.gewaehlteZahlen(), (QList<int>{1, 2, 4, 5, 6}));

        f.klicke({}, 4);
        f.klicke({}, 7);
        QCOMPARE(f.gewaehlteZZ(), QList<int>{7});
        f.klicke({}, 7);
        QCOMPARE(f.gewaehlteZZ(), QList<int>());
        // Three looks: normal, a chosen number, a chosen Zusatzzahl.
        f.klicke({}, 3);
        const auto farbe = [](QWidget *w) { return w->grab().toImage().pixelColor(4, w->height() / 2); };
        const QColor normal = farbe(f.zahl(9));
        QCOMPARE(farbe(f.zz(4)), normal);
        QVERIFY(farbe(f.zahl(1)) != normal);
        QVERIFY(farbe(f.zz(3)) != normal);
        QVERIFY(farbe(f.zz(3)) != farbe(f.zahl(1)));
        QTest::mouseClick(f.haupt.findChild<QToolButton *>(QStringLiteral("BDel")), Qt::LeftButton);
        QVERIFY(f.gewaehlteZahlen().isEmpty() && f.gewaehlteZZ().isEmpty());
    }

    void neueZiehungSpeichern()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehung(QDate(2024, 1, 1), {3, 12, 25, 38, 47}, 7).alsBytes());
        Fenster f(u);
        QCOMPARE(f.bHinzu->text(), QStringLiteral("Ziehung hinzufügen"));
        QTest::mouseClick(f.bHinzu, Qt::LeftButton);
        QCOMPARE(f.bHinzu->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(f.combo1->count(), 2);
        QCOMPARE(f.combo1->currentText(), QStringLiteral("08.01.2024"));
        QCOMPARE(f.label5->text(), QStringLiteral("Gewinnzahlen vom 08.01.2024"));

        f.klicke({45, 3, 17, 9, 28}, 2);
        QTest::mouseClick(f.speichern, Qt::LeftButton);
        QVERIFY(meldungen.eintraege.isEmpty());
        QCOMPARE(u.lies(Dateinamen::Gewinnreihen).size(), 32);
        QCOMPARE(u.zustand.Ziehungen.size(), 2);
        QCOMPARE(u.zustand.Ziehungen[1].GZ, (std::array<std::uint8_t, 5>{3, 9, 17, 28, 45}));
        QCOMPARE(u.zustand.Ziehungen[1].bonus, std::uint8_t{2});
        QCOMPARE(u.zustand.Ziehungen[1].datum, 45299.0);
        QCOMPARE(f.g1Zeile(0), QStringLiteral("08.01.2024 3 9 17 28 45 2"));
        QCOMPARE(f.haupt.findChild<QLabel *>(QStringLiteral("LZT"))->text(), QStringLiteral("  2 Gewinnreihen"));
        QCOMPARE(f.combo1->count(), 2);
        QCOMPARE(f.combo1->currentIndex(), 1);
        QCOMPARE(f.bHinzu->text(), QStringLiteral("Neue Ziehung"));
        QVERIFY(!f.spalte->NeueZiehung());
        QCOMPARE(u.zustand.Haeufigkeiten[3], 2);
        QVERIFY(u.zustand.Ziehungsmengen[1].enthaelt(45));
    }

    void unvollstaendigeZiehungWirdAbgewiesen_data()
    {
        QTest::addColumn<bool>("neu");
        QTest::addColumn<QList<int>>("zahlen");
        QTest::addColumn<int>("zz");
        QTest::newRow("new, four numbers") << true << QList<int>{1, 2, 3, 4} << 5;
        QTest::newRow("new, no Zusatzzahl") << true << QList<int>{1, 2, 3, 4, 5} << 0;
        QTest::newRow("correction, four numbers") << false << QList<int>{1, 2, 3, 4} << 5;
        QTest::newRow("correction, no Zusatzzahl") << false << QList<int>{1, 2, 3, 4, 5} << 0;
    }
    void unvollstaendigeZiehungWirdAbgewiesen()
    {
        QFETCH(bool, neu);
        QFETCH(QList<int>, zahlen);
        QFETCH(int, zz);
        Testumgebung u;
        MeldungsRecorder meldungen;
        const QByteArray vorher = Testumgebung::ziehungen(2);
        u.schreibe(Dateinamen::Gewinnreihen, vorher);
        Fenster f(u);
        if (neu)
            QTest::mouseClick(f.bHinzu, Qt::LeftButton);
        else
            QTest::mouseClick(f.haupt.findChild<QToolButton *>(QStringLiteral("BDel")), Qt::LeftButton);
        for (int n : zahlen)
            f.klicke({n});
        if (zz)
            f.klicke({}, zz);
        QTest::mouseClick(f.speichern, Qt::LeftButton);
        QCOMPARE(meldungen.eintraege.size(), 1);
        QCOMPARE(meldungen.eintraege[0].art, Meldungen::Anzeige::Art::Fehler);
        QCOMPARE(u.lies(Dateinamen::Gewinnreihen), vorher);
        QCOMPARE(u.zustand.Ziehungen.size(), 2);
        QCOMPARE(f.spalte->NeueZiehung(), neu);
    }

    void speichernOhneGewaehlteZiehung()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        Fenster f(u);
        f.klicke({1, 2, 3, 4, 5}, 6);
        QTest::mouseClick(f.speichern, Qt::LeftButton);
        QCOMPARE(meldungen.texte(),
                 QStringList{QStringLiteral("Es ist keine Ziehung gewählt, die gespeichert werden könnte.\n\nIch breche erst einmal ab.")});
        QVERIFY(!u.gibt(Dateinamen::Gewinnreihen));
        QVERIFY(u.zustand.Ziehungen.isEmpty());
    }

    void korrekturUeberschreibtGewaehlteZiehung()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        QByteArray datei = Testumgebung::ziehungen(3);
        datei[16 + 14] = '\x5A'; // fill bytes of the corrected draw survive
        u.schreibe(Dateinamen::Gewinnreihen, datei);
        Fenster f(u);
        f.combo1->setFocus();
        QTest::keyClick(f.combo1, Qt::Key_Up); // a user's pick: the middle draw
        QCOMPARE(f.combo1->currentIndex(), 1);
        QCOMPARE(f.label5->text(), QStringLiteral("Gewinnzahlen vom 08.01.2024"));
        QCOMPARE(f.gewaehlteZahlen(), (QList<int>{2, 4, 6, 8, 10}));
        QCOMPARE(f.gewaehlteZZ(), QList<int>{2});
        f.klicke({10, 49}, 9);
        QTest::mouseClick(f.speichern, Qt::LeftButton);
        QVERIFY(meldungen.eintraege.isEmpty());
        QCOMPARE(u.zustand.Ziehungen.size(), 3);
        QCOMPARE(u.zustand.Ziehungen[1].GZ, (std::array<std::uint8_t, 5>{2, 4, 6, 8, 49}));
        QCOMPARE(u.zustand.Ziehungen[1].bonus, std::uint8_t{9});
        const QByteArray neu = u.lies(Dateinamen::Gewinnreihen);
        QCOMPARE(neu.size(), 48);
        QCOMPARE(neu.mid(16, 16), u.zustand.Ziehungen[1].alsBytes());
        QCOMPARE(neu.at(16 + 14), '\x5A');
        QCOMPARE(f.g1Zeile(1), QStringLiteral("08.01.2024 2 4 6 8 49 9"));
        // The statistics base holds exactly the new numbers of the corrected draw.
        QVERIFY(u.zustand.Ziehungsmengen[1].enthaelt(49));
        QVERIFY(!u.zustand.Ziehungsmengen[1].enthaelt(10));

        // A selection set by the program shows nothing.
        f.klicke({}, 9);
        f.combo1->setCurrentIndex(0);
        QCOMPARE(f.gewaehlteZZ(), QList<int>());
    }

    void abbrechenEntferntVorschlag()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(2));
        Fenster f(u);
        QTest::mouseClick(f.bHinzu, Qt::LeftButton);
        f.klicke({7, 8}, 3);
        QTest::mouseClick(f.bHinzu, Qt::LeftButton);
        QCOMPARE(f.bHinzu->text(), QStringLiteral("Neue Ziehung"));
        QCOMPARE(f.combo1->count(), 2);
        QCOMPARE(f.combo1->currentIndex(), 1);
        QCOMPARE(f.gewaehlteZahlen(), (QList<int>{7, 8}));
        QCOMPARE(f.label5->text(), QStringLiteral("Gewinnzahlen vom 15.01.2024"));
        QVERIFY(!f.spalte->NeueZiehung());
    }

    void leereHistorieNeueZiehung_data()
    {
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<QString>("vorschlag");
        QTest::addColumn<int>("antwort");
        QTest::newRow("Thursday, No") << QDate(2026, 12, 10) << QStringLiteral("07.12.2026") << int(Meldungen::Antwort::Nein);
        QTest::newRow("Monday, Cancel") << QDate(2026, 12, 7) << QStringLiteral("30.11.2026") << int(Meldungen::Antwort::Abbrechen);
        QTest::newRow("Monday, Yes") << QDate(2026, 12, 7) << QStringLiteral("30.11.2026") << int(Meldungen::Antwort::Ja);
    }
    void leereHistorieNeueZiehung()
    {
        QFETCH(QDate, heute);
        QFETCH(QString, vorschlag);
        QFETCH(int, antwort);
        Testumgebung u;
        MeldungsRecorder meldungen;
        meldungen.antworten.enqueue(Meldungen::Antwort(antwort));
        Fenster f(u);
        f.spalte->heute = [heute] { return heute; };
        QTest::mouseClick(f.bHinzu, Qt::LeftButton);
        QCOMPARE(meldungen.texte(),
                 QStringList{QStringLiteral("Es fehlen jegliche Gewinnreihen.\n\nSoll ich deren Download gleich starten?")});
        QCOMPARE(u.zustand.DownloadNachfragen, antwort != int(Meldungen::Antwort::Ja));
        QCOMPARE(f.combo1->count(), 1);
        QCOMPARE(f.combo1->currentText(), vorschlag);
        f.klicke({1, 2, 3, 4, 5}, 10);
        QTest::mouseClick(f.speichern, Qt::LeftButton);
        QCOMPARE(u.zustand.Ziehungen.size(), 1);
        QCOMPARE(u.lies(Dateinamen::Gewinnreihen).size(), 16);
        QCOMPARE(Datum::kurz(u.zustand.Ziehungen[0].datum, u.zustand.Formateinstellungen), vorschlag);
    }

    void zwischenablage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("zahlen");
        QTest::addColumn<QList<int>>("zz");
        QTest::addColumn<int>("meldungen");
        QTest::newRow("six lines") << QStringLiteral("3\r\n9\r\n17\r\n28\r\n45\r\n2\r\n") << QList<int>{3, 9, 17, 28, 45}
                                   << QList<int>{2} << 0;
        QTest::newRow("five lines") << QStringLiteral("3\n9\n17\n28\n45\n") << QList<int>{} << QList<int>{} << 0;
        QTest::newRow("not a number") << QStringLiteral("3\n9\nx\n28\n45\n2") << QList<int>{3, 9} << QList<int>{} << 1;
        QTest::newRow("number out of range") << QStringLiteral("3\n60\n17\n28\n45\n2") << QList<int>{3} << QList<int>{} << 1;
        QTest::newRow("zusatzzahl out of range") << QStringLiteral("3\n9\n17\n28\n45\n12") << QList<int>{3, 9, 17, 28, 45}
                                                 << QList<int>{} << 1;
    }
    void zwischenablage()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, zahlen);
        QFETCH(QList<int>, zz);
        QFETCH(int, meldungen);
        Testumgebung u;
        MeldungsRecorder recorder;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(1));
        Fenster f(u);
        QTest::mouseClick(f.bHinzu, Qt::LeftButton);
        QApplication::clipboard()->setText(text);
        QTest::mouseClick(f.haupt.findChild<QToolButton *>(QStringLiteral("BCopy")), Qt::LeftButton);
        QCOMPARE(f.gewaehlteZahlen(), zahlen);
        QCOMPARE(f.gewaehlteZZ(), zz);
        QCOMPARE(recorder.eintraege.size(), meldungen);
        QCOMPARE(u.zustand.Ziehungen.size(), 1);
    }

    void beschaedigteHistorie()
    {
        // Numbers and Zusatzzahlen outside the game's ranges, as a damaged file may hold them.
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        QByteArray datei = Testumgebung::ziehung(QDate(2024, 1, 1), {0, 50, 255, 3, 3}, 0).alsBytes();
        datei += Testumgebung::ziehung(QDate(2024, 1, 8), {1, 2, 3, 4, 200}, 11).alsBytes();
        datei += Testumgebung::ziehung(QDate(2024, 1, 15), {1, 2, 3, 4, 5}, 255).alsBytes();
        u.schreibe(Dateinamen::Gewinnreihen, datei);
        TNormalSchein reihe;
        reihe.WZ = {3, 4, 200, 255, 0, 11};
        u.schreibe(QStringLiteral("a.qtt"), reihe.alsBytes());
        Fenster f(u);
        QCOMPARE(f.g1Zeile(2), QStringLiteral("01.01.2024 0 50 255 3 3 0"));
        // A damaged draw counts its numbers of 1..49, each once: 3 is in all three draws.
        QCOMPARE(u.zustand.Haeufigkeiten[3], 3);
        QCOMPARE(u.zustand.Haeufigkeiten[5], 1);
        f.combo1->setFocus();
        QTest::keyClick(f.combo1, Qt::Key_Up);
        QTest::keyClick(f.combo1, Qt::Key_Up);
        QCOMPARE(f.combo1->currentIndex(), 0);
        QCOMPARE(f.gewaehlteZahlen(), QList<int>()); // the repeated 3 chooses and clears itself
        QCOMPARE(f.gewaehlteZZ(), QList<int>());
        QTest::keyClick(f.combo1, Qt::Key_Down);
        QCOMPARE(f.gewaehlteZahlen(), (QList<int>{1, 2, 3, 4}));
        QCOMPARE(f.gewaehlteZZ(), QList<int>());

        // Evaluating over the damaged draws: only proper numbers can hit.
        dialoge.oeffnenAntworten.enqueue({u.pfad(QStringLiteral("a.qtt"))});
        QTest::mouseClick(f.haupt.findChild<QPushButton *>(QStringLiteral("BOpen")), Qt::LeftButton);
        auto *rahmen = f.haupt.findChild<QWidget *>(QStringLiteral("fr1"));
        rahmen->findChild<QCheckBox *>(QStringLiteral("cbBack"))->setChecked(true);
        rahmen->findChild<QComboBox *>(QStringLiteral("combo2"))->setCurrentIndex(0);
        QTest::mouseClick(rahmen->findChild<QPushButton *>(QStringLiteral("BStart")), Qt::LeftButton);
        auto *g3a = rahmen->findChild<QTableView *>(QStringLiteral("G3a"));
        QCOMPARE(g3a->model()->rowCount(), 3);
        QCOMPARE(g3a->model()->index(0, 1).data().toString(), QStringLiteral("1"));
        QCOMPARE(g3a->model()->index(1, 1).data().toString(), QStringLiteral("2"));
        QCOMPARE(g3a->model()->index(2, 1).data().toString(), QStringLiteral("2"));

        // Correcting the newest draw writes the damaged ones back unchanged.
        QTest::keyClick(f.combo1, Qt::Key_Down);
        QCOMPARE(f.combo1->currentIndex(), 2);
        f.klicke({}, 5);
        QTest::mouseClick(f.speichern, Qt::LeftButton);
        QVERIFY(meldungen.eintraege.isEmpty());
        QCOMPARE(u.lies(Dateinamen::Gewinnreihen).left(32), datei.left(32));
        QCOMPARE(u.zustand.Ziehungen[2].bonus, std::uint8_t{5});
    }

    // The opened draw list: keys and clicks pick a draw as in any drop-down list.
    void datumslisteAufklappen()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(3));
        Fenster f(u);
        f.haupt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.haupt));
        QTest::mouseClick(f.combo1, Qt::LeftButton);
        auto *liste = f.combo1->findChild<QFrame *>(QStringLiteral("Aufklappliste"));
        QVERIFY(liste && liste->isVisible());
        auto *ansicht = liste->findChild<QListView *>();
        QCOMPARE(ansicht->currentIndex().row(), 2);
        QTest::keyClick(ansicht, Qt::Key_Up);
        QTest::keyClick(ansicht, Qt::Key_Return);
        QVERIFY(!liste->isVisible());
        QCOMPARE(f.combo1->currentIndex(), 1);
        QCOMPARE(f.label5->text(), QStringLiteral("Gewinnzahlen vom 08.01.2024"));
        QCOMPARE(f.gewaehlteZahlen(), (QList<int>{2, 4, 6, 8, 10}));

        f.combo1->showPopup();
        QTest::keyClick(ansicht, Qt::Key_Up);
        QTest::keyClick(ansicht, Qt::Key_Escape);
        QVERIFY(!liste->isVisible());
        QCOMPARE(f.combo1->currentIndex(), 1);

        f.combo1->showPopup();
        QTest::mouseClick(ansicht->viewport(), Qt::LeftButton, {}, ansicht->visualRect(ansicht->model()->index(0, 0)).center());
        QVERIFY(!liste->isVisible());
        QCOMPARE(f.combo1->currentIndex(), 0);
        QCOMPARE(f.label5->text(), QStringLiteral("Gewinnzahlen vom 01.01.2024"));
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    // To assistive technology the draw list is a combo box named by its date, labelled by its
    // caption, whose child is the list it opens: an item per date, showing while open, the
    // current date selected.
    void datumslisteFuerHilfsmittel()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(3));
        Fenster f(u);
        f.haupt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.haupt));
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(f.combo1);
        QCOMPARE(box->role(), QAccessible::ComboBox);
        // Named by the date it shows, as any combo box on Linux; its caption comes by relation.
        QCOMPARE(box->text(QAccessible::Name), f.combo1->currentText());
        const auto beschriftung = box->relations(QAccessible::Label);
        QVERIFY(!beschriftung.isEmpty());
        QCOMPARE(beschriftung.first().first->text(QAccessible::Name), QStringLiteral("Ziehung"));
        QCOMPARE(box->childCount(), 1);
        QVERIFY(box->child(0)->state().invisible);
        QVERIFY(box->state().collapsed);

        box->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        auto *liste = f.combo1->findChild<QFrame *>(QStringLiteral("Aufklappliste"));
        QVERIFY(liste && liste->isVisible());
        QAccessibleInterface *eintraege = box->child(0);
        QCOMPARE(eintraege->object(), liste->findChild<QListView *>());
        QCOMPARE(eintraege->role(), QAccessible::List);
        QVERIFY(!eintraege->state().invisible);
        QVERIFY(box->state().expanded);
        QCOMPARE(eintraege->childCount(), 3);
        QStringList namen;
        for (int i = 0; i < 3; ++i)
            namen << eintraege->child(i)->text(QAccessible::Name);
        QCOMPARE(namen, (QStringList{QStringLiteral("01.01.2024"), QStringLiteral("08.01.2024"),
                                     QStringLiteral("15.01.2024")}));
        QVERIFY(eintraege->child(2)->state().selected);
        QVERIFY(!eintraege->child(1)->state().selected);

        QTest::keyClick(liste->findChild<QListView *>(), Qt::Key_Escape);
        QVERIFY(box->child(0)->state().invisible);
        QVERIFY(box->state().collapsed);
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    // A history beyond the size cap is refused at the load and never overwritten by a save.
    void zuGrosseHistorieBleibtUnberuehrt()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        const qint64 groesse = 17 * 1024 * 1024;
        {
            QFile datei(u.pfad(Dateinamen::Gewinnreihen));
            QVERIFY(datei.open(QIODevice::WriteOnly));
            QCOMPARE(datei.write(Testumgebung::ziehungen(2)), 32);
            QVERIFY(datei.resize(groesse));
        }
        Fenster f(u);
        QCOMPARE(meldungen.texte(),
                 QStringList{QStringLiteral("Die Datei \u201EGReihen.qtgz\u201C konnte nicht gelesen werden.\n\nDie Datei ist 17 MiB "
                                            "groß; erlaubt sind höchstens 16 MiB. Sie wird nicht gelesen und bleibt, wie sie ist.")});
        QCOMPARE(u.zustand.Ziehungen.size(), 0);
        QCOMPARE(f.combo1->count(), 0);

        QTest::mouseClick(f.bHinzu, Qt::LeftButton); // asks about the download first
        f.klicke({5, 6, 7, 8, 9}, 1);
        QTest::mouseClick(f.speichern, Qt::LeftButton);
        QCOMPARE(meldungen.eintraege.size(), 3);
        QCOMPARE(meldungen.eintraege[2].text,
                 QStringLiteral("Die Gewinnreihen wurden beim Laden nicht vollständig gelesen. Damit aus der Datei "
                                "\u201EGReihen.qtgz\u201C nichts verloren geht, wird sie nicht überschrieben.\n\n"
                                "Ich breche erst einmal ab."));
        QCOMPARE(QFileInfo(u.pfad(Dateinamen::Gewinnreihen)).size(), groesse);
        QCOMPARE(u.lies(Dateinamen::Gewinnreihen).left(32), Testumgebung::ziehungen(2));
        QCOMPARE(u.zustand.Ziehungen.size(), 0);
    }

    void fehlgeschlagenesSchreibenAendertNichts()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        const QByteArray vorher = Testumgebung::ziehungen(2);
        u.schreibe(Dateinamen::Gewinnreihen, vorher);
        Fenster f(u);
        QTest::mouseClick(f.bHinzu, Qt::LeftButton);
        f.klicke({5, 6, 7, 8, 9}, 1);

        // The data folder cannot be written: a file stands where it should be.
        const QString ordner = u.zustand.Datenordner.chopped(1);
        QVERIFY(QDir().rename(ordner, ordner + QStringLiteral(".weg")));
        { QFile stoerer(ordner); QVERIFY(stoerer.open(QIODevice::WriteOnly)); }
        QTest::mouseClick(f.speichern, Qt::LeftButton);
        QCOMPARE(meldungen.eintraege.size(), 1);
        QVERIFY(meldungen.eintraege[0].text.startsWith(QStringLiteral("Die Datei \u201EGReihen.qtgz\u201C konnte nicht geschrieben werden.")));
        QCOMPARE(u.zustand.Ziehungen.size(), 2);
        QCOMPARE(f.combo1->count(), 3); // still the proposed date of the new draw
        QVERIFY(f.spalte->NeueZiehung());
        QCOMPARE(f.g1->model()->rowCount(), 2);

        QVERIFY(QFile::remove(ordner));
        QVERIFY(QDir().rename(ordner + QStringLiteral(".weg"), ordner));
        QCOMPARE(u.lies(Dateinamen::Gewinnreihen), vorher);
        // The second try appends exactly one draw.
        QTest::mouseClick(f.speichern, Qt::LeftButton);
        QCOMPARE(u.zustand.Ziehungen.size(), 3);
        QCOMPARE(u.lies(Dateinamen::Gewinnreihen).size(), 48);
        QCOMPARE(f.combo1->count(), 3);
    }
};

QTEST_MAIN(TestZiehungspflege)
#include "tst_ziehungspflege.moc"
