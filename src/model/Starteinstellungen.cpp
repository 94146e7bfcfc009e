#include "model/Starteinstellungen.h"

#include "model/Einstellungen.h"

#include <QHash>

Preiswahl PreisAuswerten(const QString &text, const QLocale &locale)
{
    Preiswahl wahl;
    bool ok = false;
    const double preis = locale.toDouble(text.trimmed(), &ok);
    if (ok && preis == 200.0)
        wahl.neuerText = locale.toString(2.0, 'f', 2);
    else if (ok && preis > 0.0 && preis < 1.0e6)
        wahl.reihenpreis = static_cast<float>(preis);
    return wahl;
}

GemerkteScheine GemerkteDateien(const Einstellungen &einstellungen)
{
    // One read of the section; as for single reads, the first of two equal keys counts.
    QHash<int, QString> dateien;
    bool anzahlGelesen = false;
    GemerkteScheine gemerkt;
    const QLatin1String datei("Datei");
    for (const auto &[schluessel, wert] : einstellungen.LeseAbschnitt(QStringLiteral("Spielscheine"))) {
        if (schluessel.compare(QLatin1String("Dateienanzahl"), Qt::CaseInsensitive) == 0) {
            if (!anzahlGelesen)
                gemerkt.anzahl = wert.toInt();
            anzahlGelesen = true;
            continue;
        }
        if (!schluessel.startsWith(datei, Qt::CaseInsensitive))
            continue;
        // Only the key a single read of "Datei<n>" would find: no sign, no leading zero.
        const QString ziffern = schluessel.mid(datei.size());
        bool ok = false;
        const int nummer = ziffern.toInt(&ok);
        if (ok && nummer > 0 && QString::number(nummer) == ziffern && !dateien.contains(nummer))
            dateien.insert(nummer, wert);
    }
    int hoechste = 0;
    for (auto it = dateien.cbegin(); it != dateien.cend(); ++it)
        hoechste = std::max(hoechste, it.key());
    for (int i = 1; i <= std::min(gemerkt.anzahl, hoechste); ++i) {
        const QString pfad = dateien.value(i);
        if (!pfad.isEmpty())
            gemerkt.pfade << pfad;
    }
    return gemerkt;
}

bool DateienMerken(Einstellungen &einstellungen, const QStringList &dateien)
{
    QList<std::pair<QString, QString>> eintraege{{QStringLiteral("Dateienanzahl"), QString::number(dateien.size())}};
    for (qsizetype i = 0; i < dateien.size(); ++i)
        eintraege.append({QStringLiteral("Datei%1").arg(i + 1), dateien[i]});
    return einstellungen.ErsetzeAbschnitt(QStringLiteral("Spielscheine"), eintraege);
}
