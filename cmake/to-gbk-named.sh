#!/bin/sh
# to-gbk-named.sh DIR SRC...: each UTF-8 text file SRC becomes DIR/<its name in GBK>, in GBK with
# CR LF line ends, for data that the program opens by a GBK name (the formula files). Files of
# DIR that no SRC gives any more are removed.
set -e
dir=$1
shift
mkdir -p "$dir"
rm -f "$dir"/*.ini
for src in "$@"; do
    name=$(basename "$src" | iconv -f UTF-8 -t GBK)
    sh "$(dirname "$0")/to-gbk.sh" "$src" "$dir/$name"
done
