#!/usr/bin/env bash
# Morvane with the keyboard alone and a screen reader: the focused name box is
# read out by its row, Tab moves on to the next row's name, and Alt+Space
# then B opens the About window from the system menu.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=morvane_driver.sh
source "$(dirname "${BASH_SOURCE[0]}")/morvane_driver.sh"

readonly ABOUT_TITLE="About"

focus_is_named() {
  [[ $(probe focus-name "$MAIN_TITLE") == "$1" ]]
}

e2e_begin "$@"
start_morvane
find_window "$MAIN_TITLE"
# Row 1's name box has the focus; a click there puts the keyboard in the window.
click_client "$NAME_X" "${ROW_TOPS[0]}" "$NAME_W" "$BOX_HEIGHT"
wait_for "row 1's name box to be read as such" focus_is_named "Character 1 name"
xdotool key Tab
wait_for "Tab to reach row 2's name box" focus_is_named "Character 2 name"

xdotool key alt+space b
wait_for "Alt+Space, B to show the About window" window_is "$ABOUT_TITLE" visible
