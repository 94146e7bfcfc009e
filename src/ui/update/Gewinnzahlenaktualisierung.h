// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QGroupBox>

#include <functional>

class Downloadlauf;
class QLabel;
class QPushButton;
struct Downloadergebnis;
struct Zustand;

// The left half of the update window: how current the local draw history is, and the download
// of the whole history from the server.
class Gewinnzahlenaktualisierung : public QGroupBox
{
    Q_OBJECT
public:
    Gewinnzahlenaktualisierung(Zustand &zustand, Downloadlauf &lauf, QWidget *eltern);

    enum class Ausgang { Geladen, Gescheitert, Abgebrochen };

    // Downloads the history and, when the server's answer can be one, puts it in place of the
    // history file; an answer that lacks stored draws only after the user said "Ja" to losing
    // them. `danach` learns how it ended. Whatever the server answers, the history file is
    // afterwards either the new one or exactly the old one.
    void GZDownload(std::function<void(Ausgang)> danach = {});
    // The date of the newest local draw against the latest draw day.
    void StatusAktualisieren();

    // The clock of the latest draw day; tests set their own.
    std::function<QDateTime()> jetzt = [] { return QDateTime::currentDateTime(); };

Q_SIGNALS:
    // The history file was replaced: whoever shows the history reloads it.
    void gewinnreihenErsetzt();

private:
    Ausgang uebernehmen(const Downloadergebnis &ergebnis);

    Zustand &m_zustand;
    Downloadlauf &m_lauf;
    QLabel *m_lStand = nullptr;
    QLabel *m_lAktuell = nullptr;
    QPushButton *m_bupdate = nullptr;
};
