// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Textdekodierung.h"

#include <QByteArrayList>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as a file in a private folder, for readers that take a path.
inline QString alsDatei(const std::uint8_t *daten, std::size_t groesse, const QString &name)
{
    static QTemporaryDir ordner;
    const QString pfad = ordner.filePath(name);
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly))
        f.write(reinterpret_cast<const char *>(daten), static_cast<qint64>(groesse));
    return pfad;
}

inline QByteArray dateiinhalt(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The lines of a settings file as bytes, each with a "\r" of its line break; the empty piece
// after a last line break is dropped.
inline QByteArrayList zeilenstuecke(const QByteArray &bytes)
{
    QByteArrayList stuecke = bytes.split('\n');
    if (!stuecke.isEmpty() && stuecke.last().isEmpty())
        stuecke.removeLast();
    return stuecke;
}

inline bool istZeile(QByteArray stueck, const QByteArray &zeile)
{
    if (stueck.endsWith('\r'))
        stueck.chop(1);
    return stueck == zeile;
}

// The old and the new lines, compared as a write may change them: a Windows-1252 file turns into
// UTF-8, and a last line without a line break gets one when a line follows it.
class Zeilenvergleich
{
public:
    Zeilenvergleich(QByteArray vorher, QByteArray nachher)
    {
        offenesEnde = !vorher.isEmpty() && !vorher.endsWith('\n');
        const DekodierterText alt = TextDekodieren(vorher);
        if (alt.kodierung == Textkodierung::Windows1252) {
            vorher = alt.text.toUtf8();
        } else if (vorher.startsWith(Bom)) {
            // The byte-order mark of a UTF-8 file stays, in front of whatever the first line is.
            vorher.remove(0, Bom.size());
            bomBehalten = nachher.startsWith(Bom);
            nachher.remove(0, bomBehalten ? Bom.size() : 0);
            offenesEnde = !vorher.isEmpty() && !vorher.endsWith('\n');
        }
        a = zeilenstuecke(vorher);
        b = zeilenstuecke(nachher);
    }
    // Old line i is kept as new line j.
    bool bleibt(qsizetype i, qsizetype j) const
    {
        return a[i] == b[j] || (offenesEnde && i == a.size() - 1 && b[j] == a[i] + '\r');
    }

    QByteArrayList a;
    QByteArrayList b;
    bool bomBehalten = true;

private:
    static inline const QByteArray Bom{"\xEF\xBB\xBF"};
    bool offenesEnde = false;
};

// True when `nachher` is the settings file `vorher` with the one line `zeile` of the section
// `abschnitt` written: either one line replaced by it, or it inserted, or the section header and
// it appended. Every other line keeps its bytes. A file that needed no change is not written.
inline bool nurDieseZeileGeaendert(const QByteArray &vorher, const QByteArray &nachher, const QByteArray &abschnitt,
                                   const QByteArray &zeile)
{
    if (nachher == vorher)
        return true;
    const Zeilenvergleich v(vorher, nachher);
    if (!v.bomBehalten)
        return false;
    const QByteArrayList &a = v.a;
    const QByteArrayList &b = v.b;
    if (b.size() == a.size()) {
        int anders = 0;
        for (qsizetype i = 0; i < a.size(); ++i)
            if (!v.bleibt(i, i) && (++anders > 1 || !istZeile(b[i], zeile)))
                return false;
        return true;
    }
    if (b.size() == a.size() + 1) {
        qsizetype i = 0;
        while (i < a.size() && v.bleibt(i, i))
            ++i;
        if (!istZeile(b[i], zeile))
            return false;
        for (qsizetype j = i; j < a.size(); ++j)
            if (!v.bleibt(j, j + 1))
                return false;
        return true;
    }
    if (b.size() == a.size() + 2) {
        for (qsizetype i = 0; i < a.size(); ++i)
            if (!v.bleibt(i, i))
                return false;
        return istZeile(b[a.size()], '[' + abschnitt + ']') && istZeile(b[a.size() + 1], zeile);
    }
    return false;
}

// True when `nachher` is `vorher` with one run of whole lines taken out (or unchanged).
inline bool nurZeilenEntfernt(const QByteArray &vorher, const QByteArray &nachher)
{
    if (nachher == vorher)
        return true;
    const Zeilenvergleich v(vorher, nachher);
    if (!v.bomBehalten)
        return false;
    const qsizetype alt = v.a.size();
    const qsizetype neu = v.b.size();
    if (neu > alt)
        return false;
    qsizetype vorne = 0;
    while (vorne < neu && v.a[vorne] == v.b[vorne])
        ++vorne;
    for (qsizetype i = vorne; i < neu; ++i)
        if (v.b[i] != v.a[i + alt - neu])
            return false;
    return true;
}
