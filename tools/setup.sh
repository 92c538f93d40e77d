#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing, so that a
# machine that has them all is not sent to apt at all. With --test, also the validators of the
# desktop entry and the AppStream file that the tests run.
set -euo pipefail

packages=(g++ cmake make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          fontconfig fonts-liberation fonts-liberation2)
if [ "${1:-}" = --test ]; then
    packages+=(desktop-file-utils appstream)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
