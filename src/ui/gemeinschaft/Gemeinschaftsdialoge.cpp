// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The small dialogs of the syndicate window: members, shares, payments, costs, tickets,
// cancellations and statements.
#include "ui/gemeinschaft/Gemeinschaftsfenster.h"

#include "model/Datum.h"
#include "model/Spiel.h"
#include "model/Zustand.h"
#include "syndicate/Kontoauszug.h"
#include "ui/gemeinsam/Dateidialoge.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinschaft/Formular.h"
#include "ui/gemeinschaft/Gemeinschaftsmodelle.h"
#include "ui/haupt/Berichtsdruck.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>

QString TFGemeinschaft::gewaehltesMitglied() const
{
    const Mitglied *m = m_konten->mitglied(m_gMitglieder->currentIndex().row());
    return m ? m->name : QString();
}

void TFGemeinschaft::mitgliedAufnehmen()
{
    auto *f = new Formular(QStringLiteral("Mitglied aufnehmen"), this);
    f->setObjectName(QStringLiteral("FMitglied"));
    QLineEdit *name = f->textfeld(QStringLiteral("&Name:"), QStringLiteral("EName"));
    QSpinBox *anteile = f->zahlfeld(QStringLiteral("&Anteile:"), QStringLiteral("EAnteile"), 1, 1'000'000, 1);
    QDateEdit *ab = f->datumsfeld(QStringLiteral("Mitglied &ab:"), QStringLiteral("EAb"), QDate::currentDate());
    QLineEdit *email = f->textfeld(QStringLiteral("&E-Mail:"), QStringLiteral("EEmail"));
    QLineEdit *notiz = f->textfeld(QStringLiteral("N&otiz:"), QStringLiteral("ENotiz"));
    f->setzeAktion([=, this] {
        const QString fehler =
            m_gemeinschaft.mitgliedHinzufuegen(name->text(), anteile->value(), ab->date(), email->text(), notiz->text());
        if (fehler.isEmpty())
            aktualisieren();
        return fehler;
    });
    f->zeigen();
}

void TFGemeinschaft::anteileAendern()
{
    const QString name = gewaehltesMitglied();
    if (name.isEmpty()) {
        Meldungen::information(this, QStringLiteral("Bitte w\u00E4hlen Sie zuerst ein Mitglied in der Liste."));
        return;
    }
    auto *f = new Formular(QStringLiteral("Anteile von %1 \u00E4ndern").arg(name), this);
    f->setObjectName(QStringLiteral("FAnteile"));
    QSpinBox *anteile = f->zahlfeld(QStringLiteral("&Anteile:"), QStringLiteral("EAnteile"), 1, 1'000'000, 1);
    QDateEdit *ab = f->datumsfeld(QStringLiteral("&ab:"), QStringLiteral("EAb"), QDate::currentDate());
    f->setzeAktion([=, this] {
        const QString fehler = m_gemeinschaft.anteileAendern(name, anteile->value(), ab->date());
        if (fehler.isEmpty())
            aktualisieren();
        return fehler;
    });
    f->zeigen();
}

void TFGemeinschaft::austritt()
{
    const QString name = gewaehltesMitglied();
    if (name.isEmpty()) {
        Meldungen::information(this, QStringLiteral("Bitte w\u00E4hlen Sie zuerst ein Mitglied in der Liste."));
        return;
    }
    auto *f = new Formular(QStringLiteral("Austritt von %1").arg(name), this);
    f->setObjectName(QStringLiteral("FAustritt"));
    QDateEdit *ab = f->datumsfeld(QStringLiteral("Nicht mehr dabei &ab:"), QStringLiteral("EAb"), QDate::currentDate());
    f->setzeAktion([=, this] {
        const QString fehler = m_gemeinschaft.austritt(name, ab->date());
        if (fehler.isEmpty())
            aktualisieren();
        return fehler;
    });
    f->zeigen();
}

void TFGemeinschaft::einzahlung() { buchungsdialog(Art::Einzahlung); }
void TFGemeinschaft::auszahlung() { buchungsdialog(Art::Auszahlung); }
void TFGemeinschaft::ausgabe() { buchungsdialog(Art::Ausgabe); }

void TFGemeinschaft::buchungsdialog(Art art)
{
    QVector<Mitglied> mitglieder;
    if (const QString fehler = m_gemeinschaft.mitgliederLesen(mitglieder); !fehler.isEmpty()) {
        Meldungen::fehler(this, fehler);
        return;
    }
    QStringList namen;
    for (const Mitglied &m : std::as_const(mitglieder))
        namen << m.name;
    if (art != Art::Ausgabe && namen.isEmpty()) {
        Meldungen::information(this, QStringLiteral("Die Tippgemeinschaft hat noch keine Mitglieder."));
        return;
    }
    auto *f = new Formular(ArtText(art), this);
    f->setObjectName(QStringLiteral("FBuchung"));
    QComboBox *mitglied = nullptr;
    if (art != Art::Ausgabe) {
        mitglied = f->auswahlfeld(QStringLiteral("&Mitglied:"), QStringLiteral("ComboMitglied"), namen);
        mitglied->setCurrentIndex(std::max(0, static_cast<int>(namen.indexOf(gewaehltesMitglied()))));
    }
    QLineEdit *betrag = f->textfeld(QStringLiteral("&Betrag in Euro:"), QStringLiteral("EBetrag"));
    betrag->setPlaceholderText(QStringLiteral("z. B. 12,50"));
    QDateEdit *datum = f->datumsfeld(QStringLiteral("&Datum:"), QStringLiteral("EDatum"), QDate::currentDate());
    QLineEdit *text = f->textfeld(art == Art::Ausgabe ? QStringLiteral("&Wof\u00FCr:") : QStringLiteral("&Text:"),
                                  QStringLiteral("EText"));
    f->setzeAktion([=, this]() -> QString {
        const std::optional<Cent> cent = CentAusText(betrag->text());
        if (!cent)
            return QStringLiteral("\u201E%1\u201C ist kein Betrag. Bitte geben Sie Euro mit h\u00F6chstens zwei "
                                  "Nachkommastellen ein, etwa 12,50.")
                .arg(betrag->text());
        QString fehler;
        if (art == Art::Einzahlung)
            fehler = m_gemeinschaft.einzahlung(mitglied->currentText(), *cent, datum->date(), nullptr, text->text());
        else if (art == Art::Auszahlung)
            fehler = m_gemeinschaft.auszahlung(mitglied->currentText(), *cent, datum->date(), nullptr, text->text());
        else
            fehler = m_gemeinschaft.ausgabe(*cent, text->text(), datum->date());
        if (fehler.isEmpty())
            aktualisieren();
        return fehler;
    });
    f->zeigen();
}

void TFGemeinschaft::stornieren()
{
    const int zeile = m_gKasse->currentIndex().row();
    if (zeile < 0 || zeile >= m_kasse->eintraege().size()) {
        Meldungen::information(this, QStringLiteral("Bitte w\u00E4hlen Sie zuerst die Buchung in der Kasse, die "
                                                    "storniert werden soll."));
        return;
    }
    const Eintrag &e = m_kasse->eintraege()[zeile];
    const QString frage = QStringLiteral("Buchung Nr. %1 (%2 \u00FCber %3, %4) stornieren?")
                              .arg(e.nr)
                              .arg(ArtText(e.art), CentWaehrung(e.betrag, m_zustand.Formateinstellungen),
                                   Datum::kurz(e.datum, m_zustand.Formateinstellungen)) +
                          Absatz + QStringLiteral("Die Gegenbuchung tr\u00E4gt das heutige Datum.");
    if (Meldungen::frageJaNeinVorgabeNein(this, frage) != Meldungen::Antwort::Ja)
        return;
    ergebnis(m_gemeinschaft.storno(e.nr, QDate::currentDate()));
}

void TFGemeinschaft::scheinHinzufuegen()
{
    Dateidialoge::Auswahl a;
    a.titel = QStringLiteral("Tippschein f\u00FCr die Tippgemeinschaft");
    a.filtertext = QStringLiteral("Tippschein");
    a.endung = QStringLiteral("qtt");
    const QStringList dateien = Dateidialoge::oeffnen(this, a);
    if (dateien.isEmpty())
        return;
    const QString datei = dateien.constFirst();
    auto *f = new Formular(QStringLiteral("Tippschein %1").arg(QFileInfo(datei).fileName()), this);
    f->setObjectName(QStringLiteral("FSchein"));
    QDateEdit *ab = f->datumsfeld(QStringLiteral("Gespielt &ab:"), QStringLiteral("EAb"), QDate::currentDate());
    f->setzeAktion([=, this] {
        const QString fehler = m_gemeinschaft.scheinHinzufuegen(datei, ab->date());
        if (fehler.isEmpty())
            aktualisieren();
        return fehler;
    });
    f->zeigen();
}

void TFGemeinschaft::scheinEntfernen()
{
    const Schein *s = m_scheine->schein(m_gScheine->currentIndex().row());
    if (!s || s->bis.isValid()) {
        Meldungen::information(this, QStringLiteral("Bitte w\u00E4hlen Sie zuerst einen gespielten Tippschein in der Liste."));
        return;
    }
    const QString name = s->name;
    auto *f = new Formular(QStringLiteral("Tippschein %1 entfernen").arg(name), this);
    f->setObjectName(QStringLiteral("FScheinWeg"));
    QDateEdit *ab = f->datumsfeld(QStringLiteral("Nicht mehr gespielt &ab:"), QStringLiteral("EAb"), QDate::currentDate());
    f->setzeAktion([=, this] {
        const QString fehler = m_gemeinschaft.scheinEntfernen(name, ab->date());
        if (fehler.isEmpty())
            aktualisieren();
        return fehler;
    });
    f->zeigen();
}

void TFGemeinschaft::kontoauszug()
{
    QVector<Mitglied> mitglieder;
    if (const QString fehler = m_gemeinschaft.mitgliederLesen(mitglieder); !fehler.isEmpty() || mitglieder.isEmpty()) {
        Meldungen::information(this, fehler.isEmpty() ? QStringLiteral("Die Tippgemeinschaft hat noch keine Mitglieder.") : fehler);
        return;
    }
    QStringList namen;
    QDate erster = QDate::currentDate();
    for (const Mitglied &m : std::as_const(mitglieder)) {
        namen << m.name;
        erster = std::min(erster, m.eintritt);
    }
    auto *f = new Formular(QStringLiteral("Kontoauszug drucken"), this);
    f->setObjectName(QStringLiteral("FAuszug"));
    QComboBox *mitglied = f->auswahlfeld(QStringLiteral("&Mitglied:"), QStringLiteral("ComboMitglied"), namen);
    mitglied->setCurrentIndex(std::max(0, static_cast<int>(namen.indexOf(gewaehltesMitglied()))));
    QDateEdit *von = f->datumsfeld(QStringLiteral("&von:"), QStringLiteral("EVon"), erster);
    QDateEdit *bis = f->datumsfeld(QStringLiteral("&bis:"), QStringLiteral("EBis"), QDate::currentDate());
    f->setzeAktion([=, this]() -> QString {
        if (bis->date() < von->date())
            return QStringLiteral("Der Zeitraum endet vor seinem Anfang.");
        Kontoauszug auszug;
        if (QString fehler = KontoauszugLesen(m_gemeinschaft, mitglied->currentText(), von->date(), bis->date(), auszug);
            !fehler.isEmpty())
            return fehler;
        return Berichtsdruck::drucken(this, KontoauszugBericht(auszug, QDate::currentDate(), m_zustand.Formateinstellungen));
    });
    f->zeigen();
}

