#!/usr/bin/env bash
# Plays one scenario script and compares the transcript (and exit code) with
# the .expected file beside it. The script runs in a fresh folder beside a
# link to the example series, so "../examples/nile.txt" names the data and
# files it saves land in that folder. The first line of an .expected file may
# be "exit N" to expect exit code N (default 0).
set -u
kora=$1
script=$2
examples=$3
expected=${script%.kora}.expected
top=$(mktemp -d)
trap 'rm -rf "$top"' EXIT
mkdir "$top/work"
ln -s "$examples" "$top/examples"
cp "$script" "$top/work/"
fixtures=$(dirname "$script")/fixtures
[ -d "$fixtures" ] && cp -r "$fixtures/." "$top/work/"
want_code=0
if head -n 1 "$expected" | grep -q '^exit [0-9]*$'; then
  want_code=$(head -n 1 "$expected" | cut -d' ' -f2)
  want=$(tail -n +2 "$expected")
else
  want=$(cat "$expected")
fi
got=$(cd "$top/work" && "$kora" script "$(basename "$script")" 2>&1)
code=$?
if [ -n "${KORA_UPDATE_EXPECTED:-}" ]; then
  { [ "$code" != 0 ] && echo "exit $code"; echo "$got"; } > "$expected"
  exit 0
fi
if [ "$code" != "$want_code" ]; then
  echo "exit code $code, expected $want_code"
  echo "$got"
  exit 1
fi
if [ "$got" != "$want" ]; then
  diff <(echo "$want") <(echo "$got")
  exit 1
fi
