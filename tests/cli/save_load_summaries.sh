#!/usr/bin/env bash
# A demonstration saved where it stops loads back to the same summary, for stops at several
# moves and at the game's end; a refused file fails with its reason; --continue plays to the end.
set -u
cli="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for turns in 1 3 8 20 0; do
  stop=()
  [ "$turns" -gt 0 ] && stop=(--turns "$turns")
  "$cli" demo --players 3 --intellect 3 --seed 5 "${stop[@]}" --save "$work/game.sav" \
    | sed -n '/^summary$/,$p' > "$work/demo.txt"
  "$cli" load "$work/game.sav" > "$work/load.txt"
  if [ ! -s "$work/demo.txt" ] || ! cmp -s "$work/demo.txt" "$work/load.txt"; then
    echo "turns $turns: the loaded summary differs"
    diff "$work/demo.txt" "$work/load.txt" | head -20
    status=1
  fi
done
echo "no archive" > "$work/bad.sav"
if "$cli" load "$work/bad.sav" > /dev/null 2> "$work/err.txt"; then
  echo "a file that is no saved game was loaded"
  status=1
fi
grep -q "bad.sav: " "$work/err.txt" || { echo "no reason given"; status=1; }
"$cli" demo --players 2 --seed 6 --turns 5 --save "$work/game.sav" > /dev/null
"$cli" load "$work/game.sav" --continue | grep -c '^summary$' | grep -qx 2 \
  || { echo "--continue did not reach the end"; status=1; }
exit $status
