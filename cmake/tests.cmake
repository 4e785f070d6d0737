# One GoogleTest executable per directory: every Wine start costs time, so
# CTest runs whole executables rather than single tests.
set(VORLUNDA_TEST_TMP ${CMAKE_BINARY_DIR}/test-tmp)
# Generous for Wine start-up and the sanitizers, short enough to catch a hang.
set(VORLUNDA_TEST_TIMEOUT 300)
file(MAKE_DIRECTORY ${VORLUNDA_TEST_TMP})

# 32-bit programs cannot run on these machines, so that build only links.
set(VORLUNDA_RUN_TESTS ON)
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(VORLUNDA_RUN_TESTS OFF)
endif()

# The Windows tests run in lanes, side by side: each lane has a Wine prefix
# (and so a registry), a virtual display and a scratch folder of its own.
# Tests within a lane run one after another. Lane 1 keeps the plain names
# (wine/, wine-run, test-tmp/) that the read-me's commands use. The tests
# named here run in lane 2, every other one in lane 1; together the two
# lanes take about as long.
set(VORLUNDA_WINE_LANES 1 2)
set(VORLUNDA_WINE_LANE2_TESTS
    vorlunda_tests win32_window_tests e2e_editscheme_flows e2e_help_f1 e2e_settings_edit
    e2e_settings_first_run e2e_settings_screenshots e2e_install_msi e2e_install_package_contents
    e2e_install_saver_choice)

function(vorlunda_wine_lane test out)
  set(lane 1)
  if(test IN_LIST VORLUNDA_WINE_LANE2_TESTS)
    set(lane 2)
  endif()
  set(${out} ${lane} PARENT_SCOPE)
endfunction()

# The lane's suffix: nothing for lane 1, "-2" for lane 2.
function(vorlunda_lane_suffix lane out)
  set(suffix "")
  if(NOT lane EQUAL 1)
    set(suffix -${lane})
  endif()
  set(${out} "${suffix}" PARENT_SCOPE)
endfunction()

if(WIN32 AND VORLUNDA_RUN_TESTS)
  find_program(VORLUNDA_WINE64 NAMES wine64 PATHS /usr/lib/wine /usr/bin NO_DEFAULT_PATH
               NO_CMAKE_FIND_ROOT_PATH)
  if(NOT VORLUNDA_WINE64)
    message(FATAL_ERROR "wine64 not found (Debian package wine64)")
  endif()
  foreach(lane ${VORLUNDA_WINE_LANES})
    vorlunda_lane_suffix(${lane} suffix)
    set(VORLUNDA_WINE_STATE ${CMAKE_BINARY_DIR}/wine${suffix})
    set(run ${CMAKE_BINARY_DIR}/wine-run${suffix})
    configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${run} @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                   GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    file(MAKE_DIRECTORY ${VORLUNDA_TEST_TMP}${suffix})
    add_test(NAME wine${suffix}_display_start
             COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/wine-display.sh start ${VORLUNDA_WINE_STATE}
                     ${run})
    add_test(NAME wine${suffix}_display_stop
             COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/wine-display.sh stop ${VORLUNDA_WINE_STATE}
                     ${run})
    set_tests_properties(wine${suffix}_display_start PROPERTIES FIXTURES_SETUP wine${suffix}
                                                                TIMEOUT 300)
    set_tests_properties(wine${suffix}_display_stop PROPERTIES FIXTURES_CLEANUP wine${suffix}
                                                               TIMEOUT 60)
  endforeach()
  # Programs run by hand and the benchmarks use lane 1.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
endif()

# The end-to-end scripts read other processes' windows through this small
# program of their own, run under Wine like the saver.
if(WIN32 AND VORLUNDA_RUN_TESTS)
  add_executable(probe ${PROJECT_SOURCE_DIR}/tests/win32/probe/probe.cpp)
  target_link_libraries(probe PRIVATE user32 gdi32 comctl32)
  target_link_options(probe PRIVATE -mconsole)
endif()

# Windows programs see the build tree through Wine's Z: drive; scripts and
# native programs get the Unix paths.
function(vorlunda_test_environment test kind)
  set(drive "")
  if(kind STREQUAL "windows")
    set(drive Z:)
  endif()
  set(suffix "")
  if(WIN32)
    vorlunda_wine_lane(${test} lane)
    vorlunda_lane_suffix(${lane} suffix)
  endif()
  set(env "VORLUNDA_TEST_TMP=${drive}${VORLUNDA_TEST_TMP}${suffix}"
          "VORLUNDA_SOURCE_DIR=${drive}${PROJECT_SOURCE_DIR}")
  if(WIN32)
    list(APPEND env "VORLUNDA_SCR=${drive}$<TARGET_FILE:vorlunda_scr>"
         "WINE=${CMAKE_BINARY_DIR}/wine-run${suffix}")
    set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED wine${suffix}
                                            RESOURCE_LOCK wine_display${suffix})
  endif()
  if(TARGET probe)
    list(APPEND env "VORLUNDA_PROBE=${drive}$<TARGET_FILE:probe>")
  endif()
  if(TARGET vorlunda-render)
    list(APPEND env "VORLUNDA_RENDER=${drive}$<TARGET_FILE:vorlunda-render>")
  endif()
  if(WIN32 AND kind STREQUAL "script")
    # Pictures drawn under Wine are compared with the native renderer's, which
    # the native build beside this one makes.
    list(APPEND env "VORLUNDA_NATIVE_RENDER=${CMAKE_BINARY_DIR}/../native/vorlunda-render")
  endif()
  # Labels choose tests by kind and by area (scripts/mutants.sh runs the
  # tests that should see a fault): unit or e2e, and the area the name starts
  # with, as in win32_saver_tests or e2e_settings_edit.
  set(kind unit)
  if(test MATCHES "^e2e_")
    set(kind e2e)
  endif()
  string(REGEX REPLACE "^(win32_|e2e_)?([a-z]+).*$" "\\2" area ${test})
  set_tests_properties(${test} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${VORLUNDA_TEST_TIMEOUT}
                                          LABELS "${kind};${area}")
endfunction()

# Support shared by every suite (registries to fail on purpose or to throw
# away), laid out by platform as the product is.
if(VORLUNDA_RUN_TESTS)
  vorlunda_library(vorlunda_test_support tests/support ${VORLUNDA_ALL_LIBS})
endif()

function(vorlunda_gtest name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  # A test program that cannot run here would only cost build time.
  if(NOT sources OR NOT VORLUNDA_RUN_TESTS)
    return()
  endif()
  file(GLOB support CONFIGURE_DEPENDS ${dir}/support/*.cpp)
  # A support seam's two sides sit in support/win32/ and support/native/, as
  # the product's do.
  file(RELATIVE_PATH support_dir ${PROJECT_SOURCE_DIR} ${dir}/support)
  vorlunda_platform_sources(platform_support ${support_dir})
  file(GLOB resources CONFIGURE_DEPENDS ${dir}/*.rc)
  if(resources AND resource_parts)
    # A test's script may include the product's templates, which the resource
    # compiler does not report as dependencies.
    set_source_files_properties(${resources} PROPERTIES OBJECT_DEPENDS "${resource_parts}")
  endif()
  if(WIN32)
    list(APPEND resources ${PROJECT_SOURCE_DIR}/tests/win32/manifest.rc)
  endif()
  add_executable(${name} ${sources} ${support} ${platform_support} ${resources})
  target_link_libraries(${name} PRIVATE ${ARGN} vorlunda_test_support ${VORLUNDA_ALL_LIBS}
                        ${VORLUNDA_GTEST_MAIN})
  if(WIN32)
    # Test programs write to the console, not to windows; their resource
    # scripts take the product's templates, and with them the drawn icon.
    target_link_options(${name} PRIVATE -mconsole)
    add_dependencies(${name} vorlunda_artwork)
  endif()
  if(WIN32)
    vorlunda_wine_lane(${name} lane)
    vorlunda_lane_suffix(${lane} suffix)
    add_test(NAME ${name} COMMAND ${CMAKE_BINARY_DIR}/wine-run${suffix} $<TARGET_FILE:${name}>)
    vorlunda_test_environment(${name} windows)
  else()
    add_test(NAME ${name} COMMAND ${name})
    vorlunda_test_environment(${name} native)
  endif()
endfunction()

foreach(dir foundation ifs imgfile pallwork vorlunda)
  vorlunda_gtest(${dir}_tests ${PROJECT_SOURCE_DIR}/tests/${dir})
endforeach()
vorlunda_gtest(editschm_tests ${PROJECT_SOURCE_DIR}/tests/vorlunda/editschm)
vorlunda_gtest(settings_tests ${PROJECT_SOURCE_DIR}/tests/vorlunda/settings)
vorlunda_gtest(xsaver_tests ${PROJECT_SOURCE_DIR}/tests/vorlunda/xsaver)

# The end-to-end helpers judged against stand-ins, natively: each must fail
# when what it checks is false.
if(NOT WIN32 AND NOT VORLUNDA_SANITIZE)
  add_test(NAME e2e_support_tests
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/support/harness_test.sh)
  set_tests_properties(e2e_support_tests PROPERTIES TIMEOUT 120 LABELS "unit;support")
endif()

# The built help files read back natively: the tool's readers are compiled
# into the test, so the sanitizer build checks them too.
if(NOT WIN32 AND VORLUNDA_RUN_TESTS)
  file(GLOB help_test_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/help/*_test.cpp
       ${PROJECT_SOURCE_DIR}/tests/help/support/*.cpp)
  add_executable(help_tests ${help_test_sources} ${PROJECT_SOURCE_DIR}/tools/hlpctx/hlpfile.cpp
                            ${PROJECT_SOURCE_DIR}/tools/hlpctx/contextmap.cpp)
  target_link_libraries(help_tests PRIVATE ${VORLUNDA_ALL_LIBS} ${VORLUNDA_GTEST_MAIN})
  add_dependencies(help_tests vorlunda_help)
  add_test(NAME help_tests COMMAND help_tests)
  vorlunda_test_environment(help_tests native)
  set_property(TEST help_tests APPEND PROPERTY ENVIRONMENT "VORLUNDA_HELP_DIR=${CMAKE_BINARY_DIR}"
               "VORLUNDA_HLPCTX=${CMAKE_BINARY_DIR}/tools/hlpctx")
endif()

if(WIN32 AND VORLUNDA_RUN_TESTS)
  # Host windows, message pumps and test dialogs shared by every Windows test
  # program; the folder is a library, not a test area. Resources stay with
  # their areas: a resource linked from a static library would be dropped.
  file(GLOB win32_support CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win32/support/*.cpp)
  add_library(win32_test_support STATIC ${win32_support})
  target_link_libraries(win32_test_support PUBLIC ${VORLUNDA_ALL_LIBS} ${VORLUNDA_GTEST})
  # Every Windows test reads these two large headers: parsed once, here, and
  # reused by each test program.
  target_precompile_headers(win32_test_support PRIVATE <windows.h> <gtest/gtest.h>)
  file(GLOB win32_areas LIST_DIRECTORIES true CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win32/*)
  foreach(area_dir ${win32_areas})
    get_filename_component(area ${area_dir} NAME)
    if(IS_DIRECTORY ${area_dir} AND NOT area STREQUAL "support")
      vorlunda_gtest(win32_${area}_tests ${area_dir} win32_test_support)
      if(TARGET win32_${area}_tests)
        target_precompile_headers(win32_${area}_tests REUSE_FROM win32_test_support)
      endif()
    endif()
  endforeach()
  # Asks the help viewer for topics as the dialogs do, from a process of its
  # own so the Windows version Wine reports can be chosen for it.
  add_executable(help_probe ${PROJECT_SOURCE_DIR}/tests/win32/helpprobe/helpprobe.cpp)
  target_link_libraries(help_probe PRIVATE ${VORLUNDA_ALL_LIBS})
  target_link_options(help_probe PRIVATE -mconsole)
  add_dependencies(help_probe vorlunda_help)
  file(GLOB e2e_scripts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/*.sh)
  foreach(script ${e2e_scripts})
    get_filename_component(stem ${script} NAME_WE)
    vorlunda_wine_lane(e2e_${stem} lane)
    vorlunda_lane_suffix(${lane} suffix)
    add_test(NAME e2e_${stem} COMMAND ${CMAKE_BINARY_DIR}/wine-run${suffix} --env bash ${script})
    vorlunda_test_environment(e2e_${stem} script)
    # A script that finds the program lacking what it drives skips itself.
    set_tests_properties(e2e_${stem} PROPERTIES SKIP_RETURN_CODE 77)
  endforeach()
endif()

# The saver for X displays on virtual displays of their own, driven by the
# screen-saver daemon too. They share the daemon's user, so one runs at a time.
if(TARGET vorlunda AND NOT VORLUNDA_SANITIZE)
  file(GLOB x11_scripts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/x11/*.sh)
  foreach(script ${x11_scripts})
    get_filename_component(stem ${script} NAME_WE)
    add_test(NAME x11_${stem} COMMAND bash ${script})
    vorlunda_test_environment(x11_${stem} native)
    set_property(TEST x11_${stem} APPEND PROPERTY ENVIRONMENT "VORLUNDA_X11=$<TARGET_FILE:vorlunda>"
                 "VORLUNDA_DEB=${VORLUNDA_DEB}")
    set_tests_properties(x11_${stem} PROPERTIES SKIP_RETURN_CODE 77 RESOURCE_LOCK x11_daemon_user)
  endforeach()
endif()
