// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AlleFenster.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

// Every window of the program, walked once: on a small screen each opens inside it, and each
// control can be told apart by a screen reader.

namespace {

const char *Bildschirmvariable = "QUINTARO_BILDSCHIRM";

// The controls a screen reader must name: buttons, fields, lists to pick from. Qt's own parts of
// composite widgets (a tab bar's scroll arrows, a spin box's line edit, a tool bar's extension
// button) are named by Qt or reached through their owner.
bool brauchtNamen(const QWidget *w)
{
    if (w->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<const QTabBar *>(w->parentWidget()))
        return false;
    if (qobject_cast<const QLineEdit *>(w) && (qobject_cast<const QAbstractSpinBox *>(w->parentWidget()) ||
                                               qobject_cast<const QComboBox *>(w->parentWidget())))
        return false;
    if (const auto *text = qobject_cast<const QTextEdit *>(w); text && text->isReadOnly())
        return false;
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w) ||
           qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w);
}

// Calls `pruefe` with the window as it is and once more with every page of each shown tab widget
// in front, then puts the pages back.
template<typename Pruefung>
void aufJederSeite(QWidget *fenster, Pruefung pruefe)
{
    pruefe();
    for (QTabWidget *seiten : fenster->findChildren<QTabWidget *>()) {
        if (!seiten->isVisible())
            continue;
        const int vorher = seiten->currentIndex();
        for (int i = 0; i < seiten->count(); ++i) {
            seiten->setCurrentIndex(i);
            pruefe();
        }
        seiten->setCurrentIndex(vorher);
    }
}

QString eintrag(const QWidget *fenster, const QWidget *w)
{
    return fenster->objectName() + QLatin1Char('/') + w->objectName() + QStringLiteral(" (") +
           QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(')');
}

// The shown controls of a window without a name, as "window/control (class)".
QStringList unbenannte(QWidget *fenster)
{
    QStringList ohne;
    aufJederSeite(fenster, [&] {
        for (QWidget *w : fenster->findChildren<QWidget *>()) {
            if (!w->isVisible() || w->window() != fenster || !brauchtNamen(w))
                continue;
            QAccessibleInterface *zugang = QAccessible::queryAccessibleInterface(w);
            const QString wer = eintrag(fenster, w);
            if ((!zugang || zugang->text(QAccessible::Name).trimmed().isEmpty()) && !ohne.contains(wer))
                ohne << wer;
        }
    });
    return ohne;
}

// The shown combo boxes whose name is not the text they show, as "window/control: name ≠ text".
// On Linux a combo box is read by its shown text; its caption comes through its buddy label.
QStringList kombisMitFremdemNamen(QWidget *fenster)
{
    QStringList falsch;
    aufJederSeite(fenster, [&] {
        for (QComboBox *box : fenster->findChildren<QComboBox *>()) {
            if (!box->isVisible() || box->window() != fenster || box->currentText().isEmpty())
                continue;
            QAccessibleInterface *zugang = QAccessible::queryAccessibleInterface(box);
            const QString name = zugang ? zugang->text(QAccessible::Name) : QString();
            const QString wer = eintrag(fenster, box) + QStringLiteral(": ") + name + QStringLiteral(" ≠ ") +
                                box->currentText();
            if (name != box->currentText() && !falsch.contains(wer))
                falsch << wer;
        }
    });
    return falsch;
}

} // namespace

// Run in a process of its own on a virtual screen of the size QUINTARO_BILDSCHIRM names.
class FensterImBild : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rahmenImVerfuegbarenBereich()
    {
        AlleFenster alle;
        const QRect platz = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(QStringLiteral("%1x%2").arg(platz.width()).arg(platz.height()),
                 qEnvironmentVariable(Bildschirmvariable));
        const QList<QWidget *> fenster = alle.fenster();
        QCOMPARE(fenster.size(), 14);
        for (QWidget *f : fenster) {
            const QRect rahmen = f->frameGeometry();
            QVERIFY2(platz.contains(rahmen), qPrintable(QStringLiteral("%1: %2,%3 %4x%5")
                                                            .arg(f->objectName())
                                                            .arg(rahmen.x())
                                                            .arg(rahmen.y())
                                                            .arg(rahmen.width())
                                                            .arg(rahmen.height())));
            // Shrunk only as far as its layout allows: nothing of it is squeezed.
            const QSize kleinste = f->minimumSizeHint();
            QVERIFY2(f->width() >= kleinste.width() && f->height() >= kleinste.height(), qPrintable(f->objectName()));
        }
    }
};

class TestAlleFenster : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void kleinerBildschirm_data()
    {
        QTest::addColumn<QSize>("bildschirm");
        QTest::newRow("1400x1000") << QSize(1400, 1000);
        QTest::newRow("1024x768") << QSize(1024, 768);
    }
    void kleinerBildschirm()
    {
        QFETCH(QSize, bildschirm);
        QTemporaryDir ordner;
        const QString konfiguration = ordner.filePath(QStringLiteral("bildschirm.json"));
        const QJsonObject schirm{{QStringLiteral("name"), QStringLiteral("klein")},
                                 {QStringLiteral("x"), 0},
                                 {QStringLiteral("y"), 0},
                                 {QStringLiteral("width"), bildschirm.width()},
                                 {QStringLiteral("height"), bildschirm.height()},
                                 {QStringLiteral("logicalDpi"), 96},
                                 {QStringLiteral("logicalBaseDpi"), 96},
                                 {QStringLiteral("dpr"), 1}};
        QFile datei(konfiguration);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(QJsonDocument(QJsonObject{{QStringLiteral("screens"), QJsonArray{schirm}}}).toJson());
        datei.close();

        QProcess kind;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + konfiguration);
        umgebung.insert(QString::fromLatin1(Bildschirmvariable),
                        QStringLiteral("%1x%2").arg(bildschirm.width()).arg(bildschirm.height()));
        kind.setProcessEnvironment(umgebung);
        kind.setProcessChannelMode(QProcess::MergedChannels);
        kind.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(kind.waitForFinished(240000));
        const QString ausgabe = QString::fromLocal8Bit(kind.readAll());
        QVERIFY2(kind.exitStatus() == QProcess::NormalExit && kind.exitCode() == 0, qPrintable(ausgabe));
    }

    // Every shown control of every window has a name a screen reader can say: its caption, its
    // buddy label's text or an accessible name.
    void jedesSteuerelementBenannt()
    {
        AlleFenster alle;
        QStringList ohne;
        for (QWidget *f : alle.fenster())
            ohne << unbenannte(f);
        QVERIFY2(ohne.isEmpty(), qPrintable(ohne.join(QStringLiteral(", "))));
    }

    // The windows every tool bar offers are in every window's tool bar, but its own.
    void jedeWerkzeugleisteHatDieFenster()
    {
        AlleFenster alle;
        const QList<QPair<QString, QString>> fensterknoepfe{
            {QStringLiteral("BSysteme"), QStringLiteral("FSysteme")},
            {QStringLiteral("BStrategietest"), QStringLiteral("FStrategietest")},
            {QStringLiteral("BGemeinschaft"), QStringLiteral("FGemeinschaft")}};
        QStringList fehlt;
        int leisten = 0;
        for (QWidget *f : alle.fenster()) {
            // The bars of commands, all of which offer the calculator (the update window's bar
            // holds only its help button).
            QStringList knoepfe;
            for (QToolBar *leiste : f->findChildren<QToolBar *>())
                for (QToolButton *k : leiste->findChildren<QToolButton *>())
                    knoepfe << k->objectName();
            if (!knoepfe.contains(QStringLiteral("BCalc")))
                continue;
            ++leisten;
            for (const auto &[knopf, fenster] : fensterknoepfe)
                if (f->objectName() != fenster && !knoepfe.contains(knopf))
                    fehlt << f->objectName() + QLatin1Char('/') + knopf;
            for (const auto &[knopf, fenster] : fensterknoepfe)
                if (f->objectName() == fenster && knoepfe.contains(knopf))
                    fehlt << f->objectName() + QStringLiteral(" opens itself");
        }
        QVERIFY2(leisten >= 7, qPrintable(QString::number(leisten)));
        QVERIFY2(fehlt.isEmpty(), qPrintable(fehlt.join(QStringLiteral(", "))));
    }

    // A screen reader says a combo box's shown text, date lists included.
    void kombisHeissenWieIhrText()
    {
        AlleFenster alle;
        QStringList falsch;
        int kombis = 0;
        for (QWidget *f : alle.fenster()) {
            falsch << kombisMitFremdemNamen(f);
            kombis += static_cast<int>(f->findChildren<QComboBox *>().size());
        }
        QVERIFY(kombis > 0);
        QVERIFY2(falsch.isEmpty(), qPrintable(falsch.join(QStringLiteral(", "))));
    }
};

int main(int argc, char **argv)
{
    QApplication anwendung(argc, argv);
    if (qEnvironmentVariableIsSet(Bildschirmvariable)) {
        FensterImBild pruefung;
        return QTest::qExec(&pruefung, argc, argv);
    }
    TestAlleFenster test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_allefenster.moc"
