// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Attrappen.h"
#include "Bildschirmfoto.h"
#include "Dateien.h"
#include "Testumgebung.h"

#include "model/Spiel.h"
#include "ui/haupt/FrScheine.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/haupt/Tippauswertung.h"
#include "ui/gewinnreihen/ImportVorschau.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <numeric>

namespace {
// 08.01.2024 {1..5}/1, 15.01.2024 {6..10}/2, 29.01.2024 {11..15}/3.
QByteArray dreiZiehungen()
{
    QByteArray d;
    const QDate tage[] = {QDate(2024, 1, 8), QDate(2024, 1, 15), QDate(2024, 1, 29)};
    for (int i = 0; i < 3; ++i) {
        const auto a = static_cast<std::uint8_t>(1 + 5 * i);
        d += Testumgebung::ziehung(
                 tage[i], {a, std::uint8_t(a + 1), std::uint8_t(a + 2), std::uint8_t(a + 3), std::uint8_t(a + 4)},
                 std::uint8_t(1 + i))
                 .alsBytes();
    }
    return d;
}

// Two new draws (25.12.2023 before all, 22.01.2024 between), 15.01. changed, 08.01. known, two
// broken lines.
const QByteArray Importdatei = "Datum,Z1,Z2,Z3,Z4,Z5,ZZ\n"
                               "2024-01-08,1,2,3,4,5,1\n"
                               "2024-01-15,6,7,8,9,44,2\n"
                               "2024-01-22,20,21,22,23,24,4\n"
                               "2024-01-32,1,2,3,4,5,6\n"
                               "2023-12-25,31,32,33,34,35,5\n"
                               "2024-02-05,1,2,3\n";

QString zelle(QTableView *g, int zeile, int spalte)
{
    return g->model()->index(zeile, spalte).data().toString().trimmed();
}
} // namespace

class TestGewinnreihenaustausch : public QObject
{
    Q_OBJECT

    static QAction *aktion(TFAuswertung &f, const char *name) { return f.findChild<QAction *>(QLatin1String(name)); }

    // Runs `imDialog` on the preview as soon as it shows, while the import command waits for it;
    // a check that failed in it leaves the preview cancelled, so the command returns.
    static void beiVorschau(std::function<void(TFGewinnreihenImport *)> imDialog)
    {
        QTimer::singleShot(0, [imDialog] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *d = qobject_cast<TFGewinnreihenImport *>(w); d && d->isVisible()) {
                    imDialog(d);
                    if (d->isVisible())
                        d->reject();
                    return;
                }
            QFAIL("no preview");
        });
    }

private Q_SLOTS:
    // The menu's import: the preview shows what the file holds, and what the user confirms is
    // all that changes; the table, the tabs' date lists and the statistics base follow.
    void importMitVorschau()
    {
        Testumgebung u(true);
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        const QByteArray vorher = dreiZiehungen();
        u.schreibe(Dateinamen::Gewinnreihen, vorher);
        u.schreibe(QStringLiteral("import.csv"), Importdatei);
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        f.tippauswertung()->DateienEinlesen(u.pfad(Dateinamen::DemoTippschein));

        dialoge.oeffnenAntworten.enqueue({u.pfad(QStringLiteral("import.csv"))});
        beiVorschau([&](TFGewinnreihenImport *d) {
            QCOMPARE(
                d->findChild<QLabel *>(QStringLiteral("LSumme"))->text(),
                QStringLiteral("2 neue Ziehungen, 1 abweichende Ziehung, 1 schon vorhanden, 2 Zeilen nicht lesbar."));
            auto *neu = d->findChild<QTableView *>(QStringLiteral("GNeu"));
            QCOMPARE(neu->model()->rowCount(), 2);
            QCOMPARE(zelle(neu, 0, 1), QStringLiteral("25.12.2023"));
            QCOMPARE(zelle(neu, 1, 1), QStringLiteral("22.01.2024"));
            QCOMPARE(zelle(neu, 1, 7), QStringLiteral("4"));
            auto *abweichend = d->findChild<QTableView *>(QStringLiteral("GAbweichend"));
            QCOMPARE(abweichend->model()->rowCount(), 1);
            QCOMPARE(zelle(abweichend, 0, 0), QStringLiteral("3"));
            QCOMPARE(zelle(abweichend, 0, 2), QStringLiteral("6 7 8 9 10 | 2"));
            QCOMPARE(zelle(abweichend, 0, 3), QStringLiteral("6 7 8 9 44 | 2"));
            auto *fehler = d->findChild<QTableView *>(QStringLiteral("GFehler"));
            QCOMPARE(fehler->model()->rowCount(), 2);
            QCOMPARE(zelle(fehler, 0, 0), QStringLiteral("5"));
            QCOMPARE(zelle(fehler, 0, 1), QStringLiteral("\u201E2024-01-32\u201C ist kein Datum."));
            QCOMPARE(zelle(fehler, 1, 0), QStringLiteral("7"));
            QVERIFY(d->findChild<QRadioButton *>(QStringLiteral("RBNeue"))->isChecked());
            bildSichern(d, QStringLiteral("import-vorschau"));
            d->findChild<QTabWidget *>(QStringLiteral("PCVorschau"))->setCurrentIndex(1);
            bildSichern(d, QStringLiteral("import-vorschau-abweichend"));
            d->findChild<QTabWidget *>(QStringLiteral("PCVorschau"))->setCurrentIndex(2);
            bildSichern(d, QStringLiteral("import-vorschau-fehler"));
            QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("BUebernehmen")), Qt::LeftButton);
        });
        aktion(f, "AGewinnreihenImportieren")->trigger();

        QCOMPARE(meldungen.texte(), QStringList{QStringLiteral("2 neue Ziehungen übernommen, 0 ersetzt.")});
        // In date order, the changed draw as it was; the old file kept as the backup.
        QCOMPARE(u.lies(Dateinamen::Gewinnreihen),
                 Testumgebung::ziehung(QDate(2023, 12, 25), {31, 32, 33, 34, 35}, 5).alsBytes() + vorher.left(32) +
                     Testumgebung::ziehung(QDate(2024, 1, 22), {20, 21, 22, 23, 24}, 4).alsBytes() + vorher.mid(32));
        QCOMPARE(u.lies(Dateinamen::Sicherung), vorher);
        QCOMPARE(u.zustand.Ziehungen.size(), 5);
        QCOMPARE(f.findChild<QLabel *>(QStringLiteral("LZT"))->text(), QStringLiteral("  5 Gewinnreihen"));
        QCOMPARE(zelle(f.findChild<QTableView *>(QStringLiteral("G1")), 0, 0), QStringLiteral("29.01.2024"));
        auto *combo1 = f.tippauswertung()->PC1()->widget(0)->findChild<QComboBox *>(QStringLiteral("Combo1"));
        QCOMPARE(combo1->count(), 5);
        QCOMPARE(combo1->itemText(0), QStringLiteral("25.12.2023"));
        QCOMPARE(combo1->currentIndex(), 4);
        QCOMPARE(std::accumulate(u.zustand.Haeufigkeiten.begin(), u.zustand.Haeufigkeiten.end(), 0), 25);
        bildSichern(&f, QStringLiteral("nach-import"));

        // Again, now replacing the differing draw too; the first backup stays.
        meldungen.eintraege.clear();
        dialoge.oeffnenAntworten.enqueue({u.pfad(QStringLiteral("import.csv"))});
        beiVorschau([&](TFGewinnreihenImport *d) {
            QVERIFY(!d->findChild<QPushButton *>(QStringLiteral("BUebernehmen"))->isEnabled());
            // On the round mark: a radio button in a wide layout reacts to clicks on its mark and text only.
            auto *ersetzen = d->findChild<QRadioButton *>(QStringLiteral("RBErsetzen"));
            QTest::mouseClick(ersetzen, Qt::LeftButton, {}, QPoint(8, ersetzen->height() / 2));
            QVERIFY(d->findChild<QPushButton *>(QStringLiteral("BUebernehmen"))->isEnabled());
            QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("BUebernehmen")), Qt::LeftButton);
        });
        aktion(f, "AGewinnreihenImportieren")->trigger();
        QCOMPARE(meldungen.texte(), QStringList{QStringLiteral("0 neue Ziehungen übernommen, 1 ersetzt.")});
        QCOMPARE(u.zustand.Ziehungen[2].GZ, (std::array<std::uint8_t, 5>{6, 7, 8, 9, 44}));
        QCOMPARE(u.lies(Dateinamen::Sicherung), vorher);
    }

    // A file of many unreadable lines: the preview lists the first 100 with their reasons, counts
    // all, and says how many more there are.
    void vieleNichtLesbar()
    {
        Testumgebung u(true);
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        QByteArray datei = "Datum;Z1;Z2;Z3;Z4;Z5;ZZ\n2024-02-05;1;2;3;4;5;6\n";
        for (int i = 0; i < 150; ++i)
            datei += "2024-02-" + QByteArray::number(40 + i) + ";1;2;3;4;5;6\n";
        u.schreibe(QStringLiteral("viele.csv"), datei);
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        dialoge.oeffnenAntworten.enqueue({u.pfad(QStringLiteral("viele.csv"))});
        beiVorschau([&](TFGewinnreihenImport *d) {
            QCOMPARE(d->findChild<QLabel *>(QStringLiteral("LSumme"))->text(),
                     QStringLiteral("1 neue Ziehung, 0 abweichende Ziehungen, 0 schon vorhanden, 150 Zeilen nicht "
                                    "lesbar."));
            auto *seiten = d->findChild<QTabWidget *>(QStringLiteral("PCVorschau"));
            QCOMPARE(seiten->tabText(2), QStringLiteral("Nicht lesbare Zeilen (150)"));
            seiten->setCurrentIndex(2);
            auto *fehler = d->findChild<QTableView *>(QStringLiteral("GFehler"));
            QCOMPARE(fehler->model()->rowCount(), 101);
            QCOMPARE(zelle(fehler, 0, 0), QStringLiteral("3"));
            QCOMPARE(zelle(fehler, 99, 0), QStringLiteral("102"));
            QCOMPARE(zelle(fehler, 100, 0), QStringLiteral("\u2026"));
            QCOMPARE(zelle(fehler, 100, 1), QStringLiteral("und 50 weitere Zeilen, die nicht lesbar sind"));
            fehler->scrollToBottom();
            bildSichern(d, QStringLiteral("import-vorschau-viele-fehler"));
        });
        aktion(f, "AGewinnreihenImportieren")->trigger();
        QCOMPARE(u.lies(Dateinamen::Gewinnreihen), dreiZiehungen());
    }

    // Cancelled in the preview, or a file that is no file of draws: nothing changes.
    void nichtsGeaendert()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        const QByteArray vorher = dreiZiehungen();
        u.schreibe(Dateinamen::Gewinnreihen, vorher);
        u.schreibe(QStringLiteral("import.csv"), Importdatei);
        u.schreibe(QStringLiteral("bild.png"),
                   QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + QByteArray(200, '\x01'));
        TFAuswertung f(u.zustand, u.befehle());

        dialoge.oeffnenAntworten.enqueue({u.pfad(QStringLiteral("import.csv"))});
        beiVorschau([](TFGewinnreihenImport *d) {
            QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("BAbbrechen")), Qt::LeftButton);
        });
        aktion(f, "AGewinnreihenImportieren")->trigger();
        QVERIFY(meldungen.eintraege.isEmpty());

        // A picture, an empty file and one of 50 MB: one German message each.
        u.schreibe(QStringLiteral("leer.csv"), QByteArray());
        {
            QFile gross(u.pfad(QStringLiteral("gross.csv")));
            QVERIFY(gross.open(QIODevice::WriteOnly));
            QVERIFY(gross.resize(50 * 1024 * 1024));
        }
        const QStringList erwartet{
            QStringLiteral("Die Datei \u201Ebild.png\u201C ist weder eine CSV-Datei noch eine Arbeitsmappe.\n\nIch "
                           "breche ab."),
            QStringLiteral("Die Datei \u201Eleer.csv\u201C ist leer.\n\nIch breche ab."),
            QStringLiteral("Die Datei \u201Egross.csv\u201C ist gr\u00F6\u00DFer als 16 MB; so gro\u00DF ist keine "
                           "Datei mit Gewinnreihen.\n\nIch breche ab."),
        };
        for (const QString &name :
             {QStringLiteral("bild.png"), QStringLiteral("leer.csv"), QStringLiteral("gross.csv")}) {
            dialoge.oeffnenAntworten.enqueue({u.pfad(name)});
            aktion(f, "AGewinnreihenImportieren")->trigger();
        }
        QCOMPARE(meldungen.texte(), erwartet);
        for (const auto &m : meldungen.eintraege)
            QCOMPARE(m.art, Meldungen::Anzeige::Art::Fehler);

        QCOMPARE(u.lies(Dateinamen::Gewinnreihen), vorher);
        QVERIFY(!u.gibt(Dateinamen::Sicherung));
        QCOMPARE(u.zustand.Ziehungen.size(), 3);
    }

    void export_()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        TFAuswertung f(u.zustand, u.befehle());
        dialoge.speichernAntworten.enqueue(u.pfad(QStringLiteral("alle")));
        aktion(f, "AGewinnreihenExportieren")->trigger();
        QCOMPARE(dialoge.gefragt.constLast().titel, QStringLiteral("Gewinnreihen exportieren"));
        QCOMPARE(meldungen.texte(), QStringList{QStringLiteral("Gespeichert in: alle.csv")});
        QCOMPARE(u.lies(QStringLiteral("alle.csv")), QByteArray("Datum,Z1,Z2,Z3,Z4,Z5,ZZ\r\n"
                                                                "2024-01-08,1,2,3,4,5,1\r\n"
                                                                "2024-01-15,6,7,8,9,10,2\r\n"
                                                                "2024-01-29,11,12,13,14,15,3\r\n"));
        // Never over one of the program's own files.
        meldungen.eintraege.clear();
        dialoge.speichernAntworten.enqueue(u.pfad(Dateinamen::Gewinnreihen));
        aktion(f, "AGewinnreihenExportieren")->trigger();
        QCOMPARE(meldungen.eintraege.size(), 1);
        QVERIFY(meldungen.eintraege[0].text.contains(QStringLiteral("geh\u00F6rt zu den Daten des Programms")));
        QCOMPARE(u.lies(Dateinamen::Gewinnreihen), dreiZiehungen());
    }
};

QTEST_MAIN(TestGewinnreihenaustausch)
#include "tst_gewinnreihenaustausch.moc"
