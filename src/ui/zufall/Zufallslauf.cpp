// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/zufall/Zufallslauf.h"

#include <QThread>

Zufallslauf::Zufallslauf(QObject *eltern) : QObject(eltern) {}

Zufallslauf::~Zufallslauf()
{
    anhalten();
    delete m_thread;
}

void Zufallslauf::anhalten()
{
    m_abbrechen = true;
    if (m_thread)
        m_thread->wait();
}

void Zufallslauf::starten(const Zufallsvorgaben &vorgaben, std::uint64_t startwert)
{
    if (m_thread)
        return;
    m_abbrechen = false;
    m_angenommen = 0;
    m_thread = QThread::create([this, vorgaben, startwert] {
        // Only the atomics and m_ergebnis are shared; the window reads the result after the end.
        m_ergebnis = ZufallszahlenErmitteln(vorgaben, startwert, [this](std::int32_t angenommen) {
            m_angenommen = angenommen;
            if (m_beiZwischenstand)
                m_beiZwischenstand();
            return !m_abbrechen;
        });
    });
    connect(m_thread, &QThread::finished, this, &Zufallslauf::fertig);
    m_thread->start();
}

void Zufallslauf::fertig()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    Q_EMIT beendet();
}
