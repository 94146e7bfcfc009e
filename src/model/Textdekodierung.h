// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Text files that come from outside (CSV files, the settings file carried over from older
// installations) are either UTF-8 or Windows-1252. The decision is made once for the whole
// file: UTF-8 when every byte sequence is valid UTF-8 (a byte-order mark is skipped),
// otherwise Windows-1252, so an "ö" written by an old Windows program reads as "ö".
enum class Textkodierung { Utf8, Windows1252 };

struct DekodierterText
{
    QString text;
    Textkodierung kodierung = Textkodierung::Utf8;
};

DekodierterText TextDekodieren(const QByteArray &bytes);

// Windows-1252 alone, for texts that are known to come from there.
QString AusWindows1252(const QByteArray &bytes);
