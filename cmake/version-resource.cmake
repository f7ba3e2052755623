# A version resource in each Windows tool, which the file's properties show:
# product name, the first line of its manual as the description, and the
# project's version. The console banners keep their own versions.
enable_language(RC)
# Four numbers, the last one (a build number) unused.
set(WINTOOLS_RC_VERSION "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},")
string(APPEND WINTOOLS_RC_VERSION "${PROJECT_VERSION_PATCH},0")
foreach(tool mapgen paramgen mttlint)
  file(STRINGS ${PROJECT_SOURCE_DIR}/man/${tool}.1.in name_line
       REGEX "^${tool} \\\\- " LIMIT_COUNT 1)
  string(REGEX REPLACE "^${tool} \\\\- " "" WINTOOLS_RC_DESCRIPTION
         "${name_line}")
  if(WINTOOLS_RC_DESCRIPTION STREQUAL "")
    message(FATAL_ERROR "man/${tool}.1.in has no NAME line '${tool} \\- ...'")
  endif()
  set(WINTOOLS_RC_TOOL ${tool})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in
                 ${PROJECT_BINARY_DIR}/rc/${tool}.rc @ONLY)
  target_sources(${tool} PRIVATE ${PROJECT_BINARY_DIR}/rc/${tool}.rc)
endforeach()
