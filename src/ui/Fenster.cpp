#include "ui/Fenster.h"

#include <QApplication>

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
