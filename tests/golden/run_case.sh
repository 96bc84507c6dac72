#!/usr/bin/env bash
# Runs one golden sample of corvane-cli and compares standard output, exit
# status and the exact set and bytes of the files left behind.
#   run_case.sh CLI DATA_DIR CASE EXPECTED_RC SETUP_FILE|- NAME=EXPECTED_FILE...
# With CORVANE_EMULATOR set (a command line, e.g. Wine), CLI is a Windows
# program run through it: it names the work directory the Windows way.
set -u
cli=$1 data=$2 case=$3 rc_expected=$4 setup=$5
shift 5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ "$setup" != "-" ] && cp "$data/$setup" "$work/setup.dat"

cd "$work" || exit 1
${CORVANE_EMULATOR:-} "$cli" "$data/$case.txt" >"$work/.stdout" 2>"$work/.stderr"
rc=$?
cd / || exit 1

failed=0
if [ -n "${CORVANE_EMULATOR:-}" ]; then
  # Wine's drive Z: is the root: /tmp/x is Z:\tmp\x, and the report name
  # there ends in "\corvanetest.txt" rather than "/corvanetest.txt".
  CWD_NAME="Z:${work//\//\\}\\" perl -pe 's/\Q$ENV{CWD_NAME}\E/<CWD>\//g' "$work/.stdout" >"$work/.stdout.cwd"
else
  sed "s|$work|<CWD>|g" "$work/.stdout" >"$work/.stdout.cwd"
fi
if ! cmp -s "$work/.stdout.cwd" "$data/$case.expected"; then
  echo "standard output differs from $case.expected:"
  diff "$data/$case.expected" "$work/.stdout.cwd" | head -40
  failed=1
fi
if [ "$rc" != "$rc_expected" ]; then
  echo "exit status $rc, expected $rc_expected; stderr:"
  cat "$work/.stderr"
  failed=1
fi

declare -A expected=()
for pair in "$@"; do
  name=${pair%%=*} file=${pair#*=}
  expected[$name]=$file
  if [ ! -f "$work/$name" ]; then
    echo "missing file $name"
    failed=1
  elif ! cmp -s "$work/$name" "$data/$file"; then
    echo "file $name differs from $file:"
    diff <(od -c "$data/$file") <(od -c "$work/$name") | head -20
    failed=1
  fi
done
while IFS= read -r -d '' path; do
  name=${path#"$work/"}
  case $name in .stdout|.stdout.cwd|.stderr) continue ;; esac
  if [ -z "${expected[$name]+x}" ]; then
    echo "unexpected file $name"
    failed=1
  fi
done < <(find "$work" -mindepth 1 -print0)
exit $failed
