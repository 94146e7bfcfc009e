// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class Befehle;
class Downloadlauf;
class Gewinnzahlenaktualisierung;
class Versionspruefung;
struct Zustand;

// The update window: on the left the draw history against the latest draw day and its
// download, on the right the check for another program version and its installer.
class TFUpdate : public QWidget
{
    Q_OBJECT
public:
    TFUpdate(Zustand &zustand, Befehle &befehle, QWidget *eltern = nullptr);

    // What showing the window does: with no draw at all the download is offered (or, when the
    // user already agreed elsewhere, started), then the status is brought up to date.
    void anzeigen();

    Gewinnzahlenaktualisierung *gewinnzahlen() const { return m_gewinnzahlen; }
    Versionspruefung *versionspruefung() const { return m_version; }
    Downloadlauf &lauf() const { return *m_lauf; }

Q_SIGNALS:
    // The draw history file was replaced by a download.
    void gewinnreihenErsetzt();

protected:
    void showEvent(QShowEvent *ereignis) override;
    void closeEvent(QCloseEvent *ereignis) override;

private:
    Zustand &m_zustand;
    Downloadlauf *m_lauf = nullptr;
    Gewinnzahlenaktualisierung *m_gewinnzahlen = nullptr;
    Versionspruefung *m_version = nullptr;
    bool m_gezeigt = false;
};
