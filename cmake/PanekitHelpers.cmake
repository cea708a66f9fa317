# Small helpers shared by the CMake files of panekit.

# panekit_object_area(<target> <dir>): an OBJECT library of every .cpp file in <dir>.
# The framework is split into such areas so that a test of one area builds only what it needs;
# the shared library `fw` is made of all of them.
function(panekit_object_area target dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  add_library(${target} OBJECT ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
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
