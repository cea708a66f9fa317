# panekit_embed_resources(<target> <dir>): compiles every file of <dir> into <target> as a named
# resource of the fw resource table. The name is the file name without its last extension,
# upper-cased (resources/ONOFF_LED.bmp -> "ONOFF_LED"). The source is regenerated whenever a
# file changes; adding or removing a file re-runs the configure step.
function(panekit_embed_resources target dir)
  file(GLOB resource_files CONFIGURE_DEPENDS LIST_DIRECTORIES false ${dir}/*)
  list(FILTER resource_files EXCLUDE REGEX "/\\.[^/]*$")
  list(SORT resource_files)
  set(script ${PROJECT_SOURCE_DIR}/cmake/GenerateResources.cmake)
  get_filename_component(dir_name ${dir} NAME)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_${dir_name}_resources.cpp)
  # The list's hash is part of the command, so removing a file also regenerates the source.
  string(SHA1 list_hash "${resource_files}")
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DRESOURCE_DIR=${dir} -DOUTPUT=${output}
            -DLIST_HASH=${list_hash} -P ${script}
    DEPENDS ${resource_files} ${script}
    COMMENT "Embedding resources of ${dir} into ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
