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
// length byte is above 15 or the text is not numbers separated by dots (an error page served
// with status 200, for example).
std::optional<QString> VersionLesen(const QByteArray &daten);
