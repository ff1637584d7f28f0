# The programs the window checks under a virtual X server need. Where one is
# missing the checks are left out locally; in CI (CI=true) that is an error:
# a run that quietly shrinks would still look green.
#
# Included by tests/CMakeLists.txt; also runs on its own (cmake -P) so that a
# test can try it with a PATH that lacks the programs.
function(zoru_find_window_tools)
  set(missing)
  foreach(pair "XVFB_RUN;xvfb-run" "XDOTOOL;xdotool" "MAGICK_IMPORT;import" "JQ;jq")
    list(GET pair 0 var)
    list(GET pair 1 program)
    find_program(${var} ${program})
    if(NOT ${var})
      list(APPEND missing ${program})
    endif()
    set(${var} ${${var}} PARENT_SCOPE)
  endforeach()
  if(NOT missing)
    set(ZORU_WINDOW_TOOLS ON PARENT_SCOPE)
    return()
  endif()
  string(REPLACE ";" ", " missing "${missing}")
  string(TOLOWER "$ENV{CI}" ci)
  if(ci STREQUAL "true" OR ci STREQUAL "1")
    message(FATAL_ERROR "The window checks need ${missing} (scripts/install-deps.sh installs them); "
                        "in CI they must run.")
  endif()
  message(WARNING "Window checks left out: ${missing} not found.")
  set(ZORU_WINDOW_TOOLS OFF PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  zoru_find_window_tools()
  message(STATUS "window tools: ${ZORU_WINDOW_TOOLS}")
endif()
