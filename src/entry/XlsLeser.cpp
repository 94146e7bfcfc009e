#include "entry/Mappenleser.h"

#include <QFile>

#include <freexl.h>

namespace {

QString zellentext(const FreeXL_CellValue &wert, const QLocale &locale)
{
    switch (wert.type) {
    case FREEXL_CELL_INT:
        return QString::number(wert.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return ZahlAlsText(wert.value.double_value, locale);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return wert.value.text_value ? QString::fromUtf8(wert.value.text_value) : QString();
    default:
        return QString();
    }
}

// Closes the handle on every way out.
struct Xlsdatei
{
    const void *handle = nullptr;
    ~Xlsdatei()
    {
        if (handle)
            freexl_close(handle);
    }
};

} // namespace

Mappeninhalt XlsLesen(const QString &pfad, const QLocale &locale, const Importgrenzen &grenzen)
{
    Mappeninhalt inhalt;
    Xlsdatei datei;
    const int rc = freexl_open(QFile::encodeName(pfad).constData(), &datei.handle);
    if (rc != FREEXL_OK) {
        inhalt.fehler =
            QStringLiteral("Die Datei ist keine lesbare Excel-Arbeitsmappe (Fehler %1 beim \u00D6ffnen).").arg(rc);
        return inhalt;
    }
    unsigned int wert = 0;
    if (freexl_get_info(datei.handle, FREEXL_BIFF_PASSWORD, &wert) == FREEXL_OK && wert != FREEXL_BIFF_PLAIN) {
        inhalt.fehler = QStringLiteral("Die Arbeitsmappe ist mit einem Kennwort gesch\u00FCtzt.");
        return inhalt;
    }
    if (freexl_get_info(datei.handle, FREEXL_BIFF_SHEET_COUNT, &wert) != FREEXL_OK || wert == 0 ||
        freexl_select_active_worksheet(datei.handle, 0) != FREEXL_OK) {
        inhalt.fehler = QStringLiteral("Die Arbeitsmappe enth\u00E4lt keine Tabelle.");
        return inhalt;
    }
    unsigned int zeilen = 0;
    unsigned short spalten = 0;
    if (freexl_worksheet_dimensions(datei.handle, &zeilen, &spalten) != FREEXL_OK) {
        inhalt.fehler = QStringLiteral("Die Gr\u00F6\u00DFe der ersten Tabelle ist nicht lesbar.");
        return inhalt;
    }
    Zellensammler sammler(inhalt, grenzen);
    for (unsigned int z = 0; z < zeilen; ++z) {
        for (unsigned short s = 0; s < spalten; ++s) {
            FreeXL_CellValue zelle;
            if (freexl_get_cell_value(datei.handle, z, s, &zelle) != FREEXL_OK)
                continue;
            if (!sammler.nimm(qint64(z) + 1, qint64(s) + 1, zellentext(zelle, locale)))
                return inhalt;
        }
    }
    return inhalt;
}
