#!/usr/bin/env bash
# The checker's command line: its exit statuses and messages. Usage: checker_cli.sh CHECKER
set -euo pipefail
Checker=$1
Folder=$(mktemp -d)
trap 'rm -rf "$Folder"' EXIT
cd "$Folder"
fail() { echo "FAIL: $*" >&2; exit 1; }
status() { local S=0; "$Checker" "$@" > out.txt 2> err.txt || S=$?; echo $S; }

Wall=wwwwwwwwwwwwwwwwwwww
level() { printf '%s\n' "$Wall" "$1" "$Wall" "$Wall" "$Wall" "$Wall" "$Wall" "$Wall" "$Wall" "$Wall" "$Wall" "$Wall" "$Wall"; }
level 'whbt wwwwwwwwwwwwwww' > good.txt
level 'wwwhbwtwwwwwwwwwwwww' > stuck.txt

[ "$(status --help)" = 0 ] && grep -q '^Usage: kartonik-check' out.txt || fail "--help"
[ "$(status)" = 2 ] && grep -q 'no level file given' err.txt || fail "no arguments"
[ "$(status --bogus good.txt)" = 2 ] && grep -q 'unknown option --bogus' err.txt || fail "bad option"
[ "$(status --max-states x good.txt)" = 2 ] || fail "bad --max-states"
[ "$(status good.txt)" = 0 ] || fail "good level: $(cat out.txt)"
grep -qx 'good.txt: solvable in 1 pushes, 1 moves (2 states)' out.txt || fail "$(cat out.txt)"
[ "$(status --solution good.txt)" = 0 ] && grep -qx 'good.txt: solution: R' out.txt || fail "--solution"
[ "$(status good.txt stuck.txt)" = 1 ] && grep -q '^stuck.txt: error: unsolvable' out.txt ||
    fail "stuck level: $(cat out.txt)"
[ "$(status good.txt absent.txt)" = 2 ] &&
    grep -qx 'absent.txt: error: cannot read the file: No such file or directory' out.txt ||
    fail "missing file: $(cat out.txt)"
mkdir lvl && cp good.txt lvl/one.txt && printf 'lvl/one.txt\n' > lvl/levelindex.txt
[ "$(status --index lvl/levelindex.txt)" = 0 ] && grep -q '^lvl/one.txt: solvable' out.txt ||
    fail "--index: $(cat out.txt)"
[ "$(status --index nothere.txt)" = 2 ] || fail "missing index"
echo PASS
