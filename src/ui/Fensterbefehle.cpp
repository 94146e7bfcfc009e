// Which window or program each shared command opens. A command without its window stays
// disabled (see Befehle).
#include "ui/Befehle.h"

#include "model/Zustand.h"
#include "ui/Fenster.h"
#include "ui/werkzeuge/NueberK.h"
#include "ui/zufall/Zufallsfenster.h"

void Befehle::verbindeFenster()
{
    // Eingabe: the ticket entry window.

    // NueberK: the n-over-k calculator.
    setzeAusfuehrung(Art::NueberK, [this] {
        oeffneOderHole(QStringLiteral("FNueberK"), [this] { return new TFNueberK(m_zustand); });
    });

    // Statistik: the statistics window.

    // Zufall: the generator.
    setzeAusfuehrung(Art::Zufall, [this] {
        oeffneOderHole(QStringLiteral("FZufall"), [this] { return new TFZufall(m_zustand, *this); });
    });

    // Update: the update window.

    // Kalender, Info, Rechner, Ergebnisse, Homepage, Produkt: the small tools and web pages.
}
