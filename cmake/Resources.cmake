# halvane_add_resources(TARGET target RC path/to/x.rc MODULE name [INCLUDES dirs...])
#
# Compiles a resource script with halvane-rc at build time and adds the
# generated source to `target`, which registers the resources with the module
# `name` when the program or library starts. The compiler writes a depfile
# naming the script, every header it includes and every bitmap, icon, cursor
# and data file it reads, so that a change to any of them rebuilds it.
include_guard(GLOBAL)

function(halvane_add_resources)
  cmake_parse_arguments(R "" "TARGET;RC;MODULE" "INCLUDES" ${ARGN})
  if(NOT R_TARGET OR NOT R_RC OR NOT R_MODULE)
    message(FATAL_ERROR "halvane_add_resources needs TARGET, RC and MODULE")
  endif()
  get_filename_component(script ${R_RC} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  get_filename_component(stem ${script} NAME_WE)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${R_TARGET}_${stem}_rc.cpp)

  set(args --module ${R_MODULE})
  # A program's resources belong to the main module (GetModuleHandle(NULL)).
  get_target_property(kind ${R_TARGET} TYPE)
  if(kind STREQUAL "EXECUTABLE")
    list(APPEND args --program)
  endif()
  foreach(dir IN LISTS R_INCLUDES)
    get_filename_component(dir ${dir} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND args -I ${dir})
  endforeach()

  add_custom_command(
    OUTPUT ${output}
    COMMAND halvane-rc ${args} --depfile ${output}.d -o ${output} ${script}
    DEPENDS halvane-rc ${script}
    DEPFILE ${output}.d
    COMMENT "Compiling resources ${stem}.rc for ${R_TARGET}"
    VERBATIM)
  target_sources(${R_TARGET} PRIVATE ${output})
  # The generated source registers through the window system's internal
  # resource store.
  set_source_files_properties(${output} PROPERTIES
    INCLUDE_DIRECTORIES "${PROJECT_SOURCE_DIR}/platform/win32;${PROJECT_SOURCE_DIR}/platform/win32/include")
endfunction()
