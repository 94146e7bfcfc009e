// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "entry/Gewinnreihendatei.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

// What an import of draws would change, shown before anything changes: the new draws, the
// draws that differ from the stored ones (both versions), the lines that are no draw with
// their reason, and the choice of what to take.
class TFGewinnreihenImport : public QDialog
{
    Q_OBJECT
public:
    TFGewinnreihenImport(const Gewinnreihenimport &import, const QString &datei, const QLocale &locale,
                         QWidget *eltern);

    // The user's choice: the differing draws replace the stored ones as well.
    bool abweichendeErsetzen() const;

private:
    QWidget *baueNeue(const QLocale &locale);
    QWidget *baueAbweichende(const QLocale &locale);
    QWidget *baueFehler();
    void wahlGeaendert();

    const Gewinnreihenimport &m_import;
    QTabWidget *m_seiten = nullptr;
    QRadioButton *m_nurNeue = nullptr;
    QRadioButton *m_ersetzen = nullptr;
    QPushButton *m_uebernehmen = nullptr;
};
