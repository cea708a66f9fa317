# Small helpers shared by the CMake files of panekit.

# panekit_object_area(<target> <dir> [DEPENDS <targets...>]): an OBJECT library of every .cpp
# file in <dir>, built on the areas named by DEPENDS (themselves made by this function before).
# The framework is split into such areas so that a test of one area builds only what it needs;
# the shared library `fw` is made of all of them.
#
# The layering is enforced: a file of <dir> (or of <dir>/internal) may include framework headers
# of its own area and of the areas it depends on, directly or through them, and no others;
# configuring fails on any other include. An area can depend only on areas made before it, so
# two areas can never include each other.
function(panekit_object_area target dir)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  add_library(${target} OBJECT ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  set(reachable ${dir})
  foreach(dependency ${ARG_DEPENDS})
    target_link_libraries(${target} PUBLIC ${dependency})
    get_property(below GLOBAL PROPERTY PANEKIT_AREA_REACH_${dependency})
    list(APPEND reachable ${below})
  endforeach()
  list(REMOVE_DUPLICATES reachable)
  set_property(GLOBAL PROPERTY PANEKIT_AREA_REACH_${target} ${reachable})
  panekit_check_area_includes(${dir} "${reachable}")
endfunction()

# Fails when a file of the framework folder <dir> includes a framework header outside the
# folders in <allowed> (paths below framework/, e.g. "rtl" or "backend/headless").
function(panekit_check_area_includes dir allowed)
  file(GLOB files CONFIGURE_DEPENDS ${dir}/*.h ${dir}/*.cpp ${dir}/internal/*.h)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^#include \"framework/")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"framework/(.*)/[^/]*\".*$" "\\1" folder "${line}")
      string(REGEX REPLACE "/internal$" "" folder "${folder}")
      if(folder STREQUAL "${line}")
        continue()  # framework/fw.h and other files at the top
      endif()
      if(NOT folder IN_LIST allowed)
        file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR} ${file})
        message(FATAL_ERROR "${shown} includes a header of framework/${folder}, an area "
                            "that framework/${dir} does not build on: ${line}")
      endif()
    endforeach()
  endforeach()
endfunction()

# panekit_test(<area> LIBS <libs...>): one GoogleTest executable per folder tests/<area>,
# made of every .cpp there, registered with CTest as <area>.
function(panekit_test area)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${area}/*.cpp)
  add_executable(test_${area} ${sources})
  target_include_directories(test_${area} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(test_${area} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${area} COMMAND test_${area} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${area} PROPERTIES ENVIRONMENT "PANEKIT_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
