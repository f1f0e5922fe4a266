# morvant_resources(target [FORMS form_file...] [FILES name file [name file]...])
#
# Gives `target` its form resources (compiled by morvant_form, found by the
# root object's class) and embedded files (by morvant_embed, under "TYPE/NAME"
# names such as "WAVE/VYRWAVECOMP1"). They go into an object library of the
# target's own, <target>_resources, whose objects every program that links
# `target` takes whole: an archive member that nothing names would be
# dropped by the linker, and the resources with it. Works for executables
# (a test, a demo) and static libraries (a unit of the component library)
# alike; call it as often as needed.
function(morvant_resources target)
  cmake_parse_arguments(R "" "" "FORMS;FILES" ${ARGN})
  list(LENGTH R_FILES file_args)
  math(EXPR odd "${file_args} % 2")
  if(odd)
    message(FATAL_ERROR "morvant_resources(${target}): FILES takes pairs of a resource name and a file")
  endif()

  set(objects ${target}_resources)
  if(NOT TARGET ${objects})
    add_library(${objects} OBJECT)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      target_sources(${target} PRIVATE $<TARGET_OBJECTS:${objects}>)
    else()
      target_sources(${target} INTERFACE $<TARGET_OBJECTS:${objects}>)
    endif()
    add_dependencies(${target} ${objects})
  endif()

  foreach(form ${R_FORMS})
    morvant_form(${objects} ${form})
  endforeach()
  while(R_FILES)
    list(POP_FRONT R_FILES name file)
    morvant_embed(${objects} "${name}" ${file})
  endwhile()
endfunction()
