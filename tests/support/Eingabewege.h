// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

// The ways text reaches a field: typed key by key, pasted with Ctrl+V, dropped by the mouse.
enum class Eingabeweg { Tippen, Einfuegen, Ablegen };

// Empties `feld`, brings `text` into it the way the user would, and returns what it then holds.
inline QString eingeben(QLineEdit *feld, Eingabeweg weg, const QString &text)
{
    feld->clear();
    feld->setFocus();
    switch (weg) {
    case Eingabeweg::Tippen:
        QTest::keyClicks(feld, text);
        break;
    case Eingabeweg::Einfuegen:
        QGuiApplication::clipboard()->setText(text);
        QTest::keySequence(feld, QKeySequence::Paste);
        break;
    case Eingabeweg::Ablegen: {
        QMimeData daten;
        daten.setText(text);
        QDropEvent ablage(QPointF(feld->width() / 2.0, feld->height() / 2.0), Qt::CopyAction, &daten, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(feld, &ablage);
        break;
    }
    }
    return feld->text();
}

Q_DECLARE_METATYPE(Eingabeweg)
