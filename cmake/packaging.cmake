# The packages CPack makes from what cmake/install.cmake installs: a .deb on
# Linux, a .zip for Windows.
set(CPACK_PACKAGE_NAME wintools)
set(CPACK_PACKAGE_VENDOR "the wintools authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "console tools that turn firmware settings into MTT scripts")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER
      "wintools authors <maintainers@wintools.example>")
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  # The dependencies on the C and C++ runtimes are read from the binaries.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The summary above becomes the first line; this is the text below it.
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "mapgen reads a tables file of lettered tables of hex values, checks every
line and the sizes of the tables against each other, and writes tables.mtt.
paramgen reads the byte layout of config_t and config_ext_t from the
firmware header global.h, applies configuration files of name=value lines
in order, and writes config.mtt. mttlint checks the inputs of both and
tells the file, line and column of each finding. Logs and scripts end their
lines in CR LF on every platform.")
endif()

include(CPack)
