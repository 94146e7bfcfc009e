// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Programmlauf.h"

#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// `cmake --install` into a temporary prefix, and what a desktop does with the installed files.
class TestInstallation : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_prefix;

    QString pfad(const QString &relativ) const { return m_prefix + QLatin1Char('/') + relativ; }

    static QString laufe(const QString &programm, const QStringList &argumente, int *code)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(programm, argumente);
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
        }
        *code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        return QString::fromUtf8(p.readAll());
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_prefix = m_tmp.filePath(QStringLiteral("prefix mit Leerzeichen"));
        int code = -1;
        const QString ausgabe = laufe(
            QStringLiteral(QUINTARO_CMAKE),
            {QStringLiteral("--install"), QStringLiteral(QUINTARO_BUILDDIR), QStringLiteral("--prefix"), m_prefix},
            &code);
        QVERIFY2(code == 0, qPrintable(ausgabe));
    }

    void dateienDa()
    {
        const QStringList dateien{
            QStringLiteral("libexec/quintaro-analyser/quintaro-analyser"),
            QStringLiteral("libexec/quintaro-analyser/quintaro-xls-leser"),
            QStringLiteral("libexec/quintaro-analyser/Quintaro Analyser.chm"),
            QStringLiteral("libexec/quintaro-analyser/translations/qtbase_de.qm"),
            QStringLiteral("share/applications/org.example.quintaro_analyser.desktop"),
            QStringLiteral("share/metainfo/org.example.quintaro_analyser.metainfo.xml"),
            QStringLiteral("share/man/man1/quintaro-analyser.1"),
            QStringLiteral("share/man/man1/quintaro-analyser-cli.1"),
            QStringLiteral("share/mime/packages/quintaro-analyser.xml"),
            QStringLiteral("share/icons/hicolor/scalable/apps/quintaro-analyser.svg"),
            QStringLiteral("share/icons/hicolor/scalable/mimetypes/application-x-quintaro-tippschein.svg"),
        };
        for (const QString &datei : dateien)
            QVERIFY2(QFileInfo(pfad(datei)).size() > 0, qPrintable(datei));
        const QFileInfo programm(pfad(QStringLiteral("bin/quintaro-analyser")));
        QVERIFY(programm.isSymLink() && programm.isExecutable());
        QCOMPARE(programm.canonicalFilePath(),
                 QFileInfo(pfad(QStringLiteral("libexec/quintaro-analyser/quintaro-analyser"))).canonicalFilePath());
        int code = -1;
        QVERIFY(laufe(pfad(QStringLiteral("bin/quintaro-analyser-cli")), {QStringLiteral("--version")}, &code)
                    .startsWith(QStringLiteral("quintaro-analyser-cli 1.5.0.0")));
        QCOMPARE(code, 0);
        for (int groesse : {16, 22, 24, 32, 48, 64, 128, 256}) {
            for (const char *art : {"apps/quintaro-analyser", "mimetypes/application-x-quintaro-tippschein"}) {
                const QString datei =
                    pfad(QStringLiteral("share/icons/hicolor/%1x%1/%2.png").arg(groesse).arg(QLatin1String(art)));
                QCOMPARE(QImage(datei).size(), QSize(groesse, groesse));
            }
        }
    }

    void menueeintragGueltig()
    {
        const QString eintrag = pfad(QStringLiteral("share/applications/org.example.quintaro_analyser.desktop"));
        int code = -1;
        const QString ausgabe = laufe(QStringLiteral("desktop-file-validate"), {eintrag}, &code);
        QVERIFY2(code == 0 && ausgabe.isEmpty(), qPrintable(ausgabe));

        QFile f(eintrag);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList zeilen = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        // The entry starts the installed program by its full path, which may hold blanks.
        QVERIFY(zeilen.contains(QStringLiteral("Exec=\"%1\" %F").arg(pfad(QStringLiteral("bin/quintaro-analyser")))));
        QVERIFY(zeilen.contains(QStringLiteral("Icon=quintaro-analyser")));
        QVERIFY(zeilen.contains(QStringLiteral("MimeType=application/x-quintaro-tippschein;")));
        QVERIFY(zeilen.contains(
            QStringLiteral("Comment=Gewinnzahlen verwalten, Tippscheine auswerten und Statistiken berechnen")));
    }

    void tippscheinTyp()
    {
        const QString paket = pfad(QStringLiteral("share/mime/packages/quintaro-analyser.xml"));
        int code = -1;
        const QString ausgabe = laufe(QStringLiteral("xmllint"), {QStringLiteral("--noout"), paket}, &code);
        QVERIFY2(code == 0 && ausgabe.isEmpty(), qPrintable(ausgabe));

        // What a desktop reads: the installed type names *.qtt and its icon.
        qputenv("XDG_DATA_DIRS", pfad(QStringLiteral("share")).toUtf8());
        const QMimeType typ =
            QMimeDatabase().mimeTypeForFile(QStringLiteral("Mein Schein.qtt"), QMimeDatabase::MatchExtension);
        QCOMPARE(typ.name(), QStringLiteral("application/x-quintaro-tippschein"));
        QCOMPARE(typ.iconName(), QStringLiteral("application-x-quintaro-tippschein"));
        QCOMPARE(typ.comment(), QStringLiteral("Quintaro-Tippschein"));
    }

    // Started through the link in bin/, it finds its help file and its .xls reader.
    void installiertesProgrammFindetSeineTeile()
    {
        QTemporaryDir lauf;
        const Programmlauf p = Programmlauf::starte(pfad(QStringLiteral("bin/quintaro-analyser")),
                                                    {QStringLiteral("--beispiel")}, lauf.path());
        QCOMPARE(p.code, 0);
        const QString hilfe = p.bericht.value(QLatin1String("hilfedatei")).toString();
        QCOMPARE(
            QFileInfo(hilfe).canonicalFilePath(),
            QFileInfo(pfad(QStringLiteral("libexec/quintaro-analyser/Quintaro Analyser.chm"))).canonicalFilePath());
        const QFileInfo leser(p.bericht.value(QLatin1String("xlsleser")).toString());
        QVERIFY(leser.isExecutable());
        QCOMPARE(leser.canonicalFilePath(),
                 QFileInfo(pfad(QStringLiteral("libexec/quintaro-analyser/quintaro-xls-leser"))).canonicalFilePath());
    }

    // The command line, started through its link in bin/, reads an .xls with the same reader:
    // the workbook's rows of tips are read and found to be no draws.
    void installierteBefehlszeileLiestXls()
    {
        const QFileInfo cli(pfad(QStringLiteral("bin/quintaro-analyser-cli")));
        QVERIFY(cli.isSymLink());
        QCOMPARE(
            cli.canonicalFilePath(),
            QFileInfo(pfad(QStringLiteral("libexec/quintaro-analyser/quintaro-analyser-cli"))).canonicalFilePath());
        QTemporaryDir daten;
        QProcess p;
        p.start(cli.filePath(),
                {QStringLiteral("--daten"), daten.path(), QStringLiteral("gewinnreihen"), QStringLiteral("import"),
                 QStringLiteral(QUINTARO_TESTDATA "/arbeitsmappen/reihen10.xls"), QStringLiteral("--vorschau")});
        QVERIFY(p.waitForFinished(60000));
        const QString fehler = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(fehler.contains(
                     QStringLiteral("In der Datei \u201Ereihen10.xls\u201C steht keine Ziehung, die ich lesen kann.")),
                 qPrintable(fehler));
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
