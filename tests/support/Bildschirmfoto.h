// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QString>
#include <QWidget>

// Keeps a picture of a window for a look by eye when QUINTARO_BILDER names a folder; does
// nothing otherwise.
inline QString bildordner()
{
    return qEnvironmentVariable("QUINTARO_BILDER");
}

inline void bildSichern(QWidget *fenster, const QString &name)
{
    const QString ordner = bildordner();
    if (ordner.isEmpty())
        return;
    QDir().mkpath(ordner);
    // Charts and layouts catch up with the last change through posted events.
    QCoreApplication::processEvents();
    fenster->grab().toImage().save(ordner + QLatin1Char('/') + name + QStringLiteral(".png"));
}
