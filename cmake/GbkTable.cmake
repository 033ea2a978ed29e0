# The GBK <-> Unicode tables of typeset/GbkUnicode.cpp, written at build time from this machine's
# iconv (the one qimbel-cli converts with). Targets that compile GbkUnicode.cpp depend on
# qimbel_gbk_table and include ${QIMBEL_GENERATED_DIR}.
set(QIMBEL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
add_executable(make-gbk-table ${CMAKE_SOURCE_DIR}/cmake/make-gbk-table.cpp)
set_target_properties(make-gbk-table PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
add_custom_command(OUTPUT ${QIMBEL_GENERATED_DIR}/GbkUnicodeTable.inc
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QIMBEL_GENERATED_DIR}
  COMMAND make-gbk-table ${QIMBEL_GENERATED_DIR}/GbkUnicodeTable.inc
  DEPENDS make-gbk-table
  VERBATIM)
add_custom_target(qimbel_gbk_table DEPENDS ${QIMBEL_GENERATED_DIR}/GbkUnicodeTable.inc)
