// Which window or program each shared command opens. A command without its window stays
// disabled (see Befehle).
#include "ui/Befehle.h"

#include "model/Zustand.h"
#include "ui/Fenster.h"

void Befehle::verbindeFenster()
{
    // Eingabe: the ticket entry window. Programmstart makes it once, hidden, and gives the
    // command its work then.

    // NueberK: the n-over-k calculator.

    // Statistik: the statistics window.

    // Zufall: the generator.

    // Update: the update window.

    // Kalender, Info, Rechner, Ergebnisse, Homepage, Produkt: the small tools and web pages.
}
