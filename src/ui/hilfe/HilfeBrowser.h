// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextBrowser>

class HilfeArchiv;

// Shows the pages of the help file. Pages live under the scheme "chm", so that links between
// them resolve as usual; the notes about a missing file or topic live under "hinweis".
class HilfeBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HilfeBrowser(const HilfeArchiv &archiv, QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;

    static QUrl seitenUrl(const QString &datei);
    static QUrl hinweisUrl(const QString &art, int thema = 0);
    static bool istSeite(const QUrl &url);

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;

private:
    QString hinweis(const QUrl &url) const;

    const HilfeArchiv &m_archiv;
};
