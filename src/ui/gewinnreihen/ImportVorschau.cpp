// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gewinnreihen/ImportVorschau.h"

#include "ui/gemeinsam/Fenster.h"

#include "model/Datum.h"
#include "model/Spiel.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/TextGitter.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString zahlenText(const TGewZahlen &z)
{
    QStringList zahlen;
    for (const std::uint8_t n : z.GZ)
        zahlen << QString::number(n);
    return zahlen.join(QLatin1Char(' ')) + QStringLiteral(" | ") + QString::number(z.bonus);
}

QString anzahl(qsizetype n, const QString &einzahl, const QString &mehrzahl)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? einzahl : mehrzahl);
}

} // namespace

TFGewinnreihenImport::TFGewinnreihenImport(const Gewinnreihenimport &import, const QString &datei,
                                           const QLocale &locale, QWidget *eltern)
    : QDialog(eltern), m_import(import)
{
    setObjectName(QStringLiteral("FGewinnreihenImport"));
    setWindowTitle(Fenstertitel());
    auto *spalte = new QVBoxLayout(this);

    auto *titel = new QLabel(QStringLiteral("Gewinnreihen aus \u201E%1\u201C").arg(QFileInfo(datei).fileName()), this);
    QFont fett = titel->font();
    fett.setBold(true);
    fett.setPointSize(fett.pointSize() + 1);
    titel->setFont(fett);
    spalte->addWidget(titel);
    auto *summe = new QLabel(
        QStringLiteral("%1, %2, %3 schon vorhanden, %4.")
            .arg(anzahl(import.neue.size(), QStringLiteral("neue Ziehung"), QStringLiteral("neue Ziehungen")),
                 anzahl(import.abweichende.size(), QStringLiteral("abweichende Ziehung"),
                        QStringLiteral("abweichende Ziehungen")))
            .arg(import.gleiche)
            .arg(anzahl(import.fehlerAnzahl, QStringLiteral("Zeile nicht lesbar"),
                        QStringLiteral("Zeilen nicht lesbar"))),
        this);
    summe->setObjectName(QStringLiteral("LSumme"));
    summe->setWordWrap(true);
    spalte->addWidget(summe);

    m_seiten = new QTabWidget(this);
    m_seiten->setObjectName(QStringLiteral("PCVorschau"));
    m_seiten->addTab(baueNeue(locale), QStringLiteral("Neue Ziehungen (%1)").arg(import.neue.size()));
    m_seiten->addTab(baueAbweichende(locale),
                     QStringLiteral("Abweichende Ziehungen (%1)").arg(import.abweichende.size()));
    m_seiten->addTab(baueFehler(), QStringLiteral("Nicht lesbare Zeilen (%1)").arg(import.fehlerAnzahl));
    // The first page that has something to show.
    m_seiten->setCurrentIndex(!import.neue.isEmpty() ? 0 : !import.abweichende.isEmpty() ? 1 : 2);
    spalte->addWidget(m_seiten, 1);

    m_nurNeue = new QRadioButton(QStringLiteral("neue Ziehungen übernehmen"), this);
    m_nurNeue->setObjectName(QStringLiteral("RBNeue"));
    m_nurNeue->setChecked(true);
    m_ersetzen = new QRadioButton(QStringLiteral("auch abweichende ersetzen"), this);
    m_ersetzen->setObjectName(QStringLiteral("RBErsetzen"));
    m_ersetzen->setEnabled(!import.abweichende.isEmpty());
    spalte->addWidget(m_nurNeue);
    spalte->addWidget(m_ersetzen);
    auto *hinweis = new QLabel(QStringLiteral("Neue Ziehungen kommen an ihren Platz nach dem Datum. Gibt es noch "
                                              "keine Sicherung \u201E%1\u201C, wird die bisherige Datei vorher "
                                              "dorthin kopiert.")
                                   .arg(Dateinamen::Sicherung),
                               this);
    hinweis->setWordWrap(true);
    spalte->addWidget(hinweis);

    auto *knoepfe = new QDialogButtonBox(this);
    m_uebernehmen = knoepfe->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::AcceptRole);
    m_uebernehmen->setObjectName(QStringLiteral("BUebernehmen"));
    QPushButton *abbrechen = knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    abbrechen->setObjectName(QStringLiteral("BAbbrechen"));
    spalte->addWidget(knoepfe);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_nurNeue, &QRadioButton::toggled, this, &TFGewinnreihenImport::wahlGeaendert);
    wahlGeaendert();
    resize(560, 460);
    platziereFenster(this);
}

bool TFGewinnreihenImport::abweichendeErsetzen() const
{
    return m_ersetzen->isChecked();
}

void TFGewinnreihenImport::wahlGeaendert()
{
    // Only a choice that changes something can be taken.
    m_uebernehmen->setEnabled(!m_import.neue.isEmpty() || (abweichendeErsetzen() && !m_import.abweichende.isEmpty()));
}

QWidget *TFGewinnreihenImport::baueNeue(const QLocale &locale)
{
    TextTabelle t(7, static_cast<int>(m_import.neue.size()) + 1);
    t.setzeZelle(0, 0, QStringLiteral("Nr."));
    t.setzeZelle(1, 0, QStringLiteral("Datum"));
    for (int i = 1; i <= ZahlenProReihe; ++i)
        t.setzeZelle(i + 1, 0, QStringLiteral("Z%1").arg(i));
    t.setzeSpalten(8);
    t.setzeZelle(7, 0, QStringLiteral("ZZ"));
    for (int k = 0; k < m_import.neue.size(); ++k) {
        const TGewZahlen &z = m_import.neue[k];
        t.setzeZelle(0, k + 1, QString::number(k + 1));
        t.setzeZelle(1, k + 1, Datum::kurz(z.datum, locale));
        for (int i = 0; i < ZahlenProReihe; ++i)
            t.setzeZelle(i + 2, k + 1, QString::number(z.GZ[static_cast<std::size_t>(i)]));
        t.setzeZelle(7, k + 1, QString::number(z.bonus));
    }
    return TextGitter(QStringLiteral("GNeu"), t, this);
}

QWidget *TFGewinnreihenImport::baueAbweichende(const QLocale &locale)
{
    TextTabelle t(4, static_cast<int>(m_import.abweichende.size()) + 1);
    t.setzeZelle(0, 0, QStringLiteral("Zeile"));
    t.setzeZelle(1, 0, QStringLiteral("Datum"));
    t.setzeZelle(2, 0, QStringLiteral("gespeichert"));
    t.setzeZelle(3, 0, QStringLiteral("in der Datei"));
    for (int k = 0; k < m_import.abweichende.size(); ++k) {
        const Abweichung &a = m_import.abweichende[k];
        t.setzeZelle(0, k + 1, QString::number(a.zeile));
        t.setzeZelle(1, k + 1, Datum::kurz(a.neu.datum, locale));
        t.setzeZelle(2, k + 1, zahlenText(a.gespeichert));
        t.setzeZelle(3, k + 1, zahlenText(a.neu));
    }
    return TextGitter(QStringLiteral("GAbweichend"), t, this);
}

QWidget *TFGewinnreihenImport::baueFehler()
{
    // Only the first lines are kept with their reason; the rest are counted.
    const qint64 weitere = m_import.fehlerAnzahl - m_import.fehler.size();
    TextTabelle t(2, static_cast<int>(m_import.fehler.size()) + (weitere > 0 ? 2 : 1));
    t.setzeZelle(0, 0, QStringLiteral("Zeile"));
    t.setzeZelle(1, 0, QStringLiteral("Grund"));
    for (int k = 0; k < m_import.fehler.size(); ++k) {
        t.setzeZelle(0, k + 1, QString::number(m_import.fehler[k].zeile));
        t.setzeZelle(1, k + 1, m_import.fehler[k].grund);
    }
    if (weitere > 0) {
        t.setzeZelle(0, t.zeilen() - 1, QStringLiteral("\u2026"));
        t.setzeZelle(1, t.zeilen() - 1,
                     weitere == 1 ? QStringLiteral("und eine weitere Zeile, die nicht lesbar ist")
                                  : QStringLiteral("und %1 weitere Zeilen, die nicht lesbar sind").arg(weitere));
    }
    return TextGitter(QStringLiteral("GFehler"), t, this);
}
