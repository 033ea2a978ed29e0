# Sources of 小学数学四则运算自动出题系统 (kaoshi/chuti/), without its main(); the program and its
# offscreen test share them.
set(QIMBEL_CHUTI_SOURCES
  ${CMAKE_SOURCE_DIR}/kaoshi/chuti/ChuTiWindow.cpp
  ${CMAKE_SOURCE_DIR}/kaoshi/chuti/ShiJuanPrinter.cpp
  ${CMAKE_SOURCE_DIR}/app/ProgramIcon.cpp
  ${CMAKE_SOURCE_DIR}/app/QtTranslations.cpp
  ${CMAKE_SOURCE_DIR}/pages/GbkBridge.cpp
  ${CMAKE_SOURCE_DIR}/pages/SaveFolder.cpp
  ${CMAKE_SOURCE_DIR}/pages/PrintedPage.cpp
  ${CMAKE_SOURCE_DIR}/pages/TextBoxFont.cpp
)
