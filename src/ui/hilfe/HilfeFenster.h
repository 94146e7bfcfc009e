// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/hilfe/HilfeArchiv.h"

#include <QWidget>

class HilfeBrowser;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

// The help window: the contents and the search page at the left, the page at the right.
class HilfeFenster : public QWidget
{
    Q_OBJECT

public:
    explicit HilfeFenster(QWidget *parent = nullptr);

    void zeigeThema(const QString &hilfedatei, int thema);
    void zeigeSuche(const QString &hilfedatei);

    // The number of the topic shown, 0 while a note or a page without a number is shown.
    int aktuellesThema() const;
    QString seitentext() const;
    bool suchseiteAktiv() const;

private:
    // True when the file was (re)loaded; the caller then drops the history of the former file
    // once the new page is shown.
    bool dateiLaden(const QString &hilfedatei);
    void inhaltFuellen();
    void oeffnen(const QUrl &url);
    void seiteOeffnen(const QString &datei);
    void hinweisOderThema(int thema);
    void suchen();
    void trefferOeffnen(QListWidgetItem *eintrag);
    void seiteGewechselt(const QUrl &url);
    void nachVorn();

    HilfeArchiv m_archiv;
    int m_stand = -1;
    HilfeBrowser *m_browser = nullptr;
    QTabWidget *m_reiter = nullptr;
    QWidget *m_suchseite = nullptr;
    QTreeWidget *m_inhalt = nullptr;
    QLineEdit *m_suchfeld = nullptr;
    QListWidget *m_treffer = nullptr;
    QLabel *m_trefferzahl = nullptr;
    QToolButton *m_zurueck = nullptr;
    QToolButton *m_vor = nullptr;
    QToolButton *m_startseite = nullptr;
};
