// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Hintergrundlauf.h"

#include "ui/gemeinsam/Arbeitsfaden.h"

#include "model/Spiel.h"

#include <QApplication>
#include <QProgressBar>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

#include <algorithm>

Hintergrundlauf::Hintergrundlauf(QWidget *fenster)
    : QObject(fenster), m_fenster(fenster), m_faden(new Arbeitsfaden(this))
{
    connect(m_faden, &Arbeitsfaden::fertig, this, &Hintergrundlauf::fertig);
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
    m_fortschritt = fortschrittsdialog(m_fenster, text, 1000);
    auto *balken = new QProgressBar(m_fortschritt);
    balken->setFormat(QStringLiteral("%p %")); // German puts a blank before the percent sign
    m_fortschritt->setBar(balken);
    m_fortschritt->setRange(0, 1000);
    m_fortschritt->setValue(0);
    connect(m_fortschritt, &QProgressDialog::canceled, this, &Hintergrundlauf::abbrechen);
    m_uhr = new QTimer(this);
    m_uhr->setInterval(100);
    connect(m_uhr, &QTimer::timeout, this, [this] {
        if (m_fortschritt && !m_fortschritt->wasCanceled())
            m_fortschritt->setValue(std::clamp(m_steuerung.promille.load(), 0, 999));
    });
    m_uhr->start();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    return m_faden->starten([this, arbeit = std::move(arbeit)] { arbeit(m_steuerung); });
}

QProgressDialog *Hintergrundlauf::fortschrittsdialog(QWidget *fenster, const QString &text, int maximum)
{
    auto *dialog = new QProgressDialog(text, QStringLiteral("Abbrechen"), 0, maximum, fenster);
    dialog->setObjectName(QStringLiteral("Fortschritt"));
    dialog->setWindowTitle(Fenstertitel());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(FortschrittNachMs);
    return dialog;
}

void Hintergrundlauf::fertig()
{
    delete m_uhr;
    m_uhr = nullptr;
    delete m_fortschritt;
    m_fortschritt = nullptr;
    QApplication::restoreOverrideCursor();
    Q_EMIT beendet(m_steuerung.abbrechen.load());
}
