// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Dateien.h"

#include "model/Spiel.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString groesseText(qint64 bytes)
{
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    if (bytes < 1024 * 1024)
        return deutsch.toString(bytes) + QStringLiteral(" Bytes");
    const double mib = static_cast<double>(bytes) / (1024.0 * 1024.0);
    return deutsch.toString(mib, 'f', mib == std::floor(mib) ? 0 : 1) + QStringLiteral(" MiB");
}

const QString KeineGewoehnlicheDatei = QStringLiteral("An der Stelle der Datei steht keine gewöhnliche Datei.");

// Six letters, as the temporary files of earlier versions had them, so one pattern finds both.
QString tempName(const QString &ziel)
{
    static constexpr char Buchstaben[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    QString name = ziel + QLatin1Char('.');
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(Buchstaben[QRandomGenerator::global()->bounded(52)]);
    return name;
}

bool allesSchreiben(int fd, const QByteArray &daten)
{
    const char *p = daten.constData();
    qsizetype rest = daten.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(rest));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        rest -= n;
    }
    return true;
}

// The rename must reach the disk as well, or a power cut could bring the old name back.
void ordnerSichern(const QString &ordner)
{
    const int fd = ::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The file the write must replace: a symbolic link is followed, so the link stays a link.
QString eigentlichesZiel(const QString &pfad)
{
    const QFileInfo info(pfad);
    return info.isSymLink() ? info.symLinkTarget() : pfad;
}

} // namespace

QString SystemfehlerText(int fehlernummer)
{
    switch (fehlernummer) {
    case ENOSPC:
        return QStringLiteral("Auf dem Datenträger ist nicht genug Platz.");
    case EDQUOT:
        return QStringLiteral("Der Speicherplatz, der Ihnen auf dem Datenträger zusteht, ist aufgebraucht.");
    case EFBIG:
        return QStringLiteral("Die Datei wäre größer, als das System einer Datei erlaubt.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Der Zugriff wurde verweigert.");
    case ENOENT:
        return QStringLiteral("Die Datei oder ihr Ordner existiert nicht.");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
    case EISDIR:
        return QStringLiteral("An der Stelle der Datei steht ein Ordner.");
    case EIO:
        return QStringLiteral("Der Datenträger meldet einen Ein-/Ausgabefehler.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Dateiname ist zu lang.");
    case ELOOP:
        return QStringLiteral("Der Pfad enthält zu viele symbolische Verknüpfungen.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Es sind zu viele Dateien geöffnet.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Die Datei wird gerade benutzt.");
    case ENOMEM:
        return QStringLiteral("Es ist nicht genug Arbeitsspeicher frei.");
    default:
        return QStringLiteral("Systemfehler %1 (%2).").arg(fehlernummer).arg(QString::fromLocal8Bit(std::strerror(fehlernummer)));
    }
}

QString DateiFehlerText(const QString &datei, const QString &systemtext, bool schreiben)
{
    const QString name = QFileInfo(datei).fileName();
    return (schreiben ? QStringLiteral("Die Datei \u201E%1\u201C konnte nicht geschrieben werden.")
                      : QStringLiteral("Die Datei \u201E%1\u201C konnte nicht gelesen werden."))
               .arg(name)
           + Absatz + systemtext;
}

QString DateiErsetzen(const QString &pfad, const QByteArray &daten)
{
    const QString ziel = eigentlichesZiel(pfad);
    const QByteArray zielname = QFile::encodeName(ziel);
    struct stat alt{};
    const bool gibtEs = ::stat(zielname.constData(), &alt) == 0;
    if (gibtEs) {
        if (S_ISDIR(alt.st_mode))
            return SystemfehlerText(EISDIR);
        if (!S_ISREG(alt.st_mode))
            return KeineGewoehnlicheDatei;
        // A file the user made read-only is not replaced behind his back.
        if (::access(zielname.constData(), W_OK) != 0)
            return SystemfehlerText(errno);
    }

    QByteArray tempname;
    int fd = -1;
    for (int versuch = 0; fd < 0 && versuch < 100; ++versuch) {
        tempname = QFile::encodeName(tempName(ziel));
        fd = ::open(tempname.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST)
            return SystemfehlerText(errno);
    }
    if (fd < 0)
        return SystemfehlerText(EEXIST);

    // Written unbuffered and flushed to the disk before the rename: a full disk shows here,
    // while the old file is still in place.
    int fehler = 0;
    if (gibtEs && ::fchmod(fd, alt.st_mode & 07777) != 0)
        fehler = errno;
    if (fehler == 0 && !allesSchreiben(fd, daten))
        fehler = errno;
    if (fehler == 0 && ::fsync(fd) != 0)
        fehler = errno;
    if (::close(fd) != 0 && fehler == 0)
        fehler = errno;
    if (fehler == 0 && ::rename(tempname.constData(), zielname.constData()) != 0)
        fehler = errno;
    if (fehler != 0) {
        ::unlink(tempname.constData());
        return SystemfehlerText(fehler);
    }
    ordnerSichern(QFileInfo(ziel).absolutePath());
    return QString();
}

Dateiinhalt DateiLesen(const QString &pfad, qint64 hoechstens)
{
    Dateiinhalt ergebnis;
    // Not blocking: a pipe in the file's place must not stop the program.
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno != ENOENT) {
            ergebnis.status = Dateiinhalt::Status::Fehler;
            ergebnis.fehler = SystemfehlerText(errno);
        }
        return ergebnis;
    }
    ergebnis.status = Dateiinhalt::Status::Fehler;
    struct stat info{};
    if (::fstat(fd, &info) != 0)
        ergebnis.fehler = SystemfehlerText(errno);
    else if (S_ISDIR(info.st_mode))
        ergebnis.fehler = SystemfehlerText(EISDIR);
    else if (!S_ISREG(info.st_mode))
        ergebnis.fehler = KeineGewoehnlicheDatei;
    else if ((ergebnis.zuGross = info.st_size > hoechstens))
        ergebnis.fehler = QStringLiteral("Die Datei ist %1 groß; erlaubt sind höchstens %2. Sie wird nicht gelesen und bleibt, "
                                         "wie sie ist.")
                              .arg(groesseText(info.st_size), groesseText(hoechstens));
    if (!ergebnis.fehler.isEmpty()) {
        ::close(fd);
        return ergebnis;
    }

    // The size is only a hint: the file may change while it is read.
    ergebnis.daten.resize(static_cast<qsizetype>(info.st_size) + 1);
    qsizetype gelesen = 0;
    for (;;) {
        if (gelesen == ergebnis.daten.size())
            ergebnis.daten.resize(std::min<qsizetype>(gelesen * 2 + 4096, hoechstens + 1));
        const ssize_t n = ::read(fd, ergebnis.daten.data() + gelesen, static_cast<size_t>(ergebnis.daten.size() - gelesen));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ergebnis.fehler = SystemfehlerText(errno);
            break;
        }
        if (n == 0)
            break;
        gelesen += n;
        if (gelesen > hoechstens) {
            ergebnis.zuGross = true;
            ergebnis.fehler = QStringLiteral("Die Datei ist größer als die erlaubten %1. Sie wird nicht gelesen und bleibt, "
                                             "wie sie ist.")
                                  .arg(groesseText(hoechstens));
            gelesen = 0;
            break;
        }
    }
    ::close(fd);
    ergebnis.daten.resize(gelesen);
    if (ergebnis.fehler.isEmpty())
        ergebnis.status = Dateiinhalt::Status::Gelesen;
    return ergebnis;
}

QStringList ResteEntfernen(const QString &datenordner, qint64 mindestalterSekunden)
{
    static const QRegularExpression Rest(QStringLiteral("^(%1|%2|.+\\.[qQ][tT][tT])\\.[A-Za-z]{6}$")
                                             .arg(QRegularExpression::escape(Dateinamen::Gewinnreihen),
                                                  QRegularExpression::escape(Dateinamen::Einstellungen)));
    // The dated copies of the history in "Sicherungen" are written the same way.
    static const QRegularExpression KopieRest(QStringLiteral("^GReihen .+\\.qtgz\\.[A-Za-z]{6}$"));
    const QDateTime grenze = QDateTime::currentDateTimeUtc().addSecs(-mindestalterSekunden);
    QStringList entfernt;
    const auto aufraeumen = [&](const QString &ordner, const QRegularExpression &muster, const QString &vorsatz) {
        const QFileInfoList dateien = QDir(ordner).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
        for (const QFileInfo &datei : dateien) {
            if (!muster.match(datei.fileName()).hasMatch() || datei.lastModified().toUTC() > grenze)
                continue;
            if (QFile::remove(datei.absoluteFilePath()))
                entfernt << vorsatz + datei.fileName();
        }
    };
    aufraeumen(datenordner, Rest, QString());
    aufraeumen(datenordner + QStringLiteral("/Sicherungen"), KopieRest, QStringLiteral("Sicherungen/"));
    return entfernt;
}
