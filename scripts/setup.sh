#!/usr/bin/env bash
# Installs what the build needs on Debian or Ubuntu, then configures and
# builds in Release. Sourced by ./run, ./test and ./package.
set -euo pipefail

VORTALIN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VORTALIN_BUILD="${VORTALIN_BUILD:-$VORTALIN_ROOT/build}"

# What building needs; what playing needs comes from the list the package's
# Depends are made from. The caller names its purpose before sourcing:
# run (the default), test or package, and gets that purpose's tools too.
VORTALIN_PURPOSE="${VORTALIN_PURPOSE:-run}"
VORTALIN_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libvulkan-dev libxkbcommon-dev
)
mapfile -t -O ${#VORTALIN_PACKAGES[@]} VORTALIN_PACKAGES \
    < <(grep -v '^#' "$VORTALIN_ROOT/packaging/runtime-packages" | grep .)
case "$VORTALIN_PURPOSE" in
test)
    # The suite, the installed-tree check, the fuzzers and the sanitized
    # suite, and a display for the benchmarks.
    VORTALIN_PACKAGES+=(
        fonts-dejavu-core locales desktop-file-utils appstream
        clang libclang-rt-dev libbenchmark-dev xvfb xauth
    ) ;;
package)
    # CPack finds the libraries' packages with dpkg-shlibdeps and the
    # programs among the files with file; lintian checks the result.
    VORTALIN_PACKAGES+=(dpkg-dev file lintian) ;;
esac

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
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y \
        --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    cmake -S "$VORTALIN_ROOT" -B "$VORTALIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$VORTALIN_BUILD" --parallel "$(nproc)"
}

install_missing_packages
# ./package configures its own build once its tools are in place.
if [ "$VORTALIN_PURPOSE" != package ]; then
    configure_and_build
fi
