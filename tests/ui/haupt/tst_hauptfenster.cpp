// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Attrappen.h"
#include "KleinerDatentraeger.h"
#include "Testumgebung.h"

#include "model/Spiel.h"
#include "model/Starteinstellungen.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/haupt/StartFenster.h"
#include "ui/hilfe/Hilfe.h"
#include "ui/hilfe/HilfeFenster.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QTabWidget>
#include <QtTest>

class TestHauptfenster : public QObject
{
    Q_OBJECT

    static QString zelle(QTableView *g, int zeile, int spalte)
    {
        return g->model()->index(zeile, spalte).data().toString();
    }

private Q_SLOTS:
    // A first start: the check box is ticked as designed, so a ticket opened now is remembered.
    void ohneEinstellungsdatei()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(QStringLiteral("a.qtt"), TNormalSchein{}.alsBytes());
        const QByteArray pfad = u.pfad(QStringLiteral("a.qtt")).toUtf8();
        {
            TFAuswertung f(u.zustand, u.befehle());
            QCOMPARE(u.zustand.Reihenpreis, 2.0F);
            QCOMPARE(f.windowTitle(), QStringLiteral("Quintaro Analyser 1.5.0.0"));
            QVERIFY(f.findChild<QCheckBox *>(QStringLiteral("cbMerken"))->isChecked());
            QVERIFY(!u.gibt(Dateinamen::Einstellungen));
            dialoge.oeffnenAntworten.enqueue({u.pfad(QStringLiteral("a.qtt"))});
            f.findChild<QPushButton *>(QStringLiteral("BOpen"))->click();
            f.close();
        }
        QCOMPARE(u.lies(Dateinamen::Einstellungen), "[Spielscheine]\nDateienanzahl=1\nDatei1=" + pfad + "\nMerken=1\n");
    }

    // More files opened at once than the start opens: all become tabs, the first 100 are remembered.
    void mehrAlsHundertGemerkt()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        QStringList dateien;
        for (int i = 1; i <= 103; ++i) {
            const QString name = QStringLiteral("s%1.qtt").arg(i);
            u.schreibe(name, TNormalSchein{}.alsBytes());
            dateien << u.pfad(name);
        }
        TFAuswertung f(u.zustand, u.befehle());
        dialoge.oeffnenAntworten.enqueue(dateien);
        f.findChild<QPushButton *>(QStringLiteral("BOpen"))->click();
        QCOMPARE(f.findChild<QTabWidget *>(QStringLiteral("PC1"))->count(), 103);
        QCOMPARE(meldungen.texte(), QStringList{QStringLiteral("Gemerkt werden die ersten 100 der 103 Dateien; nur sie "
                                                               "werden mit dem Programmstart eingelesen.")});
        const GemerkteScheine gemerkt = GemerkteDateien(Einstellungen(u.zustand.einstellungsdatei()));
        QCOMPARE(gemerkt.pfade, dateien.mid(0, 100));
    }

    void preis_data()
    {
        QTest::addColumn<QByteArray>("gespeichert");
        QTest::addColumn<float>("reihenpreis");
        QTest::addColumn<QByteArray>("danach");
        QTest::newRow("old cents value is rewritten") << QByteArray("200,00") << 2.0F << QByteArray("2,00");
        QTest::newRow("2,50 kept") << QByteArray("2,50") << 2.5F << QByteArray("2,50");
        QTest::newRow("not a number") << QByteArray("zwei Euro") << 2.0F << QByteArray("zwei Euro");
        QTest::newRow("zero") << QByteArray("0") << 2.0F << QByteArray("0");
        QTest::newRow("negative") << QByteArray("-1,50") << 2.0F << QByteArray("-1,50");
        QTest::newRow("empty") << QByteArray("") << 2.0F << QByteArray("");
    }
    void preis()
    {
        QFETCH(QByteArray, gespeichert);
        QFETCH(float, reihenpreis);
        QFETCH(QByteArray, danach);
        Testumgebung u;
        MeldungsRecorder meldungen;
        u.schreibe(Dateinamen::Einstellungen, "[Abrechnung]\nPreis=" + gespeichert + "\n[Andere]\nx=1\n");
        TFAuswertung f(u.zustand, u.befehle());
        QCOMPARE(u.zustand.Reihenpreis, reihenpreis);
        QCOMPARE(u.lies(Dateinamen::Einstellungen), "[Abrechnung]\nPreis=" + danach + "\n[Andere]\nx=1\n");
    }

    // On a full disk the start's price rewrite and the closing's write fail with a message, and
    // the settings file keeps every line.
    void vollerDatentraeger()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        KleinerDatentraeger platte(u.zustand.Datenordner, 16 * KleinerDatentraeger::Seite);
        if (!platte.bereit())
            QSKIP(qPrintable(platte.grund()));
        const QByteArray einstellungen = "[Abrechnung]\nPreis=200,00\n[Spielscheine]\nMerken=1\nDateienanzahl=1\n"
                                         "Datei1=/home/j\xC3\xB6rg/Woche.qtt\n";
        u.schreibe(Dateinamen::Einstellungen, einstellungen);
        QVERIFY(platte.fuellen(0));
        {
            TFAuswertung f(u.zustand, u.befehle());
            QCOMPARE(u.zustand.Reihenpreis, 2.0F);
            f.findChild<QCheckBox *>(QStringLiteral("cbMerken"))->setChecked(false);
            f.close();
        }
        const QString meldung = QStringLiteral("Die Datei \u201EEinstellungen.ini\u201C konnte nicht geschrieben werden.\n\n"
                                               "Auf dem Datenträger ist nicht genug Platz.");
        QCOMPARE(meldungen.texte(), (QStringList{meldung, meldung}));
        QCOMPARE(u.lies(Dateinamen::Einstellungen), einstellungen);
    }

    // An existing file decides at the first showing; a missing key or a text gives the default, unticked.
    void merkenBeimErstenZeigenUndSchliessen_data()
    {
        QTest::addColumn<QByteArray>("gespeichert");
        QTest::addColumn<bool>("gesetzt");
        QTest::newRow("5") << QByteArray("Merken=5\n") << true;
        QTest::newRow("0") << QByteArray("Merken=0\n") << false;
        QTest::newRow("ja") << QByteArray("Merken=ja\n") << false;
        QTest::newRow("no key") << QByteArray() << false;
    }
    void merkenBeimErstenZeigenUndSchliessen()
    {
        QFETCH(QByteArray, gespeichert);
        QFETCH(bool, gesetzt);
        Testumgebung u;
        MeldungsRecorder meldungen;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(2));
        u.schreibe(Dateinamen::Einstellungen, "[Spielscheine]\n" + gespeichert);
        TFAuswertung f(u.zustand, u.befehle());
        auto *merken = f.findChild<QCheckBox *>(QStringLiteral("cbMerken"));
        QVERIFY(merken->isChecked());
        f.show();
        QTRY_COMPARE(merken->isChecked(), gesetzt);
        merken->setChecked(!gesetzt);
        f.findChild<QPushButton *>(QStringLiteral("SpeedButton7"))->click();
        // A file without a price reads the default "200,00", which is rewritten too.
        QCOMPARE(u.lies(Dateinamen::Einstellungen), "[Spielscheine]\nMerken=" + QByteArray(gesetzt ? "0" : "1")
                                                        + "\n[Abrechnung]\nPreis=2,00\n");
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    // The window asks for a client area of 925 x 679 and grows only as far as its content needs:
    // the ticket tabs decide the right column's width, not the row of notes above them, and
    // opening the first ticket does not widen the window.
    void fenstergroesse()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(3));
        u.schreibe(QStringLiteral("a.qtt"), TNormalSchein{}.alsBytes());
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const int breite = f.width();
        QCOMPARE(breite, std::max(925, f.minimumSizeHint().width()));
        const int menue = f.menuBar()->height();
        QCOMPARE(f.height() - menue, std::max(679, f.minimumSizeHint().height() - menue));

        dialoge.oeffnenAntworten.enqueue({u.pfad(QStringLiteral("a.qtt"))});
        f.findChild<QPushButton *>(QStringLiteral("BOpen"))->click();
        QCoreApplication::processEvents();
        QCOMPARE(f.width(), breite);
        auto *rechts = f.findChild<QWidget *>(QStringLiteral("PRight"));
        QCOMPARE(rechts->minimumSizeHint().width(),
                 f.findChild<QWidget *>(QStringLiteral("PC1"))->minimumSizeHint().width());
    }

    void historieLaden_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::newRow("48 bytes") << Testumgebung::ziehungen(3);
        QTest::newRow("50 bytes") << Testumgebung::ziehungen(3) + QByteArray("\x07\x07", 2);
    }
    void historieLaden()
    {
        QFETCH(QByteArray, datei);
        Testumgebung u;
        MeldungsRecorder meldungen;
        u.schreibe(Dateinamen::Gewinnreihen, datei);
        TFAuswertung f(u.zustand, u.befehle());
        auto *combo1 = f.findChild<QComboBox *>(QStringLiteral("Combo1"));
        QCOMPARE(combo1->count(), 3);
        QCOMPARE(combo1->itemText(0), QStringLiteral("01.01.2024"));
        QCOMPARE(combo1->itemText(2), QStringLiteral("15.01.2024"));
        QCOMPARE(combo1->currentIndex(), 2);
        auto *g1 = f.findChild<QTableView *>(QStringLiteral("G1"));
        QCOMPARE(g1->model()->rowCount(), 3);
        // Newest first: 15.01.2024 holds 3 5 7 9 11 and Zusatzzahl 3.
        const QStringList erwartet{QStringLiteral("15.01.2024"), QStringLiteral("3"), QStringLiteral("5"),
                                   QStringLiteral("7"),          QStringLiteral("9"), QStringLiteral("11"),
                                   QStringLiteral("3")};
        for (int c = 0; c < 7; ++c)
            QCOMPARE(zelle(g1, 0, c), erwartet[c]);
        QCOMPARE(zelle(g1, 2, 0), QStringLiteral("01.01.2024"));
        QCOMPARE(g1->model()->headerData(0, Qt::Horizontal).toString().trimmed(), QStringLiteral("Datum"));
        QCOMPARE(g1->model()->headerData(6, Qt::Horizontal).toString().trimmed(), QStringLiteral("ZZ"));
        QCOMPARE(f.findChild<QLabel *>(QStringLiteral("LZT"))->text(), QStringLiteral("  3 Gewinnreihen"));
        QCOMPARE(u.zustand.Ziehungen.size(), 3);
        QCOMPARE(u.zustand.Ziehungsmengen.size(), 3);
        QCOMPARE(u.zustand.Haeufigkeiten[3], 2);
    }

    void tausendertrennungImZaehler()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(1234));
        TFAuswertung f(u.zustand, u.befehle());
        QCOMPARE(f.findChild<QLabel *>(QStringLiteral("LZT"))->text(), QStringLiteral("  1.234 Gewinnreihen"));
        QCOMPARE(f.findChild<QComboBox *>(QStringLiteral("Combo1"))->currentIndex(), 1233);
    }

    void leereHistorieFragtNachDownload_data()
    {
        QTest::addColumn<bool>("dateiDa");
        QTest::newRow("no file") << false;
        QTest::newRow("empty file") << true;
    }
    void leereHistorieFragtNachDownload()
    {
        QFETCH(bool, dateiDa);
        Testumgebung u;
        MeldungsRecorder meldungen;
        if (dateiDa)
            u.schreibe(Dateinamen::Gewinnreihen, QByteArray());
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        QTRY_COMPARE(meldungen.eintraege.size(), 1);
        QCOMPARE(meldungen.eintraege[0].art, Meldungen::Anzeige::Art::FrageJaNeinAbbrechen);
        QCOMPARE(meldungen.eintraege[0].text,
                 QStringLiteral("Es fehlen jegliche Gewinnreihen.\n\nSoll ich deren Download gleich starten?"));
        QVERIFY(u.zustand.DownloadNachfragen);
        QCOMPARE(f.findChild<QComboBox *>(QStringLiteral("Combo1"))->count(), 0);
    }

    void downloadJaLoeschtNachfrage()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        meldungen.antworten.enqueue(Meldungen::Antwort::Ja);
        // The update window starts its download at once: let it meet a closed local port, not the internet.
        u.schreibe(Dateinamen::Einstellungen, "[Update]\nServer=http://127.0.0.1:1\n");
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        QTRY_VERIFY(!u.zustand.DownloadNachfragen);
    }

    void unlesbareHistorieMeldetFehler()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        QDir().mkpath(u.pfad(Dateinamen::Gewinnreihen));
        TFAuswertung f(u.zustand, u.befehle());
        QCOMPARE(meldungen.eintraege.size(), 1);
        QCOMPARE(meldungen.eintraege[0].art, Meldungen::Anzeige::Art::Fehler);
        QVERIFY(meldungen.eintraege[0].text.startsWith(QStringLiteral("Die Datei \u201EGReihen.qtgz\u201C konnte nicht gelesen werden.")));
        QVERIFY(f.isEnabled());
    }

    void startfensterBlendetUeber()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(1));
        // A leftover of a save interrupted long ago goes at the start.
        const QString rest = u.pfad(QStringLiteral("Einstellungen.ini.AbCdEf"));
        {
            QFile f(rest);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
        }
        Zustand zustand;
        QPointer<TFStart> start = new TFStart(zustand);
        QVERIFY(!QFile::exists(rest));
        QCOMPARE(start->size(), QSize(400, 300));
        QCOMPARE(start->windowTitle(), QStringLiteral("Quintaro Analyser 1.5.0.0"));
        QVERIFY(QFileInfo(zustand.Datenordner).isDir());
        QVERIFY(zustand.Datenordner.endsWith(QStringLiteral("/Quintaro Analyser/")));
        QVERIFY(zustand.Hilfedatei.endsWith(QStringLiteral("/Quintaro Analyser.chm")));
        QVERIFY(zustand.Tempdatei.endsWith(QStringLiteral("/tmp.tmp")));
        QVERIFY(!zustand.Tempdatei.startsWith(QStringLiteral("/tmp/tmp.tmp")));
        QFile::Permissions rechte = QFileInfo(QFileInfo(zustand.Tempdatei).path()).permissions();
        QVERIFY(!(rechte & (QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ReadGroup)));
        start->show();
        QVERIFY(!start->weiter()->isEnabled());
        start->close(); // not before the program is ready
        QVERIFY(start->isVisible());

        zustand.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
        Befehle befehle(zustand);
        TFAuswertung haupt(zustand, befehle);
        QCOMPARE(zustand.Ziehungen.size(), 1);
        start->initialisierungFertig(&haupt);
        haupt.setWindowOpacity(0.0);
        haupt.show();
        QVERIFY(start->weiter()->isEnabled());
        QCOMPARE(start->weiter()->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(start->weiter(), Qt::LeftButton);
        QTRY_VERIFY(start.isNull());
        QCOMPARE(haupt.windowOpacity(), 1.0);
        QVERIFY(haupt.isVisible());
    }

    void startfensterF1()
    {
        Testumgebung u;
        Zustand zustand;
        auto *start = new TFStart(zustand);
        start->show();
        QTest::keyClick(start, Qt::Key_F1);
        QCOMPARE(Hilfe::fenster()->aktuellesThema(), 1010);
        delete start;
    }

    void fensterOffenFindetInstanznamen()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        TFAuswertung f(u.zustand, u.befehle());
        QVERIFY(FensterOffen(QStringLiteral("FAuswertung")));
        QVERIFY(!FensterOffen(QStringLiteral("fauswertung")));
        QVERIFY(!FensterOffen(QStringLiteral("FNueberK")));

        int erzeugt = 0;
        const auto erzeugen = [&erzeugt] {
            ++erzeugt;
            auto *w = new QWidget;
            w->setAttribute(Qt::WA_DeleteOnClose);
            return w;
        };
        QWidget *erstes = oeffneOderHole(QStringLiteral("FProbe"), erzeugen);
        erstes->showMinimized();
        QWidget *zweites = oeffneOderHole(QStringLiteral("FProbe"), erzeugen);
        QCOMPARE(zweites, erstes);
        QCOMPARE(erzeugt, 1);
        QVERIFY(!(zweites->windowState() & Qt::WindowMinimized));
        delete zweites;
        QVERIFY(!FensterOffen(QStringLiteral("FProbe")));
    }

    void hilfeBefehle()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        QTest::mouseClick(f.findChild<QToolButton *>(QStringLiteral("BHelp")), Qt::LeftButton);
        QVERIFY(Hilfe::fenster());
        QCOMPARE(Hilfe::fenster()->aktuellesThema(), 1030);
        QVERIFY(FensterOffen(QStringLiteral("FHilfe")));

        QMenu *hilfe = f.menuBar()->actions().at(2)->menu();
        hilfe->actions().at(0)->trigger(); // "&Inhalt"
        QCOMPARE(Hilfe::fenster()->aktuellesThema(), 1010);
        hilfe->actions().at(1)->trigger(); // "In Hilfe &suchen..."
        QVERIFY(Hilfe::fenster()->suchseiteAktiv());

        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key_F1);
        QCOMPARE(Hilfe::fenster()->aktuellesThema(), 1030);
    }

    void fehlendeHilfedateiLaesstFensterBenutzbar()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        u.zustand.Hilfedatei = u.pfad(QStringLiteral("fehlt.chm"));
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        QTest::mouseClick(f.findChild<QToolButton *>(QStringLiteral("BHelp")), Qt::LeftButton);
        QVERIFY(Hilfe::fenster()->seitentext().contains(QStringLiteral("wurde nicht gefunden")));
        QVERIFY(meldungen.eintraege.size() <= 1); // at most the download question
        QVERIFY(f.isEnabled());
        QVERIFY(f.findChild<QPushButton *>(QStringLiteral("BOpen"))->isEnabled());
    }

    void benannteSteuerelementeUndBildknoepfe()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        TFAuswertung f(u.zustand, u.befehle());
        for (const char *name : {"Tool1", "BClose", "BEingabeN", "BNoverK", "BStatistik", "BCalc", "BUpdate", "BKal",
                                 "BZufall", "BHelp", "Image3", "SpeedButton7", "Combo1", "BHinzu", "SpeedButton2",
                                 "BDel", "BCopy", "Label5", "LZT", "G1", "PSZ", "BOpen", "cbMerken", "PC1", "BKr1",
                                 "BKr2", "SpeedButton4", "PNummer1", "PNummer49", "PSZNummer1", "PSZNummer10"})
            QVERIFY2(f.findChild<QWidget *>(QLatin1String(name)), name);
        // Buttons with a picture only say what they do.
        for (const char *name : {"BClose", "BEingabeN", "BNoverK", "BStatistik", "BCalc", "BUpdate", "BKal", "BZufall",
                                 "BHelp", "BDel", "BCopy", "SpeedButton4", "BKr1", "BKr2"}) {
            auto *knopf = f.findChild<QToolButton *>(QLatin1String(name));
            QVERIFY2(knopf && !knopf->icon().isNull(), name);
            QVERIFY2(!knopf->toolTip().isEmpty(), qPrintable(knopf->objectName()));
            QVERIFY2(!knopf->accessibleName().isEmpty(), qPrintable(knopf->objectName()));
        }
        QCOMPARE(f.findChild<QToolButton *>(QStringLiteral("BKr1"))->toolTip(),
                 QStringLiteral("Alle Tabs mit den Schein-Dateien schließen."));
        QStringList menues;
        for (QAction *a : f.menuBar()->actions())
            menues << a->text();
        QCOMPARE(menues, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Extras"), QStringLiteral("&Hilfe")}));
    }
};

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"
