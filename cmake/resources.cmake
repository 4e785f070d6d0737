# The icon and cursor are drawn at build time by a small host program, so the
# repository holds only their source.
find_program(VORLUNDA_HOST_CXX NAMES g++ c++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
set(icongen ${CMAKE_BINARY_DIR}/tools/icongen)
set(artwork_dir ${CMAKE_BINARY_DIR}/artwork)
add_custom_command(
  OUTPUT ${icongen}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tools
  COMMAND ${VORLUNDA_HOST_CXX} -std=c++17 -O2 -Wall -Wextra -Werror -o ${icongen}
          ${PROJECT_SOURCE_DIR}/tools/icongen/icongen.cpp
  DEPENDS ${PROJECT_SOURCE_DIR}/tools/icongen/icongen.cpp
  COMMENT "Building the icon generator")
add_custom_command(
  OUTPUT ${artwork_dir}/vorlunda.ico ${artwork_dir}/link.cur
  COMMAND ${CMAKE_COMMAND} -E make_directory ${artwork_dir}
  COMMAND ${icongen} ${artwork_dir}/vorlunda.ico ${artwork_dir}/link.cur
  DEPENDS ${icongen}
  COMMENT "Drawing the icon and the link cursor")
add_custom_target(vorlunda_artwork DEPENDS ${artwork_dir}/vorlunda.ico ${artwork_dir}/link.cur)

set(VORLUNDA_RESOURCE_SCRIPT ${PROJECT_SOURCE_DIR}/vorlunda/resources/vorlunda.rc)
# The resource compiler reports no included files, so the parts of the script
# and the id headers they read are named here.
file(GLOB resource_parts CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/vorlunda/resources/*.rc ${PROJECT_SOURCE_DIR}/vorlunda/resources/*.h
     ${PROJECT_SOURCE_DIR}/vorlunda/*/win32/*ids.h)
set_source_files_properties(${VORLUNDA_RESOURCE_SCRIPT} PROPERTIES
  OBJECT_DEPENDS "${artwork_dir}/vorlunda.ico;${artwork_dir}/link.cur;${resource_parts}")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${artwork_dir} -I${PROJECT_SOURCE_DIR}")
