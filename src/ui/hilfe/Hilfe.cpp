#include "ui/hilfe/Hilfe.h"

#include "ui/hilfe/HilfeFenster.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
QPointer<HilfeFenster> s_fenster;

HilfeFenster *sicherstellen()
{
    if (!s_fenster) {
        s_fenster = new HilfeFenster;
        // The window has no owner; it goes when the event loop ends, like the main window.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, s_fenster,
                         [] { delete s_fenster.data(); });
    }
    return s_fenster;
}
} // namespace

namespace Hilfe {
void zeigeThema(const QString &hilfedatei, int thema)
{
    sicherstellen()->zeigeThema(hilfedatei, thema);
}

void zeigeSuche(const QString &hilfedatei)
{
    sicherstellen()->zeigeSuche(hilfedatei);
}

HilfeFenster *fenster()
{
    return s_fenster;
}
} // namespace Hilfe
