#!/usr/bin/env bash
# Starts the panel window on the default panel under a virtual X display, works a control with
# real pointer events, and checks that the key event went out and that the picture changed.
#
#   window_test.sh PANEL_WINDOW_PROGRAM PANEL_CONFIG MODULE_DIR ACTION
#
# ACTION: click-hdg   click the autopilot's HDG button
#         drag-power  drag the quadrant's power lever from near idle to near full
set -euo pipefail
program=$1 panel=$2 modules=$3 action=$4

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody else uses.
for number in $(seq 140 199); do
  [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || break
done
export DISPLAY=:$number
Xvfb "$DISPLAY" -screen 0 1600x1000x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# Long enough for the clicks below; the program ends on its own. In the sanitizer build the
# leak check is left out here: the X and graphics libraries SDL loads and unloads at run time
# leave allocations it cannot attribute; the panel's own drawing is leak-checked elsewhere.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
"$program" --panel "$panel" --modules "$modules" --frames 150 >"$work/events.log" 2>"$work/errors.log" &
app=$!
pids+=($app)
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Panel$' | head -n 1)
[ -n "$window" ] || { echo "the panel window did not appear"; cat "$work/errors.log"; exit 1; }
sleep 1

xwd -silent -id "$window" >"$work/before.xwd"
case "$action" in
  click-hdg)
    # The autopilot stands at (10, 10) in the panel; its HDG button is the box (26, 77, 44, 18).
    xdotool mousemove --window "$window" 58 96
    sleep 0.3
    xdotool click 1
    expected='^key event 0x10106 value 0$'
    ;;
  drag-power)
    # The quadrant stands at (520, 490) drawn twice its size; the power lever's strip is its
    # left 39 pixels, 68 high. Press near the bottom, drag up near the top, release.
    xdotool mousemove --window "$window" 560 600
    sleep 0.3
    xdotool mousedown 1
    for y in 580 560 540 520 500; do
      xdotool mousemove --window "$window" 560 "$y"
      sleep 0.1
    done
    xdotool mouseup 1
    expected='^key event 0x1011c value (1[0-9]{4})$'
    ;;
  *) echo "unknown action $action"; exit 2 ;;
esac
# Off every gauge, so that no help text stands in the picture taken next.
xdotool mousemove --window "$window" 1509 822
sleep 1
xwd -silent -id "$window" >"$work/after.xwd"
status=0
wait "$app" || status=$?
if [ "$status" -ne 0 ]; then
  echo "the panel window ended with status $status:"
  cat "$work/errors.log"
  exit 1
fi

if ! grep -Eq "$expected" "$work/events.log"; then
  echo "no key event matching $expected; the program printed:"
  cat "$work/events.log" "$work/errors.log"
  exit 1
fi
if cmp -s "$work/before.xwd" "$work/after.xwd"; then
  echo "the picture did not change"
  exit 1
fi
