// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "statistics/Kombistatistik.h"

#include <QGroupBox>

#include <array>

class Diagrammseite;
class Favoritenseite;
class Gitter;
class Haeufigkeitsfeld;
class Musterseite;
class Zusatzzahlseite;
class KombiSuche;
class QButtonGroup;
class QComboBox;
class QLabel;
class QTabWidget;
class QToolButton;
class TextTabellenModell;
struct Zustand;

// The content of the statistics window: the period, how often each number was drawn in it,
// how long each number has been missing, the most and least frequent pairs, triples and
// quadruples, the combination search and the charts.
//
// The lists are built from the history as it is when the frame is made; later changes of the
// history are not followed. The period lists index Ziehungen, so every routine they feed
// clamps them to the history there is now.
class TFfrStatistik : public QGroupBox
{
    Q_OBJECT
public:
    explicit TFfrStatistik(Zustand &zustand, QWidget *eltern = nullptr);

    // The handlers of the controls, in the order the user meets them.
    void combo1Change();
    void BStartClick();
    void RGLetzteClick(int wahl);
    void BAufClick();
    void BStart3Click();
    void BStart2Click();

    int von() const;
    int bis() const;
    const std::array<int, 5> &LetzteWerte() const { return m_letzteWerte; }

    Haeufigkeitsfeld *feld() const { return m_feld; }
    Favoritenseite *zweier() const { return m_zweier; }
    Favoritenseite *dreier() const { return m_dreier; }
    Favoritenseite *vierer() const { return m_vierer; }
    KombiSuche *suche() const { return m_suche; }
    Diagrammseite *diagramme() const { return m_diagramme; }
    Zusatzzahlseite *zusatzzahlen() const { return m_zusatzzahlen; }
    Musterseite *muster() const { return m_muster; }
    QTabWidget *seiten() const { return m_seiten; }

Q_SIGNALS:
    // The user wants the download area, as the history is empty.
    void downloadbereichGewuenscht();

private:
    QWidget *baueZeitraum();
    QWidget *baueRGLetzte();
    QWidget *baueAusgeblieben();
    QTabWidget *baueSeiten();
    void ComboFuellen();
    void GAusFuellen();
    void zeigeZeitraumlaenge();
    // The tabs of the Zusatzzahl and the patterns for the period von..bis.
    void zeigeZeitraumseiten(int von, int bis);
    void favoritenStarten(Favoritenseite *seite, Kombitabelle &tabelle, int k);

    Zustand &m_zustand;
    const int m_anzahl; // draws when the frame was built
    std::array<int, 5> m_letzteWerte{};
    bool m_fensterBereit = false;

    Kombitabelle m_zweierTabelle;
    Kombitabelle m_dreierTabelle;
    Kombitabelle m_viererTabelle;

    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
    QToolButton *m_start = nullptr;
    QLabel *m_lzie = nullptr;
    Haeufigkeitsfeld *m_feld = nullptr;
    QButtonGroup *m_letzte = nullptr;
    QToolButton *m_auf = nullptr;
    Gitter *m_gaus = nullptr;
    TextTabellenModell *m_gausModell = nullptr;
    QTabWidget *m_seiten = nullptr;
    Favoritenseite *m_zweier = nullptr;
    Favoritenseite *m_dreier = nullptr;
    Favoritenseite *m_vierer = nullptr;
    KombiSuche *m_suche = nullptr;
    Diagrammseite *m_diagramme = nullptr;
    Zusatzzahlseite *m_zusatzzahlen = nullptr;
    Musterseite *m_muster = nullptr;
};
