// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Druckdialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace Druckdialog {
namespace {

class Standarddialog : public Anbieter
{
public:
    bool waehlen(QWidget *eltern, QPrinter &drucker) override
    {
        QPrintDialog dialog(&drucker, eltern);
        return dialog.exec() == QDialog::Accepted;
    }
};

Standarddialog standard;
Anbieter *aktuell = &standard;

} // namespace

void setzeAnbieter(Anbieter *anbieter)
{
    aktuell = anbieter ? anbieter : &standard;
}

bool waehlen(QWidget *eltern, QPrinter &drucker)
{
    return aktuell->waehlen(eltern, drucker);
}

} // namespace Druckdialog
