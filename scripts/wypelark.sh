#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# Installs what the build needs (Debian 12 or Ubuntu), builds Wypelark, then either starts the
# window ("run") or runs every test ("test").
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The tests build with the developer's preset, or CI's in a CI run (see CMakePresets.json).
preset=dev
[ -n "${CI:-}" ] && preset=ci
packages=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev
          qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          desktop-file-utils appstream dpkg-dev file btrfs-progs xdg-utils e2fsprogs lintian
          libfuse3-dev python3 python3-yaml python3-jsonschema systemd poppler-utils
          libxml2-utils)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

build_with() {
    (cd "$here" && cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j "$(nproc)")
}

case "${1:-}" in
run)
    # A user's build: warnings stay warnings, no tests.
    install_missing
    build_with release
    exec "$here/build-release/app/wypelark"
    ;;
test)
    install_missing
    build_with "$preset"
    cd "$here" && ctest --preset "$preset" -j "$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
