#!/usr/bin/env bash
# Installs what the build needs on Debian or Ubuntu, then configures and
# builds in Release. Sourced by ./run and ./test.
set -euo pipefail

VORTALIN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VORTALIN_BUILD="${VORTALIN_BUILD:-$VORTALIN_ROOT/build}"

VORTALIN_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libvulkan-dev libxkbcommon-dev
    qt6-translations-l10n
    libbenchmark-dev
    fonts-liberation fonts-dejavu-core fonts-urw-base35
    xvfb xauth
    clang libclang-rt-14-dev
    locales
    desktop-file-utils
)

install_missing_packages() {
    local missing=()
    for p in "${VORTALIN_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get -o DPkg::Lock::Timeout=600 update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    cmake -S "$VORTALIN_ROOT" -B "$VORTALIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$VORTALIN_BUILD" --parallel "$(nproc)"
}

install_missing_packages
configure_and_build
