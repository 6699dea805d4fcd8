#!/usr/bin/env bash
# Installs the npm packages of the browser tests when they are missing or older than the lock
# file. Node.js comes with the machine; without it the browser tests report themselves skipped.
set -euo pipefail
cd "$(dirname "$0")/../tests/browser"

if ! command -v npm >/dev/null; then
    echo "Node.js is not installed: the browser tests will be skipped."
    exit 0
fi
installed=node_modules/.package-lock.json
if [[ -f $installed && ! package-lock.json -nt $installed ]]; then
    exit 0
fi
npm ci --no-audit --no-fund
