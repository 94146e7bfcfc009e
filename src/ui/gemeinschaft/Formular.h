// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QDialog>
#include <QStringList>

#include <functional>

class QComboBox;
class QDateEdit;
class QFormLayout;
class QLineEdit;
class QSpinBox;

// The small dialogs of the syndicate window: captions and fields one below the other, then
// "OK" and "Abbrechen". "OK" runs the dialog's action; a refusal is shown as a message and the
// dialog stays open with what was typed, so nothing has to be typed twice.
class Formular : public QDialog
{
    Q_OBJECT
public:
    Formular(const QString &titel, QWidget *eltern);

    QLineEdit *textfeld(const QString &beschriftung, const QString &name, const QString &vorgabe = {});
    QDateEdit *datumsfeld(const QString &beschriftung, const QString &name, const QDate &vorgabe);
    QSpinBox *zahlfeld(const QString &beschriftung, const QString &name, int von, int bis, int vorgabe);
    QComboBox *auswahlfeld(const QString &beschriftung, const QString &name, const QStringList &eintraege);

    // The action of "OK": the German message of a refusal, empty when done.
    void setzeAktion(std::function<QString()> aktion) { m_aktion = std::move(aktion); }
    // Shows the dialog modal to its window without blocking the caller.
    void zeigen();

    void accept() override;

private:
    QFormLayout *m_form = nullptr;
    std::function<QString()> m_aktion;
};
