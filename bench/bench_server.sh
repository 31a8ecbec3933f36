# Sourced by the benchmark scripts. start_bench_server starts the test FTP server
# (user bench, password bench) over "$root" on a free loopback port and sets $port;
# on exit the server stops and the scratch folder "$work" goes.
start_bench_server() {
  coproc SERVER { exec /usr/bin/python3 "$src/scripts/ftp_server.py" --root "$root" \
    --user bench:bench --watch-stdin; }
  server_pid=$SERVER_PID
  trap stop_bench_server EXIT
  read -r word port <&"${SERVER[0]}"
  [ "$word" = PORT ] || { echo "server did not start"; exit 1; }
}

stop_bench_server() {
  exec {SERVER[1]}>&- 2>/dev/null || true
  kill "$server_pid" 2>/dev/null || true
  wait "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
