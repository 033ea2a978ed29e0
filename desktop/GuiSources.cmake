# Sources of the main window and its pages (qimbel_gui); desktop/app/main.cpp holds main() and the
# sources every Qt program shares are in qimbel_gui_base (desktop/CMakeLists.txt).
set(QIMBEL_GUI_SOURCES
  # desktop/app/: the main window and the about box
  ${CMAKE_SOURCE_DIR}/desktop/app/MainWindow.cpp
  ${CMAKE_SOURCE_DIR}/desktop/app/AboutBox.cpp
  # desktop/pages/: the problem page widget
  ${CMAKE_SOURCE_DIR}/desktop/pages/ProblemPageWidget.cpp
  # desktop/charts/: statistics charts and the function graph
  ${CMAKE_SOURCE_DIR}/desktop/charts/ChartsPage.cpp
  ${CMAKE_SOURCE_DIR}/desktop/charts/FunctionGraphPage.cpp
  # desktop/tools/: symbol palette, handbook library and launchers
  ${CMAKE_SOURCE_DIR}/desktop/tools/SymbolPalette.cpp
  ${CMAKE_SOURCE_DIR}/desktop/tools/KnowledgePage.cpp
  ${CMAKE_SOURCE_DIR}/desktop/tools/LauncherPage.cpp
  # desktop/pages/: the help window
  ${CMAKE_SOURCE_DIR}/desktop/pages/HelpWindow.cpp
  # desktop/pages/: the busy cursor of a long compute
  ${CMAKE_SOURCE_DIR}/desktop/pages/BusyCursorGuard.cpp
  # desktop/pages/: 课本排版, the typeset view of the text box
  ${CMAKE_SOURCE_DIR}/desktop/pages/TypesetView.cpp
  # desktop/charts/: the widget that replays the display lists of the chart and graph models
  ${CMAKE_SOURCE_DIR}/desktop/charts/DisplayListView.cpp
  ${CMAKE_SOURCE_DIR}/desktop/charts/FrequencyDialog.cpp
  # desktop/tools/: the link label and the handbook viewer of the knowledge page
  ${CMAKE_SOURCE_DIR}/desktop/tools/HyperlinkLabel.cpp
  ${CMAKE_SOURCE_DIR}/desktop/tools/HandbookViewer.cpp
  # desktop/notebook/: 错题本 and 练一练
  ${CMAKE_SOURCE_DIR}/desktop/notebook/NotebookTab.cpp
  ${CMAKE_SOURCE_DIR}/desktop/notebook/PracticeDialog.cpp
)
