#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a user meets it: scripts/paket.sh builds it (stripped Release build) and
# checks it with desktop-file-validate, appstreamcli and lintian; then its fields and files are
# checked here, it is installed with apt-get, the installed program is started under X from its
# menu entry with a ticket file, the command line runs, and the removal leaves no file behind.
#
#     paketpruefung.sh BUILD_FOLDER VERSION
#
# Installing needs root; otherwise that step is skipped with a message.
set -euo pipefail
quelle=$(cd "$(dirname "$0")/../.." && pwd)
bau=$1
erwartet=$2
name=quintaro-analyser
ordner=/usr/libexec/$name

fehler() {
  echo "FEHLER: $*" >&2
  exit 1
}

QUINTARO_PAKETBAU="$bau" bash "$quelle/scripts/paket.sh" | tee "$bau.log"
deb=$(tail -n 1 "$bau.log")
[ -f "$deb" ] || fehler "no package: $deb"
[ "$(basename "$deb")" = "${name}_${erwartet}_$(dpkg --print-architecture).deb" ] || fehler "package name $deb"

echo "== Fields"
feld() { dpkg-deb -f "$deb" "$1"; }
[ "$(feld Version)" = "$erwartet" ] || fehler "Version $(feld Version), not $erwartet"
depends=$(feld Depends)
for bibliothek in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6charts6 libqt6printsupport6 \
  libfreexl1 libchm1 qt6-translations-l10n libqt6sql6 libqt6sql6-sqlite; do
  [[ ", $depends," == *", $bibliothek "* || ", $depends," == *", $bibliothek,"* ]] ||
    fehler "Depends lacks $bibliothek: $depends"
done
[[ $depends != *libreoffice* ]] || fehler "Depends names LibreOffice: $depends"
[ "$(feld Recommends)" = "libreoffice-calc" ] || fehler "Recommends: $(feld Recommends)"
[ "$(feld Suggests)" = "gnome-calculator | kcalc | galculator | mate-calc | qalculate-gtk | x11-apps" ] ||
  fehler "Suggests: $(feld Suggests)"

echo "== Files"
inhalt=$(dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
if grep -v '^\./usr/' <<<"$inhalt" | grep -vx '\./'; then
  fehler "files outside /usr"
fi
if grep -F 'qtbase_de.qm' <<<"$inhalt"; then
  fehler "the package carries a copy of Qt's translations"
fi
for datei in "$ordner/quintaro-analyser" "$ordner/quintaro-analyser-cli" "$ordner/quintaro-xls-leser" \
  "$ordner/Quintaro Analyser.chm" "/usr/bin/quintaro-analyser -> ../libexec/$name/quintaro-analyser" \
  "/usr/bin/quintaro-analyser-cli -> ../libexec/$name/quintaro-analyser-cli" \
  /usr/share/applications/org.example.quintaro_analyser.desktop \
  /usr/share/metainfo/org.example.quintaro_analyser.metainfo.xml /usr/share/mime/packages/$name.xml \
  /usr/share/icons/hicolor/scalable/apps/$name.svg /usr/share/icons/hicolor/48x48/apps/$name.png \
  /usr/share/man/man1/quintaro-analyser.1.gz /usr/share/man/man1/quintaro-analyser-cli.1.gz \
  /usr/share/doc/$name/copyright /usr/share/doc/$name/changelog.gz; do
  grep -qxF ".$datei" <<<"$inhalt" || fehler "missing in the package: $datei"
done

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIPPED: installing the package needs root (apt-get install); the package itself is checked."
  exit 0
fi
if dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'ok installed'; then
  echo "SKIPPED: $name is installed on this machine already; the test neither replaces nor removes it."
  exit 0
fi

apt() { flock /tmp/quintaro-apt.lock env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600 "$@"; }
lauf=$(mktemp -d)
aufraeumen() {
  if dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'ok installed'; then
    entfernen || true
  fi
  rm -rf "$lauf"
}
entfernen() { apt purge -y "$name"; }
trap aufraeumen EXIT

echo "== Install"
apt install -y "$deb"
[ "$(dpkg-query -W -f='${Version}' "$name")" = "$erwartet" ] || fehler "installed version"
grep -q '^application/x-quintaro-tippschein:' /usr/share/mime/globs || fehler "the ticket type is not known"
grep -q '^application/x-quintaro-tippschein=org.example.quintaro_analyser.desktop;' \
  /usr/share/applications/mimeinfo.cache || fehler "the menu entry does not open tickets"

echo "== The installed program"
# A user of its own: data, cache and runtime folders in the run's folder.
export XDG_DATA_HOME="$lauf/data" XDG_CACHE_HOME="$lauf/cache" XDG_RUNTIME_DIR="$lauf/run"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
daten="$XDG_DATA_HOME/Quintaro Analyser"

[ "$(xvfb-run -a quintaro-analyser --version)" = "Quintaro Analyser $erwartet" ] || fehler "quintaro-analyser --version"
[ "$(quintaro-analyser-cli --version)" = "quintaro-analyser-cli $erwartet" ] || fehler "quintaro-analyser-cli --version"

# A start on sample data makes a history and the sample ticket; the user's data folder gets
# that history, and the desktop opens a copy of the ticket through the menu entry's Exec line.
QUINTARO_STARTBERICHT="$lauf/beispiel.json" xvfb-run -a quintaro-analyser --beispiel
beispiel="$XDG_CACHE_HOME/Quintaro Analyser/Beispieldaten"
[ "$(jq .ziehungen "$lauf/beispiel.json")" -gt 0 ] || fehler "no sample draws"
mkdir -p "$daten"
cp "$beispiel/GReihen.qtgz" "$daten/"
cp "$beispiel/Demo-Tippschein.qtt" "$lauf/Mein Schein.qtt"
eintrag=/usr/share/applications/org.example.quintaro_analyser.desktop
befehl=$(sed -n 's/^Exec=//p' "$eintrag")
[ "$befehl" = '/usr/bin/quintaro-analyser %F' ] || fehler "Exec=$befehl"
[ -x "$(sed -n 's/^TryExec=//p' "$eintrag")" ] || fehler "TryExec"
QUINTARO_STARTBERICHT="$lauf/bericht.json" eval "xvfb-run -a ${befehl//%F/\"\$lauf/Mein Schein.qtt\"}"
bericht() { jq -r "$1" "$lauf/bericht.json"; }
bericht . >/dev/null || fehler "no start report"
[ "$(bericht '.titel')" = "Quintaro Analyser $erwartet" ] || fehler "caption $(bericht '.titel')"
bericht '.tabs[]' | grep -qx 'Mein Schein' || fehler "the ticket is not open: $(bericht '.tabs')"
[ "$(bericht '.meldungen | length')" = 0 ] || fehler "messages: $(bericht '.meldungen')"
[ "$(bericht '.ziehungen')" = "$(jq .ziehungen "$lauf/beispiel.json")" ] || fehler "draws $(bericht '.ziehungen')"
[ "$(bericht '.hilfedatei')" = "$ordner/Quintaro Analyser.chm" ] || fehler "help file $(bericht '.hilfedatei')"
[ "$(bericht '.xlsleser')" = "$ordner/quintaro-xls-leser" ] || fehler ".xls reader $(bericht '.xlsleser')"

quintaro-analyser-cli auswerten "$lauf/Mein Schein.qtt" --json | jq -e '.zeitraum.ziehungen == 1' >/dev/null ||
  fehler "the command line does not evaluate the ticket"
# The command line reads an .xls file through the installed helper: its rows are no draws.
set +e
ausgabe=$(quintaro-analyser-cli gewinnreihen import "$quelle/tests/data/arbeitsmappen/reihen10.xls" --vorschau 2>&1)
code=$?
set -e
[ $code = 1 ] && [[ $ausgabe == *"steht keine Ziehung, die ich lesen kann."* ]] || fehler "cli .xls: $code $ausgabe"
man -w quintaro-analyser-cli >/dev/null || fehler "no manual page"

echo "== Remove"
dateien=$(dpkg -L "$name")
entfernen
while IFS= read -r pfad; do
  if [ -L "$pfad" ] || { [ -e "$pfad" ] && [ ! -d "$pfad" ]; }; then
    fehler "left behind: $pfad"
  fi
done <<<"$dateien"
for pfad in "$ordner" "/usr/share/doc/$name"; do
  [ ! -e "$pfad" ] || fehler "left behind: $pfad"
done
grep -q 'x-quintaro-tippschein' /usr/share/mime/globs && fehler "the ticket type is still known"
[ -f "$daten/Einstellungen.ini" ] || fehler "the user's data went with the package"
echo "The package installs, runs and leaves nothing behind."
