# find_package(wintools): the tools as imported executables wintools::mapgen,
# wintools::paramgen and wintools::mttlint, and the functions of
# wintools-functions.cmake that run them.
if(CMAKE_VERSION VERSION_LESS 3.20)
  set(wintools_FOUND FALSE)
  set(wintools_NOT_FOUND_MESSAGE
      "wintools needs CMake 3.20 or later; this is ${CMAKE_VERSION}")
  return()
endif()
include(${CMAKE_CURRENT_LIST_DIR}/wintools-targets.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/wintools-functions.cmake)
