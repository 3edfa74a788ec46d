# Checks the profile a village run left behind. Arguments (-D...):
#   DIR    the --user-dir of the run
#   ITEM   the item id the run must have bought (the first item owned)
#   STOCK  the four resources expected afterwards, separated by "|"
string(REPLACE "|" ";" stock "${STOCK}")
file(GLOB files "${DIR}/Profiles/*/profile.dat")
list(LENGTH files count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one profile below ${DIR}/Profiles, found ${count}: ${files}")
endif()
file(READ "${files}" text)

function(value_of key out)
  string(REGEX MATCH "[\n\t ]${key}[ \t]*=[ \t]*(-?[0-9]+)" line "${text}")
  set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

value_of("item1" bought)
if(NOT "${bought}" STREQUAL "${ITEM}")
  message(FATAL_ERROR "the profile owns item '${bought}' first, expected ${ITEM}:\n${text}")
endif()
foreach(r 0 1 2 3)
  value_of("res${r}" have)
  list(GET stock ${r} want)
  if(NOT "${have}" STREQUAL "${want}")
    message(FATAL_ERROR "res${r} is '${have}' after buying, expected ${want}")
  endif()
endforeach()
message("profile ${files}: item ${bought} bought, stock ${STOCK}")
