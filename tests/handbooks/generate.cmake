# cmake -DGENERATOR=make-handbook.cmake -DWORK=<scratch folder> -P generate.cmake
# The handbook generator on data of its own: order of the formula files, odd lines, escaping, the
# rates of a unit chain, the help texts, a changed formula file, a broken marker.
cmake_minimum_required(VERSION 3.25)

set(data ${WORK}/data)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${data}/Document/GongShi ${data}/Help/JianJie ${data}/Help/ShiLi ${data}/ZhiShi)
file(WRITE ${data}/ZhiShi/handbook.css "b { color: red; }\n")

file(WRITE ${data}/Document/GongShi/甲.ini "; 注释行; 带分号
[BianLiang]
bianliang0=边<长>&
bianliang1=
[GongShi]
gongshi0=〖周长〗〔边<长>&〕×4
gongshi1=没有方括号的一行
gongshi2=〖面积〗
gongshi3=〖边长〗(〔周长〕-1)/4
")
file(WRITE ${data}/Document/GongShi/乙.ini "[GongShi]\ngongshi0=〖半周长〗3.14×〔半径〕\n")
file(WRITE ${data}/Document/danwei.ini "[DanWei]
danwei0=〖1_甲〗〖3_乙〗〖7_丙〗〖7_丁〗〖x_戊〗〖70_己
danwei1=〖1_只有一个〗
danwei2=〖1_大<>〗〖10_小&〗
")
file(WRITE ${data}/Help/JianJie/1.txt "测试题：说明一句。\n第二行只讲按钮。\n")
file(WRITE ${data}/Help/ShiLi/1.txt "1<2\n\n  3+4  \n")
file(WRITE ${WORK}/book.html "<!-- qimbel:style -->
<h1>书</h1>
<!-- qimbel:formulas 乙 没有这个文件 -->
<!-- qimbel:units -->
<!-- qimbel:practice 某页 1 99 -->
<p>完</p>
")

function(generate)
  execute_process(COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${WORK}/book.html -DOUTPUT=${WORK}/book.out.html
    -DDATA=${data} -P ${GENERATOR} RESULT_VARIABLE failed ERROR_VARIABLE errors)
  if(failed)
    message(FATAL_ERROR "the generator failed: ${errors}")
  endif()
  file(READ ${WORK}/book.out.html out)
  set(out "${out}" PARENT_SCOPE)
endfunction()

function(expect text)
  string(FIND "${out}" "${text}" at)
  if(at LESS 0)
    message(FATAL_ERROR "missing: ${text}\n--- in ---\n${out}")
  endif()
endfunction()

function(expect_not text)
  string(FIND "${out}" "${text}" at)
  if(NOT at LESS 0)
    message(FATAL_ERROR "unexpected: ${text}\n--- in ---\n${out}")
  endif()
endfunction()

generate()
# The named file first, then the others; a named file that does not exist is left out.
expect("<a href=\"#gs1\">乙</a>")
expect("<a href=\"#gs2\">甲</a>")
expect_not("没有这个文件")
expect("<h3 id=\"gs1\">乙</h3>")
expect("<li>半周长 ＝ π×半径</li>")
# Text from the files is escaped; lines without a target or without a formula are left out.
expect("用到的量：边&lt;长&gt;&amp;。")
expect("<li>周长 ＝ 边&lt;长&gt;&amp;×4</li>")
expect("<li>边长 ＝ (周长－1)÷4</li>")
expect_not("没有方括号")
expect_not("<li>面积 ＝")
# Rates between neighbours: whole where they divide, both sides where not, equal units named
# together; a unit with a bad rate and a chain of one unit are left out.
expect("<li>1甲 ＝ 3乙</li>")
expect("<li>3乙 ＝ 7丙</li>")
expect("<li>1丙 ＝ 1丁</li>")
expect_not("戊")
expect_not("只有一个")
expect("<h3 id=\"dw1\">甲等单位</h3>")
expect("<li>1大&lt;&gt; ＝ 10小&amp;</li>")
# The help texts: the first line's name and sentence, the example lines trimmed and escaped; a
# type without help texts is left out.
expect("<h3 id=\"lx1\">测试题</h3>")
expect("<p>说明一句。在 Qimbel 的“某页”页选择“测试题”即可练习。</p>")
expect("<pre>1&lt;2\n3+4\n</pre>")
expect_not("lx99")
expect_not("qimbel:")
expect("<p>完</p>")
expect("<style>\nb { color: red; }\n</style>\n<h1>")

# A changed formula file changes the handbook.
file(WRITE ${data}/Document/GongShi/乙.ini "[GongShi]\ngongshi0=〖直径〗〔半径〕×2\n")
generate()
expect("<li>直径 ＝ 半径×2</li>")
expect_not("半周长")

# A marker that is not closed stops the build instead of writing half a handbook.
file(WRITE ${WORK}/book.html "<!-- qimbel:units")
execute_process(COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${WORK}/book.html -DOUTPUT=${WORK}/broken.html
  -DDATA=${data} -P ${GENERATOR} RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
if(NOT failed)
  message(FATAL_ERROR "an unclosed marker was accepted")
endif()
file(REMOVE_RECURSE ${WORK})
