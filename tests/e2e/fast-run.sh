#!/usr/bin/env bash
# Starts the program on the current display, types a long program and its
# registers, presses セット and Ctrl+F5, and reads the register editor back.
# 1,000,000 × 1,000,000 takes about 4 × 10^12 lines; only a run at full speed
# with its loops summarised answers within the wait below.
set -euo pipefail
tessivar=$1
work=$(mktemp -d)
trap 'kill "$app" 2>/dev/null || true; rm -rf "$work"' EXIT

HOME=$work XDG_CONFIG_HOME=$work "$tessivar" &
app=$!
window=$(xdotool search --sync --onlyvisible --name 'Tessivar' | head -n 1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key --window "$window" Escape
eval "$(xdotool getwindowgeometry --shell "$window")"

# The right column is 192 pixels wide: the register editor lies 200 to 330
# pixels below the menu bar, the program editor reaches the bottom, and
# "セット" stands 124 pixels into the operation panel.
column=$((WIDTH - 192))
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
type_lines() {
  xdotool key --window "$window" ctrl+a Delete
  local first=1
  while IFS= read -r line; do
    [ $first -eq 1 ] || xdotool key --window "$window" Return
    first=0
    xdotool type --window "$window" --delay 5 "$line"
  done
}

click $((column + 96)) $((HEIGHT - 60))
type_lines <<'PROGRAM'
J(1,3,12)
J(2,3,11)
T(1,3)
S(5)
J(2,5,11)
Z(4)
S(3)
S(4)
J(1,4,4)
J(1,1,7)
T(3,1)
Z(2)
Z(3)
Z(4)
Z(5)
PROGRAM
click $((column + 96)) 280
type_lines <<'REGISTERS'
1000000
1000000
REGISTERS
click $((column + 96)) $((25 + 25 + 124 + 11))
xdotool key --window "$window" ctrl+F5
sleep 3

click $((column + 96)) 280
xdotool key --window "$window" ctrl+a ctrl+c
sleep 0.3
panel=$(xclip -o -selection clipboard)
expected=$'1000000000000\n0\n0\n0\n0'
if [ "$panel" != "$expected" ]; then
  echo "register editor after Ctrl+F5:"
  echo "$panel"
  echo "expected:"
  echo "$expected"
  [ -n "${E2E_SCREENSHOT:-}" ] && import -window root "$E2E_SCREENSHOT"
  exit 1
fi
[ -n "${E2E_SCREENSHOT:-}" ] && import -window root "$E2E_SCREENSHOT"
echo "register editor after Ctrl+F5: $(echo "$panel" | head -n 1) ..."
