#pragma once

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
