// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/update/Gewinnzahlenaktualisierung.h"

#include "model/Dateien.h"
#include "model/Ziehungsdatei.h"
#include "model/Datum.h"
#include "model/Gewinnreihenschutz.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/update/Downloadlauf.h"
#include "ui/update/Updateteile.h"
#include "update/Gewinnreihendownload.h"
#include "update/Updateserver.h"
#include "update/Internet.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Monday, counted from Sunday as 1.
constexpr int Ziehungswochentag = 2;
} // namespace

Gewinnzahlenaktualisierung::Gewinnzahlenaktualisierung(Zustand &zustand, Downloadlauf &lauf, QWidget *eltern)
    : QGroupBox(QStringLiteral("Gewinnzahlen-Aktualisierung"), eltern), m_zustand(zustand), m_lauf(lauf)
{
    setObjectName(QStringLiteral("GroupBox5"));
    auto *spalte = new QVBoxLayout(this);
    spalte->addWidget(Updateteile::text(
        QStringLiteral("Label7"),
        QStringLiteral(
            "Prüfen Sie die Aktualität der Gewinnreihen und laden Sie ggfs. fehlende Gewinnreihen herunter."),
        this));

    auto *raster = new QGridLayout;
    m_lStand = Updateteile::anzeige(QStringLiteral("LStand"), QStringLiteral("00.00.0000"), this);
    m_lAktuell = Updateteile::anzeige(QStringLiteral("LAktuell"), QStringLiteral("00.00.0000"), this);
    raster->addWidget(
        Updateteile::beschriftung(QStringLiteral("Label5"), QStringLiteral("Stand hier:"), m_lStand, this), 0, 0);
    raster->addWidget(m_lStand, 0, 1);
    raster->addWidget(Updateteile::beschriftung(QStringLiteral("Label6"), QStringLiteral("Aktuell:"), m_lAktuell, this),
                      1, 0);
    raster->addWidget(m_lAktuell, 1, 1);
    raster->setColumnStretch(2, 1);
    spalte->addLayout(raster);

    spalte->addWidget(Updateteile::text(
        QStringLiteral("Label11"),
        QStringLiteral("Der Download ist frühestens um 20:00 Uhr an einem Ziehungstag möglich."), this));
    spalte->addStretch();
    m_bupdate = new QPushButton(QStringLiteral("Download und Update der Gewinnzahlen"), this);
    m_bupdate->setObjectName(QStringLiteral("Bupdate"));
    m_bupdate->setEnabled(false);
    spalte->addWidget(m_bupdate);

    connect(m_bupdate, &QPushButton::clicked, this, [this] { GZDownload(); });
}

void Gewinnzahlenaktualisierung::StatusAktualisieren()
{
    const QLocale &locale = m_zustand.Formateinstellungen;
    m_lStand->setText(m_zustand.Ziehungen.isEmpty() ? QString()
                                                    : Datum::kurz(m_zustand.Ziehungen.constLast().datum, locale));
    m_lAktuell->setText(LetzterZiehungstag(Ziehungswochentag, jetzt(), locale));
    m_bupdate->setEnabled(m_lStand->text() != m_lAktuell->text());
}

void Gewinnzahlenaktualisierung::GZDownload(std::function<void(Ausgang)> danach)
{
    if (!InternetVerbunden()) {
        Meldungen::information(
            this, QStringLiteral("Für den Download der Gewinnreihen muss eine Verbindung zum Internet bestehen."));
        if (danach)
            danach(Ausgang::Gescheitert);
        return;
    }
    const Downloadauftrag auftrag =
        m_lauf.auftrag(Updateserver::Gewinnreihen, m_zustand.Tempdatei, MaxGewinnreihenGroesse, false);
    m_lauf.starten(auftrag, QStringLiteral("Die Gewinnreihen werden heruntergeladen."),
                   [this, danach](const Downloadergebnis &ergebnis) {
                       const Ausgang ausgang = uebernehmen(ergebnis);
                       if (danach)
                           danach(ausgang);
                   });
}

Gewinnzahlenaktualisierung::Ausgang Gewinnzahlenaktualisierung::uebernehmen(const Downloadergebnis &ergebnis)
{
    if (ergebnis.status == Downloadstatus::Abgebrochen)
        return Ausgang::Abgebrochen;
    QString grund = ergebnis.fehler;
    QByteArray daten;
    if (ergebnis.status == Downloadstatus::Erfolg) {
        QFile tempdatei(m_zustand.Tempdatei);
        if (tempdatei.open(QIODevice::ReadOnly)) {
            daten = tempdatei.read(MaxGewinnreihenGroesse + 1);
            grund = GZPruefen(daten);
        } else {
            grund = DateiFehlerText(m_zustand.Tempdatei, tempdatei.errorString(), false);
        }
        tempdatei.remove();
    }
    if (!grund.isEmpty()) {
        Meldungen::fehler(this, Updateteile::DownloadGescheitert + Absatz + grund);
        return Ausgang::Gescheitert;
    }
    // A download may add draws and correct stored ones; dropping stored ones needs the user's word.
    const Historienvergleich vergleich = HistorieVergleichen(m_zustand.Datenordner, daten);
    if (vergleich.fehlend > 0) {
        const QLocale &locale = m_zustand.Formateinstellungen;
        const auto antwort = Meldungen::frageJaNeinVorgabeNein(
            this, QStringLiteral("Die heruntergeladene Liste enthält %1 Ihrer Ziehungen nicht, die neueste vom %2. "
                                 "Trotzdem übernehmen?")
                      .arg(locale.toString(vergleich.fehlend), Datum::kurz(vergleich.neuestesFehlendes, locale)));
        if (antwort != Meldungen::Antwort::Ja)
            return Ausgang::Abgebrochen;
    }
    const QString fehler = vergleich.fehler.isEmpty()
                               ? GZUebernehmen(m_zustand.Datenordner, daten, vergleich.fehlendeDaten)
                               : vergleich.fehler;
    if (!fehler.isEmpty()) {
        Meldungen::fehler(this, QStringLiteral("Die neuen Gewinnreihen konnten nicht gespeichert werden; die "
                                               "bisherigen bleiben erhalten.") +
                                    Absatz + fehler);
        return Ausgang::Gescheitert;
    }
    Q_EMIT gewinnreihenErsetzt();
    StatusAktualisieren();
    Meldungen::information(this, QStringLiteral("Download abgeschlossen."));
    return Ausgang::Geladen;
}
