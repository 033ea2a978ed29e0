# The GBK <-> Unicode tables of solver/GbkUnicode.cpp: written at build time by a small program
# that the host compiler builds, from the host's iconv (the WebAssembly libc has no GBK).
# The core target adds a dependency on qimbel_gbk_table and QIMBEL_GBK_TABLE_DIR to its includes.
find_program(QIMBEL_HOST_CXX NAMES g++ c++ clang++ REQUIRED)
set(QIMBEL_GBK_TABLE_DIR ${CMAKE_BINARY_DIR}/gbk-table)
add_custom_command(OUTPUT ${QIMBEL_GBK_TABLE_DIR}/GbkTable.inc
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QIMBEL_GBK_TABLE_DIR}
  COMMAND ${QIMBEL_HOST_CXX} -std=c++20 -O1 -o ${QIMBEL_GBK_TABLE_DIR}/make-gbk-table
    ${CMAKE_SOURCE_DIR}/cmake/make-gbk-table.cpp
  COMMAND ${QIMBEL_GBK_TABLE_DIR}/make-gbk-table ${QIMBEL_GBK_TABLE_DIR}/GbkTable.inc.tmp
  COMMAND ${CMAKE_COMMAND} -E rename ${QIMBEL_GBK_TABLE_DIR}/GbkTable.inc.tmp ${QIMBEL_GBK_TABLE_DIR}/GbkTable.inc
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/make-gbk-table.cpp
  VERBATIM)
add_custom_target(qimbel_gbk_table DEPENDS ${QIMBEL_GBK_TABLE_DIR}/GbkTable.inc)
