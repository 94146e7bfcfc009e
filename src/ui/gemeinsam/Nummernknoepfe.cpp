// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Nummernknoepfe.h"

#include <QStyle>

namespace {
// Three looks: normal, a chosen winning number, a chosen Zusatzzahl.
const QString Aussehen = QStringLiteral(
    "Nummernknopf { background: #f4f4f4; color: black; border: 1px solid #a0a0a0; border-radius: 3px; }"
    "Nummernknopf:hover { border-color: #505050; }"
    "TBZahl[gewaehlt=\"true\"] { background: #ffd24d; border: 1px solid #b07d00; }"
    "TBSuperZahl[gewaehlt=\"true\"] { background: #2f6fd6; color: white; border: 1px solid #163d80; }");
} // namespace

Nummernknopf::Nummernknopf(int tag, QWidget *eltern) : QPushButton(eltern), m_tag(tag)
{
    setFocusPolicy(Qt::NoFocus);
    setProperty("gewaehlt", false);
}

void Nummernknopf::setzeGewaehlt(bool gewaehlt)
{
    if (gewaehlt == m_gewaehlt)
        return;
    m_gewaehlt = gewaehlt;
    setProperty("gewaehlt", gewaehlt);
    style()->unpolish(this);
    style()->polish(this);
    update();
}

TBZahl::TBZahl(int zahl, QWidget *eltern) : Nummernknopf(zahl, eltern)
{
    setObjectName(QStringLiteral("PNummer%1").arg(zahl));
    setText(QString::number(zahl));
    setFixedSize(36, 28);
    QFont f = font();
    f.setPointSize(8);
    f.setBold(true);
    setFont(f);
    setStyleSheet(Aussehen);
}

TBSuperZahl::TBSuperZahl(int zahl, QWidget *eltern) : Nummernknopf(100 + zahl, eltern)
{
    setObjectName(QStringLiteral("PSZNummer%1").arg(zahl));
    setText(QString::number(zahl));
    setFixedSize(26, 24);
    QFont f = font();
    f.setPointSize(9);
    f.setBold(true);
    setFont(f);
    setStyleSheet(Aussehen);
}
