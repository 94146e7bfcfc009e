// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/werkzeuge/NueberK.h"

#include "model/Spiel.h"
#include "model/Zustand.h"
#include "tools/Binomialkoeffizient.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/hilfe/Hilfe.h"
#include "ui/werkzeuge/FrGewinnchancen.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
enum Hilfethema { Fensterthema = 1070, Feldthema = 1100 };

QLabel *fetterText(const QString &name, const QString &text, QWidget *eltern)
{
    auto *label = new QLabel(text, eltern);
    label->setObjectName(name);
    label->setWordWrap(true);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QLineEdit *zahlfeld(const QString &name, QWidget *eltern)
{
    auto *feld = FettesZiffernfeld(name, 2, eltern);
    // Two digits also when pasted: the calculator takes numbers up to 99.
    feld->setMaxLength(2);
    return feld;
}
} // namespace

TFNueberK::TFNueberK(Zustand &zustand, QWidget *eltern)
    : QWidget(eltern, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint), m_zustand(zustand)
{
    setObjectName(QStringLiteral("FNueberK"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Fenstertitel());

    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(10, 10, 10, 6);
    spalte->setSpacing(8);
    spalte->addWidget(fetterText(
        QStringLiteral("Label3"),
        QStringLiteral("Der sogenannte Binomialkoeffizient n über k beschreibt, wie viele Möglichkeiten es gibt, aus n "
                       "vorgegebenen Elementen eine Teilmenge von k Elementen auszuwählen."),
        this));
    spalte->addWidget(fetterText(QStringLiteral("Label4"),
                                 QStringLiteral("Um z. B. zu wissen, wie viele 5er-Kombinationen es bei 49 Zahlen "
                                                "gibt, geben Sie 49 für \"n\" und 5 für \"k\" ein."),
                                 this));
    spalte->addWidget(baueEingabe());
    m_p1 = new QLabel(this);
    m_p1->setObjectName(QStringLiteral("P1"));
    m_p1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_p1->setAlignment(Qt::AlignCenter);
    m_p1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont ergebnisschrift = m_p1->font();
    ergebnisschrift.setBold(true);
    m_p1->setFont(ergebnisschrift);
    // Room for the widest result, 99 over 49 with its 29 digits and separators.
    m_p1->setMinimumWidth(
        m_p1->fontMetrics().horizontalAdvance(QStringLiteral("50.445.672.272.782.096.667.406.248.628")) + 24);
    m_p1->setMinimumHeight(m_p1->fontMetrics().height() + 12);
    spalte->addWidget(m_p1);
    spalte->addWidget(new FrGewinnchancen(m_zustand.Formateinstellungen, this));
    spalte->addStretch();
    spalte->addWidget(Schliessleiste(QStringLiteral("SpeedButton1"), this));

    Hilfe::taste(this, m_zustand.Hilfedatei, Fensterthema);

    // The design's client area, grown where the texts need more room.
    const int breite = std::max(370, minimumSizeHint().width());
    setFixedSize(breite, std::max(222, layout()->totalHeightForWidth(breite)));
    platziereFenster(this);
}

QWidget *TFNueberK::baueEingabe()
{
    auto *eingabe = new QWidget(this);
    auto *zeile = new QHBoxLayout(eingabe);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->addStretch();
    auto *label1 = new QLabel(QStringLiteral("n"), eingabe);
    label1->setObjectName(QStringLiteral("Label1"));
    m_e1 = zahlfeld(QStringLiteral("e1"), eingabe);
    label1->setBuddy(m_e1);
    auto *label2 = new QLabel(QStringLiteral("k"), eingabe);
    label2->setObjectName(QStringLiteral("Label2"));
    m_e2 = zahlfeld(QStringLiteral("e2"), eingabe);
    label2->setBuddy(m_e2);
    m_bCalc = Bildknopf(QStringLiteral("BCalc"), Symbole::rechner(), QStringLiteral("n über k berechnen"), eingabe);
    m_bCalc->setIconSize(QSize(24, 24));
    zeile->addWidget(label1);
    zeile->addWidget(m_e1);
    zeile->addSpacing(12);
    zeile->addWidget(label2);
    zeile->addWidget(m_e2);
    zeile->addSpacing(12);
    zeile->addWidget(m_bCalc);
    zeile->addStretch();

    connect(m_bCalc, &QToolButton::clicked, this, &TFNueberK::BCalcClick);
    for (QLineEdit *feld : {m_e1, m_e2}) {
        feld->installEventFilter(this);
        connect(feld, &QLineEdit::returnPressed, this, [this] {
            if (!m_e1->text().isEmpty() && !m_e2->text().isEmpty())
                BCalcClick();
        });
    }
    return eingabe;
}

void TFNueberK::BCalcClick()
{
    // Two digits at most, so both always convert; an empty field counts as 0.
    const int n = m_e1->text().toInt();
    const int k = m_e2->text().toInt();
    if (n <= 0 || k <= 0) {
        Meldungen::information(this, QStringLiteral("Sie müssen für \"n\" und \"k\" eine Zahl größer Null eingeben.") +
                                         Absatz + QStringLiteral("Ich breche erst einmal ab."));
        return;
    }
    if (n < k) {
        Meldungen::information(this, QStringLiteral("Die Zahl für \"n\" muss größer als die für \"k\" sein.") + Absatz +
                                         QStringLiteral("Ich breche erst einmal ab."));
        return;
    }
    if (const std::optional<Ganzzahl128> wert = BinomialkoeffizientExakt(n, k))
        m_p1->setText(MitTausendern(*wert, m_zustand.Formateinstellungen));
}

bool TFNueberK::eventFilter(QObject *objekt, QEvent *ereignis)
{
    // F1 in one of the two fields explains the fields; elsewhere the window's shortcut
    // explains the window. Taking the key as an override keeps that shortcut out of it.
    if ((objekt == m_e1 || objekt == m_e2) &&
        (ereignis->type() == QEvent::ShortcutOverride || ereignis->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent *>(ereignis)->key() == Qt::Key_F1) {
        ereignis->accept();
        if (ereignis->type() == QEvent::KeyPress)
            Hilfe::zeigeThema(m_zustand.Hilfedatei, Feldthema);
        return true;
    }
    return QWidget::eventFilter(objekt, ereignis);
}
