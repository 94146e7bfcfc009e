#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The version file on the download server: records of 24 bytes, of which the last whole one
// counts. A record holds 8 unused bytes, the length of the version text (at most 15 count) and
// up to 15 characters in Windows-1252.
inline constexpr int VersionsdatensatzGroesse = 24;

// The version text of the last whole record; nothing when the file holds no whole record or the
// text is empty or holds characters no version text has (an error page, for example).
std::optional<QString> VersionLesen(const QByteArray &daten);
