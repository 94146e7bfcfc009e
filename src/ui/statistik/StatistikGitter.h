// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QStringList>

class Gitter;
class QWidget;

// A grid of the statistics window: its columns get the given widths, widened where the
// widest text a column can show (`muster`) would not fit. Returns the captions centred in
// the final widths, for the grid's model.
QStringList richteSpaltenEin(Gitter *gitter, const QStringList &kopf, const QList<int> &breiten,
                             const QStringList &muster);

// A grid that shows its columns without a horizontal scroll bar.
int gitterbreite(const Gitter *gitter);
