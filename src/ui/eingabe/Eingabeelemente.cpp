// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/eingabe/Eingabeelemente.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolButton>

TBZahl2::TBZahl2(int zahl, QWidget *eltern) : Nummernknopf(zahl, eltern)
{
    setObjectName(QStringLiteral("Zahlentaste%1").arg(zahl));
    setText(QString::number(zahl));
    setFixedSize(40, 28);
    QFont f = font();
    f.setPointSize(8);
    f.setBold(true);
    setFont(f);
    setStyleSheet(
        QStringLiteral("TBZahl2 { background: #f4f4f4; color: black; border: 1px solid #a0a0a0; border-radius: 3px; }"
                       "TBZahl2:hover { border-color: #505050; } TBZahl2:pressed { background: #ffd24d; }"));
}

Textfeld::Textfeld(QWidget *eltern) : QPlainTextEdit(eltern)
{
    setObjectName(QStringLiteral("M1"));
    // The field has no caption of its own; the window's hint above it says what goes in.
    setAccessibleName(QStringLiteral("Textfeld f\u00FCr die Tippzahlen"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont schrift(QStringLiteral("Tahoma"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setBold(true);
    schrift.setPointSize(10);
    setFont(schrift);
    QPalette p = palette();
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

int Textfeld::zeilenzahl() const
{
    const QTextDocument *d = document();
    return d->blockCount() - (d->lastBlock().text().isEmpty() ? 1 : 0);
}

QStringList Textfeld::zeilen() const
{
    QStringList ergebnis;
    for (QTextBlock b = document()->firstBlock(); b.isValid(); b = b.next())
        ergebnis << b.text();
    return ergebnis;
}

void Textfeld::anhaengen(const QString &text)
{
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    c.insertText(text);
    setTextCursor(c);
    ensureCursorVisible();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void Textfeld::keyPressEvent(QKeyEvent *ereignis)
{
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) {
        if (ereignis->modifiers() & Qt::ControlModifier)
            textCursor().insertText(QStringLiteral("\n"));
        ereignis->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(ereignis);
}

Pfeilregler::Pfeilregler(int min, int max, int wert, QWidget *eltern)
    : QWidget(eltern), m_min(min), m_max(max), m_wert(wert), m_links(new QToolButton(this)),
      m_rechts(new QToolButton(this))
{
    auto *zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(0);
    m_links->setArrowType(Qt::LeftArrow);
    m_rechts->setArrowType(Qt::RightArrow);
    m_links->setToolTip(QStringLiteral("Schrift kleiner"));
    m_links->setAccessibleName(QStringLiteral("Schrift kleiner"));
    m_rechts->setToolTip(QStringLiteral("Schrift gr\u00F6\u00DFer"));
    m_rechts->setAccessibleName(QStringLiteral("Schrift gr\u00F6\u00DFer"));
    m_links->setAutoRepeat(true);
    m_rechts->setAutoRepeat(true);
    zeile->addWidget(m_links);
    zeile->addWidget(m_rechts);
    connect(m_links, &QToolButton::clicked, this, [this] { setzeWert(m_wert - 1); });
    connect(m_rechts, &QToolButton::clicked, this, [this] { setzeWert(m_wert + 1); });
}

void Pfeilregler::setzeWert(int wert)
{
    wert = std::clamp(wert, m_min, m_max);
    if (wert == m_wert)
        return;
    m_wert = wert;
    Q_EMIT wertGeaendert(wert);
}
