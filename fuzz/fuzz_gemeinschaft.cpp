// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A syndicate file of any content: refused untouched, or opened and read whole. A file that opens
// has balances that add up to its cash and a ledger whose parts add up to every entry; settling
// it (as a preview) never fails for a reason other than a message.

#include "Fuzzdatei.h"

#include "model/Datum.h"
#include "syndicate/Abrechnung.h"
#include "syndicate/Gemeinschaft.h"

#include <QCoreApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    static int argc = 1;
    static char name[] = "fuzz_gemeinschaft";
    static char *argv[] = {name, nullptr};
    static QCoreApplication anwendung(argc, argv);

    const QString datei = alsDatei(daten, groesse, QStringLiteral("gemeinschaft.qtgem"));
    QFile::remove(datei + QStringLiteral("-journal"));
    const QByteArray vorher(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    Gemeinschaft g;
    if (!g.oeffnen(datei).isEmpty()) {
        // Refused: not a byte changed.
        if (dateiinhalt(datei) != vorher)
            std::abort();
        return 0;
    }
    QVector<Mitglied> mitglieder;
    QVector<Schein> scheine;
    QVector<Eintrag> kasse;
    Kontenstand stand;
    if (!g.mitgliederLesen(mitglieder).isEmpty() || !g.scheineLesen(scheine).isEmpty() || !g.kasseLesen(kasse).isEmpty() ||
        !g.kontenLesen(stand, QDate(2024, 1, 1)).isEmpty())
        return 0;
    Cent summe = 0;
    for (const Konto &k : stand.konten)
        summe += k.saldo();
    if (summe != stand.kasse)
        std::abort();
    for (const Eintrag &e : kasse) {
        Cent teile = 0;
        for (const Teil &t : e.teile)
            teile += t.betrag;
        if (teile != e.betrag)
            std::abort();
    }
    QVector<TGewZahlen> ziehungen;
    for (int k = 0; k < 8; ++k) {
        TGewZahlen z;
        z.datum = Datum::ausDatum(QDate(2024, 1, 6).addDays(7 * k));
        z.GZ = {1, 2, 3, static_cast<std::uint8_t>(10 + k), 40};
        z.bonus = static_cast<std::uint8_t>(1 + k);
        ziehungen.append(z);
    }
    const Abrechnungsergebnis e = Abrechnen(g, ziehungen, QDate(2024, 3, 1), 200, true);
    for (const Eintrag &x : e.eintraege) {
        Cent teile = 0;
        for (const Teil &t : x.teile)
            teile += t.betrag;
        if (teile != x.betrag)
            std::abort();
    }
    return 0;
}
