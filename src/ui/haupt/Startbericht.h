// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/gemeinsam/Meldungen.h"

#include <QStringList>

#include <memory>

class TFAuswertung;
struct Zustand;

// For scripts and tests that start the program itself: when the environment variable
// QUINTARO_STARTBERICHT names a file, the program answers its own message boxes (OK, "Nein"),
// goes past the start window without a click, writes what the start showed into that file as
// JSON (caption, folders, the .xls reader it would start, number of draws, tab captions,
// messages, sizes of the window icon) and ends.
class Startbericht : public Meldungen::Anzeige
{
public:
    static constexpr const char *Variable = "QUINTARO_STARTBERICHT";

    // A report that answers the message boxes from now on; nullptr when the variable is not set.
    static std::unique_ptr<Startbericht> ausUmgebung();
    ~Startbericht() override;

    Meldungen::Antwort zeige(QWidget *eltern, Art art, const QString &text) override;

    // Writes the report and closes the main window, which ends the program.
    void abschliessen(TFAuswertung &hauptfenster, const Zustand &zustand);

private:
    explicit Startbericht(QString datei);

    QString m_datei;
    QStringList m_meldungen;
};
