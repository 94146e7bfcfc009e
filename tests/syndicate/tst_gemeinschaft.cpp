// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Gemeinschaftsdaten.h"
#include "KleinerDatentraeger.h"

#include "syndicate/Abrechnung.h"
#include "syndicate/Gemeinschaft.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace Gemeinschaftsdaten;

namespace {
constexpr Cent Preis = 200;

// A raw connection to a file, as another program would have one.
class Fremdverbindung
{
public:
    explicit Fremdverbindung(const QString &pfad)
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        d.setDatabaseName(pfad);
        d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        d.open();
    }
    ~Fremdverbindung()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    bool ausfuehren(const QString &sql)
    {
        QSqlQuery q(QSqlDatabase::database(m_name, false));
        return q.exec(sql);
    }

private:
    QString m_name = QStringLiteral("fremd-%1").arg(reinterpret_cast<quintptr>(this));
};

QMap<QString, Cent> teileVon(const Eintrag &e)
{
    QMap<QString, Cent> t;
    for (const Teil &teil : e.teile)
        t.insert(teil.mitglied, teil.betrag);
    return t;
}
} // namespace

class TestGemeinschaft : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ordner;
    QString pfad(const QString &name) const { return m_ordner.filePath(name); }

    // Anna (2 shares) and Bert (1) from 01.01.2024, Carla (1) from 01.02.2024; Anna down to one
    // share from 15.02.2024; the two-row ticket from 01.01.2024.
    void vorbereiten(Gemeinschaft &g, const QString &name)
    {
        QVERIFY2(g.anlegen(pfad(name), QStringLiteral("Test")).isEmpty(), "anlegen");
        QCOMPARE(g.mitgliedHinzufuegen(QStringLiteral("Anna"), 2, QDate(2024, 1, 1), QStringLiteral("anna@example.org")),
                 QString());
        QCOMPARE(g.mitgliedHinzufuegen(QStringLiteral("Bert"), 1, QDate(2024, 1, 1)), QString());
        QCOMPARE(g.mitgliedHinzufuegen(QStringLiteral("Carla"), 1, QDate(2024, 2, 1)), QString());
        QCOMPARE(g.anteileAendern(QStringLiteral("Anna"), 1, QDate(2024, 2, 15)), QString());
        QVERIFY(schreibeDatei(pfad(QStringLiteral("Woche.qtt")), zweiReihen()));
        QCOMPARE(g.scheinHinzufuegen(pfad(QStringLiteral("Woche.qtt")), QDate(2024, 1, 1)), QString());
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_ordner.isValid()); }

    // Ten draws settled: stakes and winnings split by the shares of each draw's day; a member
    // who joined later has no part of earlier draws; the parts add up; a second settling
    // books nothing.
    void abrechnen()
    {
        Gemeinschaft g;
        vorbereiten(g, QStringLiteral("abrechnen.qtgem"));
        const Abrechnungsergebnis e = Abrechnen(g, historie(10), QDate(2024, 3, 9), Preis, false);
        QCOMPARE(e.fehler, QString());
        QCOMPARE(e.ziehungen, 10);
        QCOMPARE(e.eintraege.size(), 12); // ten stakes, two wins
        for (const Eintrag &x : e.eintraege) {
            QVERIFY(x.nr > 0);
            Cent summe = 0;
            for (const Teil &t : x.teile)
                summe += t.betrag;
            QCOMPARE(summe, x.betrag);
            if (x.datum < QDate(2024, 2, 1))
                QVERIFY2(!teileVon(x).contains(QStringLiteral("Carla")), qPrintable(x.text));
        }
        using M = QMap<QString, Cent>;
        QCOMPARE(e.eintraege[0].art, Art::Einsatz);
        QCOMPARE(teileVon(e.eintraege[0]), (M{{QStringLiteral("Anna"), 267}, {QStringLiteral("Bert"), 133}}));
        QCOMPARE(e.eintraege[1].art, Art::Gewinn);
        QCOMPARE(e.eintraege[1].betrag, 4000);
        QCOMPARE(teileVon(e.eintraege[1]), (M{{QStringLiteral("Anna"), 2667}, {QStringLiteral("Bert"), 1333}}));
        // 10.02.: Anna still two shares of four; 17.02.: one of three, the cent left to Anna by name.
        const Eintrag &einsatz1002 = e.eintraege[6];
        QCOMPARE(einsatz1002.datum, QDate(2024, 2, 10));
        QCOMPARE(teileVon(einsatz1002),
                 (M{{QStringLiteral("Anna"), 200}, {QStringLiteral("Bert"), 100}, {QStringLiteral("Carla"), 100}}));
        QCOMPARE(teileVon(e.eintraege[7]),
                 (M{{QStringLiteral("Anna"), 300}, {QStringLiteral("Bert"), 150}, {QStringLiteral("Carla"), 150}}));
        QCOMPARE(e.eintraege[8].datum, QDate(2024, 2, 17));
        QCOMPARE(teileVon(e.eintraege[8]),
                 (M{{QStringLiteral("Anna"), 134}, {QStringLiteral("Bert"), 133}, {QStringLiteral("Carla"), 133}}));

        Kontenstand stand;
        QCOMPARE(g.kontenLesen(stand, QDate(2024, 3, 10)), QString());
        QCOMPARE(stand.abgerechnetBis, QDate(2024, 3, 9));
        QCOMPARE(stand.konten.size(), 3);
        QCOMPARE(stand.konten[0].einsatz, 2004);
        QCOMPARE(stand.konten[0].gewinn, 2967);
        QCOMPARE(stand.konten[1].einsatz, 1264);
        QCOMPARE(stand.konten[2].einsatz, 732);
        QCOMPARE(stand.kasse, 4600 - 4000);

        const Abrechnungsergebnis zweite = Abrechnen(g, historie(10), QDate(2024, 3, 9), Preis, false);
        QCOMPARE(zweite.fehler, QString());
        QCOMPARE(zweite.ziehungen, 0);
        QVERIFY(zweite.eintraege.isEmpty());
        QVector<Eintrag> kasse;
        QCOMPARE(g.kasseLesen(kasse), QString());
        QCOMPARE(kasse.size(), 12);
    }

    // Days after the newest draw are listed as not drawn, and booked once the history has them.
    void nochNichtGezogen()
    {
        Gemeinschaft g;
        vorbereiten(g, QStringLiteral("offen.qtgem"));
        Abrechnungsergebnis e = Abrechnen(g, historie(10), QDate(2024, 3, 30), Preis, false);
        QCOMPARE(e.fehler, QString());
        QCOMPARE(e.ziehungen, 10);
        QCOMPARE(e.nichtGezogen, (QVector<QDate>{QDate(2024, 3, 16), QDate(2024, 3, 23), QDate(2024, 3, 30)}));
        e = Abrechnen(g, historie(12), QDate(2024, 3, 30), Preis, false);
        QCOMPARE(e.ziehungen, 2);
        QCOMPARE(e.nichtGezogen, QVector<QDate>{QDate(2024, 3, 30)});
        // The preview books nothing.
        const Abrechnungsergebnis v = Abrechnen(g, historie(13), QDate(2024, 3, 30), Preis, true);
        QCOMPARE(v.ziehungen, 1);
        QCOMPARE(v.eintraege.size(), 1);
        QCOMPARE(v.eintraege[0].nr, 0);
        QVector<Eintrag> kasse;
        QCOMPARE(g.kasseLesen(kasse), QString());
        QCOMPARE(kasse.size(), 14);
    }

    // A draw corrected in the history: counter-entries for what was booked, then new entries.
    void korrigierteZiehung()
    {
        Gemeinschaft g;
        vorbereiten(g, QStringLiteral("korrektur.qtgem"));
        QVector<TGewZahlen> h = historie(4);
        QCOMPARE(Abrechnen(g, h, QDate(2024, 1, 27), Preis, false).ziehungen, 4);
        h[2] = ziehung(QDate(2024, 1, 20), {1, 2, 3, 4, 40}, 6); // now "4 + ZZ" for row 1
        const Abrechnungsergebnis e = Abrechnen(g, h, QDate(2024, 1, 27), Preis, false);
        QCOMPARE(e.fehler, QString());
        QCOMPARE(e.korrigiert, 1);
        QCOMPARE(e.eintraege.size(), 3);
        QCOMPARE(e.eintraege[0].art, Art::Storno);
        QCOMPARE(e.eintraege[0].stornoArt, Art::Einsatz);
        QVERIFY(e.eintraege[0].text.contains(QStringLiteral("korrigiert")));
        QCOMPARE(e.eintraege[1].art, Art::Einsatz);
        QVERIFY(e.eintraege[1].text.contains(QStringLiteral("korrigiert")));
        QCOMPARE(e.eintraege[2].art, Art::Gewinn);
        QCOMPARE(e.eintraege[2].betrag, 200000);
        // Corrected once, booked once.
        QCOMPARE(Abrechnen(g, h, QDate(2024, 1, 27), Preis, false).ziehungen, 0);
        Kontenstand stand;
        QCOMPARE(g.kontenLesen(stand, QDate(2024, 2, 1)), QString());
        QCOMPARE(stand.konten[0].einsatz + stand.konten[1].einsatz, 4 * 400);
        QCOMPARE(stand.konten[0].gewinn + stand.konten[1].gewinn, 4000 + 200000);
    }

    // The balances of the file's own sums equal a sum over every part of the ledger.
    void kontenGleichKasse()
    {
        Gemeinschaft g;
        vorbereiten(g, QStringLiteral("konten.qtgem"));
        QVector<Eintrag> gebucht;
        QCOMPARE(g.einzahlung(QStringLiteral("Anna"), 5000, QDate(2024, 1, 2), &gebucht), QString());
        QCOMPARE(g.einzahlung(QStringLiteral("Bert"), 2501, QDate(2024, 1, 2), &gebucht), QString());
        QCOMPARE(g.einzahlung(QStringLiteral("Carla"), 999, QDate(2024, 2, 2)), QString());
        QCOMPARE(Abrechnen(g, historie(12), QDate(2024, 3, 23), Preis, false).fehler, QString());
        QCOMPARE(g.ausgabe(301, QStringLiteral("Porto"), QDate(2024, 2, 20), &gebucht), QString());
        QCOMPARE(g.auszahlung(QStringLiteral("Bert"), 1000, QDate(2024, 3, 1), &gebucht), QString());
        QCOMPARE(g.storno(gebucht[1].nr, QDate(2024, 3, 2), &gebucht), QString());
        QCOMPARE(gebucht.constLast().art, Art::Storno);
        QCOMPARE(gebucht.constLast().mitglied, QStringLiteral("Bert"));

        QVector<Eintrag> kasse;
        QCOMPARE(g.kasseLesen(kasse), QString());
        QMap<QString, Cent> saldo;
        Cent summe = 0;
        for (const Eintrag &e : kasse)
            for (const Teil &t : e.teile) {
                const Art art = e.art == Art::Storno ? e.stornoArt : e.art;
                const int richtung = (art == Art::Einzahlung || art == Art::Gewinn ? 1 : -1) *
                                     (e.art == Art::Storno ? -1 : 1);
                saldo[t.mitglied] += richtung * t.betrag;
                summe += richtung * t.betrag;
            }
        Kontenstand stand;
        QCOMPARE(g.kontenLesen(stand, QDate(2024, 4, 1)), QString());
        for (const Konto &k : stand.konten)
            QCOMPARE(k.saldo(), saldo.value(k.name));
        QCOMPARE(stand.kasse, summe);
        QCOMPARE(stand.konten[1].eingezahlt, 0); // Bert's payment was cancelled
        QCOMPARE(stand.konten[1].ausgezahlt, 1000);
        QCOMPARE(stand.konten[0].anteile, 1);

        // The ledger filtered by member, kind and period.
        Kassenfilter filter;
        filter.mitgliedId = stand.konten[2].mitgliedId;
        QCOMPARE(g.kasseLesen(kasse, filter), QString());
        for (const Eintrag &e : kasse)
            QVERIFY(teileVon(e).contains(QStringLiteral("Carla")));
        QVERIFY(!kasse.isEmpty() && kasse[0].datum >= QDate(2024, 2, 1));
        filter = {};
        filter.art = Art::Gewinn;
        filter.von = QDate(2024, 2, 1);
        QCOMPARE(g.kasseLesen(kasse, filter), QString());
        QCOMPARE(kasse.size(), 1);
        QCOMPARE(kasse[0].datum, QDate(2024, 2, 10));
    }

    void stornoRegeln()
    {
        Gemeinschaft g;
        vorbereiten(g, QStringLiteral("storno.qtgem"));
        QVector<Eintrag> gebucht;
        QCOMPARE(g.ausgabe(1000, QStringLiteral("Quittungsblock"), QDate(2024, 1, 10), &gebucht), QString());
        const qint64 nr = gebucht[0].nr;
        QCOMPARE(g.storno(nr, QDate(2024, 1, 11), &gebucht), QString());
        QCOMPARE(gebucht[1].storniert, nr);
        QCOMPARE(teileVon(gebucht[1]), teileVon(gebucht[0]));
        QVERIFY(gebucht[1].geteilt());
        QVERIFY(g.storno(nr, QDate(2024, 1, 12)).contains(QStringLiteral("schon storniert")));
        QVERIFY(g.storno(gebucht[1].nr, QDate(2024, 1, 12)).contains(QStringLiteral("selbst ein Storno")));
        QVERIFY(g.storno(999, QDate(2024, 1, 12)).contains(QStringLiteral("gibt es nicht")));
        // No member on that day: nothing to split by.
        QVERIFY(g.ausgabe(500, QStringLiteral("Vorab"), QDate(2023, 12, 1)).contains(QStringLiteral("keine Mitglieder")));
        QVERIFY(g.einzahlung(QStringLiteral("Dora"), 500, QDate(2024, 1, 1)) == Gemeinschaft::unbekanntesMitglied(QStringLiteral("Dora")));
        QVector<Eintrag> kasse;
        QCOMPARE(g.kasseLesen(kasse), QString());
        QCOMPARE(kasse.size(), 2);
        QCOMPARE(kasse[0].storniertDurch, kasse[1].nr);
    }

    // Booked draws stay as booked: no change of members or tickets may reach back before them.
    void nachAbrechnungNichtRueckwirkend()
    {
        Gemeinschaft g;
        vorbereiten(g, QStringLiteral("rueckwirkend.qtgem"));
        QCOMPARE(Abrechnen(g, historie(3), QDate(2024, 1, 20), Preis, false).ziehungen, 3);
        QVERIFY(g.mitgliedHinzufuegen(QStringLiteral("Dora"), 1, QDate(2024, 1, 20)).contains(QStringLiteral("schon abgerechnet")));
        QVERIFY(g.anteileAendern(QStringLiteral("Bert"), 3, QDate(2024, 1, 13)).contains(QStringLiteral("schon abgerechnet")));
        QVERIFY(g.austritt(QStringLiteral("Bert"), QDate(2024, 1, 15)).contains(QStringLiteral("schon abgerechnet")));
        QVERIFY(schreibeDatei(pfad(QStringLiteral("Neu.qtt")), zweiReihen()));
        QVERIFY(g.scheinHinzufuegen(pfad(QStringLiteral("Neu.qtt")), QDate(2024, 1, 1)).contains(QStringLiteral("schon abgerechnet")));
        QCOMPARE(g.mitgliedHinzufuegen(QStringLiteral("Dora"), 1, QDate(2024, 1, 21)), QString());
        QCOMPARE(g.austritt(QStringLiteral("Bert"), QDate(2024, 1, 21)), QString());
        QCOMPARE(g.scheinEntfernen(pfad(QStringLiteral("Woche.qtt")), QDate(2024, 2, 1)), QString());
        QVERIFY(g.scheinEntfernen(pfad(QStringLiteral("Woche.qtt")), QDate(2024, 2, 1)).contains(QStringLiteral("nicht")));
        // Bert left before 27.01., the ticket is played until 01.02.
        const Abrechnungsergebnis e = Abrechnen(g, historie(8), QDate(2024, 3, 1), Preis, false);
        QCOMPARE(e.ziehungen, 1);
        QVERIFY(!teileVon(e.eintraege[0]).contains(QStringLiteral("Bert")));
        QVERIFY(teileVon(e.eintraege[0]).contains(QStringLiteral("Dora")));
    }

    void eingaben_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("teil");
        QTest::newRow("name twice") << 0 << QStringLiteral("gibt es schon");
        QTest::newRow("empty ticket") << 1 << QStringLiteral("keine Reihe");
        QTest::newRow("row out of range") << 2 << QStringLiteral("keine g\u00FCltige Tippreihe");
        QTest::newRow("number twice in a row") << 3 << QStringLiteral("keine g\u00FCltige Tippreihe");
        QTest::newRow("ticket played already") << 4 << QStringLiteral("wird schon gespielt");
        QTest::newRow("no such ticket file") << 5 << QStringLiteral("nicht");
        QTest::newRow("settling with no member") << 6 << QStringLiteral("keine Mitglieder");
    }
    void eingaben()
    {
        QFETCH(int, fall);
        QFETCH(QString, teil);
        Gemeinschaft g;
        const QString datei = pfad(QStringLiteral("eingabe%1.qtgem").arg(fall));
        QCOMPARE(g.anlegen(datei, QString()), QString());
        QCOMPARE(g.mitgliedHinzufuegen(QStringLiteral("Anna"), 1, QDate(2024, 2, 1)), QString());
        const QString schein = pfad(QStringLiteral("s%1.qtt").arg(fall));
        QString fehler;
        switch (fall) {
        case 0: fehler = g.mitgliedHinzufuegen(QStringLiteral(" Anna "), 1, QDate(2024, 2, 1)); break;
        case 1: schreibeDatei(schein, QByteArray("123")); fehler = g.scheinHinzufuegen(schein, QDate(2024, 1, 1)); break;
        case 2: schreibeDatei(schein, scheinBytes({Reihe{1, 2, 3, 4, 50, 1}})); fehler = g.scheinHinzufuegen(schein, QDate(2024, 1, 1)); break;
        case 3: schreibeDatei(schein, scheinBytes({Reihe{1, 2, 3, 4, 4, 1}})); fehler = g.scheinHinzufuegen(schein, QDate(2024, 1, 1)); break;
        case 4:
            schreibeDatei(schein, zweiReihen());
            QCOMPARE(g.scheinHinzufuegen(schein, QDate(2024, 1, 1)), QString());
            fehler = g.scheinHinzufuegen(schein, QDate(2024, 3, 1));
            break;
        case 5: fehler = g.scheinHinzufuegen(pfad(QStringLiteral("gibtesnicht.qtt")), QDate(2024, 1, 1)); break;
        case 6:
            schreibeDatei(schein, zweiReihen());
            QCOMPARE(g.scheinHinzufuegen(schein, QDate(2024, 1, 1)), QString());
            fehler = Abrechnen(g, historie(6), QDate(2024, 3, 1), Preis, false).fehler;
            break;
        }
        QVERIFY2(fehler.contains(teil), qPrintable(fehler));
        QVector<Eintrag> kasse;
        QCOMPARE(g.kasseLesen(kasse), QString());
        QVERIFY(kasse.isEmpty());
    }

    // Files that are no syndicate, damaged or newer are refused and left byte for byte.
    void fremdeDateien_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("teil");
        QTest::newRow("text file") << 0 << QStringLiteral("keine Tippgemeinschaft");
        QTest::newRow("empty file") << 1 << QStringLiteral("keine Tippgemeinschaft");
        QTest::newRow("other SQLite database") << 2 << QStringLiteral("keine Tippgemeinschaft");
        QTest::newRow("damaged") << 3 << QStringLiteral("besch\u00E4digt");
        QTest::newRow("newer version") << 4 << QStringLiteral("neueren Version");
        QTest::newRow("parts changed behind its back") << 5 << QStringLiteral("au\u00DFerhalb des Programms");
        QTest::newRow("kind of a part changed") << 7 << QStringLiteral("au\u00DFerhalb des Programms");
        QTest::newRow("trigger of its own") << 8 << QStringLiteral("Aufbau");
        QTest::newRow("cut short") << 6 << QString();
    }
    void fremdeDateien()
    {
        QFETCH(int, fall);
        QFETCH(QString, teil);
        const QString datei = pfad(QStringLiteral("fremd%1.qtgem").arg(fall));
        if (fall == 0)
            schreibeDatei(datei, "Mitglieder: Anna, Bert\n");
        else if (fall == 1)
            schreibeDatei(datei, QByteArray());
        else if (fall == 2) {
            Fremdverbindung f(datei);
            QVERIFY(f.ausfuehren(QStringLiteral("CREATE TABLE adressen (name TEXT)")));
        } else {
            {
                Gemeinschaft g;
                vorbereiten(g, QStringLiteral("fremd%1.qtgem").arg(fall));
                QCOMPARE(Abrechnen(g, historie(30), QDate(2024, 8, 1), Preis, false).fehler, QString());
            }
            if (fall == 3) {
                // Garbage over the middle of a table page.
                QFile f(datei);
                QVERIFY(f.open(QIODevice::ReadWrite));
                QVERIFY(f.size() >= 4 * 4096);
                f.seek(2 * 4096 + 8);
                f.write(QByteArray(200, '\xA5'));
            } else if (fall == 4) {
                Fremdverbindung f(datei);
                QVERIFY(f.ausfuehren(QStringLiteral("PRAGMA user_version = 99")));
            } else if (fall == 5) {
                Fremdverbindung f(datei);
                QVERIFY(f.ausfuehren(QStringLiteral("DROP TRIGGER teile_nicht_aendern")));
                QVERIFY(f.ausfuehren(QStringLiteral("UPDATE teile SET betrag = betrag + 1 WHERE eintrag = 3")));
            } else if (fall == 7) {
                Fremdverbindung f(datei);
                QVERIFY(f.ausfuehren(QStringLiteral("DROP TRIGGER teile_nicht_aendern")));
                QVERIFY(f.ausfuehren(QStringLiteral("UPDATE teile SET art = 'Einzahlung' WHERE eintrag = 3")));
            } else if (fall == 8) {
                // A trigger that would move every winning to one member.
                Fremdverbindung f(datei);
                QVERIFY(f.ausfuehren(QStringLiteral("CREATE TRIGGER umleiten AFTER INSERT ON teile BEGIN "
                                                    "SELECT 1; END")));
            } else if (fall == 6) {
                QFile f(datei);
                QVERIFY(f.resize(f.size() / 2));
            }
        }
        const QByteArray vorher = leseDatei(datei);
        Gemeinschaft g;
        const QString fehler = g.oeffnen(datei);
        QVERIFY(!fehler.isEmpty());
        QVERIFY2(fehler.contains(teil), qPrintable(fehler));
        QVERIFY(!g.offen());
        QCOMPARE(leseDatei(datei), vorher);
        QVERIFY(!QFile::exists(datei + QStringLiteral("-journal")));
    }

    void buchungenBleiben()
    {
        Gemeinschaft g;
        vorbereiten(g, QStringLiteral("bleiben.qtgem"));
        QCOMPARE(g.einzahlung(QStringLiteral("Anna"), 100, QDate(2024, 1, 1)), QString());
        g.schliessen();
        Fremdverbindung f(pfad(QStringLiteral("bleiben.qtgem")));
        QVERIFY(!f.ausfuehren(QStringLiteral("UPDATE eintraege SET betrag = 1")));
        QVERIFY(!f.ausfuehren(QStringLiteral("DELETE FROM teile")));
        QVERIFY(!f.ausfuehren(QStringLiteral("DELETE FROM eintraege")));
        // A part that does not say what its entry is is not taken.
        QVERIFY(!f.ausfuehren(QStringLiteral("INSERT INTO teile (eintrag, mitglied, betrag, art, storno) "
                                             "VALUES (1, 2, 5, 'Gewinn', 0)")));
    }

    void anlegenUndSicherungen()
    {
        const QString datei = pfad(QStringLiteral("Verein.qtgem"));
        Gemeinschaft g;
        QCOMPARE(g.anlegen(datei, QStringLiteral("Kegelverein")), QString());
        QCOMPARE(g.name(), QStringLiteral("Kegelverein"));
        Gemeinschaft zweite;
        QVERIFY(zweite.anlegen(datei, QString()).contains(QStringLiteral("gibt es schon")));
        QVERIFY(Gemeinschaftsdatei::sicherungen(datei).isEmpty());
        QCOMPARE(g.mitgliedHinzufuegen(QStringLiteral("Anna"), 1, QDate(2024, 1, 1)), QString());
        QCOMPARE(Gemeinschaftsdatei::sicherungen(datei).size(), 1);
        QCOMPARE(g.mitgliedHinzufuegen(QStringLiteral("Bert"), 1, QDate(2024, 1, 1)), QString());
        QCOMPARE(Gemeinschaftsdatei::sicherungen(datei).size(), 1); // one per opening
        // The backup is a whole syndicate of the state before the first change.
        {
            Gemeinschaft kopie;
            QCOMPARE(kopie.oeffnen(Gemeinschaftsdatei::sicherungen(datei).constFirst()), QString());
            QVector<Mitglied> m;
            QCOMPARE(kopie.mitgliederLesen(m), QString());
            QVERIFY(m.isEmpty());
        }
        // Old copies beyond ten go; the new one is the newest.
        const QString ordner = QFileInfo(datei).absolutePath() + QStringLiteral("/Sicherungen/");
        for (int i = 0; i < 12; ++i)
            schreibeDatei(ordner + QStringLiteral("Verein 2020-01-%1 10-00-00-000.qtgem").arg(i + 10), "alt");
        schreibeDatei(ordner + QStringLiteral("Vereinsliste 2020-01-01 10-00-00-000.qtgem"), "fremd");
        g.schliessen();
        QCOMPARE(g.oeffnen(datei), QString());
        QCOMPARE(g.einzahlung(QStringLiteral("Anna"), 100, QDate(2024, 1, 1)), QString());
        const QStringList liste = Gemeinschaftsdatei::sicherungen(datei);
        QCOMPARE(liste.size(), Gemeinschaftsdatei::SicherungenBehalten);
        QVERIFY(!liste.constLast().contains(QStringLiteral("2020-")));
        QVERIFY(QFile::exists(ordner + QStringLiteral("Vereinsliste 2020-01-01 10-00-00-000.qtgem")));
    }

    // A disk that fills up during a settling: nothing is booked, the file is as it was, and the
    // message says why.
    void vollerDatentraeger()
    {
        QTemporaryDir punkt;
        KleinerDatentraeger platte(punkt.path(), 2 * 1024 * 1024);
        if (!platte.bereit())
            QSKIP(qPrintable(platte.grund()));
        const QString datei = punkt.filePath(QStringLiteral("voll.qtgem"));
        {
            Gemeinschaft g;
            QCOMPARE(g.anlegen(datei, QString()), QString());
            for (int i = 0; i < 50; ++i)
                QCOMPARE(g.mitgliedHinzufuegen(QStringLiteral("M%1").arg(i), 1, QDate(2014, 1, 1)), QString());
            QVERIFY(schreibeDatei(punkt.filePath(QStringLiteral("s.qtt")), zweiReihen()));
            QCOMPARE(g.scheinHinzufuegen(punkt.filePath(QStringLiteral("s.qtt")), QDate(2014, 1, 1)), QString());
        }
        const QByteArray vorher = leseDatei(datei);
        // Room for the backup and the journal, not for ten years of entries.
        QVERIFY(platte.fuellen(4 * vorher.size() + 16 * KleinerDatentraeger::Seite));
        QVector<TGewZahlen> zehnJahre;
        for (QDate tag(2014, 1, 4); tag < QDate(2024, 1, 1); tag = tag.addDays(7))
            zehnJahre.append(ziehung(tag, {1, 2, 30, 31, 32}, 6));
        Gemeinschaft g;
        QCOMPARE(g.oeffnen(datei), QString());
        const Abrechnungsergebnis e = Abrechnen(g, zehnJahre, QDate(2024, 1, 1), Preis, false);
        QVERIFY2(e.fehler.contains(QStringLiteral("kein Platz mehr")), qPrintable(e.fehler));
        QVERIFY(e.eintraege.isEmpty());
        g.schliessen();
        platte.leeren();
        // Every page of the file as before. SQLite may leave the room it had taken at the end of the
        // file; the page count in the header, restored with the rest, says it is not part of it.
        QCOMPARE(leseDatei(datei).left(vorher.size()), vorher);
        QCOMPARE(g.oeffnen(datei), QString());
        QVector<Eintrag> kasse;
        QCOMPARE(g.kasseLesen(kasse), QString());
        QVERIFY(kasse.isEmpty());
    }

    // A writer meeting another one's lock waits five seconds, then says so and books nothing.
    void besetzt()
    {
        Gemeinschaft g;
        vorbereiten(g, QStringLiteral("besetzt.qtgem"));
        Fremdverbindung f(pfad(QStringLiteral("besetzt.qtgem")));
        QVERIFY(f.ausfuehren(QStringLiteral("BEGIN IMMEDIATE")));
        QElapsedTimer uhr;
        uhr.start();
        QCOMPARE(g.einzahlung(QStringLiteral("Anna"), 100, QDate(2024, 1, 1)), Gemeinschaftsdatei::MeldungBesetzt);
        QVERIFY(uhr.elapsed() >= 4500);
        QVERIFY(f.ausfuehren(QStringLiteral("ROLLBACK")));
        QVector<Eintrag> kasse;
        QCOMPARE(g.kasseLesen(kasse), QString());
        QVERIFY(kasse.isEmpty());
        QCOMPARE(g.einzahlung(QStringLiteral("Anna"), 100, QDate(2024, 1, 1)), QString());
    }
};

QTEST_GUILESS_MAIN(TestGemeinschaft)
#include "tst_gemeinschaft.moc"
