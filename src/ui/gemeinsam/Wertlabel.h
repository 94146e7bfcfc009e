// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

class QFontMetrics;

// A bold label for a figure the window fills in. It is as wide as its sample, the widest value
// it must show whole, so the layout does not move with the values. A longer value is elided in
// the middle, and the full value shows as the tooltip; text() always holds the full value.
class Wertlabel : public QLabel
{
    Q_OBJECT
public:
    // Each digit of the sample stands for any digit: "2.000.000,00 €" sizes the label for every
    // amount of that shape.
    Wertlabel(const QString &name, Qt::Alignment ausrichtung, const QString &muster, QWidget *eltern);

    void setzeMuster(const QString &muster);
    // The text is wider than the label: it is shown elided.
    bool gekuerzt() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *ereignis) override;
    bool event(QEvent *ereignis) override;

private:
    QRect textbereich() const;

    QString m_muster;
};

// The sample with every digit replaced by the font's widest digit: the widest text a number of
// that shape can give.
QString MitBreitestenZiffern(const QString &muster, const QFontMetrics &metrik);
