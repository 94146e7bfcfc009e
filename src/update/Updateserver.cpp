// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/Updateserver.h"

#include "model/Einstellungen.h"

#include <QHostAddress>

namespace Updateserver {

QString Adresse(const Einstellungen &einstellungen)
{
    if (!einstellungen.EinstellungenDa())
        return Standardadresse;
    const QString adresse =
        einstellungen.LeseText(QStringLiteral("Update"), QStringLiteral("Server"), Standardadresse).trimmed();
    return adresse.isEmpty() ? Standardadresse : adresse;
}

int Gesamtzeit(const Einstellungen &einstellungen, const QString &datei)
{
    QString schluessel;
    int sekunden = 30;
    if (datei == Gewinnreihen) {
        schluessel = QStringLiteral("ZeitlimitGewinnreihen");
        sekunden = 120;
    } else if (datei == Installer) {
        schluessel = QStringLiteral("ZeitlimitInstallation");
        sekunden = 1800;
    }
    if (!schluessel.isEmpty() && einstellungen.EinstellungenDa()) {
        const int wert = einstellungen.LeseZahl(QStringLiteral("Update"), schluessel, sekunden);
        // At most a day, which also keeps the milliseconds within an int.
        if (wert > 0 && wert <= 24 * 60 * 60)
            sekunden = wert;
    }
    return sekunden * 1000;
}

QUrl Dateiadresse(const QString &basis, const QString &datei)
{
    QUrl url(basis.trimmed(), QUrl::StrictMode);
    QString pfad = url.path();
    while (pfad.endsWith(QLatin1Char('/')))
        pfad.chop(1);
    url.setPath(pfad + QStringLiteral("/downloads/") + datei);
    return url;
}

bool IstLoopback(const QUrl &url)
{
    QHostAddress adresse;
    return adresse.setAddress(url.host()) && adresse.isLoopback();
}

bool AdresseErlaubt(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString schema = url.scheme().toLower();
    return schema == QLatin1String("https") || (schema == QLatin1String("http") && IstLoopback(url));
}

bool WeiterleitungErlaubt(const QUrl &von, const QUrl &nach)
{
    if (!nach.isValid() || nach.host().isEmpty())
        return false;
    const QString schema = nach.scheme().toLower();
    if (schema == QLatin1String("https"))
        return true;
    return schema == QLatin1String("http") && IstLoopback(nach) && IstLoopback(von);
}

} // namespace Updateserver
