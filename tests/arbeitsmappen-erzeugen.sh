#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

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

# Dates whose cells show another text than the date they store, by odfpy and by Gnumeric
# (ssconvert, from an openpyxl workbook with day/month and month/day formats); dates before
# 1 March 1900, where spreadsheets count a 29 February 1900, by openpyxl and xlsxwriter;
# formulas saved without their results, by openpyxl and odfpy; a "Unicode text" CSV file (UTF-16,
# tab-separated) by Calc.
/usr/bin/python3 - <<'PY'
import datetime
import openpyxl
import xlsxwriter
from odf.opendocument import OpenDocumentSpreadsheet
from odf.table import Table, TableRow, TableCell
from odf.text import P

kopf = ["Datum", "Z1", "Z2", "Z3", "Z4", "Z5", "ZZ"]

def ods_zeile(tabelle, zellen):
    zeile = TableRow()
    for zelle in zellen:
        zeile.addElement(zelle)
    tabelle.addElement(zeile)

def zahl(n):
    zelle = TableCell(valuetype="float", value=n)
    zelle.addElement(P(text=str(n)))
    return zelle

def text(t):
    zelle = TableCell(valuetype="string")
    zelle.addElement(P(text=t))
    return zelle

def datum(wert, gezeigt):
    zelle = TableCell(valuetype="date", datevalue=wert)
    zelle.addElement(P(text=gezeigt))
    return zelle

mappe = OpenDocumentSpreadsheet()
tabelle = Table(name="Ziehungen")
ods_zeile(tabelle, [text(k) for k in kopf])
for wert, gezeigt, zahlen in [
        ("2024-03-04", "04/03/2024", (3, 12, 25, 38, 47, 7)),
        ("2024-03-09", "03/09/2024", (1, 5, 9, 33, 47, 10)),
        ("2024-03-16T20:15:00", "16.03.2024 20:15", (41, 2, 38, 12, 22, 6)),
        ("2024-03-23", "Samstag, 23. März 2024", (7, 14, 21, 28, 35, 1))]:
    ods_zeile(tabelle, [datum(wert, gezeigt)] + [zahl(n) for n in zahlen])
ods_zeile(tabelle, [text("30.03.2024")] + [zahl(n) for n in (8, 16, 24, 32, 40, 2)])
mappe.spreadsheet.addElement(tabelle)
mappe.save("datumswerte-odfpy.ods")

mappe = OpenDocumentSpreadsheet()
tabelle = Table(name="Ziehungen")
ods_zeile(tabelle, [text(k) for k in kopf])
zeile = [TableCell(formula="of:=DATE(2024;1;6)")] + [TableCell(formula="of:=%d+0" % n) for n in (3, 12, 25, 38, 47, 7)]
ods_zeile(tabelle, zeile)
mappe.spreadsheet.addElement(tabelle)
mappe.save("formeln-ohne-werte-odfpy.ods")

# Gnumeric's input: every date shown day/month or month/day, so the text differs from the date.
mappe = openpyxl.Workbook()
blatt = mappe.active
blatt.title = "Ziehungen"
blatt.append(kopf)
for i in range(16):
    tag = datetime.date(2024, 1, 6) + datetime.timedelta(days=7 * i)
    blatt.append([tag] + [(i + k) % 49 + 1 for k in range(0, 25, 5)] + [i % 10 + 1])
    blatt.cell(row=blatt.max_row, column=1).number_format = "dd/mm/yyyy" if i % 2 else "mm/dd/yyyy"
mappe.save("gnumeric-eingabe.xlsx")

frueh = [datetime.date(1900, 1, 1), datetime.date(1900, 1, 2), datetime.date(1900, 2, 28),
         datetime.date(1900, 3, 1), datetime.date(2024, 1, 6)]
mappe = openpyxl.Workbook()
blatt = mappe.active
blatt.title = "Ziehungen"
blatt.append(kopf)
for i, tag in enumerate(frueh):
    blatt.append([tag, 1, 2, 3, 4, 5 + i, i + 1])
    blatt.cell(row=blatt.max_row, column=1).number_format = "yyyy-mm-dd"
mappe.save("vor-maerz-1900-openpyxl.xlsx")

mappe = xlsxwriter.Workbook("vor-maerz-1900-xlsxwriter.xlsx")
blatt = mappe.add_worksheet("Ziehungen")
format_ = mappe.add_format({"num_format": "dd.mm.yyyy"})
blatt.write_row(0, 0, kopf)
for i, tag in enumerate(frueh, start=1):
    # A date, not a datetime: xlsxwriter writes the datetime 1900-01-01 00:00 as a time alone (0).
    blatt.write_datetime(i, 0, tag, format_)
    blatt.write_row(i, 1, [1, 2, 3, 4, 4 + i, i])
mappe.close()

# Every cell of the draws a formula, saved without results as openpyxl does.
mappe = openpyxl.Workbook()
blatt = mappe.active
blatt.title = "Ziehungen"
blatt.append(kopf)
for i in range(7):
    blatt.append(["=DATE(2024,1,%d)" % (6 + 7 * i)] + ["=%d+0" % ((i + k) % 49 + 1) for k in range(0, 25, 5)] +
                 ["=%d" % (i + 1)])
mappe.save("formeln-ohne-werte-openpyxl.xlsx")
PY
ssconvert gnumeric-eingabe.xlsx datumswerte-gnumeric.ods
rm gnumeric-eingabe.xlsx
utf16=$(mktemp -d)
calc --infilter="CSV:44,34,76,1,,1033" --convert-to 'csv:Text - txt - csv (StarCalc):9,34,65535' --outdir "$utf16" \
  ziehungen.csv
mv "$utf16/ziehungen.csv" ziehungen-utf16.csv
rmdir "$utf16"
