// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Arbeitsfaden.h"

#include <QThread>

Arbeitsfaden::Arbeitsfaden(QObject *eltern) : QObject(eltern) {}

Arbeitsfaden::~Arbeitsfaden()
{
    warten();
    delete m_thread;
}

bool Arbeitsfaden::starten(std::function<void()> arbeit)
{
    if (m_thread)
        return false;
    m_thread = QThread::create(std::move(arbeit));
    connect(m_thread, &QThread::finished, this, &Arbeitsfaden::beendet);
    m_thread->start();
    return true;
}

void Arbeitsfaden::warten()
{
    if (m_thread)
        m_thread->wait();
}

void Arbeitsfaden::beendet()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    Q_EMIT fertig();
}
