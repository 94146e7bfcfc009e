#pragma once

#include "update/Uebergabe.h"

#include <QGroupBox>

class Downloadlauf;
class QLabel;
class QPushButton;
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

private:
    QString installer() const;
    void ProgrammLoeschen();

    Zustand &m_zustand;
    Downloadlauf &m_lauf;
    QPushButton *m_bCalc = nullptr;
    QLabel *m_pvVersion = nullptr;
    QPushButton *m_bDown = nullptr;
    QPushButton *m_bSetup = nullptr;
    bool m_paketinstallation = false;
};
