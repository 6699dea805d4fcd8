#!/usr/bin/env bash
# Runs the end-to-end test ($1) on an X server of its own. Exits 77, which ctest reports as
# skipped, when what it needs is not installed: a missing browser must never look like a pass.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

skip() { echo "SKIPPED: $1" && exit 77; }

command -v xvfb-run >/dev/null || skip "xvfb-run is missing (scripts/install-deps.sh installs it)"
command -v xauth >/dev/null || skip "xauth is missing (scripts/install-deps.sh installs it)"
[[ -x /usr/bin/chromium ]] || skip "/usr/bin/chromium is missing (scripts/install-deps.sh installs it)"
command -v node >/dev/null || skip "Node.js is missing (install Node.js 20 or later)"
[[ -d $here/../browser/node_modules/playwright-core ]] ||
    skip "the npm packages are missing (run scripts/install-browser-tests.sh)"

exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
    env QT_QPA_PLATFORM=xcb "$1"
