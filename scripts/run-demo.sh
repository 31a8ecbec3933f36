#!/usr/bin/env bash
# `make run`: starts a local demo FTP server (user demo/demo, and anonymous)
# on a free loopback port, prepares a program folder whose INNE server list
# holds that server, and starts KORVANTE with it. The server stops with KORVANTE.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
src=$(cd "$(dirname "$0")/.." && pwd)
demo="$build/demo"
root="$demo/ftp-root"
home="${KORVANTE_HOME:-$demo/home}"
local_dir="$demo/local"

# A sample tree to browse, download into and upload from.
mkdir -p "$root/pub/docs" "$root/pub/images" "$root/incoming" "$home" "$local_dir"
[ -f "$root/README.txt" ] || printf 'Welcome to the KORVANTE demo server.\r\n' > "$root/README.txt"
[ -f "$root/pub/docs/notes.txt" ] || seq 1 2000 > "$root/pub/docs/notes.txt"
[ -f "$root/pub/docs/zażółć gęślą jaźń.txt" ] || echo "Polish name" > "$root/pub/docs/zażółć gęślą jaźń.txt"
[ -f "$root/pub/images/big.bin" ] || head -c 20000000 /dev/urandom > "$root/pub/images/big.bin"
[ -f "$local_dir/upload me.txt" ] || echo "A file to upload." > "$local_dir/upload me.txt"

coproc SERVER { exec /usr/bin/python3 "$src/scripts/ftp_server.py" --root "$root" \
    --user demo:demo --anonymous --watch-stdin; }
trap 'exec {SERVER[1]}>&- 2>/dev/null || true; kill $SERVER_PID 2>/dev/null || true' EXIT
read -r _ port <&"${SERVER[0]}"
echo "Demo FTP server on 127.0.0.1:$port (user demo, password demo; anonymous too)"

# Settings: the built-in ones, the local panel opening the demo folder.
if [ ! -f "$home/konf.dat" ]; then
  printf '%s\r\n' 0 1 0 1 1 -2147483624 0 1 7 0 "$local_dir" > "$home/konf.dat"
fi
# INNE holds the demo server (the port changes every run, so refresh the lines).
list="$home/S_list.dat"
touch "$list"
grep -v '^KORVANTE demo' "$list" > "$list.tmp" || true
printf 'KORVANTE demo (demo/demo)*0*demo*127.0.0.1*demo*%s*7*\r\n' "$port" >> "$list.tmp"
printf 'KORVANTE demo (anonymous)*1*anonymous*127.0.0.1*guest@example.com*%s*7*\r\n' "$port" >> "$list.tmp"
mv "$list.tmp" "$list"

KORVANTE_HOME="$home" "$build/bin/KORVANTE"
