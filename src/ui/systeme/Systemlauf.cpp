// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/systeme/Systemlauf.h"

#include <QThread>

Systemlauf::Systemlauf(QObject *eltern) : QObject(eltern) {}

Systemlauf::~Systemlauf()
{
    anhalten();
    delete m_thread;
}

void Systemlauf::anhalten()
{
    m_abbrechen = true;
    if (m_thread)
        m_thread->wait();
}

template <class F>
void Systemlauf::imFaden(F &&arbeit)
{
    m_abbrechen = false;
    // Only the atomics and m_ergebnis are shared; the window reads the result after the end.
    m_thread = QThread::create(std::forward<F>(arbeit));
    connect(m_thread, &QThread::finished, this, &Systemlauf::fertig);
    m_thread->start();
}

bool Systemlauf::starten(const Systemwunsch &wunsch)
{
    if (m_thread)
        return false;
    m_zaehlt = false;
    m_gezaehlt = false;
    m_besteReihen = 0;
    imFaden([this, wunsch] {
        m_ergebnis =
            SystemOhneChancen(wunsch, &m_abbrechen, [this](int reihen, std::int64_t) { m_besteReihen = reihen; });
    });
    return true;
}

bool Systemlauf::chancenZaehlen()
{
    if (m_thread || m_ergebnis.reihen.empty())
        return false;
    m_zaehlt = true;
    m_erledigt = 0;
    m_gesamt = 0;
    imFaden([this] {
        m_gezaehlt = SystemchancenErgaenzen(m_ergebnis, &m_abbrechen, [this](int erledigt, int gesamt) {
            m_gesamt = gesamt;
            m_erledigt = erledigt;
        });
    });
    return true;
}

void Systemlauf::fertig()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    if (m_zaehlt)
        Q_EMIT beendet();
    else
        Q_EMIT gesucht();
}
