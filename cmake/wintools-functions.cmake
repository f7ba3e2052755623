# Functions that make a firmware build write its MTT scripts with the tools.
# They come with both ways of taking the tools in, and behave the same:
#
#   add_subdirectory(<wintools source> wintools)     # or FetchContent
#   find_package(wintools REQUIRED)              # an installed package
#
# wintools_add_tables_script(<name> TABLES <tables file>
#                            [OUTPUT <script>] [LOG <log file>])
#   Checks the tables file with mttlint, then writes the script with mapgen.
#   OUTPUT defaults to tables.mtt.
#
# wintools_add_config_script(<name> HEADER <header>
#                            CONFIGS <config file>...
#                            [OUTPUT <script>] [LOG <log file>])
#   Checks the configuration files (applied in the order given) against the
#   header with mttlint, then writes the script with paramgen. OUTPUT
#   defaults to config.mtt.
#
# Each adds the target <name>, built by default, and a custom command that
# produces the script (and the log when LOG is given). Relative input paths
# are taken from CMAKE_CURRENT_SOURCE_DIR, relative OUTPUT and LOG paths
# from CMAKE_CURRENT_BINARY_DIR (the default folder of the script). The
# command runs again when an input or a tool changes.
#
# mttlint runs first, so that an error in the inputs fails the build, also
# one that paramgen only counts and exits 0 on; warnings do not fail it. Any
# exit status but 0 of either tool, negative ones included, fails it too.
# The generator writes to a temporary name beside the script, renamed to
# the script only after a clean run; a failed run leaves no script (nor the
# log of an earlier run), so the next build runs the tools again.
#
# The firmware build needs CMake 3.20 or later.
cmake_policy(VERSION 3.20...3.25)

# Sets out_var to path made absolute against base_dir, with . and .. gone.
function(_wintools_absolute path base_dir out_var)
  cmake_path(ABSOLUTE_PATH path BASE_DIRECTORY "${base_dir}" NORMALIZE
             OUTPUT_VARIABLE absolute)
  set(${out_var} "${absolute}" PARENT_SCOPE)
endfunction()

# Adds target name running mttlint and the generator on the inputs.
# generator_options are the generator's input options with absolute paths;
# mttlint takes the same.
function(_wintools_add_script name generator default_output output log
         inputs generator_options)
  foreach(tool wintools::mttlint wintools::${generator})
    if(NOT TARGET ${tool})
      message(FATAL_ERROR "${tool} is not a target: take in wintools with "
                          "add_subdirectory or find_package first")
    endif()
  endforeach()

  if(output STREQUAL "")
    set(output ${default_output})
  endif()
  _wintools_absolute("${output}" "${CMAKE_CURRENT_BINARY_DIR}" output)
  set(outputs "${output}")
  if(NOT log STREQUAL "")
    _wintools_absolute("${log}" "${CMAKE_CURRENT_BINARY_DIR}" log)
    list(APPEND outputs "${log}")
  endif()
  # The tools refuse to overwrite an input, but they write to the temporary
  # name: the rename would do it, so it is refused here.
  foreach(written IN LISTS outputs)
    if(written IN_LIST inputs)
      message(FATAL_ERROR "${name}: ${written} is an input and cannot be "
                          "written")
    endif()
  endforeach()
  if(output STREQUAL log)
    message(FATAL_ERROR "${name}: the script and the log are both ${output}")
  endif()

  cmake_path(GET output FILENAME output_name)
  set(run_script "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/wintools-run.cmake")
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND}
            "-DMTTLINT=$<TARGET_FILE:wintools::mttlint>"
            "-DGENERATOR=$<TARGET_FILE:wintools::${generator}>"
            "-DOUTPUT=${output}" "-DLOG=${log}"
            -P "${run_script}" -- ${generator_options}
    # A tool built in this build is built first; the command runs again
    # when a tool, built or installed, is newer than the script.
    DEPENDS ${inputs} "${run_script}" wintools::mttlint wintools::${generator}
    COMMENT "Checking the inputs and writing ${output_name}"
    VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${outputs})
endfunction()

function(wintools_add_tables_script name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "TABLES;OUTPUT;LOG" "")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "wintools_add_tables_script(${name}): unknown "
                        "arguments: ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT arg_TABLES)
    message(FATAL_ERROR "wintools_add_tables_script(${name}) needs TABLES")
  endif()
  _wintools_absolute("${arg_TABLES}" "${CMAKE_CURRENT_SOURCE_DIR}" tables)
  _wintools_add_script(${name} mapgen tables.mtt "${arg_OUTPUT}" "${arg_LOG}"
                       "${tables}" "-t;${tables}")
endfunction()

function(wintools_add_config_script name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "HEADER;OUTPUT;LOG" "CONFIGS")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "wintools_add_config_script(${name}): unknown "
                        "arguments: ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT arg_HEADER OR NOT arg_CONFIGS)
    message(FATAL_ERROR
      "wintools_add_config_script(${name}) needs HEADER and CONFIGS")
  endif()
  _wintools_absolute("${arg_HEADER}" "${CMAKE_CURRENT_SOURCE_DIR}" header)
  set(configs "")
  foreach(config IN LISTS arg_CONFIGS)
    _wintools_absolute("${config}" "${CMAKE_CURRENT_SOURCE_DIR}" config)
    list(APPEND configs "${config}")
  endforeach()
  # paramgen's list of configuration files runs up to the -g.
  _wintools_add_script(${name} paramgen config.mtt "${arg_OUTPUT}"
                       "${arg_LOG}" "${configs};${header}"
                       "-c;${configs};-g;${header}")
endfunction()
