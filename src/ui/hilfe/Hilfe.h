#pragma once
#include <QString>
namespace Hilfe {
void zeigeThema(const QString &hilfedatei, int thema);
void zeigeSuche(const QString &hilfedatei);
}
