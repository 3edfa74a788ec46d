# Runs the whole game under the virtual player and judges the run. Arguments (-D...):
#   PROGRAM   the brambleton executable
#   ARGS      its arguments, separated by "|"
#   USER_DIR  the run's --user-dir, emptied first so that the run starts from nothing
#   LEVELS    the folder of the quest's level files
#   LANGUAGE  (optional) the language the run must say it speaks
# Fails on a non-zero exit (a level never won, the village unfinished), on a
# quest that did not win every level or did not complete the village, on an
# end anywhere but the main menu's exit after the outro, and on any message
# of the data files' loaders.
file(REMOVE_RECURSE "${USER_DIR}")
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND "${PROGRAM}" ${args} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
  TIMEOUT 900)
# The run's own account: a line per level and per purchase, the summary.
string(REGEX MATCHALL "(quest level [0-9]+:|bought item|researched power-up|quest summary:|whole-game run)[^\n]*"
  account "${out}")
foreach(line IN LISTS account)
  message("${line}")
endforeach()
if(NOT rc STREQUAL "0")
  message(FATAL_ERROR "exit status ${rc}, expected 0\n${err}")
endif()

if(LANGUAGE AND NOT out MATCHES "language: ${LANGUAGE}\n")
  message(FATAL_ERROR "the run did not speak ${LANGUAGE}")
endif()

file(GLOB level_files "${LEVELS}/level-*.txt")
list(LENGTH level_files levels)
if(NOT out MATCHES "quest summary: levels won ([0-9]+) of ([0-9]+), attempts [0-9]+, items owned ([0-9]+) of 24")
  message(FATAL_ERROR "the run printed no quest summary: the outro was never reached")
endif()
if(NOT CMAKE_MATCH_1 EQUAL levels OR NOT CMAKE_MATCH_2 EQUAL levels)
  message(FATAL_ERROR "won ${CMAKE_MATCH_1} of ${CMAKE_MATCH_2} levels, the quest has ${levels}")
endif()
if(NOT CMAKE_MATCH_3 EQUAL 24 OR NOT out MATCHES "village complete at level [0-9]+")
  message(FATAL_ERROR "the village is not complete at the end of the quest")
endif()

# After the outro and its credits the main menu, and out through its exit.
set(ending "virtual player: outro.*credits: closed.*where = 1\n.*virtual player: main menu.*")
string(APPEND ending "virtual player: leaves through the main menu's exit.*virtual player: question")
if(NOT out MATCHES "${ending}")
  message(FATAL_ERROR "the run did not end through the main menu's exit after the outro")
endif()
string(REGEX REPLACE ".*virtual player: leaves through the main menu's exit" "" after "${out}")
if(after MATCHES "where = ")
  message(FATAL_ERROR "the run went on from the main menu instead of leaving")
endif()

# The quest ends at the first level number without a file: that one file is
# looked for and missed; so are the settings and profiles of the fresh folder.
# Any other loader message is a fault of the data.
math(EXPR past "${levels} + 1")
string(REGEX REPLACE "Napotkano problem : Nie znaleziono pliku : [^\n]*/data/levels/level-${past}\\.txt\n" ""
  messages "${out}")
string(REGEX REPLACE "([.+*?^$|()])" "\\\\\\1" user_dir_pattern "${USER_DIR}")
string(REGEX REPLACE "Napotkano problem : Nie znaleziono pliku : ${user_dir_pattern}/[^\n]*\n" "" messages
  "${messages}")
set(loader_messages "Napotkano problem|ERROR: |Level: |Nie ma chipsa|Chip catalogue:|Sound list:|NO SOUND:")
string(APPEND loader_messages "|No puzzle|No icon file|No building found|NO item on profile list|No level file")
string(REGEX MATCH "(${loader_messages})[^\n]*" message_seen "${messages}")
if(message_seen)
  message(FATAL_ERROR "a data file gave a message: ${message_seen}")
endif()
