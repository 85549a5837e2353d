# Runs the program as a shell would, with no display and with one that cannot be reached, and
# checks the status and the first line of each answer: the help and the version on standard
# output, a mistake on standard error. Run by ctest with PROGRAM and VERSION.
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
# Each case: the arguments, split at ",", then the status, then how the answer begins.
set(cases "--help/0/Usage: duelmark [options]" "--version/0/Duelmark ${VERSION}"
          "-platform,offscreen,-style,fusion,-v/0/Duelmark ${VERSION}" "--bogus/2/Unknown option 'bogus'.")
foreach(display "" ":9999")
  set(ENV{DISPLAY} ${display})
  foreach(case IN LISTS cases)
    string(REGEX MATCH "^([^/]*)/([0-9])/(.*)$" case ${case})
    string(REPLACE "," ";" arguments ${CMAKE_MATCH_1})
    set(expected_status ${CMAKE_MATCH_2})
    set(expected_start ${CMAKE_MATCH_3})
    execute_process(COMMAND ${PROGRAM} ${arguments} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(status EQUAL 0)
      set(said "${out}")
    else()
      set(said "${err}")
    endif()
    string(FIND "${said}" "${expected_start}" at)
    if(NOT status STREQUAL expected_status OR NOT at EQUAL 0)
      message(FATAL_ERROR "DISPLAY='${display}' duelmark ${arguments}: status ${status}, said:\n${out}${err}")
    endif()
  endforeach()
endforeach()
