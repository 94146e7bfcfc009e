// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Befehle.h"

#include "model/Zustand.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/hilfe/Hilfe.h"

#include <QAbstractButton>
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

namespace {

struct Beschreibung
{
    const char *knopfname;
    const char *hinweis;
    QIcon (*symbol)();
};

Beschreibung beschreibung(Befehle::Art art)
{
    using A = Befehle::Art;
    switch (art) {
    case A::Eingabe: return {"BEingabeN", "Neuen Tippschein eingeben", Symbole::eingabe};
    case A::NueberK: return {"BNoverK", "n über k berechnen", Symbole::nUeberK};
    case A::Statistik: return {"BStatistik", "Statistik der Gewinnzahlen", Symbole::statistik};
    case A::Rechner: return {"BCalc", "Taschenrechner starten", Symbole::rechner};
    case A::Update: return {"BUpdate", "Update-Prüfung und Download der Gewinnreihen", Symbole::update};
    case A::Kalender: return {"BKal", "Kalender anzeigen", Symbole::kalender};
    case A::Zufall: return {"BZufall", "Zufallsreihen erzeugen", Symbole::zufall};
    case A::Info: return {"BInfo", "Programm-Info", Symbole::hilfe};
    case A::Ergebnisse: return {"SpeedButton4", "Aktuelle Zahlen und Quoten aufrufen", Symbole::internet};
    case A::Homepage: return {"Image3", "Zur Internetseite des Programms", Symbole::internet};
    case A::Produkt: return {"Image2", "Zur Produktseite", Symbole::internet};
    case A::Systeme:
        return {"BSysteme", "Systeme bilden", [] { return Symbole::symbol(QStringLiteral("S"), QColor(0, 110, 60)); }};
    case A::Strategietest:
        return {"BStrategietest", "Strategien gegen den Zufall testen",
                [] { return Symbole::symbol(QStringLiteral("T"), QColor(0x90, 0x30, 0x90)); }};
    case A::Gemeinschaft:
        return {"BGemeinschaft", "Tippgemeinschaft: Mitglieder, Kasse, Abrechnung",
                [] { return Symbole::symbol(QStringLiteral("G"), QColor(150, 90, 0)); }};
    }
    return {"", "", Symbole::hilfe};
}

} // namespace

Befehle::Befehle(Zustand &zustand, QObject *eltern) : QObject(eltern), m_zustand(zustand)
{
    for (int i = 0; i < Anzahl; ++i) {
        const auto art = static_cast<Art>(i);
        const Beschreibung b = beschreibung(art);
        const QString hinweis = QString::fromUtf8(b.hinweis);
        auto *aktion = new QAction(b.symbol(), hinweis, this);
        aktion->setObjectName(QLatin1String(b.knopfname));
        aktion->setToolTip(hinweis);
        aktion->setEnabled(false);
        connect(aktion, &QAction::triggered, this, [this, i] {
            if (m_ausfuehrungen[static_cast<std::size_t>(i)])
                m_ausfuehrungen[static_cast<std::size_t>(i)]();
        });
        m_aktionen[static_cast<std::size_t>(i)] = aktion;
    }
    verbindeFenster();
}

Befehle::~Befehle() = default;

void Befehle::setzeAusfuehrung(Art art, std::function<void()> ausfuehren)
{
    QAction *a = aktion(art);
    a->setEnabled(static_cast<bool>(ausfuehren));
    a->setToolTip(a->text());
    m_ausfuehrungen[static_cast<std::size_t>(art)] = std::move(ausfuehren);
}

void Befehle::sperre(Art art, const QString &grund)
{
    QAction *a = aktion(art);
    m_ausfuehrungen[static_cast<std::size_t>(art)] = nullptr;
    a->setEnabled(false);
    a->setToolTip(a->text() + QStringLiteral(" \u2013 ") + grund);
}

QToolButton *Befehle::knopf(QToolBar *leiste, Art art) const
{
    QAction *a = aktion(art);
    leiste->addAction(a);
    auto *widget = qobject_cast<QToolButton *>(leiste->widgetForAction(a));
    widget->setObjectName(a->objectName());
    widget->setAccessibleName(a->text());
    return widget;
}

void Befehle::fensterknoepfe(QToolBar *leiste, const QWidget *fenster) const
{
    struct Fensterbefehl
    {
        Art art;
        const char *fenstername;
    };
    static constexpr Fensterbefehl Fensterbefehle[] = {
        {Art::Systeme, "FSysteme"}, {Art::Strategietest, "FStrategietest"}, {Art::Gemeinschaft, "FGemeinschaft"}};
    for (const auto &[art, fenstername] : Fensterbefehle)
        if (fenster->objectName() != QLatin1String(fenstername) && !leiste->actions().contains(aktion(art)))
            knopf(leiste, art);
}

QAction *Befehle::menueeintrag(QMenu *menue, const QString &text, Art art) const
{
    QAction *befehl = aktion(art);
    QAction *eintrag = menue->addAction(text);
    const auto folgen = [befehl, eintrag] {
        eintrag->setEnabled(befehl->isEnabled());
        eintrag->setToolTip(befehl->toolTip());
    };
    folgen();
    menue->setToolTipsVisible(true);
    connect(befehl, &QAction::changed, eintrag, folgen);
    connect(eintrag, &QAction::triggered, befehl, &QAction::trigger);
    return eintrag;
}

void Befehle::verbinde(QAbstractButton *knopf, Art art) const
{
    QAction *befehl = aktion(art);
    knopf->setEnabled(befehl->isEnabled());
    connect(befehl, &QAction::enabledChanged, knopf, &QWidget::setEnabled);
    connect(knopf, &QAbstractButton::clicked, befehl, &QAction::trigger);
}

namespace {
QToolButton *bildknopf(QToolBar *leiste, const QString &name, const QIcon &icon, const QString &hinweis)
{
    auto *aktion = new QAction(icon, hinweis, leiste);
    aktion->setToolTip(hinweis);
    leiste->addAction(aktion);
    auto *widget = qobject_cast<QToolButton *>(leiste->widgetForAction(aktion));
    widget->setObjectName(name);
    widget->setAccessibleName(hinweis);
    return widget;
}
} // namespace

QToolButton *Befehle::schliessenKnopf(QToolBar *leiste, QWidget *fenster, const QString &hinweis)
{
    QToolButton *knopf = bildknopf(leiste, QStringLiteral("BClose"), Symbole::beenden(), hinweis);
    connect(knopf->defaultAction(), &QAction::triggered, fenster, &QWidget::close);
    return knopf;
}

QToolButton *Befehle::hilfeKnopf(QToolBar *leiste, QWidget *fenster, int thema, const QString &hinweis) const
{
    QToolButton *knopf = bildknopf(leiste, QStringLiteral("BHelp"), Symbole::hilfe(), hinweis);
    const QString datei = m_zustand.Hilfedatei;
    connect(knopf->defaultAction(), &QAction::triggered, fenster, [datei, thema] { Hilfe::zeigeThema(datei, thema); });
    Hilfe::taste(fenster, datei, thema);
    return knopf;
}

QToolBar *Befehle::werkzeugleiste(QMainWindow *fenster, std::initializer_list<Art> arten, int thema,
                                  const QString &hilfehinweis, const QString &schliessenhinweis) const
{
    QToolBar *leiste = fenster->addToolBar(QStringLiteral("Werkzeuge"));
    leiste->setObjectName(QStringLiteral("Tool1"));
    leiste->setMovable(false);
    leiste->setIconSize(QSize(24, 24));
    leiste->setToolButtonStyle(Qt::ToolButtonIconOnly);
    schliessenKnopf(leiste, fenster, schliessenhinweis);
    for (Art art : arten)
        knopf(leiste, art);
    fensterknoepfe(leiste, fenster);
    auto *abstand = new QWidget(leiste);
    abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    leiste->addWidget(abstand);
    hilfeKnopf(leiste, fenster, thema, hilfehinweis);
    return leiste;
}
