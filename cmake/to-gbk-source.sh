#!/bin/sh
# to-gbk-source.sh SRC DST: a UTF-8 source file as GBK, for compilers that keep string literals in
# the source's bytes (clang has no -fexec-charset=GBK). Characters that GBK lacks can only stand in
# comments (the GCC build turns every literal into GBK); they become "?".
set -e
iconv -f UTF-8 -t GBK//TRANSLIT "$1" > "$2.tmp"
mv "$2.tmp" "$2"
