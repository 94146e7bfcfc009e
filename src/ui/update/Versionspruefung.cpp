// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/update/Versionspruefung.h"

#include "model/Dateien.h"
#include "model/Spiel.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/update/Downloadlauf.h"
#include "ui/update/Paketinstallation.h"
#include "ui/update/Updateteile.h"
#include "update/Internet.h"
#include "update/Signatur.h"
#include "update/Updatepruefung.h"
#include "update/Updateserver.h"
#include "update/Versionsdatei.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

Versionspruefung::Versionspruefung(Zustand &zustand, Downloadlauf &lauf, QWidget *eltern)
    : QGroupBox(QStringLiteral("Programmversion auf Aktualität prüfen"), eltern),
      uebergabe(StandardUebergabe(zustand.Tempdatei)), m_zustand(zustand), m_lauf(lauf)
{
    setObjectName(QStringLiteral("GroupBox1"));
    auto *raster = new QGridLayout(this);
    raster->setColumnStretch(1, 1);

    m_bCalc = new QPushButton(QStringLiteral("Prüfen"), this);
    m_bCalc->setObjectName(QStringLiteral("BCalc"));
    raster->addWidget(m_bCalc, 0, 0);

    auto *piVersion = Updateteile::anzeige(QStringLiteral("PiVersion"), QStringLiteral("000.000.000.000"), this);
    piVersion->setText(Programmversion);
    m_pvVersion = Updateteile::anzeige(QStringLiteral("PvVersion"), QStringLiteral("000.000.000.000"), this);
    raster->addWidget(
        Updateteile::beschriftung(QStringLiteral("Label1"), QStringLiteral("Installierte Version"), piVersion, this), 1,
        0);
    raster->addWidget(piVersion, 1, 1, Qt::AlignLeft);
    raster->addWidget(
        Updateteile::beschriftung(QStringLiteral("Label2"), QStringLiteral("Verfügbare Version"), m_pvVersion, this), 2,
        0);
    // Beside the version offered: whether it is older than the installed one.
    auto *zeile = new QHBoxLayout;
    zeile->addWidget(m_pvVersion);
    m_aelter = new QLabel(QStringLiteral("(älter)"), this);
    m_aelter->setObjectName(QStringLiteral("LAelter"));
    m_aelter->setToolTip(QStringLiteral("Die verfügbare Version ist älter als die installierte."));
    m_aelter->setVisible(false);
    zeile->addWidget(m_aelter);
    zeile->addStretch(1);
    raster->addLayout(zeile, 2, 1);

    m_bDown = new QPushButton(QStringLiteral("Download"), this);
    m_bDown->setObjectName(QStringLiteral("BDown"));
    m_bDown->setEnabled(false);
    raster->addWidget(m_bDown, 3, 0, Qt::AlignTop);
    raster->addWidget(
        Updateteile::text(
            QStringLiteral("LDown"),
            QStringLiteral("Wenn online eine aktuellere Version verfügbar ist, wird der Download-Button aktiv."), this),
        3, 1);

    m_bSetup = new QPushButton(QStringLiteral("Installation"), this);
    m_bSetup->setObjectName(QStringLiteral("BSetup"));
    m_bSetup->setEnabled(false);
    raster->addWidget(m_bSetup, 4, 0, Qt::AlignTop);
    raster->addWidget(Updateteile::text(QStringLiteral("LSetup"),
                                        QStringLiteral("Nach dem Download wird der Installations-Button aktiv."), this),
                      4, 1);
    raster->setRowStretch(5, 1);

    setzePaketinstallation(VonPaketverwaltungInstalliert(zustand.Programmordner));

    connect(m_bCalc, &QPushButton::clicked, this, &Versionspruefung::BCalcClick);
    connect(m_bDown, &QPushButton::clicked, this, &Versionspruefung::BDownClick);
    connect(m_bSetup, &QPushButton::clicked, this, &Versionspruefung::BSetupClick);
}

void Versionspruefung::setzePaketinstallation(bool ja)
{
    m_paketinstallation = ja;
    const QString grund = ja ? UpdatesUeberPaketverwaltung : QString();
    for (QPushButton *knopf : {m_bDown, m_bSetup}) {
        knopf->setToolTip(grund);
        knopf->setAccessibleDescription(grund);
        if (ja)
            knopf->setEnabled(false);
    }
}

QString Versionspruefung::updateordner() const
{
    return m_zustand.Datenordner + Updatepruefung::Ordner + QLatin1Char('/');
}

QString Versionspruefung::installer() const
{
    return updateordner() + Updateserver::InstallerLokal;
}

void Versionspruefung::BCalcClick()
{
    if (!InternetVerbunden()) {
        Meldungen::information(this,
                               QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen."));
        return;
    }
    const QString datei = m_zustand.Datenordner + Updateserver::Versionsdatei;
    const QString signatur = m_zustand.Datenordner + Updatepruefung::Signaturdatei;
    QFile::remove(datei);
    QFile::remove(signatur);
    const Downloadauftrag auftrag = m_lauf.auftrag(Updateserver::Versionsdatei, datei, MaxDatendateiGroesse, true);
    const QString was = QStringLiteral("Die verfügbare Version wird erfragt.");
    m_lauf.starten(auftrag, was, [this, datei, signatur, was](const Downloadergebnis &ergebnis) {
        if (ergebnis.status == Downloadstatus::Abgebrochen)
            return;
        if (ergebnis.status != Downloadstatus::Erfolg) {
            versionAuswerten(QByteArray(), QByteArray(), ergebnis.fehler, QString());
            return;
        }
        // The signature comes second; without it the version file is not the maker's.
        const Downloadauftrag zweiter =
            m_lauf.auftrag(Updatepruefung::Signaturdatei, signatur, MaxSignaturGroesse, true);
        m_lauf.starten(zweiter, was, [this, datei, signatur](const Downloadergebnis &ergebnis2) {
            if (ergebnis2.status == Downloadstatus::Abgebrochen)
                return;
            const Dateiinhalt version = DateiLesen(datei);
            const Dateiinhalt sig =
                ergebnis2.status == Downloadstatus::Erfolg ? DateiLesen(signatur, MaxSignaturGroesse) : Dateiinhalt{};
            QString signaturfehler;
            if (sig.status != Dateiinhalt::Status::Gelesen)
                signaturfehler = QStringLiteral("Die Versionsdatei ist nicht vom Hersteller signiert: die Signatur "
                                                "\u201E%1\u201C fehlt.")
                                     .arg(Updatepruefung::Signaturdatei) +
                                 (ergebnis2.fehler.isEmpty() ? QString() : Absatz + ergebnis2.fehler);
            versionAuswerten(version.daten, sig.daten, version.fehler, signaturfehler);
        });
    });
}

void Versionspruefung::versionAuswerten(const QByteArray &versionsdatei, const QByteArray &signatur,
                                        const QString &downloadfehler, const QString &signaturfehler)
{
    QString fehler = downloadfehler;
    if (fehler.isEmpty() && !VersionLesen(versionsdatei))
        fehler = QStringLiteral("Die Versionsangabe des Servers ist nicht lesbar.");
    if (fehler.isEmpty())
        fehler = signaturfehler;
    Updatepruefung::Auskunft auskunft;
    if (fehler.isEmpty()) {
        auskunft = Updatepruefung::VersionsdateiPruefen(versionsdatei, signatur);
        fehler = auskunft.fehler;
    }
    if (!fehler.isEmpty()) {
        Meldungen::information(this, QStringLiteral("Die Prüfung auf Aktualität hat leider nicht geklappt.\n") +
                                         QStringLiteral("\n") + fehler);
        return;
    }
    m_angaben = auskunft.angaben;
    m_versionsdatei = versionsdatei;
    m_signatur = signatur;
    m_pvVersion->setText(m_angaben->version);
    // Any other version may be installed, an older one too; the note says which it is.
    m_aelter->setVisible(VersionVergleichen(m_angaben->version, Programmversion) < 0);
    m_bDown->setEnabled(!m_paketinstallation && m_angaben->version != Programmversion);
}

void Versionspruefung::BDownClick()
{
    if (m_paketinstallation)
        return;
    if (!InternetVerbunden()) {
        Meldungen::information(this, QStringLiteral("Für den Download der Installations-Datei muss eine Verbindung zum "
                                                    "Internet bestehen.") +
                                         Absatz + QStringLiteral("Ich breche ab."));
        return;
    }
    if (!m_angaben)
        return; // only what a check found signed is fetched
    const QString ordner = updateordner();
    if (const QString fehler = Updatepruefung::PrivatenOrdnerAnlegen(ordner); !fehler.isEmpty()) {
        Meldungen::information(this, Updateteile::DownloadGescheitert + Absatz + fehler);
        return;
    }
    // Removed, not written through: a link in its place is gone with it.
    for (const QString &name :
         {Updateserver::InstallerLokal, Updateserver::Versionsdatei, Updatepruefung::Signaturdatei})
        QFile::remove(ordner + name);
    m_bSetup->setEnabled(false);
    // Not a byte more than the maker signed.
    const Downloadauftrag auftrag = m_lauf.auftrag(Updateserver::Installer, installer(), m_angaben->groesse, false);
    m_lauf.starten(auftrag, QStringLiteral("Das Update wird heruntergeladen."),
                   [this](const Downloadergebnis &ergebnis) { installerAuswerten(ergebnis); });
}

void Versionspruefung::installerAuswerten(const Downloadergebnis &ergebnis)
{
    if (ergebnis.status == Downloadstatus::Abgebrochen)
        return;
    if (ergebnis.status != Downloadstatus::Erfolg) {
        Meldungen::information(this, Updateteile::DownloadGescheitert +
                                         (ergebnis.fehler.isEmpty() ? QString() : Absatz + ergebnis.fehler));
        return;
    }
    // The signed version file goes beside the installer, so the start can check all of it again.
    const QString ordner = updateordner();
    QString fehler = DateiErsetzen(ordner + Updateserver::Versionsdatei, m_versionsdatei);
    if (fehler.isEmpty())
        fehler = DateiErsetzen(ordner + Updatepruefung::Signaturdatei, m_signatur);
    if (fehler.isEmpty())
        fehler = Updatepruefung::UpdatePruefen(ordner);
    if (!fehler.isEmpty()) {
        QFile::remove(installer());
        Meldungen::fehler(this, fehler);
        return;
    }
    m_bSetup->setEnabled(true);
}

void Versionspruefung::BSetupClick()
{
    if (m_paketinstallation)
        return;
    const QString datenordner = updateordner();
    const auto antwort = Meldungen::frageJaNein(
        this,
        QStringLiteral("Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. "
                       "Die Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas schief läuft, "
                       "bitte das Update manuell durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ") +
            datenordner + QStringLiteral(" starten.") + Absatz + QStringLiteral("Soll fortgefahren werden?"));
    if (antwort != Meldungen::Antwort::Ja) {
        Meldungen::information(
            this, QStringLiteral("Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell "
                                 "durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ") +
                      datenordner + QStringLiteral(" starten.") + Absatz +
                      QStringLiteral("Zuvor muss das Programm geschlossen und die Datei \"%1\" ")
                          .arg(QFileInfo(uebergabe.programmdatei).fileName()) +
                      QStringLiteral("im Verzeichnis ") + m_zustand.Programmordner +
                      QStringLiteral(" gelöscht werden."));
        return;
    }
    // Checked once more right before it starts: the file may have changed since its download.
    if (const QString fehler = Updatepruefung::UpdatePruefen(datenordner); !fehler.isEmpty()) {
        QFile::remove(installer());
        m_bSetup->setEnabled(false);
        Meldungen::fehler(this, fehler);
        return;
    }
    if (!QProcess::startDetached(installer(), {}, m_zustand.Datenordner)) {
        Meldungen::information(this, QStringLiteral("Update konnte nicht gestartet werden. Bitte schließen Sie das "
                                                    "Programm und starten Sie das Update manuell durch Doppelklick auf "
                                                    "die Datei \"Update.exe\" im Verzeichnis ") +
                                         datenordner + QStringLiteral("."));
        return;
    }
    ProgrammLoeschen();
}

// The installer runs: the old program file goes once the program has ended, which happens now.
void Versionspruefung::ProgrammLoeschen()
{
    const QString fehler = UebergabeStarten(uebergabe);
    if (!fehler.isEmpty())
        Meldungen::fehler(this, QStringLiteral("Die alte Programm-Datei \u201E%1\u201C wird nicht von selbst gelöscht; "
                                               "bitte löschen Sie sie nach der Installation.")
                                        .arg(uebergabe.programmdatei) +
                                    Absatz + fehler);
    uebergabe.beenden();
}
