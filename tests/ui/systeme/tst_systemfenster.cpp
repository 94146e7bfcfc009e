// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Bildschirmfoto.h"
#include "Dateien.h"
#include "Testumgebung.h"

#include "model/Betrag.h"
#include "model/Tippscheindatei.h"
#include "support/Attrappen.h"
#include "systems/System.h"
#include "systems/Systemtabelle.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/Nummernknoepfe.h"
#include "ui/haupt/FrScheine.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/systeme/FrSystemchancen.h"
#include "ui/systeme/Systemfenster.h"
#include "ui/systeme/Systemlauf.h"
#include "ui/zufall/Reihenspalte.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <bit>

namespace {

// Rows of a grid of numbers (columns 1..5) as sets of numbers of 1..49.
QVector<std::uint64_t> zeilenAus(const QAbstractItemModel *m, int ersteSpalte)
{
    QVector<std::uint64_t> zeilen;
    for (int r = 0; r < m->rowCount(); ++r) {
        std::uint64_t z = 0;
        for (int s = ersteSpalte; s < ersteSpalte + 5; ++s)
            z |= std::uint64_t{1} << m->index(r, s).data().toString().trimmed().toInt();
        if (z > 1)
            zeilen << z;
    }
    return zeilen;
}

// Every m-set of the chosen numbers has t numbers in some row: "t bei m" ("t bei t" without
// m), checked by plain loops.
bool deckt(const QVector<int> &zahlen, const QVector<std::uint64_t> &zeilen, int t, int m = 0)
{
    const auto n = static_cast<int>(zahlen.size());
    for (std::uint32_t auswahl = 0; auswahl < (1U << n); ++auswahl) {
        if (std::popcount(auswahl) != (m > 0 ? m : t))
            continue;
        std::uint64_t menge = 0;
        for (int i = 0; i < n; ++i)
            if (auswahl >> i & 1U)
                menge |= std::uint64_t{1} << zahlen[i];
        if (std::none_of(zeilen.begin(), zeilen.end(), [&](std::uint64_t z) { return std::popcount(z & menge) >= t; }))
            return false;
    }
    return true;
}

} // namespace

class TestSystemfenster : public QObject
{
    Q_OBJECT

    struct Fenster
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        std::unique_ptr<TFAuswertung> haupt;
        QPointer<TFSysteme> f;

        Fenster()
        {
            u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(12));
            haupt = std::make_unique<TFAuswertung>(u.zustand, u.befehle());
            haupt->show();
            u.befehle().aktion(Befehle::Art::Systeme)->trigger();
            f = static_cast<TFSysteme *>(findeFenster(QStringLiteral("FSysteme")));
            QVERIFY(f);
            QVERIFY(QTest::qWaitForWindowExposed(f));
            QCoreApplication::processEvents();
        }
        ~Fenster()
        {
            if (f) {
                f->lauf()->abbrechen();
                QTRY_VERIFY_WITH_TIMEOUT(!f->lauf()->laeuft(), 30000);
                f->close();
            }
            QTRY_VERIFY(f.isNull());
        }
        template <class T = QWidget> T *kind(const QString &name) const { return f->findChild<T *>(name); }
        void waehle(const QVector<int> &zahlen) const
        {
            for (int z : zahlen)
                QTest::mouseClick(kind<TBZahl>(QStringLiteral("PNummer%1").arg(z)), Qt::LeftButton);
        }
        // A search by its step budget and a fixed start value, so a slow machine finds the same
        // system: the search time is the longest the field allows and never ends it.
        void kurzsystem(const QString &garantie, std::int64_t schritte) const
        {
            kind<QRadioButton>(QStringLiteral("RBKurz"))->setChecked(true);
            auto *cb = kind<QComboBox>(QStringLiteral("CBGarantie"));
            cb->setCurrentIndex(cb->findText(garantie));
            QVERIFY(cb->currentText() == garantie);
            kind<QSpinBox>(QStringLiteral("ESuchzeit"))->setValue(3600);
            f->setzeSuchschritte(schritte);
            f->setzeStartwert(20261211);
        }
    };

private Q_SLOTS:
    // Ten numbers, "3 bei 3": the rows keep the guarantee, go into a ticket that reads back alike,
    // and open in the main window as an unsaved tab that evaluates against the history.
    void bildenSpeichernAuswerten()
    {
        Fenster w;
        const QVector<int> zahlen{3, 7, 12, 19, 25, 31, 33, 40, 44, 49};
        w.waehle(zahlen);
        QCOMPARE(w.kind<QLabel>(QStringLiteral("LGewaehlt"))->text(), QStringLiteral("10 Zahlen gew\u00E4hlt"));
        w.kurzsystem(QStringLiteral("3 bei 3"), 200'000);
        QVERIFY(w.kind<QLabel>(QStringLiteral("LVorschau"))->text().contains(QStringLiteral("mindestens 14 Reihen")));
        QTest::mouseClick(w.kind<QPushButton>(QStringLiteral("BBilden")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w.f->lauf()->laeuft(), 30000);
        QVERIFY2(w.meldungen.texte().isEmpty(), qPrintable(w.meldungen.texte().join(QLatin1Char('\n'))));

        const auto *modell = w.f->reihenspalte()->GZuf()->model();
        const QVector<std::uint64_t> zeilen = zeilenAus(modell, 1);
        QCOMPARE(zeilen.size(), w.f->system().anzahl());
        QVERIFY(zeilen.size() >= 14);
        QVERIFY(deckt(zahlen, zeilen, 3));
        QCOMPARE(w.kind<QLabel>(QStringLiteral("LGarantie"))->text(),
                 QStringLiteral("Sind mindestens 3 der 5 Gewinnzahlen unter Ihren 10 Zahlen, hat mindestens eine "
                                "Reihe 3 oder mehr Richtige."));
        QCOMPARE(w.kind<QLabel>(QStringLiteral("LUntergrenze"))->text(), QStringLiteral("mindestens 14 Reihen n\u00F6tig"));
        QCOMPARE(w.kind<QTableView>(QStringLiteral("GSystemchancen"))->model()->rowCount(), 11);
        bildSichern(w.f, QStringLiteral("systeme-nach-suche"));
        bildSichern(w.kind(QStringLiteral("FrSystemchancen")), QStringLiteral("systeme-chancen"));

        // Saved as a ticket with two of three shares, read back row for row.
        const QString datei = w.u.pfad(QStringLiteral("System.qtt"));
        w.dialoge.speichernAntworten.enqueue(datei);
        w.f->reihenspalte()->EAntGes()->setText(QStringLiteral("3"));
        w.f->reihenspalte()->EAntmeine()->setText(QStringLiteral("2"));
        QTest::mouseClick(w.f->reihenspalte()->BSave(), Qt::LeftButton);
        QVERIFY2(w.meldungen.texte().isEmpty(), qPrintable(w.meldungen.texte().join(QLatin1Char('\n'))));
        TextTabelle gelesen(7, 1);
        QString antGes;
        QString antMeine;
        QCOMPARE(ScheinEinlesen(gelesen, antGes, antMeine, datei, [](const QString &) { return 0; }), QString());
        QCOMPARE(antGes, QStringLiteral("3"));
        QCOMPARE(antMeine, QStringLiteral("2"));
        QCOMPARE(gelesen.zeilen() - 1, zeilen.size());
        for (int r = 1; r < gelesen.zeilen(); ++r) {
            std::uint64_t z = 0;
            for (int s = 1; s <= 5; ++s)
                z |= std::uint64_t{1} << gelesen.zelle(s, r).toInt();
            QCOMPARE(z, zeilen[r - 1]);
            QCOMPARE(gelesen.zelle(6, r), modell->index(r - 1, 6).data().toString().trimmed());
        }

        // In the main window: a tab of its own, evaluated against the newest draw.
        QTest::mouseClick(w.kind<QPushButton>(QStringLiteral("BAuswerten")), Qt::LeftButton);
        auto *tabs = w.haupt->findChild<QTabWidget *>(QStringLiteral("PC1"));
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("System (nicht gespeichert)"));
        auto *rahmen = tabs->currentWidget()->findChild<TFFrScheineN *>();
        QVERIFY(rahmen);
        QCOMPARE(zeilenAus(rahmen->findChild<QTableView *>(QStringLiteral("G3"))->model(), 1), zeilen);
        QTest::mouseClick(rahmen->findChild<QPushButton *>(QStringLiteral("BStart")), Qt::LeftButton);
        QVERIFY2(w.meldungen.texte().isEmpty(), qPrintable(w.meldungen.texte().join(QLatin1Char('\n'))));
        QVERIFY(rahmen->findChild<QTableView *>(QStringLiteral("G3a"))->model()->rowCount() > 0);
    }

    // A search under way refuses a second start; cancelled, it shows the best complete system.
    void abbrechenBehaeltBestes()
    {
        Fenster w;
        QVector<int> zahlen;
        for (int z = 1; z <= 20; ++z)
            zahlen << 2 * z;
        w.waehle(zahlen);
        // A budget no test waits for: only "Abbrechen" ends this search.
        w.kurzsystem(QStringLiteral("4 bei 5"), std::int64_t{1} << 50);
        QTest::mouseClick(w.kind<QPushButton>(QStringLiteral("BBilden")), Qt::LeftButton);
        QVERIFY(w.f->lauf()->laeuft());
        QVERIFY(!w.kind<QPushButton>(QStringLiteral("BBilden"))->isEnabled());
        w.f->BBildenClick();
        QCOMPARE(w.meldungen.texte(), QStringList{QStringLiteral("Es l\u00E4uft schon eine Suche. Warten Sie ihr Ende "
                                                                 "ab oder brechen Sie sie ab.")});
        // Once the greedy start has a complete system, "Abbrechen".
        QTRY_VERIFY_WITH_TIMEOUT(w.f->lauf()->besteReihen() > 0, 30000);
        const int beste = w.f->lauf()->besteReihen();
        auto *fortschritt = w.kind<QProgressDialog>(QStringLiteral("Fortschritt"));
        QVERIFY(fortschritt);
        QTest::mouseClick(fortschritt->findChild<QPushButton *>(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w.f->lauf()->laeuft(), 30000);
        QCOMPARE(w.meldungen.texte().size(), 1);
        const int reihen = w.f->system().anzahl();
        QVERIFY(reihen > 0 && reihen <= beste);
        QVERIFY(w.f->system().abgebrochen);
        std::vector<Reihenmaske> masken(w.f->system().reihen);
        QVERIFY(GarantieHaelt(20, masken, {4, 5}));
        QCOMPARE(zeilenAus(w.f->reihenspalte()->GZuf()->model(), 1).size(), reihen);
    }

    // A full system of more than 1,000 rows asks first, naming its stake; "Nein" builds nothing.
    void grossesSystemFragtVorher()
    {
        Fenster w;
        w.waehle({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
        w.kind<QRadioButton>(QStringLiteral("RBVoll"))->setChecked(true);
        const QString einsatz = BetragZuWaehrung(2002 * 2 * BetragProEuro, QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(w.kind<QLabel>(QStringLiteral("LVorschau"))->text(),
                 QStringLiteral("Vollsystem: 2.002 Reihen, Einsatz ") + einsatz);
        QTest::mouseClick(w.kind<QPushButton>(QStringLiteral("BBilden")), Qt::LeftButton);
        QCOMPARE(w.meldungen.texte(),
                 QStringList{QStringLiteral("Das Vollsystem hat 2.002 Reihen und kostet %1 je Ziehung.\n\n"
                                            "Soll ich es trotzdem bilden?")
                                 .arg(einsatz)});
        QVERIFY(!w.f->lauf()->laeuft());
        QCOMPARE(w.f->system().anzahl(), 0);
    }

    // Up to 20 numbers the table's system is known before anything is built: its size shows at
    // once, the search starts from it, and the window says where the rows come from.
    void systemAusDerTabelle()
    {
        Fenster w;
        QVector<int> zahlen;
        for (int z = 30; z < 45; ++z)
            zahlen << z;
        w.waehle(zahlen);
        w.kurzsystem(QStringLiteral("4 bei 4"), 1);
        const std::optional<Tabelleneintrag> bekannt = BekanntesSystem(15, {4, 4});
        QVERIFY(bekannt);
        const QLocale de(QLocale::German, QLocale::Germany);
        const auto reihen = static_cast<qint64>(bekannt->reihen.size());
        QCOMPARE(w.kind<QLabel>(QStringLiteral("LVorschau"))->text(),
                 QStringLiteral("Kurzsystem 4 bei 4: %1 Reihen aus der Systemtabelle, Einsatz %2; mindestens 273 "
                                "Reihen n\u00F6tig")
                     .arg(de.toString(reihen), BetragZuWaehrung(reihen * 2 * BetragProEuro, de)));
        QTest::mouseClick(w.kind<QPushButton>(QStringLiteral("BBilden")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w.f->lauf()->laeuft() && w.f->system().anzahl() > 0, 30000);
        QVERIFY2(w.meldungen.texte().isEmpty(), qPrintable(w.meldungen.texte().join(QLatin1Char('\n'))));
        QCOMPARE(w.f->system().anzahl(), static_cast<int>(reihen));
        QCOMPARE(w.f->chancen()->findChild<QLabel *>(QStringLiteral("LReihen"))->text(),
                 QStringLiteral("%1 (aus der Systemtabelle)").arg(de.toString(reihen)));
        QVERIFY(deckt(zahlen, zeilenAus(w.f->reihenspalte()->GZuf()->model(), 1), 4));
        bildSichern(w.f, QStringLiteral("systeme-tabelle"));
    }

    // Above 20 numbers, where the table has few systems, one glued together from its systems
    // over parts of the numbers shows at once too, and the search starts from it.
    void zusammengesetztesSystem()
    {
        Fenster w;
        QVector<int> zahlen;
        for (int z = 1; z <= 49; z += 2)
            zahlen << z;
        w.waehle(zahlen);
        w.kurzsystem(QStringLiteral("3 bei 5"), 1);
        const std::optional<Tabelleneintrag> bekannt = BekanntesSystem(25, {3, 5});
        QVERIFY(bekannt);
        QVERIFY(bekannt->zyklen.startsWith(QLatin1Char('Z')));
        const QLocale de(QLocale::German, QLocale::Germany);
        const auto reihen = static_cast<qint64>(bekannt->reihen.size());
        QVERIFY(w.kind<QLabel>(QStringLiteral("LVorschau"))
                    ->text()
                    .startsWith(QStringLiteral("Kurzsystem 3 bei 5: %1 Reihen aus der Systemtabelle").arg(de.toString(reihen))));
        QTest::mouseClick(w.kind<QPushButton>(QStringLiteral("BBilden")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w.f->lauf()->laeuft() && w.f->system().anzahl() > 0, 30000);
        QVERIFY2(w.meldungen.texte().isEmpty(), qPrintable(w.meldungen.texte().join(QLatin1Char('\n'))));
        QVERIFY(w.f->system().anzahl() <= static_cast<int>(reihen));
        QVERIFY(deckt(zahlen, zeilenAus(w.f->reihenspalte()->GZuf()->model(), 1), 3, 5));
        bildSichern(w.f, QStringLiteral("systeme-zusammengesetzt"));
    }

    // A search whose bound lies below 1,000 rows but which ends above: asked then, with the
    // size found, before anything shows. "Nein" keeps the window as it was, "Ja" shows it.
    void grossesKurzsystemFragtNachDerSuche()
    {
        Fenster w;
        QVector<int> zahlen;
        for (int z = 1; z <= 24; ++z)
            zahlen << 2 * z;
        w.waehle(zahlen);
        w.kurzsystem(QStringLiteral("4 bei 5"), 1); // the greedy start alone
        const QLocale de(QLocale::German, QLocale::Germany);
        for (const auto antwort : {Meldungen::Antwort::Nein, Meldungen::Antwort::Ja}) {
            w.meldungen.eintraege.clear();
            w.meldungen.antworten.enqueue(antwort);
            QTest::mouseClick(w.kind<QPushButton>(QStringLiteral("BBilden")), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!w.f->lauf()->laeuft() && !w.meldungen.texte().isEmpty(), 60000);
            QTRY_VERIFY_WITH_TIMEOUT(!w.f->lauf()->laeuft(), 60000);
            const int reihen = w.f->lauf()->ergebnis().anzahl() > 0 ? w.f->lauf()->ergebnis().anzahl()
                                                                     : w.f->system().anzahl();
            QVERIFY(reihen > 1000);
            const QString einsatz = BetragZuWaehrung(std::int64_t{reihen} * 2 * BetragProEuro, de);
            QCOMPARE(w.meldungen.texte(),
                     QStringList{QStringLiteral("Das gefundene System hat %1 Reihen und kostet %2 je Ziehung.\n\n"
                                                "Soll ich es trotzdem bilden?")
                                     .arg(de.toString(reihen), einsatz)});
            QCOMPARE(w.f->system().anzahl(), antwort == Meldungen::Antwort::Ja ? reihen : 0);
            QVERIFY(w.kind<QPushButton>(QStringLiteral("BBilden"))->isEnabled());
        }
        QCOMPARE(zeilenAus(w.f->reihenspalte()->GZuf()->model(), 1).size(), w.f->system().anzahl());
        bildSichern(w.f, QStringLiteral("systeme-gross"));
    }

    // 30 numbers "4 bei 4": asked once, before the search; the chances of its 7,000 rows and more are
    // counted with a progress bar, and "Abbrechen" there leaves the window as it was.
    void chancenZaehlenAbbrechen()
    {
        Fenster w;
        QVector<int> zahlen;
        for (int z = 1; z <= 30; ++z)
            zahlen << z;
        w.waehle(zahlen);
        w.kurzsystem(QStringLiteral("4 bei 4"), 1);
        w.meldungen.antworten.enqueue(Meldungen::Antwort::Ja);
        w.meldungen.antworten.enqueue(Meldungen::Antwort::Ja);
        // Right after the search the count starts; cancel it there, as a player would.
        bool abgebrochen = false;
        QString balkentext;
        int reihen = 0;
        connect(w.f->lauf(), &Systemlauf::gesucht, this, [&] {
            auto *fortschritt = w.kind<QProgressDialog>(QStringLiteral("Fortschritt"));
            QVERIFY(fortschritt);
            QVERIFY(w.f->lauf()->zaehlt());
            balkentext = fortschritt->labelText();
            bildSichern(fortschritt, QStringLiteral("systeme-chancen-zaehlen"));
            reihen = w.f->lauf()->ergebnis().anzahl();
            fortschritt->findChild<QPushButton *>()->click();
            abgebrochen = true;
        });
        QTest::mouseClick(w.kind<QPushButton>(QStringLiteral("BBilden")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(abgebrochen && !w.f->lauf()->laeuft(), 60000);
        QVERIFY(reihen > 7000); // the greedy start of this start value
        QCOMPARE(balkentext, QStringLiteral("Ich z\u00E4hle die Gewinnchancen der %1 Reihen \u2026")
                                 .arg(QLocale(QLocale::German, QLocale::Germany).toString(reihen)));
        QCOMPARE(w.meldungen.texte().size(), 1);
        QVERIFY(w.meldungen.texte().constFirst().startsWith(QStringLiteral("Das System braucht mindestens 5.700 Reihen")));
        QVERIFY(!w.f->lauf()->gezaehlt());
        QCOMPARE(w.f->system().anzahl(), 0);
        QVERIFY(zeilenAus(w.f->reihenspalte()->GZuf()->model(), 1).isEmpty());
        QVERIFY(!w.kind<QProgressDialog>(QStringLiteral("Fortschritt")));
        QVERIFY(w.kind<QPushButton>(QStringLiteral("BBilden"))->isEnabled());
    }

    // The choice comes from [Systeme] once and goes back there on closing.
    void einstellungen()
    {
        QByteArray gespeichert;
        {
            Fenster w;
            w.f->close();
            QTRY_VERIFY(w.f.isNull());
            w.u.schreibe(QStringLiteral("Einstellungen.ini"),
                         "[Systeme]\nZahlen=3,7,12,19,25,33\nGarantie=2:3\nSuchzeit=25\n");
            w.u.befehle().aktion(Befehle::Art::Systeme)->trigger();
            w.f = static_cast<TFSysteme *>(findeFenster(QStringLiteral("FSysteme")));
            QVERIFY(QTest::qWaitForWindowExposed(w.f));
            QTRY_COMPARE(w.kind<QLabel>(QStringLiteral("LGewaehlt"))->text(), QStringLiteral("6 Zahlen gew\u00E4hlt"));
            QCOMPARE(w.kind<QComboBox>(QStringLiteral("CBGarantie"))->currentText(), QStringLiteral("2 bei 3"));
            QCOMPARE(w.kind<QSpinBox>(QStringLiteral("ESuchzeit"))->value(), 25);
            w.waehle({49});
            w.f->close();
            QTRY_VERIFY(w.f.isNull());
            gespeichert = w.u.lies(QStringLiteral("Einstellungen.ini"));
        }
        QVERIFY2(gespeichert.contains("Zahlen=3,7,12,19,25,33,49"), gespeichert.constData());
        QVERIFY(gespeichert.contains("Garantie=2:3"));
        QVERIFY(gespeichert.contains("Suchzeit=25"));
    }
};

QTEST_MAIN(TestSystemfenster)
#include "tst_systemfenster.moc"
