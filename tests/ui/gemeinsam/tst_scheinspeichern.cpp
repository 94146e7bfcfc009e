// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "model/Tippscheindatei.h"
#include "ui/gemeinsam/ScheinSpeichern.h"

#include "support/Attrappen.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QByteArray zweiReihen = QByteArray::fromHex("030C19262F070400010001020304050A04000100");

TextTabelle scheinTabelle()
{
    const Textmesser breite = [](const QString &t) { return int(t.size()) * 6; };
    TextTabelle t(TippreihenSpalten, 3);
    KopfTippreihen(t, 45, breite);
    const QStringList reihen{QStringLiteral("3 12 25 38 47 7"), QStringLiteral("1 2 3 4 5 10")};
    for (int z = 1; z <= 2; ++z) {
        const QStringList zellen = reihen[z - 1].split(QLatin1Char(' '));
        for (int c = 1; c <= 6; ++c)
            t.setzeZelle(c, z, zellen[c - 1]);
    }
    return t;
}

} // namespace

class TestScheinSpeichern : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;
    Dateidialoge::Auswahl dialog;

private Q_SLOTS:
    void initTestCase()
    {
        dialog.titel = QStringLiteral("Als Tippschein speichern...");
        dialog.ordner = ordner.path();
        dialog.filtertext = QStringLiteral("Tippschein-Datei");
        dialog.endung = QStringLiteral("qtt");
    }

    void speichertUndNenntDieDatei()
    {
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        dialoge.speichernAntworten.enqueue(ordner.filePath(QStringLiteral("Mein Schein")));
        QLabel label(QStringLiteral("vorher"));
        QVERIFY(ScheinSpeichern(nullptr, scheinTabelle(), QStringLiteral("4"), QStringLiteral("1"), dialog, &label));
        QCOMPARE(label.text(), QStringLiteral("Gespeichert in: Mein Schein.qtt"));
        QCOMPARE(inhalt(ordner.filePath(QStringLiteral("Mein Schein.qtt"))), zweiReihen);
        QVERIFY(meldungen.eintraege.isEmpty());
        QCOMPARE(dialoge.gefragt.size(), 1);
        QCOMPARE(dialoge.gefragt[0].titel, dialog.titel);
    }

    void leereTabelleFragtNichtNachDerDatei()
    {
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        dialoge.speichernAntworten.enqueue(ordner.filePath(QStringLiteral("Leer.qtt")));
        TextTabelle t = scheinTabelle();
        t.setzeZelle(1, 1, QString());
        QLabel label(QStringLiteral("vorher"));
        QVERIFY(!ScheinSpeichern(nullptr, t, QStringLiteral("1"), QStringLiteral("1"), dialog, &label));
        QCOMPARE(meldungen.eintraege.size(), 1);
        QCOMPARE(meldungen.eintraege[0].art, Meldungen::Anzeige::Art::Fehler);
        QCOMPARE(meldungen.eintraege[0].text,
                 QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu speichern.\n\nIch breche erst einmal ab."));
        QVERIFY(dialoge.gefragt.isEmpty());
        QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("Leer.qtt"))));
        QCOMPARE(label.text(), QStringLiteral("vorher"));
    }

    void abbrechenSchreibtNichts()
    {
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge; // answers the save dialog with "cancelled"
        QLabel label(QStringLiteral("vorher"));
        const QStringList vorher = QDir(ordner.path()).entryList(QDir::Files);
        QVERIFY(!ScheinSpeichern(nullptr, scheinTabelle(), QStringLiteral("4"), QStringLiteral("1"), dialog, &label));
        QCOMPARE(dialoge.gefragt.size(), 1);
        QVERIFY(meldungen.eintraege.isEmpty());
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), vorher);
        QCOMPARE(label.text(), QStringLiteral("vorher"));
    }

    // No share at all: refused after the dialog like the other share checks, nothing written.
    void keineAnteile()
    {
        const QString alt = ordner.filePath(QStringLiteral("Alt.qtt"));
        QVERIFY(schreibe(alt, "alter Inhalt"));
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        dialoge.speichernAntworten.enqueue(alt);
        QLabel label(QStringLiteral("vorher"));
        QVERIFY(!ScheinSpeichern(nullptr, scheinTabelle(), QStringLiteral("0"), QStringLiteral("0"), dialog, &label));
        QCOMPARE(meldungen.texte(),
                 QStringList{QStringLiteral("Die Anzahl der gesamten Anteile muss mindestens 1 sein.\n\n"
                                            "Der Speichervorgang wird abgebrochen.")});
        QCOMPARE(inhalt(alt), QByteArray("alter Inhalt"));
        QCOMPARE(label.text(), QStringLiteral("vorher"));
    }

    void fehlerNachDemDialog_data()
    {
        QTest::addColumn<QString>("antGes");
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QString>("meldungsanfang");
        QTest::newRow("total below own")
            << QStringLiteral("0") << QStringLiteral("Alt.qtt")
            << QStringLiteral("Die Anzahl der gesamten Anteile darf nicht niedriger als die Ihrigen sein.\n\n"
                              "Der Speichervorgang wird abgebrochen.");
        QTest::newRow("folder is a file") << QStringLiteral("4") << QStringLiteral("Alt.qtt/Neu.qtt")
                                          << QStringLiteral("Die Datei \u201ENeu.qtt\u201C konnte nicht geschrieben "
                                                            "werden.\n\n");
    }
    void fehlerNachDemDialog()
    {
        QFETCH(QString, antGes);
        QFETCH(QString, ziel);
        QFETCH(QString, meldungsanfang);
        const QString alt = ordner.filePath(QStringLiteral("Alt.qtt"));
        QVERIFY(schreibe(alt, "alter Inhalt"));
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        dialoge.speichernAntworten.enqueue(ordner.filePath(ziel));
        QLabel label(QStringLiteral("vorher"));
        QVERIFY(!ScheinSpeichern(nullptr, scheinTabelle(), antGes, QStringLiteral("1"), dialog, &label));
        QCOMPARE(meldungen.eintraege.size(), 1);
        QCOMPARE(meldungen.eintraege[0].art, Meldungen::Anzeige::Art::Fehler);
        QVERIFY2(meldungen.eintraege[0].text.startsWith(meldungsanfang), qPrintable(meldungen.eintraege[0].text));
        QCOMPARE(inhalt(alt), QByteArray("alter Inhalt"));
        QCOMPARE(label.text(), QStringLiteral("vorher"));
    }
};

QTEST_MAIN(TestScheinSpeichern)
#include "tst_scheinspeichern.moc"
