#pragma once

#include <QByteArray>
#include <QString>

// Writes `daten` as the whole new content of `pfad`: beside it first, then in its place, so a
// failed or interrupted write leaves the old file as it was. Returns the system's description
// of the error, empty on success.
QString DateiErsetzen(const QString &pfad, const QByteArray &daten);

// German message for a failed read or write of a data file: what failed, an empty line,
// and the system's description of the error.
QString DateiFehlerText(const QString &datei, const QString &systemtext, bool schreiben);
