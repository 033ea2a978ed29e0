# Sourced by the install tests: the build folder from $1, a scratch folder $scratch removed on
# exit, and fail/finish to count and report failed checks.
set -u
build="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
finish() { # finish WHAT
    if [ "$failures" -eq 0 ]; then echo "$1: all checks passed"; fi
    [ "$failures" -eq 0 ]
}
