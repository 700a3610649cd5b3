#!/usr/bin/env bash
# Morvane with the keyboard alone and a screen reader: the focused name box is
# read out by its row, Tab moves on to the next row's name, Alt+Space then K
# and T check the system menu's two options (and T keeps the window on top),
# and Alt+Space then B opens the About window from the system menu.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=morvane_driver.sh
source "$(dirname "${BASH_SOURCE[0]}")/morvane_driver.sh"

readonly ABOUT_TITLE="About"

focus_is_named() {
  [[ $(probe focus-name "$MAIN_TITLE") == "$1" ]]
}

menu_is_closed() {
  ! probe menu >/dev/null 2>&1
}

main_window_is() {
  [[ $(probe topmost "$MAIN_TITLE") == "$1" ]]
}

# Sets MARKS to the rows of the open menu's left column, where check marks go,
# that hold black pixels (the Close item's cross is there too, so a menu not
# drawn yet has none).
read_menu_marks() {
  local x y height
  read -r x y _ height <<<"$(probe menu)" || return 1
  # Inside the menu's frame, which is drawn dark too.
  MARKS=$(import -silent -window root -crop "$((SCREEN_DPI / 6))x$((height - 6))+$((x + 3))+$((y + 3))" \
    +repage png:- | convert - -colorspace Gray -threshold 25% txt:- |
    awk -F'[,:]' '/#000000/ { print $2 }' | sort -u)
  [[ -n $MARKS ]]
}

# MARKS as Alt+Space shows them; the menu is closed again.
system_menu_marks() {
  xdotool key alt+space
  wait_for "the system menu to be drawn" read_menu_marks
  xdotool key Escape
  wait_for "the system menu to close" menu_is_closed
}

e2e_begin "$@"
start_morvane
find_window "$MAIN_TITLE"
# Row 1's name box has the focus; a click there puts the keyboard in the window.
click_client "$NAME_X" "${ROW_TOPS[0]}" "$NAME_W" "$BOX_HEIGHT"
wait_for "row 1's name box to be read as such" focus_is_named "Character 1 name"
xdotool key Tab
wait_for "Tab to reach row 2's name box" focus_is_named "Character 2 name"

system_menu_marks
unchecked=$MARKS
xdotool key alt+space k
system_menu_marks
keep_ringing=$(comm -13 <(echo "$unchecked") <(echo "$MARKS"))
[[ -n $keep_ringing ]] || fail "Alt+Space, K showed no check mark"
main_window_is "not topmost" || fail "K put the window on top"
xdotool key alt+space t
wait_for "Alt+Space, T to put the window on top" main_window_is topmost
system_menu_marks
always_on_top=$(comm -13 <(echo "$unchecked"$'\n'"$keep_ringing" | sort) <(echo "$MARKS"))
[[ -n $always_on_top && $(sort -n <<<"$always_on_top" | head -1) -gt $(sort -n <<<"$keep_ringing" | tail -1) ]] ||
  fail "Alt+Space, T showed no check mark below K's"

xdotool key alt+space b
wait_for "Alt+Space, B to show the About window" window_is "$ABOUT_TITLE" visible
