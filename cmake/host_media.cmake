# A cross build cannot run the media generator it would build, so it copies the
# pictures, sounds and icon a host build made (the generator is deterministic:
# the files are the same either way).
set(MARROWICK_HOST_MEDIA "" CACHE PATH "Host build folder whose media/ and chest.ico the cross build ships")
if(NOT EXISTS "${MARROWICK_HOST_MEDIA}/media/mkmedia.stamp" OR NOT EXISTS "${MARROWICK_HOST_MEDIA}/chest.ico")
  message(FATAL_ERROR "MARROWICK_HOST_MEDIA must name a host build folder where mkmedia has run "
                      "(build its 'media' target first): '${MARROWICK_HOST_MEDIA}'")
endif()
add_custom_target(media ALL
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${MARROWICK_HOST_MEDIA}/media ${GAME_DIR}/media
  COMMAND ${CMAKE_COMMAND} -E copy ${MARROWICK_HOST_MEDIA}/chest.ico ${GAME_DIR}/chest.ico
  COMMENT "Copying the host build's pictures and sounds")
add_dependencies(marrowick media)
if(TARGET marrowick-dev)
  add_dependencies(marrowick-dev media)
endif()
