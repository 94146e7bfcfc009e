// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Helper of bench/abbruchtest.sh, which kills saves with SIGKILL at random moments:
//
//   abbruch_speichern anlegen ART     writes the first version of the file of ART (historie,
//                                     schein, einstellungen)
//   abbruch_speichern speichern ART [BEREIT]
//                                     saves that file again and again, switching between its
//                                     two versions; creates the file BEREIT before the first save
//   abbruch_speichern pruefen ART     prints the number of leftovers and the version found (A, B);
//                                     exit 1 when the file is damaged or missing
//   abbruch_speichern start           runs the start's folder setup (leftovers removed)
//
// The data folder is the program's own, so XDG_DATA_HOME decides where it lies.

#include "model/Dateien.h"
#include "model/Einstellungen.h"
#include "model/Ordner.h"
#include "model/Records.h"
#include "model/Tippscheindatei.h"
#include "model/Ziehungsdatei.h"
#include "model/Zustand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>

namespace {

QString datenordner() { return StandardDatenordner(); }

QVector<TGewZahlen> historie(int version)
{
    QVector<TGewZahlen> ziehungen(version == 0 ? 50000 : 60000);
    for (int i = 0; i < ziehungen.size(); ++i) {
        TGewZahlen &z = ziehungen[i];
        z.datum = 40000.0 + 7.0 * i;
        z.GZ = {static_cast<std::uint8_t>(1 + i % 45), 46, 47, 48, 49};
        z.bonus = static_cast<std::uint8_t>(1 + (i + version) % 10);
    }
    return ziehungen;
}

TextTabelle schein(int version)
{
    const int reihen = version == 0 ? 5000 : 6000;
    TextTabelle t(TippreihenSpalten, reihen + 1);
    for (int z = 1; z <= reihen; ++z) {
        for (int c = 1; c <= 5; ++c)
            t.setzeZelle(c, z, QString::number((z + c * 7) % 49 + 1));
        t.setzeZelle(6, z, QString::number((z + version) % 10 + 1));
    }
    return t;
}

QString pfadVon(const QString &art)
{
    if (art == QLatin1String("historie"))
        return datenordner() + Dateinamen::Gewinnreihen;
    if (art == QLatin1String("schein"))
        return datenordner() + QStringLiteral("Woche.qtt");
    return datenordner() + Dateinamen::Einstellungen;
}

const QString Datei1[2] = {QStringLiteral("/home/jörg/Tipps/Woche.qtt"), QStringLiteral("/home/jörg/Tipps/Größe, Maß.qtt")};

// The settings file with Datei1 of the given version: fifty lines around the changed one.
QByteArray einstellungen(int version)
{
    QByteArray text = "[Abrechnung]\nPreis=2,00\n[Spielscheine]\nMerken=1\nDateienanzahl=1\nDatei1=" + Datei1[version].toUtf8() + "\n";
    text += "[Zufall]\n";
    for (int i = 0; i < 45; ++i)
        text += "Schluessel" + QByteArray::number(i) + "=Wert " + QByteArray::number(i * i) + "\n";
    return text;
}

QByteArray version(const QString &art, int v)
{
    if (art == QLatin1String("historie")) {
        QByteArray daten;
        for (const TGewZahlen &z : historie(v))
            daten += z.alsBytes();
        return daten;
    }
    if (art == QLatin1String("schein"))
        return ScheinZuBytes(schein(v), QStringLiteral("1"), QStringLiteral("1")).bytes;
    return einstellungen(v);
}

bool speichere(const QString &art, int v)
{
    const QString pfad = pfadVon(art);
    if (art == QLatin1String("historie"))
        return GZSpeichern(pfad, historie(v)).isEmpty();
    if (art == QLatin1String("schein"))
        return ScheinDateiSchreiben(schein(v), QStringLiteral("1"), QStringLiteral("1"), pfad).isEmpty();
    return Einstellungen(pfad).SchreibeText(QStringLiteral("Spielscheine"), QStringLiteral("Datei1"), Datei1[v]);
}

int reste()
{
    static const QRegularExpression rest(QStringLiteral("^(GReihen\\.qtgz|Einstellungen\\.ini|.+\\.qtt)\\.[A-Za-z]{6}$"));
    int anzahl = 0;
    for (const QString &name : QDir(datenordner()).entryList(QDir::Files | QDir::Hidden))
        anzahl += rest.match(name).hasMatch() ? 1 : 0;
    return anzahl;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication anwendung(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString modus = args.value(1);
    const QString art = args.value(2);
    if (modus == QLatin1String("start")) {
        Zustand zustand;
        OrdnerBestimmen(zustand, QCoreApplication::applicationDirPath());
        std::printf("%d\n", reste());
        return 0;
    }
    if (modus == QLatin1String("pruefen")) {
        const QByteArray jetzt = [&] {
            QFile f(pfadVon(art));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        const char *welche = jetzt == version(art, 0) ? "A" : jetzt == version(art, 1) ? "B" : "beschaedigt";
        std::printf("%d %s\n", reste(), welche);
        return welche[0] == 'b' ? 1 : 0;
    }
    if (modus == QLatin1String("anlegen")) {
        QDir().mkpath(datenordner());
        return DateiErsetzen(pfadVon(art), version(art, 0)).isEmpty() ? 0 : 2;
    }
    if (modus == QLatin1String("speichern")) {
        // Tells the script that the start-up is over, so its kill falls among the saves.
        if (const QString bereit = args.value(3); !bereit.isEmpty())
            QFile(bereit).open(QIODevice::WriteOnly);
        for (int i = 1;; ++i)
            if (!speichere(art, i % 2))
                return 2;
    }
    std::fprintf(stderr, "abbruch_speichern anlegen|speichern|pruefen ART, abbruch_speichern start\n");
    return 2;
}
