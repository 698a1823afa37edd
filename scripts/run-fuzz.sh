#!/usr/bin/env bash
# Runs each fuzz target for a while on its seed corpus (fuzz/corpus/NAME) and the corpus it
# grew before (BUILD/corpus/NAME). A finding is kept in BUILD/findings/ and fails the run.
# Usage: scripts/run-fuzz.sh BUILD SECONDS TARGET...
# FUZZ_SLOW_MS: an input slower than this is a finding (default 1000, instrumented build).
set -uo pipefail
build=$1
seconds=$2
shift 2
here=$(cd "$(dirname "$0")/.." && pwd)
slow=${FUZZ_SLOW_MS:-1000}
mkdir -p "$build/findings"
failed=()
for name in "$@"; do
  bin="$build/bin/fuzz_$name"
  corpus="$build/corpus/$name"
  seeds="$here/fuzz/corpus/$name"
  mkdir -p "$corpus"
  maxlen=320
  case $name in siki_file|settings_file) maxlen=4096 ;; esac
  dict=()
  case $name in
    checker|evaluator|solver|process|render) dict=(-dict="$here/fuzz/siki.dict") ;;
  esac
  echo "== fuzz_$name for ${seconds}s"
  RAVLO_FUZZ_SLOW_MS=$slow ASAN_OPTIONS=detect_leaks=1 "$bin" "$corpus" "$seeds" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=$maxlen \
    -report_slow_units=1 -print_final_stats=1 -artifact_prefix="$build/findings/$name-" \
    "${dict[@]}" >"$build/findings/$name.log" 2>&1
  rc=$?
  grep -E "^stat::(number_of_executed_units|peak_rss_mb)|#[0-9]+ +DONE" "$build/findings/$name.log" | tail -3
  if [ $rc -ne 0 ]; then
    failed+=("$name")
    grep -A4 -E "FINDING|ERROR: (libFuzzer|AddressSanitizer)|runtime error" "$build/findings/$name.log" | head -20
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "findings in: ${failed[*]} (inputs in $build/findings/)"
  exit 1
fi
echo "no findings"
