# shellcheck shell=bash
# Sourced by the end-to-end tests: starts the shipped Morvane.exe under Wine on
# the current X display and works it as a user does, with real mouse clicks and
# keystrokes (xdotool), then looks at the screen (ImageMagick). Window positions
# come from the probe, which asks the window system from inside Wine.
#
# Usage from a test: source this file, then `e2e_begin MORVANE_EXE PROBE_EXE`.

# shellcheck source-path=SCRIPTDIR source=../../scripts/lib/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"

readonly MAIN_TITLE="Morvane v1.0"
readonly POLL_SECONDS=0.2


fail() {
  printf 'FAIL: %s\n' "$*" >&2
  exit 1
}

e2e_begin() {
  ((${#} == 2)) || fail "usage: ${0##*/} MORVANE_EXE PROBE_EXE"
  MORVANE_EXE=$1
  PROBE_EXE=$2
  [[ -n ${DISPLAY:-} ]] || fail "no X display: run the end-to-end tests through scripts/test"
  [[ -f $MORVANE_EXE ]] || fail "$MORVANE_EXE is missing: build the windows preset first"
  [[ -f $PROBE_EXE ]] || fail "$PROBE_EXE is missing: build the windows preset first"
  morvane_wine_env
  SCREEN_DPI=$(probe dpi)
  [[ $SCREEN_DPI =~ ^[1-9][0-9]*$ ]] || fail "the probe could not tell the screen's dpi"
  # A run at another scale than it asked for would pass without testing it.
  ((SCREEN_DPI == ${MORVANE_TEST_DPI:-96})) ||
    fail "the screen is at $SCREEN_DPI dpi, not at the ${MORVANE_TEST_DPI:-96} asked for"
  lay_out_rows
  ARTIFACTS="$MORVANE_ROOT/build/artifacts/wine${MORVANE_WINE:-8}"
  mkdir -p "$ARTIFACTS"
  MORVANE_PID=
  trap e2e_end EXIT
}

# Whatever happened, no Morvane is left running behind a test, frozen or not.
e2e_end() {
  if [[ -n $MORVANE_PID ]] && kill -0 "$MORVANE_PID" 2>/dev/null; then
    kill -CONT "$MORVANE_PID" 2>/dev/null || true
    kill "$MORVANE_PID" 2>/dev/null || true
    wait "$MORVANE_PID" 2>/dev/null || true
  fi
}

start_morvane() {
  wine "$MORVANE_EXE" >"$ARTIFACTS/e2e-$(basename "$0" _test.sh).wine.log" 2>&1 &
  MORVANE_PID=$!
  wait_for "the main window to appear" window_is "$MAIN_TITLE" visible
}

morvane_is_running() {
  kill -0 "$MORVANE_PID" 2>/dev/null
}

morvane_has_ended() {
  ! morvane_is_running
}

# freeze_morvane SECONDS: holds the whole program still, as a stalled or
# sleeping machine does, then lets it run on. Wine runs Morvane.exe as the
# very process it was started as.
freeze_morvane() {
  [[ $(tr '\0' ' ' <"/proc/$MORVANE_PID/cmdline") == *Morvane.exe* ]] ||
    fail "process $MORVANE_PID is not Morvane.exe"
  kill -STOP "$MORVANE_PID"
  sleep "$1"
  kill -CONT "$MORVANE_PID"
}

# wait_for DESCRIPTION COMMAND...: polls COMMAND until it succeeds, for at most
# E2E_TIMEOUT seconds (10 unless set).
wait_for() {
  local description=$1
  shift
  local deadline=$((SECONDS + ${E2E_TIMEOUT:-10}))
  until "$@"; do
    ((SECONDS < deadline)) || fail "timed out waiting for $description"
    sleep "$POLL_SECONDS"
  done
}

probe() {
  wine "$PROBE_EXE" "$@" 2>/dev/null | tr -d '\r'
}

# window_is TITLE visible|hidden|absent
window_is() {
  [[ $(probe state "$1") == "$2" ]]
}

# find_window TITLE: sets WINDOW_X, WINDOW_Y, WINDOW_W, WINDOW_H (the whole
# window on screen) and CLIENT_X, CLIENT_Y (the client area's top-left).
find_window() {
  local rect origin
  rect=$(probe rect "$1") || fail "no window titled \"$1\""
  origin=$(probe origin "$1") || fail "no window titled \"$1\""
  read -r WINDOW_X WINDOW_Y WINDOW_W WINDOW_H <<<"$rect"
  read -r CLIENT_X CLIENT_Y <<<"$origin"
}

# twips_to_pixels TWIPS...: the lengths of the design, 1440 twips to the inch,
# in pixels at the screen's dpi, rounded as the program rounds them.
twips_to_pixels() {
  local twips
  for twips in "$@"; do
    printf '%d ' $(((twips * SCREEN_DPI + 720) / 1440))
  done
}

# The countdown rows on the main window, in client pixels at the screen's dpi:
# each row's top (rows 1 to 7), then the left and width of its boxes and button.
# shellcheck disable=SC2034 # used by the tests that source this file
lay_out_rows() {
  read -r -a ROW_TOPS <<<"$(twips_to_pixels 1730 2220 2720 3200 3700 4200 4680)"
  read -r BOX_HEIGHT START_H <<<"$(twips_to_pixels 285 255)"
  read -r NAME_X NAME_W <<<"$(twips_to_pixels 840 2055)"
  read -r TIME_X TIME_W <<<"$(twips_to_pixels 3240 855)"
  read -r GOLD_X GOLD_W <<<"$(twips_to_pixels 4200 615)"
  read -r START_X START_W <<<"$(twips_to_pixels 4920 615)"
}

# click_client X Y WIDTH HEIGHT: clicks the middle of a rectangle given in the
# client coordinates of the window last found.
click_client() {
  xdotool mousemove --sync $((CLIENT_X + $1 + $3 / 2)) $((CLIENT_Y + $2 + $4 / 2)) click 1
}

# The title bar's close button, at its top-right, as tall as the caption.
click_close_button() {
  local frame=$((CLIENT_X - WINDOW_X))
  local caption=$((CLIENT_Y - WINDOW_Y - frame))
  xdotool mousemove --sync \
    $((WINDOW_X + WINDOW_W - frame - caption / 2 - 1)) $((WINDOW_Y + frame + caption / 2)) click 1
}

# Replaces the whole text of the focused box, as a user does with Home, Shift+End.
type_over() {
  xdotool key Home shift+End
  xdotool type --delay 20 "$1"
}

# start_row ROW TIME: types the time into the row's time box and presses its
# Start button, on the main window last found.
start_row() {
  local top=${ROW_TOPS[$1 - 1]}
  click_client "$TIME_X" "$top" "$TIME_W" "$BOX_HEIGHT"
  type_over "$2"
  click_client "$START_X" "$top" "$START_W" "$START_H"
}

# time_shown ROW, caption_shown ROW: what the row's time box and button say.
time_shown() {
  probe text "$MAIN_TITLE" $((TIME_X + 2)) $((${ROW_TOPS[$1 - 1]} + 2))
}
caption_shown() {
  probe text "$MAIN_TITLE" $((START_X + 2)) $((${ROW_TOPS[$1 - 1]} + 2))
}

# screenshot_window FILE: the window last found, frame and all.
screenshot_window() {
  import -silent -window root -crop "${WINDOW_W}x${WINDOW_H}+${WINDOW_X}+${WINDOW_Y}" +repage "$1"
}

# count_colour IMAGE X Y WIDTH HEIGHT RRGGBB: how many pixels of exactly that
# colour lie in a rectangle given in client coordinates of the window image.
count_colour() {
  local left=$((CLIENT_X - WINDOW_X + $2)) top=$((CLIENT_Y - WINDOW_Y + $3))
  convert "$1" -alpha off -crop "${4}x${5}+${left}+${top}" +repage txt:- |
    grep -ci "#$6\b" || true
}
