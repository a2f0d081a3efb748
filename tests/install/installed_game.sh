#!/usr/bin/env bash
# Installs the game into a temporary prefix as `cmake --install` does and plays the installed game:
# the desktop entry and the AppStream metadata pass their validators; started from an empty home,
# the game plays in the home's data folder made from <prefix>/share/quorim, writes its settings
# there when it is closed, and leaves the prefix byte for byte as it was; a later change of the
# installed data reaches that folder at the next start, while the player's settings stay.
# Usage: installed_game.sh BUILD-FOLDER [CMAKE]
set -eu
build=$1
cmake=${2:-cmake}
here=$(cd "$(dirname "$0")" && pwd)
id=io.github.quorim.Quorim
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
home=$tmp/home
user=$home/.local/share/quorim
fail() { echo "FAIL: $*"; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream metadata"
for icon in 48x48/apps/$id.png 128x128/apps/$id.png 256x256/apps/$id.png scalable/apps/$id.svg; do
  [ -s "$prefix/share/icons/hicolor/$icon" ] || fail "no icon $icon"
done

# Every name in the prefix with its kind, mode and link target, and every file's checksum. (The
# tests run as root, whom a read-only prefix would not stop.)
inventory() {
  (cd "$prefix" && find . -printf '%y %m %p %l\n' | sort &&
    find . -type f -print0 | sort -z | xargs -0 sha256sum)
}

# Starts the installed game from the home under its own X server, answers the first start's
# question (no full screen), waits for the main window and closes it as a player does: the window
# manager's close request, then yes to the game's question.
play() {
  (cd "$home" && env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" SDL_AUDIODRIVER=dummy \
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    # the windows of the game on the screen, each with its size
    windows() {
      for w in $(xdotool search --onlyvisible --class quorim 2>/dev/null); do
        echo "$w $(xwininfo -id "$w" | awk "/Width:/ { w = \$2 } /Height:/ { h = \$2 } END { print w, h }")"
      done
    }
    "$0" & pid=$!
    for i in $(seq 1 80); do
      kill -0 $pid 2>/dev/null || { echo "the game ended before its main window appeared"; exit 1; }
      # the main window: at least the smallest board, 340 x 340 (the splash screen is 300 x 296)
      main=$(windows | awk "\$2 >= 340 && \$3 >= 340 { print \$1; exit }")
      [ -n "$main" ] && break
      question=$(windows | awk "\$2 > 300 { print \$1; exit }")
      [ -n "$question" ] && xdotool windowfocus --sync "$question" key Escape
      sleep 0.5
    done
    [ -n "$main" ] || { echo "no main window within 40 s"; kill -9 $pid; exit 1; }
    sleep 1
    python3 "$1" "$main"
    for i in $(seq 1 20); do
      kill -0 $pid 2>/dev/null || break
      # the game asks whether to quit: its question window (and the shadow behind it)
      for w in $(windows | awk "\$2 == 317 && \$3 == 128 { print \$1 }"); do
        xdotool windowfocus "$w" key Return 2>/dev/null
      done
      sleep 0.5
    done
    kill -0 $pid 2>/dev/null && { echo "the game did not close"; kill -9 $pid; exit 1; }
    wait $pid' "$prefix/bin/quorim" "$here/close_window.py")
}

mkdir "$home"
before=$(inventory)
play || fail "the first start"
[ "$(inventory)" = "$before" ] || fail "the first start changed the prefix"
[ -L "$user/dict/rus/dictionary.txt" ] || fail "no data folder made in the home"
grep -q "FullScreen=3" "$user/quorim.ini" || fail "no settings written at exit"

# An update of the installed data: a new layout, and a word list that changed. The player
# meanwhile chose the night skin.
cp "$prefix/share/quorim/MAPS/$(ls "$prefix/share/quorim/MAPS" | head -1)" \
  "$prefix/share/quorim/MAPS/update-test.map"
printf 'ZZTESTWORD\r\n' >>"$prefix/share/quorim/dict/eng/dictionary.txt"
sed -i 's/^\(\xef\xbb\xbf\)\?Skin=.*/\1Skin=night\r/' "$user/quorim.ini"
grep -q "Skin=night" "$user/quorim.ini" || fail "no skin in the settings file"
before=$(inventory)
play || fail "the second start"
[ "$(inventory)" = "$before" ] || fail "the second start changed the prefix"
[ "$(readlink -f "$user/MAPS/update-test.map")" = \
  "$(readlink -f "$prefix/share/quorim/MAPS/update-test.map")" ] ||
  fail "the new layout did not reach the home"
grep -q ZZTESTWORD "$user/dict/eng/dictionary.txt" ||
  fail "the changed word list did not reach the home"
grep -q "Skin=night" "$user/quorim.ini" || fail "the player's settings did not stay"
grep -q "FullScreen=3" "$user/quorim.ini" || fail "the window mode did not stay"
echo "installed game: ok"
