// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Ordner.h"

#include "model/Dateien.h"
#include "model/DemoTippschein.h"
#include "model/Eigendateien.h"
#include "model/Zustand.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QStandardPaths>

namespace {
QString mitTrenner(QString pfad)
{
    if (!pfad.endsWith(QLatin1Char('/')))
        pfad += QLatin1Char('/');
    return pfad;
}

// A private folder of this user for the temporary download file: a fixed name in the
// shared temporary folder would let another user plant a link there.
QString privaterTempordner()
{
    QString basis = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (basis.isEmpty())
        basis = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString ordner = mitTrenner(basis) + Programmname;
    QDir().mkpath(ordner);
    QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return mitTrenner(ordner);
}
} // namespace

QString StandardDatenordner()
{
    return mitTrenner(mitTrenner(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) + Programmname);
}

QString Beispielordner()
{
    return mitTrenner(mitTrenner(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)) + Programmname)
           + QStringLiteral("Beispieldaten/");
}

QString OrdnerBestimmen(Zustand &zustand, const QString &programmordner, const QString &datenordner)
{
    zustand.Programmordner = mitTrenner(programmordner);
    zustand.Tempdatei = privaterTempordner() + QStringLiteral("tmp.tmp");
    zustand.Datenordner = mitTrenner(datenordner);
    // The real data folder stays protected while the program works on the sample data.
    Eigendateien::schuetzen(zustand.Datenordner);
    Eigendateien::schuetzen(StandardDatenordner());
    zustand.Hilfedatei = zustand.Programmordner + Dateinamen::Hilfe;
    const bool ersterStart = !QFileInfo::exists(zustand.Datenordner);
    if (!QDir().mkpath(zustand.Datenordner))
        return QStringLiteral("Der Datenordner \u201E%1\u201C konnte nicht angelegt werden.").arg(zustand.Datenordner);
    // What an interrupted save left behind; a second running instance's save is younger.
    ResteEntfernen(zustand.Datenordner);
    if (ersterStart) {
        // A new data folder gets the sample ticket, so the first start has something to show.
        DateiErsetzen(zustand.Datenordner + Dateinamen::DemoTippschein, DemoTippschein());
    }
    return QString();
}
