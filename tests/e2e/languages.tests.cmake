# The language the game speaks: the system's locale on a first start, --language for one run
# (never saved), and a change in the options dialog's language row that lasts to the next start.
# Each run says "language: <code>" when it takes a language.
set(E2E_LANG_ENV "${CMAKE_COMMAND}|-E|env|--unset=LANGUAGE|--unset=LC_MESSAGES|--unset=LANG")
brambleton_e2e(language_from_the_locale_on_a_first_start
  ARGS --headless --renderer null --fixed-step --frames 5 --screen menu --user-dir ${E2E_DIR}/lang-locale
  WRAPPER "${E2E_LANG_ENV}|LC_ALL=de_AT.UTF-8" EXPECT_OUTPUT "language: de")
brambleton_e2e(language_unknown_locale_is_english
  ARGS --headless --renderer null --fixed-step --frames 5 --screen menu --user-dir ${E2E_DIR}/lang-c
  WRAPPER "${E2E_LANG_ENV}|LC_ALL=C" EXPECT_OUTPUT "language: en")
brambleton_e2e(language_for_one_run
  ARGS --headless --renderer null --fixed-step --frames 5 --screen menu --language de
       --user-dir ${E2E_DIR}/lang-run
  WRAPPER "${E2E_LANG_ENV}|LC_ALL=C" EXPECT_OUTPUT "language: de")
brambleton_e2e(language_for_one_run_is_not_saved
  ARGS --headless --renderer null --fixed-step --frames 5 --screen menu --user-dir ${E2E_DIR}/lang-run
  WRAPPER "${E2E_LANG_ENV}|LC_ALL=C" EXPECT_OUTPUT "language: en")
set_tests_properties(e2e_language_for_one_run_is_not_saved PROPERTIES DEPENDS e2e_language_for_one_run)
brambleton_e2e(language_unknown_code_keeps_the_usual_one
  ARGS --headless --renderer null --fixed-step --frames 5 --screen menu --language xx
       --user-dir ${E2E_DIR}/lang-xx
  WRAPPER "${E2E_LANG_ENV}|LC_ALL=C" EXPECT_OUTPUT "does not speak 'xx'.*language: en")
brambleton_e2e(language_help_names_the_option ARGS --help EXPECT_OUTPUT "--language CODE")

# The player clicks the language row's right arrow in the options over the main menu and
# closes the dialog with Escape: the menu speaks German, and so does the next start.
add_test(NAME e2e_language_options_fresh_start COMMAND ${CMAKE_COMMAND} -E rm -rf ${E2E_DIR}/lang-options)
set_tests_properties(e2e_language_options_fresh_start PROPERTIES LABELS e2e)
brambleton_e2e(language_changed_in_the_options
  ARGS --screen options --headless --fixed-step --seed 5 --frames 200 --user-dir ${E2E_DIR}/lang-options
       --replay ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/language-next.rec --screenshot ${E2E_DIR}/lang-options.png
  WRAPPER "${E2E_LANG_ENV}|LC_ALL=C" EXPECT_OUTPUT "language: en.*language: de.*options: 0"
  SCREENSHOT ${E2E_DIR}/lang-options.png EXPECT_SIZE 1366x768)
brambleton_e2e(language_changed_in_the_options_survives_a_restart
  ARGS --headless --renderer null --fixed-step --frames 5 --screen menu --user-dir ${E2E_DIR}/lang-options
  WRAPPER "${E2E_LANG_ENV}|LC_ALL=C" EXPECT_OUTPUT "language: de")
set_tests_properties(e2e_language_changed_in_the_options PROPERTIES DEPENDS e2e_language_options_fresh_start)
set_tests_properties(e2e_language_changed_in_the_options_survives_a_restart PROPERTIES
  DEPENDS e2e_language_changed_in_the_options)
