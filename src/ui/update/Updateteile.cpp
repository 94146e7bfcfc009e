// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/update/Updateteile.h"

#include "ui/gemeinsam/Wertlabel.h"

namespace Updateteile {

QLabel *text(const QString &name, const QString &inhalt, QWidget *eltern)
{
    auto *l = new QLabel(inhalt, eltern);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

QLabel *anzeige(const QString &name, const QString &muster, QWidget *eltern)
{
    auto *l = new Wertlabel(name, Qt::AlignHCenter, muster, eltern);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMargin(2);
    return l;
}

QLabel *beschriftung(const QString &name, const QString &inhalt, QWidget *feld, QWidget *eltern)
{
    auto *l = new QLabel(inhalt, eltern);
    l->setObjectName(name);
    l->setBuddy(feld);
    return l;
}

} // namespace Updateteile
