# Sources of the Qt GUI; desktop/app/main.cpp holds main() and is left out of the GUI test.
set(QIMBEL_GUI_SOURCES
  ${CMAKE_SOURCE_DIR}/desktop/app/main.cpp
  # desktop/app/: the main window and the about box
  ${CMAKE_SOURCE_DIR}/desktop/app/MainWindow.cpp
  ${CMAKE_SOURCE_DIR}/desktop/app/AboutBox.cpp
  # desktop/pages/: the problem page widget and the GBK crossing to the page models
  ${CMAKE_SOURCE_DIR}/desktop/pages/GbkBridge.cpp
  ${CMAKE_SOURCE_DIR}/desktop/pages/ProblemPageWidget.cpp
  ${CMAKE_SOURCE_DIR}/desktop/pages/TextBoxFont.cpp
  # desktop/charts/: statistics charts and the function graph
  ${CMAKE_SOURCE_DIR}/desktop/charts/ChartsPage.cpp
  ${CMAKE_SOURCE_DIR}/desktop/charts/FunctionGraphPage.cpp
  # desktop/tools/: symbol palette, handbook library and launchers
  ${CMAKE_SOURCE_DIR}/desktop/tools/SymbolPalette.cpp
  ${CMAKE_SOURCE_DIR}/desktop/tools/KnowledgePage.cpp
  ${CMAKE_SOURCE_DIR}/desktop/tools/LauncherPage.cpp
  # desktop/pages/: the help window, printing and PDF export of a problem page
  ${CMAKE_SOURCE_DIR}/desktop/pages/HelpWindow.cpp
  ${CMAKE_SOURCE_DIR}/desktop/pages/PrintedPage.cpp
  # desktop/pages/: the busy cursor of a long compute
  ${CMAKE_SOURCE_DIR}/desktop/pages/BusyCursorGuard.cpp
  # desktop/charts/: the widget that replays the display lists of the chart and graph models
  ${CMAKE_SOURCE_DIR}/desktop/charts/DisplayListView.cpp
  ${CMAKE_SOURCE_DIR}/desktop/charts/FrequencyDialog.cpp
  # desktop/tools/: the link label and the handbook viewer of the knowledge page
  ${CMAKE_SOURCE_DIR}/desktop/tools/HyperlinkLabel.cpp
  ${CMAKE_SOURCE_DIR}/desktop/tools/HandbookViewer.cpp
)
