// Which window or program each shared command opens. A command without its window stays
// disabled (see Befehle).
#include "ui/Befehle.h"

#include "model/Zustand.h"
#include "ui/Fenster.h"
#include "ui/update/UpdateFenster.h"

#include <QTimer>

void Befehle::verbindeFenster()
{
    // Eingabe: the ticket entry window.

    // NueberK: the n-over-k calculator.

    // Statistik: the statistics window.

    // Zufall: the generator.

    // Update: the update window. Opened again, it runs its showing steps again, so a download
    // agreed to elsewhere starts also when the window was open already.
    setzeAusfuehrung(Art::Update, [this] {
        const QString name = QStringLiteral("FUpdate");
        const bool offen = FensterOffen(name);
        QWidget *fenster = oeffneOderHole(name, [this] {
            auto *f = new TFUpdate(m_zustand, *this, findeFenster(QStringLiteral("FAuswertung")));
            connect(f, &TFUpdate::gewinnreihenErsetzt, this, &Befehle::gewinnreihenErsetzt);
            return f;
        });
        if (offen)
            QTimer::singleShot(0, fenster, [fenster] { qobject_cast<TFUpdate *>(fenster)->anzeigen(); });
    });

    // Kalender, Info, Rechner, Ergebnisse, Homepage, Produkt: the small tools and web pages.
}
