# Runs mttlint and then a generator for wintools-functions.cmake:
#
#   cmake -DMTTLINT=<mttlint> -DGENERATOR=<mapgen|paramgen> -DOUTPUT=<script>
#         [-DLOG=<log>] -P wintools-run.cmake -- <input options>...
#
# The input options (-t ..., or -c ... -g ...) go to both tools. A script,
# rather than commands of the build, so that both exit statuses are checked
# the same on every platform, negative ones included, and a failed run
# removes what it wrote.
cmake_minimum_required(VERSION 3.20)

foreach(variable MTTLINT GENERATOR OUTPUT)
  if(NOT DEFINED ${variable} OR "${${variable}}" STREQUAL "")
    message(FATAL_ERROR "wintools-run.cmake needs -D${variable}=...")
  endif()
endforeach()

set(inputs "")
set(after_separator FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(index RANGE ${last})
  if(after_separator)
    list(APPEND inputs "${CMAKE_ARGV${index}}")
  elseif(CMAKE_ARGV${index} STREQUAL "--")
    set(after_separator TRUE)
  endif()
endforeach()

cmake_path(GET OUTPUT FILENAME output_name)
cmake_path(GET OUTPUT PARENT_PATH output_dir)
file(MAKE_DIRECTORY "${output_dir}")
set(temporary "${OUTPUT}.tmp")
set(log_options "")
if(NOT "${LOG}" STREQUAL "")
  set(log_options -l "${LOG}")
  cmake_path(GET LOG PARENT_PATH log_dir)
  file(MAKE_DIRECTORY "${log_dir}")
endif()

# Whatever an earlier run left would otherwise pass for this run's.
file(REMOVE "${OUTPUT}" "${temporary}")
if(log_options)
  file(REMOVE "${LOG}")
endif()

# Ends the build with the message; nothing of the script stays behind.
function(fail message)
  file(REMOVE "${temporary}")
  message(FATAL_ERROR "${message}; no ${output_name} written")
endfunction()

# RESULT_VARIABLE is the exit status (on Linux a negative one reads as 256
# minus its magnitude), or a text such as "Child killed" when the tool did
# not exit: anything but 0 is a failure.
execute_process(COMMAND "${MTTLINT}" ${inputs}
                WORKING_DIRECTORY "${output_dir}"
                RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  fail("mttlint found errors in the inputs (exit status ${status})")
endif()

cmake_path(GET GENERATOR STEM generator_name)
execute_process(COMMAND "${GENERATOR}" ${inputs} ${log_options}
                        -o "${temporary}"
                WORKING_DIRECTORY "${output_dir}"
                RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  fail("${generator_name} failed (exit status ${status})")
endif()
if(NOT EXISTS "${temporary}")
  fail("${generator_name} exited 0 but wrote no script")
endif()
# mapgen goes on without a log it cannot create; the build, which names the
# log as an output, would then run it again every time.
if(log_options AND NOT EXISTS "${LOG}")
  fail("${generator_name} could not write the log ${LOG}")
endif()
file(RENAME "${temporary}" "${OUTPUT}")
