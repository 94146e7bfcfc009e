// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/strategie/Strategiefenster.h"

#include "model/Dateien.h"
#include "model/Datum.h"
#include "model/Zustand.h"
#include "strategy/Strategiebericht.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Dateidialoge.h"
#include "ui/gemeinsam/Datumsauswahl.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/Hintergrundlauf.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/TabellenExport.h"
#include "ui/gemeinsam/TextGitter.h"
#include "ui/gemeinsam/TextTabellenModell.h"
#include "model/Tippscheindatei.h"
#include "ui/haupt/Berichtsdruck.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/haupt/Tippauswertung.h"
#include "ui/strategie/Strategiedialog.h"
#include "ui/strategie/Strategiediagramm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString StrategieAbschnitt = QStringLiteral("Strategietest");
constexpr int StrategieHilfethema = 1140;

QString strategieAbbruch(const QString &text)
{
    return text + Absatz + QStringLiteral("Ich breche erst einmal ab.");
}

// Shows `tabelle` in the grid, each column as wide as its header and widest cell need.
void tabelleZeigen(Gitter *gitter, TextTabellenModell *modell, TextTabelle tabelle)
{
    for (int s = 0; s < tabelle.spalten(); ++s) {
        int breite = gitter->kopfbreite(tabelle.zelle(s, 0));
        for (int z = 1; z < std::min(tabelle.zeilen(), 2000); ++z)
            breite = std::max(breite, gitter->zellenbreite(tabelle.zelle(s, z), false));
        tabelle.setzeSpaltenbreite(s, breite);
    }
    modell->setzeTabelle(tabelle);
    for (int s = 0; s < tabelle.spalten(); ++s)
        gitter->setColumnWidth(s, tabelle.spaltenbreite(s));
}

QPushButton *strategieKnopf(const QString &text, const QString &name, QWidget *eltern)
{
    auto *k = new QPushButton(text, eltern);
    k->setObjectName(name);
    return k;
}
} // namespace

TFStrategietest::TFStrategietest(Zustand &zustand, Befehle &befehle, QWidget *eltern)
    : QMainWindow(eltern), m_zustand(zustand), m_befehle(befehle), m_einstellungen(zustand.einstellungsdatei())
{
    setObjectName(QStringLiteral("FStrategietest"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Fenstertitel() + QStringLiteral(" \u2013 Strategietest"));
    m_lauf = new Hintergrundlauf(this);
    connect(m_lauf, &Hintergrundlauf::beendet, this, &TFStrategietest::laufBeendet);

    auto *mitte = new QWidget(this);
    auto *senkrecht = new QVBoxLayout(mitte);
    senkrecht->setContentsMargins(6, 4, 6, 4);
    m_eingaben = new QWidget(mitte);
    auto *oben = new QHBoxLayout(m_eingaben);
    oben->setContentsMargins(0, 0, 0, 0);
    oben->addWidget(baueStrategien(m_eingaben), 1);
    oben->addWidget(baueZeitraum(m_eingaben));
    senkrecht->addWidget(m_eingaben);
    senkrecht->addWidget(baueErgebnisse(mitte), 1);

    m_ausgaben = new QWidget(mitte);
    auto *knoepfe = new QHBoxLayout(m_ausgaben);
    knoepfe->setContentsMargins(0, 0, 0, 0);
    const std::array<std::tuple<QString, QString, void (TFStrategietest::*)()>, 4> ausgaben{{
        {QStringLiteral("Als &CSV speichern..."), QStringLiteral("BCsv"), &TFStrategietest::BCsvClick},
        {QStringLiteral("Als Arbeits&mappe \u00F6ffnen"), QStringLiteral("BExcel"), &TFStrategietest::BExcelClick},
        {QStringLiteral("&Drucken..."), QStringLiteral("BDrucken"), &TFStrategietest::BDruckenClick},
        {QStringLiteral("Als PD&F speichern..."), QStringLiteral("BPdf"), &TFStrategietest::BPdfClick},
    }};
    for (const auto &[text, name, slot] : ausgaben) {
        QPushButton *k = strategieKnopf(text, name, m_ausgaben);
        connect(k, &QPushButton::clicked, this, slot);
        knoepfe->addWidget(k);
    }
    m_lDatei = new QLabel(m_ausgaben);
    m_lDatei->setObjectName(QStringLiteral("LDatei"));
    knoepfe->addWidget(m_lDatei, 1);
    senkrecht->addWidget(m_ausgaben);
    senkrecht->addWidget(Schliessleiste(QStringLiteral("BClose"), this));
    m_bClose = findChild<QPushButton *>(QStringLiteral("BClose"));
    setCentralWidget(mitte);

    QToolBar *leiste = m_befehle.werkzeugleiste(
        this, {Befehle::Art::Eingabe, Befehle::Art::Statistik, Befehle::Art::Zufall, Befehle::Art::Systeme,
               Befehle::Art::NueberK, Befehle::Art::Kalender, Befehle::Art::Rechner},
        StrategieHilfethema, QStringLiteral("Hilfe zum Strategietest"));
    m_leisteClose = leiste->findChild<QToolButton *>(QStringLiteral("BClose"));
    m_leisteClose->setObjectName(QStringLiteral("BCloseLeiste"));

    // A replaced history (a download, an import) reaches the date lists once the main window has
    // read it, a draw entered by hand at once; the shown result keeps the history it was tested on.
    connect(&m_befehle, &Befehle::gewinnreihenErsetzt, this,
            [this] { QTimer::singleShot(0, this, &TFStrategietest::ziehungenNeu); });
    connect(&m_befehle, &Befehle::ziehungGespeichert, this, &TFStrategietest::ziehungenNeu);
    const Datumsliste daten{m_zustand.Ziehungen, std::nullopt};
    m_von->datumsliste()->setzeListe(daten);
    m_bis->datumsliste()->setzeListe(daten);
    // Four years back from the newest draw: long enough to see the band, short enough to be quick.
    m_von->setCurrentIndex(std::max(0, m_von->count() - 208));
    m_bis->setCurrentIndex(m_bis->count() - 1);
    ergebnisZeigen();
    resize(sizeHint().expandedTo(QSize(1100, 720)));
    platziereFenster(this);
}

TFStrategietest::~TFStrategietest() = default;

QWidget *TFStrategietest::baueStrategien(QWidget *eltern)
{
    auto *feld = new QGroupBox(QStringLiteral("Strategien"), eltern);
    feld->setObjectName(QStringLiteral("PStrategien"));
    auto *zeile = new QHBoxLayout(feld);
    m_liste = new QListWidget(feld);
    m_liste->setObjectName(QStringLiteral("LStrategien"));
    m_liste->setAccessibleName(QStringLiteral("Strategien"));
    m_liste->setMinimumHeight(110);
    m_liste->setMaximumHeight(150);
    connect(m_liste, &QListWidget::itemDoubleClicked, this, &TFStrategietest::BAendernClick);
    zeile->addWidget(m_liste, 1);
    auto *spalte = new QVBoxLayout;
    const std::array<std::tuple<QString, QString, void (TFStrategietest::*)()>, 3> knoepfe{{
        {QStringLiteral("&Hinzuf\u00FCgen..."), QStringLiteral("BHinzu"), &TFStrategietest::BHinzuClick},
        {QStringLiteral("\u00C4nd&ern..."), QStringLiteral("BAendern"), &TFStrategietest::BAendernClick},
        {QStringLiteral("Entfe&rnen"), QStringLiteral("BEntfernen"), &TFStrategietest::BEntfernenClick},
    }};
    for (const auto &[text, name, slot] : knoepfe) {
        QPushButton *k = strategieKnopf(text, name, feld);
        connect(k, &QPushButton::clicked, this, slot);
        spalte->addWidget(k);
    }
    spalte->addStretch();
    zeile->addLayout(spalte);
    return feld;
}

QWidget *TFStrategietest::baueZeitraum(QWidget *eltern)
{
    auto *feld = new QGroupBox(QStringLiteral("Zeitraum und Zufall"), eltern);
    feld->setObjectName(QStringLiteral("PZeitraum"));
    auto *form = new QFormLayout(feld);
    const auto zeile = [&](const QString &text, QWidget *w) {
        auto *l = new QLabel(text, feld);
        l->setBuddy(w);
        form->addRow(l, w);
    };
    for (auto [ziel, name, text] : {std::tuple{&m_von, QStringLiteral("ComboVon"), QStringLiteral("&von:")},
                                    std::tuple{&m_bis, QStringLiteral("ComboBis"), QStringLiteral("&bis:")}}) {
        *ziel = new Datumsauswahl(m_zustand.Formateinstellungen, feld);
        (*ziel)->setObjectName(name);
        (*ziel)->setMinimumWidth(120);
        zeile(text, *ziel);
    }
    m_verlaeufe = new QSpinBox(feld);
    m_verlaeufe->setObjectName(QStringLiteral("EVerlaeufe"));
    m_verlaeufe->setRange(0, MaxVerlaeufe);
    m_verlaeufe->setValue(VorgabeVerlaeufe);
    m_verlaeufe->setGroupSeparatorShown(true);
    m_verlaeufe->setToolTip(QStringLiteral("Faire Verl\u00E4ufe mit denselben Reihen; 0 vergleicht nicht mit dem Zufall"));
    zeile(QStringLiteral("Zuf\u00E4llige &Verl\u00E4ufe:"), m_verlaeufe);
    // In a layout, not a widget of its own, so the label stays the field's buddy for screen readers.
    auto *startzeile = new QHBoxLayout;
    m_startwert = new QLineEdit(QString::number(NeuerStartwert() % 1'000'000'000ULL), feld);
    m_startwert->setObjectName(QStringLiteral("EStartwert"));
    m_startwert->setToolTip(QStringLiteral("Derselbe Startwert wiederholt den Test genau"));
    QPushButton *neu = strategieKnopf(QStringLiteral("&Neu"), QStringLiteral("BNeuerStartwert"), feld);
    neu->setToolTip(QStringLiteral("Einen neuen Startwert w\u00FCrfeln"));
    connect(neu, &QPushButton::clicked, this,
            [this] { m_startwert->setText(QString::number(NeuerStartwert() % 1'000'000'000ULL)); });
    startzeile->addWidget(m_startwert, 1);
    startzeile->addWidget(neu);
    auto *lStart = new QLabel(QStringLiteral("&Startwert:"), feld);
    lStart->setBuddy(m_startwert);
    form->addRow(lStart, startzeile);
    m_bTesten = strategieKnopf(QStringLiteral("&Testen"), QStringLiteral("BTesten"), feld);
    QFont fett = m_bTesten->font();
    fett.setBold(true);
    m_bTesten->setFont(fett);
    connect(m_bTesten, &QPushButton::clicked, this, &TFStrategietest::BTestenClick);
    form->addRow(m_bTesten);
    return feld;
}

QWidget *TFStrategietest::baueErgebnisse(QWidget *eltern)
{
    m_tabs = new QTabWidget(eltern);
    m_tabs->setObjectName(QStringLiteral("PErgebnisse"));

    auto *uebersicht = new QWidget(m_tabs);
    auto *spalte = new QVBoxLayout(uebersicht);
    m_uebersichtGitter = TextGitter(QStringLiteral("GUebersicht"), TextTabelle(1, 1), uebersicht);
    m_uebersichtModell = qobject_cast<TextTabellenModell *>(m_uebersichtGitter->model());
    m_uebersichtGitter->setAccessibleName(QStringLiteral("\u00DCbersicht der Strategien"));
    spalte->addWidget(m_uebersichtGitter, 1);
    m_platzierungen = new QLabel(uebersicht);
    m_platzierungen->setObjectName(QStringLiteral("LPlatzierungen"));
    m_platzierungen->setWordWrap(true);
    m_platzierungen->setTextInteractionFlags(Qt::TextSelectableByMouse);
    spalte->addWidget(m_platzierungen);
    m_tabs->addTab(uebersicht, QStringLiteral("\u00DCbersicht"));

    m_diagramm = new Strategiediagramm(m_tabs);
    m_diagramm->setAccessibleName(QStringLiteral("Verlauf der Bilanz"));
    m_tabs->addTab(m_diagramm, QStringLiteral("Diagramm"));

    auto *ziehungen = new QWidget(m_tabs);
    auto *zspalte = new QVBoxLayout(ziehungen);
    auto *wahlzeile = new QHBoxLayout;
    m_strategieWahl = new QComboBox(ziehungen);
    m_strategieWahl->setObjectName(QStringLiteral("ComboStrategie"));
    m_strategieWahl->setMinimumContentsLength(30);
    auto *lWahl = new QLabel(QStringLiteral("Strate&gie:"), ziehungen);
    lWahl->setBuddy(m_strategieWahl);
    wahlzeile->addWidget(lWahl);
    wahlzeile->addWidget(m_strategieWahl);
    wahlzeile->addStretch();
    zspalte->addLayout(wahlzeile);
    m_ziehungenGitter = TextGitter(QStringLiteral("GZiehungen"), TextTabelle(1, 1), ziehungen);
    m_ziehungenModell = qobject_cast<TextTabellenModell *>(m_ziehungenGitter->model());
    m_ziehungenGitter->setAccessibleName(QStringLiteral("Ziehungen der Strategie"));
    zspalte->addWidget(m_ziehungenGitter, 1);
    connect(m_strategieWahl, &QComboBox::currentIndexChanged, this, &TFStrategietest::ziehungenZeigen);
    m_tabs->addTab(ziehungen, QStringLiteral("Ziehungen"));
    return m_tabs;
}

void TFStrategietest::showEvent(QShowEvent *ereignis)
{
    QMainWindow::showEvent(ereignis);
    if (!m_eingelesen) {
        m_eingelesen = true;
        EinstellungenLesen();
    }
}

void TFStrategietest::EinstellungenLesen()
{
    if (!m_einstellungen.EinstellungenDa())
        return;
    // "Strategie1", "Strategie2", …: one strategy a line; a line that is no strategy is left out.
    for (const auto &[schluessel, wert] : m_einstellungen.LeseAbschnitt(StrategieAbschnitt)) {
        if (schluessel.startsWith(QLatin1String("Strategie"), Qt::CaseInsensitive)) {
            if (std::optional<Strategie> s = StrategieAusEintraegen(EintraegeAusZeile(wert)))
                m_strategien.push_back(*s);
        } else if (schluessel.compare(QLatin1String("Verlaeufe"), Qt::CaseInsensitive) == 0) {
            bool ok = false;
            const int s = wert.trimmed().toInt(&ok);
            if (ok && s >= 0 && s <= MaxVerlaeufe)
                m_verlaeufe->setValue(s);
        } else if (schluessel.compare(QLatin1String("Startwert"), Qt::CaseInsensitive) == 0) {
            bool ok = false;
            wert.trimmed().toULongLong(&ok);
            if (ok)
                m_startwert->setText(wert.trimmed());
        }
    }
    listeZeigen();
}

void TFStrategietest::EinstellungenSchreiben()
{
    QList<std::pair<QString, QString>> eintraege;
    for (std::size_t i = 0; i < m_strategien.size(); ++i)
        eintraege.append({QStringLiteral("Strategie%1").arg(i + 1), EintraegeAlsZeile(StrategieAlsEintraege(m_strategien[i]))});
    eintraege.append({QStringLiteral("Verlaeufe"), QString::number(m_verlaeufe->value())});
    eintraege.append({QStringLiteral("Startwert"), m_startwert->text().trimmed()});
    if (!m_einstellungen.ErsetzeAbschnitt(StrategieAbschnitt, eintraege))
        Meldungen::fehler(this, DateiFehlerText(m_einstellungen.datei(), m_einstellungen.letzterFehler(), true));
}

void TFStrategietest::closeEvent(QCloseEvent *ereignis)
{
    // A test under way holds the window open; "Abbrechen" ends it first.
    if (m_lauf->laeuft()) {
        ereignis->ignore();
        return;
    }
    EinstellungenSchreiben();
    ereignis->accept();
}

void TFStrategietest::ziehungenNeu()
{
    // The same dates stay chosen, or the nearest later ones.
    const auto neu = [this](Datumsauswahl *liste) {
        const QVector<TGewZahlen> &alt = liste->datumsliste()->liste().ziehungen;
        const int index = liste->currentIndex();
        const double tag = index >= 0 && index < alt.size() ? alt[index].datum : 0.0;
        liste->datumsliste()->setzeListe(Datumsliste{m_zustand.Ziehungen, std::nullopt});
        const auto stelle = std::lower_bound(m_zustand.Ziehungen.cbegin(), m_zustand.Ziehungen.cend(), tag,
                                             [](const TGewZahlen &z, double t) { return z.datum < t; });
        liste->setCurrentIndex(std::min(static_cast<int>(stelle - m_zustand.Ziehungen.cbegin()),
                                        static_cast<int>(m_zustand.Ziehungen.size()) - 1));
    };
    neu(m_von);
    neu(m_bis);
}

void TFStrategietest::listeZeigen()
{
    const int zeile = m_liste->currentRow();
    m_liste->clear();
    for (const Strategie &s : m_strategien)
        // A name of the player's own says the kind beside it; the standard name says it itself.
        m_liste->addItem(s.name.trimmed().isEmpty() ? StandardName(s)
                                                    : QStringLiteral("%1 (%2)").arg(s.name.trimmed(), StandardName(s)));
    m_liste->setCurrentRow(std::min(zeile < 0 ? 0 : zeile, m_liste->count() - 1));
}

void TFStrategietest::strategieHinzufuegen(const Strategie &strategie)
{
    Strategie s = strategie;
    if (!ReihenImSchein(s))
        s.reihen.clear(); // read again at each test, so a changed file counts
    m_strategien.push_back(s);
    listeZeigen();
    m_liste->setCurrentRow(m_liste->count() - 1);
}

QList<Tabreihen> TFStrategietest::offeneTabs() const
{
    QList<Tabreihen> tabs;
    const auto *haupt = qobject_cast<TFAuswertung *>(findeFenster(QStringLiteral("FAuswertung")));
    if (!haupt)
        return tabs;
    const QTabWidget *seiten = haupt->tippauswertung()->PC1();
    for (int i = 0; i < seiten->count(); ++i) {
        const auto *gitter = seiten->widget(i)->findChild<Gitter *>(QStringLiteral("G3"));
        const auto *modell = gitter ? qobject_cast<const TextTabellenModell *>(gitter->model()) : nullptr;
        if (!modell)
            continue;
        Tabreihen t;
        t.titel = seiten->tabText(i).remove(QLatin1Char('&'));
        t.reihen = TippreihenAusTabelle(modell->tabelle());
        const auto *ges = seiten->widget(i)->findChild<QLineEdit *>(QStringLiteral("EAntGes"));
        const auto *meine = seiten->widget(i)->findChild<QLineEdit *>(QStringLiteral("EAntmeine"));
        t.antGes = ges ? AnteilAusText(ges->text()).value_or(1) : 1;
        t.antMeine = meine ? AnteilAusText(meine->text()).value_or(1) : 1;
        if (!t.reihen.isEmpty())
            tabs << t;
    }
    return tabs;
}

void TFStrategietest::BHinzuClick()
{
    Strategiedialog dialog(m_zustand.Datenordner, this, offeneTabs());
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString fehler;
    strategieHinzufuegen(dialog.strategie(fehler));
}

void TFStrategietest::BAendernClick()
{
    const int zeile = m_liste->currentRow();
    if (zeile < 0 || zeile >= static_cast<int>(m_strategien.size())) {
        Meldungen::information(this, QStringLiteral("Bitte w\u00E4hlen Sie zuerst eine Strategie in der Liste."));
        return;
    }
    Strategiedialog dialog(m_zustand.Datenordner, this, offeneTabs());
    dialog.setzeStrategie(m_strategien[static_cast<std::size_t>(zeile)]);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString fehler;
    m_strategien[static_cast<std::size_t>(zeile)] = dialog.strategie(fehler);
    if (!ReihenImSchein(m_strategien[static_cast<std::size_t>(zeile)]))
        m_strategien[static_cast<std::size_t>(zeile)].reihen.clear();
    listeZeigen();
}

void TFStrategietest::BEntfernenClick()
{
    const int zeile = m_liste->currentRow();
    if (zeile < 0 || zeile >= static_cast<int>(m_strategien.size())) {
        Meldungen::information(this, QStringLiteral("Bitte w\u00E4hlen Sie zuerst eine Strategie in der Liste."));
        return;
    }
    m_strategien.erase(m_strategien.begin() + zeile);
    listeZeigen();
}

void TFStrategietest::BTestenClick()
{
    if (m_lauf->laeuft())
        return;
    if (m_strategien.empty()) {
        Meldungen::fehler(this, strategieAbbruch(QStringLiteral("Es ist keine Strategie angelegt. Bitte f\u00FCgen Sie "
                                                                "zuerst eine hinzu.")));
        return;
    }
    bool ok = false;
    const std::uint64_t startwert = m_startwert->text().trimmed().toULongLong(&ok, 10);
    if (!ok) {
        Meldungen::fehler(this, strategieAbbruch(QStringLiteral("Der Startwert muss eine ganze Zahl ab 0 sein.")));
        return;
    }
    Testauftrag auftrag;
    auftrag.strategien = m_strategien;
    for (Strategie &s : auftrag.strategien) {
        if (s.art != Strategieart::Schein)
            continue;
        if (const QString fehler = ScheinLaden(s); !fehler.isEmpty()) {
            Meldungen::fehler(this, strategieAbbruch(QStringLiteral("Die Strategie \u201E%1\u201C l\u00E4sst sich nicht "
                                                                    "spielen:")
                                                         .arg(Anzeigename(s)) +
                                                     Absatz + fehler));
            return;
        }
    }
    // The lists' own snapshot of the history: their indexes point into it.
    auftrag.ziehungen = m_von->datumsliste()->liste().ziehungen;
    auftrag.von = m_von->currentIndex();
    auftrag.bis = m_bis->currentIndex();
    auftrag.reihenpreis = m_zustand.Reihenpreis;
    auftrag.startwert = startwert;
    auftrag.verlaeufe = m_verlaeufe->value();
    if (auftrag.ziehungen.isEmpty() || auftrag.von < 0 || auftrag.bis < 0 || auftrag.bis < auftrag.von) {
        const Testergebnis leer = StrategienTesten(auftrag);
        Meldungen::fehler(this, strategieAbbruch(leer.fehler));
        return;
    }

    setzeLaufend(true);
    m_laufergebnis = std::make_shared<Testergebnis>();
    const std::shared_ptr<Testergebnis> ziel = m_laufergebnis;
    m_lauf->starten(QStringLiteral("Ich teste %1 Strategien \u00FCber %2 Ziehungen \u2026")
                        .arg(auftrag.strategien.size())
                        .arg(m_zustand.Formateinstellungen.toString(auftrag.bis - auftrag.von + 1)),
                    [ziel, auftrag](Hintergrundlauf::Steuerung &s) {
                        *ziel = StrategienTesten(auftrag, &s.abbrechen, &s.promille);
                    });
}

void TFStrategietest::laufBeendet(bool abgebrochen)
{
    setzeLaufend(false);
    const std::shared_ptr<Testergebnis> e = std::move(m_laufergebnis);
    // A cancelled test leaves the results of the one before.
    if (abgebrochen || !e || e->abgebrochen)
        return;
    if (!e->fehler.isEmpty()) {
        Meldungen::fehler(this, strategieAbbruch(e->fehler));
        return;
    }
    m_ergebnis = std::move(*e);
    m_ergebnisZiehungen = m_von->datumsliste()->liste().ziehungen;
    ergebnisZeigen();
}

void TFStrategietest::ergebnisZeigen()
{
    const QLocale &l = m_zustand.Formateinstellungen;
    tabelleZeigen(m_uebersichtGitter, m_uebersichtModell, UebersichtTabelle(m_ergebnis, m_ergebnisZiehungen, l));
    if (m_ergebnis.strategien.empty()) {
        m_platzierungen->setText(QStringLiteral("Noch kein Ergebnis: Legen Sie Strategien an und klicken Sie auf "
                                                "\u201ETesten\u201C."));
        m_diagramm->leeren();
    } else {
        m_platzierungen->setText(PlatzierungenText(m_ergebnis));
        m_diagramm->zeige(m_ergebnis, m_ergebnisZiehungen);
    }
    const QSignalBlocker stumm(m_strategieWahl);
    m_strategieWahl->clear();
    for (const Strategieergebnis &r : m_ergebnis.strategien)
        m_strategieWahl->addItem(r.name);
    ziehungenZeigen();
}

void TFStrategietest::ziehungenZeigen()
{
    tabelleZeigen(m_ziehungenGitter, m_ziehungenModell,
                  ZiehungsTabelle(m_ergebnis, m_strategieWahl->currentIndex(), m_ergebnisZiehungen,
                                  m_zustand.Formateinstellungen));
}

void TFStrategietest::setzeLaufend(bool laufend)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_eingaben, m_ausgaben, m_bClose, m_leisteClose})
        w->setEnabled(!laufend);
}

bool TFStrategietest::ergebnisDa()
{
    if (!m_ergebnis.strategien.empty())
        return true;
    Meldungen::fehler(this, strategieAbbruch(QStringLiteral("Es gibt noch kein Ergebnis. Bitte testen Sie zuerst.")));
    return false;
}

TextTabelle TFStrategietest::exporttabelle(QString &blatt) const
{
    // The draws when their tab shows, else the summary.
    if (m_tabs->currentIndex() == 2) {
        blatt = QStringLiteral("Ziehungen");
        return MitKopfzeile(m_ziehungenModell->tabelle());
    }
    blatt = QStringLiteral("Strategietest");
    return MitKopfzeile(m_uebersichtModell->tabelle());
}

void TFStrategietest::BCsvClick()
{
    if (!ergebnisDa())
        return;
    QString blatt;
    const TextTabelle t = exporttabelle(blatt);
    TabelleAlsCSVSpeichern(this, t, CSVSpeicherdialog(m_zustand.Datenordner), m_lDatei);
}

void TFStrategietest::BExcelClick()
{
    if (!ergebnisDa())
        return;
    QString blatt;
    const TextTabelle t = exporttabelle(blatt);
    TabelleNachExcel(this, t, blatt, t.spalten() - 1, m_zustand);
}

void TFStrategietest::BDruckenClick()
{
    if (!ergebnisDa())
        return;
    const QString fehler = Berichtsdruck::drucken(
        this, StrategieberichtErstellen(m_ergebnis, m_ergebnisZiehungen, QDate::currentDate(),
                                        m_zustand.Formateinstellungen,
                                        [this](QPainter &p, const QRectF &r) { m_diagramm->malen(p, r); }));
    if (!fehler.isEmpty())
        Meldungen::fehler(this, fehler);
}

void TFStrategietest::BPdfClick()
{
    if (!ergebnisDa())
        return;
    Dateidialoge::Auswahl a;
    a.titel = QStringLiteral("Strategietest als PDF speichern");
    a.filtertext = QStringLiteral("PDF-Dokument");
    a.endung = QStringLiteral("pdf");
    a.ordner = m_zustand.Datenordner + QStringLiteral("Strategietest.pdf");
    const QString datei = Dateidialoge::speichern(this, a);
    if (datei.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString fehler = Berichtsdruck::alsPdf(
        StrategieberichtErstellen(m_ergebnis, m_ergebnisZiehungen, QDate::currentDate(), m_zustand.Formateinstellungen,
                                  [this](QPainter &p, const QRectF &r) { m_diagramm->malen(p, r); }),
        datei);
    QApplication::restoreOverrideCursor();
    if (!fehler.isEmpty()) {
        Meldungen::fehler(this, fehler);
        return;
    }
    m_lDatei->setText(QStringLiteral("Gespeichert in: ") + QFileInfo(datei).fileName());
}
