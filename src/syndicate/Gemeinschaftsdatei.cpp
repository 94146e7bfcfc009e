// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "syndicate/Gemeinschaftsdatei.h"

#include "model/Dateien.h"
#include "model/Spiel.h"
#include "syndicate/Schema.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

namespace {

QAtomicInt gemeinschaftVerbindungen;

// SQLite's primary result codes that need words of their own.
enum Sqlitecode { Besetzt = 5, Gesperrt = 6, Nurlesen = 8, Ein_Ausgabe = 10, Beschaedigt = 11, Voll = 13,
                  KeineDatenbank = 26 };

int sqlitecode(const QSqlError &fehler)
{
    bool ok = false;
    const int code = fehler.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

QString gemeinschaftDateiname(const QString &pfad)
{
    return QStringLiteral("\u201E%1\u201C").arg(QDir::toNativeSeparators(pfad));
}

QString keineGemeinschaft(const QString &pfad)
{
    return QStringLiteral("Die Datei %1 ist keine Tippgemeinschaft.").arg(gemeinschaftDateiname(pfad)) + Absatz +
           QStringLiteral("Sie bleibt, wie sie ist. Ich breche ab.");
}

// "Verein 2026-12-11 04-50-00-123.qtgem": the names sort as the times they carry.
const QString SicherungsZeitformat = QStringLiteral("yyyy-MM-dd HH-mm-ss-zzz");

QString sicherungsordner(const QString &pfad)
{
    return QFileInfo(pfad).absolutePath() + QLatin1Char('/') + Gemeinschaftsdatei::SicherungsOrdner +
           QLatin1Char('/');
}

// The tables, indexes and triggers of a database, each as SQLite keeps its statement.
QStringList schemaDerDatei(const QSqlDatabase &d)
{
    QStringList schema;
    QSqlQuery q(d);
    if (q.exec(QStringLiteral("SELECT type, name, tbl_name, COALESCE(sql, '') FROM sqlite_schema ORDER BY type, name")))
        while (q.next())
            schema << QStringLiteral("%1|%2|%3|%4").arg(q.value(0).toString(), q.value(1).toString(),
                                                        q.value(2).toString(), q.value(3).toString());
    return schema;
}

// The schema the steps up to `version` make, built in memory once per version.
QStringList schemaVon(int version)
{
    static QHash<int, QStringList> bekannt;
    if (const auto it = bekannt.constFind(version); it != bekannt.cend())
        return *it;
    const QString name = QStringLiteral("tippgemeinschaft-schema-%1").arg(gemeinschaftVerbindungen.fetchAndAddRelaxed(1));
    QStringList schema;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        d.setDatabaseName(QStringLiteral(":memory:"));
        if (d.open()) {
            QSqlQuery q(d);
            for (int v = 1; v <= version; ++v)
                for (const QString &anweisung : Schema::Schritt(v))
                    q.exec(anweisung);
            schema = schemaDerDatei(d);
        }
        d.close();
    }
    QSqlDatabase::removeDatabase(name);
    bekannt.insert(version, schema);
    return schema;
}

} // namespace

Gemeinschaftsdatei::Gemeinschaftsdatei() = default;

Gemeinschaftsdatei::~Gemeinschaftsdatei()
{
    schliessen();
}

QSqlDatabase Gemeinschaftsdatei::db() const
{
    return QSqlDatabase::database(m_verbindung, false);
}

void Gemeinschaftsdatei::schliessen()
{
    if (m_verbindung.isEmpty())
        return;
    {
        QSqlDatabase d = db();
        d.close();
    }
    // Only once no query and no handle of the connection is left.
    QSqlDatabase::removeDatabase(m_verbindung);
    m_verbindung.clear();
    m_pfad.clear();
    m_gesichert = false;
}

QString Gemeinschaftsdatei::verbinden(const QString &pfad, bool anlegen)
{
    schliessen();
    const QString name =
        QStringLiteral("tippgemeinschaft-%1-%2")
            .arg(gemeinschaftVerbindungen.fetchAndAddRelaxed(1))
            .arg(reinterpret_cast<quintptr>(this), 0, 16);
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    if (!d.isValid()) {
        QSqlDatabase::removeDatabase(name);
        return QStringLiteral("Der SQLite-Treiber von Qt (Paket libqt6sql6-sqlite) fehlt; ohne ihn lassen sich "
                              "Tippgemeinschaften nicht \u00F6ffnen.");
    }
    // As a URI, so that opening never creates a file that is not there ("mode=rw").
    QUrl adresse = QUrl::fromLocalFile(QFileInfo(pfad).absoluteFilePath());
    adresse.setQuery(anlegen ? QStringLiteral("mode=rwc") : QStringLiteral("mode=rw"));
    d.setDatabaseName(adresse.toString(QUrl::FullyEncoded));
    d.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(Wartezeit));
    if (!d.open()) {
        const QString text = d.lastError().text();
        d = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        return DateiFehlerText(pfad, text, anlegen);
    }
    m_verbindung = name;
    m_pfad = QFileInfo(pfad).absoluteFilePath();
    QSqlQuery q(d);
    q.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    // Triggers and views of a file run no function that could reach outside it.
    q.exec(QStringLiteral("PRAGMA trusted_schema = OFF"));
    return QString();
}

QString Gemeinschaftsdatei::anlegen(const QString &pfad, const QString &name)
{
    const QFileInfo info(pfad);
    if (info.exists() || info.isSymLink())
        return QStringLiteral("Die Datei %1 gibt es schon; eine neue Tippgemeinschaft braucht einen neuen Namen.")
                   .arg(gemeinschaftDateiname(pfad)) +
               Absatz + QStringLiteral("Ich breche ab.");
    // Built beside its place and moved there whole, so a new file is complete or not there.
    const QString vorlaeufig =
        info.absolutePath() + QStringLiteral("/.%1.%2.neu").arg(info.fileName()).arg(QDateTime::currentMSecsSinceEpoch());
    QString fehler = verbinden(vorlaeufig, true);
    if (fehler.isEmpty()) {
        m_gesichert = true; // nothing to keep yet
        fehler = aendern([&]() -> QString {
            if (const QString f = migrieren(0); !f.isEmpty())
                return f;
            QSqlQuery q(db());
            q.prepare(QStringLiteral("INSERT INTO gemeinschaft (schluessel, wert) VALUES ('name', ?), ('angelegt', ?)"));
            q.addBindValue(name.isNull() ? QStringLiteral("") : name);
            q.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
            return q.exec() ? QString() : fehlertext(q);
        });
        if (fehler.isEmpty()) {
            QSqlQuery q(db());
            q.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
        }
    }
    schliessen();
    if (fehler.isEmpty() && !QFile::rename(vorlaeufig, info.absoluteFilePath()))
        fehler = QStringLiteral("Die Datei %1 l\u00E4sst sich nicht anlegen.").arg(gemeinschaftDateiname(pfad));
    if (!fehler.isEmpty()) {
        QFile::remove(vorlaeufig);
        return fehler;
    }
    return oeffnen(pfad);
}

QString Gemeinschaftsdatei::oeffnen(const QString &pfad)
{
    schliessen();
    const QFileInfo info(pfad);
    if (!info.exists())
        return DateiFehlerText(pfad, SystemfehlerText(ENOENT), false);
    if (!info.isFile())
        return keineGemeinschaft(pfad);
    if (info.size() > HoechsteGroesse)
        return QStringLiteral("Die Datei %1 ist mit %2 MB zu gro\u00DF f\u00FCr eine Tippgemeinschaft; ich lasse sie, "
                              "wie sie ist.")
            .arg(gemeinschaftDateiname(pfad))
            .arg(info.size() / (1024 * 1024));
    // An SQLite database starts with these 16 bytes; anything else is not touched by SQLite.
    {
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly))
            return DateiFehlerText(pfad, datei.errorString(), false);
        if (datei.read(16) != QByteArray("SQLite format 3\0", 16))
            return keineGemeinschaft(pfad);
    }
    if (QString fehler = verbinden(pfad, false); !fehler.isEmpty())
        return fehler;
    if (QString fehler = pruefen(); !fehler.isEmpty()) {
        schliessen();
        return fehler;
    }
    return QString();
}

QString Gemeinschaftsdatei::pruefen()
{
    QSqlQuery q(db());
    // A file left by a writer killed mid-way is rolled back by SQLite right here.
    if (!q.exec(QStringLiteral("PRAGMA integrity_check"))) {
        const int code = sqlitecode(q.lastError());
        if (code == KeineDatenbank)
            return keineGemeinschaft(m_pfad);
        if (code == Besetzt || code == Gesperrt)
            return MeldungBesetzt;
        if (code != Beschaedigt)
            return fehlertext(q);
    }
    QStringList befund;
    while (q.isActive() && q.next())
        befund << q.value(0).toString();
    q.finish();
    if (befund != QStringList{QStringLiteral("ok")})
        return QStringLiteral("Die Tippgemeinschaft %1 ist besch\u00E4digt; ich lasse sie, wie sie ist.")
                   .arg(gemeinschaftDateiname(m_pfad)) +
               Absatz +
               QStringLiteral("Nehmen Sie die neueste Sicherung aus dem Ordner \u201E%1\u201C neben der Datei.")
                   .arg(SicherungsOrdner);

    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next())
        return fehlertext(q);
    const int kennung = q.value(0).toInt();
    q.finish();
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return fehlertext(q);
    const int version = q.value(0).toInt();
    q.finish();
    if (kennung != Schema::Anwendungskennung || version < 1)
        return keineGemeinschaft(m_pfad);
    if (version > Schemaversion)
        return QStringLiteral("Die Tippgemeinschaft %1 stammt von einer neueren Version des Programms "
                              "(Version %2 der Datei, dieses Programm kennt bis Version %3).")
                   .arg(gemeinschaftDateiname(m_pfad))
                   .arg(version)
                   .arg(Schemaversion) +
               Absatz + QStringLiteral("Sie bleibt, wie sie ist. Bitte aktualisieren Sie das Programm.");

    // Exactly the tables, indexes and triggers this version makes: a file with others of its
    // own (a trigger that changes what is booked) is not taken.
    if (const QStringList erwartet = schemaVon(version); erwartet != schemaDerDatei(db()))
        return QStringLiteral("Der Aufbau der Tippgemeinschaft %1 wurde au\u00DFerhalb des Programms ver\u00E4ndert.")
                   .arg(gemeinschaftDateiname(m_pfad)) +
               Absatz + QStringLiteral("Sie bleibt, wie sie ist. Ich breche ab.");

    // Every entry's parts must add up to it and say what it is; a file changed behind the
    // program's back is refused.
    if (!q.exec(QStringLiteral("SELECT e.nr FROM eintraege e LEFT JOIN teile t ON t.eintrag = e.nr "
                               "LEFT JOIN eintraege s ON s.nr = e.storniert GROUP BY e.nr "
                               "HAVING COALESCE(SUM(t.betrag), -1) <> e.betrag OR "
                               "SUM(t.art IS NOT (CASE WHEN e.art = 'Storno' THEN s.art ELSE e.art END) OR "
                               "t.storno IS NOT (e.art = 'Storno')) > 0 LIMIT 1")))
        return fehlertext(q);
    if (q.next())
        return QStringLiteral("In der Tippgemeinschaft %1 ergeben die Teile der Buchung Nr. %2 nicht ihren Betrag; "
                              "die Datei wurde au\u00DFerhalb des Programms ver\u00E4ndert.")
                   .arg(gemeinschaftDateiname(m_pfad))
                   .arg(q.value(0).toLongLong()) +
               Absatz + QStringLiteral("Sie bleibt, wie sie ist. Ich breche ab.");
    q.finish();

    if (version < Schemaversion)
        if (QString fehler = aendern([&] { return migrieren(version); }); !fehler.isEmpty())
            return fehler;
    // A file another tool switched to WAL is switched back (that writes it, so only for ours).
    if (q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next() &&
        q.value(0).toString().compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0) {
        q.finish();
        if (!sichern().isEmpty() || !q.exec(QStringLiteral("PRAGMA journal_mode = DELETE")))
            return fehlertext(q);
    }
    q.finish();
    return QString();
}

QString Gemeinschaftsdatei::migrieren(int version)
{
    QSqlQuery q(db());
    for (int v = version + 1; v <= Schemaversion; ++v) {
        for (const QString &anweisung : Schema::Schritt(v))
            if (!q.exec(anweisung))
                return fehlertext(q);
        if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(v)))
            return fehlertext(q);
    }
    return QString();
}

QStringList Gemeinschaftsdatei::sicherungen(const QString &pfad)
{
    const QFileInfo info(pfad);
    const QString basis = info.completeBaseName();
    const QRegularExpression muster(QStringLiteral("^%1 \\d{4}-\\d{2}-\\d{2} \\d{2}-\\d{2}-\\d{2}-\\d{3}\\.%2$")
                                        .arg(QRegularExpression::escape(basis), Endung));
    QStringList liste;
    const QDir d(sicherungsordner(pfad));
    for (const QString &n : d.entryList(QDir::Files, QDir::Name))
        if (muster.match(n).hasMatch())
            liste << d.filePath(n);
    return liste;
}

QString Gemeinschaftsdatei::sichern()
{
    if (m_gesichert)
        return QString();
    const QString ordner = sicherungsordner(m_pfad);
    if (!QDir().mkpath(ordner))
        return QStringLiteral("Der Ordner %1 f\u00FCr die Sicherungen l\u00E4sst sich nicht anlegen; ohne Sicherung "
                              "\u00E4ndere ich nichts.")
            .arg(gemeinschaftDateiname(ordner));
    const QStringList vorhanden = sicherungen(m_pfad);
    const QString basis = QFileInfo(m_pfad).completeBaseName() + QLatin1Char(' ');
    QDateTime zeit = QDateTime::currentDateTime();
    const auto name = [&](const QDateTime &z) {
        return basis + z.toString(SicherungsZeitformat) + QLatin1Char('.') + Endung;
    };
    // Never before the newest copy, even with a clock set back: the new one must not go first.
    if (!vorhanden.isEmpty())
        while (name(zeit) <= QFileInfo(vorhanden.constLast()).fileName())
            zeit = zeit.addMSecs(1);
    for (qsizetype i = 0; i + SicherungenBehalten - 1 < vorhanden.size(); ++i)
        QFile::remove(vorhanden[i]);
    // Pieces of copies that a killed program left; a young one may be another program's at work.
    const QDir d(ordner);
    for (const QFileInfo &rest : d.entryInfoList({basis + QStringLiteral("*.") + Endung + QStringLiteral(".*.neu")}, QDir::Files))
        if (rest.lastModified().secsTo(QDateTime::currentDateTime()) > 600)
            QFile::remove(rest.absoluteFilePath());
    // SQLite's own copy: consistent even while another program writes the file. Written under a
    // name of this process that the list ignores, and renamed when whole; two programs saving at
    // the same millisecond take the next free name.
    const QString vorlaeufig = ordner + name(zeit) + QStringLiteral(".%1.neu").arg(QCoreApplication::applicationPid());
    QFile::remove(vorlaeufig);
    QSqlQuery q(db());
    q.prepare(QStringLiteral("VACUUM INTO ?"));
    q.addBindValue(vorlaeufig);
    if (!q.exec()) {
        const QString fehler = fehlertext(q);
        QFile::remove(vorlaeufig);
        return QStringLiteral("Die Sicherung der Tippgemeinschaft lie\u00DF sich nicht anlegen; ohne Sicherung "
                              "\u00E4ndere ich nichts.") +
               Absatz + fehler;
    }
    bool umbenannt = false;
    for (int versuch = 0; !umbenannt && versuch < 1000; ++versuch, zeit = zeit.addMSecs(1))
        umbenannt = QFile::rename(vorlaeufig, ordner + name(zeit));
    if (!umbenannt) {
        QFile::remove(vorlaeufig);
        return QStringLiteral("Die Sicherung %1 lie\u00DF sich nicht anlegen; ohne Sicherung \u00E4ndere ich nichts.")
            .arg(gemeinschaftDateiname(ordner + name(zeit)));
    }
    m_gesichert = true;
    return QString();
}

QString Gemeinschaftsdatei::aendern(const std::function<QString()> &aenderung)
{
    if (!offen())
        return QStringLiteral("Es ist keine Tippgemeinschaft ge\u00F6ffnet.");
    if (QString fehler = sichern(); !fehler.isEmpty())
        return fehler;
    QSqlQuery q(db());
    // IMMEDIATE: the write lock is taken at once (waiting up to the busy timeout), so two
    // writers never both read a state and then book on it.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fehlertext(q);
    QString fehler = aenderung();
    if (fehler.isEmpty() && !q.exec(QStringLiteral("COMMIT")))
        fehler = fehlertext(q);
    if (!fehler.isEmpty())
        q.exec(QStringLiteral("ROLLBACK"));
    return fehler;
}

QString Gemeinschaftsdatei::lesen(const std::function<QString()> &lesen) const
{
    if (!offen())
        return QStringLiteral("Es ist keine Tippgemeinschaft ge\u00F6ffnet.");
    QSqlQuery q(db());
    if (!q.exec(QStringLiteral("BEGIN")))
        return fehlertext(q);
    const QString fehler = lesen();
    q.exec(QStringLiteral("COMMIT"));
    return fehler;
}

QString Gemeinschaftsdatei::fehlertext(const QSqlQuery &abfrage) const
{
    return fehlertext(abfrage.lastError());
}

QString Gemeinschaftsdatei::fehlertext(const QSqlError &fehler) const
{
    switch (sqlitecode(fehler)) {
    case Besetzt:
    case Gesperrt:
        return MeldungBesetzt;
    case Voll:
        return QStringLiteral("Auf dem Datentr\u00E4ger ist kein Platz mehr; die Tippgemeinschaft bleibt, wie sie "
                              "war.");
    case Nurlesen:
        return QStringLiteral("Die Tippgemeinschaft %1 darf nicht geschrieben werden; sie bleibt, wie sie war.")
            .arg(gemeinschaftDateiname(m_pfad));
    case Ein_Ausgabe:
    case Beschaedigt:
        return QStringLiteral("Die Tippgemeinschaft %1 lie\u00DF sich nicht lesen oder schreiben; sie bleibt, wie "
                              "sie war.")
                   .arg(gemeinschaftDateiname(m_pfad)) +
               Absatz + fehler.text();
    default:
        return QStringLiteral("Die Tippgemeinschaft %1 meldet einen Fehler:").arg(gemeinschaftDateiname(m_pfad)) +
               Absatz + fehler.text();
    }
}
