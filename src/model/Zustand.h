// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"
#include "model/Spiel.h"

#include <QLocale>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>

// The program-wide state that lives for the whole run. The application owns one instance
// and hands it to the windows; tests make their own.
struct Zustand
{
    QVector<TGewZahlen> Ziehungen;    // oldest first, the last element is the newest draw
    QVector<TGewAusw> AuswZiehungen;  // the draws of the latest evaluation
    bool EinzelAuswertung = false;    // the latest evaluation covered one draw only
    bool DownloadNachfragen = true;   // the update window asks before it downloads
    float Reihenpreis = 2.0F;         // euros per tip row and draw
    QLocale Formateinstellungen;
    QString Datenordner;    // ends with a separator
    QString Programmordner; // ends with a separator
    QString Hilfedatei;
    QString Tempdatei;

    // Statistics base, recomputed from Ziehungen after every change.
    std::array<std::int32_t, MaxZahl + 1> Haeufigkeiten{}; // indexed by the numbers 1..49
    QVector<Zahlenmenge> Ziehungsmengen;

    QString einstellungsdatei() const { return Datenordner + Dateinamen::Einstellungen; }
    QString gewinnreihendatei() const { return Datenordner + Dateinamen::Gewinnreihen; }
};
