// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KleinerDatentraeger.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {
// Once per process: mounts made afterwards are seen by this process only.
bool eigenerNamensraum(QString &grund)
{
    static const int fehler = [] {
        if (unshare(CLONE_NEWNS) != 0)
            return errno;
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return errno;
        return 0;
    }();
    if (fehler != 0)
        grund = QStringLiteral("no private mount namespace: %1").arg(QString::fromLocal8Bit(std::strerror(fehler)));
    return fehler == 0;
}
} // namespace

KleinerDatentraeger::KleinerDatentraeger(const QString &ordner, qint64 groesse)
    : m_ordner(ordner), m_fuellung(ordner + QStringLiteral("/Fuellung"))
{
    if (geteuid() != 0) {
        m_grund = QStringLiteral("mounting a tmpfs needs root");
        return;
    }
    if (!eigenerNamensraum(m_grund))
        return;
    const QByteArray optionen = "size=" + QByteArray::number(groesse);
    if (mount("tmpfs", QFile::encodeName(ordner).constData(), "tmpfs", MS_NOSUID | MS_NODEV, optionen.constData()) != 0) {
        m_grund = QStringLiteral("mount failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_bereit = true;
}

KleinerDatentraeger::~KleinerDatentraeger()
{
    if (m_bereit)
        umount2(QFile::encodeName(m_ordner).constData(), MNT_DETACH);
}

qint64 KleinerDatentraeger::freieBytes() const
{
    struct statvfs s{};
    if (statvfs(QFile::encodeName(m_ordner).constData(), &s) != 0)
        return -1;
    return static_cast<qint64>(s.f_bavail) * static_cast<qint64>(s.f_frsize);
}

bool KleinerDatentraeger::fuellen(qint64 frei)
{
    leeren();
    const int fd = ::open(QFile::encodeName(m_fuellung).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray seite(Seite, 'F');
    qint64 geschrieben = 0;
    for (;;) {
        const ssize_t n = ::write(fd, seite.constData(), static_cast<size_t>(seite.size()));
        if (n <= 0)
            break;
        geschrieben += n;
    }
    // Whole pages back, so exactly `frei` bytes are free.
    const qint64 rest = std::max<qint64>(0, (geschrieben / Seite - frei / Seite) * Seite);
    const bool ok = ::ftruncate(fd, rest) == 0;
    ::close(fd);
    return ok && freieBytes() == frei / Seite * Seite;
}

void KleinerDatentraeger::leeren() { QFile::remove(m_fuellung); }
