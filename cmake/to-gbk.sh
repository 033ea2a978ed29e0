#!/bin/sh
# to-gbk.sh SRC DST: UTF-8 text with LF (or CR LF) line ends to GBK with CR LF line ends.
set -e
sed 's/\r*$/\r/' "$1" | iconv -f UTF-8 -t GBK > "$2.tmp"
mv "$2.tmp" "$2"
