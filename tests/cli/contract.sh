#!/bin/sh
# The qimbel-cli contract as users rely on it: arguments, encodings, exit codes.
cli="$1"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expect() { # expect NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then fail "$1: expected [$2], got [$3]"; fi
}

expect "page 130 check" "3＋4×2" "$(printf '3+4*2\n' | "$cli" --type 8 --check-only)"
out=$(printf '1 / 2\n' | "$cli" --type 8 --check-only | head -2)
expect "division notice" "1÷2
---------------------------------------------" "$out"
expect "x>3 on page 130" "x>3" "$(printf 'x>3\n' | "$cli" --type 8 --check-only)"
expect "x>3 on page 135" "x＞3" "$(printf 'x>3\n' | "$cli" --type 25 --check-only)"
expect "cut on page 129" "$(printf '12\nX')" "$(printf '12\n----abc\n' | "$cli" --type 1 --check-only; printf X)"
expect "cut on page 134" "12X" "$(printf '12\n----abc\n' | "$cli" --type 20 --check-only; printf X)"

# --gbk passes GBK bytes with CR LF through unchanged.
gbk=$(printf '3+4\r\n' | "$cli" --type 8 --check-only --gbk | od -An -tx1 | tr -d ' \n')
expect "gbk output" "33a3ab34" "$gbk"

# --pictures: one JSON answer a line, each request ended by %% (the last by the input's end).
out=$(printf 'classwidth\n1 2 3 40\n%%%%\nadd y=\377\n%%%%\ndefaults' | "$cli" --pictures)
expect "pictures" '{"width":"10"}
{"error":"the request is not valid UTF-8, or holds characters that GBK cannot hold"}' "$(echo "$out" | head -2)"
case "$(echo "$out" | sed -n 3p)" in '{"title":"某小学各年级男女学生人数统计图","table":[['*) ;; *) fail "pictures: defaults" ;; esac

# --format html: the typeset text box, a small UTF-8 HTML document with MathML.
out=$(printf '1/2+1/3\n' | "$cli" --type 20 --compute-only --format html)
case "$out" in *"<mfrac>"*) ;; *) fail "html without <mfrac>" ;; esac
case "$out" in *"<script"*) fail "html with a script" ;; esac
case "$out" in "<!DOCTYPE html>"*"</html>") ;; *) fail "html is no whole document" ;; esac
case "$out" in *"解题过程"*) ;; *) fail "html without the worked text" ;; esac

# --mark: the marked copy after 批改结果：; marking again gives the same text; a type that cannot be
# marked says so on stderr too, and it is no failure.
out=$(printf '52-17\n＝45\n' | "$cli" --type 8 --mark | tail -4)
expect "mark" "× 第1步错了：进位/借位错误。
应该是：35
还没有做完：答案不对，要从第1步改起。
共1步，对0步。" "$out"
once=$(printf '12+9\n＝21\n' | "$cli" --type 8 --mark)
expect "mark twice" "$once" "$(printf '%s\n' "$once" | "$cli" --type 8 --mark)"
err=$(printf '123\n' | "$cli" --type 1 --mark 2>&1 >/dev/null)
expect "mark type 1" "这一类题目还不能批改。" "$err"

# Bad arguments: usage on stderr, status 2.
for args in "" "--type" "--type 19" "--page 132" "--type 1 --level 2" "--bogus" "--type 20 --format pdf" "--type 8 --mark --check-only"; do
    # shellcheck disable=SC2086
    printf '' | "$cli" $args >/dev/null 2>/tmp/qimbel-cli-err.$$
    status=$?
    expect "status for [$args]" 2 "$status"
    grep -q usage /tmp/qimbel-cli-err.$$ || fail "no usage for [$args]"
done
rm -f /tmp/qimbel-cli-err.$$

# --help and --version answer on stdout and succeed.
"$cli" --help | grep -q '^usage: qimbel-cli' || fail "--help"
expect "--version" "qimbel-cli 3.0" "$("$cli" --version)"

# Input that is not UTF-8 (or not GBK with --gbk): a clear error and status 1, never a crash.
printf '\377\376abc\n' | "$cli" --type 8 >/dev/null 2>&1
expect "invalid UTF-8" 1 $?
printf '\201\n' | "$cli" --type 8 --gbk >/dev/null 2>&1
expect "invalid GBK" 1 $?
printf '\360\237\230\200\n' | "$cli" --type 8 >/dev/null 2>&1
expect "character outside GBK" 1 $?

# The word-problem page: a line without a formula file brings the page's message to standard
# error; the text box is printed all the same, and the status is 0.
out=$(printf '长方形的长是5米\n' | "$cli" --page 131 2>/tmp/qimbel-cli-err.$$)
status=$?
expect "word problem without 〖〗: status" 0 "$status"
expect "word problem without 〖〗: text box" "长方形的长是5米" "$out"
expect "word problem without 〖〗: message" "请在题目的前面写清楚支持的公式文件，例如要求长方形的话，则在题目的前面添加〖长方形〗！" \
    "$(cat /tmp/qimbel-cli-err.$$)"
rm -f /tmp/qimbel-cli-err.$$
out=$(printf '〖长方形〗长是5，宽是3，求面积是多少？\n' | "$cli" --page 131 2>&1 | grep '^＝15')
expect "word problem solved" "＝15            第1步:5×3=15 的乘法计算" "$out"

# A UTF-8 byte-order mark at the start is skipped; the usage on stderr is UTF-8 like the rest.
expect "byte-order mark" "3＋4×2" "$(printf '\357\273\2773+4*2\n' | "$cli" --type 8 --check-only)"
"$cli" --bogus 2>&1 >/dev/null | grep -q '3/4×2/3' || fail "usage not in UTF-8"
# With --gbk too: a GBK file once saved by an editor that wrote the mark.
gbk=$(printf '\357\273\2773+4\r\n' | "$cli" --type 8 --check-only --gbk | od -An -tx1 | tr -d ' \n')
expect "gbk byte-order mark" "33a3ab34" "$gbk"
# A line whose working once cut a Chinese character in half ends normally, in valid UTF-8.
printf -- '--x=0中\n' | "$cli" --type 27 >/dev/null || fail "quadratic with a Chinese character"

# Empty and long input end normally.
printf '' | "$cli" --type 20 >/dev/null || fail "empty input"
head -c 300000 /dev/zero | tr '\0' '1' | "$cli" --type 20 >/dev/null || fail "long input"
# A line too long to mark stands once in the text box; the marked copy echoes only its opening.
size=$( (head -c 300000 /dev/zero | tr '\0' '1'; echo) | "$cli" --type 20 --mark | wc -c)
[ "$size" -lt 301000 ] || fail "a refused line written twice ($size bytes)"
# A zoom about a pixel far outside the picture answers at once, with a picture of the usual size.
size=$(printf 'zoom 0.01 0 1e308\n%%%%\nzoom 0.01 0 1e308\n' | "$cli" --pictures | wc -c)
[ "$size" -lt 200000 ] || fail "zoom far outside the picture ($size bytes)"

# --compute-only computes on the text as given: "/" stays a fraction bar, as when a pupil edits
# the checked text by hand.
expect "compute-only fraction" "  1/2" "$(printf '3/4×2/3\n' | "$cli" --type 20 --compute-only --level 1 | tail -n 1)"
expect "compute-only keeps the text" "3/4×2/3" "$(printf '3/4×2/3\n' | "$cli" --type 20 --compute-only | head -n 1)"
printf '' | "$cli" --type 20 --check-only --compute-only >/dev/null 2>&1
expect "check-only with compute-only" 2 $?

# What an input method types is read; a character that still cannot be read is named, in Chinese,
# with its line, and the status is 1.
expect "full-width input" "2×(3＋4)－5" "$(printf '２*(３+４)−５\n' | "$cli" --type 8 --check-only)"
err=$(printf '1+2\n3+\360\237\230\200\n' | "$cli" --type 8 2>&1 >/dev/null)
expect "unreadable status" 1 $?
expect "unreadable named" "qimbel-cli: 第2行有无法处理的字符“😀”（U+1F600），请删去它，或换成键盘上的符号再试。" "$err"
# 出题: made problems one a line, the same for the same seed, each answered by --type as made;
# --similar prints N a line read; --paper prints a paper and its key; bad requests exit with 2.
made=$("$cli" --make 25 --level 提高 --count 5 --seed 3)
expect "make: five lines" 5 "$(printf '%s\n' "$made" | wc -l)"
expect "make: the same seed" "$made" "$("$cli" --make 25 --level 提高 --count 5 --seed 3)"
first=$("$cli" --make 25 --level 提高 --count 1 --seed 3 --answers)
expect "make: the page answers as made" "$(printf '%s' "$first" | cut -f2)" \
    "$(printf '%s\n' "$(printf '%s' "$first" | cut -f1)" | "$cli" --type 25 --level 1 | tail -n 1)"
expect "similar: two for each line" 4 "$(printf '3x+5=2x-7\n4(x-1)=2x+6\n' | "$cli" --type 25 --similar 2 2>/dev/null | wc -l)"
"$cli" --paper 8 --seed 5 | grep -q '^八年级数学测试卷　答案（试卷编号：5）' || fail "paper with its key"
"$cli" --make 19 >/dev/null 2>&1
expect "make: a type without a maker" 2 $?
# Type 0: the word problems of the 小学应用题 page, answered by --page 131 as they are made.
"$cli" --make 0 --level 提高 --count 2 --seed 3 | "$cli" --page 131 | grep -c '^答：' | grep -qx 2 || fail "make 0: word problems the page answers"
"$cli" --make 25 --level 很难 >/dev/null 2>&1
expect "make: an unknown level" 2 $?
"$cli" --paper 10 >/dev/null 2>&1
expect "paper: no such grade" 2 $?

if [ "$failures" -eq 0 ]; then echo "cli contract: all checks passed"; fi
[ "$failures" -eq 0 ]
