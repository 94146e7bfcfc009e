#include "ui/Steuerelemente.h"

#include "ui/Symbole.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
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

QLineEdit *Ziffernfeld(const QString &name, int laenge, QWidget *eltern)
{
    auto *feld = new QLineEdit(eltern);
    feld->setObjectName(name);
    const QString muster = laenge > 0 ? QStringLiteral("[0-9]{0,%1}").arg(laenge) : QStringLiteral("[0-9]*");
    feld->setValidator(new QRegularExpressionValidator(QRegularExpression(muster), feld));
    if (laenge > 0)
        feld->setMaxLength(laenge);
    feld->setAlignment(Qt::AlignCenter);
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
