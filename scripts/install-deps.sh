#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when all are present.
set -euo pipefail

packages=(
    cmake ninja-build g++ make
    qt6-base-dev qt6-webengine-dev libgl-dev
    libxml2-dev zlib1g-dev liburiparser-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-format fonts-dejavu-core
    clang libclang-rt-14-dev
    chromium xvfb xauth
    desktop-file-utils libxml2-utils shared-mime-info appstream dpkg-dev
)

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
