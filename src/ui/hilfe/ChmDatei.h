// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct chmFile;

// Read access to a compiled help file through chmlib. Paths inside the file start with "/".
class ChmDatei
{
public:
    // Opens the file; false when it is missing or not a readable help file.
    bool oeffnen(const QString &pfad);
    void schliessen();
    bool offen() const { return m_datei != nullptr; }

    bool enthaelt(const QString &pfad) const;
    // The whole content of an entry; nothing when it is missing or cannot be read completely.
    std::optional<QByteArray> lesen(const QString &pfad) const;
    // The files the author put into the help file, without the compiler's own entries.
    QStringList dateien() const;

private:
    struct Schliesser
    {
        void operator()(chmFile *datei) const;
    };
    std::unique_ptr<chmFile, Schliesser> m_datei;
};
