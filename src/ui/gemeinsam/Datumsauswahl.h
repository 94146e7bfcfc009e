// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QLocale>
#include <QVector>

#include <optional>

class QFrame;
class QListView;

// The dates a date list offers: the draws of a snapshot of the history, oldest first, and
// possibly a proposed date after them (a new draw being entered). A copy shares the draws with
// the history until the history changes, so a list costs nothing beyond its snapshot.
struct Datumsliste
{
    QVector<TGewZahlen> ziehungen;
    std::optional<double> vorschlag;

    qsizetype anzahl() const { return ziehungen.size() + (vorschlag ? 1 : 0); }
    double tag(qsizetype i) const { return i < ziehungen.size() ? ziehungen[i].datum : vorschlag.value_or(0.0); }
};

// Entry i is the date of element i of the snapshot in the short date format, made only when
// the entry is shown.
class DatumslistenModell : public QAbstractListModel
{
    Q_OBJECT
public:
    DatumslistenModell(const QLocale &locale, QObject *eltern);

    const Datumsliste &liste() const { return m_liste; }
    const QLocale &locale() const { return m_locale; }
    // Takes another snapshot. A list with as many dates as before keeps its selection.
    void setzeListe(Datumsliste liste);
    // Appends the proposed date of a new draw, or removes it (nullopt).
    void setzeVorschlag(std::optional<double> tag);

    int rowCount(const QModelIndex &eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;

private:
    Datumsliste m_liste;
    QLocale m_locale;
    QString m_format;
};

// A drop-down list of draw dates. However long the history, the box is as wide as one date and
// its list opens at once: it never measures or lays out more entries than it shows (a plain
// combo box would format and measure every date of the history each time it opens). Assistive
// technology sees it as a combo box whose one child is the list it opens, an item per date.
class Datumsauswahl : public QComboBox
{
    Q_OBJECT
public:
    Datumsauswahl(const QLocale &locale, QWidget *eltern);

    DatumslistenModell *datumsliste() const { return m_modell; }

    void showPopup() override;
    void hidePopup() override;
    bool listeOffen() const;
    // The list the box opens, made when first asked for.
    QListView *aufklappansicht();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void baueListe();
    void waehle(int zeile);

    DatumslistenModell *m_modell = nullptr;
    QFrame *m_aufklappliste = nullptr;
    QListView *m_ansicht = nullptr;
};
