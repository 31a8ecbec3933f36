#!/usr/bin/env bash
# The queue download of 1,000 small files (4 KiB each, two folders of 500)
# from one local pyftpdlib server: the main window's queue download, the bare
# engine with the same per-file conversation, and lftp's mget of the same
# files, alternating, passive mode.
#
# usage: bench/queue/run.sh BUILD_DIR [FILES_PER_FOLDER=500] [ROUNDS=3]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
per_folder=${2:-500}
rounds=${3:-3}
src=$(cd "$(dirname "$0")/../.." && pwd)
bench=$build/bin/queue_bench
[ -x "$bench" ] || { echo "missing $bench (build first)"; exit 1; }
command -v lftp >/dev/null || { echo "lftp missing (scripts/install-deps.sh)"; exit 1; }

tmp=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && tmp=/dev/shm
work=$(mktemp -d "$tmp/korvante-queue-bench-XXXXXX")
root=$work/root dl=$work/dl
mkdir -p "$root/a" "$root/b" "$dl"
for folder in a b; do
  for ((i = 0; i < per_folder; i++)); do
    head -c 4096 /dev/urandom > "$root/$folder/$folder$i.bin"
  done
done
total=$((2 * per_folder))

. "$src/bench/bench_server.sh"
start_bench_server

now() { date +%s.%N; }
per_second() { awk -v n="$total" -v s="$1" 'BEGIN { printf "%.0f", n / s }'; }
median() { printf '%s\n' "$@" | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

declare -a window floor queueing lftp_s
for ((r = 1; r <= rounds; r++)); do
  rm -f "$dl"/*
  out=$(QT_QPA_PLATFORM=offscreen "$bench" "$port" bench bench "$dl" /a /b)
  get() { echo "$out" | awk -v k="$1" '$1 == k { print $2 }'; }
  window+=("$(get download_seconds)") floor+=("$(get floor_seconds)")
  queueing+=("$(get queue_seconds)")
  [ "$(get download_files)" = "$total" ] || echo "WARNING: window fetched $(get download_files)"
  rm -f "$dl"/*
  t0=$(now)
  lftp -u bench,bench -p "$port" -e "set ftp:passive-mode on; set cmd:interactive off; \
    lcd $dl; cd /a; mget *; cd /b; mget *; quit" 127.0.0.1 >/dev/null
  t1=$(now)
  lftp_s+=("$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')")
  [ "$(ls "$dl" | wc -l)" = "$total" ] || echo "WARNING: lftp fetched $(ls "$dl" | wc -l)"
  echo "round $r: window $(per_second "${window[-1]}") files/s, engine floor" \
       "$(per_second "${floor[-1]}") files/s, lftp mget $(per_second "${lftp_s[-1]}") files/s"
done

m_window=$(median "${window[@]}") m_floor=$(median "${floor[@]}")
m_lftp=$(median "${lftp_s[@]}") m_queue=$(median "${queueing[@]}")
echo
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) (figures are only as quiet as the machine)"
echo "=== queue download: $total files of 4 KiB in two folders, $rounds rounds, medians ==="
printf '%-44s %8s %10s\n' "" "seconds" "files/s"
printf '%-44s %8.2f %10s\n' "window queue download (S_bufor)" "$m_window" "$(per_second "$m_window")"
printf '%-44s %8.2f %10s\n' "engine floor: SIZE+PASV+RETR, no window" "$m_floor" \
  "$(per_second "$m_floor")"
printf '%-44s %8.2f %10s\n' "lftp mget (same files, same server)" "$m_lftp" "$(per_second "$m_lftp")"
printf '%-44s %8.2f %10s\n' "queueing them (add all, one SIZE per file)" "$m_queue" \
  "$(per_second "$m_queue")"
