# Data files are kept as readable UTF-8 text with LF line ends in data/ and installed beside
# the executables as GBK with CR LF, the form the program reads.
function(qimbel_gbk_data target)
  set(outputs)
  foreach(rel IN LISTS ARGN)
    set(src ${CMAKE_SOURCE_DIR}/data/${rel})
    set(dst ${QIMBEL_BIN_DIR}/${rel})
    get_filename_component(dir ${dst} DIRECTORY)
    add_custom_command(OUTPUT ${dst}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/to-gbk.sh ${src} ${dst}
      DEPENDS ${src} ${CMAKE_SOURCE_DIR}/cmake/to-gbk.sh
      VERBATIM)
    list(APPEND outputs ${dst})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
