#include "ui/gemeinsam/Steuerelemente.h"

#include "ui/gemeinsam/Symbole.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

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

Ziffernfeld::Ziffernfeld(const QString &name, int laenge, QWidget *eltern) : QLineEdit(eltern), m_laenge(laenge)
{
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setFixedWidth(fontMetrics().horizontalAdvance(QString(laenge, QLatin1Char('0'))) + 16);
}

void Ziffernfeld::keyPressEvent(QKeyEvent *ereignis)
{
    const QString text = ereignis->text();
    const bool zeichen = !text.isEmpty() && text.at(0).isPrint();
    const bool ziffer = text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
    if ((zeichen && !ziffer) || (ziffer && this->text().size() - selectedText().size() >= m_laenge)) {
        ereignis->accept();
        return;
    }
    QLineEdit::keyPressEvent(ereignis);
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
