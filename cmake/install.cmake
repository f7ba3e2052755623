# What `cmake --install` puts where: the tools, their manuals, the licence,
# the example and the CMake package that find_package(wintools) reads.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS mapgen paramgen mttlint EXPORT wintools-targets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT WIN32 AND CMAKE_STRIP)
  # A stripped install (`--strip`, and CPack's) drops the compilers' names
  # too, as Debian's own packages do; plain strip keeps them.
  install(CODE "
if(CMAKE_INSTALL_DO_STRIP)
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  foreach(tool mapgen paramgen mttlint)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
      --remove-section=.note \"\${bin}/\${tool}\" COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endif()")
endif()

set(WINTOOLS_PAGES mapgen paramgen mttlint)
# The pages carry the project's version, filled in here.
foreach(page IN LISTS WINTOOLS_PAGES)
  configure_file(${PROJECT_SOURCE_DIR}/man/${page}.1.in
                 ${PROJECT_BINARY_DIR}/man/${page}.1 @ONLY)
endforeach()

if(WIN32)
  # A zip is unpacked wherever its user likes; the documents sit at its top,
  # beside bin/. Windows has no man pages: they come as HTML, rendered on
  # the build machine.
  set(WINTOOLS_DOC_DIR .)
  find_program(WINTOOLS_MANDOC mandoc)
  if(NOT WINTOOLS_MANDOC)
    message(FATAL_ERROR "mandoc renders the manuals for Windows as HTML: "
                        "install it (Debian: mandoc)")
  endif()
  set(html_pages "")
  foreach(page IN LISTS WINTOOLS_PAGES)
    set(html ${PROJECT_BINARY_DIR}/man/${page}.html)
    add_custom_command(OUTPUT ${html}
      COMMAND ${WINTOOLS_MANDOC} -T html
              ${PROJECT_BINARY_DIR}/man/${page}.1 > ${html}
      DEPENDS ${PROJECT_BINARY_DIR}/man/${page}.1
      COMMENT "Rendering ${page}.1 as HTML")
    list(APPEND html_pages ${html})
  endforeach()
  add_custom_target(wintools_html_manuals ALL DEPENDS ${html_pages})
  install(FILES ${html_pages} DESTINATION ${WINTOOLS_DOC_DIR})
  # Named so that a double click opens it.
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${WINTOOLS_DOC_DIR}
          RENAME LICENSE.txt)
else()
  set(WINTOOLS_DOC_DIR ${CMAKE_INSTALL_DOCDIR})
  # Debian's rules: manuals and changelog compressed with gzip -9, without
  # a time stamp, and the licence as the package's copyright file.
  find_program(WINTOOLS_GZIP gzip REQUIRED)
  set(compressed "")
  foreach(page IN LISTS WINTOOLS_PAGES)
    list(APPEND compressed man/${page}.1)
  endforeach()
  configure_file(${PROJECT_SOURCE_DIR}/cmake/debian-changelog
                 ${PROJECT_BINARY_DIR}/doc/changelog COPYONLY)
  list(APPEND compressed doc/changelog)
  set(gzipped "")
  foreach(file IN LISTS compressed)
    set(gz ${PROJECT_BINARY_DIR}/${file}.gz)
    add_custom_command(OUTPUT ${gz}
      COMMAND ${WINTOOLS_GZIP} -9n < ${PROJECT_BINARY_DIR}/${file} > ${gz}
      DEPENDS ${PROJECT_BINARY_DIR}/${file}
      COMMENT "Compressing ${file}")
    list(APPEND gzipped ${gz})
  endforeach()
  add_custom_target(wintools_compressed_docs ALL DEPENDS ${gzipped})
  foreach(page IN LISTS WINTOOLS_PAGES)
    install(FILES ${PROJECT_BINARY_DIR}/man/${page}.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
  install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.gz
          DESTINATION ${WINTOOLS_DOC_DIR})
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${WINTOOLS_DOC_DIR}
          RENAME copyright)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${WINTOOLS_DOC_DIR})
# The example firmware, and the example builds that fit the platform; each
# finds the firmware beside it.
if(WIN32)
  set(example_builds batch)
else()
  set(example_builds cmake make)
endif()
foreach(example firmware ${example_builds})
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/${example}
          DESTINATION ${WINTOOLS_DOC_DIR}/examples)
endforeach()

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
