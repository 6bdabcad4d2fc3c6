# Windows programs: no console window, and the chest icon, the manifest and
# version information as resources. The icon is the one the media generator writes
# beside the game (the programs depend on the media target).
set(MARROWICK_ICON ${GAME_DIR}/chest.ico)
set(MARROWICK_MANIFEST ${CMAKE_CURRENT_LIST_DIR}/marrowick.manifest)
foreach(program marrowick marrowick-dev)
  if(program STREQUAL "marrowick")
    set(MARROWICK_DESCRIPTION "Marrowick")
  else()
    set(MARROWICK_DESCRIPTION "Marrowick with the level editor")
  endif()
  set(MARROWICK_PROGRAM ${program})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${program}.rc)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/marrowick.rc.in ${rc} @ONLY)
  target_sources(${program} PRIVATE ${rc})
  set_target_properties(${program} PROPERTIES WIN32_EXECUTABLE ON)
endforeach()
