#!/usr/bin/env bash
# Installs with apt-get those of the named Debian packages that are not
# installed yet, through sudo when not root. Sourced by the project's
# scripts, which then call
#   install_missing PACKAGE...
# or run as a command: scripts/install-missing.sh PACKAGE...
# Returns non-zero when apt-get fails, even where the caller's errexit is
# off (inside if, ||, &&).

install_missing() {
    local p missing=() sudo=()
    for p in "$@"; do
        [ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" = installed ] || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "Missing: ${missing[*]}; install them as root (apt-get install ${missing[*]})" >&2
            return 1
        }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    # sudo resets the environment: the frontend is named on the far side of it.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get -o DPkg::Lock::Timeout=600 update || return
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}" || return
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    install_missing "$@"
fi
