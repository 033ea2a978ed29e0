# The GBK <-> Unicode tables of typeset/GbkUnicode.cpp, written at build time from this machine's
# iconv (the one qimbel-cli converts with). Targets that compile GbkUnicode.cpp depend on
# qimbel_gbk_table and include ${QIMBEL_GENERATED_DIR}.
set(QIMBEL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(table ${QIMBEL_GENERATED_DIR}/GbkUnicodeTable.inc)
if(CMAKE_CROSSCOMPILING)
  # The WebAssembly build: the program that writes the tables runs here, so the host compiler
  # builds it (emscripten's libc has no GBK anyway).
  set(QIMBEL_GENERATED_DIR ${CMAKE_BINARY_DIR}/gbk-table)
  set(table ${QIMBEL_GENERATED_DIR}/GbkUnicodeTable.inc)
  find_program(QIMBEL_HOST_CXX NAMES g++ c++ clang++ REQUIRED)
  set(generator ${CMAKE_BINARY_DIR}/tools/make-gbk-table)
  add_custom_command(OUTPUT ${table}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QIMBEL_GENERATED_DIR} ${CMAKE_BINARY_DIR}/tools
    COMMAND ${QIMBEL_HOST_CXX} -std=c++20 -O1 -o ${generator} ${CMAKE_SOURCE_DIR}/cmake/make-gbk-table.cpp
    COMMAND ${generator} ${table}
    DEPENDS ${CMAKE_SOURCE_DIR}/cmake/make-gbk-table.cpp
    VERBATIM)
else()
  add_executable(make-gbk-table ${CMAKE_SOURCE_DIR}/cmake/make-gbk-table.cpp)
  set_target_properties(make-gbk-table PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
  add_custom_command(OUTPUT ${table}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QIMBEL_GENERATED_DIR}
    COMMAND make-gbk-table ${table}
    DEPENDS make-gbk-table
    VERBATIM)
endif()
add_custom_target(qimbel_gbk_table DEPENDS ${table})
