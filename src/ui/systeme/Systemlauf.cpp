// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/systeme/Systemlauf.h"

#include "ui/gemeinsam/Arbeitsfaden.h"

Systemlauf::Systemlauf(QObject *eltern) : QObject(eltern), m_faden(new Arbeitsfaden(this))
{
    connect(m_faden, &Arbeitsfaden::fertig, this, &Systemlauf::fertig);
}

Systemlauf::~Systemlauf()
{
    anhalten();
}

bool Systemlauf::laeuft() const
{
    return m_faden->laeuft();
}

void Systemlauf::anhalten()
{
    m_abbrechen = true;
    m_faden->warten();
}

void Systemlauf::imFaden(std::function<void()> arbeit)
{
    m_abbrechen = false;
    // Only the atomics and m_ergebnis are shared; the window reads the result after the end.
    m_faden->starten(std::move(arbeit));
}

bool Systemlauf::starten(const Systemwunsch &wunsch)
{
    if (laeuft())
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
    if (laeuft() || m_ergebnis.reihen.empty())
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
    if (m_zaehlt)
        Q_EMIT beendet();
    else
        Q_EMIT gesucht();
}
