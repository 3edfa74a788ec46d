# Makes a copy of the game's resource folder whose data can be spoilt for one
# test: every entry of SOURCE is linked into DEST, "data" is copied, and in
# the data file FILE (relative to data/) the first match of PATTERN becomes
# REPLACEMENT. USER_DIR, the test's user folder, is removed so that it starts afresh.
file(REMOVE_RECURSE "${DEST}" "${USER_DIR}")
file(MAKE_DIRECTORY "${DEST}")
file(GLOB entries RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(entry IN LISTS entries)
  if(NOT entry STREQUAL "data")
    file(CREATE_LINK "${SOURCE}/${entry}" "${DEST}/${entry}" SYMBOLIC)
  endif()
endforeach()
file(COPY "${SOURCE}/data" DESTINATION "${DEST}")
file(READ "${DEST}/data/${FILE}" text)
string(FIND "${text}" "${PATTERN}" at)
if(at LESS 0)
  message(FATAL_ERROR "'${PATTERN}' is not in data/${FILE}")
endif()
string(LENGTH "${PATTERN}" length)
string(SUBSTRING "${text}" 0 ${at} before)
math(EXPR rest "${at} + ${length}")
string(SUBSTRING "${text}" ${rest} -1 after)
file(WRITE "${DEST}/data/${FILE}" "${before}${REPLACEMENT}${after}")
