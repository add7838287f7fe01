# Runs at install time, after the programs and libraries are in place: each
# of WQJ_BINARIES (paths under the install prefix) gives its debug
# information to debug/PATH.debug, is stripped of it and of its symbol
# table, and names that file in a .gnu_debuglink section. objcopy runs with
# SOURCE_DATE_EPOCH 0, so that rewriting a Windows file leaves its time stamp
# 0 (the linker writes none): the same input gives the same bytes.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 "${WQJ_OBJCOPY}")
foreach(binary IN LISTS WQJ_BINARIES)
  set(file "${root}/${binary}")
  set(debug "${root}/debug/${binary}.debug")
  get_filename_component(debug_dir "${debug}" DIRECTORY)
  get_filename_component(debug_name "${debug}" NAME)
  file(MAKE_DIRECTORY "${debug_dir}")
  message(STATUS "Debug information apart: ${binary} -> debug/${binary}.debug")
  execute_process(COMMAND ${objcopy} --only-keep-debug "${file}" "${debug}" COMMAND_ERROR_IS_FATAL ANY)
  # --add-gnu-debuglink reads the debug file by the name it records, so it
  # runs in the debug file's folder.
  execute_process(COMMAND ${objcopy} --strip-all "--add-gnu-debuglink=${debug_name}" "${file}"
                  WORKING_DIRECTORY "${debug_dir}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
