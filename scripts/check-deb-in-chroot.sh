#!/usr/bin/env bash
# Installs the Debian package into a freshly bootstrapped Debian 12 and tries it there:
# ravlo-cli computes, the man page shows, and the desktop program, started by an ordinary user
# under Xvfb, opens its window, keeps its settings in ~/.config/ravlo/ and opens a notebook
# file given to it.
#   sudo scripts/check-deb-in-chroot.sh [ravlo_VERSION_ARCH.deb]   (default: build-package/)
# The package is installed without its recommendations, so its dependencies alone must do.
# Needs root, debootstrap and the network (deb.debian.org); takes a few minutes. Leaves the
# screenshots in build-package/chroot-window*.png. Not part of `make test`.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
deb=$(realpath "${1:-$(ls "$here"/build-package/ravlo_*.deb | tail -n 1)}")
root=${RAVLO_CHROOT:-/var/tmp/ravlo-deb-check}
cache=${RAVLO_DEBOOTSTRAP_CACHE:-/var/tmp/ravlo-debootstrap-cache}
shot=$here/build-package/chroot-window.png
mirror=http://deb.debian.org/debian

[ "$(id -u)" -eq 0 ] || { echo "run as root (debootstrap and chroot)" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "debootstrap is missing: apt install debootstrap" >&2; exit 2; }

unmount() {
  for m in "$root/dev/pts" "$root/proc"; do mountpoint -q "$m" && umount "$m"; done
  return 0
}
trap unmount EXIT

step() { printf '\n== %s\n' "$*"; }
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

step "fresh Debian 12 (minbase) in $root"
unmount
rm -rf "$root"
mkdir -p "$cache"
debootstrap --variant=minbase --cache-dir="$cache" bookworm "$root" "$mirror" >/dev/null
cat > "$root/etc/apt/sources.list" <<SOURCES
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
SOURCES
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t devpts devpts "$root/dev/pts"
in_root apt-get update -q >/dev/null

step "apt-get install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends ./$(basename "$deb")" |
  grep -E '^(The following NEW|  |[0-9]+ upgraded|Need to get)' || true
missing=$(in_root sh -c 'ldd /usr/bin/ravlo /usr/bin/ravlo-cli' | grep 'not found' || true)
[ -z "$missing" ] || { echo "libraries missing: $missing" >&2; exit 1; }

step "ravlo-cli calc 3b2+1"
answer=$(in_root ravlo-cli calc 3b2+1)
echo "$answer"
[ "$answer" = "3b2+1=1k3b2" ] || { echo "unexpected answer" >&2; exit 1; }

step "tools for the checks: man-db, xvfb, xdotool, xprop"
in_root sh -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends man-db xvfb xauth xdotool x11-utils' >/dev/null

step "man ravlo-cli"
in_root sh -c 'MANWIDTH=80 man ravlo-cli | head -n 12'

step "ravlo under Xvfb as an ordinary user"
in_root useradd --create-home --shell /bin/bash teacher
cat > "$root/tmp/session.sh" <<'SESSION'
set -eu
ravlo &
pid=$!
wid=""
for _ in $(seq 100); do
  for w in $(xdotool search --onlyvisible --class ravlo 2>/dev/null || true); do
    xdotool getwindowname "$w" | grep -q '計算画面' && wid=$w
  done
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "the main window did not appear" >&2; kill "$pid"; exit 1; }
echo "window: $(xdotool getwindowname "$wid")"
xprop -id "$wid" _NET_WM_ICON | grep -q 'Icon (' || { echo "the window has no icon" >&2; kill "$pid"; exit 1; }
sleep 1
xdotool windowfocus --sync "$wid"
xdotool key --window "$wid" --delay 80 3 b 2 plus 1 equal
sleep 1
# Xvfb's own frame buffer: xwd and GetImage leave the input panel's window black.
cp /tmp/fb/Xvfb_screen0 /tmp/window.xwd
# Ctrl+Alt+X is the program's own "終了"; closing writes the settings.
xdotool key --window "$wid" ctrl+alt+x 2>/dev/null || true  # the window may go before the key is up
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "ravlo did not quit" >&2; kill "$pid"; exit 1; fi
wait "$pid"
SESSION
install -d -m 1777 "$root/tmp/fb"
run_session() {  # user
  chroot "$root" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 \
    su - "$1" -c 'LANG=C.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24 -fbdir /tmp/fb" sh /tmp/session.sh'
}
run_session teacher
ini=$root/home/teacher/.config/ravlo/RavloRS02.ini
[ -f "$ini" ] || { echo "no settings file in ~/.config/ravlo/" >&2; exit 1; }
echo "settings: ${ini#"$root"} ($(stat -c %s "$ini") bytes)"
convert "xwd:$root/tmp/window.xwd" "$shot" && echo "screenshot: $shot"

step "ravlo note.siki opens the notebook on the file"
printf '#\x8a\x77\x8f\x4b\r\n3b2+1\r\n4:6\r\n' > "$root/home/teacher/note.siki"  # "#学習" in code page 932
cat > "$root/tmp/notebook.sh" <<'NOTEBOOK'
set -eu
ravlo note.siki &
pid=$!
found=""
for _ in $(seq 100); do
  for w in $(xdotool search --onlyvisible --class ravlo 2>/dev/null || true); do
    xdotool getwindowname "$w" | grep -q 'ノート画面.*note.siki' && found=$(xdotool getwindowname "$w")
  done
  [ -n "$found" ] && break
  sleep 0.1
done
sleep 1
cp /tmp/fb/Xvfb_screen0 /tmp/notebook.xwd
kill "$pid"
[ -n "$found" ] || { echo "no notebook window on note.siki" >&2; exit 1; }
echo "window: $found"
NOTEBOOK
chroot "$root" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 \
  su - teacher -c 'LANG=C.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24 -fbdir /tmp/fb" sh /tmp/notebook.sh'
convert "xwd:$root/tmp/notebook.xwd" "${shot%.png}-notebook.png" && echo "screenshot: ${shot%.png}-notebook.png"

step "ravlo as root keeps its settings out of /usr/bin"
run_session root >/dev/null
[ -f "$root/root/.config/ravlo/RavloRS02.ini" ] || { echo "no settings in /root/.config/ravlo/" >&2; exit 1; }
[ ! -e "$root/usr/bin/RavloRS02.ini" ] || { echo "settings written into /usr/bin" >&2; exit 1; }
echo "settings: /root/.config/ravlo/RavloRS02.ini"

step "all checks passed"
