#include "ui/Tippauswertung.h"

#include "model/Zustand.h"
#include "ui/Symbole.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton *bildknopf(const QString &name, const QIcon &icon, const QString &hinweis, QWidget *eltern)
{
    auto *knopf = new QToolButton(eltern);
    knopf->setObjectName(name);
    knopf->setIcon(icon);
    knopf->setIconSize(QSize(20, 20));
    knopf->setToolTip(hinweis);
    knopf->setAccessibleName(hinweis);
    return knopf;
}

QLabel *hinweis(const QString &text, QWidget *eltern)
{
    auto *l = new QLabel(text, eltern);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 0.9);
    l->setFont(f);
    return l;
}
} // namespace

Tippauswertung::Tippauswertung(Zustand &zustand, QWidget *eltern) : QWidget(eltern), m_zustand(zustand)
{
    setObjectName(QStringLiteral("PRight"));
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(4);

    auto *titel = new QLabel(QStringLiteral("Tippauswertung"), this);
    QFont f = titel->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    titel->setFont(f);
    spalte->addWidget(titel);

    auto *leiste = new QFrame(this);
    leiste->setObjectName(QStringLiteral("PScheinwahl"));
    leiste->setFrameShape(QFrame::StyledPanel);
    auto *zeile = new QHBoxLayout(leiste);
    auto *links = new QVBoxLayout;
    auto *wahl = new QHBoxLayout;
    auto *waehlen = new QLabel(QStringLiteral("Tippschein(e) wählen"), leiste);
    QFont fett = waehlen->font();
    fett.setBold(true);
    waehlen->setFont(fett);
    m_bOpen = new QPushButton(QStringLiteral("Öffnen..."), leiste);
    m_bOpen->setObjectName(QStringLiteral("BOpen"));
    wahl->addWidget(waehlen);
    wahl->addWidget(m_bOpen);
    wahl->addStretch();
    links->addLayout(wahl);
    links->addWidget(hinweis(QStringLiteral("Es können mehrere Scheine zusammen geöffnet werden"), leiste));
    zeile->addLayout(links);
    zeile->addStretch();

    auto *rechts = new QVBoxLayout;
    m_cbMerken = new QCheckBox(QStringLiteral("Datei-Auswahl merken und mit Programmstart einlesen"), leiste);
    m_cbMerken->setObjectName(QStringLiteral("cbMerken"));
    rechts->addWidget(m_cbMerken);
    rechts->addWidget(hinweis(QStringLiteral("(Das Häkchen muss vor der Auswahl gesetzt werden.)"), leiste));
    rechts->addWidget(hinweis(QStringLiteral("Achtung, alte Einträge werden überschrieben."), leiste));
    zeile->addLayout(rechts);
    spalte->addWidget(leiste);

    m_pc1 = new QTabWidget(this);
    m_pc1->setObjectName(QStringLiteral("PC1"));
    m_pc1->setDocumentMode(false);
    spalte->addWidget(m_pc1, 1);

    auto *unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(new QLabel(QStringLiteral("Tabs schließen"), this));
    m_bKr1 = bildknopf(QStringLiteral("BKr1"), Symbole::schliessenAlle(),
                       QStringLiteral("Alle Tabs mit den Schein-Dateien schließen."), this);
    m_bKr2 = bildknopf(QStringLiteral("BKr2"), Symbole::schliessenEins(),
                       QStringLiteral("Ausgewählten Tab mit Schein-Datei schließen."), this);
    unten->addWidget(m_bKr1);
    unten->addWidget(m_bKr2);
    spalte->addLayout(unten);
}
