// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Attrappen.h"
#include "Bildschirmfoto.h"
#include "Dateien.h"
#include "Pdfwerkzeuge.h"
#include "Scheindaten.h"
#include "Testumgebung.h"

#include "model/Datum.h"
#include "model/Spiel.h"
#include "ui/haupt/FrScheine.h"
#include "ui/haupt/Hauptfenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>

namespace {
// The text of a PDF with every run of blanks as one blank, so columns compare as words.
QString woerter(const QString &text)
{
    return text.simplified();
}
} // namespace

class TestGewinnbericht : public QObject
{
    Q_OBJECT

    static TFFrScheineN *rahmen(TFAuswertung &f)
    {
        return f.findChild<QTabWidget *>(QStringLiteral("PC1"))->currentWidget()->findChild<TFFrScheineN *>();
    }
    template <class T> static T *in(QWidget *w, const char *name) { return w->findChild<T *>(QLatin1String(name)); }

    // Opens the ticket and evaluates all three draws.
    static TFFrScheineN *auswerten(TFAuswertung &f, DialogAttrappe &dialoge, const QString &datei)
    {
        dialoge.oeffnenAntworten.enqueue({datei});
        QTest::mouseClick(in<QPushButton>(&f, "BOpen"), Qt::LeftButton);
        TFFrScheineN *r = rahmen(f);
        in<QCheckBox>(r, "cbBack")->setChecked(true);
        in<QComboBox>(r, "combo2")->setCurrentIndex(0);
        QTest::mouseClick(in<QPushButton>(r, "BStart"), Qt::LeftButton);
        return r;
    }

    // Row 1 wins class 3 on 01.01. (2.000,00), row 2 class 8 on 08.01. (6,00), row 3 class 9 on
    // 15.01. (2,00): 2.008,00 for 3 shares, 1 of them mine.
    static QByteArray gemeinschaftsschein()
    {
        return schein({{1, 2, 3, 4, 30, 1}, {6, 7, 40, 41, 42, 5}, {11, 20, 21, 22, 23, 3}}, 3, 1);
    }

    // What the report of that ticket must hold, as words of the PDF's text.
    static void pruefeInhalt(const QString &pdf)
    {
        QVERIFY(inhalt(pdf).startsWith("%PDF-"));
        const QString info = Pdfwerkzeuge::info(pdf);
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        const QString text = woerter(Pdfwerkzeuge::text(pdf));
        const QString heute = Datum::kurz(QDate::currentDate(), QLocale(QLocale::German, QLocale::Germany));
        for (const QString &erwartet : {
                 QStringLiteral("Gewinnbericht"),
                 QStringLiteral("Tippschein: Gemeinschaft.qtt"),
                 QStringLiteral("Zeitraum: 01.01.2024 bis 15.01.2024"),
                 QStringLiteral("Ziehungen: 3"),
                 QStringLiteral("Tippreihen: 3"),
                 QStringLiteral("Einsatz: 18,00 € (9 × 2,00 €)"),
                 QStringLiteral("Bericht erstellt am: ") + heute,
                 // Every win with its class and amount, and what one of the three shares gets.
                 QStringLiteral("Datum Klasse Richtige in Reihe Gewinn je Anteil"),
                 QStringLiteral("01.01.2024 3 4 + ZZ 1 2.000,00 666,66"),
                 QStringLiteral("08.01.2024 8 2 2 6,00 2,00"),
                 QStringLiteral("15.01.2024 9 1 + ZZ 3 2,00 0,66"),
                 // The class counts and sums.
                 QStringLiteral("3 4 + ZZ 2.000,00 1 2.000,00"),
                 QStringLiteral("1 5 + ZZ 2.000.000,00 - -"),
                 QStringLiteral("Gesamt 3 2.008,00"),
                 QStringLiteral("Gesamtgewinn: 2.008,00 €"),
                 QStringLiteral("Höchstgewinn: 2.000,00 € am 01.01.2024"),
                 // 2.008,00 / 18,00 = 111,5556.
                 QStringLiteral("Rücklaufquote: 11155,56 %"),
                 QStringLiteral("erwartete Rücklaufquote: 52,10 %"),
                 // 200.800 cents for 3 shares: 66.933 each and one cent left for the first.
                 QStringLiteral("Spielschein-Anteile: 3"),
                 QStringLiteral("Gewinn je Anteil: 669,33 €"),
                 QStringLiteral("Anteil 1: je 669,34 €"),
                 QStringLiteral("Anteil 2 bis 3: je 669,33 €"),
                 QStringLiteral("Ihr Anteil (1 von 3): 669,33 €"),
                 QStringLiteral("Quintaro Analyser 1.5.0.0 – Bericht vom ") + heute,
                 QStringLiteral("Seite 1 von 1"),
             })
            QVERIFY2(text.contains(erwartet), qPrintable(erwartet + QStringLiteral("\n---\n") + text));
    }

private Q_SLOTS:
    void erwarteteQuoteUndPdf()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        u.schreibe(QStringLiteral("Gemeinschaft.qtt"), gemeinschaftsschein());
        TFAuswertung f(u.zustand, u.befehle());
        f.show();
        dialoge.oeffnenAntworten.enqueue({u.pfad(QStringLiteral("Gemeinschaft.qtt"))});
        QTest::mouseClick(in<QPushButton>(&f, "BOpen"), Qt::LeftButton);
        // No report before an evaluation.
        QVERIFY(!in<QPushButton>(rahmen(f), "BDrucken")->isEnabled());
        QVERIFY(!in<QPushButton>(rahmen(f), "BPdf")->isEnabled());
        f.findChild<QTabWidget *>(QStringLiteral("PC1"))->clear();

        TFFrScheineN *r = auswerten(f, dialoge, u.pfad(QStringLiteral("Gemeinschaft.qtt")));
        QCOMPARE(in<QLabel>(r, "LRL")->text(), QStringLiteral("11155,56 %"));
        QCOMPARE(in<QLabel>(r, "LRLErwartet")->text(), QStringLiteral("52,10 %"));
        QVERIFY(in<QPushButton>(r, "BDrucken")->isEnabled());
        bildSichern(&f, QStringLiteral("tab-mit-erwarteter-quote"));

        const QString pdf = u.pfad(QStringLiteral("Bericht.pdf"));
        dialoge.speichernAntworten.enqueue(pdf);
        QTest::mouseClick(in<QPushButton>(r, "BPdf"), Qt::LeftButton);
        const Dateidialoge::Auswahl &gefragt = dialoge.gefragt.constLast();
        QCOMPARE(gefragt.titel, QStringLiteral("Gewinnbericht als PDF speichern"));
        QCOMPARE(gefragt.endung, QStringLiteral("pdf"));
        QCOMPARE(gefragt.ordner, u.pfad(QStringLiteral("Gemeinschaft - Gewinnbericht.pdf")));
        QCOMPARE(meldungen.texte(), QStringList{QStringLiteral("Gespeichert in: Bericht.pdf")});
        pruefeInhalt(pdf);
        if (!bildordner().isEmpty())
            QVERIFY(Pdfwerkzeuge::alsBild(pdf, 1, bildordner() + QStringLiteral("/bericht-seite1")));
    }

    void drucken()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        DruckAttrappe drucker;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        u.schreibe(QStringLiteral("Gemeinschaft.qtt"), gemeinschaftsschein());
        TFAuswertung f(u.zustand, u.befehle());
        TFFrScheineN *r = auswerten(f, dialoge, u.pfad(QStringLiteral("Gemeinschaft.qtt")));
        // Cancelled in the print dialog: nothing printed, nothing said.
        QTest::mouseClick(in<QPushButton>(r, "BDrucken"), Qt::LeftButton);
        QCOMPARE(drucker.gefragt, 1);
        drucker.datei = u.pfad(QStringLiteral("Druck.pdf"));
        QTest::mouseClick(in<QPushButton>(r, "BDrucken"), Qt::LeftButton);
        QVERIFY(meldungen.eintraege.isEmpty());
        pruefeInhalt(drucker.datei);
    }

    // A file stands where the folder of the PDF should be: a German message, no file.
    void pdfNichtSchreibbar()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        u.schreibe(QStringLiteral("Gemeinschaft.qtt"), gemeinschaftsschein());
        u.schreibe(QStringLiteral("kein Ordner"), "x");
        TFAuswertung f(u.zustand, u.befehle());
        TFFrScheineN *r = auswerten(f, dialoge, u.pfad(QStringLiteral("Gemeinschaft.qtt")));
        const QString pdf = u.pfad(QStringLiteral("kein Ordner/Bericht.pdf"));
        dialoge.speichernAntworten.enqueue(pdf);
        QTest::mouseClick(in<QPushButton>(r, "BPdf"), Qt::LeftButton);
        QCOMPARE(meldungen.eintraege.size(), 1);
        QCOMPARE(meldungen.eintraege[0].art, Meldungen::Anzeige::Art::Fehler);
        QVERIFY2(meldungen.eintraege[0].text.startsWith(
                     QStringLiteral("Die Datei \u201EBericht.pdf\u201C konnte nicht geschrieben werden.")),
                 qPrintable(meldungen.eintraege[0].text));
        QCOMPARE(u.lies(QStringLiteral("kein Ordner")), QByteArray("x"));
    }

    // The report is neither saved nor printed into a file over the program's data: the settings
    // and the history stay as they were.
    void nichtUeberDieDaten()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        DruckAttrappe drucker;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        u.schreibe(Dateinamen::Einstellungen, "[Abrechnung]\nPreis=2\n");
        u.schreibe(QStringLiteral("Gemeinschaft.qtt"), gemeinschaftsschein());
        TFAuswertung f(u.zustand, u.befehle());
        TFFrScheineN *r = auswerten(f, dialoge, u.pfad(QStringLiteral("Gemeinschaft.qtt")));
        const QByteArray einstellungen = u.lies(Dateinamen::Einstellungen);
        dialoge.speichernAntworten.enqueue(u.pfad(QStringLiteral("Einstellungen.ini")));
        QTest::mouseClick(in<QPushButton>(r, "BPdf"), Qt::LeftButton);
        drucker.datei = u.pfad(QStringLiteral("./GReihen.qtgz"));
        QTest::mouseClick(in<QPushButton>(r, "BDrucken"), Qt::LeftButton);
        const QStringList texte = meldungen.texte();
        QCOMPARE(texte.size(), 2);
        QVERIFY2(texte[0].startsWith(QStringLiteral("Die Datei \u201EEinstellungen.ini\u201C geh\u00F6rt zu den "
                                                    "Daten des Programms")),
                 qPrintable(texte[0]));
        QVERIFY2(texte[1].startsWith(QStringLiteral("Die Datei \u201EGReihen.qtgz\u201C geh\u00F6rt zu den Daten "
                                                    "des Programms")),
                 qPrintable(texte[1]));
        QCOMPARE(u.lies(Dateinamen::Einstellungen), einstellungen);
        QCOMPARE(u.lies(Dateinamen::Gewinnreihen), dreiZiehungen());
    }

    // 150 winning rows run over several pages: each page repeats the table's header and counts
    // itself, and no row is lost at a page break.
    void mehrereSeiten()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Gewinnreihen, dreiZiehungen());
        QList<Reihe> reihen;
        for (int i = 0; i < 150; ++i)
            reihen << Reihe{1, 2, std::uint8_t(20 + i % 10), std::uint8_t(30 + i % 10), std::uint8_t(40 + i % 9), 10};
        u.schreibe(QStringLiteral("Gross.qtt"), schein(reihen, 1, 1));
        TFAuswertung f(u.zustand, u.befehle());
        TFFrScheineN *r = auswerten(f, dialoge, u.pfad(QStringLiteral("Gross.qtt")));
        const QString pdf = u.pfad(QStringLiteral("Gross.pdf"));
        dialoge.speichernAntworten.enqueue(pdf);
        QTest::mouseClick(in<QPushButton>(r, "BPdf"), Qt::LeftButton);

        const QRegularExpression seitenzahl(QStringLiteral("Pages:\\s+(\\d+)"));
        const int seiten = seitenzahl.match(Pdfwerkzeuge::info(pdf)).captured(1).toInt();
        QVERIFY2(seiten >= 3, qPrintable(QString::number(seiten)));
        QStringList zeilen;
        for (int s = 1; s <= seiten; ++s) {
            const QString seite = Pdfwerkzeuge::text(pdf, s, s);
            QVERIFY(woerter(seite).contains(QStringLiteral("Seite %1 von %2").arg(s).arg(seiten)));
            if (s > 1 && s < seiten)
                QVERIFY(woerter(seite).contains(QStringLiteral("Datum Klasse Richtige in Reihe Gewinn je Anteil")));
            for (const QString &zeile : seite.split(QLatin1Char('\n')))
                if (woerter(zeile).startsWith(QStringLiteral("01.01.2024 8 2 ")))
                    zeilen << woerter(zeile).section(QLatin1Char(' '), 3, 3);
        }
        QStringList alle;
        for (int i = 1; i <= 150; ++i)
            alle << QString::number(i);
        QCOMPARE(zeilen, alle);
        if (!bildordner().isEmpty())
            QVERIFY(Pdfwerkzeuge::alsBild(pdf, 2, bildordner() + QStringLiteral("/bericht-seite2")));
    }
};

QTEST_MAIN(TestGewinnbericht)
#include "tst_gewinnbericht.moc"
