#!/bin/sh
# make-seeds.sh OUT: the seed corpora of the fuzz targets, one folder per target under OUT, made
# from the inputs of the golden texts and the worked examples of the help texts (both UTF-8 in the
# repo; the targets take GBK with CR LF, as the text box holds it).
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$1
mkdir -p "$out/pages" "$out/ini" "$out/units" "$out/encoding"

# The problem types in the order of the type table (19 is not used): a seed's first byte is the
# type's index plus 30 times the level's index (5, 4, 1), as FuzzPages.cpp reads it.
types="1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 20 21 22 23 24 25 26 27 28 29 30 31"
selector() { # selector TYPE LEVEL
    i=0
    for t in $types; do
        [ "$t" = "$1" ] && break
        i=$((i + 1))
    done
    case $2 in 4) i=$((i + 30)) ;; 1) i=$((i + 60)) ;; esac
    printf "\\$(printf %o "$i")"
}
level() { # the first byte of a units seed: the level's index (5, 4, 1)
    case $1 in 4) printf '\001' ;; 1) printf '\002' ;; *) printf '\000' ;; esac
}
gbk() { sed 's/\r*$/\r/' "$1" | iconv -f UTF-8 -t GBK; }

n=0
for dir in "$root"/tests/golden/*/*/; do
    [ -f "$dir/cmd" ] && [ -f "$dir/input.txt" ] || continue
    set -- $(cat "$dir/cmd")
    type=""
    level=5
    while [ $# -gt 0 ]; do
        case $1 in
        --type) type=$2; shift ;;
        --level) level=$2; shift ;;
        esac
        shift
    done
    [ -n "$type" ] || continue
    n=$((n + 1))
    { selector "$type" "$level"; gbk "$dir/input.txt"; } > "$out/pages/golden-$n"
    cp "$dir/input.txt" "$out/encoding/golden-$n"
    if [ "$type" = 6 ]; then
        { level "$level"; head -n 1 "$dir/input.txt" | iconv -f UTF-8 -t GBK; printf '\n';
          gbk "$root/data/Document/danwei.ini"; } > "$out/units/golden-$n"
    fi
done
for file in "$root"/data/Help/ShiLi/*.txt; do
    type=$(basename "$file" .txt)
    for level in 5 4 1; do
        { selector "$type" "$level"; gbk "$file"; } > "$out/pages/example-$type-$level"
    done
    gbk "$file" > "$out/encoding/example-$type"
done
gbk "$root/data/Document/danwei.ini" > "$out/ini/danwei.ini"
gbk "$root/data/Document/danwei.ini" > "$out/encoding/danwei.ini"

# formula: a golden problem whose 〖 〗 names 公式 (the name the target writes its file under), the
# formula file it named, and the index as the build writes it (the target's default).
mkdir -p "$out/formula" "$out/graph" "$out/chart"
n=0
for input in "$root"/tests/golden/wordproblems/*/input.txt; do
    name=$(head -n 1 "$input" | sed -n 's/^〖\([^〗]*\)〗.*/\1/p')
    [ -n "$name" ] && [ -f "$root/data/Document/GongShi/$name.ini" ] || continue
    n=$((n + 1))
    { head -n 1 "$input" | sed 's/^〖[^〗]*〗/〖公式〗/' | iconv -f UTF-8 -t GBK
      gbk "$root/data/Document/GongShi/$name.ini"; } > "$out/formula/golden-$n"
done
# graph: functions as a pupil types them.
for f in 'x^2' '2x＋1' '6/x' '(x＋1)(x－2)' 'y＝－x^3＋2x' '1/(x－1)' '0.5x'; do
    printf '%s' "$f" | iconv -f UTF-8 -t GBK > "$out/graph/seed-$n"
    n=$((n + 1))
done
# chart: the default table as each chart (kind byte, width and height little-endian, title line,
# rows of tab-separated cells), and data for the histogram with and without a class width.
table='某小学各年级男女学生人数统计图
年级	一年级	二年级	三年级	四年级	五年级	六年级
男生	61	34	37	72	95	60
女生	43	54	76	43	41	80'
for kind in 0 1 2; do
    { printf "\\$(printf %o "$kind")\\364\\001\\220\\001"; printf '%s' "$table" | iconv -f UTF-8 -t GBK; } \
        > "$out/chart/table-$kind"
done
printf '\003\364\001\220\001\n141 152 148 150 139 162 158 147 155 151 146 149' > "$out/chart/histogram"
printf '\003\364\001\220\001' > "$out/chart/histogram-width"
printf '5\n141,152,148 150\n139 162 158 147 155 151 146 149' >> "$out/chart/histogram-width"

# pictures: request sequences as the pages send them, one request a line ("%%" ends one with a body).
mkdir -p "$out/pictures" "$out/typeset" "$out/marking"
printf 'add y=x^2\nzoom 2 250 250\npan 30 -40\ntrace 260 200\npicture\n' > "$out/pictures/graph"
printf 'size 800 600\nadd y=1/x\nzoomout\nzoomout\ngrid 0\nreset\ntrace 100 100\n' > "$out/pictures/resize"
{ printf 'chart bar 500 400\n'; printf '%s\n' "$table" | iconv -f UTF-8 -t GBK; printf '%%%%\n'; } > "$out/pictures/chart"
printf 'histogram 500 400\nt\n5\n141 152 148 150 139 162\n%%%%\n' > "$out/pictures/histogram"
# typeset: the golden texts' inputs computed by their type, and the expected texts as they are.
n=0
for dir in "$root"/tests/golden/*/*/; do
    [ -f "$dir/expected.txt" ] || continue
    n=$((n + 1))
    { printf '\000'; gbk "$dir/expected.txt"; } > "$out/typeset/golden-$n"
done
cp "$out"/pages/example-* "$out/typeset/" 2>/dev/null || true
# marking: problems of the expression types (selector = index of 8, 20, 21, 22, 23) and systems.
i=0
for problem in '12+9*3' '(1/2+1/3)*6' '2a(a+b)-3ab' 'x^2-4' '1/(x-1)+1/(x+1)'; do
    { printf "\\$(printf %o "$i")"; printf '%s' "$problem"; } > "$out/marking/own-$i"
    i=$((i + 1))
done
printf '\005\012\012\016\012\010\012\001\012\011\022' > "$out/marking/system"
# One-unknown equations: selector 6, then the index of 9, 25, 27, 29, 30, then the lines.
printf '\006\000%s' '3(x-1)=2x+1
3x-3=2x+1
x=4' > "$out/marking/equation-9"
printf '\006\002%s' 'x^2-5x+6=0
(x-2)(x-3)=0
x1=2,x2=3' > "$out/marking/equation-27"
printf '\006\003%s' '1/(x-1)=2/(x+1)
x+1=2(x-1)
x=3' > "$out/marking/equation-29"
printf '\006\004%s' '2x+1>5
2x>4
x>2' > "$out/marking/equation-30"
