// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/Updatepruefung.h"

#include "model/Dateien.h"
#include "model/Spiel.h"
#include "update/Herstellerschluessel.h"
#include "update/Signatur.h"
#include "update/Updateserver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Updatepruefung {
namespace {
const QString NichtGestartet = QStringLiteral(" Sie wird nicht gestartet.");

struct Dateibeschreiber
{
    int fd = -1;
    explicit Dateibeschreiber(int f) : fd(f) {}
    ~Dateibeschreiber()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Dateibeschreiber(const Dateibeschreiber &) = delete;
    Dateibeschreiber &operator=(const Dateibeschreiber &) = delete;
};

QString bytezahl(qint64 bytes)
{
    return QLocale(QLocale::German, QLocale::Germany).toString(bytes);
}
} // namespace

Auskunft VersionsdateiPruefen(const QByteArray &versionsdatei, const QByteArray &signatur)
{
    const Signaturergebnis s = MinisignPruefen(versionsdatei, signatur, Herstellerschluessel());
    if (!s.gueltig)
        return {std::nullopt, QStringLiteral("Die Versionsdatei ist nicht vom Hersteller signiert: ") + s.fehler};
    std::optional<Updateangaben> angaben = UpdateangabenLesen(versionsdatei);
    if (!angaben)
        return {std::nullopt, QStringLiteral("Die Versionsdatei ist signiert, aber nicht im erwarteten Aufbau.")};
    return {angaben, QString()};
}

QString InstallerPruefen(const QString &pfad, const Updateangaben &angaben, bool freigeben)
{
    const Dateibeschreiber datei(::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info
    {
    };
    if (datei.fd < 0 || ::fstat(datei.fd, &info) != 0 || !S_ISREG(info.st_mode))
        return QStringLiteral("Die Update-Datei \u201E%1\u201C fehlt oder ist keine gewöhnliche Datei.").arg(pfad) +
               NichtGestartet;
    if (info.st_size != angaben.groesse)
        return QStringLiteral("Die Update-Datei ist %1 Bytes groß, der Hersteller hat %2 Bytes signiert.")
                   .arg(bytezahl(info.st_size), bytezahl(angaben.groesse)) +
               NichtGestartet;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray puffer(1 << 16, '\0');
    qint64 gelesen = 0;
    while (gelesen <= angaben.groesse) {
        const ssize_t n = ::read(datei.fd, puffer.data(), static_cast<size_t>(puffer.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return DateiFehlerText(pfad, SystemfehlerText(errno), false);
        if (n == 0)
            break;
        hash.addData(QByteArrayView(puffer.constData(), n));
        gelesen += n;
    }
    if (gelesen != angaben.groesse)
        return QStringLiteral("Die Update-Datei hat sich beim Prüfen in der Größe verändert.") + NichtGestartet;
    if (hash.result() != angaben.sha256)
        return QStringLiteral("Die Update-Datei ist nicht die, die der Hersteller signiert hat: ihre Prüfsumme "
                              "(SHA-256) weicht ab.") +
               NichtGestartet;
    if (freigeben && ::fchmod(datei.fd, S_IRWXU) != 0)
        return DateiFehlerText(pfad, SystemfehlerText(errno), true);
    return QString();
}

QString UpdatePruefen(const QString &ordner)
{
    const QString nichtSigniert =
        QStringLiteral("Die Update-Datei ist nicht vom Hersteller signiert.") + NichtGestartet;
    const Dateiinhalt version = DateiLesen(ordner + Updateserver::Versionsdatei, UpdateangabenGroesse + 1);
    const Dateiinhalt signatur = DateiLesen(ordner + Signaturdatei, MaxSignaturGroesse);
    if (version.status != Dateiinhalt::Status::Gelesen || signatur.status != Dateiinhalt::Status::Gelesen)
        return nichtSigniert;
    const Auskunft a = VersionsdateiPruefen(version.daten, signatur.daten);
    if (!a.angaben)
        return nichtSigniert + Absatz + a.fehler;
    return InstallerPruefen(ordner + Updateserver::InstallerLokal, *a.angaben, true);
}

QString PrivatenOrdnerAnlegen(const QString &ordner)
{
    const QByteArray pfad = QFile::encodeName(QDir::cleanPath(ordner));
    if (::mkdir(pfad.constData(), S_IRWXU) != 0 && errno != EEXIST)
        return QStringLiteral("Der Ordner \u201E%1\u201C lässt sich nicht anlegen.").arg(ordner) + Absatz +
               SystemfehlerText(errno);
    const Dateibeschreiber d(::open(pfad.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info
    {
    };
    if (d.fd < 0 || ::fstat(d.fd, &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        return QStringLiteral("An der Stelle des Ordners \u201E%1\u201C steht kein Ordner, der Ihnen allein "
                              "gehört (etwa eine Verknüpfung); das Update wird dort nicht abgelegt.")
            .arg(ordner);
    if ((info.st_mode & 07777) != S_IRWXU && ::fchmod(d.fd, S_IRWXU) != 0)
        return QStringLiteral("Der Ordner \u201E%1\u201C lässt sich nicht vor anderen Benutzern schützen.")
                   .arg(ordner) +
               Absatz + SystemfehlerText(errno);
    return QString();
}

} // namespace Updatepruefung
