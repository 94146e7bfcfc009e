#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;
class QTabWidget;
class QToolButton;
struct Zustand;

// The right column of the main window: opening ticket files into tabs, the tabs, and
// the commands that close them.
class Tippauswertung : public QWidget
{
    Q_OBJECT
public:
    Tippauswertung(Zustand &zustand, QWidget *eltern);

    QCheckBox *cbMerken() const { return m_cbMerken; }
    QTabWidget *PC1() const { return m_pc1; }
    QPushButton *BOpen() const { return m_bOpen; }

private:
    Zustand &m_zustand;
    QPushButton *m_bOpen = nullptr;
    QCheckBox *m_cbMerken = nullptr;
    QTabWidget *m_pc1 = nullptr;
    QToolButton *m_bKr1 = nullptr;
    QToolButton *m_bKr2 = nullptr;
};
