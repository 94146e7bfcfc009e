// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinschaft/Formular.h"

#include "ui/gemeinsam/Meldungen.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

Formular::Formular(const QString &titel, QWidget *eltern) : QDialog(eltern)
{
    setWindowTitle(titel);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *senkrecht = new QVBoxLayout(this);
    m_form = new QFormLayout;
    senkrecht->addLayout(m_form);
    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BOk"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    knoepfe->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("BAbbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &Formular::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &Formular::reject);
    senkrecht->addWidget(knoepfe);
}

namespace {
template <class Feld>
Feld *formularZeile(QFormLayout *form, QWidget *eltern, const QString &beschriftung, const QString &name)
{
    auto *feld = new Feld(eltern);
    feld->setObjectName(name);
    auto *label = new QLabel(beschriftung, eltern);
    // The caption names the field for screen readers.
    label->setBuddy(feld);
    form->addRow(label, feld);
    return feld;
}
} // namespace

QLineEdit *Formular::textfeld(const QString &beschriftung, const QString &name, const QString &vorgabe)
{
    auto *feld = formularZeile<QLineEdit>(m_form, this, beschriftung, name);
    feld->setText(vorgabe);
    feld->setMinimumWidth(feld->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 22);
    return feld;
}

QDateEdit *Formular::datumsfeld(const QString &beschriftung, const QString &name, const QDate &vorgabe)
{
    auto *feld = formularZeile<QDateEdit>(m_form, this, beschriftung, name);
    feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    feld->setCalendarPopup(true);
    feld->setDate(vorgabe);
    return feld;
}

QSpinBox *Formular::zahlfeld(const QString &beschriftung, const QString &name, int von, int bis, int vorgabe)
{
    auto *feld = formularZeile<QSpinBox>(m_form, this, beschriftung, name);
    feld->setRange(von, bis);
    feld->setValue(vorgabe);
    return feld;
}

QComboBox *Formular::auswahlfeld(const QString &beschriftung, const QString &name, const QStringList &eintraege)
{
    auto *feld = formularZeile<QComboBox>(m_form, this, beschriftung, name);
    feld->addItems(eintraege);
    return feld;
}

void Formular::zeigen()
{
    setWindowModality(Qt::WindowModal);
    open();
}

void Formular::accept()
{
    if (m_aktion)
        if (const QString fehler = m_aktion(); !fehler.isEmpty()) {
            Meldungen::fehler(this, fehler);
            return;
        }
    QDialog::accept();
}
