#include "update/Versionsdatei.h"

#include <QRegularExpression>

std::optional<QString> VersionLesen(const QByteArray &daten)
{
    const qsizetype anzahl = daten.size() / VersionsdatensatzGroesse;
    if (anzahl == 0)
        return std::nullopt;
    const QByteArray satz = daten.mid((anzahl - 1) * VersionsdatensatzGroesse, VersionsdatensatzGroesse);
    const int laenge = static_cast<unsigned char>(satz[8]);
    if (laenge > MaxVersionslaenge)
        return std::nullopt;
    // Digits and dots only, so the text is the same in any code page.
    const QString text = QString::fromLatin1(satz.mid(9, laenge));
    static const QRegularExpression muster(QStringLiteral("^[0-9]+(\\.[0-9]+)*$"));
    if (!muster.match(text).hasMatch())
        return std::nullopt;
    return text;
}
