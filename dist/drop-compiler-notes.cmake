# Run by CPack on the staged files before it packs them (and splits off the
# debugging symbols): the compiler's version string in each program's .comment
# section serves no one at run time, and Debian's own packages drop it too.
file(GLOB programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/games/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND objcopy --remove-section=.comment ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
