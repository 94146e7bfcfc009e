// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/strategie/Strategiedialog.h"

#include "generator/Zufallsauswahl.h"
#include "statistics/Musterstatistik.h"
#include "ui/gemeinsam/Dateidialoge.h"
#include "ui/gemeinsam/Meldungen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QLineEdit *dialogFeld(const QString &name, const QString &platzhalter, QWidget *eltern)
{
    auto *f = new QLineEdit(eltern);
    f->setObjectName(name);
    f->setPlaceholderText(platzhalter);
    return f;
}

void dialogZeile(QFormLayout *form, const QString &text, QWidget *feld)
{
    auto *l = new QLabel(text, form->parentWidget());
    l->setBuddy(feld);
    form->addRow(l, feld);
}

// "3,17,42" as numbers of 1..49, each once; the message names the field otherwise.
std::optional<Zahlenmenge> dialogZahlen(const QLineEdit *feld, const QString &name, QString &fehler)
{
    Zahlenmenge m;
    const QString text = feld->text().trimmed();
    if (text.isEmpty())
        return m;
    for (const QString &teil : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int z = teil.trimmed().toInt(&ok);
        if (!ok || !istZahl(z)) {
            fehler = QStringLiteral("\u201E%1\u201C bei %2 ist keine Zahl von 1 bis 49.").arg(teil.trimmed(), name);
            return std::nullopt;
        }
        m.hinzu(static_cast<std::uint8_t>(z));
    }
    return m;
}

} // namespace

Strategiedialog::Strategiedialog(const QString &datenordner, QWidget *eltern, QList<Tabreihen> tabs)
    : QDialog(eltern), m_datenordner(datenordner), m_tabs(std::move(tabs))
{
    setObjectName(QStringLiteral("FStrategie"));
    setWindowTitle(QStringLiteral("Strategie"));
    auto *spalte = new QVBoxLayout(this);
    auto *kopf = new QFormLayout;
    m_name = dialogFeld(QStringLiteral("EName"), QStringLiteral("wie die Strategie spielt"), this);
    m_art = new QComboBox(this);
    m_art->setObjectName(QStringLiteral("ComboArt"));
    for (const Strategieart a : {Strategieart::Schein, Strategieart::System, Strategieart::Zufall, Strategieart::Regel})
        m_art->addItem(ArtText(a), static_cast<int>(a));
    auto *lName = new QLabel(QStringLiteral("&Name:"), this);
    lName->setBuddy(m_name);
    kopf->addRow(lName, m_name);
    auto *lArt = new QLabel(QStringLiteral("&Art:"), this);
    lArt->setBuddy(m_art);
    kopf->addRow(lArt, m_art);
    spalte->addLayout(kopf);

    m_seiten = new QStackedWidget(this);
    m_seiten->setObjectName(QStringLiteral("PSeiten"));
    m_seiten->addWidget(baueSchein());
    m_seiten->addWidget(baueSystem());
    m_seiten->addWidget(baueZufall());
    m_seiten->addWidget(baueRegel());
    spalte->addWidget(m_seiten);

    auto *gemeinsam = new QGroupBox(QStringLiteral("Reihen"), this);
    auto *form = new QFormLayout(gemeinsam);
    m_garantie = new QComboBox(gemeinsam);
    m_garantie->setObjectName(QStringLiteral("ComboGarantie"));
    m_garantie->addItem(QStringLiteral("Vollsystem"), QString());
    for (int m = 1; m <= ZahlenProReihe; ++m)
        for (int t = 1; t <= m && t < ZahlenProReihe; ++t)
            m_garantie->addItem(QStringLiteral("Kurzsystem ") + GarantieKurz({t, m}), QStringLiteral("%1:%2").arg(t).arg(m));
    dialogZeile(form, QStringLiteral("&System:"), m_garantie);
    m_schritte = new QSpinBox(gemeinsam);
    m_schritte->setObjectName(QStringLiteral("ESchritte"));
    m_schritte->setRange(1, 100'000'000);
    m_schritte->setValue(static_cast<int>(VorgabeSchritte));
    m_schritte->setGroupSeparatorShown(true);
    dialogZeile(form, QStringLiteral("Suchschri&tte:"), m_schritte);
    m_zusatzzahl = new QComboBox(gemeinsam);
    m_zusatzzahl->setObjectName(QStringLiteral("ComboZusatzzahl"));
    m_zusatzzahl->addItem(QStringLiteral("per Zufall"), 0);
    for (int z = 1; z <= MaxZusatzzahl; ++z)
        m_zusatzzahl->addItem(QString::number(z), z);
    dialogZeile(form, QStringLiteral("&Zusatzzahl:"), m_zusatzzahl);
    spalte->addWidget(gemeinsam);

    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BOk"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    knoepfe->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("BAbbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &Strategiedialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &Strategiedialog::reject);
    spalte->addWidget(knoepfe);
    connect(m_art, &QComboBox::currentIndexChanged, this, &Strategiedialog::artGewechselt);
    connect(m_garantie, &QComboBox::currentIndexChanged, this, &Strategiedialog::artGewechselt);
    artGewechselt();
}

QWidget *Strategiedialog::baueSchein()
{
    auto *seite = new QGroupBox(QStringLiteral("Fester Schein: jede Ziehung dieselben Reihen"), this);
    auto *form = new QFormLayout(seite);
    auto *zeile = new QHBoxLayout;
    m_datei = dialogFeld(QStringLiteral("EDatei"), QStringLiteral("Tippschein-Datei (*.qtt)"), seite);
    auto *waehlen = new QPushButton(QStringLiteral("&Durchsuchen..."), seite);
    waehlen->setObjectName(QStringLiteral("BDatei"));
    connect(waehlen, &QPushButton::clicked, this, &Strategiedialog::dateiWaehlen);
    zeile->addWidget(m_datei, 1);
    zeile->addWidget(waehlen);
    auto *l = new QLabel(QStringLiteral("&Tippschein:"), seite);
    l->setBuddy(m_datei);
    form->addRow(l, zeile);
    m_tab = new QComboBox(seite);
    m_tab->setObjectName(QStringLiteral("ComboTab"));
    m_tab->addItem(QStringLiteral("keiner (die Datei oben)"));
    for (const Tabreihen &t : m_tabs)
        m_tab->addItem(t.titel);
    connect(m_tab, &QComboBox::currentIndexChanged, this, [this, waehlen](int i) {
        m_datei->setEnabled(i == 0);
        waehlen->setEnabled(i == 0);
    });
    dialogZeile(form, QStringLiteral("oder offener T&ab:"), m_tab);
    return seite;
}

QWidget *Strategiedialog::baueSystem()
{
    auto *seite = new QGroupBox(QStringLiteral("System: jede Ziehung dieselben Systemreihen"), this);
    auto *form = new QFormLayout(seite);
    m_zahlen = dialogFeld(QStringLiteral("EZahlen"), QStringLiteral("6 bis 30 Zahlen, z. B. 3,7,12,19,25,31,44"), seite);
    dialogZeile(form, QStringLiteral("Za&hlen:"), m_zahlen);
    return seite;
}

QWidget *Strategiedialog::baueZufall()
{
    auto *seite = new QGroupBox(QStringLiteral("Zufallsreihen: jede Ziehung neue Reihen vom Zufallsgenerator"), this);
    auto *form = new QFormLayout(seite);
    m_reihen = new QSpinBox(seite);
    m_reihen->setObjectName(QStringLiteral("EReihen"));
    m_reihen->setRange(1, 10000);
    m_reihen->setValue(10);
    dialogZeile(form, QStringLiteral("&Reihen je Ziehung:"), m_reihen);
    m_bank = dialogFeld(QStringLiteral("EBank"), QStringLiteral("in jeder Reihe, z. B. 7,13"), seite);
    dialogZeile(form, QStringLiteral("&Bankzahlen:"), m_bank);
    m_killer = dialogFeld(QStringLiteral("EKiller"), QStringLiteral("in keiner Reihe"), seite);
    dialogZeile(form, QStringLiteral("&Quotenkiller:"), m_killer);
    m_favoriten = dialogFeld(QStringLiteral("EFavoriten"), QStringLiteral("doppeltes Gewicht"), seite);
    dialogZeile(form, QStringLiteral("&Favoriten:"), m_favoriten);
    const std::array<QString, 5> texte{QStringLiteral("Summe (von-bis):"), QStringLiteral("Gerade Zahlen (von-bis):"),
                                       QStringLiteral("Kleine Zahlen 1-24 (von-bis):"),
                                       QStringLiteral("L\u00E4ngste Folge (h\u00F6chstens):"),
                                       QStringLiteral("Je Zehnergruppe (h\u00F6chstens):")};
    for (std::size_t i = 0; i < m_filter.size(); ++i) {
        const Musterart art = AlleMusterarten[i];
        m_filter[i] = dialogFeld(QStringLiteral("EFilter") + Musterschluessel(art), QStringLiteral("kein Filter"), seite);
        dialogZeile(form, texte[i], m_filter[i]);
    }
    return seite;
}

QWidget *Strategiedialog::baueRegel()
{
    auto *seite = new QGroupBox(QStringLiteral("Statistikregel: vor jeder Ziehung die Zahlen der Statistik davor"), this);
    auto *form = new QFormLayout(seite);
    m_rang = new QComboBox(seite);
    m_rang->setObjectName(QStringLiteral("ComboRang"));
    for (const Rangfolge r : {Rangfolge::Haeufigste, Rangfolge::Seltenste, Rangfolge::Ausgeblieben})
        m_rang->addItem(RangfolgeText(r), static_cast<int>(r));
    dialogZeile(form, QStringLiteral("&Welche Zahlen:"), m_rang);
    m_anzahl = new QSpinBox(seite);
    m_anzahl->setObjectName(QStringLiteral("EAnzahl"));
    m_anzahl->setRange(MinRegelzahlen, MaxRegelzahlen);
    m_anzahl->setValue(8);
    dialogZeile(form, QStringLiteral("&Anzahl:"), m_anzahl);
    auto *zeile = new QHBoxLayout;
    m_fenster = new QSpinBox(seite);
    m_fenster->setObjectName(QStringLiteral("EFenster"));
    m_fenster->setRange(MinFenster, 1'000'000);
    m_fenster->setValue(50);
    m_fenster->setSuffix(QStringLiteral(" Ziehungen"));
    m_alle = new QCheckBox(QStringLiteral("a&lle davor"), seite);
    m_alle->setObjectName(QStringLiteral("cbAlle"));
    connect(m_alle, &QCheckBox::toggled, m_fenster, [this](bool alle) { m_fenster->setEnabled(!alle); });
    zeile->addWidget(m_fenster, 1);
    zeile->addWidget(m_alle);
    auto *l = new QLabel(QStringLiteral("Gez\u00E4hlt &\u00FCber:"), seite);
    l->setBuddy(m_fenster);
    form->addRow(l, zeile);
    return seite;
}

void Strategiedialog::artGewechselt()
{
    const auto art = static_cast<Strategieart>(m_art->currentData().toInt());
    m_seiten->setCurrentIndex(m_art->currentIndex());
    const bool system = art == Strategieart::System || art == Strategieart::Regel;
    m_garantie->setEnabled(system);
    m_schritte->setEnabled(system && m_garantie->currentIndex() > 0);
    m_zusatzzahl->setEnabled(art != Strategieart::Schein);
}

void Strategiedialog::dateiWaehlen()
{
    Dateidialoge::Auswahl a;
    a.titel = QStringLiteral("Tippschein w\u00E4hlen");
    a.ordner = m_datei->text().isEmpty() ? m_datenordner : m_datei->text();
    a.filtertext = QStringLiteral("Tippschein-Datei");
    a.endung = QStringLiteral("qtt");
    const QStringList dateien = Dateidialoge::oeffnen(this, a);
    if (!dateien.isEmpty())
        m_datei->setText(dateien.first());
}

void Strategiedialog::setzeStrategie(const Strategie &s)
{
    if (ReihenImSchein(s)) {
        // The rows the strategy keeps, whether or not their tab is still open.
        m_tabs.append({s.tab, s.reihen, s.antGes, s.antMeine});
        m_tab->addItem(s.tab + QStringLiteral(" (gemerkt)"));
        m_tab->setCurrentIndex(m_tab->count() - 1);
    }
    m_name->setText(s.name);
    m_art->setCurrentIndex(m_art->findData(static_cast<int>(s.art)));
    m_datei->setText(s.datei);
    QStringList zahlen;
    for (int z : s.zahlen)
        zahlen << QString::number(z);
    m_zahlen->setText(zahlen.join(QLatin1Char(',')));
    if (s.art == Strategieart::Zufall)
        m_reihen->setValue(s.vorgaben.ZufReihenAnz);
    m_bank->setText(MengeZuText(s.vorgaben.BZGewaehlt, MaxZahl, QStringLiteral(",")));
    m_killer->setText(MengeZuText(s.vorgaben.KillGewaehlt, MaxZahl, QStringLiteral(",")));
    m_favoriten->setText(MengeZuText(s.vorgaben.FavGewaehlt, MaxZahl, QStringLiteral(",")));
    for (std::size_t i = 0; i < m_filter.size(); ++i)
        m_filter[i]->setText(s.vorgaben.filter.text(AlleMusterarten[i]));
    m_rang->setCurrentIndex(m_rang->findData(static_cast<int>(s.rangfolge)));
    m_anzahl->setValue(s.anzahl);
    m_alle->setChecked(s.fenster == 0);
    if (s.fenster > 0)
        m_fenster->setValue(s.fenster);
    const QString garantie = s.garantie ? QStringLiteral("%1:%2").arg(s.garantie->richtige).arg(s.garantie->wenn) : QString();
    m_garantie->setCurrentIndex(std::max(0, m_garantie->findData(garantie)));
    m_schritte->setValue(static_cast<int>(std::clamp<std::int64_t>(s.schritte, 1, 100'000'000)));
    m_zusatzzahl->setCurrentIndex(std::max(0, m_zusatzzahl->findData(int{s.festeZusatzzahl})));
    artGewechselt();
}

Strategie Strategiedialog::strategie(QString &fehler) const
{
    fehler.clear();
    Strategie s;
    s.art = static_cast<Strategieart>(m_art->currentData().toInt());
    s.name = m_name->text().trimmed();
    switch (s.art) {
    case Strategieart::Schein:
        if (const int tab = m_tab->currentIndex(); tab > 0 && tab <= m_tabs.size()) {
            const Tabreihen &t = m_tabs[tab - 1];
            s.tab = t.titel;
            s.reihen = t.reihen;
            s.antGes = t.antGes;
            s.antMeine = t.antMeine;
            break;
        }
        s.datei = m_datei->text().trimmed();
        if (s.datei.isEmpty())
            fehler = QStringLiteral("Bitte w\u00E4hlen Sie einen Tippschein oder einen offenen Tab.");
        break;
    case Strategieart::System: {
        const std::optional<Zahlenmenge> m = dialogZahlen(m_zahlen, QStringLiteral("den Zahlen"), fehler);
        for (int z = 1; m && z <= MaxZahl; ++z)
            if (m->enthaelt(static_cast<std::uint8_t>(z)))
                s.zahlen.push_back(z);
        break;
    }
    case Strategieart::Zufall: {
        s.vorgaben.ZufReihenAnz = m_reihen->value();
        const auto bank = dialogZahlen(m_bank, QStringLiteral("den Bankzahlen"), fehler);
        const auto killer = dialogZahlen(m_killer, QStringLiteral("den Quotenkillern"), fehler);
        const auto favoriten = dialogZahlen(m_favoriten, QStringLiteral("den Favoriten"), fehler);
        if (!bank || !killer || !favoriten)
            break;
        if (bank->anzahl() > MaxBankzahlen) {
            fehler = MeldungZuVieleBankzahlen;
            break;
        }
        if (!bank->schnitt(*killer).leer() || !bank->schnitt(*favoriten).leer() || !killer->schnitt(*favoriten).leer()) {
            fehler = QStringLiteral("Eine Zahl kann nur Bankzahl, Quotenkiller oder Favorit sein.");
            break;
        }
        s.vorgaben.BZGewaehlt = *bank;
        s.vorgaben.KillGewaehlt = *killer;
        s.vorgaben.FavGewaehlt = *favoriten;
        for (std::size_t i = 0; i < m_filter.size(); ++i) {
            const Musterart art = AlleMusterarten[i];
            bool ok = false;
            s.vorgaben.filter.setze(art, Musterfilter::lesen(art, m_filter[i]->text(), &ok));
            if (!ok) {
                const Wertebereich w = WerteVon(art);
                fehler = QStringLiteral("Der Filter \u201E%1\u201C passt nicht: erlaubt sind Werte von %2 bis %3.")
                             .arg(m_filter[i]->text())
                             .arg(w.von)
                             .arg(w.bis);
                break;
            }
        }
        break;
    }
    case Strategieart::Regel:
        s.rangfolge = static_cast<Rangfolge>(m_rang->currentData().toInt());
        s.anzahl = m_anzahl->value();
        s.fenster = m_alle->isChecked() ? 0 : m_fenster->value();
        break;
    }
    if (s.art == Strategieart::System || s.art == Strategieart::Regel) {
        const QStringList tm = m_garantie->currentData().toString().split(QLatin1Char(':'));
        if (tm.size() == 2)
            s.garantie = Garantie{tm[0].toInt(), tm[1].toInt()};
        s.schritte = m_schritte->value();
    }
    if (s.art != Strategieart::Schein)
        s.festeZusatzzahl = static_cast<std::uint8_t>(m_zusatzzahl->currentData().toInt());
    return s;
}

void Strategiedialog::accept()
{
    QString fehler;
    Strategie s = strategie(fehler);
    if (fehler.isEmpty() && s.art == Strategieart::Schein)
        fehler = ScheinLaden(s);
    if (fehler.isEmpty())
        fehler = StrategiePruefen(s);
    if (!fehler.isEmpty()) {
        Meldungen::fehler(this, fehler + Absatz + QStringLiteral("Ich breche erst einmal ab."));
        return;
    }
    QDialog::accept();
}
