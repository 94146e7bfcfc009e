// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinschaft/Gemeinschaftsmodelle.h"

#include "model/Datum.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace {
const QStringList KontenKopf{QStringLiteral("Mitglied"),   QStringLiteral("Anteile"), QStringLiteral("Eingezahlt"),
                             QStringLiteral("Einsatz"),    QStringLiteral("Ausgaben"), QStringLiteral("Gewinn"),
                             QStringLiteral("Ausgezahlt"), QStringLiteral("Saldo"),    QStringLiteral("Eintritt"),
                             QStringLiteral("Austritt"),   QStringLiteral("E-Mail")};
const QStringList ScheinKopf{QStringLiteral("Tippschein"), QStringLiteral("Reihen"), QStringLiteral("gespielt ab"),
                             QStringLiteral("gespielt bis")};

QVariant modellAusrichtung(bool rechts)
{
    return QVariant::fromValue(Qt::Alignment((rechts ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
}
} // namespace

KontenModell::KontenModell(const QLocale &locale, QObject *eltern) : QAbstractTableModel(eltern), m_locale(locale) {}

void KontenModell::setze(const QVector<Mitglied> &mitglieder, const Kontenstand &stand,
                         const QVector<OffenerEinsatz> &offen)
{
    beginResetModel();
    m_mitglieder = mitglieder;
    m_konten = stand.konten;
    m_offen.clear();
    for (const OffenerEinsatz &o : offen)
        m_offen.insert(o.name, o);
    endResetModel();
}

const Mitglied *KontenModell::mitglied(int zeile) const
{
    return zeile >= 0 && zeile < m_mitglieder.size() ? &m_mitglieder[zeile] : nullptr;
}

int KontenModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(std::min(m_mitglieder.size(), m_konten.size()));
}

int KontenModell::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(KontenKopf.size());
}

QVariant KontenModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Mitglied &m = m_mitglieder[index.row()];
    const Konto &k = m_konten[index.row()];
    const auto offen = m_offen.constFind(m.name);
    const bool rechts = index.column() >= 1 && index.column() <= 7;
    if (rolle == Qt::TextAlignmentRole)
        return modellAusrichtung(rechts);
    // A member who has not paid enough for the coming draws stands out, with the reason.
    if (offen != m_offen.cend() && index.column() == 7) {
        if (rolle == Qt::ForegroundRole)
            return QBrush(QColor(180, 0, 0));
        if (rolle == Qt::ToolTipRole)
            return QStringLiteral("Offene Eins\u00E4tze: f\u00FCr die n\u00E4chsten Ziehungen braucht %1 %2, der "
                                  "Saldo ist %3.")
                .arg(m.name, CentText(offen->benoetigt, m_locale), CentText(offen->saldo, m_locale));
    }
    if (rolle != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0: return m.name;
    case 1: return QString::number(k.anteile);
    case 2: return CentText(k.eingezahlt, m_locale);
    case 3: return CentText(k.einsatz, m_locale);
    case 4: return CentText(k.ausgaben, m_locale);
    case 5: return CentText(k.gewinn, m_locale);
    case 6: return CentText(k.ausgezahlt, m_locale);
    case 7: return CentText(k.saldo(), m_locale) + (offen != m_offen.cend() ? QStringLiteral(" !") : QString());
    case 8: return Datum::kurz(m.eintritt, m_locale);
    case 9: return m.austritt.isValid() ? Datum::kurz(m.austritt, m_locale) : QString();
    default: return m.email;
    }
}

QVariant KontenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 && abschnitt < KontenKopf.size())
        return KontenKopf[abschnitt];
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}

KassenModell::KassenModell(const QLocale &locale, QObject *eltern) : QAbstractTableModel(eltern), m_locale(locale) {}

QStringList KassenModell::kopf()
{
    return {QStringLiteral("Nr."),    QStringLiteral("Datum"), QStringLiteral("Art"),      QStringLiteral("Mitglied"),
            QStringLiteral("Betrag"), QStringLiteral("Text"),  QStringLiteral("Storniert")};
}

void KassenModell::setze(const QVector<Eintrag> &eintraege)
{
    beginResetModel();
    m_eintraege = eintraege;
    endResetModel();
}

QString KassenModell::text(int zeile, int spalte) const
{
    if (zeile < 0 || zeile >= m_eintraege.size())
        return {};
    const Eintrag &e = m_eintraege[zeile];
    switch (spalte) {
    case 0: return QString::number(e.nr);
    case 1: return Datum::kurz(e.datum, m_locale);
    case 2: return ArtText(e.art);
    case 3: return e.geteilt() ? QStringLiteral("alle (%1)").arg(e.teile.size()) : e.mitglied;
    case 4: return CentText(e.betrag, m_locale);
    case 5: return e.text;
    default:
        if (e.art == Art::Storno)
            return QStringLiteral("storniert Nr. %1").arg(e.storniert);
        return e.storniertDurch > 0 ? QStringLiteral("durch Nr. %1").arg(e.storniertDurch) : QString();
    }
}

int KassenModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_eintraege.size());
}

int KassenModell::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(kopf().size());
}

QVariant KassenModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid() || index.row() >= m_eintraege.size())
        return {};
    const Eintrag &e = m_eintraege[index.row()];
    if (rolle == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (rolle == Qt::TextAlignmentRole)
        return modellAusrichtung(index.column() == 0 || index.column() == 4);
    if (rolle == Qt::ForegroundRole && (e.storniertDurch > 0 || e.art == Art::Storno))
        return QBrush(QColor(110, 110, 110));
    if (rolle == Qt::ToolTipRole && e.geteilt()) {
        QStringList teile;
        for (const Teil &t : e.teile)
            teile << QStringLiteral("%1: %2").arg(t.mitglied, CentText(t.betrag, m_locale));
        return teile.join(QLatin1Char('\n'));
    }
    return {};
}

QVariant KassenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 && abschnitt < kopf().size())
        return kopf()[abschnitt];
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}

ScheinModell::ScheinModell(const QLocale &locale, QObject *eltern) : QAbstractTableModel(eltern), m_locale(locale) {}

void ScheinModell::setze(const QVector<Schein> &scheine)
{
    beginResetModel();
    m_scheine = scheine;
    endResetModel();
}

const Schein *ScheinModell::schein(int zeile) const
{
    return zeile >= 0 && zeile < m_scheine.size() ? &m_scheine[zeile] : nullptr;
}

int ScheinModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_scheine.size());
}

int ScheinModell::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(ScheinKopf.size());
}

QVariant ScheinModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid() || index.row() >= m_scheine.size() || rolle != Qt::DisplayRole)
        return {};
    const Schein &s = m_scheine[index.row()];
    switch (index.column()) {
    case 0: return s.name;
    case 1: return QString::number(s.reihen.size());
    case 2: return Datum::kurz(s.ab, m_locale);
    default: return s.bis.isValid() ? Datum::kurz(s.bis.addDays(-1), m_locale) : QStringLiteral("weiter");
    }
}

QVariant ScheinModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 && abschnitt < ScheinKopf.size())
        return ScheinKopf[abschnitt];
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}

void ReihenModell::setze(const QVector<Tippreihe> &reihen)
{
    beginResetModel();
    m_reihen = reihen;
    endResetModel();
}

int ReihenModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_reihen.size());
}

int ReihenModell::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : 7;
}

QVariant ReihenModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid() || index.row() >= m_reihen.size())
        return {};
    if (rolle == Qt::TextAlignmentRole)
        return modellAusrichtung(true);
    if (rolle != Qt::DisplayRole)
        return {};
    const Tippreihe &r = m_reihen[index.row()];
    if (index.column() == 0)
        return index.row() + 1;
    if (index.column() == 6)
        return r.zusatzzahl;
    return r.zahlen[static_cast<std::size_t>(index.column() - 1)];
}

QVariant ReihenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole)
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    if (abschnitt == 0)
        return QStringLiteral("Reihe");
    if (abschnitt == 6)
        return QStringLiteral("ZZ");
    return QStringLiteral("Z%1").arg(abschnitt);
}
