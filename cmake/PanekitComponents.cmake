# panekit_rt: the components, one folder per family, every .cpp file of those folders, with
# the bitmaps of resources/ embedded.
set(PANEKIT_FAMILIES replist ntabed numio displays meter indicators browse)
set(panekit_sources)
foreach(family ${PANEKIT_FAMILIES})
  file(GLOB family_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${family}/*.cpp)
  list(APPEND panekit_sources ${family_sources})
endforeach()
if(panekit_sources)
  add_library(panekit_rt SHARED ${panekit_sources})
  target_include_directories(panekit_rt PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  target_link_libraries(panekit_rt PUBLIC fw corekit_rt numkit_rt)
  file(GLOB resource_files ${PROJECT_SOURCE_DIR}/resources/*)
  if(resource_files)
    panekit_embed_resources(panekit_rt ${PROJECT_SOURCE_DIR}/resources)
  endif()
endif()

# panekit_dsgn: the design-time package (design/), with its palette bitmaps embedded. A form
# designer loads it at run time; it links the components it registers.
file(GLOB design_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/design/*.cpp)
if(TARGET panekit_rt AND design_sources)
  add_library(panekit_dsgn SHARED ${design_sources})
  target_include_directories(panekit_dsgn PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  target_link_libraries(panekit_dsgn PUBLIC panekit_rt fw)
  if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/design/palette)
    panekit_embed_resources(panekit_dsgn ${PROJECT_SOURCE_DIR}/design/palette)
  endif()
endif()
