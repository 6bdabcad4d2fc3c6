#!/usr/bin/env bash
# Checks that every DLL the programs of a Windows package import is either in
# the package or part of Windows itself, so nothing from the build machine is
# needed on a player's PC:   check-imports.sh <package folder>
set -euo pipefail
folder="$1"

# DLLs every supported Windows (7 and later) has in its system folder.
system_list="advapi32 cfgmgr32 comdlg32 dinput8 dsound dwmapi gdi32 hid imm32 kernel32
  msvcrt ole32 oleaut32 opengl32 setupapi shell32 shlwapi user32 uxtheme version
  winmm ws2_32"
system_dlls=" $(echo $system_list) "

failed=0
while IFS= read -r -d '' program; do
  for dll in $(x86_64-w64-mingw32-objdump -p "$program" | awk '/DLL Name:/ { print $3 }'); do
    lower="$(echo "$dll" | tr 'A-Z' 'a-z')"
    if [[ "$system_dlls" == *" ${lower%.dll} "* ]]; then
      where="Windows"
    elif [ -n "$(find "$folder" -maxdepth 1 -iname "$dll" -print -quit)" ]; then
      where="shipped"
    else
      where="MISSING"
      failed=1
    fi
    echo "check-imports: $(basename "$program") imports $dll: $where"
  done
done < <(find "$folder" -maxdepth 1 \( -iname '*.exe' -o -iname '*.dll' \) -print0)
[ $failed -eq 0 ] || { echo "check-imports: a DLL is neither shipped nor part of Windows" >&2; exit 1; }
