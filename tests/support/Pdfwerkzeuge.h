// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The real readers of poppler-utils on a PDF the program wrote: what a viewer would find in it.
namespace Pdfwerkzeuge {

// Runs the tool and returns its standard output; an empty text when it failed.
inline QString lauf(const QString &werkzeug, const QStringList &argumente)
{
    QProcess p;
    p.start(werkzeug, argumente);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of the pages `von`..`bis` (0: to the end) in reading order, laid out as on the page.
inline QString text(const QString &pdf, int von = 1, int bis = 0)
{
    QStringList argumente{QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(von)};
    if (bis > 0)
        argumente << QStringLiteral("-l") << QString::number(bis);
    return lauf(QStringLiteral("pdftotext"), argumente << pdf << QStringLiteral("-"));
}

// pdfinfo's lines: page count, page size, title, creator.
inline QString info(const QString &pdf)
{
    return lauf(QStringLiteral("pdfinfo"), {pdf});
}

// Renders one page as `png` (without the ending, pdftoppm adds it); true when it worked.
inline bool alsBild(const QString &pdf, int seite, const QString &png)
{
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("90"), QStringLiteral("-singlefile"),
             QStringLiteral("-f"), QString::number(seite), QStringLiteral("-l"), QString::number(seite), pdf, png});
    return p.waitForFinished(60000) && p.exitCode() == 0;
}

} // namespace Pdfwerkzeuge
