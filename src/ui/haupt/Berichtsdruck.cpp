// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/haupt/Berichtsdruck.h"

#include "model/Dateien.h"
#include "model/Eigendateien.h"
#include "model/Spiel.h"
#include "ui/gemeinsam/Druckdialog.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace Berichtsdruck {
namespace {

const QMarginsF Raender(20.0, 15.0, 20.0, 15.0); // millimetres: left, top, right, bottom

void seiteEinrichten(QPagedPaintDevice &geraet)
{
    geraet.setPageSize(QPageSize(QPageSize::A4));
    geraet.setPageOrientation(QPageLayout::Portrait);
    geraet.setPageMargins(Raender, QPageLayout::Millimeter);
}

QFont schrift(double punkte, bool fett = false)
{
    QFont f = QGuiApplication::font();
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

// Places the parts of a report one below the other and starts a new page where one is full.
// Without a painter it only counts the pages, so the footers can say how many there are.
class Setzer
{
public:
    Setzer(QPagedPaintDevice &geraet, QPainter *maler, const QString &fusszeile, int seitenGesamt)
        : m_geraet(geraet), m_maler(maler), m_fusszeile(fusszeile), m_seitenGesamt(seitenGesamt),
          m_mm(geraet.logicalDpiY() / 25.4), m_titel(schrift(16.0, true)), m_ueberschrift(schrift(12.0, true)),
          m_text(schrift(10.0)), m_fett(schrift(10.0, true)), m_klein(schrift(8.0))
    {
        // The painter's area is the page within its margins.
        m_breite = geraet.width();
        m_fussHoehe = hoehe(m_klein) + 3.0 * m_mm;
        m_unten = geraet.height() - m_fussHoehe;
    }

    void titel(const QString &text)
    {
        const double h = hoehe(m_titel);
        platz(h);
        zeichne(m_titel, QRectF(0, m_y, m_breite, h), Qt::AlignLeft | Qt::AlignVCenter, text);
        m_y += h + 3.0 * m_mm;
    }

    void abschnitt(const Berichtsabschnitt &a)
    {
        if (!a.ueberschrift.isEmpty()) {
            const double h = hoehe(m_ueberschrift);
            // A caption never stands alone at the foot of a page.
            m_y += 4.0 * m_mm;
            platz(h + (a.bild ? a.bildHoeheMm * m_mm : 3.0 * zeilenhoehe()));
            zeichne(m_ueberschrift, QRectF(0, m_y, m_breite, h), Qt::AlignLeft | Qt::AlignVCenter, a.ueberschrift);
            m_y += h + 1.5 * m_mm;
        }
        angaben(a.angaben);
        if (a.bild && a.bildHoeheMm > 0.0)
            bild(a);
        if (!a.tabelle.kopf.isEmpty())
            tabelle(a.tabelle);
        if (!a.hinweis.isEmpty())
            absatz(a.hinweis);
    }

    // Ends the last page; returns how many pages there were.
    int fertig()
    {
        fuss();
        return m_seite;
    }

private:
    double hoehe(const QFont &f) const { return QFontMetricsF(f, &m_geraet).lineSpacing(); }
    double zeilenhoehe() const { return hoehe(m_text) * 1.25; }
    double breite(const QFont &f, const QString &text) const
    {
        return QFontMetricsF(f, &m_geraet).horizontalAdvance(text);
    }

    void zeichne(const QFont &f, const QRectF &r, int ausrichtung, const QString &text)
    {
        if (!m_maler)
            return;
        m_maler->setFont(f);
        m_maler->drawText(r, ausrichtung, QFontMetricsF(f, &m_geraet).elidedText(text, Qt::ElideMiddle, r.width()));
    }

    void platz(double h)
    {
        if (m_y + h > m_unten && m_y > 0.0)
            neueSeite();
    }

    void neueSeite()
    {
        fuss();
        if (m_maler)
            m_geraet.newPage();
        ++m_seite;
        m_y = 0.0;
    }

    void fuss()
    {
        if (!m_maler)
            return;
        const double oben = m_unten + 3.0 * m_mm;
        m_maler->setPen(QPen(Qt::gray, 0.2 * m_mm));
        m_maler->drawLine(QPointF(0, oben - 1.5 * m_mm), QPointF(m_breite, oben - 1.5 * m_mm));
        m_maler->setPen(Qt::black);
        const QRectF zeile(0, oben, m_breite, hoehe(m_klein));
        zeichne(m_klein, zeile, Qt::AlignLeft | Qt::AlignVCenter, m_fusszeile);
        zeichne(m_klein, zeile, Qt::AlignRight | Qt::AlignVCenter,
                QStringLiteral("Seite %1 von %2").arg(m_seite).arg(m_seitenGesamt));
    }

    void angaben(const QVector<QPair<QString, QString>> &liste)
    {
        double links = 0.0;
        for (const auto &[beschriftung, wert] : liste)
            links = std::max(links, breite(m_text, beschriftung));
        links = std::min(links + 3.0 * m_mm, m_breite / 2.0);
        const double h = zeilenhoehe();
        for (const auto &[beschriftung, wert] : liste) {
            platz(h);
            zeichne(m_text, QRectF(0, m_y, links, h), Qt::AlignLeft | Qt::AlignVCenter, beschriftung);
            zeichne(m_fett, QRectF(links, m_y, m_breite - links, h), Qt::AlignLeft | Qt::AlignVCenter, wert);
            m_y += h;
        }
    }

    void bild(const Berichtsabschnitt &a)
    {
        const double h = std::min(a.bildHoeheMm * m_mm, m_unten);
        m_y += 1.5 * m_mm;
        platz(h);
        if (m_maler) {
            m_maler->save();
            a.bild(*m_maler, QRectF(0, m_y, m_breite, h));
            m_maler->restore();
        }
        m_y += h;
    }

    void absatz(const QString &text)
    {
        const QFontMetricsF fm(m_text, &m_geraet);
        const QRectF r = fm.boundingRect(QRectF(0, 0, m_breite, 1.0e6), Qt::TextWordWrap, text);
        m_y += 1.5 * m_mm;
        platz(r.height());
        if (m_maler) {
            m_maler->setFont(m_text);
            m_maler->drawText(QRectF(0, m_y, m_breite, r.height()), Qt::TextWordWrap, text);
        }
        m_y += r.height();
    }

    void tabelle(const Berichtstabelle &t)
    {
        const int spalten = static_cast<int>(t.kopf.size());
        const double abstand = 3.0 * m_mm;
        QVector<double> breiten(spalten);
        double summe = 0.0;
        for (int c = 0; c < spalten; ++c) {
            breiten[c] =
                std::max(breite(m_fett, t.kopf[c]), c < t.muster.size() ? breite(m_text, t.muster[c]) : 0.0) + abstand;
            summe += breiten[c];
        }
        // Too wide for the page: every column gives up the same part (its texts are elided).
        if (summe > m_breite)
            for (double &b : breiten)
                b *= m_breite / summe;
        const double gesamt = std::min(summe, m_breite);
        const double h = zeilenhoehe();
        const auto ausrichtung = [&](int c) {
            return (c < t.rechtsbuendig.size() && t.rechtsbuendig[c] ? Qt::AlignRight : Qt::AlignLeft) |
                   Qt::AlignVCenter;
        };
        const auto zeile = [&](const QFont &f, const std::function<QString(int)> &text) {
            double x = 0.0;
            for (int c = 0; c < spalten; ++c) {
                const QRectF zelle(x + abstand / 2.0, m_y, breiten[c] - abstand, h);
                zeichne(f, zelle, ausrichtung(c), text(c));
                x += breiten[c];
            }
            m_y += h;
        };
        const auto kopf = [&] {
            zeile(m_fett, [&](int c) { return t.kopf[c]; });
            if (m_maler) {
                m_maler->setPen(QPen(Qt::black, 0.25 * m_mm));
                m_maler->drawLine(QPointF(0, m_y), QPointF(gesamt, m_y));
            }
        };
        platz(2.0 * h);
        kopf();
        for (int z = 0; z < t.zeilen; ++z) {
            if (m_y + h > m_unten) {
                neueSeite();
                kopf();
            }
            if (m_maler && z % 2 == 1)
                m_maler->fillRect(QRectF(0, m_y, gesamt, h), QColor(240, 240, 240));
            zeile(m_text, [&](int c) { return t.zelle(z, c); });
        }
    }

    QPagedPaintDevice &m_geraet;
    QPainter *m_maler;
    QString m_fusszeile;
    int m_seitenGesamt;
    double m_mm;
    QFont m_titel, m_ueberschrift, m_text, m_fett, m_klein;
    double m_breite = 0.0;
    double m_fussHoehe = 0.0;
    double m_unten = 0.0;
    double m_y = 0.0;
    int m_seite = 1;
};

int setzen(const Gewinnbericht &bericht, QPagedPaintDevice &geraet, QPainter *maler, int seitenGesamt)
{
    Setzer setzer(geraet, maler, bericht.fusszeile, seitenGesamt);
    setzer.titel(bericht.titel);
    for (const Berichtsabschnitt &a : bericht.abschnitte)
        setzer.abschnitt(a);
    return setzer.fertig();
}

const QString Druckfehler = QStringLiteral("Der Bericht konnte nicht gedruckt werden.");

} // namespace

int seitenzahl(const Gewinnbericht &bericht, QPagedPaintDevice &geraet)
{
    return setzen(bericht, geraet, nullptr, 0);
}

QString zeichnen(const Gewinnbericht &bericht, QPagedPaintDevice &geraet)
{
    const int seiten = seitenzahl(bericht, geraet);
    QPainter maler;
    if (!maler.begin(&geraet))
        return Druckfehler + Absatz + QStringLiteral("Das Ausgabegerät lässt sich nicht öffnen.");
    setzen(bericht, geraet, &maler, seiten);
    if (!maler.end())
        return Druckfehler;
    return QString();
}

QString alsPdf(const Gewinnbericht &bericht, const QString &datei)
{
    if (QString eigene = Eigendateien::pruefen(datei); !eigene.isEmpty())
        return eigene;
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly))
        return DateiFehlerText(datei, f.errorString(), true);
    QString fehler;
    {
        QPdfWriter pdf(&f);
        seiteEinrichten(pdf);
        pdf.setResolution(300);
        pdf.setTitle(bericht.titel);
        pdf.setCreator(Programmname + QLatin1Char(' ') + Programmversion);
        fehler = zeichnen(bericht, pdf);
    }
    if (!fehler.isEmpty()) {
        f.cancelWriting();
        return fehler;
    }
    if (!f.commit())
        return DateiFehlerText(datei, f.errorString(), true);
    return QString();
}

QString drucken(QWidget *eltern, const Gewinnbericht &bericht)
{
    QPrinter drucker(QPrinter::HighResolution);
    seiteEinrichten(drucker);
    drucker.setDocName(bericht.titel);
    drucker.setCreator(Programmname + QLatin1Char(' ') + Programmversion);
    if (!Druckdialog::waehlen(eltern, drucker))
        return QString();
    // Printing into a file writes that file in place.
    if (!drucker.outputFileName().isEmpty())
        if (QString eigene = Eigendateien::pruefen(drucker.outputFileName()); !eigene.isEmpty())
            return eigene;
    return zeichnen(bericht, drucker);
}

} // namespace Berichtsdruck
