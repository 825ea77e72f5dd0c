#!/usr/bin/env bash
# Runs a script with the workbench's script driver and checks its output.
# In the script:  "#> LINE"   a line the output must show, in this order;
#                 "#x LINE"   a line the output must never show;
#                 "#@ ARGS"   extra arguments for the driver (--screen 800x600);
#                 "#= CODE"   the exit code expected (0 unless given);
#                 "#! TEXT"   text standard error must contain.
set -u
program=$1 script=$2
args=$(sed -n 's/^#@ //p' "$script")
want_code=$(sed -n 's/^#= //p' "$script"); want_code=${want_code:-0}
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
# shellcheck disable=SC2086
"$program" --script "$script" $args >"$out" 2>"$err"
code=$?
failed=0
if [ "$code" != "$want_code" ]; then
  echo "exit code $code, expected $want_code"; failed=1
fi
# Expected lines must appear in order; each match moves the search on.
awk -v expected_file="$script" '
  BEGIN {
    n = 0
    while ((getline line < expected_file) > 0) {
      if (substr(line, 1, 3) == "#> ") want[++n] = substr(line, 4)
      if (substr(line, 1, 3) == "#x ") never[substr(line, 4)] = 1
    }
    i = 1
    bad = 0
  }
  $0 in never { print "the output must not show: " $0; bad = 1 }
  i <= n && $0 == want[i] { i++ }
  END {
    if (i <= n) { print "missing, in order, from the output: " want[i]; bad = 1 }
    exit bad
  }' "$out" || failed=1
while IFS= read -r text; do
  grep -qF -- "$text" "$err" || { echo "standard error lacks: $text"; failed=1; }
done < <(sed -n 's/^#! //p' "$script")
if [ $failed != 0 ]; then
  echo "--- output"; cat "$out"; echo "--- standard error"; cat "$err"
fi
exit $failed
