// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Attrappen.h"
#include "Testumgebung.h"
#include "Texte.h"

#include "model/Datum.h"
#include "model/Spiel.h"
#include "statistics/Statistik.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/statistik/Diagrammseite.h"
#include "ui/statistik/Favoritenseite.h"
#include "ui/statistik/FrStatistik.h"
#include "ui/statistik/Haeufigkeitsfeld.h"
#include "ui/statistik/KombiSuche.h"
#include "ui/statistik/StatistikFenster.h"

#include <QAction>
#include <QBarSet>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <random>

namespace {

using Zahlen = std::array<std::uint8_t, 5>;

// Weekly draws from 6 January 2024 on; the statistics base recomputed as after a load.
void setzeHistorie(Zustand &z, const QVector<Zahlen> &zahlen)
{
    z.Ziehungen.clear();
    for (qsizetype i = 0; i < zahlen.size(); ++i)
        z.Ziehungen.append(Testumgebung::ziehung(QDate(2024, 1, 6).addDays(7 * i), zahlen[i], 3));
    StatistikStart(z);
}

QVector<Zahlen> zufallsziehungen(int anzahl)
{
    std::mt19937 zufall(4711);
    QVector<Zahlen> ziehungen;
    for (int i = 0; i < anzahl; ++i) {
        std::array<std::uint8_t, MaxZahl> topf{};
        std::iota(topf.begin(), topf.end(), std::uint8_t{1});
        std::shuffle(topf.begin(), topf.end(), zufall);
        Zahlen z{};
        std::copy_n(topf.begin(), 5, z.begin());
        std::sort(z.begin(), z.end());
        ziehungen.append(z);
    }
    return ziehungen;
}

// The counts of the draws von..bis, straight from the draws.
std::array<int, MaxZahl + 1> gezaehlt(const Zustand &z, int von, int bis)
{
    std::array<int, MaxZahl + 1> h{};
    for (int i = von; i <= bis; ++i)
        for (std::uint8_t n : z.Ziehungen[i].GZ)
            ++h[n];
    return h;
}

// A pick in a period list as the user makes it: the program's own selections raise nothing.
void waehle(QComboBox *liste, int index)
{
    liste->setCurrentIndex(index);
    Q_EMIT liste->activated(index);
}

QString zelle(const QTableView *g, int zeile, int spalte)
{
    return g->model()->index(zeile, spalte).data().toString();
}

QString kopf(const QTableView *g, int spalte)
{
    return g->model()->headerData(spalte, Qt::Horizontal).toString().trimmed();
}

QStringList zeile(const QTableView *g, int r)
{
    QStringList z;
    for (int c = 0; c < g->model()->columnCount(); ++c)
        z << zelle(g, r, c);
    return z;
}

// What the update command does in the tests of the download question.
enum Updatefenster { Keines, Echtes, SchliesstStatistik };

} // namespace

class TestStatistikfenster : public QObject
{
    Q_OBJECT

    // The window as the command builds it, with its frame and the parts tests look at.
    struct Fenster
    {
        explicit Fenster(Testumgebung &u) : f(new TFStatistik(u.zustand, u.befehle())), fr(f->frame())
        {
            f->show();
            if (!QTest::qWaitForWindowExposed(f))
                qFatal("window not shown");
        }
        ~Fenster() { delete f.data(); }
        template <class T> T *kind(const char *name) const
        {
            T *k = f->findChild<T *>(QLatin1String(name));
            if (!k)
                qFatal("no control %s", name);
            return k;
        }
        QComboBox *combo1() const { return kind<QComboBox>("Combo01"); }
        QComboBox *combo2() const { return kind<QComboBox>("Combo02"); }
        QString lzie() const { return kind<QLabel>("LZie0")->text(); }
        QRadioButton *letzte(int i) const
        {
            return kind<QRadioButton>(QStringLiteral("RGLetzte0_%1").arg(i).toLatin1().constData());
        }
        // A click on the choice's circle: the button may be wider than circle and caption.
        void waehleLetzte(int i) const
        {
            QTest::mouseClick(letzte(i), Qt::LeftButton, {}, QPoint(6, letzte(i)->height() / 2));
        }
        std::array<int, MaxZahl + 1> angezeigt() const
        {
            std::array<int, MaxZahl + 1> h{};
            for (int n = 1; n <= MaxZahl; ++n)
                h[static_cast<std::size_t>(n)] = fr->feld()->wert(n)->text().toInt();
            return h;
        }
        QPointer<TFStatistik> f;
        TFfrStatistik *fr;
    };

private Q_SLOTS:
    void aufbau()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        setzeHistorie(u.zustand, zufallsziehungen(1000));
        u.zustand.Haeufigkeiten.fill(0); // a period counted by an earlier window
        Fenster w(u);

        QCOMPARE(w.f->objectName(), QStringLiteral("FStatistik"));
        QCOMPARE(w.f->windowTitle(), QStringLiteral("Quintaro Analyser 1.5.0.0"));
        QCOMPARE(w.fr->title(), QStringLiteral("Statistik für die Gewinnzahlen"));
        for (const char *name :
             {"frStat0",  "Combo01",  "Combo02",  "BStart0",  "LZie0",     "P10",      "PRG0",     "RGLetzte0",
              "BAuf0",    "GAus0",    "PCStat0",  "Gauge01",  "Gauge02",   "BStart30", "BStart20", "GKombi10",
              "GKombi20", "GKombi30", "GKombi40", "GKombi50", "GKombi60",  "GKombi70", "PNr0",     "BNr01",
              "BNr049",   "BDel0",    "BSuche0",  "LErg0",    "BStatNr01", "BStatW049"})
            QVERIFY2(w.f->findChild<QWidget *>(QLatin1String(name)), name);
        for (const char *name : {"BStart0", "BAuf0", "BStart30", "BStart20", "BDel0"})
            QVERIFY2(!w.kind<QToolButton>(name)->toolTip().isEmpty(), name);

        // Period lists with every draw, the whole history chosen.
        QCOMPARE(w.combo1()->count(), 1000);
        QCOMPARE(w.combo1()->itemText(0), QStringLiteral("06.01.2024"));
        QCOMPARE(w.combo1()->currentIndex(), 0);
        QCOMPARE(w.combo2()->currentIndex(), 999);
        QCOMPARE(w.combo2()->maxVisibleItems(), 16);
        QCOMPARE(w.lzie(), QStringLiteral("1000"));
        QCOMPARE(w.angezeigt(), gezaehlt(u.zustand, 0, 999));
        QCOMPARE(w.fr->feld()->nummer(1)->text(), QStringLiteral("1"));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(w.letzte(i)->text(), texte({"8", "26", "52", "104", "1000"})[i]);
        QVERIFY(w.letzte(4)->isChecked());

        // Overdue list over all draws, longest missing first.
        const auto aus = Ausgeblieben(u.zustand, 0, 999);
        auto *gaus = w.kind<QTableView>("GAus0");
        QCOMPARE(gaus->model()->columnCount(), 50);
        QCOMPARE(gaus->model()->rowCount(), 1);
        QCOMPARE(gaus->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("    Zahl:"));
        QCOMPARE(zelle(gaus, 0, 0), QStringLiteral("Anzahl:"));
        for (int p = 1; p <= MaxZahl; ++p) {
            QCOMPARE(kopf(gaus, p), QString::number(aus[static_cast<std::size_t>(p - 1)].zahl));
            QCOMPARE(zelle(gaus, 0, p), QString::number(aus[static_cast<std::size_t>(p - 1)].anzahl));
        }
        QVERIFY(aus[0].anzahl >= aus[48].anzahl);

        // Pairs counted at once; triples and quadruples wait for their buttons.
        auto *paare = w.kind<QTableView>("GKombi10");
        QCOMPARE(texte({"Rang", "Kombi", "Anz."}), (QStringList{kopf(paare, 0), kopf(paare, 1), kopf(paare, 2)}));
        QVERIFY(paare->model()->rowCount() > 100);
        QCOMPARE(zelle(paare, 0, 0), QStringLiteral("1"));
        QVERIFY(zelle(paare, 0, 2).toInt() >= zelle(paare, 100, 2).toInt());
        QVERIFY(w.kind<QTableView>("GKombi20")->model()->rowCount() > 100);
        QCOMPARE(w.kind<QTableView>("GKombi50")->model()->rowCount(), 0);
        QCOMPARE(w.kind<QProgressBar>("Gauge01")->maximum(), 28380);
        QCOMPARE(w.kind<QProgressBar>("Gauge02")->maximum(), 297990);

        auto *seiten = w.kind<QTabWidget>("PCStat0");
        QStringList reiter;
        for (int i = 0; i < seiten->count(); ++i)
            reiter << seiten->tabText(i);
        QCOMPARE(reiter, texte({"2er Kombis", "3er Kombis", "4er Kombis", "Kombi-Suche", "Diagramm", "Zusatzzahl", "Muster"}));
        QCOMPARE(seiten->tabText(seiten->currentIndex()), QStringLiteral("Kombi-Suche"));
        QVERIFY(!w.kind<QPushButton>("BSuche0")->isEnabled());
        auto *suche = w.kind<QTableView>("GKombi70");
        QCOMPARE(texte({"Nr.", "Datum", "mit..."}), (QStringList{kopf(suche, 0), kopf(suche, 1), kopf(suche, 2)}));
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    void werkzeugleisteUndMenue()
    {
        Testumgebung u;
        setzeHistorie(u.zustand, zufallsziehungen(10));
        int updates = 0;
        u.befehle().setzeAusfuehrung(Befehle::Art::Update, [&] { ++updates; });
        Fenster w(u);
        QStringList knoepfe;
        auto *leiste = w.kind<QToolBar>("Tool1");
        for (QAction *a : leiste->actions()) {
            if (auto *k = qobject_cast<QToolButton *>(leiste->widgetForAction(a)))
                knoepfe << k->objectName();
        }
        QCOMPARE(knoepfe, texte({"BClose", "BEingabeN", "BUpdate", "BNoverK", "BKal", "BCalc", "BSysteme", "BStrategietest",
                                      "BGemeinschaft", "BHelp"}));
        QStringList menues;
        for (QAction *m : w.f->menuBar()->actions()) {
            menues << m->text();
            for (QAction *a : m->menu()->actions())
                menues << QStringLiteral("  ") + a->text();
        }
        QCOMPARE(menues, texte({"&Datei", "  &Beenden", "&Extras", "  &n über k berechnen", "  &Kalender",
                                "  Taschen&rechner", "  &Update-Prüfung", "&Hilfe", "  &Inhalt",
                                "  In Hilfe &suchen...", "  &Update-Prüfung", "  Programm-&Info"}));
        QTest::mouseClick(w.kind<QToolButton>("BUpdate"), Qt::LeftButton);
        QCOMPARE(updates, 1);
        w.f->menuBar()->actions().at(0)->menu()->actions().at(0)->trigger();
        QTRY_VERIFY(w.f.isNull()); // closed and destroyed
    }

    // The shared command opens one window, restores it, and the window goes on closing.
    void befehlOeffnetUndStelltWiederHer()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(30));
        TFAuswertung haupt(u.zustand, u.befehle());
        auto *knopf = haupt.findChild<QToolButton *>(QStringLiteral("BStatistik"));
        QVERIFY(knopf->isEnabled());
        haupt.show();
        QTest::mouseClick(knopf, Qt::LeftButton);
        QPointer<QWidget> fenster = findeFenster(QStringLiteral("FStatistik"));
        QVERIFY(fenster && fenster->isVisible());
        QCOMPARE(fenster->findChild<QComboBox *>(QStringLiteral("Combo02"))->currentText(),
                 QStringLiteral("22.07.2024"));
        QVERIFY(!QGuiApplication::overrideCursor());
        fenster->showMinimized();
        u.befehle().aktion(Befehle::Art::Statistik)->trigger();
        QCOMPARE(findeFenster(QStringLiteral("FStatistik")), fenster.data());
        QVERIFY(!(fenster->windowState() & Qt::WindowMinimized));
        fenster->close();
        QTRY_VERIFY(fenster.isNull());
        u.befehle().aktion(Befehle::Art::Statistik)->trigger();
        QVERIFY(findeFenster(QStringLiteral("FStatistik")));
        delete findeFenster(QStringLiteral("FStatistik"));
    }

    void letzteZiehungen_data()
    {
        QTest::addColumn<int>("ziehungen");
        QTest::addColumn<int>("gewaehlterBeginn"); // the user's pick in combo1 before, -1 none
        QTest::addColumn<int>("wahl");
        QTest::addColumn<int>("von");
        QTest::newRow("52 of 1000") << 1000 << -1 << 2 << 948;
        QTest::newRow("8 of 1000") << 1000 << 500 << 0 << 992;
        QTest::newRow("104 of 60: beginning kept") << 60 << 20 << 3 << 20;
        QTest::newRow("all of 60") << 60 << 20 << 4 << 0;
    }
    void letzteZiehungen()
    {
        QFETCH(int, ziehungen);
        QFETCH(int, gewaehlterBeginn);
        QFETCH(int, wahl);
        QFETCH(int, von);
        Testumgebung u;
        setzeHistorie(u.zustand, zufallsziehungen(ziehungen));
        Fenster w(u);
        if (gewaehlterBeginn >= 0)
            waehle(w.combo1(), gewaehlterBeginn);
        waehle(w.combo2(), ziehungen / 2);

        w.waehleLetzte(wahl);
        QCOMPARE(w.combo1()->currentIndex(), von);
        QCOMPARE(w.combo2()->currentIndex(), ziehungen - 1);
        QCOMPARE(w.angezeigt(), gezaehlt(u.zustand, von, ziehungen - 1));
        QCOMPARE(w.lzie(), QString::number(ziehungen - von));
        // The chart follows: bars are the counts, the line their average.
        const auto h = gezaehlt(u.zustand, von, ziehungen - 1);
        QBarSet *balken = w.fr->diagramme()->haeufigkeitsbalken();
        for (int n = 1; n <= MaxZahl; ++n)
            QCOMPARE(balken->at(Diagrammseite::balken(n)), static_cast<qreal>(h[static_cast<std::size_t>(n)]));
        QCOMPARE(w.fr->diagramme()->durchschnitt()->at(0).x(), 5.0 * (ziehungen - von) / MaxZahl);
    }

    void bisVorVon()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        setzeHistorie(u.zustand, zufallsziehungen(40));
        Fenster w(u);
        waehle(w.combo1(), 10);
        QCOMPARE(w.lzie(), QStringLiteral("30"));
        const auto vorher = w.angezeigt();
        QCOMPARE(vorher, gezaehlt(u.zustand, 10, 39));

        waehle(w.combo2(), 5);
        QCOMPARE(w.lzie(), QString());
        QCOMPARE(w.angezeigt(), vorher);
        QTest::mouseClick(w.kind<QToolButton>("BStart0"), Qt::LeftButton);
        QCOMPARE(w.angezeigt(), (std::array<int, MaxZahl + 1>{}));
        QCOMPARE(w.lzie(), QString());
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    void nachHaeufigkeitOrdnen()
    {
        Testumgebung u;
        // Every number twice, 13 once.
        const QVector<Zahlen> bloecke{{1, 2, 3, 4, 5},      {6, 7, 8, 9, 10},     {11, 12, 14, 15, 16},
                                      {17, 18, 19, 20, 21}, {22, 23, 24, 25, 26}, {27, 28, 29, 30, 31},
                                      {32, 33, 34, 35, 36}, {37, 38, 39, 40, 41}, {42, 43, 44, 45, 46},
                                      {47, 48, 49, 1, 2}};
        const QVector<Zahlen> ziehungen = bloecke + bloecke + QVector<Zahlen>{{13, 20, 30, 40, 49}};
        setzeHistorie(u.zustand, ziehungen);
        Fenster w(u);
        const auto h = w.angezeigt();
        QCOMPARE(*std::min_element(h.begin() + 1, h.end()), h[13]);
        QCOMPARE(std::count(h.begin() + 1, h.end(), h[13]), 1);

        Haeufigkeitsfeld *feld = w.fr->feld();
        const QPoint nebenEins = feld->wert(1)->pos();
        QTest::mouseClick(w.kind<QToolButton>("BAuf0"), Qt::LeftButton);
        QVERIFY(feld->Sortiert());
        QCOMPARE(feld->nummer(1)->text(), QStringLiteral("13"));
        QCOMPARE(feld->wert(13)->pos(), nebenEins);
        QCOMPARE(feld->wert(13)->text(), QString::number(h[13]));
        QCOMPARE(w.kind<QToolButton>("BAuf0")->toolTip(), QStringLiteral("Wieder nach Zahlen ordnen"));

        // A recount in count order changes the counts where they stand.
        waehle(w.combo1(), ziehungen.size() - 1);
        QCOMPARE(feld->nummer(1)->text(), QStringLiteral("13"));
        QCOMPARE(feld->wert(13)->pos(), nebenEins);
        QCOMPARE(feld->wert(13)->text(), QStringLiteral("1"));

        QTest::mouseClick(w.kind<QToolButton>("BAuf0"), Qt::LeftButton);
        QVERIFY(!feld->Sortiert());
        for (int n = 1; n <= MaxZahl; ++n) {
            QCOMPARE(feld->nummer(n)->text(), QString::number(n));
            QCOMPARE(feld->wert(n)->pos(), feld->nummer(n)->pos() + QPoint(feld->nummer(n)->width() + 1, 0));
        }

        // A save elsewhere recounts the whole history; the order still follows the counts shown
        // (the last draw only: 1 is among the numbers not drawn there).
        StatistikStart(u.zustand);
        QTest::mouseClick(w.kind<QToolButton>("BAuf0"), Qt::LeftButton);
        QCOMPARE(feld->nummer(1)->text(), QStringLiteral("1"));
        QCOMPARE(feld->nummer(49)->text(), QStringLiteral("49"));
        QCOMPARE(feld->nummer(45)->text(), QStringLiteral("13"));
    }

    void kombiSuche()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        setzeHistorie(u.zustand, {{1, 2, 3, 4, 5}, {1, 6, 7, 8, 9}, {1, 2, 10, 11, 12}});
        Fenster w(u);
        auto *suche = w.kind<QPushButton>("BSuche0");
        auto *erg = w.kind<QLabel>("LErg0");
        auto *gitter = w.kind<QTableView>("GKombi70");
        const auto knopf = [&](int n) {
            return w.kind<TBKombi>(QStringLiteral("BNr0%1").arg(n).toLatin1().constData());
        };
        const auto hintergrund = [&] { return erg->palette().color(QPalette::Window); };
        const QColor knopfflaeche = erg->palette().color(QPalette::Button);
        QCOMPARE(hintergrund(), knopfflaeche);
        QCOMPARE(gitter->model()->rowCount(), 50);

        QTest::mouseClick(knopf(1), Qt::LeftButton);
        QVERIFY(knopf(1)->gewaehlt());
        QVERIFY(!suche->isEnabled());
        QTest::mouseClick(knopf(2), Qt::LeftButton);
        QVERIFY(suche->isEnabled());
        QTest::mouseClick(suche, Qt::LeftButton);
        QCOMPARE(erg->text(), QStringLiteral("2"));
        QCOMPARE(hintergrund(), QColor(0, 255, 0));
        QCOMPARE(gitter->model()->rowCount(), 2);
        QCOMPARE(zeile(gitter, 0), texte({"1", "06.01.2024", "3,4,5"}));
        QCOMPARE(zeile(gitter, 1), texte({"2", "20.01.2024", "10,11,12"}));

        // 2 and 6 never together; the search follows the period.
        QTest::mouseClick(knopf(1), Qt::LeftButton);
        QVERIFY(!suche->isEnabled());
        QTest::mouseClick(knopf(6), Qt::LeftButton);
        QTest::mouseClick(suche, Qt::LeftButton);
        QCOMPARE(erg->text(), QStringLiteral("0"));
        QCOMPARE(hintergrund(), QColor(255, 102, 102));
        QCOMPARE(gitter->model()->rowCount(), 1);
        QCOMPARE(zeile(gitter, 0), texte({"", "", ""}));

        // A sixth number is refused with a message; five stay chosen.
        for (int n : {20, 30, 40})
            QTest::mouseClick(knopf(n), Qt::LeftButton);
        QTest::mouseClick(knopf(41), Qt::LeftButton);
        QCOMPARE(meldungen.texte(), texte({"Sie können maximal fünf Zahlen für die Suche angeben."}));
        QCOMPARE(meldungen.eintraege.at(0).art, MeldungsRecorder::Art::Fehler);
        QVERIFY(!knopf(41)->gewaehlt());
        QCOMPARE(w.fr->suche()->auswahl().SuchAnzahl(), 5);

        // Clearing: every button normal, the grid empty, the search button as it was.
        QTest::mouseClick(w.kind<QToolButton>("BDel0"), Qt::LeftButton);
        for (int n = 1; n <= MaxZahl; ++n)
            QVERIFY(!knopf(n)->gewaehlt());
        QCOMPARE(w.fr->suche()->auswahl().SuchAnzahl(), 0);
        QCOMPARE(gitter->model()->rowCount(), 50);
        for (int r = 0; r < 50; ++r)
            QCOMPARE(zeile(gitter, r), texte({"", "", ""}));
        QCOMPARE(erg->text(), QString());
        QCOMPARE(hintergrund(), knopfflaeche);
        QVERIFY(suche->isEnabled());
        // The selection looks: chosen and normal differ on screen.
        QTest::mouseClick(knopf(7), Qt::LeftButton);
        const QImage gewaehlt = knopf(7)->grab().toImage();
        const QImage normal = knopf(8)->grab().toImage();
        QVERIFY(gewaehlt.pixelColor(3, knopf(7)->height() / 2) != normal.pixelColor(3, knopf(8)->height() / 2));
    }

    // Triples and quadruples count the period at the press of their buttons.
    void dreierUndVierer()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        QVector<Zahlen> ziehungen(30, Zahlen{6, 7, 8, 9, 10});
        ziehungen += QVector<Zahlen>(8, Zahlen{1, 2, 3, 4, 5});
        setzeHistorie(u.zustand, ziehungen);
        Fenster w(u);
        w.waehleLetzte(0); // the last 8 draws

        QTest::mouseClick(w.kind<QToolButton>("BStart20"), Qt::LeftButton);
        auto *haeufig = w.kind<QTableView>("GKombi50");
        auto *selten = w.kind<QTableView>("GKombi60");
        QCOMPARE(w.kind<QProgressBar>("Gauge02")->value(), 297990);
        QCOMPARE(haeufig->model()->rowCount(), 211876);
        QCOMPARE(zeile(haeufig, 0), texte({"1", "1,2,3,4", "8"}));
        QCOMPARE(zeile(haeufig, 4), texte({"5", "2,3,4,5", "8"}));
        QCOMPARE(zeile(haeufig, 5), texte({"6", "1,2,3,6", "0"}));
        QCOMPARE(zeile(haeufig, 211875), texte({"211876", "46,47,48,49", "0"}));
        QCOMPARE(selten->model()->rowCount(), 211871);
        QCOMPARE(zeile(selten, 0), texte({"1", "1,2,3,6", "0"}));
        // The last row scrolls into view.
        w.kind<QTabWidget>("PCStat0")->setCurrentIndex(2);
        haeufig->scrollToBottom();
        QCOMPARE(haeufig->rowAt(haeufig->viewport()->height() - 2), 211875);

        // The lists keep the period of their run; a new run counts the new one.
        w.waehleLetzte(4);
        QCOMPARE(zeile(haeufig, 0), texte({"1", "1,2,3,4", "8"}));
        QTest::mouseClick(w.kind<QToolButton>("BStart30"), Qt::LeftButton);
        auto *dreier = w.kind<QTableView>("GKombi30");
        QCOMPARE(w.kind<QProgressBar>("Gauge01")->value(), 28380);
        QCOMPARE(zeile(dreier, 0), texte({"1", "6,7,8", "30"}));
        QCOMPARE(zeile(dreier, 10), texte({"11", "1,2,3", "8"}));
        QCOMPARE(w.kind<QTableView>("GKombi40")->model()->rowCount(), 18424 - 20);
        QTest::mouseClick(w.kind<QToolButton>("BStart20"), Qt::LeftButton);
        QCOMPARE(zeile(haeufig, 0), texte({"1", "6,7,8,9", "30"}));
        QCOMPARE(haeufig->model()->rowCount(), 211876);
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    void leereHistorie_data()
    {
        QTest::addColumn<Meldungen::Antwort>("antwort");
        QTest::newRow("yes") << Meldungen::Antwort::Ja;
        QTest::newRow("no") << Meldungen::Antwort::Nein;
        QTest::newRow("cancel") << Meldungen::Antwort::Abbrechen;
    }
    void leereHistorie()
    {
        QFETCH(Meldungen::Antwort, antwort);
        Testumgebung u;
        MeldungsRecorder meldungen;
        StatistikStart(u.zustand);
        int updates = 0;
        u.befehle().setzeAusfuehrung(Befehle::Art::Update, [&] {
            ++updates;
            QVERIFY(!u.zustand.DownloadNachfragen);
        });
        Fenster w(u);
        QCOMPARE(w.angezeigt(), (std::array<int, MaxZahl + 1>{}));
        QCOMPARE(w.lzie(), QStringLiteral("0"));
        QCOMPARE(w.letzte(4)->text(), QStringLiteral("0"));
        auto *gaus = w.kind<QTableView>("GAus0");
        for (int p = 1; p <= MaxZahl; ++p) {
            QCOMPARE(kopf(gaus, p), QString::number(p));
            QCOMPARE(zelle(gaus, 0, p), QStringLiteral("0"));
        }
        for (const char *name : {"GKombi10", "GKombi20"}) {
            auto *g = w.kind<QTableView>(name);
            QCOMPARE(g->model()->rowCount(), 1176);
            QCOMPARE(zeile(g, 0), texte({"1", "1,2", "0"}));
            QCOMPARE(zeile(g, 1175), texte({"1176", "48,49", "0"}));
        }

        // Triples and quadruples ask for the connection; nothing is counted.
        QTest::mouseClick(w.kind<QToolButton>("BStart30"), Qt::LeftButton);
        QTest::mouseClick(w.kind<QToolButton>("BStart20"), Qt::LeftButton);
        QCOMPARE(meldungen.texte(), QStringList(2, QStringLiteral(" Bitte Verbindung zum Internet bestehen.")));
        QCOMPARE(meldungen.eintraege.at(0).art, MeldungsRecorder::Art::Information);
        QCOMPARE(w.kind<QTableView>("GKombi50")->model()->rowCount(), 0);

        // A search reads nothing.
        for (int n : {1, 2})
            QTest::mouseClick(w.kind<QPushButton>(QStringLiteral("BNr0%1").arg(n).toLatin1().constData()),
                              Qt::LeftButton);
        QTest::mouseClick(w.kind<QPushButton>("BSuche0"), Qt::LeftButton);
        QCOMPARE(w.kind<QLabel>("LErg0")->text(), QStringLiteral("0"));

        // Counting offers the download area.
        meldungen.eintraege.clear();
        meldungen.antworten.enqueue(antwort);
        QTest::mouseClick(w.kind<QToolButton>("BStart0"), Qt::LeftButton);
        QCOMPARE(meldungen.texte(),
                 QStringList(QStringLiteral("Für eine statistische Auswertung fehlen die "
                                            "Gewinnreihen.\n\nSoll ich den Downloadbereich öffnen?")));
        QCOMPARE(meldungen.eintraege.at(0).art, MeldungsRecorder::Art::FrageJaNeinAbbrechen);
        const bool ja = antwort == Meldungen::Antwort::Ja;
        if (ja) {
            QTRY_VERIFY(w.f.isNull());
            QCOMPARE(updates, 1);
        } else {
            QTest::qWait(10);
            QVERIFY(w.f->isVisible());
            QCOMPARE(updates, 0);
        }
        QCOMPARE(u.zustand.DownloadNachfragen, !ja);
    }

    // With no draws every choice of the last X draws counts none.
    void letzteOhneZiehungen()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        StatistikStart(u.zustand);
        Fenster w(u);
        for (int i = 0; i < 5; ++i) {
            meldungen.antworten.enqueue(Meldungen::Antwort::Nein);
            w.waehleLetzte(i);
            QVERIFY(w.letzte(i)->isChecked());
            QCOMPARE(w.lzie(), QStringLiteral("0"));
        }
    }

    // Whatever the update window does, the statistics window closes once and is not touched
    // after it is gone.
    void downloadbereichSchliesstFenster_data()
    {
        QTest::addColumn<int>("update");
        QTest::newRow("no update window") << int(Keines);
        QTest::newRow("the update window") << int(Echtes);
        QTest::newRow("window gone during the update") << int(SchliesstStatistik);
    }
    void downloadbereichSchliesstFenster()
    {
        QFETCH(int, update);
        Testumgebung u;
        MeldungsRecorder meldungen;
        // The update window starts its download at once: let it meet a closed local port.
        u.schreibe(Dateinamen::Einstellungen, "[Update]\nServer=http://127.0.0.1:1\n");
        StatistikStart(u.zustand);
        if (update == Keines)
            u.befehle().sperre(Befehle::Art::Update, QStringLiteral("nicht da"));
        if (update == SchliesstStatistik) {
            u.befehle().setzeAusfuehrung(Befehle::Art::Update, [] {
                findeFenster(QStringLiteral("FStatistik"))->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            });
        }
        Fenster w(u);
        meldungen.antworten.enqueue(Meldungen::Antwort::Ja);
        w.waehleLetzte(2);
        QCOMPARE(meldungen.texte().value(0), QStringLiteral("Für eine statistische Auswertung fehlen die "
                                                            "Gewinnreihen.\n\nSoll ich den Downloadbereich öffnen?"));
        QTRY_VERIFY(w.f.isNull());
        QVERIFY(!u.zustand.DownloadNachfragen);
        QPointer<QWidget> updatefenster = findeFenster(QStringLiteral("FUpdate"));
        QCOMPARE(!updatefenster.isNull(), update == Echtes);
        if (updatefenster) {
            updatefenster->close();
            delete updatefenster.data();
        }
    }

    // The window does not follow a change of the history; its lists may name draws that are
    // gone. Nothing reads past the end of the history.
    void historieGeschrumpft()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        const QVector<Zahlen> ziehungen = zufallsziehungen(100);
        setzeHistorie(u.zustand, ziehungen);
        Fenster w(u);
        const QString gausVorher = zelle(w.kind<QTableView>("GAus0"), 0, 1);
        setzeHistorie(u.zustand, ziehungen.mid(0, 10));

        QCOMPARE(w.combo1()->count(), 100);
        waehle(w.combo1(), 5);
        QCOMPARE(w.lzie(), QStringLiteral("95"));
        QCOMPARE(w.angezeigt(), gezaehlt(u.zustand, 5, 9));
        waehle(w.combo1(), 50);
        QCOMPARE(w.angezeigt(), (std::array<int, MaxZahl + 1>{}));
        w.waehleLetzte(0);
        QCOMPARE(w.angezeigt(), (std::array<int, MaxZahl + 1>{}));
        w.waehleLetzte(4);
        QCOMPARE(w.angezeigt(), gezaehlt(u.zustand, 0, 9));

        // The ten draws left hold 50 different quadruples.
        QTest::mouseClick(w.kind<QToolButton>("BStart20"), Qt::LeftButton);
        auto *vierer = w.kind<QTableView>("GKombi50");
        QCOMPARE(zelle(vierer, 0, 2), QStringLiteral("1"));
        QCOMPARE(zelle(vierer, 49, 2), QStringLiteral("1"));
        QCOMPARE(zelle(vierer, 50, 2), QStringLiteral("0"));
        QTest::mouseClick(w.kind<QToolButton>("BStart30"), Qt::LeftButton);
        for (int n : {ziehungen[9][0], ziehungen[9][1]})
            QTest::mouseClick(w.kind<QPushButton>(QStringLiteral("BNr0%1").arg(n).toLatin1().constData()),
                              Qt::LeftButton);
        QTest::mouseClick(w.kind<QPushButton>("BSuche0"), Qt::LeftButton);
        QVERIFY(w.kind<QLabel>("LErg0")->text().toInt() >= 1);
        QCOMPARE(zelle(w.kind<QTableView>("GAus0"), 0, 1), gausVorher);
        QVERIFY(meldungen.eintraege.isEmpty());
    }

    void ausgebliebenImDiagramm()
    {
        Testumgebung u;
        setzeHistorie(u.zustand, zufallsziehungen(200));
        Fenster w(u);
        w.waehleLetzte(0);
        // Over the whole history, whatever the period, in number order.
        const auto aus = Ausgeblieben(u.zustand, 0, 199);
        QBarSet *balken = w.fr->diagramme()->ausgebliebenBalken();
        QCOMPARE(balken->count(), MaxZahl);
        for (const Ausgebliebene &a : aus)
            QCOMPARE(balken->at(Diagrammseite::balken(a.zahl)), static_cast<qreal>(a.anzahl));
    }
};

QTEST_MAIN(TestStatistikfenster)
#include "tst_statistikfenster.moc"
