# Script mode (cmake -P): installs the panekit build BUILD_DIR into WORK_DIR/prefix and uses it
# as a program of its own would: checks the install tree, builds the examples and the README's
# minimal program against it with find_package and with pkg-config, runs them, and configures
# a parent project that adds panekit with add_subdirectory.
cmake_minimum_required(VERSION 3.20)
string(REPLACE "," ";" LIBRARIES "${LIBRARIES}")
set(prefix ${WORK_DIR}/prefix)
set(libdir ${prefix}/${LIBDIR})
set(includedir ${prefix}/include/panekit)
set(here ${CMAKE_CURRENT_LIST_DIR})

# run(<command...>): runs it, stops with its output when it fails.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
                  ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " shown "${ARGN}")
    message(FATAL_ERROR "${shown}\nfailed (${status}):\n${output}")
  endif()
endfunction()

# require(<message> <condition...>): stops with the message unless the condition holds.
function(require message)
  if(NOT (${ARGN}))
    message(FATAL_ERROR "${message}")
  endif()
endfunction()

# A configure and build of <source> in <binary> against the install tree.
function(build_project source binary)
  set(launcher)
  if(LAUNCHER)
    set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
  endif()
  run(${CMAKE_COMMAND} -S ${source} -B ${binary} -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX}
      -DCMAKE_PREFIX_PATH=${prefix} ${launcher})
  run(${CMAKE_COMMAND} --build ${binary} -j 2)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# --- The install tree: each library with its version, soname and links, finding the others
# beside it and nothing of the build tree.
foreach(lib ${LIBRARIES})
  set(file ${libdir}/lib${lib}.so.${VERSION})
  require("${file} is not installed" EXISTS ${file})
  foreach(link lib${lib}.so.${SOVERSION} lib${lib}.so)
    require("${libdir}/${link} is not a link" IS_SYMLINK ${libdir}/${link})
  endforeach()
  execute_process(COMMAND readelf -d ${file} OUTPUT_VARIABLE dynamic)
  require("lib${lib} has no soname lib${lib}.so.${SOVERSION}" dynamic MATCHES "SONAME[^\n]*\\[lib${lib}\\.so\\.${SOVERSION}\\]")
  require("lib${lib} should find the others beside it" dynamic MATCHES "RUNPATH[^\n]*\\[\\$ORIGIN\\]")
endforeach()
foreach(file ${LIBDIR}/cmake/panekit/panekitConfig.cmake
             ${LIBDIR}/cmake/panekit/panekitConfigVersion.cmake
             ${LIBDIR}/cmake/panekit/panekitTargets.cmake ${LIBDIR}/pkgconfig/panekit.pc
             include/panekit/framework/fw.h include/panekit/meter/ZEB_Meter.h
             include/panekit/replist/ZEB_replist.h include/panekit/companion/ZEB_zebbase.h)
  require("${file} is not installed" EXISTS ${prefix}/${file})
  if(file MATCHES "\\.(cmake|pc)$")
    file(READ ${prefix}/${file} text)
    string(FIND "${text}" "${SOURCE_DIR}" at)
    require("${file} names the source tree" at EQUAL -1)
  endif()
endforeach()

# The version check: the version's own minor release is found, the next one is not.
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)" own_minor "${VERSION}")
math(EXPR next_minor "${CMAKE_MATCH_2} + 1")
foreach(wanted ${own_minor} ${CMAKE_MATCH_1}.${next_minor})
  set(PACKAGE_FIND_VERSION ${wanted})
  string(REPLACE "." ";" parts ${wanted})
  list(GET parts 0 PACKAGE_FIND_VERSION_MAJOR)
  list(GET parts 1 PACKAGE_FIND_VERSION_MINOR)
  set(CMAKE_SIZEOF_VOID_P 8)
  include(${prefix}/${LIBDIR}/cmake/panekit/panekitConfigVersion.cmake)
  if(wanted STREQUAL own_minor)
    require("find_package(panekit ${wanted}) refuses ${VERSION}" PACKAGE_VERSION_COMPATIBLE)
  else()
    require("find_package(panekit ${wanted}) accepts ${VERSION}" NOT PACKAGE_VERSION_COMPATIBLE)
  endif()
endforeach()

# The headers: no internal ones, and each one's includes of panekit headers are installed.
file(GLOB_RECURSE headers RELATIVE ${includedir} ${includedir}/*)
foreach(header ${headers})
  require("internal header ${header} is installed" NOT header MATCHES /internal/)
  require("${header} is not a header" header MATCHES "\\.h$")
  file(STRINGS ${includedir}/${header} includes REGEX "^#include \"")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]*)\".*$" "\\1" included "${line}")
    require("${header} includes ${included}, not installed" EXISTS ${includedir}/${included})
  endforeach()
endforeach()

# --- The examples as a separate project through find_package, checked by the same test as
# the examples of the build tree.
build_project(${SOURCE_DIR}/examples ${WORK_DIR}/examples)
foreach(program instrument_panel csv_viewer form_from_text)
  execute_process(COMMAND readelf -d ${WORK_DIR}/examples/${program} OUTPUT_VARIABLE dynamic)
  string(REGEX MATCH "RUNPATH[^\n]*\\[([^]\n]*)\\]" runpath "${dynamic}")
  require("${program} runs on the installed libraries" CMAKE_MATCH_1 STREQUAL libdir)
endforeach()
run(${CMAKE_COMMAND} -E env PANEKIT_EXAMPLES_DIR=${WORK_DIR}/examples ${CHECKER})

# --- The README's minimal program, through find_package and through pkg-config.
build_project(${here}/minimal ${WORK_DIR}/minimal)
file(MAKE_DIRECTORY ${WORK_DIR}/run)
execute_process(COMMAND ${WORK_DIR}/minimal/meter_picture WORKING_DIRECTORY ${WORK_DIR}/run
                RESULT_VARIABLE status)
require("the minimal program failed" status EQUAL 0)
require("the minimal program wrote no picture" EXISTS ${WORK_DIR}/run/meter.png)

if(PKG_CONFIG)
  set(ENV{PKG_CONFIG_PATH} ${libdir}/pkgconfig)
  execute_process(COMMAND ${PKG_CONFIG} --cflags --libs panekit OUTPUT_VARIABLE flags
                  RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
  require("pkg-config does not know panekit" status EQUAL 0)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  run(${LAUNCHER} ${CXX} ${here}/minimal/main.cpp ${flags} -Wl,-rpath,${libdir}
      -o ${WORK_DIR}/meter_picture_pc)
  file(REMOVE ${WORK_DIR}/run/meter.png)
  execute_process(COMMAND ${WORK_DIR}/meter_picture_pc WORKING_DIRECTORY ${WORK_DIR}/run
                  RESULT_VARIABLE status)
  require("the minimal program built with pkg-config failed" status EQUAL 0)
  require("the pkg-config build wrote no picture" EXISTS ${WORK_DIR}/run/meter.png)
endif()

# --- A parent project adding the source folder (configured only: building it would build
# panekit once more).
run(${CMAKE_COMMAND} -S ${here}/subproject -B ${WORK_DIR}/subproject -G ${GENERATOR}
    -DCMAKE_CXX_COMPILER=${CXX} -DPANEKIT_SOURCE_DIR=${SOURCE_DIR})
