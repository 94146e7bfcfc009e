// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Ed25519 signatures as the minisign tool writes them: the signature file holds an untrusted
// comment, the signature of the file (of its bytes, "Ed", or of their BLAKE2b-512 hash, "ED"), a
// trusted comment and a second signature over the first one and that comment.
struct Minisignschluessel
{
    QByteArray nummer;      // 8 bytes that name the key pair
    QByteArray oeffentlich; // the Ed25519 public key, 32 bytes
};

// A public key as minisign writes it: the whole ".pub" file or only its base64 line.
std::optional<Minisignschluessel> MinisignSchluesselLesen(const QByteArray &text);

struct Signaturergebnis
{
    bool gueltig = false;
    QString fehler;              // German: why the signature does not hold
    QString vertrauterKommentar; // the signed comment, when the signature holds
};

// Checks `signaturdatei` (the text of a ".minisig" file) for `daten` against `schluessel`.
Signaturergebnis MinisignPruefen(const QByteArray &daten, const QByteArray &signaturdatei,
                                 const Minisignschluessel &schluessel);

// A signature file is a few lines; a larger answer is not one.
inline constexpr qint64 MaxSignaturGroesse = 4096;
