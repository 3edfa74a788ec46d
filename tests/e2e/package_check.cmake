# Builds the Debian package with CPack and checks its control fields and files.
# Arguments (-D...):
#   BUILD_DIR   the configured and built build folder
#   WORK        a scratch folder (emptied first)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB debs ${WORK}/brambleton_*.deb)
if(NOT rc EQUAL 0 OR NOT debs)
  message(FATAL_ERROR "cpack failed (${rc})\n${out}${err}")
endif()
list(GET debs 0 deb)
message("package: ${deb}")

execute_process(COMMAND dpkg-deb --field ${deb} Package Version Architecture Section Depends
                OUTPUT_VARIABLE fields RESULT_VARIABLE rc)
message("${fields}")
# dpkg-shlibdeps must have named the libraries the program links.
foreach(want "Package: brambleton" "Section: games" "Depends: .*libsdl2-2\\.0-0" "libfreetype6"
             "libpng16-16" "libjpeg62-turbo" "libvorbisfile3" "liblua5\\.1-0" "libc6")
  if(NOT fields MATCHES "${want}")
    message(FATAL_ERROR "the package's control fields lack '${want}'")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb --contents ${deb} OUTPUT_VARIABLE contents RESULT_VARIABLE rc)
foreach(want ./usr/bin/brambleton ./usr/share/brambleton/data/chips.txt
             ./usr/share/brambleton/gfx/fonts/font1.ttf
             ./usr/share/applications/org.lanternfold.brambleton.desktop
             ./usr/share/metainfo/org.lanternfold.brambleton.metainfo.xml
             ./usr/share/icons/hicolor/48x48/apps/brambleton.png
             ./usr/share/man/man6/brambleton.6.gz ./usr/share/doc/brambleton/copyright)
  string(FIND "${contents}" "${want}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks ${want}")
  endif()
endforeach()
# Nothing outside /usr, nothing from the build or source folders.
if(contents MATCHES " \\./(etc|opt|home|work|tmp)/" OR contents MATCHES "README\\.md")
  message(FATAL_ERROR "the package holds files it should not:\n${contents}")
endif()
