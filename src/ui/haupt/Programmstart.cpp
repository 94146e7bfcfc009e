// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/haupt/Programmstart.h"

#include "model/Beispieldaten.h"
#include "model/Datensperre.h"
#include "model/Ordner.h"
#include "model/Spiel.h"
#include "model/Startoptionen.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/haupt/StartFenster.h"
#include "ui/haupt/Startbericht.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/eingabe/Eingabefenster.h"

#include <QApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <csignal>
#include <cstdio>
#include <optional>

namespace {

// --hilfe, --version and unknown options are answered on the terminal; the program then ends.
std::optional<int> befehlszeileBeantworten(const Startoptionen &optionen)
{
    if (!optionen.fehler.isEmpty()) {
        std::fputs(qPrintable(QStringLiteral("quintaro-analyser: ") + optionen.fehler + QLatin1Char('\n') +
                              StartoptionenHilfe()),
                   stderr);
        return 2;
    }
    if (optionen.hilfe) {
        std::fputs(qPrintable(StartoptionenHilfe()), stdout);
        return 0;
    }
    if (optionen.version) {
        std::fputs(qPrintable(Fenstertitel() + QLatin1Char('\n')), stdout);
        return 0;
    }
    return std::nullopt;
}

// German captions for Qt's own buttons and dialogs: the copy installed beside the program
// first, then Qt's own. The package has no copy: it depends on the distribution's Qt texts.
void qtTexteLaden(QTranslator &qtTexte)
{
#ifdef QUINTARO_PAKET
    const QStringList ordnerliste{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
#else
    const QStringList ordnerliste{QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
#endif
    for (const QString &ordner : ordnerliste) {
        if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"), ordner)) {
            QApplication::installTranslator(&qtTexte);
            return;
        }
    }
}

} // namespace

int Programmstart(int &argc, char **argv)
{
    // Asking for the usage or the version needs no display.
    const QSet<QString> unlesbar = NichtUtf8Argumente(argc, argv);
    QStringList roh;
    for (int i = 1; i < argc; ++i)
        roh << QString::fromLocal8Bit(argv[i]);
    if (const Startoptionen vorab = StartoptionenLesen(roh); vorab.hilfe || vorab.version)
        return *befehlszeileBeantworten(vorab);

    // A write beyond the user's file size limit then fails with a message instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(Programmname);
    QApplication::setApplicationVersion(Programmversion);
    QGuiApplication::setDesktopFileName(Anwendungskennung);
    QApplication::setWindowIcon(Symbole::programm());
    // Qt has taken its own options (-platform, -style …) out of the arguments by now.
    const Startoptionen optionen = StartoptionenLesen(QCoreApplication::arguments().mid(1), unlesbar);
    if (const auto ende = befehlszeileBeantworten(optionen))
        return *ende;

    QTranslator qtTexte;
    qtTexteLaden(qtTexte);
    const std::unique_ptr<Startbericht> bericht = Startbericht::ausUmgebung();

    Zustand zustand;
    auto *start = new TFStart(zustand, optionen.beispieldaten ? Beispielordner() : StandardDatenordner());
    start->show();
    QApplication::processEvents();
    QString startfehler = start->startfehler();
    if (optionen.beispieldaten && startfehler.isEmpty())
        startfehler = BeispieldatenAnlegen(zustand.Datenordner, QDate::currentDate());

    // Held for the whole run: the command line writes no data file while the program runs on it.
    Datensperre sperre;
    sperre.nehmen(zustand.Datenordner, Datensperre::Art::Geteilt, 3000);

    Befehle befehle(zustand);
    TFAuswertung hauptfenster(zustand, befehle);
    if (optionen.beispieldaten)
        hauptfenster.setWindowTitle(hauptfenster.windowTitle() + QStringLiteral(" \u2013 Beispieldaten"));
    QObject::connect(&hauptfenster, &TFAuswertung::geschlossen, &anwendung, &QApplication::quit,
                     Qt::QueuedConnection);
    // The ticket entry window lives for the whole run, hidden until its command shows it.
    TFEingabe eingabe(zustand, befehle);
    befehle.setzeAusfuehrung(Befehle::Art::Eingabe, [&eingabe] { eingabe.zeigen(); });
    // Files named on the command line open once the start window is gone and the remembered
    // ones are open, so they come after them however long those take.
    QObject::connect(start, &QObject::destroyed, &hauptfenster, [&hauptfenster, &zustand, &bericht, &optionen] {
        hauptfenster.nachErsterAnzeige([&hauptfenster, &zustand, &bericht, &optionen] {
            hauptfenster.startdateienOeffnen(optionen.dateien, optionen.unlesbar);
            if (bericht)
                bericht->abschliessen(hauptfenster, zustand);
        });
    });
    start->initialisierungFertig(&hauptfenster);
    if (!startfehler.isEmpty())
        Meldungen::fehler(start, startfehler);

    hauptfenster.setWindowOpacity(0.0);
    hauptfenster.show();
    start->raise();
    start->activateWindow();
    if (bericht)
        QTimer::singleShot(0, start->weiter(), &QPushButton::click);
    return QApplication::exec();
}
