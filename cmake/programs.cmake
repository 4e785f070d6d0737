if(WIN32)
  include(cmake/resources.cmake)
  file(GLOB scr_sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/vorlunda/app/win32/*.cpp)
  add_executable(vorlunda_scr WIN32 ${scr_sources} ${VORLUNDA_RESOURCE_SCRIPT})
  target_link_libraries(vorlunda_scr PRIVATE ${VORLUNDA_ALL_LIBS})
  vorlunda_product_options(vorlunda_scr)
  set_target_properties(vorlunda_scr PROPERTIES OUTPUT_NAME Vorlunda SUFFIX .scr)
  add_dependencies(vorlunda_scr vorlunda_artwork vorlunda_help)
endif()

file(GLOB render_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/vorlunda/render/*.cpp)
if(render_sources)
  vorlunda_platform_sources(render_platform_sources vorlunda/render)
  list(APPEND render_sources ${render_platform_sources})
  add_executable(vorlunda-render ${render_sources})
  target_link_libraries(vorlunda-render PRIVATE ${VORLUNDA_ALL_LIBS})
  vorlunda_product_options(vorlunda-render)
endif()

# The saver for X displays, where the native build finds Xlib with the
# shared-memory, Xinerama and RandR extensions. Its X code sits in
# vorlunda/xsaver/x11/, a library of its own so the benchmarks reach it.
if(NOT WIN32)
  find_package(X11)
  if(X11_FOUND AND X11_Xext_FOUND AND X11_Xinerama_FOUND AND X11_Xrandr_FOUND)
    file(GLOB x11_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/vorlunda/xsaver/x11/*.cpp)
    add_library(vorlunda_x11 STATIC ${x11_sources})
    target_link_libraries(vorlunda_x11 PUBLIC ${VORLUNDA_ALL_LIBS} X11::X11 X11::Xext
                          X11::Xinerama X11::Xrandr)
    vorlunda_product_options(vorlunda_x11)
    add_executable(vorlunda ${PROJECT_SOURCE_DIR}/vorlunda/xsaver/app/main.cpp)
    target_link_libraries(vorlunda PRIVATE vorlunda_x11)
    vorlunda_product_options(vorlunda)
  else()
    message(STATUS "Xlib with XShm, Xinerama and RandR not found: no X11 saver")
  endif()
endif()
