#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when all are present.
# "engine" is what the engine, its tests, its benchmarks and the sanitizer and fuzzer build need;
# "all" (the default) adds the window, its tests, the browser tests and the package.
set -euo pipefail

packages=(
    cmake ninja-build g++ make
    libxml2-dev zlib1g-dev liburiparser-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
)
if [[ "${1:-all}" != engine ]]; then
    packages+=(
        qt6-base-dev qt6-webengine-dev libgl-dev
        qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
        clang-format fonts-dejavu-core
        chromium xvfb xauth
        desktop-file-utils libxml2-utils shared-mime-info appstream dpkg-dev
    )
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
