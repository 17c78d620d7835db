# SPDX-License-Identifier: GPL-3.0-or-later
# Window layouts: text files compiled at build time by tools/layoutc into
# <name>.layout.h and <name>.layout.cpp under ${CMAKE_BINARY_DIR}/gen, at the
# layout's path relative to the source tree, so that a window's header
# includes e.g. "app/splashreg.layout.h".
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/layoutc ${CMAKE_BINARY_DIR}/tools/layoutc)

# cyc_add_layouts(<target> <layout files...>)
function(cyc_add_layouts target)
  set(gen_root "${CMAKE_BINARY_DIR}/gen")
  set(outputs)
  foreach(layout IN LISTS ARGN)
    get_filename_component(layout "${layout}" ABSOLUTE)
    file(RELATIVE_PATH rel "${CMAKE_SOURCE_DIR}" "${layout}")
    get_filename_component(rel_dir "${rel}" DIRECTORY)
    get_filename_component(stem "${layout}" NAME_WE)
    if(rel_dir)
      set(include_path "${rel_dir}/${stem}.layout.h")
    else()
      set(include_path "${stem}.layout.h")
    endif()
    set(out_h "${gen_root}/${include_path}")
    string(REGEX REPLACE "\\.h$" ".cpp" out_cpp "${out_h}")
    get_filename_component(out_dir "${out_h}" DIRECTORY)
    add_custom_command(
      OUTPUT "${out_h}" "${out_cpp}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${out_dir}"
      COMMAND layoutc "${rel}" "${out_h}" "${out_cpp}" "${include_path}"
      DEPENDS layoutc "${layout}"
      WORKING_DIRECTORY "${CMAKE_SOURCE_DIR}"
      COMMENT "Compiling layout ${rel}"
      VERBATIM)
    list(APPEND outputs "${out_h}" "${out_cpp}")
  endforeach()
  if(outputs)
    target_sources(${target} PRIVATE ${outputs})
    target_include_directories(${target} PUBLIC "${gen_root}")
  endif()
endfunction()
