#include "ui/gemeinsam/Fenster.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

QWidget *findeFenster(const QString &name)
{
    const QWidgetList fenster = QApplication::topLevelWidgets();
    for (auto it = fenster.crbegin(); it != fenster.crend(); ++it) {
        if ((*it)->objectName() == name)
            return *it;
    }
    return nullptr;
}

bool FensterOffen(const QString &name) { return findeFenster(name) != nullptr; }

void zentriereAufHauptfenster(QWidget *fenster)
{
    const QWidget *haupt = findeFenster(QStringLiteral("FAuswertung"));
    QRect bezug;
    if (haupt && haupt->isVisible())
        bezug = haupt->frameGeometry();
    else if (const QScreen *bildschirm = QGuiApplication::primaryScreen())
        bezug = bildschirm->availableGeometry();
    if (bezug.isValid())
        fenster->move(bezug.center() - QPoint(fenster->width() / 2, fenster->height() / 2));
}
