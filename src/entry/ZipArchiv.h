// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct zip;
struct zip_file;

// A zip archive held in memory, read part by part with a limit on the unpacked size.
class ZipArchiv
{
public:
    explicit ZipArchiv(const QByteArray &daten);
    ~ZipArchiv();
    ZipArchiv(const ZipArchiv &) = delete;
    ZipArchiv &operator=(const ZipArchiv &) = delete;

    bool offen() const { return m_archiv != nullptr; }
    bool hat(const char *name) const;

    // The unpacked part; nullopt with `fehler` set when it is missing, damaged or larger than
    // `hoechstens` bytes (checked while unpacking, whatever the archive's directory claims).
    std::optional<QByteArray> lies(const char *name, qint64 hoechstens, QString &fehler) const;

private:
    friend class ZipTeil;
    QByteArray m_daten; // the source reads from this buffer for the archive's lifetime
    zip *m_archiv = nullptr;
};

// One part of an archive unpacked piece by piece, so that no more than a piece of it is held at
// a time; more than `hoechstens` unpacked bytes end it with a message, whatever the archive's
// directory claims.
class ZipTeil
{
public:
    ZipTeil(const ZipArchiv &archiv, const char *name, qint64 hoechstens);
    ~ZipTeil();
    ZipTeil(const ZipTeil &) = delete;
    ZipTeil &operator=(const ZipTeil &) = delete;

    // The next piece; empty at the end and on failure, which sets the message.
    QByteArray weiter();
    bool fertig() const { return m_fertig; }
    const QString &fehler() const { return m_fehler; }

private:
    zip_file *m_datei = nullptr;
    QString m_teil;
    qint64 m_hoechstens = 0;
    qint64 m_gelesen = 0;
    bool m_fertig = false;
    QString m_fehler;
};
