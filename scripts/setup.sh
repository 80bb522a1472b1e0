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
# Read here, not through a pipe: a list that cannot be read stops the set-up.
while read -r p || [ -n "$p" ]; do
    case "$p" in '' | '#'*) ;; *) VORTALIN_PACKAGES+=("$p") ;; esac
done <"$VORTALIN_ROOT/packaging/runtime-packages"
case "$VORTALIN_PURPOSE" in
test)
    # The suite, the installed-tree check, the fuzzers and the sanitized
    # suite, a display for the benchmarks, and the scripts' checker.
    VORTALIN_PACKAGES+=(
        fonts-dejavu-core locales desktop-file-utils appstream
        clang libclang-rt-dev libbenchmark-dev xvfb xauth shellcheck
    ) ;;
package)
    # CPack finds the libraries' packages with dpkg-shlibdeps and the
    # programs among the files with file; lintian checks the result.
    VORTALIN_PACKAGES+=(dpkg-dev file lintian) ;;
esac

# shellcheck disable=SC2120 # ./package passes its own options
configure_and_build() {
    cmake -S "$VORTALIN_ROOT" -B "$VORTALIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$VORTALIN_BUILD" --parallel "$(nproc)"
}

# shellcheck source=scripts/install-missing.sh
source "$VORTALIN_ROOT/scripts/install-missing.sh"
install_missing "${VORTALIN_PACKAGES[@]}"
# ./package configures its own build once its tools are in place.
if [ "$VORTALIN_PURPOSE" != package ]; then
    configure_and_build
fi
