// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/Webadressen.h"

#include "model/Einstellungen.h"

#include <QRegularExpression>
#include <QUrlQuery>

namespace {
const QString Abschnitt = QStringLiteral("Web");

// Built-in values under a reserved example domain, so an unconfigured program never sends
// anyone to a real site.
const QString VorgabeHomepage = QStringLiteral("https://www.quintaro-analyser.example/");
const QString VorgabeErgebnisse = QStringLiteral("https://www.quintaro-analyser.example/gewinnzahlen-und-quoten/");
const QString VorgabeProdukt = QStringLiteral("https://www.quintaro-analyser.example/produkte/");
const QString VorgabeMail = QStringLiteral("service@quintaro-analyser.example");
} // namespace

Webadressen WebadressenLesen(const QString &einstellungsdatei)
{
    const Einstellungen einstellungen(einstellungsdatei);
    const auto lies = [&einstellungen](const QString &schluessel, const QString &vorgabe) {
        const QString wert = einstellungen.LeseText(Abschnitt, schluessel, vorgabe).trimmed();
        return wert.isEmpty() ? vorgabe : wert;
    };
    Webadressen w;
    w.Homepage = lies(QStringLiteral("Homepage"), VorgabeHomepage);
    w.Ergebnisse = lies(QStringLiteral("Ergebnisse"), VorgabeErgebnisse);
    w.Produkt = lies(QStringLiteral("Produkt"), VorgabeProdukt);
    w.Mail = lies(QStringLiteral("Mail"), VorgabeMail);
    const std::array<QString, 6> vorgaben{
        QStringLiteral("Quintaro Analyser Software"), QStringLiteral("Musterstraße 1"),
        QStringLiteral("12345 Musterstadt"),          QStringLiteral("E-Mail: ") + w.Mail,
        QStringLiteral("Telefon: 030 23125-456"),     QStringLiteral("Fax: 030 23125-457"),
    };
    for (std::size_t i = 0; i < vorgaben.size(); ++i)
        w.Anschrift[i] = lies(QStringLiteral("Anschrift%1").arg(i + 1), vorgaben[i]);
    return w;
}

bool IstWebseite(const QUrl &adresse)
{
    const QString schema = adresse.scheme();
    return adresse.isValid() && (schema == QLatin1String("https") || schema == QLatin1String("http")) &&
           !adresse.host().isEmpty();
}

QUrl Mailverweis(const QString &adresse, const QString &betreff)
{
    static const QRegularExpression einfacheAdresse(
        QStringLiteral("^[A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+$"));
    if (!einfacheAdresse.match(adresse).hasMatch())
        return QUrl();
    QUrl verweis;
    verweis.setScheme(QStringLiteral("mailto"));
    verweis.setPath(adresse);
    QUrlQuery abfrage;
    abfrage.addQueryItem(QStringLiteral("subject"), betreff);
    verweis.setQuery(abfrage);
    return verweis;
}
