# The manual page is well-formed for groff and names every option that
# --help lists, so the two cannot drift apart. Arguments (-D...):
#   PROGRAM   the brambleton executable
#   PAGE      the manual page source
execute_process(COMMAND groff -man -Tutf8 -ww -z ${PAGE} RESULT_VARIABLE rc ERROR_VARIABLE warnings)
if(NOT rc EQUAL 0 OR warnings)
  message(FATAL_ERROR "groff finds faults in ${PAGE}:\n${warnings}")
endif()
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "--help failed (${rc})")
endif()
# The page's text with groff's escaped hyphens ("\-") as plain ones.
file(READ ${PAGE} text)
string(REPLACE "\\-" "-" text "${text}")
string(REGEX MATCHALL "--[a-z][a-z-]*" options "${help}")
list(REMOVE_DUPLICATES options)
list(LENGTH options count)
if(count LESS 10)
  message(FATAL_ERROR "--help lists only ${count} options:\n${help}")
endif()
foreach(option ${options})
  string(FIND "${text}" "${option}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the manual page does not describe ${option}")
  endif()
endforeach()
message("the manual page describes all ${count} options")
