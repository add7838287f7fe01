# The call recorder in front of the library, as a program's vendor uses it:
# the sample host and a long generated session run through it, their logs
# are transcripts of `wqj call --bits --script` (their calls run again give
# them back byte for byte), the program sees what it sees without it, and a
# recorder that cannot forward says why and gives failure results.
# A build with a planted fault (one export one unit in the last place off)
# replays the log with that export named as differing.
# Usage: cmake -DRECORDER_DIR= -DPLANTED_DIR= -DLIBRARY= -DHOST= -DWQJ= -DWORK= -P recorder_test.cmake
cmake_minimum_required(VERSION 3.20)
foreach(v RECORDER_DIR PLANTED_DIR LIBRARY HOST WQJ WORK)
  if(NOT DEFINED ${v} OR "${${v}}" STREQUAL "")
    message(FATAL_ERROR "recorder: -D${v}= is required")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# Runs a program with the recorder first on the library path; OUT, ERR and
# STATUS are set in the caller's scope.
function(run_through recorder_dir)
  cmake_parse_arguments(R "" "INPUT" "ENV;COMMAND" ${ARGN})
  set(feed)
  if(R_INPUT)
    set(feed INPUT_FILE ${R_INPUT})
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${recorder_dir} ${R_ENV} ${R_COMMAND} ${feed}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  set(OUT "${out}" PARENT_SCOPE)
  set(ERR "${err}" PARENT_SCOPE)
  set(STATUS "${status}" PARENT_SCOPE)
endfunction()

# A log is a transcript of `wqj call --bits --script`: `wqj replay` runs its
# calls again in one process and finds every one identical.
function(expect_replay log what)
  execute_process(COMMAND ${WQJ} replay ${log} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT out MATCHES "^replayed ([0-9]+) calls: ([0-9]+) identical, 0 differing"
     OR NOT CMAKE_MATCH_1 EQUAL CMAKE_MATCH_2)
    message(FATAL_ERROR "recorder: ${what}: the log does not replay identical (exit ${status}):\n${out}${err}")
  endif()
  set(CALLS ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()

# ---- the sample host: the same output with and without the recorder -------
execute_process(COMMAND ${HOST} OUTPUT_VARIABLE plain RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "recorder: the sample host fails on its own (${status})")
endif()
run_through(${RECORDER_DIR} ENV WQJ_RECORD_LIBRARY=${LIBRARY} WQJ_RECORD_TO=${WORK}/host.log COMMAND ${HOST})
if(NOT STATUS EQUAL 0 OR NOT OUT STREQUAL plain OR NOT ERR STREQUAL "")
  message(FATAL_ERROR "recorder: the sample host sees another library (${STATUS}):\n${OUT}\n${ERR}")
endif()
expect_replay(${WORK}/host.log "the sample host")
if(CALLS LESS 5)
  message(FATAL_ERROR "recorder: the sample host's log holds only ${CALLS} calls")
endif()

# One bit of one recorded float, one byte of one recorded text: the replay
# names the line and the export.
file(READ ${WORK}/host.log log)
foreach(row "76\\.5 \\(0x42990000\\);76.5 (0x42990001)"
            "\"6 Feet 4 1/2 Inches\";\"6 Feet 4 1/2 Inchez\"")
  list(GET row 0 pattern)
  list(GET row 1 changed)
  string(REGEX MATCH "${pattern}" found "${log}")
  if(found STREQUAL "")
    message(FATAL_ERROR "recorder: the sample host's log holds no '${pattern}':\n${log}")
  endif()
  string(FIND "${log}" "${found}" at)
  string(SUBSTRING "${log}" 0 ${at} before)
  string(LENGTH "${found}" length)
  math(EXPR after "${at} + ${length}")
  string(SUBSTRING "${log}" ${after} -1 rest)
  string(REGEX MATCHALL "\n" breaks "${before}")
  list(LENGTH breaks line)
  math(EXPR line "${line} + 1")
  file(WRITE ${WORK}/tampered.log "${before}${changed}${rest}")
  execute_process(COMMAND ${WQJ} replay ${WORK}/tampered.log OUTPUT_VARIABLE out RESULT_VARIABLE status)
  if(NOT status EQUAL 1 OR NOT out MATCHES "line [0-9]+: --escapes [A-Z]+ [^\n]*\n  differs: [^\n]*"
     OR NOT out MATCHES "\\(line ${line}\\)\n" OR NOT out MATCHES " 1 differing")
    message(FATAL_ERROR "recorder: '${changed}' at line ${line} of the log: replay exit ${status}:\n${out}")
  endif()
endforeach()

# The sample host's log replayed on a build with a planted fault.
run_through(${PLANTED_DIR} ENV WQJ_RECORD_LIBRARY=${LIBRARY} --unset=WQJ_RECORD_TO COMMAND ${WQJ} replay ${WORK}/host.log)
if(NOT STATUS EQUAL 1 OR NOT OUT MATCHES "\nCONVERTTEXTSTRINGVALUETOINCHES +[0-9]+ +0 +[1-9]"
   OR NOT OUT MATCHES ", [1-9][0-9]* differing")
  message(FATAL_ERROR "recorder: the planted fault was not found (exit ${STATUS}):\n${OUT}${ERR}")
endif()

# ---- the validated entry: its message boxes recorded and replayed ----------
# (wqj itself is the program here; it closes the boxes and shows their text.)
run_through(${RECORDER_DIR} ENV WQJ_RECORD_LIBRARY=${LIBRARY} WQJ_RECORD_TO=${WORK}/entry.log
            COMMAND ${WQJ} call --bits --script ${CMAKE_CURRENT_LIST_DIR}/entry_calls.txt)
file(READ ${WORK}/entry.log logged)
string(REGEX MATCHALL "\nmessage = \"The [^\n]+\"\n" boxes "${logged}")
list(LENGTH boxes boxes)
if(NOT STATUS EQUAL 0 OR ERR MATCHES "Measurement Error" OR NOT boxes EQUAL 2)
  message(FATAL_ERROR "recorder: the validated entry's message boxes (${STATUS}):\n${ERR}\nlog:\n${logged}")
endif()
expect_replay(${WORK}/entry.log "the validated entry")
# Recorded on Windows, the window's text is not compared here (no edit
# controls), the rest is.
execute_process(COMMAND ${WQJ} replay ${CMAKE_CURRENT_LIST_DIR}/entry_transcript.txt OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out MATCHES "3 calls: 0 identical, 0 differing, 0 mended, 3 not compared")
  message(FATAL_ERROR "recorder: a validated entry recorded on Windows (exit ${status}):\n${out}")
endif()

# ---- by default the real library is the one beside the recorder ----------
file(MAKE_DIRECTORY ${WORK}/beside)
file(GLOB recorder_files ${RECORDER_DIR}/libwqjdll.so*)
file(COPY ${recorder_files} DESTINATION ${WORK}/beside)
file(COPY_FILE ${LIBRARY} ${WORK}/beside/libwqjdll-inner.so)
run_through(${WORK}/beside ENV WQJ_RECORD_TO=${WORK}/beside.log COMMAND ${HOST})
if(NOT OUT STREQUAL plain OR NOT EXISTS ${WORK}/beside.log)
  message(FATAL_ERROR "recorder: with the real library beside it:\n${OUT}\n${ERR}")
endif()
# Without WQJ_RECORD_TO nothing is recorded and nothing changes.
run_through(${WORK}/beside ENV WQJ_RECORD_TO= COMMAND ${HOST})
if(NOT OUT STREQUAL plain)
  message(FATAL_ERROR "recorder: without a log the host sees another library:\n${OUT}")
endif()

# ---- a recorder that cannot forward says why ------------------------------
foreach(row "relative;is not an absolute path" "${RECORDER_DIR}/libwqjdll.so;is a recorder, not the library"
            "${WORK}/missing.so;cannot load the library")
  list(GET row 0 given)
  list(GET row 1 said)
  if(given STREQUAL "relative")
    set(given libwqjdll.so.0)
  endif()
  run_through(${RECORDER_DIR} ENV WQJ_RECORD_LIBRARY=${given} WQJ_RECORD_TO=${WORK}/refused.log COMMAND ${HOST})
  file(READ ${WORK}/refused.log logged)
  file(REMOVE ${WORK}/refused.log)
  if(STATUS EQUAL 0 OR NOT ERR MATCHES "${said}" OR NOT logged MATCHES "# WQJDLL recorder: .*${said}")
    message(FATAL_ERROR "recorder: WQJ_RECORD_LIBRARY=${given} gave exit ${STATUS}, expected the host to see "
                        "failure results and '${said}':\n${ERR}\nlog:\n${logged}")
  endif()
endforeach()

# ---- a long session: 100,000 generated calls -------------------------------
execute_process(COMMAND ${WQJ} calls --count 100000 OUTPUT_FILE ${WORK}/session.txt RESULT_VARIABLE status)
string(TIMESTAMP started "%s")
run_through(${RECORDER_DIR} ENV WQJ_RECORD_LIBRARY=${LIBRARY} WQJ_RECORD_TO=${WORK}/session.log
            COMMAND ${WQJ} call --bits --script ${WORK}/session.txt)
if(NOT STATUS EQUAL 0 OR NOT ERR STREQUAL "")
  message(FATAL_ERROR "recorder: the long session failed through the recorder (${STATUS}):\n${ERR}")
endif()
expect_replay(${WORK}/session.log "the long session")
file(SIZE ${WORK}/session.log size)
message(STATUS "recorder: ${CALLS} calls recorded (${size} bytes) and run again identical")
