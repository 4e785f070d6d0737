# A second test display whose monitors are real X heads: a nested Xephyr
# with Xinerama, Wine taking its monitors from it, in a prefix of its own so
# the ordinary display's tests keep theirs. The several-monitor tests run on
# it for real; the scripts in tests/e2e/heads/ lay out heads of their own.
if(NOT (WIN32 AND VORLUNDA_RUN_TESTS))
  return()
endif()

# The primary first: two side by side, of different sizes.
set(VORLUNDA_HEADS 800x600+0+0 640x480+800+0)
set(heads_state ${CMAKE_BINARY_DIR}/wine-heads)
set(heads_run ${CMAKE_BINARY_DIR}/wine-heads-run)
set(plain_state ${VORLUNDA_WINE_STATE})
set(VORLUNDA_WINE_STATE ${heads_state})
configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${heads_run} @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
               WORLD_READ WORLD_EXECUTE)
set(VORLUNDA_WINE_STATE ${plain_state})

add_test(NAME wine_heads_start COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/wine-display.sh start-heads
                                       ${heads_state} ${heads_run} ${VORLUNDA_HEADS})
add_test(NAME wine_heads_stop COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/wine-display.sh stop-heads
                                      ${heads_state} ${heads_run})
set_tests_properties(wine_heads_start PROPERTIES FIXTURES_SETUP wine_heads TIMEOUT 300
                                                 RESOURCE_LOCK wine_heads)
set_tests_properties(wine_heads_stop PROPERTIES FIXTURES_CLEANUP wine_heads TIMEOUT 60)

# Run like the tests of the other lanes, but on the heads' display and
# prefix, with a scratch folder of their own, one after another.
set(heads_tmp ${VORLUNDA_TEST_TMP}-heads)
file(MAKE_DIRECTORY ${heads_tmp})
function(vorlunda_heads_test test kind)
  vorlunda_test_environment(${test} ${kind})
  set(drive "")
  if(kind STREQUAL "windows")
    set(drive Z:)
  endif()
  string(REPLACE ";" " " heads "${VORLUNDA_HEADS}")
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT "WINE=${heads_run}"
               "VORLUNDA_TEST_TMP=${drive}${heads_tmp}" "VORLUNDA_HEADS=${heads}"
               "VORLUNDA_HEADS_STATE=${heads_state}")
  set_property(TEST ${test} APPEND PROPERTY LABELS heads)
  set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED wine_heads RESOURCE_LOCK wine_heads)
endfunction()

# The several-monitor tests, the previews and the saver window's own tests,
# but for the one that wants a single monitor.
add_test(NAME win32_saver_heads_tests
         COMMAND ${heads_run} $<TARGET_FILE:win32_saver_tests>
                 --gtest_filter=*Monitor*:*Head*:*Preview*:SaverWindow.*-SaverWindow.FullScreenIgnores*)
vorlunda_heads_test(win32_saver_heads_tests windows)

file(GLOB heads_scripts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/heads/*.sh)
foreach(script ${heads_scripts})
  get_filename_component(stem ${script} NAME_WE)
  add_test(NAME e2e_heads_${stem} COMMAND ${heads_run} --env bash ${script})
  vorlunda_heads_test(e2e_heads_${stem} script)
  set_tests_properties(e2e_heads_${stem} PROPERTIES SKIP_RETURN_CODE 77)
endforeach()
