// A ticket file of any content: read into a grid, evaluated, and saved again.

#include "Fuzzdatei.h"

#include "evaluation/Gewinnauswertung.h"
#include "model/Tippscheindatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const QString datei = alsDatei(daten, groesse, QStringLiteral("schein.qtt"));
    const Textmesser breite = [](const QString &t) { return static_cast<int>(t.size()) * 6; };
    TextTabelle tabelle(TippreihenSpalten, 1);
    KopfTippreihen(tabelle, 45, breite);
    QString antGes = QStringLiteral("1");
    QString antMeine = QStringLiteral("1");
    if (!ScheinEinlesen(tabelle, antGes, antMeine, datei, breite).isEmpty())
        return 0;

    Zustand zustand;
    zustand.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
    TGewZahlen z;
    z.GZ = {1, 2, 3, 4, 5};
    z.bonus = 1;
    zustand.Ziehungen = {z, z};
    const Auswertungsergebnis e = GewinnAuswertung(zustand, TippreihenAusTabelle(tabelle), AnteilAusText(antGes).value_or(1),
                                                   AnteilAusText(antMeine).value_or(1), 1, 0, true);
    KennzahlenTexte(e, zustand.Formateinstellungen);
    ScheinZuBytes(tabelle, antGes, antMeine);
    return 0;
}
