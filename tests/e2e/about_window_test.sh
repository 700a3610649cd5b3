#!/usr/bin/env bash
# The About window, as a user meets it: the About picture opens it centred on
# the screen, Close hides it, the picture shows the same window where it was,
# and the Exit picture ends the program, even with the About window hidden.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=morvane_driver.sh
source "$(dirname "${BASH_SOURCE[0]}")/morvane_driver.sh"

readonly ABOUT_TITLE="About"
# Client pixels: the pictures along the main window's bottom edge, and the
# About window's Close button.
readonly PICTURE_Y=376 PICTURE_H=22
readonly EXIT_X=160 EXIT_W=76
readonly ABOUT_X=256 ABOUT_W=73
readonly CLOSE_X=128 CLOSE_Y=112 CLOSE_W=65 CLOSE_H=25

click_about_picture() {
  find_window "$MAIN_TITLE"
  click_client "$ABOUT_X" "$PICTURE_Y" "$ABOUT_W" "$PICTURE_H"
  wait_for "the About window to show" window_is "$ABOUT_TITLE" visible
  find_window "$ABOUT_TITLE"
}

e2e_begin "$@"
start_morvane
[[ $(probe state "$ABOUT_TITLE") == absent ]] || fail "the About window exists before it was asked for"

click_about_picture
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
centre_offset_x=$((2 * WINDOW_X + WINDOW_W - screen_w))
centre_offset_y=$((2 * WINDOW_Y + WINDOW_H - screen_h))
((${centre_offset_x#-} <= 1 && ${centre_offset_y#-} <= 1)) ||
  fail "the About window at $WINDOW_X,$WINDOW_Y (${WINDOW_W}x$WINDOW_H) is not centred on the ${screen_w}x$screen_h screen"
first_place="$WINDOW_X $WINDOW_Y"
screenshot_window "$ARTIFACTS/e2e-about.png"

click_client "$CLOSE_X" "$CLOSE_Y" "$CLOSE_W" "$CLOSE_H"
wait_for "Close to hide the About window" window_is "$ABOUT_TITLE" hidden

click_about_picture
[[ "$WINDOW_X $WINDOW_Y" == "$first_place" ]] ||
  fail "the About window came back at $WINDOW_X $WINDOW_Y instead of $first_place"

# Hidden again: an About window that no one can see must not keep the program alive.
click_client "$CLOSE_X" "$CLOSE_Y" "$CLOSE_W" "$CLOSE_H"
wait_for "Close to hide the About window again" window_is "$ABOUT_TITLE" hidden

find_window "$MAIN_TITLE"
click_client "$EXIT_X" "$PICTURE_Y" "$EXIT_W" "$PICTURE_H"
wait_for "Morvane.exe to end after the Exit picture" morvane_has_ended
