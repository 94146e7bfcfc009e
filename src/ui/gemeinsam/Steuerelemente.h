#pragma once

#include <QIcon>
#include <QLineEdit>
#include <QString>

class QLabel;
class QToolButton;
class QWidget;

// A button that shows only a picture; its hint is also its tooltip and accessible name.
QToolButton *Bildknopf(const QString &name, const QIcon &bild, const QString &hinweis, QWidget *eltern);

// A bold label for a value the window fills in.
QLabel *FettesLabel(const QString &name, Qt::Alignment ausrichtung, QWidget *eltern);

// A field for a count: keystrokes other than the digits are ignored (backspace and the editing
// shortcuts still work), and typing stops at `laenge` digits. Pasted text arrives unfiltered and
// is checked when it is used; a value the program sets (a ticket's 65535 shares) is never cut.
class Ziffernfeld : public QLineEdit
{
    Q_OBJECT
public:
    Ziffernfeld(const QString &name, int laenge, QWidget *eltern);

protected:
    void keyPressEvent(QKeyEvent *ereignis) override;

private:
    int m_laenge;
};

// The same field with bold digits, for the counts a window computes with.
Ziffernfeld *FettesZiffernfeld(const QString &name, int laenge, QWidget *eltern);

// The bar along the bottom of a tool window: the button "Sch&ließen", named `knopfname`, at its
// right end closes `fenster`.
QWidget *Schliessleiste(const QString &knopfname, QWidget *fenster);
