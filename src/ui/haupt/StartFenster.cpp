// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/haupt/StartFenster.h"

#include "ui/gemeinsam/Fenster.h"

#include "model/Ordner.h"
#include "model/Spiel.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/hilfe/Hilfe.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QThread>

namespace {

// The greeting picture: a night-blue card with a few lottery balls and the program's name.
class Startbild : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient verlauf(0, 0, 0, height());
        verlauf.setColorAt(0, QColor(0x12, 0x2B, 0x5C));
        verlauf.setColorAt(1, QColor(0x0A, 0x5E, 0x8C));
        p.fillRect(rect(), verlauf);

        const int zahlen[] = {7, 19, 25, 33, 48};
        const QColor farben[] = {QColor(0xF2, 0xB8, 0x1D), QColor(0xE8, 0x5D, 0x3A), QColor(0x4C, 0xB8, 0x5C),
                                 QColor(0xF2, 0xB8, 0x1D), QColor(0x3A, 0x8B, 0xE8)};
        for (int i = 0; i < 5; ++i)
            Symbole::maleKugel(p, QRectF(40 + i * 66, 150, 52, 52), zahlen[i], farben[i]);

        p.setPen(Qt::white);
        QFont titel(QStringLiteral("DejaVu Sans"));
        titel.setBold(true);
        titel.setPixelSize(32);
        p.setFont(titel);
        p.drawText(QRect(0, 40, width(), 44), Qt::AlignHCenter | Qt::AlignVCenter, Programmname);
        QFont unter(QStringLiteral("DejaVu Sans"));
        unter.setPixelSize(14);
        p.setFont(unter);
        p.drawText(QRect(0, 88, width(), 24), Qt::AlignHCenter, QStringLiteral("Version ") + Programmversion);
        p.drawText(QRect(0, 112, width(), 24), Qt::AlignHCenter,
                   QStringLiteral("Gewinnauswertung und Statistik für Quintaro"));
    }
};

} // namespace

TFStart::TFStart(Zustand &zustand, const QString &datenordner, QWidget *eltern)
    : QWidget(eltern, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_zustand(zustand)
{
    setObjectName(QStringLiteral("FStart"));
    setWindowTitle(Fenstertitel());
    setFixedSize(400, 300);
    setAttribute(Qt::WA_DeleteOnClose);

    m_startfehler = OrdnerBestimmen(m_zustand, QCoreApplication::applicationDirPath(), datenordner);
    m_zustand.Formateinstellungen = QLocale::system();

    auto *bild = new Startbild(this);
    bild->setGeometry(rect());
    m_weiter = new QPushButton(QStringLiteral("Weiter"), this);
    m_weiter->setObjectName(QStringLiteral("BWeiter"));
    m_weiter->setEnabled(false);
    m_weiter->adjustSize();
    m_weiter->move(width() - m_weiter->width() - 12, height() - m_weiter->height() - 12);
    connect(m_weiter, &QPushButton::clicked, this, &TFStart::weiterKlick);

    platziereFenster(this);
}

void TFStart::initialisierungFertig(QWidget *hauptfenster)
{
    m_hauptfenster = hauptfenster;
    m_fertig = true;
    m_weiter->setEnabled(true);
    m_weiter->setCursor(Qt::PointingHandCursor);
}

void TFStart::weiterKlick()
{
    m_weiter->hide();
    QCoreApplication::processEvents();
    m_weiter->setEnabled(false);
    close();
}

void TFStart::closeEvent(QCloseEvent *ereignis)
{
    // Before the program is ready the window cannot be closed; the fade runs once.
    if (!m_fertig || m_blendet) {
        ereignis->ignore();
        return;
    }
    m_blendet = true;
    ueberblenden();
    ereignis->accept();
}

void TFStart::ueberblenden()
{
    for (int i = 1; i <= 255; ++i) {
        if (m_hauptfenster)
            m_hauptfenster->setWindowOpacity(i / 255.0);
        QCoreApplication::processEvents();
        setWindowOpacity((255 - i) / 255.0);
        QThread::msleep(1);
        QCoreApplication::processEvents();
    }
    if (m_hauptfenster)
        m_hauptfenster->setWindowOpacity(1.0);
}

void TFStart::keyPressEvent(QKeyEvent *ereignis)
{
    if (ereignis->key() == Qt::Key_F1) {
        Hilfe::zeigeThema(m_zustand.Hilfedatei, 1010);
        return;
    }
    QWidget::keyPressEvent(ereignis);
}
