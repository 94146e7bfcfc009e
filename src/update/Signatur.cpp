// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/Signatur.h"

#include <QList>

#include <sodium.h>

namespace {
constexpr int NummerLaenge = 8;
constexpr int SchluesselLaenge = crypto_sign_PUBLICKEYBYTES;
constexpr int SignaturLaenge = crypto_sign_BYTES;

bool sodiumBereit()
{
    // Thread-safe and idempotent; -1 only when the library can't get randomness, which the
    // verification does not need, but then nothing of it is trusted either.
    static const bool bereit = sodium_init() >= 0;
    return bereit;
}

std::optional<QByteArray> base64(const QByteArray &zeile, qsizetype laenge)
{
    const auto ergebnis = QByteArray::fromBase64Encoding(zeile.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!ergebnis || ergebnis.decoded.size() != laenge)
        return std::nullopt;
    return ergebnis.decoded;
}

bool pruefeEd25519(const QByteArray &signatur, const QByteArray &nachricht, const QByteArray &schluessel)
{
    return crypto_sign_verify_detached(reinterpret_cast<const unsigned char *>(signatur.constData()),
                                       reinterpret_cast<const unsigned char *>(nachricht.constData()),
                                       static_cast<unsigned long long>(nachricht.size()),
                                       reinterpret_cast<const unsigned char *>(schluessel.constData())) == 0;
}

QByteArray blake2b512(const QByteArray &daten)
{
    QByteArray hash(crypto_generichash_BYTES_MAX, '\0');
    crypto_generichash(reinterpret_cast<unsigned char *>(hash.data()), static_cast<size_t>(hash.size()),
                       reinterpret_cast<const unsigned char *>(daten.constData()),
                       static_cast<unsigned long long>(daten.size()), nullptr, 0);
    return hash;
}

QList<QByteArray> signaturzeilen(const QByteArray &text)
{
    QList<QByteArray> ergebnis;
    for (QByteArray z : text.split('\n')) {
        if (z.endsWith('\r'))
            z.chop(1);
        ergebnis << z;
    }
    while (!ergebnis.isEmpty() && ergebnis.constLast().isEmpty())
        ergebnis.removeLast();
    return ergebnis;
}

Signaturergebnis signaturAbgelehnt(const QString &grund)
{
    return {false, grund, QString()};
}
} // namespace

std::optional<Minisignschluessel> MinisignSchluesselLesen(const QByteArray &text)
{
    if (text.size() > MaxSignaturGroesse)
        return std::nullopt;
    QList<QByteArray> z = signaturzeilen(text);
    if (z.size() == 2 && z[0].startsWith("untrusted comment:"))
        z.removeFirst();
    if (z.size() != 1)
        return std::nullopt;
    const auto roh = base64(z[0], 2 + NummerLaenge + SchluesselLaenge);
    if (!roh || !roh->startsWith("Ed"))
        return std::nullopt;
    return Minisignschluessel{roh->mid(2, NummerLaenge), roh->mid(2 + NummerLaenge)};
}

Signaturergebnis MinisignPruefen(const QByteArray &daten, const QByteArray &signaturdatei,
                                 const Minisignschluessel &schluessel)
{
    const QString unlesbar = QStringLiteral("Die Signatur ist nicht lesbar.");
    if (!sodiumBereit())
        return signaturAbgelehnt(QStringLiteral("Die Bibliothek zum Prüfen der Signatur ließ sich nicht starten."));
    if (signaturdatei.size() > MaxSignaturGroesse)
        return signaturAbgelehnt(unlesbar);
    const QList<QByteArray> z = signaturzeilen(signaturdatei);
    static const QByteArray Unvertraut = "untrusted comment:";
    static const QByteArray Vertraut = "trusted comment: ";
    if (z.size() != 4 || !z[0].startsWith(Unvertraut) || !z[2].startsWith(Vertraut))
        return signaturAbgelehnt(unlesbar);
    const auto signatur = base64(z[1], 2 + NummerLaenge + SignaturLaenge);
    const auto global = base64(z[3], SignaturLaenge);
    if (!signatur || !global)
        return signaturAbgelehnt(unlesbar);
    const QByteArray art = signatur->left(2);
    if (art != "Ed" && art != "ED")
        return signaturAbgelehnt(QStringLiteral("Die Signatur ist von einer unbekannten Art."));
    if (signatur->mid(2, NummerLaenge) != schluessel.nummer)
        return signaturAbgelehnt(QStringLiteral("Die Signatur stammt von einem fremden Schlüssel."));
    const QByteArray sig = signatur->mid(2 + NummerLaenge);
    // "ED" signs the BLAKE2b-512 hash of the file, so large files need not be held twice.
    const QByteArray nachricht = art == "ED" ? blake2b512(daten) : daten;
    if (!pruefeEd25519(sig, nachricht, schluessel.oeffentlich))
        return signaturAbgelehnt(QStringLiteral("Die Signatur passt nicht zur Datei."));
    // The comment is signed together with the signature, so neither can be swapped alone.
    const QByteArray kommentar = z[2].mid(Vertraut.size());
    if (!pruefeEd25519(*global, sig + kommentar, schluessel.oeffentlich))
        return signaturAbgelehnt(QStringLiteral("Der signierte Kommentar der Signatur wurde verändert."));
    return {true, QString(), QString::fromUtf8(kommentar)};
}
