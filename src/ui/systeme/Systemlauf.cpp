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

bool Systemlauf::starten(const Systemwunsch &wunsch)
{
    if (m_thread)
        return false;
    m_abbrechen = false;
    m_besteReihen = 0;
    m_thread = QThread::create([this, wunsch] {
        // Only the atomics and m_ergebnis are shared; the window reads the result after the end.
        m_ergebnis = SystemBauen(wunsch, &m_abbrechen, [this](int reihen, std::int64_t) { m_besteReihen = reihen; });
    });
    connect(m_thread, &QThread::finished, this, &Systemlauf::fertig);
    m_thread->start();
    return true;
}

void Systemlauf::fertig()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    Q_EMIT beendet();
}
