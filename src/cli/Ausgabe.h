#pragma once

#include "model/Records.h"

#include <QDate>
#include <QJsonObject>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// Output of the command line: results on standard output, messages on standard error, both
// UTF-8; and what several commands share.

void Ausgeben(const QString &text);
void JsonAusgeben(const QJsonObject &objekt);
// Writes the message to standard error and returns the exit status of a refusal.
int Ablehnen(const QString &meldung);
// Writes the message of a wrong call with a hint at --help and returns its exit status.
int Falschaufruf(const QString &meldung);

// Columns padded to their widest cell, two blanks apart; `rechts` marks right-aligned columns.
QString Textspalten(const QStringList &kopf, const QVector<QStringList> &zeilen, const QVector<bool> &rechts);

// A date of the history as "yyyy-MM-dd", the form of every date in the JSON output.
QString IsoDatum(double tage);

// The history file of the data folder; an unreadable one is refused with its message.
struct Historie
{
    QVector<TGewZahlen> ziehungen;
    QString fehler; // German message when the file could not be read
};
Historie HistorieLesen(const QString &datenordner);

// Indexes into the history, both inclusive.
struct Zeitraum
{
    int von = 0;
    int bis = -1;
    QString fehler; // German message when no draw lies in it
};
// With `von`: the draws from the first on or after `von` to the last on or before `bis` (the
// newest without `bis`). Without `von` and with `bereich` clear: the one draw on or before `bis`
// (the newest without `bis`); with `bereich` set: every draw up to it.
Zeitraum ZeitraumWaehlen(const QVector<TGewZahlen> &ziehungen, const std::optional<QDate> &von,
                         const std::optional<QDate> &bis, bool bereich, const QLocale &locale);

// The price of a row from the settings of the data folder, 2,00 when none is set; the file is
// only read.
float ReihenpreisLesen(const QString &datenordner, const QLocale &locale);
