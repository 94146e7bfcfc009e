// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinschaft/Gemeinschaftsfenster.h"

#include "model/Datum.h"
#include "model/Eigendateien.h"
#include "model/Spiel.h"
#include "model/Zustand.h"
#include "syndicate/Abrechnung.h"
#include "syndicate/Kontoauszug.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Dateidialoge.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/TabellenExport.h"
#include "ui/gemeinschaft/Formular.h"
#include "ui/gemeinschaft/Gemeinschaftsmenue.h"
#include "ui/gemeinschaft/Gemeinschaftsmodelle.h"
#include "ui/haupt/Berichtsdruck.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int Hilfethema = 1150;

QTableView *gemTabelle(QWidget *eltern, QAbstractItemModel *modell, const QString &name, const QString &zugang)
{
    auto *t = new QTableView(eltern);
    t->setObjectName(name);
    t->setAccessibleName(zugang);
    t->setModel(modell);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    t->setAlternatingRowColors(true);
    QObject::connect(modell, &QAbstractItemModel::modelReset, t, [t] { t->resizeColumnsToContents(); });
    return t;
}

QDateEdit *gemDatum(QWidget *eltern, const QString &name, const QDate &tag)
{
    auto *d = new QDateEdit(tag, eltern);
    d->setObjectName(name);
    d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    d->setCalendarPopup(true);
    return d;
}

Dateidialoge::Auswahl gemDialog(const QString &titel, const QString &ordner)
{
    Dateidialoge::Auswahl a;
    a.titel = titel;
    a.ordner = ordner;
    a.filtertext = QStringLiteral("Tippgemeinschaft");
    a.endung = Gemeinschaftsdatei::Endung;
    return a;
}
} // namespace

TFGemeinschaft::TFGemeinschaft(Zustand &zustand, Befehle &befehle, QWidget *eltern)
    : QMainWindow(eltern, Qt::Window), m_zustand(zustand), m_befehle(befehle),
      m_einstellungen(zustand.einstellungsdatei())
{
    setObjectName(QStringLiteral("FGemeinschaft"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tippgemeinschaft"));
    m_zuletzt = Gemeinschaftseinstellungen::zuletzt(m_einstellungen);

    auto *mitte = new QWidget(this);
    auto *senkrecht = new QVBoxLayout(mitte);
    m_lName = new QLabel(mitte);
    m_lName->setObjectName(QStringLiteral("LName"));
    QFont fett = m_lName->font();
    fett.setBold(true);
    fett.setPointSize(fett.pointSize() + 2);
    m_lName->setFont(fett);
    m_lName->setWordWrap(true);
    senkrecht->addWidget(m_lName);
    m_lStand = new QLabel(mitte);
    m_lStand->setObjectName(QStringLiteral("LStand"));
    senkrecht->addWidget(m_lStand);
    m_seiten = new QTabWidget(mitte);
    m_seiten->setObjectName(QStringLiteral("PSeiten"));
    m_seiten->addTab(baueMitglieder(), QStringLiteral("&Mitglieder"));
    m_seiten->addTab(baueKasse(), QStringLiteral("&Kasse"));
    m_seiten->addTab(baueScheine(), QStringLiteral("&Tippscheine"));
    senkrecht->addWidget(m_seiten, 1);
    senkrecht->addWidget(baueAbrechnung());
    setCentralWidget(mitte);
    m_nurMitDatei << m_seiten;

    using A = Befehle::Art;
    m_befehle.werkzeugleiste(this, {A::Eingabe, A::Kalender, A::Rechner}, Hilfethema,
                             QStringLiteral("Hilfe zur Tippgemeinschaft"));
    baueMenue();
    resize(920, 620);
    aktualisieren();
    // The syndicate used last opens again: most organisers keep one.
    if (!m_zuletzt.isEmpty() && QFileInfo::exists(m_zuletzt.constFirst()))
        dateiOeffnen(m_zuletzt.constFirst());
    platziereFenster(this);
}

TFGemeinschaft::~TFGemeinschaft() = default;

QPushButton *TFGemeinschaft::knopf(const QString &text, const QString &name, void (TFGemeinschaft::*aktion)())
{
    auto *k = new QPushButton(text, this);
    k->setObjectName(name);
    connect(k, &QPushButton::clicked, this, aktion);
    m_nurMitDatei << k;
    return k;
}

QWidget *TFGemeinschaft::baueMitglieder()
{
    auto *seite = new QWidget(this);
    auto *senkrecht = new QVBoxLayout(seite);
    m_konten = new KontenModell(m_zustand.Formateinstellungen, this);
    m_gMitglieder = gemTabelle(seite, m_konten, QStringLiteral("GMitglieder"), QStringLiteral("Mitglieder und Konten"));
    senkrecht->addWidget(m_gMitglieder, 1);
    auto *offen = new QHBoxLayout;
    auto *lNaechste = new QLabel(QStringLiteral("Offene Eins\u00E4tze f\u00FCr die &n\u00E4chsten"), seite);
    m_eNaechste = new QSpinBox(seite);
    m_eNaechste->setObjectName(QStringLiteral("ENaechste"));
    m_eNaechste->setRange(1, 52);
    m_eNaechste->setValue(Gemeinschaftseinstellungen::ziehungen(m_einstellungen));
    m_eNaechste->setSuffix(QStringLiteral(" Ziehungen"));
    lNaechste->setBuddy(m_eNaechste);
    connect(m_eNaechste, &QSpinBox::valueChanged, this, [this] { offeneZeigen(); });
    offen->addWidget(lNaechste);
    offen->addWidget(m_eNaechste);
    m_lOffen = new QLabel(seite);
    m_lOffen->setObjectName(QStringLiteral("LOffen"));
    m_lOffen->setWordWrap(true);
    offen->addWidget(m_lOffen, 1);
    senkrecht->addLayout(offen);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(knopf(QStringLiteral("Mitglied &aufnehmen..."), QStringLiteral("BMitglied"), &TFGemeinschaft::mitgliedAufnehmen));
    knoepfe->addWidget(knopf(QStringLiteral("A&nteile \u00E4ndern..."), QStringLiteral("BAnteile"), &TFGemeinschaft::anteileAendern));
    knoepfe->addWidget(knopf(QStringLiteral("Aus&tritt..."), QStringLiteral("BAustritt"), &TFGemeinschaft::austritt));
    knoepfe->addWidget(knopf(QStringLiteral("&Einzahlung..."), QStringLiteral("BEinzahlung"), &TFGemeinschaft::einzahlung));
    knoepfe->addWidget(knopf(QStringLiteral("Aus&zahlung..."), QStringLiteral("BAuszahlung"), &TFGemeinschaft::auszahlung));
    knoepfe->addWidget(knopf(QStringLiteral("Konto&auszug..."), QStringLiteral("BAuszug"), &TFGemeinschaft::kontoauszug));
    knoepfe->addStretch();
    senkrecht->addLayout(knoepfe);
    return seite;
}

QWidget *TFGemeinschaft::baueKasse()
{
    auto *seite = new QWidget(this);
    auto *senkrecht = new QVBoxLayout(seite);
    auto *filter = new QHBoxLayout;
    m_comboMitglied = new QComboBox(seite);
    m_comboMitglied->setObjectName(QStringLiteral("ComboMitglied"));
    auto *lMitglied = new QLabel(QStringLiteral("Mitglied:"), seite);
    lMitglied->setBuddy(m_comboMitglied);
    m_comboArt = new QComboBox(seite);
    m_comboArt->setObjectName(QStringLiteral("ComboArt"));
    m_comboArt->addItem(QStringLiteral("alle Arten"));
    for (int a = 0; a < Artenanzahl; ++a)
        m_comboArt->addItem(ArtText(static_cast<Art>(a)));
    auto *lArt = new QLabel(QStringLiteral("Art:"), seite);
    lArt->setBuddy(m_comboArt);
    m_cbVon = new QCheckBox(QStringLiteral("&von"), seite);
    m_cbVon->setObjectName(QStringLiteral("cbVon"));
    m_eVon = gemDatum(seite, QStringLiteral("EVon"), QDate::currentDate().addYears(-1));
    m_eVon->setAccessibleName(QStringLiteral("von"));
    m_cbBis = new QCheckBox(QStringLiteral("&bis"), seite);
    m_cbBis->setObjectName(QStringLiteral("cbBis"));
    m_eBis = gemDatum(seite, QStringLiteral("EBis"), QDate::currentDate());
    m_eBis->setAccessibleName(QStringLiteral("bis"));
    for (QWidget *w : std::initializer_list<QWidget *>{lMitglied, m_comboMitglied, lArt, m_comboArt, m_cbVon, m_eVon,
                                                      m_cbBis, m_eBis})
        filter->addWidget(w);
    filter->addStretch();
    senkrecht->addLayout(filter);
    const auto neuFiltern = [this] { kasseZeigen(); };
    connect(m_comboMitglied, &QComboBox::currentIndexChanged, this, neuFiltern);
    connect(m_comboArt, &QComboBox::currentIndexChanged, this, neuFiltern);
    connect(m_cbVon, &QCheckBox::toggled, this, neuFiltern);
    connect(m_cbBis, &QCheckBox::toggled, this, neuFiltern);
    connect(m_eVon, &QDateEdit::dateChanged, this, neuFiltern);
    connect(m_eBis, &QDateEdit::dateChanged, this, neuFiltern);

    m_kasse = new KassenModell(m_zustand.Formateinstellungen, this);
    m_gKasse = gemTabelle(seite, m_kasse, QStringLiteral("GKasse"), QStringLiteral("Kasse"));
    senkrecht->addWidget(m_gKasse, 1);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(knopf(QStringLiteral("A&usgabe..."), QStringLiteral("BAusgabe"), &TFGemeinschaft::ausgabe));
    knoepfe->addWidget(knopf(QStringLiteral("&Stornieren..."), QStringLiteral("BStorno"), &TFGemeinschaft::stornieren));
    knoepfe->addStretch();
    knoepfe->addWidget(knopf(QStringLiteral("Als &CSV-Datei speichern..."), QStringLiteral("BCsv"), &TFGemeinschaft::alsCSV));
    knoepfe->addWidget(knopf(QStringLiteral("Als Arbeitsmappe \u00F6&ffnen"), QStringLiteral("BExcel"), &TFGemeinschaft::alsArbeitsmappe));
    senkrecht->addLayout(knoepfe);
    return seite;
}

QWidget *TFGemeinschaft::baueScheine()
{
    auto *seite = new QWidget(this);
    auto *senkrecht = new QVBoxLayout(seite);
    auto *teiler = new QSplitter(Qt::Horizontal, seite);
    m_scheine = new ScheinModell(m_zustand.Formateinstellungen, this);
    m_gScheine = gemTabelle(teiler, m_scheine, QStringLiteral("GScheine"), QStringLiteral("Gespielte Tippscheine"));
    m_reihen = new ReihenModell(this);
    QTableView *reihen = gemTabelle(teiler, m_reihen, QStringLiteral("GReihen"), QStringLiteral("Reihen des Tippscheins"));
    teiler->addWidget(m_gScheine);
    teiler->addWidget(reihen);
    senkrecht->addWidget(teiler, 1);
    connect(m_gScheine->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &aktuell) {
                const Schein *s = m_scheine->schein(aktuell.row());
                m_reihen->setze(s ? s->reihen : QVector<Tippreihe>());
            });
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(knopf(QStringLiteral("Tippschein &hinzuf\u00FCgen..."), QStringLiteral("BScheinHinzu"), &TFGemeinschaft::scheinHinzufuegen));
    knoepfe->addWidget(knopf(QStringLiteral("Tippschein &entfernen..."), QStringLiteral("BScheinWeg"), &TFGemeinschaft::scheinEntfernen));
    knoepfe->addStretch();
    senkrecht->addLayout(knoepfe);
    return seite;
}

QWidget *TFGemeinschaft::baueAbrechnung()
{
    auto *leiste = new QWidget(this);
    auto *zeile = new QHBoxLayout(leiste);
    zeile->setContentsMargins(0, 0, 0, 0);
    auto *lBis = new QLabel(QStringLiteral("Abrechnen &bis:"), leiste);
    m_eAbrechnenBis = gemDatum(leiste, QStringLiteral("EAbrechnenBis"), QDate::currentDate());
    lBis->setBuddy(m_eAbrechnenBis);
    zeile->addWidget(lBis);
    zeile->addWidget(m_eAbrechnenBis);
    zeile->addWidget(knopf(QStringLiteral("&Abrechnen"), QStringLiteral("BAbrechnen"), &TFGemeinschaft::abrechnen));
    m_lAbrechnung = new QLabel(leiste);
    m_lAbrechnung->setObjectName(QStringLiteral("LAbrechnung"));
    m_lAbrechnung->setWordWrap(true);
    zeile->addWidget(m_lAbrechnung, 1);
    m_nurMitDatei << m_eAbrechnenBis;
    return leiste;
}

void TFGemeinschaft::baueMenue()
{
    QMenu *datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    connect(datei->addAction(QStringLiteral("&Neue Tippgemeinschaft...")), &QAction::triggered, this, &TFGemeinschaft::neu);
    connect(datei->addAction(QStringLiteral("Tippgemeinschaft \u00F6&ffnen...")), &QAction::triggered, this,
            &TFGemeinschaft::oeffnen);
    QMenu *zuletzt = datei->addMenu(QStringLiteral("&Zuletzt verwendet"));
    connect(zuletzt, &QMenu::aboutToShow, this, [this, zuletzt] {
        zuletzt->clear();
        if (m_zuletzt.isEmpty())
            zuletzt->addAction(QStringLiteral("(keine)"))->setEnabled(false);
        for (qsizetype i = 0; i < m_zuletzt.size(); ++i) {
            const QString pfad = m_zuletzt[i];
            connect(zuletzt->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(pfad))),
                    &QAction::triggered, this, [this, pfad] { dateiOeffnen(pfad); });
        }
    });
    datei->addSeparator();
    QAction *auszug = datei->addAction(QStringLiteral("Konto&auszug drucken..."));
    connect(auszug, &QAction::triggered, this, &TFGemeinschaft::kontoauszug);
    QAction *uebersicht = datei->addAction(QStringLiteral("\u00DC&bersicht drucken..."));
    uebersicht->setObjectName(QStringLiteral("AUebersicht"));
    connect(uebersicht, &QAction::triggered, this, &TFGemeinschaft::uebersicht);
    QAction *csv = datei->addAction(QStringLiteral("Kasse als &CSV-Datei speichern..."));
    connect(csv, &QAction::triggered, this, &TFGemeinschaft::alsCSV);
    QAction *mappe = datei->addAction(QStringLiteral("Kasse als Arbeitsmappe \u00F6ffnen"));
    connect(mappe, &QAction::triggered, this, &TFGemeinschaft::alsArbeitsmappe);
    m_nurMitDateiAktionen = {auszug, uebersicht, csv, mappe};
    datei->addSeparator();
    connect(datei->addAction(QStringLiteral("&Schlie\u00DFen")), &QAction::triggered, this, &QWidget::close);
}

void TFGemeinschaft::aktualisieren()
{
    const bool offen = m_gemeinschaft.offen();
    for (QWidget *w : std::as_const(m_nurMitDatei))
        w->setEnabled(offen);
    for (QAction *a : std::as_const(m_nurMitDateiAktionen))
        a->setEnabled(offen);
    if (!offen) {
        setWindowTitle(QStringLiteral("Tippgemeinschaft"));
        m_lName->setText(QStringLiteral("Keine Tippgemeinschaft ge\u00F6ffnet"));
        m_lStand->setText(QStringLiteral("Legen Sie \u00FCber \u201EDatei\u201C eine neue Tippgemeinschaft an oder "
                                         "\u00F6ffnen Sie eine."));
        m_konten->setze({}, {}, {});
        m_kasse->setze({});
        m_scheine->setze({});
        m_reihen->setze({});
        return;
    }
    const QLocale &l = m_zustand.Formateinstellungen;
    const QString name = m_gemeinschaft.name();
    setWindowTitle(QStringLiteral("Tippgemeinschaft %1").arg(name));
    m_lName->setText(QStringLiteral("Tippgemeinschaft \u201E%1\u201C \u2013 %2")
                         .arg(name, QDir::toNativeSeparators(m_gemeinschaft.pfad())));
    QVector<Mitglied> mitglieder;
    Kontenstand stand;
    QVector<Schein> scheine;
    QString fehler = m_gemeinschaft.mitgliederLesen(mitglieder);
    if (fehler.isEmpty())
        fehler = m_gemeinschaft.kontenLesen(stand, QDate::currentDate());
    if (fehler.isEmpty())
        fehler = m_gemeinschaft.scheineLesen(scheine);
    if (!fehler.isEmpty()) {
        Meldungen::fehler(this, fehler);
        return;
    }
    m_lStand->setText(QStringLiteral("Kasse: %1    Abgerechnet bis: %2")
                          .arg(CentWaehrung(stand.kasse, l), stand.abgerechnetBis.isValid()
                                                                 ? Datum::kurz(stand.abgerechnetBis, l)
                                                                 : QStringLiteral("noch nichts abgerechnet")));
    m_konten->setze(mitglieder, stand, {});
    offeneZeigen();
    m_scheine->setze(scheine);
    m_reihen->setze({});
    // The member filter keeps its choice when that member is still there.
    const QString gewaehlt = m_comboMitglied->currentIndex() > 0 ? m_comboMitglied->currentText() : QString();
    {
        const QSignalBlocker sperre(m_comboMitglied);
        m_comboMitglied->clear();
        m_comboMitglied->addItem(QStringLiteral("alle Mitglieder"));
        for (const Mitglied &m : std::as_const(mitglieder))
            m_comboMitglied->addItem(m.name, m.id);
        m_comboMitglied->setCurrentIndex(std::max(0, m_comboMitglied->findText(gewaehlt)));
    }
    kasseZeigen();
}

void TFGemeinschaft::offeneZeigen()
{
    if (!m_gemeinschaft.offen())
        return;
    QVector<OffenerEinsatz> offen;
    QVector<Mitglied> mitglieder;
    Kontenstand stand;
    QString fehler = OffeneEinsaetze(m_gemeinschaft, m_zustand.Ziehungen, ReihenpreisInCent(m_zustand.Reihenpreis),
                                     m_eNaechste->value(), offen);
    if (fehler.isEmpty())
        fehler = m_gemeinschaft.mitgliederLesen(mitglieder);
    if (fehler.isEmpty())
        fehler = m_gemeinschaft.kontenLesen(stand, QDate::currentDate());
    if (!fehler.isEmpty()) {
        m_lOffen->setText(fehler);
        return;
    }
    m_konten->setze(mitglieder, stand, offen);
    QStringList namen;
    for (const OffenerEinsatz &o : std::as_const(offen))
        namen << QStringLiteral("%1 (es fehlen %2)")
                     .arg(o.name, CentWaehrung(o.benoetigt - o.saldo, m_zustand.Formateinstellungen));
    m_lOffen->setText(namen.isEmpty() ? QStringLiteral("keine")
                                      : QStringLiteral("offen bei: ") + namen.join(QStringLiteral(", ")));
}

void TFGemeinschaft::kasseZeigen()
{
    if (!m_gemeinschaft.offen())
        return;
    Kassenfilter filter;
    if (m_comboMitglied->currentIndex() > 0)
        filter.mitgliedId = m_comboMitglied->currentData().toLongLong();
    if (m_comboArt->currentIndex() > 0)
        filter.art = static_cast<Art>(m_comboArt->currentIndex() - 1);
    if (m_cbVon->isChecked())
        filter.von = m_eVon->date();
    if (m_cbBis->isChecked())
        filter.bis = m_eBis->date();
    QVector<Eintrag> eintraege;
    if (const QString fehler = m_gemeinschaft.kasseLesen(eintraege, filter); !fehler.isEmpty()) {
        Meldungen::fehler(this, fehler);
        return;
    }
    m_kasse->setze(eintraege);
    m_gKasse->scrollToBottom();
}

bool TFGemeinschaft::ergebnis(const QString &fehler)
{
    if (!fehler.isEmpty()) {
        Meldungen::fehler(this, fehler);
        return false;
    }
    aktualisieren();
    return true;
}

void TFGemeinschaft::neu()
{
    const QString pfad = Dateidialoge::speichern(
        this, gemDialog(QStringLiteral("Neue Tippgemeinschaft anlegen"), QFileInfo(m_gemeinschaft.pfad()).absolutePath()));
    if (pfad.isEmpty())
        return;
    if (const QString eigen = Eigendateien::pruefen(pfad, m_zustand.Datenordner); !eigen.isEmpty()) {
        Meldungen::fehler(this, eigen);
        return;
    }
    Gemeinschaft neue;
    if (const QString fehler = neue.anlegen(pfad, QFileInfo(pfad).completeBaseName()); !fehler.isEmpty()) {
        Meldungen::fehler(this, fehler);
        return;
    }
    neue.schliessen();
    dateiOeffnen(pfad);
}

void TFGemeinschaft::oeffnen()
{
    const QStringList dateien =
        Dateidialoge::oeffnen(this, gemDialog(QStringLiteral("Tippgemeinschaft \u00F6ffnen"),
                                              QFileInfo(m_zuletzt.value(0)).absolutePath()));
    if (!dateien.isEmpty())
        dateiOeffnen(dateien.constFirst());
}

bool TFGemeinschaft::dateiOeffnen(const QString &pfad)
{
    Sanduhr sanduhr;
    // The file open until now stays open when the new one is refused.
    Gemeinschaft probe;
    if (const QString fehler = probe.oeffnen(pfad); !fehler.isEmpty()) {
        Meldungen::fehler(this, fehler);
        return false;
    }
    probe.schliessen();
    m_gemeinschaft.schliessen();
    if (const QString fehler = m_gemeinschaft.oeffnen(pfad); !fehler.isEmpty()) {
        Meldungen::fehler(this, fehler);
        aktualisieren();
        return false;
    }
    m_zuletzt = Gemeinschaftseinstellungen::vorne(m_zuletzt, QFileInfo(pfad).absoluteFilePath());
    einstellungenSchreiben();
    m_lAbrechnung->clear();
    aktualisieren();
    return true;
}

void TFGemeinschaft::einstellungenSchreiben()
{
    if (!Gemeinschaftseinstellungen::merken(m_einstellungen, m_zuletzt, m_eNaechste->value()))
        Meldungen::fehler(this, m_einstellungen.letzterFehler());
}

void TFGemeinschaft::abrechnen()
{
    Abrechnungsergebnis e;
    {
        Sanduhr sanduhr;
        e = Abrechnen(m_gemeinschaft, m_zustand.Ziehungen, m_eAbrechnenBis->date(),
                      ReihenpreisInCent(m_zustand.Reihenpreis), false);
    }
    if (!ergebnis(e.fehler))
        return;
    const QLocale &l = m_zustand.Formateinstellungen;
    QString text = e.ziehungen == 0
                       ? QStringLiteral("Bis zum %1 ist alles abgerechnet.").arg(Datum::kurz(m_eAbrechnenBis->date(), l))
                       : QStringLiteral("%1 Ziehungen abgerechnet, %2 Buchungen.").arg(e.ziehungen).arg(e.eintraege.size());
    if (e.korrigiert > 0)
        text += QStringLiteral(" %1 korrigierte Ziehungen neu gebucht.").arg(e.korrigiert);
    if (!e.nichtGezogen.isEmpty()) {
        QStringList tage;
        for (const QDate &t : std::as_const(e.nichtGezogen))
            tage << Datum::kurz(t, l);
        text += QStringLiteral(" Noch nicht gezogen: %1.").arg(tage.join(QStringLiteral(", ")));
    }
    m_lAbrechnung->setText(text);
}

void TFGemeinschaft::uebersicht()
{
    Kontenstand stand;
    if (const QString fehler = m_gemeinschaft.kontenLesen(stand, QDate::currentDate()); !fehler.isEmpty()) {
        Meldungen::fehler(this, fehler);
        return;
    }
    const QString fehler = Berichtsdruck::drucken(
        this, UebersichtBericht(m_gemeinschaft.name(), stand, QDate::currentDate(), QDate::currentDate(),
                                m_zustand.Formateinstellungen));
    if (!fehler.isEmpty())
        Meldungen::fehler(this, fehler);
}

namespace {
TextTabelle gemKassentabelle(const KassenModell &kasse)
{
    // Row 1 carries the captions, so the file says what its columns are.
    const QStringList kopf = KassenModell::kopf();
    TextTabelle t(static_cast<int>(kopf.size()) + 1, static_cast<int>(kasse.eintraege().size()) + 2);
    for (int s = 0; s < kopf.size(); ++s)
        t.setzeZelle(s + 1, 1, kopf[s]);
    for (int z = 0; z < kasse.eintraege().size(); ++z)
        for (int s = 0; s < kopf.size(); ++s)
            t.setzeZelle(s + 1, z + 2, kasse.text(z, s));
    return t;
}
} // namespace

void TFGemeinschaft::alsCSV()
{
    if (m_kasse->eintraege().isEmpty()) {
        Meldungen::fehler(this, MeldungNichtsZuExportieren);
        return;
    }
    TabelleAlsCSVSpeichern(this, gemKassentabelle(*m_kasse),
                           CSVSpeicherdialog(QFileInfo(m_gemeinschaft.pfad()).absolutePath()), m_lAbrechnung);
}

void TFGemeinschaft::alsArbeitsmappe()
{
    if (m_kasse->eintraege().isEmpty()) {
        Meldungen::fehler(this, MeldungNichtsZuExportieren);
        return;
    }
    TabelleNachExcel(this, gemKassentabelle(*m_kasse), QStringLiteral("Kasse"),
                     static_cast<int>(KassenModell::kopf().size()), m_zustand);
}

void TFGemeinschaft::closeEvent(QCloseEvent *ereignis)
{
    einstellungenSchreiben();
    m_gemeinschaft.schliessen();
    QMainWindow::closeEvent(ereignis);
}
