#!/usr/bin/env bash
# Runs vovuv on a virtual screen under a window manager and works its skinned frame with the
# mouse: drags the caption, resizes by a corner, maximises and restores, closes; checks the
# geometry after each step. With a folder as second argument it leaves screenshots there.
# Usage: scripts/skin_xvfb.sh path/to/vovuv [screenshot-folder]
set -euo pipefail
bin="$(realpath "$1")"
shots="${2:-}"
root="$(cd "$(dirname "$0")/.." && pwd)"
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -z "$shots" ] || command -v import >/dev/null || { echo "import (imagemagick) is needed for screenshots"; exit 2; }

work="$(mktemp -d)"
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

mkdir "$work/prog"
cp "$bin" "$work/prog/vovuv"
cp "$root/data/6x45.txt" "$work/prog/"

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

(cd "$work/prog" && ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=xcb exec ./vovuv) >"$work/app.log" 2>&1 &
app=$!
pids+=($app)
win="$(timeout 20 xdotool search --sync --onlyvisible --name '^Vovuv 6x45$' | head -n1)"
sleep 1

fail=0
geometry() { # x y w h of the window
  eval "$(xdotool getwindowgeometry --shell "$win")"
  echo "$X $Y $WIDTH $HEIGHT"
}
near() { # value expected tolerance
  local d=$(($1 - $2)); [ "${d#-}" -le "$3" ]
}
check() { # name actual(x y w h) expected(x y w h) tolerance
  local name="$1" tol="$4"
  read -r ax ay aw ah <<<"$2"
  read -r ex ey ew eh <<<"$3"
  if near "$ax" "$ex" "$tol" && near "$ay" "$ey" "$tol" && near "$aw" "$ew" "$tol" && near "$ah" "$eh" "$tol"; then
    echo "ok: $name: $2"
  else
    echo "FAIL: $name: $2, expected $3"
    fail=1
  fi
}
drag() { # from-x from-y to-x to-y: pressed, moved in steps, released
  xdotool mousemove "$1" "$2" sleep 0.2 mousedown 1 sleep 0.2
  local i
  for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $(($1 + ($3 - $1) * i / 10)) $(($2 + ($4 - $2) * i / 10)) sleep 0.05
  done
  xdotool sleep 0.2 mouseup 1 sleep 0.5
}
shot() { [ -z "$shots" ] || import -window root "$shots/$1.png"; }

mkdir -p "${shots:-$work/none}"
read -r x y w h <<<"$(geometry)"
check "placed at the top, centred, screen height - 20" "$x $y $w $h" "$(((1024 - 662) / 2)) 0 662 748" 0
shot main-english-active

# The caption: the window follows the pointer once the drag has begun.
drag $((x + 300)) $((y + 15)) $((x + 360)) $((y + 65))
check "caption drag" "$(geometry)" "$((x + 60)) $((y + 50)) $w $h" 8
read -r x y w h <<<"$(geometry)"
# The top-left corner (the bottom of the window is below the screen).
drag $((x + 2)) $((y + 2)) $((x + 82)) $((y + 62))
check "corner resize" "$(geometry)" "$((x + 80)) $((y + 60)) $((w - 80)) $((h - 60))" 2
read -r x y w h <<<"$(geometry)"
# A double click on the caption maximises; the maximise button restores.
xdotool mousemove $((x + 300)) $((y + 15)) click --repeat 2 --delay 60 1 sleep 0.8
check "caption double click maximises" "$(geometry)" "0 0 1024 768" 0
xdotool mousemove $((1024 - 39)) 16 click 1 sleep 0.8
check "maximise button restores" "$(geometry)" "$x $y $w $h" 0

# The pale frame: the pointer clicks the bare desktop.
xdotool mousemove 1020 760 click 1 sleep 0.5
shot main-english-inactive
xdotool mousemove $((x + 300)) $((y + 15)) click 1 sleep 0.5

if [ -n "$shots" ]; then
  # File menu below its button under the caption; Rus/Eng is its third item.
  xdotool mousemove $((x + 4 + 20)) $((y + 32 + 8)) click 1 sleep 0.7
  shot main-english-file-menu
  xdotool key Down Down Down Return sleep 0.7
  shot main-russian-active
  # Statistics: the prompt (the main window pale behind it), then the text window.
  xdotool mousemove $((x + 4 + 385 + 60)) $((y + 32 + 8 + 10)) click 1 sleep 1
  shot main-russian-inactive
  xdotool key Return sleep 1.5
  shot result-russian-active
  memo="$(xdotool search --onlyvisible --name ' 1500 ' | head -n1 || true)"
  eval "$(xdotool getwindowgeometry --shell "$memo")"
  xdotool mousemove $((X + WIDTH - 19)) $((Y + 16)) click 1 sleep 0.7
  xdotool mousemove $((x + 4 + 20)) $((y + 32 + 8)) click 1 sleep 0.7 key Down Down Down Return sleep 0.7
  xdotool mousemove $((x + 4 + 385 + 60)) $((y + 32 + 8 + 10)) click 1 sleep 1 key Return sleep 1.5
  shot result-english-active
  memo="$(xdotool search --onlyvisible --name ' 1500 ' | head -n1 || true)"
  eval "$(xdotool getwindowgeometry --shell "$memo")"
  xdotool mousemove $((X + WIDTH - 19)) $((Y + 16)) click 1 sleep 0.7
fi

# The close button ends the program.
xdotool mousemove $((x + w - 19)) $((y + 16)) click 1
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then
  echo "FAIL: the close button left the program running"
  fail=1
else
  echo "ok: close button"
fi
[ "$fail" = 0 ] || { echo "--- program output"; cat "$work/app.log"; }
exit "$fail"
