#!/usr/bin/env bash
# A countdown keeps real time while the program cannot run. Morvane.exe is
# frozen for several seconds (SIGSTOP, then SIGCONT), as a stalled or sleeping
# machine would hold it, while two rows count: on its first tick after, row 1
# shows the frozen seconds taken off, and row 2, which ran out meanwhile,
# expires at once, showing "00:00:00" and never a time past midnight.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=morvane_driver.sh
source "$(dirname "${BASH_SOURCE[0]}")/morvane_driver.sh"

readonly FROZEN_SECONDS=6

# seconds_shown ROW: the row's time in seconds.
seconds_shown() {
  local hours minutes seconds
  IFS=: read -r hours minutes seconds < <(time_shown "$1")
  echo $((10#$hours * 3600 + 10#$minutes * 60 + 10#$seconds))
}

e2e_begin "$@"
start_morvane
find_window "$MAIN_TITLE"
start_row 1 "0:10:00"
start_row 2 "0:0:5"

row_1_counts() { [[ $(time_shown 1) == 00:09:* ]]; }
wait_for "row 1 to count" row_1_counts
before=$(seconds_shown 1)
[[ $(caption_shown 2) == Stop ]] || fail "row 2 ran out before the freeze: the machine is too slow for this test"
freeze_morvane "$FROZEN_SECONDS"

# A tick may have come between reading the time and the freeze: two seconds
# off, at least, is the first tick after it.
row_1_ticked_after_the_freeze() { (($(seconds_shown 1) <= before - 2)); }
wait_for "row 1's first tick after the freeze" row_1_ticked_after_the_freeze
taken_off=$((before - $(seconds_shown 1)))
((taken_off >= FROZEN_SECONDS)) ||
  fail "the first tick after a ${FROZEN_SECONDS}-second freeze took off $taken_off seconds"
[[ $(caption_shown 1) == Stop ]] || fail "row 1 stopped counting"

[[ $(caption_shown 2) == Start ]] || fail "row 2 did not expire on the first tick after the freeze"
[[ $(time_shown 2) == 00:00:00 ]] || fail "row 2 shows $(time_shown 2) after running out, not 00:00:00"

click_close_button
wait_for "Morvane.exe to end after the close button" morvane_has_ended
