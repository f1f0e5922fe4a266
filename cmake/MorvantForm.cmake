# morvant_form(target form_file [UNCHECKED])
#
# Compiles a form file (text form syntax) with tools/formc at build time and
# embeds the binary stream into `target` as "RCDATA/<CLASS>", the root
# object's class in upper case, where form construction looks for it. The
# files the form names with @'path' are dependencies, so that changing a
# picture rebuilds the stream. formc reads each compiled form back into the
# libraries' classes and stops the build on what they do not know; UNCHECKED
# leaves that out, for a test's form of classes only its test registers.
function(morvant_form target form_file)
  cmake_parse_arguments(F "UNCHECKED" "" "" ${ARGN})
  set(check_flag)
  if(F_UNCHECKED)
    set(check_flag --unchecked)
  endif()
  get_filename_component(form "${form_file}" ABSOLUTE)
  get_filename_component(form_dir "${form}" DIRECTORY)
  get_filename_component(stem "${form}" NAME_WE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${form}")

  file(STRINGS "${form}" header LIMIT_COUNT 1 REGEX "^[ \t]*(object|inherited|inline)[ \t]")
  if(NOT header MATCHES "^[ \t]*[A-Za-z]+[ \t]+([A-Za-z_][A-Za-z0-9_]*[ \t]*:[ \t]*)?([A-Za-z_][A-Za-z0-9_]*)")
    message(FATAL_ERROR "${form}: no root object")
  endif()
  string(TOUPPER "${CMAKE_MATCH_2}" class_name)

  set(files)
  file(STRINGS "${form}" refs REGEX "@'[^']*'")
  foreach(line ${refs})
    string(REGEX MATCHALL "@'[^']*'" found "${line}")
    foreach(ref ${found})
      string(REGEX REPLACE "^@'(.*)'$" "\\1" path "${ref}")
      if(NOT IS_ABSOLUTE "${path}")
        set(path "${form_dir}/${path}")
      endif()
      list(APPEND files "${path}")
    endforeach()
  endforeach()

  set(out "${CMAKE_CURRENT_BINARY_DIR}/forms/${target}_${stem}.bin")
  add_custom_command(OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/forms"
    COMMAND formc ${check_flag} "${form}" "${out}"
    DEPENDS formc "${form}" ${files}
    COMMENT "Formular ${stem}"
    VERBATIM)
  # Listed as a source so that the target runs the command before its
  # embedding stub is assembled.
  target_sources(${target} PRIVATE "${out}")
  morvant_embed(${target} "RCDATA/${class_name}" "${out}")
endfunction()
