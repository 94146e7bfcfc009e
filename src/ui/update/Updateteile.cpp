#include "ui/update/Updateteile.h"

#include <QLabel>

namespace Updateteile {

QLabel *text(const QString &name, const QString &inhalt, QWidget *eltern)
{
    auto *l = new QLabel(inhalt, eltern);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

QLabel *anzeige(const QString &name, const QString &muster, QWidget *eltern)
{
    auto *l = new QLabel(eltern);
    l->setObjectName(name);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(muster) + 16);
    return l;
}

QLabel *beschriftung(const QString &name, const QString &inhalt, QWidget *feld, QWidget *eltern)
{
    auto *l = new QLabel(inhalt, eltern);
    l->setObjectName(name);
    l->setBuddy(feld);
    return l;
}

} // namespace Updateteile
