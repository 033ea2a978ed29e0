# Sources of the Qt GUI; app/main.cpp holds main() and is left out of the GUI test.
set(QIMBEL_GUI_SOURCES
  ${CMAKE_SOURCE_DIR}/app/main.cpp
  # app/: the main window and the about box
  ${CMAKE_SOURCE_DIR}/app/MainWindow.cpp
  ${CMAKE_SOURCE_DIR}/app/AboutBox.cpp
  # app/: the program's icon and Qt's own texts in Chinese, shared with the exercise programs
  ${CMAKE_SOURCE_DIR}/app/ProgramIcon.cpp
  ${CMAKE_SOURCE_DIR}/app/QtTranslations.cpp
  # pages/: the problem page widget and the GBK crossing to the page models
  ${CMAKE_SOURCE_DIR}/pages/GbkBridge.cpp
  ${CMAKE_SOURCE_DIR}/pages/ProblemPageWidget.cpp
  ${CMAKE_SOURCE_DIR}/pages/TextBoxFont.cpp
  # pages/: where the save dialogs start
  ${CMAKE_SOURCE_DIR}/pages/SaveFolder.cpp
  # charts/: statistics charts and the function graph
  ${CMAKE_SOURCE_DIR}/charts/ChartsPage.cpp
  ${CMAKE_SOURCE_DIR}/charts/FunctionGraphPage.cpp
  # tools/: symbol palette, handbook library and launchers
  ${CMAKE_SOURCE_DIR}/tools/SymbolPalette.cpp
  ${CMAKE_SOURCE_DIR}/tools/KnowledgePage.cpp
  ${CMAKE_SOURCE_DIR}/tools/LauncherPage.cpp
  # pages/: the help window, printing and PDF export of a problem page
  ${CMAKE_SOURCE_DIR}/pages/HelpWindow.cpp
  ${CMAKE_SOURCE_DIR}/pages/PrintedPage.cpp
  # pages/: the busy cursor of a long compute
  ${CMAKE_SOURCE_DIR}/pages/BusyCursorGuard.cpp
  # charts/: the widget that replays the display lists of the chart and graph models
  ${CMAKE_SOURCE_DIR}/charts/DisplayListView.cpp
  ${CMAKE_SOURCE_DIR}/charts/FrequencyDialog.cpp
  # tools/: the link label and the handbook viewer of the knowledge page
  ${CMAKE_SOURCE_DIR}/tools/HyperlinkLabel.cpp
  ${CMAKE_SOURCE_DIR}/tools/HandbookViewer.cpp
)
