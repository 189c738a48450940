#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then
# configures and builds one tree. Sourced by run.sh and test.sh.
#   vx_setup <build-dir> [extra cmake arguments...]
set -euo pipefail

VX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

VX_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev
    libmodbus-dev libjpeg62-turbo-dev libgtest-dev libgmock-dev
    gcc-arm-none-eabi binutils-arm-none-eabi libnewlib-arm-none-eabi
    fonts-wqy-microhei fonts-dejavu-core xvfb xauth xdotool clang-format stm32flash qemu-system-arm
    poppler-utils
    qt6-translations-l10n
)

vx_install_packages() {
    local missing=()
    for p in "${VX_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

vx_setup() {
    local dir="$1"
    shift
    vx_install_packages
    cmake -S "$VX_ROOT" -B "$VX_ROOT/$dir" -G Ninja "$@" >/dev/null
    cmake --build "$VX_ROOT/$dir" --parallel "$(nproc)"
}
