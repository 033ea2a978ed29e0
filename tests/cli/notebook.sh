#!/bin/sh
# qimbel-cli --notebook as users script it: adding marked workings, the schedule by date, export
# and import; then, in a mount namespace of its own, a full disk (a small tmpfs) and a read-only
# folder. Exit 77 (skipped) for the second half where namespaces are not allowed.
cli="$1"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() { # expect NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then fail "$1: expected [$2], got [$3]"; fi
}
has() { # has NAME NEEDLE TEXT
    case "$3" in *"$2"*) ;; *) fail "$1: [$2] not in [$3]" ;; esac
}

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
nb="$dir/n.db"

if [ "$2" != "--faults" ]; then
    out=$(printf '3-(2+1)\n=3-2+1\n=2\n\n5-(1+2)\n=5-3\n=2\n' | "$cli" --notebook "$nb" --add --type 8 --date 2026-12-01)
    expect "add" "记下了 [1]：3-(2+1)
没有错的步骤，不用记下：5-(1+2)" "$out"
    out=$(printf '3 - (2+1)\n=3-2+1\n=2\n' | "$cli" --notebook "$nb" --add --type 8 --date 2026-12-03)
    expect "add again" "已经在错题本里，又错了一次 [1]：3 - (2+1)" "$out"
    expect "not due the same day" "今天没有要重做的错题。" "$("$cli" --notebook "$nb" --due --date 2026-12-03)"
    expect "due the next day" "[1] 2026-12-03 四则混合运算 3-(2+1)  错在第1步：去括号时没有变号  今天要重做" \
        "$("$cli" --notebook "$nb" --due --date 2026-12-04)"
    expect "redo right" "下次重做：2026-12-06。" "$("$cli" --notebook "$nb" --redo 1 --right --date 2026-12-04)"
    expect "learnt" "已掌握。" "$("$cli" --notebook "$nb" --redo 1 --right --date 2026-12-06)"
    expect "list hides the learnt" "错题本里没有这样的错题。" "$("$cli" --notebook "$nb" --list --date 2026-12-06)"
    has "stats" "去括号时没有变号：1" "$("$cli" --notebook "$nb" --stats --date 2026-12-06)"

    # Export, import into a new file, export again: the same text.
    "$cli" --notebook "$nb" --export > "$dir/a.json" || fail "export"
    expect "import" "导入了1道错题。" "$("$cli" --notebook "$dir/m.db" --import < "$dir/a.json")"
    "$cli" --notebook "$dir/m.db" --export > "$dir/b.json"
    cmp -s "$dir/a.json" "$dir/b.json" || fail "export/import round trip"
    # A damaged file changes nothing and says so.
    head -c 100 "$dir/a.json" > "$dir/cut.json"
    out=$("$cli" --notebook "$dir/m.db" --import < "$dir/cut.json" 2>&1)
    status=$?
    expect "damaged import status" 1 "$status"
    has "damaged import" "没有改动" "$out"
    # Not a notebook file at all.
    printf 'hello' > "$dir/junk.db"
    out=$("$cli" --notebook "$dir/junk.db" --list 2>&1)
    expect "junk status" 1 "$?"
    has "junk" "错题本文件已经损坏" "$out"
    expect "junk kept" "hello" "$(cat "$dir/junk.db")"
    expect "types that cannot be marked" "这一类题目还不能批改。" "$(printf '1\n' | "$cli" --notebook "$nb" --add --type 1 2>&1)"
    "$cli" --notebook "$nb" --due --date 2026-13-01 2>/dev/null
    expect "bad date" 2 "$?"

    if [ "$failures" -ne 0 ]; then exit 1; fi
    # The second half runs as root of a private mount namespace.
    unshare -rm true 2>/dev/null || exit 77
    exec unshare -rm sh "$0" "$cli" --faults
fi

# A full disk: a 64 KiB tmpfs filled up by adding.
mkdir "$dir/small"
mount -t tmpfs -o size=64k tmpfs "$dir/small" || exit 77
i=0
last=0
while [ $i -lt 400 ]; do
    i=$((i + 1))
    out=$(printf '%s-(2+1)\n=%s-2+1\n' $i $i | "$cli" --notebook "$dir/small/n.db" --add --type 8 --date 2026-12-01 2>&1)
    if [ $? -ne 0 ]; then
        has "full disk" "磁盘已满" "$out"
        break
    fi
    last=$i
done
[ $i -lt 400 ] || fail "the disk never filled"
[ $last -gt 3 ] || fail "nothing was added before the disk filled"
echo "full disk after $last entries"
count=$("$cli" --notebook "$dir/small/n.db" --list --date 2026-12-01 | wc -l)
expect "entries kept on a full disk" "$last" "$count"
# Reading still works with the disk full; so does deleting, which makes room again.
"$cli" --notebook "$dir/small/n.db" --delete 1 > /dev/null || fail "delete on a full disk"

# A read-only folder: the notebook is read, a new entry is refused in Chinese.
mkdir "$dir/ro"
mount -t tmpfs -o size=1m tmpfs "$dir/ro" || exit 77
printf '3-(2+1)\n=3-2+1\n' | "$cli" --notebook "$dir/ro/n.db" --add --type 8 --date 2026-12-01 > /dev/null
mount -o remount,ro "$dir/ro" || exit 77
expect "read-only list" 1 "$("$cli" --notebook "$dir/ro/n.db" --list --date 2026-12-01 | wc -l)"
out=$(printf '4-(2+1)\n=4-2+1\n' | "$cli" --notebook "$dir/ro/n.db" --add --type 8 --date 2026-12-01 2>&1)
expect "read-only add status" 1 "$?"
has "read-only add" "不能写入" "$out"
out=$("$cli" --notebook "$dir/ro/new.db" --list 2>&1)
expect "read-only new file status" 1 "$?"
has "read-only new file" "不能写入" "$out"
umount "$dir/ro" "$dir/small"

[ "$failures" -eq 0 ]
