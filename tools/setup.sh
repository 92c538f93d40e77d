#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing, so that a
# machine that has them all is not sent to apt at all. With --package, also what cpack needs to
# make the Debian package (dpkg-shlibdeps and file); with --test, that and the validators of the
# desktop entry, the AppStream file and the package, and the virtual display, the buses and the
# bus client with which a test plays a game as a screen reader follows it.
set -euo pipefail

packages=(g++ cmake make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          fontconfig fonts-liberation fonts-liberation2)
case "${1:-}" in
    --package) packages+=(dpkg-dev file) ;;
    --test) packages+=(desktop-file-utils appstream dpkg-dev file lintian
                       xvfb xdotool dbus at-spi2-core python3-pyatspi) ;;
esac

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
