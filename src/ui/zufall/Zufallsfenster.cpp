// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/zufall/Zufallsfenster.h"

#include "generator/Zufallsgenerator.h"
#include "model/Dateien.h"
#include "model/Spiel.h"
#include "model/Tippscheindatei.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Dateidialoge.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/gemeinsam/Fortschrittsanzeige.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/ScheinSpeichern.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/gemeinsam/TabellenExport.h"
#include "ui/zufall/Musterfilterfeld.h"
#include "ui/zufall/Reihenspalte.h"
#include "ui/zufall/Verteilung.h"
#include "ui/zufall/Zahlenfelder.h"
#include "ui/zufall/Zufallsbanner.h"
#include "ui/zufall/Zufallslauf.h"
#include "ui/zufall/ZufallsreihenModell.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString Abschnitt = QStringLiteral("Zufall");
const QString SchluesselAnzahl = QStringLiteral("Anzahl");
const QString SchluesselBank = QStringLiteral("Bankzahlen");
const QString SchluesselKill = QStringLiteral("Quotenkiller");
const QString SchluesselFav = QStringLiteral("Favoriten");
const QString VorgabeAnzahl = QStringLiteral("12");
// The keys of the filters, by pattern; an empty value is a filter that is off.
const std::array<QString, Musterarten> SchluesselFilter{QStringLiteral("Summe"), QStringLiteral("Gerade"),
                                                        QStringLiteral("Klein"), QStringLiteral("Folge"),
                                                        QStringLiteral("Zehnergruppe")};

constexpr int Hilfethema = 1050;

QString abbruch(const QString &text)
{
    return text + Absatz + QStringLiteral("Ich breche erst einmal ab.");
}

QLabel *textlabel(const QString &name, const QString &text, QWidget *eltern)
{
    auto *label = new QLabel(text, eltern);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// The captions were made for narrow labels and carry a hyphen and a blank where they break
// ("An- zahl"): the label gets the widest width that still puts the word after the hyphen on
// the next line.
void brichAmTrennstrich(QLabel *label)
{
    const QString text = label->text();
    const qsizetype stelle = text.indexOf(QStringLiteral("- "));
    if (stelle <= 0)
        return;
    qsizetype wortende = text.indexOf(QLatin1Char(' '), stelle + 2);
    if (wortende < 0)
        wortende = text.size();
    const int breite = label->fontMetrics().horizontalAdvance(text.left(wortende)) - 1;
    label->setWordWrap(true);
    label->setFixedSize(breite, label->heightForWidth(breite));
}

QFrame *kopfpanel(const QString &name, const QString &kopfname, const QString &titel, QWidget *eltern)
{
    auto *panel = new QFrame(eltern);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    auto *spalte = new QVBoxLayout(panel);
    spalte->setContentsMargins(6, 2, 6, 6);
    spalte->setSpacing(4);
    QLabel *kopf = FettesLabel(kopfname, Qt::AlignLeft, panel);
    kopf->setText(titel);
    spalte->addWidget(kopf);
    return panel;
}

Dateidialoge::Auswahl speicherdialog(const QString &titel, const QString &ordner, const QString &filter,
                                     const QString &endung)
{
    Dateidialoge::Auswahl a;
    a.titel = titel;
    a.ordner = ordner;
    a.filtertext = filter;
    a.endung = endung;
    return a;
}
} // namespace

TFZufall::TFZufall(Zustand &zustand, Befehle &befehle, QWidget *eltern)
    : QMainWindow(eltern), m_zustand(zustand), m_befehle(befehle), m_einstellungen(zustand.einstellungsdatei())
{
    setObjectName(QStringLiteral("FZufall"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Fenstertitel());
    m_lauf = new Zufallslauf(this);
    connect(m_lauf, &Zufallslauf::beendet, this, &TFZufall::laufBeendet);
    m_fortschritt = new Fortschrittsanzeige(this);
    connect(m_fortschritt, &Fortschrittsanzeige::abgebrochen, m_lauf, &Zufallslauf::abbrechen);
    // The program may end while a run is under way: stop it before anything goes away.
    connect(qApp, &QCoreApplication::aboutToQuit, m_lauf, &Zufallslauf::anhalten);

    auto *mitte = new QWidget(this);
    auto *senkrecht = new QVBoxLayout(mitte);
    senkrecht->setContentsMargins(6, 4, 6, 4);
    senkrecht->setSpacing(4);
    auto *label3 = FettesLabel(QStringLiteral("Label3"), Qt::AlignLeft, mitte);
    label3->setText(QStringLiteral("Der manipulierbare Lottozahlen-Zufallsgenerator"));
    QFont titelschrift = label3->font();
    titelschrift.setPointSizeF(titelschrift.pointSizeF() * 1.25);
    label3->setFont(titelschrift);
    senkrecht->addWidget(label3);

    auto *spalten = new QHBoxLayout;
    spalten->setSpacing(6);
    m_eingaben = new QWidget(mitte);
    auto *eingabeteile = new QVBoxLayout(m_eingaben);
    eingabeteile->setContentsMargins(0, 0, 0, 0);
    eingabeteile->setSpacing(4);
    auto *eingabespalten = new QHBoxLayout;
    eingabespalten->setSpacing(6);
    eingabeteile->addLayout(eingabespalten, 1);

    auto *links = new QVBoxLayout;
    links->addWidget(baueAnzahlfeld(m_eingaben));
    links->addWidget(baueZusatzzahl(m_eingaben));
    links->addStretch();
    m_p1 = new Zufallszahlenfeld(Zufallsfeld::Bankzahlen, m_eingaben);
    links->addWidget(m_p1);
    auto *zweite = new QVBoxLayout;
    m_p2 = new Zufallszahlenfeld(Zufallsfeld::Quotenkiller, m_eingaben);
    m_p3 = new Zufallszahlenfeld(Zufallsfeld::Favoriten, m_eingaben);
    zweite->addWidget(m_p2);
    zweite->addStretch();
    zweite->addWidget(m_p3);
    eingabespalten->addLayout(links);
    eingabespalten->addLayout(zweite);
    m_zahlenwahl = new Zahlenwahl(m_p1, m_p2, m_p3, this);
    m_filterfeld = new Musterfilterfeld(m_eingaben);
    eingabeteile->addWidget(m_filterfeld);
    connect(m_zahlenwahl, &Zahlenwahl::geaendert, this, &TFZufall::zaehlenVormerken);
    connect(m_filterfeld, &Musterfilterfeld::geaendert, this, &TFZufall::zaehlenVormerken);
    zaehleMoeglicheReihen();

    spalten->addWidget(m_eingaben);
    m_reihenspalte = new Reihenspalte(
        [this](Zahlenmenge &bank, Zahlenmenge &fav) {
            bank = m_zahlenwahl->auswahl().BZGewaehlt();
            fav = m_zahlenwahl->auswahl().FavGewaehlt();
        },
        mitte);
    connect(m_reihenspalte->BSave(), &QPushButton::clicked, this, &TFZufall::BSaveClick);
    connect(m_reihenspalte->SpeedButton3(), &QPushButton::clicked, this, &TFZufall::SpeedButton3Click);
    connect(m_reihenspalte->SpeedButton4(), &QPushButton::clicked, this, &TFZufall::SpeedButton4Click);
    spalten->addWidget(m_reihenspalte);
    spalten->addWidget(baueVerteilungsspalte(mitte), 1);
    senkrecht->addLayout(spalten, 1);
    senkrecht->addWidget(Schliessleiste(QStringLiteral("BClose"), this));
    m_bClose = findChild<QPushButton *>(QStringLiteral("BClose"));
    setCentralWidget(mitte);
    baueWerkzeugleiste();

    resize(sizeHint().expandedTo(QSize(860, 501)));
    platziereFenster(this);
}

TFZufall::~TFZufall() = default;

QWidget *TFZufall::baueAnzahlfeld(QWidget *eltern)
{
    QFrame *panel =
        kopfpanel(QStringLiteral("PAnzahl"), QStringLiteral("Label8"), QStringLiteral("Tippreihenanzahl"), eltern);
    auto *spalte = static_cast<QVBoxLayout *>(panel->layout());
    spalte->addWidget(textlabel(QStringLiteral("Label2"),
                                QStringLiteral("Geben Sie die gewünschte Anzahl Tippreihen ein, wählen Sie ggfs. "
                                               "Bankzahlen, Quotenkiller und Favoriten, dann \"Viel Glück\"!"),
                                panel));
    auto *zeile = new QHBoxLayout;
    auto *label1 = textlabel(QStringLiteral("Label1"), QStringLiteral("Gewünschte An- zahl Tippreihen:"), panel);
    // Ten digits reach past the largest request the generator takes.
    m_eAnz = FettesZiffernfeld(QStringLiteral("EAnz"), 10, panel);
    label1->setBuddy(m_eAnz);
    brichAmTrennstrich(label1);
    zeile->addWidget(label1, 1);
    zeile->addWidget(m_eAnz);
    spalte->addLayout(zeile);
    m_speedButton1 = new QPushButton(Symbole::zufall(), QStringLiteral("Viel Glück!"), panel);
    m_speedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    connect(m_speedButton1, &QPushButton::clicked, this, &TFZufall::SpeedButton1Click);
    connect(m_eAnz, &QLineEdit::returnPressed, m_speedButton1, &QPushButton::click);
    spalte->addWidget(m_speedButton1);
    return panel;
}

QWidget *TFZufall::baueZusatzzahl(QWidget *eltern)
{
    auto *feld = new QWidget(eltern);
    feld->setObjectName(QStringLiteral("PZusatzzahl"));
    auto *spalte = new QVBoxLayout(feld);
    spalte->setContentsMargins(2, 0, 2, 0);
    spalte->setSpacing(2);
    QLabel *label11 =
        textlabel(QStringLiteral("Label11"),
                  QStringLiteral("Angaben zur mitzutip- penden Zusatzzahl aus Wertebereich 1 - 10"), feld);
    brichAmTrennstrich(label11);
    spalte->addWidget(label11);
    auto *zeile = new QHBoxLayout;
    auto *optionen = new QVBoxLayout;
    m_cbZuf = new QRadioButton(QStringLiteral("per Zufall"), feld);
    m_cbZuf->setObjectName(QStringLiteral("cbZuf"));
    m_cbZuf->setChecked(true);
    m_cbfix = new QRadioButton(QStringLiteral("festlegen"), feld);
    m_cbfix->setObjectName(QStringLiteral("cbfix"));
    optionen->addWidget(m_cbZuf);
    optionen->addWidget(m_cbfix);
    zeile->addLayout(optionen);
    auto *label12 = textlabel(QStringLiteral("Label12"), QStringLiteral("fixe Zusatz- zahl:"), feld);
    m_eZZ = FettesZiffernfeld(QStringLiteral("eZZ"), 2, feld);
    m_eZZ->setEnabled(false);
    label12->setBuddy(m_eZZ);
    brichAmTrennstrich(label12);
    zeile->addWidget(label12, 1);
    zeile->addWidget(m_eZZ);
    spalte->addLayout(zeile);
    connect(m_cbfix, &QRadioButton::toggled, m_eZZ, &QLineEdit::setEnabled);
    return feld;
}

QWidget *TFZufall::baueVerteilungsspalte(QWidget *eltern)
{
    auto *spalte = new QWidget(eltern);
    auto *layout = new QVBoxLayout(spalte);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    m_verteilung = new Verteilung(spalte);
    layout->addWidget(m_verteilung, 1);
    layout->addWidget(Zufallsbanner(m_befehle, m_verteilung->sizeHint().width(), spalte));
    return spalte;
}

void TFZufall::baueWerkzeugleiste()
{
    using A = Befehle::Art;
    // The page of current numbers and quotas as in the main window, the only command here whose
    // window has nothing to do with the generator, stands last.
    QToolBar *leiste = m_befehle.werkzeugleiste(
        this, {A::Eingabe, A::Statistik, A::Update, A::NueberK, A::Kalender, A::Rechner, A::Ergebnisse}, Hilfethema,
        QStringLiteral("Hilfe zum Zufallsgenerator"));
    // BClose and SpeedButton4 are the names of the bottom close button and of the workbook export.
    m_leisteClose = leiste->findChild<QToolButton *>(QStringLiteral("BClose"));
    m_leisteClose->setObjectName(QStringLiteral("BCloseLeiste"));
    leiste->widgetForAction(m_befehle.aktion(A::Ergebnisse))->setObjectName(QStringLiteral("BErgebnisse"));
}

void TFZufall::showEvent(QShowEvent *ereignis)
{
    QMainWindow::showEvent(ereignis);
    // Once per window: the lists go through the toggling clicks, so reading them again on a
    // restore would take every number off again.
    if (!m_eingelesen) {
        m_eingelesen = true;
        QTimer::singleShot(0, this, &TFZufall::EinstellungenLesen);
    }
}

void TFZufall::EinstellungenLesen()
{
    if (!m_einstellungen.EinstellungenDa())
        return;
    QString anzahl = m_einstellungen.LeseText(Abschnitt, SchluesselAnzahl, VorgabeAnzahl);
    static const QRegularExpression ziffern(QStringLiteral("^[0-9]+$"));
    if (!ziffern.match(anzahl).hasMatch())
        anzahl = VorgabeAnzahl;
    m_eAnz->setText(anzahl);
    const std::pair<const QString &, int> listen[] = {
        {SchluesselBank, 100}, {SchluesselKill, 200}, {SchluesselFav, 300}};
    // Numbers beyond a panel's limit are left out, and each limit is named once, however many
    // numbers the stored list holds beyond it.
    QStringList abgelehnt;
    for (const auto &[schluessel, feld] : listen)
        for (int n : ZahlenAusListe(m_einstellungen.LeseText(Abschnitt, schluessel, QString()))) {
            const auto wirkung = m_zahlenwahl->umschalten(feld + n);
            const QString &text = wirkung == Zufallsauswahl::Wirkung::ZuVieleBankzahlen     ? MeldungZuVieleBankzahlen
                                  : wirkung == Zufallsauswahl::Wirkung::ZuVieleQuotenkiller ? MeldungZuVieleQuotenkiller
                                                                                            : QString();
            if (!text.isEmpty() && !abgelehnt.contains(text))
                abgelehnt << text;
        }
    for (const QString &text : std::as_const(abgelehnt))
        Meldungen::fehler(this, text);
    Musterfilter filter;
    for (const Musterart art : AlleMusterarten) {
        bool ok = false;
        const auto bereich = Musterfilter::lesen(
            art, m_einstellungen.LeseText(Abschnitt, SchluesselFilter[static_cast<std::size_t>(art)], QString()), &ok);
        // A value that is no range of the pattern leaves its filter off.
        filter.setze(art, ok ? bereich : std::nullopt);
    }
    m_filterfeld->setzeFilter(filter);
    zaehlenVormerken();
}

void TFZufall::EinstellungenSchreiben()
{
    const Zufallsauswahl &a = m_zahlenwahl->auswahl();
    const QString komma = QStringLiteral(",");
    bool ok = m_einstellungen.SchreibeText(Abschnitt, SchluesselAnzahl, m_eAnz->text()) &&
              m_einstellungen.SchreibeText(Abschnitt, SchluesselBank, MengeZuText(a.BZGewaehlt(), MaxZahl, komma)) &&
              m_einstellungen.SchreibeText(Abschnitt, SchluesselKill, MengeZuText(a.KillGewaehlt(), MaxZahl, komma)) &&
              m_einstellungen.SchreibeText(Abschnitt, SchluesselFav, MengeZuText(a.FavGewaehlt(), MaxZahl, komma));
    const Musterfilter filter = m_filterfeld->filter();
    for (const Musterart art : AlleMusterarten)
        ok = ok &&
             m_einstellungen.SchreibeText(Abschnitt, SchluesselFilter[static_cast<std::size_t>(art)], filter.text(art));
    if (!ok)
        Meldungen::fehler(this, DateiFehlerText(m_einstellungen.datei(), m_einstellungen.letzterFehler(), true));
}

void TFZufall::closeEvent(QCloseEvent *ereignis)
{
    // A run under way holds the window open; "Abbrechen" ends it first.
    if (m_lauf->laeuft()) {
        ereignis->ignore();
        return;
    }
    EinstellungenSchreiben();
    ereignis->accept();
}

void TFZufall::SpeedButton1Click()
{
    if (m_lauf->laeuft())
        return;
    if (m_eAnz->text().isEmpty()) {
        Meldungen::fehler(this, abbruch(QStringLiteral("Bitte geben Sie die Anzahl der gewünschten Tippreihen an.")));
        return;
    }
    Zufallsvorgaben vorgaben;
    if (m_cbfix->isChecked()) {
        if (m_eZZ->text().isEmpty()) {
            Meldungen::fehler(this, abbruch(QStringLiteral("Bitte geben Sie die Zusatzzahl an, die Sie - nach Ihrer "
                                                           "Auswahl -bestimmen wollen.")));
            return;
        }
        if (!istZusatzzahl(m_eZZ->text().toInt())) {
            Meldungen::fehler(this, abbruch(QStringLiteral("Bitte geben Sie für die Zusatzzahl eine Zahl aus dem "
                                                           "Wertebereich 1 bis 10 an.")));
            return;
        }
        vorgaben.festeZusatzzahl = m_eZZ->text();
    }
    bool ok = false;
    vorgaben.ZufReihenAnz = m_eAnz->text().toInt(&ok);
    if (!ok || vorgaben.ZufReihenAnz < 1) {
        Meldungen::fehler(this, MeldungAnzahlUngueltig);
        return;
    }
    const Zufallsauswahl &a = m_zahlenwahl->auswahl();
    vorgaben.BZGewaehlt = a.BZGewaehlt();
    vorgaben.KillGewaehlt = a.KillGewaehlt();
    vorgaben.FavGewaehlt = a.FavGewaehlt();
    vorgaben.filter = m_filterfeld->filter();
    const QString abgelehnt = ZufallPruefen(vorgaben);
    if (!abgelehnt.isEmpty()) {
        Meldungen::fehler(this, abgelehnt);
        zeigeVerteilung();
        return;
    }
    laufStarten(vorgaben);
}

void TFZufall::laufStarten(const Zufallsvorgaben &vorgaben)
{
    setzeLaufend(true);
    m_fortschritt->zeigen(QStringLiteral("Ich bilde %1 Zufallsreihen …")
                              .arg(m_zustand.Formateinstellungen.toString(vorgaben.ZufReihenAnz)),
                          vorgaben.ZufReihenAnz,
                          [this](QProgressDialog &dialog) { dialog.setValue(m_lauf->angenommen()); });
    m_fortschritt->dialog()->setValue(0);
    m_lauf->starten(vorgaben, NeuerStartwert());
}

void TFZufall::laufBeendet()
{
    m_fortschritt->schliessen();
    Zufallsergebnis ergebnis = m_lauf->uebernehmen();
    setzeLaufend(false);
    // A cancelled run leaves the rows and counts of the previous one, like a refused run.
    if (ergebnis.ausgang == Zufallsergebnis::Ausgang::Fertig) {
        m_reihenspalte->zeigeReihen(std::move(ergebnis.reihen));
    } else if (ergebnis.ausgang == Zufallsergebnis::Ausgang::Abgelehnt) {
        Meldungen::fehler(this, ergebnis.meldung);
    }
    zeigeVerteilung();
}

void TFZufall::setzeLaufend(bool laufend)
{
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_eingaben, m_reihenspalte->BSave(), m_reihenspalte->SpeedButton3(),
                                          m_reihenspalte->SpeedButton4(), m_bClose, m_leisteClose})
        w->setEnabled(!laufend);
    if (laufend)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TFZufall::zeigeVerteilung()
{
    const Zufallsauswahl &a = m_zahlenwahl->auswahl();
    m_verteilung->zeigeZaehler(reihen().NrCount(), a.BZGewaehlt(), a.FavGewaehlt());
    m_reihenspalte->GZuf()->viewport()->update();
}

void TFZufall::zaehlenVormerken()
{
    if (m_zaehlenVorgemerkt)
        return;
    m_zaehlenVorgemerkt = true;
    QTimer::singleShot(0, this, [this] {
        m_zaehlenVorgemerkt = false;
        zaehleMoeglicheReihen();
    });
}

void TFZufall::zaehleMoeglicheReihen()
{
    const Zufallsauswahl &a = m_zahlenwahl->auswahl();
    Zufallsvorgaben vorgaben;
    vorgaben.BZGewaehlt = a.BZGewaehlt();
    vorgaben.KillGewaehlt = a.KillGewaehlt();
    vorgaben.filter = m_filterfeld->filter();
    m_filterfeld->zeigeMoeglicheReihen(m_zustand.Formateinstellungen.toString(MoeglicheReihen(vorgaben)));
}

TextTabelle TFZufall::speichertabelle() const
{
    // A million rows take a moment to become a table of texts.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TextTabelle tabelle =
        reihen().alsTabelle([this](const QString &t) { return m_reihenspalte->GZuf()->textbreite(t); });
    QApplication::restoreOverrideCursor();
    return tabelle;
}

void TFZufall::BSaveClick()
{
    ScheinSpeichern(this, speichertabelle(), m_reihenspalte->EAntGes()->text(), m_reihenspalte->EAntmeine()->text(),
                    speicherdialog(QStringLiteral("Als Tippschein speichern..."), m_zustand.Datenordner,
                                   QStringLiteral("Tippschein-Datei"), QStringLiteral("qtt")),
                    m_reihenspalte->LDatei());
}

void TFZufall::SpeedButton3Click()
{
    TabelleAlsCSVSpeichern(this, speichertabelle(), CSVSpeicherdialog(m_zustand.Datenordner), m_reihenspalte->LDatei());
}

void TFZufall::SpeedButton4Click()
{
    // A worksheet ends after this row; more rows would be cut off without a word.
    constexpr int MaxBlattzeilen = 1048576;
    if (reihen().anzahl() > MaxBlattzeilen) {
        const QLocale &l = m_zustand.Formateinstellungen;
        Meldungen::fehler(this, abbruch(QStringLiteral("Ein Tabellenblatt fasst höchstens %1 Zeilen, %2 Zufallsreihen "
                                                       "lassen sich daher nicht exportieren.")
                                            .arg(l.toString(MaxBlattzeilen), l.toString(reihen().anzahl()))));
        return;
    }
    TabelleNachExcel(this, speichertabelle(), QStringLiteral("Tippreihen"), 6, m_zustand);
}

ZufallsreihenModell *TFZufall::reihenModell() const
{
    return m_reihenspalte->modell();
}

const Zufallsreihen &TFZufall::reihen() const
{
    return reihenModell()->reihen();
}
