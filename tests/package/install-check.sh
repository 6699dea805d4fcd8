#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file lands in its standard
# place, and nothing else is installed.
# Usage: install-check.sh BUILD_FOLDER SOURCE_FOLDER VERSION
set -euo pipefail
build=$1
source=$2
version=$3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
    bin/quorvane
    share/applications/quorvane.desktop
    share/mime/packages/quorvane.xml
    share/metainfo/example.brindlecote.quorvane.metainfo.xml
    share/icons/hicolor/scalable/apps/quorvane.svg
    share/man/man1/quorvane.1.gz
    share/doc/quorvane/copyright
)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/quorvane.png")
done
for language in "" _de _fr _es; do
    expected+=("share/quorvane/qvntips$language.txt")
    [[ -z $language ]] || expected+=("share/quorvane/translations/quorvane$language.qm")
done
for folder in help examples; do
    while IFS= read -r file; do
        expected+=("share/quorvane/$folder/$file")
    done < <(cd "$source/data/$folder" && find . -type f -printf '%P\n')
done

installed=$(cd "$prefix" && find . -type f -printf '%P\n' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[[ "$installed" == "$wanted" ]] ||
    fail "installed files differ from the expected ones:
$(diff <(echo "$wanted") <(echo "$installed") || true)"

[[ -x "$prefix/bin/quorvane" ]] || fail "bin/quorvane is not executable"
[[ "$("$prefix/bin/quorvane" --version)" == "Quorvane $version" ]] ||
    fail "the installed program does not report version $version"
cmp -s "$source/data/qvntips.txt" "$prefix/share/quorvane/qvntips.txt" ||
    fail "the installed tips differ from data/qvntips.txt"

for size in 16 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/quorvane.png
    # The width and height are the big-endian words at bytes 16 and 20 of a PNG.
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [[ "$width" == "$size" && "$height" == "$size" ]] ||
        fail "the ${size}x${size} icon is ${width}x${height}"
done

# troff writes a hyphen as \-.
page=$(gzip -dc "$prefix/share/man/man1/quorvane.1.gz") || fail "the man page is not gzip data"
page=${page//\\-/-}
for option in export-code target output import base help version; do
    grep -q -- "^\\.B.* --$option" <<<"$page" || fail "the man page does not describe --$option"
done
grep -q '^\.SH EXIT STATUS' <<<"$page" || fail "the man page has no exit statuses"
echo "install into $prefix is complete"
