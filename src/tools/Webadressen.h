// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QUrl>

#include <array>

// The web pages and the mail address the program hands to the user's programs, and the
// maker's lines of the about window. They come from the section [Web] of the settings file,
// which the program reads but never writes; a missing or empty key takes the built-in value.
struct Webadressen
{
    QString Homepage;   // the maker's web site
    QString Ergebnisse; // current numbers and prize quotas
    QString Produkt;    // the maker's page about its other product
    QString Mail;       // the service address
    // Name, street, postcode and town, e-mail line, telephone, fax.
    std::array<QString, 6> Anschrift;
};

Webadressen WebadressenLesen(const QString &einstellungsdatei);

// An address that may go to the browser: http or https with a host.
bool IstWebseite(const QUrl &adresse);

// "mailto:" with the address and `betreff` as subject; an invalid QUrl when `adresse` is no
// plain mail address (nothing that could smuggle further fields into the link).
QUrl Mailverweis(const QString &adresse, const QString &betreff);
