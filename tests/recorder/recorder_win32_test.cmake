# The call recorder DLL in front of WQJDLL.dll under the emulator, as a
# vendor puts it beside a program: sample_host.exe, the recorder as
# WQJDLL.dll and the real library renamed WQJDLL-inner.dll in one folder.
# The host sees what it sees without the recorder, the log replays identical
# with wqj.exe, a wqj.exe beside a build with a planted fault (one export
# one unit in the last place off) finds that export out, and a recorder
# pointed at itself refuses.
# Usage: cmake -DRECORDER= -DPLANTED= -DLIBRARY= -DHOST= -DWQJ= -DEMULATOR= -DWORK= -P recorder_win32_test.cmake
cmake_minimum_required(VERSION 3.20)
foreach(v RECORDER PLANTED LIBRARY HOST WQJ WORK)
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

# The log replays identical with wqj.exe on the real library (on standard
# input: the Windows program reads no Unix path).
execute_process(COMMAND ${EMULATOR} ${WQJ} replay - INPUT_FILE "${WORK}/host.log"
  OUTPUT_VARIABLE replayed ERROR_VARIABLE err RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" replayed "${replayed}")
if(NOT status EQUAL 0 OR NOT replayed MATCHES "^replayed ([0-9]+) calls: ([0-9]+) identical, 0 differing"
   OR NOT CMAKE_MATCH_1 EQUAL CMAKE_MATCH_2 OR CMAKE_MATCH_1 LESS 5)
  message(FATAL_ERROR "recorder: the sample host's log does not replay identical (exit ${status}):\n${err}${replayed}")
endif()
set(calls ${CMAKE_MATCH_1})

# The validated entry in real edit controls, with real message boxes: wqj.exe
# beside the recorder is the program (it makes the controls and closes the
# boxes); the log gives each window as edit:'TEXT' and its text after the
# call, and the boxes' texts, and replays identical.
file(COPY_FILE ${WQJ} ${WORK}/beside/wqj.exe)
execute_process(COMMAND ${CMAKE_COMMAND} -E env WQJ_RECORD_TO=${dos}/entry.log ${EMULATOR} ${WORK}/beside/wqj.exe
                        call --bits --script - INPUT_FILE ${CMAKE_CURRENT_LIST_DIR}/entry_calls.txt
                OUTPUT_VARIABLE OUT ERROR_VARIABLE ERR RESULT_VARIABLE STATUS)
file(READ ${WORK}/entry.log logged)
string(REGEX MATCHALL "ERRORMSG edit:'" edits "${logged}")
string(REGEX MATCHALL "\nwindow = \"" windows "${logged}")
string(REGEX MATCHALL "\nmessage = \"The " boxes "${logged}")
list(LENGTH edits edits)
list(LENGTH windows windows)
list(LENGTH boxes boxes)
if(NOT STATUS EQUAL 0 OR NOT edits EQUAL 3 OR NOT windows EQUAL 3 OR NOT boxes EQUAL 2
   OR NOT logged MATCHES "\nwindow = \"6' 4 1/4.\"\"\n" OR NOT logged MATCHES "\nwindow = \"1 m\"\n")
  message(FATAL_ERROR "recorder: the validated entry in edit controls (${STATUS}):\n${OUT}${ERR}\nlog:\n${logged}")
endif()
execute_process(COMMAND ${EMULATOR} ${WQJ} replay - INPUT_FILE "${WORK}/entry.log"
  OUTPUT_VARIABLE replayed RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT replayed MATCHES "^replayed [0-9]+ calls: [0-9]+ identical, 0 differing, 0 mended, 0 not compared")
  message(FATAL_ERROR "recorder: the validated entry's log does not replay identical (exit ${status}):\n${replayed}")
endif()
# A window written back as the drawing program wrote it is mended; as neither, a difference.
execute_process(COMMAND ${EMULATOR} ${WQJ} replay - INPUT_FILE ${CMAKE_CURRENT_LIST_DIR}/entry_transcript.txt
  OUTPUT_VARIABLE replayed RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" replayed "${replayed}")
if(NOT status EQUAL 1 OR NOT replayed MATCHES "3 calls: 1 identical, 1 differing, 1 mended"
   OR NOT replayed MATCHES "line 7: [^\n]*\n  mended: window" OR NOT replayed MATCHES "line 10: [^\n]*\n  differs: window")
  message(FATAL_ERROR "recorder: a validated entry's window replayed (exit ${status}):\n${replayed}")
endif()

file(MAKE_DIRECTORY "${WORK}/planted")
file(COPY_FILE ${WQJ} ${WORK}/planted/wqj.exe)
file(COPY_FILE ${PLANTED} ${WORK}/planted/WQJDLL.dll)
file(COPY_FILE ${LIBRARY} ${WORK}/planted/WQJDLL-inner.dll)
execute_process(COMMAND ${EMULATOR} ${WORK}/planted/wqj.exe replay - INPUT_FILE "${WORK}/host.log"
  OUTPUT_VARIABLE replayed RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" replayed "${replayed}")
if(NOT status EQUAL 1 OR NOT replayed MATCHES "\nCONVERTTEXTSTRINGVALUETOINCHES +[0-9]+ +0 +[1-9]")
  message(FATAL_ERROR "recorder: the planted fault was not found (exit ${status}):\n${replayed}")
endif()

# Pointed at itself, it says so and the host gets failure results.
run(WQJ_RECORD_LIBRARY=${dos}/beside/WQJDLL.dll WQJ_RECORD_TO=${dos}/refused.log ${EMULATOR}
    ${WORK}/beside/sample_host.exe)
if(STATUS EQUAL 0 OR NOT ERR MATCHES "is a recorder, not the library")
  message(FATAL_ERROR "recorder: pointed at itself, exit ${STATUS}:\n${ERR}")
endif()
message(STATUS "recorder: ${calls} calls of the sample host recorded and replayed identical")
