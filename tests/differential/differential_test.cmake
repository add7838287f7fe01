# The two builds give the same bytes: the script of `wqj calls` (its default
# seed, one round) runs through the native library in one
# `wqj call --bits --script` process, and `wqj.exe replay` runs the
# transcript again on WQJDLL.dll under the emulator: every result and
# everything written back must be the same, floats to the bit. wqj.exe must
# print the same script as the native wqj.
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

# The native transcript of the script is replayed on WQJDLL.dll by wqj.exe
# (on standard input: the Windows program reads no Unix path), the route a
# vendor takes between two libraries: every call must give the same bytes,
# none differing, mended or left uncompared.
execute_process(COMMAND "${NATIVE_BIN}/wqj" call --bits --script -
  INPUT_FILE "${WORK}/calls.txt" OUTPUT_FILE "${WORK}/native.txt" ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "differential: the native build exited ${status}:\n${err}")
endif()
file(READ "${WORK}/native.txt" native)
string(REGEX MATCHALL "(^|\n)> " calls "${native}")
list(LENGTH calls call_count)
if(call_count LESS 1000)
  message(FATAL_ERROR "differential: only ${call_count} calls were made")
endif()
execute_process(COMMAND ${EMULATOR} "${WQJ}" replay -
  INPUT_FILE "${WORK}/native.txt" OUTPUT_VARIABLE replayed ERROR_VARIABLE err RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" replayed "${replayed}")
file(WRITE "${WORK}/replayed.txt" "${replayed}")
if(NOT status EQUAL 0 OR NOT replayed MATCHES
   "replayed ${call_count} calls: ${call_count} identical, 0 differing, 0 mended, 0 not compared, 0 usage\n")
  string(SUBSTRING "${replayed}" 0 6000 shown)
  message(FATAL_ERROR "differential: the native transcript does not replay identical on WQJDLL.dll "
                      "(exit ${status}):\n${err}${shown}")
endif()
message(STATUS "differential: ${call_count} calls, the same bytes from both builds")
