#!/usr/bin/env bash
# Starts the real program under Xvfb, as a player starts it from a folder without the game's data,
# and checks that its main window appears.
set -u
quorim="$1"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_DATA_HOME="$home" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
# a returning player's window mode, so that the first start's question does not wait
mkdir -p "$home/quorim"
printf '\xef\xbb\xbfFullScreen=1\r\n' > "$home/quorim/quorim.ini"
cd "$home"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$0" & pid=$!
  for i in $(seq 1 120); do
    # the main window, not the splash screen (300 x 296): at least the smallest board, 340 x 340
    if xwininfo -root -tree 2>/dev/null | grep "1\.6\.1 beta.*(\"quorim\" \"quorim\")" |
        grep -Eo "[0-9]+x[0-9]+\+" | awk -Fx "{ if (\$1 >= 340 && \$2+0 >= 340) found = 1 } END { exit !found }"; then
      kill -9 $pid; exit 0
    fi
    kill -0 $pid 2>/dev/null || { echo "the program ended before its window appeared"; exit 1; }
    sleep 0.5
  done
  echo "no main window within 60 s"; kill -9 $pid; exit 1' "$quorim"
