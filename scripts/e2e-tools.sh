#!/usr/bin/env bash
# Drives the constants box, its calculator, the weekly goals editor and the version window on
# a virtual X server with openbox, and saves a screenshot after each step:
#   scripts/e2e-tools.sh [OUTDIR]      (default /tmp/ravlo-tools-shots)
# Needs xvfb-run, openbox, xdotool and ImageMagick's import; not part of the test run.
set -euo pipefail

source "$(dirname "$0")/e2e-prepare.sh"
e2e_prepare /tmp/ravlo-tools-shots "$@"
mkdir -p "$out"

cat > "$work/session.sh" <<'INNER'
set -euo pipefail
work=$1
out=$2
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

window() {  # window() NAME: the id of the visible window whose title holds NAME
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "no window '$1'" >&2; return 1; }
  echo "$id"
}
# xdotool types a character it has no key for through a spare key; one at a time, or some go
# missing.
jtype() { for c in "$@"; do xdotool type --delay 200 "$c"; sleep 0.6; done; }
shot() { sleep 0.7; import -window root "$out/$1.png"; }
keys() { local w=$1; shift; xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"; xdotool key --delay 60 "$@"; }
start() {
  "$work/ravlo" &
  pid=$!
  main=$(window '計算画面')
  sleep 0.5
}
quit() {
  keys "$main" ctrl+alt+x || true
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && kill "$pid"
  wait "$pid" || true
}

start
keys "$main" 2 KP_Multiply
keys "$main" ctrl+w
box=$(window '定数設定')
# pai, named 円周率, stored: the box says so and drops its list down.
xdotool type --delay 60 pai
xdotool key Tab
jtype 円 周 率
sleep 0.2
keys "$box" alt+a
shot 1-stored
xdotool key Return
sleep 0.3
xdotool key Escape
keys "$box" alt+i
shot 2-inserted
keys "$main" equal
shot 3-computed

# The calculator: 2,10 and A^N.
keys "$box" shift+Tab ctrl+a BackSpace
xdotool type --delay 60 '2,10'
keys "$box" alt+n
shot 4-power
xdotool key Return
sleep 0.3
keys "$box" alt+c

# The weekly goals: settings dialog, 編集Ｅ, two goals, 決定.
keys "$main" Delete j
jouken=$(window '条件設定')
keys "$jouken" alt+e
goals=$(window '今週の目標')
jtype 毎 日 音 読 す る
xdotool key Return
jtype 計 算 ド リ ル
shot 5-goals
keys "$goals" alt+d
sleep 0.3
keys "$jouken" Escape
shot 6-side-panel

# The version window from the help menu.
keys "$main" alt+h
sleep 0.3
xdotool key a
window 'バージョン情報' >/dev/null
shot 7-version
xdotool key Return
sleep 0.3
quit

# Another run: the constant and the goals come back from the settings file.
start
keys "$main" ctrl+w
window '定数設定' >/dev/null
shot 8-restarted
quit
kill "$wm" 2>/dev/null || true
iconv -f CP932 -t UTF-8 "$work/RavloRS02.ini" | grep -E '^(SOUSUU|値0|値1|MOKUHYOU[01])=' > "$out/settings.txt" || true
INNER

xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh" "$work" "$out"
echo "screenshots: $out"
