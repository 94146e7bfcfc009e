// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../../syndicate/Gemeinschaftsdaten.h"
#include "Bildschirmfoto.h"
#include "Pdfwerkzeuge.h"
#include "Testumgebung.h"

#include "support/Attrappen.h"
#include "syndicate/Kontoauszug.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/gemeinschaft/Formular.h"
#include "ui/gemeinschaft/Gemeinschaftsfenster.h"
#include "ui/gemeinschaft/Gemeinschaftsmodelle.h"
#include "ui/haupt/Hauptfenster.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace Gemeinschaftsdaten;

namespace {

QAction *menueeintrag(QWidget *fenster, const QString &text)
{
    for (QAction *a : fenster->findChildren<QAction *>())
        if (a->text() == text)
            return a;
    return nullptr;
}

// The dialog that the window opened last under this name.
Formular *dialog(QWidget *fenster, const QString &name)
{
    QCoreApplication::processEvents();
    Formular *gefunden = nullptr;
    for (Formular *f : fenster->findChildren<Formular *>(name))
        if (f->isVisible())
            gefunden = f;
    return gefunden;
}

void tippe(Formular *f, const QString &feld, const QString &text)
{
    auto *e = f->findChild<QLineEdit *>(feld);
    QVERIFY(e);
    e->clear();
    QTest::keyClicks(e, text);
}

void ok(Formular *f)
{
    QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("BOk")), Qt::LeftButton);
    QCoreApplication::processEvents();
}

} // namespace

class TestGemeinschaftsfenster : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A syndicate of three members and one ticket, settled over 20 draws, a payment and a
    // payout, and a member's statement printed to PDF that shows the member's balance.
    void ablauf()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        DruckAttrappe druck;
        u.zustand.Ziehungen = historie(20);
        const QString schein = u.pfad(QStringLiteral("Woche.qtt"));
        QVERIFY(schreibeDatei(schein, zweiReihen()));

        auto *f = new TFGemeinschaft(u.zustand, u.befehle());
        QPointer<TFGemeinschaft> fenster(f);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QVERIFY(!f->findChild<QPushButton *>(QStringLiteral("BAbrechnen"))->isEnabled());

        // Datei > Neue Tippgemeinschaft...
        const QString datei = u.pfad(QStringLiteral("Kegelclub.qtgem"));
        dialoge.speichernAntworten << datei;
        menueeintrag(f, QStringLiteral("&Neue Tippgemeinschaft..."))->trigger();
        QVERIFY(QFileInfo::exists(datei));
        QVERIFY(f->findChild<QLabel *>(QStringLiteral("LName"))->text().contains(QStringLiteral("Kegelclub")));

        struct Neu { QString name; int anteile; QDate ab; };
        for (const Neu &n : {Neu{QStringLiteral("Anna"), 2, QDate(2024, 1, 1)}, Neu{QStringLiteral("Bert"), 1, QDate(2024, 1, 1)},
                             Neu{QStringLiteral("Carla"), 1, QDate(2024, 2, 1)}}) {
            QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("BMitglied")), Qt::LeftButton);
            Formular *d = dialog(f, QStringLiteral("FMitglied"));
            QVERIFY(d);
            tippe(d, QStringLiteral("EName"), n.name);
            d->findChild<QSpinBox *>(QStringLiteral("EAnteile"))->setValue(n.anteile);
            d->findChild<QDateEdit *>(QStringLiteral("EAb"))->setDate(n.ab);
            if (n.name == QLatin1String("Carla"))
                bildSichern(d, QStringLiteral("gemeinschaft-dialog-mitglied"));
            ok(d);
            QVERIFY(!dialog(f, QStringLiteral("FMitglied")));
        }
        QCOMPARE(f->konten()->rowCount(), 3);

        dialoge.oeffnenAntworten << QStringList{schein};
        f->seiten()->setCurrentIndex(2);
        QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("BScheinHinzu")), Qt::LeftButton);
        Formular *d = dialog(f, QStringLiteral("FSchein"));
        QVERIFY(d);
        d->findChild<QDateEdit *>(QStringLiteral("EAb"))->setDate(QDate(2024, 1, 1));
        ok(d);
        QCOMPARE(f->scheine()->rowCount(), 1);
        f->findChild<QTableView *>(QStringLiteral("GScheine"))->setCurrentIndex(f->scheine()->index(0, 0));
        bildSichern(f, QStringLiteral("gemeinschaft-tippscheine"));

        // Settle up to the 20th draw.
        f->findChild<QDateEdit *>(QStringLiteral("EAbrechnenBis"))->setDate(ersteZiehung().addDays(7 * 19));
        QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("BAbrechnen")), Qt::LeftButton);
        QVERIFY2(f->findChild<QLabel *>(QStringLiteral("LAbrechnung"))->text().startsWith(QStringLiteral("20 Ziehungen abgerechnet")),
                 qPrintable(f->findChild<QLabel *>(QStringLiteral("LAbrechnung"))->text()));
        QVERIFY(meldungen.eintraege.isEmpty());

        // A payment for Anna, chosen in the list; a wrong amount first, which keeps the dialog.
        f->seiten()->setCurrentIndex(0);
        auto *mitglieder = f->findChild<QTableView *>(QStringLiteral("GMitglieder"));
        mitglieder->setCurrentIndex(f->konten()->index(0, 0));
        QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("BEinzahlung")), Qt::LeftButton);
        d = dialog(f, QStringLiteral("FBuchung"));
        QVERIFY(d);
        QCOMPARE(d->findChild<QComboBox *>(QStringLiteral("ComboMitglied"))->currentText(), QStringLiteral("Anna"));
        tippe(d, QStringLiteral("EBetrag"), QStringLiteral("50,005"));
        ok(d);
        QCOMPARE(meldungen.eintraege.size(), 1);
        QVERIFY(meldungen.eintraege[0].text.contains(QStringLiteral("kein Betrag")));
        QVERIFY(dialog(f, QStringLiteral("FBuchung")));
        tippe(d, QStringLiteral("EBetrag"), QStringLiteral("50,00"));
        d->findChild<QDateEdit *>(QStringLiteral("EDatum"))->setDate(QDate(2024, 6, 1));
        ok(d);
        QVERIFY(!dialog(f, QStringLiteral("FBuchung")));

        mitglieder->setCurrentIndex(f->konten()->index(1, 0));
        QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("BAuszahlung")), Qt::LeftButton);
        d = dialog(f, QStringLiteral("FBuchung"));
        QCOMPARE(d->findChild<QComboBox *>(QStringLiteral("ComboMitglied"))->currentText(), QStringLiteral("Bert"));
        tippe(d, QStringLiteral("EBetrag"), QStringLiteral("10"));
        d->findChild<QDateEdit *>(QStringLiteral("EDatum"))->setDate(QDate(2024, 6, 2));
        ok(d);

        // The grid shows what the file says.
        Kontenstand stand;
        QCOMPARE(f->gemeinschaft().kontenLesen(stand, QDate::currentDate()), QString());
        const QLocale &l = u.zustand.Formateinstellungen;
        for (int z = 0; z < 3; ++z)
            QVERIFY(f->konten()->index(z, 7).data().toString().startsWith(CentText(stand.konten[z].saldo(), l)));
        QCOMPARE(stand.konten[0].eingezahlt, 5000);
        QCOMPARE(stand.konten[1].ausgezahlt, 1000);
        f->seiten()->setCurrentIndex(1);
        QCOMPARE(f->kasse()->rowCount(), 20 + 2 + 2); // stakes, two wins, payment, payout
        bildSichern(f, QStringLiteral("gemeinschaft-kasse"));
        f->seiten()->setCurrentIndex(0);
        bildSichern(f, QStringLiteral("gemeinschaft-mitglieder"));

        // The ledger filtered by member and kind.
        auto *comboMitglied = f->findChild<QComboBox *>(QStringLiteral("ComboMitglied"));
        comboMitglied->setCurrentIndex(comboMitglied->findText(QStringLiteral("Carla")));
        for (const Eintrag &e : f->kasse()->eintraege())
            QVERIFY(e.datum >= QDate(2024, 2, 1));
        f->findChild<QComboBox *>(QStringLiteral("ComboArt"))->setCurrentIndex(1 + static_cast<int>(Art::Gewinn));
        QCOMPARE(f->kasse()->rowCount(), 1); // the win of 10.02., not the one before Carla joined
        comboMitglied->setCurrentIndex(0);
        f->findChild<QComboBox *>(QStringLiteral("ComboArt"))->setCurrentIndex(0);

        // Anna's statement to PDF: its balance is the one of the file.
        const QString pdf = u.pfad(QStringLiteral("Auszug Anna.pdf"));
        druck.datei = pdf;
        mitglieder->setCurrentIndex(f->konten()->index(0, 0));
        QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("BAuszug")), Qt::LeftButton);
        d = dialog(f, QStringLiteral("FAuszug"));
        QVERIFY(d);
        d->findChild<QDateEdit *>(QStringLiteral("EVon"))->setDate(QDate(2024, 1, 1));
        d->findChild<QDateEdit *>(QStringLiteral("EBis"))->setDate(QDate(2024, 12, 31));
        ok(d);
        QCOMPARE(druck.gefragt, 1);
        const QString text = Pdfwerkzeuge::text(pdf);
        QVERIFY2(!text.isEmpty(), "pdftotext");
        QVERIFY(text.contains(QStringLiteral("Kontoauszug Anna")));
        const QRegularExpression ende(QStringLiteral("Saldo am Ende:\\s+(\\S+)"));
        const QRegularExpressionMatch treffer = ende.match(text);
        QVERIFY2(treffer.hasMatch(), qPrintable(text));
        QCOMPARE(treffer.captured(1), CentText(stand.konten[0].saldo(), l));
        QVERIFY(text.contains(QStringLiteral("Ihre Anteile an den Gewinnen")));
        if (!bildordner().isEmpty())
            Pdfwerkzeuge::alsBild(pdf, 1, bildordner() + QStringLiteral("/gemeinschaft-kontoauszug"));

        // The overview of all members, printed to PDF.
        const QString uebersicht = u.pfad(QStringLiteral("Uebersicht.pdf"));
        druck.datei = uebersicht;
        f->findChild<QAction *>(QStringLiteral("AUebersicht"))->trigger();
        const QString alle = Pdfwerkzeuge::text(uebersicht);
        for (const QString &name : {QStringLiteral("Anna"), QStringLiteral("Bert"), QStringLiteral("Carla")})
            QVERIFY2(alle.contains(name), qPrintable(alle));
        QVERIFY(alle.contains(QStringLiteral("Kasse:")));
        const QRegularExpressionMatch kasseText = QRegularExpression(QStringLiteral("Kasse:\\s+(\\S+)")).match(alle);
        QVERIFY2(kasseText.hasMatch(), qPrintable(alle));
        QCOMPARE(kasseText.captured(1), CentText(stand.kasse, l));
        if (!bildordner().isEmpty())
            Pdfwerkzeuge::alsBild(uebersicht, 1, bildordner() + QStringLiteral("/gemeinschaft-uebersicht"));

        // The ledger as a CSV file: captions, then one line per entry.
        f->seiten()->setCurrentIndex(1);
        const QString csv = u.pfad(QStringLiteral("Kasse.csv"));
        dialoge.speichernAntworten << csv;
        QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("BCsv")), Qt::LeftButton);
        const QStringList zeilen = QString::fromUtf8(leseDatei(csv)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), 1 + 24);
        QCOMPARE(zeilen[0], QStringLiteral("Nr.,Datum,Art,Mitglied,Betrag,Text,Storniert"));
        QVERIFY(zeilen.constLast().startsWith(QStringLiteral("24,02.06.2024,Auszahlung,Bert,\"10,00\"")));

        // A cancellation after the question.
        auto *kasse = f->findChild<QTableView *>(QStringLiteral("GKasse"));
        kasse->setCurrentIndex(f->kasse()->index(f->kasse()->rowCount() - 1, 0));
        meldungen.antworten << Meldungen::Antwort::Ja;
        QTest::mouseClick(f->findChild<QPushButton *>(QStringLiteral("BStorno")), Qt::LeftButton);
        QCOMPARE(f->kasse()->rowCount(), 25);
        QCOMPARE(f->kasse()->eintraege().constLast().storniert, 24);
        QCOMPARE(meldungen.eintraege.size(), 2);

        // Closing remembers the file; the next window finds it under "recently used".
        f->close();
        QTRY_VERIFY(fenster.isNull());
        Einstellungen e(u.zustand.einstellungsdatei());
        QCOMPARE(e.LeseText(QStringLiteral("Tippgemeinschaft"), QStringLiteral("Datei1"), QString()),
                 QFileInfo(datei).absoluteFilePath());
    }

    // A file that is no syndicate is refused with a message; the open one stays open.
    void fremdeDatei()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        TFGemeinschaft f(u.zustand, u.befehle());
        f.setAttribute(Qt::WA_DeleteOnClose, false);
        const QString gut = u.pfad(QStringLiteral("gut.qtgem"));
        {
            Gemeinschaft g;
            QCOMPARE(g.anlegen(gut, QStringLiteral("Gut")), QString());
        }
        QVERIFY(f.dateiOeffnen(gut));
        const QString fremd = u.pfad(QStringLiteral("fremd.qtgem"));
        QVERIFY(schreibeDatei(fremd, "keine Datenbank"));
        dialoge.oeffnenAntworten << QStringList{fremd};
        menueeintrag(&f, QStringLiteral("Tippgemeinschaft \u00F6&ffnen..."))->trigger();
        QCOMPARE(meldungen.eintraege.size(), 1);
        QVERIFY(meldungen.eintraege[0].text.contains(QStringLiteral("keine Tippgemeinschaft")));
        QCOMPARE(leseDatei(fremd), QByteArray("keine Datenbank"));
        QCOMPARE(f.gemeinschaft().name(), QStringLiteral("Gut"));
    }

    // The main window's File menu opens the window and the file in it.
    void hauptmenue()
    {
        Testumgebung u;
        MeldungsRecorder meldungen;
        DialogAttrappe dialoge;
        const QString datei = u.pfad(QStringLiteral("Verein.qtgem"));
        {
            Gemeinschaft g;
            QCOMPARE(g.anlegen(datei, QStringLiteral("Verein")), QString());
        }
        TFAuswertung haupt(u.zustand, u.befehle());
        dialoge.oeffnenAntworten << QStringList{datei};
        menueeintrag(&haupt, QStringLiteral("Tippgemeinschaft \u00F6&ffnen..."))->trigger();
        auto *f = qobject_cast<TFGemeinschaft *>(findeFenster(QStringLiteral("FGemeinschaft")));
        QVERIFY(f);
        QCOMPARE(f->gemeinschaft().name(), QStringLiteral("Verein"));
        QVERIFY(u.befehle().aktion(Befehle::Art::Gemeinschaft)->isEnabled());
        f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // "Zuletzt verwendet" lists it now.
        auto *zuletzt = haupt.findChild<QMenu *>(QStringLiteral("MGemeinschaftZuletzt"));
        QVERIFY(zuletzt);
        Q_EMIT zuletzt->aboutToShow();
        QCOMPARE(zuletzt->actions().size(), 1);
        QVERIFY(zuletzt->actions()[0]->text().endsWith(QStringLiteral("Verein.qtgem")));
        zuletzt->actions()[0]->trigger();
        f = qobject_cast<TFGemeinschaft *>(findeFenster(QStringLiteral("FGemeinschaft")));
        QVERIFY(f && f->gemeinschaft().offen());
        QVERIFY(meldungen.eintraege.isEmpty());
        delete f;
    }
};

QTEST_MAIN(TestGemeinschaftsfenster)
#include "tst_gemeinschaftsfenster.moc"
