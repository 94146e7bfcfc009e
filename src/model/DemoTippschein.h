// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

// The sample ticket that a first start places in the data folder: twelve rows played alone.
QByteArray DemoTippschein();
