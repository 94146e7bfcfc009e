// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/zufall/Zufallslauf.h"

#include "ui/gemeinsam/Arbeitsfaden.h"

Zufallslauf::Zufallslauf(QObject *eltern) : QObject(eltern), m_faden(new Arbeitsfaden(this))
{
    connect(m_faden, &Arbeitsfaden::fertig, this, &Zufallslauf::beendet);
}

Zufallslauf::~Zufallslauf()
{
    anhalten();
}

bool Zufallslauf::laeuft() const
{
    return m_faden->laeuft();
}

void Zufallslauf::anhalten()
{
    m_abbrechen = true;
    m_faden->warten();
}

void Zufallslauf::starten(const Zufallsvorgaben &vorgaben, std::uint64_t startwert)
{
    if (laeuft())
        return;
    m_abbrechen = false;
    m_angenommen = 0;
    m_faden->starten([this, vorgaben, startwert] {
        // Only the atomics and m_ergebnis are shared; the window reads the result after the end.
        m_ergebnis = ZufallszahlenErmitteln(vorgaben, startwert, [this](std::int32_t angenommen) {
            m_angenommen = angenommen;
            if (m_beiZwischenstand)
                m_beiZwischenstand();
            return !m_abbrechen;
        });
    });
}
