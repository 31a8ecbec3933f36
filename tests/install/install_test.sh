#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop gets:
# the programs, the menu entry, the icons and the AppStream metadata (each
# validated), then starts the installed KORVANTE offscreen with a temporary
# home and checks that its state goes to the user's data folder, created
# owner-only, and nothing next to the program.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" > /dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
id=org.example.korvante.KORVANTE
for f in bin/KORVANTE libexec/korvante/FTP_ns; do
  [ -x "$prefix/$f" ] || fail "$f is not installed"
done
for f in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/korvante.svg; do
  [ -s "$prefix/$f" ] || fail "$f is not installed"
done
for size in 48 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/korvante.png"
  [ -s "$png" ] || fail "$png is not installed"
  # PNG header: width and height are the big-endian words at bytes 16 and 20.
  dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || fail "$png is $dims"
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
grep -q '^Categories=Network;FileTransfer;$' "$prefix/share/applications/$id.desktop" \
  || fail "categories"
grep -q '^Name\[pl\]\|^GenericName\[pl\]=' "$prefix/share/applications/$id.desktop" \
  || fail "Polish names"
(cd "$work" && appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml") \
  || fail "metainfo"

# The installed program keeps its state in $HOME/.local/share/korvante.
export HOME="$work/home"
mkdir -p "$HOME"
unset KORVANTE_HOME XDG_DATA_HOME
export QT_QPA_PLATFORM=offscreen KORVANTE_NO_SHUTDOWN=1
"$prefix/bin/KORVANTE" > "$work/log" 2>&1 &
pid=$!
data="$HOME/.local/share/korvante"
for _ in $(seq 1 100); do
  [ -d "$data" ] && break
  kill -0 "$pid" 2>/dev/null || fail "KORVANTE ended: $(cat "$work/log")"
  sleep 0.1
done
[ -d "$data" ] || fail "no data folder"
[ "$(stat -c %a "$data")" = 700 ] || fail "data folder mode $(stat -c %a "$data")"
kill -0 "$pid" 2>/dev/null || fail "KORVANTE ended: $(cat "$work/log")"
ls "$prefix/bin" | grep -qv '^KORVANTE$' && fail "state written next to the program"
echo "installed tree and data folder are right"
