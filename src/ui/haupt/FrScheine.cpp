// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/haupt/FrScheine.h"

#include "evaluation/Gewinnauswertung.h"
#include "evaluation/Gewinnbericht.h"
#include "model/Dateien.h"
#include "model/Datum.h"
#include "model/Tippscheindatei.h"
#include "model/Zustand.h"
#include "ui/haupt/Berichtsdruck.h"
#include "ui/gemeinsam/Dateidialoge.h"
#include "ui/gemeinsam/Datumsauswahl.h"
#include "ui/haupt/ErgebnisModell.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/gemeinsam/TextTabellenModell.h"
#include "ui/gemeinsam/Wertlabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Width at which a line edit shows `muster` whole: its text, the 2 pixels it keeps on each side
// and one for the cursor, plus the frame the style draws around it.
int feldbreite(const QLineEdit *e, const QString &muster)
{
    QStyleOptionFrame option;
    option.initFrom(e);
    option.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, e);
    option.state |= QStyle::State_Sunken;
    const QMargins rand = e->textMargins();
    const int text = e->fontMetrics().horizontalAdvance(muster) + 1 + 4 + rand.left() + rand.right();
    return e->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(text, e->sizeHint().height()), e).width();
}

// A caption that breaks at its blank, as designed: "Spielschein-" over "Anteile:".
QLabel *zweizeilig(const QString &text, Qt::Alignment ausrichtung, QWidget *eltern)
{
    auto *l = new QLabel(text, eltern);
    l->setWordWrap(true);
    l->setAlignment(ausrichtung);
    int breite = 0;
    for (const QString &wort : text.split(QLatin1Char(' ')))
        breite = std::max(breite, l->fontMetrics().horizontalAdvance(wort));
    l->setFixedWidth(breite + 1);
    // Both lines, also where the layout hands out less height than the label would like.
    l->setMinimumHeight(l->heightForWidth(l->width()));
    return l;
}

QLineEdit *anteilsfeld(const QString &name, QWidget *eltern)
{
    auto *e = new QLineEdit(QStringLiteral("1"), eltern);
    e->setObjectName(name);
    e->setReadOnly(true);
    // Four digits is a limit on typing only: setMaxLength would also cut a value read from a
    // ticket file (up to 65535), and the evaluation would then use the cut value.
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), e));
    e->setAlignment(Qt::AlignCenter);
    e->setFixedWidth(std::max(44, feldbreite(e, MitBreitestenZiffern(QStringLiteral("65535"), e->fontMetrics()))));
    return e;
}

Datumsauswahl *datumsliste(const QString &name, const QLocale &locale, QWidget *eltern)
{
    auto *c = new Datumsauswahl(locale, eltern);
    c->setObjectName(name);
    QFont f = c->font();
    f.setBold(true);
    c->setFont(f);
    c->setMinimumWidth(110);
    return c;
}

constexpr int G5Breiten[11] = {30, 30, 21, 30, 21, 30, 26, 30, 31, 31, 31};

// The widest values the frame shows whole; a longer one is elided, with the full value as tooltip.
// A row number up to the most rows a ticket file can hold.
const QString ReihennummerMuster = QString::number(MaxDatendateiGroesse / TNormalSchein::Groesse);
// A class count of six digits.
const QString KlassenanzahlMuster = QStringLiteral("999999");

// Amounts up to 9.999.999,99 in the shape of the highest class's amount: a single win, a share of
// it and the total of a few highest wins.
QString betragsmuster(const QLocale &locale) { return BetragZuText(Gewinnklassen[0].Gewinn, locale); }
QString waehrungsmuster(const QLocale &locale) { return BetragZuWaehrung(Gewinnklassen[0].Gewinn, locale); }
// A return rate of twelve digits, more than any rate at the usual price of a row.
QString ruecklaufmuster(const QLocale &locale) { return RuecklaufText(99'999'999'999'900, locale); }
// An expected rate below 1.000 %, as at any price of a row above 11 cents.
QString erwartungsmuster(const QLocale &locale)
{
    return RuecklaufText(9'999'900, locale);
}
// The widest date the locale writes, in the given font.
QString datumsmuster(const QLocale &locale, const QFont &schrift)
{
    const QFontMetrics fm(schrift);
    const QStringList texte = Datum::muster(locale);
    return *std::max_element(texte.begin(), texte.end(), [&fm](const QString &a, const QString &b) {
        return fm.horizontalAdvance(a) < fm.horizontalAdvance(b);
    });
}

// A column's width: the given width, or more when its header or its widest value needs it.
int spaltenbreite(const Gitter *g, int breite, const QString &kopf, const QStringList &werte, bool fett)
{
    breite = std::max(breite, g->kopfbreite(kopf.trimmed()));
    QFont schrift = g->font();
    schrift.setBold(fett);
    const QFontMetrics fm(schrift);
    for (const QString &wert : werte)
        breite = std::max(breite, g->zellenbreite(MitBreitestenZiffern(wert, fm), fett));
    return breite;
}

// Width of a grid that shows all its columns and its vertical scroll bar, if any.
int ganzeBreite(const Gitter *g)
{
    int breite = 2 * g->frameWidth();
    for (int c = 0; c < g->model()->columnCount(); ++c)
        breite += g->columnWidth(c);
    if (g->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        breite += g->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, g);
    return breite;
}
} // namespace

TFFrScheineN::TFFrScheineN(Zustand &zustand, int nummer, QWidget *eltern) : QFrame(eltern), m_zustand(zustand)
{
    setObjectName(QStringLiteral("fr%1").arg(nummer));
    auto *zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(4, 4, 4, 4);
    zeile->setSpacing(8);
    zeile->addWidget(baueLinks());
    zeile->addWidget(baueRechts(), 1);
    KopfErgebnis();
    KopfGewinnklassen();
}

QWidget *TFFrScheineN::baueLinks()
{
    auto *links = new QWidget(this);
    auto *spalte = new QVBoxLayout(links);
    spalte->setContentsMargins(0, 0, 0, 0);

    auto *dateileiste = new QGridLayout;
    dateileiste->addWidget(new QLabel(QStringLiteral("Datei"), links), 0, 0);
    dateileiste->addWidget(new QLabel(QStringLiteral("Reihenanzahl"), links), 0, 1, Qt::AlignHCenter);
    // A long file name is elided, with the whole name as tooltip.
    m_lDatei = new Wertlabel(QStringLiteral("LDatei"), Qt::AlignLeft, QString(), links);
    m_lReihen = new Wertlabel(QStringLiteral("LReihen"), Qt::AlignHCenter, ReihennummerMuster, links);
    dateileiste->addWidget(m_lDatei, 1, 0);
    dateileiste->addWidget(m_lReihen, 1, 1);
    dateileiste->setColumnStretch(0, 1);
    spalte->addLayout(dateileiste);

    auto *anteile = new QHBoxLayout;
    anteile->addWidget(zweizeilig(QStringLiteral("Spielschein- Anteile:"), Qt::AlignLeft, links));
    auto *gesamt = new QLabel(QStringLiteral("gesamt:"), links);
    m_eAntGes = anteilsfeld(QStringLiteral("EAntGes"), links);
    gesamt->setBuddy(m_eAntGes);
    auto *meine = new QLabel(QStringLiteral("meine:"), links);
    m_eAntmeine = anteilsfeld(QStringLiteral("EAntmeine"), links);
    meine->setBuddy(m_eAntmeine);
    anteile->addWidget(gesamt);
    anteile->addWidget(m_eAntGes);
    anteile->addWidget(meine);
    anteile->addWidget(m_eAntmeine);
    anteile->addStretch();
    spalte->addLayout(anteile);

    m_g3 = new Gitter(links);
    m_g3->setObjectName(QStringLiteral("G3"));
    m_g3Modell = new TextTabellenModell(m_g3);
    m_g3Modell->setzeFett(true);
    m_g3Modell->setzeHintergrund(
        [this](int spalte, int, const QString &text) { return tippreihenHintergrund(spalte, text); });
    TextTabelle kopf(7, 1);
    // Numbers of a file are shown as they are, up to 255.
    for (int c = 1; c < 7; ++c) {
        const QString titel = c < 6 ? QStringLiteral("Z%1").arg(c) : QStringLiteral("ZZ");
        kopf.setzeSpaltenbreite(c, spaltenbreite(m_g3, 30, titel, {QStringLiteral("255")}, true));
    }
    KopfTippreihen(kopf, spaltenbreite(m_g3, 45, QStringLiteral("Reihe"), {ReihennummerMuster}, false),
                   [this](const QString &t) { return m_g3->textbreite(t); });
    m_g3Modell->setzeTabelle(kopf);
    m_g3->setModel(m_g3Modell);
    for (int c = 0; c < 7; ++c)
        m_g3->setColumnWidth(c, kopf.spaltenbreite(c));
    m_g3->setMinimumWidth(ganzeBreite(m_g3));
    spalte->addWidget(m_g3, 1);
    // As designed, or wider when the share bar or the grid needs more room in this font.
    links->setFixedWidth(std::max(270, spalte->minimumSize().width()));
    return links;
}

QWidget *TFFrScheineN::baueRechts()
{
    auto *rechts = new QWidget(this);
    auto *spalte = new QVBoxLayout(rechts);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(baueZeitraum());

    m_g3a = new Gitter(rechts);
    m_g3a->setObjectName(QStringLiteral("G3a"));
    m_g3aModell = new ErgebnisModell(m_g3a);
    m_g3a->setModel(m_g3aModell);
    // Each column as designed, or wider when the font needs more room for its widest value.
    const QLocale &locale = m_zustand.Formateinstellungen;
    QStringList klassen{QStringLiteral("---")};
    for (const Gewinnklasse &k : Gewinnklassen)
        klassen << k.Bezeichnung;
    const std::array<QStringList, ErgebnisSpalten> werte{Datum::muster(locale), klassen,
                                                         QStringList{ReihennummerMuster}, {betragsmuster(locale)},
                                                         {betragsmuster(locale)}};
    for (int c = 0; c < ErgebnisSpalten; ++c) {
        const auto i = static_cast<std::size_t>(c);
        m_g3a->setColumnWidth(c, spaltenbreite(m_g3a, ErgebnisBreiten[i], ErgebnisKopf[i], werte[i], c > 0));
    }
    m_g3a->setMinimumWidth(ganzeBreite(m_g3a));
    spalte->addWidget(m_g3a, 1);
    spalte->addWidget(baueSummen());

    m_g5 = new Gitter(rechts);
    m_g5->setObjectName(QStringLiteral("G5"));
    QFont klein = m_g5->font();
    klein.setPointSize(7);
    m_g5->setFont(klein);
    m_g5->horizontalHeader()->setFont(klein);
    m_g5->verticalHeader()->setDefaultSectionSize(QFontMetrics(klein).height() + 6);
    m_g5->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_g5->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_g5Modell = new TextTabellenModell(m_g5);
    m_g5Modell->setzeHintergrund([](int, int, const QString &) { return QColor(Qt::white); });
    m_g5->setModel(m_g5Modell);
    spalte->addWidget(m_g5);
    return rechts;
}

QWidget *TFFrScheineN::baueZeitraum()
{
    auto *box = new QGroupBox(QStringLiteral("Auswertung für eine oder mehrere Ziehungen"), this);
    auto *raster = new QGridLayout(box);
    raster->addWidget(new QLabel(QStringLiteral("Für den bzw. vom"), box), 0, 0);
    m_combo1 = datumsliste(QStringLiteral("Combo1"), m_zustand.Formateinstellungen, box);
    raster->addWidget(m_combo1, 1, 0);
    m_cbBack = new QCheckBox(QStringLiteral("zurück bis zum"), box);
    m_cbBack->setObjectName(QStringLiteral("cbBack"));
    raster->addWidget(m_cbBack, 0, 1);
    m_combo2 = datumsliste(QStringLiteral("combo2"), m_zustand.Formateinstellungen, box);
    raster->addWidget(m_combo2, 1, 1);
    m_bStart = new QPushButton(QStringLiteral("Start"), box);
    m_bStart->setObjectName(QStringLiteral("BStart"));
    QFont f = m_bStart->font();
    f.setBold(true);
    m_bStart->setFont(f);
    raster->addWidget(m_bStart, 0, 2, 2, 1);
    raster->setColumnStretch(3, 1);
    connect(m_bStart, &QPushButton::clicked, this, &TFFrScheineN::BStartClick);
    // The report of the evaluation, for the members of a syndicate; there is one only after "Start".
    m_bDrucken = new QPushButton(QStringLiteral("Bericht drucken..."), box);
    m_bDrucken->setObjectName(QStringLiteral("BDrucken"));
    m_bPdf = new QPushButton(QStringLiteral("Als PDF speichern..."), box);
    m_bPdf->setObjectName(QStringLiteral("BPdf"));
    for (QPushButton *b : {m_bDrucken, m_bPdf}) {
        b->setEnabled(false);
        b->setToolTip(QStringLiteral("Gewinnbericht der letzten Auswertung für die Tippgemeinschaft"));
    }
    raster->addWidget(m_bDrucken, 2, 0);
    raster->addWidget(m_bPdf, 2, 1);
    connect(m_bDrucken, &QPushButton::clicked, this, &TFFrScheineN::BDruckenClick);
    connect(m_bPdf, &QPushButton::clicked, this, &TFFrScheineN::BPdfClick);
    return box;
}

QWidget *TFFrScheineN::baueSummen()
{
    auto *leiste = new QWidget(this);
    auto *zeile = new QHBoxLayout(leiste);
    zeile->setContentsMargins(0, 0, 0, 0);

    auto *hoechst = new QGroupBox(QStringLiteral("Höchstgewinn"), leiste);
    auto *h = new QGridLayout(hoechst);
    const QLocale &locale = m_zustand.Formateinstellungen;
    m_lHGew = new Wertlabel(QStringLiteral("LHGew"), Qt::AlignHCenter, waehrungsmuster(locale), hoechst);
    m_lHGewWann = new Wertlabel(QStringLiteral("LHGewWann"), Qt::AlignHCenter, datumsmuster(locale, hoechst->font()), hoechst);
    m_lHGewWann->setProperty("tag", 0);
    m_bZeig = Bildknopf(QStringLiteral("BZeig"), Symbole::zeigen(),
                        QStringLiteral("Zum Höchstgewinn in der Ergebnisliste blättern"), hoechst);
    connect(m_bZeig, &QToolButton::clicked, this, &TFFrScheineN::BZeigClick);
    h->addWidget(m_lHGew, 0, 0, 1, 3);
    h->addWidget(new QLabel(QStringLiteral("am:"), hoechst), 1, 0);
    h->addWidget(m_lHGewWann, 1, 1);
    h->addWidget(m_bZeig, 1, 2);
    zeile->addWidget(hoechst, 1);

    auto *summen = new QGridLayout;
    summen->addWidget(new QLabel(QStringLiteral("Gesamtgewinn"), leiste), 0, 0, 1, 2, Qt::AlignRight);
    m_lGesGewinn = new Wertlabel(QStringLiteral("LGesGewinn"), Qt::AlignRight, waehrungsmuster(locale), leiste);
    summen->addWidget(m_lGesGewinn, 1, 0, 1, 2);
    summen->addWidget(new QLabel(QStringLiteral("Anteil:"), leiste), 2, 0);
    m_lGesGewinnAnt = new Wertlabel(QStringLiteral("LGesGewinnAnt"), Qt::AlignRight, waehrungsmuster(locale), leiste);
    summen->addWidget(m_lGesGewinnAnt, 2, 1);
    zeile->addLayout(summen);

    auto *quote = new QVBoxLayout;
    quote->addWidget(zweizeilig(QStringLiteral("Rücklauf- quote"), Qt::AlignRight, leiste), 0, Qt::AlignRight);
    m_lrl = new Wertlabel(QStringLiteral("LRL"), Qt::AlignRight, ruecklaufmuster(locale), leiste);
    quote->addWidget(m_lrl);
    // Below the realised rate, what the same rows and draws return on average by the odds.
    auto *erwartetZeile = new QHBoxLayout;
    auto *erwartet = new QLabel(QStringLiteral("erwartet:"), leiste);
    erwartet->setToolTip(QStringLiteral("Erwartete Rücklaufquote derselben Reihen über ebenso viele Ziehungen, "
                                        "aus den Gewinnchancen und festen Beträgen der Gewinnklassen"));
    m_lrlErwartet = new Wertlabel(QStringLiteral("LRLErwartet"), Qt::AlignRight, erwartungsmuster(locale), leiste);
    erwartetZeile->addWidget(erwartet);
    erwartetZeile->addWidget(m_lrlErwartet, 1);
    quote->addLayout(erwartetZeile);
    zeile->addLayout(quote);
    return leiste;
}

void TFFrScheineN::KopfErgebnis()
{
    const Textmesser breite = [this](const QString &t) { return m_g3a->textbreite(t); };
    QStringList kopf;
    for (int c = 0; c < ErgebnisSpalten; ++c) {
        const QString &text = ErgebnisKopf[static_cast<std::size_t>(c)];
        // "Richtige" and "in Reihe" stand as they are.
        kopf << (c == 1 || c == 2 ? text : Zentrieren(text, m_g3a->columnWidth(c), breite));
    }
    m_g3aModell->setzeKopf(kopf);
}

void TFFrScheineN::KopfGewinnklassen()
{
    const Textmesser breite = [this](const QString &t) { return m_g5->textbreite(t); };
    const QString gkl = QStringLiteral("GKl.");
    const QString anz = QStringLiteral("Anz.");
    TextTabelle t(11, 2);
    t.setzeSpaltenbreite(0,
                         std::max(spaltenbreite(m_g5, G5Breiten[0], gkl, {}, false), m_g5->zellenbreite(anz, false)));
    for (int k = 0; k < AnzahlGewinnklassen; ++k) {
        const QString &kurz = Gewinnklassen[static_cast<std::size_t>(k)].Kurz;
        t.setzeSpaltenbreite(k + 1, spaltenbreite(m_g5, G5Breiten[k + 1], kurz, {KlassenanzahlMuster}, false));
    }
    // The first column's captions are centred for 31 and 32 pixels as designed, or for the
    // column's width when the font made it wider.
    t.setzeZelle(0, 0, Zentrieren(gkl, std::max(31, t.spaltenbreite(0)), breite));
    t.setzeZelle(0, 1, Zentrieren(anz, std::max(32, t.spaltenbreite(0)), breite));
    for (int k = 0; k < AnzahlGewinnklassen; ++k)
        t.setzeZelle(k + 1, 0,
                     Zentrieren(Gewinnklassen[static_cast<std::size_t>(k)].Kurz, t.spaltenbreite(k + 1), breite));
    m_g5Modell->setzeTabelle(t);
    for (int c = 0; c < 11; ++c)
        m_g5->setColumnWidth(c, t.spaltenbreite(c));
    m_g5->setMinimumWidth(ganzeBreite(m_g5));
    m_g5->setFixedHeight(m_g5->horizontalHeader()->sizeHint().height() + m_g5->verticalHeader()->defaultSectionSize() + 4);
}

QString TFFrScheineN::einlesen(const QString &pfad, const Datumsliste &ziehungsdaten)
{
    m_combo1->datumsliste()->setzeListe(ziehungsdaten);
    m_combo1->setCurrentIndex(m_combo1->count() - 1);
    m_combo2->datumsliste()->setzeListe(ziehungsdaten);
    m_combo2->setCurrentIndex(m_combo2->count() - 2);

    TextTabelle tabelle = m_g3Modell->tabelle();
    QString antGes = m_eAntGes->text();
    QString antMeine = m_eAntmeine->text();
    const QString fehler = ScheinEinlesen(tabelle, antGes, antMeine, pfad, [this](const QString &t) { return m_g3->textbreite(t); });
    m_g3Modell->setzeTabelle(tabelle);
    m_eAntGes->setText(antGes);
    m_eAntmeine->setText(antMeine);
    m_pfad = pfad;
    m_lDatei->setText(QFileInfo(pfad).fileName());
    m_lReihen->setText(QString::number(std::max(tabelle.zeilen() - 1, 0)));
    return fehler;
}

void TFFrScheineN::uebernehmen(const TextTabelle &reihen, const QString &antGes, const QString &antMeine,
                               const QString &name, const Datumsliste &ziehungsdaten)
{
    m_combo1->datumsliste()->setzeListe(ziehungsdaten);
    m_combo1->setCurrentIndex(m_combo1->count() - 1);
    m_combo2->datumsliste()->setzeListe(ziehungsdaten);
    m_combo2->setCurrentIndex(m_combo2->count() - 2);
    TextTabelle tabelle = m_g3Modell->tabelle();
    tabelle.setzeZeilen(std::max(reihen.zeilen(), 1));
    const int breite = tabelle.spaltenbreite(0);
    for (int k = 1; k < reihen.zeilen(); ++k) {
        tabelle.setzeZelle(0, k, Zentrieren(QString::number(k), breite, [this](const QString &t) { return m_g3->textbreite(t); }));
        for (int c = 1; c <= 6; ++c)
            tabelle.setzeZelle(c, k, reihen.zelle(c, k));
    }
    m_g3Modell->setzeTabelle(tabelle);
    m_eAntGes->setText(antGes);
    m_eAntmeine->setText(antMeine);
    m_pfad.clear();
    m_lDatei->setText(name);
    m_lReihen->setText(QString::number(std::max(tabelle.zeilen() - 1, 0)));
}

void TFFrScheineN::datenAktualisieren(const Datumsliste &ziehungsdaten)
{
    m_combo1->datumsliste()->setzeListe(ziehungsdaten);
    m_combo1->setCurrentIndex(m_combo1->count() - 1);
}

QColor TFFrScheineN::tippreihenHintergrund(int spalte, const QString &text) const
{
    // The hits follow the most recent single-draw evaluation of any tab.
    if (!m_zustand.EinzelAuswertung || m_zustand.AuswZiehungen.isEmpty())
        return QColor(Qt::white);
    if (text.isEmpty())
        return QColor(Qt::white);
    bool ok = false;
    const int wert = text.trimmed().toInt(&ok);
    const TGewAusw &ziehung = m_zustand.AuswZiehungen.constFirst();
    if (ok && spalte <= 5 && istZahl(wert) && ziehung.GZA.enthaelt(static_cast<std::uint8_t>(wert)))
        return QColor(193, 255, 193);
    if (ok && spalte == 6 && istZusatzzahl(wert) && wert == ziehung.bonus)
        return QColor(106, 255, 106);
    return QColor(Qt::white);
}

int TFFrScheineN::hoechstgewinnMarke() const { return m_lHGewWann->property("tag").toInt(); }

void TFFrScheineN::setzeMarke(int marke)
{
    m_lHGewWann->setProperty("tag", marke);
    m_g3aModell->setzeMarke(marke);
}

void TFFrScheineN::BStartClick()
{
    const int antGes = AnteilAusText(m_eAntGes->text()).value_or(1);
    const int antMeine = AnteilAusText(m_eAntmeine->text()).value_or(1);
    const bool zeitraum = m_cbBack->isChecked();
    Auswertungsergebnis ergebnis =
        GewinnAuswertung(m_zustand, TippreihenAusTabelle(m_g3Modell->tabelle()), antGes, antMeine,
                         m_combo1->currentIndex(), m_combo2->currentIndex(), zeitraum);
    if (ergebnis.status == Auswertungsstatus::KeinZeitraum) {
        // No draw to evaluate: nothing ran, so nothing changes, least of all the hit colouring,
        // which must keep following the draws of the last evaluation that did run.
        Meldungen::information(this, ergebnis.meldung);
        return;
    }
    setzeMarke(0);
    const QLocale &locale = m_zustand.Formateinstellungen;
    Kennzahltexte texte;
    int marke = 0;
    if (ergebnis.status != Auswertungsstatus::Ok) {
        // The period message: the list, the class counts, the return rate and the share keep what
        // they showed, while the total and the highest win are emptied below.
        Meldungen::information(this, ergebnis.meldung);
    } else {
        texte = KennzahlenTexte(ergebnis, locale);
        marke = ergebnis.hoechsterPosition;
        m_g3a->setUpdatesEnabled(false);
        m_g3aModell->setzeErgebnis(std::move(ergebnis));
        m_g3a->scrollToTop();
        m_g3a->setUpdatesEnabled(true);
        for (int k = 0; k < AnzahlGewinnklassen; ++k)
            m_g5Modell->setzeZelle(k + 1, 1,
                                   Zentrieren(texte.klassenAnzahl[static_cast<std::size_t>(k)],
                                              m_g5->columnWidth(k + 1),
                                              [this](const QString &t) { return m_g5->textbreite(t); }));
        m_lrl->setText(texte.ruecklauf);
        m_lrlErwartet->setText(texte.erwarteterRuecklauf);
        m_lGesGewinnAnt->setText(texte.gesamtAnteil);
        m_bDrucken->setEnabled(true);
        m_bPdf->setEnabled(true);
    }
    m_lGesGewinn->setText(texte.gesamt);
    m_zustand.EinzelAuswertung = !zeitraum;
    m_g3->viewport()->update();
    m_lHGew->setText(texte.hoechster);
    m_lHGewWann->setText(texte.hoechsterDatum);
    setzeMarke(marke);
}

void TFFrScheineN::BZeigClick()
{
    const int marke = hoechstgewinnMarke();
    if (marke > 0 && m_g3a->sichtbareGanzeZeilen() < marke) {
        // Rows count from 1 here; the first row shown is six above the mark.
        const int erste = std::max(marke - 6, 1);
        m_g3a->verticalScrollBar()->setValue(erste - 1);
    }
    m_g3a->viewport()->update();
}

Gewinnbericht TFFrScheineN::bericht() const
{
    return GewinnberichtErstellen(m_g3aModell->ergebnis(), m_lDatei->text(), QDate::currentDate(),
                                  m_zustand.Formateinstellungen);
}

void TFFrScheineN::BDruckenClick()
{
    const QString fehler = Berichtsdruck::drucken(this, bericht());
    if (!fehler.isEmpty())
        Meldungen::fehler(this, fehler);
}

void TFFrScheineN::BPdfClick()
{
    Dateidialoge::Auswahl a;
    a.titel = QStringLiteral("Gewinnbericht als PDF speichern");
    a.filtertext = QStringLiteral("PDF-Dokument");
    a.endung = QStringLiteral("pdf");
    // Beside the ticket, named after it.
    const QFileInfo schein(m_pfad);
    a.ordner =
        schein.absolutePath() + QLatin1Char('/') + schein.completeBaseName() + QStringLiteral(" - Gewinnbericht.pdf");
    const QString datei = Dateidialoge::speichern(this, a);
    if (datei.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString fehler = Berichtsdruck::alsPdf(bericht(), datei);
    QApplication::restoreOverrideCursor();
    if (!fehler.isEmpty())
        Meldungen::fehler(this, fehler);
    else
        Meldungen::information(this, QStringLiteral("Gespeichert in: ") + QFileInfo(datei).fileName());
}
