// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "syndicate/Buchungen.h"

#include "syndicate/Aufteilung.h"

#include "model/Spiel.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <vector>

namespace Buchungen {

QString iso(const QDate &tag)
{
    return tag.toString(Qt::ISODate);
}

QDate ausIso(const QString &text)
{
    return QDate::fromString(text, Qt::ISODate);
}

QString tagText(const QDate &tag)
{
    return tag.toString(QStringLiteral("dd.MM.yyyy"));
}

QString keineMitgliederText(const QDate &tag)
{
    return QStringLiteral("Am %1 hat die Tippgemeinschaft keine Mitglieder; es gibt niemanden, auf den sich der "
                          "Betrag verteilen lie\u00DFe.")
               .arg(tagText(tag)) +
           QStringLiteral("\n\nIch buche nichts.");
}

QString mitgliederLesen(const Gemeinschaftsdatei &datei, QVector<Mitglied> &mitglieder)
{
    mitglieder.clear();
    QSqlQuery q(datei.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT id, name, email, notiz, eintritt, austritt FROM mitglieder ORDER BY eintritt, "
                               "id")))
        return datei.fehlertext(q);
    QHash<qint64, qsizetype> stelle;
    while (q.next()) {
        Mitglied m;
        m.id = q.value(0).toLongLong();
        m.name = q.value(1).toString();
        m.email = q.value(2).toString();
        m.notiz = q.value(3).toString();
        m.eintritt = ausIso(q.value(4).toString());
        m.austritt = q.value(5).isNull() ? QDate() : ausIso(q.value(5).toString());
        stelle.insert(m.id, mitglieder.size());
        mitglieder.append(m);
    }
    if (!q.exec(QStringLiteral("SELECT mitglied, ab, anteile FROM anteile ORDER BY mitglied, ab")))
        return datei.fehlertext(q);
    while (q.next())
        if (const auto it = stelle.constFind(q.value(0).toLongLong()); it != stelle.cend())
            mitglieder[*it].anteile.append({ausIso(q.value(1).toString()), q.value(2).toInt()});
    return QString();
}

QString scheineLesen(const Gemeinschaftsdatei &datei, QVector<Schein> &scheine)
{
    scheine.clear();
    QSqlQuery q(datei.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT id, name, ab, bis FROM scheine ORDER BY ab, id")))
        return datei.fehlertext(q);
    while (q.next()) {
        Schein s;
        s.id = q.value(0).toLongLong();
        s.name = q.value(1).toString();
        s.ab = Buchungen::ausIso(q.value(2).toString());
        s.bis = q.value(3).isNull() ? QDate() : Buchungen::ausIso(q.value(3).toString());
        scheine.append(s);
    }
    if (!q.exec(QStringLiteral("SELECT schein, z1, z2, z3, z4, z5, zz FROM reihen ORDER BY schein, nr")))
        return datei.fehlertext(q);
    while (q.next()) {
        const qint64 id = q.value(0).toLongLong();
        const auto it = std::find_if(scheine.begin(), scheine.end(), [id](const Schein &s) { return s.id == id; });
        if (it == scheine.end())
            continue;
        Tippreihe r;
        for (int i = 0; i < 5; ++i) {
            const int n = q.value(1 + i).toInt();
            r.zahlen[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(istZahl(n) ? n : 0);
        }
        const int zz = q.value(6).toInt();
        r.zusatzzahl = static_cast<std::uint8_t>(istZusatzzahl(zz) ? zz : 0);
        it->reihen.append(r);
    }
    return QString();
}

QString abgerechnetBis(const Gemeinschaftsdatei &datei, QDate &bis)
{
    QSqlQuery q(datei.db());
    if (!q.exec(QStringLiteral("SELECT MAX(ziehung) FROM abgerechnet")) || !q.next())
        return datei.fehlertext(q);
    bis = q.value(0).isNull() ? QDate() : ausIso(q.value(0).toString());
    return QString();
}

QString eintraegeLesen(const Gemeinschaftsdatei &datei, QVector<Eintrag> &eintraege, qint64 nurNr)
{
    eintraege.clear();
    QSqlQuery q(datei.db());
    q.setForwardOnly(true);
    const QString bedingung = nurNr > 0 ? QStringLiteral(" WHERE e.nr = %1").arg(nurNr) : QString();
    if (!q.exec(QStringLiteral("SELECT e.nr, e.datum, e.art, e.mitglied, m.name, e.betrag, e.text, e.storniert, s.art, "
                               "c.nr, e.ziehung, e.gebucht FROM eintraege e LEFT JOIN mitglieder m ON m.id = e.mitglied "
                               "LEFT JOIN eintraege s ON s.nr = e.storniert LEFT JOIN eintraege c ON c.storniert = e.nr") +
                bedingung + QStringLiteral(" ORDER BY e.nr")))
        return datei.fehlertext(q);
    QHash<qint64, qsizetype> stelle;
    while (q.next()) {
        Eintrag e;
        e.nr = q.value(0).toLongLong();
        e.datum = ausIso(q.value(1).toString());
        e.art = ArtAusText(q.value(2).toString()).value_or(Art::Einzahlung);
        e.mitgliedId = q.value(3).isNull() ? 0 : q.value(3).toLongLong();
        e.mitglied = q.value(4).toString();
        e.betrag = q.value(5).toLongLong();
        e.text = q.value(6).toString();
        e.storniert = q.value(7).isNull() ? 0 : q.value(7).toLongLong();
        e.stornoArt = q.value(8).isNull() ? Art::Storno : ArtAusText(q.value(8).toString()).value_or(Art::Storno);
        e.storniertDurch = q.value(9).isNull() ? 0 : q.value(9).toLongLong();
        e.ziehung = q.value(10).isNull() ? QDate() : ausIso(q.value(10).toString());
        e.gebucht = QDateTime::fromString(q.value(11).toString(), Qt::ISODateWithMs);
        stelle.insert(e.nr, eintraege.size());
        eintraege.append(e);
    }
    const QString teilbedingung = nurNr > 0 ? QStringLiteral(" WHERE t.eintrag = %1").arg(nurNr) : QString();
    if (!q.exec(QStringLiteral("SELECT t.eintrag, t.mitglied, m.name, t.betrag FROM teile t JOIN mitglieder m ON "
                               "m.id = t.mitglied") +
                teilbedingung + QStringLiteral(" ORDER BY t.eintrag, m.eintritt, m.id")))
        return datei.fehlertext(q);
    while (q.next())
        if (const auto it = stelle.constFind(q.value(0).toLongLong()); it != stelle.cend())
            eintraege[*it].teile.append({q.value(1).toLongLong(), q.value(2).toString(), q.value(3).toLongLong()});
    return QString();
}

QString teilen(const QVector<Mitglied> &mitglieder, const QDate &tag, Cent betrag, QVector<Teil> &teile)
{
    teile.clear();
    std::vector<Teilhaber> teilhaber;
    QVector<const Mitglied *> wer;
    for (const Mitglied &m : mitglieder)
        if (const int anteile = m.anteileAm(tag); anteile > 0) {
            teilhaber.push_back({anteile, m.eintritt, m.name});
            wer.append(&m);
        }
    if (teilhaber.empty())
        return keineMitgliederText(tag);
    const std::vector<Cent> betraege = Aufteilen(betrag, teilhaber);
    for (qsizetype i = 0; i < wer.size(); ++i)
        teile.append({wer[i]->id, wer[i]->name, betraege[static_cast<std::size_t>(i)]});
    return QString();
}

QString schreiben(const Gemeinschaftsdatei &datei, Eintrag &eintrag)
{
    eintrag.gebucht = QDateTime::currentDateTimeUtc();
    QSqlQuery q(datei.db());
    q.prepare(QStringLiteral("INSERT INTO eintraege (datum, art, mitglied, betrag, text, storniert, ziehung, gebucht) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(iso(eintrag.datum));
    q.addBindValue(ArtText(eintrag.art));
    q.addBindValue(eintrag.mitgliedId > 0 ? QVariant(eintrag.mitgliedId) : QVariant(QMetaType(QMetaType::LongLong)));
    q.addBindValue(eintrag.betrag);
    q.addBindValue(eintrag.text.isNull() ? QStringLiteral("") : eintrag.text);
    q.addBindValue(eintrag.storniert > 0 ? QVariant(eintrag.storniert) : QVariant(QMetaType(QMetaType::LongLong)));
    q.addBindValue(eintrag.ziehung.isValid() ? QVariant(iso(eintrag.ziehung)) : QVariant(QMetaType(QMetaType::QString)));
    q.addBindValue(eintrag.gebucht.toString(Qt::ISODateWithMs));
    if (!q.exec())
        return datei.fehlertext(q);
    eintrag.nr = q.lastInsertId().toLongLong();
    QSqlQuery t(datei.db());
    t.prepare(QStringLiteral("INSERT INTO teile (eintrag, mitglied, betrag, art, storno) VALUES (?, ?, ?, ?, ?)"));
    for (const Teil &teil : std::as_const(eintrag.teile)) {
        t.bindValue(0, eintrag.nr);
        t.bindValue(1, teil.mitgliedId);
        t.bindValue(2, teil.betrag);
        t.bindValue(3, ArtText(eintrag.zaehltAls()));
        t.bindValue(4, eintrag.art == Art::Storno ? 1 : 0);
        if (!t.exec())
            return datei.fehlertext(t);
    }
    return QString();
}

Eintrag gegenbuchung(const Eintrag &eintrag, const QDate &tag, const QString &text)
{
    Eintrag s;
    s.datum = tag;
    s.art = Art::Storno;
    s.mitgliedId = eintrag.mitgliedId;
    s.mitglied = eintrag.mitglied;
    s.betrag = eintrag.betrag;
    s.text = text;
    s.storniert = eintrag.nr;
    s.stornoArt = eintrag.art;
    s.teile = eintrag.teile;
    return s;
}

} // namespace Buchungen
