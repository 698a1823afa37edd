#!/usr/bin/env bash
# The files that make an installed program: the menu entry and the AppStream record pass their
# validators, .siki files get their type, the man page covers every command and option that
# ravlo-cli knows, and an install puts everything where the desktop looks for it.
set -uo pipefail
src=$1 build=$2
id=jp.keorusha.ravlo
cli=$build/bin/ravlo-cli
fail=0
bad() { echo "FAIL: $*" >&2; fail=1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

desktop-file-validate "$src/desktop/$id.desktop" || bad "desktop entry"
appstreamcli validate --no-net --pedantic "$build/desktop/$id.metainfo.xml" || bad "metainfo"

mkdir -p "$tmp/mime/packages"
cp "$src/desktop/$id.mime.xml" "$tmp/mime/packages/$id.xml"
update-mime-database "$tmp/mime" >/dev/null 2>&1 || bad "mime package"
grep -qx 'text/x-siki:\*.siki' "$tmp/mime/globs" || bad "no *.siki glob in the mime database"

man_page=$src/desktop/man/ravlo-cli.1
for page in "$man_page" "$src/desktop/man/ravlo.1"; do
  warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || bad "$page: $warnings"
done
# The command list of the usage line, and each command's options from its own usage line.
commands=$("$cli" 2>&1 | sed -n 's/.*(commands: \(.*\)).*/\1/p' | tr -d ,)
[ -n "$commands" ] || bad "no command list in ravlo-cli's usage line"
for c in $commands; do
  grep -Eq "^\.BI? \"?$c( |\"|$)|^\.BR \"?$c( |\"|$)" "$man_page" || bad "man page lacks command $c"
  for option in $("$cli" "$c" </dev/null 2>&1 | grep -o -- '--[a-z0-9-]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" "$man_page" || bad "man page lacks $c $option"
  done
done

DESTDIR=$tmp/stage cmake --install "$build" --prefix /usr >/dev/null || bad "cmake --install"
root=$tmp/stage/usr
for f in bin/ravlo bin/ravlo-cli share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/mime/packages/$id.xml share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/48x48/apps/$id.png share/man/man1/ravlo-cli.1.gz \
         share/man/man1/ravlo.1.gz; do
  [ -f "$root/$f" ] || bad "not installed: $f"
done
if [ -d "$src/docs/help" ]; then
  [ -n "$(ls -A "$root/share/ravlo/help" 2>/dev/null)" ] || bad "the user guide is not installed"
fi
out=$("$root/bin/ravlo-cli" calc 3b2+1) || bad "installed ravlo-cli failed"
[ "$out" = "3b2+1=1k3b2" ] || bad "installed ravlo-cli printed '$out'"
exit $fail
