# Hostile Lua in GUI scripts: each run prints one message naming the script
# and the preview goes on to its last frame.
set(SANDBOX_DATA ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data)
foreach(case loop pattern deep binary)
  set(why "stopped after")
  if(case STREQUAL "deep")
    set(why "pattern too complex")
  elseif(case STREQUAL "binary")
    set(why "precompiled chunks are not accepted")
  endif()
  brambleton_e2e(gui_sandbox_${case}
    ARGS --headless --fixed-step --frames 60 --user-dir ${E2E_DIR}/sandbox-${case}
         --gui ${SANDBOX_DATA}/sandbox-${case}.gui
    EXPECT_OUTPUT "ERROR: Lua: [^\n]*sandbox-${case}\\.lua[^\n]*${why}")
endforeach()
