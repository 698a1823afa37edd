#!/usr/bin/env bash
# Starts the desktop program on a virtual X server, types 3b2+1= (two thirds plus one) on the
# calculation screen and saves a screenshot of the whole screen.
#   scripts/e2e-screenshot.sh [OUT.png]      (default docs/screenshot.png)
# Needs xvfb-run, xdotool and ImageMagick's import; not part of the test run.
set -euo pipefail

source "$(dirname "$0")/e2e-prepare.sh"
e2e_prepare docs/screenshot.png "$@"

cat > "$work/session.sh" <<'INNER'
set -euo pipefail
work=$1
out=$2
"$work/ravlo" &
pid=$!
wid=""
for _ in $(seq 100); do
  wid=$(xdotool search --onlyvisible --name 'ラヴロ' 2>/dev/null | head -n 1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
if [ -z "$wid" ]; then
  echo "the main window did not appear" >&2
  kill "$pid"
  exit 1
fi
sleep 0.5
xdotool windowfocus --sync "$wid"
xdotool key --window "$wid" --delay 80 3 b 2 plus 1 equal
sleep 1
import -window root "$out"
# Ctrl+Alt+X is the program's own "終了".
xdotool key --window "$wid" ctrl+alt+x 2>/dev/null || true
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
wait "$pid" || true
INNER

xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh" "$work" "$out"
echo "screenshot: $out"
