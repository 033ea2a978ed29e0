#!/bin/sh
# formula-files.sh DIR SRC...: each UTF-8 formula file SRC becomes DIR/<its own name>, in GBK with
# CR LF line ends. The page opens a file by the GBK name that the pupil writes in 〖 〗, so DIR also
# gets the name index names.tsv: one line per file, the GBK name (without ".ini"), a tab and the
# file's name in DIR, both as raw bytes, CR LF. Files of DIR that no SRC gives any more are removed.
set -e
dir=$1
shift
mkdir -p "$dir"
rm -f "$dir"/*.ini
index="$dir/names.tsv"
: > "$index.tmp"
for src in "$@"; do
    file=$(basename "$src")
    gbk=$(basename "$src" .ini | iconv -f UTF-8 -t GBK)
    sh "$(dirname "$0")/to-gbk.sh" "$src" "$dir/$file"
    printf '%s\t%s\r\n' "$gbk" "$file" >> "$index.tmp"
done
mv "$index.tmp" "$index"
