#!/usr/bin/env bash
# Makes the fixture workbooks of tests/data/arbeitsmappen from the CSV files there, written by
# LibreOffice Calc itself as .xlsx, .xls and .ods:
#   bash tests/arbeitsmappen-erzeugen.sh
# The CSV files are read with "," as separator, UTF-8 and English number formats (so 2.5 is a
# number), as a spreadsheet user would have typed them in.
set -euo pipefail
cd "$(dirname "$0")/data/arbeitsmappen"
profil=$(mktemp -d)
trap 'rm -rf "$profil"' EXIT
for format in xlsx xls ods; do
  timeout 180 soffice "-env:UserInstallation=file://$profil" --headless --infilter="CSV:44,34,76,1,,1033" \
    --convert-to "$format" --outdir . ./*.csv
done
