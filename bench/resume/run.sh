#!/usr/bin/env bash
# A download stopped at 60 % and downloaded again: how much of the file the second
# attempt moves (target: at most 41 %), against pyftpdlib on loopback.
#
# usage: bench/resume/run.sh BUILD_DIR [SIZE_MB=1024] [STOP_PERCENT=60]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
size_mb=${2:-1024}
stop=${3:-60}
src=$(cd "$(dirname "$0")/../.." && pwd)
bench=$build/bin/resume_bench
[ -x "$bench" ] || { echo "missing $bench (build first)"; exit 1; }

# Memory-backed files keep disk write-back out of the figures; a smaller /dev/shm
# gets a smaller file (the server's copy and the download both live there).
tmp=${TMPDIR:-/tmp}
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  tmp=/dev/shm
  room_mb=$(( $(df -Pk /dev/shm | awk 'NR == 2 { print $4 }') / 1024 / 2 - 16 ))
  if [ "$room_mb" -lt "$size_mb" ]; then size_mb=$room_mb; fi
fi
work=$(mktemp -d "$tmp/korvante-resume-XXXXXX")
root=$work/root dl=$work/dl
mkdir -p "$root" "$dl"
. "$src/bench/bench_server.sh"
start_bench_server

echo "making a ${size_mb} MiB file"
head -c "$((size_mb * 1048576))" /dev/urandom > "$root/big.bin"
out=$("$bench" "$port" bench bench big.bin "$dl" "$stop")
get() { echo "$out" | awk -v k="$1" '$1 == k { print $2 }'; }
cmp -s "$dl/big.bin" "$root/big.bin" && same=yes || same=NO
pct() { awk -v a="$1" -v b="$(get size)" 'BEGIN { printf "%.1f", a / b * 100 }'; }

echo "=== resume benchmark: ${size_mb} MiB, stopped at ${stop} % ==="
echo "first attempt moved $(pct "$(get stopped_bytes)") % in $(get stopped_seconds) s (stopped)"
echo "second attempt continued at $(pct "$(get resumed_restarted_at)") %," \
     "moved $(pct "$(get resumed_bytes)") % in $(get resumed_seconds) s (target <= 41 %)"
echo "bytes moved twice: $(pct "$(get moved_twice)") % of the file; result byte-equal: $same"
