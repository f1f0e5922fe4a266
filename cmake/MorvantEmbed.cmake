# morvant_embed(target name file)
#
# Embeds `file` into `target` as the resource `name` (resource names are
# "TYPE/NAME", for instance "RCDATA/TFORM1" or "BITMAP/16547"). Each call
# generates one assembler stub: the bytes come in through .incbin, and a
# {name, data, size} entry goes into the section "morvant_res". The linker
# gathers every entry of the program into one table between
# __start_morvant_res and __stop_morvant_res, which the runtime's resource
# lookup reads. No array literals, no static constructors.
#
# The target should be an executable or an OBJECT library, so that the linker
# keeps the entries although nothing refers to them by name.
function(morvant_embed target name file)
  get_filename_component(abs_file "${file}" ABSOLUTE)
  string(MAKE_C_IDENTIFIER "${target}_${name}" id)
  set(stub "${CMAKE_CURRENT_BINARY_DIR}/embed/${id}.S")
  file(WRITE "${stub}.in" "\
    .section .rodata.morvant_res_data,\"a\"
    .balign 16
morvant_res_data_${id}:
    .incbin \"${abs_file}\"
morvant_res_data_end_${id}:
    .byte 0
    .section .rodata.morvant_res_name,\"aMS\",@progbits,1
morvant_res_name_${id}:
    .asciz \"${name}\"
    .section morvant_res,\"aw\"
    .balign 8
    .quad morvant_res_name_${id}
    .quad morvant_res_data_${id}
    .quad morvant_res_data_end_${id} - morvant_res_data_${id}
    .section .note.GNU-stack,\"\",@progbits
")
  configure_file("${stub}.in" "${stub}" COPYONLY)
  set_source_files_properties("${stub}" PROPERTIES OBJECT_DEPENDS "${abs_file}")
  target_sources(${target} PRIVATE "${stub}")
endfunction()
