// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which window or program each shared command opens. A command without its window stays
// disabled (see Befehle).
#include "ui/gemeinsam/Befehle.h"

#include "model/Zustand.h"
#include "tools/Taschenrechner.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/gemeinschaft/Gemeinschaftsfenster.h"
#include "ui/statistik/StatistikFenster.h"
#include "ui/strategie/Strategiefenster.h"
#include "ui/systeme/Systemfenster.h"
#include "ui/update/UpdateFenster.h"
#include "ui/werkzeuge/Aufrufe.h"
#include "ui/werkzeuge/Info.h"
#include "ui/werkzeuge/Kalender.h"
#include "ui/werkzeuge/NueberK.h"
#include "ui/zufall/Zufallsfenster.h"

#include <QGuiApplication>
#include <QTimer>

void Befehle::verbindeFenster()
{
    // Eingabe: the ticket entry window. Programmstart makes it once, hidden, and gives the
    // command its work then.

    // NueberK: the n-over-k calculator.
    setzeAusfuehrung(Art::NueberK, [this] {
        // Parented to the main window, so it goes when the program ends.
        oeffneOderHole(QStringLiteral("FNueberK"),
                       [this] { return new TFNueberK(m_zustand, findeFenster(QStringLiteral("FAuswertung"))); });
    });

    // Statistik: the statistics window, built anew at each opening (an hourglass meanwhile).
    setzeAusfuehrung(Art::Statistik, [this] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        oeffneOderHole(
            QStringLiteral("FStatistik"), [this] { return new TFStatistik(m_zustand, *this); }, false);
        QGuiApplication::restoreOverrideCursor();
    });

    // Zufall: the generator.
    setzeAusfuehrung(Art::Zufall, [this] {
        // Parented to the main window: a run under way ends with the program.
        oeffneOderHole(QStringLiteral("FZufall"), [this] {
            return new TFZufall(m_zustand, *this, findeFenster(QStringLiteral("FAuswertung")));
        });
    });

    // Systeme: full and abbreviated systems. Parented to the main window: a search under way
    // ends with the program.
    setzeAusfuehrung(Art::Systeme, [this] {
        oeffneOderHole(QStringLiteral("FSysteme"), [this] {
            return new TFSysteme(m_zustand, *this, findeFenster(QStringLiteral("FAuswertung")));
        });
    });

    // Strategietest: strategies played over the history beside chance. Parented to the main
    // window: a test under way ends with the program.
    setzeAusfuehrung(Art::Strategietest, [this] {
        oeffneOderHole(QStringLiteral("FStrategietest"), [this] {
            return new TFStrategietest(m_zustand, *this, findeFenster(QStringLiteral("FAuswertung")));
        });
    });

    // Gemeinschaft: the syndicate ledger. Parented to the main window, so it closes its file
    // when the program ends.
    setzeAusfuehrung(Art::Gemeinschaft, [this] {
        oeffneOderHole(QStringLiteral("FGemeinschaft"), [this] {
            return new TFGemeinschaft(m_zustand, *this, findeFenster(QStringLiteral("FAuswertung")));
        });
    });

    // Update: the update window. Opened again, it runs its showing steps again, so a download
    // agreed to elsewhere starts also when the window was open already.
    setzeAusfuehrung(Art::Update, [this] {
        const QString name = QStringLiteral("FUpdate");
        const bool offen = FensterOffen(name);
        QWidget *fenster = oeffneOderHole(name, [this] {
            auto *f = new TFUpdate(m_zustand, *this, findeFenster(QStringLiteral("FAuswertung")));
            connect(f, &TFUpdate::gewinnreihenErsetzt, this, &Befehle::gewinnreihenErsetzt);
            return f;
        });
        if (offen)
            QTimer::singleShot(0, fenster, [fenster] { qobject_cast<TFUpdate *>(fenster)->anzeigen(); });
    });

    // Kalender, Info, Rechner, Ergebnisse, Homepage, Produkt: the small tools and web pages.
    // The calendar and the about window belong to the main window, so they close with it.
    const auto hauptfenster = [] { return findeFenster(QStringLiteral("FAuswertung")); };
    setzeAusfuehrung(Art::Kalender, [this, hauptfenster] {
        oeffneOderHole(QStringLiteral("FKal"), [&] { return new TFKal(m_zustand, hauptfenster()); }, false);
    });
    setzeAusfuehrung(Art::Info, [this, hauptfenster] {
        oeffneOderHole(QStringLiteral("FInfo"), [&] { return new TFInfo(m_zustand, hauptfenster()); });
    });
    if (const QString rechner = TaschenrechnerFinden(); rechner.isEmpty())
        sperre(Art::Rechner, Aufrufe::keinRechnerGrund());
    else
        setzeAusfuehrung(Art::Rechner, [rechner] { Aufrufe::rechnerStarten(rechner); });
    setzeAusfuehrung(Art::Homepage, [this] { Aufrufe::seiteOeffnen(m_zustand, Aufrufe::Seite::Homepage); });
    setzeAusfuehrung(Art::Ergebnisse, [this] { Aufrufe::seiteOeffnen(m_zustand, Aufrufe::Seite::Ergebnisse); });
    setzeAusfuehrung(Art::Produkt, [this] { Aufrufe::seiteOeffnen(m_zustand, Aufrufe::Seite::Produkt); });
}
