// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistik/Zusatzzahlseite.h"

#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/TextTabellenModell.h"
#include "ui/statistik/RollbareSeite.h"
#include "ui/statistik/StatistikGitter.h"
#include "ui/statistik/Vergleichsdiagramm.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const QStringList Kopf{QStringLiteral("ZZ"), QStringLiteral("gezogen"), QStringLiteral("erwartet"),
                       QStringLiteral("ausgeblieben")};
}

Zusatzzahlseite::Zusatzzahlseite(const QLocale &locale, QWidget *eltern) : QWidget(eltern), m_locale(locale)
{
    setObjectName(QStringLiteral("PZusatzzahl0"));
    QVBoxLayout *senkrecht = RollbareSeite(this, 4);
    QWidget *innen = senkrecht->parentWidget();

    m_erwartet = new QLabel(innen);
    m_erwartet->setObjectName(QStringLiteral("LZusatzErwartet0"));
    m_erwartet->setWordWrap(true);
    senkrecht->addWidget(m_erwartet);

    m_gitter = new Gitter(innen);
    m_gitter->setObjectName(QStringLiteral("GZusatz0"));
    m_modell = new TextTabellenModell(m_gitter);
    m_gitter->setModel(m_modell);
    m_gitter->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gitter->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextTabelle t(static_cast<int>(Kopf.size()), MaxZusatzzahl + 1);
    m_modell->setzeTabelle(std::move(t));
    const QStringList kopf = richteSpaltenEin(m_gitter, Kopf, {30, 60, 60, 80},
                                              {QStringLiteral("10"), QStringLiteral("99999"),
                                               QStringLiteral("9999,9"), QStringLiteral("99999")});
    for (int c = 0; c < kopf.size(); ++c)
        m_modell->setzeZelle(c, 0, kopf[c]);
    m_gitter->setFixedSize(gitterbreite(m_gitter), m_gitter->horizontalHeader()->sizeHint().height() +
                                                       MaxZusatzzahl * m_gitter->verticalHeader()->defaultSectionSize() +
                                                       2 * m_gitter->frameWidth());
    senkrecht->addWidget(m_gitter, 0, Qt::AlignHCenter);

    m_diagramm = new Vergleichsdiagramm(QStringLiteral("DZusatz0"), QStringLiteral("gezogen"), innen);
    senkrecht->addWidget(m_diagramm, 1);
}

void Zusatzzahlseite::zeige(const Zusatzzahlauswertung &auswertung)
{
    const QString erwartet = m_locale.toString(auswertung.erwartet(), 'f', 1);
    m_erwartet->setText(QStringLiteral("%1 Ziehungen im Zeitraum: bei fairen Ziehungen kommt jede Zusatzzahl etwa "
                                       "%2-mal vor.")
                            .arg(m_locale.toString(auswertung.ziehungen), erwartet));
    QStringList kategorien;
    QList<qreal> gezogen;
    QList<qreal> fair;
    for (const Zusatzzahlzeile &z : auswertung.zeilen) {
        m_modell->setzeZelle(0, z.zahl, QString::number(z.zahl));
        m_modell->setzeZelle(1, z.zahl, m_locale.toString(z.anzahl));
        m_modell->setzeZelle(2, z.zahl, erwartet);
        m_modell->setzeZelle(3, z.zahl, m_locale.toString(z.ausgeblieben));
        kategorien << QString::number(z.zahl);
        gezogen << z.anzahl;
        fair << auswertung.erwartet();
    }
    m_diagramm->zeige(QStringLiteral("Wie oft wurde jede Zusatzzahl gezogen?"), QStringLiteral("Zusatzzahl"), kategorien,
                      gezogen, fair);
}
