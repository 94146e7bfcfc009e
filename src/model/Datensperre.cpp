// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Datensperre.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

Datensperre::~Datensperre()
{
    freigeben();
}

bool Datensperre::nehmen(const QString &datenordner, Art art)
{
    freigeben();
    m_fehler.clear();
    m_halter = Halter::Keiner;
    QString ordner = datenordner;
    if (!ordner.endsWith(QLatin1Char('/')))
        ordner += QLatin1Char('/');
    const QByteArray pfad = QFile::encodeName(ordner + dateiname());
    // Never through a link someone placed under the lock's name.
    const int datei = ::open(pfad.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (datei < 0) {
        m_fehler = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const int weise = (art == Art::Geteilt ? LOCK_SH : LOCK_EX) | LOCK_NB;
    int ergebnis = 0;
    do
        ergebnis = ::flock(datei, weise);
    while (ergebnis != 0 && errno == EINTR);
    if (ergebnis != 0) {
        if (errno != EWOULDBLOCK)
            m_fehler = QString::fromLocal8Bit(std::strerror(errno));
        else if (art == Art::Geteilt)
            m_halter = Halter::Befehlszeile;
        else
            // A shared lock is still possible only while programs alone hold it.
            m_halter = ::flock(datei, LOCK_SH | LOCK_NB) == 0 ? Halter::Programm : Halter::Befehlszeile;
        ::close(datei);
        return false;
    }
    m_datei = datei;
    m_pfad = pfad;
    // The file may have been replaced between opening and locking it.
    if (!nochGueltig()) {
        freigeben();
        m_fehler = QStringLiteral("Die Sperrdatei wurde ersetzt, w\u00E4hrend ich sie sperrte.");
        return false;
    }
    return true;
}

bool Datensperre::nehmen(const QString &datenordner, Art art, int millisekunden)
{
    QElapsedTimer uhr;
    uhr.start();
    while (!nehmen(datenordner, art)) {
        if (!m_fehler.isEmpty() || uhr.elapsed() >= millisekunden)
            return false;
        QThread::msleep(50);
    }
    return true;
}

bool Datensperre::nochGueltig() const
{
    if (m_datei < 0)
        return false;
    struct stat gehaltene{}, amOrt{};
    if (::fstat(m_datei, &gehaltene) != 0 || ::lstat(m_pfad.constData(), &amOrt) != 0)
        return false;
    return gehaltene.st_dev == amOrt.st_dev && gehaltene.st_ino == amOrt.st_ino;
}

void Datensperre::freigeben()
{
    if (m_datei >= 0) {
        ::close(m_datei); // closing the last descriptor ends the lock
        m_datei = -1;
    }
}
