# The call recorder's export list, made from the library's own: the same
# names (on Windows the same stdcall sizes and ordinals) and the recorder's
# mark WQJCALLRECORDER (on Windows after the last ordinal), by which a
# recorder refuses to forward to another one.
# Run as: cmake -DIN=WQJDLL.def|wqjdll.map -DOUT=... -P recorder_exports.cmake
file(READ "${IN}" list)
if(IN MATCHES "\\.def$")
  string(REGEX MATCHALL "@[0-9]+\n" ordinals "${list}")
  list(LENGTH ordinals count)
  math(EXPR next "${count} + 1")
  string(APPEND list "    WQJCALLRECORDER@0 @${next}\n")
else()
  string(REPLACE "global:\n" "global:\n    WQJCALLRECORDER;\n" list "${list}")
endif()
file(WRITE "${OUT}" "${list}")
