#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the assistant.
# Idempotent: only missing packages are installed, and nothing happens when
# everything is already present.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools
    libqt5svg5-dev
    dbus dbus-x11 xvfb xauth x11-utils xdotool imagemagick
    wine wine64
    libimage-exiftool-perl icoutils p7zip-full wget zstd
    mingw-w64 wixl
    fonts-wqy-microhei
    xdg-user-dirs
    libcpp-httplib-dev
    curl
    desktop-file-utils appstream shared-mime-info dpkg-dev
)

missing=()
for pkg in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$pkg")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
else
    as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
