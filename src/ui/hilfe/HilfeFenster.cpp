// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/hilfe/HilfeFenster.h"

#include "ui/gemeinsam/Fenster.h"

#include "ui/hilfe/HilfeBrowser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int Startthema = 1010;
constexpr int DateiRolle = Qt::UserRole;

QToolButton *knopf(QWidget *eltern, const QString &name, const QString &text, const QIcon &symbol,
                   const QKeySequence &taste)
{
    auto *k = new QToolButton(eltern);
    k->setObjectName(name);
    k->setText(text);
    k->setIcon(symbol);
    k->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    k->setAutoRaise(true);
    k->setShortcut(taste);
    return k;
}
} // namespace

HilfeFenster::HilfeFenster(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FHilfe"));
    setWindowTitle(QStringLiteral("Quintaro Analyser - Hilfe"));
    // Closing the main window ends the program even while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(960, 680);

    m_zurueck = knopf(this, QStringLiteral("bZurueck"), QStringLiteral("&Zurück"),
                      style()->standardIcon(QStyle::SP_ArrowBack), QKeySequence::Back);
    m_vor = knopf(this, QStringLiteral("bVor"), QStringLiteral("&Vorwärts"),
                  style()->standardIcon(QStyle::SP_ArrowForward), QKeySequence::Forward);
    // The style's "home" picture is a folder, which would promise a file dialog.
    m_startseite = knopf(this, QStringLiteral("bStartseite"), QStringLiteral("S&tartseite"),
                         QIcon::fromTheme(QStringLiteral("go-home")), QKeySequence(Qt::ALT | Qt::Key_Home));
    m_zurueck->setEnabled(false);
    m_vor->setEnabled(false);

    m_inhalt = new QTreeWidget;
    m_inhalt->setObjectName(QStringLiteral("tvInhalt"));
    m_inhalt->setHeaderHidden(true);
    m_inhalt->setColumnCount(1);
    m_inhalt->setRootIsDecorated(true);

    m_suchseite = new QWidget;
    auto *suchlabel = new QLabel(QStringLiteral("Suchen &nach:"));
    m_suchfeld = new QLineEdit;
    m_suchfeld->setObjectName(QStringLiteral("eSuche"));
    m_suchfeld->setClearButtonEnabled(true);
    suchlabel->setBuddy(m_suchfeld);
    m_trefferzahl = new QLabel;
    m_trefferzahl->setObjectName(QStringLiteral("lTrefferzahl"));
    m_trefferzahl->setWordWrap(true);
    auto *trefferlabel = new QLabel(QStringLiteral("&Gefundene Themen:"));
    m_treffer = new QListWidget;
    m_treffer->setObjectName(QStringLiteral("lwTreffer"));
    trefferlabel->setBuddy(m_treffer);
    auto *suchlayout = new QVBoxLayout(m_suchseite);
    suchlayout->addWidget(suchlabel);
    suchlayout->addWidget(m_suchfeld);
    suchlayout->addWidget(m_trefferzahl);
    suchlayout->addWidget(trefferlabel);
    suchlayout->addWidget(m_treffer, 1);

    m_reiter = new QTabWidget;
    m_reiter->setObjectName(QStringLiteral("twNavigation"));
    m_reiter->addTab(m_inhalt, QStringLiteral("&Inhalt"));
    m_reiter->addTab(m_suchseite, QStringLiteral("&Suchen"));

    m_browser = new HilfeBrowser(m_archiv);
    m_browser->setObjectName(QStringLiteral("tbSeite"));

    auto *teiler = new QSplitter(Qt::Horizontal);
    teiler->addWidget(m_reiter);
    teiler->addWidget(m_browser);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({260, 700});
    teiler->setChildrenCollapsible(false);

    auto *leiste = new QHBoxLayout;
    leiste->addWidget(m_zurueck);
    leiste->addWidget(m_vor);
    leiste->addWidget(m_startseite);
    leiste->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(leiste);
    layout->addWidget(teiler, 1);

    connect(m_zurueck, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_vor, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_zurueck, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_vor, &QWidget::setEnabled);
    connect(m_startseite, &QToolButton::clicked, this, [this] { hinweisOderThema(Startthema); });
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HilfeFenster::seiteGewechselt);
    connect(m_inhalt, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *eintrag) { seiteOeffnen(eintrag->data(0, DateiRolle).toString()); });
    connect(m_inhalt, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *eintrag) { seiteOeffnen(eintrag->data(0, DateiRolle).toString()); });
    connect(m_suchfeld, &QLineEdit::textChanged, this, &HilfeFenster::suchen);
    connect(m_suchfeld, &QLineEdit::returnPressed, this, [this] { trefferOeffnen(m_treffer->item(0)); });
    connect(m_treffer, &QListWidget::itemClicked, this, &HilfeFenster::trefferOeffnen);
    connect(m_treffer, &QListWidget::itemActivated, this, &HilfeFenster::trefferOeffnen);
    platziereFenster(this);
}

void HilfeFenster::zeigeThema(const QString &hilfedatei, int thema)
{
    const bool neu = dateiLaden(hilfedatei);
    hinweisOderThema(thema);
    if (neu)
        m_browser->clearHistory();
    m_reiter->setCurrentWidget(m_inhalt);
    nachVorn();
}

void HilfeFenster::zeigeSuche(const QString &hilfedatei)
{
    const bool neu = dateiLaden(hilfedatei);
    if (neu || m_browser->source().isEmpty())
        hinweisOderThema(Startthema);
    if (neu)
        m_browser->clearHistory();
    m_suchfeld->clear();
    suchen();
    m_reiter->setCurrentWidget(m_suchseite);
    nachVorn();
    m_suchfeld->setFocus();
}

int HilfeFenster::aktuellesThema() const
{
    const QUrl url = m_browser->source();
    if (!HilfeBrowser::istSeite(url) || !m_archiv.lesbar(url.path()))
        return 0;
    return HilfeArchiv::themaDerDatei(url.path());
}

QString HilfeFenster::seitentext() const
{
    return m_browser->toPlainText();
}

bool HilfeFenster::suchseiteAktiv() const
{
    return m_reiter->currentWidget() == m_suchseite;
}

bool HilfeFenster::dateiLaden(const QString &hilfedatei)
{
    m_archiv.laden(hilfedatei);
    if (m_archiv.stand() == m_stand)
        return false;
    m_stand = m_archiv.stand();
    inhaltFuellen();
    suchen();
    return true;
}

void HilfeFenster::inhaltFuellen()
{
    m_inhalt->clear();
    QList<QTreeWidgetItem *> eltern;
    for (const HilfeEintrag &eintrag : m_archiv.inhalt()) {
        const int ebene = std::min<int>(eintrag.ebene, static_cast<int>(eltern.size()));
        eltern.resize(ebene);
        auto *element = ebene == 0 ? new QTreeWidgetItem(m_inhalt) : new QTreeWidgetItem(eltern.last());
        element->setText(0, eintrag.titel);
        element->setData(0, DateiRolle, eintrag.datei);
        eltern.append(element);
    }
    m_inhalt->expandAll();
}

void HilfeFenster::oeffnen(const QUrl &url)
{
    if (m_browser->source() == url)
        m_browser->reload();
    else
        m_browser->setSource(url);
}

void HilfeFenster::seiteOeffnen(const QString &datei)
{
    if (!datei.isEmpty() && m_archiv.zustand() == HilfeArchiv::Zustand::Bereit)
        oeffnen(HilfeBrowser::seitenUrl(datei));
}

void HilfeFenster::hinweisOderThema(int thema)
{
    switch (m_archiv.zustand()) {
    case HilfeArchiv::Zustand::Bereit: {
        const QString datei = HilfeArchiv::themenDatei(thema);
        oeffnen(m_archiv.enthaelt(datei) ? HilfeBrowser::seitenUrl(datei)
                                         : HilfeBrowser::hinweisUrl(QStringLiteral("thema"), thema));
        break;
    }
    case HilfeArchiv::Zustand::Beschaedigt:
        oeffnen(HilfeBrowser::hinweisUrl(QStringLiteral("beschaedigt")));
        break;
    case HilfeArchiv::Zustand::Fehlt:
    case HilfeArchiv::Zustand::NichtGeladen:
        oeffnen(HilfeBrowser::hinweisUrl(QStringLiteral("fehlt")));
        break;
    }
}

void HilfeFenster::suchen()
{
    m_treffer->clear();
    const QString eingabe = m_suchfeld->text();
    if (m_archiv.zustand() != HilfeArchiv::Zustand::Bereit) {
        m_trefferzahl->setText(QStringLiteral("Die Hilfedatei kann nicht durchsucht werden."));
        return;
    }
    if (eingabe.trimmed().isEmpty()) {
        m_trefferzahl->setText(QStringLiteral("Geben Sie ein oder mehrere Wörter ein. Gefunden werden die Themen, "
                                              "die alle Wörter enthalten."));
        return;
    }
    const QList<HilfeSeite> treffer = m_archiv.suchen(eingabe);
    for (const HilfeSeite &seite : treffer) {
        auto *eintrag = new QListWidgetItem(seite.titel, m_treffer);
        eintrag->setData(DateiRolle, seite.datei);
    }
    if (treffer.isEmpty())
        m_trefferzahl->setText(QStringLiteral("Kein Thema gefunden."));
    else if (treffer.size() == 1)
        m_trefferzahl->setText(QStringLiteral("1 Thema gefunden."));
    else
        m_trefferzahl->setText(QStringLiteral("%1 Themen gefunden.").arg(treffer.size()));
}

void HilfeFenster::trefferOeffnen(QListWidgetItem *eintrag)
{
    if (eintrag == nullptr)
        return;
    seiteOeffnen(eintrag->data(DateiRolle).toString());
    // Put the first searched word in view, as a reader would look for it first.
    static const QRegularExpression leerraum(QStringLiteral(R"(\s+)"));
    const QStringList woerter = m_suchfeld->text().split(leerraum, Qt::SkipEmptyParts);
    if (!woerter.isEmpty()) {
        m_browser->moveCursor(QTextCursor::Start);
        m_browser->find(woerter.first());
    }
}

void HilfeFenster::seiteGewechselt(const QUrl &url)
{
    const QString datei = url.path() + (url.hasFragment() ? QLatin1Char('#') + url.fragment() : QString());
    QTreeWidgetItem *passend = nullptr;
    for (QTreeWidgetItemIterator it(m_inhalt); *it != nullptr; ++it) {
        const QString ziel = (*it)->data(0, DateiRolle).toString();
        if (ziel.compare(datei, Qt::CaseInsensitive) == 0) {
            passend = *it;
            break;
        }
        if (passend == nullptr && ziel.compare(url.path(), Qt::CaseInsensitive) == 0)
            passend = *it;
    }
    if (passend != nullptr)
        m_inhalt->setCurrentItem(passend);
    else
        m_inhalt->clearSelection();
}

void HilfeFenster::nachVorn()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}
