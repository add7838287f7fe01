# The call recorder DLL in front of WQJDLL.dll under the emulator, as a
# vendor puts it beside a program: sample_host.exe, the recorder as
# WQJDLL.dll and the real library renamed WQJDLL-inner.dll in one folder.
# The host sees what it sees without the recorder, the log runs again
# through wqj.exe as recorded, and a recorder pointed at itself refuses.
# Usage: cmake -DRECORDER= -DLIBRARY= -DHOST= -DWQJ= -DEMULATOR= -DWORK= -P recorder_win32_test.cmake
cmake_minimum_required(VERSION 3.20)
foreach(v RECORDER LIBRARY HOST WQJ WORK)
  if(NOT DEFINED ${v} OR "${${v}}" STREQUAL "")
    message(FATAL_ERROR "recorder: -D${v}= is required")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/beside")
file(COPY_FILE ${HOST} ${WORK}/beside/sample_host.exe)
file(COPY_FILE ${RECORDER} ${WORK}/beside/WQJDLL.dll)
file(COPY_FILE ${LIBRARY} ${WORK}/beside/WQJDLL-inner.dll)
# Paths the Windows programs read name the emulator's drive of the whole
# file system.
set(dos "Z:${WORK}")

function(run)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  string(REPLACE "\r\n" "\n" out "${out}")
  set(OUT "${out}" PARENT_SCOPE)
  set(ERR "${err}" PARENT_SCOPE)
  set(STATUS "${status}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${EMULATOR} ${HOST} OUTPUT_VARIABLE plain RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" plain "${plain}")
run(WQJ_RECORD_TO=${dos}/host.log ${EMULATOR} ${WORK}/beside/sample_host.exe)
if(NOT STATUS EQUAL 0 OR NOT OUT STREQUAL plain)
  message(FATAL_ERROR "recorder: the sample host sees another library (${STATUS}):\n${OUT}\n${ERR}")
endif()

# The log's calls, run again by wqj.exe on the real library, give the log.
file(STRINGS "${WORK}/host.log" lines REGEX "^> ")
list(LENGTH lines calls)
list(TRANSFORM lines REPLACE "^> " "")
list(JOIN lines "\n" script)
file(WRITE "${WORK}/replay.txt" "${script}\n")
execute_process(COMMAND ${EMULATOR} ${WQJ} call --bits --script - INPUT_FILE "${WORK}/replay.txt"
  OUTPUT_VARIABLE replayed ERROR_VARIABLE err RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" replayed "${replayed}")
file(READ "${WORK}/host.log" recorded)
if(calls LESS 5 OR NOT status EQUAL 0 OR NOT recorded STREQUAL replayed)
  file(WRITE "${WORK}/replayed.txt" "${replayed}")
  execute_process(COMMAND diff -U2 "${WORK}/host.log" "${WORK}/replayed.txt" OUTPUT_VARIABLE shown)
  message(FATAL_ERROR "recorder: the log (${calls} calls) does not run again as recorded (exit ${status}):\n${err}${shown}")
endif()

# Pointed at itself, it says so and the host gets failure results.
run(WQJ_RECORD_LIBRARY=${dos}/beside/WQJDLL.dll WQJ_RECORD_TO=${dos}/refused.log ${EMULATOR}
    ${WORK}/beside/sample_host.exe)
if(STATUS EQUAL 0 OR NOT ERR MATCHES "is a recorder, not the library")
  message(FATAL_ERROR "recorder: pointed at itself, exit ${STATUS}:\n${ERR}")
endif()
message(STATUS "recorder: ${calls} calls of the sample host recorded and run again identical")
