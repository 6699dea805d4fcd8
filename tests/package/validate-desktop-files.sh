#!/usr/bin/env bash
# Validates the desktop entry, the MIME type and the AppStream metainfo, and checks that they agree
# on the names the program writes in its own per-user association.
# Usage: validate-desktop-files.sh DATA_FOLDER VERSION. Exits 77 (skipped) when a validator is
# missing.
set -euo pipefail
data=$1/desktop
version=$2
desktop=$data/quorvane.desktop
mime=$data/quorvane.xml
metainfo=$data/example.brindlecote.quorvane.metainfo.xml

for tool in desktop-file-validate xmllint update-mime-database appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# desktop-file-validate exits 0 on hints and warnings; any output at all counts as a failure.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[[ -z "$report" ]] || fail "desktop-file-validate: $report"
grep -qx 'Exec=quorvane %f' "$desktop" || fail "the desktop entry does not start quorvane %f"
grep -qx 'MimeType=application/x-quorvane-project;' "$desktop" ||
    fail "the desktop entry does not name the project type"

# The schema of the MIME files when this system has one; update-mime-database checks the rest.
xmllint --noout "$mime" || fail "$mime is not well-formed"
for schema in /usr/share/shared-mime-info/shared-mime-info.xsd \
    /usr/share/xml/shared-mime-info/shared-mime-info.xsd; do
    if [[ -f "$schema" ]]; then
        xmllint --noout --schema "$schema" "$mime" || fail "$mime does not match $schema"
    fi
done
mkdir -p "$work/mime/packages"
cp "$mime" "$work/mime/packages/"
report=$(XDG_DATA_HOME=$work XDG_DATA_DIRS=$work update-mime-database "$work/mime" 2>&1) || fail "update-mime-database: $report"
[[ -z "$report" ]] || fail "update-mime-database: $report"
grep -qx 'application/x-quorvane-project:\*\.qvn' "$work/mime/globs" ||
    fail "*.qvn is not mapped to application/x-quorvane-project"
grep -q '<comment>Quorvane Project File</comment>' \
    "$work/mime/application/x-quorvane-project.xml" || fail "the project type has no comment"

# Validation reaches no network; infos (such as a reverse-DNS guess) are not failures.
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
grep -q '<launchable type="desktop-id">quorvane.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not launch quorvane.desktop"
grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the metainfo names no release $version"
echo "desktop entry, MIME type and metainfo are valid"
