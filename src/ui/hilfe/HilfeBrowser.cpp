// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/hilfe/HilfeBrowser.h"

#include "ui/hilfe/HilfeArchiv.h"

#include <QDesktopServices>

namespace {
const QString SeitenSchema = QStringLiteral("chm");
const QString HinweisSchema = QStringLiteral("hinweis");

QString hinweisSeite(const QString &ueberschrift, const QString &text)
{
    return QStringLiteral("<html><head><title>%1</title></head><body>"
                          "<h2 style=\"color:#8a1c00\">%1</h2><p>%2</p></body></html>")
        .arg(ueberschrift.toHtmlEscaped(), text);
}

QString inAnfuehrung(const QString &text)
{
    return (QStringLiteral("\u201E") + text + QStringLiteral("\u201C")).toHtmlEscaped();
}
} // namespace

HilfeBrowser::HilfeBrowser(const HilfeArchiv &archiv, QWidget *parent) : QTextBrowser(parent), m_archiv(archiv)
{
    // Links to the web are handed to the desktop in doSetSource; Qt's own handling would hand
    // the help file's pages to the desktop as well.
    setOpenExternalLinks(false);
    setOpenLinks(true);
}

QUrl HilfeBrowser::seitenUrl(const QString &datei)
{
    QUrl url;
    url.setScheme(SeitenSchema);
    url.setPath(datei.section(QLatin1Char('#'), 0, 0));
    const QString anker = datei.section(QLatin1Char('#'), 1);
    if (!anker.isEmpty())
        url.setFragment(anker);
    return url;
}

QUrl HilfeBrowser::hinweisUrl(const QString &art, int thema)
{
    QUrl url;
    url.setScheme(HinweisSchema);
    url.setPath(thema > 0 ? art + QLatin1Char('-') + QString::number(thema) : art);
    return url;
}

bool HilfeBrowser::istSeite(const QUrl &url)
{
    return url.scheme() == SeitenSchema;
}

void HilfeBrowser::doSetSource(const QUrl &name, QTextDocument::ResourceType type)
{
    const QString schema = name.scheme();
    if (!name.isRelative() && schema != SeitenSchema && schema != HinweisSchema) {
        QDesktopServices::openUrl(name);
        return;
    }
    QTextBrowser::doSetSource(name, type);
}

QVariant HilfeBrowser::loadResource(int type, const QUrl &name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() == HinweisSchema)
        return type == QTextDocument::HtmlResource ? QVariant(hinweis(url)) : QVariant();
    if (!url.isRelative() && url.scheme() != SeitenSchema)
        return {};

    QString datei = url.path();
    if (!datei.startsWith(QLatin1Char('/')))
        datei.prepend(QLatin1Char('/'));
    if (type == QTextDocument::HtmlResource) {
        if (const auto html = m_archiv.seite(datei))
            return *html;
        if (m_archiv.enthaelt(datei))
            return hinweisSeite(QStringLiteral("Seite nicht lesbar"),
                                QStringLiteral("Die Seite %1 kann nicht gelesen werden: die Hilfedatei ist beschädigt.")
                                    .arg(inAnfuehrung(datei.mid(1))));
        return hinweisSeite(
            QStringLiteral("Seite nicht vorhanden"),
            QStringLiteral("Die Seite %1 ist in der Hilfedatei nicht enthalten.").arg(inAnfuehrung(datei.mid(1))));
    }
    if (type == QTextDocument::StyleSheetResource)
        return m_archiv.text(datei).value_or(QString());
    return m_archiv.lesen(datei).value_or(QByteArray());
}

QString HilfeBrowser::hinweis(const QUrl &url) const
{
    const QString art = url.path().section(QLatin1Char('-'), 0, 0);
    const QString datei = inAnfuehrung(m_archiv.pfad());
    if (art == QLatin1String("fehlt"))
        return hinweisSeite(QStringLiteral("Hilfe nicht verfügbar"),
                            QStringLiteral("Die Hilfedatei %1 wurde nicht gefunden.</p><p>Sie gehört in den "
                                           "Programmordner neben das Programm. Installieren Sie das Programm "
                                           "bitte neu, um die Hilfe wieder zu erhalten.")
                                .arg(datei));
    if (art == QLatin1String("beschaedigt"))
        return hinweisSeite(QStringLiteral("Hilfe nicht verfügbar"),
                            QStringLiteral("Die Hilfedatei %1 ist beschädigt und kann nicht gelesen werden.</p>"
                                           "<p>Installieren Sie das Programm bitte neu, um die Hilfe wieder zu "
                                           "erhalten.")
                                .arg(datei));
    const QString thema = url.path().section(QLatin1Char('-'), 1);
    return hinweisSeite(QStringLiteral("Thema nicht vorhanden"),
                        QStringLiteral("Das Hilfethema %1 ist in der Hilfedatei %2 nicht enthalten.</p><p>Wählen "
                                       "Sie ein Thema aus dem Inhalt links oder suchen Sie danach.")
                            .arg(thema.toHtmlEscaped(), datei));
}
