#!/bin/bash
# Kinds are asked through the kind table: no kind code compared with a number
# outside it. Prints the offending lines and fails when there are any.
set -u
root=${1:?source directory}
cd "$root" || exit 2
pattern='\b([Pp]uzzle)?[Kk]ind_?(\(\))?\s*(==|!=|<=|>=|<|>)\s*[1-9]|\bK\s*(==|!=|<=|>=|<|>)\s*[1-9]|[Kk]ind\w*\s*%\s*2'
found=$(grep -rn -E "$pattern" --include='*.cpp' --include='*.h' \
    model render widgets panels board shell app tools game 2>/dev/null |
    grep -v -E '^model/KindTraits\.(h|cpp):')
if [ -n "$found" ]; then
    echo "kind codes compared with numbers outside the kind table:"
    echo "$found"
    exit 1
fi
echo "no numeric kind comparisons"
