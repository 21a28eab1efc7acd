#!/bin/sh
# Runs quillcheck over an unpacked script corpus as its server loads it, and prints the findings
# per 10,000 lines and by code.
#   bench/corpus_rate.sh QUILLCHECK CORPUS_FOLDER [SERVER] [LOAD_LIST]
# e.g. bench/corpus_rate.sh build/Quillmere/quillcheck /tmp/corpus hercules npc/re/scripts_main.conf
set -eu
checker=$(realpath "$1")
corpus=$2
server=${3:-hercules}
list=${4:-npc/re/scripts_main.conf}
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
cd "$corpus"
status=0
"$checker" --server "$server" --load-list "$list" --verbose >"$out" 2>"$err" || status=$?
lines=$(sed -n 's/.* \([0-9]*\) lines checked$/\1/p' "$err")
findings=$(wc -l <"$out")
grep -v 'lines checked$' "$err" || true
echo "exit status $status; $findings findings in $lines lines"
awk -v f="$findings" -v l="$lines" 'BEGIN { if (l > 0) printf "%.2f findings per 10,000 lines\n", f * 10000 / l }'
echo "by code:"
sed -n 's/.*\[\([a-z-]*\)\]$/\1/p' "$out" | sort | uniq -c | sort -rn
