# Checks that the profile a village run left behind holds a blueprint.
# Arguments (-D...): DIR the --user-dir of the run, PUZZLE the puzzle number.
file(GLOB files "${DIR}/Profiles/*/profile.dat")
list(LENGTH files count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one profile below ${DIR}/Profiles, found ${count}: ${files}")
endif()
file(READ "${files}" text)
string(REGEX MATCH "[bB]lue[pP]rints[ \t\n]*{[^}]*}" blueprints "${text}")
if(NOT blueprints MATCHES "blue[0-9]+[ \t]*=[ \t]*${PUZZLE}(\\.0*)?[ \t]*\n")
  message(FATAL_ERROR "no blueprint of puzzle ${PUZZLE} in the profile:\n${blueprints}")
endif()
message("profile ${files}: the blueprint of puzzle ${PUZZLE} is saved")
