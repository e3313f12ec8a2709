# Pictures of the gauge modules, made at build time from the sources in each module's res/.
#
# add_gauge_pictures(<module target> MANIFEST <file> [<file>...])
#   Reads the manifest, one resource per line ('#' starts a comment):
#     <id> <source> <width> <height> <bits>   a picture: bitmap resource <id> (1..65535),
#                                             rendered from <source> to exactly width × height
#                                             at 8 (palettised) or 24 bits per pixel; <source>
#                                             is an SVG file beside the manifest, or
#                                             draw:<name> for a drawing of the picture builder
#     name:<NAME> <file> raw                  raw data: resource <NAME>, the file's bytes as
#                                             they are
#   Linux: the module gets a generated source exporting the resource directory GaugeResources.
#   Windows: the module gets a generated .rc file (BITMAP by id, RCDATA by name) for windres.
#   Pictures are made again when their source, the manifest or the picture builder changes.
#
# add_picture_render(<output.bmp> SOURCE <source> WIDTH <w> HEIGHT <h> BITS <8|24>
#                    [DEPENDS <files...>])
#   One picture, for callers that need a picture outside a module (tests).
#
# picture_builder_program(<exe_var> <depends_var>)
#   The picture builder program, and what a command running it must depend on.
#
# The picture builder (tools/picture_builder) runs on the build machine. It is built for it
# with ExternalProject, outside this build's compiler and flags (so cross and sanitizer
# builds get a plain native tool), unless PANEL_PICTURE_BUILDER names one built already.
#
# Include this file at the top level: it enables the resource compiler on Windows.

include_guard(GLOBAL)
include(ExternalProject)

set(PANEL_PICTURE_BUILDER "" CACHE FILEPATH
    "A picture_builder program already built for this machine; empty builds one")
set(_PANEL_PICTURE_BUILDER_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/../tools/picture_builder)

if(WIN32)
  enable_language(RC)
endif()

function(picture_builder_program exe_var depends_var)
  if(PANEL_PICTURE_BUILDER)
    set(${exe_var} ${PANEL_PICTURE_BUILDER} PARENT_SCOPE)
    set(${depends_var} ${PANEL_PICTURE_BUILDER} PARENT_SCOPE)
    return()
  endif()
  set(binary_dir ${CMAKE_BINARY_DIR}/picture_builder)
  set(exe ${binary_dir}/picture_builder${CMAKE_HOST_EXECUTABLE_SUFFIX})
  if(NOT TARGET picture_builder_native)
    ExternalProject_Add(picture_builder_native
      SOURCE_DIR ${_PANEL_PICTURE_BUILDER_SOURCE_DIR}
      BINARY_DIR ${binary_dir}
      CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
      INSTALL_COMMAND ""
      BUILD_ALWAYS ON
      BUILD_BYPRODUCTS ${exe})
  endif()
  set(${exe_var} ${exe} PARENT_SCOPE)
  set(${depends_var} picture_builder_native ${exe} PARENT_SCOPE)
endfunction()

function(add_picture_render output)
  cmake_parse_arguments(ARG "" "SOURCE;WIDTH;HEIGHT;BITS" "DEPENDS" ${ARGN})
  foreach(required SOURCE WIDTH HEIGHT BITS)
    if(NOT DEFINED ARG_${required})
      message(FATAL_ERROR "add_picture_render(${output}): ${required} is missing")
    endif()
  endforeach()
  picture_builder_program(tool tool_depends)
  set(source_depends)
  if(NOT ARG_SOURCE MATCHES "^draw:")
    set(source_depends ${ARG_SOURCE})
  endif()
  get_filename_component(output_dir ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
    COMMAND ${tool} render ${ARG_SOURCE} ${ARG_WIDTH} ${ARG_HEIGHT} ${ARG_BITS} ${output}
    DEPENDS ${source_depends} ${tool_depends} ${ARG_DEPENDS}
    COMMENT "Rendering picture ${output}"
    VERBATIM)
endfunction()

# Splits one manifest line into the list <fields_var>; comments and blanks give an empty list.
function(_panel_manifest_fields line fields_var)
  string(REGEX REPLACE "#.*$" "" line "${line}")
  string(STRIP "${line}" line)
  if(line STREQUAL "")
    set(${fields_var} "" PARENT_SCOPE)
  else()
    string(REGEX MATCHALL "[^ \t]+" fields "${line}")
    set(${fields_var} ${fields} PARENT_SCOPE)
  endif()
endfunction()

function(add_gauge_pictures target)
  cmake_parse_arguments(ARG "" "" "MANIFEST" ${ARGN})
  if(NOT ARG_MANIFEST)
    message(FATAL_ERROR "add_gauge_pictures(${target}): MANIFEST is missing")
  endif()
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_pictures)
  picture_builder_program(tool tool_depends)

  set(seen_keys)
  set(resources)    # bitmap:<id>=<file> and raw:<name>=<file>, as the builder takes them
  set(files)        # every file the embedding reads
  set(manifests)
  # A module with several gauges may keep one manifest per gauge; ids are unique across them.
  foreach(manifest_argument IN LISTS ARG_MANIFEST)
    get_filename_component(manifest ${manifest_argument} ABSOLUTE)
    get_filename_component(res_dir ${manifest} DIRECTORY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${manifest})
    list(APPEND manifests ${manifest})
    file(STRINGS ${manifest} lines)
    set(line_number 0)
    foreach(line IN LISTS lines)
      math(EXPR line_number "${line_number} + 1")
      _panel_manifest_fields("${line}" fields)
      list(LENGTH fields count)
      if(count EQUAL 0)
        continue()
      endif()
      set(where "${manifest}:${line_number}")
      list(GET fields 0 key)
      if(key MATCHES "^name:([A-Za-z_][A-Za-z0-9_]*)$")
        set(name ${CMAKE_MATCH_1})
        if(NOT count EQUAL 3)
          message(FATAL_ERROR "${where}: expected 'name:<NAME> <file> raw'")
        endif()
        list(GET fields 1 file)
        list(GET fields 2 kind)
        if(NOT kind STREQUAL "raw")
          message(FATAL_ERROR "${where}: expected 'name:<NAME> <file> raw'")
        endif()
        set(file ${res_dir}/${file})
        if(NOT EXISTS ${file})
          message(FATAL_ERROR "${where}: no file ${file}")
        endif()
        set(resource_key "name:${name}")
        list(APPEND resources "raw:${name}=${file}")
        list(APPEND files ${file})
      elseif(key MATCHES "^[0-9]+$")
        if(NOT count EQUAL 5)
          message(FATAL_ERROR "${where}: expected '<id> <source> <width> <height> <bits>'")
        endif()
        list(GET fields 1 source)
        list(GET fields 2 width)
        list(GET fields 3 height)
        list(GET fields 4 bits)
        if(key LESS 1 OR key GREATER 65535)
          message(FATAL_ERROR "${where}: id ${key} is not 1 to 65535")
        endif()
        if(NOT width MATCHES "^[1-9][0-9]*$" OR NOT height MATCHES "^[1-9][0-9]*$")
          message(FATAL_ERROR "${where}: width and height must be positive numbers")
        endif()
        if(NOT bits STREQUAL "8" AND NOT bits STREQUAL "24")
          message(FATAL_ERROR "${where}: bits must be 8 or 24")
        endif()
        if(NOT source MATCHES "^draw:")
          set(source ${res_dir}/${source})
          if(NOT EXISTS ${source})
            message(FATAL_ERROR "${where}: no file ${source}")
          endif()
        endif()
        math(EXPR id "${key}")  # drops leading zeros
        set(resource_key "id:${id}")
        set(bmp ${out_dir}/${id}.bmp)
        add_picture_render(${bmp} SOURCE ${source} WIDTH ${width} HEIGHT ${height} BITS ${bits}
          DEPENDS ${manifest})
        list(APPEND resources "bitmap:${id}=${bmp}")
        list(APPEND files ${bmp})
      else()
        message(FATAL_ERROR "${where}: a line starts with a picture id or name:<NAME>")
      endif()
      if(resource_key IN_LIST seen_keys)
        message(FATAL_ERROR "${where}: ${resource_key} appears twice")
      endif()
      list(APPEND seen_keys ${resource_key})
    endforeach()
  endforeach()
  if(NOT resources)
    message(FATAL_ERROR "add_gauge_pictures(${target}): no pictures")
  endif()

  if(WIN32)
    set(embedding ${out_dir}/${target}_resources.rc)
    set(embed_command embed-rc)
  else()
    set(embedding ${out_dir}/${target}_resources.cpp)
    set(embed_command embed-linux)
  endif()
  add_custom_command(OUTPUT ${embedding}
    COMMAND ${tool} ${embed_command} ${embedding} ${resources}
    DEPENDS ${files} ${tool_depends} ${manifests}
    COMMENT "Embedding the pictures of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${embedding})
  if(WIN32)
    # windres reads the pictures the script names; rebuild the resources when they change.
    set_source_files_properties(${embedding} PROPERTIES OBJECT_DEPENDS "${files}")
  endif()
endfunction()
