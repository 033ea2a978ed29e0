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
  solver/JsonText.cpp
  # solver/: expression arrays
  solver/ExpressionText.cpp
  solver/GetShuZi.cpp
  solver/GetZiMu.cpp
  solver/DanXiangShiToShuZu.cpp
  solver/DuoXiangShiToShuZu.cpp
  solver/ZhengShiToShuZu.cpp
  solver/HunHeShiToShuZu.cpp
  solver/ZiMuToShuZu.cpp
  solver/ZhengShiDi.cpp
  solver/ZhengShiMi.cpp
  solver/xishudi.cpp
  solver/xishumi.cpp
  solver/XiangFanShi.cpp
  solver/HanYunSuanFu.cpp
  solver/YunSuanJiBie.cpp
  solver/DiYiFuHao.cpp
  solver/ZuiHouWeiZhi.cpp
  solver/ShuLieToShuZu.cpp
  # algebra/: brackets
  algebra/BracketGroups.cpp
  algebra/KuoHaoCheck.cpp
  algebra/ZhengShiYouXianYunSuanShi.cpp
  algebra/QuKuoHao.cpp
  # algebra/: numeric mixed operations
  algebra/ExactNumber.cpp
  algebra/BracketMatching.cpp
  algebra/ReplaceOperation.cpp
  algebra/StepLayout.cpp
  algebra/LikeTerms.cpp
  algebra/SiZeHunHeYunSuan.cpp
  algebra/HunHeYunSuan.cpp
  algebra/KuoHaoShuZiBu.cpp
  algebra/ShuZiYiBu.cpp
  algebra/XianSuanFuHao.cpp
  algebra/ZuoCaoZuoShu.cpp
  algebra/YouCaoZuoShu.cpp
  algebra/XiangJia.cpp
  algebra/XiangJian.cpp
  algebra/XiangCheng.cpp
  algebra/XiangChu.cpp
  algebra/FenMuBuTong.cpp
  # algebra/: polynomial arithmetic
  algebra/ZhengShiTuoHao.cpp
  algebra/KuoHaoZhengShiBu.cpp
  algebra/ZhengShiSiZeYunSuan.cpp
  algebra/ZhengShiYiBu.cpp
  algebra/chufa.cpp
  algebra/HeBingTongLeiXiang.cpp
  algebra/ChengChuGeShu.cpp
  algebra/LeftShi.cpp
  algebra/RightShi.cpp
  algebra/DanXiangShiCheng.cpp
  algebra/DanXiangShiChu.cpp
  algebra/ZhengShiChengFang.cpp
  # equations/: equations, inequalities, ratios
  equations/EquationText.cpp
  equations/GetWeiZhiShu.cpp
  equations/DengShiHuaJian.cpp
  equations/YiCiDengShi.cpp
  equations/FangChengZu.cpp
  equations/ErCiFangCheng.cpp
  equations/BuDengShiZu.cpp
  equations/BiHuaShang.cpp
  equations/BiLiFangCheng.cpp
  equations/LianBiHuaJian.cpp
  equations/BiLiPingFang.cpp
  # numbers/: factors, multiples, prime factorisation, fractions
  numbers/FactorMath.cpp
  numbers/fenjieyinshu.cpp
  numbers/BeiShu.cpp
  numbers/YinShu.cpp
  numbers/GongYinShu.cpp
  numbers/ZuiXiaoGongBeiShu.cpp
  numbers/KeYueFen.cpp
  numbers/YueFen.cpp
  numbers/TongFen.cpp
  # numbers/: reading and writing numbers
  numbers/NumberText.cpp
  numbers/EntryValue.cpp
  numbers/StatisticWorking.cpp
  numbers/YinShuGuoCheng.cpp
  numbers/ShuDeDuFa.cpp
  numbers/DuShu.cpp
  numbers/DuSiWeiShu.cpp
  numbers/ShuDeXieFa.cpp
  numbers/XieShu.cpp
  numbers/XieSiWeiShu.cpp
  numbers/HanZiShuZi.cpp
  # numbers/: number properties
  numbers/ShuDeXingZhi.cpp
  numbers/XingZhiShaiXuan.cpp
  numbers/YinShuShaiXuan.cpp
  numbers/BeiShuShaiXuan.cpp
  # numbers/: approximation and scientific notation
  numbers/KeXueJiShuFa.cpp
  numbers/GetJinSiZhi.cpp
  # numbers/: sorting and statistics
  numbers/PaiXu.cpp
  numbers/ZongShu.cpp
  numbers/PingJunShu.cpp
  numbers/ZhongWeiShu.cpp
  numbers/FangCha.cpp
  numbers/BiaoZhunCha.cpp
  numbers/ZhongShu.cpp
  # numbers/: unit conversion
  numbers/UnitTable.cpp
  numbers/DanWeiZhuanHuan.cpp
  # numbers/: the core's INI reader
  numbers/IniFile.cpp
  # column/: column addition and subtraction
  column/ColumnCommon.cpp
  column/ShuShiJiaFa.cpp
  column/ShuShiJianFa.cpp
  # column/: column multiplication and division
  column/ShuShiChengFa.cpp
  column/ShuShiChuFa.cpp
  # wordproblems/: formula word problems
  wordproblems/FormulaText.cpp
  wordproblems/FormulaFile.cpp
  wordproblems/ProblemReading.cpp
  wordproblems/FormulaUnits.cpp
  wordproblems/GongShiTuiDao.cpp
  wordproblems/SheZhiBianLiang.cpp
  wordproblems/GongShiJieTi.cpp
  # pages/: the page models and their compute dispatch
  pages/TypeTable.cpp
  pages/Session.cpp
  pages/ProblemPage.cpp
  pages/PageTextLimit.cpp
  pages/LineKind.cpp
  pages/PageDispatch.cpp
  pages/Compute129.cpp
  pages/Compute130.cpp
  pages/Compute131.cpp
  pages/Compute133.cpp
  pages/Compute134.cpp
  pages/Compute135.cpp
  pages/TypedLine.cpp
  pages/PageBook.cpp
  # pages/: 练一练, a round of made problems marked one at a time
  pages/Practice.cpp
  # pages/: the session saved when the window closes
  pages/SessionFile.cpp
  pages/Headless.cpp
  # tools/: symbol table
  tools/SymbolTable.cpp
  # pages/: the symbol normalisation of the check
  pages/CheckText.cpp
  # equations/, algebra/: roots of quadratics, simplest ratios, factorisation
  solver/WholeNumbers.cpp
  equations/Rational.cpp
  equations/ErCiFangChengGen.cpp
  equations/ZuiJianBi.cpp
  # pages/: the help window's texts
  pages/HelpWindowText.cpp
  # numbers/: the means that take a root
  numbers/ExactRoot.cpp
  numbers/JiHePingJunShu.cpp
  numbers/PingFangPingJunShu.cpp
  # solver/: capped reading of the data files
  solver/DataFile.cpp
  solver/FileStamp.cpp
  # solver/: the input limits of the routines the pages call
  solver/InputLimits.cpp
  # charts/: the function graph and the statistics charts, as display lists
  charts/FunctionFormula.cpp
  charts/FunctionForm.cpp
  charts/QuadraticRoots.cpp
  charts/FunctionProperties.cpp
  charts/PolynomialZeros.cpp
  charts/FunctionGraph.cpp
  charts/StatisticsChart.cpp
  charts/FrequencyTable.cpp
  charts/DisplayListJson.cpp
  charts/PicturePages.cpp
  charts/PageState.cpp
  algebra/FactorPolynomial.cpp
  algebra/FactorSearch.cpp
  algebra/PolyAlgebra.cpp
  algebra/YinShiFenJie.cpp
  algebra/TiGongYinShi.cpp
  algebra/GongShiFenJie.cpp
  algebra/FenZuFenJie.cpp
  algebra/ShiZiXiangCheng.cpp
  algebra/PeiFangFenJie.cpp
  algebra/QiuGenFenJie.cpp
  algebra/DaiDingXiShu.cpp
  algebra/ErCiYinShiFenJie.cpp
  algebra/AnZiMuFenZu.cpp
  algebra/ZhuYuanShiZiXiangCheng.cpp
  algebra/ZhuYuanQiuGen.cpp
  algebra/ZongHeFenJie.cpp
  algebra/MeiYouGuoCheng.cpp
  # wordproblems/: the name index of the formula folder
  wordproblems/FormulaIndex.cpp
  # tools/: the handbooks of the knowledge page
  tools/Handbooks.cpp
  # 两个数的大小比较, 分式四则运算, 分式方程
  numbers/DaXiaoBiJiao.cpp
  # 算式计算与填空, 根据要求找规律
  numbers/SuanShiTianKong.cpp
  numbers/ZhaoGuiLv.cpp
  # 简便运算
  algebra/JianBianYunSuan.cpp
  # 二次根式四则运算
  algebra/SurdValue.cpp
  algebra/GenShiSiZeYunSuan.cpp
  # 二元二次方程组
  equations/ErCiFangChengZu.cpp
  algebra/FractionAlgebra.cpp
  algebra/FractionText.cpp
  algebra/FractionReader.cpp
  equations/FenShiFangCheng.cpp
  algebra/FenShiSiZeYunSuan.cpp
)
# generators/: the test paper of 小学数学四则运算自动出题系统 and its answer key
list(APPEND QIMBEL_CORE_SOURCES
  generators/ShiJuan.cpp
  generators/ShiJuanChuTi.cpp
  generators/ShiJuanHunHe.cpp
  generators/ShiJuanDaAn.cpp
  generators/ShiJuanWenBen.cpp
  generators/ShiJuanBanMian.cpp
  generators/ZuJuanBanMian.cpp
)
# generators/: the 口算练习生成器 (mental arithmetic): problems, practice, printed sheets
list(APPEND QIMBEL_CORE_SOURCES
  generators/KouSuanProblem.cpp
  generators/KouSuanGenerator.cpp
  generators/KouSuanPractice.cpp
  generators/KouSuanKept.cpp
  generators/KouSuanSheet.cpp
)
# tools/: the exercise-generator programs of the tab 自动出卷及测试
list(APPEND QIMBEL_CORE_SOURCES tools/ExerciseLaunchers.cpp)
# typeset/: the worked text typeset like a textbook (MathML, display list), GBK <-> UTF-8 tables
list(APPEND QIMBEL_CORE_SOURCES
  typeset/GbkUnicode.cpp
  typeset/ReadTypeset.cpp
  typeset/TypesetMathML.cpp
  typeset/TypesetLayout.cpp
)
# marking/: 批改, a pupil's own working marked step by step (every file of the folder)
file(GLOB qimbel_marking_sources RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/marking/*.cpp)
list(APPEND QIMBEL_CORE_SOURCES ${qimbel_marking_sources})
# maker/: 出题, problems of every type made answer first and proved by the type's own routine
file(GLOB qimbel_maker_sources RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/maker/*.cpp)
list(APPEND QIMBEL_CORE_SOURCES ${qimbel_maker_sources})
# notebook/: 错题本, the wrong problems kept, their review schedule and statistics
file(GLOB qimbel_notebook_sources RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/notebook/*.cpp)
list(APPEND QIMBEL_CORE_SOURCES ${qimbel_notebook_sources})
