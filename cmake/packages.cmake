# The release of each Windows build: a Windows Installer package and a zip for
# installing by hand, made beside the program by the target package_release.
set(VORLUNDA_RELEASE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
if(PROJECT_VERSION_PATCH STREQUAL "")
  set(product_version ${VORLUNDA_RELEASE_VERSION}.0)
else()
  set(product_version ${VORLUNDA_RELEASE_VERSION}.${PROJECT_VERSION_PATCH})
endif()
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VORLUNDA_MSI_ARCH x64)
  set(zip_arch win64)
  set(VORLUNDA_ZIP_WINDOWS "64-bit Windows")
  set(VORLUNDA_ZIP_FOLDER "C:\\Windows\\System32")
else()
  set(VORLUNDA_MSI_ARCH x86)
  set(zip_arch win32)
  set(VORLUNDA_ZIP_WINDOWS "32-bit Windows")
  set(VORLUNDA_ZIP_FOLDER "C:\\Windows\\System32 (C:\\Windows\\SysWOW64 on 64-bit Windows)")
endif()
set(VORLUNDA_MSI ${CMAKE_BINARY_DIR}/Vorlunda-${VORLUNDA_RELEASE_VERSION}-${VORLUNDA_MSI_ARCH}.msi)
set(VORLUNDA_ZIP ${CMAKE_BINARY_DIR}/Vorlunda-${VORLUNDA_RELEASE_VERSION}-${zip_arch}.zip)

# One product code per version and architecture, the same in every build of
# it: Windows then takes a rebuilt package of the installed version for the
# same product instead of installing a second one beside it. The namespace is
# the package's upgrade code.
string(UUID product_code NAMESPACE 3B1E6F52-8C0A-4D47-9E2B-6A1F0C7D5E93
       NAME "Vorlunda ${VORLUNDA_MSI_ARCH} ${product_version}" TYPE SHA1 UPPER)

set(payload_dir ${CMAKE_BINARY_DIR})
set(help_files ${payload_dir}/Vorlu12.hlp ${payload_dir}/Vorlu12.chm)
set(icon ${CMAKE_BINARY_DIR}/artwork/vorlunda.ico)
set(installer_dir ${PROJECT_SOURCE_DIR}/installer)

add_custom_command(
  OUTPUT ${VORLUNDA_MSI}
  COMMAND bash ${installer_dir}/make-msi.sh ${VORLUNDA_MSI_ARCH} ${product_version}
          {${product_code}} ${payload_dir} ${icon} ${VORLUNDA_MSI}
  DEPENDS vorlunda_scr $<TARGET_FILE:vorlunda_scr> ${help_files} ${icon}
          ${installer_dir}/vorlunda.wxs ${installer_dir}/make-msi.sh
  COMMENT "Packaging ${VORLUNDA_MSI}"
  VERBATIM)

# Read-me lines end in CR LF, for Notepad.
set(zip_name Vorlunda-${VORLUNDA_RELEASE_VERSION}-${zip_arch})
set(zip_stage ${CMAKE_BINARY_DIR}/zip-stage)
configure_file(${installer_dir}/README.txt.in ${CMAKE_BINARY_DIR}/zip-readme/README.txt @ONLY
               NEWLINE_STYLE CRLF)
add_custom_command(
  OUTPUT ${VORLUNDA_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${zip_stage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${zip_stage}/${zip_name}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:vorlunda_scr> ${help_files}
          ${CMAKE_BINARY_DIR}/zip-readme/README.txt ${zip_stage}/${zip_name}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${VORLUNDA_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${zip_stage}
          ${CMAKE_COMMAND} -E tar cf ${VORLUNDA_ZIP} --format=zip ${zip_name}
  DEPENDS vorlunda_scr $<TARGET_FILE:vorlunda_scr> ${help_files}
          ${CMAKE_BINARY_DIR}/zip-readme/README.txt
  COMMENT "Packaging ${VORLUNDA_ZIP}"
  VERBATIM)

add_custom_target(package_release DEPENDS ${VORLUNDA_MSI} ${VORLUNDA_ZIP})
if(TARGET vorlunda_help)
  add_dependencies(package_release vorlunda_help)
else()
  foreach(file ${help_files})
    if(NOT EXISTS ${file})
      message(WARNING "package_release packages ${file}, which no target of this build makes")
    endif()
  endforeach()
endif()

# The scripts that install the packages find them through these; the x86
# package comes from the sibling 32-bit build when there is one.
if(VORLUNDA_RUN_TESTS)
  add_test(NAME release_packages
           COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target package_release)
  set_tests_properties(release_packages PROPERTIES FIXTURES_SETUP release TIMEOUT 600)
  get_filename_component(builds_dir ${CMAKE_BINARY_DIR} DIRECTORY)
  set(x86_build ${builds_dir}/win32)
  file(GLOB install_scripts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/install_*.sh)
  foreach(script ${install_scripts})
    get_filename_component(stem ${script} NAME_WE)
    set_property(TEST e2e_${stem} APPEND PROPERTY FIXTURES_REQUIRED release)
    # Each installation takes seconds under Wine, more on a busy machine.
    set_property(TEST e2e_${stem} PROPERTY TIMEOUT 600)
    set_property(TEST e2e_${stem} APPEND PROPERTY ENVIRONMENT
      "VORLUNDA_MSI=${VORLUNDA_MSI}" "VORLUNDA_ZIP=${VORLUNDA_ZIP}" "VORLUNDA_ICON=${icon}"
      "VORLUNDA_X86_MSI=${x86_build}/Vorlunda-${VORLUNDA_RELEASE_VERSION}-x86.msi"
      "VORLUNDA_X86_ZIP=${x86_build}/Vorlunda-${VORLUNDA_RELEASE_VERSION}-win32.zip")
  endforeach()
endif()
