// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Attrappen.h"
#include "Groessengrenze.h"
#include "Scheindaten.h"
#include "Testumgebung.h"

#include "model/Datum.h"
#include "model/Einstellungen.h"
#include "model/Spiel.h"
#include "ui/gemeinsam/Datumsauswahl.h"
#include "ui/haupt/FrScheine.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/gemeinsam/Nummernknoepfe.h"
#include "ui/haupt/Tippauswertung.h"
#include "ui/haupt/Ziehungsspalte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <numeric>
#include <random>

namespace {
QColor hintergrund(QTableView *g, int zeile, int spalte)
{
    return g->model()->index(zeile, spalte).data(Qt::BackgroundRole).value<QBrush>().color();
}
QString text(QTableView *g, int zeile, int spalte) { return g->model()->index(zeile, spalte).data().toString(); }

// The label shows its whole text on one line (or, word-wrapped, every word whole in its height).
bool zeigtGanz(const QLabel *l)
{
    const QFontMetrics fm(l->font());
    const int breite = l->contentsRect().width() - 2 * l->margin();
    if (!l->wordWrap())
        return fm.horizontalAdvance(l->text()) <= breite;
    for (const QString &wort : l->text().split(QLatin1Char(' ')))
        if (fm.horizontalAdvance(wort) > breite)
            return false;
    return l->height() >= l->heightForWidth(l->width());
}

// The field shows its whole text, measured as the field lays out its text: it keeps 2 pixels
// on each side and one for the cursor.
bool zeigtGanz(const QLineEdit *e)
{
    QStyleOptionFrame option;
    option.initFrom(e);
    option.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, e);
    const QRect bereich = e->style()->subElementRect(QStyle::SE_LineEditContents, &option, e) - e->textMargins();
    return QFontMetrics(e->font()).horizontalAdvance(e->text()) + 1 <= bereich.width() - 4;
}

// The cell text, centred in its column, leaves at least a pixel free on each side.
bool zeigtGanz(QTableView *g, int zeile, int spalte)
{
    QFont schrift = g->font();
    schrift.setBold(spalte > 0);
    return QFontMetrics(schrift).horizontalAdvance(text(g, zeile, spalte).trimmed()) + 2 <= g->columnWidth(spalte);
}

bool kopfGanz(QTableView *g, int spalte)
{
    const QFontMetrics fm(g->horizontalHeader()->font());
    return fm.horizontalAdvance(g->model()->headerData(spalte, Qt::Horizontal).toString()) + 2
           <= g->columnWidth(spalte);
}
} // namespace

class TestTippscheinTabs : public QObject
{
    Q_OBJECT

    static QTabWidget *pc1(TFAuswertung &f) { return f.findChild<QTabWidget *>(QStringLiteral("PC1")); }
    static TFFrScheineN *rahmen(TFAuswertung &f, int i) { return pc1(f)->widget(i)->findChild<TFFrScheineN *>(); }
    template <class T> static T *in(TFFrScheineN *r, const char *name) { return r->findChild<T *>(QLatin1String(name)); }
    static void oeffnen(TFAuswertung &f, DialogAttrappe &dialoge, const QStringList &dateien)
    {
        dialoge.oeffnenAntworten.enqueue(dateien);
        QTest::mouseClick(f.findChild<QPushButton *>(QStringLiteral("BOpen")), Qt::LeftButton);
    }

private Q_SLOTS:
    void dreiDateienMitMerken()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        u.schreibe(Dateinamen::Einstellungen, "[Abrechnung]\nPreis=2,00\n[Spielscheine]\nMerken=1\nDateienanzahl=5\n"
                                              "Datei1=a\nDatei2=b\nDatei3=c\nDatei4=d\nDatei5=e\n");
        QStringList dateien;
        for (const char *name : {"Woche.qtt", "Größe Maß.qtt", "Dritter.qtt"}) {
            u.schreibe(QString::fromUtf8(name), schein({{1, 2, 3, 4, 5, 6}}));
            dateien << u.pfad(QString::fromUtf8(name));
        }
        TFAuswertung f(u.zustand, u.befehle());
        f.findChild<QCheckBox *>(QStringLiteral("cbMerken"))->setChecked(true);
        oeffnen(f, dialoge, dateien);
        QCOMPARE(dialoge.gefragt.size(), 1);
        QCOMPARE(dialoge.gefragt[0].titel, QStringLiteral("Tippschein-Datei einlesen"));
        QCOMPARE(dialoge.gefragt[0].filtertext, QStringLiteral("Tippchein"));
        QCOMPARE(dialoge.gefragt[0].ordner, u.zustand.Datenordner);
        QVERIFY(dialoge.gefragt[0].mehrere);
        QCOMPARE(pc1(f)->count(), 3);
        QCOMPARE(pc1(f)->currentIndex(), 2);
        QCOMPARE(pc1(f)->tabText(1), QStringLiteral("Größe Maß"));
        QCOMPARE(pc1(f)->widget(2)->objectName(), QStringLiteral("Tab3"));
        QCOMPARE(pc1(f)->widget(2)->property("tag").toInt(), 3);
        QCOMPARE(rahmen(f, 2)->objectName(), QStringLiteral("fr3"));
        QVERIFY(pc1(f)->isVisible() || !f.isVisible());
        QCOMPARE(u.lies(Dateinamen::Einstellungen),
                 QStringLiteral("[Abrechnung]\nPreis=2,00\n[Spielscheine]\nDateienanzahl=3\nDatei1=%1\nDatei2=%2\nDatei3=%3\n")
                     .arg(dateien[0], dateien[1], dateien[2])
                     .toUtf8());
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    void ohneMerkenBleibtEinstellungsdatei()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        const QByteArray einstellungen = "[Abrechnung]\nPreis=2,00\n[Spielscheine]\nDateienanzahl=1\nDatei1=/weg.qtt\n";
        u.schreibe(Dateinamen::Einstellungen, einstellungen);
        u.schreibe(QStringLiteral("a.qtt"), schein({{1, 2, 3, 4, 5, 6}}));
        TFAuswertung f(u.zustand, u.befehle());
        f.findChild<QCheckBox *>(QStringLiteral("cbMerken"))->setChecked(false);
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("a.qtt"))});
        QCOMPARE(pc1(f)->count(), 1);
        QCOMPARE(u.lies(Dateinamen::Einstellungen), einstellungen);
        // Cancelling the dialog opens nothing.
        oeffnen(f, dialoge, {});
        QCOMPARE(pc1(f)->count(), 1);
    }

    // The remembered list is replaced in one write: when the new list does not fit, the old
    // list stays whole instead of a section with its entries half written.
    void merkenOhnePlatzBehaeltAlteListe()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        const QByteArray einstellungen = "[Spielscheine]\nMerken=1\nDateienanzahl=1\nDatei1=/a.qtt\n[Abrechnung]\nPreis=2,00\n";
        u.schreibe(Dateinamen::Einstellungen, einstellungen);
        const QString name = QStringLiteral("Ein recht langer Name für den Tippschein dieser Woche.qtt");
        u.schreibe(name, schein({{1, 2, 3, 4, 5, 6}}));
        TFAuswertung f(u.zustand, u.befehle());
        f.findChild<QCheckBox *>(QStringLiteral("cbMerken"))->setChecked(true);
        const auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
        {
            Groessengrenze grenze(static_cast<rlim_t>(einstellungen.size() + 10));
            oeffnen(f, dialoge, {u.pfad(name)});
        }
        std::signal(SIGXFSZ, altesSignal);
        QCOMPARE(pc1(f)->count(), 1);
        QCOMPARE(u.lies(Dateinamen::Einstellungen), einstellungen);
        QCOMPARE(meldungen.texte(), QStringList{QStringLiteral("Die Auswahl der Dateien konnte nicht gemerkt werden.\n\n"
                                                               "Die Datei wäre größer, als das System einer Datei erlaubt.")});
    }

    void neuerTab()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        QList<Reihe> zwoelf;
        for (std::uint8_t i = 1; i <= 12; ++i)
            zwoelf << Reihe{i, std::uint8_t(i + 10), std::uint8_t(i + 20), std::uint8_t(i + 30), std::uint8_t(i + 36), std::uint8_t(1 + i % 10)};
        u.schreibe(QStringLiteral("zwoelf.qtt"), schein(zwoelf, 4, 1));
        TFAuswertung f(u.zustand, u.befehle());
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("zwoelf.qtt"))});
        TFFrScheineN *r = rahmen(f, 0);
        QCOMPARE(in<QLabel>(r, "LDatei")->text(), QStringLiteral("zwoelf.qtt"));
        QCOMPARE(in<QLabel>(r, "LReihen")->text(), QStringLiteral("12"));
        QCOMPARE(in<QLineEdit>(r, "EAntGes")->text(), QStringLiteral("4"));
        QCOMPARE(in<QLineEdit>(r, "EAntmeine")->text(), QStringLiteral("1"));
        auto *g3 = in<QTableView>(r, "G3");
        QCOMPARE(g3->model()->rowCount(), 12);
        for (int k = 1; k <= 12; ++k) {
            const QString zelle = text(g3, k - 1, 0);
            QCOMPARE(zelle.trimmed(), QString::number(k));
            QVERIFY(zelle.startsWith(QLatin1Char(' '))); // centred by leading blanks
        }
        QCOMPARE(text(g3, 11, 5), QStringLiteral("48"));
        QCOMPARE(g3->model()->headerData(6, Qt::Horizontal).toString().trimmed(), QStringLiteral("ZZ"));
        QVERIFY(g3->columnWidth(0) >= 45);
        QCOMPARE(in<QComboBox>(r, "Combo1")->currentText(), QStringLiteral("15.01.2024"));
        QCOMPARE(in<QComboBox>(r, "combo2")->currentText(), QStringLiteral("08.01.2024"));
        QVERIFY(!in<QCheckBox>(r, "cbBack")->isChecked());
        auto *g5 = in<QTableView>(r, "G5");
        QCOMPARE(g5->model()->headerData(1, Qt::Horizontal).toString().trimmed(), QStringLiteral("5+ZZ"));
        QCOMPARE(g5->model()->headerData(10, Qt::Horizontal).toString().trimmed(), QStringLiteral("1"));
        QCOMPARE(text(g5, 0, 0).trimmed(), QStringLiteral("Anz."));
        auto *g3a = in<QTableView>(r, "G3a");
        QCOMPARE(g3a->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Richtige"));
        QCOMPARE(g3a->model()->headerData(3, Qt::Horizontal).toString().trimmed(), QStringLiteral("Gewinn"));
    }

    void startFaerbtTreffer()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        // Against the newest draw {11..15}/3: row 1 has 3 hits and ZZ, row 2 nothing, row 3 one hit.
        u.schreibe(QStringLiteral("a.qtt"), schein({{11, 12, 13, 30, 40, 3}, {1, 2, 3, 4, 5, 3}, {15, 20, 21, 22, 23, 9}}, 3, 1));
        u.schreibe(QStringLiteral("b.qtt"), schein({{1, 2, 3, 4, 5, 1}}));
        TFAuswertung f(u.zustand, u.befehle());
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("a.qtt")), u.pfad(QStringLiteral("b.qtt"))});
        TFFrScheineN *a = rahmen(f, 0);
        QTest::mouseClick(in<QPushButton>(a, "BStart"), Qt::LeftButton);
        QVERIFY(meldungen.eintraege.isEmpty());
        auto *g3 = in<QTableView>(a, "G3");
        QCOMPARE(hintergrund(g3, 0, 1), QColor(193, 255, 193));
        QCOMPARE(hintergrund(g3, 0, 4), QColor(Qt::white));
        QCOMPARE(hintergrund(g3, 0, 6), QColor(106, 255, 106));
        QCOMPARE(hintergrund(g3, 1, 6), QColor(106, 255, 106));
        QCOMPARE(hintergrund(g3, 2, 1), QColor(193, 255, 193));

        auto *g3a = in<QTableView>(a, "G3a");
        QCOMPARE(g3a->model()->rowCount(), 2);
        QCOMPARE(text(g3a, 0, 0), QStringLiteral("15.01.2024"));
        QCOMPARE(text(g3a, 0, 1), QStringLiteral("3 + ZZ"));
        QCOMPARE(text(g3a, 0, 3), QStringLiteral("40,00"));
        QCOMPARE(text(g3a, 0, 4), QStringLiteral("13,33"));
        QCOMPARE(text(g3a, 1, 0), QString());
        QCOMPARE(text(g3a, 1, 1), QStringLiteral("1"));
        QCOMPARE(in<QLabel>(a, "LGesGewinn")->text(), QStringLiteral("40,50\u00A0€"));
        QCOMPARE(in<QLabel>(a, "LGesGewinnAnt")->text(), QStringLiteral("13,50\u00A0€"));
        QCOMPARE(in<QLabel>(a, "LRL")->text(), QStringLiteral("675,00 %"));
        QCOMPARE(in<QLabel>(a, "LRLErwartet")->text(), QStringLiteral("52,10 %"));
        QCOMPARE(in<QLabel>(a, "LHGew")->text(), QStringLiteral("40,00\u00A0€"));
        QCOMPARE(in<QLabel>(a, "LHGewWann")->text(), QStringLiteral("15.01.2024"));
        QCOMPARE(a->hoechstgewinnMarke(), 1);
        QCOMPARE(hintergrund(g3a, 0, 2), QColor(185, 241, 253));
        QCOMPARE(hintergrund(g3a, 1, 2), QColor(Qt::white));
        auto *g5 = in<QTableView>(a, "G5");
        QCOMPARE(text(g5, 0, 5).trimmed(), QStringLiteral("1"));
        QCOMPARE(text(g5, 0, 10).trimmed(), QStringLiteral("1"));
        QCOMPARE(text(g5, 0, 1).trimmed(), QStringLiteral("-"));

        // A range evaluation in the other tab: tab a's hits lose their colour.
        TFFrScheineN *b = rahmen(f, 1);
        in<QCheckBox>(b, "cbBack")->setChecked(true);
        in<QComboBox>(b, "combo2")->setCurrentIndex(0);
        QTest::mouseClick(in<QPushButton>(b, "BStart"), Qt::LeftButton);
        QCOMPARE(in<QTableView>(b, "G3a")->model()->rowCount(), 3);
        QCOMPARE(hintergrund(g3, 0, 1), QColor(Qt::white));
        QCOMPARE(hintergrund(g3, 0, 6), QColor(Qt::white));
    }

    // Shares come from the file whole, up to the 16-bit maximum, and the evaluation uses them.
    void grosseAnteile_data()
    {
        QTest::addColumn<int>("gesamt");
        QTest::addColumn<int>("meine");
        QTest::addColumn<QString>("anteil");
        QTest::newRow("10000 shares, 1 own") << 10000 << 1 << QStringLiteral("200,00");
        QTest::newRow("65535 shares, 3 own") << 65535 << 3 << QStringLiteral("91,55");
        QTest::newRow("65535 of 65535") << 65535 << 65535 << QStringLiteral("2.000.000,00");
    }
    void grosseAnteile()
    {
        QFETCH(int, gesamt);
        QFETCH(int, meine);
        QFETCH(QString, anteil);
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        // Class 1 in the newest draw {11..15}/3.
        u.schreibe(QStringLiteral("a.qtt"),
                   schein({{11, 12, 13, 14, 15, 3}}, std::uint16_t(gesamt), std::uint16_t(meine)));
        TFAuswertung f(u.zustand, u.befehle());
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("a.qtt"))});
        TFFrScheineN *a = rahmen(f, 0);
        QCOMPARE(in<QLineEdit>(a, "EAntGes")->text(), QString::number(gesamt));
        QCOMPARE(in<QLineEdit>(a, "EAntmeine")->text(), QString::number(meine));
        QTest::mouseClick(in<QPushButton>(a, "BStart"), Qt::LeftButton);
        QCOMPARE(text(in<QTableView>(a, "G3a"), 0, 4), anteil);
        QCOMPARE(in<QLabel>(a, "LGesGewinnAnt")->text(), anteil + QStringLiteral("\u00A0€"));
        QVERIFY(meldungen.eintraege.isEmpty());

        // Typing, were the field editable, stops at four digits.
        auto *feld = in<QLineEdit>(a, "EAntmeine");
        feld->setReadOnly(false);
        feld->clear();
        QTest::keyClicks(feld, QStringLiteral("12345"));
        QCOMPARE(feld->text(), QStringLiteral("1234"));
    }

    void zeitraumFalschHerum()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        u.schreibe(QStringLiteral("a.qtt"), schein({{11, 12, 13, 30, 40, 3}}));
        TFAuswertung f(u.zustand, u.befehle());
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("a.qtt"))});
        TFFrScheineN *a = rahmen(f, 0);
        QTest::mouseClick(in<QPushButton>(a, "BStart"), Qt::LeftButton);
        QCOMPARE(in<QLabel>(a, "LRL")->text(), QStringLiteral("2000,00 %"));
        in<QCheckBox>(a, "cbBack")->setChecked(true);
        in<QComboBox>(a, "Combo1")->setCurrentIndex(0);
        in<QComboBox>(a, "combo2")->setCurrentIndex(2);
        QTest::mouseClick(in<QPushButton>(a, "BStart"), Qt::LeftButton);
        QCOMPARE(meldungen.texte(), QStringList{QStringLiteral("Bitte kontrollieren Sie die Angaben für den Zeitraum der "
                                                               "Gewinnauswertung\n\nIch breche erst einmal ab.")});
        // The list, the counts, the return rate and the share stay; total and highest win are emptied.
        QCOMPARE(in<QTableView>(a, "G3a")->model()->rowCount(), 1);
        QCOMPARE(in<QLabel>(a, "LRL")->text(), QStringLiteral("2000,00 %"));
        QCOMPARE(in<QLabel>(a, "LGesGewinn")->text(), QString());
        QCOMPARE(in<QLabel>(a, "LHGew")->text(), QString());
        QCOMPARE(in<QLabel>(a, "LHGewWann")->text(), QString());
        QCOMPARE(a->hoechstgewinnMarke(), 0);
    }

    // The program's own refusals change nothing: the hit colouring keeps following the last
    // evaluation that ran, and the refused tab keeps what it showed.
    void eigeneAbsageAendertNichts_data()
    {
        QTest::addColumn<int>("verbleibend"); // draws left in the history after the tabs were opened
        QTest::addColumn<QString>("meldung");
        QTest::newRow("no draws") << 0
                                  << QStringLiteral("Es sind keine Ziehungen vorhanden, die ausgewertet werden "
                                                    "könnten.\n\nIch breche erst einmal ab.");
        QTest::newRow("draw not in the history")
            << 2
            << QStringLiteral("Die gewählte Ziehung ist in der Liste der Ziehungen nicht vorhanden. Bitte wählen Sie "
                              "den Zeitraum neu aus.\n\nIch breche erst einmal ab.");
    }
    void eigeneAbsageAendertNichts()
    {
        QFETCH(int, verbleibend);
        QFETCH(QString, meldung);
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        // Row 1 hits the oldest draw {1..5}/1, row 2 the newest {11..15}/3.
        u.schreibe(QStringLiteral("a.qtt"), schein({{1, 2, 3, 4, 5, 1}, {11, 12, 13, 14, 15, 3}}));
        TFAuswertung f(u.zustand, u.befehle());
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("a.qtt")), u.pfad(QStringLiteral("a.qtt"))});
        TFFrScheineN *a = rahmen(f, 0);
        TFFrScheineN *b = rahmen(f, 1);
        QTest::mouseClick(in<QPushButton>(b, "BStart"), Qt::LeftButton);
        in<QCheckBox>(a, "cbBack")->setChecked(true);
        in<QComboBox>(a, "combo2")->setCurrentIndex(0);
        QTest::mouseClick(in<QPushButton>(a, "BStart"), Qt::LeftButton);
        QVERIFY(!u.zustand.EinzelAuswertung);
        auto *g3 = in<QTableView>(a, "G3");
        QCOMPARE(hintergrund(g3, 0, 1), QColor(Qt::white));

        u.zustand.Ziehungen.resize(verbleibend);
        QTest::mouseClick(in<QPushButton>(b, "BStart"), Qt::LeftButton);
        QCOMPARE(meldungen.texte(), QStringList{meldung});
        // Still the range: no tab colours its rows against the oldest draw.
        QVERIFY(!u.zustand.EinzelAuswertung);
        QCOMPARE(hintergrund(g3, 0, 1), QColor(Qt::white));
        QCOMPARE(hintergrund(in<QTableView>(b, "G3"), 0, 1), QColor(Qt::white));
        QCOMPARE(in<QLabel>(b, "LHGew")->text(), QStringLiteral("2.000.000,00\u00A0€"));
        QCOMPARE(in<QLabel>(b, "LHGewWann")->text(), QStringLiteral("15.01.2024"));
        QCOMPARE(in<QLabel>(b, "LGesGewinn")->text(), QStringLiteral("2.000.000,00\u00A0€"));
        QCOMPARE(b->hoechstgewinnMarke(), 1);
        QCOMPARE(in<QTableView>(b, "G3a")->model()->rowCount(), 1);
    }

    // The largest figures the frame shows fit their columns and labels in the widget's own font:
    // a class-1 win with one share, the largest share counts, a return rate of twelve digits.
    // Dates in a locale that writes month names ("28 Sep 2024") are wider than "dd.MM.yyyy".
    void datumPasstInJedesGebietsschema()
    {
        Testumgebung u;
        u.zustand.Formateinstellungen = QLocale::c();
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(60));
        u.schreibe(QStringLiteral("a.qtt"), schein({{1, 2, 3, 4, 5, 6}}));
        TFAuswertung f(u.zustand, u.befehle());
        f.findChild<QCheckBox *>(QStringLiteral("cbMerken"))->setChecked(false);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("a.qtt"))});

        auto *g1 = f.findChild<QTableView *>(QStringLiteral("G1"));
        QCOMPARE(g1->model()->rowCount(), 60);
        for (int z = 0; z < 60; ++z)
            QVERIFY2(zeigtGanz(g1, z, 0), qPrintable(text(g1, z, 0)));
        auto *g3a = in<QTableView>(rahmen(f, 0), "G3a");
        const QFontMetrics fm(g3a->font());
        for (int monat = 1; monat <= 12; ++monat) {
            const QString datum = Datum::kurz(QDate(2024, monat, 28), QLocale::c());
            QVERIFY2(fm.horizontalAdvance(datum) + 2 <= g3a->columnWidth(0), qPrintable(datum));
        }
    }

    void grosseZahlenPassen()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        u.schreibe(Dateinamen::Einstellungen, "[Abrechnung]\nPreis=0,125\n");
        u.schreibe(QStringLiteral("a.qtt"), schein({{11, 12, 13, 14, 15, 3}}, 65535, 65535));
        TFAuswertung f(u.zustand, u.befehle());
        f.findChild<QCheckBox *>(QStringLiteral("cbMerken"))->setChecked(false);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("a.qtt"))});
        TFFrScheineN *a = rahmen(f, 0);
        QTest::mouseClick(in<QPushButton>(a, "BStart"), Qt::LeftButton);
        QCoreApplication::processEvents();

        auto *g3a = in<QTableView>(a, "G3a");
        QCOMPARE(text(g3a, 0, 3), QStringLiteral("2.000.000,00"));
        QCOMPARE(text(g3a, 0, 4), QStringLiteral("2.000.000,00"));
        for (int c = 0; c < 5; ++c) {
            QVERIFY2(zeigtGanz(g3a, 0, c), qPrintable(text(g3a, 0, c)));
            QVERIFY2(kopfGanz(g3a, c), qPrintable(QString::number(c)));
        }
        // Every column shows at once, without scrolling sideways.
        QVERIFY(g3a->horizontalHeader()->length() <= g3a->viewport()->width());
        auto *g5 = in<QTableView>(a, "G5");
        for (int c = 0; c < 11; ++c)
            QVERIFY2(kopfGanz(g5, c), qPrintable(QString::number(c)));
        QVERIFY(g5->horizontalHeader()->length() <= g5->viewport()->width());

        QCOMPARE(in<QLabel>(a, "LRL")->text(), QStringLiteral("1600000000,00 %"));
        for (const char *name :
             {"LDatei", "LReihen", "LHGew", "LHGewWann", "LGesGewinn", "LGesGewinnAnt", "LRL", "LRLErwartet"})
            QVERIFY2(zeigtGanz(in<QLabel>(a, name)), name);
        for (QLabel *l : a->findChildren<QLabel *>())
            QVERIFY2(zeigtGanz(l), qPrintable(l->text()));
        QCOMPARE(in<QLineEdit>(a, "EAntGes")->text(), QStringLiteral("65535"));
        QVERIFY(zeigtGanz(in<QLineEdit>(a, "EAntGes")));
        QVERIFY(zeigtGanz(in<QLineEdit>(a, "EAntmeine")));
    }

    void zeigSpringtZumHoechstgewinn()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(200));
        QList<Reihe> reihen;
        for (std::uint8_t i = 0; i < 5; ++i)
            reihen << Reihe{21, 23, 25, 27, 29, std::uint8_t(1 + i)};
        u.schreibe(QStringLiteral("a.qtt"), schein(reihen));
        TFAuswertung f(u.zustand, u.befehle());
        f.resize(925, 600);
        f.show();
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("a.qtt"))});
        TFFrScheineN *a = rahmen(f, 0);
        in<QCheckBox>(a, "cbBack")->setChecked(true);
        in<QComboBox>(a, "combo2")->setCurrentIndex(0);
        // The first 5 + ZZ win (draw 21: 21 23 25 27 29, ZZ 1) lies below the visible rows.
        QTest::mouseClick(in<QPushButton>(a, "BStart"), Qt::LeftButton);
        const int marke = a->hoechstgewinnMarke();
        auto *g3a = in<Gitter>(a, "G3a");
        QVERIFY(marke > g3a->sichtbareGanzeZeilen());
        QCOMPARE(text(g3a, marke - 1, 0), QStringLiteral("20.05.2024"));
        QCOMPARE(g3a->verticalScrollBar()->value(), 0);
        QTest::mouseClick(in<QToolButton>(a, "BZeig"), Qt::LeftButton);
        QCOMPARE(g3a->verticalScrollBar()->value(), marke - 7);
        QCOMPARE(text(g3a, marke - 1, 1), QStringLiteral("5 + ZZ"));
    }

    void tabsSchliessenUndZaehler()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(QStringLiteral("a.qtt"), schein({{1, 2, 3, 4, 5, 6}}));
        TFAuswertung f(u.zustand, u.befehle());
        const QString a = u.pfad(QStringLiteral("a.qtt"));
        oeffnen(f, dialoge, {a, a, a});
        pc1(f)->setCurrentIndex(1);
        QTest::mouseClick(f.findChild<QToolButton *>(QStringLiteral("BKr2")), Qt::LeftButton);
        QCOMPARE(pc1(f)->count(), 2);
        QCOMPARE(pc1(f)->widget(1)->objectName(), QStringLiteral("Tab3"));
        QTest::mouseClick(f.findChild<QToolButton *>(QStringLiteral("BKr1")), Qt::LeftButton);
        QCOMPARE(pc1(f)->count(), 0);
        QVERIFY(f.findChildren<TFFrScheineN *>().isEmpty());
        oeffnen(f, dialoge, {a});
        QCOMPARE(pc1(f)->widget(0)->objectName(), QStringLiteral("Tab4"));
        QCOMPARE(rahmen(f, 0)->objectName(), QStringLiteral("fr4"));
        QTest::mouseClick(f.findChild<QToolButton *>(QStringLiteral("BKr1")), Qt::LeftButton);
        QTest::mouseClick(f.findChild<QToolButton *>(QStringLiteral("BKr2")), Qt::LeftButton); // nothing left
        QCOMPARE(pc1(f)->count(), 0);
    }

    // A ticket of 150.000 rows, row numbers up to six digits: every cell of the grid shows its
    // record, and the class counts of one draw match a count made here, row by row.
    void grosserScheinGanzAusgewertet()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        constexpr int Reihen = 150'000;
        std::mt19937 zufall(27);
        QList<Reihe> reihen;
        std::array<int, AnzahlGewinnklassen> soll{};
        int gewinnreihen = 0;
        for (int i = 0; i < Reihen; ++i) {
            std::array<std::uint8_t, 49> topf{};
            std::iota(topf.begin(), topf.end(), std::uint8_t(1));
            Reihe r{};
            for (int k = 0; k < 5; ++k) {
                std::swap(topf[std::size_t(k)], topf[std::size_t(k) + zufall() % (49 - k)]);
                r[std::size_t(k)] = topf[std::size_t(k)];
            }
            r[5] = std::uint8_t(1 + zufall() % 10);
            reihen << r;
            // Against the newest draw {11..15}/3.
            const int treffer = int(std::count_if(r.begin(), r.begin() + 5, [](int z) { return z >= 11 && z <= 15; }));
            if (treffer > 0) {
                ++soll[std::size_t((5 - treffer) * 2 + (r[5] == 3 ? 0 : 1))];
                ++gewinnreihen;
            }
        }
        u.schreibe(QStringLiteral("gross.qtt"), schein(reihen));
        TFAuswertung f(u.zustand, u.befehle());
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("gross.qtt"))});
        TFFrScheineN *a = rahmen(f, 0);
        QCOMPARE(in<QLabel>(a, "LReihen")->text(), QString::number(Reihen));
        auto *g3 = in<QTableView>(a, "G3");
        QCOMPARE(g3->model()->rowCount(), Reihen);
        for (int i = 0; i < Reihen; ++i) {
            if (text(g3, i, 0).trimmed() != QString::number(i + 1))
                QFAIL(qPrintable(QStringLiteral("row %1 numbered \"%2\"").arg(i + 1).arg(text(g3, i, 0))));
            for (int c = 1; c <= 6; ++c)
                if (text(g3, i, c) != QString::number(reihen[i][std::size_t(c - 1)]))
                    QFAIL(qPrintable(QStringLiteral("row %1, column %2: \"%3\"").arg(i + 1).arg(c).arg(text(g3, i, c))));
        }

        QTest::mouseClick(in<QPushButton>(a, "BStart"), Qt::LeftButton);
        QVERIFY(meldungen.eintraege.isEmpty());
        QCOMPARE(in<QTableView>(a, "G3a")->model()->rowCount(), gewinnreihen);
        auto *g5 = in<QTableView>(a, "G5");
        for (int k = 0; k < AnzahlGewinnklassen; ++k) {
            const QString gezeigt = text(g5, 0, k + 1).trimmed();
            const int anzahl = gezeigt == QLatin1String("-") ? 0 : QString(gezeigt).remove(QLatin1Char('.')).toInt();
            QCOMPARE(anzahl, soll[std::size_t(k)]);
        }
        // The hits of the last row are coloured like any other.
        const Reihe &letzte = reihen.constLast();
        for (int c = 1; c <= 5; ++c) {
            const bool treffer = letzte[std::size_t(c - 1)] >= 11 && letzte[std::size_t(c - 1)] <= 15;
            QCOMPARE(hintergrund(g3, Reihen - 1, c), treffer ? QColor(193, 255, 193) : QColor(Qt::white));
        }
    }

    void historieMitEinerZiehung()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(1));
        u.schreibe(QStringLiteral("a.qtt"), schein({{1, 3, 5, 7, 9, 1}}));
        TFAuswertung f(u.zustand, u.befehle());
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("a.qtt"))});
        TFFrScheineN *a = rahmen(f, 0);
        QCOMPARE(in<QComboBox>(a, "Combo1")->currentIndex(), 0);
        QCOMPARE(in<QComboBox>(a, "combo2")->currentIndex(), -1);
        QTest::mouseClick(in<QPushButton>(a, "BStart"), Qt::LeftButton);
        QCOMPARE(in<QLabel>(a, "LHGew")->text(), QStringLiteral("2.000.000,00\u00A0€"));
    }

    void leereHistorieWertetNichtsAus()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(QStringLiteral("a.qtt"), schein({{1, 3, 5, 7, 9, 1}}));
        TFAuswertung f(u.zustand, u.befehle());
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("a.qtt"))});
        QTest::mouseClick(in<QPushButton>(rahmen(f, 0), "BStart"), Qt::LeftButton);
        QCOMPARE(meldungen.eintraege.size(), 1);
        QCOMPARE(in<QTableView>(rahmen(f, 0), "G3a")->model()->rowCount(), 0);
    }

    void gemerkteDateienBeimStart_data()
    {
        QTest::addColumn<QByteArray>("merken");
        QTest::newRow("Merken=1") << QByteArray("1");
        QTest::newRow("Merken=0") << QByteArray("0");
    }
    void gemerkteDateienBeimStart()
    {
        QFETCH(QByteArray, merken);
        Testumgebung u(true);
        MeldungsRecorder meldungen;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        u.schreibe(QStringLiteral("eins.qtt"), schein({{1, 2, 3, 4, 5, 6}}));
        u.schreibe(QStringLiteral("drei.qtt"), schein({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 1}}));
        u.schreibe(Dateinamen::Einstellungen,
                   "[Spielscheine]\nMerken=" + merken + "\nDateienanzahl=3\nDatei1=" + u.pfad(QStringLiteral("eins.qtt")).toUtf8()
                       + "\nDatei2=" + u.pfad(QStringLiteral("zwei.qtt")).toUtf8() + "\nDatei3="
                       + u.pfad(QStringLiteral("drei.qtt")).toUtf8() + "\n");
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        QTRY_COMPARE(pc1(f)->count(), 2);
        QCOMPARE(pc1(f)->tabText(0), QStringLiteral("eins"));
        QCOMPARE(pc1(f)->tabText(1), QStringLiteral("drei"));
        QCOMPARE(meldungen.texte(), QStringList{QStringLiteral("Die mit dem Programmstart zu ladende Datei zwei.qtt\n\n"
                                                               " wurde nicht gefunden.")});
        QCOMPARE(f.findChild<QCheckBox *>(QStringLiteral("cbMerken"))->isChecked(), merken == "1");
    }

    // A key that is missing or empty names no file: no message, and no endless chain of them.
    void gemerkteDateienMitLuecken_data()
    {
        QTest::addColumn<QByteArray>("abschnitt");
        QTest::addColumn<QStringList>("tabs");
        QTest::newRow("gap and empty key") << QByteArray("Dateienanzahl=4\nDatei1=EINS\nDatei3=\nDatei4=DREI\nDatei5=EINS\n")
                                           << QStringList{QStringLiteral("eins"), QStringLiteral("drei")};
        QTest::newRow("count far beyond the keys") << QByteArray("Dateienanzahl=2147483647\nDatei1=DREI\n")
                                                   << QStringList{QStringLiteral("drei")};
    }
    void gemerkteDateienMitLuecken()
    {
        QFETCH(QByteArray, abschnitt);
        QFETCH(QStringList, tabs);
        Testumgebung u;
        MeldungsRecorder meldungen;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        u.schreibe(QStringLiteral("eins.qtt"), schein({{1, 2, 3, 4, 5, 6}}));
        u.schreibe(QStringLiteral("drei.qtt"), schein({{1, 2, 3, 4, 5, 6}}));
        abschnitt.replace("EINS", u.pfad(QStringLiteral("eins.qtt")).toUtf8());
        abschnitt.replace("DREI", u.pfad(QStringLiteral("drei.qtt")).toUtf8());
        u.schreibe(Dateinamen::Einstellungen, "[Spielscheine]\n" + abschnitt);
        TFAuswertung f(u.zustand, u.befehle());
        f.ersteAnzeige();
        QStringList offen;
        for (int i = 0; i < pc1(f)->count(); ++i)
            offen << pc1(f)->tabText(i);
        QCOMPARE(offen, tabs);
        QCOMPARE(meldungen.texte(), QStringList());
    }

    void beispielscheinBeimErstenStart()
    {
        Testumgebung u(true);
        MeldungsRecorder meldungen;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        QCOMPARE(u.lies(Dateinamen::DemoTippschein).size(), 120);
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        QTRY_COMPARE(pc1(f)->count(), 1);
        QCOMPARE(pc1(f)->tabText(0), QStringLiteral("Demo-Tippschein"));
        QCOMPARE(in<QLabel>(rahmen(f, 0), "LReihen")->text(), QStringLiteral("12"));
    }

    void gespeicherteZiehungErreichtTabs()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        u.schreibe(QStringLiteral("a.qtt"), schein({{1, 2, 3, 4, 5, 6}}));
        TFAuswertung f(u.zustand, u.befehle());
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("a.qtt"))});
        TFFrScheineN *a = rahmen(f, 0);
        // Every date list holds the history itself, not a copy of it.
        const auto daten = [](TFFrScheineN *r, const char *liste) {
            return qobject_cast<const DatumslistenModell *>(in<QComboBox>(r, liste)->model())->liste();
        };
        const QVector<TGewZahlen> alt = u.zustand.Ziehungen;
        QCOMPARE(daten(a, "Combo1").ziehungen.constData(), alt.constData());
        QCOMPARE(daten(a, "combo2").ziehungen.constData(), alt.constData());
        in<QComboBox>(a, "combo2")->setCurrentIndex(0);
        QTest::mouseClick(f.findChild<QPushButton *>(QStringLiteral("BHinzu")), Qt::LeftButton);
        // A tab opened while a new draw is entered offers its proposed date as well.
        oeffnen(f, dialoge, {u.pfad(QStringLiteral("a.qtt"))});
        TFFrScheineN *b = rahmen(f, 1);
        QCOMPARE(in<QComboBox>(b, "Combo1")->count(), 4);
        QCOMPARE(in<QComboBox>(b, "Combo1")->itemText(3), QStringLiteral("22.01.2024"));
        QCOMPARE(daten(b, "Combo1").ziehungen.constData(), alt.constData());
        for (int n : {1, 2, 3, 4, 5})
            QTest::mouseClick(f.findChild<QPushButton *>(QStringLiteral("PNummer%1").arg(n)), Qt::LeftButton);
        QTest::mouseClick(f.findChild<QPushButton *>(QStringLiteral("PSZNummer6")), Qt::LeftButton);
        QTest::mouseClick(f.findChild<QPushButton *>(QStringLiteral("SpeedButton2")), Qt::LeftButton);
        QCOMPARE(in<QComboBox>(a, "Combo1")->count(), 4);
        QCOMPARE(in<QComboBox>(a, "Combo1")->currentText(), QStringLiteral("22.01.2024"));
        QCOMPARE(daten(a, "Combo1").ziehungen.constData(), u.zustand.Ziehungen.constData());
        QCOMPARE(in<QComboBox>(a, "combo2")->count(), 3); // the start list is not refreshed
        QCOMPARE(in<QComboBox>(a, "combo2")->currentIndex(), 0);
        QCOMPARE(daten(a, "combo2").ziehungen.constData(), alt.constData());
        QTest::mouseClick(in<QPushButton>(a, "BStart"), Qt::LeftButton);
        QCOMPARE(in<QLabel>(a, "LHGew")->text(), QStringLiteral("2.000.000,00\u00A0€"));
        QCOMPARE(in<QLabel>(a, "LHGewWann")->text(), QStringLiteral("22.01.2024"));
    }
};

QTEST_MAIN(TestTippscheinTabs)
#include "tst_tippscheintabs.moc"
