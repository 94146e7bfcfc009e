// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Textdekodierung.h"

#include <QStringDecoder>

#include <array>

namespace {

// 0x80..0x9F of Windows-1252; the five unused positions keep their C1 code points,
// so no byte is ever lost.
constexpr std::array<char16_t, 32> Obere{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString AusWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *ziel = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *ziel++ = QChar((b >= 0x80 && b < 0xA0) ? Obere[b - 0x80] : char16_t(b));
    }
    return text;
}

DekodierterText TextDekodieren(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return {text, Textkodierung::Utf8}; // the decoder drops a leading byte-order mark
    return {AusWindows1252(bytes), Textkodierung::Windows1252};
}
