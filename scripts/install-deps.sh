#!/usr/bin/env bash
# Installs the Debian packages the build, the media generator, the tests and the
# fuzzers (clang with its sanitizer and libFuzzer runtimes) need.
# Does nothing when everything is already present, so it is cheap to call every time.
set -euo pipefail

packages=(cmake g++ pkg-config libsdl2-dev libpng-dev libjpeg-dev libvorbis-dev
          libfreetype-dev libgtest-dev libgmock-dev libbenchmark-dev libgl-dev
          libegl-dev libegl-mesa0 libgl1-mesa-dri fonts-ebgaramond fonts-cabin
          xvfb xauth x11-utils xdotool sox strace file dpkg-dev desktop-file-utils appstream
          clang libclang-rt-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if command -v pkg-config >/dev/null 2>&1; then
  for m in sdl2 libpng libjpeg vorbisfile vorbisenc freetype2 gtest gmock benchmark egl; do
    pkg-config --exists "$m" || { missing+=(pkg-config); break; }
  done
fi
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
