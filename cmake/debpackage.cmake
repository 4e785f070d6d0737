# The Debian package of the saver for X displays, made with every native
# build that has the program (the sanitizer build's program is not one to
# ship): build/native/vorlunda-x11_<version>_<arch>.deb and, beside it, the
# description file vorlunda.xml that goes into it.
if(NOT TARGET vorlunda OR VORLUNDA_SANITIZE)
  return()
endif()
find_program(VORLUNDA_DPKG_DEB dpkg-deb)
find_program(VORLUNDA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT VORLUNDA_DPKG_DEB OR NOT VORLUNDA_DPKG_SHLIBDEPS)
  message(STATUS "dpkg-deb or dpkg-shlibdeps not found (Debian package dpkg-dev): no .deb")
  return()
endif()
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE VORLUNDA_DEB_ARCH
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(VORLUNDA_DEB ${CMAKE_BINARY_DIR}/vorlunda-x11_${PROJECT_VERSION}_${VORLUNDA_DEB_ARCH}.deb)
file(GLOB deb_inputs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/installer/x11/*)
add_custom_command(
  OUTPUT ${VORLUNDA_DEB} ${CMAKE_BINARY_DIR}/vorlunda.xml
  COMMAND bash ${PROJECT_SOURCE_DIR}/installer/x11/make-deb.sh $<TARGET_FILE:vorlunda>
          ${PROJECT_VERSION} ${CMAKE_BINARY_DIR}
  DEPENDS vorlunda ${deb_inputs}
  COMMENT "Making the Debian package of the X11 saver"
  VERBATIM)
add_custom_target(package_deb ALL DEPENDS ${VORLUNDA_DEB})
