# Sources of the Qt GUI; app/main.cpp holds main() and is left out of the GUI test.
set(QIMBEL_GUI_SOURCES
  ${CMAKE_SOURCE_DIR}/app/main.cpp
)
