// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AlleFenster.h"

#include "model/Spiel.h"
#include "ui/eingabe/Eingabefenster.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/gewinnreihen/ImportVorschau.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/haupt/StartFenster.h"
#include "ui/hilfe/Hilfe.h"
#include "ui/hilfe/HilfeFenster.h"

#include <QAction>
#include <QApplication>
#include <QtTest>

AlleFenster::AlleFenster(int ziehungen)
{
    u.schreibe(Dateinamen::Gewinnreihen, Testumgebung::ziehungen(ziehungen));
    // The start window first, as the program shows it.
    auto *start = new TFStart(u.zustand, u.zustand.Datenordner);
    start->setAttribute(Qt::WA_DeleteOnClose, false);
    start->show();
    m_fenster << start;

    m_haupt = std::make_unique<TFAuswertung>(u.zustand, u.befehle());
    m_haupt->show();
    m_fenster << m_haupt.get();
    m_eingabe = std::make_unique<TFEingabe>(u.zustand, u.befehle());
    TFEingabe *eingabe = m_eingabe.get();
    u.befehle().setzeAusfuehrung(Befehle::Art::Eingabe, [eingabe] { eingabe->zeigen(); });

    using A = Befehle::Art;
    const QList<std::pair<A, QString>> befehle{{A::Eingabe, QStringLiteral("FEingabe")},
                                               {A::Zufall, QStringLiteral("FZufall")},
                                               {A::Statistik, QStringLiteral("FStatistik")},
                                               {A::Update, QStringLiteral("FUpdate")},
                                               {A::NueberK, QStringLiteral("FNueberK")},
                                               {A::Kalender, QStringLiteral("FKal")},
                                               {A::Info, QStringLiteral("FInfo")},
                                               {A::Systeme, QStringLiteral("FSysteme")},
                                               {A::Strategietest, QStringLiteral("FStrategietest")},
                                               {A::Gemeinschaft, QStringLiteral("FGemeinschaft")}};
    for (const auto &[art, name] : befehle) {
        u.befehle().aktion(art)->trigger();
        QWidget *f = findeFenster(name);
        if (!f)
            qFatal("no window %s", qPrintable(name));
        m_fenster << f;
    }
    Hilfe::zeigeThema(u.zustand.Hilfedatei, 1010);
    m_fenster << Hilfe::fenster();

    m_import.neue = u.zustand.Ziehungen.mid(0, 3);
    auto *vorschau = new TFGewinnreihenImport(m_import, QStringLiteral("Ziehungen.csv"), u.zustand.Formateinstellungen,
                                              m_haupt.get());
    vorschau->setObjectName(QStringLiteral("FGewinnreihenImport"));
    vorschau->show();
    m_fenster << vorschau;

    for (QWidget *f : fenster())
        if (!QTest::qWaitForWindowExposed(f))
            qWarning("window %s not exposed", qPrintable(f->objectName()));
}

AlleFenster::~AlleFenster()
{
    for (const QPointer<QWidget> &f : m_fenster)
        if (f && f != m_haupt.get() && f != m_eingabe.get() && f->parentWidget() == nullptr)
            delete f.data();
    m_haupt.reset();
    m_eingabe.reset();
}

QList<QWidget *> AlleFenster::fenster() const
{
    QList<QWidget *> offen;
    for (const QPointer<QWidget> &f : m_fenster)
        if (f && f->isVisible())
            offen << f.data();
    return offen;
}
