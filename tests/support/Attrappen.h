// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/gemeinsam/Dateidialoge.h"
#include "ui/gemeinsam/Druckdialog.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Starter.h"
#include "update/Internet.h"

#include <QList>
#include <QPrinter>
#include <QQueue>
#include <QStringList>
#include <QUrl>

// Records every message box and answers questions from a queue (default: Nein).
// Installs itself for its lifetime.
class MeldungsRecorder : public Meldungen::Anzeige
{
public:
    struct Eintrag
    {
        Art art;
        QString text;
    };

    MeldungsRecorder() { Meldungen::setzeAnzeige(this); }
    ~MeldungsRecorder() override { Meldungen::setzeAnzeige(nullptr); }

    Meldungen::Antwort zeige(QWidget *, Art art, const QString &text) override
    {
        eintraege.append({art, text});
        if (art == Art::Information || art == Art::Fehler)
            return Meldungen::Antwort::Ok;
        return antworten.isEmpty() ? Meldungen::Antwort::Nein : antworten.dequeue();
    }

    QStringList texte() const
    {
        QStringList t;
        for (const Eintrag &e : eintraege)
            t << e.text;
        return t;
    }

    QList<Eintrag> eintraege;
    QQueue<Meldungen::Antwort> antworten;
};

// Hands the queued file names to the open and save dialogs and keeps what they were asked.
class DialogAttrappe : public Dateidialoge::Anbieter
{
public:
    DialogAttrappe() { Dateidialoge::setzeAnbieter(this); }
    ~DialogAttrappe() override { Dateidialoge::setzeAnbieter(nullptr); }

    QStringList oeffnen(QWidget *, const Dateidialoge::Auswahl &a) override
    {
        gefragt.append(a);
        return oeffnenAntworten.isEmpty() ? QStringList() : oeffnenAntworten.dequeue();
    }
    QString speichern(QWidget *, const Dateidialoge::Auswahl &a) override
    {
        gefragt.append(a);
        return speichernAntworten.isEmpty() ? QString() : speichernAntworten.dequeue();
    }

    QQueue<QStringList> oeffnenAntworten;
    QQueue<QString> speichernAntworten;
    QList<Dateidialoge::Auswahl> gefragt;
};

// Answers the print dialog by printing into the PDF file `datei`, as "Print to file" would;
// cancels while `datei` is empty.
class DruckAttrappe : public Druckdialog::Anbieter
{
public:
    DruckAttrappe() { Druckdialog::setzeAnbieter(this); }
    ~DruckAttrappe() override { Druckdialog::setzeAnbieter(nullptr); }

    bool waehlen(QWidget *, QPrinter &drucker) override
    {
        ++gefragt;
        if (datei.isEmpty())
            return false;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);
        return true;
    }

    QString datei;
    int gefragt = 0;
};

// Keeps every address and program that would have been handed to the desktop; opens nothing.
class StarterAttrappe : public Starter::Anbieter
{
public:
    StarterAttrappe() { Starter::setzeAnbieter(this); }
    ~StarterAttrappe() override { Starter::setzeAnbieter(nullptr); }

    bool oeffneUrl(const QUrl &adresse) override
    {
        adressen.append(adresse);
        return gelingt;
    }
    bool starteProgramm(const QString &programm, const QStringList &argumente) override
    {
        programme.append(programm);
        Q_UNUSED(argumente);
        return gelingt;
    }

    QList<QUrl> adressen;
    QStringList programme;
    bool gelingt = true; // false: the desktop has nothing that opens it
};

// Fixes the answer of InternetVerbunden for its lifetime.
class Verbindung
{
public:
    explicit Verbindung(bool verbunden) { setzeInternetVerbundenFuerTests(verbunden); }
    ~Verbindung() { setzeInternetVerbundenFuerTests(std::nullopt); }
    Verbindung(const Verbindung &) = delete;
    Verbindung &operator=(const Verbindung &) = delete;
};
