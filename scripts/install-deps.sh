#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages needed to build, run and test Quintaro Analyser.
# Packages that are already installed are skipped.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev libqt6opengl6-dev qt6-translations-l10n qt6-charts-dev
  libxlsxwriter-dev libzip-dev libfreexl-dev
  zlib1g-dev
  libqt6sql6-sqlite libsodium-dev minisign
  libreoffice-calc
  fp-utils libchm-dev
  libbenchmark-dev
  clang libclang-rt-14-dev lld
  openssl
  xvfb xauth imagemagick
  python3-pyatspi at-spi2-core dbus xdotool
  poppler-utils
  python3-openpyxl python3-xlsxwriter
  gnumeric python3-odf
  desktop-file-utils libxml2-utils shared-mime-info
  dpkg-dev lintian appstream jq
  fonts-dejavu-core
  reuse
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
