// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/haupt/Ziehungsspalte.h"

#include "model/Dateien.h"
#include "model/Gewinnreihenschutz.h"
#include "model/Datum.h"
#include "model/Spiel.h"
#include "model/Textzellen.h"
#include "model/Ziehungsdatei.h"
#include "model/Zustand.h"
#include "statistics/Statistik.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Datumsauswahl.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Nummernknoepfe.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/haupt/ZiehungsTabellenModell.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>

#include <algorithm>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QFrame *panel(const QString &name, QWidget *eltern)
{
    auto *p = new QFrame(eltern);
    p->setObjectName(name);
    p->setFrameShape(QFrame::StyledPanel);
    return p;
}
} // namespace

Ziehungsspalte::Ziehungsspalte(Zustand &zustand, QWidget *eltern) : QWidget(eltern), m_zustand(zustand)
{
    setObjectName(QStringLiteral("Pleft"));
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(4);

    auto *p1 = panel(QStringLiteral("P1"), this);
    auto *p1Layout = new QVBoxLayout(p1);
    p1Layout->setContentsMargins(8, 0, 8, 6);
    p1Layout->setSpacing(0);
    p1Layout->addWidget(baueTitel());
    p1Layout->addWidget(baueZiehungsblock());
    auto *nummern = new QWidget(p1);
    nummern->setObjectName(QStringLiteral("PNummern"));
    p1Layout->addWidget(nummern);

    auto *psz = panel(QStringLiteral("PSZ"), this);
    NummernfelderBauen(nummern, psz);
    spalte->addWidget(p1);
    spalte->addWidget(psz);

    m_lzt = new QLabel(this);
    m_lzt->setObjectName(QStringLiteral("LZT"));
    QFont fett = m_lzt->font();
    fett.setBold(true);
    m_lzt->setFont(fett);
    spalte->addWidget(m_lzt);

    m_g1 = new Gitter(this);
    m_g1->setObjectName(QStringLiteral("G1"));
    m_g1Modell = new ZiehungsTabellenModell(m_zustand, m_g1);
    m_g1->setModel(m_g1Modell);
    // Header: "Datum" over a 65-pixel date column, Z1..Z5 and ZZ over 30-pixel columns.
    const Textmesser breite = [this](const QString &t) { return m_g1->textbreite(t); };
    QStringList kopf{Zentrieren(QStringLiteral("Datum"), 65, breite)};
    for (int c = 1; c <= 5; ++c)
        kopf << Zentrieren(QStringLiteral("Z%1").arg(c), 30, breite);
    kopf << Zentrieren(QStringLiteral("ZZ"), 30, breite);
    m_g1Modell->setzeKopf(kopf);
    // The date column is 65 pixels wide unless the font needs more for a whole date.
    int datumsbreite = 65;
    for (const QString &datum : Datum::muster(m_zustand.Formateinstellungen))
        datumsbreite = std::max(datumsbreite, m_g1->textbreite(datum) + 6);
    m_g1->setColumnWidth(0, datumsbreite);
    for (int c = 1; c < 7; ++c)
        m_g1->setColumnWidth(c, 30);
    spalte->addWidget(m_g1, 1);
    setFixedWidth(300);

    connect(m_combo1, &QComboBox::activated, this, &Ziehungsspalte::Combo1Change);
    connect(m_bHinzu, &QPushButton::clicked, this, &Ziehungsspalte::BHinzuClick);
    connect(m_speedButton2, &QPushButton::clicked, this, &Ziehungsspalte::SpeedButton2Click);
    connect(m_bDel, &QToolButton::clicked, this, &Ziehungsspalte::BDelClick);
    connect(m_bCopy, &QToolButton::clicked, this, &Ziehungsspalte::BCopyClick);
}

QWidget *Ziehungsspalte::baueTitel()
{
    auto *titel = new QWidget(this);
    titel->setObjectName(QStringLiteral("PTitel"));
    auto *zeile = new QHBoxLayout(titel);
    zeile->setContentsMargins(0, 4, 0, 4);
    m_label5 = new QLabel(QStringLiteral("Gewinnzahlen vom"), titel);
    m_label5->setObjectName(QStringLiteral("Label5"));
    QFont f = m_label5->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 1);
    m_label5->setFont(f);
    m_bCopy = Bildknopf(QStringLiteral("BCopy"), Symbole::kopieren(),
                        QStringLiteral("Gewinnzahlen aus der Zwischenablage übernehmen"), titel);
    zeile->addWidget(m_label5, 1);
    zeile->addWidget(m_bCopy);
    return titel;
}

QWidget *Ziehungsspalte::baueZiehungsblock()
{
    auto *block = new QWidget(this);
    block->setObjectName(QStringLiteral("P1a"));
    auto *raster = new QGridLayout(block);
    raster->setContentsMargins(0, 0, 0, 6);
    raster->setHorizontalSpacing(4);
    raster->setVerticalSpacing(3);

    auto *ueberschrift = new QLabel(QStringLiteral("Ziehung"), block);
    m_combo1 = new Datumsauswahl(m_zustand.Formateinstellungen, block);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setMinimumWidth(110);
    ueberschrift->setBuddy(m_combo1);
    m_speedButton4 = Bildknopf(QStringLiteral("SpeedButton4"), Symbole::internet(),
                               QStringLiteral("Aktuelle Zahlen und Quoten aufrufen"), block);
    m_image1 = Bildknopf(QStringLiteral("Image1"), Symbole::quoten(), m_speedButton4->toolTip(), block);
    m_image1->setAutoRaise(true);
    m_image1->setCursor(Qt::PointingHandCursor);

    m_bHinzu = new QPushButton(Symbole::hinzufuegen(), QStringLiteral("Ziehung hinzufügen"), block);
    m_bHinzu->setObjectName(QStringLiteral("BHinzu"));
    m_speedButton2 = new QPushButton(QStringLiteral("S&peichern"), block);
    m_speedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    m_bDel = Bildknopf(QStringLiteral("BDel"), Symbole::loeschen(), QStringLiteral("Gewählte Zahlen löschen"), block);

    raster->addWidget(ueberschrift, 0, 0, 1, 2);
    raster->addWidget(m_combo1, 1, 0);
    raster->addWidget(m_speedButton4, 1, 1, Qt::AlignLeft);
    raster->addWidget(m_image1, 1, 2, Qt::AlignLeft);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_bHinzu);
    knoepfe->addWidget(m_speedButton2);
    knoepfe->addWidget(m_bDel);
    knoepfe->addStretch();
    raster->addLayout(knoepfe, 2, 0, 1, 3);
    raster->setColumnStretch(2, 1);
    return block;
}

void Ziehungsspalte::verbindeErgebnisseite(const Befehle &befehle)
{
    befehle.verbinde(m_speedButton4, Befehle::Art::Ergebnisse);
    befehle.verbinde(m_image1, Befehle::Art::Ergebnisse);
}

void Ziehungsspalte::NummernfelderBauen(QWidget *p1, QWidget *psz)
{
    // 7 rows of 7 winning numbers, columns 1 pixel apart, rows touching.
    auto *raster = new QGridLayout(p1);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setHorizontalSpacing(1);
    raster->setVerticalSpacing(0);
    for (int n = 1; n <= 49; ++n) {
        auto *knopf = new TBZahl(n, p1);
        m_zahlen[static_cast<std::size_t>(n)] = knopf;
        connect(knopf, &QPushButton::clicked, this, [this, n] { BLotAuswerten(n); });
        raster->addWidget(knopf, (n - 1) / 7, (n - 1) % 7);
    }
    raster->setColumnStretch(7, 1);

    auto *sz = new QVBoxLayout(psz);
    sz->setContentsMargins(8, 2, 8, 6);
    sz->setSpacing(2);
    sz->addWidget(new QLabel(QStringLiteral("Zusatzzahl"), psz));
    auto *reihe = new QHBoxLayout;
    reihe->setSpacing(1);
    for (int n = 1; n <= 10; ++n) {
        auto *knopf = new TBSuperZahl(n, psz);
        m_superzahlen[static_cast<std::size_t>(n)] = knopf;
        connect(knopf, &QPushButton::clicked, this, [this, n] { BLotAuswerten(100 + n); });
        reihe->addWidget(knopf);
    }
    reihe->addStretch();
    sz->addLayout(reihe);
}

void Ziehungsspalte::GZEinlesen()
{
    const QString datei = m_zustand.gewinnreihendatei();
    const Ladeergebnis ergebnis = ::GZEinlesen(datei);
    if (ergebnis.status == Ladestatus::Fehlt)
        return;
    m_zustand.Ziehungen = ergebnis.ziehungen;
    m_historieUnvollstaendig = ergebnis.status == Ladestatus::Fehler;
    m_combo1->datumsliste()->setzeListe({m_zustand.Ziehungen, std::nullopt});
    if (ergebnis.status == Ladestatus::Fehler)
        Meldungen::fehler(this, DateiFehlerText(datei, ergebnis.fehler, false));
    m_combo1->setCurrentIndex(m_combo1->count() - 1);
    GZinG1Einlesen();
    StatistikStart(m_zustand);
}

void Ziehungsspalte::GZinG1Einlesen()
{
    m_g1Modell->neuEinlesen();
    m_lzt->setText(QStringLiteral("  ") + m_zustand.Formateinstellungen.toString(m_zustand.Ziehungen.size())
                   + QStringLiteral(" Gewinnreihen"));
}

void Ziehungsspalte::zeigeAuswahl()
{
    for (int n = 1; n <= MaxZahl; ++n)
        m_zahlen[static_cast<std::size_t>(n)]->setzeGewaehlt(m_auswahl.gewaehlt().enthaelt(static_cast<std::uint8_t>(n)));
    for (int n = 1; n <= MaxZusatzzahl; ++n)
        m_superzahlen[static_cast<std::size_t>(n)]->setzeGewaehlt(m_auswahl.ZZGewaehlt() == n);
}

void Ziehungsspalte::BLotAuswerten(int tag)
{
    if (m_auswahl.BLotAuswerten(tag) == Zahlenauswahl::Ergebnis::FuenfSchonGewaehlt)
        Meldungen::information(this, QStringLiteral("Sie haben bereits fünf Gewinnzahlen gewählt."));
    zeigeAuswahl();
}

void Ziehungsspalte::BDelClick()
{
    m_auswahl.leeren();
    zeigeAuswahl();
}

void Ziehungsspalte::Combo1Change(int index)
{
    // Beyond the history lies only the proposed date of a new draw.
    if (index < 0 || index >= m_zustand.Ziehungen.size())
        return;
    const TGewZahlen &z = m_zustand.Ziehungen[index];
    BDelClick();
    for (const std::uint8_t n : z.GZ)
        m_auswahl.BLotAuswerten(n);
    m_auswahl.BLotAuswerten(100 + z.bonus);
    zeigeAuswahl();
    m_label5->setText(QStringLiteral("Gewinnzahlen vom ") + m_combo1->itemText(index));
}

void Ziehungsspalte::setzeHinzuModus(bool neueZiehung)
{
    m_neueZiehung = neueZiehung;
    m_bHinzu->setText(neueZiehung ? QStringLiteral("Abbrechen") : QStringLiteral("Neue Ziehung"));
    m_bHinzu->setIcon(neueZiehung ? Symbole::abbrechen() : Symbole::hinzufuegen());
}

void Ziehungsspalte::BHinzuClick()
{
    if (m_zustand.Ziehungen.isEmpty()) {
        const auto antwort = Meldungen::frageJaNeinAbbrechen(this, QStringLiteral("Es fehlen jegliche Gewinnreihen.") + Absatz
                                                                       + QStringLiteral("Soll ich deren Download gleich starten?"));
        if (antwort == Meldungen::Antwort::Ja) {
            m_zustand.DownloadNachfragen = false;
            Q_EMIT downloadGewuenscht();
        }
    }
    if (!m_neueZiehung) {
        setzeHinzuModus(true);
        const QDate vorschlag = VorgeschlagenesDatum(m_zustand.Ziehungen, heute());
        const bool ohneAuswahl = m_combo1->currentIndex() < 0;
        m_combo1->datumsliste()->setzeVorschlag(Datum::ausDatum(vorschlag));
        m_combo1->setCurrentIndex(ohneAuswahl ? 0 : m_combo1->count() - 1);
        BDelClick();
        m_label5->setText(QStringLiteral("Gewinnzahlen vom ") + m_combo1->itemText(m_combo1->count() - 1));
    } else {
        eingabeBeenden();
    }
}

void Ziehungsspalte::eingabeBeenden()
{
    if (!m_neueZiehung)
        return;
    setzeHinzuModus(false);
    m_combo1->datumsliste()->setzeVorschlag(std::nullopt);
    m_combo1->setCurrentIndex(m_combo1->count() - 1);
}

bool Ziehungsspalte::zielBestimmen(int &ziel)
{
    const QString abbruch = Absatz + QStringLiteral("Ich breche erst einmal ab.");
    if (m_neueZiehung) {
        if (!m_auswahl.vollstaendig()) {
            Meldungen::fehler(this, QStringLiteral("Für eine neue Ziehung sind fünf Gewinnzahlen und eine Zusatzzahl zu wählen.")
                                        + abbruch);
            return false;
        }
        ziel = static_cast<int>(m_zustand.Ziehungen.size());
        return true;
    }
    ziel = m_combo1->currentIndex();
    if (ziel < 0 || ziel >= m_zustand.Ziehungen.size()) {
        Meldungen::fehler(this, QStringLiteral("Es ist keine Ziehung gewählt, die gespeichert werden könnte.") + abbruch);
        return false;
    }
    // A draw with missing numbers must never reach the file.
    if (!m_auswahl.vollstaendig()) {
        Meldungen::fehler(this, QStringLiteral("Eine Ziehung braucht fünf Gewinnzahlen und eine Zusatzzahl.") + abbruch);
        return false;
    }
    return true;
}

void Ziehungsspalte::SpeedButton2Click()
{
    // Saving writes the whole history: after a failed load it would cut off what was not read.
    if (m_historieUnvollstaendig) {
        Meldungen::fehler(this, QStringLiteral("Die Gewinnreihen wurden beim Laden nicht vollständig gelesen. Damit aus der Datei "
                                               "\u201E%1\u201C nichts verloren geht, wird sie nicht überschrieben.")
                                        .arg(Dateinamen::Gewinnreihen)
                                    + Absatz + QStringLiteral("Ich breche erst einmal ab."));
        return;
    }
    int ziel = -1;
    if (!zielBestimmen(ziel))
        return;
    const QDate datum = Datum::ausKurz(m_combo1->itemText(ziel), m_zustand.Formateinstellungen);
    if (!datum.isValid()) {
        Meldungen::fehler(this, QStringLiteral("Das Datum \u201E%1\u201C lässt sich nicht lesen.").arg(m_combo1->itemText(ziel))
                                    + Absatz + QStringLiteral("Ich breche erst einmal ab."));
        return;
    }

    // The history changes only once the file holds the change: a failed write leaves
    // Ziehungen, the draw list and the file in agreement.
    QVector<TGewZahlen> neu = m_zustand.Ziehungen;
    if (ziel == neu.size())
        neu.append(TGewZahlen{});
    TGewZahlen &z = neu[ziel];
    z.datum = Datum::ausDatum(datum);
    m_auswahl.inZiehung(z);
    const QString datei = m_zustand.gewinnreihendatei();
    // Through the history guard: a history file that holds dates this window does not know
    // (changed by another program meanwhile) is never shortened.
    const QString fehler = GZEintragSpeichern(m_zustand.Datenordner, neu);
    if (!fehler.isEmpty()) {
        Meldungen::fehler(this, DateiFehlerText(datei, fehler, true));
        return;
    }
    m_zustand.Ziehungen = std::move(neu);
    // The proposed date is a draw now: as many dates as before, the selection stays.
    m_combo1->datumsliste()->setzeListe({m_zustand.Ziehungen, std::nullopt});

    setzeHinzuModus(false);
    GZinG1Einlesen();
    Q_EMIT ziehungGespeichert();
    StatistikStart(m_zustand);
}

void Ziehungsspalte::BCopyClick()
{
    const QMimeData *daten = QApplication::clipboard()->mimeData();
    if (!daten || !daten->hasText())
        return;
    const auto zeilen = Zwischenablagezeilen(daten->text());
    if (!zeilen)
        return;
    for (int i = 0; i < zeilen->size(); ++i) {
        const Zeilenwert wert = ZwischenablagezeileLesen(zeilen->at(i), i);
        if (!wert.fehler.isEmpty()) {
            Meldungen::fehler(this, wert.fehler);
            return;
        }
        BLotAuswerten(wert.tag);
    }
}
