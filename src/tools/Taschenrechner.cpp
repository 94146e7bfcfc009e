// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/Taschenrechner.h"

#include <QStandardPaths>

QStringList BekannteTaschenrechner()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),         QStringLiteral("galculator"),
            QStringLiteral("mate-calc"),        QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
}

QString TaschenrechnerFinden()
{
    const QStringList namen = BekannteTaschenrechner();
    for (const QString &name : namen) {
        const QString pfad = QStandardPaths::findExecutable(name);
        if (!pfad.isEmpty())
            return pfad;
    }
    return QString();
}
