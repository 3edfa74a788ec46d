# Installs the build into a temporary DESTDIR, checks that every part of the
# install is where the desktop looks for it, and runs the installed program
# headless from a working directory without a game/ folder. Arguments (-D...):
#   BUILD_DIR    the build folder to install
#   WORK         a scratch folder (emptied first)
#   PROGRAM      the program in the build folder, run in the source tree for comparison
#   SOURCE_DIR   the source tree
set(root ${WORK}/root)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/elsewhere)
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root}
                  ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})\n${out}${err}")
endif()

set(expected
  usr/bin/brambleton
  usr/share/brambleton/data/chips.txt
  usr/share/brambleton/data/levels/level-1.txt
  usr/share/brambleton/txt/en/game.txt
  usr/share/brambleton/gfx/FrameLeft.png
  usr/share/brambleton/gfx/fonts/font1.ttf
  usr/share/brambleton/gfx/fonts/font1-LICENSE.txt
  usr/share/applications/org.lanternfold.brambleton.desktop
  usr/share/metainfo/org.lanternfold.brambleton.metainfo.xml
  usr/share/man/man6/brambleton.6.gz
  usr/share/doc/brambleton/copyright)
foreach(n 16 22 24 32 48 64 128 256 512)
  list(APPEND expected usr/share/icons/hicolor/${n}x${n}/apps/brambleton.png)
endforeach()
foreach(f ${expected})
  if(NOT EXISTS ${root}/${f})
    message(FATAL_ERROR "the install lacks ${f}")
  endif()
endforeach()
file(GLOB_RECURSE sfx ${root}/usr/share/brambleton/sfx/*.ogg)
if(NOT sfx)
  message(FATAL_ERROR "the install has no sounds")
endif()
# An icon is a picture of its own size.
foreach(n 16 512)
  set(icon ${root}/usr/share/icons/hicolor/${n}x${n}/apps/brambleton.png)
  file(READ ${icon} w OFFSET 16 LIMIT 4 HEX)
  math(EXPR w "0x${w}")
  if(NOT w EQUAL n)
    message(FATAL_ERROR "${icon} is ${w} pixels wide")
  endif()
endforeach()

# The same run of the installed program in a folder without game/, and of the
# program in the build folder in the source tree, each with a fresh user folder:
# the installed one found every picture, font and text if the frames are equal.
function(run_level program name folder)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env SDL_AUDIODRIVER=dummy
            ${program} --headless --fixed-step --seed 7 --frames 150 --level 1
            --user-dir ${WORK}/user-${name} --screenshot ${WORK}/${name}.png
    WORKING_DIRECTORY ${folder}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 300)
  if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK}/${name}.png)
    message(FATAL_ERROR "${program} failed (${rc})\n${out}${err}")
  endif()
endfunction()
run_level(${root}/usr/bin/brambleton installed ${WORK}/elsewhere)
run_level(${PROGRAM} buildtree ${SOURCE_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/installed.png ${WORK}/buildtree.png
                RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "the installed program draws another picture than the build's")
endif()
