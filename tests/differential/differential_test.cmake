# The two builds give the same bytes: the script of `wqj calls` (its default
# seed, one round) runs through the native library and through WQJDLL.dll
# under the emulator, each in one `wqj call --bits --script` process, and
# every result and everything written back must be the same, floats to the
# bit. wqj.exe must print the same script as the native wqj.
# Usage: cmake -DNATIVE_BIN= -DWQJ= -DEMULATOR= -DWORK= -P differential_test.cmake
cmake_minimum_required(VERSION 3.20)
foreach(v NATIVE_BIN WQJ WORK)
  if(NOT DEFINED ${v} OR "${${v}}" STREQUAL "")
    message(FATAL_ERROR "differential: -D${v}= is required")
  endif()
endforeach()
if(NOT EXISTS "${NATIVE_BIN}/wqj")
  message(FATAL_ERROR "differential: ${NATIVE_BIN}/wqj is missing: build the native preset first")
endif()
file(MAKE_DIRECTORY "${WORK}")

execute_process(COMMAND "${NATIVE_BIN}/wqj" calls OUTPUT_FILE "${WORK}/calls.txt" ERROR_VARIABLE err
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "differential: the native wqj calls exited ${status}:\n${err}")
endif()
execute_process(COMMAND ${EMULATOR} "${WQJ}" calls OUTPUT_VARIABLE windows_calls ERROR_VARIABLE err
  RESULT_VARIABLE status)
file(READ "${WORK}/calls.txt" native_calls)
string(REPLACE "\r\n" "\n" windows_calls "${windows_calls}")
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT windows_calls STREQUAL native_calls)
  file(WRITE "${WORK}/calls-windows.txt" "${windows_calls}")
  message(FATAL_ERROR "differential: wqj.exe calls (exit ${status}) does not print the native script "
                      "(${WORK}/calls.txt, ${WORK}/calls-windows.txt):\n${err}")
endif()

# The script comes on standard input: the Windows program reads no Unix path.
function(run_calls name)
  execute_process(COMMAND ${ARGN} call --bits --script -
    INPUT_FILE "${WORK}/calls.txt" OUTPUT_FILE "${WORK}/${name}.txt" ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "differential: the ${name} build exited ${status}:\n${err}")
  endif()
endfunction()
run_calls(native "${NATIVE_BIN}/wqj")
run_calls(windows ${EMULATOR} "${WQJ}")

file(READ "${WORK}/native.txt" native)
file(READ "${WORK}/windows.txt" windows)
# The Windows program writes its lines in text mode; wqj escapes every
# carriage return of a result, so dropping the one before each newline
# loses nothing.
string(REPLACE "\r\n" "\n" windows "${windows}")
file(WRITE "${WORK}/windows.txt" "${windows}")
string(REGEX MATCHALL "(^|\n)> " calls "${native}")
list(LENGTH calls call_count)
if(call_count LESS 1000)
  message(FATAL_ERROR "differential: only ${call_count} calls were made")
endif()
if(NOT native STREQUAL windows)
  execute_process(COMMAND diff -U2 "${WORK}/native.txt" "${WORK}/windows.txt" OUTPUT_VARIABLE shown)
  string(SUBSTRING "${shown}" 0 6000 shown)
  message(FATAL_ERROR "differential: the builds differ (native -, Windows +):\n${shown}")
endif()
message(STATUS "differential: ${call_count} calls, the same bytes from both builds")
