// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Attrappen.h"
#include "Dateien.h"
#include "Testumgebung.h"

#include "model/Beispieldaten.h"
#include "model/Ordner.h"
#include "model/Spiel.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/haupt/FrScheine.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/hilfe/Hilfe.h"
#include "ui/hilfe/HilfeFenster.h"
#include "ui/werkzeuge/Info.h"
#include "ui/werkzeuge/Kalender.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTextCharFormat>
#include <QToolButton>
#include <QtTest>

namespace {
const QString OhneVerbindung =
    QStringLiteral("Für den Aufruf aktueller Gewinnzahlen muss eine Verbindung zum Internet bestehen.");

QAction *menueeintrag(QMainWindow &f, const QString &menue, const QString &text)
{
    for (QAction *m : f.menuBar()->actions()) {
        if (m->text() != menue)
            continue;
        for (QAction *a : m->menu()->actions())
            if (a->text() == text)
                return a;
    }
    return nullptr;
}

// A PATH folder holding the given programs, for the calculator lookup.
class Pfad
{
public:
    explicit Pfad(const QStringList &programme) : m_alt(qgetenv("PATH"))
    {
        for (const QString &name : programme) {
            const QString datei = m_ordner.filePath(name);
            schreibe(datei, "#!/bin/sh\n");
            QFile::setPermissions(datei, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", m_ordner.path().toUtf8());
    }
    ~Pfad() { qputenv("PATH", m_alt); }
    QString datei(const QString &name) const { return m_ordner.filePath(name); }

private:
    QTemporaryDir m_ordner;
    QByteArray m_alt;
};
} // namespace

class TestWerkzeuge : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void kalenderEinFensterImmerOben()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        auto *bkal = f.findChild<QToolButton *>(QStringLiteral("BKal"));
        QTest::mouseClick(bkal, Qt::LeftButton);
        auto *kal = qobject_cast<TFKal *>(findeFenster(QStringLiteral("FKal")));
        QVERIFY(kal);
        QVERIFY(kal->isVisible());
        QCOMPARE(kal->parentWidget(), &f);
        QCOMPARE(kal->windowTitle(), QStringLiteral("Quintaro Analyser 1.5.0.0"));
        QCOMPARE(kal->size(), QSize(368, 282));
        QVERIFY(kal->windowFlags() & Qt::WindowStaysOnTopHint);
        QCalendarWidget *monat = kal->kalender();
        QCOMPARE(monat->firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(monat->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
        const QDate heute = QDate::currentDate();
        QCOMPARE(monat->selectedDate(), heute);
        QCOMPARE(monat->monthShown(), heute.month());
        QCOMPARE(monat->dateTextFormat(heute).fontWeight(), int(QFont::Bold));

        // Paging and "Schließen" only hide it; the next command shows the same window.
        monat->showNextMonth();
        QTest::mouseClick(kal->findChild<QPushButton *>(QStringLiteral("BClose")), Qt::LeftButton);
        QVERIFY(!kal->isVisible());
        menueeintrag(f, QStringLiteral("&Extras"), QStringLiteral("&Kalender"))->trigger();
        QVERIFY(kal->isVisible());
        kal->showMinimized();
        QTest::mouseClick(bkal, Qt::LeftButton);
        QVERIFY(!(kal->windowState() & Qt::WindowMinimized));
        QCOMPARE(f.findChildren<TFKal *>().size(), 1);

        // Shown again on a later day, it marks the new today.
        kal->hide();
        kal->heute = [heute] { return heute.addDays(40); };
        QTest::mouseClick(bkal, Qt::LeftButton);
        QCOMPARE(monat->selectedDate(), heute.addDays(40));
        QCOMPARE(monat->dateTextFormat(heute.addDays(40)).fontWeight(), int(QFont::Bold));
        QVERIFY(monat->dateTextFormat(heute).fontWeight() != int(QFont::Bold));

        kal->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(kal));
        QTest::keyClick(kal, Qt::Key_F1);
        QVERIFY(Hilfe::fenster());
        QCOMPARE(Hilfe::fenster()->aktuellesThema(), 1080);
        QVERIFY(meldungen.eintraege.size() <= 1); // at most the download question
    }

    void infoFenster()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        StarterAttrappe starter;
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        QAction *info = menueeintrag(f, QStringLiteral("&Hilfe"), QStringLiteral("Programm-&Info"));
        QVERIFY(info && info->isEnabled());
        info->trigger();
        QPointer<TFInfo> fenster = qobject_cast<TFInfo *>(findeFenster(QStringLiteral("FInfo")));
        QVERIFY(fenster);
        info->trigger();
        QCOMPARE(f.findChildren<TFInfo *>().size(), 1);
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Quintaro Analyser"));
        QCOMPARE(fenster->size(), QSize(400, 300));
        QCOMPARE(fenster->findChild<QLabel *>(QStringLiteral("LVersion"))->text(), QStringLiteral("Version 1.5.0.0"));
        for (int i = 1; i <= 6; ++i) {
            auto *zeile = fenster->findChild<QLabel *>(QStringLiteral("LAnschrift%1").arg(i));
            QVERIFY(zeile && !zeile->text().isEmpty() && zeile->font().bold());
            QCOMPARE(zeile->cursor().shape(), i == 4 ? Qt::PointingHandCursor : Qt::ArrowCursor);
            // Nothing the window shows may be cut off.
            QVERIFY2(zeile->width() >= zeile->sizeHint().width(), qPrintable(zeile->text()));
        }
        QVERIFY(fenster->mailzeile()->font().underline());

        QTest::mouseClick(fenster->mailzeile(), Qt::LeftButton);
        QCOMPARE(starter.adressen.size(), 1);
        QCOMPARE(starter.adressen[0].toString(QUrl::FullyEncoded),
                 QStringLiteral("mailto:service@quintaro-analyser.example?subject=Quintaro%20Analyser"));
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
        QTest::keyClick(fenster, Qt::Key_F1);
        QVERIFY(Hilfe::fenster());
        QCOMPARE(Hilfe::fenster()->aktuellesThema(), 1130);

        QTest::mouseClick(fenster->findChild<QPushButton *>(QStringLiteral("BClose")), Qt::LeftButton);
        QTRY_VERIFY(fenster.isNull());
        QVERIFY(meldungen.eintraege.size() <= 1);
    }

    void infoFensterAusEinstellungen()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        StarterAttrappe starter;
        const QByteArray einstellungen = "[Web]\nMail=hilfe@seite.example\nAnschrift1=Seite GmbH\n";
        u.schreibe(Dateinamen::Einstellungen, einstellungen);
        u.befehle().aktion(Befehle::Art::Info)->trigger();
        std::unique_ptr<QWidget> fenster(findeFenster(QStringLiteral("FInfo")));
        auto *info = qobject_cast<TFInfo *>(fenster.get());
        QCOMPARE(info->findChild<QLabel *>(QStringLiteral("LAnschrift1"))->text(), QStringLiteral("Seite GmbH"));
        QCOMPARE(info->mailzeile()->text(), QStringLiteral("E-Mail: hilfe@seite.example"));
        info->mailzeile()->setFocus();
        QTest::keyClick(info->mailzeile(), Qt::Key_Return);
        QCOMPARE(starter.adressen.value(0).toString(QUrl::FullyEncoded),
                 QStringLiteral("mailto:hilfe@seite.example?subject=Quintaro%20Analyser"));
        // The mail program may be missing.
        starter.gelingt = false;
        QTest::mouseClick(info->mailzeile(), Qt::LeftButton);
        QCOMPARE(meldungen.texte(), QStringList{QStringLiteral("Das E-Mail-Programm konnte nicht gestartet werden.\n\n"
                                                               "Schreiben Sie bitte an hilfe@seite.example.")});
        QCOMPARE(u.lies(Dateinamen::Einstellungen), einstellungen);
    }

    void webseiten_data()
    {
        QTest::addColumn<QString>("ausloeser"); // the main window's control, or the command
        QTest::addColumn<bool>("verbunden");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("adresse");
        const QString homepage = QStringLiteral("https://www.quintaro-analyser.example/");
        const QString ergebnisse = QStringLiteral("https://ergebnisse.example/quintaro");
        const QString produkt = QStringLiteral("https://www.quintaro-analyser.example/produkte/");
        QTest::newRow("logo offline") << QStringLiteral("Image3") << false << OhneVerbindung << QString();
        QTest::newRow("results button offline")
            << QStringLiteral("SpeedButton4") << false << OhneVerbindung << QString();
        QTest::newRow("results picture offline") << QStringLiteral("Image1") << false << OhneVerbindung << QString();
        QTest::newRow("banner offline does nothing") << QStringLiteral("Produkt") << false << QString() << QString();
        QTest::newRow("logo") << QStringLiteral("Image3") << true << QString() << homepage;
        QTest::newRow("results button") << QStringLiteral("SpeedButton4") << true << QString() << ergebnisse;
        QTest::newRow("results picture") << QStringLiteral("Image1") << true << QString() << ergebnisse;
        QTest::newRow("banner") << QStringLiteral("Produkt") << true << QString() << produkt;
    }
    void webseiten()
    {
        QFETCH(QString, ausloeser);
        QFETCH(bool, verbunden);
        QFETCH(QString, meldung);
        QFETCH(QString, adresse);
        Testumgebung u;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(2));
        u.schreibe(Dateinamen::Einstellungen, "[Web]\nErgebnisse=https://ergebnisse.example/quintaro\n");
        MeldungsRecorder meldungen;
        StarterAttrappe starter;
        Verbindung verbindung(verbunden);
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        if (ausloeser == QLatin1String("Produkt")) {
            u.befehle().aktion(Befehle::Art::Produkt)->trigger();
        } else {
            auto *knopf = f.findChild<QToolButton *>(ausloeser);
            QVERIFY(knopf && knopf->isEnabled());
            QTest::mouseClick(knopf, Qt::LeftButton);
        }
        QCOMPARE(meldungen.texte(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
        if (!meldung.isEmpty())
            QCOMPARE(meldungen.eintraege[0].art, Meldungen::Anzeige::Art::Information);
        QCOMPARE(starter.adressen.size(), adresse.isEmpty() ? 0 : 1);
        if (!adresse.isEmpty())
            QCOMPARE(starter.adressen[0].toString(), adresse);
    }

    void ungueltigeOderNichtGeoeffneteSeite()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        StarterAttrappe starter;
        Verbindung verbindung(true);
        u.schreibe(Dateinamen::Einstellungen, "[Web]\nHomepage=file:///etc/passwd\n");
        u.befehle().aktion(Befehle::Art::Homepage)->trigger();
        QVERIFY(starter.adressen.isEmpty());
        QCOMPARE(meldungen.texte(),
                 QStringList{
                     QStringLiteral("Die Internetadresse \u201Efile:///etc/passwd\u201C im Abschnitt [Web] der Datei "
                                    "\u201EEinstellungen.ini\u201C ist ungültig.\n\n"
                                    "Erlaubt sind Adressen, die mit http:// oder https:// beginnen.")});

        // No browser: said, not swallowed.
        meldungen.eintraege.clear();
        starter.gelingt = false;
        u.befehle().aktion(Befehle::Art::Ergebnisse)->trigger();
        QCOMPARE(starter.adressen.size(), 1);
        QCOMPARE(meldungen.eintraege.size(), 1);
        QVERIFY(meldungen.eintraege[0].text.startsWith(QStringLiteral("Die Internetseite \u201Ehttps://")));
    }

    void taschenrechnerNurWennGefunden_data()
    {
        QTest::addColumn<QStringList>("programme");
        QTest::addColumn<QString>("gestartet");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("kcalc") << QStringList{QStringLiteral("xcalc"), QStringLiteral("kcalc")}
                               << QStringLiteral("kcalc");
    }
    void taschenrechnerNurWennGefunden()
    {
        QFETCH(QStringList, programme);
        QFETCH(QString, gestartet);
        Pfad pfad(programme);
        Testumgebung u;
        MeldungsRecorder meldungen;
        StarterAttrappe starter;
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        auto *bcalc = f.findChild<QToolButton *>(QStringLiteral("BCalc"));
        QAction *eintrag = menueeintrag(f, QStringLiteral("&Extras"), QStringLiteral("Taschen&rechner"));
        const bool gefunden = !gestartet.isEmpty();
        QCOMPARE(bcalc->isEnabled(), gefunden);
        QCOMPARE(eintrag->isEnabled(), gefunden);
        if (!gefunden) {
            for (const QString &hinweis : {bcalc->toolTip(), eintrag->toolTip()}) {
                QVERIFY2(hinweis.contains(QStringLiteral("kein Taschenrechner gefunden")), qPrintable(hinweis));
                QVERIFY2(hinweis.contains(QStringLiteral("gnome-calculator")), qPrintable(hinweis));
            }
            return;
        }
        QTest::mouseClick(bcalc, Qt::LeftButton);
        eintrag->trigger();
        QCOMPARE(starter.programme, QStringList(2, pfad.datei(gestartet)));
        QVERIFY(meldungen.eintraege.size() <= 1);

        // Removed since the start: the failure is reported.
        meldungen.eintraege.clear();
        starter.gelingt = false;
        QTest::mouseClick(bcalc, Qt::LeftButton);
        QCOMPARE(meldungen.texte(),
                 QStringList{QStringLiteral("Der Taschenrechner \u201E%1\u201C konnte nicht gestartet werden.")
                                 .arg(pfad.datei(gestartet))});
    }

    void programmsymbolAufJedemFenster()
    {
        // Every size the program installs is built into it.
        const QIcon symbol = Symbole::programm();
        QCOMPARE(symbol.availableSizes().size(), 8);
        QVERIFY(symbol.availableSizes().contains(QSize(256, 256)));
        QApplication::setWindowIcon(symbol);
        Testumgebung u;
        MeldungsRecorder meldungen;
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        u.befehle().aktion(Befehle::Art::Kalender)->trigger();
        u.befehle().aktion(Befehle::Art::Info)->trigger();
        const QImage erwartet = symbol.pixmap(32, 32).toImage();
        for (const char *name : {"FAuswertung", "FKal", "FInfo"}) {
            QWidget *w = findeFenster(QLatin1String(name));
            QVERIFY2(w, name);
            QCOMPARE(w->windowIcon().pixmap(32, 32).toImage(), erwartet);
        }
        QApplication::setWindowIcon(QIcon());
    }

    void beispieldatenLassenDieEchtenUnberuehrt()
    {
        Testumgebung u; // the real data folder, empty
        QTemporaryDir cache;
        const QByteArray alterCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
        MeldungsRecorder meldungen;
        {
            Zustand beispiel;
            QCOMPARE(OrdnerBestimmen(beispiel, QCoreApplication::applicationDirPath(), Beispielordner()), QString());
            QVERIFY(beispiel.Datenordner.startsWith(cache.path()));
            QCOMPARE(BeispieldatenAnlegen(beispiel.Datenordner, QDate::currentDate()), QString());
            beispiel.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
            Befehle befehle(beispiel);
            TFAuswertung f(beispiel, befehle);
            f.show();
            auto *pc1 = f.findChild<QTabWidget *>(QStringLiteral("PC1"));
            QTRY_COMPARE(pc1->count(), 1);
            QCOMPARE(pc1->tabText(0), QStringLiteral("Demo-Tippschein"));

            // The sample ticket evaluates over the whole sample history.
            auto *rahmen = pc1->widget(0)->findChild<TFFrScheineN *>();
            rahmen->findChild<QCheckBox *>(QStringLiteral("cbBack"))->setChecked(true);
            auto *combo2 = rahmen->findChild<QComboBox *>(QStringLiteral("combo2"));
            QVERIFY(combo2->count() > 500);
            combo2->setCurrentIndex(0);
            QTest::mouseClick(rahmen->findChild<QPushButton *>(QStringLiteral("BStart")), Qt::LeftButton);
            QVERIFY(rahmen->findChild<QTableView *>(QStringLiteral("G3a"))->model()->rowCount() > 0);
            f.close();
        }
        QCOMPARE(meldungen.texte(), QStringList());
        QCOMPARE(QDir(u.zustand.Datenordner).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        if (alterCache.isEmpty())
            qunsetenv("XDG_CACHE_HOME");
        else
            qputenv("XDG_CACHE_HOME", alterCache);
    }
};

QTEST_MAIN(TestWerkzeuge)
#include "tst_werkzeuge.moc"
