// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Bildschirmfoto.h"
#include "Dateien.h"
#include "Testumgebung.h"

#include "entry/Tabellenformate.h"
#include "model/Datum.h"
#include "strategy/Strategiebericht.h"
#include "strategy/Strategietest.h"
#include "support/Attrappen.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Datumsauswahl.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/gemeinsam/Hintergrundlauf.h"
#include "ui/gemeinsam/TextTabellenModell.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/haupt/Tippauswertung.h"
#include "ui/strategie/Strategiedialog.h"
#include "ui/strategie/Strategiediagramm.h"
#include "ui/strategie/Strategiefenster.h"

#include <QAccessible>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <random>

namespace {

// 400 weekly draws from 1 January 2024 of a seeded engine.
QByteArray zufallsziehungen(int anzahl)
{
    std::mt19937 motor(12);
    QByteArray daten;
    std::array<std::uint8_t, 49> alle{};
    for (int i = 0; i < 49; ++i)
        alle[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
    for (int i = 0; i < anzahl; ++i) {
        std::shuffle(alle.begin(), alle.end(), motor);
        daten += Testumgebung::ziehung(QDate(2024, 1, 1).addDays(7 * i), {alle[0], alle[1], alle[2], alle[3], alle[4]},
                                       static_cast<std::uint8_t>(1 + motor() % 10))
                     .alsBytes();
    }
    return daten;
}

QByteArray scheinDatei()
{
    QByteArray d;
    for (const std::array<std::uint8_t, 6> &r : {std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 1},
                                                 {6, 13, 20, 27, 34, 2},
                                                 {7, 14, 21, 28, 35, 3},
                                                 {10, 20, 30, 40, 49, 4}}) {
        TNormalSchein s;
        s.WZ = r;
        d += s.alsBytes();
    }
    return d;
}

// Runs `bedienen` on the modal dialog as soon as it shows.
void imDialog(const std::function<void(Strategiedialog *)> &bedienen)
{
    auto *uhr = new QTimer;
    uhr->setInterval(10);
    QObject::connect(uhr, &QTimer::timeout, uhr, [uhr, bedienen] {
        if (auto *d = qobject_cast<Strategiedialog *>(QApplication::activeModalWidget())) {
            uhr->stop();
            uhr->deleteLater();
            bedienen(d);
        }
    });
    uhr->start();
}

} // namespace

class TestStrategiefenster : public QObject
{
    Q_OBJECT

    struct Fenster
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        std::unique_ptr<TFAuswertung> haupt;
        QPointer<TFStrategietest> f;

        Fenster()
        {
            u.schreibe(Dateinamen::Gewinnreihen, zufallsziehungen(400));
            u.schreibe(QStringLiteral("schein.qtt"), scheinDatei());
            haupt = std::make_unique<TFAuswertung>(u.zustand, u.befehle());
            haupt->show();
            oeffnen();
        }
        void oeffnen()
        {
            u.befehle().aktion(Befehle::Art::Strategietest)->trigger();
            f = static_cast<TFStrategietest *>(findeFenster(QStringLiteral("FStrategietest")));
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
        void klick(const QString &name) const { QTest::mouseClick(kind<QPushButton>(name), Qt::LeftButton); }

        // Adds a ticket and a statistics rule through the dialog, as a user would.
        void zweiStrategien()
        {
            imDialog([this](Strategiedialog *d) {
                d->findChild<QComboBox *>(QStringLiteral("ComboArt"))->setCurrentIndex(0);
                d->findChild<QLineEdit *>(QStringLiteral("EDatei"))->setText(u.pfad(QStringLiteral("schein.qtt")));
                d->findChild<QLineEdit *>(QStringLiteral("EName"))->setText(QStringLiteral("Mein Schein"));
                QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("BOk")), Qt::LeftButton);
            });
            klick(QStringLiteral("BHinzu"));
            imDialog([](Strategiedialog *d) {
                auto *art = d->findChild<QComboBox *>(QStringLiteral("ComboArt"));
                art->setCurrentIndex(art->findText(QStringLiteral("Statistikregel")));
                auto *rang = d->findChild<QComboBox *>(QStringLiteral("ComboRang"));
                rang->setCurrentIndex(rang->findText(QStringLiteral("am l\u00E4ngsten ausgeblieben")));
                d->findChild<QSpinBox *>(QStringLiteral("EAnzahl"))->setValue(9);
                d->findChild<QSpinBox *>(QStringLiteral("EFenster"))->setValue(40);
                auto *garantie = d->findChild<QComboBox *>(QStringLiteral("ComboGarantie"));
                garantie->setCurrentIndex(garantie->findText(QStringLiteral("Kurzsystem 3 bei 4")));
                QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("BOk")), Qt::LeftButton);
            });
            klick(QStringLiteral("BHinzu"));
            QCOMPARE(f->strategien().size(), std::size_t{2});
        }
        void zeitraum(int ziehungen, int verlaeufe, const QString &startwert) const
        {
            auto *von = kind<Datumsauswahl>(QStringLiteral("ComboVon"));
            auto *bis = kind<Datumsauswahl>(QStringLiteral("ComboBis"));
            bis->setCurrentIndex(bis->count() - 1);
            von->setCurrentIndex(von->count() - ziehungen);
            kind<QSpinBox>(QStringLiteral("EVerlaeufe"))->setValue(verlaeufe);
            kind<QLineEdit>(QStringLiteral("EStartwert"))->setText(startwert);
        }
        void testen() const
        {
            klick(QStringLiteral("BTesten"));
            QTRY_VERIFY_WITH_TIMEOUT(!f->lauf()->laeuft(), 60000);
        }
    };

private Q_SLOTS:
    // Every page of the strategy dialog: each shown control has a name a screen reader can say.
    void dialogSeitenBenannt()
    {
        Testumgebung u;
        Strategiedialog d(u.zustand.Datenordner, nullptr);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        auto *art = d.findChild<QComboBox *>(QStringLiteral("ComboArt"));
        for (int i = 0; i < art->count(); ++i) {
            art->setCurrentIndex(i);
            QCoreApplication::processEvents();
            QStringList ohne;
            for (QWidget *w : d.findChildren<QWidget *>()) {
                const bool steuerelement = qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) ||
                                           qobject_cast<QAbstractSpinBox *>(w) ||
                                           (qobject_cast<QLineEdit *>(w) && !qobject_cast<QAbstractSpinBox *>(w->parentWidget()) &&
                                            !qobject_cast<QComboBox *>(w->parentWidget()));
                if (!steuerelement || !w->isVisible())
                    continue;
                QAccessibleInterface *zugang = QAccessible::queryAccessibleInterface(w);
                if (!zugang || zugang->text(QAccessible::Name).trimmed().isEmpty())
                    ohne << w->objectName();
            }
            QVERIFY2(ohne.isEmpty(), qPrintable(art->currentText() + QStringLiteral(": ") + ohne.join(QLatin1Char(','))));
            bildSichern(&d, QStringLiteral("strategie-dialog-%1").arg(i));
        }
    }

    // Two strategies over 300 draws: the summary, the chart and the draw list show what the core
    // counts; the draw list and the summary go out as CSV and read back; the report prints.
    void zweiStrategienUeber300Ziehungen()
    {
        Fenster w;
        w.zweiStrategien();
        w.zeitraum(300, 500, QStringLiteral("4711"));
        w.testen();
        QVERIFY2(w.meldungen.eintraege.isEmpty(), qPrintable(w.meldungen.texte().join(QLatin1Char('\n'))));

        // The same test straight from the core.
        Testauftrag a;
        a.ziehungen = w.u.zustand.Ziehungen;
        a.von = 100;
        a.bis = 399;
        a.startwert = 4711;
        a.verlaeufe = 500;
        a.strategien = w.f->strategien();
        QVERIFY(ScheinLaden(a.strategien[0]).isEmpty());
        const Testergebnis t = StrategienTesten(a);
        QVERIFY(t.fehler.isEmpty());
        const Testergebnis &e = w.f->ergebnis();
        QCOMPARE(e.strategien.size(), std::size_t{2});
        for (std::size_t p = 0; p < 2; ++p) {
            QCOMPARE(e.strategien[p].bilanzCent, t.strategien[p].bilanzCent);
            QCOMPARE(e.strategien[p].mindestensSoGut, t.strategien[p].mindestensSoGut);
        }
        QCOMPARE(e.strategien[0].name, QStringLiteral("Mein Schein"));

        const QLocale &l = w.u.zustand.Formateinstellungen;
        const TextTabelle u = w.f->uebersicht()->tabelle();
        QCOMPARE(u.zeilen(), 3);
        QCOMPARE(u.zelle(1, 1), QStringLiteral("Mein Schein"));
        QCOMPARE(u.zelle(7, 2), BetragZuText(t.strategien[1].bilanzCent * 100, l));
        QCOMPARE(u.zelle(15, 1), PlatzierungAnteil(t.strategien[0].mindestensSoGut, 500));
        QVERIFY(w.kind<QLabel>(QStringLiteral("LPlatzierungen"))->text().contains(QStringLiteral("Mein Schein: ")));

        // Per strategy a band, an expected line and its balance.
        QCOMPARE(w.f->diagramm()->chart()->series().size(), 6);
        auto *tabs = w.kind<QTabWidget>(QStringLiteral("PErgebnisse"));
        tabs->setCurrentIndex(1);
        bildSichern(w.f, QStringLiteral("strategietest-diagramm"));
        tabs->setCurrentIndex(0);
        bildSichern(w.f, QStringLiteral("strategietest-uebersicht"));

        tabs->setCurrentIndex(2);
        auto *wahl = w.kind<QComboBox>(QStringLiteral("ComboStrategie"));
        QCOMPARE(wahl->count(), 2);
        wahl->setCurrentIndex(1);
        const TextTabelle z = w.f->ziehungsliste()->tabelle();
        QCOMPARE(z.zeilen(), 301);
        QCOMPARE(z.zelle(1, 300), Datum::kurz(w.u.zustand.Ziehungen[399].datum, l));
        QCOMPARE(z.zelle(5, 300), BetragZuText(t.strategien[1].verlauf.back().bilanzCent * 100, l));
        bildSichern(w.f, QStringLiteral("strategietest-ziehungen"));

        // The draw list as CSV, read back: a header line and one line per draw.
        const QString csv = w.u.pfad(QStringLiteral("ziehungen.csv"));
        w.dialoge.speichernAntworten.enqueue(csv);
        w.klick(QStringLiteral("BCsv"));
        const QStringList zeilen =
            QString::fromUtf8(inhalt(csv)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), 301);
        QCOMPARE(zeilen.first(), QStringLiteral("Datum,Reihen,\"Einsatz \u20AC\",\"Gewinn \u20AC\",\"Bilanz \u20AC\""));
        const QStringList letzte = TextZerlegen(zeilen.last(), QStringLiteral(","));
        QCOMPARE(letzte.first(), Datum::kurz(w.u.zustand.Ziehungen[399].datum, l));
        QVERIFY(w.kind<QLabel>(QStringLiteral("LDatei"))->text().contains(QStringLiteral("ziehungen.csv")));
        // The summary from its tab.
        tabs->setCurrentIndex(0);
        const QString uebersicht = w.u.pfad(QStringLiteral("uebersicht.csv"));
        w.dialoge.speichernAntworten.enqueue(uebersicht);
        w.klick(QStringLiteral("BCsv"));
        const QStringList uz = QString::fromUtf8(inhalt(uebersicht)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(uz.size(), 3);
        QVERIFY(uz[1].startsWith(QStringLiteral("\"Mein Schein\",300,")));

        // The report with the chart as PDF, and printed into a file.
        const QString pdf = w.u.pfad(QStringLiteral("bericht.pdf"));
        w.dialoge.speichernAntworten.enqueue(pdf);
        w.klick(QStringLiteral("BPdf"));
        QVERIFY(inhalt(pdf).startsWith("%PDF"));
        QVERIFY2(inhalt(pdf).size() > 20000, "the chart is missing from the report");
        if (!bildordner().isEmpty()) {
            QFile::remove(bildordner() + QStringLiteral("/strategietest-bericht.pdf"));
            QFile::copy(pdf, bildordner() + QStringLiteral("/strategietest-bericht.pdf"));
        }
        DruckAttrappe druck;
        druck.datei = w.u.pfad(QStringLiteral("druck.pdf"));
        w.klick(QStringLiteral("BDrucken"));
        QCOMPARE(druck.gefragt, 1);
        QVERIFY(inhalt(druck.datei).startsWith("%PDF"));
        QVERIFY2(w.meldungen.eintraege.isEmpty(), qPrintable(w.meldungen.texte().join(QLatin1Char('\n'))));
    }

    // A long test shows its progress after half a second; "Abbrechen" ends it, the results of the
    // test before stay, and the window tests again.
    void abbrechenLaesstFensterBenutzbar()
    {
        Fenster w;
        w.zweiStrategien();
        w.zeitraum(50, 100, QStringLiteral("1"));
        w.testen();
        const std::int64_t vorher = w.f->ergebnis().strategien[0].bilanzCent;
        QCOMPARE(w.f->ergebnis().ziehungen(), 50);

        w.zeitraum(400, 100000, QStringLiteral("2"));
        w.klick(QStringLiteral("BTesten"));
        QVERIFY(w.f->lauf()->laeuft());
        QVERIFY(!w.kind<QPushButton>(QStringLiteral("BTesten"))->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(w.f->lauf()->fortschritt() && w.f->lauf()->fortschritt()->isVisible(), 10000);
        bildSichern(w.f->lauf()->fortschritt(), QStringLiteral("strategietest-fortschritt"));
        // Closing is refused while it runs.
        w.f->close();
        QVERIFY(w.f && w.f->isVisible());
        auto *abbrechen = w.f->lauf()->fortschritt()->findChild<QPushButton *>();
        QVERIFY(abbrechen);
        QCOMPARE(abbrechen->text(), QStringLiteral("Abbrechen"));
        QTest::mouseClick(abbrechen, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w.f->lauf()->laeuft(), 20000);
        QCOMPARE(w.f->ergebnis().ziehungen(), 50);
        QCOMPARE(w.f->ergebnis().strategien[0].bilanzCent, vorher);
        QVERIFY(w.kind<QPushButton>(QStringLiteral("BTesten"))->isEnabled());
        QVERIFY(w.meldungen.eintraege.isEmpty());

        w.zeitraum(120, 50, QStringLiteral("3"));
        w.testen();
        QCOMPARE(w.f->ergebnis().ziehungen(), 120);
        QCOMPARE(w.f->ziehungsliste()->tabelle().zeilen(), 121);
    }

    // Wrong input is refused with a German message and changes nothing.
    void falscheEingabenWerdenAbgelehnt()
    {
        Fenster w;
        w.klick(QStringLiteral("BTesten"));
        QCOMPARE(w.meldungen.eintraege.size(), 1);
        QVERIFY(w.meldungen.eintraege.last().text.contains(QStringLiteral("keine Strategie")));

        // A dialog with wrong numbers stays open with its message.
        bool nochOffen = false;
        imDialog([&](Strategiedialog *d) {
            auto *art = d->findChild<QComboBox *>(QStringLiteral("ComboArt"));
            art->setCurrentIndex(art->findText(QStringLiteral("System")));
            d->findChild<QLineEdit *>(QStringLiteral("EZahlen"))->setText(QStringLiteral("3,7,99"));
            QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("BOk")), Qt::LeftButton);
            nochOffen = d->isVisible();
            d->reject();
        });
        w.klick(QStringLiteral("BHinzu"));
        QVERIFY(nochOffen);
        QVERIFY(w.meldungen.eintraege.last().text.contains(QStringLiteral("\u201E99\u201C")));
        QVERIFY(w.f->strategien().empty());

        w.zweiStrategien();
        w.zeitraum(30, 20, QStringLiteral("8"));
        w.testen();
        const std::int64_t vorher = w.f->ergebnis().strategien[1].bilanzCent;
        const int meldungen = int(w.meldungen.eintraege.size());
        // End before start.
        auto *von = w.kind<Datumsauswahl>(QStringLiteral("ComboVon"));
        auto *bis = w.kind<Datumsauswahl>(QStringLiteral("ComboBis"));
        von->setCurrentIndex(300);
        bis->setCurrentIndex(200);
        w.klick(QStringLiteral("BTesten"));
        QCOMPARE(int(w.meldungen.eintraege.size()), meldungen + 1);
        QVERIFY(w.meldungen.eintraege.last().text.contains(QStringLiteral("Im gew\u00E4hlten Zeitraum liegt keine Ziehung")));
        // The ticket is gone from the disk.
        QVERIFY(QFile::remove(w.u.pfad(QStringLiteral("schein.qtt"))));
        w.zeitraum(30, 20, QStringLiteral("8"));
        w.klick(QStringLiteral("BTesten"));
        QTRY_VERIFY(!w.f->lauf()->laeuft());
        QVERIFY(w.meldungen.eintraege.last().text.contains(QStringLiteral("wurde nicht gefunden")));
        QCOMPARE(w.f->ergebnis().strategien[1].bilanzCent, vorher);
        // The start value must be a number.
        w.kind<QLineEdit>(QStringLiteral("EStartwert"))->setText(QStringLiteral("abc"));
        w.klick(QStringLiteral("BTesten"));
        QVERIFY(w.meldungen.eintraege.last().text.contains(QStringLiteral("Startwert")));
        // Removing needs a choice; it then goes.
        w.f->findChild<QListWidget *>(QStringLiteral("LStrategien"))->setCurrentRow(0);
        w.klick(QStringLiteral("BEntfernen"));
        QCOMPARE(w.f->strategien().size(), std::size_t{1});
        QCOMPARE(w.f->strategien()[0].art, Strategieart::Regel);
    }

    // A replaced history reaches the date lists with the chosen dates kept; the result shown
    // stays with the history it was tested on.
    void ersetzteGewinnreihen()
    {
        Fenster w;
        w.zweiStrategien();
        w.zeitraum(40, 10, QStringLiteral("3"));
        w.testen();
        auto *von = w.kind<Datumsauswahl>(QStringLiteral("ComboVon"));
        auto *bis = w.kind<Datumsauswahl>(QStringLiteral("ComboBis"));
        const QString vonText = von->currentText();
        QByteArray mehr = zufallsziehungen(430);
        w.u.schreibe(Dateinamen::Gewinnreihen, mehr);
        Q_EMIT w.u.befehle().gewinnreihenErsetzt();
        QTRY_COMPARE(von->count(), 430);
        QCOMPARE(von->currentText(), vonText);
        QCOMPARE(bis->currentIndex(), 399);
        QCOMPARE(w.f->ergebnis().ziehungen(), 40);
        QCOMPARE(w.f->ziehungsliste()->tabelle().zeilen(), 41);
    }

    // A draw entered by hand in the main window reaches the date lists at once.
    void vonHandEingetrageneZiehung()
    {
        Fenster w;
        auto *von = w.kind<Datumsauswahl>(QStringLiteral("ComboVon"));
        auto *bis = w.kind<Datumsauswahl>(QStringLiteral("ComboBis"));
        QCOMPARE(bis->count(), 400);
        const auto knopf = [&w](const QString &name) {
            auto *k = w.haupt->findChild<QAbstractButton *>(name);
            Q_ASSERT(k);
            return k;
        };
        QTest::mouseClick(knopf(QStringLiteral("BHinzu")), Qt::LeftButton);
        for (int n : {4, 15, 23, 37, 42})
            QTest::mouseClick(knopf(QStringLiteral("PNummer%1").arg(n)), Qt::LeftButton);
        QTest::mouseClick(knopf(QStringLiteral("PSZNummer3")), Qt::LeftButton);
        QTest::mouseClick(knopf(QStringLiteral("SpeedButton2")), Qt::LeftButton);
        QCOMPARE(w.u.zustand.Ziehungen.size(), 401);
        QCOMPARE(von->count(), 401);
        QCOMPARE(bis->count(), 401);
        QCOMPARE(bis->itemText(400), Datum::kurz(w.u.zustand.Ziehungen.constLast().datum, w.u.zustand.Formateinstellungen));
    }

    // The rows of a ticket tab open in the main window play as a "Fester Schein" without a file,
    // exactly as the file they came from, and stay with the strategy when the tab closes.
    void offenerTabAlsSchein()
    {
        Fenster w;
        w.haupt->tippauswertung()->DateienEinlesen(w.u.pfad(QStringLiteral("schein.qtt")));
        imDialog([](Strategiedialog *d) {
            auto *tab = d->findChild<QComboBox *>(QStringLiteral("ComboTab"));
            QCOMPARE(tab->count(), 2);
            tab->setCurrentIndex(1);
            QVERIFY(!d->findChild<QLineEdit *>(QStringLiteral("EDatei"))->isEnabled());
            QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("BOk")), Qt::LeftButton);
        });
        w.klick(QStringLiteral("BHinzu"));
        QCOMPARE(w.f->strategien().size(), std::size_t{1});
        const Strategie s = w.f->strategien()[0];
        QVERIFY(ReihenImSchein(s));
        QCOMPARE(s.reihen.size(), 4);
        QCOMPARE(s.tab, QStringLiteral("schein"));
        Strategie datei;
        datei.datei = w.u.pfad(QStringLiteral("schein.qtt"));
        w.f->strategieHinzufuegen(datei);
        w.zeitraum(100, 50, QStringLiteral("6"));
        w.testen();
        QVERIFY2(w.meldungen.eintraege.isEmpty(), qPrintable(w.meldungen.texte().join(QLatin1Char('\n'))));
        const Testergebnis &e = w.f->ergebnis();
        QCOMPARE(e.strategien.size(), std::size_t{2});
        QCOMPARE(e.strategien[0].bilanzCent, e.strategien[1].bilanzCent);
        QCOMPARE(e.strategien[0].mindestensSoGut, e.strategien[1].mindestensSoGut);
        QCOMPARE(e.strategien[0].name, QStringLiteral("Fester Schein: Tab \u201Eschein\u201C"));
    }

    // The strategies, the fair histories and the start value stay in "[Strategietest]" and come
    // back with the next opening; a ticket keeps its path.
    void einstellungenBleiben()
    {
        Fenster w;
        w.zweiStrategien();
        w.kind<QSpinBox>(QStringLiteral("EVerlaeufe"))->setValue(777);
        w.kind<QLineEdit>(QStringLiteral("EStartwert"))->setText(QStringLiteral("31337"));
        w.f->close();
        QTRY_VERIFY(w.f.isNull());
        const QString ini = QString::fromUtf8(w.u.lies(Dateinamen::Einstellungen));
        QVERIFY(ini.contains(QStringLiteral("[Strategietest]")));
        QVERIFY(ini.contains(w.u.pfad(QStringLiteral("schein.qtt"))));
        w.oeffnen();
        QCOMPARE(w.f->strategien().size(), std::size_t{2});
        QCOMPARE(w.f->strategien()[0].datei, w.u.pfad(QStringLiteral("schein.qtt")));
        QCOMPARE(w.f->strategien()[1].anzahl, 9);
        QCOMPARE(w.kind<QSpinBox>(QStringLiteral("EVerlaeufe"))->value(), 777);
        QCOMPARE(w.kind<QLineEdit>(QStringLiteral("EStartwert"))->text(), QStringLiteral("31337"));
        QCOMPARE(w.f->findChild<QListWidget *>(QStringLiteral("LStrategien"))->count(), 2);
        // Changing keeps the strategy's place and takes the dialog's fields.
        imDialog([](Strategiedialog *d) {
            QCOMPARE(d->findChild<QSpinBox *>(QStringLiteral("EAnzahl"))->value(), 9);
            d->findChild<QCheckBox *>(QStringLiteral("cbAlle"))->setChecked(true);
            QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("BOk")), Qt::LeftButton);
        });
        w.f->findChild<QListWidget *>(QStringLiteral("LStrategien"))->setCurrentRow(1);
        w.klick(QStringLiteral("BAendern"));
        QCOMPARE(w.f->strategien()[1].fenster, 0);
        QCOMPARE(w.f->strategien()[1].anzahl, 9);
        QVERIFY(w.meldungen.eintraege.isEmpty());
    }
};

QTEST_MAIN(TestStrategiefenster)
#include "tst_strategiefenster.moc"
