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

if(WIN32 AND VORLUNDA_RUN_TESTS)
  find_program(VORLUNDA_WINE64 NAMES wine64 PATHS /usr/lib/wine /usr/bin NO_DEFAULT_PATH
               NO_CMAKE_FIND_ROOT_PATH)
  if(NOT VORLUNDA_WINE64)
    message(FATAL_ERROR "wine64 not found (Debian package wine64)")
  endif()
  set(VORLUNDA_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                 WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
  add_test(NAME wine_display_start
           COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/wine-display.sh start ${VORLUNDA_WINE_STATE}
                   ${CMAKE_BINARY_DIR}/wine-run)
  add_test(NAME wine_display_stop
           COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/wine-display.sh stop ${VORLUNDA_WINE_STATE}
                   ${CMAKE_BINARY_DIR}/wine-run)
  set_tests_properties(wine_display_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  set_tests_properties(wine_display_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
endif()

# Windows programs see the build tree through Wine's Z: drive; scripts and
# native programs get the Unix paths.
function(vorlunda_test_environment test kind)
  set(drive "")
  if(kind STREQUAL "windows")
    set(drive Z:)
  endif()
  set(env "VORLUNDA_TEST_TMP=${drive}${VORLUNDA_TEST_TMP}"
          "VORLUNDA_SOURCE_DIR=${drive}${PROJECT_SOURCE_DIR}")
  if(WIN32)
    list(APPEND env "VORLUNDA_SCR=${drive}$<TARGET_FILE:vorlunda_scr>"
         "WINE=${CMAKE_BINARY_DIR}/wine-run")
    set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_display)
  endif()
  if(TARGET vorlunda-render)
    list(APPEND env "VORLUNDA_RENDER=${drive}$<TARGET_FILE:vorlunda-render>")
  endif()
  set_tests_properties(${test} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${VORLUNDA_TEST_TIMEOUT})
endfunction()

function(vorlunda_gtest name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  if(NOT sources)
    return()
  endif()
  file(GLOB support CONFIGURE_DEPENDS ${dir}/support/*.cpp)
  file(GLOB resources CONFIGURE_DEPENDS ${dir}/*.rc)
  if(WIN32)
    list(APPEND resources ${PROJECT_SOURCE_DIR}/tests/win32/manifest.rc)
  endif()
  add_executable(${name} ${sources} ${support} ${resources})
  target_link_libraries(${name} PRIVATE ${VORLUNDA_ALL_LIBS} gtest_main)
  if(WIN32)
    # Test programs write to the console, not to windows.
    target_link_options(${name} PRIVATE -mconsole)
    add_dependencies(${name} vorlunda_scr)
  endif()
  if(VORLUNDA_RUN_TESTS)
    add_test(NAME ${name} COMMAND ${name})
    if(WIN32)
      vorlunda_test_environment(${name} windows)
    else()
      vorlunda_test_environment(${name} native)
    endif()
  endif()
endfunction()

foreach(dir foundation ifs imgfile pallwork vorlunda)
  vorlunda_gtest(${dir}_tests ${PROJECT_SOURCE_DIR}/tests/${dir})
endforeach()

if(WIN32)
  file(GLOB win32_areas LIST_DIRECTORIES true CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win32/*)
  foreach(area_dir ${win32_areas})
    if(IS_DIRECTORY ${area_dir})
      get_filename_component(area ${area_dir} NAME)
      vorlunda_gtest(win32_${area}_tests ${area_dir})
    endif()
  endforeach()
  if(VORLUNDA_RUN_TESTS)
    file(GLOB e2e_scripts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/*.sh)
    foreach(script ${e2e_scripts})
      get_filename_component(stem ${script} NAME_WE)
      add_test(NAME e2e_${stem} COMMAND ${CMAKE_BINARY_DIR}/wine-run --env bash ${script})
      vorlunda_test_environment(e2e_${stem} script)
    endforeach()
  endif()
endif()
