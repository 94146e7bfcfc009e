// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "strategy/Strategie.h"

#include "generator/Zufallsauswahl.h"
#include "model/Tippscheindatei.h"
#include "statistics/Musterstatistik.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

const QString SchluesselArt = QStringLiteral("art");

QString strategieZahlenText(const std::vector<int> &zahlen)
{
    QStringList teile;
    for (int z : zahlen)
        teile << QString::number(z);
    return teile.join(QLatin1Char(','));
}

QString strategieMengenText(const Zahlenmenge &menge)
{
    return MengeZuText(menge, MaxZahl, QStringLiteral(","));
}

Zahlenmenge strategieMengeAusText(const QString &text)
{
    Zahlenmenge m;
    for (int z : ZahlenAusListe(text))
        m.hinzu(static_cast<std::uint8_t>(z));
    return m;
}

const std::array<std::pair<Strategieart, const char *>, 4> Artschluessel{{
    {Strategieart::Schein, "schein"},
    {Strategieart::System, "system"},
    {Strategieart::Zufall, "zufall"},
    {Strategieart::Regel, "regel"},
}};

const std::array<std::pair<Rangfolge, const char *>, 3> Rangschluessel{{
    {Rangfolge::Haeufigste, "haeufigste"},
    {Rangfolge::Seltenste, "seltenste"},
    {Rangfolge::Ausgeblieben, "ausgeblieben"},
}};

std::optional<Garantie> garantieAusText(const QString &text, bool &ok)
{
    ok = true;
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const QStringList tm = text.split(QLatin1Char(':'));
    bool okT = false;
    bool okM = false;
    const Garantie g{tm.value(0).toInt(&okT), tm.value(1).toInt(&okM)};
    ok = tm.size() == 2 && okT && okM;
    return ok ? std::optional<Garantie>(g) : std::nullopt;
}

} // namespace

QString ArtText(Strategieart art)
{
    switch (art) {
    case Strategieart::Schein: return QStringLiteral("Fester Schein");
    case Strategieart::System: return QStringLiteral("System");
    case Strategieart::Zufall: return QStringLiteral("Zufallsreihen");
    case Strategieart::Regel: return QStringLiteral("Statistikregel");
    }
    return QString();
}

QString RangfolgeText(Rangfolge rangfolge)
{
    switch (rangfolge) {
    case Rangfolge::Haeufigste: return QStringLiteral("h\u00E4ufigste");
    case Rangfolge::Seltenste: return QStringLiteral("seltenste");
    case Rangfolge::Ausgeblieben: return QStringLiteral("am l\u00E4ngsten ausgeblieben");
    }
    return QString();
}

QString StandardName(const Strategie &s)
{
    const QString art = ArtText(s.art) + QStringLiteral(": ");
    const QString garantie = s.garantie ? QStringLiteral(" (%1)").arg(GarantieKurz(*s.garantie)) : QString();
    switch (s.art) {
    case Strategieart::Schein:
        return art + (s.datei.isEmpty() ? QStringLiteral("Tab \u201E%1\u201C").arg(s.tab) : QFileInfo(s.datei).fileName());
    case Strategieart::System:
        return art + strategieZahlenText(s.zahlen) + garantie;
    case Strategieart::Zufall:
        return art + QStringLiteral("%1 je Ziehung").arg(s.vorgaben.ZufReihenAnz);
    case Strategieart::Regel: {
        const QString fenster = s.fenster > 0 ? QString::number(s.fenster) : QStringLiteral("allen");
        return art + QStringLiteral("%1 %2 aus %3").arg(s.anzahl).arg(RangfolgeText(s.rangfolge), fenster) + garantie;
    }
    }
    return art;
}

QString ScheinLaden(Strategie &s)
{
    if (ReihenImSchein(s))
        return s.reihen.isEmpty() ? QStringLiteral("Der Tab \u201E%1\u201C enth\u00E4lt keine Tippreihe.").arg(s.tab)
                                  : QString();
    s.reihen.clear();
    if (!QFileInfo(s.datei).isFile())
        return QStringLiteral("Der Tippschein \u201E%1\u201C wurde nicht gefunden.").arg(s.datei);
    TextTabelle tabelle(TippreihenSpalten, 1);
    QString antGes = QStringLiteral("1");
    QString antMeine = QStringLiteral("1");
    const QString fehler = ScheinEinlesen(tabelle, antGes, antMeine, s.datei, [](const QString &) { return 0; });
    if (!fehler.isEmpty())
        return fehler;
    s.reihen = TippreihenAusTabelle(tabelle);
    s.antGes = AnteilAusText(antGes).value_or(1);
    s.antMeine = AnteilAusText(antMeine).value_or(1);
    return QString();
}

QString StrategiePruefen(const Strategie &s)
{
    if (s.festeZusatzzahl > MaxZusatzzahl)
        return QStringLiteral("Die Zusatzzahl muss zwischen 1 und 10 liegen.");
    switch (s.art) {
    case Strategieart::Schein:
        if (s.reihen.isEmpty())
            return QStringLiteral("Der Tippschein \u201E%1\u201C enth\u00E4lt keine Tippreihe.")
                .arg(s.datei.isEmpty() ? s.tab : QFileInfo(s.datei).fileName());
        return QString();
    case Strategieart::System:
        return SystemPruefen(s.zahlen, s.garantie);
    case Strategieart::Zufall: {
        if (MoeglicheReihen(s.vorgaben) == 0)
            return QStringLiteral("Mit diesen Bankzahlen, Quotenkillern und Filtern gibt es keine Tippreihe.");
        return ZufallPruefen(s.vorgaben);
    }
    case Strategieart::Regel: {
        if (s.anzahl < MinRegelzahlen || s.anzahl > MaxRegelzahlen)
            return QStringLiteral("Eine Statistikregel spielt 6 bis 12 Zahlen.");
        if (s.fenster != 0 && s.fenster < MinFenster)
            return QStringLiteral("Das Fenster einer Statistikregel umfasst mindestens 10 Ziehungen oder alle.");
        std::vector<int> platzhalter;
        for (int z = 1; z <= s.anzahl; ++z)
            platzhalter.push_back(z);
        return SystemPruefen(platzhalter, s.garantie);
    }
    }
    return QString();
}

QList<std::pair<QString, QString>> StrategieAlsEintraege(const Strategie &s)
{
    QList<std::pair<QString, QString>> e;
    for (const auto &[art, schluessel] : Artschluessel)
        if (art == s.art)
            e.append({SchluesselArt, QLatin1String(schluessel)});
    e.append({QStringLiteral("name"), s.name});
    const QString zz = s.festeZusatzzahl ? QString::number(s.festeZusatzzahl) : QString();
    const QString garantie = s.garantie ? QStringLiteral("%1:%2").arg(s.garantie->richtige).arg(s.garantie->wenn)
                                        : QString();
    switch (s.art) {
    case Strategieart::Schein:
        if (!s.datei.isEmpty()) {
            e.append({QStringLiteral("datei"), s.datei});
            break;
        }
        // Rows of a tab: "1 2 3 4 5 6" per row, rows joined by "/", numbers out of range as 0.
        {
            QStringList reihen;
            for (const Tippreihe &r : s.reihen)
                reihen << QStringLiteral("%1 %2 %3 %4 %5 %6")
                              .arg(r.zahlen[0])
                              .arg(r.zahlen[1])
                              .arg(r.zahlen[2])
                              .arg(r.zahlen[3])
                              .arg(r.zahlen[4])
                              .arg(r.zusatzzahl);
            e.append({QStringLiteral("tab"), s.tab});
            e.append({QStringLiteral("reihen"), reihen.join(QLatin1Char('/'))});
            e.append({QStringLiteral("anteile"), QStringLiteral("%1/%2").arg(s.antGes).arg(s.antMeine)});
        }
        break;
    case Strategieart::System:
        e.append({QStringLiteral("zahlen"), strategieZahlenText(s.zahlen)});
        e.append({QStringLiteral("garantie"), garantie});
        e.append({QStringLiteral("schritte"), QString::number(s.schritte)});
        e.append({QStringLiteral("zz"), zz});
        break;
    case Strategieart::Zufall:
        e.append({QStringLiteral("reihen"), QString::number(s.vorgaben.ZufReihenAnz)});
        e.append({QStringLiteral("bank"), strategieMengenText(s.vorgaben.BZGewaehlt)});
        e.append({QStringLiteral("killer"), strategieMengenText(s.vorgaben.KillGewaehlt)});
        e.append({QStringLiteral("favoriten"), strategieMengenText(s.vorgaben.FavGewaehlt)});
        for (const Musterart m : AlleMusterarten)
            e.append({Musterschluessel(m), s.vorgaben.filter.text(m)});
        e.append({QStringLiteral("zz"), zz});
        break;
    case Strategieart::Regel:
        for (const auto &[rang, schluessel] : Rangschluessel)
            if (rang == s.rangfolge)
                e.append({QStringLiteral("rang"), QLatin1String(schluessel)});
        e.append({QStringLiteral("anzahl"), QString::number(s.anzahl)});
        e.append({QStringLiteral("fenster"), s.fenster > 0 ? QString::number(s.fenster) : QStringLiteral("alle")});
        e.append({QStringLiteral("garantie"), garantie});
        e.append({QStringLiteral("schritte"), QString::number(s.schritte)});
        e.append({QStringLiteral("zz"), zz});
        break;
    }
    return e;
}

std::optional<Strategie> StrategieAusEintraegen(const QList<std::pair<QString, QString>> &eintraege)
{
    const auto wert = [&](const char *schluessel) {
        for (const auto &[k, w] : eintraege)
            if (k == QLatin1String(schluessel))
                return w;
        return QString();
    };
    Strategie s;
    bool artGefunden = false;
    for (const auto &[art, schluessel] : Artschluessel)
        if (wert("art") == QLatin1String(schluessel)) {
            s.art = art;
            artGefunden = true;
        }
    if (!artGefunden)
        return std::nullopt;
    s.name = wert("name");
    bool ok = true;
    s.garantie = garantieAusText(wert("garantie"), ok);
    if (!ok)
        return std::nullopt;
    if (const QString zz = wert("zz"); !zz.isEmpty()) {
        const int z = zz.toInt(&ok);
        if (!ok || !istZusatzzahl(z))
            return std::nullopt;
        s.festeZusatzzahl = static_cast<std::uint8_t>(z);
    }
    if (const QString schritte = wert("schritte"); !schritte.isEmpty()) {
        s.schritte = schritte.toLongLong(&ok);
        if (!ok || s.schritte < 1)
            return std::nullopt;
    }
    switch (s.art) {
    case Strategieart::Schein: {
        s.datei = wert("datei");
        if (!s.datei.isEmpty())
            break;
        s.tab = wert("tab");
        for (const QString &zeile : wert("reihen").split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            const QStringList z = zeile.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (z.size() != 6)
                return std::nullopt;
            Tippreihe r;
            for (int i = 0; i < 6; ++i) {
                // Kept as written: a number out of range simply never hits, as in the tab.
                const int n = z[i].toInt(&ok);
                if (!ok || n < 0 || n > 255)
                    return std::nullopt;
                (i < 5 ? r.zahlen[static_cast<std::size_t>(i)] : r.zusatzzahl) = static_cast<std::uint8_t>(n);
            }
            s.reihen.append(r);
        }
        const QStringList anteile = wert("anteile").split(QLatin1Char('/'));
        s.antGes = std::max(1, anteile.value(0).toInt());
        s.antMeine = std::clamp(anteile.value(1).toInt(), 0, s.antGes);
        if (s.reihen.isEmpty())
            return std::nullopt;
        break;
    }
    case Strategieart::System:
        for (int z : ZahlenAusListe(wert("zahlen")))
            s.zahlen.push_back(z);
        break;
    case Strategieart::Zufall: {
        s.vorgaben.ZufReihenAnz = wert("reihen").toInt(&ok);
        if (!ok || s.vorgaben.ZufReihenAnz < 1)
            return std::nullopt;
        s.vorgaben.BZGewaehlt = strategieMengeAusText(wert("bank"));
        s.vorgaben.KillGewaehlt = strategieMengeAusText(wert("killer"));
        s.vorgaben.FavGewaehlt = strategieMengeAusText(wert("favoriten"));
        for (const Musterart m : AlleMusterarten) {
            const QString text = wert(Musterschluessel(m).toLatin1().constData());
            bool gut = false;
            s.vorgaben.filter.setze(m, Musterfilter::lesen(m, text, &gut));
            if (!gut && !text.trimmed().isEmpty())
                return std::nullopt;
        }
        break;
    }
    case Strategieart::Regel: {
        bool rangGefunden = false;
        for (const auto &[rang, schluessel] : Rangschluessel)
            if (wert("rang") == QLatin1String(schluessel)) {
                s.rangfolge = rang;
                rangGefunden = true;
            }
        s.anzahl = wert("anzahl").toInt(&ok);
        if (!rangGefunden || !ok)
            return std::nullopt;
        const QString fenster = wert("fenster");
        s.fenster = fenster == QLatin1String("alle") ? 0 : fenster.toInt(&ok);
        if (!ok)
            return std::nullopt;
        break;
    }
    }
    return s;
}

QString EintraegeAlsZeile(const QList<std::pair<QString, QString>> &eintraege)
{
    const auto schuetzen = [](QString t) {
        t.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        t.replace(QLatin1Char(';'), QStringLiteral("\\;"));
        return t;
    };
    QStringList teile;
    for (const auto &[k, w] : eintraege)
        teile << schuetzen(k) + QLatin1Char('=') + schuetzen(w);
    return teile.join(QLatin1Char(';'));
}

QList<std::pair<QString, QString>> EintraegeAusZeile(const QString &zeile)
{
    QList<std::pair<QString, QString>> e;
    QStringList teile{QString()};
    for (qsizetype i = 0; i < zeile.size(); ++i) {
        const QChar c = zeile[i];
        if (c == QLatin1Char('\\') && i + 1 < zeile.size())
            teile.last() += zeile[++i];
        else if (c == QLatin1Char(';'))
            teile << QString();
        else
            teile.last() += c;
    }
    // The escapes are gone now, so the first "=" of a part splits it; a path may hold more.
    for (const QString &teil : teile) {
        const qsizetype gleich = teil.indexOf(QLatin1Char('='));
        if (gleich > 0)
            e.append({teil.left(gleich), teil.mid(gleich + 1)});
    }
    return e;
}
