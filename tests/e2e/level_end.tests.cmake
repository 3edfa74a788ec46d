# Whole levels played to their summary with frame statistics: after the first frame of the
# board no frame decodes a picture or a sound that was not asked for ahead, neither while the
# level starts (cells and captions appearing), nor at its end (the caption, the summary).
# (E2E_DIR comes from frame.tests.cmake, included first.)
foreach(level 1 12)
  add_test(NAME e2e_level_${level}_frames_decode_nothing_unasked
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:brambleton>
      "-DARGS=--level|${level}|--autoplay|--headless|--renderer|software|--fixed-step|--seed|7"
      -DUSER_DIR=${E2E_DIR}/loads_${level} -DSTATS=${E2E_DIR}/loads_${level}.txt -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/frame_loads_check.cmake
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(e2e_level_${level}_frames_decode_nothing_unasked
    PROPERTIES LABELS e2e ENVIRONMENT "SDL_AUDIODRIVER=dummy" TIMEOUT 900)
endforeach()
