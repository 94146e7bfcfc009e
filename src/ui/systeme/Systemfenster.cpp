// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/systeme/Systemfenster.h"

#include "generator/Zufallsauswahl.h"
#include "generator/Zufallsgenerator.h"
#include "model/Dateien.h"
#include "model/Zustand.h"
#include "systems/Systembericht.h"
#include "systems/Systemtabelle.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Dateidialoge.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/gemeinsam/Fortschrittsanzeige.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/ScheinSpeichern.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/TabellenExport.h"
#include "ui/haupt/Berichtsdruck.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/haupt/Tippauswertung.h"
#include "ui/systeme/FrSystemchancen.h"
#include "ui/systeme/Systemlauf.h"
#include "ui/systeme/Systemzahlen.h"
#include "ui/zufall/Reihenspalte.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString Abschnitt = QStringLiteral("Systeme");
const QString SchluesselZahlen = QStringLiteral("Zahlen");
const QString SchluesselGarantie = QStringLiteral("Garantie");
const QString SchluesselSuchzeit = QStringLiteral("Suchzeit");
constexpr int VorgabeSuchzeit = 10;
constexpr int Hilfethema = 1110;
// Larger systems are built only when the user agrees to their stake.
constexpr std::int64_t FrageAbReihen = 1000;
const QString Systemtab = QStringLiteral("System (nicht gespeichert)");

QString abbruch(const QString &text)
{
    return text + Absatz + QStringLiteral("Ich breche erst einmal ab.");
}

QString garantieSchluessel(Garantie g)
{
    return QStringLiteral("%1:%2").arg(g.richtige).arg(g.wenn);
}
} // namespace

TFSysteme::TFSysteme(Zustand &zustand, Befehle &befehle, QWidget *eltern)
    : QMainWindow(eltern), m_zustand(zustand), m_befehle(befehle), m_einstellungen(zustand.einstellungsdatei())
{
    setObjectName(QStringLiteral("FSysteme"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Fenstertitel() + QStringLiteral(" \u2013 Systeme"));
    m_lauf = new Systemlauf(this);
    connect(m_lauf, &Systemlauf::gesucht, this, &TFSysteme::laufGesucht);
    connect(m_lauf, &Systemlauf::beendet, this, &TFSysteme::laufBeendet);
    m_fortschritt = new Fortschrittsanzeige(this);
    connect(m_fortschritt, &Fortschrittsanzeige::abgebrochen, m_lauf, &Systemlauf::abbrechen);
    connect(qApp, &QCoreApplication::aboutToQuit, m_lauf, &Systemlauf::anhalten);

    auto *mitte = new QWidget(this);
    auto *senkrecht = new QVBoxLayout(mitte);
    senkrecht->setContentsMargins(6, 4, 6, 4);
    auto *spalten = new QHBoxLayout;
    spalten->addWidget(baueWahl(mitte));

    m_reihenspalte = new Reihenspalte([](Zahlenmenge &, Zahlenmenge &) {}, mitte);
    m_reihenspalte->BSave()->setText(QStringLiteral("Als Tippschein s&peichern..."));
    m_reihenspalte->LReihen()->setText(QStringLiteral("Systemreihen"));
    m_reihenspalte->GZuf()->setAccessibleName(QStringLiteral("Systemreihen"));
    connect(m_reihenspalte->BSave(), &QPushButton::clicked, this, &TFSysteme::BSaveClick);
    connect(m_reihenspalte->SpeedButton3(), &QPushButton::clicked, this, &TFSysteme::BCsvClick);
    connect(m_reihenspalte->SpeedButton4(), &QPushButton::clicked, this, &TFSysteme::BExcelClick);
    spalten->addWidget(m_reihenspalte);

    auto *rechts = new QVBoxLayout;
    m_chancen = new FrSystemchancen(mitte);
    rechts->addWidget(m_chancen, 1);
    auto *knoepfe = new QHBoxLayout;
    m_bDrucken = new QPushButton(QStringLiteral("&Drucken..."), mitte);
    m_bDrucken->setObjectName(QStringLiteral("BDrucken"));
    m_bPdf = new QPushButton(QStringLiteral("Als PD&F speichern..."), mitte);
    m_bPdf->setObjectName(QStringLiteral("BPdf"));
    m_bAuswerten = new QPushButton(QStringLiteral("Im &Hauptfenster auswerten"), mitte);
    m_bAuswerten->setObjectName(QStringLiteral("BAuswerten"));
    connect(m_bDrucken, &QPushButton::clicked, this, &TFSysteme::BDruckenClick);
    connect(m_bPdf, &QPushButton::clicked, this, &TFSysteme::BPdfClick);
    connect(m_bAuswerten, &QPushButton::clicked, this, &TFSysteme::BAuswertenClick);
    knoepfe->addWidget(m_bDrucken);
    knoepfe->addWidget(m_bPdf);
    rechts->addLayout(knoepfe);
    rechts->addWidget(m_bAuswerten);
    spalten->addLayout(rechts, 1);
    senkrecht->addLayout(spalten, 1);
    senkrecht->addWidget(Schliessleiste(QStringLiteral("BClose"), this));
    m_bClose = findChild<QPushButton *>(QStringLiteral("BClose"));
    setCentralWidget(mitte);

    QToolBar *leiste = m_befehle.werkzeugleiste(this,
                                                {Befehle::Art::Eingabe, Befehle::Art::Statistik, Befehle::Art::Zufall,
                                                 Befehle::Art::NueberK, Befehle::Art::Kalender, Befehle::Art::Rechner},
                                                Hilfethema, QStringLiteral("Hilfe zu den Systemen"));
    m_leisteClose = leiste->findChild<QToolButton *>(QStringLiteral("BClose"));
    m_leisteClose->setObjectName(QStringLiteral("BCloseLeiste"));

    vorschau();
    resize(sizeHint().expandedTo(QSize(1100, 620)));
    platziereFenster(this);
}

TFSysteme::~TFSysteme() = default;

QWidget *TFSysteme::baueWahl(QWidget *eltern)
{
    m_eingaben = new QWidget(eltern);
    auto *spalte = new QVBoxLayout(m_eingaben);
    spalte->setContentsMargins(0, 0, 0, 0);
    m_zahlen = new Systemzahlen(m_eingaben);
    spalte->addWidget(m_zahlen);

    auto *art = new QGroupBox(QStringLiteral("System"), m_eingaben);
    art->setObjectName(QStringLiteral("PArt"));
    auto *form = new QFormLayout(art);
    m_rbVoll = new QRadioButton(QStringLiteral("&Vollsystem"), art);
    m_rbVoll->setObjectName(QStringLiteral("RBVoll"));
    m_rbKurz = new QRadioButton(QStringLiteral("&Kurzsystem"), art);
    m_rbKurz->setObjectName(QStringLiteral("RBKurz"));
    m_rbKurz->setChecked(true);
    auto *arten = new QHBoxLayout;
    arten->addWidget(m_rbVoll);
    arten->addWidget(m_rbKurz);
    form->addRow(arten);
    m_cbGarantie = new QComboBox(art);
    m_cbGarantie->setObjectName(QStringLiteral("CBGarantie"));
    for (int m = 1; m <= ZahlenProReihe; ++m)
        for (int t = 1; t <= m; ++t)
            if (t < ZahlenProReihe)
                m_cbGarantie->addItem(GarantieKurz({t, m}), garantieSchluessel({t, m}));
    m_cbGarantie->setCurrentIndex(m_cbGarantie->findData(QStringLiteral("3:4")));
    auto *lGarantie = new QLabel(QStringLiteral("&Garantie:"), art);
    lGarantie->setBuddy(m_cbGarantie);
    form->addRow(lGarantie, m_cbGarantie);
    m_eSuchzeit = new QSpinBox(art);
    m_eSuchzeit->setObjectName(QStringLiteral("ESuchzeit"));
    m_eSuchzeit->setRange(1, 3600);
    m_eSuchzeit->setValue(VorgabeSuchzeit);
    m_eSuchzeit->setSuffix(QStringLiteral(" s"));
    auto *lSuchzeit = new QLabel(QStringLiteral("Such&zeit:"), art);
    lSuchzeit->setBuddy(m_eSuchzeit);
    form->addRow(lSuchzeit, m_eSuchzeit);
    spalte->addWidget(art);
    spalte->addWidget(baueZusatzzahl(m_eingaben));

    m_lVorschau = new QLabel(m_eingaben);
    m_lVorschau->setObjectName(QStringLiteral("LVorschau"));
    m_lVorschau->setWordWrap(true);
    spalte->addWidget(m_lVorschau);
    m_bBilden = new QPushButton(QStringLiteral("System &bilden"), m_eingaben);
    m_bBilden->setObjectName(QStringLiteral("BBilden"));
    connect(m_bBilden, &QPushButton::clicked, this, &TFSysteme::BBildenClick);
    spalte->addWidget(m_bBilden);
    spalte->addStretch();

    connect(m_zahlen, &Systemzahlen::geaendert, this, &TFSysteme::vorschau);
    connect(m_rbVoll, &QRadioButton::toggled, this, &TFSysteme::vorschau);
    connect(m_cbGarantie, &QComboBox::currentIndexChanged, this, &TFSysteme::vorschau);
    return m_eingaben;
}

QWidget *TFSysteme::baueZusatzzahl(QWidget *eltern)
{
    auto *feld = new QGroupBox(QStringLiteral("Zusatzzahl jeder Reihe (1 - 10)"), eltern);
    feld->setObjectName(QStringLiteral("PZusatzzahl"));
    auto *zeile = new QHBoxLayout(feld);
    m_cbZuf = new QRadioButton(QStringLiteral("per Zufall"), feld);
    m_cbZuf->setObjectName(QStringLiteral("cbZuf"));
    m_cbZuf->setChecked(true);
    m_cbfix = new QRadioButton(QStringLiteral("festlegen"), feld);
    m_cbfix->setObjectName(QStringLiteral("cbfix"));
    auto *lZZ = new QLabel(QStringLiteral("fixe Zusatzzahl:"), feld);
    m_eZZ = FettesZiffernfeld(QStringLiteral("eZZ"), 2, feld);
    m_eZZ->setMaxLength(2);
    m_eZZ->setEnabled(false);
    lZZ->setBuddy(m_eZZ);
    zeile->addWidget(m_cbZuf);
    zeile->addWidget(m_cbfix);
    zeile->addWidget(lZZ);
    zeile->addWidget(m_eZZ);
    connect(m_cbfix, &QRadioButton::toggled, m_eZZ, &QLineEdit::setEnabled);
    return feld;
}

void TFSysteme::vorschau()
{
    const bool voll = m_rbVoll->isChecked();
    m_cbGarantie->setEnabled(!voll);
    m_eSuchzeit->setEnabled(!voll);
    const auto n = static_cast<int>(m_zahlen->zahlen().size());
    const QLocale &l = m_zustand.Formateinstellungen;
    if (voll) {
        if (n < MinSystemzahlen || n > MaxVollsystemzahlen) {
            m_lVorschau->setText(QStringLiteral("Ein Vollsystem braucht 6 bis 20 Zahlen."));
            return;
        }
        const std::int64_t reihen = VollsystemReihen(n);
        m_lVorschau->setText(QStringLiteral("Vollsystem: %1 Reihen, Einsatz %2")
                                 .arg(l.toString(static_cast<qint64>(reihen)),
                                      BetragZuWaehrung(Systemeinsatz(reihen, m_zustand.Reihenpreis), l)));
        return;
    }
    if (n < MinSystemzahlen || n > MaxSystemzahlen) {
        m_lVorschau->setText(QStringLiteral("Ein Kurzsystem braucht 6 bis 30 Zahlen."));
        return;
    }
    const QStringList tm = m_cbGarantie->currentData().toString().split(QLatin1Char(':'));
    const Garantie g{tm.value(0).toInt(), tm.value(1).toInt()};
    const std::int64_t grenze = Untergrenze(n, g);
    // The table's system is known at once; the search starts from it.
    if (const std::optional<Tabelleneintrag> bekannt = BekanntesSystem(n, g)) {
        const auto reihen = static_cast<qint64>(bekannt->reihen.size());
        m_lVorschau->setText(QStringLiteral("Kurzsystem %1: %2 Reihen aus der Systemtabelle, Einsatz %3; "
                                            "mindestens %4 Reihen n\u00F6tig")
                                 .arg(GarantieKurz(g), l.toString(reihen),
                                      BetragZuWaehrung(Systemeinsatz(reihen, m_zustand.Reihenpreis), l),
                                      l.toString(static_cast<qint64>(grenze))));
        return;
    }
    m_lVorschau->setText(QStringLiteral("Kurzsystem %1: mindestens %2 Reihen n\u00F6tig, Einsatz ab %3")
                             .arg(GarantieKurz(g), l.toString(static_cast<qint64>(grenze)),
                                  BetragZuWaehrung(Systemeinsatz(grenze, m_zustand.Reihenpreis), l)));
}

void TFSysteme::showEvent(QShowEvent *ereignis)
{
    QMainWindow::showEvent(ereignis);
    if (!m_eingelesen) {
        m_eingelesen = true;
        QTimer::singleShot(0, this, &TFSysteme::EinstellungenLesen);
    }
}

void TFSysteme::EinstellungenLesen()
{
    if (!m_einstellungen.EinstellungenDa())
        return;
    std::vector<int> zahlen;
    for (int z : ZahlenAusListe(m_einstellungen.LeseText(Abschnitt, SchluesselZahlen, QString())))
        if (istZahl(z) && std::find(zahlen.begin(), zahlen.end(), z) == zahlen.end())
            zahlen.push_back(z);
    m_zahlen->setzeZahlen(zahlen);
    const QString garantie = m_einstellungen.LeseText(Abschnitt, SchluesselGarantie, QStringLiteral("3:4")).trimmed();
    // No guarantee: the full system.
    if (garantie.isEmpty()) {
        m_rbVoll->setChecked(true);
    } else if (const int index = m_cbGarantie->findData(garantie); index >= 0) {
        m_cbGarantie->setCurrentIndex(index);
        m_rbKurz->setChecked(true);
    }
    bool ok = false;
    const int sekunden = m_einstellungen.LeseText(Abschnitt, SchluesselSuchzeit, QString()).trimmed().toInt(&ok);
    m_eSuchzeit->setValue(ok && sekunden >= 1 && sekunden <= 3600 ? sekunden : VorgabeSuchzeit);
    vorschau();
}

void TFSysteme::EinstellungenSchreiben()
{
    QStringList zahlen;
    for (int z : m_zahlen->zahlen())
        zahlen << QString::number(z);
    const QString garantie = m_rbVoll->isChecked() ? QString() : m_cbGarantie->currentData().toString();
    const bool ok = m_einstellungen.SchreibeText(Abschnitt, SchluesselZahlen, zahlen.join(QLatin1Char(','))) &&
                    m_einstellungen.SchreibeText(Abschnitt, SchluesselGarantie, garantie) &&
                    m_einstellungen.SchreibeText(Abschnitt, SchluesselSuchzeit, QString::number(m_eSuchzeit->value()));
    if (!ok)
        Meldungen::fehler(this, DateiFehlerText(m_einstellungen.datei(), m_einstellungen.letzterFehler(), true));
}

void TFSysteme::closeEvent(QCloseEvent *ereignis)
{
    // A search under way holds the window open; "Abbrechen" ends it first.
    if (m_lauf->laeuft()) {
        ereignis->ignore();
        return;
    }
    EinstellungenSchreiben();
    ereignis->accept();
}

void TFSysteme::BBildenClick()
{
    if (m_lauf->laeuft()) {
        Meldungen::information(this, QStringLiteral("Es l\u00E4uft schon eine Suche. Warten Sie ihr Ende ab oder "
                                                    "brechen Sie sie ab."));
        return;
    }
    Systemwunsch wunsch;
    wunsch.zahlen = m_zahlen->zahlen();
    if (m_rbKurz->isChecked()) {
        const QStringList tm = m_cbGarantie->currentData().toString().split(QLatin1Char(':'));
        wunsch.garantie = Garantie{tm.value(0).toInt(), tm.value(1).toInt()};
        wunsch.millisekunden = std::int64_t{m_eSuchzeit->value()} * 1000;
        wunsch.schritte = m_suchschritte;
    }
    const QString fehler = SystemPruefen(wunsch.zahlen, wunsch.garantie);
    if (!fehler.isEmpty()) {
        Meldungen::fehler(this, abbruch(fehler));
        return;
    }
    if (m_cbfix->isChecked()) {
        if (m_eZZ->text().isEmpty() || !istZusatzzahl(m_eZZ->text().toInt())) {
            Meldungen::fehler(this, abbruch(QStringLiteral("Bitte geben Sie f\u00FCr die Zusatzzahl eine Zahl aus dem "
                                                           "Wertebereich 1 bis 10 an.")));
            return;
        }
        wunsch.festeZusatzzahl = static_cast<std::uint8_t>(m_eZZ->text().toInt());
    }
    const int n = static_cast<int>(wunsch.zahlen.size());
    const std::int64_t reihen = wunsch.garantie ? Untergrenze(n, *wunsch.garantie) : VollsystemReihen(n);
    // Asked once per run: here when the size is known before, else when the search has ended.
    m_gefragt = reihen > FrageAbReihen;
    if (m_gefragt && !grossesSystemBilden(reihen, !wunsch.garantie, true))
        return;
    wunsch.startwert = m_startwert != 0 ? m_startwert : NeuerStartwert();

    setzeLaufend(true);
    const QString text = wunsch.garantie
                             ? QStringLiteral("Ich suche ein System \u2026")
                             : QStringLiteral("Ich bilde das Vollsystem mit %1 Reihen \u2026")
                                   .arg(m_zustand.Formateinstellungen.toString(static_cast<qint64>(reihen)));
    // The search works on a system one row smaller than the best so far; a full system just runs.
    Fortschrittsanzeige::Stand stand;
    if (wunsch.garantie)
        stand = [this](QProgressDialog &dialog) {
            if (const int beste = m_lauf->besteReihen(); beste > 1)
                dialog.setLabelText(QStringLiteral("Ich suche ein System mit %1 Reihen \u2026 (bisher %2)")
                                        .arg(m_zustand.Formateinstellungen.toString(beste - 1),
                                             m_zustand.Formateinstellungen.toString(beste)));
        };
    m_fortschritt->zeigen(text, 0, std::move(stand));
    m_lauf->starten(wunsch);
}

bool TFSysteme::grossesSystemBilden(std::int64_t reihen, bool voll, bool mindestens)
{
    const QLocale &l = m_zustand.Formateinstellungen;
    const QString einsatz = BetragZuWaehrung(Systemeinsatz(reihen, m_zustand.Reihenpreis), l);
    const QString anzahl = l.toString(static_cast<qint64>(reihen));
    const QString frage =
        voll ? QStringLiteral("Das Vollsystem hat %1 Reihen und kostet %2 je Ziehung.").arg(anzahl, einsatz)
        : mindestens
            ? QStringLiteral("Das System braucht mindestens %1 Reihen und kostet damit mindestens %2 je Ziehung.")
                  .arg(anzahl, einsatz)
            : QStringLiteral("Das gefundene System hat %1 Reihen und kostet %2 je Ziehung.").arg(anzahl, einsatz);
    return Meldungen::frageJaNein(this, frage + Absatz + QStringLiteral("Soll ich es trotzdem bilden?")) ==
           Meldungen::Antwort::Ja;
}

void TFSysteme::laufGesucht()
{
    m_fortschritt->schliessen();
    const Systemergebnis &ergebnis = m_lauf->ergebnis();
    if (!ergebnis.fehler.isEmpty()) {
        setzeLaufend(false);
        Meldungen::fehler(this, abbruch(ergebnis.fehler));
        return;
    }
    // An abbreviated system whose size was not known before: asked now, before anything shows.
    if (!m_gefragt && ergebnis.anzahl() > FrageAbReihen) {
        m_gefragt = true;
        if (!grossesSystemBilden(ergebnis.anzahl(), false, false)) {
            setzeLaufend(false);
            return;
        }
    }
    // Counting the chances of thousands of rows takes a moment: it shows how far it is.
    m_fortschritt->zeigen(QStringLiteral("Ich z\u00E4hle die Gewinnchancen der %1 Reihen \u2026")
                              .arg(m_zustand.Formateinstellungen.toString(ergebnis.anzahl())),
                          1, [this](QProgressDialog &dialog) {
                              if (m_lauf->chancenGesamt() == 0)
                                  return;
                              dialog.setMaximum(m_lauf->chancenGesamt());
                              dialog.setValue(m_lauf->chancenErledigt());
                          });
    m_lauf->chancenZaehlen();
}

void TFSysteme::laufBeendet()
{
    m_fortschritt->schliessen();
    const bool gezaehlt = m_lauf->gezaehlt();
    Systemergebnis ergebnis = m_lauf->uebernehmen();
    setzeLaufend(false);
    // A cancelled count shows nothing: the system shown before stays.
    if (!gezaehlt)
        return;
    // A cancelled search hands back the best complete system it had found: that one shows.
    m_system = std::move(ergebnis);
    m_reihenspalte->zeigeReihen(SystemAlsReihen(m_system));
    m_reihenspalte->LReihen()->setText(
        QStringLiteral("%1 Systemreihen").arg(m_zustand.Formateinstellungen.toString(m_system.anzahl())));
    m_chancen->zeige(m_system, m_zustand.Reihenpreis, m_zustand.Formateinstellungen);
}

void TFSysteme::setzeLaufend(bool laufend)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_eingaben, m_reihenspalte->BSave(),
                                                       m_reihenspalte->SpeedButton3(), m_reihenspalte->SpeedButton4(),
                                                       m_bDrucken, m_bPdf, m_bAuswerten, m_bClose, m_leisteClose})
        w->setEnabled(!laufend);
    if (laufend)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool TFSysteme::systemDa()
{
    if (m_system.anzahl() > 0)
        return true;
    Meldungen::fehler(this, abbruch(QStringLiteral("Es gibt noch kein System. Bitte bilden Sie zuerst eines.")));
    return false;
}

TextTabelle TFSysteme::speichertabelle() const
{
    return m_reihenspalte->modell()->reihen().alsTabelle(
        [this](const QString &t) { return m_reihenspalte->GZuf()->textbreite(t); });
}

void TFSysteme::BSaveClick()
{
    Dateidialoge::Auswahl a;
    a.titel = QStringLiteral("Als Tippschein speichern...");
    a.ordner = m_zustand.Datenordner;
    a.filtertext = QStringLiteral("Tippschein-Datei");
    a.endung = QStringLiteral("qtt");
    ScheinSpeichern(this, speichertabelle(), m_reihenspalte->EAntGes()->text(), m_reihenspalte->EAntmeine()->text(), a,
                    m_reihenspalte->LDatei());
}

void TFSysteme::BCsvClick()
{
    TabelleAlsCSVSpeichern(this, speichertabelle(), CSVSpeicherdialog(m_zustand.Datenordner), m_reihenspalte->LDatei());
}

void TFSysteme::BExcelClick()
{
    TabelleNachExcel(this, speichertabelle(), QStringLiteral("Systemreihen"), 6, m_zustand);
}

void TFSysteme::BDruckenClick()
{
    if (!systemDa())
        return;
    const QString fehler =
        Berichtsdruck::drucken(this, SystemberichtErstellen(m_system, m_zustand.Reihenpreis, QDate::currentDate(),
                                                            m_zustand.Formateinstellungen));
    if (!fehler.isEmpty())
        Meldungen::fehler(this, fehler);
}

void TFSysteme::BPdfClick()
{
    if (!systemDa())
        return;
    Dateidialoge::Auswahl a;
    a.titel = QStringLiteral("System als PDF speichern");
    a.filtertext = QStringLiteral("PDF-Dokument");
    a.endung = QStringLiteral("pdf");
    a.ordner = m_zustand.Datenordner + QStringLiteral("System.pdf");
    const QString datei = Dateidialoge::speichern(this, a);
    if (datei.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString fehler = Berichtsdruck::alsPdf(
        SystemberichtErstellen(m_system, m_zustand.Reihenpreis, QDate::currentDate(), m_zustand.Formateinstellungen),
        datei);
    QApplication::restoreOverrideCursor();
    if (!fehler.isEmpty())
        Meldungen::fehler(this, fehler);
    else
        Meldungen::information(this, QStringLiteral("Gespeichert in: ") + QFileInfo(datei).fileName());
}

void TFSysteme::BAuswertenClick()
{
    if (!systemDa())
        return;
    auto *haupt = qobject_cast<TFAuswertung *>(findeFenster(QStringLiteral("FAuswertung")));
    if (!haupt) {
        Meldungen::fehler(this, abbruch(QStringLiteral("Das Hauptfenster ist nicht ge\u00F6ffnet.")));
        return;
    }
    haupt->tippauswertung()->ReihenOeffnen(speichertabelle(), m_reihenspalte->EAntGes()->text(),
                                           m_reihenspalte->EAntmeine()->text(), Systemtab);
    haupt->raise();
    haupt->activateWindow();
}
