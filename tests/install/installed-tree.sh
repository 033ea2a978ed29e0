#!/bin/sh
# installed-tree.sh BUILD-DIR: installs the build below a scratch DESTDIR with prefix /usr and runs
# the installed programs from there, as a school's computer would after `apt install`.
. "$(dirname "$0")/common.sh"
root="$scratch"

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
usr="$root/usr"

# The layout: links in bin/, the installation folder lib/qimbel/ with every data folder the
# program reads, the desktop files.
for path in bin/qimbel bin/qimbel-cli lib/qimbel/qimbel lib/qimbel/qimbel-cli \
    share/applications/org.qimbel.Qimbel.desktop share/icons/hicolor/scalable/apps/org.qimbel.Qimbel.svg \
    share/metainfo/org.qimbel.Qimbel.metainfo.xml; do
    [ -e "$usr/$path" ] || fail "missing $path"
done
for folder in Help/JianJie Help/ZhaiYao Help/ShiLi Document/GongShi ZhiShi KaoShi; do
    [ -d "$usr/lib/qimbel/$folder" ] || fail "missing folder lib/qimbel/$folder"
done
[ -f "$usr/lib/qimbel/Document/danwei.ini" ] || fail "missing the unit table"
# The exercise generators the launcher page starts come along in KaoShi/.
[ -x "$usr/lib/qimbel/KaoShi/KouSuan/kousuan" ] || fail "missing the program lib/qimbel/KaoShi/KouSuan/kousuan"
[ -s "$usr/lib/qimbel/ZhiShi/shuxuegongshidinglvshouce.html" ] || fail "missing the formula handbook"

# The versions.
[ "$("$usr/bin/qimbel-cli" --version)" = "qimbel-cli 3.0" ] || fail "qimbel-cli --version"
[ "$("$usr/bin/qimbel" --version)" = "qimbel 3.0" ] || fail "qimbel --version"
"$usr/bin/qimbel-cli" --help | grep -q '^usage: qimbel-cli' || fail "qimbel-cli --help"

# A unit conversion needs the unit table, which the installed program finds through its links;
# it works out exactly as in the build folder.
problem='3千米500米=()米'
installed=$(printf '%s\n' "$problem" | "$usr/bin/qimbel-cli" --type 6) || fail "installed qimbel-cli failed"
built=$(printf '%s\n' "$problem" | "$build/bin/qimbel-cli" --type 6)
printf '%s\n' "$installed" | grep -qx '3千米500米=3500米' || fail "no answer 3500米 from the installed qimbel-cli: $installed"
[ "$installed" = "$built" ] || fail "the installed qimbel-cli differs from the built one"

# The formula files under their readable names (every name in the folder is UTF-8), with the name
# index by which the page opens them; the installed page solves a word problem with one.
formulas="$usr/share/qimbel/Document/GongShi"
for file in 长方形.ini 圆柱.ini names.tsv; do
    [ -f "$formulas/$file" ] || fail "missing Document/GongShi/$file"
done
ls "$formulas" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1 || fail "a formula file name that is not UTF-8: $(ls "$formulas")"
worked=$(printf '%s\n' '〖长方形〗长是5米，宽是3米，求面积是多少？' | "$usr/bin/qimbel-cli" --page 131) || fail "qimbel-cli --page 131"
printf '%s\n' "$worked" | grep -q '^＝15  *第1步:5×3=15 的乘法计算' || fail "no area 15 from the installed formula file: $worked"

# The window starts (offscreen) and finds its help texts.
QT_QPA_PLATFORM=offscreen "$usr/bin/qimbel" --startup-test >/dev/null 2>"$root/startup.err" \
    || fail "installed qimbel --startup-test: $(cat "$root/startup.err")"

# The desktop entry and the AppStream data pass their validators.
desktop-file-validate "$usr/share/applications/org.qimbel.Qimbel.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/org.qimbel.Qimbel.metainfo.xml" >"$root/appstream.out" 2>&1 \
    || fail "appstreamcli validate: $(cat "$root/appstream.out")"

# 小学数学四则运算自动出题系统, at the path the 自动出卷及测试 page starts.
[ -x "$usr/lib/qimbel/KaoShi/ChuTi/chuti" ] || fail "missing the program KaoShi/ChuTi/chuti"

finish "installed tree"
