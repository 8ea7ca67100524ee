#!/usr/bin/env bash
# Prints the test lines as a share of the lines of src, tools and bench,
# counting neither blank lines nor comment lines. The house rule: at most 40 %.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
        xargs -0 awk '
            /^[[:space:]]*$/ { next }
            inblock { if ($0 ~ /\*\//) inblock = 0; next }
            /^[[:space:]]*\/\// { next }
            /^[[:space:]]*\/\*/ { if ($0 !~ /\*\//) inblock = 1; next }
            { n++ }
            END { print n + 0 }' | awk '{ s += $1 } END { print s + 0 }'
}

code=$(count src tools bench)
tests=$(count tests)
percent=$(( (tests * 1000 / code + 5) / 10 ))
echo "code: $code lines (src, tools, bench)"
echo "tests: $tests lines"
echo "tests/code: $percent %"
if [ "$percent" -gt 40 ]; then
    echo "over the 40 % the house allows" >&2
    exit 1
fi
