# What a host developer gets, end to end: `cmake --install` of this build
# into a fresh prefix holds exactly the promised files (and nothing of the
# static core or GoogleTest); the native library has its SONAME and the
# installed wqj finds it through its RUNPATH; the installed wqj runs; both
# sample hosts build against the installed package with find_package(wqjdll)
# (cross-built with the same toolchain for the DLL) and run; a host built
# with no more than the flags of `pkg-config --cflags --libs wqjdll` runs;
# the installed programs and libraries carry no debug information, and
# each one's debug file turns an export's address into its function;
# CPack makes the promised archive with the same files, and a host runs on
# what it holds (under Wine sample_host.exe beside the packaged DLL;
# natively the hosts built with find_package against the unpacked tree).
#
# -DBUILD_DIR -DHOSTS_DIR -DWORK_DIR -DGENERATOR -DTOOLCHAIN -DEMULATOR
# -DC_COMPILER -DDL_LIBS -DWINDOWS -DVERSION -DHEADER -DDEF -DOBJDUMP -DNM
# -DADDR2LINE

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${ARGN}\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

function(expect_same_files what got expected)
  list(SORT got)
  list(SORT expected)
  if(NOT got STREQUAL expected)
    string(REPLACE ";" "\n  " got_lines "${got}")
    string(REPLACE ";" "\n  " expected_lines "${expected}")
    message(FATAL_ERROR "${what} holds\n  ${got_lines}\nexpected\n  ${expected_lines}")
  endif()
endfunction()

# The per-configuration file of imported locations is named after the
# build type; it counts as one file whatever its name.
function(normalise_files out)
  set(files "")
  foreach(f ${ARGN})
    string(REGEX REPLACE "wqjdllTargets-[A-Za-z]+\\.cmake$" "wqjdllTargets-CONFIG.cmake" f "${f}")
    list(APPEND files "${f}")
  endforeach()
  set(${out} "${files}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

# ---- install ---------------------------------------------------------------
run("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
file(GLOB_RECURSE installed RELATIVE ${prefix} LIST_DIRECTORIES false ${prefix}/*)
normalise_files(installed ${installed})
set(package_files lib/cmake/wqjdll/wqjdllConfig.cmake lib/cmake/wqjdll/wqjdllConfigVersion.cmake
    lib/cmake/wqjdll/wqjdllTargets.cmake lib/cmake/wqjdll/wqjdllTargets-CONFIG.cmake lib/pkgconfig/wqjdll.pc)
if(WINDOWS)
  set(binaries bin/WQJDLL.dll bin/wqj.exe bin/recorder/WQJDLL.dll)
  set(expected lib/libWQJDLL.dll.a lib/WQJDLL.def include/wqjdll.h README.md docs/exports.md ${package_files})
else()
  set(binaries lib/libwqjdll.so.${VERSION} bin/wqj lib/recorder/libwqjdll.so.${VERSION})
  set(expected lib/libwqjdll.so lib/libwqjdll.so.0 lib/recorder/libwqjdll.so.0 include/wqjdll.h
      share/doc/wqjdll/README.md share/doc/wqjdll/exports.md ${package_files})
endif()
foreach(binary IN LISTS binaries)
  list(APPEND expected ${binary} debug/${binary}.debug)
endforeach()
expect_same_files("the installed prefix" "${installed}" "${expected}")

# ---- stripped, with the debug information apart ----------------------------
# No debug section in what is installed, a .gnu_debuglink naming the file in
# debug/; that file turns the address of an export into the export.
foreach(binary IN LISTS binaries)
  run("objdump -h ${binary}" ${OBJDUMP} -h ${prefix}/${binary})
  get_filename_component(name ${binary} NAME)
  if(run_output MATCHES "\\.debug_" OR NOT run_output MATCHES "\\.gnu_debuglink")
    message(FATAL_ERROR "the installed ${binary} is not stripped with a debug link:\n${run_output}")
  endif()
  run("objdump -s -j .gnu_debuglink ${binary}" ${OBJDUMP} -s -j .gnu_debuglink ${prefix}/${binary})
  string(SUBSTRING "${name}" 0 8 start)
  if(NOT run_output MATCHES "${start}")
    message(FATAL_ERROR "the debug link of ${binary} does not name ${name}.debug:\n${run_output}")
  endif()
endforeach()
list(GET binaries 0 library)
if(WINDOWS)
  # The export's address: the image base plus its entry of the export table.
  run("objdump -p" ${OBJDUMP} -p ${prefix}/${library})
  string(REGEX MATCH "ImageBase[ \t]+([0-9a-fA-F]+)" found "${run_output}")
  set(base ${CMAKE_MATCH_1})
  string(REGEX MATCH "\\[ *([0-9]+)\\] GETFORMATEDTEXTFROMINCHES\n" found "${run_output}")
  set(index ${CMAKE_MATCH_1})
  string(REGEX MATCH "\\[ *${index}\\] \\+base\\[ *[0-9]+\\] +([0-9a-fA-F]+) Export RVA" found "${run_output}")
  math(EXPR address "0x${base} + 0x${CMAKE_MATCH_1}" OUTPUT_FORMAT HEXADECIMAL)
else()
  run("nm -D" ${NM} -D --defined-only ${prefix}/${library})
  string(REGEX MATCH "([0-9a-f]+) T GETFORMATEDTEXTFROMINCHES\n" found "${run_output}")
  set(address 0x${CMAKE_MATCH_1})
endif()
run("addr2line" ${ADDR2LINE} -f -e ${prefix}/debug/${library}.debug ${address})
if(NOT run_output MATCHES "^_?GETFORMATEDTEXTFROMINCHES(@20)?\n[^\n]*formatter_exports\\.cpp:[0-9]+")
  message(FATAL_ERROR "debug/${library}.debug turns ${address} into:\n${run_output}")
endif()
message(STATUS "debug/${library}.debug: ${address} is ${run_output}")

foreach(pair "include/wqjdll.h=${HEADER}" "lib/WQJDLL.def=${DEF}")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 installed_file)
  list(GET pair 1 built_file)
  if(EXISTS ${prefix}/${installed_file})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${prefix}/${installed_file} ${built_file}
      RESULT_VARIABLE differs)
    if(differs)
      message(FATAL_ERROR "installed ${installed_file} differs from ${built_file}")
    endif()
  endif()
endforeach()

# ---- the package's version file ------------------------------------------
# A host asking for this version, or an older minor of 0.x, finds it; one
# asking for the next major version does not.
function(version_answer asked out)
  set(PACKAGE_FIND_VERSION ${asked})
  string(REPLACE "." ";" parts "${asked}")
  list(GET parts 0 PACKAGE_FIND_VERSION_MAJOR)
  list(GET parts 1 PACKAGE_FIND_VERSION_MINOR)
  set(PACKAGE_FIND_VERSION_COUNT 2)
  unset(PACKAGE_VERSION_COMPATIBLE)
  include(${prefix}/lib/cmake/wqjdll/wqjdllConfigVersion.cmake)
  set(${out} "${PACKAGE_VERSION}:${PACKAGE_VERSION_COMPATIBLE}" PARENT_SCOPE)
endfunction()
string(REPLACE "." ";" version_parts "${VERSION}")
list(GET version_parts 0 major)
list(GET version_parts 1 minor)
math(EXPR next_major "${major} + 1")
version_answer("${major}.${minor}" same)
version_answer("${next_major}.0" newer)
if(NOT same STREQUAL "${VERSION}:TRUE" OR NOT newer MATCHES ":FALSE$")
  message(FATAL_ERROR "wqjdllConfigVersion.cmake answers ${same} for ${major}.${minor} and ${newer} for ${next_major}.0")
endif()

# ---- the native library's name and the tool's library folder -------------
if(NOT WINDOWS)
  find_program(READELF NAMES readelf REQUIRED)
  run("readelf" ${READELF} -d ${prefix}/lib/libwqjdll.so.${VERSION})
  if(NOT run_output MATCHES "\\(SONAME\\)[^\n]*\\[libwqjdll\\.so\\.${major}\\]")
    message(FATAL_ERROR "libwqjdll.so.${VERSION} lacks the SONAME libwqjdll.so.${major}:\n${run_output}")
  endif()
  if(NOT IS_SYMLINK ${prefix}/lib/libwqjdll.so OR NOT IS_SYMLINK ${prefix}/lib/libwqjdll.so.${major})
    message(FATAL_ERROR "lib/libwqjdll.so and lib/libwqjdll.so.${major} are not links to the library")
  endif()
  run("readelf" ${READELF} -d ${prefix}/bin/wqj)
  # Only the installed folder: nothing of the build tree.
  if(NOT run_output MATCHES "\\((RUNPATH|RPATH)\\)[^\n]*\\[\\$ORIGIN/\\.\\./lib\\]")
    message(FATAL_ERROR "the installed wqj has no RUNPATH of $ORIGIN/../lib alone:\n${run_output}")
  endif()
endif()

# The installed tool runs on the installed library (no library path set:
# natively it finds lib/ by its RUNPATH, under Wine beside it in bin/).
if(WINDOWS)
  set(wqj ${prefix}/bin/wqj.exe)
else()
  set(wqj ${prefix}/bin/wqj)
endif()
set(ENV{LD_LIBRARY_PATH} "")
run("the installed wqj" ${EMULATOR} ${wqj} convert 1 in mm)
if(NOT run_output MATCHES "^25\\.400051 mm")
  message(FATAL_ERROR "the installed wqj answers \"${run_output}\" for `convert 1 in mm`")
endif()

# ---- hosts built against the installed package ---------------------------
set(hosts ${WORK_DIR}/hosts)
set(configure ${CMAKE_COMMAND} -S ${HOSTS_DIR} -B ${hosts} -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=${prefix})
if(TOOLCHAIN)
  list(APPEND configure -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN})
endif()
run("configuring the hosts with find_package(wqjdll)" ${configure})
run("building the hosts" ${CMAKE_COMMAND} --build ${hosts})
foreach(host sample_host linked_host)
  if(WINDOWS)
    set(program ${hosts}/${host}.exe)
  else()
    set(program ${hosts}/${host})
  endif()
  run("${host} built against the installed package" ${EMULATOR} ${program})
  message(STATUS "${host}:\n${run_output}")
endforeach()
# The hosts really use the installed library, not the build tree's.
file(READ ${hosts}/CMakeCache.txt cache)
if(NOT cache MATCHES "wqjdll_DIR:PATH=${prefix}/lib/cmake/wqjdll")
  message(FATAL_ERROR "find_package(wqjdll) did not find the installed package in ${prefix}")
endif()

# ---- a host built with pkg-config's flags ----------------------------------
# The .pc file is found through PKG_CONFIG_PATH, names this version and
# resolves to the installed folders (not to the configured install prefix:
# this prefix was given at install time). linked_host is built with its
# flags alone (natively with an rpath to the library folder); natively
# sample_host, which loads the library by name, takes only --cflags and
# finds libwqjdll.so.0 through LD_LIBRARY_PATH.
find_program(PKG_CONFIG NAMES pkg-config pkgconf REQUIRED)
set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
run("pkg-config --modversion wqjdll" ${PKG_CONFIG} --modversion wqjdll)
string(STRIP "${run_output}" pc_version)
if(NOT pc_version STREQUAL VERSION)
  message(FATAL_ERROR "pkg-config gives wqjdll version \"${pc_version}\", expected ${VERSION}")
endif()
foreach(pair includedir=include libdir=lib)
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 variable)
  list(GET pair 1 folder)
  run("pkg-config --variable=${variable} wqjdll" ${PKG_CONFIG} --variable=${variable} wqjdll)
  string(STRIP "${run_output}" pc_${variable})
  file(REAL_PATH "${pc_${variable}}" resolved)
  file(REAL_PATH "${prefix}/${folder}" wanted)
  if(NOT resolved STREQUAL wanted)
    message(FATAL_ERROR "wqjdll.pc's ${variable} is ${pc_${variable}}, not the installed ${prefix}/${folder}")
  endif()
endforeach()
run("pkg-config --cflags --libs wqjdll" ${PKG_CONFIG} --cflags --libs wqjdll)
separate_arguments(pc_flags UNIX_COMMAND "${run_output}")
run("pkg-config --cflags wqjdll" ${PKG_CONFIG} --cflags wqjdll)
separate_arguments(pc_cflags UNIX_COMMAND "${run_output}")
set(pc_hosts ${WORK_DIR}/pkg-config-hosts)
file(MAKE_DIRECTORY ${pc_hosts})
if(WINDOWS)
  file(COPY ${prefix}/bin/WQJDLL.dll DESTINATION ${pc_hosts})
  set(program ${pc_hosts}/linked_host.exe)
  run("building linked_host with pkg-config's flags" ${C_COMPILER} ${HOSTS_DIR}/linked_host.c -o ${program} ${pc_flags})
  run("linked_host built with pkg-config's flags" ${EMULATOR} ${program})
else()
  set(program ${pc_hosts}/linked_host)
  run("building linked_host with pkg-config's flags" ${C_COMPILER} ${HOSTS_DIR}/linked_host.c -o ${program} ${pc_flags}
      -Wl,-rpath,${pc_libdir})
  run("linked_host built with pkg-config's flags" ${program})
  set(program ${pc_hosts}/sample_host)
  list(TRANSFORM DL_LIBS PREPEND -l OUTPUT_VARIABLE dl_flags)
  run("building sample_host with pkg-config's --cflags" ${C_COMPILER} ${HOSTS_DIR}/sample_host.c -o ${program} ${pc_cflags}
      ${dl_flags})
  run("sample_host with LD_LIBRARY_PATH" ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${pc_libdir} ${program})
endif()
message(STATUS "built with pkg-config: ${pc_flags}")

# ---- CPack -----------------------------------------------------------------
run("cpack" ${CMAKE_CPACK_COMMAND} --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/package)
if(WINDOWS)
  set(archive ${WORK_DIR}/package/wqjdll-${VERSION}-win32.zip)
else()
  file(GLOB archive ${WORK_DIR}/package/wqjdll-${VERSION}-linux-*.tar.gz)
endif()
if(NOT archive OR NOT EXISTS "${archive}")
  file(GLOB made ${WORK_DIR}/package/*)
  message(FATAL_ERROR "cpack made no ${archive}; made: ${made}")
endif()
get_filename_component(top ${archive} NAME)
string(REGEX REPLACE "(\\.zip|\\.tar\\.gz)$" "" top "${top}")
file(MAKE_DIRECTORY ${WORK_DIR}/unpacked)
run("unpacking ${archive}" ${CMAKE_COMMAND} -E chdir ${WORK_DIR}/unpacked ${CMAKE_COMMAND} -E tar xf ${archive})
file(GLOB_RECURSE packed RELATIVE ${WORK_DIR}/unpacked/${top} LIST_DIRECTORIES false ${WORK_DIR}/unpacked/${top}/*)
normalise_files(packed ${packed})
expect_same_files("${archive}" "${packed}" "${expected}")
# A host on the packaged library.
set(unpacked ${WORK_DIR}/unpacked/${top})
if(WINDOWS)
  file(COPY ${hosts}/sample_host.exe DESTINATION ${unpacked}/bin)
  run("sample_host.exe beside the packaged DLL" ${EMULATOR} ${unpacked}/bin/sample_host.exe)
else()
  set(hosts ${WORK_DIR}/packaged-hosts)
  run("configuring the hosts on the unpacked archive" ${CMAKE_COMMAND} -S ${HOSTS_DIR} -B ${hosts} -G ${GENERATOR}
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=${unpacked})
  run("building the hosts on the unpacked archive" ${CMAKE_COMMAND} --build ${hosts})
  run("linked_host on the unpacked archive" ${hosts}/linked_host)
  run("sample_host on the unpacked archive" ${hosts}/sample_host)
endif()
message(STATUS "installed, found, built, ran and packaged: ${archive}")
