#include "ui/Steuerelemente.h"

#include <QLabel>
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
