# What `cmake --install` puts where: the tools, their manuals, the example
# and the CMake package that find_package(wintools) reads.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS mapgen paramgen mttlint EXPORT wintools-targets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(WIN32)
  # A zip is unpacked wherever its user likes; the documents sit at its top,
  # beside bin/. Windows has no man pages.
  set(WINTOOLS_DOC_DIR .)
else()
  # The pages carry the project's version, filled in here.
  foreach(page mapgen.1 paramgen.1 mttlint.1)
    configure_file(${PROJECT_SOURCE_DIR}/man/${page}.in
                   ${PROJECT_BINARY_DIR}/man/${page} @ONLY)
  endforeach()
  install(FILES ${PROJECT_BINARY_DIR}/man/mapgen.1
                ${PROJECT_BINARY_DIR}/man/paramgen.1
                ${PROJECT_BINARY_DIR}/man/mttlint.1
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  set(WINTOOLS_DOC_DIR ${CMAKE_INSTALL_DOCDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${WINTOOLS_DOC_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/firmware
        DESTINATION ${WINTOOLS_DOC_DIR}/examples)

# The package: wintools::mapgen, wintools::paramgen, wintools::mttlint as
# imported executables, and the functions that run them.
set(WINTOOLS_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/wintools)
install(EXPORT wintools-targets NAMESPACE wintools::
        DESTINATION ${WINTOOLS_PACKAGE_DIR})
# The tools run on the build machine whatever the firmware is built for.
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/wintools-config-version.cmake
  COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/wintools-config.cmake
              ${PROJECT_BINARY_DIR}/wintools-config-version.cmake
              ${PROJECT_SOURCE_DIR}/cmake/wintools-functions.cmake
              ${PROJECT_SOURCE_DIR}/cmake/wintools-run.cmake
        DESTINATION ${WINTOOLS_PACKAGE_DIR})
