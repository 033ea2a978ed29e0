# cmake --install: the programs and the folders they read, laid out for the file-system
# hierarchy. The installation folder that the program derives from its own path is
# lib/qimbel/: it holds the programs and the exercise generators (KaoShi/, programs too). The
# architecture-independent data (Help/, Document/, ZhiShi/) live in share/qimbel/ and are
# reached from lib/qimbel/ through relative links; bin/ holds links to the two programs.
include(GNUInstallDirs)

set(QIMBEL_INSTALL_FOLDER lib/qimbel)
set(QIMBEL_INSTALL_DATA ${CMAKE_INSTALL_DATADIR}/qimbel)
set(QIMBEL_APP_ID org.qimbel.Qimbel)
set(QIMBEL_HOMEPAGE "https://qimbel.org" CACHE STRING "Home page named in the package and the AppStream data")

# The folders the program reads exist in the build folder too, even before anything fills them.
foreach(folder Help/JianJie Help/ZhaiYao Help/ShiLi Document/GongShi ZhiShi KaoShi)
  file(MAKE_DIRECTORY ${QIMBEL_BIN_DIR}/${folder})
endforeach()

set(qimbel_programs qimbel-cli)
if(QIMBEL_GUI)
  list(APPEND qimbel_programs qimbel)
endif()
install(TARGETS ${qimbel_programs} RUNTIME DESTINATION ${QIMBEL_INSTALL_FOLDER})
install(DIRECTORY ${QIMBEL_BIN_DIR}/KaoShi DESTINATION ${QIMBEL_INSTALL_FOLDER} USE_SOURCE_PERMISSIONS)
install(DIRECTORY ${QIMBEL_BIN_DIR}/Help ${QIMBEL_BIN_DIR}/Document ${QIMBEL_BIN_DIR}/ZhiShi
  DESTINATION ${QIMBEL_INSTALL_DATA})

# Relative links, so that the tree works below any prefix and DESTDIR.
file(RELATIVE_PATH qimbel_data_from_folder /root/${QIMBEL_INSTALL_FOLDER} /root/${QIMBEL_INSTALL_DATA})
file(RELATIVE_PATH qimbel_folder_from_bin /root/${CMAKE_INSTALL_BINDIR} /root/${QIMBEL_INSTALL_FOLDER})
set(qimbel_links)
foreach(folder Help Document ZhiShi)
  list(APPEND qimbel_links "${qimbel_data_from_folder}/${folder}|${QIMBEL_INSTALL_FOLDER}/${folder}")
endforeach()
foreach(program IN LISTS qimbel_programs)
  list(APPEND qimbel_links "${qimbel_folder_from_bin}/${program}|${CMAKE_INSTALL_BINDIR}/${program}")
endforeach()
install(CODE "
  foreach(link ${qimbel_links})
    string(REPLACE \"|\" \";\" link \"\${link}\")
    list(GET link 0 target)
    list(GET link 1 name)
    set(name \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${name}\")
    get_filename_component(dir \"\${name}\" DIRECTORY)
    file(MAKE_DIRECTORY \"\${dir}\")
    file(REMOVE_RECURSE \"\${name}\")
    message(STATUS \"Linking: \${name} -> \${target}\")
    file(CREATE_LINK \"\${target}\" \"\${name}\" SYMBOLIC)
  endforeach()
")

# The desktop: menu entry, icon, AppStream data.
if(QIMBEL_GUI)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/${QIMBEL_APP_ID}.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/packaging/${QIMBEL_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/${QIMBEL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/${QIMBEL_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/${QIMBEL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
