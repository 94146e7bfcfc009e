#!/usr/bin/env bash
# Makes the fixture workbooks of tests/data/arbeitsmappen:
#   bash tests/arbeitsmappen-erzeugen.sh
# - from the CSV files there, written by LibreOffice Calc itself as .xlsx, .xls and .ods. The CSV
#   files are read with "," as separator, UTF-8 and English number formats (so 2.5 is a number),
#   as a spreadsheet user would have typed them in;
# - draws in workbooks of the 1904 date system, written by Python's openpyxl and xlsxwriter, and
#   as .xls by Calc from the xlsxwriter one;
# - an .xls whose draws are partly formulas, by Calc from an xlsxwriter workbook;
# - draws on the second worksheet only, by openpyxl, and as .xls and .ods by Calc.
set -euo pipefail
cd "$(dirname "$0")/data/arbeitsmappen"
profil=$(mktemp -d)
trap 'rm -rf "$profil"' EXIT
calc() {
  timeout 180 soffice "-env:UserInstallation=file://$profil" --headless --norestore "$@"
}
for format in xlsx xls ods; do
  calc --infilter="CSV:44,34,76,1,,1033" --convert-to "$format" --outdir . ./*.csv
done

/usr/bin/python3 - <<'PY'
import datetime
import openpyxl
import openpyxl.utils.datetime
import xlsxwriter

# The last draw lies on the first day of the 1904 system's count.
ziehungen = [
    (datetime.date(2024, 1, 6), 3, 12, 25, 38, 47, 7),
    (datetime.date(2024, 1, 13), 1, 5, 9, 33, 47, 10),
    (datetime.date(1904, 1, 2), 41, 2, 38, 12, 22, 6),
]
kopf = ["Datum", "Z1", "Z2", "Z3", "Z4", "Z5", "ZZ"]

mappe = xlsxwriter.Workbook("datum1904-xlsxwriter.xlsx", {"date_1904": True})
blatt = mappe.add_worksheet("Ziehungen")
datum = mappe.add_format({"num_format": "dd.mm.yyyy"})
blatt.write_row(0, 0, kopf)
for zeile, z in enumerate(ziehungen, start=1):
    blatt.write_datetime(zeile, 0, datetime.datetime.combine(z[0], datetime.time()), datum)
    blatt.write_row(zeile, 1, z[1:])
mappe.close()

mappe = openpyxl.Workbook()
mappe.epoch = openpyxl.utils.datetime.CALENDAR_MAC_1904
blatt = mappe.active
blatt.title = "Ziehungen"
blatt.append(kopf)
for z in ziehungen:
    blatt.append(list(z))
    blatt.cell(row=blatt.max_row, column=1).number_format = "yyyy-mm-dd"
mappe.save("datum1904-openpyxl.xlsx")

# Row 3 adds up its Zusatzzahl; a reader of .xls files sees no result of a formula.
mappe = xlsxwriter.Workbook("formel.xlsx")
blatt = mappe.add_worksheet("Ziehungen")
blatt.write_row(0, 0, kopf)
blatt.write_row(1, 0, ["2024-01-06", 3, 12, 25, 38, 47, 7])
blatt.write_row(2, 0, ["2024-01-13", 1, 5, 9, 33, 47])
blatt.write_formula(2, 6, "=G2+3", None, 10)
mappe.close()

mappe = openpyxl.Workbook()
mappe.active.title = "Hinweise"
blatt = mappe.create_sheet("Ziehungen")
blatt.append(kopf)
for z in ziehungen:
    blatt.append([z[0].isoformat(), *z[1:]])
mappe.save("zweites-blatt.xlsx")
PY
cp datum1904-xlsxwriter.xlsx datum1904.xlsx
calc --convert-to xls --outdir . datum1904.xlsx formel.xlsx
calc --convert-to ods --outdir . zweites-blatt.xlsx
calc --convert-to xls --outdir . zweites-blatt.xlsx
rm datum1904.xlsx formel.xlsx
