// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "update/Uebergabe.h"
#include "update/Versionsdatei.h"

#include <QGroupBox>

class Downloadlauf;
class QLabel;
class QPushButton;
struct Downloadergebnis;
struct Zustand;

// The right half of the update window: is another program version offered, its installer's
// download, and the hand-over to it.
class Versionspruefung : public QGroupBox
{
    Q_OBJECT
public:
    Versionspruefung(Zustand &zustand, Downloadlauf &lauf, QWidget *eltern);

    void BCalcClick();
    void BDownClick();
    void BSetupClick();

    // Installed by the package manager: the check still shows the version offered, while the
    // program's download and installation stay disabled with the reason as tooltip.
    void setzePaketinstallation(bool ja);

    // How the program hands over to the installer; tests use a stand-in program and observe the end.
    Programmuebergabe uebergabe;

    // The folder the installer is kept in, the user's alone.
    QString updateordner() const;

private:
    QString installer() const;
    void versionAuswerten(const QByteArray &versionsdatei, const QByteArray &signatur, const QString &downloadfehler,
                          const QString &signaturfehler);
    void installerAuswerten(const Downloadergebnis &ergebnis);
    void ProgrammLoeschen();

    Zustand &m_zustand;
    Downloadlauf &m_lauf;
    QPushButton *m_bCalc = nullptr;
    QLabel *m_pvVersion = nullptr;
    QLabel *m_aelter = nullptr;
    QPushButton *m_bDown = nullptr;
    QPushButton *m_bSetup = nullptr;
    bool m_paketinstallation = false;
    // What the last check found, signed by the maker: the installer is checked against it.
    std::optional<Updateangaben> m_angaben;
    QByteArray m_versionsdatei;
    QByteArray m_signatur;
};
