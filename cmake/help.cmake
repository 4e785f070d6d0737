# The help files are made from one source by halibut: "Vorlu12.hlp" for the
# WinHelp viewer and "Vorlu12.chm" for HTML Help, both beside the program.
# halibut leaves the WinHelp file's numeric context map empty, so a small
# host tool of ours fills it from a map that another writes from the
# program's list of topics (vorlunda/helptopics.h, the numbers the dialogs
# pass), and reads the result back.
find_program(VORLUNDA_HALIBUT NAMES halibut REQUIRED NO_CMAKE_FIND_ROOT_PATH)
if(NOT VORLUNDA_HOST_CXX)
  find_program(VORLUNDA_HOST_CXX NAMES g++ c++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
endif()

set(VORLUNDA_HELP_SOURCE ${PROJECT_SOURCE_DIR}/help/vorlunda.but)
set(VORLUNDA_HELP_HLP ${CMAKE_BINARY_DIR}/Vorlu12.hlp)
set(VORLUNDA_HELP_CHM ${CMAKE_BINARY_DIR}/Vorlu12.chm)
set(help_work ${CMAKE_BINARY_DIR}/help)
file(MAKE_DIRECTORY ${help_work})
set(VORLUNDA_HELP_MAP ${help_work}/contexts.map)
set(helpmap ${CMAKE_BINARY_DIR}/tools/helpmap)
set(helpmap_sources ${PROJECT_SOURCE_DIR}/tools/helpmap/main.cpp)
set(hlpctx ${CMAKE_BINARY_DIR}/tools/hlpctx)
set(hlpctx_sources ${PROJECT_SOURCE_DIR}/tools/hlpctx/main.cpp
    ${PROJECT_SOURCE_DIR}/tools/hlpctx/hlpfile.cpp ${PROJECT_SOURCE_DIR}/tools/hlpctx/contextmap.cpp)

add_custom_command(
  OUTPUT ${hlpctx}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tools
  COMMAND ${VORLUNDA_HOST_CXX} -std=c++17 -O2 -Wall -Wextra -Werror -o ${hlpctx} ${hlpctx_sources}
  DEPENDS ${hlpctx_sources} ${PROJECT_SOURCE_DIR}/tools/hlpctx/hlpfile.h
          ${PROJECT_SOURCE_DIR}/tools/hlpctx/contextmap.h
  COMMENT "Building the help context-map tool")

add_custom_command(
  OUTPUT ${helpmap}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tools
  COMMAND ${VORLUNDA_HOST_CXX} -std=c++17 -O2 -Wall -Wextra -Werror -I${PROJECT_SOURCE_DIR} -o
          ${helpmap} ${helpmap_sources}
  DEPENDS ${helpmap_sources} ${PROJECT_SOURCE_DIR}/vorlunda/helptopics.h
  COMMENT "Building the help map writer")

add_custom_command(
  OUTPUT ${VORLUNDA_HELP_MAP}
  COMMAND ${helpmap} ${VORLUNDA_HELP_MAP}
  DEPENDS ${helpmap}
  COMMENT "Writing the help context map")

add_custom_command(
  OUTPUT ${VORLUNDA_HELP_HLP} ${VORLUNDA_HELP_CHM}
  COMMAND ${VORLUNDA_HALIBUT} --winhelp=${help_work}/Vorlu12.hlp --chm=${VORLUNDA_HELP_CHM}
          ${VORLUNDA_HELP_SOURCE}
  COMMAND ${hlpctx} ${help_work}/Vorlu12.hlp ${VORLUNDA_HELP_MAP} ${VORLUNDA_HELP_HLP}
  DEPENDS ${VORLUNDA_HELP_SOURCE} ${VORLUNDA_HELP_MAP} ${hlpctx}
  WORKING_DIRECTORY ${help_work}
  COMMENT "Writing the help files")
add_custom_target(vorlunda_help ALL DEPENDS ${VORLUNDA_HELP_HLP} ${VORLUNDA_HELP_CHM})
