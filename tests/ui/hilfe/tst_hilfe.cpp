// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Bildschirmfoto.h"

#include "ui/hilfe/Hilfe.h"
#include "ui/hilfe/HilfeArchiv.h"
#include "ui/hilfe/HilfeFenster.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {
QString hilfedatei()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Quintaro Analyser.chm");
}

QTextBrowser *browser()
{
    return Hilfe::fenster()->findChild<QTextBrowser *>(QStringLiteral("tbSeite"));
}

// Clicks the first link with this target on the page shown, as a user would.
bool verweisAnklicken(const QString &ziel)
{
    QTextBrowser *b = browser();
    QTextDocument *dokument = b->document();
    for (QTextBlock block = dokument->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment teil = it.fragment();
            if (!teil.charFormat().isAnchor() || teil.charFormat().anchorHref() != ziel)
                continue;
            QTextCursor cursor(dokument);
            cursor.setPosition(teil.position() + teil.length() / 2);
            b->setTextCursor(cursor);
            b->ensureCursorVisible();
            const QPoint punkt = b->cursorRect(cursor).center();
            QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, punkt);
            return true;
        }
    }
    return false;
}

// Types text key by key; QTest::keyClicks takes ASCII only.
void tippen(QWidget *feld, const QString &text)
{
    for (const QChar zeichen : text)
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(zeichen), Qt::NoModifier);
}

QList<int> themen(const QListWidget *liste)
{
    QList<int> ergebnis;
    for (int i = 0; i < liste->count(); ++i)
        ergebnis.append(HilfeArchiv::themaDerDatei(liste->item(i)->data(Qt::UserRole).toString()));
    return ergebnis;
}

// The offscreen platform complains about every raise(); that says nothing about the help.
QtMessageHandler s_meldungen = nullptr;
void meldungenFiltern(QtMsgType art, const QMessageLogContext &kontext, const QString &text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        s_meldungen(art, kontext, text);
}

const QList<int> AlleThemen = {1010, 1030, 1040, 1050, 1060, 1070, 1100, 1080, 1130, 1140};
} // namespace

class TestHilfe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void thema_data();
    void thema();
    void verweisFolgen();
    void verweiseUndInhaltZeigenAufSeiten();
    void suche_data();
    void suche();
    void suchtrefferOeffnen();
    void fehlendeDatei();
    void beschaedigteDatei_data();
    void beschaedigteDatei();
    void unbekanntesThema();
    void nurEinFenster();
    void hilfeHaeltDasProgrammNichtAuf();

private:
    QTemporaryDir m_ordner;
};

void TestHilfe::initTestCase()
{
    s_meldungen = qInstallMessageHandler(meldungenFiltern);
    QVERIFY2(QFile::exists(hilfedatei()), qPrintable(hilfedatei()));
    QVERIFY(m_ordner.isValid());
    QCOMPARE(Hilfe::fenster(), nullptr);
}

void TestHilfe::thema_data()
{
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QStringList>("saetze");
    QTest::newRow("Startseite") << 1010
                                << QStringList{QStringLiteral("Willkommen bei Quintaro Analyser"),
                                               QStringLiteral("~/.local/share/Quintaro Analyser/"),
                                               QStringLiteral("\u201EWeiter\u201C")};
    QTest::newRow("Hauptfenster") << 1030
                                  << QStringList{
                                         QStringLiteral("Ziehung hinzufügen"), QStringLiteral("\u201ESpeichern\u201C"),
                                         QStringLiteral("zurück bis zum"),     QStringLiteral("Rücklaufquote"),
                                         QStringLiteral("Höchstgewinn"),       QStringLiteral("2.000.000,00 €")};
    QTest::newRow("Eingabe") << 1040 << QStringList{QStringLiteral("Reihen in Tabelle übertragen")};
    QTest::newRow("Zufall") << 1050 << QStringList{QStringLiteral("Quotenkiller"), QStringLiteral("Viel Glück!")};
    QTest::newRow("Statistik") << 1060 << QStringList{QStringLiteral("Wie oft sind Zahlen ausgeblieben")};
    QTest::newRow("n über k") << 1070 << QStringList{QStringLiteral("Binomialkoeffizient")};
    QTest::newRow("Felder n und k") << 1100 << QStringList{QStringLiteral("Was die Felder annehmen")};
    QTest::newRow("Kalender und Update") << 1080
                                         << QStringList{QStringLiteral("Kalender"),
                                                        QStringLiteral("Download und Update der Gewinnzahlen")};
    QTest::newRow("Programm-Info") << 1130 << QStringList{QStringLiteral("E-Mail-Adresse")};
}

void TestHilfe::thema()
{
    QFETCH(int, nummer);
    QFETCH(QStringList, saetze);

    Hilfe::zeigeThema(hilfedatei(), nummer);
    HilfeFenster *fenster = Hilfe::fenster();
    QVERIFY(fenster != nullptr);
    QVERIFY(fenster->isVisible());
    QCOMPARE(fenster->objectName(), QStringLiteral("FHilfe"));
    QCOMPARE(fenster->windowTitle(), QStringLiteral("Quintaro Analyser - Hilfe"));
    QCOMPARE(fenster->aktuellesThema(), nummer);
    QVERIFY(!fenster->suchseiteAktiv());
    const QString text = fenster->seitentext();
    for (const QString &satz : saetze)
        QVERIFY2(text.contains(satz), qPrintable(satz));
    // Captions are quoted without their shortcut marks.
    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral(R"(\w&\w)"))), qPrintable(text));

    // The contents follow the page.
    const auto *inhalt = fenster->findChild<QTreeWidget *>(QStringLiteral("tvInhalt"));
    QVERIFY(inhalt->currentItem() != nullptr);
    QCOMPARE(HilfeArchiv::themaDerDatei(inhalt->currentItem()->data(0, Qt::UserRole).toString()), nummer);
}

void TestHilfe::verweisFolgen()
{
    Hilfe::zeigeThema(hilfedatei(), 1010);
    HilfeFenster *fenster = Hilfe::fenster();
    auto *zurueck = fenster->findChild<QToolButton *>(QStringLiteral("bZurueck"));
    auto *vor = fenster->findChild<QToolButton *>(QStringLiteral("bVor"));

    QVERIFY(verweisAnklicken(QStringLiteral("thema1040.htm")));
    QCOMPARE(fenster->aktuellesThema(), 1040);
    QVERIFY(fenster->seitentext().contains(QStringLiteral("Tippschein eingeben")));
    QVERIFY(zurueck->isEnabled());

    // A link into the middle of a page opens the page at that place.
    QVERIFY(verweisAnklicken(QStringLiteral("thema1030.htm#auswertung")));
    QCOMPARE(fenster->aktuellesThema(), 1030);
    QCOMPARE(browser()->source().fragment(), QStringLiteral("auswertung"));
    QVERIFY(browser()->verticalScrollBar()->value() > 0);

    zurueck->click();
    QCOMPARE(fenster->aktuellesThema(), 1040);
    zurueck->click();
    QCOMPARE(fenster->aktuellesThema(), 1010);
    QVERIFY(vor->isEnabled());
    vor->click();
    QCOMPARE(fenster->aktuellesThema(), 1040);

    fenster->findChild<QToolButton *>(QStringLiteral("bStartseite"))->click();
    QCOMPARE(fenster->aktuellesThema(), 1010);
}

void TestHilfe::verweiseUndInhaltZeigenAufSeiten()
{
    HilfeArchiv archiv;
    QCOMPARE(archiv.laden(hilfedatei()), HilfeArchiv::Zustand::Bereit);
    for (int thema : AlleThemen)
        QVERIFY2(archiv.enthaelt(HilfeArchiv::themenDatei(thema)), qPrintable(QString::number(thema)));

    const auto zielGibtEs = [&archiv](const QString &ziel) {
        const QString datei =
            QLatin1Char('/') + ziel.section(QLatin1Char('#'), 0, 0).remove(QRegularExpression(QStringLiteral("^/")));
        const QString anker = ziel.section(QLatin1Char('#'), 1);
        const auto daten = archiv.lesen(datei);
        if (!daten)
            return false;
        if (anker.isEmpty())
            return true;
        const QString html = HilfeText::dekodieren(*daten);
        return html.contains(QStringLiteral("id=\"%1\"").arg(anker)) ||
               html.contains(QStringLiteral("name=\"%1\"").arg(anker));
    };

    static const QRegularExpression verweis(QStringLiteral("href\\s*=\\s*\"([^\"]*)\""));
    int anzahl = 0;
    for (const HilfeSeite &seite : archiv.seiten()) {
        QVERIFY2(!seite.titel.isEmpty() && seite.titel != seite.datei.mid(1), qPrintable(seite.datei));
        const QString html = HilfeText::dekodieren(*archiv.lesen(seite.datei));
        for (auto it = verweis.globalMatch(html); it.hasNext();) {
            const QString ziel = it.next().captured(1);
            QVERIFY2(zielGibtEs(ziel), qPrintable(seite.datei + QStringLiteral(" -> ") + ziel));
            ++anzahl;
        }
    }
    QVERIFY(anzahl > 50);

    QVERIFY(archiv.inhalt().size() >= AlleThemen.size());
    for (const HilfeEintrag &eintrag : archiv.inhalt())
        QVERIFY2(zielGibtEs(eintrag.datei), qPrintable(eintrag.datei));
}

void TestHilfe::suche_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QList<int>>("gefunden");
    QTest::addColumn<QList<int>>("nichtGefunden");
    QTest::newRow("ein Wort") << QStringLiteral("Binomialkoeffizient") << QList<int>{1070} << QList<int>{1030, 1050};
    QTest::newRow("klein mit Umlaut") << QStringLiteral("rücklaufquote") << QList<int>{1030} << QList<int>{1060};
    QTest::newRow("groß mit Umlaut") << QStringLiteral("RÜCKLAUFQUOTE") << QList<int>{1030} << QList<int>{1060};
    QTest::newRow("alle Wörter") << QStringLiteral("  Quotenkiller   Zusatzzahl ") << QList<int>{1050}
                                 << QList<int>{1070};
    QTest::newRow("Teil eines Worts") << QStringLiteral("kombi-such") << QList<int>{1060} << QList<int>{1040};
    QTest::newRow("nichts") << QStringLiteral("Xylophon") << QList<int>{} << AlleThemen;
}

void TestHilfe::suche()
{
    QFETCH(QString, eingabe);
    QFETCH(QList<int>, gefunden);
    QFETCH(QList<int>, nichtGefunden);

    Hilfe::zeigeThema(hilfedatei(), 1040);
    Hilfe::zeigeSuche(hilfedatei());
    HilfeFenster *fenster = Hilfe::fenster();
    QVERIFY(fenster->suchseiteAktiv());
    QCOMPARE(fenster->aktuellesThema(), 1040);
    auto *feld = fenster->findChild<QLineEdit *>(QStringLiteral("eSuche"));
    auto *liste = fenster->findChild<QListWidget *>(QStringLiteral("lwTreffer"));
    QVERIFY(feld->text().isEmpty());
    QCOMPARE(liste->count(), 0);

    tippen(feld, eingabe);
    const QList<int> treffer = themen(liste);
    for (int thema : gefunden)
        QVERIFY2(treffer.contains(thema), qPrintable(QString::number(thema)));
    for (int thema : nichtGefunden)
        QVERIFY2(!treffer.contains(thema), qPrintable(QString::number(thema)));
    const QString zahl = fenster->findChild<QLabel *>(QStringLiteral("lTrefferzahl"))->text();
    QVERIFY2(treffer.isEmpty() ? zahl == QStringLiteral("Kein Thema gefunden.")
                               : zahl.startsWith(QString::number(treffer.size()) + QLatin1Char(' ')),
             qPrintable(zahl));
}

void TestHilfe::suchtrefferOeffnen()
{
    Hilfe::zeigeSuche(hilfedatei());
    HilfeFenster *fenster = Hilfe::fenster();
    auto *feld = fenster->findChild<QLineEdit *>(QStringLiteral("eSuche"));
    auto *liste = fenster->findChild<QListWidget *>(QStringLiteral("lwTreffer"));
    tippen(feld, QStringLiteral("Kombizahlen"));
    QCOMPARE(themen(liste), QList<int>{1060});

    const QRect zeile = liste->visualItemRect(liste->item(0));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
    QCOMPARE(fenster->aktuellesThema(), 1060);
    QCOMPARE(browser()->textCursor().selectedText(), QStringLiteral("Kombizahlen"));

    // Enter in the search field opens the first hit.
    Hilfe::zeigeThema(hilfedatei(), 1010);
    Hilfe::zeigeSuche(hilfedatei());
    tippen(feld, QStringLiteral("fixe ZZ"));
    QTest::keyClick(feld, Qt::Key_Return);
    QCOMPARE(fenster->aktuellesThema(), themen(liste).value(0));
    QVERIFY(fenster->aktuellesThema() != 1010);
}

void TestHilfe::fehlendeDatei()
{
    const QString fehlt = m_ordner.filePath(QStringLiteral("nirgends/Quintaro Analyser.chm"));
    Hilfe::zeigeThema(fehlt, 1030);
    HilfeFenster *fenster = Hilfe::fenster();
    QVERIFY(fenster->isVisible());
    QCOMPARE(fenster->aktuellesThema(), 0);
    QVERIFY2(fenster->seitentext().contains(
                 QStringLiteral("Die Hilfedatei \u201E%1\u201C wurde nicht gefunden.").arg(fehlt)),
             qPrintable(fenster->seitentext()));
    QCOMPARE(fenster->findChild<QTreeWidget *>(QStringLiteral("tvInhalt"))->topLevelItemCount(), 0);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    Hilfe::zeigeSuche(fehlt);
    QVERIFY(fenster->suchseiteAktiv());
    QVERIFY(fenster->seitentext().contains(QStringLiteral("wurde nicht gefunden")));
    tippen(fenster->findChild<QLineEdit *>(QStringLiteral("eSuche")), QStringLiteral("Zusatzzahl"));
    QCOMPARE(fenster->findChild<QListWidget *>(QStringLiteral("lwTreffer"))->count(), 0);
    QCOMPARE(fenster->findChild<QLabel *>(QStringLiteral("lTrefferzahl"))->text(),
             QStringLiteral("Die Hilfedatei kann nicht durchsucht werden."));
    fenster->findChild<QToolButton *>(QStringLiteral("bStartseite"))->click();
    QVERIFY(fenster->seitentext().contains(QStringLiteral("wurde nicht gefunden")));

    // Once the file is there again, the same window shows it.
    Hilfe::zeigeThema(hilfedatei(), 1030);
    QCOMPARE(fenster->aktuellesThema(), 1030);
    QVERIFY(fenster->findChild<QTreeWidget *>(QStringLiteral("tvInhalt"))->topLevelItemCount() > 0);
    QVERIFY(!fenster->findChild<QToolButton *>(QStringLiteral("bZurueck"))->isEnabled());
}

void TestHilfe::beschaedigteDatei_data()
{
    QFile echt(hilfedatei());
    QVERIFY(echt.open(QIODevice::ReadOnly));
    const QByteArray inhalt = echt.readAll();

    QTest::addColumn<QByteArray>("daten");
    QTest::addColumn<bool>("ganzUnlesbar");
    QTest::newRow("leer") << QByteArray() << true;
    QTest::newRow("Text") << QByteArray("Dies ist keine Hilfedatei.\n").repeated(200) << true;
    QTest::newRow("nur der Kopf") << inhalt.left(120) << true;
    QTest::newRow("ein Viertel") << inhalt.left(inhalt.size() / 4) << true;
    QTest::newRow("halb") << inhalt.left(inhalt.size() / 2) << true;
    QTest::newRow("ohne das letzte Byte") << inhalt.left(inhalt.size() - 1) << true;
    // Spoilt bytes in the compressed pages, in several patterns: the help library decodes many
    // of them into memory it does not clear, so a second read may differ from the first (and
    // once showed another page under a topic).
    for (int schritt : {53, 71, 83, 97, 113, 137, 157})
        for (int anfang : {2, 3, 5}) {
            QByteArray verdorben = inhalt;
            for (qsizetype i = verdorben.size() / anfang; i < verdorben.size(); i += schritt)
                verdorben[i] = static_cast<char>(verdorben[i] ^ 0x5A);
            QTest::newRow(
                qPrintable(QStringLiteral("verdorbene Bytes, ab Teil %1, Schritt %2").arg(anfang).arg(schritt)))
                << verdorben << false;
        }
}

void TestHilfe::beschaedigteDatei()
{
    QFETCH(QByteArray, daten);
    QFETCH(bool, ganzUnlesbar);
    const QString pfad = m_ordner.filePath(QString::fromUtf8(QTest::currentDataTag()) + QStringLiteral(".chm"));
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write(daten);
    datei.close();

    // Every topic either shows its page or says why it cannot; nothing crashes.
    for (int thema : AlleThemen) {
        Hilfe::zeigeThema(pfad, thema);
        HilfeFenster *fenster = Hilfe::fenster();
        const QString text = fenster->seitentext();
        if (ganzUnlesbar) {
            QCOMPARE(fenster->aktuellesThema(), 0);
            QVERIFY2(text.contains(QStringLiteral("Die Hilfedatei \u201E%1\u201C ist beschädigt und kann nicht "
                                                  "gelesen werden.")
                                       .arg(pfad)),
                     qPrintable(text));
        } else if (fenster->aktuellesThema() != thema) {
            QVERIFY2(text.contains(QStringLiteral("beschädigt")) || text.contains(QStringLiteral("nicht enthalten")),
                     qPrintable(text));
            bildSichern(fenster, QStringLiteral("hilfe-seite-beschaedigt"));
        }
    }
    Hilfe::zeigeSuche(pfad);
    tippen(Hilfe::fenster()->findChild<QLineEdit *>(QStringLiteral("eSuche")), QStringLiteral("Zahl"));
    if (ganzUnlesbar)
        QCOMPARE(Hilfe::fenster()->findChild<QListWidget *>(QStringLiteral("lwTreffer"))->count(), 0);
}

void TestHilfe::unbekanntesThema()
{
    Hilfe::zeigeThema(hilfedatei(), 4711);
    HilfeFenster *fenster = Hilfe::fenster();
    QCOMPARE(fenster->aktuellesThema(), 0);
    QVERIFY2(fenster->seitentext().contains(QStringLiteral("Das Hilfethema 4711 ist in der Hilfedatei")),
             qPrintable(fenster->seitentext()));
    QVERIFY(fenster->seitentext().contains(QStringLiteral("nicht enthalten")));
    QVERIFY(fenster->findChild<QTreeWidget *>(QStringLiteral("tvInhalt"))->topLevelItemCount() > 0);

    Hilfe::zeigeThema(hilfedatei(), 1030);
    QCOMPARE(fenster->aktuellesThema(), 1030);
}

void TestHilfe::nurEinFenster()
{
    Hilfe::zeigeThema(hilfedatei(), 1010);
    HilfeFenster *erstes = Hilfe::fenster();
    erstes->showMinimized();
    Hilfe::zeigeThema(hilfedatei(), 1060);
    QCOMPARE(Hilfe::fenster(), erstes);
    QVERIFY(!erstes->isMinimized());
    QVERIFY(erstes->isVisible());
    QCOMPARE(erstes->aktuellesThema(), 1060);

    erstes->close();
    Hilfe::zeigeSuche(hilfedatei());
    QCOMPARE(Hilfe::fenster(), erstes);
    QVERIFY(erstes->isVisible());

    int anzahl = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        anzahl += w->objectName() == QStringLiteral("FHilfe") ? 1 : 0;
    QCOMPARE(anzahl, 1);
}

void TestHilfe::hilfeHaeltDasProgrammNichtAuf()
{
    // Closing the last other window ends the event loop although the help is still open;
    // the help window goes with it.
    QWidget haupt;
    haupt.show();
    Hilfe::zeigeThema(hilfedatei(), 1030);
    QVERIFY(Hilfe::fenster()->isVisible());
    QTimer::singleShot(0, &haupt, &QWidget::close);
    QTimer notbremse;
    notbremse.setSingleShot(true);
    connect(&notbremse, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    notbremse.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(Hilfe::fenster(), nullptr);
}

QTEST_MAIN(TestHilfe)
#include "tst_hilfe.moc"
