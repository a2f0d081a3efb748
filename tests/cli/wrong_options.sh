#!/usr/bin/env bash
# A wrong command line runs nothing: it ends with status 2 and says what was wrong.
set -u
cli="$1"
status=0
refused() {
  local expected="$1"
  shift
  local message
  message="$("$cli" "$@" 2>&1 >/dev/null)"
  local code=$?
  if [ "$code" -ne 2 ] || ! grep -qF -- "$expected" <<<"$message"; then
    echo "quorim-cli $*: status $code, wanted 2 and \"$expected\" in:"
    head -3 <<<"$message"
    status=1
  fi
}
refused '--players takes a whole number from 2 to 8, not "9"' demo --players 9
refused '--intellect takes a whole number from 1 to 3, not "x"' demo --intellect x
refused '--seed takes a whole number from 0 to 4294967295, not "4294967296"' demo --seed 4294967296
refused '--turns takes a whole number from 1 to 100000, not "0"' demo --turns 0
refused '--limits takes at most 20 characters' demo --limits 123456789012345678901
refused '--save needs a value' demo --save ""
refused "Missing value after '--turns'" demo --seed 2 --turns
refused "Unknown option 'bogus'" demo --bogus 1
refused 'demo: unexpected extra' demo extra
refused '--moves takes a whole number from 1 to 100000, not "-5"' bench --moves -5
refused 'load takes FILE' load a.sav b.sav
refused "Unknown option 'again'" load a.sav --again
refused "Missing value after '--dictionary'" --dictionary
refused 'no command play' play
exit $status
