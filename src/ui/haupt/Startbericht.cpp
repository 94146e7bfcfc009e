// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/haupt/Startbericht.h"

#include "entry/Mappenleser.h"
#include "model/Zustand.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/haupt/Tippauswertung.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTabWidget>

#include <cstdio>

std::unique_ptr<Startbericht> Startbericht::ausUmgebung()
{
    const QString datei = qEnvironmentVariable(Variable);
    if (datei.isEmpty())
        return nullptr;
    return std::unique_ptr<Startbericht>(new Startbericht(datei));
}

Startbericht::Startbericht(QString datei) : m_datei(std::move(datei))
{
    Meldungen::setzeAnzeige(this);
}

Startbericht::~Startbericht()
{
    Meldungen::setzeAnzeige(nullptr);
}

Meldungen::Antwort Startbericht::zeige(QWidget *, Art art, const QString &text)
{
    m_meldungen << text;
    return art == Art::Information || art == Art::Fehler ? Meldungen::Antwort::Ok : Meldungen::Antwort::Nein;
}

void Startbericht::abschliessen(TFAuswertung &hauptfenster, const Zustand &zustand)
{
    QJsonArray tabs;
    const QTabWidget *pc1 = hauptfenster.tippauswertung()->PC1();
    for (int i = 0; i < pc1->count(); ++i)
        tabs.append(pc1->tabText(i));
    QJsonObject bericht;
    bericht.insert(QStringLiteral("titel"), hauptfenster.windowTitle());
    bericht.insert(QStringLiteral("datenordner"), zustand.Datenordner);
    bericht.insert(QStringLiteral("hilfedatei"), zustand.Hilfedatei);
    bericht.insert(QStringLiteral("xlsleser"), XlsLeserProgramm());
    bericht.insert(QStringLiteral("ziehungen"), static_cast<int>(zustand.Ziehungen.size()));
    bericht.insert(QStringLiteral("tabs"), tabs);
    bericht.insert(QStringLiteral("aktuellerTab"), pc1->currentIndex());
    bericht.insert(QStringLiteral("meldungen"), QJsonArray::fromStringList(m_meldungen));
    bericht.insert(QStringLiteral("symbolgroessen"),
                   static_cast<int>(hauptfenster.windowIcon().availableSizes().size()));

    QFile f(m_datei);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(QJsonDocument(bericht).toJson()) < 0)
        std::fprintf(stderr, "%s: %s\n", Variable, qPrintable(f.errorString()));
    f.close();
    hauptfenster.close();
}
