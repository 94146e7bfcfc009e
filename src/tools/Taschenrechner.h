// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The desktop calculators the program looks for on the PATH, in this order.
QStringList BekannteTaschenrechner();

// The full path of the first calculator of that list found on the PATH; empty when none is.
QString TaschenrechnerFinden();
