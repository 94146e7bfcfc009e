#pragma once

class QAction;
class QToolButton;
class QWidget;

// The banner under the distribution area. A click runs `produkt`, which opens the page about
// the maker's other programs; while that command is disabled (no connection, or nothing to
// open), the banner is disabled too and a click does nothing.
QToolButton *Zufallsbanner(QAction *produkt, int breite, QWidget *eltern);
