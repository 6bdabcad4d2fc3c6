# Writes the copyright file the package and the Windows zip carry, in Debian's
# machine-readable format, beside the game: the game's paragraphs with the
# licence text taken from LICENSE, so the two never differ, and for Windows the
# libraries linked into the program.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/dist/copyright.in
             ${PROJECT_SOURCE_DIR}/dist/windows/copyright-libraries)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
# The format wants only the permission notice (the copyright line has its own
# field), each line indented by a space and an empty line written " .".
string(FIND "${licence}" "Permission is hereby granted" notice_start)
string(SUBSTRING "${licence}" ${notice_start} -1 licence)
string(STRIP "${licence}" licence)
string(REGEX REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
set(MARROWICK_LICENSE_TEXT " ${licence}")
file(READ ${PROJECT_SOURCE_DIR}/dist/copyright.in content)
if(WIN32)
  file(READ ${PROJECT_SOURCE_DIR}/dist/windows/copyright-libraries libraries)
  string(APPEND content "${libraries}")
endif()
file(CONFIGURE OUTPUT ${GAME_DIR}/copyright CONTENT "${content}" @ONLY)
