// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Fortschrittsanzeige.h"

#include "model/Spiel.h"

#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

Fortschrittsanzeige::Fortschrittsanzeige(QWidget *fenster, QObject *eltern)
    : QObject(eltern != nullptr ? eltern : fenster), m_fenster(fenster)
{
}

Fortschrittsanzeige::~Fortschrittsanzeige()
{
    schliessen();
}

QProgressDialog *Fortschrittsanzeige::zeigen(const QString &text, int maximum, Stand stand)
{
    schliessen();
    m_dialog = new QProgressDialog(text, QStringLiteral("Abbrechen"), 0, maximum, m_fenster);
    m_dialog->setObjectName(QStringLiteral("Fortschritt"));
    m_dialog->setWindowTitle(Fenstertitel());
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(FortschrittNachMs);
    connect(m_dialog, &QProgressDialog::canceled, this, &Fortschrittsanzeige::abgebrochen);
    if (stand) {
        m_uhr = new QTimer(this);
        m_uhr->setInterval(100);
        connect(m_uhr, &QTimer::timeout, this, [this, stand = std::move(stand)] {
            if (m_dialog && !m_dialog->wasCanceled())
                stand(*m_dialog);
        });
        m_uhr->start();
    }
    return m_dialog;
}

void Fortschrittsanzeige::schliessen()
{
    delete m_uhr;
    m_uhr = nullptr;
    delete m_dialog;
    m_dialog = nullptr;
}
