#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every file of the tree its licence, as the REUSE tool reads it: SPDX lines at the top of
# the source files, .reuse/dep5 for the files that carry none (pictures, data, documents). Run it
# again after adding files (files that already name their licence are left alone); `reuse lint`
# (a test) says what still lacks one.
set -euo pipefail
cd "$(dirname "$0")/.."
cr="The Quintaro Analyser authors"
ann() { reuse annotate --copyright "$cr" --year 2026 --license GPL-3.0-or-later --skip-existing "$@" >/dev/null; }
mapfile -t quellen < <(git ls-files | grep -E '\.(cpp|h|py|sh|css)$|(^|/)CMakeLists\.txt$' | grep -v -E '^(fuzz/corpus|tests/data)/')
ann "${quellen[@]}"
ann --style python .ci/run .clang-format .gitignore tests/lsan.supp data/quintaro-analyser.desktop.in
ann --style c src/model/Version.h.in
ann --style html help/*.htm
mkdir -p LICENSES .reuse
cp LICENSE LICENSES/GPL-3.0-or-later.txt
cp /usr/share/common-licenses/CC0-1.0 LICENSES/CC0-1.0.txt
cat > .reuse/dep5 <<'DEP5'
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Quintaro Analyser
Upstream-Contact: Quintaro Analyser <service@quintaro-analyser.example>
Source: https://www.quintaro-analyser.example/

Files: LICENSE *.md help/hilfe.hhp help/inhalt.hhc data/quintaro-analyser.xml data/icons/* paket/* src/systems/tabelle/* fuzz/corpus/* tests/data/*
Copyright: 2026 The Quintaro Analyser authors
License: GPL-3.0-or-later

Files: paket/metainfo.xml.in
Copyright: 2026 The Quintaro Analyser authors
License: CC0-1.0
DEP5
