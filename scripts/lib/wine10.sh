# shellcheck shell=bash
# Sourced by common.sh: a second, newer Wine, Debian 13's Wine 10, in a
# Debian root of its own under build/, made once and reused. A command run
# there sees the checkout at its own path, the X display of the caller and a
# Wine prefix of its own (build/wine10/prefix), on the same binaries.
#
#   morvane_wine10 COMMAND [ARGUMENT...]   runs COMMAND inside, as is
#
# Nothing is ever mounted on the host: each run is a bubblewrap sandbox whose
# mounts live in a namespace of its own and go with its last process, however
# it ends, so `rm -rf build` only ever meets the root's own files.

# shellcheck disable=SC2034 # used by the scripts that source this file
{
  MORVANE_WINE10_ROOT="$MORVANE_ROOT/build/wine10/root"
  MORVANE_WINE10_MIRROR=http://deb.debian.org/debian
  # What the Windows tests call inside: Wine with its fonts, ctest, and the
  # screen, input and screenshot tools the end-to-end tests drive it with.
  MORVANE_WINE10_PACKAGES=(wine wine32:i386 fonts-wine cmake xdotool imagemagick x11-apps xauth
    procps)
}

morvane_wine10() {
  morvane_wine10_root
  # A home of its own, where fontconfig keeps its cache from run to run.
  local home="$MORVANE_ROOT/build/wine10/home"
  mkdir -p "$home"
  local inside=(
    --bind "$MORVANE_WINE10_ROOT" /
    --dev /dev --proc /proc --tmpfs /tmp
    --bind "$MORVANE_ROOT" "$MORVANE_ROOT"
    # Every process inside ends with the first: a wineserver kept alive for
    # a session included.
    --unshare-pid --die-with-parent
    --setenv MORVANE_WINE 10 --setenv HOME "$home"
    # Wine 10's `wineserver -p` aborts with some harnesses' TMPDIR.
    --unsetenv TMPDIR
    --chdir "$PWD"
  )
  [[ -d /tmp/.X11-unix ]] && inside+=(--ro-bind /tmp/.X11-unix /tmp/.X11-unix)
  [[ -n ${XAUTHORITY:-} ]] && inside+=(--ro-bind "$XAUTHORITY" "$XAUTHORITY")
  # The build trees' tests name the modules of the CMake that configured them.
  local modules
  for modules in /usr/share/cmake-*; do
    [[ -d $MORVANE_WINE10_ROOT$modules/Modules ]] || inside+=(--ro-bind "$modules" "$modules")
  done
  # Read-only once every mount point is in place.
  bwrap "${inside[@]}" --remount-ro / "$@"
}

# Makes the root the first time: as root, debootstrap and the packages (a few
# minutes; the root holds some 1.6 GB); as anyone else, says how.
morvane_wine10_root() {
  [[ -f $MORVANE_WINE10_ROOT/.morvane-made ]] && return 0
  local root=$MORVANE_WINE10_ROOT
  local steps=(
    # debootstrap mounts /proc and /sys in the root while it works: in a
    # namespace of its own they cannot outlive it.
    "unshare --mount debootstrap --variant=minbase trixie $root $MORVANE_WINE10_MIRROR"
    "chroot $root dpkg --add-architecture i386"
    "chroot $root apt-get -q update"
    "chroot $root env DEBIAN_FRONTEND=noninteractive apt-get -q install -y --no-install-recommends ${MORVANE_WINE10_PACKAGES[*]}"
    "touch $root/.morvane-made"
  )
  local step
  if ((EUID != 0)); then
    say "Wine 10's root is not made yet: make it with"
    for step in "${steps[@]}"; do echo "  sudo $step" >&2; done
    exit 1
  fi
  say "making Wine 10's root in ${root#"$MORVANE_ROOT"/}, the first time only (a few minutes)"
  # A root left half made by an interrupted run is made again from nothing.
  rm -rf "$root"
  mkdir -p "$(dirname "$root")"
  for step in "${steps[@]}"; do
    # shellcheck disable=SC2086 # each step is split into its words on purpose
    quietly "$MORVANE_LOGS/wine10-root.log" $step
  done
}
