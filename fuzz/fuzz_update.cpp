// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the download server sends: a draw history body, the version file, and (from the settings)
// the server's address. Whatever is accepted must be something the program can use safely.

#include "model/Datum.h"
#include "model/Records.h"
#include "update/Entpacker.h"
#include "update/Gewinnreihendownload.h"
#include "update/Herstellerschluessel.h"
#include "update/Signatur.h"
#include "update/Updateserver.h"
#include "update/Versionsdatei.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));

    if (GZPruefen(bytes).isEmpty()) {
        if (bytes.size() < TGewZahlen::Groesse || bytes.size() % TGewZahlen::Groesse != 0)
            std::abort();
        for (qsizetype i = 0; i < bytes.size(); i += TGewZahlen::Groesse) {
            const TGewZahlen z = TGewZahlen::ausBytes(bytes.constData() + i);
            if (!KannZiehungSein(z) || !Datum::zuDatum(z.datum).isValid())
                std::abort();
        }
    }

    if (const auto version = VersionLesen(bytes)) {
        if (bytes.size() < VersionsdatensatzGroesse || version->isEmpty() || version->size() > 15)
            std::abort();
        for (const QChar c : *version)
            if (!c.isPrint())
                std::abort();
    }

    // A signature file from the server: read, never accepted for bytes nobody signed.
    if (MinisignPruefen(bytes.left(96), bytes, Herstellerschluessel()).gueltig)
        std::abort();
    if (const auto angaben = UpdateangabenLesen(bytes))
        if (bytes.size() != UpdateangabenGroesse || angaben->groesse <= 0 || angaben->sha256.size() != 32)
            std::abort();
    MinisignSchluesselLesen(bytes);

    // A packed body: never more out than the cap, whatever comes in.
    {
        Entpacker entpacker(1 << 20);
        qint64 heraus = 0;
        entpacker.hinzu(bytes, [&](const char *, qsizetype n) { heraus += n; return true; });
        if (heraus > (1 << 20) || entpacker.entpackt() > (1 << 20) + 64 * 1024)
            std::abort();
    }

    const QUrl url = Updateserver::Dateiadresse(QString::fromUtf8(bytes), Updateserver::Gewinnreihen);
    if (Updateserver::AdresseErlaubt(url) && url.scheme() != QLatin1String("https") && !Updateserver::IstLoopback(url))
        std::abort();
    return 0;
}
