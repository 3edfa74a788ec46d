# Whole runs of the real program: start-up, the screen loop, the command
# line, screenshots and replays.
set(E2E_DIR ${CMAKE_CURRENT_BINARY_DIR}/e2e)
file(MAKE_DIRECTORY ${E2E_DIR})
set(E2E_CHECK ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run_check.cmake)
set(SAMPLE_GUI game/gfx/gui/preview/sample.gui)

function(brambleton_e2e name)
  cmake_parse_arguments(E "UNSET_DISPLAY" "EXPECT_EXIT;EXPECT_OUTPUT;SCREENSHOT;EXPECT_SIZE;WRAPPER" "ARGS" ${ARGN})
  string(REPLACE ";" "|" args "${E_ARGS}")
  add_test(NAME e2e_${name}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:brambleton> "-DARGS=${args}"
      -DEXPECT_EXIT=${E_EXPECT_EXIT} "-DEXPECT_OUTPUT=${E_EXPECT_OUTPUT}" -DSCREENSHOT=${E_SCREENSHOT}
      -DEXPECT_SIZE=${E_EXPECT_SIZE} -DUNSET_DISPLAY=${E_UNSET_DISPLAY} "-DWRAPPER=${E_WRAPPER}"
      -P ${E2E_CHECK}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(e2e_${name} PROPERTIES LABELS e2e ENVIRONMENT "SDL_AUDIODRIVER=dummy" TIMEOUT 900)
endfunction()

brambleton_e2e(help ARGS --help EXPECT_OUTPUT "--fixed-step")
brambleton_e2e(bad_flag ARGS --frames x EXPECT_EXIT 2)
brambleton_e2e(no_display_stops_with_a_message ARGS --user-dir ${E2E_DIR}/nodisplay
  UNSET_DISPLAY EXPECT_EXIT 1 EXPECT_OUTPUT "--headless")
brambleton_e2e(headless_frames_and_screenshot
  ARGS --headless --fixed-step --seed 3 --frames 30 --user-dir ${E2E_DIR}/shot --screenshot ${E2E_DIR}/shot.png
       --gui ${SAMPLE_GUI}
  SCREENSHOT ${E2E_DIR}/shot.png EXPECT_SIZE 1366x768)

# Two replays of one recording give the same picture, pixel for pixel.
foreach(run 1 2)
  brambleton_e2e(replay_${run}
    ARGS --headless --fixed-step --seed 11 --frames 90 --user-dir ${E2E_DIR}/replay${run}
         --replay ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/preview-clicks.rec --screenshot ${E2E_DIR}/replay${run}.png
         --gui ${SAMPLE_GUI}
    EXPECT_OUTPUT "clicked: " SCREENSHOT ${E2E_DIR}/replay${run}.png)
endforeach()
add_test(NAME e2e_replays_are_identical
  COMMAND ${CMAKE_COMMAND} -E compare_files ${E2E_DIR}/replay1.png ${E2E_DIR}/replay2.png)
set_tests_properties(e2e_replays_are_identical PROPERTIES DEPENDS "e2e_replay_1;e2e_replay_2" LABELS e2e)
set_tests_properties(e2e_replay_2 PROPERTIES DEPENDS e2e_replay_1)

# A real window on a bare X server without a window manager.
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN)
  brambleton_e2e(window_on_bare_x_server
    ARGS --windowed --frames 20 --user-dir ${E2E_DIR}/xvfb --screenshot ${E2E_DIR}/xvfb.png --gui ${SAMPLE_GUI}
    WRAPPER "${XVFB_RUN}|-a|-s|-screen 0 1280x800x24"
    SCREENSHOT ${E2E_DIR}/xvfb.png EXPECT_SIZE 1366x768)
  # The renderer is chosen once and the choice is said at start; forcing the
  # software renderer is always obeyed.
  brambleton_e2e(window_says_its_renderer
    ARGS --windowed --frames 5 --user-dir ${E2E_DIR}/xvfb-auto --gui ${SAMPLE_GUI}
    WRAPPER "${XVFB_RUN}|-a|-s|-screen 0 1280x800x24"
    EXPECT_OUTPUT "Renderer: (software|accelerated) \\(")
  brambleton_e2e(window_forced_software_renderer
    ARGS --windowed --renderer software --frames 5 --user-dir ${E2E_DIR}/xvfb-soft --gui ${SAMPLE_GUI}
    WRAPPER "${XVFB_RUN}|-a|-s|-screen 0 1280x800x24"
    EXPECT_OUTPUT "Renderer: software, as asked")
endif()

# A run whose window loses the focus and gets it back: the pause lasts the
# recorded frames, the game goes on afterwards (the click after the pause
# acts), and a replay of that run's own recording gives the same picture.
brambleton_e2e(focus_pause_record
  ARGS --headless --fixed-step --seed 5 --frames 90 --user-dir ${E2E_DIR}/focus1
       --replay ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/focus-pause.rec --record ${E2E_DIR}/focus.rec
       --screenshot ${E2E_DIR}/focus1.png --gui ${SAMPLE_GUI}
  EXPECT_OUTPUT "clicked: " SCREENSHOT ${E2E_DIR}/focus1.png)
brambleton_e2e(focus_pause_replay
  ARGS --headless --fixed-step --seed 5 --frames 90 --user-dir ${E2E_DIR}/focus2
       --replay ${E2E_DIR}/focus.rec --screenshot ${E2E_DIR}/focus2.png --gui ${SAMPLE_GUI}
  EXPECT_OUTPUT "clicked: " SCREENSHOT ${E2E_DIR}/focus2.png)
add_test(NAME e2e_focus_pause_replays_identically
  COMMAND ${CMAKE_COMMAND} -E compare_files ${E2E_DIR}/focus1.png ${E2E_DIR}/focus2.png)
# A frame limit ends a run that is paused for good.
brambleton_e2e(frame_limit_ends_a_paused_run
  ARGS --headless --fixed-step --seed 5 --frames 60 --user-dir ${E2E_DIR}/focus3
       --replay ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/focus-lost.rec --gui ${SAMPLE_GUI})
set_tests_properties(e2e_focus_pause_record e2e_focus_pause_replay e2e_frame_limit_ends_a_paused_run
  PROPERTIES TIMEOUT 60)
set_tests_properties(e2e_focus_pause_record PROPERTIES FIXTURES_SETUP focus_recording)
set_tests_properties(e2e_focus_pause_replay PROPERTIES FIXTURES_REQUIRED focus_recording
  FIXTURES_SETUP focus_replay)
set_tests_properties(e2e_focus_pause_replays_identically PROPERTIES FIXTURES_REQUIRED
  "focus_recording;focus_replay" LABELS e2e)

# Without --seed every run deals another board.
foreach(run 1 2)
  brambleton_e2e(unseeded_board_${run}
    ARGS --level 1 --headless --fixed-step --frames 150 --user-dir ${E2E_DIR}/unseeded${run}
         --screenshot ${E2E_DIR}/unseeded${run}.png
    SCREENSHOT ${E2E_DIR}/unseeded${run}.png)
  set_tests_properties(e2e_unseeded_board_${run} PROPERTIES FIXTURES_SETUP unseeded_${run})
endforeach()
# compare_files fails on different files: that is the outcome wanted.
add_test(NAME e2e_unseeded_runs_deal_different_boards
  COMMAND ${CMAKE_COMMAND} -E compare_files ${E2E_DIR}/unseeded1.png ${E2E_DIR}/unseeded2.png)
set_tests_properties(e2e_unseeded_runs_deal_different_boards PROPERTIES WILL_FAIL TRUE LABELS e2e
  FIXTURES_REQUIRED "unseeded_1;unseeded_2")

# The child that tries the accelerated renderer answers in three lines, whatever it finds.
brambleton_e2e(renderer_probe_answers ARGS --probe-renderer EXPECT_OUTPUT "^created [01].name [^ ]*.gl ")
