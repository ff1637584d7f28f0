# Packs the example player: a stripped copy of the player with the puzzle and
# settings behind it. Builds whose player cannot end before the module offset
# (sanitizer builds) get no packed player, only a note; the stamp file tells
# the build that the step ran.
set(stripped ${OUT}.player)
file(COPY_FILE ${PLAYER} ${stripped})
if(STRIP)
  execute_process(COMMAND ${STRIP} --strip-all ${stripped} RESULT_VARIABLE rc)
endif()
file(SIZE ${stripped} size)
if(size GREATER_EQUAL 1360000)
  file(REMOVE ${stripped} ${OUT})
  message(STATUS "The player has ${size} bytes after stripping; this build packs no example player")
  file(TOUCH ${OUT}.stamp)
  return()
endif()
execute_process(
  COMMAND ${TOOL} pack ${stripped} ${PUZZLE} --settings ${SETTINGS} -o ${OUT}
  RESULT_VARIABLE rc)
file(REMOVE ${stripped})
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pack failed")
endif()
file(TOUCH ${OUT}.stamp)
