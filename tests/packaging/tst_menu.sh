#!/usr/bin/env bash
# tst_menu.sh PACKAGING_DIR: desktop-file-validate accepts the menu entry
# without a remark, and the shared MIME database built from our XML gives
# *.ar1 the type the entry opens, *.art its own type, each its icon.
set -euo pipefail
pasta=$1
entrada=$pasta/dorvik.desktop
observacoes=$(desktop-file-validate "$entrada" 2>&1) || { echo "$observacoes"; exit 1; }
[[ -z $observacoes ]] || { echo "desktop-file-validate: $observacoes"; exit 1; }

dados=$(mktemp -d)
trap 'rm -rf "$dados"' EXIT
mime=$dados/mime
mkdir -p "$mime/packages"
cp "$pasta/dorvik-mime.xml" "$mime/packages/dorvik.xml"
XDG_DATA_DIRS=$dados update-mime-database "$mime"
tipo=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$entrada")
diff -u <(printf '%s\n' "50:$tipo:*.ar1" '50:application/x-dorvik-art:*.art') \
        <(grep -v '^#' "$mime/globs2" | LC_ALL=C sort -r)
diff -u <(printf '%s\n' "$tipo:application-x-dorvik-projeto" 'application/x-dorvik-art:application-x-dorvik-art') \
        <(LC_ALL=C sort -r "$mime/icons")
diff -u <(echo "$tipo application/vnd.sqlite3") "$mime/subclasses"
echo "menu entry valid; *.ar1 is $tipo"
