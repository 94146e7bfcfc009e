// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Dateidialoge.h"

#include <QFileDialog>
#include <QFileInfo>

namespace Dateidialoge {
namespace {

QString filter(const Auswahl &a)
{
    const QStringList muster = QStringList{QStringLiteral("*.") + a.endung} + a.weitere;
    return QStringLiteral("%1 (%2)").arg(a.filtertext, muster.join(QLatin1Char(' ')));
}

class Standarddialoge : public Anbieter
{
public:
    QStringList oeffnen(QWidget *eltern, const Auswahl &a) override
    {
        if (a.mehrere)
            return QFileDialog::getOpenFileNames(eltern, a.titel, a.ordner, filter(a));
        const QString datei = QFileDialog::getOpenFileName(eltern, a.titel, a.ordner, filter(a));
        return datei.isEmpty() ? QStringList() : QStringList{datei};
    }

    QString speichern(QWidget *eltern, const Auswahl &a) override
    {
        QFileDialog dialog(eltern, a.titel, a.ordner, filter(a));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(a.endung);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }
};

Standarddialoge standard;
Anbieter *aktuell = &standard;

} // namespace

void setzeAnbieter(Anbieter *anbieter) { aktuell = anbieter ? anbieter : &standard; }

QStringList oeffnen(QWidget *eltern, const Auswahl &auswahl) { return aktuell->oeffnen(eltern, auswahl); }

QString speichern(QWidget *eltern, const Auswahl &auswahl)
{
    QString datei = aktuell->speichern(eltern, auswahl);
    if (!datei.isEmpty() && QFileInfo(datei).suffix().isEmpty())
        datei += QLatin1Char('.') + auswahl.endung;
    return datei;
}

} // namespace Dateidialoge
