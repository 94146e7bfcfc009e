// A workbook file of any content (xlsx, ods, xls or none of them), read as the entry window does.

#include "Fuzzdatei.h"
#include "Mappenpruefung.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    MappePruefen(alsDatei(daten, groesse, QStringLiteral("mappe.xlsx")));
    return 0;
}
