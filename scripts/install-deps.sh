#!/usr/bin/env bash
# Installs the Debian packages one or more stages need, and nothing else:
#
#   scripts/install-deps.sh game       build and play the game (./run)
#   scripts/install-deps.sh unit       the sanitizer build and its tests
#   scripts/install-deps.sh fuzz       the fuzzers (clang with its sanitizer and libFuzzer runtimes)
#   scripts/install-deps.sh package    the Debian package and its play-through
#   scripts/install-deps.sh windows    the MinGW-w64 cross build, run under Wine
#   scripts/install-deps.sh web        the Emscripten build, played in headless Chromium
#   scripts/install-deps.sh bench      the benchmarks
#
# Does nothing when everything is already present, so it is cheap to call every time.
set -euo pipefail

# Building and playing: the compiler, SDL2 with GL/EGL, the codecs, and
# FreeType with two OFL fonts for the media generator.
game=(cmake g++ pkg-config libsdl2-dev libpng-dev libjpeg-dev libvorbis-dev
      libfreetype-dev libgl-dev libegl-dev libegl-mesa0 libgl1-mesa-dri
      fonts-ebgaramond fonts-cabin)
# A real X display and a driver for the tests that play the game in a window.
display=(xvfb xauth x11-utils xdotool)
unit=("${game[@]}" libgtest-dev libgmock-dev "${display[@]}" sox strace file)
fuzz=("${game[@]}" clang libclang-rt-dev)
package=("${game[@]}" "${display[@]}" dpkg-dev file desktop-file-utils appstream lintian man-db groff-base)
# The host game makes the media the cross build ships; Debian's source packages
# give the Windows libraries.
windows=("${game[@]}" "${display[@]}" mingw-w64 wine wine64 dpkg-dev zip imagemagick)
# The host game makes the media the page ships and, on a display, the main
# menu the page's must match; Debian's source packages give the libraries,
# built for the browser with Debian's Emscripten. Node runs the compiler and,
# with npm, the test's browser driver; Chromium plays the page; optipng
# slims its pictures.
web=("${game[@]}" "${display[@]}" emscripten nodejs chromium dpkg-dev zip imagemagick optipng)
# A Node from outside Debian carries its own npm, which Debian's npm package
# cannot be installed beside.
command -v npm >/dev/null 2>&1 || web+=(npm)
bench=("${game[@]}" libbenchmark-dev)

[ $# -gt 0 ] || set -- game
wanted=()
needs_sources=0
for stage in "$@"; do
  case "$stage" in
    game) wanted+=("${game[@]}") ;;
    unit) wanted+=("${unit[@]}") ;;
    fuzz) wanted+=("${fuzz[@]}") ;;
    package) wanted+=("${package[@]}") ;;
    windows) wanted+=("${windows[@]}"); needs_sources=1 ;;
    web) wanted+=("${web[@]}"); needs_sources=1 ;;
    bench) wanted+=("${bench[@]}") ;;
    *) echo "install-deps: no stage \"$stage\" (game, unit, fuzz, package, windows, web, bench)" >&2; exit 2 ;;
  esac
done

missing=()
for p in $(printf '%s\n' "${wanted[@]}" | sort -u); do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sources_missing=0
if [ $needs_sources -eq 1 ]; then
  apt-get source --print-uris -qq zlib >/dev/null 2>&1 || sources_missing=1
fi
[ ${#missing[@]} -eq 0 ] && [ $sources_missing -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
if [ $sources_missing -eq 1 ]; then
  # Source entries for the archives this machine already installs from, so a
  # machine with its own mirror or proxy keeps using it.
  . /etc/os-release
  mapfile -t archives < <(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Identifier: Packages' |
    awk -v c="$VERSION_CODENAME" '$2 == c || $2 == c "-updates" { print $1 }' | sort -u)
  [ ${#archives[@]} -gt 0 ] || { echo "install-deps: no Debian $VERSION_CODENAME archive in apt's sources to take source packages from" >&2; exit 1; }
  echo "install-deps: adding source entries for ${archives[*]} ($VERSION_CODENAME)"
  $sudo tee /etc/apt/sources.list.d/marrowick-deb-src.sources >/dev/null <<SOURCES
Types: deb-src
URIs: ${archives[*]}
Suites: $VERSION_CODENAME $VERSION_CODENAME-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
[ ${#missing[@]} -eq 0 ] && exit 0
echo "install-deps: installing ${missing[*]}"
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
