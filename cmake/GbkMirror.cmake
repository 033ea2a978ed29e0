# The core as GBK sources in a mirror tree, for compilers that keep string literals in the
# source's bytes (clang and em++ have no -fexec-charset=GBK): "solver/Solver.h" and the rest
# resolve there. Sets QIMBEL_GBK_MIRROR (the folder) and QIMBEL_GBK_MIRROR_CORE (the core's
# converted sources and headers, to list in the core target so the headers are written first);
# further arguments name more files to convert, relative to the source tree.
function(qimbel_gbk_mirror)
  set(mirror ${CMAKE_BINARY_DIR}/gbk-src)
  file(GLOB_RECURSE mirrored RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/solver/*.h ${CMAKE_SOURCE_DIR}/algebra/*.h ${CMAKE_SOURCE_DIR}/equations/*.h
    ${CMAKE_SOURCE_DIR}/numbers/*.h ${CMAKE_SOURCE_DIR}/column/*.h ${CMAKE_SOURCE_DIR}/wordproblems/*.h
    ${CMAKE_SOURCE_DIR}/pages/*.h ${CMAKE_SOURCE_DIR}/charts/*.h ${CMAKE_SOURCE_DIR}/tools/*.h
    ${CMAKE_SOURCE_DIR}/typeset/*.h ${CMAKE_SOURCE_DIR}/cli/*.h ${CMAKE_SOURCE_DIR}/marking/*.h
    ${CMAKE_SOURCE_DIR}/maker/*.h ${CMAKE_SOURCE_DIR}/notebook/*.h)
  # generators/: the headers of the exercise generators.
  file(GLOB mirrored_generators RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/generators/*.h)
  list(APPEND mirrored ${QIMBEL_CORE_SOURCES} ${mirrored_generators} ${ARGN})
  set(core)
  foreach(rel IN LISTS mirrored)
    set(dst ${mirror}/${rel})
    get_filename_component(dir ${dst} DIRECTORY)
    add_custom_command(OUTPUT ${dst}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/to-gbk-source.sh ${CMAKE_SOURCE_DIR}/${rel} ${dst}
      DEPENDS ${CMAKE_SOURCE_DIR}/${rel} ${CMAKE_SOURCE_DIR}/cmake/to-gbk-source.sh
      VERBATIM)
    if(NOT rel IN_LIST ARGN)
      list(APPEND core ${dst})
    endif()
  endforeach()
  set(QIMBEL_GBK_MIRROR ${mirror} PARENT_SCOPE)
  set(QIMBEL_GBK_MIRROR_CORE ${core} PARENT_SCOPE)
endfunction()
