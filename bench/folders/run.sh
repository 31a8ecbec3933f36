#!/usr/bin/env bash
# A tree of 2,000 files (4 KiB to 1 MiB) downloaded from pyftpdlib on loopback by the
# F7 batch's command path (tree_bench) and by `lftp -e "mirror"` in the same run:
# the ratio of wall times (target: KORVANTE at least 0.8 of lftp's speed) and where
# the time goes.
#
# usage: bench/folders/run.sh BUILD_DIR [FILES=2000] [ROUNDS=2]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
files=${2:-2000}
rounds=${3:-2}
src=$(cd "$(dirname "$0")/../.." && pwd)
bench=$build/bin/tree_bench
[ -x "$bench" ] || { echo "missing $bench (build first)"; exit 1; }
command -v lftp >/dev/null || { echo "lftp missing (scripts/install-deps.sh)"; exit 1; }

# Memory-backed files keep disk write-back out of the figures.
tmp=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && tmp=/dev/shm
work=$(mktemp -d "$tmp/korvante-folders-XXXXXX")
root=$work/root
mkdir -p "$root"
. "$src/bench/bench_server.sh"

# 20 folders of 5 subfolders of files; sizes log-uniform between 4 KiB and 1 MiB,
# the same tree every run.
/usr/bin/python3 - "$root/tree" "$files" <<'PY'
import math, os, random, sys
top, count = sys.argv[1], int(sys.argv[2])
rng = random.Random(2026)
total = 0
for i in range(count):
    folder = os.path.join(top, "d%02d" % (i % 20), "s%d" % (i // 20 % 5))
    os.makedirs(folder, exist_ok=True)
    size = int(math.exp(rng.uniform(math.log(4096), math.log(1048576))))
    with open(os.path.join(folder, "f%04d.bin" % i), "wb") as f:
        f.write(rng.randbytes(size))
    total += size
print("tree: %d files, %.1f MiB" % (count, total / 1048576))
PY
start_bench_server

best_k=""
best_l=""
for round in $(seq "$rounds"); do
  rm -rf "$work/k" "$work/l"
  mkdir -p "$work/k" "$work/l"
  out=$("$bench" "$port" bench bench tree "$work/k")
  k=$(echo "$out" | awk '$1 == "total_seconds" { print $2 }')
  t0=$(date +%s.%N)
  lftp -u bench,bench -p "$port" \
    -e "set ftp:ssl-allow no; set net:max-retries 1; set cmd:fail-exit yes; \
        mirror tree $work/l/tree; quit" 127.0.0.1 >/dev/null
  t1=$(date +%s.%N)
  l=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", b - a }')
  diff -r "$root/tree" "$work/k/tree" >/dev/null && same_k=yes || same_k=NO
  diff -r "$root/tree" "$work/l/tree" >/dev/null && same_l=yes || same_l=NO
  echo "round $round: KORVANTE $k s (byte-equal: $same_k), lftp mirror $l s (byte-equal: $same_l)"
  if [ -z "$best_k" ] || awk -v a="$k" -v b="$best_k" 'BEGIN { exit !(a < b) }'; then
    best_k=$k
    best_out=$out
  fi
  if [ -z "$best_l" ] || awk -v a="$l" -v b="$best_l" 'BEGIN { exit !(a < b) }'; then best_l=$l; fi
done

get() { echo "$best_out" | awk -v k="$1" '$1 == k { print $2 }'; }
n=$(get files)
echo "=== folder download benchmark: $n files, best of $rounds ==="
echo "KORVANTE: $best_k s (tree read $(get read_seconds) s, transfers $(get transfer_seconds) s)"
echo "lftp mirror: $best_l s"
awk -v k="$best_k" -v l="$best_l" \
  'BEGIN { printf "speed ratio (lftp time / KORVANTE time): %.2f (target >= 0.8)\n", l / k }'
awk -v c="$(get transfer_commands)" -v n="$n" -v r="$(get read_commands)" \
    -v s="$(get transfer_seconds)" \
  'BEGIN { printf "commands: %d to read the tree, %.2f per file; %.2f ms per file\n", \
           r, c / n, s / n * 1000 }'
