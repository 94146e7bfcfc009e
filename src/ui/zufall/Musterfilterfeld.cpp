// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/zufall/Musterfilterfeld.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

struct Vorlage
{
    const char *name;     // of the check box; the fields add "Von" and "Bis"
    const char *text;     // its caption
    int von;              // starting values of the fields
    int bis;
};

// Starting values a player is likely to want: the middle of each pattern.
constexpr std::array<Vorlage, Musterarten> Vorlagen{{
    {"cbSumme", "S&umme von", 100, 150},
    {"cbGerade", "&Gerade Zahlen von", 2, 3},
    {"cbKlein", "&Kleine Zahlen (1–24) von", 2, 3},
    {"cbFolge", "Längste &Folge höchstens", 1, 2},
    {"cbZehnergruppe", "Je &Zehnergruppe höchstens", 1, 2},
}};

} // namespace

Musterfilterfeld::Musterfilterfeld(QWidget *eltern) : QGroupBox(QStringLiteral("Filter"), eltern)
{
    setObjectName(QStringLiteral("PFilter"));
    auto *gitter = new QGridLayout(this);
    gitter->setContentsMargins(6, 4, 6, 4);
    gitter->setHorizontalSpacing(4);
    gitter->setVerticalSpacing(2);
    for (const Musterart art : AlleMusterarten) {
        const Vorlage &v = Vorlagen[index(art)];
        const Wertebereich w = WerteVon(art);
        const int r = static_cast<int>(art);
        Zeile &zeile = m_zeilen[index(art)];
        const QString name = QString::fromUtf8(v.name).mid(2);
        zeile.schalter = new QCheckBox(QString::fromUtf8(v.text), this);
        zeile.schalter->setObjectName(QString::fromUtf8(v.name));
        gitter->addWidget(zeile.schalter, r, 0);
        const auto feld = [&](const QString &feldname, int wert, const QString &bezeichnung) {
            auto *spin = new QSpinBox(this);
            spin->setObjectName(feldname);
            spin->setRange(w.von, w.bis);
            spin->setValue(wert);
            spin->setEnabled(false);
            spin->setAccessibleName(bezeichnung);
            connect(spin, &QSpinBox::valueChanged, this, [this, art, spin] {
                // The two ends stay in order: moving one past the other takes the other along.
                const Zeile &z = m_zeilen[index(art)];
                if (z.von && z.von->value() > z.bis->value())
                    (spin == z.von ? z.bis : z.von)->setValue(spin->value());
                Q_EMIT geaendert();
            });
            return spin;
        };
        const QString titel = zeile.schalter->text().remove(QLatin1Char('&'));
        if (Musterfilter::nurHoechstwert(art)) {
            zeile.bis = feld(QStringLiteral("E%1").arg(name), v.bis, titel);
            gitter->addWidget(zeile.bis, r, 1);
        } else {
            zeile.von = feld(QStringLiteral("E%1Von").arg(name), v.von, titel);
            zeile.bis = feld(QStringLiteral("E%1Bis").arg(name), v.bis, titel.section(QStringLiteral(" von"), 0, 0) +
                                                                          QStringLiteral(" bis"));
            gitter->addWidget(zeile.von, r, 1);
            auto *bisLabel = new QLabel(QStringLiteral("bis"), this);
            bisLabel->setBuddy(zeile.bis);
            gitter->addWidget(bisLabel, r, 2);
            gitter->addWidget(zeile.bis, r, 3);
        }
        connect(zeile.schalter, &QCheckBox::toggled, this, [this, art] { schalten(art); });
    }
    m_moeglich = new QLabel(this);
    m_moeglich->setObjectName(QStringLiteral("LMoeglich"));
    QFont fett = m_moeglich->font();
    fett.setBold(true);
    m_moeglich->setFont(fett);
    gitter->addWidget(m_moeglich, Musterarten, 0, 1, 4);
    gitter->setColumnStretch(4, 1);
}

void Musterfilterfeld::schalten(Musterart art)
{
    const Zeile &z = m_zeilen[index(art)];
    const bool an = z.schalter->isChecked();
    if (z.von)
        z.von->setEnabled(an);
    z.bis->setEnabled(an);
    Q_EMIT geaendert();
}

Musterfilter Musterfilterfeld::filter() const
{
    Musterfilter f;
    for (const Musterart art : AlleMusterarten) {
        const Zeile &z = m_zeilen[index(art)];
        if (z.schalter->isChecked())
            f.setze(art, Musterbereich{z.von ? z.von->value() : WerteVon(art).von, z.bis->value()});
    }
    return f;
}

void Musterfilterfeld::setzeFilter(const Musterfilter &filter)
{
    const QSignalBlocker sperre(this);
    for (const Musterart art : AlleMusterarten) {
        const Zeile &z = m_zeilen[index(art)];
        const auto &b = filter.bereich(art);
        if (b) {
            // The upper end first, so the lower one never has to push it.
            z.bis->setValue(b->bis);
            if (z.von)
                z.von->setValue(b->von);
        }
        z.schalter->setChecked(b.has_value());
    }
}

void Musterfilterfeld::zeigeMoeglicheReihen(const QString &anzahl)
{
    m_moeglich->setText(QStringLiteral("Mögliche Reihen: ") + anzahl);
}
