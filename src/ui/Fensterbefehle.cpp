// Which window or program each shared command opens. A command without its window stays
// disabled (see Befehle).
#include "ui/Befehle.h"

#include "model/Zustand.h"
#include "ui/Fenster.h"
#include "ui/statistik/StatistikFenster.h"

#include <QGuiApplication>

void Befehle::verbindeFenster()
{
    // Eingabe: the ticket entry window.

    // NueberK: the n-over-k calculator.

    // Statistik: the statistics window, built anew at each opening (an hourglass meanwhile).
    setzeAusfuehrung(Art::Statistik, [this] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        oeffneOderHole(
            QStringLiteral("FStatistik"), [this] { return new TFStatistik(m_zustand, *this); }, false);
        QGuiApplication::restoreOverrideCursor();
    });

    // Zufall: the generator.

    // Update: the update window.

    // Kalender, Info, Rechner, Ergebnisse, Homepage, Produkt: the small tools and web pages.
}
