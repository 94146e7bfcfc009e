// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Textzellen.h"

#include <QStringList>

// A table's cells as "a|b|c" lines, row 0 included, to compare whole tables at a glance.
inline QStringList zeilen(const TextTabelle &t)
{
    QStringList ergebnis;
    for (int z = 0; z < t.zeilen(); ++z) {
        QStringList zellen;
        for (int s = 0; s < t.spalten(); ++s)
            zellen << t.zelle(s, z);
        ergebnis << zellen.join(QLatin1Char('|'));
    }
    return ergebnis;
}
