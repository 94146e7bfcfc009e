#include "update/Versionsdatei.h"

#include "model/Textdekodierung.h"

#include <algorithm>

std::optional<QString> VersionLesen(const QByteArray &daten)
{
    const qsizetype anzahl = daten.size() / VersionsdatensatzGroesse;
    if (anzahl == 0)
        return std::nullopt;
    const QByteArray satz = daten.mid((anzahl - 1) * VersionsdatensatzGroesse, VersionsdatensatzGroesse);
    const int laenge = std::min(static_cast<int>(static_cast<unsigned char>(satz[8])), 15);
    const QString text = AusWindows1252(satz.mid(9, laenge));
    if (text.isEmpty() || !std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint(); }))
        return std::nullopt;
    return text;
}
