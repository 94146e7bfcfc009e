#include "ui/Programmstart.h"

#include "model/Spiel.h"
#include "model/Zustand.h"
#include "ui/Befehle.h"
#include "ui/Hauptfenster.h"
#include "ui/Meldungen.h"
#include "ui/StartFenster.h"
#include "ui/eingabe/Eingabefenster.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int Programmstart(int &argc, char **argv)
{
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(Programmname);
    QApplication::setApplicationVersion(Programmversion);

    // German captions for Qt's own buttons and dialogs.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    Zustand zustand;
    auto *start = new TFStart(zustand);
    start->show();
    QApplication::processEvents();

    Befehle befehle(zustand);
    TFAuswertung hauptfenster(zustand, befehle);
    QObject::connect(&hauptfenster, &TFAuswertung::geschlossen, &anwendung, &QApplication::quit,
                     Qt::QueuedConnection);
    // The ticket entry window lives for the whole run, hidden until its command shows it.
    TFEingabe eingabe(zustand, befehle);
    befehle.setzeAusfuehrung(Befehle::Art::Eingabe, [&eingabe] { eingabe.zeigen(); });
    start->initialisierungFertig(&hauptfenster);
    if (!start->startfehler().isEmpty())
        Meldungen::fehler(start, start->startfehler());

    hauptfenster.setWindowOpacity(0.0);
    hauptfenster.show();
    start->raise();
    start->activateWindow();
    return QApplication::exec();
}
