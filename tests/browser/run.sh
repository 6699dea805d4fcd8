#!/usr/bin/env bash
# Runs the browser tests. Exits 77, which ctest reports as skipped, when what they need is not
# installed: a missing browser must never look like a passing run.
set -euo pipefail
cd "$(dirname "$0")"

skip() {
    echo "SKIPPED: $1"
    exit 77
}

[[ -x /usr/bin/chromium ]] || skip "/usr/bin/chromium is missing (scripts/install-deps.sh installs it)"
command -v node >/dev/null || skip "Node.js is missing (install Node.js 20 or later)"
[[ -d node_modules/playwright-core ]] ||
    skip "the npm packages are missing (run scripts/install-browser-tests.sh)"
[[ -n "${QUORVANE_EXE:-}" ]] || { echo "QUORVANE_EXE must name the quorvane executable" >&2; exit 2; }

exec node --test --test-concurrency=1 --test-timeout=300000 ./*.test.js
