#!/usr/bin/env bash
# Morvane with the keyboard alone and a screen reader: the focused name box is
# read out by its row, Tab moves on to the next row's name, Alt+Space then K
# and T turn the system menu's two options over, each showing its check mark
# (and T keeps the window on top), and Alt+Space then B opens the About
# window from the system menu.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=morvane_driver.sh
source "$(dirname "${BASH_SOURCE[0]}")/morvane_driver.sh"

readonly ABOUT_TITLE="About"

focus_is_named() {
  [[ $(probe focus-name "$MAIN_TITLE") == "$1" ]]
}

menu_is_open() {
  probe menu >/dev/null
}

menu_is_closed() {
  ! menu_is_open
}

main_window_is() {
  [[ $(probe topmost "$MAIN_TITLE") == "$1" ]]
}

# Sets MARKS to what is drawn black in the open menu's left column, where the
# check marks go beside the items (the Close item's cross is one too): the
# middle row of each mark, from the menu's top, one a line. Fails while the
# menu is not drawn yet, which has at least that cross.
read_menu_marks() {
  local x y width height inset=3 column
  read -r x y width height <<<"$(probe menu)" || return 1
  column=$((18 * SCREEN_DPI / 96 - inset))
  import -silent -window root \
    -crop "${column}x$((height - 2 * inset))+$((x + inset))+$((y + inset))" +repage \
    "$ARTIFACTS/e2e-keyboard-menu-column.png"
  MARKS=$(convert "$ARTIFACTS/e2e-keyboard-menu-column.png" -colorspace Gray -threshold 25% txt:- |
    awk -F'[,:]' '/#000000/ { print $2 }' | sort -nu |
    awk 'NR > 1 && $1 != last + 1 { print int((first + last) / 2) + 3; first = $1 }
         NR == 1 { first = $1 } { last = $1 } END { if (NR) print int((first + last) / 2) + 3 }')
  [[ -n $MARKS ]]
}

# system_menu_marks: MARKS as the system menu shows them, opened and closed again.
system_menu_marks() {
  xdotool key alt+space
  wait_for "the system menu to open" menu_is_open
  wait_for "the system menu to be drawn" read_menu_marks
  xdotool key Escape
  wait_for "the system menu to close" menu_is_closed
}

# The marks in $2 that are not in $1.
new_marks() {
  comm -13 <(sort <<<"$1") <(sort <<<"$2")
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
keep_ringing=$(new_marks "$unchecked" "$MARKS")
[[ $(wc -l <<<"$keep_ringing") == 1 && -n $keep_ringing ]] ||
  fail "Alt+Space, K checked no option, or more than one (marks: $MARKS)"
main_window_is "not topmost" || fail "K put the window on top"

xdotool key alt+space t
wait_for "Alt+Space, T to put the window on top" main_window_is topmost
system_menu_marks
always_on_top=$(new_marks "$unchecked" "$MARKS" | grep -vx "$keep_ringing" || true)
[[ -n $always_on_top && $always_on_top -gt $keep_ringing ]] ||
  fail "Alt+Space, T checked no option below K's (marks: $MARKS)"
xdotool key alt+space t
wait_for "Alt+Space, T again to take the window off the top" main_window_is "not topmost"
system_menu_marks
[[ $(new_marks "$unchecked" "$MARKS") == "$keep_ringing" ]] ||
  fail "T again left its check mark, or took K's (marks: $MARKS)"

xdotool key alt+space b
wait_for "Alt+Space, B to show the About window" window_is "$ABOUT_TITLE" visible
