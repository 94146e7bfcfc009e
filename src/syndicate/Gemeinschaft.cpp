// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "syndicate/Gemeinschaft.h"

#include "model/Dateien.h"
#include "model/Spiel.h"
#include "syndicate/Buchungen.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace {

QString gemAnfuehrung(const QString &text)
{
    return QStringLiteral("\u201E%1\u201C").arg(text);
}

const Mitglied *gemFinde(const QVector<Mitglied> &mitglieder, const QString &name)
{
    for (const Mitglied &m : mitglieder)
        if (m.name == name.trimmed())
            return &m;
    return nullptr;
}

// Booked draws stay as booked: a change of members or tickets may only reach later draws.
QString gemNachAbrechnung(const Gemeinschaftsdatei &datei, const QDate &ab, const QString &was)
{
    QDate bis;
    if (QString fehler = Buchungen::abgerechnetBis(datei, bis); !fehler.isEmpty())
        return fehler;
    if (bis.isValid() && ab <= bis)
        return QStringLiteral("Bis zum %1 ist schon abgerechnet; %2 gilt fr\u00FChestens ab dem %3.")
                   .arg(Buchungen::tagText(bis), was, Buchungen::tagText(bis.addDays(1))) +
               Absatz + QStringLiteral("Ich \u00E4ndere nichts.");
    return QString();
}

// A row the syndicate can play: five different numbers of 1..49 and a Zusatzzahl of 1..10.
bool gemGueltigeReihe(const TNormalSchein &r)
{
    for (int i = 0; i < 5; ++i) {
        if (!istZahl(r.WZ[static_cast<std::size_t>(i)]))
            return false;
        for (int j = 0; j < i; ++j)
            if (r.WZ[static_cast<std::size_t>(i)] == r.WZ[static_cast<std::size_t>(j)])
                return false;
    }
    return istZusatzzahl(r.WZ[5]);
}

// Never NULL: the columns for texts hold an empty text when there is none.
QString gemNichtNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

QString Gemeinschaft::unbekanntesMitglied(const QString &name)
{
    return QStringLiteral("Ein Mitglied %1 hat die Tippgemeinschaft nicht.").arg(gemAnfuehrung(name.trimmed()));
}

QString Gemeinschaft::anlegen(const QString &pfad, const QString &name)
{
    return m_datei.anlegen(pfad, name.trimmed().isEmpty() ? QFileInfo(pfad).completeBaseName() : name.trimmed());
}

QString Gemeinschaft::oeffnen(const QString &pfad)
{
    return m_datei.oeffnen(pfad);
}

QString Gemeinschaft::name() const
{
    QSqlQuery q(m_datei.db());
    if (q.exec(QStringLiteral("SELECT wert FROM gemeinschaft WHERE schluessel = 'name'")) && q.next())
        return q.value(0).toString();
    return QFileInfo(m_datei.pfad()).completeBaseName();
}

QString Gemeinschaft::mitgliederLesen(QVector<Mitglied> &mitglieder) const
{
    return m_datei.lesen([&] { return Buchungen::mitgliederLesen(m_datei, mitglieder); });
}

QString Gemeinschaft::abgerechnetBis(QDate &bis) const
{
    return m_datei.lesen([&] { return Buchungen::abgerechnetBis(m_datei, bis); });
}

QString Gemeinschaft::scheineLesen(QVector<Schein> &scheine) const
{
    return m_datei.lesen([&] { return Buchungen::scheineLesen(m_datei, scheine); });
}

QString Gemeinschaft::kasseLesen(QVector<Eintrag> &eintraege, const Kassenfilter &filter) const
{
    return m_datei.lesen([&]() -> QString {
        QVector<Eintrag> alle;
        if (QString fehler = Buchungen::eintraegeLesen(m_datei, alle); !fehler.isEmpty())
            return fehler;
        eintraege.clear();
        for (Eintrag &e : alle) {
            if (filter.art && e.art != *filter.art)
                continue;
            if ((filter.von.isValid() && e.datum < filter.von) || (filter.bis.isValid() && e.datum > filter.bis))
                continue;
            if (filter.mitgliedId && std::none_of(e.teile.cbegin(), e.teile.cend(), [&](const Teil &t) {
                    return t.mitgliedId == *filter.mitgliedId;
                }))
                continue;
            eintraege.append(std::move(e));
        }
        return QString();
    });
}

QString Gemeinschaft::kontenLesen(Kontenstand &stand, const QDate &stichtag) const
{
    return m_datei.lesen([&]() -> QString {
        stand = Kontenstand();
        QVector<Mitglied> mitglieder;
        if (QString fehler = Buchungen::mitgliederLesen(m_datei, mitglieder); !fehler.isEmpty())
            return fehler;
        QHash<qint64, qsizetype> stelle;
        for (const Mitglied &m : std::as_const(mitglieder)) {
            stelle.insert(m.id, stand.konten.size());
            stand.konten.append({m.id, m.name, m.anteileAm(stichtag)});
        }
        // One pass over the parts, summed by member and by the kind each counts in.
        QSqlQuery q(m_datei.db());
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT mitglied, art, storno, SUM(betrag) FROM teile GROUP BY mitglied, art, storno")))
            return m_datei.fehlertext(q);
        while (q.next()) {
            const auto it = stelle.constFind(q.value(0).toLongLong());
            const std::optional<Art> zaehlt = ArtAusText(q.value(1).toString());
            if (it == stelle.cend() || !zaehlt)
                continue;
            stand.konten[*it].buche(*zaehlt, q.value(3).toLongLong(), q.value(2).toInt() == 1 ? -1 : 1);
        }
        for (const Konto &k : std::as_const(stand.konten))
            stand.kasse += k.saldo();
        return Buchungen::abgerechnetBis(m_datei, stand.abgerechnetBis);
    });
}

QString Gemeinschaft::mitgliedHinzufuegen(const QString &name, int anteile, const QDate &ab, const QString &email,
                                         const QString &notiz)
{
    const QString n = name.trimmed();
    if (n.isEmpty())
        return QStringLiteral("Ein Mitglied braucht einen Namen.");
    if (anteile < 1)
        return QStringLiteral("Ein Mitglied hat mindestens einen Anteil.");
    if (!ab.isValid())
        return QStringLiteral("Das Eintrittsdatum fehlt.");
    return m_datei.aendern([&]() -> QString {
        if (QString fehler = gemNachAbrechnung(m_datei, ab, QStringLiteral("ein Eintritt")); !fehler.isEmpty())
            return fehler;
        QSqlQuery q(m_datei.db());
        q.prepare(QStringLiteral("SELECT 1 FROM mitglieder WHERE name = ?"));
        q.addBindValue(n);
        if (!q.exec())
            return m_datei.fehlertext(q);
        if (q.next())
            return QStringLiteral("Ein Mitglied %1 gibt es schon; jeder Name kommt nur einmal vor.").arg(gemAnfuehrung(n));
        q.finish();
        q.prepare(QStringLiteral("INSERT INTO mitglieder (name, email, notiz, eintritt) VALUES (?, ?, ?, ?)"));
        q.addBindValue(n);
        q.addBindValue(gemNichtNull(email.trimmed()));
        q.addBindValue(gemNichtNull(notiz.trimmed()));
        q.addBindValue(Buchungen::iso(ab));
        if (!q.exec())
            return m_datei.fehlertext(q);
        const qint64 id = q.lastInsertId().toLongLong();
        q.prepare(QStringLiteral("INSERT INTO anteile (mitglied, ab, anteile) VALUES (?, ?, ?)"));
        q.addBindValue(id);
        q.addBindValue(Buchungen::iso(ab));
        q.addBindValue(anteile);
        return q.exec() ? QString() : m_datei.fehlertext(q);
    });
}

QString Gemeinschaft::anteileAendern(const QString &name, int anteile, const QDate &ab)
{
    if (anteile < 1)
        return QStringLiteral("Ein Mitglied hat mindestens einen Anteil; wer nicht mehr mitspielt, tritt aus.");
    return m_datei.aendern([&]() -> QString {
        QVector<Mitglied> mitglieder;
        if (QString fehler = Buchungen::mitgliederLesen(m_datei, mitglieder); !fehler.isEmpty())
            return fehler;
        const Mitglied *m = gemFinde(mitglieder, name);
        if (!m)
            return unbekanntesMitglied(name);
        if (!m->dabeiAm(ab))
            return QStringLiteral("%1 ist am %2 kein Mitglied der Tippgemeinschaft.")
                .arg(m->name, Buchungen::tagText(ab));
        if (QString fehler = gemNachAbrechnung(m_datei, ab, QStringLiteral("eine \u00C4nderung der Anteile"));
            !fehler.isEmpty())
            return fehler;
        QSqlQuery q(m_datei.db());
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO anteile (mitglied, ab, anteile) VALUES (?, ?, ?)"));
        q.addBindValue(m->id);
        q.addBindValue(Buchungen::iso(ab));
        q.addBindValue(anteile);
        return q.exec() ? QString() : m_datei.fehlertext(q);
    });
}

QString Gemeinschaft::austritt(const QString &name, const QDate &ab)
{
    return m_datei.aendern([&]() -> QString {
        QVector<Mitglied> mitglieder;
        if (QString fehler = Buchungen::mitgliederLesen(m_datei, mitglieder); !fehler.isEmpty())
            return fehler;
        const Mitglied *m = gemFinde(mitglieder, name);
        if (!m)
            return unbekanntesMitglied(name);
        if (m->austritt.isValid())
            return QStringLiteral("%1 ist schon zum %2 ausgetreten.").arg(m->name, Buchungen::tagText(m->austritt));
        if (ab <= m->eintritt)
            return QStringLiteral("%1 ist erst am %2 eingetreten; der Austritt muss danach liegen.")
                .arg(m->name, Buchungen::tagText(m->eintritt));
        if (QString fehler = gemNachAbrechnung(m_datei, ab, QStringLiteral("ein Austritt")); !fehler.isEmpty())
            return fehler;
        QSqlQuery q(m_datei.db());
        q.prepare(QStringLiteral("UPDATE mitglieder SET austritt = ? WHERE id = ?"));
        q.addBindValue(Buchungen::iso(ab));
        q.addBindValue(m->id);
        return q.exec() ? QString() : m_datei.fehlertext(q);
    });
}

QString Gemeinschaft::scheinHinzufuegen(const QString &datei, const QDate &ab)
{
    const Dateiinhalt gelesen = DateiLesen(datei);
    if (gelesen.status != Dateiinhalt::Status::Gelesen)
        return DateiFehlerText(datei, gelesen.status == Dateiinhalt::Status::Fehlt ? SystemfehlerText(ENOENT)
                                                                                    : gelesen.fehler,
                               false);
    const qsizetype anzahl = gelesen.daten.size() / TNormalSchein::Groesse;
    if (anzahl == 0)
        return QStringLiteral("Der Tippschein %1 enth\u00E4lt keine Reihe.").arg(gemAnfuehrung(datei));
    QVector<TNormalSchein> reihen;
    for (qsizetype k = 0; k < anzahl; ++k) {
        reihen.append(TNormalSchein::ausBytes(gelesen.daten.constData() + k * TNormalSchein::Groesse));
        if (!gemGueltigeReihe(reihen.constLast()))
            return QStringLiteral("Die Reihe %1 des Tippscheins %2 ist keine g\u00FCltige Tippreihe (f\u00FCnf "
                                  "verschiedene Zahlen von 1 bis 49 und eine Zusatzzahl von 1 bis 10).")
                .arg(k + 1)
                .arg(gemAnfuehrung(datei));
    }
    const QString name = QFileInfo(datei).fileName();
    return m_datei.aendern([&]() -> QString {
        if (QString fehler = gemNachAbrechnung(m_datei, ab, QStringLiteral("ein neuer Tippschein")); !fehler.isEmpty())
            return fehler;
        QSqlQuery q(m_datei.db());
        q.prepare(QStringLiteral("SELECT 1 FROM scheine WHERE name = ? AND bis IS NULL"));
        q.addBindValue(name);
        if (!q.exec())
            return m_datei.fehlertext(q);
        if (q.next())
            return QStringLiteral("Ein Tippschein %1 wird schon gespielt.").arg(gemAnfuehrung(name));
        q.finish();
        q.prepare(QStringLiteral("INSERT INTO scheine (name, ab) VALUES (?, ?)"));
        q.addBindValue(name);
        q.addBindValue(Buchungen::iso(ab));
        if (!q.exec())
            return m_datei.fehlertext(q);
        const qint64 id = q.lastInsertId().toLongLong();
        q.prepare(QStringLiteral("INSERT INTO reihen (schein, nr, z1, z2, z3, z4, z5, zz) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        for (qsizetype k = 0; k < reihen.size(); ++k) {
            q.bindValue(0, id);
            q.bindValue(1, k + 1);
            for (int i = 0; i < 6; ++i)
                q.bindValue(2 + i, reihen[k].WZ[static_cast<std::size_t>(i)]);
            if (!q.exec())
                return m_datei.fehlertext(q);
        }
        return QString();
    });
}

QString Gemeinschaft::scheinEntfernen(const QString &datei, const QDate &ab)
{
    const QString name = QFileInfo(datei).fileName();
    return m_datei.aendern([&]() -> QString {
        QSqlQuery q(m_datei.db());
        q.prepare(QStringLiteral("SELECT id, ab FROM scheine WHERE name = ? AND bis IS NULL"));
        q.addBindValue(name);
        if (!q.exec())
            return m_datei.fehlertext(q);
        if (!q.next())
            return QStringLiteral("Einen Tippschein %1 spielt die Tippgemeinschaft nicht.").arg(gemAnfuehrung(name));
        const qint64 id = q.value(0).toLongLong();
        const QDate seit = Buchungen::ausIso(q.value(1).toString());
        q.finish();
        if (ab <= seit)
            return QStringLiteral("Der Tippschein %1 wird erst seit dem %2 gespielt; er kann fr\u00FChestens am Tag "
                                  "danach wegfallen.")
                .arg(gemAnfuehrung(name), Buchungen::tagText(seit));
        if (QString fehler = gemNachAbrechnung(m_datei, ab, QStringLiteral("das Entfernen eines Tippscheins"));
            !fehler.isEmpty())
            return fehler;
        q.prepare(QStringLiteral("UPDATE scheine SET bis = ? WHERE id = ?"));
        q.addBindValue(Buchungen::iso(ab));
        q.addBindValue(id);
        return q.exec() ? QString() : m_datei.fehlertext(q);
    });
}

QString Gemeinschaft::einzelbuchung(Art art, const QString &name, Cent betrag, const QDate &datum, const QString &text,
                                    QVector<Eintrag> *gebucht)
{
    if (betrag <= 0)
        return QStringLiteral("Der Betrag muss gr\u00F6\u00DFer als 0 sein.");
    return m_datei.aendern([&]() -> QString {
        QVector<Mitglied> mitglieder;
        if (QString fehler = Buchungen::mitgliederLesen(m_datei, mitglieder); !fehler.isEmpty())
            return fehler;
        const Mitglied *m = gemFinde(mitglieder, name);
        if (!m)
            return unbekanntesMitglied(name);
        Eintrag e;
        e.datum = datum;
        e.art = art;
        e.mitgliedId = m->id;
        e.mitglied = m->name;
        e.betrag = betrag;
        e.text = text.trimmed();
        e.teile = {{m->id, m->name, betrag}};
        if (QString fehler = Buchungen::schreiben(m_datei, e); !fehler.isEmpty())
            return fehler;
        if (gebucht)
            gebucht->append(e);
        return QString();
    });
}

QString Gemeinschaft::einzahlung(const QString &name, Cent betrag, const QDate &datum, QVector<Eintrag> *gebucht,
                                 const QString &text)
{
    return einzelbuchung(Art::Einzahlung, name, betrag, datum, text, gebucht);
}

QString Gemeinschaft::auszahlung(const QString &name, Cent betrag, const QDate &datum, QVector<Eintrag> *gebucht,
                                 const QString &text)
{
    return einzelbuchung(Art::Auszahlung, name, betrag, datum, text, gebucht);
}

QString Gemeinschaft::ausgabe(Cent betrag, const QString &text, const QDate &datum, QVector<Eintrag> *gebucht)
{
    if (betrag <= 0)
        return QStringLiteral("Der Betrag muss gr\u00F6\u00DFer als 0 sein.");
    if (text.trimmed().isEmpty())
        return QStringLiteral("Eine Ausgabe braucht einen Text, der sagt, wof\u00FCr sie war.");
    return m_datei.aendern([&]() -> QString {
        QVector<Mitglied> mitglieder;
        if (QString fehler = Buchungen::mitgliederLesen(m_datei, mitglieder); !fehler.isEmpty())
            return fehler;
        Eintrag e;
        e.datum = datum;
        e.art = Art::Ausgabe;
        e.betrag = betrag;
        e.text = text.trimmed();
        if (QString fehler = Buchungen::teilen(mitglieder, datum, betrag, e.teile); !fehler.isEmpty())
            return fehler;
        if (QString fehler = Buchungen::schreiben(m_datei, e); !fehler.isEmpty())
            return fehler;
        if (gebucht)
            gebucht->append(e);
        return QString();
    });
}

QString Gemeinschaft::storno(qint64 nr, const QDate &datum, QVector<Eintrag> *gebucht)
{
    return m_datei.aendern([&]() -> QString {
        QVector<Eintrag> gefunden;
        if (QString fehler = Buchungen::eintraegeLesen(m_datei, gefunden, nr); !fehler.isEmpty())
            return fehler;
        if (gefunden.isEmpty())
            return QStringLiteral("Eine Buchung Nr. %1 gibt es nicht.").arg(nr);
        const Eintrag &e = gefunden.constFirst();
        if (e.art == Art::Storno)
            return QStringLiteral("Die Buchung Nr. %1 ist selbst ein Storno; sie l\u00E4sst sich nicht stornieren.")
                .arg(nr);
        if (e.storniertDurch > 0)
            return QStringLiteral("Die Buchung Nr. %1 ist schon storniert (Nr. %2).").arg(nr).arg(e.storniertDurch);
        Eintrag s = Buchungen::gegenbuchung(e, datum, QStringLiteral("Storno von Nr. %1 (%2)").arg(nr).arg(ArtText(e.art)));
        if (QString fehler = Buchungen::schreiben(m_datei, s); !fehler.isEmpty())
            return fehler;
        if (gebucht)
            gebucht->append(s);
        return QString();
    });
}
