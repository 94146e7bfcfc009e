// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Bildschirmfoto.h"
#include "Testumgebung.h"

#include "ui/gemeinsam/Gitter.h"
#include "ui/werkzeuge/FrGewinnchancen.h"
#include "ui/werkzeuge/NueberK.h"

#include <QLabel>
#include <QtTest>

class TestGewinnchancentabelle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // All ten classes and the sum row show whole, without scrolling and without a cut text.
    void ganzSichtbar()
    {
        FrGewinnchancen rahmen(QLocale(QLocale::German, QLocale::Germany));
        rahmen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rahmen));
        auto *g = rahmen.findChild<Gitter *>(QStringLiteral("GChancen"));
        QVERIFY(g);
        QCOMPARE(g->model()->rowCount(), 11);
        QCOMPARE(g->model()->columnCount(), 5);
        QCOMPARE(g->model()->index(0, 3).data().toString(), QStringLiteral("1 : 19.068.840"));
        QCOMPARE(g->model()->index(10, 0).data().toString(), QStringLiteral("alle"));
        QCOMPARE(g->model()->index(10, 4).data().toString(), QStringLiteral("1,04\u00A0\u20AC"));
        for (int s = 0; s < 5; ++s) {
            QVERIFY(g->columnViewportPosition(s) + g->columnWidth(s) <= g->viewport()->width());
            QVERIFY(g->columnWidth(s) >= g->kopfbreite(g->model()->headerData(s, Qt::Horizontal).toString()));
            for (int z = 0; z < 11; ++z)
                QVERIFY2(g->columnWidth(s) >= g->zellenbreite(g->model()->index(z, s).data().toString(), false),
                         qPrintable(g->model()->index(z, s).data().toString()));
        }
        QVERIFY(g->rowViewportPosition(10) + g->rowHeight(10) <= g->viewport()->height());
        auto *hinweis = rahmen.findChild<QLabel *>(QStringLiteral("LChancenHinweis"));
        QVERIFY(hinweis->geometry().bottom() <= rahmen.height());
        bildSichern(&rahmen, QStringLiteral("gewinnchancen"));
    }

    // The n-over-k window shows the table below its result, whole inside its fixed size.
    void imNueberKFenster()
    {
        Testumgebung u;
        TFNueberK fenster(u.zustand);
        fenster.setAttribute(Qt::WA_DeleteOnClose, false);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        auto *rahmen = fenster.findChild<FrGewinnchancen *>(QStringLiteral("FrGewinnchancen"));
        QVERIFY(rahmen && rahmen->isVisible());
        QVERIFY(fenster.rect().contains(QRect(rahmen->mapTo(&fenster, QPoint(0, 0)), rahmen->size())));
        QVERIFY(rahmen->height() >= rahmen->sizeHint().height());
        QVERIFY(rahmen->mapTo(&fenster, QPoint(0, 0)).y() >
                fenster.findChild<QLabel *>(QStringLiteral("P1"))->mapTo(&fenster, QPoint(0, 0)).y());
        bildSichern(&fenster, QStringLiteral("nueberk-mit-gewinnchancen"));
    }
};

QTEST_MAIN(TestGewinnchancentabelle)
#include "tst_gewinnchancentabelle.moc"
