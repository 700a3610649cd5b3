# shellcheck shell=bash
# Sourced by every script: where the repository lives, how to report, and the
# private Wine environment the Windows build is tested and run in.

# shellcheck disable=SC2034 # used by the scripts that source this file
{
  MORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  MORVANE_DIST="$MORVANE_ROOT/dist"
  MORVANE_LOGS="$MORVANE_ROOT/build/logs"
}

die() {
  printf '%s: %s\n' "${0##*/}" "$*" >&2
  exit 1
}

say() {
  printf '%s: %s\n' "${0##*/}" "$*" >&2
}

# Runs a command quietly: its output is added to a log, and shown only if it fails.
quietly() {
  local log="$1"
  shift
  mkdir -p "$(dirname "$log")"
  printf '\n$ %s\n' "$*" >>"$log"
  if ! "$@" >>"$log" 2>&1; then
    tail -n 40 "$log" >&2
    die "failed: $* (full log: $log)"
  fi
}

# Runs a build command quietly, its output added to a log and shown only if it
# fails, and says so in one line once it has something to compile or link:
# "TITLE:" followed by the build's percentages, one every ten points or so.
# An up-to-date build says nothing. With "started" as the third argument the
# line has been begun already (a first build, which configures first).
#
#   build_with_progress LOG TITLE started|quiet COMMAND [ARGUMENT...]
build_with_progress() {
  local log=$1 title=$2 started=$3
  shift 3
  printf '\n$ %s\n' "$*" >>"$log"
  if ! "$@" 2>&1 | tee -a "$log" | show_build_progress "$title" "$started"; then
    tail -n 40 "$log" >&2
    die "failed: $* (full log: $log)"
  fi
}

# Reads a CMake build's output: "[ 42%] Building ..." and "Linking ..." are
# work; "Built target" and the release's layout, which run every time, are not.
show_build_progress() {
  local title=$1 said=false line percent=0 shown=-10
  [[ $2 == started ]] && said=true
  while IFS= read -r line; do
    [[ $line =~ ^\[\ *([0-9]+)%\]\ (.*) ]] || continue
    percent=${BASH_REMATCH[1]}
    [[ ${BASH_REMATCH[2]} =~ ^(Building|Linking) ]] || continue
    if ! $said; then
      printf '%s: %s:' "${0##*/}" "$title" >&2
      said=true
    fi
    if ((percent >= shown + 10)); then
      printf ' %d%%' "$percent" >&2
      shown=$percent
    fi
  done
  $said || return 0
  # The last line of a finished build is at 100 %, whatever it did.
  if ((percent == 100 && shown < 100)); then printf ' 100%%' >&2; fi
  printf '\n' >&2
}

# A prefix of our own, so a user's ~/.wine is never touched: Wine 8's, or
# Wine 10's inside its root (where morvane_wine10 sets MORVANE_WINE to 10).
# Mono and Gecko are switched off so that creating the prefix never asks to
# download them.
morvane_wine_env() {
  if [[ ${MORVANE_WINE:-} == 10 ]]; then
    export WINEPREFIX="$MORVANE_ROOT/build/wine10/prefix"
    MORVANE_WINE_LOGS="$MORVANE_LOGS/wine10"
  else
    export WINEPREFIX="$MORVANE_ROOT/build/wine"
    MORVANE_WINE_LOGS="$MORVANE_LOGS/wine"
  fi
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Creates the prefix once (or waits for morvane_wine_prefix_in_background to
# have made it). Without Managed=N every hide or destroy of a window waits two
# seconds for a window manager that Xvfb does not have, and windows get no
# title bar; an empty Audio value loads no sound driver, so ALSA stays quiet on
# machines without a sound card.
morvane_wine_prefix() {
  morvane_wine_env
  if [[ -n ${morvane_wine_preparation:-} ]]; then
    wait "$morvane_wine_preparation" || exit 1  # it has said why
    morvane_wine_preparation=
  elif [[ ! -f $WINEPREFIX/.morvane-configured ]]; then
    morvane_wine_say_preparing
    morvane_wine_make_prefix
  fi
  morvane_wine_fonts
}

# Starts making the prefix the first time, while something else runs (a
# build); morvane_wine_prefix waits for it to be made.
morvane_wine_prefix_in_background() {
  morvane_wine_env
  [[ -f $WINEPREFIX/.morvane-configured ]] && return 0
  morvane_wine_say_preparing
  morvane_wine_make_prefix &
  morvane_wine_preparation=$!
}

morvane_wine_say_preparing() {
  say "preparing Wine in ${WINEPREFIX#"$MORVANE_ROOT"/}, the first time only (under a minute)"
}

morvane_wine_make_prefix() {
  local log="$MORVANE_WINE_LOGS/prefix.log"
  mkdir -p "$MORVANE_WINE_LOGS"
  : >"$log"
  {
    wineboot -i &&
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f &&
      wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d '' /f &&
      wineserver -w
  } >>"$log" 2>&1 || {
    tail -n 40 "$log" >&2
    die "could not create the Wine prefix $WINEPREFIX (log: $log)"
  }
  touch "$WINEPREFIX/.morvane-configured"
}

# Debian's Wine does not find the fonts it ships, and falls back to wider
# ones, which overflow the fixed layout: Tahoma, behind the default GUI font,
# and MS Sans Serif, the face that font stands for on Windows, which the
# tests measure the captions in too: sserife.fon at 96 dpi, sseriff.fon (its
# large-fonts set) above. Copies in the prefix's own Fonts folder are found.
morvane_wine_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [[ -f $fonts/sseriff.fon || ! -d /usr/share/wine/fonts ]] && return 0
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/sserife.fon \
    /usr/share/wine/fonts/sseriff.fon "$fonts/"
}

# Keeps one wineserver alive for the whole session, so that each test does not
# pay for starting Wine, and stops it when the calling script exits. Every
# session starts at 96 dpi, whatever an interrupted run left behind.
morvane_wine_session() {
  morvane_wine_prefix
  trap morvane_wine_end EXIT
  morvane_wine_dpi 96
}

# Sets the screen's dots per inch of the prefix (96 is 100 %, 144 is 150 %)
# and starts the session again: Wine 8 reads it when a process starts, Wine 10
# only when its session does.
morvane_wine_dpi() {
  local log="$MORVANE_WINE_LOGS/session.log"
  mkdir -p "$MORVANE_WINE_LOGS"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    >>"$log" 2>&1 || die "could not set the prefix to $1 dpi"
  morvane_wine_end
  wineserver -w
  # The server and Wine's own processes outlive the caller: none may hold
  # its output open, which a test's runner waits to see closed.
  wineserver -p >>"$log" 2>&1 </dev/null
  wine wineboot >>"$log" 2>&1 </dev/null || die "Wine did not start (log: $log)"
}

morvane_wine_end() {
  wineserver -k >/dev/null 2>&1 || true
}

# shellcheck source-path=SCRIPTDIR
source "$MORVANE_ROOT/scripts/lib/wine10.sh"
