#include "ui/Ziehungsspalte.h"

#include "model/Datum.h"
#include "model/Textzellen.h"
#include "model/Ziehungsdatei.h"
#include "model/Zustand.h"
#include "statistics/Statistik.h"
#include "ui/Gitter.h"
#include "ui/Meldungen.h"
#include "ui/Nummernknoepfe.h"
#include "ui/Symbole.h"
#include "ui/ZiehungsTabellenModell.h"

#include <QComboBox>

#include <algorithm>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton *bildknopf(const QString &name, const QIcon &icon, const QString &hinweis, QWidget *eltern)
{
    auto *knopf = new QToolButton(eltern);
    knopf->setObjectName(name);
    knopf->setIcon(icon);
    knopf->setIconSize(QSize(20, 20));
    knopf->setAutoRaise(true);
    knopf->setToolTip(hinweis);
    knopf->setAccessibleName(hinweis);
    return knopf;
}

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
    m_g1->setColumnWidth(0, std::max(65, m_g1->textbreite(QStringLiteral("00.00.0000")) + 6));
    for (int c = 1; c < 7; ++c)
        m_g1->setColumnWidth(c, 30);
    spalte->addWidget(m_g1, 1);
    setFixedWidth(300);
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
    m_bCopy = bildknopf(QStringLiteral("BCopy"), Symbole::kopieren(),
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
    m_combo1 = new QComboBox(block);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setMinimumWidth(110);
    ueberschrift->setBuddy(m_combo1);
    m_speedButton4 = bildknopf(QStringLiteral("SpeedButton4"), Symbole::internet(),
                               QStringLiteral("Aktuelle Zahlen und Quoten aufrufen"), block);
    m_speedButton4->setEnabled(false); // the web launches come with the tools

    m_bHinzu = new QPushButton(QStringLiteral("Ziehung hinzufügen"), block);
    m_bHinzu->setObjectName(QStringLiteral("BHinzu"));
    m_speedButton2 = new QPushButton(QStringLiteral("S&peichern"), block);
    m_speedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    m_bDel = bildknopf(QStringLiteral("BDel"), Symbole::loeschen(), QStringLiteral("Gewählte Zahlen löschen"), block);

    raster->addWidget(ueberschrift, 0, 0, 1, 2);
    raster->addWidget(m_combo1, 1, 0);
    raster->addWidget(m_speedButton4, 1, 1, Qt::AlignLeft);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_bHinzu);
    knoepfe->addWidget(m_speedButton2);
    knoepfe->addWidget(m_bDel);
    knoepfe->addStretch();
    raster->addLayout(knoepfe, 2, 0, 1, 3);
    raster->setColumnStretch(2, 1);
    return block;
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
    m_combo1->clear();
    QStringList daten;
    daten.reserve(m_zustand.Ziehungen.size());
    for (const TGewZahlen &z : std::as_const(m_zustand.Ziehungen))
        daten << Datum::kurz(z.datum, m_zustand.Formateinstellungen);
    m_combo1->addItems(daten);
    if (ergebnis.status == Ladestatus::Fehler)
        Meldungen::fehler(this, DateiFehlerText(datei, ergebnis.fehler, false));
    m_combo1->setCurrentIndex(m_combo1->count() - 1);
    GZinG1Einlesen();
    StatistikStart(m_zustand);
    Q_EMIT ziehungenGeladen();
}

void Ziehungsspalte::GZinG1Einlesen()
{
    m_g1Modell->neuEinlesen();
    m_lzt->setText(QStringLiteral("  ") + m_zustand.Formateinstellungen.toString(m_zustand.Ziehungen.size())
                   + QStringLiteral(" Gewinnreihen"));
}
