#pragma once

#include <QString>

// German message for a failed read or write of a data file: what failed, an empty line,
// and the system's description of the error.
QString DateiFehlerText(const QString &datei, const QString &systemtext, bool schreiben);
