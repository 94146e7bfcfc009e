// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinschaft/Gemeinschaftsmenue.h"

#include "model/Einstellungen.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/gemeinschaft/Gemeinschaftsfenster.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace {
const QString Abschnitt = QStringLiteral("Tippgemeinschaft");
const QString Ziehungen = QStringLiteral("Ziehungen");
const QString Datei = QStringLiteral("Datei");
} // namespace

namespace Gemeinschaftseinstellungen {

QStringList zuletzt(const Einstellungen &einstellungen)
{
    QStringList liste;
    if (!einstellungen.EinstellungenDa())
        return liste;
    for (const auto &[schluessel, wert] : einstellungen.LeseAbschnitt(Abschnitt))
        if (schluessel.startsWith(Datei, Qt::CaseInsensitive) && !wert.isEmpty() && !liste.contains(wert) &&
            liste.size() < ZuletztHoechstens)
            liste << wert;
    return liste;
}

int ziehungen(const Einstellungen &einstellungen)
{
    if (!einstellungen.EinstellungenDa())
        return ZiehungenVorgabe;
    const int n = einstellungen.LeseZahl(Abschnitt, Ziehungen, ZiehungenVorgabe);
    return n >= 1 && n <= 52 ? n : ZiehungenVorgabe;
}

bool merken(Einstellungen &einstellungen, const QStringList &zuletzt, int ziehungen)
{
    QList<std::pair<QString, QString>> eintraege{{Ziehungen, QString::number(ziehungen)}};
    for (qsizetype i = 0; i < zuletzt.size() && i < ZuletztHoechstens; ++i)
        eintraege.append({Datei + QString::number(i + 1), zuletzt[i]});
    return einstellungen.ErsetzeAbschnitt(Abschnitt, eintraege);
}

QStringList vorne(const QStringList &liste, const QString &pfad)
{
    QStringList neu{pfad};
    for (const QString &p : liste)
        if (p != pfad && neu.size() < ZuletztHoechstens)
            neu << p;
    return neu;
}

} // namespace Gemeinschaftseinstellungen

namespace Gemeinschaftsmenue {

namespace {
TFGemeinschaft *gemeinschaftsfenster(Befehle &befehle)
{
    befehle.aktion(Befehle::Art::Gemeinschaft)->trigger();
    return qobject_cast<TFGemeinschaft *>(findeFenster(QStringLiteral("FGemeinschaft")));
}
} // namespace

void einhaengen(QMenu *datei, Befehle &befehle)
{
    QMenu *menue = datei->addMenu(QStringLiteral("&Tippgemeinschaft"));
    menue->setObjectName(QStringLiteral("MTippgemeinschaft"));
    QAction *neu = menue->addAction(QStringLiteral("&Neue Tippgemeinschaft..."));
    neu->setObjectName(QStringLiteral("AGemeinschaftNeu"));
    QObject::connect(neu, &QAction::triggered, menue, [&befehle] {
        if (TFGemeinschaft *f = gemeinschaftsfenster(befehle))
            f->neu();
    });
    QAction *oeffnen = menue->addAction(QStringLiteral("Tippgemeinschaft \u00F6&ffnen..."));
    oeffnen->setObjectName(QStringLiteral("AGemeinschaftOeffnen"));
    QObject::connect(oeffnen, &QAction::triggered, menue, [&befehle] {
        if (TFGemeinschaft *f = gemeinschaftsfenster(befehle))
            f->oeffnen();
    });
    QMenu *zuletzt = menue->addMenu(QStringLiteral("&Zuletzt verwendet"));
    zuletzt->setObjectName(QStringLiteral("MGemeinschaftZuletzt"));
    // Filled each time it opens: the window may have changed the list meanwhile.
    QObject::connect(zuletzt, &QMenu::aboutToShow, zuletzt, [zuletzt, &befehle] {
        zuletzt->clear();
        const QStringList liste =
            Gemeinschaftseinstellungen::zuletzt(Einstellungen(befehle.zustand().einstellungsdatei()));
        if (liste.isEmpty())
            zuletzt->addAction(QStringLiteral("(keine)"))->setEnabled(false);
        for (qsizetype i = 0; i < liste.size(); ++i) {
            const QString pfad = liste[i];
            QAction *a = zuletzt->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(pfad)));
            QObject::connect(a, &QAction::triggered, zuletzt, [pfad, &befehle] {
                if (TFGemeinschaft *f = gemeinschaftsfenster(befehle))
                    f->dateiOeffnen(pfad);
            });
        }
    });
}

} // namespace Gemeinschaftsmenue
