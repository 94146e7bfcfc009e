// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"
#include "model/Zustand.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <memory>

class Befehle;

// A data folder of its own for a window test: XDG_DATA_HOME points into a temporary folder,
// and the state is prepared as the start window would prepare it, with a German locale.
class Testumgebung
{
public:
    // The sample ticket that a first start places in the data folder stays only when asked for.
    explicit Testumgebung(bool mitDemo = false);
    ~Testumgebung();

    Zustand zustand;
    // The shared command set on this state, made at the first call.
    Befehle &befehle();

    QString pfad(const QString &name) const { return zustand.Datenordner + name; }
    void schreibe(const QString &name, const QByteArray &daten) const;
    QByteArray lies(const QString &name) const;
    bool gibt(const QString &name) const;

    // A draw record on `datum` with the given numbers.
    static TGewZahlen ziehung(const QDate &datum, std::array<std::uint8_t, 5> zahlen, std::uint8_t zz);
    // `anzahl` weekly draws from 1 January 2024 on, as file bytes.
    static QByteArray ziehungen(int anzahl);

private:
    QTemporaryDir m_ordner;
    std::unique_ptr<Befehle> m_befehle;
    QByteArray m_alterXdg;
};
