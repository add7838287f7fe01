# What a host developer gets from `cmake --install` and `cpack`:
#
#   Windows (WQJDLL.dll)              native (libwqjdll.so)
#   bin/WQJDLL.dll                    lib/libwqjdll.so -> .so.0 -> .so.0.1.0
#   bin/wqj.exe                       bin/wqj (finds ../lib by its RUNPATH)
#   bin/recorder/WQJDLL.dll           lib/recorder/libwqjdll.so.0 -> .so.0.1.0
#   lib/libWQJDLL.dll.a (stdcall)     include/wqjdll.h
#   lib/WQJDLL.def                    lib/cmake/wqjdll/ (package config)
#   include/wqjdll.h                  lib/pkgconfig/wqjdll.pc
#   lib/cmake/wqjdll/ (package config) share/doc/wqjdll/README.md, exports.md
#   lib/pkgconfig/wqjdll.pc           debug/... (as on the left)
#   README.md, docs/exports.md
#   debug/bin/WQJDLL.dll.debug, debug/bin/wqj.exe.debug,
#   debug/bin/recorder/WQJDLL.dll.debug
#
# The installed programs and libraries carry no debug information: each
# one's is in debug/ under the same path with ".debug" added, and the
# program names it in its .gnu_debuglink section (a debugger given the
# debug folder finds it; addr2line -e FILE.debug turns a crash address into
# a function and line). The build tree keeps its unstripped copies.
#
# A CMake host then writes find_package(wqjdll) and links wqjdll::wqjdll;
# any other build takes its flags from `pkg-config --cflags --libs wqjdll`
# (a mingw-w64 host links the import library through it).
# The static core (wqjcore) and GoogleTest are never installed.

set(WQJ_INSTALL_BINDIR bin)
set(WQJ_INSTALL_LIBDIR lib)
set(WQJ_INSTALL_INCLUDEDIR include)
set(WQJ_INSTALL_CMAKEDIR ${WQJ_INSTALL_LIBDIR}/cmake/wqjdll)
set(WQJ_INSTALL_PKGCONFIGDIR ${WQJ_INSTALL_LIBDIR}/pkgconfig)

# The same name inside this project as for hosts that find the package.
add_library(wqjdll::wqjdll ALIAS wqjdll)

if(WIN32)
  # The import library beside the DLL in the build tree; dlltool writes it
  # after the link (see CMakeLists.txt), so it is the stdcall one.
  set_target_properties(wqjdll PROPERTIES ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  # SysFreeString and SysStringByteLen come from oleaut32 on Windows; a host
  # linking wqjdll::wqjdll can free the library's strings without more.
  target_link_libraries(wqjdll INTERFACE oleaut32)

  # The VERSIONINFO resource of WQJDLL.dll, from the project version.
  enable_language(RC)
  foreach(part MAJOR MINOR PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
      set(WQJ_VERSION_${part} 0)
    else()
      set(WQJ_VERSION_${part} ${PROJECT_VERSION_${part}})
    endif()
  endforeach()
  set(WQJ_RC_VERSION "${WQJ_VERSION_MAJOR},${WQJ_VERSION_MINOR},${WQJ_VERSION_PATCH},${WQJ_VERSION_TWEAK}")
  configure_file(${CMAKE_SOURCE_DIR}/exports/version.rc.in ${WQJ_GENERATED}/version.rc @ONLY)
  target_sources(wqjdll PRIVATE ${WQJ_GENERATED}/version.rc)
else()
  # libwqjdll.so.0 is the name hosts load (its SONAME); the major version
  # changes when an export changes incompatibly.
  set_target_properties(wqjdll PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
  # The installed wqj finds the installed library wherever the tree is moved.
  set_target_properties(wqj PROPERTIES INSTALL_RPATH "$ORIGIN/../${WQJ_INSTALL_LIBDIR}")
endif()

install(TARGETS wqjdll EXPORT wqjdllTargets
  RUNTIME DESTINATION ${WQJ_INSTALL_BINDIR}
  LIBRARY DESTINATION ${WQJ_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${WQJ_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${WQJ_INSTALL_INCLUDEDIR})
install(TARGETS wqj RUNTIME DESTINATION ${WQJ_INSTALL_BINDIR})
install(FILES ${WQJ_HEADER} DESTINATION ${WQJ_INSTALL_INCLUDEDIR})
# The call recorder, in a folder of its own (it has the library's name).
if(WIN32)
  install(FILES ${WQJ_DEF} DESTINATION ${WQJ_INSTALL_LIBDIR})
  set(WQJ_RECORDER_DIR ${WQJ_INSTALL_BINDIR}/recorder)
  install(TARGETS wqjrecorder RUNTIME DESTINATION ${WQJ_RECORDER_DIR})
  install(FILES README.md DESTINATION .)
  install(FILES docs/exports.md DESTINATION docs)
else()
  set(WQJ_RECORDER_DIR ${WQJ_INSTALL_LIBDIR}/recorder)
  install(TARGETS wqjrecorder LIBRARY DESTINATION ${WQJ_RECORDER_DIR} NAMELINK_SKIP)
  install(FILES README.md docs/exports.md DESTINATION share/doc/wqjdll)
endif()

# ---- debug information apart ---------------------------------------------
if(WIN32)
  set(WQJ_BINARIES ${WQJ_INSTALL_BINDIR}/$<TARGET_FILE_NAME:wqjdll> ${WQJ_INSTALL_BINDIR}/$<TARGET_FILE_NAME:wqj>
      ${WQJ_RECORDER_DIR}/$<TARGET_FILE_NAME:wqjrecorder>)
else()
  set(WQJ_BINARIES ${WQJ_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:wqjdll> ${WQJ_INSTALL_BINDIR}/$<TARGET_FILE_NAME:wqj>
      ${WQJ_RECORDER_DIR}/$<TARGET_FILE_NAME:wqjrecorder>)
endif()
install(CODE "set(WQJ_OBJCOPY \"${CMAKE_OBJCOPY}\")
set(WQJ_BINARIES \"${WQJ_BINARIES}\")
include(\"${CMAKE_SOURCE_DIR}/cmake/split_debug.cmake\")")

# ---- the CMake package ---------------------------------------------------
include(CMakePackageConfigHelpers)
install(EXPORT wqjdllTargets NAMESPACE wqjdll:: DESTINATION ${WQJ_INSTALL_CMAKEDIR})
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/wqjdllConfig.cmake.in
  ${CMAKE_BINARY_DIR}/package/wqjdllConfig.cmake
  INSTALL_DESTINATION ${WQJ_INSTALL_CMAKEDIR})
# 0.x releases may change exports between minor versions; from 1.0 on the
# major version alone decides.
if(PROJECT_VERSION_MAJOR EQUAL 0)
  set(WQJ_COMPATIBILITY SameMinorVersion)
else()
  set(WQJ_COMPATIBILITY SameMajorVersion)
endif()
write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/wqjdllConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY ${WQJ_COMPATIBILITY})
install(FILES ${CMAKE_BINARY_DIR}/package/wqjdllConfig.cmake ${CMAKE_BINARY_DIR}/package/wqjdllConfigVersion.cmake
  DESTINATION ${WQJ_INSTALL_CMAKEDIR})

# ---- the pkg-config file -------------------------------------------------
# Its prefix is relative to the file's own folder (${pcfiledir}), not the
# configured install prefix, so `cmake --install --prefix X` and a moved
# tree both give the right folders.
file(RELATIVE_PATH WQJ_PC_PREFIX_FROM_PCDIR /prefix/${WQJ_INSTALL_PKGCONFIGDIR} /prefix)
string(REGEX REPLACE "/$" "" WQJ_PC_PREFIX_FROM_PCDIR "${WQJ_PC_PREFIX_FROM_PCDIR}")
if(WIN32)
  # -lWQJDLL finds the stdcall import library libWQJDLL.dll.a; oleaut32
  # frees the library's strings, as with wqjdll::wqjdll.
  set(WQJ_PC_LIBRARY WQJDLL)
  set(WQJ_PC_EXTRA_LIBS " -loleaut32")
else()
  set(WQJ_PC_LIBRARY wqjdll)
  set(WQJ_PC_EXTRA_LIBS "")
endif()
configure_file(${CMAKE_SOURCE_DIR}/cmake/wqjdll.pc.in ${CMAKE_BINARY_DIR}/package/wqjdll.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/package/wqjdll.pc DESTINATION ${WQJ_INSTALL_PKGCONFIGDIR})

# ---- packages: a ZIP of the DLL build, a .tar.gz of the native one -------
set(CPACK_PACKAGE_NAME wqjdll)
set(CPACK_PACKAGE_VENDOR "WQJDLL developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_README ${CMAKE_SOURCE_DIR}/README.md)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME wqjdll-${PROJECT_VERSION}-win32)
else()
  set(CPACK_GENERATOR TGZ)
  set(CPACK_PACKAGE_FILE_NAME wqjdll-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
endif()
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/build/" "/\\\\.git/")
include(CPack)
