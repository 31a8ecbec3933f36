#!/usr/bin/env bash
# Runs every benchmark: each bench/<name>/run.sh gets the build folder.
set -u
build=${1:-build}
status=0
for script in "$(dirname "$0")"/*/run.sh; do
  [ -f "$script" ] || continue
  echo "=== $(basename "$(dirname "$script")") ==="
  bash "$script" "$build" || status=1
done
exit $status
