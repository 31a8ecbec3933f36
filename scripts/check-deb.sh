#!/usr/bin/env bash
# Builds the Debian package, installs it into this machine, starts the
# installed KORVANTE offscreen with a temporary home, checks that it made its
# data folder there, and purges the package again. For CI machines (root or
# sudo); `make package` alone only builds the .deb.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
(cd "$build" && cpack -G DEB > /dev/null)
deb=$(ls "$build"/korvante_*.deb | head -n1)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y -qq "$deb" > /dev/null
work=$(mktemp -d)
cleanup() {
  kill "${pid:-0}" 2>/dev/null || true
  $SUDO apt-get purge -y -qq korvante > /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
HOME="$work" QT_QPA_PLATFORM=offscreen KORVANTE_NO_SHUTDOWN=1 \
  env -u KORVANTE_HOME -u XDG_DATA_HOME /usr/bin/KORVANTE > "$work/log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do
  [ -d "$work/.local/share/korvante" ] && break
  sleep 0.1
done
[ -d "$work/.local/share/korvante" ] || { cat "$work/log"; echo "FAIL: no data folder"; exit 1; }
kill -0 "$pid" || { cat "$work/log"; echo "FAIL: KORVANTE ended"; exit 1; }
echo "korvante .deb installs, runs and keeps its state in ~/.local/share/korvante"
