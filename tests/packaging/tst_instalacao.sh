#!/usr/bin/env bash
# tst_instalacao.sh CMAKE BUILD_DIR EXPECTED_LIST: installs the build under
# /usr in a temporary folder and compares the files (links included) with the list.
set -euo pipefail
cmake=$1 construcao=$2 esperado=$3
destino=$(mktemp -d)
trap 'rm -rf "$destino"' EXIT
DESTDIR=$destino "$cmake" --install "$construcao" --prefix /usr >/dev/null
diff -u "$esperado" <(cd "$destino" && find . ! -type d | sed 's,^\./,,' | LC_ALL=C sort)
echo "installed files as listed: $(wc -l <"$esperado")"
