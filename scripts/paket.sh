#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package quintaro-analyser_<version>_<arch>.deb and checks it the way Debian
# checks its own packages (desktop-file-validate, appstreamcli, lintian); a finding fails.
#
#     bash scripts/paket.sh          builds in build-paket/ and leaves the package there
#
# QUINTARO_PAKETBAU names another build folder. The last line printed is the package's path.
#
# The package is made by dpkg-deb from a `cmake --install` into a staging folder, not by
# CPack: the install rules in data/CMakeLists.txt stay the one description of what goes where,
# for a package as for an installation by hand, and the few things only a Debian package has
# (compressed manual pages and changelog, copyright, control file, md5sums) are plain steps
# here, each visible and each under our control, without CPack's own guesses at permissions,
# compression or the control file.
set -euo pipefail
cd "$(dirname "$0")/.."
umask 022
bash scripts/install-deps.sh

name=quintaro-analyser
bau=$(realpath -m "${QUINTARO_PAKETBAU:-build-paket}")
# dpkg-shlibdeps looks for debian/control and for the files in debian/<package>/.
arbeit="$bau/deb"
stamm="$arbeit/debian/$name"
paket="$stamm/usr/libexec/$name"

echo "== Release build for the package in $bau"
# Debian's build flags: hardening, and no debug information, since the executables are stripped.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g dpkg-buildflags --export=sh)"
cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DQUINTARO_PAKET=ON -DQUINTARO_BUILD_TESTS=OFF -DQUINTARO_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS"
cmake --build "$bau" -j "$(nproc)"

echo "== Staging"
rm -rf "$arbeit"
mkdir -p "$arbeit/debian"
printf 'Source: %s\n\nPackage: %s\nArchitecture: any\n' "$name" "$name" >"$arbeit/debian/control"
DESTDIR="$stamm" cmake --install "$bau"
for programm in quintaro-analyser quintaro-analyser-cli quintaro-xls-leser; do
  strip --remove-section=.comment --remove-section=.note "$paket/$programm"
done

# Version and day of the release, as the build wrote them into the AppStream file.
metainfo=$(echo "$stamm"/usr/share/metainfo/*.metainfo.xml)
version=$(xmllint --xpath 'string(//releases/release[1]/@version)' "$metainfo")
datum=$(xmllint --xpath 'string(//releases/release[1]/@date)' "$metainfo")
if [ "$("$paket/quintaro-analyser-cli" --version)" != "quintaro-analyser-cli $version" ]; then
  echo "paket.sh: the command line does not say version $version" >&2
  exit 1
fi
# Every file of the package carries the release's day at most.
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(date -u -d "$datum 12:00" +%s)

gzip -9n "$stamm"/usr/share/man/man1/*.1
doku="$stamm/usr/share/doc/$name"
install -d "$doku" "$stamm/usr/share/lintian/overrides"
install -m 0644 paket/copyright "$doku/copyright"
sed -e "s/@VERSION@/$version/" -e "s/@DATUM@/$(LC_ALL=C date -u -R -d "@$SOURCE_DATE_EPOCH")/" paket/changelog.in |
  gzip -9n >"$doku/changelog.gz"
install -m 0644 paket/lintian-overrides "$stamm/usr/share/lintian/overrides/$name"
find "$stamm" -type d -exec chmod 0755 {} +

echo "== Dependencies"
bibliotheken=$(cd "$arbeit" && dpkg-shlibdeps -O \
  -e"$paket/quintaro-analyser" -e"$paket/quintaro-analyser-cli" -e"$paket/quintaro-xls-leser")
bibliotheken=${bibliotheken#shlibs:Depends=}

architektur=$(dpkg --print-architecture)
mkdir -p "$stamm/DEBIAN"
cat >"$stamm/DEBIAN/control" <<EOF
Package: $name
Version: $version
Architecture: $architektur
Maintainer: Quintaro Analyser <service@quintaro-analyser.example>
Installed-Size: $(du -sk --apparent-size "$stamm/usr" | cut -f1)
Depends: $bibliotheken, qt6-translations-l10n, libqt6sql6-sqlite
Recommends: libreoffice-calc
Suggests: gnome-calculator | kcalc | galculator | mate-calc | qalculate-gtk | x11-apps
Section: utils
Priority: optional
Homepage: https://www.quintaro-analyser.example/
Description: evaluate tickets of the Quintaro number lottery
 Quintaro Analyser keeps the history of all draws of the Quintaro number
 lottery (five numbers of 1 to 49 and a Zusatzzahl of 1 to 10 every week),
 evaluates tickets against one draw or a run of draws (prize classes,
 winnings, the share in a syndicate, return rate) and computes statistics
 over the history. Its user interface is German.
 .
 The package also holds quintaro-analyser-cli, a command line for scripts.
EOF
(cd "$stamm" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$stamm/DEBIAN/md5sums"
chmod 0644 "$stamm/DEBIAN/control" "$stamm/DEBIAN/md5sums"

deb="$bau/${name}_${version}_${architektur}.deb"
rm -f "$bau"/*.deb
dpkg-deb --root-owner-group -Zxz --build "$stamm" "$deb"

echo "== Checks"
desktop-file-validate "$stamm"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$metainfo"
# Errors and warnings fail; infos and overridden tags (each with its reason in
# paket/lintian-overrides) are shown.
lintian --display-info --show-overrides --tag-display-limit 0 "$deb" | tee "$bau/lintian.txt"
echo "lintian: $(grep -c '^E:' "$bau/lintian.txt" || true) E, $(grep -c '^W:' "$bau/lintian.txt" || true) W," \
  "$(grep -c '^I:' "$bau/lintian.txt" || true) I, $(grep -c '^O:' "$bau/lintian.txt" || true) O (overridden)"
if grep -q '^[EW]:' "$bau/lintian.txt"; then
  echo "paket.sh: lintian found errors or warnings" >&2
  exit 1
fi
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
echo "$deb"
