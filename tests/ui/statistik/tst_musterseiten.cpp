// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Attrappen.h"
#include "Bildschirmfoto.h"
#include "Testumgebung.h"

#include "statistics/Musterstatistik.h"
#include "statistics/Statistik.h"
#include "statistics/Zusatzzahlstatistik.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/statistik/FrStatistik.h"
#include "ui/statistik/Musterseite.h"
#include "ui/statistik/StatistikFenster.h"
#include "ui/statistik/Vergleichsdiagramm.h"
#include "ui/statistik/Zusatzzahlseite.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

// 300 weekly draws with random numbers; every 50th carries a Zusatzzahl no draw can have.
void setzeHistorie(Zustand &z, int anzahl)
{
    std::mt19937 zufall(2024);
    z.Ziehungen.clear();
    for (int i = 0; i < anzahl; ++i) {
        std::array<std::uint8_t, MaxZahl> topf{};
        std::iota(topf.begin(), topf.end(), std::uint8_t{1});
        std::shuffle(topf.begin(), topf.end(), zufall);
        std::array<std::uint8_t, 5> zahlen{};
        std::copy_n(topf.begin(), 5, zahlen.begin());
        std::sort(zahlen.begin(), zahlen.end());
        const auto zz = static_cast<std::uint8_t>(i % 50 == 49 ? 11 : 1 + zufall() % 10);
        z.Ziehungen.append(Testumgebung::ziehung(QDate(2024, 1, 6).addDays(7 * i), zahlen, zz));
    }
    StatistikStart(z);
}

QString zelle(const QAbstractItemModel *m, int zeile, int spalte)
{
    return m->index(zeile, spalte).data().toString();
}

} // namespace

class TestMusterseiten : public QObject
{
    Q_OBJECT

    struct Fenster
    {
        explicit Fenster(Testumgebung &u) : f(new TFStatistik(u.zustand, u.befehle())), fr(f->frame())
        {
            f->show();
            if (!QTest::qWaitForWindowExposed(f))
                qFatal("window not shown");
        }
        ~Fenster() { delete f; }
        // The last 52 draws, as the user picks them.
        void letzte52() const
        {
            auto *wahl = f->findChild<QRadioButton *>(QStringLiteral("RGLetzte0_2"));
            QTest::mouseClick(wahl, Qt::LeftButton, {}, QPoint(6, wahl->height() / 2));
        }
        TFStatistik *f;
        TFfrStatistik *fr;
    };

    // The Zusatzzahl tab shows what the core counts for the period, in the grid and the chart.
    static void pruefeZusatzzahlen(const Fenster &w, const Zustand &z, int von, int bis)
    {
        const Zusatzzahlauswertung a = Zusatzzahlen(z.Ziehungen, von, bis);
        Zusatzzahlseite *seite = w.fr->zusatzzahlen();
        const QLocale de(QLocale::German, QLocale::Germany);
        for (const Zusatzzahlzeile &zeile : a.zeilen) {
            QCOMPARE(zelle(seite->gitter()->model(), zeile.zahl - 1, 0), QString::number(zeile.zahl));
            QCOMPARE(zelle(seite->gitter()->model(), zeile.zahl - 1, 1), QString::number(zeile.anzahl));
            QCOMPARE(zelle(seite->gitter()->model(), zeile.zahl - 1, 2), de.toString(a.erwartet(), 'f', 1));
            QCOMPARE(zelle(seite->gitter()->model(), zeile.zahl - 1, 3), QString::number(zeile.ausgeblieben));
            QCOMPARE(seite->diagramm()->beobachtet()->at(zeile.zahl - 1), static_cast<qreal>(zeile.anzahl));
            QCOMPARE(seite->diagramm()->erwartet()->at(zeile.zahl - 1), a.erwartet());
        }
    }

private Q_SLOTS:
    void zusatzzahlUndMuster()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        setzeHistorie(u.zustand, 300);
        Fenster w(u);

        auto *seiten = w.f->findChild<QTabWidget *>(QStringLiteral("PCStat0"));
        QCOMPARE(seiten->tabText(5), QStringLiteral("Zusatzzahl"));
        QCOMPARE(seiten->tabText(6), QStringLiteral("Muster"));
        seiten->setCurrentIndex(5);

        // Six draws with Zusatzzahl 11 count for no Zusatzzahl; the expected count is 300 / 10.
        pruefeZusatzzahlen(w, u.zustand, 0, 299);
        int gezogen = 0;
        for (int z = 0; z < MaxZusatzzahl; ++z)
            gezogen += zelle(w.fr->zusatzzahlen()->gitter()->model(), z, 1).toInt();
        QCOMPARE(gezogen, 294);
        QVERIFY2(w.fr->zusatzzahlen()->LErwartet()->text().contains(QStringLiteral("30,0")),
                 qPrintable(w.fr->zusatzzahlen()->LErwartet()->text()));
        bildSichern(w.f, QStringLiteral("statistik-zusatzzahl"));

        // Each pattern: every value with its count among all rows, observed and expected, and
        // the test in words, all as the core computes them.
        seiten->setCurrentIndex(6);
        Musterseite *muster = w.fr->muster();
        const Musterauswertung alle = MusterAuswerten(u.zustand.Ziehungen, 0, 299);
        QCOMPARE(alle.ziehungen, 300);
        for (const Musterart art : AlleMusterarten) {
            muster->ComboMuster()->setCurrentIndex(static_cast<int>(art));
            QCOMPARE(muster->ComboMuster()->currentText(), Musterbezeichnung(art));
            const Musterergebnis &m = alle.von(art);
            const QAbstractItemModel *tabelle = muster->gitter()->model();
            QCOMPARE(tabelle->rowCount(), static_cast<int>(m.werte.size()));
            const int r = static_cast<int>(m.werte.size()) / 2;
            QCOMPARE(zelle(tabelle, r, 0), QString::number(m.werte[static_cast<std::size_t>(r)].wert));
            QCOMPARE(zelle(tabelle, r, 2), QString::number(m.werte[static_cast<std::size_t>(r)].beobachtet));
            QCOMPARE(muster->LTest()->text(), Testsatz(m.test));
            // The chart holds every draw once and expects as many.
            qreal beobachtet = 0;
            qreal erwartet = 0;
            for (int i = 0; i < muster->diagramm()->beobachtet()->count(); ++i) {
                beobachtet += muster->diagramm()->beobachtet()->at(i);
                erwartet += muster->diagramm()->erwartet()->at(i);
            }
            QCOMPARE(beobachtet, 300.0);
            QVERIFY(std::fabs(erwartet - 300.0) < 1e-9);
        }
        // 300 draws are enough for a test of every pattern.
        for (const Musterergebnis &m : alle.muster)
            QVERIFY(m.test.p.has_value());
        QCOMPARE(muster->diagramm()->kategorien()->count(), 5);
        muster->ComboMuster()->setCurrentIndex(0);
        QCOMPARE(muster->diagramm()->kategorien()->count(), 22); // sums in steps of ten
        QCOMPARE(zelle(muster->gitter()->model(), 0, 1), QStringLiteral("1")); // 1+2+3+4+5 only
        bildSichern(w.f, QStringLiteral("statistik-muster-summe"));
        muster->ComboMuster()->setCurrentIndex(static_cast<int>(Musterart::Gerade));
        bildSichern(w.f, QStringLiteral("statistik-muster-gerade"));
        bildSichern(muster->diagramm(), QStringLiteral("statistik-muster-gerade-diagramm"));
        muster->ComboMuster()->setCurrentIndex(0);

        // A shorter period: both tabs follow it.
        w.letzte52();
        pruefeZusatzzahlen(w, u.zustand, 248, 299);
        const Musterauswertung kurz = MusterAuswerten(u.zustand.Ziehungen, 248, 299);
        QCOMPARE(muster->LTest()->text(), Testsatz(kurz.von(Musterart::Summe).test));
        muster->ComboMuster()->setCurrentIndex(static_cast<int>(Musterart::Folge));
        QCOMPARE(muster->LTest()->text(), Testsatz(kurz.von(Musterart::Folge).test));
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    // Too few draws for a test: the sentence says so.
    void zuWenigeZiehungen()
    {
        Testumgebung u;
        setzeHistorie(u.zustand, 8);
        Fenster w(u);
        w.fr->muster()->ComboMuster()->setCurrentIndex(static_cast<int>(Musterart::Summe));
        QCOMPARE(w.fr->muster()->LTest()->text(), QStringLiteral("Zu wenige Ziehungen für einen Test."));
    }
};

QTEST_MAIN(TestMusterseiten)
#include "tst_musterseiten.moc"
