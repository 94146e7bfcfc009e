// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/werkzeuge/Info.h"

#include "ui/gemeinsam/Fenster.h"

#include "model/Spiel.h"
#include "model/Zustand.h"
#include "tools/Webadressen.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/hilfe/Hilfe.h"
#include "ui/werkzeuge/Aufrufe.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int Infothema = 1130;
constexpr int Bandhoehe = 72;
constexpr std::size_t Mailzeile = 3; // the fourth of the maker's six lines

// A line of text that acts as a link: blue, underlined, hand cursor; a click or Enter runs it.
class Verweiszeile : public QLabel
{
public:
    Verweiszeile(const QString &text, std::function<void()> aufruf, QWidget *eltern)
        : QLabel(text, eltern), m_aufruf(std::move(aufruf))
    {
        QFont f = font();
        f.setBold(true);
        f.setUnderline(true);
        setFont(f);
        QPalette farben = palette();
        farben.setColor(QPalette::WindowText, QColor(0x00, 0x33, 0xCC));
        setPalette(farben);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *ereignis) override
    {
        if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
            m_aufruf();
    }
    void keyPressEvent(QKeyEvent *ereignis) override
    {
        if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter || ereignis->key() == Qt::Key_Space)
            m_aufruf();
        else
            QLabel::keyPressEvent(ereignis);
    }

private:
    std::function<void()> m_aufruf;
};
} // namespace

TFInfo::TFInfo(Zustand &zustand, QWidget *eltern) : QDialog(eltern, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FInfo"));
    setWindowTitle(Programmname);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(400, 300);

    const Webadressen web = WebadressenLesen(zustand.einstellungsdatei());

    auto *version = FettesLabel(QStringLiteral("LVersion"), Qt::AlignLeft, this);
    version->setText(QStringLiteral("Version ") + Programmversion);

    auto *anschrift = new QFrame(this);
    anschrift->setObjectName(QStringLiteral("PAnschrift"));
    anschrift->setStyleSheet(QStringLiteral("QFrame#PAnschrift { background: rgba(255, 255, 255, 215); "
                                            "border: 1px solid #8AA6C4; border-radius: 6px; }"));
    auto *zeilen = new QVBoxLayout(anschrift);
    zeilen->setContentsMargins(14, 8, 14, 8);
    zeilen->setSpacing(2);
    for (std::size_t i = 0; i < web.Anschrift.size(); ++i) {
        const QString name = QStringLiteral("LAnschrift%1").arg(i + 1);
        QLabel *zeile = nullptr;
        if (i == Mailzeile) {
            const QString mail = web.Mail;
            m_mailzeile = new Verweiszeile(
                web.Anschrift[i], [mail] { Aufrufe::mailSchreiben(mail); }, anschrift);
            m_mailzeile->setObjectName(name);
            m_mailzeile->setToolTip(QStringLiteral("Eine E-Mail an %1 schreiben").arg(mail));
            zeile = m_mailzeile;
        } else {
            zeile = FettesLabel(name, Qt::AlignLeft, anschrift);
            zeile->setText(web.Anschrift[i]);
        }
        zeile->setTextFormat(Qt::PlainText); // the lines come from the settings file
        zeilen->addWidget(zeile);
    }

    auto *schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("BClose"));
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);

    auto *senkrecht = new QVBoxLayout(this);
    senkrecht->setContentsMargins(24, Bandhoehe + 10, 24, 12);
    senkrecht->setSpacing(8);
    senkrecht->addWidget(version);
    senkrecht->addWidget(anschrift);
    senkrecht->addStretch();
    auto *fuss = new QHBoxLayout;
    fuss->addStretch();
    fuss->addWidget(schliessen);
    senkrecht->addLayout(fuss);

    Hilfe::taste(this, zustand.Hilfedatei, Infothema);
    platziereFenster(this);
}

void TFInfo::paintEvent(QPaintEvent *)
{
    // The background picture: a light card under a night-blue band with the program's icon and name.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient karte(0, 0, 0, height());
    karte.setColorAt(0, QColor(0xF4, 0xF8, 0xFD));
    karte.setColorAt(1, QColor(0xC8, 0xDC, 0xF0));
    p.fillRect(rect(), karte);

    QLinearGradient band(0, 0, width(), 0);
    band.setColorAt(0, QColor(0x1A, 0x3A, 0x78));
    band.setColorAt(1, QColor(0x0A, 0x6E, 0x9C));
    p.fillRect(QRect(0, 0, width(), Bandhoehe), band);

    const QPixmap symbol = Symbole::programm().pixmap(48, 48);
    p.drawPixmap(20, (Bandhoehe - 48) / 2, symbol);
    QFont titel = font();
    titel.setBold(true);
    titel.setPixelSize(24);
    p.setFont(titel);
    p.setPen(Qt::white);
    p.drawText(QRect(82, 0, width() - 92, Bandhoehe), Qt::AlignVCenter | Qt::AlignLeft, Programmname);

    // A row of balls along the bottom, left of "Schließen".
    const int zahlen[] = {3, 12, 25, 38, 47};
    const QColor farben[] = {QColor(0xF2, 0xB8, 0x1D), QColor(0xE8, 0x5D, 0x3A), QColor(0x4C, 0xB8, 0x5C),
                             QColor(0xF2, 0xB8, 0x1D), QColor(0x3A, 0x8B, 0xE8)};
    for (int i = 0; i < 5; ++i)
        Symbole::maleKugel(p, QRectF(24 + i * 36, height() - 46, 30, 30), zahlen[i], farben[i]);
}
