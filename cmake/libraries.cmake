# One static library per layer. Sources are picked up by directory: <dir>/*.cpp
# is portable, <dir>/win32/*.cpp is built only for Windows and
# <dir>/native/*.cpp only elsewhere. A seam's two implementations sit in the
# two folders under the same function, so no source picks one with #if.
# The product reports failures as Error values and needs no type
# information at run time; its tests may use either. The sanitizer build
# keeps the type information, which its check of virtual calls reads.
function(vorlunda_product_options target)
  target_compile_options(${target} PRIVATE -fno-exceptions)
  if(NOT VORLUNDA_SANITIZE)
    target_compile_options(${target} PRIVATE -fno-rtti)
  endif()
endfunction()

# The sources of <dir> for this build's platform only: win32/ or native/.
function(vorlunda_platform_sources out dir)
  if(WIN32)
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/win32/*.cpp)
  else()
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/native/*.cpp)
  endif()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# vorlunda_library(name "dir;dir..." dependencies...)
function(vorlunda_library name dirs)
  set(sources)
  foreach(dir ${dirs})
    file(GLOB portable CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    vorlunda_platform_sources(platform ${dir})
    list(APPEND sources ${portable} ${platform})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARGN})
    vorlunda_product_options(${name})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

set(VORLUNDA_SYSTEM_LIBS)
if(WIN32)
  set(VORLUNDA_SYSTEM_LIBS user32 gdi32 comctl32 comdlg32 shell32 advapi32)
endif()

vorlunda_library(foundation foundation ${VORLUNDA_SYSTEM_LIBS})
vorlunda_library(ifs ifs foundation)
vorlunda_library(imgfile imgfile foundation)
# PNG through the system's own imaging component on Windows, so the programs
# still need no DLL of their own; through libpng elsewhere.
if(WIN32)
  target_link_libraries(imgfile PUBLIC windowscodecs ole32 uuid)
else()
  find_package(PNG REQUIRED)
  target_link_libraries(imgfile PUBLIC PNG::PNG)
endif()
vorlunda_library(pallwork pallwork imgfile foundation)
vorlunda_library(vorlunda_core vorlunda pallwork imgfile ifs foundation)
# Picture records name the program that wrote them.
target_compile_definitions(vorlunda_core PRIVATE VORLUNDA_VERSION_TEXT="${PROJECT_VERSION}")
# The settings and edit-scheme dialogs with their portable rules; a library of
# their own, so the rules are tested natively and the dialogs in-process.
vorlunda_library(vorlunda_ui "vorlunda/editschm;vorlunda/settings" vorlunda_core pallwork imgfile
                 ifs foundation)

# The portable half of the saver for X displays: its command line and the
# layout of its monitors.
vorlunda_library(vorlunda_xsaver vorlunda/xsaver vorlunda_core pallwork ifs foundation)

set(VORLUNDA_ALL_LIBS vorlunda_ui vorlunda_xsaver vorlunda_core pallwork imgfile ifs foundation
    ${VORLUNDA_SYSTEM_LIBS})
