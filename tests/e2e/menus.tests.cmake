# The menu dialogs opened directly over the main menu: the virtual player
# answers each through the real mouse, and each run leaves a screenshot.
foreach(screen options manager credits)
  brambleton_e2e(menus_${screen}
    ARGS --screen ${screen} --autoplay --headless --fixed-step --seed 5 --frames 240
         --user-dir ${E2E_DIR}/menus-${screen} --screenshot ${E2E_DIR}/menus-${screen}.png
    EXPECT_OUTPUT "virtual player: .*(options: 0|profile manager: |credits: closed)"
    SCREENSHOT ${E2E_DIR}/menus-${screen}.png EXPECT_SIZE 1366x768)
endforeach()
brambleton_e2e(menus_help_names_the_dialogs ARGS --help EXPECT_OUTPUT "options, manager, credits")
