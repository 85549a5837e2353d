# Runs the program as a shell would, with no display and with one that cannot be reached, and
# checks the status and the first line of each answer: the help, the version and the odds on
# standard output, a mistake on standard error. Run by ctest with PROGRAM and VERSION.
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
# Each case: the arguments, split at ",", then the status, then how the answer begins.
set(cases "--help/0/Usage: duelmark [options]" "--version/0/Duelmark ${VERSION}"
          "-platform,offscreen,-style,fusion,-v/0/Duelmark ${VERSION}" "--bogus/2/Unknown option 'bogus'."
          "--odds,--battles,2000,--seed,7,--enemies,5,--json/0/{\"method\":\"sampled\",\"battles\":2000,\"heroWins\":"
          "--odds,--enemies,2,--json/0/{\"method\":\"exact\",\"states\":"
          "--odds,--enemies,5,--max-states,10,--battles,100/0/The Hero (Health 100, Attack 15, Defence 10, Magic 20, Magic Def. 10) against 5 Enemies (Health 20, Attack 15, Suicide Attack 30, Defence 5, Magic Def. 10), from 100 battles, seed"
          "--odds,--vary,enemies=1..3,--csv/0/value,method,heroWinRate,heroWinRateLow,heroWinRateHigh,movesMean"
          "--odds,--vary,hero-health=0..10:0/2/--vary's step must be" "--odds,--vary,nothing=1..2/2/--vary names no statistic"
          "--odds,--vary,hero-health=10..1/2/--vary's range must go up" "--odds,--target,50/2/--target is an option of --vary."
          "--odds,--vary,enemies=1..2,--target,101/2/--target must be a percentage" "--vary,enemies=1..2/2/--vary is an option of --odds."
          "--odds,--battles,500,--hero-health,80.5/0/The Hero (Health 80, Attack 15"
          "--odds,--enemy-magic-def,1e3/2/--enemy-magic-def must be a number from -32768 to 32767."
          "--odds,--enemies,6/2/--enemies must be a number from 1 to 5." "--odds,--battles,0/2/--battles must be a whole"
          "--seed,3/2/--seed is an option of --odds." "--odds,--jobs,0/2/--jobs must be a whole number from 1"
          "--odds,--jobs,two/2/--jobs must be a whole" "--bogus,-x/2/Unknown options: bogus, x. Usage: duelmark"
          "--odds,--battles/2/Missing value after '--battles'. Usage" "--help=3/2/Unexpected value after '--help'. Usage")
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

# How many jobs fight the battles does not change a figure.
foreach(jobs 1 2 5)
  execute_process(COMMAND ${PROGRAM} --odds --battles 4500 --seed 11 --enemies 3 --jobs ${jobs} OUTPUT_VARIABLE out)
  if(jobs EQUAL 1)
    set(one_job "${out}")
  elseif(NOT out STREQUAL one_job)
    message(FATAL_ERROR "--jobs ${jobs} changed the odds:\n${out}\n--jobs 1 said:\n${one_job}")
  endif()
endforeach()

# A curve's picture is a standalone SVG file.
set(picture ${CMAKE_CURRENT_BINARY_DIR}/curve.svg)
execute_process(COMMAND ${PROGRAM} --odds --vary enemies=1..5 --target 95 --plot ${picture} RESULT_VARIABLE status
                OUTPUT_VARIABLE out)
file(READ ${picture} svg)
if(NOT status EQUAL 0 OR NOT svg MATCHES "^<\\?xml[^\n]*\n<svg xmlns=\"http://www.w3.org/2000/svg\"" OR NOT out MATCHES "crosses 95.00 %")
  message(FATAL_ERROR "--plot: status ${status}, said:\n${out}")
endif()
