# Sourced by the end-to-end scripts. e2e_prepare DEFAULT [OUT] sets root (the source tree),
# bin (the built program), out (OUT, else DEFAULT; relative to the tree) and work: a scratch
# folder, removed on exit, holding a copy of the program, since the program keeps its settings
# file beside itself and the tree's own must stay untouched.
e2e_prepare() {
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  bin=${RAVLO_BIN:-$root/build/bin/ravlo}
  local target=${2:-$1}
  case $target in /*) ;; *) [ -n "${2:-}" ] || target=$root/$target ;; esac
  out=$(realpath -m "$target")
  [ -x "$bin" ] || { echo "build the program first: make build" >&2; exit 1; }
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp "$bin" "$work/ravlo"
}
