# add_gauge_module(<name> SOURCES <files...>)
# Builds one gauge module: its gauges, its static data and a copy of the gauge runtime,
# named <name>.gau on Windows and <name>.so on Linux, exporting Linkage and ImportTable.
function(add_gauge_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  add_library(${name} MODULE ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE panel_abi)
  # Gauge records name only the fields the module fills; the host-owned rest starts zero.
  target_compile_options(${name} PRIVATE -Wno-missing-field-initializers)
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${PANEL_MODULE_DIR}
    RUNTIME_OUTPUT_DIRECTORY ${PANEL_MODULE_DIR})
  if(WIN32)
    set_target_properties(${name} PROPERTIES SUFFIX ".gau")
    target_link_options(${name} PRIVATE -static -static-libgcc -static-libstdc++)
  else()
    set_target_properties(${name} PROPERTIES SUFFIX ".so")
    target_link_options(${name} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()
