#!/bin/bash
# Installs whatever the build, the tests and the saver need and is missing.
set -euo pipefail
packages=(cmake ninja-build g++ g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64
          xvfb xauth xdotool x11-utils xserver-xephyr imagemagick procps
          googletest libgtest-dev libbenchmark-dev clang-format shellcheck
          halibut libchm-bin wixl msitools lintian dpkg-dev
          libpng-dev libx11-dev libxext-dev libxinerama-dev libxrandr-dev xscreensaver)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
