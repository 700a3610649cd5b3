#!/usr/bin/env bash
# A countdown from start to alarm, as a user runs it: type 0:0:3 into row 1's
# time box, press Start, and after expiry see the name red and the gold green;
# then the title bar's close button ends the program.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=morvane_driver.sh
source "$(dirname "${BASH_SOURCE[0]}")/morvane_driver.sh"

e2e_begin "$@"
readonly ROW_TOP=${ROW_TOPS[0]}

start_morvane
find_window "$MAIN_TITLE"
shot="$ARTIFACTS/e2e-main-${SCREEN_DPI}dpi.png"

name_pixels() { count_colour "$shot" "$NAME_X" "$ROW_TOP" "$NAME_W" "$BOX_HEIGHT" "$1"; }
gold_pixels() { count_colour "$shot" "$GOLD_X" "$ROW_TOP" "$GOLD_W" "$BOX_HEIGHT" "$1"; }

# Before anything runs the boxes are grey with white text, nothing red or green.
screenshot_window "$shot"
(($(name_pixels 808080) > 0 && $(name_pixels FFFFFF) > 0)) || fail "row 1's name box is not white on grey"
(($(name_pixels FF0000) == 0 && $(gold_pixels 00FF00) == 0)) || fail "row 1 shows expiry colours before it ran"

start_row 1 "0:0:3"

row_1_expired() {
  screenshot_window "$shot"
  (($(name_pixels FF0000) > 0 && $(gold_pixels 00FF00) > 0))
}
wait_for "row 1 to expire: red name and green gold (see $shot)" row_1_expired

click_close_button
wait_for "Morvane.exe to end after the close button" morvane_has_ended
