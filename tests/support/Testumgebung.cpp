#include "Testumgebung.h"

#include "Dateien.h"

#include "model/Datum.h"
#include "model/Ordner.h"
#include "model/Spiel.h"
#include "ui/gemeinsam/Befehle.h"

#include <QCoreApplication>
#include <QFile>

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
