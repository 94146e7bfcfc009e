// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/werkzeuge/Aufrufe.h"

#include "model/Spiel.h"
#include "model/Zustand.h"
#include "tools/Taschenrechner.h"
#include "tools/Webadressen.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Starter.h"
#include "update/Internet.h"

#include <QApplication>
#include <QLocale>
#include <QUrl>

namespace Aufrufe {

void seiteOeffnen(const Zustand &zustand, Seite seite)
{
    QWidget *eltern = QApplication::activeWindow();
    if (!InternetVerbunden()) {
        if (seite != Seite::Produkt)
            Meldungen::information(
                eltern,
                QStringLiteral("Für den Aufruf aktueller Gewinnzahlen muss eine Verbindung zum Internet bestehen."));
        return;
    }
    const Webadressen web = WebadressenLesen(zustand.einstellungsdatei());
    const QString text = seite == Seite::Homepage     ? web.Homepage
                         : seite == Seite::Ergebnisse ? web.Ergebnisse
                                                      : web.Produkt;
    const QUrl adresse(text, QUrl::StrictMode);
    if (!IstWebseite(adresse)) {
        Meldungen::fehler(
            eltern, QStringLiteral("Die Internetadresse \u201E%1\u201C im Abschnitt [Web] der Datei \u201E%2\u201C "
                                   "ist ungültig.")
                            .arg(text, Dateinamen::Einstellungen) +
                        Absatz + QStringLiteral("Erlaubt sind Adressen, die mit http:// oder https:// beginnen."));
        return;
    }
    if (!Starter::oeffneUrl(adresse))
        Meldungen::fehler(
            eltern, QStringLiteral("Die Internetseite \u201E%1\u201C konnte nicht geöffnet werden.").arg(text) +
                        Absatz +
                        QStringLiteral("Bitte prüfen Sie, ob ein Webbrowser als Standardprogramm eingerichtet ist."));
}

void mailSchreiben(const QString &adresse)
{
    QWidget *eltern = QApplication::activeWindow();
    const QUrl verweis = Mailverweis(adresse, Programmname);
    if (!verweis.isValid()) {
        Meldungen::fehler(
            eltern, QStringLiteral("Die E-Mail-Adresse \u201E%1\u201C im Abschnitt [Web] der Datei \u201E%2\u201C "
                                   "ist ungültig.")
                        .arg(adresse, Dateinamen::Einstellungen));
        return;
    }
    if (!Starter::oeffneUrl(verweis))
        Meldungen::fehler(eltern, QStringLiteral("Das E-Mail-Programm konnte nicht gestartet werden.") + Absatz +
                                      QStringLiteral("Schreiben Sie bitte an %1.").arg(adresse));
}

void rechnerStarten(const QString &programm)
{
    if (!Starter::starteProgramm(programm))
        Meldungen::fehler(
            QApplication::activeWindow(),
            QStringLiteral("Der Taschenrechner \u201E%1\u201C konnte nicht gestartet werden.").arg(programm));
}

QString keinRechnerGrund()
{
    return QStringLiteral("kein Taschenrechner gefunden (gesucht: %1)")
        .arg(QLocale(QLocale::German).createSeparatedList(BekannteTaschenrechner()));
}

} // namespace Aufrufe
