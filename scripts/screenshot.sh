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
    command -v openbox >/dev/null && { openbox >/dev/null 2>&1 & sleep 0.5; }
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

# The main window without the log (slot 4 = 0: the server panel covers the
# whole bottom panel) and the category toolbar with FIRMY open, cut out of
# the window's picture (the left panel is 337 pixels wide, from roz.dat).
shoot_layout() {
  local trace=$1 name=$2 toolbar=${3:-}
  local home
  home=$(mktemp -d)
  printf '%s\r\n' 0 1 0 "$trace" 1 -2147483624 0 1 0 0 "$home" > "$home/konf.dat"
  printf '337\r\n' > "$home/roz.dat"
  printf 'Firma A*0*jan*ftp.a.example*^*21*0*\r\nFirma B*1*anonymous*ftp.b.example*guest@example.com*21*0*\r\n' \
    > "$home/p.dat"
  touch "$home/notes.txt" "$home/photo.jpg" "$home/REPORT.DOC"
  mkdir -p "$home/documents"
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
    command -v openbox >/dev/null && { openbox >/dev/null 2>&1 & sleep 0.5; }
    KORVANTE_HOME='$home' KORVANTE_NO_SHUTDOWN=1 '$build/bin/KORVANTE' &
    pid=\$!
    for i in \$(seq 1 50); do
      xwininfo -root -tree 2>/dev/null | grep -q 'KORVANTE 2.5.5' && break
      sleep 0.2
    done
    sleep 1
    import -window root '$out/$name.png'
    xwininfo -name 'KORVANTE 2.5.5 - Klient FTP' > '$home/geometry'
    kill \$pid
  "
  echo "$out/$name.png"
  if [ -n "$toolbar" ]; then
    local x y h
    x=$(awk '/Absolute upper-left X/ {print $NF}' "$home/geometry")
    y=$(awk '/Absolute upper-left Y/ {print $NF}' "$home/geometry")
    h=$(awk '/Height:/ {print $NF}' "$home/geometry")
    convert "$out/$name.png" -crop "130x$((h - 80 - 110))+$((x + 337 - 130))+$((y + 80))" +repage \
      "$out/$toolbar.png"
    echo "$out/$toolbar.png"
  fi
  rm -rf "$home"
}

shoot_layout 0 main-window-no-log
shoot_layout 1 main-window-firmy category-toolbar

# The web/e-mail launcher, the address list and the network chooser (over a
# sample mount table), in both languages. window_shots opens each window
# through its own command over the main window and photographs the screen.
# KONF=none leaves the program folder without konf.dat (a first start);
# PORT names the demo server's port for the server list.
shoot_dialog() {
  local language=$1 window=$2 name=$3
  local home
  home=$(mktemp -d)
  if [ "${KONF:-}" != none ]; then
    printf '%s\r\n' 0 1 0 1 "$language" -2147483624 0 1 7 0 "$home" > "$home/konf.dat"
  fi
  printf 'Demo server*0*demo*127.0.0.1*demo*%s*7*\r\n' "${PORT:-21}" > "$home/S_list.dat"
  printf 'j\363zef.\277\363\263\346@przyk\263ad.pl\r\nanna@example.com\r\nbiuro@example.org\r\n' \
    > "$home/Adresy.dat"
  mkdir -p "$home/net/reports/2024" "$home/net/reports/2025" "$home/nfs/home" \
    "$home/gvfs/smb-share:server=nas,share=public"
  printf '%s\n' "/dev/sda1 / ext4 rw 0 0" \
    "//fileserver/reports $home/net cifs rw,vers=3.0 0 0" \
    "nas:/export/home $home/nfs nfs4 rw 0 0" \
    "gvfsd-fuse $home/gvfs fuse.gvfsd-fuse rw 0 0" > "$home/mounts"
  xvfb-run -a -s "-screen 0 1024x700x24" bash -c "
    command -v openbox >/dev/null && { openbox >/dev/null 2>&1 & sleep 0.5; }
    KORVANTE_HOME='$home' KORVANTE_MOUNT_TABLE='$home/mounts' KORVANTE_NO_SHUTDOWN=1 \
      '$build/bin/window_shots' '$language' '$window' '$out/$name.png'
  "
  rm -rf "$home"
  echo "$out/$name.png"
}

for lang in pl en; do
  flag=$([ "$lang" = pl ] && echo 1 || echo 0)
  shoot_dialog "$flag" launcher "launcher-$lang"
  shoot_dialog "$flag" addresses "address-list-$lang"
  shoot_dialog "$flag" network "network-chooser-$lang"
done

# The quick-connect dialog and the settings dialog (first and last page).
for lang in pl en; do
  flag=$([ "$lang" = pl ] && echo 1 || echo 0)
  shoot_dialog "$flag" quickconnect "quick-connect-$lang"
  shoot_dialog "$flag" settings "settings-$lang"
  shoot_dialog "$flag" settings-other "settings-other-$lang"
done
# A first start: no konf.dat, the log pane sends the user to the settings.
KONF=none shoot_dialog 0 settings "settings-fresh"
KONF=none shoot_dialog 0 settings-other "settings-fresh-other"
KONF=none shoot_dialog 0 settings-colours "settings-fresh-colours"

# The progress window during a download from a local demo server that sends
# slowly enough for the window to be up when the picture is taken.
src=$(cd "$(dirname "$0")/.." && pwd)
ftp_root=$(mktemp -d)
head -c 40000000 /dev/zero > "$ftp_root/big.bin"
coproc SERVER { exec /usr/bin/python3 "$src/scripts/ftp_server.py" --root "$ftp_root" \
    --user demo:demo --send-rate 4000000 --watch-stdin; }
server_pid=$SERVER_PID
read -r _ port <&"${SERVER[0]}"
for lang in pl en; do
  flag=$([ "$lang" = pl ] && echo 1 || echo 0)
  PORT=$port shoot_dialog "$flag" progress "progress-$lang"
done
exec {SERVER[1]}>&- # the server ends with its input
wait "$server_pid" 2>/dev/null || true
rm -rf "$ftp_root"
