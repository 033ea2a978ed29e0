# Sources of 小学数学四则运算自动出题系统 (desktop/chuti/), without its main(); the program and its
# offscreen test share them.
set(QIMBEL_CHUTI_SOURCES
  ${CMAKE_SOURCE_DIR}/desktop/chuti/ChuTiWindow.cpp
  ${CMAKE_SOURCE_DIR}/desktop/chuti/ShiJuanPrinter.cpp
  ${CMAKE_SOURCE_DIR}/desktop/pages/GbkBridge.cpp
  ${CMAKE_SOURCE_DIR}/desktop/pages/PrintedPage.cpp
  ${CMAKE_SOURCE_DIR}/desktop/pages/TextBoxFont.cpp
)
