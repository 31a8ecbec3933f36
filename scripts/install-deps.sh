#!/usr/bin/env bash
# Installs what KORVANTE needs to build, test, benchmark and run its demo, from
# Debian's archive. Idempotent: does nothing when everything is present.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6svg6 libicu-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  python3 python3-pyftpdlib curl lftp time
  libssl-dev openssl python3-openssl ca-certificates
  xvfb xauth imagemagick fonts-dejavu-core adwaita-icon-theme
  clang-format
  desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
