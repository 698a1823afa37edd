#!/usr/bin/env bash
# The notebook from start to end on a virtual X server with a window manager (openbox):
# 3b2+1= on the calculation screen, N opens the notebook with it, the whole-notebook editor
# adds problems, a title is written, Ctrl+Z computes them all, Ctrl+P prints the page into a PDF, and closing
# answers the save question with a file name. Screenshots and the PDF go to OUTDIR.
#   scripts/e2e-notebook.sh [OUTDIR]      (default build/e2e-notebook)
# Needs xvfb-run, openbox, xdotool, ImageMagick's import and poppler's pdftoppm; not part of
# the test run.
set -euo pipefail

source "$(dirname "$0")/e2e-prepare.sh"
# The scratch folder is also the home folder, so that the print dialog's file goes there.
e2e_prepare build/e2e-notebook "$@"
mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.pdf "$out"/*.siki

cat > "$work/session.sh" <<'INNER'
set -euo pipefail
work=$1
out=$2
export HOME=$work
cd "$work"
openbox >/dev/null 2>&1 &
sleep 1
"$work/ravlo" &
pid=$!

# waitfor NAME: the id of the first visible window whose title holds NAME.
waitfor() {
  local wid=""
  for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && { echo "$wid"; return 0; }
    sleep 0.1
  done
  echo "no window '$1' appeared" >&2
  return 1
}
keys() { xdotool key --clearmodifiers --delay 120 "$@"; sleep 0.6; }

main=$(waitfor 'ラヴロ')
sleep 0.5
xdotool windowactivate --sync "$main"
keys 3 b 2 plus 1 equal
import -window root "$out/1-calc.png"

# N: the notebook opens with the line as its problem, the control box beside it.
keys n
note=$(waitfor 'ノート画面')
sleep 0.8
import -window root "$out/2-opened.png"

# Ctrl+Shift+F8: the window as wide as an A4 page; the control box moved beside it.
xdotool windowactivate --sync "$note"
keys ctrl+shift+F8
box=$(waitfor 'ﾉｰﾄ操作箱')
xdotool windowmove "$box" 900 60
sleep 0.3

# Ctrl+T: a title, closed with 終了 (Alt+C).
xdotool windowactivate --sync "$note"
keys ctrl+t
title=$(waitfor 'ノートの表題')
xdotool windowactivate --sync "$title"
xdotool type --delay 80 '分数の練習'
sleep 0.3
keys alt+c

# Ctrl+G: the whole-notebook editor; three more problems, then ノート → 反映終了, Yes.
xdotool windowactivate --sync "$note"
keys ctrl+g
edit=$(waitfor 'ﾉｰﾄﾌﾞｯｸの式編集')
xdotool windowactivate --sync "$edit"
keys ctrl+End Return
xdotool type --delay 60 '2x+3=7'
keys Return
xdotool type --delay 60 '4:6'
keys Return
xdotool type --delay 60 '5b3*2-1='
sleep 0.5
import -window root "$out/3-editor.png"
keys alt+n r
keys Return

# Ctrl+Z: compute all, OK.
xdotool windowactivate --sync "$note"
keys ctrl+z
keys Return
# Shift+Down twice: problem 2 selected (◆).
keys shift+Down shift+Down
sleep 0.5
import -window "$note" "$out/4-computed-window.png"
import -window root "$out/4-computed.png"
convert "$out/4-computed.png" -crop 1040x660+76+36 +repage "$out/notebook.png"

# Ctrl+P: the print dialog prints to a PDF file by default when there is no printer.
keys ctrl+p
sleep 1.5
import -window root "$out/5-print-dialog.png"
keys Return
sleep 2

# Ctrl+C closes: the save question, Yes, then the save dialog with a file name.
xdotool windowactivate --sync "$note"
keys ctrl+c
sleep 0.5
import -window root "$out/6-close-question.png"
keys Return
sleep 1.5
xdotool type --delay 40 "$work/kept"
keys Return
sleep 1
import -window root "$out/7-after-close.png"
cp "$work"/*.pdf "$out/" 2>/dev/null || true
cp "$work"/kept.siki "$out/" 2>/dev/null || true

xdotool windowactivate --sync "$main" 2>/dev/null || true
keys ctrl+alt+x
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
wait "$pid" || true
INNER

xvfb-run -a -s "-screen 0 1280x900x24" bash "$work/session.sh" "$work" "$out"
for pdf in "$out"/*.pdf; do
  [ -f "$pdf" ] && pdftoppm -png -r 60 "$pdf" "${pdf%.pdf}-page"
done
ls -l "$out"
