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
