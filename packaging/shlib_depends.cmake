# Included by CPack when it makes a package. The Debian package's library dependencies come from
# dpkg-shlibdeps asked about the one program the package holds. CPack's own way first runs `file`
# on every installed file, some 760 pictures and sounds among them, to find the programs: half a
# minute spent for nothing. Without dpkg-shlibdeps or the built program, CPack's own way is kept.
if(CPACK_GENERATOR STREQUAL "DEB" AND CPACK_DEBIAN_PACKAGE_SHLIBDEPS AND EXISTS "${CPACK_BRAMBLETON_PROGRAM}")
  find_program(BRAMBLETON_SHLIBDEPS dpkg-shlibdeps)
  # dpkg-shlibdeps wants a source package's control file in the folder it runs in.
  set(scratch "${CPACK_PACKAGE_DIRECTORY}/_shlibdeps")
  file(MAKE_DIRECTORY "${scratch}/debian")
  file(WRITE "${scratch}/debian/control" "Source: ${CPACK_PACKAGE_NAME}\n\nPackage: ${CPACK_PACKAGE_NAME}\nArchitecture: any\n")
  if(BRAMBLETON_SHLIBDEPS)
    execute_process(COMMAND ${BRAMBLETON_SHLIBDEPS} -O "${CPACK_BRAMBLETON_PROGRAM}"
                    WORKING_DIRECTORY "${scratch}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(rc EQUAL 0 AND out MATCHES "shlibs:Depends=([^\n]+)")
      set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
      set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
    endif()
  endif()
  file(REMOVE_RECURSE "${scratch}")
endif()
