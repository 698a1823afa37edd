#!/usr/bin/env bash
# After installing under PREFIX by hand: refresh the file-type, menu and icon caches so the
# menu entry, the icon and "open .siki with Ravlo" show up at once. The Debian package leaves
# this to dpkg's triggers. A missing tool or an unwritable cache is skipped.
set -u
share="${1:-/usr/local}/share"
command -v update-mime-database >/dev/null && update-mime-database "$share/mime" 2>/dev/null
command -v update-desktop-database >/dev/null && update-desktop-database -q "$share/applications" 2>/dev/null
command -v gtk-update-icon-cache >/dev/null && [ -f "$share/icons/hicolor/index.theme" ] &&
  gtk-update-icon-cache -q -t "$share/icons/hicolor" 2>/dev/null
exit 0
