#!/usr/bin/env bash
# Listing fill benchmark: 100,000 and 1,000,000 lines into l3, sorting off and
# on, the memory the listing and its rows take, scrolling to the end and the
# mask filter.
#
# usage: bench/listing/run.sh BUILD_DIR [LINES]   (LINES: one size instead of both)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
bench=$build/bin/bench_listing
[ -x "$bench" ] || { echo "missing $bench (build first)"; exit 1; }
status=0
for lines in ${2:-100000 1000000}; do
  "$bench" "$lines" || status=1
done
exit $status
