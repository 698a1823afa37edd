#!/usr/bin/env bash
# Starts the desktop program on a virtual X server with a window manager, opens the
# expression editor with Alt+E, types 3b2+1 and computes it with Ctrl+Enter; then opens the
# substitution box with Alt+D, substitutes x=3b2 into x^2+1 and computes that; last, opens
# the editor again, and from it the constants box (定数 &T), whose 貼 &P puts 2.5 into the
# editor's field; last, opens the notebook (N) on the screen's line, selects the problem,
# edits it with 選択式を編集 (Ctrl+E) as 3b2+1 and computes it into the notebook. A
# screenshot of the whole screen after each.
#   scripts/e2e-editor.sh [OUTDIR]      (default docs/)
# Needs xvfb-run, openbox, xdotool and ImageMagick's import; not part of the test run.
set -euo pipefail

source "$(dirname "$0")/e2e-prepare.sh"
e2e_prepare docs "$@"
mkdir -p "$out"

cat > "$work/session.sh" <<'INNER'
set -euo pipefail
work=$1
outdir=$2
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
"$work/ravlo" &
pid=$!

window() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "no window '$1'" >&2; import -window root "$outdir/failed.png"; kill "$pid" "$wm"; exit 1; }
  echo "$id"
}

# Waits until no visible window has this name.
gone() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  echo "window '$1' stayed" >&2; import -window root "$outdir/failed.png"; kill "$pid" "$wm"; exit 1
}

main=$(window 'ラヴロ')
sleep 0.5
xdotool windowactivate --sync "$main"
sleep 0.3
xdotool key alt+e
editor=$(window '式エディタ')
xdotool windowactivate --sync "$editor"
sleep 0.3
xdotool type --delay 80 '3b2+1'
xdotool key ctrl+Return
sleep 1
import -window root "$outdir/editor.png"
xdotool key alt+c
gone '式エディタ'

xdotool windowactivate --sync "$main"
sleep 0.3
xdotool key alt+d
box=$(window '数値代入')
xdotool windowactivate --sync "$box"
sleep 0.3
xdotool type --delay 80 'x^2+1'
xdotool key --delay 100 shift+Tab shift+Tab shift+Tab
sleep 0.3
xdotool type --delay 80 '3b2'
xdotool key alt+k
sleep 1
import -window root "$outdir/substitution.png"

xdotool windowactivate --sync "$main"
sleep 0.3
xdotool key alt+e
editor=$(window '式エディタ')
xdotool windowactivate --sync "$editor"
sleep 0.3
xdotool key ctrl+a BackSpace alt+t
consts=$(window '定数設定')
xdotool windowactivate --sync "$consts"
sleep 0.3
xdotool type --delay 80 '2.5'
xdotool key alt+p
# The box stands over the editor's field: moved aside for the picture.
xdotool windowmove "$consts" 180 560
sleep 1
import -window root "$outdir/editor-constants.png"
xdotool windowactivate --sync "$editor"
sleep 0.3
# The pasted value is not on the screen yet: the editor asks, and OK closes it.
xdotool key alt+c
sleep 0.5
xdotool key Return
gone '式エディタ'

# The boxes go, for a clear view of the notebook.
for name in '定数設定' '数値代入'; do
  w=$(window "$name")
  xdotool windowactivate --sync "$w"
  sleep 0.3
  xdotool key alt+c
  gone "$name"
done
xdotool windowactivate --sync "$main"
sleep 0.3
xdotool key n
note=$(window 'ノート画面')
xdotool windowactivate --sync "$note"
sleep 0.3
xdotool key shift+Down ctrl+e
editor=$(window '式エディタ')
xdotool windowactivate --sync "$editor"
sleep 0.3
xdotool key ctrl+a BackSpace
xdotool type --delay 80 '3b2+1'
xdotool key ctrl+Return
sleep 1
import -window root "$outdir/notebook-editor.png"
# The notebook has changes; the program is stopped rather than asked.
kill "$pid" 2>/dev/null || true
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
wait "$pid" || true
kill "$wm" 2>/dev/null || true
INNER

xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh" "$work" "$out"
echo "screenshots: $out/editor.png $out/substitution.png $out/editor-constants.png $out/notebook-editor.png"
