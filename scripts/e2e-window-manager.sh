#!/usr/bin/env bash
# The desktop program under a real window manager (openbox on a virtual X server):
#   - the title bars carry the windows' own captions and nothing more;
#   - the overflow warning and the boxes after it, the settings dialog and the process-settings
#     dialog can be closed by a click on their buttons, even where the input panel stood;
#   - F8 twice hides and shows the input panel and leaves the main window on the screen.
#   scripts/e2e-window-manager.sh [OUT_DIR]      (screenshots; default /tmp/ravlo-e2e)
# Needs xvfb-run, openbox, xdotool, xprop, xwininfo and ImageMagick's import. Not part of
# the test run: it takes about half a minute.
set -euo pipefail

source "$(dirname "$0")/e2e-prepare.sh"
e2e_prepare /tmp/ravlo-e2e "$@"
mkdir -p "$out"

cat > "$work/session.sh" <<'INNER'
set -uo pipefail
work=$1
out=$2
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
  echo "      active: $(xdotool getactivewindow getwindowname 2>/dev/null)"
  for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do echo "      shown: $w $(xdotool getwindowname "$w")"; done
  echo "      panel was $panel"
}
pass() { echo "ok:   $*"; }

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

# The first visible window whose title matches, waiting up to 5 s.
find_window() {
  local wid=""
  for _ in $(seq 50); do
    wid=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && { echo "$wid"; return 0; }
    sleep 0.1
  done
  return 1
}
title_of() { xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
# x y width height of the window's client area on the screen.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                            /^  Width/{w=$NF} /^  Height/{h=$NF} END{print x, y, w, h}'
}
# Waits up to 3 s for the window to leave the screen.
gone() {
  for _ in $(seq 30); do
    viewable "$1" || return 0
    sleep 0.1
  done
  return 1
}
# Clicks at a point of the window's client area and checks that the window closes.
click_closes() {
  local wid=$1 dx=$2 dy=$3 what=$4 shot=$5
  read -r x y w h < <(geometry "$wid")
  (( dx < 0 )) && dx=$((w + dx))
  (( dy < 0 )) && dy=$((h + dy))
  local px=$((x + dx)) py=$((y + dy))
  read -r qx qy qw qh < <(geometry "$panel")
  local under="clear of the input panel"
  if viewable "$panel" && (( px >= qx && px < qx + qw && py >= qy && py < qy + qh )); then
    under="where the input panel stands"
  fi
  import -window root "$out/$shot"
  xdotool mousemove "$px" "$py" click 1
  if gone "$wid"; then pass "$what: a click on its button at ($px,$py), $under, closed it"
  else fail "$what: the click at ($px,$py), $under, did not close it"; fi
}

"$work/ravlo" &
pid=$!
main=$(find_window '計算画面 -- ケオル舎') || { echo "the main window did not appear"; kill "$pid"; exit 1; }
panel=$(find_window '数式操作') || { echo "the input panel did not appear"; kill "$pid"; exit 1; }
sleep 0.5

for pair in "$main|分数計算器『ラヴロ(RS)』 計算画面 -- ケオル舎" "$panel|<数式操作ﾊﾟﾈﾙ>　▼Ｆ８▲"; do
  wid=${pair%%|*}
  want=${pair#*|}
  got=$(title_of "$wid")
  if [ "$got" = "$want" ]; then pass "title \"$got\""; else fail "title \"$got\", not \"$want\""; fi
done

xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
# A product past the 64-bit range: the overflow warning, then the evaluator's two reports.
xdotool key --delay 60 9 9 9 9 9 9 9 9 9 asterisk 9 9 9 9 9 9 9 9 9 \
  asterisk 9 9 9 9 9 9 9 9 9 equal
n=1
for caption in '警告!' '報告！' 'ご報告！'; do
  box=$(find_window "^$caption\$") || { fail "no box \"$caption\""; break; }
  got=$(title_of "$box")
  [ "$got" = "$caption" ] && pass "title \"$got\"" || fail "title \"$got\", not \"$caption\""
  # The OK button stands at the box's bottom right.
  click_closes "$box" -50 -24 "box \"$caption\"" "box-$n.png"
  n=$((n + 1))
done

xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key j
jouken=$(find_window '^▼条件設定▼$') || fail "the settings dialog did not open"
if [ -n "${jouken:-}" ]; then
  sleep 0.3
  # 詳細Ａ (78,376 70×22) opens the process settings over it; 閉じる C (100,297 96×22)
  # closes them; 閉C (152,376 66×22) closes the settings dialog.
  read -r x y _ _ < <(geometry "$jouken")
  xdotool mousemove $((x + 113)) $((y + 387)) click 1
  procset=$(find_window '^◆詳細設定◆$') || fail "the process-settings dialog did not open"
  if [ -n "${procset:-}" ]; then
    sleep 0.3
    click_closes "$procset" 148 308 "詳細設定" "process-settings.png"
  fi
  sleep 0.3
  click_closes "$jouken" 185 387 "条件設定" "settings.png"
fi

xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key F8
sleep 0.5
viewable "$panel" && fail "F8 left the input panel on the screen" || pass "F8 hid the input panel"
viewable "$main" && pass "the main window stayed after the first F8" || fail "the first F8 took the main window away"
import -window root "$out/f8-once.png"
xdotool key F8
sleep 0.5
# Shown again, the panel may have a new native window.
panel=$(find_window '数式操作') && viewable "$panel" && pass "the second F8 brought the panel back" ||
  fail "the second F8 did not bring the panel back"
viewable "$main" && pass "the main window stayed after the second F8" || fail "the second F8 took the main window away"
import -window root "$out/f8-twice.png"

xdotool key ctrl+alt+x 2>/dev/null || true
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && kill "$pid"
wait "$pid" 2>/dev/null
kill "$wm" 2>/dev/null
echo "$failures failed"
exit $((failures > 0))
INNER

status=0
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh" "$work" "$out" || status=$?
echo "screenshots: $out"
exit "$status"
