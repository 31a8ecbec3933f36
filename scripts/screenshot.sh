#!/usr/bin/env bash
# `make screenshot`: runs KORVANTE under Xvfb with a sample program folder and
# writes pictures of the main window in Polish and in English to
# <build>/screenshots/.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
out="$build/screenshots"
mkdir -p "$out"

shoot() {
  local language=$1 name=$2
  local home
  home=$(mktemp -d)
  printf '%s\r\n' 0 1 0 1 "$language" -2147483624 0 1 7 0 "$home" > "$home/konf.dat"
  printf 'Demo server*0*demo*127.0.0.1*^*21*7*\r\nGNU*1*anonymous*ftp.gnu.org*guest@example.com*21*7*\r\n' \
    > "$home/S_list.dat"
  touch "$home/notes.txt" "$home/photo.jpg"
  mkdir -p "$home/documents" "$home/music"
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
    KORVANTE_HOME='$home' KORVANTE_NO_SHUTDOWN=1 '$build/bin/KORVANTE' &
    pid=\$!
    for i in \$(seq 1 50); do
      xwininfo -root -tree 2>/dev/null | grep -q 'KORVANTE 2.5.5' && break
      sleep 0.2
    done
    sleep 1
    import -window root '$out/$name.png'
    kill \$pid
  "
  rm -rf "$home"
  echo "$out/$name.png"
}

shoot 1 main-window-pl
shoot 0 main-window-en
