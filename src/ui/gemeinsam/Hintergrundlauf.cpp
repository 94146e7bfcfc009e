// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Hintergrundlauf.h"

#include "ui/gemeinsam/Arbeitsfaden.h"
#include "ui/gemeinsam/Fortschrittsanzeige.h"

#include <QApplication>
#include <QProgressBar>
#include <QProgressDialog>
#include <QWidget>

#include <algorithm>

Hintergrundlauf::Hintergrundlauf(QWidget *fenster)
    : QObject(fenster), m_faden(new Arbeitsfaden(this)), m_anzeige(new Fortschrittsanzeige(fenster, this))
{
    connect(m_faden, &Arbeitsfaden::fertig, this, &Hintergrundlauf::fertig);
    connect(m_anzeige, &Fortschrittsanzeige::abgebrochen, this, &Hintergrundlauf::abbrechen);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Hintergrundlauf::anhalten);
}

Hintergrundlauf::~Hintergrundlauf()
{
    anhalten();
    if (m_faden->laeuft())
        QApplication::restoreOverrideCursor();
}

bool Hintergrundlauf::laeuft() const
{
    return m_faden->laeuft();
}

void Hintergrundlauf::anhalten()
{
    m_steuerung.abbrechen = true;
    m_faden->warten();
}

bool Hintergrundlauf::starten(const QString &text, Arbeit arbeit)
{
    if (m_faden->laeuft())
        return false;
    m_steuerung.abbrechen = false;
    m_steuerung.promille = 0;
    QProgressDialog *dialog = m_anzeige->zeigen(
        text, 1000, [this](QProgressDialog &d) { d.setValue(std::clamp(m_steuerung.promille.load(), 0, 999)); });
    auto *balken = new QProgressBar(dialog);
    balken->setFormat(QStringLiteral("%p %")); // German puts a blank before the percent sign
    dialog->setBar(balken);
    dialog->setRange(0, 1000);
    dialog->setValue(0);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    return m_faden->starten([this, arbeit = std::move(arbeit)] { arbeit(m_steuerung); });
}

QProgressDialog *Hintergrundlauf::fortschritt() const
{
    return m_anzeige->dialog();
}

void Hintergrundlauf::fertig()
{
    m_anzeige->schliessen();
    QApplication::restoreOverrideCursor();
    Q_EMIT beendet(m_steuerung.abbrechen.load());
}
