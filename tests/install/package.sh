#!/bin/sh
# package.sh BUILD-DIR: builds the .deb into a scratch folder and checks what it holds and needs.
. "$(dirname "$0")/common.sh"
out="$scratch"

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$out"/qimbel_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "FAIL: no qimbel_*.deb"; exit 1; }

contents=$(dpkg-deb --contents "$deb")
for path in ./usr/bin/qimbel ./usr/bin/qimbel-cli ./usr/lib/qimbel/qimbel ./usr/lib/qimbel/qimbel-cli \
    ./usr/lib/qimbel/Help ./usr/lib/qimbel/Document ./usr/lib/qimbel/ZhiShi ./usr/lib/qimbel/KaoShi/ \
    ./usr/share/qimbel/Help/JianJie/1.txt ./usr/share/qimbel/Help/ZhaiYao/1.txt ./usr/share/qimbel/Help/ShiLi/1.txt \
    ./usr/share/qimbel/Document/danwei.ini ./usr/share/qimbel/Document/GongShi/ ./usr/share/qimbel/ZhiShi/ \
    ./usr/share/qimbel/Document/GongShi/长方形.ini ./usr/share/qimbel/Document/GongShi/names.tsv \
    ./usr/share/applications/org.qimbel.Qimbel.desktop ./usr/share/icons/hicolor/scalable/apps/org.qimbel.Qimbel.svg \
    ./usr/share/metainfo/org.qimbel.Qimbel.metainfo.xml; do
    printf '%s\n' "$contents" | awk '{print $6}' | grep -qxF "$path" || fail "the package lacks $path"
done
# Nothing of the build or the tests goes in.
printf '%s\n' "$contents" | grep -E 'test_|bench_|screenshots' && fail "test or build programs in the package"

depends=$(dpkg-deb -f "$deb" Depends)
for need in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins fonts-wqy-zenhei \
    qt6-translations-l10n libqt6sql6 libqt6sql6-sqlite; do
    printf '%s\n' "$depends" | grep -q "$need" || fail "Depends lacks $need: $depends"
done
# qimbel-cli holds SQLite itself when linked statically (QIMBEL_STATIC_CLI); linked to the shared
# library, the package must depend on it.
mkdir -p "$out/unpacked"
dpkg-deb -x "$deb" "$out/unpacked"
if objdump -p "$out/unpacked/usr/lib/qimbel/qimbel-cli" | grep -q 'NEEDED.*libsqlite3'; then
    printf '%s\n' "$depends" | grep -q libsqlite3-0 || fail "Depends lacks libsqlite3-0: $depends"
fi
[ "$(dpkg-deb -f "$deb" Package)" = qimbel ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = 3.0 ] || fail "package version"

finish "package $(basename "$deb")"
