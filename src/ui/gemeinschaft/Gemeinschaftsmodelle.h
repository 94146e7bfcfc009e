// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "syndicate/Abrechnung.h"
#include "syndicate/Kasse.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <QSet>

// What the syndicate window shows in its tables: the members with their accounts, the ledger,
// the tickets and their rows. Each model is filled whole from the file after every change.

class KontenModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit KontenModell(const QLocale &locale, QObject *eltern = nullptr);
    void setze(const QVector<Mitglied> &mitglieder, const Kontenstand &stand, const QVector<OffenerEinsatz> &offen);
    const Mitglied *mitglied(int zeile) const;

    int rowCount(const QModelIndex &eltern = {}) const override;
    int columnCount(const QModelIndex &eltern = {}) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    QLocale m_locale;
    QVector<Mitglied> m_mitglieder;
    QVector<Konto> m_konten;
    QHash<QString, OffenerEinsatz> m_offen;
};

class KassenModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit KassenModell(const QLocale &locale, QObject *eltern = nullptr);
    void setze(const QVector<Eintrag> &eintraege);
    const QVector<Eintrag> &eintraege() const { return m_eintraege; }
    static QStringList kopf();
    // The text of a cell as shown, also for the exports.
    QString text(int zeile, int spalte) const;

    int rowCount(const QModelIndex &eltern = {}) const override;
    int columnCount(const QModelIndex &eltern = {}) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    QLocale m_locale;
    QVector<Eintrag> m_eintraege;
};

// The tickets and, below them, the rows of the one chosen.
class ScheinModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ScheinModell(const QLocale &locale, QObject *eltern = nullptr);
    void setze(const QVector<Schein> &scheine);
    const Schein *schein(int zeile) const;

    int rowCount(const QModelIndex &eltern = {}) const override;
    int columnCount(const QModelIndex &eltern = {}) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    QLocale m_locale;
    QVector<Schein> m_scheine;
};

class ReihenModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setze(const QVector<Tippreihe> &reihen);

    int rowCount(const QModelIndex &eltern = {}) const override;
    int columnCount(const QModelIndex &eltern = {}) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    QVector<Tippreihe> m_reihen;
};
