// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/hilfe/ChmDatei.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One line of the table of contents.
struct HilfeEintrag
{
    QString titel;
    QString datei; // path inside the help file, may carry a "#anchor"
    int ebene = 0; // 0 for the top level
};

// One page of the help file, as it was read when the file was loaded.
struct HilfeSeite
{
    QString datei;
    QString titel;
    QString text; // plain text of the page, for the search
    QString html; // the page as shown
};

// The loaded help file: its pages, table of contents and search over the pages' text.
// Topic n is the page "/thema<n>.htm".
class HilfeArchiv
{
public:
    enum class Zustand { NichtGeladen, Bereit, Fehlt, Beschaedigt };

    // Loads the file unless it is already loaded unchanged.
    Zustand laden(const QString &pfad);
    Zustand zustand() const { return m_zustand; }
    // Grows with every actual load, so that a window can tell a new file from the old one.
    int stand() const { return m_stand; }
    QString pfad() const { return m_pfad; }

    bool enthaelt(const QString &datei) const { return m_chm.enthaelt(datei); }
    std::optional<QByteArray> lesen(const QString &datei) const { return m_chm.lesen(datei); }
    // A page or style sheet as text; nothing when it is missing or damaged.
    std::optional<QString> text(const QString &datei) const;
    // A page that could be read when the file was loaded.
    bool lesbar(const QString &datei) const;
    // Such a page as it was read then. A damaged file can decode differently on a later read,
    // so the window shows only what was checked at loading.
    std::optional<QString> seite(const QString &datei) const;

    const QList<HilfeEintrag> &inhalt() const { return m_inhalt; }
    const QList<HilfeSeite> &seiten() const { return m_seiten; }
    // The pages whose title or text contains every word of the input, ignoring case.
    QList<HilfeSeite> suchen(const QString &eingabe) const;

    static QString themenDatei(int thema);
    // The topic number of a page, 0 for a page that is no numbered topic.
    static int themaDerDatei(const QString &datei);

private:
    void seitenLesen();

    ChmDatei m_chm;
    Zustand m_zustand = Zustand::NichtGeladen;
    int m_stand = 0;
    QString m_pfad;
    QDateTime m_geaendert;
    qint64 m_groesse = -1;
    QList<HilfeEintrag> m_inhalt;
    QList<HilfeSeite> m_seiten;
};

// Helpers of the archive, public for the tests.
namespace HilfeText {
QList<HilfeEintrag> inhaltLesen(const QString &hhc);
QString titelLesen(const QString &html);
QString klartext(const QString &html);
QString dekodieren(const QByteArray &daten);
} // namespace HilfeText
