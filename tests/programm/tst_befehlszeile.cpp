// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"

#include "entry/Tabellenformate.h"
#include "evaluation/Gewinnauswertung.h"
#include "evaluation/Gewinnchancen.h"
#include "generator/Zufallsgenerator.h"
#include "model/Datensperre.h"
#include "model/Datum.h"
#include "model/Spiel.h"
#include "statistics/Kombistatistik.h"
#include "statistics/Musterstatistik.h"
#include "statistics/Statistik.h"
#include "statistics/Zusatzzahlstatistik.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <dirent.h>

#include <algorithm>
#include <bit>
#include <numeric>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace {
const QLocale deutsch(QLocale::German, QLocale::Germany);

struct Lauf
{
    int code = -1;
    QString ausgabe;
    QString fehler;
    QJsonObject json() const { return QJsonDocument::fromJson(ausgabe.toUtf8()).object(); }
};

// Five different numbers of 1..49, ascending.
std::array<std::uint8_t, 5> fuenf(std::mt19937 &zufall)
{
    std::array<int, 49> alle{};
    std::iota(alle.begin(), alle.end(), 1);
    std::shuffle(alle.begin(), alle.end(), zufall);
    std::array<std::uint8_t, 5> z{};
    for (std::size_t i = 0; i < 5; ++i)
        z[i] = static_cast<std::uint8_t>(alle[i]);
    std::sort(z.begin(), z.end());
    return z;
}
} // namespace

// The built command line against the core it is made of.
class TestBefehlszeile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString daten() const { return m_tmp.filePath(QStringLiteral("data/Quintaro Analyser/")); }

    // Runs the command line (`programm`) with the data folder of the user in the temporary
    // folder; standard output goes to `ausgabedatei` when one is named.
    Lauf cli(const QStringList &argumente, const QString &ausgabedatei = QString(),
             const QString &programm = QStringLiteral(QUINTARO_CLI)) const
    {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("XDG_DATA_HOME"), m_tmp.filePath(QStringLiteral("data")));
        umgebung.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        umgebung.remove(QStringLiteral("LC_ALL"));
        QProcess p;
        p.setProcessEnvironment(umgebung);
        if (!ausgabedatei.isEmpty())
            p.setStandardOutputFile(ausgabedatei);
        p.start(programm, argumente);
        Lauf l;
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return l;
        }
        l.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        l.ausgabe = QString::fromUtf8(p.readAllStandardOutput());
        l.fehler = QString::fromUtf8(p.readAllStandardError());
        return l;
    }

    // 80 weekly draws from 2 January 2023, random numbers; written to the data folder.
    QVector<TGewZahlen> historie(std::mt19937 &zufall) const
    {
        QVector<TGewZahlen> ziehungen;
        QByteArray datei;
        for (int i = 0; i < 80; ++i) {
            TGewZahlen z;
            z.datum = Datum::ausDatum(QDate(2023, 1, 2).addDays(7 * i));
            z.GZ = fuenf(zufall);
            z.bonus = static_cast<std::uint8_t>(1 + zufall() % 10);
            ziehungen << z;
            datei += z.alsBytes();
        }
        schreibe(daten() + Dateinamen::Gewinnreihen, datei);
        return ziehungen;
    }

    // The command line under the locale `sprache` (LANG and LC_ALL both set; empty: unset).
    Lauf cliMitSprache(const QString &sprache, const QStringList &argumente) const
    {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("XDG_DATA_HOME"), m_tmp.filePath(QStringLiteral("data")));
        for (const QString &name : {QStringLiteral("LANG"), QStringLiteral("LC_ALL"), QStringLiteral("LANGUAGE")})
            umgebung.remove(name);
        if (!sprache.isEmpty()) {
            umgebung.insert(QStringLiteral("LANG"), sprache);
            umgebung.insert(QStringLiteral("LC_ALL"), sprache);
        }
        QProcess p;
        p.setProcessEnvironment(umgebung);
        p.start(QStringLiteral(QUINTARO_CLI), argumente);
        Lauf l;
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return l;
        }
        l.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        l.ausgabe = QString::fromUtf8(p.readAllStandardOutput());
        l.fehler = QString::fromUtf8(p.readAllStandardError());
        return l;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(QDir().mkpath(daten())); }

    // Random tickets, shares, prices and periods: the JSON of the command line is the core's
    // evaluation of the same rows over the same draws.
    void auswertenWieDerKern_data()
    {
        QTest::addColumn<unsigned>("saat");
        for (unsigned saat : {1U, 2U, 3U, 4U, 5U, 6U})
            QTest::newRow(qPrintable(QString::number(saat))) << saat;
    }
    void auswertenWieDerKern()
    {
        QFETCH(unsigned, saat);
        std::mt19937 zufall(saat);
        Zustand zustand;
        zustand.Formateinstellungen = deutsch;
        zustand.Ziehungen = historie(zufall);
        // Every other run at a price of its own from the settings.
        zustand.Reihenpreis = saat % 2 ? 1.25F : 2.0F;
        schreibe(daten() + Dateinamen::Einstellungen, saat % 2 ? "[Abrechnung]\nPreis=1,25\n" : "");

        QVector<Tippreihe> reihen;
        const int anzahl = 1 + static_cast<int>(zufall() % 60);
        const auto gesamt = static_cast<std::uint16_t>(1 + zufall() % 12);
        const auto meine = static_cast<std::uint16_t>(zufall() % (gesamt + 1));
        QByteArray schein;
        for (int r = 0; r < anzahl; ++r) {
            Tippreihe t{fuenf(zufall), static_cast<std::uint8_t>(1 + zufall() % 10)};
            reihen << t;
            TNormalSchein s;
            std::copy(t.zahlen.begin(), t.zahlen.end(), s.WZ.begin());
            s.WZ[5] = t.zusatzzahl;
            s.AntGes = gesamt;
            s.Antmeine = meine;
            schein += s.alsBytes();
        }
        const QString datei = m_tmp.filePath(QStringLiteral("schein%1.qtt").arg(saat));
        QVERIFY(schreibe(datei, schein));

        // A run of draws given as dates in both forms, or (every third run) one draw by --bis.
        int von = static_cast<int>(zufall() % 80);
        const int bis = von + static_cast<int>(zufall() % (80 - von));
        const bool einzeln = saat % 3 == 0;
        if (einzeln)
            von = bis;
        QStringList argumente{QStringLiteral("auswerten"), datei, QStringLiteral("--json"), QStringLiteral("--bis"),
                              Datum::zuDatum(zustand.Ziehungen[bis].datum).toString(QStringLiteral("dd.MM.yyyy"))};
        if (!einzeln)
            argumente << QStringLiteral("--von=") + Datum::zuDatum(zustand.Ziehungen[von].datum).toString(Qt::ISODate);
        const Lauf lauf = cli(argumente);
        QVERIFY2(lauf.code == 0, qPrintable(lauf.fehler));
        const QJsonObject j = lauf.json();

        const Auswertungsergebnis e = GewinnAuswertung(zustand, reihen, gesamt, meine, bis, von, true);
        QCOMPARE(e.status, Auswertungsstatus::Ok);
        QCOMPARE(j[QStringLiteral("schein")].toString(), datei);
        QCOMPARE(j[QStringLiteral("reihen")].toInt(), anzahl);
        QCOMPARE(j[QStringLiteral("anteile")][QStringLiteral("gesamt")].toInt(), e.antGes);
        QCOMPARE(j[QStringLiteral("anteile")][QStringLiteral("meine")].toInt(), e.antMeine);
        const QJsonObject zeitraum = j[QStringLiteral("zeitraum")].toObject();
        QCOMPARE(zeitraum[QStringLiteral("von")].toString(),
                 Datum::zuDatum(e.ziehungen.constFirst().dat).toString(Qt::ISODate));
        QCOMPARE(zeitraum[QStringLiteral("bis")].toString(),
                 Datum::zuDatum(e.ziehungen.constLast().dat).toString(Qt::ISODate));
        QCOMPARE(zeitraum[QStringLiteral("ziehungen")].toInt(), bis - von + 1);
        QCOMPARE(j[QStringLiteral("paare")].toInteger(), e.paare);
        QCOMPARE(j[QStringLiteral("gesamtCent")].toInteger() * 100, e.gesamt);
        QCOMPARE(j[QStringLiteral("anteilCent")].toInteger() * 100, e.gesamtAnteil);
        QCOMPARE(qRound64(j[QStringLiteral("ruecklaufquote")].toDouble() * 10000), e.ruecklauf);
        QCOMPARE(qRound64(j[QStringLiteral("erwarteteRuecklaufquote")].toDouble() * 10000), e.erwarteterRuecklauf);

        const QJsonArray klassen = j[QStringLiteral("klassen")].toArray();
        QCOMPARE(klassen.size(), AnzahlGewinnklassen);
        for (int k = 0; k < AnzahlGewinnklassen; ++k)
            QCOMPARE(klassen[k][QStringLiteral("anzahl")].toInteger(), e.klassenAnzahl[static_cast<std::size_t>(k)]);

        const QJsonArray gewinne = j[QStringLiteral("gewinne")].toArray();
        qsizetype i = 0;
        for (const Ergebniszeile &z : e.zeilen) {
            if (z.klasse == 0)
                continue;
            QVERIFY(i < gewinne.size());
            const QJsonObject g = gewinne[i++].toObject();
            QCOMPARE(g[QStringLiteral("datum")].toString(),
                     Datum::zuDatum(e.ziehungen[z.ziehung].dat).toString(Qt::ISODate));
            QCOMPARE(g[QStringLiteral("reihe")].toInt(), z.reihe);
            QCOMPARE(g[QStringLiteral("klasse")].toInt(), int{z.klasse});
            QCOMPARE(g[QStringLiteral("betragCent")].toInteger() * 100, Gewinnklassen[z.klasse - 1].Gewinn);
            QCOMPARE(g[QStringLiteral("anteilCent")].toInteger() * 100,
                     MeinAnteil(e.antGes, e.antMeine, Gewinnklassen[z.klasse - 1].Gewinn));
        }
        QCOMPARE(i, gewinne.size());
        if (e.hoechsterPosition == 0) {
            QVERIFY(j[QStringLiteral("hoechstgewinn")].isNull());
        } else {
            QCOMPARE(j[QStringLiteral("hoechstgewinn")][QStringLiteral("betragCent")].toInteger() * 100, e.hoechster);
            QCOMPARE(j[QStringLiteral("hoechstgewinn")][QStringLiteral("reihe")].toInt(),
                     e.zeilen[static_cast<std::size_t>(e.hoechsterPosition - 1)].reihe);
        }

        // The text form says the same in German.
        const Lauf text = cli(argumente.mid(0, 2) << argumente.mid(3));
        QCOMPARE(text.code, 0);
        QVERIFY2(text.ausgabe.contains(QStringLiteral("Gesamtgewinn: ") + BetragZuWaehrung(e.gesamt, deutsch)),
                 qPrintable(text.ausgabe));
        QVERIFY(text.ausgabe.contains(QStringLiteral("R\u00FCcklaufquote: ") + RuecklaufText(e.ruecklauf, deutsch)));
    }

    // The result list is written draw by draw in columns of fixed widths: every line of the text
    // is the core's result row in the header's columns, and the JSON brings every win and the
    // totals of the core with its keys in the documented order.
    void auswertenAlsStrom_data()
    {
        QTest::addColumn<int>("anzahl");
        QTest::newRow("two rows: many draws without a win") << 2;
        QTest::newRow("forty rows: blocks of wins") << 40;
    }
    void auswertenAlsStrom()
    {
        QFETCH(int, anzahl);
        std::mt19937 zufall(static_cast<unsigned>(anzahl));
        Zustand zustand;
        zustand.Formateinstellungen = deutsch;
        zustand.Reihenpreis = 2.0F;
        zustand.Ziehungen = historie(zufall);
        schreibe(daten() + Dateinamen::Einstellungen, "");
        QVector<Tippreihe> reihen;
        QByteArray schein;
        for (int r = 0; r < anzahl; ++r) {
            const Tippreihe t{fuenf(zufall), static_cast<std::uint8_t>(1 + zufall() % 10)};
            reihen << t;
            TNormalSchein s;
            std::copy(t.zahlen.begin(), t.zahlen.end(), s.WZ.begin());
            s.WZ[5] = t.zusatzzahl;
            s.AntGes = 3;
            s.Antmeine = 1;
            schein += s.alsBytes();
        }
        const QString datei = m_tmp.filePath(QStringLiteral("strom%1.qtt").arg(anzahl));
        QVERIFY(schreibe(datei, schein));
        const Auswertungsergebnis e = GewinnAuswertung(zustand, reihen, 3, 1, 79, 0, true);
        const Kennzahltexte t = KennzahlenTexte(e, deutsch);
        const QStringList argumente{QStringLiteral("auswerten"), datei, QStringLiteral("--von"),
                                    QStringLiteral("2023-01-01")};

        const Lauf text = cli(argumente);
        QVERIFY2(text.code == 0, qPrintable(text.fehler));
        const QStringList zeilen = text.ausgabe.split(QLatin1Char('\n'));
        qsizetype kopf = 0;
        while (kopf < zeilen.size() && !zeilen[kopf].startsWith(QStringLiteral("Datum ")))
            ++kopf;
        QVERIFY2(kopf < zeilen.size(), qPrintable(text.ausgabe));
        const QString &k = zeilen[kopf];
        // Left-aligned columns begin where their caption begins, right-aligned ones end where it ends.
        const qsizetype richtige = k.indexOf(QStringLiteral("Richtige"));
        const qsizetype reiheEnde = k.indexOf(QStringLiteral("in Reihe")) + 8;
        const qsizetype gewinnEnde = k.indexOf(QStringLiteral("Gewinn")) + 6;
        const qsizetype anteilEnde = k.indexOf(QStringLiteral("Anteil")) + 6;
        QCOMPARE(anteilEnde, k.size());
        for (int z = 0; z < int(e.zeilen.size()); ++z) {
            const QString &zeile = zeilen.value(kopf + 1 + z);
            const auto zelle = [&](int s) { return Ergebnistext(e, z, s); };
            const QString wo = QStringLiteral("row %1: \"%2\"").arg(z).arg(zeile);
            QVERIFY2(zeile.left(richtige).trimmed() == zelle(0) && zeile.startsWith(zelle(0)), qPrintable(wo));
            QVERIFY2(zeile.mid(richtige).startsWith(zelle(1)), qPrintable(wo));
            QVERIFY2(zeile.left(reiheEnde).endsWith(QLatin1Char(' ') + zelle(2)), qPrintable(wo));
            QVERIFY2(zeile.mid(reiheEnde, gewinnEnde - reiheEnde).trimmed() == zelle(3) &&
                         zeile.left(gewinnEnde).endsWith(zelle(3)),
                     qPrintable(wo));
            QVERIFY2(zeile.mid(gewinnEnde).trimmed() == zelle(4) && zeile.size() <= anteilEnde, qPrintable(wo));
        }
        QCOMPARE(zeilen.value(kopf + 1 + qsizetype(e.zeilen.size())), QString());
        QStringList klassen;
        for (std::size_t i = 0; i < Gewinnklassen.size(); ++i)
            klassen << Gewinnklassen[i].Kurz + QLatin1Char(' ') + t.klassenAnzahl[i];
        const QString schluss = zeilen.mid(kopf + 2 + qsizetype(e.zeilen.size())).join(QLatin1Char('\n'));
        QString erwartet = QStringLiteral("Gewinnklassen: ") + klassen.join(QStringLiteral(", ")) +
                           QStringLiteral("\nGesamtgewinn: %1 (Anteil: %2)\nH\u00F6chstgewinn: %3")
                               .arg(t.gesamt, t.gesamtAnteil, t.hoechster);
        if (e.hoechsterPosition > 0)
            erwartet += QStringLiteral(" am ") + t.hoechsterDatum;
        erwartet += QStringLiteral("\nR\u00FCcklaufquote: %1 (erwartet: %2)\n").arg(t.ruecklauf, t.erwarteterRuecklauf);
        QCOMPARE(schluss, erwartet);

        const Lauf json = cli(QStringList(argumente) << QStringLiteral("--json"));
        QVERIFY2(json.code == 0, qPrintable(json.fehler));
        const QJsonObject j = json.json();
        QCOMPARE(j[QStringLiteral("gesamtCent")].toInteger() * 100, e.gesamt);
        QCOMPARE(j[QStringLiteral("paare")].toInteger(), e.paare);
        std::int64_t gewinne = 0;
        for (const std::int64_t n : e.klassenAnzahl)
            gewinne += n;
        QCOMPARE(j[QStringLiteral("gewinne")].toArray().size(), gewinne);
        if (e.hoechsterPosition > 0) {
            const Ergebniszeile &h = e.zeilen[std::size_t(e.hoechsterPosition - 1)];
            QCOMPARE(j[QStringLiteral("hoechstgewinn")][QStringLiteral("datum")].toString(),
                     Datum::zuDatum(e.ziehungen[h.ziehung].dat).toString(Qt::ISODate));
            QCOMPARE(j[QStringLiteral("hoechstgewinn")][QStringLiteral("reihe")].toInt(), h.reihe);
        }
        // The keys of the outermost object, and of the first win, in the order of the README.
        const auto reihenfolge = [&](const QStringList &schluessel, int einzug) {
            qsizetype vorher = -1;
            for (const QString &s : schluessel) {
                const qsizetype hier = json.ausgabe.indexOf(QLatin1Char('\n') + QString(einzug, QLatin1Char(' ')) +
                                                            QLatin1Char('"') + s + QStringLiteral("\": "));
                if (hier <= vorher)
                    return false;
                vorher = hier;
            }
            return true;
        };
        QVERIFY(reihenfolge({QStringLiteral("schein"), QStringLiteral("reihen"), QStringLiteral("anteile"),
                             QStringLiteral("zeitraum"), QStringLiteral("paare"), QStringLiteral("gewinne"),
                             QStringLiteral("klassen"), QStringLiteral("gesamtCent"), QStringLiteral("anteilCent"),
                             QStringLiteral("ruecklaufquote"), QStringLiteral("erwarteteRuecklaufquote"),
                             QStringLiteral("hoechstgewinn")},
                            4));
        QVERIFY(reihenfolge({QStringLiteral("datum"), QStringLiteral("reihe"), QStringLiteral("klasse"),
                             QStringLiteral("richtige"), QStringLiteral("betragCent"), QStringLiteral("anteilCent")},
                            12));
    }

    // Output that cannot be written is a refusal, not a success.
    void ausgabeNichtGeschrieben_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::newRow("auswerten") << QStringList{QStringLiteral("auswerten"), QStringLiteral("SCHEIN"),
                                                  QStringLiteral("--von"), QStringLiteral("2023-01-01")};
        QTest::newRow("auswerten --json")
            << QStringList{QStringLiteral("auswerten"), QStringLiteral("SCHEIN"), QStringLiteral("--json")};
        QTest::newRow("statistik --kombis 2")
            << QStringList{QStringLiteral("statistik"), QStringLiteral("--kombis"), QStringLiteral("2")};
        QTest::newRow("gewinnreihen import --vorschau")
            << QStringList{QStringLiteral("gewinnreihen"), QStringLiteral("import"), QStringLiteral("ZIEHUNGEN"),
                           QStringLiteral("--vorschau")};
        QTest::newRow("gewinnreihen import --vorschau --json")
            << QStringList{QStringLiteral("gewinnreihen"), QStringLiteral("import"), QStringLiteral("ZIEHUNGEN"),
                           QStringLiteral("--vorschau"), QStringLiteral("--json")};
    }
    void ausgabeNichtGeschrieben()
    {
        QFETCH(QStringList, argumente);
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        std::mt19937 zufall(3);
        historie(zufall);
        const QString datei = m_tmp.filePath(QStringLiteral("voll.qtt"));
        QByteArray schein;
        for (int r = 0; r < 5; ++r) {
            TNormalSchein s;
            const auto zahlen = fuenf(zufall);
            std::copy(zahlen.begin(), zahlen.end(), s.WZ.begin());
            s.WZ[5] = 1;
            schein += s.alsBytes();
        }
        QVERIFY(schreibe(datei, schein));
        argumente.replaceInStrings(QStringLiteral("SCHEIN"), datei);
        const QString ziehungen = m_tmp.filePath(QStringLiteral("voll.csv"));
        QVERIFY(schreibe(ziehungen, "Datum;Z1;Z2;Z3;Z4;Z5;ZZ\n2099-01-03;1;2;3;4;5;6\n2099-01-10;7;8;9;10;11;1\n"));
        argumente.replaceInStrings(QStringLiteral("ZIEHUNGEN"), ziehungen);
        const Lauf lauf = cli(argumente, QStringLiteral("/dev/full"));
        QCOMPARE(lauf.code, 1);
        QCOMPARE(
            lauf.fehler,
            QStringLiteral("quintaro-analyser-cli: Die Ausgabe konnte nicht vollst\u00E4ndig geschrieben werden.\n"));
    }

    void statistikWieDerKern()
    {
        std::mt19937 zufall(7);
        Zustand zustand;
        zustand.Ziehungen = historie(zufall);
        const Lauf lauf = cli({QStringLiteral("statistik"), QStringLiteral("--json"), QStringLiteral("--von"),
                               QStringLiteral("2023-03-01"), QStringLiteral("--bis"), QStringLiteral("30.06.2023")});
        QVERIFY2(lauf.code == 0, qPrintable(lauf.fehler));
        const QJsonObject j = lauf.json();
        // 01.03.2023 is a Wednesday: the period runs from Monday 06.03. (index 9) to 26.06. (index 25).
        QCOMPARE(j[QStringLiteral("zeitraum")][QStringLiteral("von")].toString(), QStringLiteral("2023-03-06"));
        QCOMPARE(j[QStringLiteral("zeitraum")][QStringLiteral("bis")].toString(), QStringLiteral("2023-06-26"));
        QCOMPARE(j[QStringLiteral("zeitraum")][QStringLiteral("ziehungen")].toInt(), 17);
        StatistikStart(zustand);
        TeilStatistik(zustand, 9, 25);
        const QJsonArray haeufigkeiten = j[QStringLiteral("haeufigkeiten")].toArray();
        QCOMPARE(haeufigkeiten.size(), MaxZahl);
        for (int n = 1; n <= MaxZahl; ++n) {
            QCOMPARE(haeufigkeiten[n - 1][QStringLiteral("zahl")].toInt(), n);
            QCOMPARE(haeufigkeiten[n - 1][QStringLiteral("anzahl")].toInt(),
                     zustand.Haeufigkeiten[static_cast<std::size_t>(n)]);
        }
        const QJsonArray ausgeblieben = j[QStringLiteral("ausgeblieben")].toArray();
        const auto erwartet = Ausgeblieben(zustand, 9, 25);
        QCOMPARE(ausgeblieben.size(), MaxZahl);
        for (int i = 0; i < MaxZahl; ++i) {
            QCOMPARE(ausgeblieben[i][QStringLiteral("zahl")].toInt(), erwartet[static_cast<std::size_t>(i)].zahl);
            QCOMPARE(ausgeblieben[i][QStringLiteral("anzahl")].toInt(), erwartet[static_cast<std::size_t>(i)].anzahl);
        }

        // The ranked triples of the same period, both lists as the statistics window has them.
        const Lauf kombis = cli({QStringLiteral("statistik"), QStringLiteral("--json"), QStringLiteral("--kombis"),
                                 QStringLiteral("3"), QStringLiteral("--von"), QStringLiteral("2023-03-01"),
                                 QStringLiteral("--bis"), QStringLiteral("30.06.2023")});
        QVERIFY2(kombis.code == 0, qPrintable(kombis.fehler));
        const QJsonObject k = kombis.json()[QStringLiteral("kombis")].toObject();
        QCOMPARE(k[QStringLiteral("groesse")].toInt(), 3);
        Kombitabelle tabelle = KombisErzeugen(3);
        const Favoriten f = KombinationenFavoriten(tabelle, zustand.Ziehungsmengen, 9, 25);
        for (const auto &[name, liste] : {std::pair{QStringLiteral("haeufigste"), &f.haeufigste},
                                          std::pair{QStringLiteral("seltenste"), &f.seltenste}}) {
            const QJsonArray zeilen = k[name].toArray();
            QCOMPARE(zeilen.size(), qsizetype(liste->size()));
            for (qsizetype i = 0; i < zeilen.size(); ++i) {
                const Rangzeile &r = (*liste)[static_cast<std::size_t>(i)];
                QCOMPARE(zeilen[i][QStringLiteral("zahlen")].toArray(),
                         QJsonArray({r.zahlen[0], r.zahlen[1], r.zahlen[2]}));
                QCOMPARE(zeilen[i][QStringLiteral("anzahl")].toInteger(), qint64{r.Anzahl});
            }
        }
        QVERIFY(k[QStringLiteral("haeufigste")][0][QStringLiteral("anzahl")].toInt() >= 1);
    }

    // With a start value the command line draws the very rows of the generator's core, as JSON
    // and as a CSV file, within the bank, killer and Zusatzzahl asked for.
    void zufallWieDerKern()
    {
        const QString csv = m_tmp.filePath(QStringLiteral("zufall.csv"));
        const Lauf lauf =
            cli({QStringLiteral("zufall"), QStringLiteral("25"), QStringLiteral("--bank"), QStringLiteral("3,17"),
                 QStringLiteral("--killer=5,6"), QStringLiteral("--favoriten"), QStringLiteral("40"),
                 QStringLiteral("--zz"), QStringLiteral("7"), QStringLiteral("--startwert"), QStringLiteral("12345"),
                 QStringLiteral("--csv"), csv, QStringLiteral("--json")});
        QVERIFY2(lauf.code == 0, qPrintable(lauf.fehler));
        Zufallsvorgaben v;
        v.ZufReihenAnz = 25;
        v.BZGewaehlt.hinzu(3);
        v.BZGewaehlt.hinzu(17);
        v.KillGewaehlt.hinzu(5);
        v.KillGewaehlt.hinzu(6);
        v.FavGewaehlt.hinzu(40);
        v.festeZusatzzahl = QStringLiteral("7");
        const Zufallsergebnis kern = ZufallszahlenErmitteln(v, 12345);
        QCOMPARE(kern.ausgang, Zufallsergebnis::Ausgang::Fertig);

        const QJsonArray reihen = lauf.json()[QStringLiteral("reihen")].toArray();
        QCOMPARE(reihen.size(), 25);
        QSet<QByteArray> verschieden;
        for (int r = 0; r < 25; ++r) {
            const QJsonArray zahlen = reihen[r][QStringLiteral("zahlen")].toArray();
            QJsonArray erwartet;
            for (int s = 0; s < 5; ++s)
                erwartet.append(kern.reihen.zahl(r, s));
            QCOMPARE(zahlen, erwartet);
            QVERIFY(zahlen.contains(3) && zahlen.contains(17) && !zahlen.contains(5) && !zahlen.contains(6));
            QCOMPARE(reihen[r][QStringLiteral("zusatzzahl")].toInt(), 7);
            verschieden.insert(QJsonDocument(zahlen).toJson());
        }
        QCOMPARE(verschieden.size(), 25);
        const QString kernCsv = m_tmp.filePath(QStringLiteral("kern.csv"));
        QCOMPARE(CSVSpeichern(kern.reihen.alsTabelle([](const QString &) { return 0; }), kernCsv), QString());
        QCOMPARE(inhalt(csv), inhalt(kernCsv));

        // Text: one row a line.
        const Lauf text = cli({QStringLiteral("zufall"), QStringLiteral("3"), QStringLiteral("--startwert=1")});
        QCOMPARE(text.code, 0);
        QCOMPARE(text.ausgabe.count(QLatin1Char('\n')), 3);
        QVERIFY(text.ausgabe.contains(QStringLiteral(" | ")));
    }

    // The patterns and the Zusatzzahlen of a period as the core counts them; filtered random
    // rows as the core draws them, with the exact count of rows that pass.
    void musterUndFilterWieDerKern()
    {
        std::mt19937 zufall(21);
        const QVector<TGewZahlen> ziehungen = historie(zufall);
        const Lauf lauf = cli({QStringLiteral("statistik"), QStringLiteral("--json"), QStringLiteral("--muster")});
        QVERIFY2(lauf.code == 0, qPrintable(lauf.fehler));
        const QJsonObject j = lauf.json();
        const Zusatzzahlauswertung zz = Zusatzzahlen(ziehungen, 0, 79);
        const QJsonArray zusatz = j[QStringLiteral("zusatzzahlen")].toArray();
        QCOMPARE(zusatz.size(), 10);
        for (const Zusatzzahlzeile &z : zz.zeilen) {
            QCOMPARE(zusatz[z.zahl - 1][QStringLiteral("zahl")].toInt(), z.zahl);
            QCOMPARE(zusatz[z.zahl - 1][QStringLiteral("anzahl")].toInt(), z.anzahl);
            QCOMPARE(zusatz[z.zahl - 1][QStringLiteral("ausgeblieben")].toInt(), z.ausgeblieben);
        }
        const Musterauswertung kern = MusterAuswerten(ziehungen, 0, 79);
        for (const Musterergebnis &m : kern.muster) {
            const QJsonObject o = j[QStringLiteral("muster")][Musterschluessel(m.art)].toObject();
            const QJsonArray werte = o[QStringLiteral("werte")].toArray();
            QCOMPARE(werte.size(), qsizetype(m.werte.size()));
            qint64 alle = 0;
            for (qsizetype i = 0; i < werte.size(); ++i) {
                const Musterzeile &z = m.werte[static_cast<std::size_t>(i)];
                QCOMPARE(werte[i][QStringLiteral("wert")].toInt(), z.wert);
                QCOMPARE(werte[i][QStringLiteral("anzahlAlle")].toInteger(), z.anzahlAlle);
                QCOMPARE(werte[i][QStringLiteral("beobachtet")].toInteger(), z.beobachtet);
                QCOMPARE(werte[i][QStringLiteral("erwartet")].toDouble(), z.erwartet);
                alle += werte[i][QStringLiteral("anzahlAlle")].toInteger();
            }
            QCOMPARE(alle, qint64{1906884});
            const QJsonArray klassen = o[QStringLiteral("klassen")].toArray();
            QCOMPARE(klassen.size(), qsizetype(m.test.klassen.size()));
            QCOMPARE(klassen.first()[QStringLiteral("von")].toInt(), m.test.klassen.front().von);
            QCOMPARE(klassen.last()[QStringLiteral("bis")].toInt(), m.test.klassen.back().bis);
            QCOMPARE(o[QStringLiteral("freiheitsgrade")].toInt(), m.test.freiheitsgrade);
            QCOMPARE(o[QStringLiteral("chiQuadrat")].toDouble(), m.test.chiQuadrat);
            if (m.test.p)
                QCOMPARE(o[QStringLiteral("p")].toDouble(), *m.test.p);
            else
                QVERIFY(o[QStringLiteral("p")].isNull());
        }
        const Lauf text = cli({QStringLiteral("statistik"), QStringLiteral("--muster")});
        QVERIFY2(text.ausgabe.contains(QStringLiteral("L\u00E4ngste Folge:")), qPrintable(text.ausgabe));
        QVERIFY(text.ausgabe.contains(Testsatz(kern.von(Musterart::Gerade).test)));

        const Lauf zufallsreihen =
            cli({QStringLiteral("zufall"), QStringLiteral("20"), QStringLiteral("--summe"), QStringLiteral("100-150"),
                 QStringLiteral("--folge=1"), QStringLiteral("--bank"), QStringLiteral("7"), QStringLiteral("--startwert"),
                 QStringLiteral("5"), QStringLiteral("--json")});
        QVERIFY2(zufallsreihen.code == 0, qPrintable(zufallsreihen.fehler));
        Zufallsvorgaben v;
        v.ZufReihenAnz = 20;
        v.BZGewaehlt.hinzu(7);
        bool ok = false;
        v.filter.setze(Musterart::Summe, Musterfilter::lesen(Musterart::Summe, QStringLiteral("100-150"), &ok));
        v.filter.setze(Musterart::Folge, Musterfilter::lesen(Musterart::Folge, QStringLiteral("1"), &ok));
        const Zufallsergebnis e = ZufallszahlenErmitteln(v, 5);
        QCOMPARE(zufallsreihen.json()[QStringLiteral("moeglicheReihen")].toInteger(), MoeglicheReihen(v));
        const QJsonArray reihen = zufallsreihen.json()[QStringLiteral("reihen")].toArray();
        QCOMPARE(reihen.size(), 20);
        for (int r = 0; r < 20; ++r)
            for (int s = 0; s < 5; ++s)
                QCOMPARE(reihen[r][QStringLiteral("zahlen")][s].toInt(), int{e.reihen.zahl(r, s)});
    }

    // What a wrong call, a refusal and the help say, on which channel, with which status.
    void aufrufe_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("ausgabe"); // part of standard output
        QTest::addColumn<QString>("fehler");  // part of standard error
        const auto l = [](std::initializer_list<const char *> a) {
            QStringList liste;
            for (const char *s : a)
                liste << QString::fromUtf8(s);
            return liste;
        };
        QTest::newRow("help") << l({"--help"}) << 0 << QStringLiteral("Aufruf: quintaro-analyser-cli") << QString();
        QTest::newRow("hilfe nach Befehl")
            << l({"auswerten", "--hilfe"}) << 0 << QStringLiteral("gewinnreihen import") << QString();
        QTest::newRow("version") << l({"--version"}) << 0 << QStringLiteral("1.5.0.0") << QString();
        QTest::newRow("ohne Befehl") << l({}) << 2 << QString() << QStringLiteral("Es fehlt der Befehl.");
        QTest::newRow("unbekannt") << l({"drucken"}) << 2 << QString()
                                   << QStringLiteral("Unbekannter Befehl \u201Edrucken\u201C.");
        QTest::newRow("fremde Option")
            << l({"statistik", "--bank", "3"}) << 2 << QString()
            << QStringLiteral("Der Befehl \u201Estatistik\u201C kennt die Option \u201E--bank\u201C nicht.");
        QTest::newRow("Wert fehlt") << l({"statistik", "--von"}) << 2 << QString()
                                    << QStringLiteral("Die Option \u201E--von\u201C braucht einen Wert.");
        QTest::newRow("kein Datum") << l({"statistik", "--von", "31.02.2024"}) << 2 << QString()
                                    << QStringLiteral("\u201E31.02.2024\u201C ist kein Datum");
        QTest::newRow("Kombigroesse") << l({"statistik", "--kombis", "5"}) << 2 << QString()
                                      << QStringLiteral("\u201E--kombis\u201C nimmt 2, 3 oder 4, nicht \u201E5\u201C.");
        QTest::newRow("keine Reihe") << l({"zufall", "0"}) << 2 << QString()
                                     << QStringLiteral(
                                            "Die Anzahl der Tippreihen muss zwischen 1 und 2.147.483.647 liegen.");
        QTest::newRow("Bankzahl") << l({"zufall", "5", "--bank", "3,50"}) << 2 << QString()
                                  << QStringLiteral(
                                         "\u201E50\u201C bei \u201E--bank\u201C ist keine Zahl von 1 bis 49.");
        QTest::newRow("Bank und Killer") << l({"zufall", "5", "--bank", "3", "--killer", "4,3"}) << 2 << QString()
                                         << QStringLiteral("Die Zahl 3 steht bei --bank und --killer.");
        QTest::newRow("Zusatzzahl") << l({"zufall", "5", "--zz", "11"}) << 2 << QString()
                                    << QStringLiteral("\u201E--zz\u201C nimmt eine Zusatzzahl von 1 bis 10");
        // Four bank numbers leave 45 rows.
        QTest::newRow("zu wenige Reihen")
            << l({"zufall", "46", "--bank", "1,2,3,4"}) << 1 << QString()
            << QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, 46 Tippreihen zu bilden.");
        QTest::newRow("Summe") << l({"zufall", "5", "--summe", "10-20"}) << 2 << QString()
                               << QStringLiteral("\u201E--summe\u201C nimmt einen Bereich VON-BIS aus 15 bis 235, "
                                                 "nicht \u201E10-20\u201C.");
        QTest::newRow("Folge") << l({"zufall", "5", "--folge", "0"}) << 2 << QString()
                               << QStringLiteral("\u201E--folge\u201C nimmt eine Zahl von 1 bis 5, nicht \u201E0\u201C.");
        QTest::newRow("Muster nimmt nichts") << l({"statistik", "--muster=2"}) << 2 << QString()
                                             << QStringLiteral("Die Option \u201E--muster\u201C nimmt keinen Wert.");
        // Sums 15 to 17 leave four rows.
        QTest::newRow("Filter zu eng")
            << l({"zufall", "5", "--summe", "15-17"}) << 1 << QString()
            << QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, 5 Tippreihen zu bilden.");
        QTest::newRow("zweimal") << l({"statistik", "--json", "--bis", "2024-01-01", "--bis=2024-02-01"}) << 2
                                 << QString() << QStringLiteral("Die Option \u201E--bis\u201C steht zweimal da.");
        QTest::newRow("Schein fehlt") << l({"auswerten"}) << 2 << QString()
                                      << QStringLiteral("Dem Befehl \u201Eauswerten\u201C fehlt eine Angabe.");
        QTest::newRow("zu viel") << l({"auswerten", "a.qtt", "b.qtt"}) << 2 << QString()
                                 << QStringLiteral("Zu viele Angaben");
        QTest::newRow("Schein nicht da") << l({"auswerten", "/gibt/es/nicht.qtt"}) << 1 << QString()
                                         << QStringLiteral(
                                                "Der Tippschein \u201E/gibt/es/nicht.qtt\u201C wurde nicht gefunden.");
        QTest::newRow("keine Ziehung") << l({"statistik", "--von", "2030-01-01"}) << 1 << QString()
                                       << QStringLiteral("Im Zeitraum ab dem 01.01.2030 liegt keine Ziehung.");
        QTest::newRow("System ohne Zahlen") << l({"system"}) << 2 << QString()
                                            << QStringLiteral("Dem Befehl \u201Esystem\u201C fehlt die Option");
        QTest::newRow("System zu wenige Zahlen")
            << l({"system", "--zahlen", "1,2,3,4,5"}) << 2 << QString()
            << QStringLiteral("Ein Vollsystem braucht 6 bis 20 Zahlen, gew\u00E4hlt sind 5.");
        QTest::newRow("Vollsystem zu gross")
            << l({"system", "--zahlen", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21"}) << 2 << QString()
            << QStringLiteral("Ein Vollsystem braucht 6 bis 20 Zahlen, gew\u00E4hlt sind 21.");
        QTest::newRow("Kurzsystem zu gross")
            << l({"system", "--garantie", "3:4", "--zahlen",
                  "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31"})
            << 2 << QString() << QStringLiteral("Ein Kurzsystem braucht 6 bis 30 Zahlen, gew\u00E4hlt sind 31.");
        QTest::newRow("System Zahl zweimal") << l({"system", "--zahlen", "1,2,3,4,5,3"}) << 2 << QString()
                                             << QStringLiteral("Die Zahl 3 steht zweimal da.");
        QTest::newRow("System Zahl 50") << l({"system", "--zahlen", "1,2,3,4,5,50"}) << 2 << QString()
                                        << QStringLiteral("\u201E50\u201C bei \u201E--zahlen\u201C ist keine Zahl");
        QTest::newRow("Garantie t > m") << l({"system", "--zahlen", "1,2,3,4,5,6,7", "--garantie", "4:3"}) << 2
                                        << QString() << QStringLiteral("Die Garantie \u201E4 bei 3\u201C gibt es nicht");
        QTest::newRow("Garantie 5 bei 5") << l({"system", "--zahlen", "1,2,3,4,5,6,7", "--garantie", "5:5"}) << 2
                                          << QString() << QStringLiteral("Die Garantie \u201E5 bei 5\u201C");
        QTest::newRow("Garantie kaputt") << l({"system", "--zahlen", "1,2,3,4,5,6,7", "--garantie", "3"}) << 2
                                         << QString() << QStringLiteral("\u201E--garantie\u201C nimmt eine Garantie");
        QTest::newRow("Suchzeit") << l({"system", "--zahlen", "1,2,3,4,5,6,7", "--garantie", "3:4", "--zeit", "0"})
                                  << 2 << QString() << QStringLiteral("\u201E--zeit\u201C nimmt Sekunden");
        QTest::newRow("Schritte") << l({"system", "--zahlen", "1,2,3,4,5,6,7", "--garantie", "3:4", "--schritte",
                                        "-5"})
                                  << 2 << QString() << QStringLiteral("\u201E--schritte\u201C nimmt eine ganze Zahl");
        QTest::newRow("System Zusatzzahl") << l({"system", "--zahlen", "1,2,3,4,5,6,7", "--zz", "0"}) << 2
                                           << QString() << QStringLiteral("\u201E--zz\u201C nimmt eine Zusatzzahl");
    }
    void aufrufe()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, code);
        QFETCH(QString, ausgabe);
        QFETCH(QString, fehler);
        std::mt19937 zufall(1);
        historie(zufall);
        const Lauf lauf = cli(argumente);
        QCOMPARE(lauf.code, code);
        QVERIFY2(lauf.ausgabe.contains(ausgabe), qPrintable(lauf.ausgabe));
        if (fehler.isEmpty())
            QVERIFY2(lauf.fehler.isEmpty(), qPrintable(lauf.fehler));
        else
            QVERIFY2(lauf.fehler.startsWith(QStringLiteral("quintaro-analyser-cli: ") + fehler),
                     qPrintable(lauf.fehler));
        // Nothing goes to standard output when the call was refused.
        if (code != 0)
            QVERIFY(lauf.ausgabe.isEmpty());
    }

    // A request beyond the rows that pass bank numbers, killers and filters: both counts with
    // German thousands separators, the count of rows exact (counted here over every row), status 1.
    void zufallZuVieleReihen_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("gewuenscht");
        QTest::addColumn<qint64>("moeglich");
        const auto l = [](std::initializer_list<const char *> a) {
            QStringList liste;
            for (const char *s : a)
                liste << QString::fromUtf8(s);
            return liste;
        };
        // The three counts of the filters below, over every row of five numbers in one plain pass
        // (the sanitizer build runs this test too).
        std::array<qint64, 3> gezaehlt{};
        std::array<int, 5> r{};
        for (r[0] = 1; r[0] <= 45; ++r[0])
            for (r[1] = r[0] + 1; r[1] <= 46; ++r[1])
                for (r[2] = r[1] + 1; r[2] <= 47; ++r[2])
                    for (r[3] = r[2] + 1; r[3] <= 48; ++r[3])
                        for (r[4] = r[3] + 1; r[4] <= 49; ++r[4]) {
                            int summe = 0, gerade = 0, klein = 0, folge = 1, jetzt = 1, gruppe = 0;
                            std::array<int, 5> inGruppe{};
                            for (std::size_t i = 0; i < 5; ++i) {
                                summe += r[i];
                                gerade += r[i] % 2 == 0;
                                klein += r[i] <= 24;
                                gruppe = std::max(gruppe, ++inGruppe[std::size_t(r[i] / 10)]);
                                jetzt = i > 0 && r[i] == r[i - 1] + 1 ? jetzt + 1 : 1;
                                folge = std::max(folge, jetzt);
                            }
                            // Rows are ascending: 1 is in the row when it comes first, 2 first or second.
                            const bool mitEins = r[0] == 1, mitZwei = r[0] == 2 || r[1] == 2;
                            gezaehlt[0] += summe >= 100 && summe <= 150;
                            gezaehlt[1] += mitEins && !mitZwei && gerade <= 1 && folge == 1;
                            gezaehlt[2] += klein >= 2 && klein <= 3 && gruppe <= 2;
                        }

        QTest::newRow("sums 15-20") << l({"zufall", "1000000", "--summe", "15-20"}) << QStringLiteral("1.000.000")
                                    << qint64{19};
        QTest::newRow("sums 100-150") << l({"zufall", "2000000", "--summe", "100-150"}) << QStringLiteral("2.000.000")
                                      << gezaehlt[0];
        QTest::newRow("more than every row")
            << l({"zufall", "2000000000"}) << QStringLiteral("2.000.000.000") << qint64{1906884};
        QTest::newRow("beyond 64 bits") << l({"zufall", "123456789012345678901234567890"})
                                        << QStringLiteral("123.456.789.012.345.678.901.234.567.890") << qint64{1906884};
        QTest::newRow("leading zeros") << l({"zufall", "0001000", "--summe", "15-17"}) << QStringLiteral("1.000")
                                       << qint64{4};
        QTest::newRow("bank and killer") << l({"zufall", "991", "--bank", "1,2,3", "--killer", "4"})
                                         << QStringLiteral("991") << qint64{990};
        QTest::newRow("five bank numbers")
            << l({"zufall", "2", "--bank", "3,12,25,38,47"}) << QStringLiteral("2") << qint64{1};
        QTest::newRow("bank, killer and filters")
            << l({"zufall", "50000", "--bank", "1", "--killer", "2", "--gerade", "0-1", "--folge", "1"})
            << QStringLiteral("50.000") << gezaehlt[1];
        QTest::newRow("small numbers and groups of ten")
            << l({"zufall", "1500000", "--klein", "2-3", "--zehnergruppe", "2", "--favoriten", "5,6"})
            << QStringLiteral("1.500.000") << gezaehlt[2];
        QTest::newRow("six bank numbers")
            << l({"zufall", "1", "--bank", "1,2,3,4,5,6"}) << QStringLiteral("1") << qint64{0};
        QTest::newRow("filter leaves none")
            << l({"zufall", "1", "--killer", "1", "--summe", "15-17"}) << QStringLiteral("1") << qint64{0};
    }
    void zufallZuVieleReihen()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, gewuenscht);
        QFETCH(qint64, moeglich);
        const QString vorgaben = moeglich == 0
                                     ? QStringLiteral("Mit diesen Vorgaben gibt es keine Tippreihe.")
                                     : QStringLiteral("Mit diesen Vorgaben gibt es nur %1 verschiedene Reihen.")
                                           .arg(deutsch.toString(moeglich));
        for (const bool json : {false, true}) {
            const Lauf lauf = cli(json ? QStringList(argumente) << QStringLiteral("--json") : argumente);
            QCOMPARE(lauf.code, 1);
            QCOMPARE(lauf.fehler, QStringLiteral("quintaro-analyser-cli: Ihre \"Manipulationen\" lassen dem Zufall "
                                                 "keine Chance, %1 Tippreihen zu bilden. %2\n\nIch breche ab.\n")
                                      .arg(gewuenscht, vorgaben));
            QVERIFY(lauf.ausgabe.isEmpty());
        }
        // The count itself passes, and the JSON names it.
        if (moeglich == 0 || moeglich > 20000)
            return;
        argumente[1] = QString::number(moeglich);
        const Lauf genau = cli(argumente << QStringLiteral("--json"));
        QVERIFY2(genau.code == 0, qPrintable(genau.fehler));
        QCOMPARE(genau.json()[QStringLiteral("moeglicheReihen")].toInteger(), moeglich);
        QCOMPARE(genau.json()[QStringLiteral("reihen")].toArray().size(), moeglich);
    }

    // The text output is German in every locale: dates as dd.MM.yyyy (an English one cut them to
    // "30 Dec 202"), amounts as 2.000,00 €; the same bytes under German, English and C.
    void textInJederSprache()
    {
        std::mt19937 zufall(30);
        historie(zufall);
        const QString datei = m_tmp.filePath(QStringLiteral("sprachen.qtt"));
        QByteArray schein;
        for (int r = 0; r < 40; ++r) {
            TNormalSchein s;
            const auto zahlen = fuenf(zufall);
            std::copy(zahlen.begin(), zahlen.end(), s.WZ.begin());
            s.WZ[5] = static_cast<std::uint8_t>(1 + r % 10);
            s.AntGes = 3;
            s.Antmeine = 1;
            schein += s.alsBytes();
        }
        QVERIFY(schreibe(datei, schein));
        const QList<QStringList> aufrufe{
            {QStringLiteral("auswerten"), datei, QStringLiteral("--von"), QStringLiteral("2023-01-01")},
            {QStringLiteral("auswerten"), datei, QStringLiteral("--bis"), QStringLiteral("30.12.2023")},
            {QStringLiteral("statistik"), QStringLiteral("--von"), QStringLiteral("2023-12-25"),
             QStringLiteral("--muster")},
            {QStringLiteral("statistik"), QStringLiteral("--von"), QStringLiteral("2030-01-01")},
        };
        for (const QStringList &argumente : aufrufe) {
            const Lauf deutschLauf = cliMitSprache(QStringLiteral("de_DE.UTF-8"), argumente);
            for (const QString &sprache :
                 {QStringLiteral("en_US.UTF-8"), QStringLiteral("en_GB.UTF-8"), QStringLiteral("C"), QString()}) {
                const Lauf lauf = cliMitSprache(sprache, argumente);
                const QString wo = sprache + QLatin1Char(' ') + argumente.join(QLatin1Char(' '));
                QVERIFY2(lauf.code == deutschLauf.code, qPrintable(wo));
                QVERIFY2(lauf.ausgabe == deutschLauf.ausgabe, qPrintable(wo + QLatin1Char('\n') + lauf.ausgabe));
                QVERIFY2(lauf.fehler == deutschLauf.fehler, qPrintable(wo + QLatin1Char('\n') + lauf.fehler));
            }
        }
        // What every run shows: the draws' dates whole, amounts in euros.
        const Lauf auswertung = cliMitSprache(QStringLiteral("C"), aufrufe[1]);
        QVERIFY2(auswertung.ausgabe.contains(QStringLiteral("Zeitraum: 25.12.2023\n")), qPrintable(auswertung.ausgabe));
        QVERIFY(auswertung.ausgabe.contains(QStringLiteral("\n25.12.2023  ")));
        const QRegularExpression euro(QStringLiteral("Gesamtgewinn: \\d+,\\d\\d[ \u00A0]\u20AC"));
        QVERIFY2(auswertung.ausgabe.contains(euro), qPrintable(auswertung.ausgabe));
        const Lauf reihe = cliMitSprache(QStringLiteral("en_US.UTF-8"), aufrufe[0]);
        QVERIFY(reihe.ausgabe.contains(QStringLiteral("Zeitraum: 02.01.2023 bis 08.07.2024 (80 Ziehungen)\n")));
        const Lauf statistik = cliMitSprache(QStringLiteral("C"), aufrufe[2]);
        QVERIFY2(statistik.ausgabe.startsWith(QStringLiteral("Zeitraum: 25.12.2023 bis 08.07.2024 (29 Ziehungen)\n")),
                 qPrintable(statistik.ausgabe));
        QCOMPARE(cliMitSprache(QStringLiteral("C"), aufrufe[3]).fehler,
                 QStringLiteral("quintaro-analyser-cli: Im Zeitraum ab dem 01.01.2030 liegt keine Ziehung.\n"));
    }

    // Every object of `statistik --json` lists its keys as the README's table does: each pair of
    // braces in the table's row is one kind of object, and the output has exactly these kinds.
    void statistikSchluesselWieImReadme()
    {
        QFile readme(QStringLiteral(QUINTARO_TESTDATA "/../../README.md"));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        QString zeile;
        for (const QString &z : QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n')))
            if (z.startsWith(QStringLiteral("| `statistik` |")))
                zeile = z.mid(15);
        QVERIFY(!zeile.isEmpty());
        // Remarks in brackets (`null` without a test) and options name no key.
        zeile.remove(QRegularExpression(QStringLiteral("\\([^)]*\\)")));
        const auto gruppen = [](const QString &text, bool json) {
            QSet<QString> fertig;
            QList<QStringList> offen{{}};
            for (qsizetype i = 0; i < text.size(); ++i) {
                const QChar c = text[i];
                if (c == QLatin1Char('{')) {
                    offen.append(QStringList());
                } else if (c == QLatin1Char('}')) {
                    fertig.insert(offen.takeLast().join(QLatin1Char(',')));
                } else if (c == (json ? QLatin1Char('"') : QLatin1Char('`'))) {
                    const qsizetype ende = text.indexOf(c, i + 1);
                    const QString name = text.mid(i + 1, ende - i - 1);
                    i = ende;
                    const bool schluessel = !json || text.mid(ende + 1, 2) == QStringLiteral(": ");
                    if (schluessel && !name.startsWith(QStringLiteral("--")))
                        offen.last().append(name);
                }
            }
            if (!offen.constFirst().isEmpty())
                fertig.insert(offen.constFirst().join(QLatin1Char(',')));
            return fertig;
        };
        const QSet<QString> readmeGruppen = gruppen(zeile, false);
        QVERIFY2(readmeGruppen.contains(QStringLiteral("zahl,anzahl,ausgeblieben")),
                 qPrintable(QStringList(readmeGruppen.values()).join(QLatin1Char(' '))));

        std::mt19937 zufall(26);
        historie(zufall);
        const Lauf lauf = cli({QStringLiteral("statistik"), QStringLiteral("--json"), QStringLiteral("--kombis"),
                               QStringLiteral("2"), QStringLiteral("--muster")});
        QVERIFY2(lauf.code == 0, qPrintable(lauf.fehler));
        QVERIFY(!lauf.json().isEmpty());
        // The outermost object stands in the README outside every brace.
        QCOMPARE(gruppen(lauf.ausgabe, true), readmeGruppen);
    }

    // zufall and system, text and JSON: output that cannot be written whole ends with status 1
    // and the message auswerten gives, not with 0.
    void zufallUndSystemAufVollemGeraet_data()
    {
        QTest::addColumn<QStringList>("argumente");
        const QStringList system{QStringLiteral("system"), QStringLiteral("--zahlen"), QStringLiteral("1,2,3,4,5,6,7")};
        QTest::newRow("zufall") << QStringList{QStringLiteral("zufall"), QStringLiteral("3")};
        QTest::newRow("zufall, many rows") << QStringList{QStringLiteral("zufall"), QStringLiteral("100000")};
        QTest::newRow("zufall --json") << QStringList{QStringLiteral("zufall"), QStringLiteral("3"),
                                                      QStringLiteral("--json")};
        QTest::newRow("zufall --csv") << QStringList{QStringLiteral("zufall"), QStringLiteral("3"),
                                                     QStringLiteral("--csv"), QStringLiteral("CSV")};
        QTest::newRow("system") << system;
        QTest::newRow("system --json") << (QStringList(system) << QStringLiteral("--json"));
        QTest::newRow("system --csv") << (QStringList(system) << QStringLiteral("--csv") << QStringLiteral("CSV"));
    }
    void zufallUndSystemAufVollemGeraet()
    {
        QFETCH(QStringList, argumente);
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        argumente.replaceInStrings(QStringLiteral("CSV"), m_tmp.filePath(QStringLiteral("voll.csv")));
        const Lauf lauf = cli(argumente, QStringLiteral("/dev/full"));
        QCOMPARE(lauf.code, 1);
        QCOMPARE(
            lauf.fehler,
            QStringLiteral("quintaro-analyser-cli: Die Ausgabe konnte nicht vollst\u00E4ndig geschrieben werden.\n"));
    }

    // The rows of zufall as text and as JSON, written straight into the output: the text a line
    // per row, the JSON laid out byte for byte as Qt lays out the same rows.
    void zufallAusgabe_data()
    {
        QTest::addColumn<QString>("zz");
        QTest::newRow("drawn Zusatzzahl") << QString();
        QTest::newRow("fixed Zusatzzahl 10") << QStringLiteral("10");
    }
    void zufallAusgabe()
    {
        QFETCH(QString, zz);
        Zufallsvorgaben v;
        v.ZufReihenAnz = 3000;
        v.festeZusatzzahl = zz;
        const Zufallsergebnis kern = ZufallszahlenErmitteln(v, 77);
        QStringList argumente{QStringLiteral("zufall"), QStringLiteral("3000"), QStringLiteral("--startwert"),
                              QStringLiteral("77")};
        if (!zz.isEmpty())
            argumente << QStringLiteral("--zz") << zz;

        QString text;
        QJsonArray reihen;
        for (int r = 0; r < kern.reihen.anzahl(); ++r) {
            QJsonArray zahlen;
            for (int s = 0; s < ZahlenProReihe; ++s) {
                text += QStringLiteral("%1 ").arg(int{kern.reihen.zahl(r, s)}, 2);
                zahlen.append(kern.reihen.zahl(r, s));
            }
            text += QStringLiteral("| ") + kern.reihen.zusatzzahl(r) + QLatin1Char('\n');
            reihen.append(QJsonObject{{QStringLiteral("zahlen"), zahlen},
                                      {QStringLiteral("zusatzzahl"), kern.reihen.zusatzzahl(r).toInt()}});
        }
        const Lauf alsText = cli(argumente);
        QCOMPARE(alsText.code, 0);
        QCOMPARE(alsText.ausgabe, text);

        const Lauf alsJson = cli(argumente << QStringLiteral("--json"));
        QCOMPARE(alsJson.code, 0);
        const QJsonObject j = alsJson.json();
        QCOMPARE(j.keys(), (QStringList{QStringLiteral("moeglicheReihen"), QStringLiteral("reihen"),
                                        QStringLiteral("startwert")}));
        QCOMPARE(j[QStringLiteral("startwert")].toString(), QStringLiteral("77"));
        QCOMPARE(j[QStringLiteral("moeglicheReihen")].toInteger(), qint64{AlleReihen});
        QCOMPARE(j[QStringLiteral("reihen")].toArray(), reihen);
        // The list as Qt writes it, at the same depth.
        const QString qt = QString::fromUtf8(
            QJsonDocument(QJsonObject{{QStringLiteral("reihen"), reihen}}).toJson(QJsonDocument::Indented));
        const QString liste = qt.mid(qt.indexOf(QStringLiteral("\"reihen\"")),
                                     qt.lastIndexOf(QLatin1Char(']')) - qt.indexOf(QStringLiteral("\"reihen\"")) + 1);
        QVERIFY(liste.size() > 3000 * 100);
        QVERIFY(alsJson.ausgabe.contains(QStringLiteral("\n    ") + liste + QStringLiteral("\n}\n")));
        QVERIFY(alsJson.ausgabe.startsWith(
            QStringLiteral("{\n    \"startwert\": \"77\",\n    \"moeglicheReihen\": 1906884,\n")));

        // The CSV file, byte for byte as the generator's table is saved.
        const QString csv = m_tmp.filePath(QStringLiteral("ausgabe.csv"));
        const QString kernCsv = m_tmp.filePath(QStringLiteral("ausgabe-kern.csv"));
        const Lauf gespeichert = cli(argumente.mid(0, argumente.size() - 1) << QStringLiteral("--csv") << csv);
        QCOMPARE(gespeichert.code, 0);
        QCOMPARE(gespeichert.ausgabe, QStringLiteral("3000 Tippreihen gespeichert in: %1\n").arg(csv));
        QCOMPARE(CSVSpeichern(kern.reihen.alsTabelle([](const QString &) { return 0; }), kernCsv), QString());
        QCOMPARE(inhalt(csv), inhalt(kernCsv));
    }

    // Full and abbreviated systems: the rows of the JSON keep the guarantee by a check of their
    // own here, the same start value and budget give the same rows, and the figures add up.
    void system_data()
    {
        QTest::addColumn<QString>("zahlen");
        QTest::addColumn<QString>("garantie"); // empty: the full system
        QTest::addColumn<int>("reihen");       // exact count, or 0 for "at least the bound"
        QTest::addColumn<int>("schritte");     // the search's step budget
        QTest::newRow("Vollsystem 7") << QStringLiteral("3,7,12,19,25,33,41") << QString() << 21 << 0;
        QTest::newRow("4 bei 4 aus 8") << QStringLiteral("2,9,14,22,30,31,40,49") << QStringLiteral("4:4") << 20
                                       << 300000;
        QTest::newRow("3 bei 4 aus 12") << QStringLiteral("1,4,8,11,15,19,23,27,32,36,41,45")
                                        << QStringLiteral("3:4") << 0 << 300000;
        // A step there costs far more (5-sets of 20 numbers): a small budget keeps the sanitizer pass short.
        QTest::newRow("2 bei 5 aus 20") << QStringLiteral("1,3,5,7,9,11,13,15,17,19,21,23,25,27,29,31,33,35,37,39")
                                        << QStringLiteral("2:5") << 0 << 20000;
    }
    void system()
    {
        QFETCH(QString, zahlen);
        QFETCH(QString, garantie);
        QFETCH(int, reihen);
        QFETCH(int, schritte);
        QStringList argumente{QStringLiteral("system"),      QStringLiteral("--zahlen"), zahlen,
                              QStringLiteral("--startwert"), QStringLiteral("77"),       QStringLiteral("--json")};
        if (!garantie.isEmpty())
            argumente << QStringLiteral("--garantie") << garantie << QStringLiteral("--schritte")
                      << QString::number(schritte);
        const Lauf lauf = cli(argumente);
        QCOMPARE(lauf.code, 0);
        const QJsonObject j = lauf.json();
        QVector<int> gewaehlt;
        for (const QJsonValue &z : j.value(QStringLiteral("zahlen")).toArray())
            gewaehlt << z.toInt();
        QCOMPARE(gewaehlt.size(), zahlen.count(QLatin1Char(',')) + 1);
        int t = 5;
        int m = 5;
        if (garantie.isEmpty()) {
            QVERIFY(j.value(QStringLiteral("garantie")).isNull());
        } else {
            t = j.value(QStringLiteral("garantie")).toObject().value(QStringLiteral("richtige")).toInt();
            m = j.value(QStringLiteral("garantie")).toObject().value(QStringLiteral("wenn")).toInt();
            QCOMPARE(QStringLiteral("%1:%2").arg(t).arg(m), garantie);
        }
        // Rows as sets of numbers of 1..49, each of the chosen numbers only.
        QVector<std::uint64_t> zeilen;
        for (const QJsonValue &r : j.value(QStringLiteral("reihen")).toArray()) {
            std::uint64_t z = 0;
            for (const QJsonValue &x : r.toObject().value(QStringLiteral("zahlen")).toArray()) {
                QVERIFY(gewaehlt.contains(x.toInt()));
                z |= std::uint64_t{1} << x.toInt();
            }
            QCOMPARE(std::popcount(z), 5);
            QVERIFY(istZusatzzahl(r.toObject().value(QStringLiteral("zusatzzahl")).toInt()));
            zeilen << z;
        }
        const int untergrenze = j.value(QStringLiteral("untergrenze")).toInt();
        if (reihen > 0)
            QCOMPARE(zeilen.size(), reihen);
        QVERIFY(zeilen.size() >= untergrenze);
        // Every m of the chosen numbers: some row holds t of them. Drawn by an odometer over
        // the positions, independent of how the program walks them.
        QVector<int> stelle(m);
        std::iota(stelle.begin(), stelle.end(), 0);
        const int n = static_cast<int>(gewaehlt.size());
        int mengen = 0;
        while (true) {
            std::uint64_t menge = 0;
            for (int i : stelle)
                menge |= std::uint64_t{1} << gewaehlt[i];
            ++mengen;
            QVERIFY2(std::any_of(zeilen.begin(), zeilen.end(), [&](std::uint64_t z) { return std::popcount(z & menge) >= t; }),
                     "eine Menge ohne Reihe");
            int i = m - 1;
            while (i >= 0 && stelle[i] == n - m + i)
                --i;
            if (i < 0)
                break;
            ++stelle[i];
            for (int k = i + 1; k < m; ++k)
                stelle[k] = stelle[k - 1] + 1;
        }
        QVERIFY(mengen > 0);
        // The chance the guarantee applies: draws with at least m of the chosen numbers.
        std::int64_t greift = 0;
        for (int k = m; k <= 5; ++k) {
            std::int64_t a = 1;
            std::int64_t b = 1;
            for (int i = 0; i < k; ++i)
                a = a * (n - i) / (i + 1);
            for (int i = 0; i < 5 - k; ++i)
                b = b * (49 - n - i) / (i + 1);
            greift += a * b;
        }
        const QJsonObject chancen = j.value(QStringLiteral("chancen")).toObject();
        QCOMPARE(chancen.value(QStringLiteral("garantieGreift")).toDouble(), double(greift) / 1906884.0);
        const QJsonArray klassen = chancen.value(QStringLiteral("klassen")).toArray();
        QCOMPARE(klassen.size(), 10);
        // Expected rows per class add up to the rows times the chance of a single row to win.
        double erwartet = 0;
        for (const QJsonValue &k : klassen)
            erwartet += k.toObject().value(QStringLiteral("erwarteteReihen")).toDouble();
        const auto einzeln = GuenstigeZiehungen();
        const double einzelneChance =
            double(std::accumulate(einzeln.begin(), einzeln.end(), std::int64_t{0})) / double(MoeglicheZiehungen);
        QVERIFY(qAbs(erwartet - einzelneChance * zeilen.size()) < 1e-9 * zeilen.size());
        const double gewinn = chancen.value(QStringLiteral("gewinn")).toDouble();
        QVERIFY(gewinn >= einzelneChance && gewinn <= 1.0);
        // The expected win in whole cents: the single rows' expectations added up, rounded.
        QCOMPARE(chancen.value(QStringLiteral("erwartungCent")).toInteger(-1),
                 std::llround(double(ErwartungMalZiehungen()) * zeilen.size() / double(MoeglicheZiehungen) / 100.0));

        // The same start value and the budget it reports give the same rows.
        if (!garantie.isEmpty()) {
            QCOMPARE(j.value(QStringLiteral("startwert")).toString(), QStringLiteral("77"));
            argumente[argumente.indexOf(QString::number(schritte))] =
                QString::number(j.value(QStringLiteral("schritte")).toInteger());
            QCOMPARE(cli(argumente).json().value(QStringLiteral("reihen")), j.value(QStringLiteral("reihen")));
        }
    }

    // --csv writes the generator's CSV file, never onto one of the program's own files.
    void systemCsv()
    {
        const QString datei = m_tmp.filePath(QStringLiteral("system.csv"));
        const QStringList argumente{QStringLiteral("system"), QStringLiteral("--zahlen"),
                                    QStringLiteral("3,7,12,19,25,33"), QStringLiteral("--zz"), QStringLiteral("4")};
        QCOMPARE(cli(argumente + QStringList{QStringLiteral("--csv"), datei}).code, 0);
        const QStringList zeilen = QString::fromUtf8(inhalt(datei)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), 6);
        QCOMPARE(zeilen.first(), QStringLiteral("3,7,12,19,25,4"));
        schreibe(daten() + Dateinamen::Einstellungen, "[Abrechnung]\nPreis=2,00\n");
        const Lauf eigen = cli(argumente + QStringList{QStringLiteral("--csv"), daten() + Dateinamen::Einstellungen});
        QCOMPARE(eigen.code, 1);
        QVERIFY(eigen.ausgabe.isEmpty());
        QCOMPARE(inhalt(daten() + Dateinamen::Einstellungen), QByteArray("[Abrechnung]\nPreis=2,00\n"));
    }

    // The history goes out and comes back into an empty folder byte for byte; an import shows
    // what it would change, writes only on request, replaces differing draws only with
    // --ersetzen, and never while the program holds the folder.
    void gewinnreihen()
    {
        std::mt19937 zufall(11);
        const QVector<TGewZahlen> ziehungen = historie(zufall);
        const QByteArray original = inhalt(daten() + Dateinamen::Gewinnreihen);
        const QString csv = m_tmp.filePath(QStringLiteral("alle.csv"));
        const Lauf aus = cli({QStringLiteral("gewinnreihen"), QStringLiteral("export"), csv, QStringLiteral("--json")});
        QVERIFY2(aus.code == 0, qPrintable(aus.fehler));
        QCOMPARE(aus.json()[QStringLiteral("ziehungen")].toInt(), 80);
        QCOMPARE(aus.json()[QStringLiteral("datei")].toString(), csv);

        QTemporaryDir leer;
        const Lauf ein = cli(
            {QStringLiteral("--daten"), leer.path(), QStringLiteral("gewinnreihen"), QStringLiteral("import"), csv});
        QVERIFY2(ein.code == 0, qPrintable(ein.fehler));
        QVERIFY2(ein.ausgabe.contains(QStringLiteral("80 neue Ziehungen \u00FCbernommen, 0 ersetzt.")),
                 qPrintable(ein.ausgabe));
        QCOMPARE(inhalt(leer.filePath(Dateinamen::Gewinnreihen)), original);

        // The first draw changed, one new draw after the last, one line without a Zusatzzahl.
        const QDate erster = Datum::zuDatum(ziehungen[0].datum);
        const QDate neuer = Datum::zuDatum(ziehungen[79].datum).addDays(7);
        const QString datei = m_tmp.filePath(QStringLiteral("neu.csv"));
        QVERIFY(
            schreibe(datei, QStringLiteral("Datum;Z1;Z2;Z3;Z4;Z5;ZZ\n%1;1;2;3;4;5;6\n%2;7;8;9;10;11;3\nkaputt;1;2\n")
                                .arg(erster.toString(QStringLiteral("dd.MM.yyyy")), neuer.toString(Qt::ISODate))
                                .toUtf8()));
        const QStringList import{QStringLiteral("gewinnreihen"), QStringLiteral("import"), datei,
                                 QStringLiteral("--json")};
        const Lauf vorschau = cli(QStringList(import) << QStringLiteral("--vorschau"));
        QVERIFY2(vorschau.code == 0, qPrintable(vorschau.fehler));
        QJsonObject j = vorschau.json();
        QCOMPARE(j[QStringLiteral("neu")].toArray().size(), 1);
        QCOMPARE(j[QStringLiteral("neu")][0][QStringLiteral("datum")].toString(), neuer.toString(Qt::ISODate));
        QCOMPARE(j[QStringLiteral("neu")][0][QStringLiteral("zahlen")].toArray(), QJsonArray({7, 8, 9, 10, 11}));
        QCOMPARE(j[QStringLiteral("neu")][0][QStringLiteral("zusatzzahl")].toInt(), 3);
        QCOMPARE(j[QStringLiteral("abweichend")].toArray().size(), 1);
        QCOMPARE(j[QStringLiteral("abweichend")][0][QStringLiteral("zeile")].toInt(), 2);
        QCOMPARE(
            j[QStringLiteral("abweichend")][0][QStringLiteral("gespeichert")][QStringLiteral("zusatzzahl")].toInt(),
            int{ziehungen[0].bonus});
        QCOMPARE(j[QStringLiteral("gleich")].toInt(), 0);
        QCOMPARE(j[QStringLiteral("nichtLesbar")][0][QStringLiteral("zeile")].toInt(), 4);
        QVERIFY(j[QStringLiteral("uebernommen")].isNull());
        QCOMPARE(inhalt(daten() + Dateinamen::Gewinnreihen), original);

        // While the program runs on the folder: refused, nothing written.
        {
            Datensperre programm;
            QVERIFY(programm.nehmen(daten(), Datensperre::Art::Geteilt));
            const Lauf gesperrt = cli(import);
            QCOMPARE(gesperrt.code, 1);
            QVERIFY2(gesperrt.fehler.contains(QStringLiteral("l\u00E4uft gerade mit diesem Datenordner")),
                     qPrintable(gesperrt.fehler));
            QCOMPARE(inhalt(daten() + Dateinamen::Gewinnreihen), original);
        }

        const Lauf ersetzt = cli(QStringList(import) << QStringLiteral("--ersetzen"));
        QVERIFY2(ersetzt.code == 0, qPrintable(ersetzt.fehler));
        j = ersetzt.json()[QStringLiteral("uebernommen")].toObject();
        QCOMPARE(j[QStringLiteral("neu")].toInt(), 1);
        QCOMPARE(j[QStringLiteral("ersetzt")].toInt(), 1);
        QCOMPARE(inhalt(daten() + Dateinamen::Sicherung), original);
        const QByteArray jetzt = inhalt(daten() + Dateinamen::Gewinnreihen);
        QCOMPARE(jetzt.size(), original.size() + TGewZahlen::Groesse);
        QCOMPARE(TGewZahlen::ausBytes(jetzt.constData()).GZ, (std::array<std::uint8_t, 5>{1, 2, 3, 4, 5}));
        QCOMPARE(jetzt.mid(TGewZahlen::Groesse, original.size() - TGewZahlen::Groesse),
                 original.mid(TGewZahlen::Groesse));

        // A file that is no file of draws.
        QVERIFY(schreibe(datei, QByteArray(100, '\0')));
        const Lauf binaer = cli(import);
        QCOMPARE(binaer.code, 1);
        QVERIFY2(binaer.fehler.contains(QStringLiteral("ist weder eine CSV-Datei noch eine Arbeitsmappe.")),
                 qPrintable(binaer.fehler));
        QCOMPARE(inhalt(daten() + Dateinamen::Gewinnreihen), jetzt);
        QFile::remove(daten() + Dateinamen::Sicherung);
    }

    // No write of the command line replaces a data file, however the target is spelt: refused
    // with status 1, nothing on standard output, every data file byte for byte as it was.
    void eigeneDateienVerweigert_data()
    {
        QTest::addColumn<QString>("ziel"); // relative to the temporary folder
        QTest::addColumn<QString>("befehl");
        for (const char *befehl : {"zufall", "export"}) {
            const auto fall = [befehl](const char *name, const char *ziel) {
                QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(befehl), QLatin1String(name))))
                    << QString::fromUtf8(ziel) << QString::fromUtf8(befehl);
            };
            fall("Verlauf", "data/Quintaro Analyser/GReihen.qtgz");
            fall("Punkt", "data/Quintaro Analyser/./GReihen.qtgz");
            fall("Doppelstrich", "data//Quintaro Analyser//GReihen.qtgz");
            fall("zurueck", "data/Quintaro Analyser/Sicherungen/../GReihen.qtgz");
            fall("Link", "link.csv");
            fall("Ordnerlink", "ordnerlink/Einstellungen.ini");
            fall("harter Link", "hart.csv");
            fall("Sicherung", "data/Quintaro Analyser/GZ.549.bak");
            fall("Einstellungen", "data/Quintaro Analyser/Einstellungen.ini");
            fall("Sperre", "data/Quintaro Analyser/.sperre");
            fall("Sicherungen", "data/Quintaro Analyser/Sicherungen/neu.csv");
        }
        QTest::newRow("export: Arbeitsmappe als Link") << QStringLiteral("link.xlsx") << QStringLiteral("export");
    }
    void eigeneDateienVerweigert()
    {
        QFETCH(QString, ziel);
        QFETCH(QString, befehl);
        std::mt19937 zufall(3);
        historie(zufall);
        const QDir tmp(m_tmp.path());
        QVERIFY(QDir().mkpath(daten() + QStringLiteral("Sicherungen")));
        const QStringList eigene{Dateinamen::Gewinnreihen, Dateinamen::Sicherung, Dateinamen::Einstellungen,
                                 QStringLiteral(".sperre"), QStringLiteral("Sicherungen/GReihen-alt.qtgz")};
        for (const QString &name : eigene)
            if (name != Dateinamen::Gewinnreihen)
                QVERIFY(schreibe(daten() + name, name.toUtf8()));
        for (const QString &name : {QStringLiteral("link.csv"), QStringLiteral("link.xlsx"),
                                    QStringLiteral("ordnerlink"), QStringLiteral("hart.csv")})
            QFile::remove(tmp.filePath(name));
        QVERIFY(QFile::link(daten() + Dateinamen::Gewinnreihen, tmp.filePath(QStringLiteral("link.csv"))));
        QVERIFY(QFile::link(daten() + Dateinamen::Gewinnreihen, tmp.filePath(QStringLiteral("link.xlsx"))));
        QVERIFY(QFile::link(daten(), tmp.filePath(QStringLiteral("ordnerlink"))));
        QCOMPARE(::link(QFile::encodeName(daten() + Dateinamen::Gewinnreihen).constData(),
                        QFile::encodeName(tmp.filePath(QStringLiteral("hart.csv"))).constData()),
                 0);
        QHash<QString, QByteArray> vorher;
        for (const QString &name : eigene)
            vorher.insert(name, inhalt(daten() + name));

        const QString pfad = m_tmp.path() + QLatin1Char('/') + ziel;
        const Lauf lauf = befehl == QLatin1String("zufall")
                              ? cli({QStringLiteral("--daten"), daten(), QStringLiteral("zufall"), QStringLiteral("1"),
                                     QStringLiteral("--csv"), pfad})
                              : cli({QStringLiteral("gewinnreihen"), QStringLiteral("export"), pfad});
        QCOMPARE(lauf.code, 1);
        QVERIFY2(lauf.fehler.contains(QStringLiteral("geh\u00F6rt")) &&
                     lauf.fehler.contains(QStringLiteral("zu den Daten des Programms")),
                 qPrintable(lauf.fehler));
        QVERIFY(lauf.ausgabe.isEmpty());
        for (const QString &name : eigene)
            QCOMPARE(inhalt(daten() + name), vorher.value(name));
        QVERIFY(QFileInfo(tmp.filePath(QStringLiteral("link.csv"))).isSymLink());
        QVERIFY(!QFileInfo::exists(daten() + QStringLiteral("Sicherungen/neu.csv")));
        QFile::remove(daten() + Dateinamen::Sicherung);
        QFile::remove(daten() + Dateinamen::Einstellungen);
    }

    // The lock file: an export onto it while the program runs is refused and leaves the program's
    // lock in force; a second import while one runs is told so; and a lock file replaced while
    // the command line holds it makes it write nothing.
    void sperre()
    {
        std::mt19937 zufall(5);
        const QVector<TGewZahlen> ziehungen = historie(zufall);
        const QByteArray original = inhalt(daten() + Dateinamen::Gewinnreihen);
        const QString datei = m_tmp.filePath(QStringLiteral("eine.csv"));
        const QDate neu = Datum::zuDatum(ziehungen.constLast().datum).addDays(7);
        QVERIFY(schreibe(datei, QStringLiteral("%1;1;2;3;4;5;6\n").arg(neu.toString(Qt::ISODate)).toUtf8()));
        const QStringList import{QStringLiteral("gewinnreihen"), QStringLiteral("import"), datei};
        {
            Datensperre programm;
            QVERIFY(programm.nehmen(daten(), Datensperre::Art::Geteilt));
            const Lauf aufSperre = cli({QStringLiteral("gewinnreihen"), QStringLiteral("export"),
                                        daten() + QStringLiteral("./.sperre")});
            QCOMPARE(aufSperre.code, 1);
            QVERIFY2(aufSperre.fehler.contains(QStringLiteral("\u201E.sperre\u201C geh\u00F6rt zu den Daten")),
                     qPrintable(aufSperre.fehler));
            QVERIFY(programm.nochGueltig());
            const Lauf gesperrt = cli(import);
            QCOMPARE(gesperrt.code, 1);
            QVERIFY2(gesperrt.fehler.contains(QStringLiteral("Quintaro Analyser l\u00E4uft gerade")),
                     qPrintable(gesperrt.fehler));
        }
        {
            Datensperre andererImport;
            QVERIFY(andererImport.nehmen(daten(), Datensperre::Art::Allein));
            const Lauf zweiter = cli(import);
            QCOMPARE(zweiter.code, 1);
            QVERIFY2(zweiter.fehler.contains(QStringLiteral("Gerade l\u00E4uft ein anderer Import in diesen "
                                                            "Datenordner.")),
                     qPrintable(zweiter.fehler));
        }
        QCOMPARE(inhalt(daten() + Dateinamen::Gewinnreihen), original);

        // The .xls reader beside a copy of the command line replaces the lock file every time it
        // runs, the second time while the command line holds the lock, and answers one new draw.
        const QDir bin(m_tmp.filePath(QStringLiteral("bin")));
        QVERIFY(QDir().mkpath(bin.path()));
        const QString kopie = bin.filePath(QStringLiteral("quintaro-analyser-cli"));
        QFile::remove(kopie);
        QVERIFY(QFile::copy(QStringLiteral(QUINTARO_CLI), kopie));
        QByteArray antwort("QXL1");
        const auto u32 = [&antwort](quint32 w) {
            for (int i = 0; i < 4; ++i)
                antwort.append(static_cast<char>((w >> (8 * i)) & 0xFF));
        };
        const QByteArray datum = neu.toString(Qt::ISODate).toUtf8();
        antwort.append('S');
        u32(static_cast<quint32>(datum.size()));
        antwort.append(datum);
        antwort.append('T');
        u32(1);
        u32(1);
        u32(0);
        for (quint32 s = 2; s <= 7; ++s) {
            antwort.append('I');
            u32(1);
            u32(s);
            u32(s - 1);
        }
        antwort.append('E');
        QVERIFY(schreibe(bin.filePath(QStringLiteral("antwort")), antwort));
        const auto zitiert = [](const QString &pfad) { return QLatin1Char('\'') + pfad + QLatin1Char('\''); };
        const QString sperrdatei = daten() + QStringLiteral(".sperre");
        QVERIFY(schreibe(bin.filePath(QStringLiteral("quintaro-xls-leser")),
                         QStringLiteral("#!/bin/sh\n: > %1 && mv -f %1 %2 && exec cat %3\n")
                             .arg(zitiert(sperrdatei + QStringLiteral(".neu")), zitiert(sperrdatei),
                                  zitiert(bin.filePath(QStringLiteral("antwort"))))
                             .toUtf8()));
        QVERIFY(QFile::setPermissions(bin.filePath(QStringLiteral("quintaro-xls-leser")),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        const QString xls = m_tmp.filePath(QStringLiteral("eine.xls"));
        QVERIFY(schreibe(xls, QByteArray::fromHex("D0CF11E0A1B11AE1") + QByteArray(504, '\0')));
        const Lauf ersetzt = cli({QStringLiteral("gewinnreihen"), QStringLiteral("import"), xls}, QString(), kopie);
        QCOMPARE(ersetzt.code, 1);
        QVERIFY2(ersetzt.fehler.contains(QStringLiteral("Die Sperrdatei \u201E.sperre\u201C des Datenordners wurde "
                                                        "entfernt oder ersetzt")),
                 qPrintable(ersetzt.fehler));
        QCOMPARE(inhalt(daten() + Dateinamen::Gewinnreihen), original);
        // The answer itself was a good one: with the reader that leaves the lock alone, it is taken.
        QVERIFY(schreibe(bin.filePath(QStringLiteral("quintaro-xls-leser")),
                         QStringLiteral("#!/bin/sh\nexec cat %1\n")
                             .arg(zitiert(bin.filePath(QStringLiteral("antwort"))))
                             .toUtf8()));
        const Lauf genommen = cli({QStringLiteral("gewinnreihen"), QStringLiteral("import"), xls}, QString(), kopie);
        QVERIFY2(genommen.code == 0, qPrintable(genommen.fehler));
        QCOMPARE(inhalt(daten() + Dateinamen::Gewinnreihen).size(), original.size() + TGewZahlen::Groesse);
        QFile::remove(daten() + Dateinamen::Sicherung);
    }

    // A name that is no UTF-8 text is told as such, not as a missing file, and nothing is
    // written under a garbled name.
    void unlesbareNamen()
    {
        std::mt19937 zufall(9);
        historie(zufall);
        const QByteArray ordner = QFile::encodeName(m_tmp.filePath(QStringLiteral("roh")));
        QVERIFY(QDir().mkpath(QFile::decodeName(ordner)));
        const QByteArray schein = ordner + "/Schein\xFF.qtt";
        const int fd = ::open(schein.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        for (const char *aufruf : {"auswerten \"$1/Schein$x.qtt\"", "zufall 1 --csv \"$1/neu$x.csv\"",
                                   "gewinnreihen import \"$1/Schein$x.qtt\""}) {
            QProcess p;
            QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
            umgebung.insert(QStringLiteral("XDG_DATA_HOME"), m_tmp.filePath(QStringLiteral("data")));
            p.setProcessEnvironment(umgebung);
            // The shell hands the byte 0xFF on as it is; a QString argument could not hold it.
            p.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"), QStringLiteral("x=$(printf '\\377'); exec \"$0\" ") + QLatin1String(aufruf),
                     QStringLiteral(QUINTARO_CLI), QFile::decodeName(ordner)});
            QVERIFY(p.waitForFinished(60000));
            const QString fehler = QString::fromUtf8(p.readAllStandardError());
            QCOMPARE(p.exitCode(), 1);
            QVERIFY2(fehler.contains(QStringLiteral("kann nicht gelesen werden: Er ist kein g\u00FCltiger "
                                                    "UTF-8-Text.")),
                     qPrintable(fehler));
            QVERIFY(p.readAllStandardOutput().isEmpty());
        }
        // Counted by the raw names: Qt can't stat a name it had to garble into UTF-8.
        int eintraege = 0;
        if (DIR *d = ::opendir(ordner.constData())) {
            while (const dirent *e = ::readdir(d))
                eintraege += std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0;
            ::closedir(d);
        }
        QCOMPARE(eintraege, 1);
    }

    // A history file that cannot be read and an empty data folder are refused in German.
    void datenordnerMitFehlern()
    {
        QTemporaryDir ordner;
        const Lauf leer = cli({QStringLiteral("--daten"), ordner.path(), QStringLiteral("statistik")});
        QCOMPARE(leer.code, 1);
        QCOMPARE(leer.fehler, QStringLiteral("quintaro-analyser-cli: Es sind keine Gewinnreihen vorhanden.\n"));
        QVERIFY(QDir().mkpath(ordner.filePath(Dateinamen::Gewinnreihen)));
        const Lauf ordnerStattDatei = cli({QStringLiteral("--daten"), ordner.path(), QStringLiteral("statistik")});
        QCOMPARE(ordnerStattDatei.code, 1);
        QVERIFY2(
            ordnerStattDatei.fehler.contains(QStringLiteral("\u201EGReihen.qtgz\u201C konnte nicht gelesen werden.")),
            qPrintable(ordnerStattDatei.fehler));
    }
};

QTEST_GUILESS_MAIN(TestBefehlszeile)
#include "tst_befehlszeile.moc"
