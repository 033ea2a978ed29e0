#!/bin/sh
# to-gbk-source.sh SRC DST: a UTF-8 source file as GBK, for compilers that keep string literals in
# the source's bytes (clang has no -fexec-charset=GBK). Characters that GBK lacks can only stand in
# comments (the GCC build turns every literal into GBK); they become "?".
set -e
# Some GBK codes end in the byte of a backslash (‐ is A9 5C): at the end of a line that byte would
# splice the next line into a comment. A blank after such a character keeps the lines apart.
iconv -f UTF-8 -t GBK//TRANSLIT "$1" > "$2.tmp"
LC_ALL=C sed -i 's/\([\x81-\xfe]\\\)$/\1 /' "$2.tmp"
mv "$2.tmp" "$2"
