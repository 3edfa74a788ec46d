# Plays one level to its end with frame statistics and checks that no frame after the first
# decoded a file on the game thread that was never asked for ahead (a picture or a sound):
# such a decode is what made the frames of the level's start and end slow. Counted, not timed,
# so a slow or busy machine gives the same answer. Arguments (-D...):
#   PROGRAM   the brambleton executable
#   ARGS      its arguments, separated by "|" (the statistics file is added here)
#   STATS     the frame statistics file to write and read
#   USER_DIR  the user folder, emptied first (a new profile: the tutorial's tips show)
string(REPLACE "|" ";" args "${ARGS}")
file(REMOVE "${STATS}")
file(REMOVE_RECURSE "${USER_DIR}")
execute_process(COMMAND "${PROGRAM}" ${args} --user-dir "${USER_DIR}" --frame-stats "${STATS}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 600)
message("${out}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "exit status ${rc}\n${err}")
endif()
# The whole level, up to the summary's answer.
foreach(expected "level summary: NEXT" "level result = 102")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the run did not reach '${expected}'")
  endif()
endforeach()
if(NOT EXISTS "${STATS}")
  message(FATAL_ERROR "no frame statistics written at ${STATS}")
endif()
file(READ "${STATS}" stats)
message("${stats}")
if(NOT stats MATCHES "(^|\n)frames ([0-9]+)\n" OR CMAKE_MATCH_2 LESS 600)
  message(FATAL_ERROR "too few frames counted for a whole level")
endif()
if(NOT stats MATCHES "\nunasked_loads_after_first_frame ([0-9]+)\n")
  message(FATAL_ERROR "the statistics do not count the game thread's loads")
endif()
if(NOT CMAKE_MATCH_1 EQUAL 0)
  message(FATAL_ERROR "${CMAKE_MATCH_1} files decoded on the game thread without being asked for "
                      "ahead, after the first frame (see the load_frame lines)")
endif()
