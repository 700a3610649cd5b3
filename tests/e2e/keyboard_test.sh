#!/usr/bin/env bash
# Morvane with the keyboard alone and a screen reader: the focused name box is
# read out by its row, Tab moves on to the next row's name, Alt+Space then I
# and W check the system menu's two options (and W keeps the window on top),
# and Alt+Space then O opens the About window from the system menu.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=morvane_driver.sh
source "$(dirname "${BASH_SOURCE[0]}")/morvane_driver.sh"

readonly ABOUT_TITLE="About"

focus_is_named() {
  [[ $(probe focus-name "$MAIN_TITLE") == "$1" ]]
}

main_window_is() {
  [[ $(probe topmost "$MAIN_TITLE") == "$1" ]]
}

# item_is LETTER checked|"not checked": the main window's system menu item that
# Alt+Space and LETTER choose, as the menu itself reports it.
item_is() {
  [[ $(probe menu-item "$MAIN_TITLE" "$1") == "$2" ]]
}

e2e_begin "$@"
start_morvane
find_window "$MAIN_TITLE"
# Row 1's name box has the focus; a click there puts the keyboard in the window.
click_client "$NAME_X" "${ROW_TOPS[0]}" "$NAME_W" "$BOX_HEIGHT"
wait_for "row 1's name box to be read as such" focus_is_named "Character 1 name"
xdotool key Tab
wait_for "Tab to reach row 2's name box" focus_is_named "Character 2 name"

xdotool key alt+space i
wait_for "Alt+Space, I to check its item" item_is i checked
item_is w "not checked" || fail "Alt+Space, I checked another item too"
main_window_is "not topmost" || fail "I put the window on top"
xdotool key alt+space w
wait_for "Alt+Space, W to put the window on top" main_window_is topmost
item_is w checked || fail "Alt+Space, W showed no check mark"
item_is i checked || fail "Alt+Space, W took I's check mark"

xdotool key alt+space o
wait_for "Alt+Space, O to show the About window" window_is "$ABOUT_TITLE" visible
