if(WIN32)
  include(cmake/resources.cmake)
  file(GLOB scr_sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/vorlunda/app/*.cpp
       ${PROJECT_SOURCE_DIR}/vorlunda/settings/*.cpp
       ${PROJECT_SOURCE_DIR}/vorlunda/editschm/*.cpp)
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
