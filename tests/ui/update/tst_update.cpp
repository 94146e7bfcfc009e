// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Attrappen.h"
#include "Dateien.h"
#include "Testserver.h"
#include "Testsignatur.h"
#include "Testumgebung.h"

#include "model/DemoTippschein.h"
#include "model/Gewinnreihenschutz.h"
#include "model/Spiel.h"
#include "model/Ziehungsdatei.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/haupt/Tippauswertung.h"
#include "ui/haupt/Ziehungsspalte.h"
#include "ui/update/Downloadlauf.h"
#include "ui/update/Gewinnzahlenaktualisierung.h"
#include "ui/update/Paketinstallation.h"
#include "ui/update/UpdateFenster.h"
#include "ui/update/Versionspruefung.h"
#include "update/Herstellerschluessel.h"
#include "update/Internet.h"
#include "update/Updatepruefung.h"
#include "update/Versionsdatei.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QGroupBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

Q_DECLARE_METATYPE(Testserver::Antwort)

namespace {
using Art = Meldungen::Anzeige::Art;
const QString Gescheitert = QStringLiteral("Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal.");
// Monday 22 January 2024, 21:00: the latest draw day is that Monday.
const QDateTime Jetzt(QDate(2024, 1, 22), QTime(21, 0));

QByteArray versionsdatei(std::initializer_list<const char *> versionen)
{
    QByteArray datei;
    for (const char *v : versionen) {
        QByteArray satz(24, '\0');
        satz[8] = static_cast<char>(std::strlen(v));
        std::memcpy(satz.data() + 9, v, std::strlen(v));
        datei += satz;
    }
    return datei;
}

// The signed version file for `installer` (layout of the release script).
QByteArray updateangaben(const QByteArray &installer, const QString &version = QStringLiteral("1.6.0.0"))
{
    return UpdateangabenSchreiben(
        {version, installer.size(), QCryptographicHash::hash(installer, QCryptographicHash::Sha256)});
}

// A stand-in installer that leaves a mark in its working folder.
const QByteArray Installer = "#!/bin/sh\necho gestartet > installer-lief\n";

// Pictures of the windows for a look by eye, when QUINTARO_BILDER names a folder.
void bild(QWidget *w, const QString &name)
{
    const QString ordner = qEnvironmentVariable("QUINTARO_BILDER");
    if (!ordner.isEmpty())
        w->grab().save(ordner + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The main window on a test data folder whose settings point at a server in this process.
struct Aufbau
{
    explicit Aufbau(const QByteArray &historie, const std::optional<Testzertifikat> &tls = std::nullopt)
    {
        u.zustand.Tempdatei = temp.filePath(QStringLiteral("tmp.tmp"));
        server.starten(tls);
        u.schreibe(Dateinamen::Einstellungen, "[Update]\nServer=" + server.basis().toUtf8() + "/\n");
        if (!historie.isNull())
            u.schreibe(Dateinamen::Gewinnreihen, historie);
        haupt = std::make_unique<TFAuswertung>(u.zustand, u.befehle());
    }

    // Opens the window by the shared command, as every tool bar does.
    TFUpdate *oeffnen(const std::optional<Testzertifikat> &vertraut = std::nullopt)
    {
        u.befehle().aktion(Befehle::Art::Update)->trigger();
        auto *f = qobject_cast<TFUpdate *>(findeFenster(QStringLiteral("FUpdate")));
        f->gewinnzahlen()->jetzt = [] { return Jetzt; };
        f->lauf().optionen.zeitlimitMs = 500;
        if (vertraut)
            f->lauf().optionen.zusaetzlicheZertifikate = {vertraut->zertifikat};
        Programmuebergabe &ue = f->versionspruefung()->uebergabe;
        ue.programmdatei = temp.filePath(QStringLiteral("Programm 'alt' $X `id`/quintaro-analyser"));
        ue.beenden = [this] { beendet = true; };
        return f;
    }

    template <class T> T *teil(const char *name)
    {
        return findeFenster(QStringLiteral("FUpdate"))->findChild<T *>(QLatin1String(name));
    }
    QString text(const char *name) { return teil<QLabel>(name)->text(); }
    void klicke(const char *name) { QTest::mouseClick(teil<QPushButton>(name), Qt::LeftButton); }
    bool ende(int anzahlMeldungen) { return meldungen.eintraege.size() >= anzahlMeldungen; }

    Testumgebung u;
    MeldungsRecorder meldungen;
    QTemporaryDir temp;
    Testserver server;
    std::unique_ptr<TFAuswertung> haupt;
    bool beendet = false;
};
} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

    QTemporaryDir m_zertifikatsordner;
    std::optional<Testzertifikat> m_zertifikat;
    std::optional<Testschluessel> m_schluessel; // the maker's key of this run
    std::optional<Testschluessel> m_fremd;      // someone else's

    // The server offers `installer` as version `version`, signed by the maker.
    void bieteUpdate(Aufbau &a, const QByteArray &installer, const QString &version = QStringLiteral("1.6.0.0"))
    {
        const QByteArray datei = updateangaben(installer, version);
        a.server.setze(QStringLiteral("/downloads/verinfos.qta"), Testserver::ok(datei));
        a.server.setze(QStringLiteral("/downloads/verinfos.qta.minisig"), Testserver::ok(m_schluessel->signieren(datei)));
        a.server.setze(QStringLiteral("/downloads/qtaupdate.exe"), Testserver::ok(installer));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_zertifikat = TestzertifikatMachen(m_zertifikatsordner.path());
        QVERIFY2(m_zertifikat.has_value(), "the openssl tool could not make a test certificate");
        m_schluessel = Testschluessel::machen(m_zertifikatsordner.path(), QStringLiteral("hersteller"));
        m_fremd = Testschluessel::machen(m_zertifikatsordner.path(), QStringLiteral("fremd"));
        QVERIFY2(m_schluessel && m_fremd, "the minisign tool could not make a key pair");
        setzeHerstellerschluesselFuerTests(m_schluessel->oeffentlich);
    }
    // Online unless a test says otherwise, whatever the machine's network.
    void init() { setzeInternetVerbundenFuerTests(true); }
    void cleanupTestCase()
    {
        setzeInternetVerbundenFuerTests(std::nullopt);
        setzeHerstellerschluesselFuerTests(std::nullopt);
    }

    void fensterUndStatus_data()
    {
        QTest::addColumn<int>("ziehungen");
        QTest::addColumn<QString>("stand");
        QTest::addColumn<bool>("bupdate");
        QTest::newRow("one draw missing") << 3 << "15.01.2024" << true;
        QTest::newRow("up to date") << 4 << "22.01.2024" << false;
    }
    void fensterUndStatus()
    {
        QFETCH(int, ziehungen);
        QFETCH(QString, stand);
        QFETCH(bool, bupdate);
        Aufbau a(Testumgebung::ziehungen(ziehungen));
        TFUpdate *f = a.oeffnen();
        QCOMPARE(f->windowTitle(), QStringLiteral("Quintaro Analyser 1.5.0.0"));
        QTRY_COMPARE(a.text("LAktuell"), QStringLiteral("22.01.2024"));
        QCOMPARE(a.text("LStand"), stand);
        QCOMPARE(a.teil<QPushButton>("Bupdate")->isEnabled(), bupdate);
        QCOMPARE(a.teil<QGroupBox>("GroupBox5")->title(), QStringLiteral("Gewinnzahlen-Aktualisierung"));
        QCOMPARE(a.teil<QGroupBox>("GroupBox1")->title(), QStringLiteral("Programmversion auf Aktualität prüfen"));
        const QList<std::pair<const char *, const char *>> texte{
            {"Label7",
             "Prüfen Sie die Aktualität der Gewinnreihen und laden Sie ggfs. fehlende Gewinnreihen herunter."},
            {"Label5", "Stand hier:"},
            {"Label6", "Aktuell:"},
            {"Label11", "Der Download ist frühestens um 20:00 Uhr an einem Ziehungstag möglich."},
            {"Label1", "Installierte Version"},
            {"PiVersion", "1.5.0.0"},
            {"Label2", "Verfügbare Version"},
            {"PvVersion", ""},
            {"LDown", "Wenn online eine aktuellere Version verfügbar ist, wird der Download-Button aktiv."},
            {"LSetup", "Nach dem Download wird der Installations-Button aktiv."}};
        for (const auto &[name, text] : texte)
            QCOMPARE(a.text(name), QString::fromUtf8(text));
        for (const auto &[name, text] :
             QList<std::pair<const char *, const char *>>{{"Bupdate", "Download und Update der Gewinnzahlen"},
                                                          {"BCalc", "Prüfen"},
                                                          {"BDown", "Download"},
                                                          {"BSetup", "Installation"},
                                                          {"SpeedButton1", "Sch&ließen"}})
            QCOMPARE(a.teil<QPushButton>(name)->text(), QString::fromUtf8(text));
        QVERIFY(a.teil<QPushButton>("BCalc")->isEnabled());
        QVERIFY(!a.teil<QPushButton>("BDown")->isEnabled() && !a.teil<QPushButton>("BSetup")->isEnabled());
        QVERIFY(f->width() >= 593 && f->height() >= 289);
        QCOMPARE(f->minimumSize(), f->maximumSize());
        QVERIFY(a.meldungen.eintraege.isEmpty());
        bild(f, QStringLiteral("update-%1").arg(ziehungen));

        // One window: the command brings the open one back; closing destroys it.
        a.u.befehle().aktion(Befehle::Art::Update)->trigger();
        QCOMPARE(findeFenster(QStringLiteral("FUpdate")), f);
        QPointer<TFUpdate> zeiger(f);
        a.klicke("SpeedButton1");
        QTRY_VERIFY(zeiger.isNull());
        QVERIFY(!FensterOffen(QStringLiteral("FUpdate")));
    }

    void downloadGelingt_data()
    {
        QTest::addColumn<bool>("tls");
        QTest::addColumn<QByteArray>("sicherung"); // null: none yet
        QTest::addColumn<bool>("sicherungBleibt");
        QTest::newRow("first download keeps the old history") << false << QByteArray() << false;
        QTest::newRow("an existing backup is left alone") << false << QByteArray("alte Sicherung") << true;
        QTest::newRow("over HTTPS") << true << QByteArray() << false;
    }
    void downloadGelingt()
    {
        QFETCH(bool, tls);
        QFETCH(QByteArray, sicherung);
        QFETCH(bool, sicherungBleibt);
        Aufbau a(Testumgebung::ziehungen(3), tls ? m_zertifikat : std::nullopt);
        if (!sicherung.isNull())
            a.u.schreibe(Dateinamen::Sicherung, sicherung);
        a.server.setze(QStringLiteral("/downloads/GReihen.qtgz"), Testserver::ok(Testumgebung::ziehungen(4)));
        QCOMPARE(a.u.zustand.Haeufigkeiten[4], 1);
        // A ticket tab is open and a new draw is being entered.
        a.u.schreibe(QStringLiteral("Schein.qtt"), DemoTippschein());
        a.haupt->tippauswertung()->DateienEinlesen(a.u.pfad(QStringLiteral("Schein.qtt")));
        Ziehungsspalte *spalte = a.haupt->ziehungsspalte();
        spalte->BHinzuClick();
        QVERIFY(spalte->NeueZiehung());

        TFUpdate *f = a.oeffnen(m_zertifikat);
        QTRY_VERIFY(a.teil<QPushButton>("Bupdate")->isEnabled());
        a.klicke("Bupdate");
        QTRY_VERIFY(a.ende(1));
        QCOMPARE(a.meldungen.texte(), QStringList{QStringLiteral("Download abgeschlossen.")});

        QCOMPARE(a.u.lies(Dateinamen::Gewinnreihen), Testumgebung::ziehungen(4));
        QCOMPARE(a.u.lies(Dateinamen::Sicherung), sicherungBleibt ? sicherung : Testumgebung::ziehungen(3));
        const QStringList kopien = Sicherungen::Liste(a.u.zustand.Datenordner);
        QCOMPARE(kopien.size(), 1);
        QCOMPARE(inhalt(kopien[0]), Testumgebung::ziehungen(3));
        QCOMPARE(a.u.zustand.Ziehungen.size(), 4);
        QCOMPARE(a.u.zustand.Haeufigkeiten[4], 2); // the statistics base is recounted
        // The whole main window follows: draw list, table, count, tabs; the entry has ended.
        QVERIFY(!spalte->NeueZiehung());
        auto *combo1 = spalte->ziehungsliste();
        QCOMPARE(combo1->count(), 4);
        QCOMPARE(combo1->currentIndex(), 3);
        QCOMPARE(combo1->itemText(3), QStringLiteral("22.01.2024"));
        QCOMPARE(a.haupt->findChild<QLabel *>(QStringLiteral("LZT"))->text(), QStringLiteral("  4 Gewinnreihen"));
        QCOMPARE(a.haupt->findChild<QTableView *>(QStringLiteral("G1"))->model()->rowCount(), 4);
        auto *tabliste = a.haupt->tippauswertung()->PC1()->widget(0)->findChild<QComboBox *>(QStringLiteral("Combo1"));
        QCOMPARE(tabliste->count(), 4);
        QCOMPARE(tabliste->currentIndex(), 3);
        // The status: the local history is up to date.
        QCOMPARE(a.text("LStand"), QStringLiteral("22.01.2024"));
        QVERIFY(!a.teil<QPushButton>("Bupdate")->isEnabled());
        QVERIFY(!QFile::exists(a.u.zustand.Tempdatei));
        if (!tls && sicherung.isNull())
            bild(f, QStringLiteral("update-nach-download"));
    }

    void downloadScheitert_data()
    {
        QTest::addColumn<Testserver::Antwort>("antwort");
        QTest::addColumn<bool>("fremdesZertifikat");
        QTest::addColumn<QString>("grund");
        const QByteArray seite =
            QByteArray("<!DOCTYPE html><html><body><h1>Wartung</h1></body></html>").leftJustified(96, ' ');
        QTest::newRow("404 with an error page")
            << Testserver::status(404, "Not Found", seite) << false << "404 Not Found";
        QTest::newRow("200 with an HTML page") << Testserver::ok(seite) << false << "keine Gewinnreihen-Datei";
        QTest::newRow("3 bytes") << Testserver::ok("abc") << false << "keine Ziehung";
        QTest::newRow("not whole records")
            << Testserver::ok(Testumgebung::ziehungen(4) + "1234") << false << "keine ganze Zahl";
        QByteArray ausserhalb = Testumgebung::ziehungen(4);
        ausserhalb[16 * 2 + 10] = 50;
        QTest::newRow("a number out of range") << Testserver::ok(ausserhalb) << false << "Eintrag 3";
        const QByteArray vier = Testumgebung::ziehungen(4);
        QTest::newRow("dates out of order")
            << Testserver::ok(vier.left(32) + vier.mid(48, 16) + vier.mid(32, 16)) << false
            << "Eintrag 4 ist nicht später datiert als Eintrag 3";
        QByteArray doppelt = vier;
        doppelt[16 + 9] = doppelt[16 + 8];
        QTest::newRow("a number twice") << Testserver::ok(doppelt) << false << "Eintrag 2 enthält die Zahl 2 zweimal";
        QTest::newRow("gzip bomb") << Testserver::gepackt(QByteArray(64 * 1024 * 1024, '\0')) << false
                                   << "entpackt größer als die erlaubten 16 MB";
        // Packed bodies that can't be unpacked are damaged, not too large.
        Testserver::Antwort kaputt = Testserver::gepackt(Testumgebung::ziehungen(200));
        for (int i = 0; i < 40; ++i)
            kaputt.roh[kaputt.roh.size() - 60 + i] = char(0xA5 ^ i);
        QTest::newRow("damaged gzip body") << kaputt << false << "beschädigt";
        Testserver::Antwort kopf = Testserver::gepackt(Testumgebung::ziehungen(200));
        kopf.roh[kopf.roh.indexOf("\r\n\r\n") + 4] = 'X';
        QTest::newRow("gzip body without its header") << kopf << false << "beschädigt";
        Testserver::Antwort abgeschnitten = Testserver::ok(Testumgebung::ziehungen(10));
        abgeschnitten.abbrechenNach = abgeschnitten.roh.size() - 40;
        QTest::newRow("truncated body") << abgeschnitten << false << "vorzeitig beendet";
        QTest::newRow("no answer") << Testserver::stumm() << false << "nicht geantwortet";
        QTest::newRow("untrusted certificate")
            << Testserver::ok(Testumgebung::ziehungen(4)) << true << "Identität des Servers";
        QTest::newRow("redirect loop") << Testserver::weiterleitung("/downloads/GReihen.qtgz") << false
                                       << "zu oft weiter";
        // One draw more than the history may hold: the history stays readable.
        Testserver::Antwort zuGross = Testserver::ok(Testumgebung::ziehungen(MaxZiehungen + 1));
        QTest::newRow("beyond the cap") << zuGross << false << "größer als die erlaubten 16 MB";
    }
    void downloadScheitert()
    {
        QFETCH(Testserver::Antwort, antwort);
        QFETCH(bool, fremdesZertifikat);
        QFETCH(QString, grund);
        Aufbau a(Testumgebung::ziehungen(3), fremdesZertifikat ? m_zertifikat : std::nullopt);
        a.server.setze(QStringLiteral("/downloads/GReihen.qtgz"), antwort);
        const QVector<TGewZahlen> vorher = a.u.zustand.Ziehungen;

        a.oeffnen();
        QTRY_VERIFY(a.teil<QPushButton>("Bupdate")->isEnabled());
        a.klicke("Bupdate");
        QTRY_VERIFY_WITH_TIMEOUT(a.ende(1), 15000);
        QCOMPARE(a.meldungen.eintraege.size(), 1);
        QCOMPARE(a.meldungen.eintraege[0].art, Art::Fehler);
        const QString text = a.meldungen.eintraege[0].text;
        QVERIFY2(text.startsWith(Gescheitert + Absatz) && text.contains(grund), qPrintable(text));

        // The history is exactly as before, under its own name, in memory and on screen.
        QCOMPARE(a.u.lies(Dateinamen::Gewinnreihen), Testumgebung::ziehungen(3));
        QVERIFY(!a.u.gibt(Dateinamen::Sicherung));
        QCOMPARE(a.u.zustand.Ziehungen, vorher);
        QVERIFY(Sicherungen::Liste(a.u.zustand.Datenordner).isEmpty());
        QCOMPARE(a.haupt->ziehungsspalte()->ziehungsliste()->count(), 3);
        QCOMPARE(a.text("LStand"), QStringLiteral("15.01.2024"));
        QVERIFY(a.teil<QPushButton>("Bupdate")->isEnabled());
    }

    // A valid list that lacks stored draws replaces the history only after "Ja".
    void kuerzereListe_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::newRow("Nein") << int(Meldungen::Antwort::Nein);
        QTest::newRow("Ja") << int(Meldungen::Antwort::Ja);
    }
    void kuerzereListe()
    {
        QFETCH(int, antwort);
        const bool ja = Meldungen::Antwort(antwort) == Meldungen::Antwort::Ja;
        QByteArray tausend;
        for (int i = 0; i < 1000; ++i)
            tausend += Testumgebung::ziehung(QDate(2019, 3, 6).addDays(-7 * (999 - i)), {1, 2, 3, 4, 5}, 6).alsBytes();
        const QByteArray zehn = tausend.left(10 * TGewZahlen::Groesse);
        Aufbau a(tausend);
        a.server.setze(QStringLiteral("/downloads/GReihen.qtgz"), Testserver::ok(zehn));
        a.meldungen.antworten.enqueue(Meldungen::Antwort(antwort));
        a.oeffnen();
        QTRY_VERIFY(a.teil<QPushButton>("Bupdate")->isEnabled());
        a.klicke("Bupdate");
        QTRY_VERIFY(a.ende(1));
        QCOMPARE(a.meldungen.eintraege[0].art, Art::FrageJaNeinVorgabeNein);
        QCOMPARE(a.meldungen.eintraege[0].text,
                 QStringLiteral("Die heruntergeladene Liste enthält 990 Ihrer Ziehungen nicht, die neueste vom "
                                "06.03.2019. Trotzdem übernehmen?"));
        if (ja)
            QTRY_VERIFY(a.ende(2));
        QCOMPARE(a.meldungen.texte().mid(1),
                 ja ? QStringList{QStringLiteral("Download abgeschlossen.")} : QStringList{});
        QCOMPARE(a.u.lies(Dateinamen::Gewinnreihen), ja ? zehn : tausend);
        QCOMPARE(a.u.zustand.Ziehungen.size(), ja ? 10 : 1000);
        // The replaced history is kept, dated; one that stays needs no copy.
        const QStringList kopien = Sicherungen::Liste(a.u.zustand.Datenordner);
        QCOMPARE(kopien.size(), ja ? 1 : 0);
        if (ja)
            QCOMPARE(inhalt(kopien[0]), tausend);
        QCOMPARE(a.u.gibt(Dateinamen::Sicherung), ja);
        QVERIFY(!QFile::exists(a.u.zustand.Tempdatei));
    }

    // The whole transfer has its limits: too slow a trickle, or longer than [Update] allows.
    void zuLangsam_data()
    {
        QTest::addColumn<QByteArray>("einstellung");
        QTest::addColumn<int>("rateFensterMs");
        QTest::addColumn<QString>("grund");
        QTest::newRow("a few bytes now and then")
            << QByteArray() << 300 << "Der Server sendet zu langsam: weniger als 1 KiB in 0,3 Sekunden.";
        QTest::newRow("ZeitlimitGewinnreihen") << QByteArray("ZeitlimitGewinnreihen=1\n") << 30000
                                               << "Der Download dauerte länger als die erlaubten 1 Sekunden";
    }
    void zuLangsam()
    {
        QFETCH(QByteArray, einstellung);
        QFETCH(int, rateFensterMs);
        QFETCH(QString, grund);
        Aufbau a(Testumgebung::ziehungen(3));
        a.u.schreibe(Dateinamen::Einstellungen,
                     "[Update]\nServer=" + a.server.basis().toUtf8() + "/\n" + einstellung);
        const int stueck = einstellung.isEmpty() ? 16 : 2000;
        a.server.setze(QStringLiteral("/downloads/GReihen.qtgz"),
                       Testserver::langsam(Testumgebung::ziehungen(20000), stueck, 20));
        TFUpdate *f = a.oeffnen();
        f->lauf().optionen.zeitlimitMs = 30000;
        f->lauf().optionen.rateFensterMs = rateFensterMs;
        QTRY_VERIFY(a.teil<QPushButton>("Bupdate")->isEnabled());
        a.klicke("Bupdate");
        QTRY_VERIFY_WITH_TIMEOUT(a.ende(1), 15000);
        const QString text = a.meldungen.eintraege[0].text;
        QVERIFY2(text.startsWith(Gescheitert + Absatz) && text.contains(grund), qPrintable(text));
        QCOMPARE(a.u.lies(Dateinamen::Gewinnreihen), Testumgebung::ziehungen(3));
    }

    void leereHistorie_data()
    {
        QTest::addColumn<bool>("nachfragen");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("laden");
        QTest::newRow("asks, No") << true << int(Meldungen::Antwort::Nein) << false;
        QTest::newRow("asks, Cancel") << true << int(Meldungen::Antwort::Abbrechen) << false;
        QTest::newRow("asks, Yes") << true << int(Meldungen::Antwort::Ja) << true;
        QTest::newRow("agreed elsewhere: no question") << false << 0 << true;
    }
    void leereHistorie()
    {
        QFETCH(bool, nachfragen);
        QFETCH(int, antwort);
        QFETCH(bool, laden);
        Aufbau a{QByteArray()};
        a.server.setze(QStringLiteral("/downloads/GReihen.qtgz"), Testserver::ok(Testumgebung::ziehungen(4)));
        a.u.zustand.DownloadNachfragen = nachfragen;
        if (nachfragen)
            a.meldungen.antworten.enqueue(Meldungen::Antwort(antwort));
        a.oeffnen();
        QTRY_COMPARE(a.text("LAktuell"), QStringLiteral("22.01.2024"));

        QStringList erwartet;
        if (nachfragen)
            erwartet << QStringLiteral("Es fehlen jegliche Gewinnreihen.\n\nSoll ich deren Download gleich starten?");
        if (laden)
            erwartet << QStringLiteral("Download abgeschlossen.");
        QCOMPARE(a.meldungen.texte(), erwartet);
        QCOMPARE(a.u.zustand.Ziehungen.size(), laden ? 4 : 0);
        QCOMPARE(a.text("LStand"), laden ? QStringLiteral("22.01.2024") : QString());
        QCOMPARE(a.teil<QPushButton>("Bupdate")->isEnabled(), !laden);
        QCOMPARE(a.server.anfragen.size(), laden ? 1 : 0);
        QVERIFY(!a.u.gibt(Dateinamen::Sicherung));
    }

    void leereHistorieDownloadScheitert()
    {
        Aufbau a{QByteArray()};
        a.u.zustand.DownloadNachfragen = false;
        a.oeffnen();
        QTRY_VERIFY(a.ende(2));
        QCOMPARE(a.meldungen.eintraege[0].art, Art::Fehler);
        QVERIFY(a.meldungen.eintraege[0].text.startsWith(Gescheitert + Absatz));
        QCOMPARE(a.meldungen.eintraege[1].art, Art::Information);
        QCOMPARE(a.meldungen.eintraege[1].text, Gescheitert);
        QVERIFY(!a.u.gibt(Dateinamen::Gewinnreihen));
        QCOMPARE(a.text("LAktuell"), QStringLiteral("22.01.2024"));
        QVERIFY(a.teil<QPushButton>("Bupdate")->isEnabled()); // another try is offered
    }

    void frageDesHauptfensters()
    {
        // "Yes" to the main window's question opens the window, which downloads at once.
        Aufbau a{QByteArray()};
        a.server.setze(QStringLiteral("/downloads/GReihen.qtgz"), Testserver::ok(Testumgebung::ziehungen(4)));
        a.meldungen.antworten.enqueue(Meldungen::Antwort::Ja);
        a.haupt->show();
        QTRY_COMPARE_WITH_TIMEOUT(a.u.zustand.Ziehungen.size(), 4, 10000);
        QCOMPARE(
            a.meldungen.texte(),
            (QStringList{QStringLiteral("Es fehlen jegliche Gewinnreihen.\n\nSoll ich deren Download gleich starten?"),
                         QStringLiteral("Download abgeschlossen.")}));
        QCOMPARE(a.haupt->ziehungsspalte()->ziehungsliste()->count(), 4);
        QVERIFY(FensterOffen(QStringLiteral("FUpdate")));
    }

    void ohneInternet_data()
    {
        QTest::addColumn<int>("knopf");
        QTest::addColumn<QString>("text");
        QTest::newRow("history") << 0
                                 << "Für den Download der Gewinnreihen muss eine Verbindung zum Internet bestehen.";
        QTest::newRow("check") << 1 << "Für die Aktualisierung muss eine Verbindung zum Internet bestehen.";
        QTest::newRow("installer") << 2
                                   << "Für den Download der Installations-Datei muss eine Verbindung zum Internet "
                                      "bestehen.\n\nIch breche ab.";
    }
    void ohneInternet()
    {
        QFETCH(int, knopf);
        QFETCH(QString, text);
        Aufbau a(Testumgebung::ziehungen(3));
        TFUpdate *f = a.oeffnen();
        QTRY_VERIFY(a.teil<QPushButton>("Bupdate")->isEnabled());
        setzeInternetVerbundenFuerTests(false);
        if (knopf == 0)
            a.klicke("Bupdate");
        else if (knopf == 1)
            a.klicke("BCalc");
        else
            f->versionspruefung()->BDownClick();
        QCOMPARE(a.meldungen.texte(), QStringList{text});
        QVERIFY(a.server.anfragen.isEmpty());
        QCOMPARE(a.u.lies(Dateinamen::Gewinnreihen), Testumgebung::ziehungen(3));
    }

    void versionPruefen_data()
    {
        QTest::addColumn<QByteArray>("datei");   // the version file on the server
        QTest::addColumn<QString>("signatur");   // who signs it: "hersteller", "fremd", "" for nobody
        QTest::addColumn<QString>("version");    // shown; empty: the check failed
        QTest::addColumn<bool>("bdown");
        QTest::addColumn<bool>("aelter");
        QTest::addColumn<QString>("grund");      // part of the message when the check failed
        const QByteArray x = "x";
        QTest::newRow("1.5.0.0, the installed one") << updateangaben(x, QStringLiteral("1.5.0.0")) << "hersteller" << "1.5.0.0"
                                                    << false << false << "";
        QTest::newRow("1.6.0.0, newer") << updateangaben(x, QStringLiteral("1.6.0.0")) << "hersteller" << "1.6.0.0" << true << false
                                        << "";
        QTest::newRow("1.4.9.0, older: any difference counts, and the note says so")
            << updateangaben(x, QStringLiteral("1.4.9.0")) << "hersteller" << "1.4.9.0" << true << true << "";
        QTest::newRow("15 characters, the most there can be")
            << updateangaben(x, QStringLiteral("2026.12.70.1234")) << "hersteller" << "2026.12.70.1234" << true << false << "";
        QTest::newRow("last record 404, even signed")
            << updateangaben(x, QStringLiteral("404")) << "hersteller" << "" << false << false << "nicht lesbar";
        QTest::newRow("last record 404, unsigned") << versionsdatei({"1.6.0.0", "404"}) << "" << "" << false << false
                                                   << "nicht lesbar";
        QTest::newRow("200 with an HTML page")
            << QByteArray("<html>\r\n\n<body>Login</body></html>\n") << "" << "" << false << false << "nicht lesbar";
        QTest::newRow("unsigned") << updateangaben(x) << "" << "" << false << false
                                  << "nicht vom Hersteller signiert: die Signatur \u201Everinfos.qta.minisig\u201C fehlt";
        QTest::newRow("signed by someone else")
            << updateangaben(x) << "fremd" << "" << false << false
            << "nicht vom Hersteller signiert: Die Signatur stammt von einem fremden Schlüssel.";
        QTest::newRow("an old signature replayed on a new version file")
            << updateangaben("neu", QStringLiteral("1.7.0.0")) << "alt" << "" << false << false
            << "nicht vom Hersteller signiert: Die Signatur passt nicht zur Datei.";
        QTest::newRow("old layout, signed") << versionsdatei({"1.6.0.0"}) << "hersteller" << "" << false << false
                                            << "nicht im erwarteten Aufbau";
    }
    void versionPruefen()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, signatur);
        QFETCH(QString, version);
        QFETCH(bool, bdown);
        QFETCH(bool, aelter);
        QFETCH(QString, grund);
        Aufbau a(Testumgebung::ziehungen(4));
        a.server.setze(QStringLiteral("/downloads/verinfos.qta"), Testserver::ok(datei));
        if (signatur == QLatin1String("alt"))
            a.server.setze(QStringLiteral("/downloads/verinfos.qta.minisig"),
                           Testserver::ok(m_schluessel->signieren(updateangaben("alt", QStringLiteral("1.6.0.0")))));
        else if (!signatur.isEmpty())
            a.server.setze(QStringLiteral("/downloads/verinfos.qta.minisig"),
                           Testserver::ok((signatur == QLatin1String("fremd") ? m_fremd : m_schluessel)->signieren(datei)));
        TFUpdate *f = a.oeffnen();
        a.klicke("BCalc");
        QVERIFY(f->lauf().laeuft());
        QTRY_VERIFY(!f->lauf().laeuft());
        QCOMPARE(a.text("PvVersion"), version);
        QCOMPARE(a.teil<QPushButton>("BDown")->isEnabled(), bdown);
        QCOMPARE(a.teil<QLabel>("LAelter")->isVisible(), aelter);
        QCOMPARE(a.text("LAelter"), QStringLiteral("(älter)"));
        QCOMPARE(a.teil<QLabel>("LAelter")->toolTip(), QStringLiteral("Die verfügbare Version ist älter als die installierte."));
        if (version.size() == 15)
            bild(f, QStringLiteral("update-lange-version"));
        if (aelter)
            bild(f, QStringLiteral("update-aeltere-version"));
        QVERIFY(a.server.anfragen[0].contains("\r\nCache-Control: no-cache\r\n"));
        if (version.isEmpty()) {
            QCOMPARE(a.meldungen.eintraege.size(), 1);
            const QString text = a.meldungen.eintraege[0].text;
            QVERIFY2(text.startsWith(QStringLiteral("Die Prüfung auf Aktualität hat leider nicht geklappt.\n\n")) &&
                         text.contains(grund),
                     qPrintable(text));
            // Even a call past the disabled button fetches nothing.
            f->versionspruefung()->BDownClick();
            QVERIFY(!f->lauf().laeuft());
            for (const QByteArray &anfrage : std::as_const(a.server.anfragen))
                QVERIFY(!anfrage.contains("qtaupdate.exe"));
        } else {
            QVERIFY(a.meldungen.eintraege.isEmpty());
            QCOMPARE(a.u.lies(QStringLiteral("verinfos.qta")), datei);
            QVERIFY(a.server.anfragen[1].contains("GET /downloads/verinfos.qta.minisig "));
            QVERIFY(a.server.anfragen[1].contains("\r\nCache-Control: no-cache\r\n"));
        }
    }

    void installation_data()
    {
        QTest::addColumn<bool>("tls");
        QTest::addColumn<bool>("legacy"); // minisign's older signature of the file itself
        QTest::newRow("over HTTPS") << true << false;
        QTest::newRow("legacy signature") << false << true;
    }
    // A signed update: checked, downloaded into the user's private folder, started.
    void installation()
    {
        QFETCH(bool, tls);
        QFETCH(bool, legacy);
        Aufbau a(Testumgebung::ziehungen(4), tls ? m_zertifikat : std::nullopt);
        bieteUpdate(a, Installer);
        if (legacy)
            a.server.setze(QStringLiteral("/downloads/verinfos.qta.minisig"),
                           Testserver::ok(m_schluessel->signieren(updateangaben(Installer), {QStringLiteral("-l")})));
        TFUpdate *f = a.oeffnen(m_zertifikat);
        f->lauf().optionen.zeitlimitMs = 10000; // a TLS handshake may take a while in a sanitizer build
        const QString programm = f->versionspruefung()->uebergabe.programmdatei;
        QVERIFY(QDir().mkpath(QFileInfo(programm).absolutePath()));
        QVERIFY(schreibe(programm, "altes Programm"));
        const QByteArray einstellungen = a.u.lies(Dateinamen::Einstellungen);

        a.klicke("BCalc");
        QTRY_VERIFY_WITH_TIMEOUT(a.teil<QPushButton>("BDown")->isEnabled(), 20000);
        QCOMPARE(a.text("PvVersion"), QStringLiteral("1.6.0.0"));
        a.klicke("BDown");
        QTRY_VERIFY_WITH_TIMEOUT(a.teil<QPushButton>("BSetup")->isEnabled(), 20000);
        bild(f, QStringLiteral("update-installer"));
        const QString ordner = f->versionspruefung()->updateordner();
        QCOMPARE(ordner, a.u.zustand.Datenordner + QStringLiteral("Update/"));
        // The folder and the file are the user's alone.
        QCOMPARE(QFileInfo(ordner).permissions() & 0x0077, QFileDevice::Permissions());
        QCOMPARE(QFileInfo(ordner + QStringLiteral("Update.exe")).permissions(),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadUser |
                     QFileDevice::WriteUser | QFileDevice::ExeUser);
        QCOMPARE(inhalt(ordner + QStringLiteral("Update.exe")), Installer);
        QVERIFY(a.meldungen.eintraege.isEmpty());

        // Declined: the program goes on and says how to install by hand.
        a.klicke("BSetup");
        QCOMPARE(a.meldungen.texte(),
                 (QStringList{
                     QStringLiteral("Um die Installation durchführen zu können, muss das Programm jetzt geschlossen "
                                    "werden. Die Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas "
                                    "schief läuft, bitte das Update manuell durch Doppelklick auf die Datei "
                                    "\"Update.exe\" im Verzeichnis ") +
                         ordner + QStringLiteral(" starten.\n\nSoll fortgefahren werden?"),
                     QStringLiteral("Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell "
                                    "durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ") +
                         ordner +
                         QStringLiteral(" starten.\n\nZuvor muss das Programm geschlossen und die Datei "
                                        "\"quintaro-analyser\" im Verzeichnis ") +
                         a.u.zustand.Programmordner + QStringLiteral(" gelöscht werden.")}));
        QVERIFY(!a.beendet);
        QVERIFY(a.teil<QPushButton>("BSetup")->isEnabled());

        // Agreed: the installer runs, the program ends at once without closing its windows,
        // and the script removes the old program file and its folder.
        a.meldungen.eintraege.clear();
        a.meldungen.antworten.enqueue(Meldungen::Antwort::Ja);
        a.klicke("BSetup");
        QVERIFY(a.beendet);
        QCOMPARE(a.meldungen.eintraege.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(a.u.gibt(QStringLiteral("installer-lief")), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(QFileInfo(programm).absolutePath()), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(QDir(QFileInfo(a.u.zustand.Tempdatei).absolutePath())
                                     .entryList({QStringLiteral("uis*")}, QDir::Files)
                                     .isEmpty(),
                                 10000);
        QCOMPARE(a.u.lies(Dateinamen::Einstellungen), einstellungen);
        QVERIFY(FensterOffen(QStringLiteral("FUpdate")));
    }

    // Installed by the package manager: the check still shows the version offered, but the
    // program's download and installation stay disabled and say why; the history downloads.
    void paketinstallation()
    {
        Aufbau a(Testumgebung::ziehungen(3));
        bieteUpdate(a, Installer);
        a.server.setze(QStringLiteral("/downloads/GReihen.qtgz"), Testserver::ok(Testumgebung::ziehungen(4)));
        TFUpdate *f = a.oeffnen();
        f->versionspruefung()->setzePaketinstallation(true);
        for (const char *name : {"BDown", "BSetup"}) {
            auto *knopf = a.teil<QPushButton>(name);
            QVERIFY(!knopf->isEnabled());
            QCOMPARE(knopf->toolTip(), QStringLiteral("Updates kommen über die Paketverwaltung."));
            QCOMPARE(knopf->accessibleDescription(), knopf->toolTip());
        }

        a.klicke("BCalc");
        QTRY_COMPARE(a.text("PvVersion"), QStringLiteral("1.6.0.0"));
        QVERIFY(!a.teil<QPushButton>("BDown")->isEnabled() && !a.teil<QPushButton>("BSetup")->isEnabled());
        // Even a call past the disabled buttons fetches and starts nothing.
        f->versionspruefung()->BDownClick();
        f->versionspruefung()->BSetupClick();
        QVERIFY(!f->lauf().laeuft() && !a.beendet);
        QVERIFY(a.meldungen.eintraege.isEmpty());

        QTRY_VERIFY(a.teil<QPushButton>("Bupdate")->isEnabled());
        a.klicke("Bupdate");
        QTRY_VERIFY_WITH_TIMEOUT(a.ende(1), 20000);
        QCOMPARE(a.meldungen.texte(), QStringList{QStringLiteral("Download abgeschlossen.")});
        QCOMPARE(a.u.lies(Dateinamen::Gewinnreihen), Testumgebung::ziehungen(4));
        for (const QByteArray &anfrage : std::as_const(a.server.anfragen))
            QVERIFY(!anfrage.contains("qtaupdate.exe"));
        bild(f, QStringLiteral("update-paket"));
    }

    // dpkg's list of the package's files names the program the package installed.
    void paketinstallationErkennen_data()
    {
        QTest::addColumn<QByteArray>("liste"); // null: no list, the package is not installed
        QTest::addColumn<QString>("programmordner");
        QTest::addColumn<bool>("paket");
        const QByteArray liste = "/.\n/usr\n/usr/bin\n/usr/bin/quintaro-analyser\n/usr/libexec\n"
                                 "/usr/libexec/quintaro-analyser\n/usr/libexec/quintaro-analyser/quintaro-analyser\n";
        QTest::newRow("the package's folder") << liste << "/usr/libexec/quintaro-analyser/" << true;
        QTest::newRow("the package's folder, no separator") << liste << "/usr/libexec/quintaro-analyser" << true;
        QTest::newRow("an installation by hand beside the package")
            << liste << "/usr/local/libexec/quintaro-analyser/" << false;
        QTest::newRow("no package installed") << QByteArray() << "/usr/libexec/quintaro-analyser/" << false;
        QTest::newRow("empty program folder") << liste << "" << false;
    }
    void paketinstallationErkennen()
    {
        QFETCH(QByteArray, liste);
        QFETCH(QString, programmordner);
        QFETCH(bool, paket);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("quintaro-analyser.list"));
        if (!liste.isNull())
            QVERIFY(schreibe(datei, liste));
        QCOMPARE(VonPaketverwaltungInstalliert(programmordner, datei), paket);
    }

    void installerStartetNicht()
    {
        Aufbau a(Testumgebung::ziehungen(4));
        bieteUpdate(a, QByteArray(64, '\x01'));
        TFUpdate *f = a.oeffnen();
        a.klicke("BCalc");
        QTRY_VERIFY_WITH_TIMEOUT(a.teil<QPushButton>("BDown")->isEnabled(), 20000);
        a.klicke("BDown");
        QTRY_VERIFY_WITH_TIMEOUT(a.teil<QPushButton>("BSetup")->isEnabled(), 20000);
        a.meldungen.antworten.enqueue(Meldungen::Antwort::Ja);
        a.klicke("BSetup");
        QCOMPARE(a.meldungen.eintraege.size(), 2);
        QCOMPARE(
            a.meldungen.eintraege[1].text,
            QStringLiteral("Update konnte nicht gestartet werden. Bitte schließen Sie das Programm und starten "
                           "Sie das Update manuell durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ") +
                f->versionspruefung()->updateordner() + QStringLiteral("."));
        QVERIFY(!a.beendet);
    }

    void installerDownloadScheitert()
    {
        Aufbau a(Testumgebung::ziehungen(4));
        bieteUpdate(a, Installer);
        a.server.setze(QStringLiteral("/downloads/qtaupdate.exe"), Testserver::status(404, "Not Found", "weg"));
        QVERIFY(QDir().mkpath(a.u.pfad(QStringLiteral("Update"))));
        a.u.schreibe(QStringLiteral("Update/Update.exe"), "altes Update");
        a.oeffnen();
        a.klicke("BCalc");
        QTRY_VERIFY_WITH_TIMEOUT(a.teil<QPushButton>("BDown")->isEnabled(), 20000);
        a.klicke("BDown");
        QTRY_VERIFY_WITH_TIMEOUT(a.ende(1), 20000);
        QVERIFY(a.meldungen.eintraege[0].text.startsWith(Gescheitert + Absatz));
        QVERIFY(a.meldungen.eintraege[0].text.contains(QStringLiteral("404")));
        QVERIFY(!a.teil<QPushButton>("BSetup")->isEnabled());
        QVERIFY(!a.u.gibt(QStringLiteral("Update/Update.exe")));
    }

    // What the server sends in place of the signed installer is refused and never started.
    void falschesUpdate_data()
    {
        QTest::addColumn<QByteArray>("installer"); // what the server sends as qtaupdate.exe
        QTest::addColumn<bool>("download");        // the download itself succeeded
        QTest::addColumn<QString>("grund");
        QByteArray byte = Installer;
        byte[12] = 'X';
        QTest::newRow("one byte changed") << byte << true << "ihre Prüfsumme (SHA-256) weicht ab. Sie wird nicht gestartet.";
        QTest::newRow("shorter") << Installer.left(20) << true
                                 << "Die Update-Datei ist 20 Bytes groß, der Hersteller hat 42 Bytes signiert. Sie wird "
                                    "nicht gestartet.";
        QTest::newRow("longer: not a byte beyond the signed size is fetched")
            << Installer + "rm -rf ~\n" << false << "Die Datei ist größer als die erlaubten 42 Bytes.";
    }
    void falschesUpdate()
    {
        QFETCH(QByteArray, installer);
        QFETCH(bool, download);
        QFETCH(QString, grund);
        Aufbau a(Testumgebung::ziehungen(4), m_zertifikat);
        bieteUpdate(a, Installer);
        a.server.setze(QStringLiteral("/downloads/qtaupdate.exe"), Testserver::ok(installer));
        TFUpdate *f = a.oeffnen(m_zertifikat);
        f->lauf().optionen.zeitlimitMs = 10000; // a TLS handshake may take a while in a sanitizer build
        a.klicke("BCalc");
        QTRY_VERIFY_WITH_TIMEOUT(a.teil<QPushButton>("BDown")->isEnabled(), 20000);
        a.klicke("BDown");
        QTRY_VERIFY_WITH_TIMEOUT(a.ende(1), 20000);
        QCOMPARE(a.meldungen.eintraege.size(), 1);
        const auto &m = a.meldungen.eintraege[0];
        QCOMPARE(m.art, download ? Art::Fehler : Art::Information);
        QVERIFY2(m.text.contains(grund), qPrintable(m.text));
        if (!download)
            QVERIFY(m.text.startsWith(Gescheitert + Absatz));
        if (installer.size() == Installer.size())
            bild(f, QStringLiteral("update-abgelehnt"));
        QVERIFY(!a.teil<QPushButton>("BSetup")->isEnabled());
        QVERIFY(!QFileInfo::exists(f->versionspruefung()->updateordner() + QStringLiteral("Update.exe")));
        // Even a call past the disabled button starts nothing.
        a.meldungen.antworten.enqueue(Meldungen::Antwort::Ja);
        f->versionspruefung()->BSetupClick();
        QVERIFY(!a.beendet);
        QTest::qWait(300);
        QVERIFY(!a.u.gibt(QStringLiteral("installer-lief")));
    }

    // The installer changed on the disk between its download and the start: checked again, refused.
    void nachDemDownloadGetauscht()
    {
        Aufbau a(Testumgebung::ziehungen(4));
        bieteUpdate(a, Installer);
        TFUpdate *f = a.oeffnen();
        a.klicke("BCalc");
        QTRY_VERIFY_WITH_TIMEOUT(a.teil<QPushButton>("BDown")->isEnabled(), 20000);
        a.klicke("BDown");
        QTRY_VERIFY_WITH_TIMEOUT(a.teil<QPushButton>("BSetup")->isEnabled(), 20000);
        const QString datei = f->versionspruefung()->updateordner() + QStringLiteral("Update.exe");
        QByteArray anders = Installer;
        anders.replace("gestartet", "getauscht");
        QVERIFY(schreibe(datei, anders));

        a.meldungen.antworten.enqueue(Meldungen::Antwort::Ja);
        a.klicke("BSetup");
        QCOMPARE(a.meldungen.eintraege.size(), 2);
        QCOMPARE(a.meldungen.eintraege[1].art, Art::Fehler);
        QCOMPARE(a.meldungen.eintraege[1].text,
                 QStringLiteral("Die Update-Datei ist nicht die, die der Hersteller signiert hat: ihre Prüfsumme "
                                "(SHA-256) weicht ab. Sie wird nicht gestartet."));
        QVERIFY(!a.beendet);
        QVERIFY(!a.teil<QPushButton>("BSetup")->isEnabled());
        QVERIFY(!QFileInfo::exists(datei));
        QTest::qWait(300);
        QVERIFY(!a.u.gibt(QStringLiteral("installer-lief")));
    }

    void fortschrittUndAbbrechen()
    {
        Aufbau a(Testumgebung::ziehungen(3));
        a.server.setze(QStringLiteral("/downloads/GReihen.qtgz"),
                       Testserver::langsam(Testumgebung::ziehungen(200), 160, 100));
        TFUpdate *f = a.oeffnen();
        QTRY_VERIFY(a.teil<QPushButton>("Bupdate")->isEnabled());
        a.klicke("Bupdate");
        QProgressDialog *dialog = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((dialog = f->findChild<QProgressDialog *>()) && dialog->isVisible(), 5000);
        QTRY_VERIFY(dialog->labelText().contains(QStringLiteral("Bytes empfangen")));
        QVERIFY(dialog->labelText().startsWith(QStringLiteral("Die Gewinnreihen werden heruntergeladen.\n")));
        QVERIFY(dialog->labelText().endsWith(QStringLiteral(" von 3.200 Bytes empfangen")));
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        bild(dialog, QStringLiteral("update-fortschritt"));

        // The window can't be closed under a running download; "Abbrechen" ends it.
        f->close();
        QVERIFY(f->isVisible());
        auto *abbrechen = dialog->findChild<QPushButton *>();
        QCOMPARE(abbrechen->text(), QStringLiteral("Abbrechen"));
        QTest::mouseClick(abbrechen, Qt::LeftButton);
        QTRY_VERIFY(!f->lauf().laeuft());
        QVERIFY(a.meldungen.eintraege.isEmpty());
        QCOMPARE(a.u.lies(Dateinamen::Gewinnreihen), Testumgebung::ziehungen(3));
        QVERIFY(!a.u.gibt(Dateinamen::Sicherung));
        QCOMPARE(a.u.zustand.Ziehungen.size(), 3);
    }
};

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
