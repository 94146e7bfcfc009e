// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/hilfe/HilfeArchiv.h"

#include <algorithm>

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {
QString ohneAnker(const QString &datei)
{
    return datei.section(QLatin1Char('#'), 0, 0);
}

bool istSeite(const QString &datei)
{
    return datei.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
           datei.endsWith(QLatin1String(".html"), Qt::CaseInsensitive);
}

QString entitaetenAufloesen(const QString &text)
{
    return QTextDocumentFragment::fromHtml(text).toPlainText().simplified();
}

// Links in the table of contents are relative to the root of the help file.
QString absolut(QString datei)
{
    while (datei.startsWith(QLatin1String("./")))
        datei.remove(0, 2);
    if (!datei.startsWith(QLatin1Char('/')))
        datei.prepend(QLatin1Char('/'));
    return datei;
}
} // namespace

namespace HilfeText {
QList<HilfeEintrag> inhaltLesen(const QString &hhc)
{
    static const QRegularExpression marke(QStringLiteral(R"(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attribut(QStringLiteral(R"re(([\w-]+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re"));

    QList<HilfeEintrag> liste;
    int ebene = -1;
    bool imObjekt = false;
    QString name;
    QString ziel;
    for (auto it = marke.globalMatch(hhc); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const bool ende = !m.captured(1).isEmpty();
        const QString tag = m.captured(2).toLower();
        if (tag == QLatin1String("ul")) {
            ebene += ende ? -1 : 1;
        } else if (tag == QLatin1String("object")) {
            if (!ende) {
                imObjekt = true;
                name.clear();
                ziel.clear();
            } else if (imObjekt) {
                imObjekt = false;
                if (!name.isEmpty() && !ziel.isEmpty())
                    liste.append({name, absolut(ziel), qMax(0, ebene)});
            }
        } else if (imObjekt) {
            QString schluessel;
            QString wert;
            for (auto a = attribut.globalMatch(m.captured(3)); a.hasNext();) {
                const QRegularExpressionMatch am = a.next();
                const QString attributname = am.captured(1).toLower();
                const QString attributwert = am.captured(2) + am.captured(3) + am.captured(4);
                if (attributname == QLatin1String("name"))
                    schluessel = attributwert.toLower();
                else if (attributname == QLatin1String("value"))
                    wert = attributwert;
            }
            if (schluessel == QLatin1String("name"))
                name = entitaetenAufloesen(wert);
            else if (schluessel == QLatin1String("local"))
                ziel = wert.trimmed();
        }
    }
    return liste;
}

QString titelLesen(const QString &html)
{
    static const QRegularExpression titel(QStringLiteral(R"(<title[^>]*>(.*?)</title>)"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    return entitaetenAufloesen(titel.match(html).captured(1));
}

QString klartext(const QString &html)
{
    // The head holds the title and the style sheet link; leaving it out keeps the document
    // from looking for the style sheet on disk.
    static const QRegularExpression kopf(QStringLiteral(R"(<head\b.*?</head\s*>)"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    QString rumpf = html;
    rumpf.remove(kopf);
    QTextDocument dokument;
    dokument.setHtml(rumpf);
    return dokument.toPlainText();
}

QString dekodieren(const QByteArray &daten)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(daten);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(daten);
}
} // namespace HilfeText

HilfeArchiv::Zustand HilfeArchiv::laden(const QString &pfad)
{
    const QFileInfo info(pfad);
    if (m_zustand == Zustand::Bereit && pfad == m_pfad && info.lastModified() == m_geaendert &&
        info.size() == m_groesse)
        return m_zustand;

    ++m_stand;
    m_chm.schliessen();
    m_inhalt.clear();
    m_seiten.clear();
    m_pfad = pfad;
    m_geaendert = info.lastModified();
    m_groesse = info.size();
    if (!info.isFile()) {
        m_zustand = Zustand::Fehlt;
        return m_zustand;
    }
    if (m_chm.oeffnen(pfad))
        seitenLesen();
    if (m_seiten.isEmpty()) {
        m_chm.schliessen();
        m_inhalt.clear();
        m_zustand = Zustand::Beschaedigt;
    } else {
        m_zustand = Zustand::Bereit;
    }
    return m_zustand;
}

void HilfeArchiv::seitenLesen()
{
    const QStringList dateien = m_chm.dateien();
    for (const QString &datei : dateien) {
        if (!datei.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive))
            continue;
        if (const auto hhc = text(datei)) {
            m_inhalt = HilfeText::inhaltLesen(*hhc);
            break;
        }
    }

    // Pages in the order of the contents first, so that search hits read like the contents.
    QStringList reihenfolge;
    for (const HilfeEintrag &eintrag : std::as_const(m_inhalt))
        reihenfolge.append(ohneAnker(eintrag.datei));
    QStringList uebrige;
    for (const QString &datei : dateien)
        if (istSeite(datei))
            uebrige.append(datei);
    uebrige.sort(Qt::CaseInsensitive);
    reihenfolge += uebrige;

    QSet<QString> gesehen;
    for (const QString &datei : std::as_const(reihenfolge)) {
        if (gesehen.contains(datei.toLower()))
            continue;
        gesehen.insert(datei.toLower());
        const auto html = text(datei);
        if (!html)
            continue;
        QString titel = HilfeText::titelLesen(*html);
        if (titel.isEmpty())
            titel = datei.mid(1);
        m_seiten.append({datei, titel, HilfeText::klartext(*html), *html});
    }

    if (m_inhalt.isEmpty())
        for (const HilfeSeite &seite : std::as_const(m_seiten))
            m_inhalt.append({seite.titel, seite.datei, 0});
}

std::optional<QString> HilfeArchiv::text(const QString &datei) const
{
    const auto daten = m_chm.lesen(datei);
    // Text never holds a zero byte; a damaged file gives whole runs of them.
    if (!daten || daten->contains('\0'))
        return std::nullopt;
    return HilfeText::dekodieren(*daten);
}

bool HilfeArchiv::lesbar(const QString &datei) const
{
    return seite(datei).has_value();
}

std::optional<QString> HilfeArchiv::seite(const QString &datei) const
{
    for (const HilfeSeite &seite : m_seiten)
        if (seite.datei.compare(datei, Qt::CaseInsensitive) == 0)
            return seite.html;
    return std::nullopt;
}

QList<HilfeSeite> HilfeArchiv::suchen(const QString &eingabe) const
{
    static const QRegularExpression leerraum(QStringLiteral(R"(\s+)"));
    const QStringList woerter = eingabe.split(leerraum, Qt::SkipEmptyParts);
    QList<HilfeSeite> treffer;
    if (woerter.isEmpty())
        return treffer;
    for (const HilfeSeite &seite : m_seiten) {
        const QString heuhaufen = seite.titel + QLatin1Char('\n') + seite.text;
        const bool alle = std::all_of(woerter.cbegin(), woerter.cend(), [&heuhaufen](const QString &wort) {
            return heuhaufen.contains(wort, Qt::CaseInsensitive);
        });
        if (alle)
            treffer.append(seite);
    }
    return treffer;
}

QString HilfeArchiv::themenDatei(int thema)
{
    return QStringLiteral("/thema%1.htm").arg(thema);
}

int HilfeArchiv::themaDerDatei(const QString &datei)
{
    static const QRegularExpression muster(QStringLiteral(R"(^/?thema(\d+)\.htm$)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = muster.match(ohneAnker(datei));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}
