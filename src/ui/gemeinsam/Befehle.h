// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <initializer_list>

class QAbstractButton;
class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;
struct Zustand;

// The commands that several windows offer: open the ticket entry, the n-over-k calculator,
// the statistics, the generator, the systems, the update window, the calendar, the about window, start
// the pocket calculator, open the web pages. Each exists once, as one QAction owned here;
// every window's tool bar and menu take their entries from this set, so a window added
// later reaches every tool bar at once. A command whose work is not set stays disabled.
class Befehle : public QObject
{
    Q_OBJECT
public:
    enum class Art {
        Eingabe,
        NueberK,
        Statistik,
        Rechner,
        Update,
        Kalender,
        Zufall,
        Info,
        Ergebnisse,
        Homepage,
        Produkt,
        Systeme,
        Strategietest,
        Gemeinschaft
    };
    static constexpr int Anzahl = 14;

    // Connects every command whose window is part of the program (see Fensterbefehle.cpp).
    explicit Befehle(Zustand &zustand, QObject *eltern = nullptr);
    ~Befehle() override;

    Zustand &zustand() const { return m_zustand; }
    QAction *aktion(Art art) const { return m_aktionen[static_cast<std::size_t>(art)]; }

    // Gives the command its work and enables it.
    void setzeAusfuehrung(Art art, std::function<void()> ausfuehren);
    // Keeps the command disabled; its tooltip says why.
    void sperre(Art art, const QString &grund);

    // The command's icon button in a tool bar, named as in the design (`BStatistik`, …).
    QToolButton *knopf(QToolBar *leiste, Art art) const;
    // A menu entry with its own caption that runs the command and follows its enabled state
    // and tooltip (which says why a command is disabled).
    QAction *menueeintrag(QMenu *menue, const QString &text, Art art) const;
    // A picture or link of a window (a logo, a banner) that runs the command on a click and
    // follows its enabled state; the widget keeps its own name and tooltip.
    void verbinde(QAbstractButton *knopf, Art art) const;

    // The two buttons every tool window's tool bar has: `BClose` closes `fenster`; `BHelp`, and
    // F1 anywhere in `fenster`, open the help file at `thema`.
    static QToolButton *schliessenKnopf(QToolBar *leiste, QWidget *fenster,
                                        const QString &hinweis = QStringLiteral("Fenster schließen"));
    QToolButton *hilfeKnopf(QToolBar *leiste, QWidget *fenster, int thema,
                            const QString &hinweis = QStringLiteral("Hilfe zu diesem Fenster")) const;

    // The buttons of the windows that every tool bar offers (systems, strategy test, syndicate),
    // those `leiste` lacks, but not the one of `fenster` itself. A window added to this list
    // reaches every tool bar at once.
    void fensterknoepfe(QToolBar *leiste, const QWidget *fenster) const;

    // The tool bar along the top of a window: its close button first, then the buttons of
    // `arten` and the windows every tool bar offers, and at the right end the help button for
    // `thema`.
    QToolBar *werkzeugleiste(QMainWindow *fenster, std::initializer_list<Art> arten, int thema,
                             const QString &hilfehinweis,
                             const QString &schliessenhinweis = QStringLiteral("Fenster schließen")) const;

Q_SIGNALS:
    // The draw history file was replaced (a download, an import): whoever shows the history
    // reloads it.
    void gewinnreihenErsetzt();
    // A draw entered or corrected by hand in the main window was saved; the history in memory
    // holds it already.
    void ziehungGespeichert();

private:
    void verbindeFenster();

    Zustand &m_zustand;
    std::array<QAction *, Anzahl> m_aktionen{};
    std::array<std::function<void()>, Anzahl> m_ausfuehrungen{};
};
