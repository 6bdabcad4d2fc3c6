# The game as a web page: marrowick.js and marrowick.wasm, with the media and
# levels packed into marrowick.data, which the page loads before the game
# starts. The page itself is ours (web/index.html): Debian's emcc cannot write
# its own.
set(MARROWICK_WEB_PAGE ${PROJECT_SOURCE_DIR}/web)
# A page cannot open the sockets the session log's upload speaks through.
if(MARROWICK_UPLOAD_HOST)
  message(FATAL_ERROR "The web build cannot upload session logs: leave MARROWICK_UPLOAD_HOST empty")
endif()
# What the page calls in the game: export and import of the player's files.
target_sources(marrowick PRIVATE ${PROJECT_SOURCE_DIR}/src/web_page/progress_exports.cpp)
target_link_options(marrowick PRIVATE
  # The game's loops wait by yielding to the browser (src/platform/host/web/), which
  # needs the stack unwound and rewound around them.
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=64MB
  # WebGL 1 is OpenGL ES 2.0, which the renderer's ES shaders are written for.
  -sMIN_WEBGL_VERSION=1 -sMAX_WEBGL_VERSION=1
  # SDL built outside Emscripten's ports calls these from its JavaScript. The
  # names start with $, which make and the shell would each take for their
  # own: they are read from a file.
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${MARROWICK_WEB_PAGE}/sdl_runtime_functions.json
  # The player's files live in the browser's IndexedDB.
  -lidbfs.js -sFORCE_FILESYSTEM=1
  "SHELL:--pre-js ${MARROWICK_WEB_PAGE}/player_storage.js"
  "SHELL:--pre-js ${MARROWICK_WEB_PAGE}/progress_transfer.js"
  # The page hands bundles of the player's files to the game in its memory.
  -sEXPORTED_FUNCTIONS=_main,_malloc,_free
  "SHELL:--preload-file ${GAME_DIR}/media@/media"
  "SHELL:--preload-file ${GAME_DIR}/levels@/levels"
  "SHELL:--exclude-file ${GAME_DIR}/media/mkmedia.stamp")
set_property(TARGET marrowick APPEND PROPERTY LINK_DEPENDS
  ${MARROWICK_WEB_PAGE}/player_storage.js ${MARROWICK_WEB_PAGE}/progress_transfer.js
  ${MARROWICK_WEB_PAGE}/sdl_runtime_functions.json
  ${MARROWICK_HOST_MEDIA}/media/mkmedia.stamp)
set_target_properties(marrowick PROPERTIES SUFFIX ".js")
