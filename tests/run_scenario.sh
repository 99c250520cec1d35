#!/usr/bin/env bash
# Plays one scenario script and compares the transcript (and exit code) with
# the .expected file beside it. The first line of an .expected file may be
# "exit N" to expect exit code N (default 0).
set -u
kora=$1
script=$2
expected=${script%.kora}.expected
want_code=0
if head -n 1 "$expected" | grep -q '^exit [0-9]*$'; then
  want_code=$(head -n 1 "$expected" | cut -d' ' -f2)
  want=$(tail -n +2 "$expected")
else
  want=$(cat "$expected")
fi
got=$("$kora" script "$(basename "$script")" 2>&1)
code=$?
if [ "$code" != "$want_code" ]; then
  echo "exit code $code, expected $want_code"
  echo "$got"
  exit 1
fi
if [ "$got" != "$want" ]; then
  diff <(echo "$want") <(echo "$got")
  exit 1
fi
