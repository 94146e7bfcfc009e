// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Testumgebung.h"

#include "support/Attrappen.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/hilfe/Hilfe.h"
#include "ui/hilfe/HilfeFenster.h"
#include "ui/werkzeuge/NueberK.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>
#include <QtTest>

namespace {
const QString MeldungNull =
    QStringLiteral("Sie müssen für \"n\" und \"k\" eine Zahl größer Null eingeben.\n\nIch breche erst einmal ab.");
const QString MeldungKleiner =
    QStringLiteral("Die Zahl für \"n\" muss größer als die für \"k\" sein.\n\nIch breche erst einmal ab.");
} // namespace

class TestNueberK : public QObject
{
    Q_OBJECT

    struct Fenster
    {
        Testumgebung u;
        TFNueberK fenster{u.zustand};
        QLineEdit *e1 = fenster.findChild<QLineEdit *>(QStringLiteral("e1"));
        QLineEdit *e2 = fenster.findChild<QLineEdit *>(QStringLiteral("e2"));
        QLabel *p1 = fenster.findChild<QLabel *>(QStringLiteral("P1"));

        Fenster()
        {
            fenster.setAttribute(Qt::WA_DeleteOnClose, false);
            fenster.show();
        }
        void tippe(const QString &n, const QString &k) const
        {
            e1->clear();
            e2->clear();
            QTest::keyClicks(e1, n);
            QTest::keyClicks(e2, k);
        }
    };

private Q_SLOTS:
    void rechnet_data()
    {
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("49 over 5") << QStringLiteral("49") << QStringLiteral("5") << QStringLiteral("1.906.884");
        QTest::newRow("49 over 6") << QStringLiteral("49") << QStringLiteral("6") << QStringLiteral("13.983.816");
        QTest::newRow("10 over 10") << QStringLiteral("10") << QStringLiteral("10") << QStringLiteral("1");
        QTest::newRow("1 over 1") << QStringLiteral("1") << QStringLiteral("1") << QStringLiteral("1");
        QTest::newRow("60 over 30") << QStringLiteral("60") << QStringLiteral("30")
                                    << QStringLiteral("118.264.581.564.861.424");
        QTest::newRow("66 over 33") << QStringLiteral("66") << QStringLiteral("33")
                                    << QStringLiteral("7.219.428.434.016.265.740");
        QTest::newRow("67 over 33") << QStringLiteral("67") << QStringLiteral("33")
                                    << QStringLiteral("14.226.520.737.620.288.370");
        QTest::newRow("99 over 49") << QStringLiteral("99") << QStringLiteral("49")
                                    << QStringLiteral("50.445.672.272.782.096.667.406.248.628");
    }
    void rechnet()
    {
        QFETCH(QString, n);
        QFETCH(QString, k);
        QFETCH(QString, ergebnis);
        MeldungsRecorder meldungen;
        Fenster f;
        f.tippe(n, k);
        QTest::keyClick(f.e2, Qt::Key_Return);
        QCOMPARE(f.p1->text(), ergebnis);
        // The widest result fits its field.
        QVERIFY(f.p1->fontMetrics().horizontalAdvance(ergebnis) < f.p1->contentsRect().width());
        f.p1->clear();
        QTest::mouseClick(f.fenster.findChild<QToolButton *>(QStringLiteral("BCalc")), Qt::LeftButton);
        QCOMPARE(f.p1->text(), ergebnis);
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    void meldungen_data()
    {
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("k above n") << QStringLiteral("5") << QStringLiteral("6") << MeldungKleiner;
        QTest::newRow("n zero") << QStringLiteral("0") << QStringLiteral("5") << MeldungNull;
        QTest::newRow("k zero") << QStringLiteral("7") << QStringLiteral("00") << MeldungNull;
        QTest::newRow("n empty") << QString() << QStringLiteral("5") << MeldungNull;
    }
    void meldungen()
    {
        QFETCH(QString, n);
        QFETCH(QString, k);
        QFETCH(QString, meldung);
        MeldungsRecorder meldungen;
        Fenster f;
        f.p1->setText(QStringLiteral("vorher"));
        f.tippe(n, k);
        QTest::mouseClick(f.fenster.findChild<QToolButton *>(QStringLiteral("BCalc")), Qt::LeftButton);
        QCOMPARE(meldungen.eintraege.size(), 1);
        QCOMPARE(meldungen.eintraege[0].art, Meldungen::Anzeige::Art::Information);
        QCOMPARE(meldungen.eintraege[0].text, meldung);
        QCOMPARE(f.p1->text(), QStringLiteral("vorher"));
        QCOMPARE(f.e1->text(), n);
    }

    void tastenfilter()
    {
        MeldungsRecorder meldungen;
        Fenster f;
        QTest::keyClicks(f.e1, QStringLiteral("a4-9x1"));
        QCOMPARE(f.e1->text(), QStringLiteral("49")); // letters dropped, two digits at most
        QTest::keyClick(f.e1, Qt::Key_Backspace);
        QCOMPARE(f.e1->text(), QStringLiteral("4"));
        // Enter does nothing while a field is empty.
        QTest::keyClick(f.e1, Qt::Key_Return);
        QVERIFY(meldungen.eintraege.isEmpty());
        QVERIFY(f.p1->text().isEmpty());
        QTest::keyClicks(f.e2, QStringLiteral("2"));
        QTest::keyClick(f.e1, Qt::Key_Enter);
        QCOMPARE(f.p1->text(), QStringLiteral("6"));
    }

    void hilfeJeNachFokus()
    {
        Fenster f;
        QVERIFY(QTest::qWaitForWindowActive(&f.fenster));
        f.e1->setFocus();
        QTest::keyClick(f.e1, Qt::Key_F1);
        QVERIFY(Hilfe::fenster() != nullptr);
        QCOMPARE(Hilfe::fenster()->aktuellesThema(), 1100);
        auto *schliessen = f.fenster.findChild<QWidget *>(QStringLiteral("SpeedButton1"));
        schliessen->setFocus();
        QTest::keyClick(schliessen, Qt::Key_F1);
        QCOMPARE(Hilfe::fenster()->aktuellesThema(), 1070);
        Hilfe::fenster()->close();
    }

    // One calculator at a time: the command brings the open one back, closing destroys it.
    void einzigesFenster()
    {
        Testumgebung u;
        QAction *befehl = u.befehle().aktion(Befehle::Art::NueberK);
        QVERIFY(befehl->isEnabled());
        befehl->trigger();
        QPointer<QWidget> fenster = findeFenster(QStringLiteral("FNueberK"));
        QVERIFY(fenster && fenster->isVisible());
        QVERIFY(fenster->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Quintaro Analyser 1.5.0.0"));
        QVERIFY(fenster->width() >= 370 && fenster->height() >= 222);
        fenster->showMinimized();
        befehl->trigger();
        QCOMPARE(findeFenster(QStringLiteral("FNueberK")), fenster.data());
        QVERIFY(!fenster->isMinimized());
        QTest::mouseClick(fenster->findChild<QWidget *>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
        QTRY_VERIFY(fenster.isNull());
    }
};

QTEST_MAIN(TestNueberK)
#include "tst_nueberk.moc"
