// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/eingabe/Textrahmen.h"

#include "entry/Scheineingabe.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/eingabe/Eingabeelemente.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QVBoxLayout>

Textrahmen::Textrahmen(QWidget *eltern) : QFrame(eltern)
{
    setObjectName(QStringLiteral("PMitte"));
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(baueKopf());
    m_m1 = new Textfeld(this);
    spalte->addWidget(m_m1, 1);
    spalte->addWidget(baueEinstellungen());
    spalte->addWidget(baueFuss());
    connect(m_m1, &QPlainTextEdit::textChanged, this, &Textrahmen::zeilenZaehlen);
    zeilenZaehlen();
}

QWidget *Textrahmen::baueKopf()
{
    auto *kopf = new QWidget(this);
    auto *zeile = new QHBoxLayout(kopf);
    zeile->setContentsMargins(0, 0, 0, 0);
    auto *beispiel = new QVBoxLayout;
    beispiel->addWidget(new QLabel(QStringLiteral("Beispiel: 2,12,22,38,41,6 oder"), kopf));
    beispiel->addWidget(new QLabel(QStringLiteral("Text einf\u00FCgen mit \"Feld x\" z. B. aus E-Mail"), kopf));
    zeile->addLayout(beispiel, 1);

    auto *zaehler = new QVBoxLayout;
    auto *titel = new QLabel(QStringLiteral("Zeilen"), kopf);
    titel->setAlignment(Qt::AlignCenter);
    m_lZeilen = FettesLabel(QStringLiteral("LZeilen"), Qt::AlignHCenter, kopf);
    zaehler->addWidget(titel);
    zaehler->addWidget(m_lZeilen);
    zeile->addLayout(zaehler);

    auto *loeschen = new QPushButton(QStringLiteral("Textfeld l\u00F6schen"), kopf);
    loeschen->setObjectName(QStringLiteral("BTextfeldLoeschen"));
    loeschen->setIcon(Symbole::loeschen());
    connect(loeschen, &QPushButton::clicked, this, &Textrahmen::TextfeldLoeschen);
    zeile->addWidget(loeschen);
    return kopf;
}

QWidget *Textrahmen::baueEinstellungen()
{
    auto *einstellungen = new QWidget(this);
    auto *zeile = new QHBoxLayout(einstellungen);
    zeile->setContentsMargins(0, 0, 0, 0);

    auto *uebertragen = new QGroupBox(QStringLiteral("Beim \u00DCbertragen sollen..."), einstellungen);
    uebertragen->setObjectName(QStringLiteral("RG1"));
    auto *wahl = new QVBoxLayout(uebertragen);
    m_rg1a = new QRadioButton(QStringLiteral("...vorhandene Eintr\u00E4ge \u00FCberschrieben werden"), uebertragen);
    m_rg1a->setObjectName(QStringLiteral("RG1a"));
    m_rg1b = new QRadioButton(QStringLiteral("...die neuen Reihen angeh\u00E4ngt werden"), uebertragen);
    m_rg1b->setObjectName(QStringLiteral("RG1b"));
    m_rg1a->setChecked(true);
    wahl->addWidget(m_rg1a);
    wahl->addWidget(m_rg1b);
    zeile->addWidget(uebertragen, 1);

    auto *schrift = new QGroupBox(QStringLiteral("Schriftgr\u00F6\u00DFe"), einstellungen);
    schrift->setObjectName(QStringLiteral("GBSchrift"));
    auto *regler = new QHBoxLayout(schrift);
    m_up1 = new Pfeilregler(6, 12, 10, schrift);
    m_up1->setObjectName(QStringLiteral("up1"));
    regler->addWidget(new QLabel(QStringLiteral("kleiner"), schrift));
    regler->addWidget(m_up1);
    regler->addWidget(new QLabel(QStringLiteral("gr\u00F6\u00DFer"), schrift));
    connect(m_up1, &Pfeilregler::wertGeaendert, this, [this](int groesse) {
        QFont f = m_m1->font();
        f.setPointSize(groesse);
        m_m1->setFont(f);
    });
    zeile->addWidget(schrift);
    return einstellungen;
}

QWidget *Textrahmen::baueFuss()
{
    auto *fuss = new QWidget(this);
    fuss->setObjectName(QStringLiteral("ToolBar4"));
    auto *raster = new QGridLayout(fuss);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setSpacing(4);
    const auto knopf = [this, fuss](const QString &name, const QString &text, void (Textrahmen::*befehl)()) {
        auto *k = new QPushButton(text, fuss);
        k->setObjectName(name);
        connect(k, &QPushButton::clicked, this, befehl);
        return k;
    };
    raster->addWidget(knopf(QStringLiteral("BZufallsZZ"), QStringLiteral("Zusatzzahlen per Zufall"),
                            &Textrahmen::ZusatzzahlenPerZufall),
                      0, 0);
    auto *fixeZZ = new QLabel(QStringLiteral("fixe ZZ"), fuss);
    m_ezz = new Ziffernfeld(QStringLiteral("EZZ"), 2, fuss);
    fixeZZ->setBuddy(m_ezz);
    auto *feld = new QHBoxLayout;
    feld->addWidget(fixeZZ);
    feld->addWidget(m_ezz);
    raster->addLayout(feld, 0, 1);
    raster->addWidget(
        knopf(QStringLiteral("BFixeZZ"), QStringLiteral("Fixe ZZ erg\u00E4nzen"), &Textrahmen::FixeZZErgaenzen), 0, 2);
    auto *uebertragen = knopf(QStringLiteral("BUebertragen"), QStringLiteral("Reihen in Tabelle \u00FCbertragen"),
                              &Textrahmen::ReihenUebertragen);
    uebertragen->setIcon(Symbole::zeigen());
    QFont fett = uebertragen->font();
    fett.setBold(true);
    uebertragen->setFont(fett);
    raster->addWidget(uebertragen, 1, 0, 1, 3, Qt::AlignRight);
    raster->setColumnStretch(3, 1);
    return fuss;
}

bool Textrahmen::ueberschreiben() const
{
    return m_rg1a->isChecked();
}

void Textrahmen::setzeUeberschreiben(bool ueberschreiben)
{
    (ueberschreiben ? m_rg1a : m_rg1b)->setChecked(true);
}

int Textrahmen::schriftgroesse() const
{
    return m_up1->wert();
}

void Textrahmen::setzeSchriftgroesse(int groesse)
{
    m_up1->setzeWert(groesse);
}

void Textrahmen::zeilenZaehlen()
{
    m_lZeilen->setText(QString::number(m_m1->zeilenzahl()));
}

void Textrahmen::ZahlAnhaengen(int zahl)
{
    m_m1->anhaengen(ZahlenknopfText(m_m1->document()->lastBlock().text(), zahl));
}

void Textrahmen::ZeilenAnhaengen(const QStringList &zeilen)
{
    const QString letzte = m_m1->document()->lastBlock().text();
    m_m1->anhaengen((letzte.isEmpty() ? QString() : QStringLiteral("\n")) + zeilen.join(QLatin1Char('\n')) +
                    QLatin1Char('\n'));
}

void Textrahmen::TextfeldLoeschen()
{
    m_m1->clear();
}

QStringList Textrahmen::aufbereiten()
{
    const QStringList zeilen = TextAufbereiten(m_m1->zeilen(), [this] {
        switch (Meldungen::frageJaNeinAbbrechen(this, Leerzeichenfrage)) {
        case Meldungen::Antwort::Ja:
            return Leerzeichenantwort::Ja;
        case Meldungen::Antwort::Nein:
            return Leerzeichenantwort::Nein;
        default:
            return Leerzeichenantwort::Abbrechen;
        }
    });
    // The whole text is replaced at once, so the field shows no step in between.
    m_m1->setPlainText(zeilen.join(QLatin1Char('\n')));
    return zeilen;
}

void Textrahmen::ReihenUebertragen()
{
    if (m_m1->document()->isEmpty()) {
        Meldungen::fehler(this, MeldungTextfeldLeer);
        return;
    }
    const Reihenpruefung pruefung = ReihenPruefen(aufbereiten());
    if (!pruefung.fehler.isEmpty()) {
        Meldungen::fehler(this, pruefung.fehler);
        return;
    }
    Q_EMIT reihenGeprueft(pruefung.reihen, ueberschreiben());
}

void Textrahmen::ZusatzzahlenPerZufall()
{
    if (m_m1->document()->isEmpty()) {
        Meldungen::fehler(this, MeldungNichtsZuErgaenzen);
        return;
    }
    QStringList zeilen = aufbereiten();
    ZusatzzahlenErgaenzen(zeilen,
                          [] { return QString::number(QRandomGenerator::global()->bounded(1, MaxZusatzzahl + 1)); });
    m_m1->setPlainText(zeilen.join(QLatin1Char('\n')));
}

void Textrahmen::FixeZZErgaenzen()
{
    if (m_m1->document()->isEmpty()) {
        Meldungen::fehler(this, MeldungNichtsZuErgaenzen);
        return;
    }
    const QString zz = m_ezz->text();
    const QString fehler = FixeZusatzzahlPruefen(zz);
    if (!fehler.isEmpty()) {
        Meldungen::fehler(this, fehler);
        return;
    }
    QStringList zeilen = aufbereiten();
    ZusatzzahlenErgaenzen(zeilen, [&zz] { return zz; });
    m_m1->setPlainText(zeilen.join(QLatin1Char('\n')));
}
