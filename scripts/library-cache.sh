# Shared by the scripts that build a target's libraries from Debian's source
# packages into a cache outside the clone (scripts/windows/build-libraries.sh,
# scripts/web/build-libraries.sh). Sourced, not run. The caller fills `dscs`
# (source_versions) and sets `recipe`, then open_cache gives it `top` and `prefix`.

say() { echo "build-libraries: $*" >&2; }

# The cache's parent folder: $1 when set, else /var/cache/<name> when it can be
# written, else the user's cache folder.
cache_root() {  # override name
  if [ -n "$1" ]; then echo "$1"; return; fi
  if mkdir -p "/var/cache/$2" 2>/dev/null && [ -w "/var/cache/$2" ]; then
    echo "/var/cache/$2"
  else
    echo "${XDG_CACHE_HOME:-$HOME/.cache}/$2"
  fi
}

# Fills `dscs` with the .dsc names of the versions apt would fetch (e.g.
# zlib_1.2.13.dfsg-1.dsc), asked in one go: apt is slow to start. Fails with a
# word on what to do when apt knows no source of one of them.
source_versions() {  # source package...
  mapfile -t dscs < <(apt-get source --print-uris -qq "$@" 2>/dev/null | awk '$2 ~ /\.dsc$/ { print $2 }')
  local s
  for s in "$@"; do
    if ! printf '%s\n' "${dscs[@]}" | grep -q "^${s}_"; then
      say "apt knows no source package $s: is a deb-src entry configured (scripts/install-deps.sh adds one)?"
      return 1
    fi
  done
}

# The cache of these sources built by this compiler and recipe: `top` and
# `prefix` are set. A cache already complete is named on stdout and the script
# ends there; otherwise its folder is made empty, ready for the build.
open_cache() {  # folder override, folder name, the compiler's version line
  local key
  key="$( { printf '%s\n' "${dscs[@]}"; echo "$3"; echo "recipe $recipe"; } | sha256sum | cut -c1-16)"
  top="$(cache_root "$1" "$2")/$key"
  prefix="$top/prefix"
  if [ -f "$prefix/.complete" ]; then
    say "cached in $top"
    echo "$prefix"
    exit 0
  fi
  say "building into $top (${dscs[*]})"
  rm -rf "$top"
  mkdir -p "$top/downloads" "$top/src" "$top/build" "$prefix/bin" "$prefix/lib/pkgconfig"
}

fetch() {  # source package -> prints its unpacked folder
  local pkg="$1" dir="$top/src/$1"
  (cd "$top/downloads" && apt-get source --download-only -qq "$pkg" >/dev/null 2>&1)
  local dsc; dsc="$(ls "$top/downloads"/"${pkg}"_*.dsc | head -n1)"
  dpkg-source --no-check -x "$dsc" "$dir" >/dev/null
  echo "$dir"
}

# <prefix>/bin/pkg-config-static: pkg-config that sees only the libraries in
# the prefix and always gives static link lines.
write_pkg_config_wrapper() {  # prefix
  cat > "$1/bin/pkg-config-static" <<WRAP
#!/bin/sh
PKG_CONFIG_LIBDIR="$1/lib/pkgconfig" PKG_CONFIG_PATH= exec pkg-config --static "\$@"
WRAP
  chmod +x "$1/bin/pkg-config-static"
}
