# The GBK <-> Unicode tables of typeset/GbkUnicode.cpp, written at build time from this machine's
# iconv (the one qimbel-cli converts with). Targets that compile GbkUnicode.cpp depend on
# qimbel_gbk_table and include ${QIMBEL_GENERATED_DIR}.
set(QIMBEL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
if(CMAKE_CROSSCOMPILING)
  # A cross build (a browser edition, say) cannot run what it compiles: it runs the generator of
  # a native build of this tree (build/tools/make-gbk-table).
  set(QIMBEL_MAKE_GBK_TABLE "" CACHE FILEPATH "make-gbk-table of a native build, for cross builds")
  if(NOT QIMBEL_MAKE_GBK_TABLE)
    message(FATAL_ERROR "A cross build needs -DQIMBEL_MAKE_GBK_TABLE=<native build>/tools/make-gbk-table")
  endif()
  set(generator ${QIMBEL_MAKE_GBK_TABLE})
  set(generator_target)
else()
  add_executable(make-gbk-table ${CMAKE_SOURCE_DIR}/cmake/make-gbk-table.cpp)
  set_target_properties(make-gbk-table PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
  set(generator make-gbk-table)
  set(generator_target make-gbk-table)
endif()
add_custom_command(OUTPUT ${QIMBEL_GENERATED_DIR}/GbkUnicodeTable.inc
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QIMBEL_GENERATED_DIR}
  COMMAND ${generator} ${QIMBEL_GENERATED_DIR}/GbkUnicodeTable.inc
  DEPENDS ${generator_target}
  VERBATIM)
add_custom_target(qimbel_gbk_table DEPENDS ${QIMBEL_GENERATED_DIR}/GbkUnicodeTable.inc)
