// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QPrinter;
class QWidget;

// The print dialog, behind a seam so tests can print without a person: their answer prints
// into a file.
namespace Druckdialog {

// Lets the user choose the printer and its settings for `drucker`; false when cancelled.
bool waehlen(QWidget *eltern, QPrinter &drucker);

class Anbieter
{
public:
    virtual ~Anbieter() = default;
    virtual bool waehlen(QWidget *eltern, QPrinter &drucker) = 0;
};

// Installs `anbieter` (nullptr: the real dialog); the caller keeps ownership.
void setzeAnbieter(Anbieter *anbieter);

} // namespace Druckdialog
