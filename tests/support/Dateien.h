// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Whole-file reads and writes for test fixtures.
inline bool schreibe(const QString &datei, const QByteArray &daten)
{
    QFile f(datei);
    return f.open(QIODevice::WriteOnly) && f.write(daten) == daten.size();
}

inline QByteArray inhalt(const QString &datei)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
