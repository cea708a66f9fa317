# Installing panekit and using it from other CMake projects: the libraries with version and
# soname, the headers under include/panekit/, the CMake package (find_package(panekit)) with
# its targets in the namespace panekit::, and a pkg-config file. A parent project that adds
# panekit with add_subdirectory sees the same panekit:: names through aliases.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(PANEKIT_INCLUDE_SUBDIR panekit)
set(PANEKIT_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/panekit)

# The libraries a program links, in link order of dependence (each needs the ones after it).
set(PANEKIT_LIBRARIES)
foreach(lib panekit_dsgn panekit_rt numkit_rt corekit_rt fw)
  if(TARGET ${lib})
    list(APPEND PANEKIT_LIBRARIES ${lib})
    add_library(panekit::${lib} ALIAS ${lib})
  endif()
endforeach()

# While the major version is 0 every minor version may change the binary interface, so the
# soname carries both (libfw.so.0.2); the file name carries the whole version.
set(PANEKIT_SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
set_target_properties(${PANEKIT_LIBRARIES} PROPERTIES
  VERSION ${PROJECT_VERSION}
  SOVERSION ${PANEKIT_SOVERSION})

# The headers need C++20 in any program that includes them.
foreach(lib ${PANEKIT_LIBRARIES})
  target_compile_features(${lib} PUBLIC cxx_std_20)
endforeach()

# The framework's areas are object libraries whose code is folded into fw. In the build tree a
# program linking fw also gets their usage requirements (include folder, the image and text
# libraries); an installed fw needs none of them: its headers include no FreeType, fontconfig,
# PNG or JPEG header, and a shared library brings its own private dependencies. Only SDL2 stays
# public when the windowed backend is built, because its header includes SDL.h.
get_target_property(fw_interface fw INTERFACE_LINK_LIBRARIES)
set(fw_installed_interface)
if(TARGET fw_backend_sdl)
  set(fw_installed_interface PkgConfig::SDL2)
  set(PANEKIT_HAVE_SDL ON)
else()
  set(PANEKIT_HAVE_SDL OFF)
endif()
set_property(TARGET fw PROPERTY INTERFACE_LINK_LIBRARIES
  "$<BUILD_INTERFACE:${fw_interface}>" "$<INSTALL_INTERFACE:${fw_installed_interface}>")

if(NOT PANEKIT_INSTALL)
  return()
endif()

# An installed library finds the libraries beside it; programs find them through the
# package's imported targets.
set_target_properties(${PANEKIT_LIBRARIES} PROPERTIES INSTALL_RPATH "$ORIGIN")

install(TARGETS ${PANEKIT_LIBRARIES}
  EXPORT panekitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${PANEKIT_INCLUDE_SUBDIR})

# Headers keep their folders, so programs include them as the sources do:
# #include "meter/ZEB_Meter.h". The framework's internal/ folders stay private.
set(header_folders framework companion ${PANEKIT_FAMILIES} design)
foreach(folder ${header_folders})
  if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${folder})
    install(DIRECTORY ${folder}
      DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${PANEKIT_INCLUDE_SUBDIR}
      COMPONENT development
      FILES_MATCHING PATTERN "*.h"
      PATTERN "internal" EXCLUDE)
  endif()
endforeach()

install(EXPORT panekitTargets
  NAMESPACE panekit::
  DESTINATION ${PANEKIT_CMAKE_DIR}
  COMPONENT development)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/panekitConfig.cmake.in
  ${PROJECT_BINARY_DIR}/panekitConfig.cmake
  INSTALL_DESTINATION ${PANEKIT_CMAKE_DIR})
# Within 0.x a newer minor version is not compatible with an older one.
if(PROJECT_VERSION_MAJOR EQUAL 0)
  set(compatibility SameMinorVersion)
else()
  set(compatibility SameMajorVersion)
endif()
write_basic_package_version_file(${PROJECT_BINARY_DIR}/panekitConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY ${compatibility})
install(FILES ${PROJECT_BINARY_DIR}/panekitConfig.cmake
              ${PROJECT_BINARY_DIR}/panekitConfigVersion.cmake
  DESTINATION ${PANEKIT_CMAKE_DIR}
  COMPONENT development)

# pkg-config: one module, panekit, for all the libraries. Its paths are relative to the file's
# own folder, so the installed tree may move.
file(RELATIVE_PATH PANEKIT_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" PANEKIT_PC_TO_PREFIX "${PANEKIT_PC_TO_PREFIX}")
set(PANEKIT_PC_LIBS)
foreach(lib ${PANEKIT_LIBRARIES})
  get_target_property(output_name ${lib} OUTPUT_NAME)
  if(NOT output_name)
    set(output_name ${lib})
  endif()
  string(APPEND PANEKIT_PC_LIBS " -l${output_name}")
endforeach()
if(PANEKIT_HAVE_SDL)
  set(PANEKIT_PC_REQUIRES sdl2)
  set(PANEKIT_PC_CFLAGS " -DPANEKIT_HAVE_SDL=1")
else()
  set(PANEKIT_PC_REQUIRES "")
  set(PANEKIT_PC_CFLAGS "")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/panekit.pc.in ${PROJECT_BINARY_DIR}/panekit.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/panekit.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
  COMPONENT development)
