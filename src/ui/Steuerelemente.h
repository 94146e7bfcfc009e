#pragma once

#include <QIcon>
#include <QString>

class QLabel;
class QToolButton;
class QWidget;

// A button that shows only a picture; its hint is also its tooltip and accessible name.
QToolButton *Bildknopf(const QString &name, const QIcon &bild, const QString &hinweis, QWidget *eltern);

// A bold label for a value the window fills in.
QLabel *FettesLabel(const QString &name, Qt::Alignment ausrichtung, QWidget *eltern);

class QLineEdit;

// A centred, bold edit field that takes only the digits 0 to 9, typed or pasted, at most
// `laenge` of them (no limit for 0).
QLineEdit *Ziffernfeld(const QString &name, int laenge, QWidget *eltern);

// The bar along the bottom of a tool window: the button "Sch&ließen", named `knopfname`, at its
// right end closes `fenster`.
QWidget *Schliessleiste(const QString &knopfname, QWidget *fenster);
