#!/usr/bin/env bash
# Fails when a text of the sources has no finished translation in a shipped language: the
# translations are brought up to date in a scratch copy, as the translators' update would, and
# every message still unfinished there is named.
set -euo pipefail
source_dir=$1
lupdate=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$source_dir"/translations/*.ts "$scratch"
"$lupdate" -silent -tr-function-alias QT_TRANSLATE_NOOP+=TRANSLATABLE -no-obsolete -locations none \
    -extensions cpp,h "$source_dir"/src/gui "$source_dir"/src/core "$source_dir"/src/import \
    -ts "$scratch"/*.ts
status=0
for ts in "$scratch"/*.ts; do
    missing=$(grep -c 'type="unfinished"' "$ts" || true)
    if [[ $missing -ne 0 ]]; then
        echo "$(basename "$ts"): $missing texts without a finished translation:"
        grep -B3 'type="unfinished"' "$ts" | grep '<source>' | sed 's/^ */  /' | sed -n '1,20p'
        status=1
    fi
done
exit $status
