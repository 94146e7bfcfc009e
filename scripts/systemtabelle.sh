#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the table of systems the program ships (src/systems/tabelle/systemtabelle.txt) with the
# program's own searches, run by build/bin/systemtabelle:
#
#   scripts/systemtabelle.sh suchen BUILD [GARANTIEN] [N...]
#       for every n and guarantee: the search over orbits under each cyclic group of a list
#       (cycles of one length over nearly all numbers), and the plain search; the best of them
#       then once more with the plain search after it. Prints the table lines; the start value
#       and both budgets of each line repeat it.
#   scripts/systemtabelle.sh wiederholen BUILD [DATEI]
#       repeats every line of the table from its start value and budgets and compares the rows.
#
# One core, niced: nice -n 19 scripts/systemtabelle.sh suchen build > neu.txt
set -euo pipefail
art=${1:?suchen oder wiederholen}
build=${2:?Build-Ordner}
programm="$build/bin/systemtabelle"
tabelle="$(dirname "$0")/../src/systems/tabelle/systemtabelle.txt"

# Budgets: moves of the search over orbits, of the plain search alone, of the plain search after.
BAHN=2000000
GLUT=3000000
NACH=1000000
STARTWERT=1

zyklenliste() {
    local n=$1 l k rest
    echo "$n $((n - 1)) $((n - 2))"
    for ((l = 3; l <= n / 2; l++)); do
        k=$((n / l))
        rest=$((n - k * l))
        if ((rest <= 3)); then echo "${l}x${k}"; fi
    done
}

suchen() {
    local garantien=${1:-"2:2 3:3 4:4 3:4 3:5 4:5 1:1 1:2 1:3 2:3 1:4 2:4 1:5 2:5"}
    shift || true
    local zahlen=${*:-$(seq 6 20)}
    local n g z zeile reihen beste bestesZ
    for n in $zahlen; do
        for g in $garantien; do
            beste=$("$programm" eintrag "$n" "$g" - "$STARTWERT" "$GLUT" 0 | awk '{print $7}')
            bestesZ=-
            for z in $(zyklenliste "$n"); do
                reihen=$("$programm" eintrag "$n" "$g" "$z" "$STARTWERT" "$BAHN" 0 | awk '{print $7}')
                if ((reihen < beste)); then
                    beste=$reihen
                    bestesZ=$z
                fi
            done
            if [[ $bestesZ == - ]]; then
                "$programm" eintrag "$n" "$g" - "$STARTWERT" "$GLUT" 0
            else
                zeile=$("$programm" eintrag "$n" "$g" "$bestesZ" "$STARTWERT" "$BAHN" "$NACH")
                echo "$zeile"
            fi
        done
    done
}

wiederholen() {
    local datei=${1:-$tabelle} zeile neu kopf fehler=0
    while IFS= read -r zeile; do
        [[ -z $zeile || $zeile == \#* ]] && continue
        read -r -a kopf <<<"${zeile%%|*}"
        neu=$("$programm" eintrag "${kopf[0]}" "${kopf[1]}" "${kopf[2]}" "${kopf[3]}" "${kopf[4]}" "${kopf[5]}")
        if [[ $neu != "$zeile" ]]; then
            echo "anders: ${kopf[*]}" >&2
            fehler=1
        fi
    done <"$datei"
    return $fehler
}

case $art in
suchen) shift 2; suchen "$@" ;;
wiederholen) shift 2; wiederholen "$@" ;;
*) echo "suchen oder wiederholen" >&2; exit 2 ;;
esac
