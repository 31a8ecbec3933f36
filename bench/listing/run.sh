#!/usr/bin/env bash
# Listing fill benchmark: 100,000 lines into l3, sorting off and on, and the
# memory the rows take.
#
# usage: bench/listing/run.sh BUILD_DIR [LINES=100000]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
bench=$build/bin/bench_listing
[ -x "$bench" ] || { echo "missing $bench (build first)"; exit 1; }
"$bench" "${2:-100000}"
