#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct zip;

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
    QByteArray m_daten; // the source reads from this buffer for the archive's lifetime
    zip *m_archiv = nullptr;
};
