#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "cli/Kommandos.h"

#include "model/Datum.h"
#include "statistics/Statistik.h"

#include <QRegularExpression>

#include <QJsonArray>

namespace {
QJsonObject zeitraumJson(const Zustand &z, const Zeitraum &zeitraum)
{
    return QJsonObject{{QStringLiteral("von"), IsoDatum(z.Ziehungen[zeitraum.von].datum)},
                       {QStringLiteral("bis"), IsoDatum(z.Ziehungen[zeitraum.bis].datum)},
                       {QStringLiteral("ziehungen"), zeitraum.bis - zeitraum.von + 1}};
}

// "zahl: anzahl" pairs, seven to a line, as the numbers stand on the ticket.
QString paare(const QVector<std::pair<int, int>> &liste)
{
    QString text;
    for (qsizetype i = 0; i < liste.size(); ++i) {
        text += QStringLiteral("%1: %2").arg(liste[i].first, 2).arg(liste[i].second, -6);
        text += (i % 7 == 6 || i + 1 == liste.size()) ? QStringLiteral("\n") : QStringLiteral("  ");
    }
    return text.replace(QRegularExpression(QStringLiteral(" +\\n")), QStringLiteral("\n"));
}
} // namespace

int Statistik(const Aufruf &a)
{
    std::optional<QDate> von, bis;
    for (const auto &[name, ziel] : {std::pair{QStringLiteral("von"), &von}, std::pair{QStringLiteral("bis"), &bis}}) {
        if (!a.hat(name))
            continue;
        *ziel = DatumLesen(a.wert(name));
        if (!*ziel)
            return Falschaufruf(
                QStringLiteral("\u201E%1\u201C ist kein Datum (JJJJ-MM-TT oder TT.MM.JJJJ).").arg(a.wert(name)));
    }

    Zustand zustand;
    zustand.Formateinstellungen = QLocale::system();
    Historie historie = HistorieLesen(a.datenordner);
    if (!historie.fehler.isEmpty())
        return Ablehnen(historie.fehler);
    zustand.Ziehungen = std::move(historie.ziehungen);
    const Zeitraum zeitraum = ZeitraumWaehlen(zustand.Ziehungen, von, bis, true, zustand.Formateinstellungen);
    if (!zeitraum.fehler.isEmpty())
        return Ablehnen(zeitraum.fehler);

    StatistikStart(zustand);
    TeilStatistik(zustand, zeitraum.von, zeitraum.bis);
    QVector<std::pair<int, int>> haeufigkeiten;
    for (int n = 1; n <= MaxZahl; ++n)
        haeufigkeiten.append({n, zustand.Haeufigkeiten[static_cast<std::size_t>(n)]});
    QVector<std::pair<int, int>> ausgeblieben;
    for (const Ausgebliebene &aus : Ausgeblieben(zustand, zeitraum.von, zeitraum.bis))
        ausgeblieben.append({aus.zahl, aus.anzahl});

    if (a.json) {
        const auto liste = [](const QVector<std::pair<int, int>> &werte) {
            QJsonArray feld;
            for (const auto &[zahl, anzahl] : werte)
                feld.append(QJsonObject{{QStringLiteral("zahl"), zahl}, {QStringLiteral("anzahl"), anzahl}});
            return feld;
        };
        JsonAusgeben(QJsonObject{{QStringLiteral("zeitraum"), zeitraumJson(zustand, zeitraum)},
                                 {QStringLiteral("haeufigkeiten"), liste(haeufigkeiten)},
                                 {QStringLiteral("ausgeblieben"), liste(ausgeblieben)}});
        return Erfolg;
    }
    const QLocale &locale = zustand.Formateinstellungen;
    QString text = QStringLiteral("Zeitraum: %1 bis %2 (%3 Ziehungen)\n\n")
                       .arg(Datum::kurz(zustand.Ziehungen[zeitraum.von].datum, locale),
                            Datum::kurz(zustand.Ziehungen[zeitraum.bis].datum, locale))
                       .arg(zeitraum.bis - zeitraum.von + 1);
    text += QStringLiteral("So oft gezogen (Zahl: Anzahl):\n") + paare(haeufigkeiten);
    text += QStringLiteral("\nSo viele Ziehungen ausgeblieben, am l\u00E4ngsten zuerst (Zahl: Ziehungen):\n") +
            paare(ausgeblieben);
    Ausgeben(text);
    return Erfolg;
}
