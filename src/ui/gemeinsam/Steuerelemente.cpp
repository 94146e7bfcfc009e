// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Steuerelemente.h"

#include "ui/gemeinsam/Symbole.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QValidator>

QToolButton *Bildknopf(const QString &name, const QIcon &bild, const QString &hinweis, QWidget *eltern)
{
    auto *knopf = new QToolButton(eltern);
    knopf->setObjectName(name);
    knopf->setIcon(bild);
    knopf->setIconSize(QSize(20, 20));
    knopf->setToolTip(hinweis);
    knopf->setAccessibleName(hinweis);
    return knopf;
}

QLabel *FettesLabel(const QString &name, Qt::Alignment ausrichtung, QWidget *eltern)
{
    auto *label = new QLabel(eltern);
    label->setObjectName(name);
    QFont schrift = label->font();
    schrift.setBold(true);
    label->setFont(schrift);
    label->setAlignment(ausrichtung | Qt::AlignVCenter);
    return label;
}

namespace {

// Digits up to a length, or exactly the value the program last set.
class Ziffernpruefer : public QValidator
{
public:
    Ziffernpruefer(int laenge, const QString &programmwert, QObject *eltern)
        : QValidator(eltern), m_laenge(laenge), m_programmwert(programmwert)
    {
    }

    State validate(QString &text, int &) const override
    {
        if (text == m_programmwert)
            return Acceptable;
        if (text.size() > m_laenge)
            return Invalid;
        for (QChar c : text)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        return Acceptable;
    }

private:
    int m_laenge;
    const QString &m_programmwert;
};

} // namespace

Ziffernfeld::Ziffernfeld(const QString &name, int laenge, QWidget *eltern) : QLineEdit(eltern)
{
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setFixedWidth(fontMetrics().horizontalAdvance(QString(laenge, QLatin1Char('0'))) + 16);
    setValidator(new Ziffernpruefer(laenge, m_programmwert, this));
    connect(this, &QLineEdit::textChanged, this, &Ziffernfeld::programmwertMerken);
    // Once the user has changed it, the program's value is gone for good.
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (text != m_programmwert)
            m_programmwert.clear();
    });
}

void Ziffernfeld::programmwertMerken(const QString &text)
{
    // The user's edits pass the check before they arrive here; a text that fails it was set by
    // the program. It stays, and the field takes it as its valid state, so later edits are
    // checked against it again (the line edit stops checking while its text is invalid).
    if (hasAcceptableInput())
        return;
    m_programmwert = text;
    const QSignalBlocker stumm(this);
    QLineEdit::setText(QString());
    QLineEdit::setText(text);
}

Ziffernfeld *FettesZiffernfeld(const QString &name, int laenge, QWidget *eltern)
{
    auto *feld = new Ziffernfeld(name, laenge, eltern);
    QFont schrift = feld->font();
    schrift.setBold(true);
    feld->setFont(schrift);
    return feld;
}

QWidget *Schliessleiste(const QString &knopfname, QWidget *fenster)
{
    auto *leiste = new QWidget(fenster);
    auto *zeile = new QHBoxLayout(leiste);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->addStretch();
    auto *schliessen = new QPushButton(Symbole::beenden(), QStringLiteral("Sch&ließen"), leiste);
    schliessen->setObjectName(knopfname);
    QObject::connect(schliessen, &QPushButton::clicked, fenster, &QWidget::close);
    zeile->addWidget(schliessen);
    return leiste;
}
