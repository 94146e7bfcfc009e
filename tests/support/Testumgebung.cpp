// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Testumgebung.h"

#include "Dateien.h"

#include "model/Datum.h"
#include "model/Ordner.h"
#include "model/Spiel.h"
#include "ui/gemeinsam/Befehle.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Window tests run on a virtual screen of a desktop's size: the offscreen platform's own is
// 800 × 600, smaller than the designed windows, which would then open shrunk to it. Set before
// the application starts; a test that names its own screen keeps it.
QTemporaryDir s_bildschirmordner;
[[maybe_unused]] const bool s_bildschirm = [] {
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen" || !s_bildschirmordner.isValid())
        return false;
    const QString datei = s_bildschirmordner.filePath(QStringLiteral("bildschirm.json"));
    QFile konfiguration(datei);
    if (!konfiguration.open(QIODevice::WriteOnly) ||
        konfiguration.write(R"({"screens": [{"name": "Testbildschirm", "x": 0, "y": 0, "width": 1920,)"
                            R"( "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        return false;
    konfiguration.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + datei.toUtf8());
    return true;
}();

} // namespace

Testumgebung::Testumgebung(bool mitDemo) : m_alterXdg(qgetenv("XDG_DATA_HOME"))
{
    qputenv("XDG_DATA_HOME", m_ordner.path().toUtf8());
    OrdnerBestimmen(zustand, QCoreApplication::applicationDirPath());
    if (!mitDemo)
        QFile::remove(pfad(Dateinamen::DemoTippschein));
    zustand.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
}

Testumgebung::~Testumgebung()
{
    m_befehle.reset();
    if (m_alterXdg.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", m_alterXdg);
}

Befehle &Testumgebung::befehle()
{
    if (!m_befehle)
        m_befehle = std::make_unique<Befehle>(zustand);
    return *m_befehle;
}

void Testumgebung::schreibe(const QString &name, const QByteArray &daten) const { ::schreibe(pfad(name), daten); }

QByteArray Testumgebung::lies(const QString &name) const { return inhalt(pfad(name)); }

bool Testumgebung::gibt(const QString &name) const { return QFile::exists(pfad(name)); }

TGewZahlen Testumgebung::ziehung(const QDate &datum, std::array<std::uint8_t, 5> zahlen, std::uint8_t zz)
{
    TGewZahlen z;
    z.datum = Datum::ausDatum(datum);
    z.GZ = zahlen;
    z.bonus = zz;
    return z;
}

QByteArray Testumgebung::ziehungen(int anzahl)
{
    QByteArray daten;
    for (int i = 0; i < anzahl; ++i) {
        const std::uint8_t a = static_cast<std::uint8_t>(1 + i % 40);
        daten += ziehung(QDate(2024, 1, 1).addDays(7 * i),
                         {a, static_cast<std::uint8_t>(a + 2), static_cast<std::uint8_t>(a + 4),
                          static_cast<std::uint8_t>(a + 6), static_cast<std::uint8_t>(a + 8)},
                         static_cast<std::uint8_t>(1 + i % 10))
                     .alsBytes();
    }
    return daten;
}
