#!/usr/bin/env bash
# Report and mixture files that two processes share or a full disk cuts
# short, and what corvane-cli says of the files it could not write. The same
# cases on Linux and, with the emulator's command after CLI, under Wine.
#   report_faults_test.sh CLI [EMULATOR...]
set -u
cli=$(realpath "$1")
shift
emulator=("$@")
cvn() { "${emulator[@]}" "$cli" "$@"; }
windows=0
case "$cli" in *.exe) windows=1 ;; esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# One record, as a run at the start-up state writes it.
printf 'set report one.txt\ncheck write\nrun\n' | cvn - >/dev/null
[ -s one.txt ] || { echo "FAIL: no record written"; exit 1; }

# Two processes appending 2,000 records each onto an existing empty report:
# 4,000 whole records, none torn, none lost.
runs=2000
{
  printf 'set report shared.txt\ncheck write\ncheck append\n'
  yes run | head -n $runs
} >appends.txt
: >shared.txt
cvn appends.txt >/dev/null &
first=$!
cvn appends.txt >/dev/null
wait $first
expected=$(od -An -v -tx1 one.txt | tr -d ' \n')
expected=$(printf "%$((2 * runs))s" '' | sed "s/ /$expected/g")
printf '%s' "$expected" | xxd -r -p >expected.txt
cmp -s shared.txt expected.txt ||
  fail "two writers: $(grep -c '^BWRS' shared.txt) records of $((2 * runs)), $(stat -c %s shared.txt) bytes of $(stat -c %s expected.txt)"

# One process appending while another replaces the report again and again
# (each edit of the name makes the next record replace the file): whatever
# is left is whole records, none torn.
{
  printf 'check write\n'
  for _ in $(seq 50); do printf 'set report shared.txt\nrun\n'; done
} >replaces.txt
cvn appends.txt >/dev/null &
first=$!
cvn replaces.txt >/dev/null
wait $first
count=$(( $(stat -c %s shared.txt) / $(stat -c %s one.txt) ))
[ -n "${VERBOSE:-}" ] && echo "records left after appending while replacing: $count"
head -c $(( count * $(stat -c %s one.txt) )) expected.txt | cmp -s - shared.txt ||
  fail "appending while replacing: not whole records ($(stat -c %s shared.txt) bytes)"
[ "$count" -le $((runs + 1)) ] || fail "appending while replacing: the report was never replaced ($count records)"

# A disk that is full (no file may grow at all) while the report is
# replaced and while a mixture is saved over an older one: the old files
# stay byte for byte, and no temporary is left beside them.
for _ in 1 2 3; do cat one.txt; done >old.txt
cp old.txt old-copy.txt
printf 'save mix.dat\n' | cvn - >/dev/null
cp mix.dat mix-copy.dat
(
  trap '' XFSZ
  ulimit -f 0
  printf 'set report old.txt\ncheck write\nrun\nset methane 0.5\nsave mix.dat\n' | cvn - >/dev/null
) || fail "full disk: the script did not end with status 0"
cmp -s old.txt old-copy.txt || fail "full disk: the old report was touched"
cmp -s mix.dat mix-copy.dat || fail "full disk: the old mixture was touched"
ls | grep -q tmp && fail "full disk: a temporary is left: $(ls)"

# The mixture files' default extension: on Windows a backslash ends a folder
# name too.
mkdir sub.d
printf 'save sub.d\\mix\n' | cvn - >/dev/null
if [ $windows = 1 ]; then
  [ -f sub.d/mix.dat ] || fail "save sub.d\\mix: no sub.d\\mix.dat: $(ls . sub.d)"
else
  [ -f 'sub.d\mix' ] || fail "save sub.d\\mix: the name was changed: $(ls)"
fi

# What the command line's own flags could not write: a line and status 1.
state=(--pressure 1000 --temperature 80)
expect() {  # STATUS PATTERN COMMAND...: the status and a line of standard error
  local status=$1 pattern=$2
  shift 2
  "$@" >/dev/null 2>err.txt
  local got=$?
  [ $got = "$status" ] || fail "$*: status $got, not $status"
  if [ -z "$pattern" ]; then
    [ -s err.txt ] && fail "$*: standard error says \"$(cat err.txt)\""
    return
  fi
  grep -q -- "$pattern" err.txt || fail "$*: standard error says \"$(cat err.txt)\""
}
expect 1 '^corvane-cli: cannot write missing/r.txt: ' cvn "${state[@]}" --report missing/r.txt
expect 1 '^corvane-cli: cannot write absent.txt: no such file to append to' cvn "${state[@]}" --report absent.txt --append
[ -e absent.txt ] && fail "--append created the report"
if [ -e /dev/full ]; then
  expect 1 '^corvane-cli: cannot write /dev/full: ' cvn "${state[@]}" --report /dev/full
  # Standard output that takes nothing: status 2, for flags and for scripts.
  cvn "${state[@]}" >/dev/full 2>err.txt
  [ $? = 2 ] || fail "flags onto /dev/full: status not 2"
  grep -q '^corvane-cli: cannot write standard output' err.txt || fail "flags onto /dev/full: \"$(cat err.txt)\""
  printf 'show\n' | cvn - >/dev/full 2>/dev/null
  [ $? = 2 ] || fail "script onto /dev/full: status not 2"
fi
expect 0 '' cvn "${state[@]}" --report r.txt
cvn "${state[@]}" --report r.txt --append >/dev/null || fail "--append onto an existing report: status"
[ "$(grep -c '^BWRS' r.txt)" = 2 ] || fail "--append: not two records"

# An output that is its input under another spelling of the name (Windows
# names ignore case): refused, the input left whole.
if [ $windows = 1 ]; then
  printf 'pressure,temperature\n1000,80\n' >a.csv
  cp a.csv a-copy.csv
  expect 2 'A.CSV is the input; not overwritten' cvn --batch a.csv --out A.CSV
  cmp -s a.csv a-copy.csv || fail "--out A.CSV: the input was touched"
fi

exit $failed
