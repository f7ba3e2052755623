# What `cmake --install` puts where: the tools, their manuals and the
# example.
include(GNUInstallDirs)

install(TARGETS mapgen paramgen mttlint
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
