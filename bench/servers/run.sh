#!/usr/bin/env bash
# Server lists with 10,000 servers: all-servers view and one category of 5,000.
# Usage: bench/servers/run.sh <build folder>
set -eu
build=${1:-build}
cmake --build "$build" --target bench_server_lists -j2 >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bin/bench_server_lists"
