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

# The Windows build (scripts/build-windows.sh, scripts/test-windows.sh): the
# MinGW-w64 cross compilers, Wine to run what they make, the tools that unpack
# Debian's source packages of the libraries, pack the zip and drive the game.
windows_packages=(mingw-w64 wine wine64 dpkg-dev zip xdotool imagemagick x11-utils)
packages+=("${windows_packages[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if command -v pkg-config >/dev/null 2>&1; then
  for m in sdl2 libpng libjpeg vorbisfile vorbisenc freetype2 gtest gmock benchmark egl; do
    pkg-config --exists "$m" || { missing+=(pkg-config); break; }
  done
fi
# The Windows libraries are built from Debian's source packages.
need_sources=0
apt-get source --print-uris -qq zlib >/dev/null 2>&1 || need_sources=1
[ ${#missing[@]} -eq 0 ] && [ $need_sources -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
if [ $need_sources -eq 1 ]; then
  . /etc/os-release
  echo "Adding a deb-src entry for Debian $VERSION_CODENAME"
  $sudo tee /etc/apt/sources.list.d/marrowick-deb-src.sources >/dev/null <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $VERSION_CODENAME $VERSION_CODENAME-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
