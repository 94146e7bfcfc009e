// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Testumgebung.h"

#include "ui/gemeinsam/Befehle.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

class TestBefehle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void einBefehlFuerAlleLeisten()
    {
        Testumgebung u;
        Befehle befehle(u.zustand);
        QMainWindow a, b;
        QToolBar *la = a.addToolBar(QStringLiteral("a"));
        QToolBar *lb = b.addToolBar(QStringLiteral("b"));
        QToolButton *ka = befehle.knopf(la, Befehle::Art::Kalender);
        QToolButton *kb = befehle.knopf(lb, Befehle::Art::Kalender);
        QCOMPARE(ka->objectName(), QStringLiteral("BKal"));
        QCOMPARE(ka->defaultAction(), kb->defaultAction());
        QAction *eintrag = befehle.menueeintrag(a.menuBar()->addMenu(QStringLiteral("x")), QStringLiteral("&Kalender"),
                                                Befehle::Art::Kalender);

        // A command without its work never does nothing silently: it is disabled everywhere.
        befehle.sperre(Befehle::Art::Kalender, QStringLiteral("kein Kalender"));
        QVERIFY(!ka->isEnabled() && !kb->isEnabled() && !eintrag->isEnabled());
        QVERIFY(ka->toolTip().contains(QStringLiteral("kein Kalender")));

        int ausgefuehrt = 0;
        befehle.setzeAusfuehrung(Befehle::Art::Kalender, [&] { ++ausgefuehrt; });
        QVERIFY(ka->isEnabled() && kb->isEnabled() && eintrag->isEnabled());
        QCOMPARE(ka->toolTip(), QStringLiteral("Kalender anzeigen"));
        a.show();
        b.show();
        QTest::mouseClick(kb, Qt::LeftButton);
        eintrag->trigger();
        QCOMPARE(ausgefuehrt, 2);
    }

    void schliessenUndHilfe()
    {
        Testumgebung u;
        Befehle befehle(u.zustand);
        QMainWindow fenster;
        QToolBar *leiste = fenster.addToolBar(QStringLiteral("Leiste"));
        QToolButton *zu = Befehle::schliessenKnopf(leiste, &fenster);
        QToolButton *hilfe = befehle.hilfeKnopf(leiste, &fenster, 1060);
        QCOMPARE(zu->objectName(), QStringLiteral("BClose"));
        QCOMPARE(hilfe->objectName(), QStringLiteral("BHelp"));
        QVERIFY(!zu->accessibleName().isEmpty() && !hilfe->toolTip().isEmpty());
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        QTest::mouseClick(zu, Qt::LeftButton);
        QVERIFY(!fenster.isVisible());
    }
};

QTEST_MAIN(TestBefehle)
#include "tst_befehle.moc"
