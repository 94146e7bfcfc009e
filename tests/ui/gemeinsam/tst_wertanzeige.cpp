// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Textzellen.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/TextTabellenModell.h"
#include "ui/gemeinsam/Wertlabel.h"

#include <QHBoxLayout>
#include <QHelpEvent>
#include <QToolTip>
#include <QtTest>

namespace {
// Hovers a point of a widget and returns the tooltip that shows, empty for none.
QString tooltipBei(QWidget *w, const QPoint &punkt)
{
    // A tooltip shown before fades out first, so it is not taken for the new one.
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
        return QStringLiteral("(tooltip stays)");
    QHelpEvent ereignis(QEvent::ToolTip, punkt, w->mapToGlobal(punkt));
    QCoreApplication::sendEvent(w, &ereignis);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
} // namespace

// A value too long for its place is elided in the middle; hovering shows the full value.
class TestWertanzeige : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wertlabel()
    {
        QWidget fenster;
        auto *zeile = new QHBoxLayout(&fenster);
        auto *l = new Wertlabel(QStringLiteral("LProbe"), Qt::AlignRight, QStringLiteral("1.000,00 €"), &fenster);
        zeile->addWidget(l);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        const int breite = l->width();
        const QSize groesse = l->minimumSizeHint();

        // Every value of the sample's shape shows whole.
        l->setText(QStringLiteral("9.999,99 €"));
        QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width());
        QVERIFY(!l->gekuerzt());
        QCOMPARE(tooltipBei(l, l->rect().center()), QString());

        const QString lang = QStringLiteral("123.456.789.012,34 €");
        l->setText(lang);
        QCoreApplication::processEvents();
        // The layout does not move with the value; the label keeps the full text for everyone else.
        QCOMPARE(l->width(), breite);
        QCOMPARE(l->minimumSizeHint(), groesse);
        QVERIFY(l->gekuerzt());
        QCOMPARE(l->text(), lang);
        QCOMPARE(tooltipBei(l, l->rect().center()), lang);
    }

    void gitterzelle()
    {
        Gitter g;
        auto *modell = new TextTabellenModell(&g);
        TextTabelle t(3, 3);
        t.setzeZelle(1, 1, QStringLiteral("7"));
        t.setzeZelle(2, 1, QStringLiteral("1234567890123"));
        t.setzeZelle(0, 2, QStringLiteral("Feste Spalte mit langem Text"));
        modell->setzeTabelle(t);
        g.setModel(modell);
        for (int c = 0; c < 3; ++c)
            g.setColumnWidth(c, 40);
        g.resize(200, 120);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        const auto mitte = [&g, modell](int zeile, int spalte) {
            return g.visualRect(modell->index(zeile, spalte)).center();
        };
        QCOMPARE(tooltipBei(g.viewport(), mitte(0, 1)), QString());
        QCOMPARE(tooltipBei(g.viewport(), mitte(0, 2)), QStringLiteral("1234567890123"));
        QCOMPARE(tooltipBei(g.viewport(), mitte(1, 0)), QStringLiteral("Feste Spalte mit langem Text"));
        // Once the column is wide enough, the text shows whole and needs no tooltip.
        g.setColumnWidth(2, g.zellenbreite(QStringLiteral("1234567890123"), false));
        QCOMPARE(tooltipBei(g.viewport(), mitte(0, 2)), QString());
    }
};

QTEST_MAIN(TestWertanzeige)
#include "tst_wertanzeige.moc"
