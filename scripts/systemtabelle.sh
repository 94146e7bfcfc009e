#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
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
#   scripts/systemtabelle.sh zusammen DATEI...
#       the smallest system for each n and guarantee from several runs' lines, in order.
#   scripts/systemtabelle.sh readme|html MESSUNG
#       the table of the README or of the help page from the output of build/bin/systemtabelle
#       (rows in 10 s [60 s] / best known / lower bound; bold where above the best known size).
#
# One core, niced: nice -n 19 scripts/systemtabelle.sh suchen build > neu.txt
set -euo pipefail
art=${1:?suchen, wiederholen, readme oder html}
build=${2:?Build-Ordner oder Messung}
programm="$build/bin/systemtabelle"
tabelle="$(dirname "$0")/../src/systems/tabelle/systemtabelle.txt"

# Budgets: moves of the search over orbits, of the plain search alone, of the plain search after;
# GLUT=0 leaves the plain search out; ZYKLEN=kurz tries only the cycles over all numbers and
# over all but one; VERFAHREN=tabu or beide adds the tabu search over orbits.
BAHN=${BAHN:-2000000}
GLUT=${GLUT:-3000000}
NACH=${NACH:-1000000}
STARTWERT=${STARTWERT:-1}
ZYKLEN=${ZYKLEN:-alle}
VERFAHREN=${VERFAHREN:-abkuehlen}

zyklenliste() {
    local n=$1 l k rest
    local liste
    if [[ $ZYKLEN == kurz ]]; then
        liste="$n $((n - 1))"
    else
        liste="$n $((n - 1)) $((n - 2))"
        for ((l = 3; l <= n / 2; l++)); do
            k=$((n / l))
            rest=$((n - k * l))
            if ((rest <= 3)); then liste+=" ${l}x${k}"; fi
        done
    fi
    # "T19": the tabu search over the same orbits (VERFAHREN=tabu, or beide for both).
    case $VERFAHREN in
    abkuehlen) echo "$liste" ;;
    tabu) for z in $liste; do echo "T$z"; done ;;
    beide) echo "$liste"; for z in $liste; do echo "T$z"; done ;;
    esac
}

suchen() {
    local garantien=${1:-"2:2 3:3 4:4 3:4 3:5 4:5 1:1 1:2 1:3 2:3 1:4 2:4 1:5 2:5"}
    shift || true
    local zahlen=${*:-$(seq 6 20)}
    local n g z zeile reihen beste bestesZ
    for n in $zahlen; do
        for g in $garantien; do
            beste=1000000
            bestesZ=-
            if ((GLUT > 0)); then
                beste=$("$programm" eintrag "$n" "$g" - "$STARTWERT" "$GLUT" 0 | awk '{print $7}')
            fi
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

# One cell per n and guarantee from the measurement's lines: n, t:m, table, 10 s, [60 s,] best known, bound.
darstellen() {
    local form=$1 datei=$2
    awk -v form="$form" -F'\t' '
        NR == 1 { spalten = NF; next }
        {
            n = $1; g = $2; zehn = $4; sechzig = (spalten == 7) ? $5 : ""
            bekannt = $(spalten - 1); grenze = $spalten
            wert = zehn
            if (sechzig != "" && sechzig < zehn) wert = zehn " (60 s: " sechzig ")"
            hoch = bekannt > 0 && (sechzig != "" ? sechzig : zehn) > bekannt
            if (hoch) wert = (form == "html") ? "<b>" wert "</b>" : "**" wert "**"
            zelle[n, g] = wert " / " (bekannt > 0 ? bekannt : "–") " / " grenze
            if (!(n in gesehen)) { gesehen[n] = 1; folge[++zeilen] = n }
        }
        END {
            split("2:2 3:3 4:4 3:4 3:5 4:5", garantie, " ")
            if (form == "html") {
                print "<tr><th>n</th><th>„2 bei 2“</th><th>„3 bei 3“</th><th>„4 bei 4“</th><th>„3 bei 4“</th><th>„3 bei 5“</th><th>„4 bei 5“</th></tr>"
                for (i = 1; i <= zeilen; i++) {
                    printf "<tr><td>%s</td>", folge[i]
                    for (j = 1; j <= 6; j++) printf "<td>%s</td>", zelle[folge[i], garantie[j]]
                    print "</tr>"
                }
            } else {
                print "| n | „2 bei 2“ | „3 bei 3“ | „4 bei 4“ | „3 bei 4“ | „3 bei 5“ | „4 bei 5“ |"
                print "|---|---|---|---|---|---|---|"
                for (i = 1; i <= zeilen; i++) {
                    printf "| %s |", folge[i]
                    for (j = 1; j <= 6; j++) printf " %s |", zelle[folge[i], garantie[j]]
                    print ""
                }
            }
        }' "$datei"
}

case $art in
suchen) shift 2; suchen "$@" ;;
wiederholen) shift 2; wiederholen "$@" ;;
readme | html) darstellen "$art" "$2" ;;
zusammen)
    shift
    awk '!/^#/ && NF { split($2, g, ":"); k = $1 " " $2
        if (!(k in zeile) || $7 < anzahl[k]) { zeile[k] = $0; anzahl[k] = $7; schl[k] = sprintf("%02d %d%d", $1, g[2], g[1]) } }
        END { for (k in zeile) print schl[k] "\t" zeile[k] }' "$@" | sort | cut -f2-
    ;;
*) echo "suchen oder wiederholen" >&2; exit 2 ;;
esac
