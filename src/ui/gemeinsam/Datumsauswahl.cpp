// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Datumsauswahl.h"

#include "model/Datum.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QListView>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

DatumslistenModell::DatumslistenModell(const QLocale &locale, QObject *eltern)
    : QAbstractListModel(eltern), m_locale(locale), m_format(Datum::kurzesFormat(locale))
{
}

void DatumslistenModell::setzeListe(Datumsliste liste)
{
    if (liste.anzahl() == m_liste.anzahl()) {
        m_liste = std::move(liste);
        if (m_liste.anzahl() > 0)
            Q_EMIT dataChanged(index(0), index(static_cast<int>(m_liste.anzahl()) - 1));
        return;
    }
    beginResetModel();
    m_liste = std::move(liste);
    endResetModel();
}

void DatumslistenModell::setzeVorschlag(std::optional<double> tag)
{
    const int letzte = static_cast<int>(m_liste.ziehungen.size());
    if (m_liste.vorschlag && !tag) {
        beginRemoveRows(QModelIndex(), letzte, letzte);
        m_liste.vorschlag.reset();
        endRemoveRows();
    } else if (!m_liste.vorschlag && tag) {
        beginInsertRows(QModelIndex(), letzte, letzte);
        m_liste.vorschlag = tag;
        endInsertRows();
    } else if (tag) {
        m_liste.vorschlag = tag;
        Q_EMIT dataChanged(index(letzte), index(letzte));
    }
}

int DatumslistenModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_liste.anzahl());
}

QVariant DatumslistenModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid() || index.row() >= m_liste.anzahl() || (rolle != Qt::DisplayRole && rolle != Qt::EditRole))
        return {};
    // As Datum::kurz, with the format looked up once.
    const QDate datum = Datum::zuDatum(m_liste.tag(index.row()));
    return datum.isValid() ? m_locale.toString(datum, m_format) : QString();
}

namespace {

// A combo box for assistive technology, as Qt shows its own: its name and value are the chosen
// date, its one child the list it opens (showing while open, the current date selected), and its action
// opens or closes that list.
class DatumsauswahlZugang : public QAccessibleWidget
{
public:
    explicit DatumsauswahlZugang(Datumsauswahl *auswahl) : QAccessibleWidget(auswahl, QAccessible::ComboBox) {}

    Datumsauswahl *auswahl() const { return static_cast<Datumsauswahl *>(widget()); }

    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(auswahl()->aufklappansicht()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *kind) const override
    {
        return kind && kind->object() == auswahl()->aufklappansicht() ? 0 : -1;
    }
    // As Qt's own combo box on Linux: name and value are the shown date (the label comes through
    // the labelled-by relation); only an empty list falls back to the label.
    QString text(QAccessible::Text art) const override
    {
        if (art == QAccessible::Name || art == QAccessible::Value) {
            const QString datum = auswahl()->currentText();
            if (!datum.isEmpty())
                return datum;
        }
        return QAccessibleWidget::text(art);
    }
    QAccessible::State state() const override
    {
        QAccessible::State zustand = QAccessibleWidget::state();
        zustand.expandable = true;
        zustand.expanded = auswahl()->listeOffen();
        zustand.collapsed = !zustand.expanded;
        return zustand;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &aktion) override
    {
        if (aktion != showMenuAction() && aktion != pressAction())
            return;
        if (auswahl()->listeOffen())
            auswahl()->hidePopup();
        else
            auswahl()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

QAccessibleInterface *datumsauswahlZugang(const QString &klasse, QObject *objekt)
{
    if (klasse == QLatin1String("Datumsauswahl") && objekt && objekt->isWidgetType())
        return new DatumsauswahlZugang(static_cast<Datumsauswahl *>(objekt));
    return nullptr;
}

// Tells assistive technology that the list opened or closed.
void meldeAufklappzustand(Datumsauswahl *auswahl)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State geaendert;
    geaendert.expanded = true;
    geaendert.collapsed = true;
    QAccessibleStateChangeEvent ereignis(auswahl, geaendert);
    QAccessible::updateAccessibility(&ereignis);
}

} // namespace

Datumsauswahl::Datumsauswahl(const QLocale &locale, QWidget *eltern)
    : QComboBox(eltern), m_modell(new DatumslistenModell(locale, this))
{
    static const bool zugangEingerichtet = [] {
        QAccessible::installFactory(datumsauswahlZugang);
        return true;
    }();
    Q_UNUSED(zugangEingerichtet);
    setModel(m_modell);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Every date has as many characters as this one; the box measures in its widest letter.
    setMinimumContentsLength(static_cast<int>(Datum::kurz(QDate(2000, 12, 31), locale).size()));
}

void Datumsauswahl::baueListe()
{
    m_aufklappliste = new QFrame(this, Qt::Popup);
    m_aufklappliste->setObjectName(QStringLiteral("Aufklappliste"));
    m_aufklappliste->setFrameShape(QFrame::StyledPanel);
    auto *rand = new QVBoxLayout(m_aufklappliste);
    rand->setContentsMargins(0, 0, 0, 0);
    m_ansicht = new QListView(m_aufklappliste);
    m_ansicht->setModel(m_modell);
    // Rows of one height: laying out and scrolling a million dates costs no text at all.
    m_ansicht->setUniformItemSizes(true);
    m_ansicht->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ansicht->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ansicht->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ansicht->setFrameShape(QFrame::NoFrame);
    m_ansicht->setMouseTracking(true);
    m_ansicht->setFont(font());
    m_ansicht->installEventFilter(this);
    connect(m_ansicht, &QListView::clicked, this, [this](const QModelIndex &index) { waehle(index.row()); });
    connect(m_ansicht, &QListView::entered, m_ansicht, &QListView::setCurrentIndex);
    rand->addWidget(m_ansicht);
}

QListView *Datumsauswahl::aufklappansicht()
{
    if (!m_aufklappliste)
        baueListe();
    return m_ansicht;
}

bool Datumsauswahl::listeOffen() const
{
    return m_aufklappliste && m_aufklappliste->isVisible();
}

void Datumsauswahl::showPopup()
{
    if (count() == 0)
        return;
    aufklappansicht();
    const int zeilen = std::min(count(), maxVisibleItems());
    m_ansicht->setVerticalScrollBarPolicy(count() > zeilen ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int hoehe = zeilen * m_ansicht->sizeHintForRow(0) + 2 * m_aufklappliste->frameWidth();
    const QSize groesse(std::max(width(), sizeHint().width()), hoehe);

    // Below the box, or above it when the screen ends first.
    QPoint ort = mapToGlobal(QPoint(0, height()));
    if (const QScreen *schirm = screen()) {
        const QRect platz = schirm->availableGeometry();
        if (ort.y() + hoehe > platz.bottom() && mapToGlobal(QPoint(0, 0)).y() - hoehe >= platz.top())
            ort = mapToGlobal(QPoint(0, -hoehe));
    }
    m_aufklappliste->setGeometry(QRect(ort, groesse));
    const QModelIndex aktuell = m_modell->index(std::max(currentIndex(), 0));
    m_ansicht->setCurrentIndex(aktuell);
    m_ansicht->scrollTo(aktuell, QAbstractItemView::PositionAtCenter);
    m_aufklappliste->show();
    m_ansicht->setFocus();
    // The current date becomes current again while the list has the focus, so a screen reader
    // hears it as the list opens.
    m_ansicht->selectionModel()->clearCurrentIndex();
    m_ansicht->setCurrentIndex(aktuell);
    meldeAufklappzustand(this);
}

void Datumsauswahl::hidePopup()
{
    const bool warOffen = listeOffen();
    if (m_aufklappliste)
        m_aufklappliste->hide();
    QComboBox::hidePopup();
    if (warOffen)
        meldeAufklappzustand(this);
}

void Datumsauswahl::waehle(int zeile)
{
    hidePopup();
    if (zeile < 0 || zeile >= count())
        return;
    setCurrentIndex(zeile);
    // As a pick in a plain combo box: the user's choice, also of the entry already chosen.
    Q_EMIT activated(zeile);
    Q_EMIT textActivated(itemText(zeile));
}

bool Datumsauswahl::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == m_ansicht && ereignis->type() == QEvent::KeyPress) {
        const auto *taste = static_cast<QKeyEvent *>(ereignis);
        switch (taste->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            waehle(m_ansicht->currentIndex().row());
            return true;
        case Qt::Key_Escape:
        case Qt::Key_F4:
            hidePopup();
            return true;
        default:
            break;
        }
    }
    return QComboBox::eventFilter(objekt, ereignis);
}
