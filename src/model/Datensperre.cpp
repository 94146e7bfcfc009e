#include "model/Datensperre.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

Datensperre::~Datensperre()
{
    freigeben();
}

bool Datensperre::nehmen(const QString &datenordner, Art art)
{
    freigeben();
    m_fehler.clear();
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
        ::close(datei);
        return false;
    }
    m_datei = datei;
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

void Datensperre::freigeben()
{
    if (m_datei >= 0) {
        ::close(m_datei); // closing the last descriptor ends the lock
        m_datei = -1;
    }
}
