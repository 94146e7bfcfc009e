#include "update/Verbindung.h"

#include <QNetworkInformation>

namespace {
std::function<bool()> &pruefungsersatz()
{
    static std::function<bool()> ersatz;
    return ersatz;
}
} // namespace

void setzeVerbindungspruefung(std::function<bool()> pruefung)
{
    pruefungsersatz() = std::move(pruefung);
}

bool InternetVerbunden()
{
    if (pruefungsersatz())
        return pruefungsersatz()();
    static const bool geladen = QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation *info = QNetworkInformation::instance();
    if (!geladen || !info || !info->supports(QNetworkInformation::Feature::Reachability))
        return true;
    // "Local" or "Site" may still reach the server through a proxy or on the local network.
    return info->reachability() != QNetworkInformation::Reachability::Disconnected;
}
