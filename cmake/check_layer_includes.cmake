# Fails when a file of LAYER includes a header of a layer it may not see:
#   cmake -DLAYER=puzzle -DALLOWED="platform|services|puzzle" -DFILES="a.cpp|a.h" -DSTAMP=out -P this
# Only the game's own "layer/file.h" includes are judged; system and library
# headers pass. On success STAMP is written, so the check reruns only when a
# file of the layer changes.
cmake_minimum_required(VERSION 3.20)
set(GAME_LAYERS platform services puzzle menus app)
string(REPLACE "|" ";" ALLOWED "${ALLOWED}")
string(REPLACE "|" ";" FILES "${FILES}")
set(faults "")
foreach(file IN LISTS FILES)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/.*" "\\1" included "${line}")
    if(included IN_LIST GAME_LAYERS AND NOT included IN_LIST ALLOWED)
      string(STRIP "${line}" line)
      string(APPEND faults "  ${file}: ${line}\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "${LAYER} may include only from ${ALLOWED}; these reach above it:\n${faults}")
endif()
file(WRITE "${STAMP}" "")
