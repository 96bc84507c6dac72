#!/usr/bin/env bash
# corvane-cli's inputs that cannot be read: each gives one line on standard
# error and status 2, never an abort, a silent empty run or endless reading.
#   inputs_test.sh CLI
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

expect() {  # expect NAME COMMAND...: status 2 and exactly one line on stderr
  local name=$1
  shift
  "$@" >"$work/out" 2>"$work/err"
  local rc=$?
  if [ "$rc" != 2 ] || [ "$(wc -l <"$work/err")" != 1 ]; then
    echo "$name: status $rc, stderr:"
    cat "$work/err"
    failed=1
  fi
}

expect "standard input a directory" sh -c '"$0" - <"$1"' "$cli" "$work"
expect "standard input closed" sh -c '"$0" <&-' "$cli"
expect "script a directory" "$cli" "$work"
expect "script whose read fails" "$cli" /proc/self/mem
expect "script without end" "$cli" /dev/zero
expect "missing script" "$cli" "$work/none.txt"
expect "batch input a directory" "$cli" --batch "$work"
expect "batch output unwritable" sh -c 'printf "pressure,temperature\n1000,80\n" | "$0" --batch - --out /dev/full' "$cli"
printf 'pressure,temperature\n1000,80\n' >"$work/in.csv"
expect "batch output over its input" "$cli" --batch "$work/in.csv" --out "$work/in.csv"
[ "$(cat "$work/in.csv")" = "$(printf 'pressure,temperature\n1000,80')" ] || { echo "the input was touched"; failed=1; }
expect "script with a flag" "$cli" "$work/in.csv" --pressure 1000
expect "not a number" "$cli" --pressure 1000psia

"$cli" --help | grep -q -- "--batch IN.csv" || { echo "--help does not show the batch"; failed=1; }
"$cli" --help | grep -q "gases: methane, ethane" || { echo "--help does not list the names"; failed=1; }
[ "$("$cli" --version)" = "corvane-cli 1.0" ] || { echo "--version"; failed=1; }
exit $failed
