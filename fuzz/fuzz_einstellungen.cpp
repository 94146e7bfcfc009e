// A settings file of any content: every kind of read, then a write whose value must read back.

#include "Fuzzdatei.h"

#include "model/Einstellungen.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    Einstellungen e(alsDatei(daten, groesse, QStringLiteral("Einstellungen.ini")));
    const QString abschnitt = QStringLiteral("Spielscheine");
    e.LeseText(abschnitt, QStringLiteral("Datei1"), QString());
    e.LeseZahl(abschnitt, QStringLiteral("Dateienanzahl"), 0);
    e.LeseFlag(abschnitt, QStringLiteral("Merken"), false);
    if (!e.SchreibeText(abschnitt, QStringLiteral("Datei2"), QStringLiteral("/home/jörg/a.qtt")))
        std::abort();
    if (e.LeseText(abschnitt, QStringLiteral("Datei2"), QString()) != QStringLiteral("/home/jörg/a.qtt"))
        std::abort();
    e.LoescheAbschnitt(abschnitt);
    if (e.LeseText(abschnitt, QStringLiteral("Datei2"), QStringLiteral("weg")) != QStringLiteral("weg"))
        std::abort();
    return 0;
}
