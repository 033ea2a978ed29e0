# Sources of qimbel_core, listed by folder. A new routine file is added to its folder's list.
set(QIMBEL_CORE_SOURCES
  # solver/: the solver object, text utilities, expression arrays
  solver/GbkText.cpp
  solver/StringArray.cpp
  solver/GetLuJing.cpp
  solver/HelpTexts.cpp
  solver/TiHuan.cpp
  solver/QuLing.cpp
  solver/ShuZhiWenBen.cpp
  solver/GetShuMoShi.cpp
  solver/ChongFu.cpp
  solver/GetBiaoDian.cpp
  solver/FenJu.cpp
  # algebra/: brackets, numeric and polynomial arithmetic with steps
  # equations/: equations, inequalities, ratios
  # numbers/: elementary number topics
  # column/: column arithmetic
  # wordproblems/: formula word problems
  # pages/: the page models and their compute dispatch
  pages/TypeTable.cpp
  pages/Session.cpp
  pages/ProblemPage.cpp
  pages/PageDispatch.cpp
  pages/Compute129.cpp
  pages/Compute130.cpp
  pages/Compute131.cpp
  pages/Compute133.cpp
  pages/Compute134.cpp
  pages/Compute135.cpp
  pages/PageBook.cpp
  pages/Headless.cpp
)
