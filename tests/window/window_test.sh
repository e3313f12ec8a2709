#!/usr/bin/env bash
# Starts the panel window under a virtual X display, clicks the autopilot's HDG button with a
# real pointer event, and checks that the key event went out and that the picture changed.
#
#   click_test.sh PANEL_WINDOW_PROGRAM PANEL_CONFIG MODULE_DIR
set -euo pipefail
program=$1 panel=$2 modules=$3

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
Xvfb "$DISPLAY" -screen 0 1280x720x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
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

# The autopilot stands at (10, 10) in the panel; its HDG button is the box (26, 77, 44, 18).
xwd -silent -id "$window" >"$work/before.xwd"
xdotool mousemove --window "$window" 58 96
sleep 0.3
xdotool click 1
sleep 1
xwd -silent -id "$window" >"$work/after.xwd"
status=0
wait "$app" || status=$?
if [ "$status" -ne 0 ]; then
  echo "the panel window ended with status $status:"
  cat "$work/errors.log"
  exit 1
fi

if ! grep -q '^key event 0x10106 value 0$' "$work/events.log"; then
  echo "no HDG key event after the click; the program printed:"
  cat "$work/events.log" "$work/errors.log"
  exit 1
fi
if cmp -s "$work/before.xwd" "$work/after.xwd"; then
  echo "the picture did not change after the click"
  exit 1
fi
