// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The version file on the download server: records of 24 bytes, of which the last whole one
// counts. A record holds 8 unused bytes, the length of the version text (at most 15) and the
// text: numbers separated by dots ("1.5.0.0").
inline constexpr int VersionsdatensatzGroesse = 24;
inline constexpr int MaxVersionslaenge = 15;

// The version text of the last whole record; nothing when the file holds no whole record, the
// length byte is above 15 or the text is not at least two numbers separated by dots (an error
// page served with status 200, for example, or one whose last record reads "404").
std::optional<QString> VersionLesen(const QByteArray &daten);

// Below zero when version `a` is older than `b`, zero when both are the same, above zero when
// `a` is newer; part by part as numbers, a missing part counting as 0.
int VersionVergleichen(const QString &a, const QString &b);

// The signed version file: four records. The first three carry what the installer is checked
// against, the last is the record every program version reads, so installed programs that know
// only the last record still find the version there.
//   offset  0, 8 bytes: "QTA-UPD1"
//   offset  8, 8 bytes: the installer's size in bytes, unsigned, little-endian
//   offset 16, 8 bytes: zero
//   offset 24, 32 bytes: the installer's SHA-256
//   offset 56, 16 bytes: zero
//   offset 72, 24 bytes: the version record
inline constexpr int UpdateangabenGroesse = 4 * VersionsdatensatzGroesse;
inline constexpr char UpdateangabenKennung[] = "QTA-UPD1";

struct Updateangaben
{
    QString version;
    qint64 groesse = 0;
    QByteArray sha256; // 32 bytes
};

// The installer's description from a version file in the signed layout; nothing when the file
// is not exactly that (the signature says who wrote it, this only what it says).
std::optional<Updateangaben> UpdateangabenLesen(const QByteArray &daten);
// The version file for `angaben`, as the release step writes it.
QByteArray UpdateangabenSchreiben(const Updateangaben &angaben);
