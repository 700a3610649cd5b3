#!/usr/bin/env bash
# Runs a command with the Wine prefix at DPI dots per inch, then sets it back
# to 96, which every other test expects, however the command ends. The
# command finds the dpi asked for in MORVANE_TEST_DPI.
#
#   tests/with_dpi.sh DPI COMMAND [ARGUMENT...]
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../scripts/lib/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib/common.sh"

(($# >= 2)) && [[ $1 =~ ^[1-9][0-9]*$ ]] || die "usage: ${0##*/} DPI COMMAND [ARGUMENT...]"
dpi=$1
shift
morvane_wine_env
mkdir -p "$MORVANE_LOGS"
trap 'morvane_wine_dpi 96' EXIT
morvane_wine_dpi "$dpi"
MORVANE_TEST_DPI=$dpi "$@"
