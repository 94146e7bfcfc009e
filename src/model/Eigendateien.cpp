// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Eigendateien.h"

#include "model/Datensperre.h"
#include "model/Spiel.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMutex>
#include <QStringList>

#include <optional>

#include <sys/stat.h>

namespace Eigendateien {
namespace {

// The folder of dated copies of the history in the data folder.
const QString Sicherungsordner = QStringLiteral("Sicherungen");
// More entries than the folder ever keeps; a folder someone filled is not walked to its end.
constexpr int MaxSicherungen = 1000;
// As many links as the system follows on the way to a file.
constexpr int MaxVerknuepfungen = 40;
// Folders above a target that are looked at; deeper than any real path goes.
constexpr int MaxOrdnertiefe = 256;

QMutex schutzSperre;
QStringList geschuetzt; // the registered data folders, as given

struct Kennung
{
    dev_t geraet = 0;
    ino_t inode = 0;
    bool operator==(const Kennung &) const = default;
};

std::optional<Kennung> kennung(const QString &pfad)
{
    struct stat info{};
    if (::stat(QFile::encodeName(pfad).constData(), &info) != 0)
        return std::nullopt;
    return Kennung{info.st_dev, info.st_ino};
}

// The folder of `pfad` as the system resolves it (links and "..", "." and doubled slashes
// gone), and the name; the folder only cleaned up as text when it does not exist.
QString kanonisch(const QString &pfad)
{
    const QFileInfo info(pfad);
    QString ordner = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (ordner.isEmpty())
        ordner = QDir::cleanPath(info.absolutePath());
    if (!ordner.endsWith(QLatin1Char('/')))
        ordner += QLatin1Char('/');
    return ordner + info.fileName();
}

// Every file a write to `pfad` may reach: the path itself and, link by link, what it points to.
QStringList wege(const QString &pfad)
{
    QStringList ergebnis;
    QString jetzt = QFileInfo(pfad).absoluteFilePath();
    for (int i = 0; i < MaxVerknuepfungen; ++i) {
        ergebnis << kanonisch(jetzt);
        const QFileInfo info(jetzt);
        if (!info.isSymLink())
            break;
        jetzt = info.symLinkTarget();
        if (jetzt.isEmpty())
            break;
    }
    return ergebnis;
}

// The folder `pfad` would lie in and every folder above it, by their identity on the disk: ".."
// is what the system resolves, so neither links nor bind mounts on the way change the answer.
QList<Kennung> ordnerkette(const QString &pfad)
{
    QList<Kennung> kette;
    QString ordner = QFileInfo(pfad).absolutePath();
    for (int i = 0; i < MaxOrdnertiefe; ++i) {
        const std::optional<Kennung> k = kennung(ordner);
        if (!k || (!kette.isEmpty() && kette.constLast() == *k))
            break; // gone, or the root, whose ".." is itself
        kette << *k;
        ordner += QStringLiteral("/..");
    }
    return kette;
}

bool liegtIn(const QString &pfad, const QString &ordner)
{
    return pfad == ordner || pfad.startsWith(ordner + QLatin1Char('/'));
}

QString ablehnung(const QString &ziel, const QString &eigene)
{
    const QString name = QFileInfo(ziel).fileName();
    const QString text =
        name == eigene
            ? QStringLiteral("Die Datei \u201E%1\u201C geh\u00F6rt zu den Daten des Programms und wird nicht "
                             "\u00FCberschrieben.")
                  .arg(eigene)
            : QStringLiteral("Die Datei \u201E%1\u201C ist \u201E%2\u201C und geh\u00F6rt damit zu den Daten des "
                             "Programms; sie wird nicht \u00FCberschrieben.")
                  .arg(name, eigene);
    return text + QStringLiteral(" W\u00E4hlen Sie bitte eine andere Datei.") + Absatz +
           QStringLiteral("Ich breche ab.");
}

// The refusal when `ziel` (its ways and its identity on the disk) is a file of `datenordner`.
QString gegenOrdner(const QStringList &zielwege, const std::optional<Kennung> &ziel, const QString &zielpfad,
                    const QString &datenordner)
{
    const QString ordner = QDir(datenordner).absolutePath() + QLatin1Char('/');
    for (const QString &eigene : {Dateinamen::Gewinnreihen, Dateinamen::Sicherung, Dateinamen::Einstellungen,
                                  Datensperre::dateiname()}) {
        const QString datei = ordner + eigene;
        const QStringList eigeneWege = wege(datei);
        for (const QString &w : zielwege)
            if (eigeneWege.contains(w))
                return ablehnung(zielpfad, eigene);
        if (ziel && kennung(datei) == ziel)
            return ablehnung(zielpfad, eigene);
    }

    // The same folder reached another way (a bind mount, a path the links above do not show):
    // its identity decides. A file that does not exist yet has no identity, its folder has.
    const std::optional<Kennung> datenKennung = kennung(ordner);
    const QString sicherungen = ordner + Sicherungsordner;
    const std::optional<Kennung> sicherungsKennung = kennung(sicherungen);
    for (const QString &w : zielwege) {
        const QList<Kennung> kette = ordnerkette(w);
        const QString name = QFileInfo(w).fileName();
        if (datenKennung && !kette.isEmpty() && kette.constFirst() == *datenKennung)
            for (const QString &eigene : {Dateinamen::Gewinnreihen, Dateinamen::Sicherung, Dateinamen::Einstellungen,
                                          Datensperre::dateiname()})
                if (name == eigene)
                    return ablehnung(zielpfad, eigene);
        if (sicherungsKennung && kette.contains(*sicherungsKennung))
            return ablehnung(zielpfad, Sicherungsordner);
    }

    // The folder of dated copies: nothing in it nor the folder itself, nor a link to one of them.
    QStringList orte = wege(sicherungen);
    if (const QString echt = QFileInfo(sicherungen).canonicalFilePath(); !echt.isEmpty())
        orte << echt;
    for (const QString &w : zielwege)
        for (const QString &ort : std::as_const(orte))
            if (liegtIn(w, ort))
                return ablehnung(zielpfad, Sicherungsordner);
    if (ziel) {
        if (sicherungsKennung == ziel)
            return ablehnung(zielpfad, Sicherungsordner);
        QDirIterator kopien(sicherungen, QDir::Files | QDir::Hidden | QDir::System);
        for (int i = 0; i < MaxSicherungen && kopien.hasNext(); ++i)
            if (kennung(kopien.next()) == ziel)
                return ablehnung(zielpfad, Sicherungsordner + QLatin1Char('/') + kopien.fileName());
    }
    return QString();
}

} // namespace

void schuetzen(const QString &datenordner)
{
    if (datenordner.isEmpty())
        return;
    const QMutexLocker halten(&schutzSperre);
    if (!geschuetzt.contains(datenordner))
        geschuetzt << datenordner;
}

QString pruefen(const QString &ziel, const QString &datenordner)
{
    QStringList ordner;
    {
        const QMutexLocker halten(&schutzSperre);
        ordner = geschuetzt;
    }
    if (!datenordner.isEmpty())
        ordner.prepend(datenordner);
    if (ordner.isEmpty() || ziel.isEmpty())
        return QString();
    const QStringList zielwege = wege(ziel);
    const std::optional<Kennung> identitaet = kennung(ziel);
    for (const QString &o : std::as_const(ordner))
        if (QString fehler = gegenOrdner(zielwege, identitaet, ziel, o); !fehler.isEmpty())
            return fehler;
    return QString();
}

} // namespace Eigendateien
