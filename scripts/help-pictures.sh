#!/bin/sh
# Draws the pictures of the user guide (docs/help/img) with ravlo-cli render. Each computed
# line is computed by ravlo-cli itself, so a picture always shows what the calculator answers.
# Usage: scripts/help-pictures.sh [path/to/ravlo-cli]   (default build/bin/ravlo-cli)
set -eu
cd "$(dirname "$0")/.."
cli=${1:-build/bin/ravlo-cli}
out=docs/help/img
[ -x "$cli" ] || { echo "help-pictures: $cli not found; run make build first" >&2; exit 1; }
mkdir -p "$out"

pic() {  # NAME [render options] LINE
  name=$1
  shift
  "$cli" render "$@" -o "$out/$name.png"
}
# The line as the calculation screen shows it with the answer column on: the answer text
# before its first "=" again after "&".
with_column() {
  answer=${1#*=}
  printf '%s&%s' "$1" "${answer%%=*}"
}

# 目次
pic first "$("$cli" calc 3b2+1)"
# 式の書き方
pic fraction 3b2
pic mixed 1k3b2
pic repeating 0.1@6
pic minus "$("$cli" calc '2*(m3)')"
pic power "$("$cli" calc '(3b2)^2')"
pic exprfrac "$("$cli" calc '[2+3B1+1]')"
# 答の形
pic chain "$("$cli" calc --anssyu 2 --syoudsp 1 3b1+2)"
pic column "$(with_column "$("$cli" calc 3b1+2)")"
pic remainder "$("$cli" calc --wari-type 1 7/2)"
# 計算過程
pic process_sum --process 1k3b1+2k4b1
pic process_product --process '3b2*4b9'
# 変換
pic reduce "$("$cli" convert yaku 12b8 2>/dev/null)"
pic junkan "$("$cli" convert junkan-of 7b1 2>/dev/null)"
pic factor "600=$("$cli" factor 600 | head -n 1)"
# 方程式・不等式・比
pic equation "$("$cli" calc '2*x+3=7')"
pic inequality "$("$cli" calc '3*x-1<5')"
pic ratio "$(with_column "$("$cli" calc 4:6)")"
# n進法
pic basen "$("$cli" base '255>(16')"

echo "help-pictures: $(ls "$out"/*.png | wc -l) pictures in $out"
