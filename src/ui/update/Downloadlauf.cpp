// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/update/Downloadlauf.h"

#include "model/Einstellungen.h"
#include "model/Spiel.h"
#include "model/Zustand.h"
#include "update/Updateserver.h"

#include <QGuiApplication>
#include <QProgressDialog>

#include <algorithm>

Downloadlauf::Downloadlauf(Zustand &zustand, QWidget *fenster)
    : QObject(fenster), m_zustand(zustand), m_fenster(fenster)
{
}

Downloadlauf::~Downloadlauf()
{
    // The window went while a download ran: the download ends with it.
    if (m_laden)
        QGuiApplication::restoreOverrideCursor();
}

Downloadauftrag Downloadlauf::auftrag(const QString &datei, const QString &ziel, qint64 maxGroesse,
                                     bool ohneCache) const
{
    const Einstellungen einstellungen(m_zustand.einstellungsdatei());
    return {Updateserver::Dateiadresse(Updateserver::Adresse(einstellungen), datei), ziel, maxGroesse, ohneCache,
            Updateserver::Gesamtzeit(einstellungen, datei)};
}

void Downloadlauf::starten(const Downloadauftrag &auftrag, const QString &was, Ende ende)
{
    if (m_laden)
        return;
    m_was = was;
    m_laden = new Herunterladen(optionen, this);

    m_dialog = new QProgressDialog(m_fenster);
    m_dialog->setObjectName(QStringLiteral("Downloadfortschritt"));
    m_dialog->setWindowTitle(Fenstertitel());
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setCancelButtonText(QStringLiteral("Abbrechen"));
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumWidth(380);
    m_dialog->setRange(0, 0);
    m_dialog->setLabelText(m_was + QLatin1Char('\n') + QStringLiteral("Die Verbindung wird aufgebaut …"));
    // A quick download ends before the dialog would flash up.
    m_dialog->setMinimumDuration(500);
    m_dialog->setValue(0);

    connect(m_dialog, &QProgressDialog::canceled, m_laden, &Herunterladen::abbrechen);
    connect(m_laden, &Herunterladen::fortschritt, this, &Downloadlauf::zeigeFortschritt);
    connect(m_laden, &Herunterladen::fertig, this, [this, ende](const Downloadergebnis &ergebnis) {
        // Gone before any message about the result appears.
        delete m_dialog;
        m_laden->deleteLater();
        m_laden = nullptr;
        QGuiApplication::restoreOverrideCursor();
        if (ende)
            ende(ergebnis);
    });
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    m_laden->starten(auftrag);
}

void Downloadlauf::zeigeFortschritt(qint64 empfangen, qint64 gesamt)
{
    if (!m_dialog)
        return;
    const QLocale &locale = m_zustand.Formateinstellungen;
    QString zeile;
    if (gesamt > 0) {
        zeile = QStringLiteral("%1 von %2 Bytes empfangen").arg(locale.toString(empfangen), locale.toString(gesamt));
        // In thousandths, so that any size fits the dialog's range.
        m_dialog->setMaximum(1000);
        m_dialog->setValue(static_cast<int>(std::min<qint64>(empfangen, gesamt) * 1000 / gesamt));
    } else {
        zeile = QStringLiteral("%1 Bytes empfangen").arg(locale.toString(empfangen));
    }
    m_dialog->setLabelText(m_was + QLatin1Char('\n') + zeile);
}
