#include "ui/update/Versionspruefung.h"

#include "model/Dateien.h"
#include "model/Spiel.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/update/Downloadlauf.h"
#include "ui/update/Paketinstallation.h"
#include "ui/update/Updateteile.h"
#include "update/Updateserver.h"
#include "update/Internet.h"
#include "update/Versionsdatei.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
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
    raster->addWidget(m_pvVersion, 2, 1, Qt::AlignLeft);

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

QString Versionspruefung::installer() const
{
    return m_zustand.Datenordner + Updateserver::InstallerLokal;
}

void Versionspruefung::BCalcClick()
{
    if (!InternetVerbunden()) {
        Meldungen::information(this,
                               QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen."));
        return;
    }
    const QString datei = m_zustand.Datenordner + Updateserver::Versionsdatei;
    QFile::remove(datei);
    const Downloadauftrag auftrag = m_lauf.auftrag(Updateserver::Versionsdatei, datei, MaxDatendateiGroesse, true);
    m_lauf.starten(auftrag, QStringLiteral("Die verfügbare Version wird erfragt."),
                   [this, datei](const Downloadergebnis &ergebnis) {
                       if (ergebnis.status == Downloadstatus::Abgebrochen)
                           return;
                       QString grund = ergebnis.fehler;
                       std::optional<QString> version;
                       if (ergebnis.status == Downloadstatus::Erfolg) {
                           QFile f(datei);
                           if (f.open(QIODevice::ReadOnly))
                               version = VersionLesen(f.read(MaxDatendateiGroesse));
                           if (!version)
                               grund = QStringLiteral("Die Versionsangabe des Servers ist nicht lesbar.");
                       }
                       if (!version) {
                           Meldungen::information(
                               this, QStringLiteral("Die Prüfung auf Aktualität hat leider nicht geklappt.\n") +
                                         (grund.isEmpty() ? QString() : QStringLiteral("\n") + grund));
                           return;
                       }
                       m_pvVersion->setText(*version);
                       m_bDown->setEnabled(!m_paketinstallation && *version != Programmversion);
                   });
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
    const QString ziel = installer();
    QFile::remove(ziel);
    const Downloadauftrag auftrag =
        m_lauf.auftrag(Updateserver::Installer, ziel, Updateserver::MaxInstallerGroesse, false);
    m_lauf.starten(
        auftrag, QStringLiteral("Das Update wird heruntergeladen."), [this, ziel](const Downloadergebnis &ergebnis) {
            if (ergebnis.status == Downloadstatus::Abgebrochen)
                return;
            const QString grund = ergebnis.fehler;
            // The installer runs as a program of its own.
            const auto ausfuehrbar = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                     QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
            if (ergebnis.status == Downloadstatus::Erfolg && QFile::setPermissions(ziel, ausfuehrbar)) {
                m_bSetup->setEnabled(true);
                return;
            }
            Meldungen::information(this,
                                   Updateteile::DownloadGescheitert + (grund.isEmpty() ? QString() : Absatz + grund));
        });
}

void Versionspruefung::BSetupClick()
{
    if (m_paketinstallation)
        return;
    const QString datenordner = m_zustand.Datenordner;
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
    if (!QProcess::startDetached(installer(), {}, datenordner)) {
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
