#!/usr/bin/env bash
# Installs the Debian packages the game builds, runs and tests with; installs only what is missing.
set -e
packages=(
  cmake make g++ pkg-config clang-format
  qt6-base-dev
  libicu-dev
  libsdl2-mixer-dev timgm6mb-soundfont
  7zip
  googletest libgtest-dev libgmock-dev
  xvfb xauth x11-utils xdotool imagemagick
  desktop-file-utils appstream dpkg-dev
  python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
