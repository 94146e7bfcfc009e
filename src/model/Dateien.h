#pragma once

#include <QByteArray>
#include <QString>

// No data file the program reads (draw history, ticket, settings, a download) may be larger:
// a bigger file is refused with a message and left untouched.
inline constexpr qint64 MaxDatendateiGroesse = 16 * 1024 * 1024;

// Writes `daten` as the whole new content of `pfad`: beside it first, then in its place, so a
// failed or interrupted write leaves the old file as it was. Returns the system's description
// of the error, empty on success.
QString DateiErsetzen(const QString &pfad, const QByteArray &daten);

// German message for a failed read or write of a data file: what failed, an empty line,
// and the system's description of the error.
QString DateiFehlerText(const QString &datei, const QString &systemtext, bool schreiben);
