#include "ui/Hauptfenster.h"

#include "model/Dateien.h"
#include "model/Spiel.h"
#include "model/Zustand.h"
#include "ui/Meldungen.h"
#include "ui/Symbole.h"
#include "ui/Tippauswertung.h"
#include "ui/Ziehungsspalte.h"
#include "ui/hilfe/Hilfe.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString Abrechnung = QStringLiteral("Abrechnung");
const QString Preis = QStringLiteral("Preis");
const QString Spielscheine = QStringLiteral("Spielscheine");
const QString Merken = QStringLiteral("Merken");

enum Hilfethema { Startthema = 1010, Hauptfensterthema = 1030 };
} // namespace

TFAuswertung::TFAuswertung(Zustand &zustand, QWidget *eltern)
    : QMainWindow(eltern), m_zustand(zustand), m_einstellungen(zustand.einstellungsdatei())
{
    setObjectName(QStringLiteral("FAuswertung"));
    ReihenpreisLesen();
    setWindowTitle(Fenstertitel());

    auto *mitte = new QWidget(this);
    auto *senkrecht = new QVBoxLayout(mitte);
    senkrecht->setContentsMargins(6, 6, 6, 4);
    auto *spalten = new QHBoxLayout;
    spalten->setSpacing(8);
    m_ziehungsspalte = new Ziehungsspalte(m_zustand, mitte);
    m_tippauswertung = new Tippauswertung(m_zustand, mitte);
    spalten->addWidget(m_ziehungsspalte);
    spalten->addWidget(m_tippauswertung, 1);
    senkrecht->addLayout(spalten, 1);
    senkrecht->addWidget(baueFussleiste());
    setCentralWidget(mitte);

    baueWerkzeugleiste();
    baueMenue();
    resize(925, 679 + menuBar()->sizeHint().height());

    m_tippauswertung->setzeZiehungsliste(m_ziehungsspalte->ziehungsliste());
    connect(m_ziehungsspalte, &Ziehungsspalte::downloadGewuenscht, this, &TFAuswertung::oeffneUpdatefenster);
    connect(m_ziehungsspalte, &Ziehungsspalte::ziehungGespeichert, m_tippauswertung, &Tippauswertung::TabsAktualisieren);
    m_ziehungsspalte->GZEinlesen();
}

void TFAuswertung::ReihenpreisLesen()
{
    if (!m_einstellungen.EinstellungenDa())
        return;
    const QLocale &locale = m_zustand.Formateinstellungen;
    const QString text = m_einstellungen.LeseText(Abrechnung, Preis, QStringLiteral("200,00"));
    bool ok = false;
    const double preis = locale.toDouble(text.trimmed(), &ok);
    if (ok && preis == 200.0) {
        // Old files stored the price in cents.
        m_einstellungen.SchreibeText(Abrechnung, Preis, locale.toString(2.0, 'f', 2));
        m_zustand.Reihenpreis = 2.0F;
    } else if (ok && preis > 0.0 && preis < 1.0e6) {
        m_zustand.Reihenpreis = static_cast<float>(preis);
    }
    // Anything else is no usable price: the return rate keeps 2,00 per row.
}

void TFAuswertung::baueWerkzeugleiste()
{
    auto *leiste = addToolBar(QStringLiteral("Werkzeuge"));
    leiste->setObjectName(QStringLiteral("Tool1"));
    leiste->setMovable(false);
    leiste->setIconSize(QSize(24, 24));
    leiste->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const auto knopf = [this, leiste](const QString &name, const QIcon &icon, const QString &hinweis) {
        auto *aktion = new QAction(icon, hinweis, this);
        aktion->setToolTip(hinweis);
        leiste->addAction(aktion);
        auto *widget = qobject_cast<QToolButton *>(leiste->widgetForAction(aktion));
        widget->setObjectName(name);
        widget->setAccessibleName(hinweis);
        return aktion;
    };
    auto *beenden = knopf(QStringLiteral("BClose"), Symbole::beenden(), QStringLiteral("Programm beenden"));
    connect(beenden, &QAction::triggered, this, &QWidget::close);
    m_aEingabe = knopf(QStringLiteral("BEingabeN"), Symbole::eingabe(), QStringLiteral("Neuen Tippschein eingeben"));
    m_aNueberK = knopf(QStringLiteral("BNoverK"), Symbole::nUeberK(), QStringLiteral("n über k berechnen"));
    m_aStatistik = knopf(QStringLiteral("BStatistik"), Symbole::statistik(), QStringLiteral("Statistik der Gewinnzahlen"));
    m_aRechner = knopf(QStringLiteral("BCalc"), Symbole::rechner(), QStringLiteral("Taschenrechner starten"));
    m_aUpdate = knopf(QStringLiteral("BUpdate"), Symbole::update(), QStringLiteral("Update-Prüfung und Download der Gewinnreihen"));
    m_aKalender = knopf(QStringLiteral("BKal"), Symbole::kalender(), QStringLiteral("Kalender anzeigen"));
    m_aZufall = knopf(QStringLiteral("BZufall"), Symbole::zufall(), QStringLiteral("Zufallsreihen erzeugen"));
    auto *abstand = new QWidget(leiste);
    abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    leiste->addWidget(abstand);
    auto *hilfe = knopf(QStringLiteral("BHelp"), Symbole::hilfe(), QStringLiteral("Hilfe zum Hauptfenster"));
    connect(hilfe, &QAction::triggered, this, [this] { zeigeHilfe(Hauptfensterthema); });

    // The windows behind these commands are not part of the program yet.
    for (QAction *a : {m_aEingabe, m_aNueberK, m_aStatistik, m_aRechner, m_aUpdate, m_aKalender, m_aZufall})
        a->setEnabled(false);

    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { zeigeHilfe(Hauptfensterthema); });
}

void TFAuswertung::baueMenue()
{
    // Menu items share the enabled state of their tool buttons but keep their own captions.
    const auto wie = [this](QMenu *menue, const QString &text, QAction *knopf) {
        QAction *eintrag = menue->addAction(text);
        eintrag->setEnabled(knopf->isEnabled());
        connect(knopf, &QAction::enabledChanged, eintrag, &QAction::setEnabled);
        connect(eintrag, &QAction::triggered, knopf, &QAction::trigger);
        return eintrag;
    };

    QMenu *datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    m_aOeffnen = datei->addAction(QStringLiteral("Tippschein(e) öffnen..."));
    connect(m_aOeffnen, &QAction::triggered, m_tippauswertung->BOpen(), &QPushButton::click);
    wie(datei, QStringLiteral("Neuen Tippschein eingeben..."), m_aEingabe);
    datei->addSeparator();
    QAction *beenden = datei->addAction(QStringLiteral("&Beenden"));
    connect(beenden, &QAction::triggered, this, &QWidget::close);

    QMenu *extras = menuBar()->addMenu(QStringLiteral("&Extras"));
    wie(extras, QStringLiteral("&n über k berechnen"), m_aNueberK);
    wie(extras, QStringLiteral("&Kalender"), m_aKalender);
    wie(extras, QStringLiteral("Taschen&rechner"), m_aRechner);
    extras->addSeparator();
    wie(extras, QStringLiteral("&Update-Prüfung"), m_aUpdate);

    QMenu *hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    connect(hilfe->addAction(QStringLiteral("&Inhalt")), &QAction::triggered, this, [this] { zeigeHilfe(Startthema); });
    connect(hilfe->addAction(QStringLiteral("In Hilfe &suchen...")), &QAction::triggered, this,
            &TFAuswertung::zeigeHilfesuche);
    hilfe->addSeparator();
    wie(hilfe, QStringLiteral("&Update-Prüfung"), m_aUpdate);
    hilfe->addSeparator();
    m_aInfo = hilfe->addAction(QStringLiteral("Programm-&Info"));
    m_aInfo->setEnabled(false);
}

QWidget *TFAuswertung::baueFussleiste()
{
    auto *fuss = new QWidget(this);
    fuss->setObjectName(QStringLiteral("PUnten"));
    auto *zeile = new QHBoxLayout(fuss);
    zeile->setContentsMargins(0, 0, 0, 0);
    auto *image3 = new QLabel(fuss);
    image3->setObjectName(QStringLiteral("Image3"));
    image3->setPixmap(Symbole::internet().pixmap(24, 24));
    image3->setToolTip(QStringLiteral("Zur Internetseite des Programms"));
    image3->setEnabled(false);
    zeile->addWidget(image3);
    zeile->addStretch();
    auto *schliessen = new QPushButton(QStringLiteral("Sch&ließen"), fuss);
    schliessen->setObjectName(QStringLiteral("SpeedButton7"));
    schliessen->setIcon(Symbole::beenden());
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    zeile->addWidget(schliessen);
    return fuss;
}

void TFAuswertung::showEvent(QShowEvent *ereignis)
{
    QMainWindow::showEvent(ereignis);
    if (!m_ersteAnzeigeGeplant) {
        m_ersteAnzeigeGeplant = true;
        // After the window is on screen, so that its questions appear above it.
        QTimer::singleShot(0, this, &TFAuswertung::ersteAnzeige);
    }
}

void TFAuswertung::ersteAnzeige()
{
    int anzahl = 0;
    if (m_einstellungen.EinstellungenDa()) {
        m_tippauswertung->cbMerken()->setChecked(m_einstellungen.LeseFlag(Spielscheine, Merken, false));
        anzahl = m_einstellungen.LeseZahl(Spielscheine, QStringLiteral("Dateienanzahl"), 0);
        // The files are opened whatever Merken says; the flag only sets the check box.
        for (int i = 1; i <= anzahl; ++i) {
            const QString pfad = m_einstellungen.LeseText(Spielscheine, QStringLiteral("Datei%1").arg(i), QString());
            if (QFileInfo::exists(pfad))
                m_tippauswertung->DateienEinlesen(pfad);
            else
                Meldungen::information(this, QStringLiteral("Die mit dem Programmstart zu ladende Datei ")
                                                 + QFileInfo(pfad).fileName() + Absatz + QStringLiteral(" wurde nicht gefunden."));
        }
    }
    if (anzahl == 0 && QFileInfo::exists(m_zustand.Datenordner + Dateinamen::DemoTippschein))
        m_tippauswertung->DateienEinlesen(m_zustand.Datenordner + Dateinamen::DemoTippschein);
    if (m_zustand.Ziehungen.isEmpty())
        frageNachDownload();
}

void TFAuswertung::frageNachDownload()
{
    const auto antwort = Meldungen::frageJaNeinAbbrechen(
        this, QStringLiteral("Es fehlen jegliche Gewinnreihen.") + Absatz + QStringLiteral("Soll ich deren Download gleich starten?"));
    if (antwort == Meldungen::Antwort::Ja) {
        m_zustand.DownloadNachfragen = false;
        oeffneUpdatefenster();
    }
}

void TFAuswertung::oeffneUpdatefenster()
{
    if (m_aUpdate->isEnabled())
        m_aUpdate->trigger();
}

void TFAuswertung::zeigeHilfe(int thema) { Hilfe::zeigeThema(m_zustand.Hilfedatei, thema); }

void TFAuswertung::zeigeHilfesuche() { Hilfe::zeigeSuche(m_zustand.Hilfedatei); }

void TFAuswertung::closeEvent(QCloseEvent *ereignis)
{
    if (!m_einstellungen.SchreibeFlag(Spielscheine, Merken, m_tippauswertung->cbMerken()->isChecked()))
        Meldungen::fehler(this, DateiFehlerText(m_einstellungen.datei(), m_einstellungen.letzterFehler(), true));
    ereignis->accept();
    Q_EMIT geschlossen();
}
