// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Attrappen.h"
#include "Dateien.h"
#include "Testumgebung.h"

#include "model/Spiel.h"
#include "ui/gemeinsam/ScheinSpeichern.h"
#include "ui/gemeinsam/TabellenExport.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {
TextTabelle zweiReihen()
{
    TextTabelle t(7, 3);
    const QStringList reihen{QStringLiteral("2 12 22 38 41 6"), QStringLiteral("1 5 9 33 47 10")};
    for (int z = 1; z <= 2; ++z) {
        const QStringList zellen = reihen[z - 1].split(QLatin1Char(' '));
        for (int s = 1; s <= 6; ++s)
            t.setzeZelle(s, z, zellen[s - 1]);
    }
    return t;
}
} // namespace

class TestTabellenExport : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;

private Q_SLOTS:
    void csvGespeichert()
    {
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        dialoge.speichernAntworten.enqueue(ordner.filePath(QStringLiteral("Reihen")));
        QLabel label;
        QVERIFY(TabelleAlsCSVSpeichern(nullptr, zweiReihen(), CSVSpeicherdialog(ordner.path()), &label));
        QCOMPARE(inhalt(ordner.filePath(QStringLiteral("Reihen.csv"))),
                 QByteArray("2,12,22,38,41,6\r\n1,5,9,33,47,10\r\n"));
        QCOMPARE(label.text(), QStringLiteral("Gespeichert in: Reihen.csv"));
        QVERIFY(meldungen.eintraege.isEmpty());
        QCOMPARE(dialoge.gefragt.size(), 1);
        QCOMPARE(dialoge.gefragt[0].titel, QStringLiteral("Als CSV-Datei speichern..."));
        QCOMPARE(dialoge.gefragt[0].filtertext, QStringLiteral("CSV-Datei"));
        QCOMPARE(dialoge.gefragt[0].ordner, ordner.path());
        QVERIFY(!QApplication::overrideCursor());
    }

    void csvFehler()
    {
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        // An empty table is refused before the dialog.
        TextTabelle leer = zweiReihen();
        leer.setzeZelle(1, 1, QString());
        QLabel label(QStringLiteral("vorher"));
        QVERIFY(!TabelleAlsCSVSpeichern(nullptr, leer, CSVSpeicherdialog(ordner.path()), &label));
        QVERIFY(dialoge.gefragt.isEmpty());

        // A file where the folder should be: the write fails, the hourglass goes, the label stays.
        QVERIFY(schreibe(ordner.filePath(QStringLiteral("Ordner")), "x"));
        dialoge.speichernAntworten.enqueue(ordner.filePath(QStringLiteral("Ordner/neu.csv")));
        QVERIFY(!TabelleAlsCSVSpeichern(nullptr, zweiReihen(), CSVSpeicherdialog(ordner.path()), &label));
        QCOMPARE(meldungen.eintraege.size(), 2);
        QCOMPARE(meldungen.eintraege[0].text,
                 QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu speichern.\n\nIch breche erst einmal ab."));
        QVERIFY(meldungen.eintraege[1].text.startsWith(
            QStringLiteral("Die Datei \u201Eneu.csv\u201C konnte nicht geschrieben werden.")));
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(label.text(), QStringLiteral("vorher"));
    }

    void excelVerweigert()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        TextTabelle leer = zweiReihen();
        leer.setzeZelle(1, 1, QString());
        QVERIFY(!TabelleNachExcel(nullptr, leer, QStringLiteral("Tippreihen"), 6, u.zustand));

        const QByteArray alterPfad = qgetenv("PATH");
        QTemporaryDir keineProgramme;
        qputenv("PATH", keineProgramme.path().toUtf8());
        const bool gestartet = TabelleNachExcel(nullptr, zweiReihen(), QStringLiteral("Tippreihen"), 6, u.zustand);
        qputenv("PATH", alterPfad);
        QVERIFY(!gestartet);
        QCOMPARE(meldungen.eintraege.size(), 2);
        QCOMPARE(meldungen.eintraege[0].art, Meldungen::Anzeige::Art::Fehler);
        QCOMPARE(meldungen.eintraege[0].text,
                 QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu exportieren.\n\nIch breche erst einmal ab."));
        QCOMPARE(meldungen.eintraege[1].art, Meldungen::Anzeige::Art::Information);
        QCOMPARE(meldungen.eintraege[1].text,
                 QStringLiteral("Excel ist nicht auf Ihrem Rechner installiert, der Export daher "
                                "nicht m\u00F6glich.\n\nIch breche ab."));
        QVERIFY(!QApplication::overrideCursor());
    }

    // A save onto one of the program's data files, chosen in the dialog under any name, is
    // refused with a message and leaves the file as it was.
    void eigeneDateienVerweigert()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        u.schreibe(Dateinamen::Einstellungen, "[Abrechnung]\nPreis=1,25\n");
        u.schreibe(QStringLiteral(".sperre"), "1234");
        QVERIFY(QFile::link(u.pfad(QStringLiteral(".sperre")), ordner.filePath(QStringLiteral("Sperre.qtt"))));
        dialoge.speichernAntworten.enqueue(u.pfad(QStringLiteral("./Einstellungen.ini")));
        dialoge.speichernAntworten.enqueue(ordner.filePath(QStringLiteral("Sperre.qtt")));
        QLabel label(QStringLiteral("vorher"));
        QVERIFY(!TabelleAlsCSVSpeichern(nullptr, zweiReihen(), CSVSpeicherdialog(ordner.path()), &label));
        Dateidialoge::Auswahl schein;
        schein.endung = QStringLiteral("qtt");
        QVERIFY(!ScheinSpeichern(nullptr, zweiReihen(), QStringLiteral("1"), QStringLiteral("1"), schein, &label));
        QCOMPARE(meldungen.texte(),
                 QStringList({QStringLiteral("Die Datei \u201EEinstellungen.ini\u201C geh\u00F6rt zu den Daten des "
                                             "Programms und wird nicht \u00FCberschrieben. W\u00E4hlen Sie bitte eine "
                                             "andere Datei.\n\nIch breche ab."),
                              QStringLiteral("Die Datei \u201ESperre.qtt\u201C ist \u201E.sperre\u201C und geh\u00F6rt "
                                             "damit zu den Daten des Programms; sie wird nicht \u00FCberschrieben. "
                                             "W\u00E4hlen Sie bitte eine andere Datei.\n\nIch breche ab.")}));
        QCOMPARE(u.lies(Dateinamen::Einstellungen), QByteArray("[Abrechnung]\nPreis=1,25\n"));
        QVERIFY(QFileInfo(u.pfad(QStringLiteral(".sperre"))).isFile());
        QCOMPARE(u.lies(QStringLiteral(".sperre")), QByteArray("1234"));
        QCOMPARE(label.text(), QStringLiteral("vorher"));
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestTabellenExport)
#include "tst_tabellenexport.moc"
